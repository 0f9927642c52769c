#include "link/serial_port.h"

#include <QTimer>

#include "config/failure.h"

int openFailureNumber(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return Failure::PortNotFound;
    case QSerialPort::PermissionError: // held by another program (lock file or exclusive)
    case QSerialPort::OpenError:       // already open here
        return Failure::PortInUse;
    default:
        return SerialPort::OpenFailed;
    }
}

QtSerialPort::QtSerialPort() {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialPort::checkReceived);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::lineError);
}

void QtSerialPort::setCommPort(qint16 number, const QString& device) {
    if (port_.isOpen())
        throw Failure(Failure::PortInUse);
    number_ = number;
    port_.setPortName(device);
}

void QtSerialPort::setPortOpen(bool open) {
    if (open)
        this->open();
    else if (port_.isOpen())
        port_.close();
}

void QtSerialPort::open() {
    if (port_.isOpen())
        throw Failure(Failure::PortInUse);
    if (port_.portName().isEmpty())
        throw Failure(Failure::PortNotFound);
    // A transparent 8-bit line; the modem-control lines are left as the system sets them.
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(0);
    if (!port_.open(QIODevice::ReadWrite)) {
        const int number = openFailureNumber(port_.error());
        port_.clearError();
        throw Failure(number);
    }
    // Bytes left over from before the open belong to no command of ours.
    port_.clear();
    port_.clearError();
}

void QtSerialPort::output(const QByteArray& bytes) {
    if (!port_.isOpen())
        throw Failure(NotOpen);
    if (port_.write(bytes) != bytes.size()) {
        port_.clearError();
        throw Failure(WriteFailed);
    }
}

void QtSerialPort::setRThreshold(qint16 threshold) {
    threshold_ = threshold;
    // Bytes that already wait reach the new threshold too; look once the caller is done.
    if (port_.isOpen() && !checkScheduled_) {
        checkScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            checkScheduled_ = false;
            checkReceived();
        });
    }
}

QByteArray QtSerialPort::input() {
    if (!port_.isOpen())
        return {};
    return port_.readAll();
}

void QtSerialPort::checkReceived() {
    if (port_.isOpen() && threshold_ > 0 && port_.bytesAvailable() >= threshold_)
        raise(EvReceive);
}

void QtSerialPort::raise(qint16 event) {
    event_ = event;
    emit OnComm();
}

void QtSerialPort::lineError(QSerialPort::SerialPortError error) {
    // Errors of opening are thrown by open(); only those of an open line become events.
    if (error == QSerialPort::NoError || !port_.isOpen())
        return;
    port_.clearError();
    raise(EvLineError);
}
