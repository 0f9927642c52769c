#include <QtTest>

#include "config/numbers.h"
#include "failure_of.h"

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void lenient_data();
    void lenient();
    void strict32_data();
    void strict32();
    void strict16_data();
    void strict16();
    void byte_data();
    void byte();
};

void TestNumbers::lenient_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("leading number") << "12abc" << 12.0;
    QTest::newRow("blanks skipped") << " 1 2 " << 12.0;
    QTest::newRow("negative decimal") << " - 3.5x" << -3.5;
    QTest::newRow("leading point") << "+.5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign only") << "7e+x" << 7.0;
    QTest::newRow("hex is not read") << "0x1F" << 0.0;
    QTest::newRow("large") << "99999" << 99999.0;
}

void TestNumbers::lenient() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(lenientNumber(text), value);
}

void TestNumbers::strict32_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("failure");
    QTest::newRow("plain") << "115200" << 115200 << 0;
    QTest::newRow("surrounding blanks") << " 42 " << 42 << 0;
    QTest::newRow("half down to even") << "2.5" << 2 << 0;
    QTest::newRow("half up to even") << "3.5" << 4 << 0;
    QTest::newRow("negative half") << "-2.5" << -2 << 0;
    QTest::newRow("exponent") << "1e3" << 1000 << 0;
    QTest::newRow("max") << "2147483647" << 2147483647 << 0;
    QTest::newRow("max, rounded down") << "2147483647.4" << 2147483647 << 0;
    QTest::newRow("min") << "-2147483648" << int(-2147483648LL) << 0;
    QTest::newRow("above max") << "2147483648" << 0 << 6;
    QTest::newRow("below min") << "-2147483649" << 0 << 6;
    QTest::newRow("beyond double") << "1e400" << 0 << 6;
    QTest::newRow("empty") << "" << 0 << 13;
    QTest::newRow("blank") << "  " << 0 << 13;
    QTest::newRow("letters") << "abc" << 0 << 13;
    QTest::newRow("trailing letters") << "12abc" << 0 << 13;
    QTest::newRow("infinity") << "inf" << 0 << 13;
    QTest::newRow("not a number") << "nan" << 0 << 13;
}

void TestNumbers::strict32() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(int, failure);
    qint32 got = 0;
    QCOMPARE(failureOf([&] { got = strictInt32(text); }), failure);
    if (failure == 0)
        QCOMPARE(got, value);
    QCOMPARE(isNumber(text), failure != 13);
}

void TestNumbers::strict16_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("failure");
    QTest::newRow("port 1") << "1" << 1 << 0;
    QTest::newRow("max") << "32767" << 32767 << 0;
    QTest::newRow("min") << "-32768" << -32768 << 0;
    QTest::newRow("rounded") << "1.5" << 2 << 0;
    QTest::newRow("above max") << "32768" << 0 << 6;
    QTest::newRow("rounds above max") << "32767.5" << 0 << 6;
    QTest::newRow("no number") << "COM1" << 0 << 13;
}

void TestNumbers::strict16() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(int, failure);
    qint16 got = 0;
    QCOMPARE(failureOf([&] { got = strictInt16(text); }), failure);
    if (failure == 0)
        QCOMPARE(int(got), value);
}

void TestNumbers::byte_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("failure");
    QTest::newRow("0") << 0.0 << 0 << 0;
    QTest::newRow("255") << 255.0 << 255 << 0;
    QTest::newRow("half to even 0") << 0.5 << 0 << 0;
    QTest::newRow("half to even 2") << 1.5 << 2 << 0;
    QTest::newRow("254.5") << 254.5 << 254 << 0;
    QTest::newRow("255.4") << 255.4 << 255 << 0;
    QTest::newRow("-0.5 rounds to 0") << -0.5 << 0 << 0;
    QTest::newRow("255.5 rounds to 256") << 255.5 << 0 << 6;
    QTest::newRow("256") << 256.0 << 0 << 6;
    QTest::newRow("-0.6") << -0.6 << 0 << 6;
    QTest::newRow("-1") << -1.0 << 0 << 6;
    QTest::newRow("infinity") << qInf() << 0 << 6;
}

void TestNumbers::byte() {
    QFETCH(double, value);
    QFETCH(int, byte);
    QFETCH(int, failure);
    quint8 got = 0;
    QCOMPARE(failureOf([&] { got = makeByte(value); }), failure);
    if (failure == 0)
        QCOMPARE(int(got), byte);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
