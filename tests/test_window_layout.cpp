#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/controls.h"
#include "form_fixture.h"

// The built-in text of a control, whatever its kind.
static QString builtInText(QWidget* w) {
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* l = qobject_cast<QListWidget*>(w))
        return l->count() ? l->item(0)->text() : QString();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        return e->toPlainText();
    return w->property("text").toString();
}

static Qt::Alignment horizontalAlignment(QWidget* w) {
    const Qt::Alignment a = w->property("alignment").value<Qt::Alignment>();
    return a & Qt::AlignHorizontal_Mask;
}

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void comboItems();
    void menus();
    void windowFlagsAndSize();
    void rightColumnBeyondOpeningWidth();
    void colours();
    void textsFitTheirControls();
};

void TestWindowLayout::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry"); // pixels: twips / 15
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("align"); // horizontal alignment, 0: not checked

    const int L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
    // Groups.
    QTest::newRow("Frame6") << "Frame6"
                            << "client" << QRect(8, 0, 553, 33) << "" << 0;
    QTest::newRow("Frame1") << "Frame1"
                            << "client" << QRect(8, 40, 337, 257) << "参数区" << 0;
    QTest::newRow("Frame2") << "Frame2"
                            << "client" << QRect(8, 304, 337, 225) << "操作日志" << 0;
    QTest::newRow("Frame4") << "Frame4"
                            << "client" << QRect(352, 40, 209, 49) << "基础操作" << 0;
    QTest::newRow("Frame5") << "Frame5"
                            << "client" << QRect(352, 96, 209, 89) << "通过串口操作" << 0;
    QTest::newRow("Frame3") << "Frame3"
                            << "client" << QRect(352, 192, 209, 337) << "通过网络操作" << 0;
    QTest::newRow("Frame10") << "Frame10"
                             << "client" << QRect(568, 0, 233, 33) << "" << 0;
    QTest::newRow("Frame7") << "Frame7"
                            << "client" << QRect(568, 40, 233, 49) << "Reset" << 0;
    QTest::newRow("Frame9") << "Frame9"
                            << "client" << QRect(568, 96, 233, 49) << "Version" << 0;
    QTest::newRow("Frame11") << "Frame11"
                             << "client" << QRect(568, 152, 233, 49) << "ID" << 0;
    QTest::newRow("Frame12") << "Frame12"
                             << "client" << QRect(568, 208, 233, 81) << "特殊功能" << 0;
    QTest::newRow("Frame8") << "Frame8"
                            << "client" << QRect(568, 296, 233, 233) << "MAC" << 0;
    // Hint line.
    QTest::newRow("Label3") << "Label3"
                            << "Frame6" << QRect(80, 13, 361, 17)
                            << "  鼠标悬停有提示；点问号有说明；还不明白再打电话。" << C;
    QTest::newRow("gourl") << "gourl"
                           << "Frame6" << QRect(456, 13, 81, 17) << "检查更新" << R;
    // Parameter panel.
    QTest::newRow("Label2(14)") << "Label2(14)"
                                << "Frame1" << QRect(72, 0, 17, 17) << "(?)" << L;
    QTest::newRow("Label1(6)") << "Label1(6)"
                               << "Frame1" << QRect(40, 19, 89, 13) << "模块工作方式：" << R;
    QTest::newRow("Combo_workmod") << "Combo_workmod"
                                   << "Frame1" << QRect(144, 16, 161, 20) << "工作模式" << 0;
    QTest::newRow("Label1(0)") << "Label1(0)"
                               << "Frame1" << QRect(16, 42, 113, 13) << "本模块IP地址：" << R;
    QTest::newRow("Textsets(0)") << "Textsets(0)"
                                 << "Frame1" << QRect(144, 38, 161, 21) << "192.168.0.7" << L;
    QTest::newRow("Textsets(1)") << "Textsets(1)"
                                 << "Frame1" << QRect(144, 64, 161, 21) << "255.255.255.0" << L;
    QTest::newRow("Label2(1)") << "Label2(1)"
                               << "Frame1" << QRect(312, 93, 17, 17) << "(?)" << L;
    QTest::newRow("Textsets(3)") << "Textsets(3)"
                                 << "Frame1" << QRect(144, 112, 161, 21) << "115200" << L;
    QTest::newRow("Label1(10)") << "Label1(10)"
                                << "Frame1" << QRect(24, 144, 105, 13) << "校验/数据/停止：" << R;
    QTest::newRow("Combo1") << "Combo1"
                            << "Frame1" << QRect(144, 144, 65, 20) << "" << 0;
    QTest::newRow("Combo2") << "Combo2"
                            << "Frame1" << QRect(216, 144, 41, 20) << "" << 0;
    QTest::newRow("Combo3") << "Combo3"
                            << "Frame1" << QRect(264, 144, 41, 20) << "" << 0;
    QTest::newRow("Textsets(4)") << "Textsets(4)"
                                 << "Frame1" << QRect(144, 176, 161, 21) << "20108" << L;
    QTest::newRow("Label1(5)") << "Label1(5)"
                               << "Frame1" << QRect(16, 229, 113, 13) << "连接目标端口：" << R;
    QTest::newRow("Textsets(6)") << "Textsets(6)"
                                 << "Frame1" << QRect(144, 224, 161, 21) << "8234" << L;
    QTest::newRow("Label2(6)") << "Label2(6)"
                               << "Frame1" << QRect(312, 226, 17, 17) << "(?)" << L;
    // The hidden row below the panel's edge.
    QTest::newRow("Label4") << "Label4"
                            << "Frame1" << QRect(56, 292, 41, 17) << "旧密码" << L;
    QTest::newRow("Textsets(9)") << "Textsets(9)"
                                 << "Frame1" << QRect(96, 288, 41, 25) << "386072" << L;
    QTest::newRow("Label2(3)") << "Label2(3)"
                               << "Frame1" << QRect(144, 292, 57, 17) << "(?)新密码" << L;
    QTest::newRow("Textsets(10)") << "Textsets(10)"
                                  << "Frame1" << QRect(200, 288, 41, 25) << "386072" << L;
    QTest::newRow("Textsets(7)") << "Textsets(7)"
                                 << "Frame1" << QRect(256, 288, 41, 21) << "mac" << L;
    // Log.
    QTest::newRow("Text_log") << "Text_log"
                              << "Frame2" << QRect(8, 16, 321, 193) << "" << 0;
    // Operations.
    QTest::newRow("Label2(9)") << "Label2(9)"
                               << "Frame4" << QRect(56, 0, 17, 17) << "(?)" << L;
    QTest::newRow("Command_default") << "Command_default"
                                     << "Frame4" << QRect(8, 16, 89, 25) << "载入默认" << 0;
    QTest::newRow("Command_saveset") << "Command_saveset"
                                     << "Frame4" << QRect(109, 16, 89, 25) << "暂存参数" << 0;
    QTest::newRow("Label1(9)") << "Label1(9)"
                               << "Frame5" << QRect(8, 24, 153, 13) << "设置时使用COM口(数字)："
                               << L;
    QTest::newRow("Textsets(8)") << "Textsets(8)"
                                 << "Frame5" << QRect(152, 16, 16, 24) << "1" << C;
    QTest::newRow("Label2(7)") << "Label2(7)"
                               << "Frame5" << QRect(184, 16, 17, 17) << "(?)" << L;
    QTest::newRow("Command_read") << "Command_read"
                                  << "Frame5" << QRect(9, 48, 89, 25) << "串口读取配置" << 0;
    QTest::newRow("Command_set") << "Command_set"
                                 << "Frame5" << QRect(109, 48, 89, 25) << "通过串口设置" << 0;
    QTest::newRow("Label2(10)") << "Label2(10)"
                                << "Frame3" << QRect(88, 0, 17, 17) << "(?)" << L;
    QTest::newRow("Command_search") << "Command_search"
                                    << "Frame3" << QRect(9, 16, 89, 25) << "通过网络搜索" << 0;
    QTest::newRow("Command_netset") << "Command_netset"
                                    << "Frame3" << QRect(109, 16, 89, 25) << "通过网络设置" << 0;
    QTest::newRow("List1") << "List1"
                           << "Frame3" << QRect(16, 48, 177, 232) << "  模块设备IP : MAC地址" << 0;
    QTest::newRow("Label5") << "Label5"
                            << "Frame3" << QRect(8, 288, 199, 17) << "双击搜索到的设备可以读取配置"
                            << C;
    QTest::newRow("Check_autoread")
        << "Check_autoread"
        << "Frame3" << QRect(24, 304, 169, 25) << "搜索到设备后自动读取配置" << 0;
    // Right column.
    QTest::newRow("Label6") << "Label6"
                            << "Frame10" << QRect(16, 13, 201, 17) << "扩展功能区" << C;
    QTest::newRow("Command_reset") << "Command_reset"
                                   << "Frame7" << QRect(8, 16, 113, 25) << "复位网内所有模块" << 0;
    QTest::newRow("Text_resettime") << "Text_resettime"
                                    << "Frame7" << QRect(136, 16, 81, 25) << "23:59:59" << C;
    QTest::newRow("Command_rv") << "Command_rv"
                                << "Frame9" << QRect(8, 16, 113, 25) << "通过串口读取版本" << 0;
    QTest::newRow("Label_ver") << "Label_ver"
                               << "Frame9" << QRect(136, 16, 81, 25) << "Ver" << C;
    QTest::newRow("Label2(15)") << "Label2(15)"
                                << "Frame11" << QRect(24, 0, 17, 17) << "(?)" << L;
    QTest::newRow("Check_flag(0)") << "Check_flag(0)"
                                   << "Frame11" << QRect(16, 24, 65, 12) << "连接" << 0;
    QTest::newRow("Check_flag(1)") << "Check_flag(1)"
                                   << "Frame11" << QRect(88, 24, 65, 12) << "数据" << 0;
    QTest::newRow("Text_id") << "Text_id"
                             << "Frame11" << QRect(160, 16, 57, 25) << "0" << C;
    QTest::newRow("Check_flag(2)") << "Check_flag(2)"
                                   << "Frame12" << QRect(8, 24, 65, 12) << "RS485" << 0;
    QTest::newRow("Check_flag(4)") << "Check_flag(4)"
                                   << "Frame12" << QRect(120, 24, 65, 12) << "Reset" << 0;
    QTest::newRow("Check_flag(5)") << "Check_flag(5)"
                                   << "Frame12" << QRect(8, 56, 49, 12) << "Link" << 0;
    QTest::newRow("Check_flag(7)") << "Check_flag(7)"
                                   << "Frame12" << QRect(120, 56, 73, 12) << "rfc2217" << 0;
    QTest::newRow("Textmac") << "Textmac"
                             << "Frame8" << QRect(8, 16, 217, 209) << "" << 0;
}

