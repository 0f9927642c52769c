#include <QLineEdit>
#include <QtTest>

#include "typing.h"

#include "app/controls.h"

// The typing limit of the password fields: six characters typed, while a longer text the
// program put there (a restored setting) stays whole and can be shortened key by key.
class TestTypingLimit : public QObject {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
};

void TestTypingLimit::keys_data() {
    QTest::addColumn<QString>("start"); // set by the program; the caret at its end
    QTest::addColumn<QString>("keys");  // "<" is Backspace
    QTest::addColumn<QString>("result");
    QTest::newRow("typing stops at the limit") << ""
                                               << "abcdefgh"
                                               << "abcdef";
    QTest::newRow("a longer program text stays") << "abcdefgh"
                                                 << ""
                                                 << "abcdefgh";
    QTest::newRow("a longer text shortens") << "abcdefgh"
                                            << "<"
                                            << "abcdefg";
    QTest::newRow("no typing while above the limit") << "abcdefgh"
                                                     << "<x"
                                                     << "abcdefg";
    QTest::newRow("typing again below the limit") << "abcdefgh"
                                                  << "<<<xy"
                                                  << "abcdex";
}

void TestTypingLimit::keys() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, result);
    QLineEdit edit;
    new TypingLimit(&edit, 6);
    edit.setText(start);
    edit.end(false);
    typeKeys(&edit, keys);
    QCOMPARE(edit.text(), result);
}

QTEST_MAIN(TestTypingLimit)
#include "test_typing_limit.moc"
