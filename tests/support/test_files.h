#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file; empty when it does not exist or cannot be read.
QByteArray fileContent(const QString& path);
// Replaces a file's content; false when it cannot be written.
bool writeFile(const QString& path, const QByteArray& bytes);
