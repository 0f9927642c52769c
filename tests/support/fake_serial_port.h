#pragma once

#include "link/serial_port.h"

// A serial port driven by the test.
class FakeSerialPort : public SerialPort {
    Q_OBJECT
};
