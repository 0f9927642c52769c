#pragma once

#include <QObject>
#include <QString>

struct Form1Controls;
class ParameterPanel;
class LanguageTable;
class AppPaths;
class MessageBoxes;
class QWidget;

// The folder of setting.ini and log.txt: beside the executable when that folder is writable,
// else the per-user configuration folder, created when needed.
QString settingsFolder(const AppPaths& paths);

// setting.ini: restore at start-up, save on close and on the save command, and the reset
// time whenever its box loses the focus.
class SettingsFile : public QObject {
    Q_OBJECT
public:
    static inline const QString Section = QStringLiteral("TCPIP");

    SettingsFile(const QString& iniPath, Form1Controls& ui, ParameterPanel& panel,
                 LanguageTable& lang, MessageBoxes& boxes, QWidget* dialogParent);

    // Fills the panel, the reset time and the flags, and the saved language choice.
    void loadini();
    // Writes the parameter set and the language choice, key by key.
    void saveini();
    // Command_saveset and MenuSaveIni: the notice, then the save.
    void Command_saveset_Click();
    // Text_resettime losing the focus: stores the box's text.
    void Text_resettime_LostFocus();

    QString path() const { return path_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString read(const QString& key, int length) const;
    void write(const QString& key, const QString& value) const;

    QString path_;
    Form1Controls& ui_;
    ParameterPanel& panel_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    QWidget* dialogParent_;
};
