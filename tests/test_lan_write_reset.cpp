// The network set, the LAN-wide reset, its answers, log.txt and the daily clock, driven on the
// real window with a fake socket.
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "config/config_frame.h"
#include "config/failure.h"
#include "lan_fixture.h"
#include "link/lan_discovery.h"
#include "link/lan_write_reset.h"

namespace {
const QString Module = QStringLiteral("192.168.0.7");
const QString Row = QStringLiteral("192.168.0.7 : 001A2B3C4D5E");
const QByteArray Separator = QByteArray(52, '-') + "\r\n";

QByteArray bytes(const char* hex) {
    return QByteArray::fromHex(hex);
}
} // namespace

class TestLanWriteReset : public QObject {
    Q_OBJECT
private slots:
    void networkSetNeedsARow();
    void networkSet_data();
    void networkSet();
    void networkSetFailure_data();
    void networkSetFailure();
    void resetStart();
    void resetStartFailure_data();
    void resetStartFailure();
    void resetAnswer_data();
    void resetAnswer();
    void resetAnswerStepsRunOnFailure();
    void failedResetStartAnswersTheNextSearch();
    void clock_data();
    void clock();
};

// Without a selected device row only the log pane speaks; nothing is sent.
void TestLanWriteReset::networkSetNeedsARow() {
    LanFixture f;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    f.ui().List1->clearSelection();
    f.fx.udp.calls.clear();
    f.ui().Command_netset->click();
    QCOMPARE(f.log(), QStringLiteral("lang_SearchChooseFirst"));
    QVERIFY(f.fx.udp.calls.isEmpty());
    QVERIFY(!f.state().SetPending);
}

void TestLanWriteReset::networkSet_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("passwordBytes");
    QTest::newRow("six digits") << "386072" << QByteArray("386072");
    QTest::newRow("two characters") << "ab" << bytes("616200000000");
    QTest::newRow("beyond one byte") << QString::fromUtf8("1é€") << bytes("31E900000000");
}

// The set packet for row 192.168.0.7 : 001A2B3C4D5E: byte 0 is 0 whatever the module's own,
// the old password, the panel's configuration bytes; then the success lines, the window,
// and the next datagram swallowed.
void TestLanWriteReset::networkSet() {
    QFETCH(QString, password);
    QFETCH(QByteArray, passwordBytes);
    LanFixture f;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35, 0x42, 0x77), Module);
    f.lan().searchWindowEnd();
    f.ui().Textsets[9]->setText(password);
    f.state().ResetMode = true;
    f.fx.udp.calls.clear();

    f.ui().Command_netset->click();
    QCOMPARE(f.fx.udp.calls, (QStringList{"close", "setup", "send"}));
    QVERIFY(f.log().endsWith(
        "\r\nlang_setupSuccess192.168.0.7lang_setupSuccess212:34:56\r\nlang_newSearchLater"));
    const QByteArray packet = f.fx.udp.sent.last();
    QCOMPARE(packet.size(), 40);
    QCOMPARE(packet.left(6), bytes("001A2B3C4D5E"));
    QCOMPARE(packet.mid(6, 6), passwordBytes);
    const QByteArray frame = f.fx.form->frames().getConfigFrame();
    QCOMPARE(packet.mid(12), frame.mid(2, 28));
    QVERIFY(!f.ui().Command_search->isEnabled());
    QVERIFY(f.ui().Timer2->isActive());
    QVERIFY(f.state().SetPending);
    QVERIFY(!f.state().ResetMode);
    QCOMPARE(f.deviceRows(), QStringList{Row});
    QCOMPARE(f.state().DevList.size(), 2);

    // The module answers with the very reply it gave the search: that answer is swallowed.
    f.fx.udp.deliver(deviceReply(35, 0x42, 0x77), Module);
    QVERIFY(!f.state().SetPending);
    QCOMPARE(f.deviceRows(), QStringList{Row});
}

