#pragma once

#include "link/udp_endpoint.h"

// A UDP endpoint driven by the test.
class FakeUdpEndpoint : public UdpEndpoint {
    Q_OBJECT
};
