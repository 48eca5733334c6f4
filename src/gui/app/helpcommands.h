#pragma once

class QWidget;

// The help menu's own windows: the manual, and the program's About box.
class HelpCommands
{
public:
    // Opens the manual in a help window; when it is not found, says so and
    // lets the user choose the file.
    static void showManual(QWidget *parent);
    static void showAbout();
};
