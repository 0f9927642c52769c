#pragma once

#include <QList>
#include <QString>

// One entry of the language table: the key and its text in each language.
struct LangItem {
    QString key;
    QString secondText; // language 2
    QString firstText;  // language 1
};

// The two-language table loaded from lang.txt, and the selected language.
class LanguageTable {
public:
    // LangSel: 1 selects the first text column, 2 the second; other values select nothing.
    quint8 LangSel = 0;

    // Adds the entries of one file's text, line by line.
    void parse(const QString& text);
    // Reads lang.txt; false when it does not exist or cannot be read.
    bool loadFile(const QString& path);

    // LangSel from the system's default locale identifier: 2052 gives 1, anything else 2.
    void setLangByLocale(int localeId);

    // The text of key in the selected language; the key itself when the table lacks it.
    QString getLangText(const QString& key) const;

    // 1 becomes 2, 2 becomes 1, anything else stays.
    void switchLanguage();

    const QList<LangItem>& items() const { return LangTable; }

    static constexpr int MaxEntries = 32768;

private:
    QList<LangItem> LangTable;
};
