#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "link/serial_port_names.h"

// Which device "COM n" stands for.
class TestSerialPortNames : public QObject {
    Q_OBJECT

private slots:
    void order_data() {
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("USB adapters first")
            << QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyS1"}
            << QStringList{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1"};
        QTest::newRow("ACM with USB, by name")
            << QStringList{"/dev/ttyUSB1", "/dev/ttyS4", "/dev/ttyACM0", "/dev/ttyUSB0"}
            << QStringList{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS4"};
        QTest::newRow("numbers by value")
            << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyS10", "/dev/ttyS9"}
            << QStringList{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS9", "/dev/ttyS10"};
        QTest::newRow("names without folder") << QStringList{"ttyAMA0", "ttyACM1", "rfcomm0"}
                                              << QStringList{"ttyACM1", "rfcomm0", "ttyAMA0"};
        QTest::newRow("none") << QStringList{} << QStringList{};
    }
    void order() {
        QFETCH(QStringList, devices);
        QFETCH(QStringList, ordered);
        QCOMPARE(orderSerialPorts(devices), ordered);
    }

    void nth_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("device");
        QTest::newRow("first") << 1 << "/dev/ttyUSB0";
        QTest::newRow("second") << 2 << "/dev/ttyS0";
        QTest::newRow("last") << 3 << "/dev/ttyS2";
        QTest::newRow("one past the last") << 4 << "";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("negative") << -1 << "";
    }
    void nth() {
        QFETCH(int, number);
        QFETCH(QString, device);
        const QStringList devices{"/dev/ttyS2", "/dev/ttyS0", "/dev/ttyUSB0"};
        QCOMPARE(nthSerialPort(number, devices), device);
    }

    // An entry of setting.ini wins over the system's list; other numbers are not affected.
    void iniEntryWins() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("setting.ini");
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[TCPIP]\r\nLANG=2\r\n[SerialPorts]\r\nCOM1=/dev/ttyUSB3\r\nCOM12=/dev/pts/7\r\n");
        f.close();
        QCOMPARE(serialDeviceFor(1, ini), QStringLiteral("/dev/ttyUSB3"));
        QCOMPARE(serialDeviceFor(12, ini), QStringLiteral("/dev/pts/7"));
        QVERIFY(serialDeviceFor(0, ini).isEmpty());
        // Unmapped numbers come from the system's list, as without a file.
        const QString absent = dir.filePath("absent.ini");
        QCOMPARE(serialDeviceFor(2, ini), serialDeviceFor(2, absent));
    }
};

QTEST_MAIN(TestSerialPortNames)
#include "test_serial_port_names.moc"
