#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "config/failure.h"
#include "form_fixture.h"
#include "link/serial_commands.h"

namespace {

// A module's payload: module IP 192.168.0.9, otherwise the default parameter set.
const QByteArray Payload = QByteArray::fromHex("C900A8C02A200900A8C08C4EC900A8C00100C20103000004"
                                               "00FFFFFF");

quint8 sumOf(const QByteArray& bytes) {
    quint8 s = 0;
    for (char b : bytes)
        s = quint8(s + quint8(b));
    return s;
}

// 0x55, kind, payload, checksum: the 31-byte form.
QByteArray frame31(char kind, bool rightSum) {
    QByteArray f = QByteArray(1, 0x55) + kind + Payload;
    return f + char(rightSum ? sumOf(Payload) : quint8(sumOf(Payload) + 1));
}

// 0x55, kind, payload and one more byte, then the sum of those 29: the 32-byte form.
QByteArray frame32(char kind, bool rightSum) {
    const QByteArray data = Payload + char(0x11);
    QByteArray f = QByteArray(1, 0x55) + kind + data;
    return f + char(rightSum ? sumOf(data) : quint8(sumOf(data) + 1));
}

QString hexPairs(const QByteArray& bytes) {
    QString s;
    for (char b : bytes)
        s += QString::asprintf("%02X ", quint8(b));
    return s;
}

enum class Trigger { ReadButton, ReadMenu, VersionButton, WriteButton };

} // namespace

Q_DECLARE_METATYPE(Trigger)

// The serial commands on the real window with a fake port. lang.txt has no entries, so every
// text is its own key and the log lines show which keys were used.
class TestSerialCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> fx;

    Form1Controls& ui() { return fx->form->ui(); }
    SerialCommands& commands() { return fx->form->serial(); }
    FakeSerialPort& port() { return fx->serial; }
    QStringList log() { return fx->form->log().text().split(QStringLiteral("\r\n")); }

    void trigger(Trigger t) {
        switch (t) {
        case Trigger::ReadButton:
            ui().Command_read->click();
            break;
        case Trigger::ReadMenu:
            ui().MenuComSearch->trigger();
            break;
        case Trigger::VersionButton:
            ui().Command_rv->click();
            break;
        case Trigger::WriteButton:
            ui().Command_set->click();
            break;
        }
    }
    // The bytes arrive and the port raises its receive event, whatever the threshold.
    void answer(const QByteArray& bytes) {
        port().waiting += bytes;
        port().raise(SerialPort::EvReceive);
    }
    void expectClosedAtRest() {
        QVERIFY(!port().open);
        QVERIFY(!ui().Timer1->isActive());
    }

