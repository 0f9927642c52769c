#include "link/udp_endpoint.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QVariant>

#include "config/failure.h"

namespace {

// The socket error numbers a technician knows from the field, by Qt error.
int socketErrorNumber(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::AddressInUseError:
        return Failure::AddressInUse; // 10048
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::DatagramTooLargeError:
        return 10040;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::NetworkError:
        return 10051; // network unreachable, e.g. no route for a plain broadcast
    case QAbstractSocket::SocketResourceError:
        return 10055;
    default:
        return 10022; // any other socket error
    }
}

// The interfaces a broadcast leaves on: up, broadcast-capable, not loopback, with IPv4.
QList<QNetworkInterface> broadcastInterfaces() {
    QList<QNetworkInterface> result;
    for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
        const auto flags = iface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::CanBroadcast) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                result << iface;
                break;
            }
        }
    }
    return result;
}

QString dottedText(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4); // also unwraps IPv4-mapped addresses
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

// Big enough for hundreds of replies at once; the kernel caps it at its own maximum.
constexpr int ReceiveBufferBytes = 4 * 1024 * 1024;

} // namespace

QtUdpEndpoint::QtUdpEndpoint() {
    connect(&socket_, &QUdpSocket::readyRead, this, [this] {
        drain();
        deliver();
    });
    // Background socket errors are ignored: nothing connects to errorOccurred.
}

void QtUdpEndpoint::close() {
    // What already reached the port is still handled, also across a set-up in a handler.
    drain();
    socket_.close();
    if (!queue_.isEmpty() && !delivering_ && !deliveryScheduled_) {
        deliveryScheduled_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                deliveryScheduled_ = false;
                deliver();
            },
            Qt::QueuedConnection);
    }
}

void QtUdpEndpoint::setUpBroadcast() {
    close();
    bindPort();
}

void QtUdpEndpoint::bindPort() {
    if (!socket_.bind(QHostAddress::AnyIPv4, Port, QAbstractSocket::DontShareAddress))
        throw Failure(socketErrorNumber(socket_.error()));
    socket_.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                            QVariant(ReceiveBufferBytes));
}

void QtUdpEndpoint::sendBroadcast(const QByteArray& bytes) {
    if (socket_.state() != QAbstractSocket::BoundState)
        bindPort();
    const QHostAddress broadcast(QHostAddress::Broadcast);
    const QList<QNetworkInterface> interfaces = broadcastInterfaces();
    if (interfaces.isEmpty()) {
        if (socket_.writeDatagram(bytes, broadcast, Port) < 0)
            throw Failure(socketErrorNumber(socket_.error()));
        return;
    }
    bool sentAny = false;
    QAbstractSocket::SocketError lastError = QAbstractSocket::UnknownSocketError;
    for (const QNetworkInterface& iface : interfaces) {
        QNetworkDatagram datagram(bytes, broadcast, Port);
        datagram.setInterfaceIndex(uint(iface.index()));
        if (socket_.writeDatagram(datagram) >= 0)
            sentAny = true;
        else
            lastError = socket_.error();
    }
    if (!sentAny)
        throw Failure(socketErrorNumber(lastError));
}

bool QtUdpEndpoint::isLocalAddress(const QString& address) const {
    const QHostAddress sender(address);
    if (sender.isLoopback())
        return true;
    for (const QHostAddress& own : QNetworkInterface::allAddresses())
        if (own.protocol() == QAbstractSocket::IPv4Protocol && own.isEqual(sender))
            return true;
    return false;
}

void QtUdpEndpoint::drain() {
    if (socket_.state() != QAbstractSocket::BoundState)
        return;
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        if (datagram.senderAddress().isNull())
            break; // a read error, not a datagram
        queue_.enqueue({datagram.data(), dottedText(datagram.senderAddress())});
    }
}

void QtUdpEndpoint::deliver() {
    if (delivering_)
        return; // a handler that runs a nested event loop; the outer loop goes on
    delivering_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{delivering_};
    while (!queue_.isEmpty()) {
        const Received next = queue_.dequeue();
        emit datagramArrived(next.data, next.sender);
        drain();
    }
}
