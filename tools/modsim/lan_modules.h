#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

class QCoreApplication;

// Plays one or more modules on the LAN (UDP port 1500); returns the exit code.
// Prints "READY <count>" once the port is bound, then one line per event:
//   RX <sender> <hex pairs>    a datagram heard from another machine
//   TX <hex pairs>             a datagram sent (to 255.255.255.255:1500)
//   APPLIED <mac> <28 bytes>   a set packet taken by the module with that MAC
//   RESET <mac> <6 bytes>      a reset packet taken, with the module's new password
//   REFUSED <mac>              a set or reset packet for that module with a wrong password
int runLanModules(QCoreApplication& app, const QStringList& args);

// One module as the LAN sees it.
struct LanModule {
    QByteArray mac;      // 6 bytes
    QByteArray password; // 6 bytes; a shorter password text is followed by 0 bytes
    QByteArray config;   // 28 bytes, in configuration-frame order
    quint8 version = 0x42;
    int replyLength = 35; // a full reply; shorter replies are cut, longer ones padded with 0

    // MAC, version byte and configuration, at replyLength bytes.
    QByteArray reply() const;
};

// The modules' side of the conversation, without the socket: datagrams in, answers out.
class LanModules {
public:
    explicit LanModules(QList<LanModule> modules) : modules_(std::move(modules)) {}

    static const QByteArray SearchProbe; // 40 bytes
    static const QByteArray ResetProbe;  // 39 bytes

    struct Outcome {
        QList<QByteArray> answers; // in the order the modules send them
        QStringList reports;       // APPLIED, RESET and REFUSED lines
    };
    // What the modules do with one datagram from the program: every module answers a
    // probe; the module a set packet names takes its configuration and answers with it; the
    // module a reset packet names takes its new password and restarts, answering nothing.
    Outcome handle(const QByteArray& datagram);

private:
    // A set packet names a module by MAC bytes 1..5 (byte 0 is always 0 in it), a reset
    // packet by all six bytes. Returns the module, or nullptr when none has that MAC.
    LanModule* addressed(const QByteArray& packet, int firstMacByte);

    QList<LanModule> modules_;
};
