#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QtTest>

#include "app/operation_log.h"
#include "form_fixture.h"

// One call to the log: a text and a mode; mode -1 appends to the last line.
struct LogCall {
    QString text;
    int mode;
};
Q_DECLARE_METATYPE(QList<LogCall>)

class TestOperationLog : public QObject {
    Q_OBJECT
private slots:
    void modes_data();
    void modes();
    void typedTextIsContent();
    void appendLeavesCaretAndShowsLastLine();
    void appendDoesNotRebuildThePane();
    void longAppendRunStaysFast();
    void windowLogIsTheLogPane();
};

void TestOperationLog::modes_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<LogCall>>("calls");
    QTest::addColumn<QString>("after");

    QTest::newRow("mode 1 on an empty pane") << "" << QList<LogCall>{{"A", 1}} << "\r\nA";
    QTest::newRow("mode 1 adds a last line") << "help" << QList<LogCall>{{"A", 1}} << "help\r\nA";
    QTest::newRow("mode 0 replaces") << "help\r\ntext" << QList<LogCall>{{"X", 0}} << "X";
    QTest::newRow("mode 2 replaces") << "help" << QList<LogCall>{{"X", 2}} << "X";
    QTest::newRow("mode 255 replaces") << "help" << QList<LogCall>{{"X", 255}} << "X";
    QTest::newRow("replace with empty") << "help" << QList<LogCall>{{"", 0}} << "";
    QTest::newRow("mode 1 with an empty text") << "a" << QList<LogCall>{{"", 1}} << "a\r\n";
    QTest::newRow("multi-line texts")
        << "" << QList<LogCall>{{"a\r\nb", 0}, {"c\r\nd", 1}} << "a\r\nb\r\nc\r\nd";
    QTest::newRow("replace starting with CR LF")
        << "old" << QList<LogCall>{{"\r\nFound 1", 0}} << "\r\nFound 1";

    QList<LogCall> tenAppends{{"R", 0}};
    QString expected = "R";
    for (int i = 0; i < 10; ++i) {
        tenAppends << LogCall{QStringLiteral("L%1").arg(i), 1};
        expected += QStringLiteral("\r\nL%1").arg(i);
    }
    QTest::newRow("one replace and ten appends") << "help" << tenAppends << expected;

    QTest::newRow("dump continues the message line")
        << "tip" << QList<LogCall>{{"Unknown: ", 1}, {"00 ", -1}, {"4B ", -1}}
        << "tip\r\nUnknown: 00 4B ";
    QTest::newRow("dump on an empty pane") << "" << QList<LogCall>{{"55 ", -1}} << "55 ";
}

void TestOperationLog::modes() {
    QFETCH(QString, before);
    QFETCH(QList<LogCall>, calls);
    QFETCH(QString, after);
    QPlainTextEdit pane;
    OperationLog log(&pane);
    log.writeLog(before, 0);
    for (const LogCall& c : calls) {
        if (c.mode < 0)
            log.appendToLastLine(c.text);
        else
            log.writeLog(c.text, quint8(c.mode));
    }
    QCOMPARE(log.text(), after);
}

void TestOperationLog::typedTextIsContent() {
    QPlainTextEdit pane;
    OperationLog log(&pane);
    QVERIFY(!pane.isReadOnly());
    log.writeLog(QStringLiteral("help"), 0);
    pane.moveCursor(QTextCursor::End);
    QTest::keyClicks(&pane, QStringLiteral(" typed"));
    log.writeLog(QStringLiteral("next"), 1);
    QCOMPARE(log.text(), QStringLiteral("help typed\r\nnext"));
    log.writeLog(QStringLiteral("fresh"), 0);
    QCOMPARE(log.text(), QStringLiteral("fresh"));
}

void TestOperationLog::appendLeavesCaretAndShowsLastLine() {
    QPlainTextEdit pane;
    pane.resize(200, 100);
    pane.show();
    OperationLog log(&pane);
    log.writeLog(QStringLiteral("first"), 0);
    QTextCursor caret = pane.textCursor();
    caret.setPosition(2);
    pane.setTextCursor(caret);

    for (int i = 0; i < 50; ++i)
        log.writeLog(QStringLiteral("line %1").arg(i), 1);
    QCOMPARE(pane.textCursor().position(), 2);
    QScrollBar* bar = pane.verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum()); // the newest line stays in view

    // A view the user scrolled up is left where it is.
    bar->setValue(0);
    log.writeLog(QStringLiteral("later"), 1);
    QCOMPARE(bar->value(), 0);
}

void TestOperationLog::appendDoesNotRebuildThePane() {
    QPlainTextEdit pane;
    OperationLog log(&pane);
    log.writeLog(QStringLiteral("help\r\ntext"), 0);
    const int length = pane.document()->characterCount() - 1;

    QList<QList<int>> changes;
    connect(pane.document(), &QTextDocument::contentsChange, this,
            [&](int position, int removed, int added) {
                changes << QList<int>{position, removed, added};
            });
    log.writeLog(QStringLiteral("line"), 1);
    // One insertion at the end: nothing of the earlier text is taken out and put back.
    QCOMPARE(changes, (QList<QList<int>>{{length, 0, 5}}));
}

void TestOperationLog::longAppendRunStaysFast() {
    QPlainTextEdit pane;
    pane.resize(320, 190);
    pane.show();
    OperationLog log(&pane);
    log.writeLog(QStringLiteral("start"), 0);

    // The last thousand appends of a long run cost about what the first thousand did.
    auto appendLines = [&](int count) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < count; ++i)
            log.writeLog(QStringLiteral("Found 1 module(s). 192.168.0.7 : 00 01 02 03 04 05"), 1);
        return clock.elapsed();
    };
    QElapsedTimer total;
    total.start();
    const qint64 first = appendLines(1000);
    appendLines(98000);
    const qint64 last = appendLines(1000);

    QCOMPARE(pane.document()->blockCount(), 100001);
    QVERIFY2(total.elapsed() < 30000, qPrintable(QString::number(total.elapsed())));
    QVERIFY2(last < 10 * first + 200,
             qPrintable(QStringLiteral("first %1 ms, last %2 ms").arg(first).arg(last)));
}

void TestOperationLog::windowLogIsTheLogPane() {
    FormFixture fx;
    Form1& form = fx.create();
    form.log().writeLog(QStringLiteral("one"), 0);
    form.log().writeLog(QStringLiteral("two"), 1);
    QCOMPARE(form.ui().Text_log->toPlainText(), QStringLiteral("one\ntwo"));
}

QTEST_MAIN(TestOperationLog)
#include "test_operation_log.moc"
