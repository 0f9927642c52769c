#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "app/toolkit.h"
#include "form_fixture.h"
#include "lang/language_table.h"
#include "lang/text_decoding.h"

// The file's entries, one "key|first|second" text each, for comparing whole tables.
static QStringList entries(const LanguageTable& table) {
    QStringList out;
    for (const LangItem& item : table.items())
        out << item.key + QLatin1Char('|') + item.firstText + QLatin1Char('|') + item.secondText;
    return out;
}

// Writes bytes to a file of the test's own and loads it.
static bool loadBytes(LanguageTable& table, const QByteArray& bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lang.txt"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    f.close();
    return table.loadFile(path);
}

// Every key the program uses, and only those.
static const QStringList ProgramKeys = {
    // Window title, menus and buttons.
    "lang_appname", "lang_MenuFile", "lang_MenuSearch", "lang_MenuAbout", "lang_english",
    "lang_MenuLoadIni", "lang_MenuSaveIni", "lang_MenuExit", "lang_MenuLanSearch",
    "lang_MenuComSearch", "lang_Command_search", "lang_Command_read", "lang_Command_set",
    "lang_Command_default", "lang_Command_saveset", "lang_Command_netset", "lang_Command_reset",
    "lang_Command_search_t", "lang_Command_read_t", "lang_Command_set_t", "lang_Command_default_t",
    "lang_Command_saveset_t", "lang_Command_netset_t", "lang_Command_reset_t", "Text_resettime_t",
    // Fields and help labels.
    "lang_Textsets_tip", "lang_qnetopra", "lang_qbaseopra", "lang_qcomopra", "lang_qcportopra",
    "lang_workmode", "lang_moduleip", "lang_submask", "lang_gateway", "lang_bandrate",
    "lang_datastop", "lang_modulePort", "lang_destIP", "lang_destPort", "lang_qparameter",
    "lang_qworkmode", "lang_qmoduleip", "lang_qsubmask", "lang_qgateway", "lang_qbandrate",
    "lang_qdatastop", "lang_qmodulePort", "lang_qdestIP", "lang_qdestPort", "lang_qid",
    // Groups and other captions.
    "lang_comReadVer", "lang_expandFunctions", "lang_opera_com_tip", "lang_opera_lan_tip",
    "lang_basecommand", "lang_log", "lang_parameter", "lang_special", "lang_gourl",
    "lang_gourl_tip", "lang_help_tip", "lang_doubleclick", "lang_autoread", "lang_setcom_tip",
    "lang_List1_tip", "lang_List1_AddItem", "lang_help", "lang_idconnect", "lang_iddata",
    "lang_idtexttip",
    // About dialog.
    "lang_abbout_title", "lang_version", "lang_confirm", "lang_lblDescription", "lang_lblContact",
    // Log lines and message boxes.
    "lang_notice", "lang_configStr", "lang_canshu", "lang_operat_tip", "lang_sendSetupCmd",
    "lang_sendReadCmd", "lang_comInvalid", "lang_comInvalid2", "lang_comInuse", "lang_comInuse2",
    "lang_comport_timeout", "lang_receiveAck", "lang_readfromCOMok", "lang_readfromCOMerror",
    "lang_comTryAgain", "lang_sumError", "lang_commError", "lang_receiveUnkown",
    "lang_unkonwn_error", "lang_search_lan", "lang_searchPortInuse", "lang_didnotSearch",
    "lang_didnotSearch2", "lang_search_result", "lang_search_result2", "lang_infor_updated",
    "lang_search_reset", "lang_error_10048", "lang_SearchChooseFirst", "lang_setupSuccess",
    "lang_setupSuccess2", "lang_newSearchLater", "lang_help_click", "lang_website"};

class TestLanguageTable : public QObject {
    Q_OBJECT
private slots:
    void lineRules_data();
    void lineRules();
    void encodings_data();
    void encodings();
    void unreadableFile();
    void lookup_data();
    void lookup();
    void manyLines();
    void localeIdentifiers_data();
    void localeIdentifiers();
    void localeChoice_data();
    void localeChoice();
    void languageSwitch_data();
    void languageSwitch();
    void shippedFileHasEveryKey();
    void shippedFileFormat();
    void shippedTexts();
    void shippedChineseMatchesBuiltInCaptions();
};

