#pragma once

#include <QStringList>

class QCoreApplication;

// Plays one module in configuration mode on a pseudo-terminal; returns the exit code.
int runSerialModule(QCoreApplication& app, const QStringList& args);
