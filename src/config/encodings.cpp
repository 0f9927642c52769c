#include "config/encodings.h"

#include <QStringList>

#include "config/failure.h"
#include "config/numbers.h"

void Getipbuf(const QString& text, QByteArray& buf) {
    const QStringList parts = text.split(u'.');
    if (parts.size() < 4)
        throw Failure(Failure::OutOfRange);
    buf.resize(4);
    for (int i = 0; i < 4; ++i)
        buf[i] = static_cast<char>(makeByte(lenientNumber(parts[3 - i])));
}

void Getstringbuf(const QString& text, QByteArray& buf) {
    qint32 v = strictInt32(text);
    buf.resize(4);
    for (int i = 0; i < 4; ++i) {
        buf[i] = static_cast<char>(v & 255);
        v /= 256; // toward zero
    }
}

void Fill(QByteArray& fillbuf, const QByteArray& databuf, quint16 address) {
    if (address + databuf.size() > fillbuf.size())
        throw Failure(Failure::OutOfRange);
    for (qsizetype i = 0; i < databuf.size(); ++i)
        fillbuf[address + i] = databuf[i];
}

QString getIpText(const QByteArray& bytes, quint8 offset) {
    if (offset + 4 > bytes.size())
        throw Failure(Failure::OutOfRange);
    QStringList octets;
    for (int i = 3; i >= 0; --i)
        octets << QString::number(static_cast<quint8>(bytes[offset + i]));
    return octets.join(u'.');
}

quint8 rotLeft(quint8 value, qint16 count) {
    for (int i = 0; i < count; ++i)
        value = static_cast<quint8>(((value * 2) & 255) | (value / 128));
    return value;
}

quint8 rotRight(quint8 value, qint16 count) {
    for (int i = 0; i < count; ++i)
        value = static_cast<quint8>((value / 2) | ((value & 1) * 128));
    return value;
}

QString toHex(int value, int width) {
    return QString::number(static_cast<quint16>(value), 16).toUpper().rightJustified(width, u'0');
}

QString hexPairs(const QByteArray& bytes) {
    QString text;
    for (char b : bytes)
        text += toHex(static_cast<quint8>(b), 2) + u' ';
    return text;
}
