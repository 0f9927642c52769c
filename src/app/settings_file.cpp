#include "app/settings_file.h"

#include "app/toolkit.h"

QString settingsFolder(const AppPaths& paths) { return paths.executableDir(); }

SettingsFile::SettingsFile(const QString& iniPath, Form1Controls& ui, ParameterPanel& panel,
                           LanguageTable& lang, MessageBoxes& boxes, QWidget* dialogParent)
    : path_(iniPath), ui_(ui), panel_(panel), lang_(lang), boxes_(boxes),
      dialogParent_(dialogParent) {}

void SettingsFile::loadini() {}
void SettingsFile::saveini() {}
