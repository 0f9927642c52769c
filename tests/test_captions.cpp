#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/controls.h"
#include "app/operation_log.h"
#include "form_fixture.h"
#include "lang/captions.h"

namespace {

// Every bound control with the property that follows the language and its key.
struct Binding {
    const char* object;
    const char* property;
    const char* key;
};

const Binding Bindings[] = {
    {"MenuFile", "title", "lang_MenuFile"},
    {"MenuSearch", "title", "lang_MenuSearch"},
    {"MenuAbout", "text", "lang_MenuAbout"},
    {"MenuLang", "text", "lang_english"},
    {"MenuLoadIni", "text", "lang_MenuLoadIni"},
    {"MenuSaveIni", "text", "lang_MenuSaveIni"},
    {"MenuExit", "text", "lang_MenuExit"},
    {"MenuLanSearch", "text", "lang_MenuLanSearch"},
    {"MenuComSearch", "text", "lang_MenuComSearch"},
    {"Command_search", "text", "lang_Command_search"},
    {"Command_read", "text", "lang_Command_read"},
    {"Command_set", "text", "lang_Command_set"},
    {"Command_default", "text", "lang_Command_default"},
    {"Command_saveset", "text", "lang_Command_saveset"},
    {"Command_netset", "text", "lang_Command_netset"},
    {"Command_reset", "text", "lang_Command_reset"},
    {"Command_search", "toolTip", "lang_Command_search_t"},
    {"Command_read", "toolTip", "lang_Command_read_t"},
    {"Command_set", "toolTip", "lang_Command_set_t"},
    {"Command_default", "toolTip", "lang_Command_default_t"},
    {"Command_saveset", "toolTip", "lang_Command_saveset_t"},
    {"Command_netset", "toolTip", "lang_Command_netset_t"},
    {"Command_reset", "toolTip", "lang_Command_reset_t"},
    {"Text_resettime", "toolTip", "Text_resettime_t"},
    {"Textsets(8)", "toolTip", "lang_Textsets_tip"},
    {"Label2(10)", "toolTip", "lang_qnetopra"},
    {"Label2(9)", "toolTip", "lang_qbaseopra"},
    {"Label2(8)", "toolTip", "lang_qcomopra"},
    {"Label2(7)", "toolTip", "lang_qcportopra"},
    {"Label1(6)", "text", "lang_workmode"},
    {"Label1(0)", "text", "lang_moduleip"},
    {"Label1(1)", "text", "lang_submask"},
    {"Label1(2)", "text", "lang_gateway"},
    {"Label1(7)", "text", "lang_bandrate"},
    {"Label1(10)", "text", "lang_datastop"},
    {"Label1(3)", "text", "lang_modulePort"},
    {"Label1(4)", "text", "lang_destIP"},
    {"Label1(5)", "text", "lang_destPort"},
    {"Label2(14)", "toolTip", "lang_qparameter"},
    {"Label2(2)", "toolTip", "lang_qworkmode"},
    {"Label2(13)", "toolTip", "lang_qmoduleip"},
    {"Label2(11)", "toolTip", "lang_qsubmask"},
    {"Label2(1)", "toolTip", "lang_qgateway"},
    {"Label2(12)", "toolTip", "lang_qbandrate"},
    {"Label2(5)", "toolTip", "lang_qdatastop"},
    {"Label2(4)", "toolTip", "lang_qmodulePort"},
    {"Label2(0)", "toolTip", "lang_qdestIP"},
    {"Label2(6)", "toolTip", "lang_qdestPort"},
    {"Label2(15)", "toolTip", "lang_qid"},
    {"Command_rv", "text", "lang_comReadVer"},
    {"Label6", "text", "lang_expandFunctions"},
    {"Frame5", "title", "lang_opera_com_tip"},
    {"Frame3", "title", "lang_opera_lan_tip"},
    {"Frame4", "title", "lang_basecommand"},
    {"Frame2", "title", "lang_log"},
    {"Frame1", "title", "lang_parameter"},
    {"Frame12", "title", "lang_special"},
    {"gourl", "text", "lang_gourl"},
    {"gourl", "toolTip", "lang_gourl_tip"},
    {"Label3", "text", "lang_help_tip"},
    {"Label5", "text", "lang_doubleclick"},
    {"Check_autoread", "text", "lang_autoread"},
    {"Label1(9)", "text", "lang_setcom_tip"},
    {"List1", "toolTip", "lang_List1_tip"},
    {"Check_flag(0)", "text", "lang_idconnect"},
    {"Check_flag(1)", "text", "lang_iddata"},
    {"Text_id", "toolTip", "lang_idtexttip"},
};

// Built-in texts that stay the same in both languages.
const Binding Untouched[] = {
    {"Frame7", "title", "Reset"},
    {"Frame8", "title", "MAC"},
    {"Check_flag(2)", "text", "RS485"},
    {"Check_flag(2)", "toolTip", "RS485 enable"},
    {"Check_flag(0)", "toolTip", "建立连接后发送ID号"},
    {"Label2(14)", "text", "(?)"},
    {"Label_ver", "text", "Ver"},
    {"Command_rv", "toolTip", ""},
};

QString first(const QString& key) {
    return QStringLiteral("中文 ") + key;
}
QString second(const QString& key) {
    return QStringLiteral("English ") + key;
}

// A lang.txt with every key of the window, less the keys left out.
QByteArray langFile(const QStringList& leftOut = {}) {
    QStringList keys{"lang_appname", "lang_List1_AddItem", "lang_help"};
    for (const Binding& b : Bindings)
        keys << QLatin1String(b.key);
    QByteArray file = "; test language file\r\n";
    for (const QString& key : keys)
        if (!leftOut.contains(key))
            file += (key + '|' + first(key) + '|' + second(key) + "\r\n").toUtf8();
    return file;
}

QString propertyText(Form1& form, const Binding& b) {
    QObject* o = form.findChild<QObject*>(QLatin1String(b.object));
    return o ? o->property(b.property).toString() : QStringLiteral("<no %1>").arg(b.object);
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void followLanguage_data();
    void followLanguage();
    void switchReplacesLogAndHeaderRow();
    void missingKeyShowsTheKey();
};

void TestCaptions::followLanguage_data() {
    QTest::addColumn<int>("locale");
    QTest::addColumn<int>("switches");
    QTest::addColumn<bool>("english");
    QTest::newRow("English start") << 1033 << 0 << true;
    QTest::newRow("English start, switched") << 1033 << 1 << false;
    QTest::newRow("Chinese start") << 2052 << 0 << false;
    QTest::newRow("Chinese start, switched twice") << 2052 << 2 << false;
    QTest::newRow("Chinese start, switched") << 2052 << 1 << true;
}

void TestCaptions::followLanguage() {
    QFETCH(int, locale);
    QFETCH(int, switches);
    QFETCH(bool, english);
    FormFixture fx(false);
    fx.writeLang(langFile());
    fx.locale.id = locale;
    QVERIFY(fx.load());
    for (int i = 0; i < switches; ++i)
        fx.form->ui().MenuLang->trigger();
    auto text = [&](const QString& key) { return english ? second(key) : first(key); };

    QCOMPARE(fx.form->windowTitle(), text("lang_appname") + "V4.2.2");
    for (const Binding& b : Bindings)
        QCOMPARE(propertyText(*fx.form, b), text(QLatin1String(b.key)));
    for (const Binding& b : Untouched)
        QCOMPARE(propertyText(*fx.form, b), QString::fromUtf8(b.key));
    QCOMPARE(fx.form->ui().List1->item(0)->text(), text("lang_List1_AddItem"));
    QCOMPARE(fx.form->log().text(), text("lang_help"));
}

void TestCaptions::switchReplacesLogAndHeaderRow() {
    FormFixture fx(false);
    // "///" in a text is a line break.
    fx.writeLang("lang_help|帮助///第二行|Help///second line\r\n"
                 "lang_List1_AddItem|表头|Header\r\n");
    QVERIFY(fx.load());
    auto& ui = fx.form->ui();
    QCOMPARE(fx.form->log().text(), QStringLiteral("Help\r\nsecond line"));
    ui.List1->addItem("192.168.0.7 : 00 01 02 03 04 05");
    fx.form->log().writeLog("a line of the log", 1);
    ui.Text_log->appendPlainText("typed by the user");

    ui.MenuLang->trigger();
    QCOMPARE(fx.form->log().text(), QStringLiteral("帮助\r\n第二行"));
    QCOMPARE(ui.List1->count(), 2);
    QCOMPARE(ui.List1->item(0)->text(), QStringLiteral("表头"));
    QCOMPARE(ui.List1->item(1)->text(), QStringLiteral("192.168.0.7 : 00 01 02 03 04 05"));
    QCOMPARE(fx.form->windowTitle(), QStringLiteral("lang_appnameV4.2.2"));
}

void TestCaptions::missingKeyShowsTheKey() {
    FormFixture fx(false);
    fx.writeLang(langFile({"lang_MenuExit", "lang_qid"}));
    QVERIFY(fx.load());
    QCOMPARE(fx.form->ui().MenuExit->text(), QStringLiteral("lang_MenuExit"));
    QCOMPARE(fx.form->ui().Label2[15]->toolTip(), QStringLiteral("lang_qid"));
    QCOMPARE(fx.form->ui().MenuAbout->text(), second("lang_MenuAbout"));
}

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
