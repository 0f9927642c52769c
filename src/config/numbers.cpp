#include "config/numbers.h"

#include <cmath>
#include <limits>

#include <QLocale>

#include "config/failure.h"

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

double lenientNumber(const QString& text) {
    // Collect the leading number with blanks removed, then let the C locale convert it.
    QString number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    auto takeDigits = [&] {
        int count = 0;
        for (skipBlanks(); i < n && isDigit(text[i]); skipBlanks()) {
            number += text[i++];
            ++count;
        }
        return count;
    };

    skipBlanks();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        number += text[i++];
    int digits = takeDigits();
    if (i < n && text[i] == u'.') {
        number += text[i++];
        digits += takeDigits();
    }
    if (digits == 0)
        return 0.0;

    // An exponent counts only when at least one digit follows it.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        const qsizetype mark = i;
        const qsizetype kept = number.size();
        number += u'e';
        ++i;
        skipBlanks();
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            number += text[i++];
        if (takeDigits() == 0) {
            number.truncate(kept);
            i = mark;
        }
    }

    // The collected text is well formed; only an exponent beyond the range of a double fails,
    // and then the conversion gives +-infinity, which is the value meant.
    return QLocale::c().toDouble(number);
}

std::optional<double> strictNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    for (const QLocale& locale : {QLocale::system(), c}) {
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok && std::isfinite(value))
            return value;
        if (!ok && std::isinf(value))
            throw Failure(Failure::Overflow);
    }
    return std::nullopt;
}

bool isNumber(const QString& text) {
    try {
        return strictNumber(text).has_value();
    } catch (const Failure&) {
        return true; // a number, only too large
    }
}

qint64 roundToRange(double value, qint64 min, qint64 max) {
    const double r = std::nearbyint(value); // the default rounding mode: halves to even
    if (!(r >= static_cast<double>(min) && r <= static_cast<double>(max)))
        throw Failure(Failure::Overflow);
    return static_cast<qint64>(r);
}

namespace {

qint64 strictInteger(const QString& text, qint64 min, qint64 max) {
    const std::optional<double> value = strictNumber(text);
    if (!value)
        throw Failure(Failure::TypeMismatch);
    return roundToRange(*value, min, max);
}

} // namespace

qint32 strictInt32(const QString& text) {
    return static_cast<qint32>(strictInteger(text, std::numeric_limits<qint32>::min(),
                                             std::numeric_limits<qint32>::max()));
}

qint16 strictInt16(const QString& text) {
    return static_cast<qint16>(strictInteger(text, std::numeric_limits<qint16>::min(),
                                             std::numeric_limits<qint16>::max()));
}

quint8 makeByte(double value) {
    return static_cast<quint8>(roundToRange(value, 0, 255));
}
