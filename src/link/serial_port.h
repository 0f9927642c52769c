#pragma once

#include <QObject>

// The serial port the commands talk through, and its QSerialPort adapter.
class SerialPort : public QObject {
    Q_OBJECT
public:
    ~SerialPort() override = default;
};

class QtSerialPort : public SerialPort {
    Q_OBJECT
};
