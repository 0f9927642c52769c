#pragma once

#include <QString>

class QMainWindow;
struct Form1Controls;
class LanguageTable;
class OperationLog;

// The program's version: major, minor, revision.
constexpr int VersionMajor = 4;
constexpr int VersionMinor = 2;
constexpr int VersionRevision = 2;
// "4.2.2"
QString versionText();

// Puts the texts of the current language on every caption and tooltip, and switches the
// language from the menu.
class Captions {
public:
    Captions(QMainWindow* window, Form1Controls& ui, LanguageTable& lang, OperationLog& log);

    // Title, menus, buttons, field captions, help tooltips, groups, the device list's header
    // row and the log pane (replaced by the help text).
    void applyLang();
    // MenuLang: the other language, then applyLang.
    void MenuLang_Click();

private:
    QMainWindow* window_;
    Form1Controls& ui_;
    LanguageTable& lang_;
    OperationLog& log_;
};