void TestWindowLayout::controls() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, align);
    FormFixture fx;
    Form1& form = fx.create();
    QList<QWidget*> found = form.findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QWidget* w = found.first();
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(builtInText(w), text);
    if (align)
        QCOMPARE(int(horizontalAlignment(w)), align);
}

void TestWindowLayout::comboItems() {
    FormFixture fx;
    const Form1Controls& ui = fx.create().ui();
    auto items = [](QComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i) + QLatin1Char('=') + c->itemData(i).toString();
        return out;
    };
    QVERIFY(ui.Combo_workmod->isEditable());
    QCOMPARE(ui.Combo_workmod->currentIndex(), -1);
    QCOMPARE(ui.Combo_workmod->count(), 4);
    QCOMPARE(ui.Combo_workmod->itemText(3), QStringLiteral("TCP Server"));
    QCOMPARE(items(ui.Combo1), (QStringList{"NONE=0", "ODD=1", "EVEN=3", "MARK=5", "SPACE=7"}));
    QCOMPARE(items(ui.Combo2), (QStringList{" 5=0", " 6=1", " 7=2", " 8=3"}));
    QCOMPARE(items(ui.Combo3), (QStringList{" 1=0", " 2=1"}));
    for (QComboBox* c : {ui.Combo1, ui.Combo2, ui.Combo3}) {
        QVERIFY(!c->isEditable());
        QCOMPARE(c->currentIndex(), -1);
    }
    // The parameter fields use the 12-point field face; the hidden passwords do not.
    QCOMPARE(ui.Textsets[0]->font().pointSize(), 12);
    QCOMPARE(ui.Textsets[8]->font().pointSize(), 12);
    QCOMPARE(ui.Textsets[9]->font().pointSize(), 9);
    QCOMPARE(ui.Text_log->font().pointSize(), 9);
    QCOMPARE(ui.Text_log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(ui.Textmac->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(ui.Check_flag[4]->toolTip(),
             QStringLiteral("When tcp client did not connect to server 30 times, restart module."));
    QCOMPARE(ui.Check_flag[0]->toolTip(), QStringLiteral("建立连接后发送ID号"));
}

void TestWindowLayout::menus() {
    FormFixture fx;
    Form1& form = fx.create();
    QStringList bar;
    for (QAction* a : form.menuBar()->actions())
        bar << a->text();
    QCOMPARE(bar, (QStringList{"文件(&F)", "搜索(&S)", "English(&L)", "关于(&A)"}));
    auto texts = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions())
            out << a->objectName() + QLatin1Char('=') + a->text();
        return out;
    };
    const Form1Controls& ui = form.ui();
    QCOMPARE(texts(ui.MenuFile),
             (QStringList{"MenuLoadIni=载入默认配置(&D)", "MenuSaveIni=保存配置文件(&V)",
                          "MenuExit=退出(&E)"}));
    QCOMPARE(texts(ui.MenuSearch),
             (QStringList{"MenuLanSearch=网络搜索(&L)", "MenuComSearch=串口读取(&C)"}));
    QVERIFY(!ui.MenuLang->menu());
    QVERIFY(!ui.MenuAbout->menu());
}

