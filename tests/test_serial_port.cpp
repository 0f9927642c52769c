#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include "config/failure.h"
#include "link/serial_port.h"

namespace {

// A pseudo-terminal of the test's own: the adapter opens the device, the test plays the
// other end through the master side.
struct Pty {
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            return;
        device = QString::fromLocal8Bit(ptsname(master));
        // Keep the terminal alive while the adapter closes and reopens it.
        holder = ::open(ptsname(master), O_RDWR | O_NOCTTY);
        termios tio{};
        tcgetattr(holder, &tio);
        cfmakeraw(&tio);
        tcsetattr(holder, TCSANOW, &tio);
    }
    ~Pty() {
        if (holder >= 0)
            ::close(holder);
        if (master >= 0)
            ::close(master);
    }
    bool ok() const { return master >= 0 && holder >= 0; }
    void send(const QByteArray& bytes) const {
        QCOMPARE(::write(master, bytes.constData(), bytes.size()), bytes.size());
    }
    // What the adapter sent, waiting up to a second for count bytes.
    QByteArray received(int count) const {
        QByteArray got;
        QDeadlineTimer deadline(1000);
        while (got.size() < count && !deadline.hasExpired()) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 50) > 0) {
                char buffer[512];
                const ssize_t n = ::read(master, buffer, sizeof buffer);
                if (n > 0)
                    got.append(buffer, n);
            }
            QCoreApplication::processEvents(); // lets the adapter write what it queued
        }
        return got;
    }
    int master = -1;
    int holder = -1;
    QString device;
};

// The adapter on a pty of its own, opened unless told otherwise, its events recorded.
struct PtyLine {
    explicit PtyLine(bool open = true) {
        port.setCommPort(1, pty.device);
        if (open && pty.ok())
            port.setPortOpen(true);
    }
    Pty pty;
    QtSerialPort port;
    QSignalSpy events{&port, &SerialPort::OnComm};
};

QByteArray everyByteValue() {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    return all;
}

int failureOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const Failure& f) {
        return f.number();
    }
    return 0;
}

} // namespace

// The QSerialPort adapter on a real pseudo-terminal.
class TestSerialPort : public QObject {
    Q_OBJECT

private slots:
    void openFailures_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("number");
        QTest::newRow("no device for the number") << "" << 8002;
        QTest::newRow("device that does not exist") << "/dev/sbconfig-no-such-tty" << 8002;
    }
    void openFailures() {
        QFETCH(QString, device);
        QFETCH(int, number);
        QtSerialPort port;
        port.setCommPort(5, device);
        QCOMPARE(failureOf([&] { port.setPortOpen(true); }), number);
        QVERIFY(!port.portOpen());
        QCOMPARE(int(port.commPort()), 5);
    }

    void errorMapping_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("number");
        QTest::newRow("not found") << int(QSerialPort::DeviceNotFoundError) << 8002;
        QTest::newRow("permission or lock") << int(QSerialPort::PermissionError) << 8005;
        QTest::newRow("already open") << int(QSerialPort::OpenError) << 8005;
        QTest::newRow("unsupported")
            << int(QSerialPort::UnsupportedOperationError) << int(SerialPort::OpenFailed);
        QTest::newRow("unknown") << int(QSerialPort::UnknownError) << int(SerialPort::OpenFailed);
    }
    void errorMapping() {
        QFETCH(int, error);
        QFETCH(int, number);
        QCOMPARE(openFailureNumber(QSerialPort::SerialPortError(error)), number);
    }

    // Open here already, or held by another user of the device: 8005, and the port that is
    // open stays open.
    void inUse() {
        PtyLine line;
        QVERIFY(line.pty.ok());
        QtSerialPort& port = line.port;
        const QString device = line.pty.device;
        QVERIFY(port.portOpen());
        QCOMPARE(failureOf([&] { port.setPortOpen(true); }), 8005);
        QCOMPARE(failureOf([&] { port.setCommPort(2, device); }), 8005);
        QtSerialPort other;
        other.setCommPort(1, device);
        QCOMPARE(failureOf([&] { other.setPortOpen(true); }), 8005);
        QVERIFY(port.portOpen());
        port.setPortOpen(false);
        port.setPortOpen(false); // closing a closed port does nothing
        QVERIFY(!port.portOpen());
        other.setPortOpen(true);
        QVERIFY(other.portOpen());
    }

    // Every byte value passes unchanged both ways; the receive event waits for the threshold
    // and the read takes everything that waits.
    void transparentLine() {
        PtyLine line;
        QVERIFY(line.pty.ok());
        auto& [pty, port, events] = line;

        port.output(everyByteValue());
        QCOMPARE(pty.received(256), everyByteValue());

        port.setRThreshold(256);
        pty.send(everyByteValue().left(200));
        QTest::qWait(100);
        QCOMPARE(events.count(), 0);
        pty.send(everyByteValue().mid(200));
        QVERIFY(events.wait(1000));
        QCOMPARE(port.commEvent(), SerialPort::EvReceive);
        QCOMPARE(port.input(), everyByteValue());
        QVERIFY(port.input().isEmpty());
    }

    // Bytes that already wait when the threshold is set raise the event, after the caller.
    void thresholdSetAfterArrival() {
        PtyLine line;
        QVERIFY(line.pty.ok());
        auto& [pty, port, events] = line;
        pty.send("K");
        QTest::qWait(100); // arrives while no threshold is set
        QCOMPARE(events.count(), 0);
        port.setRThreshold(1);
        QCOMPARE(events.count(), 0);
        QVERIFY(events.wait(1000));
        QCOMPARE(port.input(), QByteArray("K"));
    }

    // What waited before the port was opened is not taken for an answer; a closed port
    // neither reads nor writes.
    void openStartsEmpty() {
        PtyLine line(false);
        QVERIFY(line.pty.ok());
        auto& [pty, port, events] = line;
        QVERIFY(port.input().isEmpty());
        QCOMPARE(failureOf([&] { port.output("VR"); }), int(SerialPort::NotOpen));
        pty.send("stale");
        QTest::qWait(50);
        port.setPortOpen(true);
        QTest::qWait(50);
        QVERIFY(port.input().isEmpty());
    }
};

QTEST_MAIN(TestSerialPort)
#include "test_serial_port.moc"
