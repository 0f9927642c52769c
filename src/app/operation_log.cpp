#include "app/operation_log.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The pane holds lines as blocks; CR LF in a text becomes a block break.
QString toPaneText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

} // namespace

void OperationLog::writeLog(const QString& text, quint8 mode) {
    if (mode == 1) {
        // Insert at the end through a cursor of our own: the cost does not grow with the
        // pane's length, and the user's caret and scroll position stay where they are.
        QTextCursor cursor(pane_->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\n") + toPaneText(text));
    } else {
        pane_->setPlainText(toPaneText(text));
    }
}

void OperationLog::appendToLastLine(const QString& text) {
    QTextCursor cursor(pane_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(toPaneText(text));
}

QString OperationLog::text() const {
    QString t = pane_->toPlainText();
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t;
}
