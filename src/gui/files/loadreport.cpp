#include "gui/files/loadreport.h"

#include "core/platform/trcontext.h"
#include "gui/dialogs/messagebox.h"

TR_CONTEXT(LoadReport)

bool LoadReport::accepted(QWidget *parent, const RationFile::LoadResult &result)
{
    if (result.status != RationFile::LoadResult::Refused)
        return true;
    MessageBox::critical(parent, tr("Ошибка загрузки"), result.failure);
    return false;
}

void LoadReport::warn(QWidget *parent, const RationFile::LoadResult &result)
{
    if (result.status == RationFile::LoadResult::ReadError)
        MessageBox::critical(parent, tr("Ошибка загрузки"), result.failure);
    if (!result.warnings.isEmpty())
        MessageBox::warning(parent, tr("Загрузка данных"),
                            result.warnings.join(QStringLiteral("\n\n")));
}
