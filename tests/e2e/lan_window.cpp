#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "config/config_frame.h"
#include "lan_fixture.h"
#include "link/lan_discovery.h"
#include "link/lan_write_reset.h"
#include "link/udp_endpoint.h"
#include "simulator_process.h"

// The real window, offscreen, with the real UDP adapter, in a network namespace of its own;
// the simulator plays the modules in another namespace at the far end of a veth pair.
// lan_netns.sh makes the namespaces and runs this program in the window's one, naming in
// the environment the simulator's namespace and both ends' addresses.
class TestLanWindow : public QObject {
    Q_OBJECT

    // Declared first: the socket outlives the window that uses it.
    std::unique_ptr<QtUdpEndpoint> udp;
    std::unique_ptr<LanFixture> lan;
    std::unique_ptr<SimulatorProcess> modules;

    QString simNetns = QString::fromLocal8Bit(qgetenv("SBCONFIG_SIM_NETNS"));
    QString simAddress = QString::fromLocal8Bit(qgetenv("SBCONFIG_SIM_ADDRESS"));
    QString windowAddress = QString::fromLocal8Bit(qgetenv("SBCONFIG_WINDOW_ADDRESS"));

    Form1Controls& ui() { return lan->ui(); }

    // The window and, in the other namespace, the simulator run with these options.
    void start(const QStringList& options) {
        modules = std::make_unique<SimulatorProcess>(
            QStringLiteral("ip"),
            QStringList{"netns", "exec", simNetns, SimulatorProcess::modsim()} + options);
        QVERIFY2(modules->firstLine().startsWith("READY"), "the simulator did not start");
        udp = std::make_unique<QtUdpEndpoint>();
        lan = std::make_unique<LanFixture>(udp.get());
    }

    // Waits for the end of the 2000 ms search window that a click started.
    void waitForWindowEnd() {
        QTRY_VERIFY_WITH_TIMEOUT(
            ui().Command_search->isEnabled() && ui().Command_reset->isEnabled(), 4000);
    }

    // The row of module n, whose MAC is the simulator's base MAC ..1A2B3C4D5E plus n.
    QString row(int n) const {
        const QString mac = QString::number(0x1A2B3C4D5EULL + quint64(n), 16).toUpper();
        return simAddress + QStringLiteral(" : 00") + mac.rightJustified(10, QLatin1Char('0'));
    }

private slots:
    void initTestCase() {
        if (simNetns.isEmpty() || simAddress.isEmpty() || windowAddress.isEmpty())
            QSKIP("run by lan_netns.sh inside the namespaces it makes");
    }

    void cleanup() {
        lan.reset();
        udp.reset();
        modules.reset();
    }