void TestLanguageTable::lineRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("three parts") << "k|one|two" << QStringList{"k|one|two"};
    QTest::newRow("parts after the third ignored") << "k|one|two|three" << QStringList{"k|one|two"};
    QTest::newRow("second text missing") << "k|one" << QStringList{"k|one|"};
    QTest::newRow("no bar: key with two empty texts") << "k" << QStringList{"k||"};
    QTest::newRow("empty first text") << "k||two" << QStringList{"k||two"};
    QTest::newRow("nothing trimmed") << " k | one | two " << QStringList{" k | one | two "};
    QTest::newRow("empty lines skipped") << "\n\na|1|2\n\n\nb|3|4\n"
                                         << QStringList{"a|1|2", "b|3|4"};
    QTest::newRow("semicolon comment") << ";a|1|2\nb|3|4" << QStringList{"b|3|4"};
    QTest::newRow("apostrophe comment") << "'a|1|2\nb|3|4" << QStringList{"b|3|4"};
    QTest::newRow("blank before ; is data") << "  ;a|1|2" << QStringList{"  ;a|1|2"};
    QTest::newRow("comment sign later in the line") << "a;|1'|2" << QStringList{"a;|1'|2"};
    QTest::newRow("/// becomes CR LF")
        << "k|one///two|x///y///" << QStringList{"k|one\r\ntwo|x\r\ny\r\n"};
    QTest::newRow("//// leaves one slash") << "k|a////b|" << QStringList{"k|a\r\n/b|"};
    QTest::newRow("duplicates kept in order") << "k|1|2\nk|3|4" << QStringList{"k|1|2", "k|3|4"};
    QTest::newRow("CR LF line ends") << "a|1|2\r\nb|3|4\r\n" << QStringList{"a|1|2", "b|3|4"};
    QTest::newRow("CR LF empty line") << "a|1|2\r\n\r\nb|3|4" << QStringList{"a|1|2", "b|3|4"};
    QTest::newRow("last line without end") << "a|1|2\nb|3|4" << QStringList{"a|1|2", "b|3|4"};
    QTest::newRow("empty file") << "" << QStringList{};
    QTest::newRow("comments only") << "; a\r\n' b\r\n" << QStringList{};
}

void TestLanguageTable::lineRules() {
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    LanguageTable table;
    table.parse(text);
    QCOMPARE(entries(table), expected);
}

void TestLanguageTable::encodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QString text =
        QStringLiteral("; 注释\r\nlang_a|中文文本|English\r\nlang_b|参数区|Parameters\r\n");
    const QStringList expected{QStringLiteral("lang_a|中文文本|English"),
                               QStringLiteral("lang_b|参数区|Parameters")};
    QTest::newRow("UTF-8") << text.toUtf8();
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    QTest::newRow("UTF-8, LF") << QString(text).remove(QLatin1Char('\r')).toUtf8();
    QTest::newRow("GB18030") << encodeGb18030(text);
    QTest::newRow("GB18030, LF") << encodeGb18030(QString(text).remove(QLatin1Char('\r')));
    // The GB18030 bytes really are not UTF-8, so the fallback is what the case tests.
    QVERIFY(QString::fromUtf8(encodeGb18030(text)) != text);
}

void TestLanguageTable::encodings() {
    QFETCH(QByteArray, bytes);
    LanguageTable table;
    QVERIFY(loadBytes(table, bytes));
    QCOMPARE(entries(table), (QStringList{QStringLiteral("lang_a|中文文本|English"),
                                          QStringLiteral("lang_b|参数区|Parameters")}));
}

void TestLanguageTable::unreadableFile() {
    QTemporaryDir dir;
    LanguageTable table;
    QVERIFY(!table.loadFile(dir.filePath(QStringLiteral("lang.txt"))));
    // A folder with the file's name exists but cannot be read as a file.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("lang.txt")));
    QVERIFY(!table.loadFile(dir.filePath(QStringLiteral("lang.txt"))));
    QVERIFY(table.items().isEmpty());
}

