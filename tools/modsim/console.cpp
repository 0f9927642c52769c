#include "console.h"

#include <cstdio>

QString optionValue(const QStringList& args, const QString& name, const QString& fallback) {
    const QString prefix = QStringLiteral("--") + name + QLatin1Char('=');
    for (const QString& a : args)
        if (a.startsWith(prefix))
            return a.mid(prefix.size());
    return fallback;
}

void printLine(const QString& tag, const QByteArray& bytes, const QString& extra) {
    QString line = tag;
    if (!extra.isEmpty())
        line += QLatin1Char(' ') + extra;
    if (!bytes.isEmpty())
        line += QLatin1Char(' ') + QString::fromLatin1(bytes.toHex(' ').toUpper());
    printText(line);
}

void printText(const QString& text) {
    std::printf("%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}
