#pragma once

#include <QString>

class QPlainTextEdit;

// The operation log pane. Its content is one text whose lines are separated by CR LF.
class OperationLog {
public:
    explicit OperationLog(QPlainTextEdit* pane) : pane_(pane) {}

    // Mode 1: a new last line (previous text, CR LF, text). Any other mode: text replaces all.
    void writeLog(const QString& text, quint8 mode);
    // Appends text to the end of the last line, without a line break.
    void appendToLastLine(const QString& text);
    // The pane's whole text, lines joined by CR LF.
    QString text() const;

private:
    void insertAtEnd(const QString& paneText);

    QPlainTextEdit* pane_;
};
