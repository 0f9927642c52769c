#pragma once

#include <QStringList>

class QCoreApplication;

// Plays modules on the LAN; returns the process exit code.
int runLanModules(QCoreApplication& app, const QStringList& args);
