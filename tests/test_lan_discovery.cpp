// The LAN search, the datagram handler, the search window and the device list, driven on the
// real window with a fake socket.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include "config/failure.h"
#include "lan_fixture.h"
#include "link/lan_discovery.h"

namespace {
const QString Module = QStringLiteral("192.168.0.7");
const QString Row = QStringLiteral("192.168.0.7 : 001A2B3C4D5E");
const QString Mac = QStringLiteral("00-1A-2B-3C-4D-5E");
const QString ResultLine = QStringLiteral("\r\nlang_search_result1lang_search_result2");
} // namespace

class TestLanDiscovery : public QObject {
    Q_OBJECT
private slots:
    void datagram_data();
    void datagram();
    void anyLengthIsSafe();
    void threeRepliesShowTheLast();
    void shortReplyShiftsTheRecords();
    void repeatedDatagramIsListedOnce();
    void datagramAfterNetworkSetIsSwallowed();
    void searchStart();
    void searchStartFailure_data();
    void searchStartFailure();
    void searchWindowEnd_data();
    void searchWindowEnd();
    void headerRowStaysUnselected();
};

void TestLanDiscovery::datagram_data() {
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("row");   // empty: ignored
    QTest::addColumn<QString>("label"); // the version label afterwards
    QTest::addColumn<bool>("stored");

    const QByteArray full = deviceReply(35, 0x4C);
    QTest::newRow("own address") << "192.168.0.100" << full << ""
                                 << "Ver" << false;
    QTest::newRow("loopback") << "127.0.0.1" << full << ""
                              << "Ver" << false;
    QTest::newRow("search probe") << Module << LanDiscovery::SearchProbe << ""
                                  << "Ver" << false;
    QTest::newRow("123456 prefix") << Module << QByteArray("123456\x4C") << ""
                                   << "Ver" << false;
    QTest::newRow("empty") << Module << QByteArray() << ""
                           << "Ver" << false;
    QTest::newRow("5 bytes") << Module << deviceReply(5) << ""
                             << "Ver" << false;
    QTest::newRow("6 bytes") << Module << deviceReply(6) << Row << "Ver" << false;
    QTest::newRow("20 bytes") << Module << deviceReply(20, 0x4C) << Row << "Ver4.12" << false;
    QTest::newRow("35 bytes") << Module << full << Row << "Ver4.12" << true;
    QTest::newRow("36 bytes") << Module << deviceReply(36, 0x42) << Row << "Ver4.2" << false;
    QTest::newRow("version 1") << Module << deviceReply(35, 0x01) << Row << "Ver" << true;
    QTest::newRow("version 0xA2") << Module << deviceReply(35, 0xA2) << Row << "Ver:.2" << true;
    QTest::newRow("MAC byte 0 set")
        << Module << deviceReply(35, 0x4C, 0xFF) << Row << "Ver4.12" << true;
}

// One datagram after a search: ignored, or listed with its row, MAC line and result line,
// and stored only when it is 35 bytes long.
void TestLanDiscovery::datagram() {
    QFETCH(QString, sender);
    QFETCH(QByteArray, data);
    QFETCH(QString, row);
    QFETCH(QString, label);
    QFETCH(bool, stored);
    LanFixture f;
    f.ui().Check_autoread->setChecked(false);
    f.lan().searchStart();
    f.fx.udp.deliver(data, sender);

    QCOMPARE(f.ui().Label_ver->text(), label);
    if (row.isEmpty()) {
        QVERIFY(f.deviceRows().isEmpty());
        QCOMPARE(f.macPane(), QString());
        QCOMPARE(f.log(), QStringLiteral("lang_search_lan"));
        QVERIFY(!f.state().FoundAny);
        QCOMPARE(f.state().DevList.size(), 1);
        return;
    }
    QCOMPARE(f.deviceRows(), QStringList{row});
    QCOMPARE(f.ui().List1->currentRow(), 1);
    QCOMPARE(f.macPane(), Mac + "\n");
    QCOMPARE(f.log(), ResultLine);
    QVERIFY(f.state().FoundAny);
    QCOMPARE(f.state().DevList.size(), stored ? 2 : 1);
    if (stored) {
        // Positions 0..29 from reply bytes 5..34, position 30 zero.
        const QByteArray record = f.state().DevList[1];
        QCOMPARE(record, data.mid(5) + QByteArray(1, '\0'));
    }
}

// No length from 0 to the largest UDP payload, nor any content, crashes or over-indexes the
// handler, with and without a reset under way.
void TestLanDiscovery::anyLengthIsSafe() {
    LanFixture f;
    QRandomGenerator random(1500);
    const int lengths[] = {0, 1, 5, 6, 7, 26, 27, 28, 34, 35, 36, 39, 40, 41, 1472, 65507};
    for (bool reset : {false, true}) {
        f.lan().searchStart();
        f.state().ResetMode = reset;
        for (int length : lengths) {
            QByteArray data(length, '\0');
            for (char& c : data)
                c = char(random.bounded(256));
            f.fx.udp.deliver(data, Module);
        }
        QCOMPARE(f.deviceRows().size(), 13);
        QCOMPARE(f.state().DevList.size(), 2);
    }
}