void TestWindowLayout::windowFlagsAndSize() {
    FormFixture fx;
    Form1& form = fx.create();
    QVERIFY(form.load());
    form.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(form.maximumWidth() > 2000); // the border is sizable
    QCOMPARE(form.centralWidget()->size(), QSize(568, 536));
    QCOMPARE(form.font().pointSize(), 9);
}

void TestWindowLayout::rightColumnBeyondOpeningWidth() {
    FormFixture fx;
    Form1& form = fx.create();
    QVERIFY(form.load());
    form.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const Form1Controls& ui = form.ui();
    const QList<QGroupBox*> right{ui.Frame10, ui.Frame7,  ui.Frame9,
                                  ui.Frame11, ui.Frame12, ui.Frame8};
    for (QGroupBox* g : right) {
        QCOMPARE(g->x(), 568);
        QVERIFY2(g->visibleRegion().isEmpty(), qPrintable(g->objectName()));
    }
    for (QGroupBox* g : {ui.Frame1, ui.Frame2, ui.Frame3, ui.Frame4, ui.Frame5, ui.Frame6})
        QVERIFY(g->geometry().right() < 568);

    form.resize(twips(FullWidthTwips) + 8, form.height());
    for (QGroupBox* g : right)
        QVERIFY2(!g->visibleRegion().isEmpty(), qPrintable(g->objectName()));
}

