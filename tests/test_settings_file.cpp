#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/ini_store.h"
#include "app/settings_file.h"
#include "config/parameter_panel.h"
#include "form_fixture.h"
#include "test_files.h"

namespace {

QString iniPath(FormFixture& fx) {
    return fx.exeFile(QStringLiteral("setting.ini"));
}

QString stored(FormFixture& fx, const char* key) {
    return readini(iniPath(fx), "TCPIP", QLatin1String(key), 260);
}

void loseFocus(QWidget* w, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(w, &out);
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void closeStoresAndStartRestores();
    void exitWritesNothing();
    void restore_data();
    void restore();
    void saveWritesEveryKeyInOrder();
    void saveSkipsValueItCannotObtain();
    void saveCommandShowsNoticeFirst_data();
    void saveCommandShowsNoticeFirst();
    void resetTimeStoredOnlyOnLeavingItsBox();
    void emptiedFieldsComeBackBuiltIn();
    void folder_data();
    void folder();
};

void TestSettingsFile::closeStoresAndStartRestores() {
    FormFixture fx;
    QVERIFY(fx.load());
    auto& ui = fx.form->ui();
    ui.Textsets[0]->setText("10.1.2.3");
    ui.Textsets[10]->setText("654321");
    ui.Text_id->setText("42");
    fx.form->panel().setWorkModeIndex(3);
    fx.form->panel().setcomset(13);
    fx.form->panel().setWorkFlag(0x85);
    ui.MenuLang->trigger(); // English (locale 1033) to Chinese
    QCOMPARE(fx.form->lang().LangSel, quint8(1));
    fx.form->close();

    QVERIFY(fx.load());
    auto& back = fx.form->ui();
    QCOMPARE(back.Textsets[0]->text(), QStringLiteral("10.1.2.3"));
    QCOMPARE(back.Textsets[10]->text(), QStringLiteral("654321"));
    QCOMPARE(back.Text_id->text(), QStringLiteral("42"));
    QCOMPARE(fx.form->panel().workModeIndex(), 3);
    QVERIFY(!back.Textsets[5]->isEnabled()); // the work mode's rule ran
    QCOMPARE(fx.form->panel().getcomset(), 13);
    QCOMPARE(fx.form->panel().getWorkFlag(), quint8(0x85));
    QCOMPARE(fx.form->lang().LangSel, quint8(1));
    QCOMPARE(fx.boxes.shown.size(), 0);
}

void TestSettingsFile::exitWritesNothing() {
    FormFixture fx;
    QVERIFY(fx.load());
    fx.form->close();
    const QByteArray before = fileContent(iniPath(fx));
    QVERIFY(!before.isEmpty());

    QVERIFY(fx.load());
    fx.form->ui().Textsets[0]->setText("10.9.9.9");
    fx.form->ui().MenuExit->trigger();
    fx.form.reset();
    QCOMPARE(fx.app.exits, 1);
    QCOMPARE(fileContent(iniPath(fx)), before);
}

void TestSettingsFile::restore_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("locale");
    QTest::addColumn<QString>("text0");
    QTest::addColumn<int>("langSel");
    QTest::addColumn<int>("workMode");
    QTest::addColumn<int>("comset");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("resetTime");

