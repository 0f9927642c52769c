#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "config/config_frame.h"
#include "config/parameter_panel.h"
#include "failure_of.h"
#include "panel_fixture.h"
#include "typing.h"

namespace {
QString selection(const QComboBox* box) {
    return box->currentIndex() < 0 ? QStringLiteral("-") : box->currentText();
}
QString serialSelection(const Form1Controls& ui) {
    return selection(ui.Combo1) + u'|' + selection(ui.Combo2) + u'|' + selection(ui.Combo3);
}
} // namespace

class TestParameterPanel : public QObject {
    Q_OBJECT
private slots:
    void getcomsetFromSelectors_data();
    void getcomsetFromSelectors();
    void setcomsetSelects_data();
    void setcomsetSelects();
    void comsetRoundTrip();
    void workFlags_data();
    void workFlags();
    void idKeys_data();
    void idKeys();
    void idPaste_data();
    void idPaste();
    void textClamps_data();
    void textClamps();
    void comPortBecomesOneWhenCleared();
    void workModeEnabling_data();
    void workModeEnabling();
    void workModeRuleHoldsOnSameIndex();
    void typingLeavesWorkModeWithoutSelection();
    void loadDefaults_data();
    void loadDefaults();
};

void TestParameterPanel::getcomsetFromSelectors_data() {
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("value"); // -1: no value
    QTest::addColumn<int>("failure");
    QTest::newRow("NONE 8 1") << 0 << 3 << 0 << 3 << 0;
    QTest::newRow("EVEN 7 2") << 2 << 2 << 1 << 0x1E << 0;
    QTest::newRow("SPACE 5 1") << 4 << 0 << 0 << 0x38 << 0;
    QTest::newRow("MARK 6 2") << 3 << 1 << 1 << 0x2D << 0;
    QTest::newRow("no parity") << -1 << 3 << 0 << -1 << 381;
    QTest::newRow("no data bits") << 0 << -1 << 0 << -1 << 381;
    QTest::newRow("no stop bits") << 0 << 3 << -1 << -1 << 381;
}

void TestParameterPanel::getcomsetFromSelectors() {
    QFETCH(int, parity);
    QFETCH(int, dataBits);
    QFETCH(int, stopBits);
    QFETCH(int, value);
    QFETCH(int, failure);
    PanelFixture fx;
    fx.ui().Combo1->setCurrentIndex(parity);
    fx.ui().Combo2->setCurrentIndex(dataBits);
    fx.ui().Combo3->setCurrentIndex(stopBits);
    int got = -1;
    QCOMPARE(failureOf([&] { got = fx.f().panel().getcomset(); }), failure);
    QCOMPARE(got, value);
}

void TestParameterPanel::setcomsetSelects_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("selected"); // starting from "ODD", " 6", " 2"
    QTest::newRow("131: bit 7 ignored") << 131 << "NONE| 8| 1";
    QTest::newRow("0x1E") << 0x1E << "EVEN| 7| 2";
    QTest::newRow("0xFF") << 0xFF << "SPACE| 8| 2";
    QTest::newRow("0x40: bit 6 ignored") << 0x40 << "NONE| 5| 1";
    QTest::newRow("parity code 2") << 0x16 << "ODD| 7| 2";
    QTest::newRow("parity code 4") << 0x20 << "ODD| 5| 1";
    QTest::newRow("parity code 6") << 0x33 << "ODD| 8| 1";
}

void TestParameterPanel::setcomsetSelects() {
    QFETCH(int, value);
    QFETCH(QString, selected);
    PanelFixture fx;
    fx.f().panel().setcomset(0x0D); // ODD, 6, 2
    QCOMPARE(serialSelection(fx.ui()), QStringLiteral("ODD| 6| 2"));
    fx.f().panel().setcomset(value);
    QCOMPARE(serialSelection(fx.ui()), selected);
}

