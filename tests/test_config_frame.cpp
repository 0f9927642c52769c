#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRandomGenerator>

#include "app/operation_log.h"
#include "config/config_frame.h"
#include "config/parameter_panel.h"
#include "failure_of.h"
#include "panel_fixture.h"

namespace {

const char* const DefaultFrame =
    "55 BA C9 00 A8 C0 2A 20 07 00 A8 C0 8C 4E C9 00 A8 C0 01 00 C2 01 03 00 00 04 00 FF FF FF BD";

QByteArray hex(const QString& pairs) {
    return QByteArray::fromHex(pairs.toLatin1());
}
QString pairsOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// A 31-byte frame around a payload, with its checksum.
QByteArray frameOf(const QByteArray& payload) {
    QByteArray frame = QByteArray("\x55\xBB", 2) + payload;
    frame.append(static_cast<char>(byteSum(frame, 2, 29)));
    return frame;
}

// Every field of the panel, to see what a call changed.
QStringList panelState(Form1& form) {
    Form1Controls& ui = form.ui();
    QStringList state;
    for (QLineEdit* edit : ui.Textsets)
        state << edit->text() + (edit->isEnabled() ? "" : " (disabled)");
    state << ui.Text_id->text();
    state << QString::number(form.panel().workModeIndex());
    for (QComboBox* box : {ui.Combo1, ui.Combo2, ui.Combo3})
        state << QString::number(box->currentIndex());
    state << QString::number(form.panel().getWorkFlag());
    return state;
}

} // namespace

class TestConfigFrame : public QObject {
    Q_OBJECT
private slots:
    void defaultsBuildTheExampleFrame();
    void buildFailures_data();
    void buildFailures();
    void overlappingWrites_data();
    void overlappingWrites();
    void zeroChecksumIsBuiltAndAccepted();
    void check_data();
    void check();
    void showsEveryField();
    void showDecodes_data();
    void showDecodes();
    void showSkipsMissingBytes_data();
    void showSkipsMissingBytes();
    void roundTrip_data();
    void roundTrip();
};

void TestConfigFrame::defaultsBuildTheExampleFrame() {
    PanelFixture fx;
    fx.f().log().writeLog(QStringLiteral("earlier"), 0);
    const QByteArray frame = fx.f().frames().getConfigFrame();
    QCOMPARE(pairsOf(frame), QString::fromLatin1(DefaultFrame));
    const QString log = fx.f().log().text();
    QCOMPARE(log, "earlier\r\n" + fx.langText("lang_canshu") + DefaultFrame + ' ');
    QVERIFY(log.endsWith(QStringLiteral("BD ")));
}

void TestConfigFrame::buildFailures_data() {
    QTest::addColumn<int>("field"); // -1: Text_id, -2: the parity selector
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("failure");
    QTest::newRow("module IP of three parts") << 0 << "192.168.0" << 9;
    QTest::newRow("gateway octet 300") << 2 << "192.168.0.300" << 6;
    QTest::newRow("mask of three parts") << 1 << "255.255.0" << 9;
    QTest::newRow("destination IP empty") << 5 << "" << 9;
    QTest::newRow("destination port empty") << 6 << "" << 13;
    QTest::newRow("own port letters") << 4 << "abc" << 13;
    QTest::newRow("baud beyond 32 bits") << 3 << "3000000000" << 6;
    QTest::newRow("baud not a number") << 3 << "115200 baud" << 13;
    QTest::newRow("negative ID") << -1 << "-5" << 6;
    QTest::newRow("no parity selected") << -2 << "" << 381;
}

void TestConfigFrame::buildFailures() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, failure);
    PanelFixture fx;
    if (field == -2)
        fx.ui().Combo1->setCurrentIndex(-1);
    else
        (field == -1 ? fx.ui().Text_id : fx.ui().Textsets[field])->setText(text);
    fx.f().log().writeLog(QStringLiteral("before"), 0);
    QCOMPARE(failureOf([&] { fx.f().frames().getConfigFrame(); }), failure);
    QCOMPARE(fx.f().log().text(), QStringLiteral("before"));
}

void TestConfigFrame::overlappingWrites_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("baud 2^24 keeps the format byte") << 3 << "16777216" << 19 << "00 00 00 03";
    QTest::newRow("baud 2^24 + 1") << 3 << "16777217" << 19 << "01 00 00 03";
    QTest::newRow("destination port: module IP follows") << 6 << "65535" << 6 << "FF FF 07 00";
    QTest::newRow("own port: gateway follows") << 4 << "1" << 12 << "01 00 C9 00";
    QTest::newRow("ID rounds half to even") << -1 << "258.5" << 23 << "01 02";
    QTest::newRow("ID leading number") << -1 << "7." << 23 << "00 07";
}

void TestConfigFrame::overlappingWrites() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(QString, bytes);
    PanelFixture fx;
    (field == -1 ? fx.ui().Text_id : fx.ui().Textsets[field])->setText(text);
    const QByteArray frame = fx.f().frames().getConfigFrame();
    QCOMPARE(pairsOf(frame.mid(at, (bytes.size() + 1) / 3)), bytes);
    QCOMPARE(int(quint8(frame[30])), int(byteSum(frame, 2, 29)));
}

