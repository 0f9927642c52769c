#pragma once

#include <QByteArray>
#include <QList>

// The main window's state flags and the configuration images of the modules found.
struct FormState {
    bool SetPending = false; // a network set was just sent; the next datagram is swallowed
    bool FoundAny = false;   // a module answered since the last search
    bool ResetMode = false;  // a LAN-wide reset is under way
    bool InTray = false;     // the window is hidden to the notification area
    QList<QByteArray> DevList; // 31-byte images, element 0 all zero after a search or reset
};
