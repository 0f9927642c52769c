#pragma once

#include <QByteArrayList>
#include <QStringList>

#include "link/udp_endpoint.h"

// A UDP endpoint driven by the test: records what the program does with it, fails where the
// test says, and hands over datagrams the test delivers.
class FakeUdpEndpoint : public UdpEndpoint {
    Q_OBJECT
public:
    void close() override;
    void setUpBroadcast() override;
    void sendBroadcast(const QByteArray& bytes) override;
    bool isLocalAddress(const QString& address) const override;

    // Raises datagramArrived as the socket would.
    void deliver(const QByteArray& data, const QString& sender);

    // Every call in order: "close", "setup", "send".
    QStringList calls;
    QByteArrayList sent;
    // A failure number for the next set-ups or sends; 0 for none.
    int setUpFailure = 0;
    int sendFailure = 0;
    QStringList localAddresses{QStringLiteral("192.168.0.100"), QStringLiteral("127.0.0.1")};
};
