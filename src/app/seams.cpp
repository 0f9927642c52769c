#include "app/seams.h"

#include "app/toolkit.h"
#include "link/serial_port.h"
#include "link/udp_endpoint.h"

struct QtSeams::Owned {
    QtMessageBoxes boxes;
    QtClock clock;
    QtUrlOpener urls;
    QtSystemLocale locale;
    QtAppPaths paths;
    QtAppControl app;
    QtTrayIcon tray;
    QtSerialPort serial;
    QtUdpEndpoint udp;
};

QtSeams::QtSeams() : owned_(std::make_unique<Owned>()) {
    seams_ = Seams{&owned_->boxes, &owned_->clock, &owned_->urls,   &owned_->locale,
                   &owned_->paths, &owned_->app,   &owned_->tray,   &owned_->serial,
                   &owned_->udp};
}

QtSeams::~QtSeams() = default;
