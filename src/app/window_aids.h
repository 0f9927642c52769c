#pragma once

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QMainWindow;
struct Form1Controls;
struct FormState;
class LanguageTable;
class MessageBoxes;
class UrlOpener;
class TrayIcon;

// Help on click, the web links, and hiding to the notification area.
class WindowAids : public QObject {
    Q_OBJECT
public:
    // The project's home page, opened by F1 in the log pane.
    static inline const QString HomePage = QStringLiteral("https://sbconfig.example.org/");

    WindowAids(QMainWindow* window, Form1Controls& ui, FormState& state, LanguageTable& lang,
               MessageBoxes& boxes, UrlOpener& urls, TrayIcon& tray);

    void Label3_Click();
    void Label2_Click(int index);
    void gourl_Click();
    // Minimised: hide the window and show its icon in the notification area.
    void windowStateChanged();
    // An event on the notification-area icon: a left click restores the window.
    void trayActivated(QSystemTrayIcon::ActivationReason reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* window_;
    Form1Controls& ui_;
    FormState& state_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    UrlOpener& urls_;
    TrayIcon& tray_;
};
