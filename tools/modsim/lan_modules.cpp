#include "lan_modules.h"

#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QTimer>

#include "config/failure.h"
#include "console.h"
#include "link/udp_endpoint.h"
#include "module_config.h"

namespace {

constexpr int ConfigSize = 28;
constexpr int SetPacketSize = 40;
constexpr int ResetPacketSize = 39;

QString macText(const QByteArray& mac) {
    return QString::fromLatin1(mac.toHex().toUpper());
}

// The six password bytes a module compares: the text's first six characters, then 0.
QByteArray passwordBytes(const QString& text) {
    QByteArray bytes = text.left(6).toLatin1();
    return bytes + QByteArray(6 - bytes.size(), '\0');
}

// Module n's MAC: the base MAC plus n, read as one 48-bit number.
QByteArray nthMac(const QByteArray& base, int n) {
    quint64 value = 0;
    for (char c : base)
        value = (value << 8) | quint8(c);
    value += quint64(n);
    QByteArray mac(6, '\0');
    for (int i = 5; i >= 0; --i, value >>= 8)
        mac[i] = char(value & 0xFF);
    return mac;
}

struct Options {
    QList<LanModule> modules;
    int delayMs = 0;
    int staggerMs = 5;
};

bool parseInt(const QString& text, int low, int high, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

bool parseOptions(const QStringList& args, Options& options) {
    static const QStringList known = {"--modules=", "--mac=",   "--password=", "--version-byte=",
                                      "--lengths=", "--delay=", "--stagger=",  "--all-at-once"};
    for (const QString& a : args.mid(1))
        if (std::none_of(known.begin(), known.end(),
                         [&a](const QString& k) { return a.startsWith(k); }))
            return false;
    int count = 0;
    if (!parseInt(optionValue(args, "modules", "1"), 1, 10000, count))
        return false;
    const QByteArray mac = QByteArray::fromHex(optionValue(args, "mac", "001A2B3C4D5E").toLatin1());
    bool versionOk = false;
    const uint version = optionValue(args, "version-byte", "42").toUInt(&versionOk, 16);
    QList<int> lengths;
    for (const QString& piece : optionValue(args, "lengths", "35").split(QLatin1Char(','))) {
        int length = 0;
        if (!parseInt(piece, 0, 65507, length))
            return false;
        lengths << length;
    }
    if (mac.size() != 6 || !versionOk || version > 0xFF ||
        !parseInt(optionValue(args, "delay", "0"), 0, 600000, options.delayMs) ||
        !parseInt(optionValue(args, "stagger", "5"), 0, 60000, options.staggerMs))
        return false;
    if (args.contains(QStringLiteral("--all-at-once")))
        options.staggerMs = 0;
    const QByteArray password = passwordBytes(optionValue(args, "password", QString()));
    for (int n = 0; n < count; ++n)
        options.modules << LanModule{nthMac(mac, n), password, moduleConfig(n), quint8(version),
                                     lengths.at(n % lengths.size())};
    return true;
}

const char Usage[] = "usage: sbconfig-modsim [--modules=N] [--mac=HEX12] [--password=TEXT]\n"
                     "                       [--version-byte=HEX] [--lengths=L1,L2,...]\n"
                     "                       [--delay=MS] [--stagger=MS] [--all-at-once]\n"
                     "       sbconfig-modsim --serial [--answers=...] [--version=TEXT]\n";

} // namespace

// Written out here rather than taken from the program, so that the simulator checks what
// the program sends instead of agreeing with it by construction.
const QByteArray LanModules::SearchProbe =
    QByteArrayLiteral("1234567890123456789012345678901234567890");
const QByteArray LanModules::ResetProbe =
    QByteArrayLiteral("123456789012345678901234567890123456789");

QByteArray LanModule::reply() const {
    QByteArray bytes = mac + char(version) + config;
    if (bytes.size() < replyLength)
        bytes += QByteArray(replyLength - bytes.size(), '\0');
    return bytes.left(replyLength);
}

LanModule* LanModules::addressed(const QByteArray& packet, int firstMacByte) {
    for (LanModule& m : modules_)
        if (packet.mid(firstMacByte, 6 - firstMacByte) == m.mac.mid(firstMacByte))
            return &m;
    return nullptr;
}

LanModules::Outcome LanModules::handle(const QByteArray& datagram) {
    Outcome outcome;
    if (datagram == SearchProbe || datagram == ResetProbe) {
        for (const LanModule& m : modules_)
            outcome.answers << m.reply();
        return outcome;
    }
    const bool set = datagram.size() == SetPacketSize;
    if (!set && datagram.size() != ResetPacketSize)
        return outcome;
    LanModule* module = addressed(datagram, set ? 1 : 0);
    if (!module)
        return outcome;
    const QString mac = macText(module->mac);
    if (datagram.mid(6, 6) != module->password) {
        outcome.reports << QStringLiteral("REFUSED ") + mac;
        return outcome;
    }
    if (set) {
        module->config = datagram.mid(12, ConfigSize);
        outcome.reports
            << QStringLiteral("APPLIED %1 %2").arg(mac, module->config.toHex(' ').toUpper());
        outcome.answers << module->reply();
    } else {
        module->password = datagram.mid(32, 6);
        outcome.reports
            << QStringLiteral("RESET %1 %2").arg(mac, module->password.toHex(' ').toUpper());
    }
    return outcome;
}

int runLanModules(QCoreApplication& app, const QStringList& args) {
    Options options;
    if (!parseOptions(args, options)) {
        std::fputs(Usage, stderr);
        return 2;
    }
    LanModules modules(options.modules);
    QtUdpEndpoint udp;
    const auto send = [&udp](const QByteArray& bytes) {
        try {
            udp.sendBroadcast(bytes);
            printLine(QStringLiteral("TX"), bytes);
        } catch (const Failure& f) {
            std::fprintf(stderr, "sbconfig-modsim: send failed, error %d\n", f.number());
        }
    };
    QObject::connect(&udp, &UdpEndpoint::datagramArrived, &app,
                     [&](const QByteArray& data, const QString& sender) {
                         if (udp.isLocalAddress(sender))
                             return; // our own broadcasts come back to us
                         printLine(QStringLiteral("RX"), data, sender);
                         const LanModules::Outcome outcome = modules.handle(data);
                         for (const QString& report : outcome.reports)
                             printText(report);
                         for (int i = 0; i < outcome.answers.size(); ++i)
                             QTimer::singleShot(options.delayMs + i * options.staggerMs, &app,
                                                [send, a = outcome.answers.at(i)] { send(a); });
                     });
    try {
        udp.setUpBroadcast();
    } catch (const Failure& f) {
        std::fprintf(stderr, "sbconfig-modsim: cannot bind UDP port %d, error %d\n",
                     int(UdpEndpoint::Port), f.number());
        return 1;
    }
    printText(QStringLiteral("READY %1").arg(options.modules.size()));
    return app.exec();
}