// Three full replies: rows 1 to 3, row 1 selected after each, the count 3, DevList 0 to 3,
// and with auto-read the panel shows the last.
void TestLanDiscovery::threeRepliesShowTheLast() {
    LanFixture f;
    f.lan().searchStart();
    for (quint8 host : {31, 32, 33}) {
        f.fx.udp.deliver(deviceReply(35, 0x42, 0, moduleConfig(host)),
                         QStringLiteral("192.168.0.%1").arg(host));
        QCOMPARE(f.ui().List1->currentRow(), 1);
    }
    QCOMPARE(f.deviceRows().size(), 3);
    QCOMPARE(f.state().DevList.size(), 4);
    QCOMPARE(f.macPane(), Mac + "\n" + Mac + "\n" + Mac + "\n");
    QCOMPARE(f.ui().Textsets[0]->text(), QStringLiteral("192.168.0.33"));
    f.ui().Check_autoread->setChecked(false);
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    QCOMPARE(f.log(), ResultLine); // not replaced by the panel's dump
}

// A 20-byte reply then a 35-byte one: the second module's record is element 1, so row 1
// shows it; row 2 has no element, and double-clicking it does nothing.
void TestLanDiscovery::shortReplyShiftsTheRecords() {
    LanFixture f;
    f.ui().Check_autoread->setChecked(false);
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(20, 0x42, 0, moduleConfig(41)), QStringLiteral("192.168.0.41"));
    f.fx.udp.deliver(deviceReply(35, 0x42, 0, moduleConfig(42)), QStringLiteral("192.168.0.42"));
    QCOMPARE(f.deviceRows().size(), 2);
    QCOMPARE(f.state().DevList.size(), 2);

    f.ui().List1->setCurrentRow(1);
    f.lan().rowDoubleClick();
    QCOMPARE(f.ui().Textsets[0]->text(), QStringLiteral("192.168.0.42"));
    QCOMPARE(f.fx.boxes.shown.size(), 1);
    QCOMPARE(f.fx.boxes.shown[0].style, ShownBox::Information);
    QCOMPARE(f.fx.boxes.shown[0].title, QStringLiteral("lang_notice"));
    QCOMPARE(f.fx.boxes.shown[0].text, QStringLiteral("lang_infor_updated"));

    f.ui().Textsets[0]->setText(QStringLiteral("10.0.0.1"));
    f.ui().List1->setCurrentRow(2);
    f.lan().rowDoubleClick();
    QCOMPARE(f.ui().Textsets[0]->text(), QStringLiteral("10.0.0.1"));
    QCOMPARE(f.fx.boxes.shown.size(), 1);
}

// A module that hears a broadcast on two interfaces answers twice; the repeat is dropped
// until the next search. The same bytes from another module are a reply of their own.
void TestLanDiscovery::repeatedDatagramIsListedOnce() {
    LanFixture f;
    f.lan().searchStart();
    const QByteArray reply = deviceReply(35);
    f.fx.udp.deliver(reply, Module);
    f.fx.udp.deliver(reply, Module);
    f.fx.udp.deliver(reply, QStringLiteral("192.168.0.8"));
    f.fx.udp.deliver(deviceReply(36), Module);
    QCOMPARE(f.deviceRows().size(), 3);
    QCOMPARE(f.state().DevList.size(), 3);
    f.lan().searchStart();
    f.fx.udp.deliver(reply, Module);
    QCOMPARE(f.deviceRows(), QStringList{Row});
}

// The first accepted datagram after a network set is not listed but sets the label; the
// next one is listed.
void TestLanDiscovery::datagramAfterNetworkSetIsSwallowed() {
    LanFixture f;
    f.lan().searchStart();
    f.state().SetPending = true;
    f.fx.udp.deliver(deviceReply(35, 0x4C), Module);
    QVERIFY(!f.state().SetPending);
    QVERIFY(!f.state().FoundAny);
    QVERIFY(f.deviceRows().isEmpty());
    QCOMPARE(f.macPane(), QString());
    QCOMPARE(f.log(), QStringLiteral("lang_search_lan"));
    QCOMPARE(f.state().DevList.size(), 1);
    QCOMPARE(f.ui().Label_ver->text(), QStringLiteral("Ver4.12"));
    f.fx.udp.deliver(deviceReply(35, 0x42), Module);
    QCOMPARE(f.deviceRows(), QStringList{Row});
    QVERIFY(f.state().FoundAny);
}