void TestParameterPanel::comsetRoundTrip() {
    PanelFixture fx;
    ParameterPanel& panel = fx.f().panel();
    for (int parity : {0, 1, 3, 5, 7})
        for (int stop : {0, 1})
            for (int data = 0; data < 4; ++data) {
                const int value = parity << 3 | stop << 2 | data;
                panel.setcomset(value);
                QCOMPARE(panel.getcomset(), value);
            }
}

void TestParameterPanel::workFlags_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("checked");
    QTest::newRow("none") << 0x00 << "00000000";
    QTest::newRow("RS485") << 0x04 << "00100000";
    QTest::newRow("all") << 0xFF << "11111111";
    QTest::newRow("connect and rfc2217") << 0x81 << "10000001";
    QTest::newRow("alternate") << 0x5A << "01011010";
}

void TestParameterPanel::workFlags() {
    QFETCH(int, flag);
    QFETCH(QString, checked);
    PanelFixture fx;
    fx.f().panel().setWorkFlag(static_cast<quint8>(~flag)); // every box the other way first
    fx.f().panel().setWorkFlag(static_cast<quint8>(flag));
    QString boxes;
    for (QCheckBox* box : fx.ui().Check_flag)
        boxes += box->isChecked() ? u'1' : u'0';
    QCOMPARE(boxes, checked);
    QCOMPARE(int(fx.f().panel().getWorkFlag()), flag);
}

void TestParameterPanel::idKeys_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys"); // typed one by one; "<" is Backspace
    QTest::addColumn<QString>("result");
    QTest::newRow("digits") << ""
                            << "123"
                            << "123";
    QTest::newRow("full stop") << "1"
                               << "."
                               << "1.";
    QTest::newRow("letter") << "12"
                            << "a"
                            << "12";
    QTest::newRow("minus") << "12"
                           << "-"
                           << "12";
    QTest::newRow("blank and plus") << "12"
                                    << " +"
                                    << "12";
    QTest::newRow("backspace") << "123"
                               << "<"
                               << "12";
    QTest::newRow("above 65535") << ""
                                 << "70000"
                                 << "65535";
    QTest::newRow("sixth character") << "1234"
                                     << "56"
                                     << "12345";
}

void TestParameterPanel::idKeys() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, result);
    PanelFixture fx;
    QLineEdit* id = fx.ui().Text_id;
    id->setText(start);
    id->end(false);
    typeKeys(id, keys);
    QCOMPARE(id->text(), result);
}

void TestParameterPanel::idPaste_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("result"); // field "12", all selected
    QTest::addColumn<QString>("clipboardAfter");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "34"
                            << "12"
                            << "34";
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "34"
                                  << "12"
                                  << "34";
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << "xy"
                            << "12"
                            << "xy";
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "xy"
                            << "12"
                            << "xy";
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "xy"
                            << "12"
                            << "xy";
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "xy"
                           << "12"
                           << "xy";
    // The paste of the context menu or middle button goes by the field's paste().
    QTest::newRow("paste digits") << -1 << 0 << "345"
                                  << "345"
                                  << "345";
    QTest::newRow("paste letters") << -1 << 0 << "3a"
                                   << "12"
                                   << "3a";
    QTest::newRow("paste minus") << -1 << 0 << "-5"
                                 << "12"
                                 << "-5";
}

void TestParameterPanel::idPaste() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, clipboard);
    QFETCH(QString, result);
    QFETCH(QString, clipboardAfter);
    PanelFixture fx;
    QLineEdit* id = fx.ui().Text_id;
    id->setText(QStringLiteral("12"));
    id->selectAll();
    QGuiApplication::clipboard()->setText(clipboard);
    if (key < 0)
        id->paste();
    else
        QTest::keyClick(id, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(id->text(), result);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
}

