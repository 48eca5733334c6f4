#pragma once

// The services the windows of a benchmark share, made on first use: the
// products and profiles files in the data folder the benchmark set.

#include "gui/ration/services.h"

#include <QCoreApplication>

namespace bench {
inline Services &services()
{
    static Services *made = new Services(QCoreApplication::instance());
    return *made;
}
} // namespace bench
