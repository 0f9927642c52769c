#pragma once

class QMainWindow;
struct Form1Controls;
struct FormState;
class LanguageTable;
class MessageBoxes;
class UrlOpener;
class TrayIcon;

// Help on click, the web links, and hiding to the notification area.
class WindowAids {
public:
    WindowAids(QMainWindow* window, Form1Controls& ui, FormState& state, LanguageTable& lang,
               MessageBoxes& boxes, UrlOpener& urls, TrayIcon& tray);

    // The window's resize/state-change event.
    void windowStateChanged();

private:
    QMainWindow* window_;
    Form1Controls& ui_;
    FormState& state_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    UrlOpener& urls_;
    TrayIcon& tray_;
};
