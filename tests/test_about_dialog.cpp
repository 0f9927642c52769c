#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "form_fixture.h"
#include "lang/about_dialog.h"
#include "test_files.h"

namespace {

const QByteArray Lang = "lang_abbout_title|关于|About\r\n"
                        "lang_version|版本 |Version \r\n"
                        "lang_appname|配置工具|Config tool\r\n"
                        "lang_confirm|确定|OK\r\n"
                        "lang_lblDescription|说明|Description\r\n"
                        "lang_lblContact|联系|Contact\r\n";

QImage imageOf(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage imageFile(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

QString labelText(QDialog* d, const char* name) {
    return d->findChild<QLabel*>(QLatin1String(name))->text();
}

void processDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx_.reset(); }

    void opensWithoutBlocking();
    void secondOpenKeepsOneDialog();
    void closedDialogIsBuiltAnew_data();
    void closedDialogIsBuiltAnew();
    void logo_data();
    void logo();

private:
    QDialog* open() {
        fx_->form->ui().MenuAbout->trigger();
        return fx_->form->about().dialog();
    }
    std::unique_ptr<FormFixture> fx_;
};

void TestAboutDialog::init() {
    fx_ = std::make_unique<FormFixture>(false);
    fx_->writeLang(Lang);
    QVERIFY(fx_->load());
    fx_->form->showCentred();
}

void TestAboutDialog::opensWithoutBlocking() {
    QDialog* d = open();
    QVERIFY(d);
    QVERIFY(d->isVisible());
    QVERIFY(!d->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(fx_->form->isEnabled());
    QCOMPARE(d->parentWidget(), fx_->form.get());

    QCOMPARE(d->windowTitle(), QStringLiteral("About"));
    QCOMPARE(labelText(d, "lblVersion"), QStringLiteral("Version 4.2.2"));
    QCOMPARE(labelText(d, "lblTitle"), QStringLiteral("Config tool"));
    QCOMPARE(labelText(d, "lblDescription"), QStringLiteral("Description"));
    QCOMPARE(labelText(d, "lblContact"), QStringLiteral("Contact"));
    auto* ok = d->findChild<QPushButton*>("cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());

    // Fixed 6360 x 3240 twips, no minimise or maximise button, the program's icon.
    QCOMPARE(d->size(), QSize(424, 216));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QVERIFY(!(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!d->windowIcon().isNull());
    const QPoint offset = d->frameGeometry().center() - fx_->form->frameGeometry().center();
    // Placed before its frame is known: centred within the frame's margins.
    QVERIFY2(offset.manhattanLength() <= 8, "centred over the main window");
}

void TestAboutDialog::secondOpenKeepsOneDialog() {
    QDialog* d = open();
    QVERIFY(d);
    QCOMPARE(open(), d);
    QVERIFY(d->isVisible());
    QCOMPARE(fx_->form->findChildren<QDialog*>("frmAbout").size(), 1);
}

void TestAboutDialog::closedDialogIsBuiltAnew_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("cmdOK") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void TestAboutDialog::closedDialogIsBuiltAnew() {
    QFETCH(QString, how);
    QPointer<QDialog> d = open();
    QVERIFY(d);
    // A language switch leaves the open dialog in its language.
    fx_->form->ui().MenuLang->trigger();
    QCOMPARE(labelText(d, "lblTitle"), QStringLiteral("Config tool"));

    if (how == "ok")
        d->findChild<QPushButton*>("cmdOK")->click();
    else if (how == "enter")
        QTest::keyClick(d, Qt::Key_Return);
    else if (how == "esc")
        QTest::keyClick(d, Qt::Key_Escape);
    else
        d->close();
    processDeletes();
    QVERIFY(!d);
    QVERIFY(!fx_->form->about().dialog());

    QDialog* again = open();
    QVERIFY(again);
    QCOMPARE(labelText(again, "lblTitle"), QStringLiteral("配置工具"));
    QCOMPARE(again->windowTitle(), QStringLiteral("关于"));
}

void TestAboutDialog::logo_data() {
    QTest::addColumn<QString>("file"); // copied to logo.jpg beside the executable
    QTest::addColumn<bool>("shown");
    QTest::newRow("absent: built-in picture") << "" << false;
    QTest::newRow("present: the file's picture") << "logo.jpg" << true;
    QTest::newRow("unreadable: built-in picture") << "lang.txt" << false;
}

void TestAboutDialog::logo() {
    QFETCH(QString, file);
    QFETCH(bool, shown);
    const QString logo = fx_->exeFile("logo.jpg");
    if (!file.isEmpty())
        QVERIFY(writeFile(logo, fileContent(QDir(dataDir()).filePath(file))));
    QDialog* d = open();
    const QImage picture = imageOf(d->findChild<QLabel*>("ImageLogo"));
    const QImage expected = imageFile(shown ? logo : AboutDialog::BuiltinLogo);
    QVERIFY(!expected.isNull());
    QCOMPARE(picture, expected);
}

QTEST_MAIN(TestAboutDialog)
#include "test_about_dialog.moc"