void TestLanWriteReset::networkSetFailure_data() {
    QTest::addColumn<int>("setUpFailure");
    QTest::addColumn<int>("sendFailure");
    QTest::addColumn<QString>("moduleIp"); // Textsets(0)
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("logEnd");
    QTest::newRow("port held") << 10048 << 0 << "192.168.0.7"
                               << "lang_searchPortInuse12:34:56"
                               << "";
    QTest::newRow("send fails") << 0 << 10051 << "192.168.0.7"
                                << ""
                                << "\r\nlang_unkonwn_error1005112:34:56";
    QTest::newRow("panel value too big") << 0 << 0 << "192.168.0.300"
                                         << ""
                                         << "\r\nlang_unkonwn_error612:34:56";
}

// A network set that sends nothing says so, logs no success and leaves SetPending alone.
void TestLanWriteReset::networkSetFailure() {
    QFETCH(int, setUpFailure);
    QFETCH(int, sendFailure);
    QFETCH(QString, moduleIp);
    QFETCH(QString, box);
    QFETCH(QString, logEnd);
    LanFixture f;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    f.lan().searchWindowEnd();
    f.ui().Textsets[0]->setText(moduleIp);
    f.fx.udp.setUpFailure = setUpFailure;
    f.fx.udp.sendFailure = sendFailure;
    f.fx.udp.sent.clear();

    f.ui().Command_netset->click();
    QVERIFY(f.fx.udp.sent.isEmpty());
    QCOMPARE(f.fx.boxes.shown.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QCOMPARE(f.fx.boxes.shown[0].text, box);
    QVERIFY(!f.log().contains("lang_setupSuccess"));
    if (!logEnd.isEmpty())
        QVERIFY2(f.log().endsWith(logEnd), qPrintable(f.log()));
    QVERIFY(!f.state().SetPending);
    QVERIFY(f.ui().Command_search->isEnabled());
    QVERIFY(!f.ui().Timer2->isActive());
}

// Reset start: DevList reset, the probe, the log pane, the separator in log.txt, the reset
// button off for the window, the list emptied; the MAC pane and the other flags stay.
void TestLanWriteReset::resetStart() {
    LanFixture f;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    f.state().SetPending = true;
    f.fx.udp.calls.clear();

    f.ui().Command_reset->click();
    QCOMPARE(f.fx.udp.calls, (QStringList{"close", "setup", "send"}));
    QCOMPARE(f.fx.udp.sent.last(), QByteArray("123456789012345678901234567890123456789"));
    QCOMPARE(f.log(), QStringLiteral("lang_search_reset"));
    QCOMPARE(f.logTxt(), Separator);
    QVERIFY(!f.ui().Command_reset->isEnabled());
    QVERIFY(!f.ui().Command_search->isEnabled()); // still in the search's window
    QVERIFY(f.ui().Timer2->isActive());
    QVERIFY(f.deviceRows().isEmpty());
    QCOMPARE(f.macPane(), QStringLiteral("00-1A-2B-3C-4D-5E\n"));
    QCOMPARE(f.state().DevList, QList<QByteArray>{QByteArray(31, '\0')});
    QVERIFY(f.state().ResetMode);
    QVERIFY(f.state().SetPending);
    QVERIFY(f.state().FoundAny);
}

void TestLanWriteReset::resetStartFailure_data() {
    QTest::addColumn<int>("setUpFailure");
    QTest::addColumn<bool>("logTxtBlocked");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("logEnd");
    QTest::addColumn<int>("sent");
    QTest::newRow("port held") << 10048 << false << "lang_error_1004812:34:56"
                               << "" << 0;
    QTest::newRow("other socket error") << 10013 << false << ""
                                        << "\r\nlang_unkonwn_error1001312:34:56" << 0;
    // A folder where log.txt should be: the probe has gone out already.
    QTest::newRow("log.txt not writable")
        << 0 << true << ""
        << "lang_search_reset\r\nlang_unkonwn_error7512:34:56" << 1;
}

// A failed reset start keeps ResetMode and the reset DevList; the later steps do not run.
void TestLanWriteReset::resetStartFailure() {
    QFETCH(int, setUpFailure);
    QFETCH(bool, logTxtBlocked);
    QFETCH(QString, box);
    QFETCH(QString, logEnd);
    QFETCH(int, sent);
    LanFixture f;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    f.lan().searchWindowEnd();
    f.fx.udp.sent.clear();
    f.fx.udp.setUpFailure = setUpFailure;
    if (logTxtBlocked)
        QVERIFY(QDir().mkpath(f.lanWrite().logTxtPath()));

    f.lanWrite().resetStart();
    QCOMPARE(f.fx.udp.sent.size(), sent);
    QCOMPARE(f.fx.boxes.shown.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(f.fx.boxes.shown[0].style, ShownBox::OkCancel);
        QCOMPARE(f.fx.boxes.shown[0].text, box);
    }
    if (!logEnd.isEmpty())
        QVERIFY2(f.log().endsWith(logEnd), qPrintable(f.log()));
    QVERIFY(f.state().ResetMode);
    QCOMPARE(f.state().DevList.size(), 1);
    QCOMPARE(f.deviceRows(), QStringList{Row});
    QVERIFY(f.ui().Command_reset->isEnabled());
    QVERIFY(!f.ui().Timer2->isActive());
}

void TestLanWriteReset::resetAnswer_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QByteArray>("packet");
    const QByteArray full = deviceReply(35, 0x4C, 0x77);
    QTest::newRow("35-byte reply")
        << full << "386072"
        << QByteArray(full.left(6) + "386072" + full.mid(7, 20) + "386072" + full.mid(27, 1));
    const QByteArray twenty = deviceReply(20, 0x4C);
    QTest::newRow("20-byte reply") << twenty << "386072"
                                   << QByteArray(twenty.left(6) + "386072" + twenty.mid(7, 13) +
                                                 QByteArray(7, '\0') + "386072" + '\0');
    const QByteArray six = deviceReply(6);
    QTest::newRow("6-byte reply") << six << "386072"
                                  << QByteArray(six + "386072" + QByteArray(20, '\0') + "386072" +
                                                '\0');
    QTest::newRow("two-character old password")
        << full << "12"
        << QByteArray(full.left(6) + bytes("313200000000") + full.mid(7, 20) + "386072" +
                      full.mid(27, 1));
}

