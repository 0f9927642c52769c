#pragma once

#include <optional>

#include <QString>
#include <QtGlobal>

// The readings of a number from a field's text, and the rounding rule of every conversion.
// Rounding is always to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).

// Lenient reading: the value of the longest leading part of the text that forms a number
// (sign, digits, decimal point, exponent), blanks skipped; 0 when there is none.
// "12abc" -> 12, " - 3.5x" -> -3.5, "abc" -> 0, "" -> 0.
double lenientNumber(const QString& text);

// Strict reading without rounding: the whole text (surrounding blanks aside) must be a number
// in the user's locale format or in plain C-locale form. Empty when it is no number.
// Throws Failure 6 when it is a number too large for a double.
std::optional<double> strictNumber(const QString& text);
// Whether the strict reading accepts the text.
bool isNumber(const QString& text);

// Halves-to-even rounding of a value to an integer in [min, max]; Failure 6 outside.
qint64 roundToRange(double value, qint64 min, qint64 max);

// Strict reading rounded to a signed 32-bit integer: Failure 13 when the text is no number,
// 6 when the rounded value does not fit.
qint32 strictInt32(const QString& text);
// Strict reading rounded to a signed 16-bit integer (the COM port number): Failure 13 when
// the text is no number, 6 when the rounded value does not fit 16 bits.
qint16 strictInt16(const QString& text);

// "Made a byte": rounded, and it must lie in 0..255, else Failure 6.
quint8 makeByte(double value);
