#include "link/serial_port_names.h"

#include <algorithm>

#include <QSerialPortInfo>

#include "app/ini_store.h"

namespace {

QString baseName(const QString& device) {
    return device.section(QLatin1Char('/'), -1);
}

bool isUsbAdapter(const QString& device) {
    const QString name = baseName(device);
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

// Compares names with runs of digits taken as numbers: ttyS2 < ttyS10.
bool naturalLess(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros aside, the longer run of digits is the larger number.
            QStringView ra = QStringView(a).mid(i, ei - i), rb = QStringView(b).mid(j, ej - j);
            while (ra.size() > 1 && ra.front() == QLatin1Char('0'))
                ra = ra.mid(1);
            while (rb.size() > 1 && rb.front() == QLatin1Char('0'))
                rb = rb.mid(1);
            if (ra.size() != rb.size())
                return ra.size() < rb.size();
            if (const int c = ra.compare(rb); c != 0)
                return c < 0;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}

} // namespace

QStringList orderSerialPorts(QStringList devices) {
    std::stable_sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        const bool usbA = isUsbAdapter(a), usbB = isUsbAdapter(b);
        if (usbA != usbB)
            return usbA;
        return naturalLess(baseName(a), baseName(b));
    });
    return devices;
}

QString nthSerialPort(int number, const QStringList& devices) {
    const QStringList ordered = orderSerialPorts(devices);
    if (number < 1 || number > ordered.size())
        return QString();
    return ordered.at(number - 1);
}

QString serialDeviceFor(int number, const QString& iniPath) {
    if (number < 1)
        return QString();
    const QString mapped =
        readini(iniPath, QStringLiteral("SerialPorts"), QStringLiteral("COM%1").arg(number), 260)
            .trimmed();
    if (!mapped.isEmpty())
        return mapped;
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices << info.systemLocation();
    return nthSerialPort(number, devices);
}
