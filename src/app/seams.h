#pragma once

#include <memory>

class MessageBoxes;
class Clock;
class UrlOpener;
class SystemLocale;
class AppPaths;
class AppControl;
class TrayIcon;
class SerialPort;
class UdpEndpoint;

// Everything the main window needs from the platform. Tests fill it with fakes.
struct Seams {
    MessageBoxes* boxes = nullptr;
    Clock* clock = nullptr;
    UrlOpener* urls = nullptr;
    SystemLocale* locale = nullptr;
    AppPaths* paths = nullptr;
    AppControl* app = nullptr;
    TrayIcon* tray = nullptr;
    SerialPort* serial = nullptr; // MSComm
    UdpEndpoint* udp = nullptr;   // Winsock
};

// The Qt implementations of every seam, owned together.
class QtSeams {
public:
    QtSeams();
    ~QtSeams();
    Seams& seams() { return seams_; }

private:
    struct Owned;
    std::unique_ptr<Owned> owned_;
    Seams seams_;
};