void TestParameterPanel::textClamps_data() {
    QTest::addColumn<int>("field"); // -1: Text_id
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("own port 99999") << 4 << "99999"
                                    << "65535";
    QTest::newRow("own port 65535") << 4 << "65535"
                                    << "65535";
    QTest::newRow("own port 65536") << 4 << "65536"
                                    << "65535";
    QTest::newRow("own port 65535.4") << 4 << "65535.4"
                                      << "65535";
    QTest::newRow("own port leading number") << 4 << "70000 x"
                                             << "65535";
    QTest::newRow("destination port 99999") << 6 << "99999"
                                            << "65535";
    QTest::newRow("destination port text") << 6 << "abc"
                                           << "abc";
    QTest::newRow("baud 99999 stays") << 3 << "99999"
                                      << "99999";
    QTest::newRow("mask stays") << 1 << "99999"
                                << "99999";
    QTest::newRow("ID 70000") << -1 << "70000"
                              << "65535";
    QTest::newRow("ID exponent") << -1 << "1e9"
                                 << "65535";
    QTest::newRow("ID 65535") << -1 << "65535"
                              << "65535";
    QTest::newRow("COM port empty") << 8 << ""
                                    << "1";
    QTest::newRow("COM port letters") << 8 << "COM3"
                                      << "1";
    QTest::newRow("COM port 3") << 8 << "3"
                                << "3";
    QTest::newRow("COM port padded") << 8 << " 4 "
                                     << " 4 ";
}

void TestParameterPanel::textClamps() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, result);
    PanelFixture fx;
    QLineEdit* edit = field < 0 ? fx.ui().Text_id : fx.ui().Textsets[field];
    edit->setText(text);
    QCOMPARE(edit->text(), result);
}

void TestParameterPanel::comPortBecomesOneWhenCleared() {
    PanelFixture fx;
    QLineEdit* com = fx.ui().Textsets[8];
    com->setText(QStringLiteral("7"));
    com->end(false);
    QTest::keyClick(com, Qt::Key_Backspace);
    QCOMPARE(com->text(), QStringLiteral("1"));
}

void TestParameterPanel::workModeEnabling_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("UDP Mode") << 0 << true;
    QTest::newRow("TCP Client") << 1 << true;
    QTest::newRow("UDP Server") << 2 << true;
    QTest::newRow("TCP Server") << 3 << false;
    QTest::newRow("none") << -1 << true;
}

