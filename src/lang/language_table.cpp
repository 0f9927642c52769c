#include "lang/language_table.h"

#include <QFile>

#include "lang/text_decoding.h"

void LanguageTable::parse(const QString& text) {
    // Lines end with CR LF on the other platform and LF here; accept both.
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('\'')))
            continue;
        line.replace(QStringLiteral("///"), QStringLiteral("\r\n"));
        const QStringList parts = line.split(QLatin1Char('|'));
        LangItem item;
        item.key = parts.value(0);
        item.firstText = parts.value(1);
        item.secondText = parts.value(2);
        LangTable.append(item);
    }
}

bool LanguageTable::loadFile(const QString& path) {
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    parse(decodeTextFile(bytes));
    return true;
}

void LanguageTable::setLangByLocale(int localeId) { LangSel = localeId == 2052 ? 1 : 2; }

QString LanguageTable::getLangText(const QString& key) const {
    for (const LangItem& item : LangTable) {
        if (item.key == key) {
            if (LangSel == 1)
                return item.firstText;
            if (LangSel == 2)
                return item.secondText;
            return QString();
        }
    }
    return key;
}

void LanguageTable::switchLanguage() {
    if (LangSel == 1)
        LangSel = 2;
    else if (LangSel == 2)
        LangSel = 1;
}
