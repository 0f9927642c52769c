#include <QFile>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QProcess>
#include <QUdpSocket>
#include <QtTest>

#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "failure_of.h"
#include "link/udp_endpoint.h"

namespace {

// Writes one line to a file of /proc/self.
bool writeProc(const char* name, const QByteArray& line) {
    QFile file(QString::fromLatin1("/proc/self/") + QLatin1String(name));
    return file.open(QIODevice::WriteOnly) && file.write(line) == line.size();
}

// A user namespace in which this user is root, with a network namespace of its own. Being
// root there, rather than unmapped, lets the ip commands we start keep their rights.
bool enterUserNamespace() {
    const QByteArray uid = QByteArray::number(getuid());
    const QByteArray gid = QByteArray::number(getgid());
    return unshare(CLONE_NEWUSER | CLONE_NEWNET) == 0 && writeProc("setgroups", "deny") &&
           writeProc("uid_map", "0 " + uid + " 1") && writeProc("gid_map", "0 " + gid + " 1");
}

// Moves this process into a network namespace of its own, with only the loopback interface,
// up: as root directly, otherwise inside a user namespace where the system allows one. Runs
// before any thread exists. False when neither is possible; the test then stays on the
// machine's loopback interface and skips what needs broadcast interfaces.
bool enterOwnNetwork() {
    if (unshare(CLONE_NEWNET) != 0 && !enterUserNamespace())
        return false;
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    ifreq ifr{};
    std::strncpy(ifr.ifr_name, "lo", IFNAMSIZ - 1);
    const bool up = fd >= 0 && ioctl(fd, SIOCGIFFLAGS, &ifr) == 0 &&
                    (ifr.ifr_flags |= IFF_UP, ioctl(fd, SIOCSIFFLAGS, &ifr) == 0);
    if (fd >= 0)
        ::close(fd);
    return up;
}

bool ownNetwork = false;

// Runs the ip command in our namespace.
bool ip(const QStringList& args) {
    return QProcess::execute(QStringLiteral("ip"), args) == 0;
}

const QHostAddress Loopback(QHostAddress::LocalHost);

struct Arrival {
    QByteArray data;
    QString sender;
};

// Collects what an endpoint delivers; onArrival runs inside the handler, before it returns.
struct Receiver {
    explicit Receiver(UdpEndpoint& udp) {
        QObject::connect(&udp, &UdpEndpoint::datagramArrived, &udp,
                         [this](const QByteArray& data, const QString& sender) {
                             arrivals.append({data, sender});
                             if (onArrival)
                                 onArrival(int(arrivals.size()));
                         });
    }
    QList<QByteArray> data() const {
        QList<QByteArray> all;
        for (const Arrival& a : arrivals)
            all << a.data;
        return all;
    }
    QList<Arrival> arrivals;
    std::function<void(int count)> onArrival;
};

// A datagram of the given size whose bytes tell where they belong.
QByteArray numbered(int index, int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((index * 31 + i) & 0xFF);
    return bytes;
}

} // namespace

// The QUdpSocket adapter on real sockets, in a network namespace of the test's own where the
// system allows one, else on the loopback interface only.
class TestUdpEndpoint : public QObject {
    Q_OBJECT

    // A second socket that plays the module side, on the loopback interface.
    QUdpSocket peer;

    void send(const QByteArray& bytes) {
        QCOMPARE(peer.writeDatagram(bytes, Loopback, UdpEndpoint::Port), qint64(bytes.size()));
    }

private slots:
    void init() { QVERIFY(peer.bind(Loopback, 0)); }
    void cleanup() { peer.close(); }

