#pragma once

#include <QObject>

// The UDP endpoint on port 1500, and its QUdpSocket adapter.
class UdpEndpoint : public QObject {
    Q_OBJECT
public:
    ~UdpEndpoint() override = default;
};

class QtUdpEndpoint : public UdpEndpoint {
    Q_OBJECT
};