void TestLanguageTable::lookup_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("langSel");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString file = QStringLiteral("k|one|two\n"
                                        "k|three|four\n"
                                        "half|only first\n"
                                        "bare\n"
                                        " spaced|s1|s2\n"
                                        "Case|c1|c2\n"
                                        "multi|a///b|c///d\n");
    QTest::newRow("language 1") << file << 1 << "k"
                                << "one";
    QTest::newRow("language 2") << file << 2 << "k"
                                << "two";
    QTest::newRow("first duplicate wins, 1") << file << 1 << "k"
                                             << "one";
    QTest::newRow("first duplicate wins, 2") << file << 2 << "k"
                                             << "two";
    QTest::newRow("one text, language 1") << file << 1 << "half"
                                          << "only first";
    QTest::newRow("one text, language 2 is empty") << file << 2 << "half"
                                                   << "";
    QTest::newRow("no bar: empty text") << file << 1 << "bare"
                                        << "";
    QTest::newRow("missing key returns the key") << file << 1 << "lang_none"
                                                 << "lang_none";
    QTest::newRow("leading blank belongs to the key") << file << 1 << "spaced"
                                                      << "spaced";
    QTest::newRow("key with its blank found") << file << 2 << " spaced"
                                              << "s2";
    QTest::newRow("case-sensitive") << file << 1 << "case"
                                    << "case";
    QTest::newRow("exact case found") << file << 1 << "Case"
                                      << "c1";
    QTest::newRow("no prefix match") << file << 1 << "Cas"
                                     << "Cas";
    QTest::newRow("line break in text") << file << 2 << "multi"
                                        << "c\r\nd";
    QTest::newRow("LangSel 5: defined key empty") << file << 5 << "k"
                                                  << "";
    QTest::newRow("LangSel 5: missing key itself") << file << 5 << "nokey"
                                                   << "nokey";
    QTest::newRow("LangSel 0: defined key empty") << file << 0 << "k"
                                                  << "";
    QTest::newRow("empty table returns the key") << QString() << 1 << "lang_appname"
                                                 << "lang_appname";
}

void TestLanguageTable::lookup() {
    QFETCH(QString, file);
    QFETCH(int, langSel);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    LanguageTable table;
    table.parse(file);
    table.LangSel = quint8(langSel);
    QCOMPARE(table.getLangText(key), expected);
}

void TestLanguageTable::manyLines() {
    // More entries than a 16-bit index holds: every line is kept, lookups still work.
    QByteArray bytes = "dup|first|first2\r\n";
    for (int i = 0; i < 40000; ++i)
        bytes += "k" + QByteArray::number(i) + "|a" + QByteArray::number(i) + "|b" +
                 QByteArray::number(i) + "\r\n";
    bytes += "dup|second|second2\r\n";
    LanguageTable table;
    QVERIFY(loadBytes(table, bytes));
    QCOMPARE(table.items().size(), 40002);
    table.LangSel = 2;
    QCOMPARE(table.getLangText(QStringLiteral("k0")), QStringLiteral("b0"));
    QCOMPARE(table.getLangText(QStringLiteral("k39999")), QStringLiteral("b39999"));
    QCOMPARE(table.getLangText(QStringLiteral("dup")), QStringLiteral("first2"));
    QCOMPARE(table.getLangText(QStringLiteral("k40000")), QStringLiteral("k40000"));
}

void TestLanguageTable::localeIdentifiers_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("localeId");
    QTest::newRow("zh_CN") << "zh_CN" << 2052;
    QTest::newRow("zh_TW") << "zh_TW" << 1028;
    QTest::newRow("zh_HK") << "zh_HK" << 3076;
    QTest::newRow("en_US") << "en_US" << 1033;
    QTest::newRow("en_GB") << "en_GB" << 2057;
    QTest::newRow("de_DE") << "de_DE" << 1031;
    QTest::newRow("sw_KE, not in the table") << "sw_KE" << 0;
    QTest::newRow("C") << "C" << 0;
}

// The system locale as the number the language choice reads.
void TestLanguageTable::localeIdentifiers() {
    QFETCH(QString, locale);
    QFETCH(int, localeId);
    QCOMPARE(localeIdentifier(QLocale(locale)), localeId);
}

void TestLanguageTable::localeChoice_data() {
    QTest::addColumn<int>("localeId");
    QTest::addColumn<int>("langSel");
    QTest::newRow("2052 Chinese (PRC)") << 2052 << 1;
    QTest::newRow("1028 Chinese (Taiwan)") << 1028 << 2;
    QTest::newRow("3076 Chinese (Hong Kong)") << 3076 << 2;
    QTest::newRow("1033 English (US)") << 1033 << 2;
    QTest::newRow("0 unknown") << 0 << 2;
}

