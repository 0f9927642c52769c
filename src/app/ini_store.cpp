#include "app/ini_store.h"

QString readini(const QString&, const QString&, const QString&, int) { return QString(); }

bool writeini(const QString&, const QString&, const QString&, const QString&) { return false; }
