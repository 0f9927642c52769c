#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include "app/controls.h"
#include "form_fixture.h"

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void missingLanguageFile_data();
    void missingLanguageFile();
    void languageFileWithoutEntries();
    void stateAfterLoad();
    void passwordRowAndMacFieldNeverVisible();
    void menuExitEndsAtOnce();
};

void TestStartup::missingLanguageFile_data() {
    QTest::addColumn<bool>("asFolder");
    QTest::newRow("no lang.txt") << false;
    QTest::newRow("lang.txt is a folder") << true;
}

void TestStartup::missingLanguageFile() {
    QFETCH(bool, asFolder);
    FormFixture fx(false);
    if (asFolder)
        QVERIFY(QDir().mkpath(fx.exeFile(QStringLiteral("lang.txt"))));
    Form1& form = fx.create();
    bool shownWhileOpen = true;
    fx.boxes.whileOpen = [&](const ShownBox&) { shownWhileOpen = form.isVisible(); };

    QVERIFY(!form.load());
    QCOMPARE(fx.boxes.shown.size(), 1);
    QCOMPARE(fx.boxes.shown[0].style, ShownBox::Plain);
    QCOMPARE(fx.boxes.shown[0].title, AppName);
    QCOMPARE(fx.boxes.shown[0].text,
             QStringLiteral("lang.txt is not exit,contact the software supplier."));
    QVERIFY(!shownWhileOpen);
    QVERIFY(!form.isVisible());
    // Nothing after the language step ran: no settings file anywhere.
    fx.form.reset();
    for (const QString& dir : {fx.paths.exeDir, fx.paths.configDir})
        QVERIFY(!QFile::exists(QDir(dir).filePath(QStringLiteral("setting.ini"))));
}

void TestStartup::languageFileWithoutEntries() {
    // A file that exists but holds no entry starts the program; every text is its key.
    FormFixture fx(false);
    fx.writeLang("; only a comment\r\n");
    QVERIFY(fx.load());
    QVERIFY(fx.boxes.shown.isEmpty());
    QCOMPARE(fx.form->lang().getLangText(QStringLiteral("lang_MenuExit")),
             QStringLiteral("lang_MenuExit"));
}

void TestStartup::stateAfterLoad() {
    FormFixture fx;
    Form1& form = fx.create();
    form.state().SetPending = true;
    form.state().ResetMode = true;
    form.state().InTray = true;
    form.state().FoundAny = true;
    QVERIFY(form.load());
    QVERIFY(fx.boxes.shown.isEmpty());

    QVERIFY(!form.state().SetPending);
    QVERIFY(!form.state().ResetMode);
    QVERIFY(!form.state().InTray);
    QVERIFY(form.state().FoundAny); // not touched at start-up

    const Form1Controls& ui = form.ui();
    QCOMPARE(ui.Timer1->interval(), 2000);
    QVERIFY(!ui.Timer1->isActive());
    QCOMPARE(ui.Timer2->interval(), 2000);
    QVERIFY(!ui.Timer2->isActive());
    QCOMPARE(ui.Timer3->interval(), 1000);
    QVERIFY(ui.Timer3->isActive());
    QVERIFY(ui.Check_autoread->isChecked());
    QVERIFY(!ui.Text_log->isReadOnly());
}

void TestStartup::passwordRowAndMacFieldNeverVisible() {
    FormFixture fx;
    Form1& form = fx.create();
    QVERIFY(form.load());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const Form1Controls& ui = form.ui();
    for (int size : {0, 1}) {
        if (size == 1) // widened and heightened as far as a user might
            form.resize(1600, 1200);
        QVERIFY(!ui.Textsets[7]->isVisible());
        for (QWidget* w :
             {static_cast<QWidget*>(ui.Label4), static_cast<QWidget*>(ui.Label2[3]),
              static_cast<QWidget*>(ui.Textsets[9]), static_cast<QWidget*>(ui.Textsets[10])})
            QVERIFY2(w->visibleRegion().isEmpty(), qPrintable(w->objectName()));
        QVERIFY(!ui.Textsets[6]->visibleRegion().isEmpty());
    }
    // Hidden, they still hold their texts.
    QCOMPARE(ui.Textsets[9]->text(), QStringLiteral("386072"));
    QCOMPARE(ui.Textsets[7]->text(), QStringLiteral("mac"));
}

void TestStartup::menuExitEndsAtOnce() {
    FormFixture fx;
    Form1& form = fx.create();
    QVERIFY(form.load());
    form.show();
    fx.serial.open = true; // a command awaits its answer
    form.ui().MenuExit->trigger();
    QCOMPARE(fx.app.exits, 1);
    QVERIFY(fx.boxes.shown.isEmpty());
    // Whatever closes or destroys the window afterwards runs nothing of the close path.
    form.close();
    fx.form.reset();
    QVERIFY(!QFile::exists(fx.exeFile(QStringLiteral("setting.ini"))));
    QVERIFY(!QFile::exists(QDir(fx.paths.configDir).filePath(QStringLiteral("setting.ini"))));
    QVERIFY(fx.serial.open);
    QCOMPARE(fx.serial.closes, 0);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
