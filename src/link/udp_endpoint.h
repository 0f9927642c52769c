#pragma once

#include <QByteArray>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QUdpSocket>

// The UDP endpoint all LAN traffic goes through: local port 1500, broadcasts to
// 255.255.255.255:1500. Failures are thrown as Failure with their socket error number.
class UdpEndpoint : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 Port = 1500;

    ~UdpEndpoint() override = default;

    // Closes the socket in any state; never fails.
    virtual void close() = 0;
    // Close, then bind to local port 1500 on every IPv4 address without sharing the port
    // (10048 when another program holds it).
    virtual void setUpBroadcast() = 0;
    // Sends one datagram to 255.255.255.255:1500, binding first if the socket is not bound.
    virtual void sendBroadcast(const QByteArray& bytes) = 0;
    // True when address (dotted text) is one of this machine's IPv4 addresses.
    virtual bool isLocalAddress(const QString& address) const = 0;

signals:
    // One per received datagram, in order of arrival, never from inside a send.
    void datagramArrived(const QByteArray& data, const QString& senderAddress);
};

// The QUdpSocket adapter. Broadcasts leave once on every IPv4 interface that is up and can
// broadcast (loopback excluded), so modules behind any adapter hear them; a plain send is
// used only when there is no such interface. Received datagrams are read into a queue of
// our own before any is handled and again between datagrams, so a burst of replies is not
// lost in the kernel's small receive buffer while the window handles the first ones.
class QtUdpEndpoint : public UdpEndpoint {
    Q_OBJECT
public:
    QtUdpEndpoint();

    void close() override;
    void setUpBroadcast() override;
    void sendBroadcast(const QByteArray& bytes) override;
    bool isLocalAddress(const QString& address) const override;

private:
    struct Received {
        QByteArray data;
        QString sender;
    };

    void bindPort();
    void drain();
    void deliver();

    QUdpSocket socket_;
    QQueue<Received> queue_;
    bool delivering_ = false;
    bool deliveryScheduled_ = false;
};
