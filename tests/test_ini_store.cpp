#include <csignal>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include "app/ini_store.h"
#include "lang/text_decoding.h"
#include "test_files.h"

namespace {

const QByteArray Sample = "; settings\n"
                          "\n"
                          "[TCPIP]\n"
                          "LANG = 2\n"
                          "  text0=  192.168.0.7  \n"
                          "text1=a=b\n"
                          "; text2=commented\n"
                          "garbage line\n"
                          "\n"
                          "[SerialPorts]\n"
                          "COM1=/dev/ttyUSB0\n"
                          "LANG=9\n"
                          "[tcpip]\n"
                          "text3=second section of the same name\n";

} // namespace

class TestIniStore : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QFile::remove(file());
    }

    void reads_data();
    void reads();
    void readsGb18030AndBom_data();
    void readsGb18030AndBom();
    void readsAbsentFile();

    void writes_data();
    void writes();
    void writeCreatesFileAndReadsBack();

    void failedWriteKeepsFile_data();
    void failedWriteKeepsFile();

private:
    QString file(const QString& name = QStringLiteral("setting.ini")) const {
        return dir_.filePath(name);
    }
    QTemporaryDir dir_;
};

void TestIniStore::reads_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact names") << "TCPIP"
                                 << "LANG" << 2 << "2";
    QTest::newRow("names without regard to case") << "tcpip"
                                                  << "lang" << 2 << "2";
    QTest::newRow("blanks around key and value trimmed") << "TCPIP"
                                                         << "text0" << 20 << "192.168.0.7";
    QTest::newRow("cut to length - 1") << "TCPIP"
                                       << "text0" << 5 << "192.";
    QTest::newRow("length 1 reads nothing") << "TCPIP"
                                            << "LANG" << 1 << "";
    QTest::newRow("value holds '='") << "TCPIP"
                                     << "text1" << 20 << "a=b";
    QTest::newRow("commented key is absent") << "TCPIP"
                                             << "text2" << 20 << "";
    QTest::newRow("key of another section") << "TCPIP"
                                            << "COM1" << 260 << "";
    QTest::newRow("other section") << "SerialPorts"
                                   << "COM1" << 260 << "/dev/ttyUSB0";
    QTest::newRow("same key, other section") << "serialports"
                                             << "lang" << 2 << "9";
    QTest::newRow("first section of a name wins") << "TCPIP"
                                                  << "text3" << 20 << "";
    QTest::newRow("absent section") << "Other"
                                    << "LANG" << 2 << "";
    QTest::newRow("absent key") << "TCPIP"
                                << "Workmod" << 2 << "";
}

void TestIniStore::reads() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QVERIFY(writeFile(file(), Sample));
    QCOMPARE(readini(file(), section, key, length), expected);
    QCOMPARE(readini(file(), section, key, length).isEmpty(), expected.isEmpty());
}

void TestIniStore::readsGb18030AndBom_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QString text = QStringLiteral("[TCPIP]\r\ntext0=参数区\r\n");
    QTest::newRow("GB18030, CR LF") << encodeGb18030(text);
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

void TestIniStore::readsGb18030AndBom() {
    QFETCH(QByteArray, bytes);
    QVERIFY(writeFile(file(), bytes));
    QCOMPARE(readini(file(), "TCPIP", "text0", 20), QStringLiteral("参数区"));
}

void TestIniStore::readsAbsentFile() {
    QCOMPARE(readini(file("none.ini"), "TCPIP", "LANG", 2), QString());
    QVERIFY(!QFile::exists(file("none.ini")));
}