void TestConfigFrame::zeroChecksumIsBuiltAndAccepted() {
    PanelFixture fx;
    fx.ui().Text_id->setText(QStringLiteral("67")); // defaults sum to 0xBD; 0xBD + 67 = 256
    const QByteArray frame = fx.f().frames().getConfigFrame();
    QCOMPARE(int(frame[30]), 0);
    QVERIFY(fx.f().frames().showConfig(frame, 1));
}

void TestConfigFrame::check_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("verify");
    QTest::addColumn<bool>("shown");
    const QByteArray good = hex(DefaultFrame);
    QByteArray wrong = good;
    wrong[30] = char(0xBE);
    QTest::newRow("31 bytes") << good << 1 << true;
    QTest::newRow("31 bytes, wrong checksum") << wrong << 1 << false;
    QTest::newRow("31 bytes, wrong checksum, unchecked") << wrong << 0 << true;
    // The 32-byte form: byte 31 is the sum of bytes 2..30.
    QTest::newRow("32 bytes") << wrong + char(0xBD + 0xBE - 256) << 1 << true;
    QTest::newRow("32 bytes, both wrong") << wrong + char(0x00) << 1 << false;
    QTest::newRow("32 bytes, byte 30 right") << good + char(0x00) << 1 << true;
    QTest::newRow("33 bytes, tail ignored") << good + QByteArray("\x01\x02", 2) << 1 << true;
    QTest::newRow("30 bytes") << good.left(30) << 1 << false;
    QTest::newRow("empty") << QByteArray() << 1 << false;
    QTest::newRow("any non-zero flag checks") << wrong << 0x80 << false;
}

void TestConfigFrame::check() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, verify);
    QFETCH(bool, shown);
    PanelFixture fx;
    fx.ui().Textsets[0]->setText(QStringLiteral("10.0.0.1"));
    fx.f().log().writeLog(QStringLiteral("before"), 0);
    const QStringList before = panelState(fx.f());
    QCOMPARE(fx.f().frames().showConfig(bytes, static_cast<quint8>(verify)), shown);
    if (shown) {
        QCOMPARE(fx.ui().Textsets[0]->text(), QStringLiteral("192.168.0.7"));
        QVERIFY(fx.f().log().text().startsWith(QStringLiteral("\r\n")));
    } else {
        QCOMPARE(panelState(fx.f()), before);
        QCOMPARE(fx.f().log().text(), QStringLiteral("before"));
    }
}

void TestConfigFrame::showsEveryField() {
    PanelFixture fx;
    Form1& f = fx.f();
    // Destination 10.1.2.3:4660, module 172.16.0.9:502, gateway 172.16.0.1, TCP Server,
    // 9600 baud EVEN 7 2, ID 4097, flags 0xA5, mask 255.255.0.0.
    const QByteArray payload = hex("03 02 01 0A 34 12 09 00 10 AC F6 01 01 00 10 AC 03 80 25 00 1E "
                                   "10 01 A5 00 00 FF FF");
    f.log().writeLog(QStringLiteral("before"), 0);
    QVERIFY(f.frames().showConfig(frameOf(payload), 1));
    const QStringList texts = {"172.16.0.9", "255.255.0.0", "172.16.0.1", "9600",
                               "502",        "10.1.2.3",    "4660"};
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE(fx.ui().Textsets[i]->text(), texts[i]);
    QCOMPARE(f.panel().workModeIndex(), 3);
    QVERIFY(!fx.ui().Textsets[5]->isEnabled() && !fx.ui().Textsets[6]->isEnabled());
    QCOMPARE(f.panel().getcomset(), 0x1E);
    QCOMPARE(fx.ui().Text_id->text(), QStringLiteral("4097"));
    QCOMPARE(int(f.panel().getWorkFlag()), 0xA5);
    QCOMPARE(f.log().text(), "\r\n" + fx.langText("lang_configStr") + pairsOf(payload) + ' ');
}

void TestConfigFrame::showDecodes_data() {
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("shown"); // the field the bytes decode into
    QTest::newRow("ID FF FF") << 23 << "FF FF"
                              << "id 65535";
    QTest::newRow("ID 80 00") << 23 << "80 00"
                              << "id 32768";
    QTest::newRow("ID 00 07") << 23 << "00 07"
                              << "id 7";
    QTest::newRow("baud 00 C2 01") << 19 << "00 C2 01"
                                   << "3 115200";
    QTest::newRow("baud FF FF FF") << 19 << "FF FF FF"
                                   << "3 16777215";
    QTest::newRow("port FF FF") << 12 << "FF FF"
                                << "4 65535";
    QTest::newRow("mode 7 keeps the selection") << 18 << "07"
                                                << "mode 1";
    QTest::newRow("mode 0") << 18 << "00"
                            << "mode 0";
    QTest::newRow("parity code 2") << 22 << "16"
                                   << "serial 1 2 1";
    QTest::newRow("parity code 4") << 22 << "20"
                                   << "serial 1 0 0";
    QTest::newRow("parity code 6") << 22 << "31"
                                   << "serial 1 1 0";
    QTest::newRow("format bits 6 and 7") << 22 << "C3"
                                         << "serial 0 3 0";
}