    // Port 1500 held by another program is never shared: set-up and a first send fail with
    // 10048, whatever sharing the holder asked for; once it lets go, the set-up succeeds.
    void heldPortIsNotShared_data() {
        QTest::addColumn<int>("holderMode");
        QTest::newRow("held exclusively") << int(QAbstractSocket::DontShareAddress);
        QTest::newRow("held for sharing")
            << int(QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
    }
    void heldPortIsNotShared() {
        QFETCH(int, holderMode);
        auto holder = std::make_unique<QUdpSocket>();
        QVERIFY(holder->bind(QHostAddress::AnyIPv4, UdpEndpoint::Port,
                             QAbstractSocket::BindMode(holderMode)));
        QtUdpEndpoint udp;
        QCOMPARE(failureOf([&] { udp.setUpBroadcast(); }), Failure::AddressInUse);
        QCOMPARE(failureOf([&] { udp.sendBroadcast("x"); }), Failure::AddressInUse);
        holder.reset();
        QCOMPARE(failureOf([&] { udp.setUpBroadcast(); }), 0);

        // And now that we hold it, another endpoint cannot have it either.
        QtUdpEndpoint second;
        QCOMPARE(failureOf([&] { second.setUpBroadcast(); }), Failure::AddressInUse);
    }

    // One delivery per datagram, in order of arrival, whole, with the sender as dotted text;
    // an empty and a largest possible datagram included.
    void deliversEveryDatagramWhole() {
        QtUdpEndpoint udp;
        udp.setUpBroadcast();
        Receiver received(udp);
        const QList<int> sizes = {35, 0, 1, 65507, 6, 20, 0, 36};
        QList<QByteArray> sent;
        for (int i = 0; i < sizes.size(); ++i) {
            sent << numbered(i, sizes.at(i));
            send(sent.last());
        }
        QTRY_COMPARE(received.arrivals.size(), sent.size());
        QCOMPARE(received.data(), sent);
        for (const Arrival& a : received.arrivals)
            QCOMPARE(a.sender, QStringLiteral("127.0.0.1"));
    }

    // Replies that arrive while the window handles earlier ones are read off the socket
    // between deliveries, so a plant answering in bursts is listed in full and in order.
    // Each of the first handlers lets 100 more arrive before it returns.
    void burstsWhileHandling() {
        QtUdpEndpoint udp;
        udp.setUpBroadcast();
        Receiver received(udp);
        constexpr int PerHandler = 100;
        constexpr int Handlers = 20;
        QList<QByteArray> sent;
        auto burst = [&] {
            for (int i = 0; i < PerHandler; ++i) {
                sent << numbered(int(sent.size()), 35);
                send(sent.last());
            }
        };
        received.onArrival = [&](int count) {
            if (count <= Handlers)
                burst();
        };
        sent << numbered(0, 35);
        send(sent.last());
        QTRY_COMPARE_WITH_TIMEOUT(received.arrivals.size(), 1 + PerHandler * Handlers, 10000);
        QCOMPARE(received.data(), sent);
    }

    // A handler that sets the socket up again (as every reset answer does) loses none of the
    // datagrams that had already arrived, and later ones still come in.
    void setUpInsideHandlerKeepsArrivals() {
        QtUdpEndpoint udp;
        udp.setUpBroadcast();
        Receiver received(udp);
        received.onArrival = [&](int) { udp.setUpBroadcast(); };
        const QList<QByteArray> first = {numbered(1, 35), numbered(2, 35), numbered(3, 20)};
        for (const QByteArray& d : first)
            send(d);
        QTRY_COMPARE(received.arrivals.size(), first.size());
        QCOMPARE(received.data(), first);
        send(numbered(4, 35));
        QTRY_COMPARE(received.arrivals.size(), first.size() + 1);
    }

    void closeNeverFails() {
        QtUdpEndpoint udp;
        udp.close(); // never opened
        udp.setUpBroadcast();
        udp.close();
        udp.close();
        QtUdpEndpoint other; // the port is free again
        QCOMPARE(failureOf([&] { other.setUpBroadcast(); }), 0);
    }

    // With no interface that can broadcast, the plain send has no route: 10051.
    void noBroadcastInterface() {
        if (!ownNetwork)
            QSKIP("needs a network namespace of the test's own");
        QtUdpEndpoint udp;
        QCOMPARE(failureOf([&] { udp.sendBroadcast(QByteArray(40, '1')); }), 10051);
        QVERIFY(udp.isLocalAddress(QStringLiteral("127.0.0.1")));
    }

    // A broadcast leaves once on every interface that can broadcast, each copy from that
    // interface's address, with no default route to carry a plain one. A veth pair inside
    // our namespace: what leaves on one end arrives at the other.
    void broadcastLeavesOnEveryInterface() {
        if (!ownNetwork)
            QSKIP("needs a network namespace of the test's own");
        QVERIFY(ip({"link", "add", "sbt0", "type", "veth", "peer", "name", "sbt1"}));
        QVERIFY(ip({"addr", "add", "10.79.1.1/24", "dev", "sbt0"}));
        QVERIFY(ip({"addr", "add", "10.79.2.1/24", "dev", "sbt1"}));
        QVERIFY(ip({"link", "set", "sbt0", "up"}));
        QVERIFY(ip({"link", "set", "sbt1", "up"}));
        // Until the link is up, a send on it goes nowhere.
        QTRY_VERIFY(QNetworkInterface::interfaceFromName("sbt1").flags().testFlag(
            QNetworkInterface::IsRunning));

        QtUdpEndpoint udp;
        udp.setUpBroadcast();
        Receiver received(udp);
        const QByteArray probe(40, '7');
        QCOMPARE(failureOf([&] { udp.sendBroadcast(probe); }), 0);
        QTRY_VERIFY(received.arrivals.size() >= 2);
        QTest::qWait(100); // every copy that is coming has come
        QSet<QString> senders;
        for (const Arrival& a : received.arrivals) {
            QCOMPARE(a.data, probe);
            senders << a.sender;
        }
        QCOMPARE(senders, (QSet<QString>{"10.79.1.1", "10.79.2.1"}));

        for (const char* own : {"10.79.1.1", "10.79.2.1", "127.0.0.1", "127.0.0.2"})
            QVERIFY2(udp.isLocalAddress(QString::fromLatin1(own)), own);
        for (const char* other : {"10.79.1.2", "10.79.3.1", "0.0.0.0", ""})
            QVERIFY2(!udp.isLocalAddress(QString::fromLatin1(other)), other);
        QVERIFY(ip({"link", "del", "sbt0"}));
    }
};

int main(int argc, char* argv[]) {
    ownNetwork = enterOwnNetwork();
    QCoreApplication app(argc, argv);
    TestUdpEndpoint test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_udp_endpoint.moc"
