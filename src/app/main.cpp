#include <QApplication>

#include "app/main_window.h"
#include "app/seams.h"
#include "app/window_layout.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sbconfig"));
    QApplication::setOrganizationName(QStringLiteral("sbconfig"));
    QApplication::setFont(windowFont());

    QtSeams platform;
    Form1 window(platform.seams());
    if (!window.load())
        return 0; // lang.txt missing: its message has been shown, the window never is
    window.showCentred();
    return app.exec();
}