void TestLanguageTable::localeChoice() {
    QFETCH(int, localeId);
    QFETCH(int, langSel);
    LanguageTable table;
    table.LangSel = 7;
    table.setLangByLocale(localeId);
    QCOMPARE(int(table.LangSel), langSel);

    // The same choice at start-up, with the shipped file and no setting.ini.
    FormFixture fx;
    fx.locale.id = localeId;
    QVERIFY(fx.load());
    QCOMPARE(int(fx.form->lang().LangSel), langSel);
}

void TestLanguageTable::languageSwitch_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("1 to 2") << 1 << 2;
    QTest::newRow("2 to 1") << 2 << 1;
    QTest::newRow("5 stays") << 5 << 5;
    QTest::newRow("0 stays") << 0 << 0;
}

void TestLanguageTable::languageSwitch() {
    QFETCH(int, before);
    QFETCH(int, after);
    LanguageTable table;
    table.LangSel = quint8(before);
    table.switchLanguage();
    QCOMPARE(int(table.LangSel), after);
}

// The shipped lang.txt, as the program reads it.
static LanguageTable shippedTable() {
    LanguageTable table;
    table.loadFile(QDir(dataDir()).filePath(QStringLiteral("lang.txt")));
    return table;
}

void TestLanguageTable::shippedFileHasEveryKey() {
    QCOMPARE(ProgramKeys.size(), 109);
    QCOMPARE(QSet<QString>(ProgramKeys.begin(), ProgramKeys.end()).size(), 109);

    const LanguageTable table = shippedTable();
    QStringList keys;
    for (const LangItem& item : table.items()) {
        keys << item.key;
        QVERIFY2(!item.firstText.trimmed().isEmpty(), qPrintable(item.key));
        QVERIFY2(!item.secondText.trimmed().isEmpty(), qPrintable(item.key));
    }
    QStringList missing;
    for (const QString& key : ProgramKeys)
        if (!keys.contains(key))
            missing << key;
    QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(' ')));
    QStringList extra;
    for (const QString& key : keys)
        if (!ProgramKeys.contains(key) || keys.count(key) > 1)
            extra << key;
    QVERIFY2(extra.isEmpty(), qPrintable("unused or repeated: " + extra.join(' ')));
}

void TestLanguageTable::shippedFileFormat() {
    QFile f(QDir(dataDir()).filePath(QStringLiteral("lang.txt")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes); // valid UTF-8
    QVERIFY(bytes.startsWith(';'));                     // a comment header
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n")); // CR LF only
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        QVERIFY2(line.count('|') == 2, line.constData()); // exactly three parts
        QVERIFY2(!line.startsWith(' '), line.constData());
    }
}

void TestLanguageTable::shippedTexts() {
    LanguageTable table = shippedTable();
    auto text = [&](int sel, const char* key) {
        table.LangSel = quint8(sel);
        return table.getLangText(QLatin1String(key));
    };
    // The menu item names the language it switches to.
    QCOMPARE(text(1, "lang_english"), QStringLiteral("English(&L)"));
    QCOMPARE(text(2, "lang_english"), QStringLiteral("中文(&L)"));
    QCOMPARE(text(2, "lang_appname"), QStringLiteral("sbconfig"));
    QVERIFY(text(1, "lang_appname").contains(QRegularExpression(QStringLiteral("\\p{Han}"))));
    for (int sel : {1, 2})
        QCOMPARE(text(sel, "lang_website"), QStringLiteral("https://sbconfig.example.org/"));

    // Menus keep an access key in both languages.
    for (const char* key : {"lang_MenuFile", "lang_MenuLoadIni", "lang_MenuSaveIni",
                            "lang_MenuExit", "lang_MenuSearch", "lang_MenuLanSearch",
                            "lang_MenuComSearch", "lang_english", "lang_MenuAbout"})
        for (int sel : {1, 2})
            QVERIFY2(text(sel, key).contains(QRegularExpression(QStringLiteral("&\\w"))), key);

    // Texts that a number, an address, a time or a hex dump follows directly end with a
    // separator, so that the pieces do not run together.
    for (const char* key : {"lang_comInvalid2", "lang_comInuse2", "lang_setupSuccess",
                            "lang_setupSuccess2", "lang_searchPortInuse", "lang_error_10048",
                            "lang_canshu", "lang_configStr", "lang_sumError", "lang_receiveUnkown",
                            "lang_unkonwn_error", "lang_search_result", "lang_version"})
        for (int sel : {1, 2}) {
            const QString t = text(sel, key);
            QVERIFY2(t.endsWith(QLatin1Char(' ')) || t.endsWith(QChar(0xFF1A)), key);
        }
    // Both texts around a number begin with a blank where the number ends a word.
    QVERIFY(text(2, "lang_comInvalid2").startsWith(QLatin1Char(' ')));
    QVERIFY(text(2, "lang_search_result2").startsWith(QLatin1Char(' ')));
    QCOMPARE(text(2, "lang_comInvalid") + "3" + text(2, "lang_comInvalid2") + "12:34:56",
             QStringLiteral("Serial port COM3 cannot be opened (no such port) 12:34:56"));

    // The log pane's help text has several lines; the UDP port conflict is explained.
    for (int sel : {1, 2}) {
        QVERIFY(text(sel, "lang_help").count(QStringLiteral("\r\n")) >= 4);
        QVERIFY(text(sel, "lang_error_10048").contains(QStringLiteral("1500")));
        QVERIFY(text(sel, "lang_searchPortInuse").contains(QStringLiteral("1500")));
    }
}

