#include "fake_serial_port.h"

#include "config/failure.h"

void FakeSerialPort::setCommPort(qint16 n, const QString& d) {
    if (open)
        throw Failure(Failure::PortInUse);
    number = n;
    device = d;
}

void FakeSerialPort::setPortOpen(bool o) {
    if (!o) {
        if (open)
            ++closes;
        open = false;
        return;
    }
    if (open)
        throw Failure(Failure::PortInUse);
    if (openFailure != 0)
        throw Failure(openFailure);
    open = true;
    waiting.clear();
    ++opens;
}

void FakeSerialPort::output(const QByteArray& bytes) {
    if (!open)
        throw Failure(NotOpen);
    if (whileOutput)
        whileOutput(bytes);
    if (outputFailure != 0)
        throw Failure(outputFailure);
    written << bytes;
}

QByteArray FakeSerialPort::input() {
    if (!open)
        return {};
    QByteArray bytes;
    bytes.swap(waiting);
    return bytes;
}

void FakeSerialPort::receive(const QByteArray& bytes) {
    if (!open)
        return; // a closed port hears nothing
    waiting += bytes;
    if (threshold > 0 && waiting.size() >= threshold)
        raise(EvReceive);
}

void FakeSerialPort::raise(qint16 kind) {
    event = kind;
    emit OnComm();
}
