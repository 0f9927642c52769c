#include "serial_module.h"

int runSerialModule(QCoreApplication&, const QStringList&) { return 0; }