    // Defaults: built-in text, the locale's language, "TCP Client", 131 (read back as 3),
    // flags 4, ID "0", an empty reset time.
    QTest::newRow("no file") << QByteArray() << 1033 << "192.168.0.7" << 2 << 1 << 3 << 4 << "0"
                             << "";
    QTest::newRow("empty values")
        << QByteArray("[TCPIP]\nLANG=\ntext0=\nresettimes=\nWorkmod=\nComset=\nId=\nWorkFlag=\n")
        << 2052 << "192.168.0.7" << 1 << 1 << 3 << 4 << "0"
        << "";
    QTest::newRow("stored values, cut to their read lengths")
        << QByteArray("[tcpip]\nlang=2\nTEXT0=1234567890123456789012345\n"
                      "resettimes=01:02:03456789012345678\nWorkmod=2\nComset=13\n"
                      "Id=12345678\nWorkFlag=133\n")
        << 2052 << "1234567890123456789" << 2 << 2 << 13 << 133 << "12345"
        << "01:02:0345678901234";
    QTest::newRow("Workmod 7 selects item 1")
        << QByteArray("[TCPIP]\nWorkmod=7\n") << 1033 << "192.168.0.7" << 2 << 1 << 3 << 4 << "0"
        << "";
    QTest::newRow("Workmod 3, Comset leading number")
        << QByteArray("[TCPIP]\nWorkmod=3\nComset= 13x\n") << 1033 << "192.168.0.7" << 2 << 3 << 13
        << 4 << "0"
        << "";
    QTest::newRow("-1 and no numbers restore the defaults")
        << QByteArray("[TCPIP]\nLANG=-1\nWorkmod=-1\nComset=abc\nWorkFlag=x\n") << 2052
        << "192.168.0.7" << 1 << 1 << 3 << 4 << "0"
        << "";
    QTest::newRow("WorkFlag outside a byte")
        << QByteArray("[TCPIP]\nWorkFlag=300\n") << 1033 << "192.168.0.7" << 2 << 1 << 3 << 4 << "0"
        << "";
    QTest::newRow("WorkFlag rounded, halves to even")
        << QByteArray("[TCPIP]\nWorkFlag=6.5\n") << 1033 << "192.168.0.7" << 2 << 1 << 3 << 6 << "0"
        << "";
}

void TestSettingsFile::restore() {
    QFETCH(QByteArray, ini);
    QFETCH(int, locale);
    QFETCH(QString, text0);
    QFETCH(int, langSel);
    QFETCH(int, workMode);
    QFETCH(int, comset);
    QFETCH(int, flags);
    QFETCH(QString, id);
    QFETCH(QString, resetTime);

    FormFixture fx;
    fx.locale.id = locale;
    if (!ini.isEmpty())
        QVERIFY(writeFile(iniPath(fx), ini));
    QVERIFY(fx.load());
    auto& ui = fx.form->ui();
    QCOMPARE(ui.Textsets[0]->text(), text0);
    QCOMPARE(int(fx.form->lang().LangSel), langSel);
    QCOMPARE(fx.form->panel().workModeIndex(), workMode);
    QCOMPARE(ui.Textsets[5]->isEnabled(), workMode != 3);
    QCOMPARE(fx.form->panel().getcomset(), comset);
    QCOMPARE(int(fx.form->panel().getWorkFlag()), flags);
    QCOMPARE(ui.Text_id->text(), id);
    QCOMPARE(ui.Text_resettime->text(), resetTime);
    QCOMPARE(fileContent(iniPath(fx)), ini); // the restore writes nothing
}

void TestSettingsFile::saveWritesEveryKeyInOrder() {
    FormFixture fx;
    QVERIFY(fx.load());
    fx.form->ui().Textsets[3]->setText("9600");
    fx.form->ui().Text_resettime->setText("12:00:00");
    fx.form->settings().saveini();
    QCOMPARE(fileContent(iniPath(fx)),
             QByteArray("[TCPIP]\n"
                        "text0=192.168.0.7\ntext1=255.255.255.0\ntext2=192.168.0.201\n"
                        "text3=9600\ntext4=20108\ntext5=192.168.0.201\ntext6=8234\ntext7=mac\n"
                        "text8=1\ntext9=386072\ntext10=386072\n"
                        "Workmod=1\nComset=3\nLANG=2\nWorkFlag=4\nId=0\n"));
}

void TestSettingsFile::saveSkipsValueItCannotObtain() {
    FormFixture fx;
    QVERIFY(fx.load());
    QVERIFY(writeFile(iniPath(fx), "[TCPIP]\nComset=13\nWorkmod=2\n"));
    fx.form->ui().Combo2->setCurrentIndex(-1);
    fx.form->ui().Combo_workmod->setEditText("typed"); // no selection: stored as -1
    fx.form->ui().Text_id->setText("77");
    fx.form->settings().saveini();
    QCOMPARE(stored(fx, "Comset"), QStringLiteral("13"));
    QCOMPARE(stored(fx, "Workmod"), QStringLiteral("-1"));
    QCOMPARE(stored(fx, "Id"), QStringLiteral("77"));
}

