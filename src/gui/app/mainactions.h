#pragma once

#include "gui/app/actiontable.h"

#include <vector>

// The main window's commands, one row each: what ActionTable builds the
// actions, menus and toolbars from. A command joins the program by a row
// here (and, when it has one, the slot or the ration window's command the
// row names).
class MainActions
{
public:
    static const std::vector<ActionTable::Row> &rows();
};