void TestConfigFrame::showDecodes() {
    QFETCH(int, at);
    QFETCH(QString, bytes);
    QFETCH(QString, shown);
    PanelFixture fx;
    fx.f().panel().setcomset(0x0D); // ODD, 6, 2: parity codes 2/4/6 must leave ODD
    QByteArray frame = hex(DefaultFrame);
    frame.replace(at, (bytes.size() + 1) / 3, hex(bytes));
    frame[30] = static_cast<char>(byteSum(frame, 2, 29));
    QVERIFY(fx.f().frames().showConfig(frame, 1));

    const Form1Controls& ui = fx.ui();
    const QStringList parts = shown.split(u' ');
    if (parts[0] == "id")
        QCOMPARE(ui.Text_id->text(), parts[1]);
    else if (parts[0] == "mode")
        QCOMPARE(fx.f().panel().workModeIndex(), parts[1].toInt());
    else if (parts[0] == "serial")
        QCOMPARE(QStringList({QString::number(ui.Combo1->currentIndex()),
                              QString::number(ui.Combo2->currentIndex()),
                              QString::number(ui.Combo3->currentIndex())}),
                 parts.mid(1));
    else
        QCOMPARE(ui.Textsets[parts[0].toInt()]->text(), parts[1]);
    // Every other field is filled all the same.
    QCOMPARE(ui.Textsets[0]->text(), QStringLiteral("192.168.0.7"));
    QCOMPARE(ui.Textsets[1]->text(), QStringLiteral("255.255.255.0"));
}

void TestConfigFrame::showSkipsMissingBytes_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("shownTexts"); // Textsets(0..6), unshown ones "x"
    QTest::addColumn<bool>("logReplaced");
    QTest::newRow("no payload") << 2 << QStringList{"x", "x", "x", "x", "x", "x", "x"} << false;
    QTest::newRow("up to the module IP")
        << 12 << QStringList{"192.168.0.7", "x", "x", "x", "x", "192.168.0.201", "8234"} << false;
    QTest::newRow("up to the baud, no mask")
        << 22 << QStringList{"192.168.0.7",   "x",   "192.168.0.201", "115200", "20108",
                             "192.168.0.201", "8234"}
        << false;
    QTest::newRow("payload without checksum")
        << 30 << QStringList{"192.168.0.7", "255.255.255.0", "192.168.0.201", "115200",
                             "20108",       "192.168.0.201", "8234"}
        << true;
}

void TestConfigFrame::showSkipsMissingBytes() {
    QFETCH(int, length);
    QFETCH(QStringList, shownTexts);
    QFETCH(bool, logReplaced);
    PanelFixture fx;
    for (int i = 0; i <= 6; ++i)
        fx.ui().Textsets[i]->setText(QStringLiteral("x"));
    fx.f().log().writeLog(QStringLiteral("before"), 0);
    QVERIFY(fx.f().frames().showConfig(hex(DefaultFrame).left(length), 0));
    for (int i = 0; i <= 6; ++i)
        QCOMPARE(fx.ui().Textsets[i]->text(), shownTexts[i]);
    QCOMPARE(fx.f().log().text() != QStringLiteral("before"), logReplaced);
}

void TestConfigFrame::roundTrip_data() {
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("defaults") << hex(DefaultFrame).mid(2, 28);
    QTest::newRow("all zero") << QByteArray(28, 0);
    QTest::newRow("extremes") << hex(QString("FF ").repeated(16) + "03 FF FF FF 3F " +
                                     QString("FF ").repeated(7));
    // Random payloads with the values the panel can hold: mode 0..3, a serial format with a
    // parity code of the list and bits 6 and 7 clear.
    QRandomGenerator random(2026);
    const int parities[] = {0, 1, 3, 5, 7};
    for (int n = 0; n < 40; ++n) {
        QByteArray payload(28, 0);
        for (char& b : payload)
            b = static_cast<char>(random.bounded(256));
        payload[16] = static_cast<char>(random.bounded(4));
        payload[20] = static_cast<char>(parities[random.bounded(5)] << 3 | random.bounded(8));
        QTest::addRow("random %d", n) << payload;
    }
}

void TestConfigFrame::roundTrip() {
    QFETCH(QByteArray, payload);
    PanelFixture fx;
    QVERIFY(fx.f().frames().showConfig(frameOf(payload), 1));
    const QByteArray built = fx.f().frames().getConfigFrame();
    QCOMPARE(pairsOf(built.mid(2, 28)), pairsOf(payload));
    QCOMPARE(pairsOf(built.left(2)), QStringLiteral("55 BA"));
}

QTEST_MAIN(TestConfigFrame)
#include "test_config_frame.moc"
