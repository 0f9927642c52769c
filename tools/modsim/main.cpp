#include <QCoreApplication>
#include <QStringList>

#include "lan_modules.h"
#include "serial_module.h"

// sbconfig-modsim: plays converter modules for trying the program without hardware.
// Without --serial it plays one or more modules on the LAN (UDP port 1500); with --serial
// it plays one module in configuration mode on a pseudo-terminal.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--serial")))
        return runSerialModule(app, args);
    return runLanModules(app, args);
}
