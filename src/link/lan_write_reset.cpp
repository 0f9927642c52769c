#include "link/lan_write_reset.h"

LanWriteReset::LanWriteReset(LanDiscovery& discovery, const QString& logTxtPath)
    : discovery_(discovery), logTxtPath_(logTxtPath) {}
