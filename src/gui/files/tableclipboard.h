#pragma once

class FigureTable;

// Puts a table of figures on the clipboard for a spreadsheet: as
// tab-separated text with the desktop's decimal separator, which a
// spreadsheet of the same desktop reads as numbers, and as an HTML table
// whose number cells also carry their values without any locale, which
// LibreOffice and Excel read whatever their language.
class TableClipboard
{
public:
    static void put(const FigureTable &table);
};
