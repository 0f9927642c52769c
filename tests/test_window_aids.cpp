#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/controls.h"
#include "app/window_aids.h"
#include "form_fixture.h"

namespace {

const QByteArray Lang = "lang_appname|配置工具|Config tool\r\n"
                        "lang_help_click|点击说明|Click help\r\n"
                        "lang_website|https://zh.example.org/|https://en.example.org/\r\n"
                        "lang_qid|ID 说明|ID help\r\n"
                        "lang_qgateway||\r\n";

} // namespace

class TestWindowAids : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { fx_.reset(); }

    void helpOnClick_data();
    void helpOnClick();
    void everyHelpLabelShowsItsTooltip();
    void updateLinkFollowsLanguage();
    void f1InLogPane_data();
    void f1InLogPane();
    void minimiseHidesToTray();
    void onlyLeftClickRestores_data();
    void onlyLeftClickRestores();
    void noTrayMinimisesNormally();

private:
    Form1& form() { return *fx_->form; }
    Form1Controls& ui() { return fx_->form->ui(); }
    void minimise() { form().setWindowState(Qt::WindowMinimized); }
    std::unique_ptr<FormFixture> fx_;
};

void TestWindowAids::init() {
    fx_ = std::make_unique<FormFixture>(false);
    fx_->writeLang(Lang);
    QVERIFY(fx_->load());
    form().showCentred();
    fx_->boxes.shown.clear();
}

void TestWindowAids::helpOnClick_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("hint line") << "Label3"
                               << "Click help";
    QTest::newRow("help label with a language tooltip") << "Label2(15)"
                                                        << "ID help";
    QTest::newRow("help label with an empty tooltip") << "Label2(1)"
                                                      << "";
    QTest::newRow("hidden password help label")
        << "Label2(3)"
        << "如果新密码与旧密码不同且旧密码正确，将会修改为新密码";
}

void TestWindowAids::helpOnClick() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    auto* l = form().findChild<ClickLabel*>(label);
    QVERIFY(l);
    if (l->isVisible())
        QTest::mouseClick(l, Qt::LeftButton);
    else
        emit l->clicked();
    QCOMPARE(fx_->boxes.shown.size(), 1);
    const ShownBox& box = fx_->boxes.shown[0];
    QCOMPARE(box.style, ShownBox::Information);
    QCOMPARE(box.title, QString());
    QCOMPARE(box.text, text);
}

void TestWindowAids::everyHelpLabelShowsItsTooltip() {
    for (int i = 0; i < int(ui().Label2.size()); ++i) {
        ui().Label2[i]->setToolTip(QStringLiteral("tip %1").arg(i));
        emit ui().Label2[i]->clicked();
        QCOMPARE(fx_->boxes.shown.size(), i + 1);
        QCOMPARE(fx_->boxes.shown.last().text, QStringLiteral("tip %1").arg(i));
    }
    QVERIFY(fx_->urls.opened.isEmpty());
}

void TestWindowAids::updateLinkFollowsLanguage() {
    QTest::mouseClick(ui().gourl, Qt::LeftButton);
    ui().MenuLang->trigger();
    QTest::mouseClick(ui().gourl, Qt::LeftButton);
    QCOMPARE(fx_->urls.opened, QStringList({"https://en.example.org/", "https://zh.example.org/"}));
    QVERIFY(fx_->boxes.shown.isEmpty());
}

void TestWindowAids::f1InLogPane_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("opens");
    QTest::newRow("F1") << "Text_log" << int(Qt::Key_F1) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+F1") << "Text_log" << int(Qt::Key_F1) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Alt+F1") << "Text_log" << int(Qt::Key_F1)
                                 << int(Qt::ControlModifier | Qt::AltModifier) << true;
    QTest::newRow("F2") << "Text_log" << int(Qt::Key_F2) << int(Qt::NoModifier) << false;
    QTest::newRow("F1 in another control")
        << "Textsets(0)" << int(Qt::Key_F1) << int(Qt::NoModifier) << false;
}

void TestWindowAids::f1InLogPane() {
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, opens);
    auto* w = form().findChild<QWidget*>(target);
    QVERIFY(w);
    QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(fx_->urls.opened, opens ? QStringList{WindowAids::HomePage} : QStringList{});
}

void TestWindowAids::minimiseHidesToTray() {
    const QString title = form().windowTitle();
    QCOMPARE(title, QStringLiteral("Config toolV4.2.2"));
    minimise();
    QVERIFY(form().state().InTray);
    QVERIFY(!form().isVisible());
    QVERIFY(fx_->tray.visible);
    QCOMPARE(fx_->tray.shows, 1);
    QCOMPARE(fx_->tray.tip, title);
    QVERIFY(!fx_->tray.icon.isNull());
    QCOMPARE(fx_->tray.icon.cacheKey(), form().windowIcon().cacheKey());

    // Further state changes while hidden add no second icon.
    minimise();
    form().aids().windowStateChanged();
    QCOMPARE(fx_->tray.shows, 1);
}

void TestWindowAids::onlyLeftClickRestores_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << false;
    QTest::newRow("context menu") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << false;
}

void TestWindowAids::onlyLeftClickRestores() {
    QFETCH(int, reason);
    QFETCH(bool, restores);
    minimise();
    QVERIFY(form().state().InTray);
    emit fx_->tray.activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(form().isVisible(), restores);
    QCOMPARE(fx_->tray.visible, !restores);
    QCOMPARE(form().state().InTray, !restores);
    if (restores) {
        QVERIFY(!form().isMinimized());
        // Minimising again hides it again, with a new icon.
        minimise();
        QVERIFY(!form().isVisible());
        QCOMPARE(fx_->tray.shows, 2);
    }
}

void TestWindowAids::noTrayMinimisesNormally() {
    fx_->tray.available = false;
    minimise();
    QVERIFY(form().isMinimized());
    QVERIFY(form().isVisible());
    QVERIFY(!form().state().InTray);
    QCOMPARE(fx_->tray.shows, 0);
}

QTEST_MAIN(TestWindowAids)
#include "test_window_aids.moc"
