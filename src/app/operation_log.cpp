#include "app/operation_log.h"

#include <QPlainTextEdit>
#include <QScrollBar>
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
    if (mode == 1)
        insertAtEnd(QStringLiteral("\n") + toPaneText(text));
    else
        pane_->setPlainText(toPaneText(text));
}

void OperationLog::appendToLastLine(const QString& text) {
    insertAtEnd(toPaneText(text));
}

void OperationLog::insertAtEnd(const QString& paneText) {
    // Insert at the end through a cursor of our own: the cost does not grow with the pane's
    // length, and the user's caret stays where it is. A view that showed the last line keeps
    // showing it; one the user has scrolled up stays put.
    QScrollBar* bar = pane_->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    QTextCursor cursor(pane_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(paneText);
    if (atEnd)
        bar->setValue(bar->maximum());
}

QString OperationLog::text() const {
    QString t = pane_->toPlainText();
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t;
}
