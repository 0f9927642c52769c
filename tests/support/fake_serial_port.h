#pragma once

#include <functional>

#include <QByteArray>
#include <QList>
#include <QString>

#include "link/serial_port.h"

// A serial port driven by the test: it opens whatever device it is given unless told to fail,
// records what is written, and raises the receive event when the test hands it bytes.
class FakeSerialPort : public SerialPort {
    Q_OBJECT
public:
    void setCommPort(qint16 number, const QString& device) override;
    qint16 commPort() const override { return number; }
    void setPortOpen(bool open) override;
    bool portOpen() const override { return open; }
    void output(const QByteArray& bytes) override;
    void setRThreshold(qint16 threshold) override { this->threshold = threshold; }
    qint16 rThreshold() const override { return threshold; }
    QByteArray input() override;
    qint16 commEvent() const override { return event; }

    // Bytes arrive: the receive event is raised when the threshold is reached.
    void receive(const QByteArray& bytes);
    // Raises an event of the given kind whatever waits.
    void raise(qint16 kind);

    // The next opens fail with this number (0: they succeed).
    int openFailure = 0;
    // The next outputs fail with this number (0: they succeed).
    int outputFailure = 0;
    // Runs inside output(), to look at the program while it writes.
    std::function<void(const QByteArray&)> whileOutput;

    qint16 number = 1;
    QString device;
    bool open = false;
    qint16 threshold = 0;
    qint16 event = 0;
    QByteArray waiting;
    QList<QByteArray> written;
    int opens = 0;
    int closes = 0;
};