void TestParameterPanel::workModeEnabling() {
    QFETCH(int, index);
    QFETCH(bool, enabled);
    PanelFixture fx;
    Form1Controls& ui = fx.ui();
    // From the opposite state, by the program and then by the user's keyboard.
    fx.f().panel().setWorkModeIndex(enabled ? 3 : 1);
    QCOMPARE(ui.Textsets[5]->isEnabled(), !enabled);
    fx.f().panel().setWorkModeIndex(index);
    QCOMPARE(ui.Textsets[5]->isEnabled(), enabled);
    QCOMPARE(ui.Textsets[6]->isEnabled(), enabled);
    QCOMPARE(fx.f().panel().workModeIndex(), index);
    if (index > 0) {
        fx.f().panel().setWorkModeIndex(enabled ? 3 : 1);
        ui.Combo_workmod->setCurrentIndex(index + 1 > 3 ? index - 1 : index + 1);
        QTest::keyClick(ui.Combo_workmod, index + 1 > 3 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(ui.Combo_workmod->currentIndex(), index);
        QCOMPARE(ui.Textsets[5]->isEnabled(), enabled);
    }
}

void TestParameterPanel::workModeRuleHoldsOnSameIndex() {
    PanelFixture fx;
    ParameterPanel& panel = fx.f().panel();
    panel.setWorkModeIndex(3);
    // Something else enabled the field; selecting the same item again disables it anew.
    fx.ui().Textsets[5]->setEnabled(true);
    panel.setWorkModeIndex(3);
    QVERIFY(!fx.ui().Textsets[5]->isEnabled());
    // The user picking the selected item from the list again (Qt: activated, no index change).
    fx.ui().Textsets[5]->setEnabled(true);
    emit fx.ui().Combo_workmod->activated(3);
    QVERIFY(!fx.ui().Textsets[5]->isEnabled());
    QCOMPARE(failureOf([&] { panel.setWorkModeIndex(4); }), 380);
    QCOMPARE(panel.workModeIndex(), 3);
}

void TestParameterPanel::typingLeavesWorkModeWithoutSelection() {
    PanelFixture fx;
    ParameterPanel& panel = fx.f().panel();
    QComboBox* mode = fx.ui().Combo_workmod;
    panel.setWorkModeIndex(3);
    QTest::keyClicks(mode->lineEdit(), QStringLiteral("x"));
    QCOMPARE(mode->currentIndex(), 3); // Qt keeps it
    QCOMPARE(panel.workModeIndex(), -1);
    QVERIFY(!fx.ui().Textsets[5]->isEnabled()); // no selection event: state stays
    QCOMPARE(failureOf([&] { fx.f().frames().getConfigFrame(); }), 6);
    // Typing an entry's exact text is still no selection.
    mode->lineEdit()->selectAll();
    QTest::keyClicks(mode->lineEdit(), QStringLiteral("TCP Server"));
    QCOMPARE(panel.workModeIndex(), -1);
    // Selecting the very item again restores it.
    panel.setWorkModeIndex(3);
    QCOMPARE(panel.workModeIndex(), 3);
    QCOMPARE(mode->currentText(), QStringLiteral("TCP Server"));
    QCOMPARE(failureOf([&] { fx.f().frames().getConfigFrame(); }), 0);
}

void TestParameterPanel::loadDefaults_data() {
    QTest::addColumn<bool>("menu");
    QTest::newRow("Command_default") << false;
    QTest::newRow("MenuLoadIni") << true;
}

void TestParameterPanel::loadDefaults() {
    QFETCH(bool, menu);
    PanelFixture fx;
    Form1Controls& ui = fx.ui();
    ParameterPanel& panel = fx.f().panel();
    for (int i = 0; i <= 10; ++i)
        ui.Textsets[i]->setText(QString::number(i + 2));
    ui.Text_id->setText(QStringLiteral("99"));
    panel.setWorkModeIndex(3);
    panel.setcomset(0x1E);
    panel.setWorkFlag(0xF0);

    bool unchangedWhileOpen = false;
    fx.boxes.whileOpen = [&](const ShownBox&) {
        unchangedWhileOpen = ui.Textsets[0]->text() == "2" && ui.Text_id->text() == "99" &&
                             panel.workModeIndex() == 3 && panel.getcomset() == 0x1E &&
                             panel.getWorkFlag() == 0xF0;
    };
    if (menu)
        ui.MenuLoadIni->trigger();
    else
        ui.Command_default->click();

    QCOMPARE(fx.boxes.shown.size(), 1);
    QCOMPARE(fx.boxes.shown[0].style, ShownBox::Information);
    QCOMPARE(fx.boxes.shown[0].title, fx.langText("lang_notice"));
    QCOMPARE(fx.boxes.shown[0].text, fx.langText("lang_Command_default_t"));
    QVERIFY(!fx.boxes.shown[0].text.isEmpty());
    QVERIFY(unchangedWhileOpen);

    const QStringList texts = {
        "192.168.0.7", "255.255.255.0", "192.168.0.201", "115200",
        "20108",       "192.168.0.201", "8234",          "00-01-02-03-04-05"};
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(ui.Textsets[i]->text(), texts[i]);
    QCOMPARE(ui.Textsets[8]->text(), QStringLiteral("10")); // COM port kept
    QCOMPARE(ui.Textsets[9]->text(), QStringLiteral("11")); // passwords kept
    QCOMPARE(ui.Textsets[10]->text(), QStringLiteral("12"));
    QCOMPARE(panel.workModeIndex(), 1);
    QVERIFY(ui.Textsets[5]->isEnabled() && ui.Textsets[6]->isEnabled());
    QCOMPARE(serialSelection(ui), QStringLiteral("NONE| 8| 1"));
    QCOMPARE(int(panel.getWorkFlag()), 4);
    QCOMPARE(ui.Text_id->text(), QStringLiteral("0"));
}

QTEST_MAIN(TestParameterPanel)
#include "test_parameter_panel.moc"