void TestIniStore::writes_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray base = "; keep me\n"
                            "[TCPIP]\n"
                            "text0 = old\n"
                            "; comment in section\n"
                            "odd line\n"
                            "\n"
                            "[Other]\n"
                            "x=1\n";
    QTest::newRow("replaced in place, names without case")
        << base << "tcpip"
        << "TEXT0"
        << "new value"
        << QByteArray("; keep me\n[TCPIP]\ntext0=new value\n; comment in section\nodd line\n\n"
                      "[Other]\nx=1\n");
    QTest::newRow("key added at the end of its section")
        << base << "TCPIP"
        << "Id"
        << "7"
        << QByteArray("; keep me\n[TCPIP]\ntext0 = old\n; comment in section\nodd line\nId=7\n\n"
                      "[Other]\nx=1\n");
    QTest::newRow("section added at the end")
        << base << "SerialPorts"
        << "COM3"
        << "/dev/ttyS2" << base + "[SerialPorts]\nCOM3=/dev/ttyS2\n";
    QTest::newRow("empty value") << QByteArray("[TCPIP]\ntext0=abc\n") << "TCPIP"
                                 << "text0"
                                 << "" << QByteArray("[TCPIP]\ntext0=\n");
    QTest::newRow("CR LF line ends kept") << QByteArray("[TCPIP]\r\nLANG=1\r\n; c\r\n") << "TCPIP"
                                          << "LANG"
                                          << "2" << QByteArray("[TCPIP]\r\nLANG=2\r\n; c\r\n");
    QTest::newRow("missing last line end added") << QByteArray("[TCPIP]\nLANG=1") << "TCPIP"
                                                 << "LANG"
                                                 << "2" << QByteArray("[TCPIP]\nLANG=2\n");
    QTest::newRow("line breaks in a value cannot add keys")
        << QByteArray("[TCPIP]\n") << "TCPIP"
        << "text0"
        << "a\r\nLANG=0" << QByteArray("[TCPIP]\ntext0=a  LANG=0\n");
    QTest::newRow("GB18030 file rewritten as UTF-8")
        << encodeGb18030(QStringLiteral("[TCPIP]\ntext0=旧\n")) << "TCPIP"
        << "Id"
        << "中" << QStringLiteral("[TCPIP]\ntext0=旧\nId=中\n").toUtf8();
}

void TestIniStore::writes() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QVERIFY(writeFile(file(), before));
    QVERIFY(writeini(file(), section, key, value));
    QCOMPARE(fileContent(file()), after);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"setting.ini"});
}

void TestIniStore::writeCreatesFileAndReadsBack() {
    QVERIFY(writeini(file(), "TCPIP", "text0", "  padded  "));
    QVERIFY(writeini(file(), "SerialPorts", "COM1", "/dev/ttyUSB0"));
    QVERIFY(writeini(file(), "TCPIP", "LANG", "1"));
    QCOMPARE(fileContent(file()),
             QByteArray("[TCPIP]\ntext0=  padded  \nLANG=1\n[SerialPorts]\nCOM1=/dev/ttyUSB0\n"));
    QCOMPARE(readini(file(), "TCPIP", "text0", 20), QStringLiteral("padded"));
    QCOMPARE(readini(file(), "SerialPorts", "COM1", 260), QStringLiteral("/dev/ttyUSB0"));
}

void TestIniStore::failedWriteKeepsFile_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("folder is a regular file") << "parent-file";
    QTest::newRow("disk full mid-way") << "file-size-limit";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("unreadable file") << "unreadable";
}

void TestIniStore::failedWriteKeepsFile() {
    QFETCH(QString, how);
    QString path = file();
    // Long enough that a rewrite passes the size limit below.
    const QByteArray held = "; held\n[TCPIP]\ntext0=" + QByteArray(200, 'x') + "\nLANG=1\n";
    QVERIFY(writeFile(path, held));

    if (how == "parent-file") {
        // No folder can be made below a regular file, even by root.
        path = file() + "/setting.ini";
        QVERIFY(!writeini(path, "TCPIP", "LANG", "2"));
        QVERIFY(!QFile::exists(path));
    } else if (how == "file-size-limit") {
        // The rewrite runs into the limit half-way, as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = writeini(path, "TCPIP", "LANG", "2");
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &old), 0);
        QVERIFY(!written);
    } else {
        if (geteuid() == 0)
            QSKIP("root writes and reads regardless of permissions");
        const QString target = how == "read-only" ? dir_.path() : path;
        const auto perms = QFile::permissions(target);
        QFile::setPermissions(target, how == "read-only"
                                          ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                          : QFileDevice::WriteOwner);
        const bool written = writeini(path, "TCPIP", "LANG", "2");
        QFile::setPermissions(target, perms);
        QVERIFY(!written);
    }
    QCOMPARE(fileContent(file()), held);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"setting.ini"});
}

QTEST_GUILESS_MAIN(TestIniStore)
#include "test_ini_store.moc"