    // Every module is listed once, in order of arrival, with its MAC line; byte 0 of the MAC
    // never shows; the version byte and, with auto-read, the last configuration are shown.
    void search() {
        start({"--modules=3", "--mac=021A2B3C4D5E", "--version-byte=4C"});
        ui().Command_search->click();
        QVERIFY(!ui().Command_search->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(lan->deviceRows(), (QStringList{row(0), row(1), row(2)}), 2000);
        QCOMPARE(lan->macPane(),
                 QStringLiteral("00-1A-2B-3C-4D-5E\n00-1A-2B-3C-4D-5F\n00-1A-2B-3C-4D-60\n"));
        QCOMPARE(ui().Label_ver->text(), QStringLiteral("Ver4.12"));
        QCOMPARE(ui().Textsets[0]->text(), QStringLiteral("192.168.1.52"));
        QCOMPARE(ui().List1->currentRow(), 1);
        waitForWindowEnd();
        QCOMPARE(lan->deviceRows().size(), 3);
        // The probe reached the simulator once, from this namespace's address on its link.
        QCOMPARE(modules->lines("RX"),
                 QStringList{"RX " + windowAddress + " " +
                             SimulatorProcess::hex(LanDiscovery::SearchProbe)});
        QCOMPARE(modules->lines("TX").size(), 3);
    }

    // The module named by the selected row takes exactly the panel's configuration bytes when
    // the old password matches; its answer is swallowed; a later search shows what it holds.
    void networkSet_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("applied");
        QTest::newRow("matching password") << "ab12" << true;
        QTest::newRow("wrong password") << "ab13" << false;
    }
    void networkSet() {
        QFETCH(QString, password);
        QFETCH(bool, applied);
        start({"--modules=2", "--mac=021A2B3C4D5E", "--password=ab12"});
        ui().Command_search->click();
        QTRY_COMPARE_WITH_TIMEOUT(lan->deviceRows().size(), 2, 2000);
        waitForWindowEnd();

        ui().List1->setCurrentRow(2);
        ui().Textsets[9]->setText(password);
        ui().Textsets[0]->setText(QStringLiteral("10.77.0.99"));
        ui().Textsets[4]->setText(QStringLiteral("4001")); // module port
        const QByteArray frame = lan->fx.form->frames().getConfigFrame();
        ui().Command_netset->click();
        QVERIFY(
            lan->log().contains("lang_setupSuccess" + simAddress + "lang_setupSuccess212:34:56"));
        QVERIFY(lan->state().SetPending);

        if (!applied) {
            QTRY_COMPARE_WITH_TIMEOUT(modules->lines("REFUSED"),
                                      QStringList{"REFUSED 021A2B3C4D5F"}, 2000);
            QVERIFY(modules->lines("APPLIED").isEmpty());
            waitForWindowEnd();
            QVERIFY(lan->state().SetPending); // nothing answered
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(
            modules->lines("APPLIED"),
            QStringList{"APPLIED 021A2B3C4D5F " + SimulatorProcess::hex(frame.mid(2, 28))}, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!lan->state().SetPending, 2000); // the answer was swallowed
        QCOMPARE(lan->deviceRows(), (QStringList{row(0), row(1)}));
        waitForWindowEnd();

        ui().Textsets[0]->setText(QStringLiteral("1.2.3.4"));
        ui().Command_search->click();
        QTRY_COMPARE_WITH_TIMEOUT(lan->deviceRows().size(), 2, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(ui().Textsets[0]->text(), QStringLiteral("10.77.0.99"), 2000);
        QCOMPARE(ui().Textsets[4]->text(), QStringLiteral("4001"));
    }

    // Every module answers the reset probe and gets a reset packet with its full MAC and both
    // passwords; log.txt records the start and each answer in order of arrival.
    void reset() {
        start({"--modules=2", "--mac=021A2B3C4D5E", "--password=ab12"});
        ui().Textsets[9]->setText(QStringLiteral("ab12"));
        ui().Textsets[10]->setText(QStringLiteral("new987"));
        ui().Command_reset->click();
        QVERIFY(!ui().Command_reset->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(modules->lines("RESET"),
                                  (QStringList{"RESET 021A2B3C4D5E 6E 65 77 39 38 37",
                                               "RESET 021A2B3C4D5F 6E 65 77 39 38 37"}),
                                  2000);
        QCOMPARE(lan->logTxt(), (LanWriteReset::Separator + "\r\n" + row(0) +
                                 "  2026-12-11 12:34:56\r\n" + row(1) + "  2026-12-11 12:34:56\r\n")
                                    .toLatin1());
        QCOMPARE(lan->deviceRows(), (QStringList{row(0), row(1)}));
        waitForWindowEnd();
        QVERIFY(!lan->state().ResetMode);
        QCOMPARE(modules->lines("RX").first(),
                 "RX " + windowAddress + " " + SimulatorProcess::hex(LanWriteReset::ResetProbe));
    }

    // Hundreds of modules answering in one burst are all listed, in the order they answered.
    void burst() {
        constexpr int Count = 400;
        start({"--modules=" + QString::number(Count), "--all-at-once"});
        ui().Command_search->click();
        QTRY_COMPARE_WITH_TIMEOUT(lan->deviceRows().size(), Count, 3000);
        QStringList expected;
        for (int n = 0; n < Count; ++n)
            expected << row(n);
        QCOMPARE(lan->deviceRows(), expected);
    }
};

QTEST_MAIN(TestLanWindow)
#include "lan_window.moc"
