#include <QtTest>

#include "config/encodings.h"
#include "failure_of.h"

namespace {
QByteArray hex(const char* pairs) {
    return QByteArray::fromHex(pairs);
}
QString pairsOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace

class TestEncodings : public QObject {
    Q_OBJECT
private slots:
    void ipbuf_data();
    void ipbuf();
    void stringbuf_data();
    void stringbuf();
    void fill_data();
    void fill();
    void ipText_data();
    void ipText();
    void rotations_data();
    void rotations();
    void hexText_data();
    void hexText();
};

void TestEncodings::ipbuf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("failure");
    QTest::newRow("module") << "192.168.0.7"
                            << "07 00 A8 C0" << 0;
    QTest::newRow("mask") << "255.255.255.0"
                          << "00 FF FF FF" << 0;
    QTest::newRow("empty part is 0") << "192.168..7"
                                     << "07 00 A8 C0" << 0;
    QTest::newRow("letters read as 0") << "a.b.c.d"
                                       << "00 00 00 00" << 0;
    QTest::newRow("blanks and tails") << " 10 .0x.0 .1 "
                                      << "01 00 00 0A" << 0;
    QTest::newRow("fifth part ignored") << "1.2.3.4.999"
                                        << "04 03 02 01" << 0;
    QTest::newRow("exponent octet") << "1.1.1.1e2"
                                    << "64 01 01 01" << 0;
    QTest::newRow("three parts") << "192.168.0"
                                 << "" << 9;
    QTest::newRow("empty") << ""
                           << "" << 9;
    QTest::newRow("last octet 300") << "192.168.0.300"
                                    << "" << 6;
    QTest::newRow("first octet 256") << "256.0.0.1"
                                     << "" << 6;
    QTest::newRow("negative octet") << "1.2.3.-1"
                                    << "" << 6;
}

void TestEncodings::ipbuf() {
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    QFETCH(int, failure);
    QByteArray buf;
    QCOMPARE(failureOf([&] { Getipbuf(text, buf); }), failure);
    if (failure == 0)
        QCOMPARE(pairsOf(buf), bytes);
}

void TestEncodings::stringbuf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("failure");
    QTest::newRow("baud") << "115200"
                          << "00 C2 01 00" << 0;
    QTest::newRow("module port") << "20108"
                                 << "8C 4E 00 00" << 0;
    QTest::newRow("destination port") << "8234"
                                      << "2A 20 00 00" << 0;
    QTest::newRow("2^24") << "16777216"
                          << "00 00 00 01" << 0;
    QTest::newRow("max") << "2147483647"
                         << "FF FF FF 7F" << 0;
    QTest::newRow("rounded") << "2.5"
                             << "02 00 00 00" << 0;
    // Each step keeps v AND 255 and divides toward zero, so -1 leaves its upper bytes 0.
    QTest::newRow("negative") << "-1"
                              << "FF 00 00 00" << 0;
    QTest::newRow("empty") << ""
                           << "" << 13;
    QTest::newRow("letters") << "abc"
                             << "" << 13;
    QTest::newRow("above 32 bits") << "2147483648"
                                   << "" << 6;
}

void TestEncodings::stringbuf() {
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    QFETCH(int, failure);
    QByteArray buf;
    QCOMPARE(failureOf([&] { Getstringbuf(text, buf); }), failure);
    if (failure == 0)
        QCOMPARE(pairsOf(buf), bytes);
}

void TestEncodings::fill_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("failure");
    QTest::newRow("inside") << hex("01020304") << 1 << "00 01 02 03 04 00" << 0;
    QTest::newRow("up to the end") << hex("0102") << 4 << "00 00 00 00 01 02" << 0;
    QTest::newRow("nothing to copy") << QByteArray() << 6 << "00 00 00 00 00 00" << 0;
    QTest::newRow("past the end") << hex("01020304") << 3 << "" << 9;
}

void TestEncodings::fill() {
    QFETCH(QByteArray, data);
    QFETCH(int, address);
    QFETCH(QString, result);
    QFETCH(int, failure);
    QByteArray target(6, 0);
    QCOMPARE(failureOf([&] { Fill(target, data, static_cast<quint16>(address)); }), failure);
    if (failure == 0)
        QCOMPARE(pairsOf(target), result);
}

void TestEncodings::ipText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("failure");
    QTest::newRow("module") << hex("0700A8C0") << 0 << "192.168.0.7" << 0;
    QTest::newRow("at offset") << hex("55BAC900A8C0") << 2 << "192.168.0.201" << 0;
    QTest::newRow("all ones") << hex("FFFFFFFF") << 0 << "255.255.255.255" << 0;
    QTest::newRow("zeros") << hex("00000000") << 0 << "0.0.0.0" << 0;
    QTest::newRow("one byte short") << hex("0700A8") << 0 << "" << 9;
    QTest::newRow("offset too far") << hex("0700A8C0") << 1 << "" << 9;
}

void TestEncodings::ipText() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, offset);
    QFETCH(QString, text);
    QFETCH(int, failure);
    QString got;
    QCOMPARE(failureOf([&] { got = getIpText(bytes, static_cast<quint8>(offset)); }), failure);
    QCOMPARE(got, text);
}

void TestEncodings::rotations_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("none") << 0x5A << 0 << 0x5A << 0x5A;
    QTest::newRow("negative count") << 0x5A << -1 << 0x5A << 0x5A;
    QTest::newRow("one bit") << 0x01 << 1 << 0x02 << 0x80;
    QTest::newRow("parity code 7") << 0x07 << 3 << 0x38 << 0xE0;
    QTest::newRow("parity field") << 0x38 << 3 << 0xC1 << 0x07;
    QTest::newRow("bit 7 wraps") << 0x80 << 1 << 0x01 << 0x40;
    QTest::newRow("full turn") << 0x5A << 8 << 0x5A << 0x5A;
    QTest::newRow("nine is one") << 0x01 << 9 << 0x02 << 0x80;
}

void TestEncodings::rotations() {
    QFETCH(int, value);
    QFETCH(int, count);
    QFETCH(int, left);
    QFETCH(int, right);
    QCOMPARE(int(rotLeft(static_cast<quint8>(value), static_cast<qint16>(count))), left);
    QCOMPARE(int(rotRight(static_cast<quint8>(value), static_cast<qint16>(count))), right);
}

void TestEncodings::hexText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("padded") << 10 << 2 << "0A";
    QTest::newRow("FF") << 255 << 2 << "FF";
    QTest::newRow("never cut") << 427 << 2 << "1AB";
    QTest::newRow("zero") << 0 << 2 << "00";
    QTest::newRow("zero, no width") << 0 << 0 << "0";
    QTest::newRow("wide") << 0xBD << 4 << "00BD";
    QTest::newRow("negative") << -1 << 2 << "FFFF";
}

void TestEncodings::hexText() {
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(toHex(value, width), text);
}

QTEST_GUILESS_MAIN(TestEncodings)
#include "test_encodings.moc"