// While a reset runs, every accepted datagram is answered by its reset packet after a fresh
// set-up, and leaves its row, the date and the time in log.txt, in order of arrival.
void TestLanWriteReset::resetAnswer() {
    QFETCH(QByteArray, datagram);
    QFETCH(QString, oldPassword);
    QFETCH(QByteArray, packet);
    LanFixture f;
    f.ui().Textsets[9]->setText(oldPassword);
    f.lanWrite().resetStart();
    f.fx.udp.calls.clear();
    f.fx.udp.deliver(datagram, Module);
    f.fx.udp.deliver(deviceReply(35, 0x42, 0, moduleConfig(8)), QStringLiteral("192.168.0.8"));
    QCOMPARE(f.fx.udp.calls, (QStringList{"close", "setup", "send", "close", "setup", "send"}));
    QCOMPARE(f.fx.udp.sent.size(), 3);
    QCOMPARE(f.fx.udp.sent[1].toHex(' '), packet.toHex(' '));
    QCOMPARE(f.logTxt(), Separator + Row.toLatin1() + "  2026-12-11 12:34:56\r\n" +
                             "192.168.0.8 : 001A2B3C4D5E  2026-12-11 12:34:56\r\n");
    QCOMPARE(f.deviceRows().size(), 2);
}

// A swallowed datagram is answered too; a log.txt that cannot be written and a failed
// set-up do not keep the packet back.
void TestLanWriteReset::resetAnswerStepsRunOnFailure() {
    LanFixture f;
    f.lanWrite().resetStart();
    f.state().SetPending = true;
    QVERIFY(QFile::remove(f.lanWrite().logTxtPath()));
    QVERIFY(QDir().mkpath(f.lanWrite().logTxtPath()));
    f.fx.udp.setUpFailure = 10048;
    f.fx.udp.calls.clear();
    f.fx.udp.deliver(deviceReply(35), Module);
    QCOMPARE(f.fx.udp.calls, (QStringList{"close", "setup", "send"}));
    QCOMPARE(f.fx.udp.sent.size(), 2);
    QVERIFY(f.deviceRows().isEmpty());
    QVERIFY(f.fx.boxes.shown.isEmpty());
}

