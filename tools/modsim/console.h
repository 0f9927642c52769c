#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The simulator's console: options in, report lines out.

// The value of "--name=value" among the arguments, or fallback when absent.
QString optionValue(const QStringList& args, const QString& name, const QString& fallback);

// Prints "<tag> <hex pairs>" (or "<tag> <extra> <hex pairs>") on stdout and flushes it, so a
// test reading the simulator's output sees each line as soon as it happens.
void printLine(const QString& tag, const QByteArray& bytes, const QString& extra = QString());
// Prints a line of text on stdout and flushes it.
void printText(const QString& text);