void TestSettingsFile::saveCommandShowsNoticeFirst_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Command_saveset") << false;
    QTest::newRow("MenuSaveIni") << true;
}

void TestSettingsFile::saveCommandShowsNoticeFirst() {
    QFETCH(bool, fromMenu);
    FormFixture fx;
    QVERIFY(fx.load());
    bool writtenBeforeClosed = true;
    fx.boxes.whileOpen = [&](const ShownBox&) { writtenBeforeClosed = QFile::exists(iniPath(fx)); };
    if (fromMenu)
        fx.form->ui().MenuSaveIni->trigger();
    else
        fx.form->ui().Command_saveset->click();
    QVERIFY(!writtenBeforeClosed);
    QCOMPARE(fx.boxes.shown.size(), 1);
    const ShownBox& box = fx.boxes.shown[0];
    QCOMPARE(box.style, ShownBox::Information);
    QCOMPARE(box.title, fx.form->lang().getLangText("lang_notice"));
    QCOMPARE(box.text, fx.form->lang().getLangText("lang_Command_saveset_t"));
    QCOMPARE(stored(fx, "Id"), QStringLiteral("0"));
}

void TestSettingsFile::resetTimeStoredOnlyOnLeavingItsBox() {
    FormFixture fx;
    QVERIFY(fx.load());
    QLineEdit* box = fx.form->ui().Text_resettime;
    box->setText("01:02:03");
    // Another window or a menu takes the focus for a while: the box is not left.
    loseFocus(box, Qt::ActiveWindowFocusReason);
    loseFocus(box, Qt::PopupFocusReason);
    QVERIFY(!QFile::exists(iniPath(fx)));
    loseFocus(box, Qt::MouseFocusReason);
    QCOMPARE(stored(fx, "resettimes"), QStringLiteral("01:02:03"));
    loseFocus(box); // unchanged text: written again, no harm
    QCOMPARE(stored(fx, "resettimes"), QStringLiteral("01:02:03"));

    box->setText("04:05:06");
    fx.form->settings().saveini();
    fx.form->close();
    QCOMPARE(stored(fx, "resettimes"), QStringLiteral("01:02:03"));
    QVERIFY(fx.load());
    QCOMPARE(fx.form->ui().Text_resettime->text(), QStringLiteral("01:02:03"));
}

void TestSettingsFile::emptiedFieldsComeBackBuiltIn() {
    FormFixture fx;
    QVERIFY(fx.load());
    fx.form->ui().Textsets[1]->clear();
    fx.form->ui().Text_id->clear();
    fx.form->close();
    QVERIFY(fileContent(iniPath(fx)).contains("\ntext1=\n"));
    QVERIFY(fileContent(iniPath(fx)).contains("\nId=\n"));
    QVERIFY(fx.load());
    QCOMPARE(fx.form->ui().Textsets[1]->text(), QStringLiteral("255.255.255.0"));
    QCOMPARE(fx.form->ui().Text_id->text(), QStringLiteral("0"));
}

void TestSettingsFile::folder_data() {
    QTest::addColumn<bool>("exeUsable");
    QTest::newRow("beside the executable") << true;
    QTest::newRow("executable's folder unusable: user folder, created") << false;
}

void TestSettingsFile::folder() {
    QFETCH(bool, exeUsable);
    FakeAppPaths paths;
    QVERIFY(QDir(paths.configDir).removeRecursively());
    if (!exeUsable) {
        // Below a regular file no folder can be written, even by root.
        QVERIFY(writeFile(paths.root.filePath("plain"), "x"));
        paths.exeDir = paths.root.filePath("plain/exe");
        paths.configDir = paths.root.filePath("config/sbconfig");
    }
    const QString folder = settingsFolder(paths);
    QCOMPARE(folder, exeUsable ? paths.exeDir : paths.configDir);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QFileInfo::exists(paths.configDir), !exeUsable);
}

QTEST_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
