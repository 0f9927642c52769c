#pragma once

#include <QByteArray>
#include <QString>

// Text files may come from this program (UTF-8) or from a Chinese-language system of
// another platform (GB18030). UTF-8, with or without BOM, is taken when the bytes are valid
// UTF-8; otherwise the bytes are read as GB18030.
QString decodeTextFile(const QByteArray& bytes);

// GB18030 bytes of a text, for files and packets that travel in the system's 8-bit code page.
QByteArray encodeGb18030(const QString& text);
