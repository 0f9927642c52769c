#pragma once

#include <QString>

class LanDiscovery;

// The network set, the LAN-wide reset, the daily reset clock and log.txt.
class LanWriteReset {
public:
    LanWriteReset(LanDiscovery& discovery, const QString& logTxtPath);

private:
    LanDiscovery& discovery_;
    QString logTxtPath_;
};