void TestWindowLayout::colours() {
    FormFixture fx;
    const Form1Controls& ui = fx.create().ui();
    QCOMPARE(ui.Label3->palette().color(QPalette::WindowText), QColor(0, 192, 0));
    QCOMPARE(ui.gourl->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(ui.gourl->cursor().shape(), Qt::WhatsThisCursor);
    QCOMPARE(ui.Text_log->frameShape(), QFrame::NoFrame);
}

void TestWindowLayout::textsFitTheirControls() {
    // In both languages, no caption of a fixed-size control is cut off (the window's own
    // texts and those of the shipped language file).
    FormFixture fx;
    Form1& form = fx.create();
    QVERIFY(form.load());
    form.show();
    QStringList clipped;
    for (int language = 0; language < 2; ++language) {
        if (language == 1)
            form.ui().MenuLang->trigger();
        for (QWidget* w : form.findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->visibleRegion().boundingRect().size().isValid())
                continue;
            const QFontMetrics fm(w->font());
            int need = 0;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) {
                text = l->text();
                need = fm.horizontalAdvance(text);
            } else if (auto* b = qobject_cast<QPushButton*>(w)) {
                text = b->text();
                need = fm.horizontalAdvance(text) + 6;
            } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
                text = c->text();
                need = c->sizeHint().width();
            } else {
                continue;
            }
            if (need > w->width() && !text.contains(QLatin1Char('\n')))
                clipped << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                               .arg(w->objectName(), text)
                               .arg(need)
                               .arg(w->width());
        }
    }
    if (!clipped.isEmpty())
        qWarning().noquote() << clipped.join(QLatin1Char('\n'));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