void TestLanguageTable::shippedChineseMatchesBuiltInCaptions() {
    // Column 1 carries the window's own Chinese captions.
    FormFixture fx;
    Form1& form = fx.create();
    LanguageTable table = shippedTable();
    table.LangSel = 1;
    const struct {
        const char* key;
        const char* control;
    } pairs[] = {
        {"lang_Command_search", "Command_search"},
        {"lang_Command_read", "Command_read"},
        {"lang_Command_set", "Command_set"},
        {"lang_Command_default", "Command_default"},
        {"lang_Command_saveset", "Command_saveset"},
        {"lang_Command_netset", "Command_netset"},
        {"lang_Command_reset", "Command_reset"},
        {"lang_comReadVer", "Command_rv"},
        {"lang_workmode", "Label1(6)"},
        {"lang_moduleip", "Label1(0)"},
        {"lang_submask", "Label1(1)"},
        {"lang_gateway", "Label1(2)"},
        {"lang_bandrate", "Label1(7)"},
        {"lang_datastop", "Label1(10)"},
        {"lang_modulePort", "Label1(3)"},
        {"lang_destIP", "Label1(4)"},
        {"lang_destPort", "Label1(5)"},
        {"lang_setcom_tip", "Label1(9)"},
        {"lang_expandFunctions", "Label6"},
        {"lang_help_tip", "Label3"},
        {"lang_gourl", "gourl"},
        {"lang_doubleclick", "Label5"},
        {"lang_autoread", "Check_autoread"},
        {"lang_idconnect", "Check_flag(0)"},
        {"lang_iddata", "Check_flag(1)"},
        {"lang_parameter", "Frame1"},
        {"lang_log", "Frame2"},
        {"lang_basecommand", "Frame4"},
        {"lang_opera_com_tip", "Frame5"},
        {"lang_opera_lan_tip", "Frame3"},
        {"lang_special", "Frame12"},
        {"lang_MenuFile", "MenuFile"},
        {"lang_MenuLoadIni", "MenuLoadIni"},
        {"lang_MenuSaveIni", "MenuSaveIni"},
        {"lang_MenuExit", "MenuExit"},
        {"lang_MenuSearch", "MenuSearch"},
        {"lang_MenuLanSearch", "MenuLanSearch"},
        {"lang_MenuComSearch", "MenuComSearch"},
        {"lang_english", "MenuLang"},
        {"lang_MenuAbout", "MenuAbout"},
    };
    for (const auto& p : pairs) {
        QObject* control = form.findChild<QObject*>(QLatin1String(p.control));
        QVERIFY2(control, p.control);
        QString builtIn = control->property("text").toString();
        if (builtIn.isEmpty())
            builtIn = control->property("title").toString();
        QCOMPARE(table.getLangText(QLatin1String(p.key)), builtIn);
    }
    QCOMPARE(table.getLangText(QStringLiteral("lang_List1_AddItem")),
             form.ui().List1->item(0)->text());
}

QTEST_MAIN(TestLanguageTable)
#include "test_language_table.moc"
