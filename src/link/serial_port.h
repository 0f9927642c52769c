#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

// The serial port the commands talk through: one port at a time, selected by its COM number
// and the device that number stands for, always at 9600 baud, 8 data bits, no parity, one stop
// bit, no flow control, every byte value passed unchanged. Failures are thrown as Failure.
class SerialPort : public QObject {
    Q_OBJECT
public:
    // Kinds of receive event (commEvent()).
    static constexpr qint16 EvReceive = 2;      // bytes are waiting, at least the threshold
    static constexpr qint16 EvLineError = 1004; // the line reported an error

    // Failure numbers of our own, beside 8002 (no such port) and 8005 (open or in use).
    static constexpr int OpenFailed = 8010;  // the system refused to open or set up the port
    static constexpr int NotOpen = 8012;     // output on a port that is not open
    static constexpr int WriteFailed = 8013; // the system refused the bytes to send

    ~SerialPort() override = default;

    // Selects the port: its COM number and the device it stands for (empty when none).
    // 8005 while the port is open.
    virtual void setCommPort(qint16 number, const QString& device) = 0;
    virtual qint16 commPort() const = 0;

    // Opens (8002, 8005 or OpenFailed) or closes the selected port. Opening starts with
    // empty buffers; closing never fails; setting the state it already has does nothing
    // when closing and fails with 8005 when opening.
    virtual void setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;

    // Queues every byte for sending, in order, and returns at once.
    virtual void output(const QByteArray& bytes) = 0;

    // The receive event is raised when at least this many bytes wait; 0 raises none.
    virtual void setRThreshold(qint16 threshold) = 0;
    virtual qint16 rThreshold() const = 0;

    // Every waiting byte, raw; the receive buffer is empty afterwards. Empty when closed.
    virtual QByteArray input() = 0;

    // The kind of the event being raised.
    virtual qint16 commEvent() const = 0;

signals:
    // A receive event (commEvent() == EvReceive) or another kind of event.
    void OnComm();
};

// The QSerialPort adapter.
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    QtSerialPort();

    void setCommPort(qint16 number, const QString& device) override;
    qint16 commPort() const override { return number_; }
    void setPortOpen(bool open) override;
    bool portOpen() const override { return port_.isOpen(); }
    void output(const QByteArray& bytes) override;
    void setRThreshold(qint16 threshold) override;
    qint16 rThreshold() const override { return threshold_; }
    QByteArray input() override;
    qint16 commEvent() const override { return event_; }

private:
    void open();
    void checkReceived();
    void raise(qint16 event);
    void lineError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    qint16 number_ = 1;
    qint16 threshold_ = 0;
    qint16 event_ = 0;
    bool checkScheduled_ = false;
};

// The failure number for a QSerialPort error met while opening.
int openFailureNumber(QSerialPort::SerialPortError error);
