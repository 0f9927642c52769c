#include <QApplication>

#include "app/main_window.h"
#include "app/seams.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sbconfig"));
    QApplication::setOrganizationName(QStringLiteral("sbconfig"));

    QtSeams platform;
    Form1 window(platform.seams());
    if (!window.load())
        return 0;
    window.showCentred();
    return app.exec();
}
