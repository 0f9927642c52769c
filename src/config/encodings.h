#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The byte encodings of the configuration fields. Pure functions on texts and bytes; each
// failure is a Failure with its number. A failing encoding may have written part of its
// buffer already; callers discard it.

// IPv4 text into 4 bytes, last octet first: "192.168.0.7" -> 07 00 A8 C0. Each of the first
// four dot-separated parts is read leniently (an empty part is 0) and made a byte; parts after
// the fourth are ignored. Failure 9 with fewer than four parts, 6 for an octet outside 0..255.
// buf becomes 4 bytes long.
void Getipbuf(const QString& text, QByteArray& buf);

// The strict reading of text as a signed 32-bit number into 4 bytes, low byte first; each step
// keeps v AND 255 and divides v by 256 toward zero: "115200" -> 00 C2 01 00.
// Failure 13 when the text is no number (an empty text included), 6 when it does not fit.
// buf becomes 4 bytes long.
void Getstringbuf(const QString& text, QByteArray& buf);

// Copies every byte of databuf into fillbuf at address onwards; Failure 9 when it would run
// past the end of fillbuf.
void Fill(QByteArray& fillbuf, const QByteArray& databuf, quint16 address);

// Dotted IPv4 text of the four bytes from offset on, last octet first:
// 07 00 A8 C0 -> "192.168.0.7". Failure 9 when a byte lies beyond the array.
QString getIpText(const QByteArray& bytes, quint8 offset);

// The byte rotated left (right) by count bits within 8 bits; unchanged for count <= 0.
quint8 rotLeft(quint8 value, qint16 count);
quint8 rotRight(quint8 value, qint16 count);

// Upper-case hexadecimal text of the low 16 bits of value, left-padded with "0" to width and
// never cut: toHex(10, 2) = "0A", toHex(427, 2) = "1AB", toHex(-1, 2) = "FFFF".
QString toHex(int value, int width);

// Each byte as toHex(byte, 2) followed by one blank: "55 BA ... BD ".
QString hexPairs(const QByteArray& bytes);
