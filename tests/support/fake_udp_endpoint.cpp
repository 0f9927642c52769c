#include "fake_udp_endpoint.h"

#include "config/failure.h"

void FakeUdpEndpoint::close() {
    calls << QStringLiteral("close");
}

void FakeUdpEndpoint::setUpBroadcast() {
    close();
    calls << QStringLiteral("setup");
    if (setUpFailure != 0)
        throw Failure(setUpFailure);
}

void FakeUdpEndpoint::sendBroadcast(const QByteArray& bytes) {
    calls << QStringLiteral("send");
    if (sendFailure != 0)
        throw Failure(sendFailure);
    sent << bytes;
}

bool FakeUdpEndpoint::isLocalAddress(const QString& address) const {
    return localAddresses.contains(address);
}

void FakeUdpEndpoint::deliver(const QByteArray& data, const QString& sender) {
    emit datagramArrived(data, sender);
}