// Search start: probe after a fresh set-up, the log, the button, the window, the emptied
// list and pane, the flags; the menu item starts a search also while the window runs.
void TestLanDiscovery::searchStart() {
    LanFixture f;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    f.state().SetPending = true;
    f.state().ResetMode = true;
    f.fx.udp.calls.clear();

    f.ui().MenuLanSearch->trigger();
    QCOMPARE(f.fx.udp.calls, (QStringList{"close", "setup", "send"}));
    QCOMPARE(f.fx.udp.sent.last(), QByteArray("1234567890123456789012345678901234567890"));
    QCOMPARE(f.log(), QStringLiteral("lang_search_lan"));
    QVERIFY(!f.ui().Command_search->isEnabled());
    QVERIFY(f.ui().Command_reset->isEnabled());
    QVERIFY(f.ui().Timer2->isActive());
    QCOMPARE(f.ui().List1->count(), 1);
    QCOMPARE(f.ui().List1->item(0)->text(), QStringLiteral("lang_List1_AddItem"));
    QCOMPARE(f.macPane(), QString());
    QCOMPARE(f.state().DevList, QList<QByteArray>{QByteArray(31, '\0')});
    QVERIFY(!f.state().SetPending);
    QVERIFY(!f.state().FoundAny);
    QVERIFY(f.state().ResetMode);
}

void TestLanDiscovery::searchStartFailure_data() {
    QTest::addColumn<int>("setUpFailure");
    QTest::addColumn<int>("sendFailure");
    QTest::addColumn<QString>("box"); // empty: none
    QTest::addColumn<QString>("log");
    QTest::newRow("port held at set-up")
        << 10048 << 0 << "lang_searchPortInuse12:34:56" << ResultLine;
    QTest::newRow("port held at send")
        << 0 << 10048 << "lang_searchPortInuse12:34:56" << ResultLine;
    QTest::newRow("network unreachable")
        << 0 << 10051 << "" << ResultLine + "\r\nlang_unkonwn_error1005112:34:56";
}

// A failed search start keeps the old rows, runs no window, leaves the button enabled and
// clears SetPending and ResetMode; DevList and the MAC pane are already reset.
void TestLanDiscovery::searchStartFailure() {
    QFETCH(int, setUpFailure);
    QFETCH(int, sendFailure);
    QFETCH(QString, box);
    QFETCH(QString, log);
    LanFixture f;
    f.ui().Check_autoread->setChecked(false);
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    f.lan().searchWindowEnd();
    f.state().SetPending = true;
    f.state().ResetMode = true;
    f.fx.udp.setUpFailure = setUpFailure;
    f.fx.udp.sendFailure = sendFailure;

    f.lan().searchStart();
    QCOMPARE(f.fx.boxes.shown.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(f.fx.boxes.shown[0].style, ShownBox::OkCancel);
        QCOMPARE(f.fx.boxes.shown[0].text, box);
    }
    QCOMPARE(f.log(), log);
    QCOMPARE(f.deviceRows(), QStringList{Row});
    QVERIFY(f.ui().Command_search->isEnabled());
    QVERIFY(!f.ui().Timer2->isActive());
    QCOMPARE(f.macPane(), QString());
    QCOMPARE(f.state().DevList.size(), 1);
    QVERIFY(!f.state().SetPending);
    QVERIFY(!f.state().ResetMode);
    QVERIFY(f.state().FoundAny);
}

void TestLanDiscovery::searchWindowEnd_data() {
    QTest::addColumn<bool>("reply");
    QTest::addColumn<QString>("log");
    QTest::newRow("a reply") << true << ResultLine;
    QTest::newRow("no reply") << false
                              << "lang_search_lan\r\n \r\nlang_didnotSearch\r\nlang_didnotSearch2";
}

// The window's end enables both buttons, stops, ends the reset, and says when nothing came.
void TestLanDiscovery::searchWindowEnd() {
    QFETCH(bool, reply);
    QFETCH(QString, log);
    LanFixture f;
    f.ui().Check_autoread->setChecked(false);
    f.lan().searchStart();
    f.ui().Command_reset->setEnabled(false);
    f.state().ResetMode = true;
    if (reply)
        f.fx.udp.deliver(deviceReply(35), Module);
    f.lan().searchWindowEnd();
    QVERIFY(f.ui().Command_search->isEnabled());
    QVERIFY(f.ui().Command_reset->isEnabled());
    QVERIFY(!f.ui().Timer2->isActive());
    QVERIFY(!f.state().ResetMode);
    QCOMPARE(f.log(), log);
    // A late reply is still listed and replaces the no-device lines.
    f.fx.udp.deliver(deviceReply(35, 0x42, 0, moduleConfig(9)), QStringLiteral("192.168.0.9"));
    QCOMPARE(f.log(),
             QStringLiteral("\r\nlang_search_result%1lang_search_result2").arg(reply ? 2 : 1));
}

// Selecting the header row, by mouse or keyboard, leaves no row selected; double-clicking it
// does nothing.
void TestLanDiscovery::headerRowStaysUnselected() {
    LanFixture f;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    f.ui().List1->setCurrentRow(0);
    QVERIFY(f.ui().List1->selectedItems().isEmpty());
    f.lan().rowDoubleClick();
    QVERIFY(f.fx.boxes.shown.isEmpty());
    f.ui().List1->setCurrentRow(1);
    QCOMPARE(f.ui().List1->selectedItems().size(), 1);
}

QTEST_MAIN(TestLanDiscovery)
#include "test_lan_discovery.moc"
