#pragma once

#include "core/page/rationfile.h"

class QWidget;

// Telling the user how loading a ration file went, in message boxes.
class LoadReport
{
public:
    // Says why nothing was loaded, if so; true when there is a ration to
    // show.
    static bool accepted(QWidget *parent, const RationFile::LoadResult &result);
    // Says what went wrong with a ration that was loaded: a read error,
    // then the warnings, in one box.
    static void warn(QWidget *parent, const RationFile::LoadResult &result);
};
