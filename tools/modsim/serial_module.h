#pragma once

#include <QByteArray>
#include <QStringList>

class QCoreApplication;

// Plays one module in configuration mode on a pseudo-terminal; returns the exit code.
// Prints the device to open as its first line on stdout, then one line "RX <hex pairs>" per
// request it received and "TX <hex pairs>" per answer it sent.
int runSerialModule(QCoreApplication& app, const QStringList& args);

// How the module answers.
enum class SerialAnswers {
    Normal,      // as a module should
    BadChecksum, // configuration frames carry a wrong checksum
    WrongKind,   // configuration frames begin 0x55 0xBD
    Unknown,     // every answer begins with 0x00
    Silent,      // no answer at all
};

// The module's side of the conversation, without the terminal: requests in, answers out.
class SerialModule {
public:
    SerialModule(SerialAnswers answers, const QByteArray& payload, const QByteArray& version);

    struct Exchange {
        QByteArray request;
        QByteArray answer; // empty when the module stays silent
    };
    // Takes received bytes; returns the requests they completed, each with its answer.
    // Bytes that begin no request are dropped one at a time.
    QList<Exchange> feed(const QByteArray& bytes);

    // The 28-byte configuration the module holds; a good write replaces it.
    QByteArray payload() const { return payload_; }

private:
    QByteArray answerTo(const QByteArray& request);
    QByteArray configurationFrame() const;

    SerialAnswers answers_;
    QByteArray payload_;
    QByteArray version_;
    QByteArray pending_;
};