private slots:
    void init() {
        fx = std::make_unique<FormFixture>(false);
        fx->writeLang("; every key answers with itself\n");
        QVERIFY(fx->load());
        ui().Textsets[8]->setText(QStringLiteral("3"));
    }
    void cleanup() { fx.reset(); }

    void command_data() {
        QTest::addColumn<Trigger>("how");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("line");
        QTest::newRow("read button")
            << Trigger::ReadButton << QByteArray("\x55\xBC") << 32 << "lang_sendReadCmd 55 BC ";
        QTest::newRow("read menu")
            << Trigger::ReadMenu << QByteArray("\x55\xBC") << 32 << "lang_sendReadCmd 55 BC ";
        QTest::newRow("version") << Trigger::VersionButton << QByteArray("VR") << 4
                                 << "lang_sendReadCmd VR ";
    }
    void command() {
        QFETCH(Trigger, how);
        QFETCH(QByteArray, bytes);
        QFETCH(int, threshold);
        QFETCH(QString, line);
        QPushButton* button = how == Trigger::VersionButton ? ui().Command_rv : ui().Command_read;
        bool enabledWhileWriting = true;
        port().whileOutput = [&](const QByteArray&) { enabledWhileWriting = button->isEnabled(); };

        trigger(how);

        QCOMPARE(int(port().number), 3);
        QCOMPARE(port().written, QList<QByteArray>{bytes});
        QCOMPARE(int(port().threshold), threshold);
        QCOMPARE(log(), (QStringList{"lang_operat_tip", line}));
        QVERIFY(!enabledWhileWriting);
        QVERIFY(button->isEnabled());
        // The answer is awaited with the port open.
        QVERIFY(port().open);
        QVERIFY(ui().Timer1->isActive());
        QCOMPARE(ui().Timer1->interval(), 2000);
    }

    void writeCommand() {
        bool enabledWhileWriting = true;
        port().whileOutput = [&](const QByteArray&) {
            enabledWhileWriting = ui().Command_set->isEnabled();
        };
        trigger(Trigger::WriteButton);

        QCOMPARE(port().written.size(), 1);
        const QByteArray frame = port().written.first();
        QCOMPARE(frame.size(), 31);
        QCOMPARE(frame.left(2), QByteArray("\x55\xBA"));
        QCOMPARE(int(port().threshold), 1);
        // The frame line of the builder comes between the tip and the command's line.
        QCOMPARE(log(), (QStringList{"lang_operat_tip", "lang_canshu" + hexPairs(frame),
                                     "lang_sendSetupCmd"}));
        QVERIFY(!enabledWhileWriting);
        QVERIFY(ui().Command_set->isEnabled());
        QVERIFY(port().open);
        QVERIFY(ui().Timer1->isActive());

        answer("K");
        QCOMPARE(log().last(), QStringLiteral("lang_receiveAck"));
        expectClosedAtRest();
    }

    void reply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("tail"); // the log after the command's lines
        QTest::addColumn<QString>("label");    // Label_ver afterwards; empty: unchanged
        QTest::addColumn<bool>("shown");       // the panel shows the payload

        const QStringList shownLog = {"", "lang_configStr" + hexPairs(Payload),
                                      "lang_readfromCOMok"};
        const QStringList notShown = {"lang_readfromCOMerror"};
        QTest::newRow("K") << QByteArray("K") << QStringList{"lang_receiveAck"} << "" << false;
        QTest::newRow("K and more")
            << QByteArray("K\x00\x45", 3) << QStringList{"lang_receiveAck"} << "" << false;
        QTest::newRow("U BC 31 right") << frame31(char(0xBC), true) << shownLog << "" << true;
        QTest::newRow("U BB 31 right") << frame31(char(0xBB), true) << shownLog << "" << true;
        QTest::newRow("U BC 32 right") << frame32(char(0xBC), true) << shownLog << "" << true;
        QTest::newRow("U BB 32 right") << frame32(char(0xBB), true) << shownLog << "" << true;
        QTest::newRow("U BC 31 wrong") << frame31(char(0xBC), false) << notShown << "" << false;
        QTest::newRow("U BB 32 wrong") << frame32(char(0xBB), false) << notShown << "" << false;
        QTest::newRow("U BC short")
            << frame32(char(0xBC), true).left(30) << notShown << "" << false;
        QTest::newRow("U alone") << QByteArray("U") << notShown << "" << false;
        QTest::newRow("U BA") << frame31(char(0xBA), true) << QStringList{"lang_comTryAgain"} << ""
                              << false;
        QTest::newRow("U 00") << QByteArray("U\x00", 2) << QStringList{"lang_comTryAgain"} << ""
                              << false;
        QTest::newRow("E alone") << QByteArray("E") << QStringList{"lang_commError"} << "" << false;
        QTest::newRow("E code") << QByteArray("E\x3C") << QStringList{"lang_sumError3C"} << ""
                                << false;
        QTest::newRow("E code 0A")
            << QByteArray("E\x0A") << QStringList{"lang_sumError0A"} << "" << false;
        QTest::newRow("E three") << QByteArray("E\x3C\x01") << QStringList{"lang_commError"} << ""
                                 << false;
        QTest::newRow("V text") << QByteArray("V5.08 2026")
                                << QStringList{"lang_comReadVer", "V5.08 2026"} << "V5.08 2026"
                                << false;
        const QByteArray longVersion = "V" + QByteArray(299, 'x');
        QTest::newRow("V 300 bytes")
            << longVersion << QStringList{"lang_comReadVer", QString::fromLatin1(longVersion)}
            << QString::fromLatin1(longVersion) << false;
        QTest::newRow("00") << QByteArray(1, 0x00) << QStringList{"lang_receiveUnkown00 "} << ""
                            << false;
        QTest::newRow("unknown bytes")
            << QByteArray("\x00\xFF\x0A\x55", 4) << QStringList{"lang_receiveUnkown00 FF 0A 55 "}
            << "" << false;
        const QByteArray longUnknown(300, char(0xA5));
        QTest::newRow("unknown 300 bytes")
            << longUnknown << QStringList{"lang_receiveUnkown" + hexPairs(longUnknown)} << ""
            << false;
    }
    void reply() {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, tail);
        QFETCH(QString, label);
        QFETCH(bool, shown);
        const QString labelBefore = ui().Label_ver->text();
        const QString ipBefore = ui().Textsets[0]->text();
        // The reply is classified by its bytes alone, whichever command asked.
        trigger(Trigger::VersionButton);
        answer(reply);

        QStringList expected = {"lang_operat_tip", "lang_sendReadCmd VR "};
        expected = shown ? tail : expected + tail;
        QCOMPARE(log(), expected);
        QCOMPARE(ui().Label_ver->text(), label.isEmpty() ? labelBefore : label);
        QCOMPARE(ui().Textsets[0]->text(), shown ? QStringLiteral("192.168.0.9") : ipBefore);
        expectClosedAtRest();
    }

    // The event comes when the threshold is reached, and the reply is what waits then.
    void threshold_data() {
        QTest::addColumn<Trigger>("how");
        QTest::addColumn<QByteArray>("bytes"); // arriving one at a time
        QTest::addColumn<int>("handledAfter"); // bytes arrived when the reply is handled
        QTest::addColumn<QString>("last");
        QTest::newRow("read 32") << Trigger::ReadButton << frame32(char(0xBC), true) << 32
                                 << "lang_readfromCOMok";
        QTest::newRow("version 4") << Trigger::VersionButton << QByteArray("V1.2") << 4 << "V1.2";
        // The module's "E<" may be taken apart: the first byte alone is the reply.
        QTest::newRow("write 1") << Trigger::WriteButton << QByteArray("E<") << 1
                                 << "lang_commError";
    }
    void threshold() {
        QFETCH(Trigger, how);
        QFETCH(QByteArray, bytes);
        QFETCH(int, handledAfter);
        QFETCH(QString, last);
        trigger(how);
        const QStringList before = log();
        for (int i = 0; i < bytes.size(); ++i) {
            port().receive(bytes.mid(i, 1));
            if (i + 1 < handledAfter) {
                QCOMPARE(log(), before);
                QVERIFY(port().open);
                QVERIFY(ui().Timer1->isActive());
            }
        }
        QCOMPARE(log().last(), last);
        expectClosedAtRest();
    }

    // More than the threshold waiting: the whole of it is the reply, and it stops the timeout.
    void replyLongerThanThreshold() {
        trigger(Trigger::VersionButton);
        port().receive("V1.23.4567");
        QCOMPARE(log().last(), QStringLiteral("V1.23.4567"));
        QCOMPARE(ui().Label_ver->text(), QStringLiteral("V1.23.4567"));
        QVERIFY(!ui().Timer1->isActive());
        QCOMPARE(port().closes, 1);
    }

    void timeoutThenLateAnswer() {
        trigger(Trigger::ReadButton);
        commands().Timer1_Timer();
        QCOMPARE(log(), (QStringList{"lang_operat_tip", "lang_sendReadCmd 55 BC ",
                                     "lang_comport_timeout"}));
        expectClosedAtRest();
        // A late answer is not read.
        port().receive(frame32(char(0xBC), true));
        QCOMPARE(log().last(), QStringLiteral("lang_comport_timeout"));
        // The next command opens the port again.
        trigger(Trigger::VersionButton);
        QCOMPARE(port().opens, 2);
        QCOMPARE(log().last(), QStringLiteral("lang_sendReadCmd VR "));
    }

    // Events that bring no answer leave the command waiting; the timeout still ends it.
    void eventsWithoutAnswer_data() {
        QTest::addColumn<qint16>("kind");
        QTest::addColumn<QByteArray>("waiting");
        QTest::newRow("line error") << SerialPort::EvLineError << QByteArray("K");
        QTest::newRow("line state") << qint16(3) << QByteArray();
        QTest::newRow("receive, nothing waiting") << SerialPort::EvReceive << QByteArray();
    }
    void eventsWithoutAnswer() {
        QFETCH(qint16, kind);
        QFETCH(QByteArray, waiting);
        trigger(Trigger::ReadButton);
        const QStringList before = log();
        port().waiting = waiting;
        port().raise(kind);
        QCOMPARE(log(), before);
        QVERIFY(port().open);
        QVERIFY(ui().Timer1->isActive());
        commands().Timer1_Timer();
        QCOMPARE(log().last(), QStringLiteral("lang_comport_timeout"));
        expectClosedAtRest();
    }

    void failure_data() {
        QTest::addColumn<QString>("portText");
        QTest::addColumn<int>("openFailure");
        QTest::addColumn<int>("outputFailure");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("opens");
        QTest::newRow("8002") << "3" << 8002 << 0 << "lang_comInvalid3lang_comInvalid212:34:56"
                              << 0;
        QTest::newRow("8005") << "3" << 8005 << 0 << "lang_comInuse3lang_comInuse212:34:56" << 0;
        QTest::newRow("other open failure")
            << "3" << int(SerialPort::OpenFailed) << 0 << "lang_unkonwn_error801012:34:56" << 0;
        QTest::newRow("port number too large")
            << "70000" << 0 << 0 << "lang_unkonwn_error612:34:56" << 0;
        QTest::newRow("port number too small")
            << "-32769" << 0 << 0 << "lang_unkonwn_error612:34:56" << 0;
        // Refused after this command opened the port: the port is closed again.
        QTest::newRow("write refused")
            << "3" << 0 << int(SerialPort::WriteFailed) << "lang_unkonwn_error801312:34:56" << 1;
    }
    void failure() {
        QFETCH(QString, portText);
        QFETCH(int, openFailure);
        QFETCH(int, outputFailure);
        QFETCH(QString, line);
        QFETCH(int, opens);
        ui().Textsets[8]->setText(portText);
        port().openFailure = openFailure;
        port().outputFailure = outputFailure;
        trigger(Trigger::ReadButton);
        QCOMPARE(log(), (QStringList{"lang_operat_tip", line}));
        QVERIFY(ui().Command_read->isEnabled());
        QCOMPARE(port().opens, opens);
        expectClosedAtRest();
        // Nothing is left behind: the next command works.
        port().openFailure = port().outputFailure = 0;
        ui().Textsets[8]->setText(QStringLiteral("3"));
        trigger(Trigger::VersionButton);
        QCOMPARE(log().last(), QStringLiteral("lang_sendReadCmd VR "));
    }

    // A frame that cannot be built after the port was opened: the port is closed again.
    void frameFailureClosesPort() {
        ui().Textsets[0]->setText(QStringLiteral("192.168.0"));
        trigger(Trigger::WriteButton);
        QCOMPARE(log(), (QStringList{"lang_operat_tip", "lang_unkonwn_error912:34:56"}));
        QVERIFY(port().written.isEmpty());
        expectClosedAtRest();
        QVERIFY(ui().Command_set->isEnabled());
        trigger(Trigger::ReadButton);
        QCOMPARE(log().last(), QStringLiteral("lang_sendReadCmd 55 BC "));
    }

    // A command while an answer is awaited is refused and leaves the other command's port
    // and timer alone; that command's answer still closes the port.
    void commandWhileAwaiting_data() {
        QTest::addColumn<Trigger>("second");
        QTest::newRow("read") << Trigger::ReadButton;
        QTest::newRow("version") << Trigger::VersionButton;
        QTest::newRow("write") << Trigger::WriteButton;
    }
    void commandWhileAwaiting() {
        QFETCH(Trigger, second);
        trigger(Trigger::ReadButton);
        trigger(second);
        QCOMPARE(log(), (QStringList{"lang_operat_tip", "lang_comInuse3lang_comInuse212:34:56"}));
        QVERIFY(port().open);
        QVERIFY(ui().Timer1->isActive());
        QCOMPARE(port().written.size(), 1);
        port().receive(frame32(char(0xBC), true));
        QCOMPARE(log().last(), QStringLiteral("lang_readfromCOMok"));
        expectClosedAtRest();
    }

    void closingWindowClosesPort() {
        trigger(Trigger::ReadButton);
        fx->form->close();
        QVERIFY(!port().open);
    }

    void exitLeavesPortAlone() {
        trigger(Trigger::ReadButton);
        ui().MenuExit->trigger();
        QCOMPARE(fx->app.exits, 1);
        QVERIFY(port().open);
    }
};

QTEST_MAIN(TestSerialCommands)
#include "test_serial_commands.moc"