// A reset start whose socket fails: the box, then a later search answers every reply with a
// reset packet until its window ends.
void TestLanWriteReset::failedResetStartAnswersTheNextSearch() {
    LanFixture f;
    f.fx.udp.setUpFailure = 10048;
    f.lanWrite().resetStart();
    QCOMPARE(f.fx.boxes.shown.size(), 1);
    f.fx.udp.setUpFailure = 0;
    f.lan().searchStart();
    f.fx.udp.deliver(deviceReply(35), Module);
    QCOMPARE(f.fx.udp.sent.size(), 2);
    QCOMPARE(f.fx.udp.sent[1].size(), 39);
    f.lan().searchWindowEnd();
    f.fx.udp.deliver(deviceReply(35, 0x42, 0, moduleConfig(8)), QStringLiteral("192.168.0.8"));
    QCOMPARE(f.fx.udp.sent.size(), 2);
    QCOMPARE(f.deviceRows().size(), 2);
}

void TestLanWriteReset::clock_data() {
    QTest::addColumn<QString>("resetTime");
    QTest::addColumn<QList<QDateTime>>("ticks");
    QTest::addColumn<int>("resets");
    const QDate day(2026, 12, 11);
    const auto at = [](QDate d, int h, int m, int s, int ms = 0) {
        return QDateTime(d, QTime(h, m, s, ms));
    };
    QTest::newRow("0:0:0 at midnight")
        << "0:0:0" << QList{at(day, 23, 59, 59), at(day.addDays(1), 0, 0, 0, 20)} << 1;
    QTest::newRow("00:00:00 never") << "00:00:00" << QList{at(day, 0, 0, 0)} << 0;
    QTest::newRow("empty never") << "" << QList{at(day, 0, 0, 0), at(day, 12, 0, 0)} << 0;
    QTest::newRow("last second of the day")
        << "23:59:59" << QList{at(day, 23, 59, 58, 990), at(day, 23, 59, 59, 990)} << 1;
    QTest::newRow("8:5:0") << "8:5:0" << QList{at(day, 8, 5, 0, 500)} << 1;
    QTest::newRow("late tick finds the skipped second")
        << "23:59:59" << QList{at(day, 23, 59, 58, 990), at(day.addDays(1), 0, 0, 0, 10)} << 1;
    QTest::newRow("two ticks in one second")
        << "12:0:2" << QList{at(day, 12, 0, 2, 5), at(day, 12, 0, 2, 995)} << 1;
    QTest::newRow("a week asleep resets once")
        << "12:0:2" << QList{at(day, 11, 0, 0), at(day.addDays(7), 13, 0, 0)} << 1;
    QTest::newRow("every day") << "12:0:2" << QList{at(day, 12, 0, 2), at(day.addDays(1), 12, 0, 2)}
                               << 2;
}

// The daily clock checks every whole second since its previous tick, each once.
void TestLanWriteReset::clock() {
    QFETCH(QString, resetTime);
    QFETCH(QList<QDateTime>, ticks);
    QFETCH(int, resets);
    LanFixture f;
    f.ui().Timer3->stop();
    f.ui().Text_resettime->setText(resetTime);
    for (const QDateTime& t : ticks) {
        f.fx.clock.current = t;
        f.lanWrite().clockTick();
    }
    QCOMPARE(f.fx.udp.sent.count(LanWriteReset::ResetProbe), resets);
    QCOMPARE(f.state().ResetMode, resets > 0);
}

QTEST_MAIN(TestLanWriteReset)
#include "test_lan_write_reset.moc"
