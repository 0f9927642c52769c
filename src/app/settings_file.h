#pragma once

#include <QString>

struct Form1Controls;
class ParameterPanel;
class LanguageTable;
class AppPaths;
class MessageBoxes;
class QWidget;

// The folder of setting.ini and log.txt.
QString settingsFolder(const AppPaths& paths);

// setting.ini: restore at start-up, save on close and on the save command.
class SettingsFile {
public:
    SettingsFile(const QString& iniPath, Form1Controls& ui, ParameterPanel& panel,
                 LanguageTable& lang, MessageBoxes& boxes, QWidget* dialogParent);

    void loadini();
    void saveini();
    QString path() const { return path_; }

private:
    QString path_;
    Form1Controls& ui_;
    ParameterPanel& panel_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    QWidget* dialogParent_;
};
