#include <QCoreApplication>

// sbconfig-modsim: plays converter modules for trying the program without hardware.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return 0;
}
