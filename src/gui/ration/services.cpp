#include "gui/ration/services.h"

Services::Services(const QString &productsPath, const QString &profilesPath, QObject *parent)
    : QObject(parent), m_products(productsPath), m_profiles(profilesPath),
      m_foods(FoodTable::builtIn())
{
    m_foods.setObjectName(QStringLiteral("FoodModel"));
    m_foods.setOwnProducts(m_products.products());
    connect(&m_products, &ProductStore::changed, &m_foods,
            [this] { m_foods.setOwnProducts(m_products.products()); });
}

Services::Services(QObject *parent)
    : Services(ProductStore::defaultPath(), ProfileStore::defaultPath(), parent)
{ }
