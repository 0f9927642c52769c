#pragma once

#include <QString>
#include <QStringList>

// Which device "COM n" is. An entry COMn=<device> in section SerialPorts of setting.ini wins;
// otherwise the n-th port the system lists, in the order of orderSerialPorts (1 = the first).
// Empty when the number names no port.
QString serialDeviceFor(int number, const QString& iniPath);

// The n-th of the given devices (1 = the first) after orderSerialPorts; empty when none.
QString nthSerialPort(int number, const QStringList& devices);

// USB adapters (ttyUSB*, ttyACM*) first, then the others; each group in natural name order
// (ttyUSB2 before ttyUSB10). Devices may be given as names or as paths.
QStringList orderSerialPorts(QStringList devices);
