#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/settings_file.h"
#include "config/config_frame.h"
#include "form_fixture.h"
#include "link/serial_commands.h"
#include "link/serial_port.h"
#include "simulator_process.h"

// The real window, offscreen, with the real serial adapter, talking to the simulator over a
// pseudo-terminal that setting.ini maps to COM1. lang.txt has no entries, so every text is
// its own key.
class TestSerialPty : public QObject {
    Q_OBJECT

    // Declared first: the port outlives the window that uses it.
    std::unique_ptr<QtSerialPort> port;
    std::unique_ptr<FormFixture> fx;
    std::unique_ptr<SimulatorProcess> module; // prints its device first

    Form1Controls& ui() { return fx->form->ui(); }
    QStringList log() { return fx->form->log().text().split(QStringLiteral("\r\n")); }
    QString lastLine() { return log().last(); }

    // A window whose COM1 is a simulator answering this way.
    void start(const QString& answers) {
        module = std::make_unique<SimulatorProcess>(
            SimulatorProcess::modsim(), QStringList{"--serial", "--answers=" + answers});
        QVERIFY2(module->firstLine().startsWith("/dev/"), "the simulator printed no device");
        port = std::make_unique<QtSerialPort>();
        fx = std::make_unique<FormFixture>(false);
        fx->writeLang("; every key answers with itself\n");
        fx->seams.serial = port.get();
        QFile ini(QDir(settingsFolder(fx->paths)).filePath("setting.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[SerialPorts]\r\nCOM1=" + module->firstLine().toLocal8Bit() +
                  "\r\nCOM7=/dev/sbconfig-no-such-tty\r\n");
        ini.close();
        QVERIFY(fx->load());
        ui().Textsets[8]->setText(QStringLiteral("1"));
    }

private slots:
    void cleanup() {
        fx.reset();
        port.reset();
        module.reset();
    }

    void readConfiguration() {
        start("normal");
        ui().Command_read->click();
        QTRY_COMPARE_WITH_TIMEOUT(lastLine(), QStringLiteral("lang_readfromCOMok"), 1500);
        QCOMPARE(ui().Textsets[0]->text(), QStringLiteral("192.168.1.50"));
        QCOMPARE(ui().Textsets[2]->text(), QStringLiteral("192.168.1.1"));
        QCOMPARE(ui().Textsets[3]->text(), QStringLiteral("9600"));
        QCOMPARE(ui().Text_id->text(), QStringLiteral("258"));
        QVERIFY(log().at(1).startsWith("lang_configStr"));
        QVERIFY(!port->portOpen());
        QCOMPARE(module->lines().first(), QStringLiteral("RX 55 BC"));
    }

    void readVersion() {
        start("normal");
        ui().Command_rv->click();
        QTRY_COMPARE_WITH_TIMEOUT(lastLine(), QStringLiteral("V5.08 2026-06-01"), 1500);
        QCOMPARE(log().mid(log().size() - 2), (QStringList{"lang_comReadVer", "V5.08 2026-06-01"}));
        QCOMPARE(ui().Label_ver->text(), QStringLiteral("V5.08 2026-06-01"));
        QVERIFY(!port->portOpen());
    }

    // The module gets exactly the panel's frame, acknowledges it, and answers the next read
    // with what it was given.
    void writeConfiguration() {
        start("normal");
        ui().Textsets[0]->setText(QStringLiteral("192.168.1.77"));
        const QByteArray frame = fx->form->frames().getConfigFrame();
        ui().Command_set->click();
        QTRY_COMPARE_WITH_TIMEOUT(lastLine(), QStringLiteral("lang_receiveAck"), 1500);
        QCOMPARE(module->lines(), (QStringList{"RX " + SimulatorProcess::hex(frame), "TX 4B"}));
        QVERIFY(!port->portOpen());

        ui().Textsets[0]->setText(QStringLiteral("10.0.0.1"));
        ui().Command_read->click();
        QTRY_COMPARE_WITH_TIMEOUT(lastLine(), QStringLiteral("lang_readfromCOMok"), 1500);
        QCOMPARE(ui().Textsets[0]->text(), QStringLiteral("192.168.1.77"));
    }

    // Answers the panel must not take for a configuration.
    void badAnswers_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("last");
        QTest::newRow("bad checksum") << "bad-checksum"
                                      << "lang_readfromCOMerror";
        QTest::newRow("wrong kind") << "wrong-kind"
                                    << "lang_comTryAgain";
        QTest::newRow("unknown first byte") << "unknown"
                                            << "lang_receiveUnkown00 55 BC C9 01 ";
    }
    void badAnswers() {
        QFETCH(QString, answers);
        QFETCH(QString, last);
        start(answers);
        const QString ipBefore = ui().Textsets[0]->text();
        ui().Command_read->click();
        QTRY_VERIFY_WITH_TIMEOUT(lastLine().startsWith(last), 1500);
        QCOMPARE(ui().Textsets[0]->text(), ipBefore);
        QVERIFY(!port->portOpen());
    }

    // With the real reply timer: the command ends 2 s later, the port closed, and the next
    // command opens it again.
    void silentModule() {
        start("silent");
        QElapsedTimer elapsed;
        elapsed.start();
        ui().Command_read->click();
        QVERIFY(port->portOpen());
        QTRY_COMPARE_WITH_TIMEOUT(lastLine(), QStringLiteral("lang_comport_timeout"), 4000);
        QVERIFY(elapsed.elapsed() >= 1900);
        QVERIFY(!port->portOpen());
        QCOMPARE(module->lines(), QStringList{"RX 55 BC"});

        ui().Command_rv->click();
        QCOMPARE(lastLine(), QStringLiteral("lang_sendReadCmd VR "));
        QVERIFY(port->portOpen());
        fx->form->serial().Timer1_Timer();
        QVERIFY(!port->portOpen());
    }

    void nonexistentPort_data() {
        QTest::addColumn<QString>("number");
        QTest::newRow("mapped to a missing device") << "7";
        QTest::newRow("beyond the system's ports") << "250";
    }
    void nonexistentPort() {
        QFETCH(QString, number);
        start("normal");
        ui().Textsets[8]->setText(number);
        ui().Command_read->click();
        QCOMPARE(log(), (QStringList{"lang_operat_tip",
                                     "lang_comInvalid" + number + "lang_comInvalid212:34:56"}));
        QVERIFY(!port->portOpen());
        QVERIFY(ui().Command_read->isEnabled());
    }
};

QTEST_MAIN(TestSerialPty)
#include "serial_pty.moc"
