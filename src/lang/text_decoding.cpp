#include "lang/text_decoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QString decodeGb18030(const QByteArray& bytes) {
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

} // namespace

QString decodeTextFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    return decodeGb18030(bytes);
}

QByteArray encodeGb18030(const QString& text) {
    QStringEncoder encoder("GB18030");
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}
