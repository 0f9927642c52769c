#include "fakes.h"

#include <QDir>

namespace {
void record(FakeMessageBoxes& f, ShownBox box) {
    if (f.whileOpen)
        f.whileOpen(box);
    f.shown << box;
}
} // namespace

void FakeMessageBoxes::information(QWidget*, const QString& title, const QString& text) {
    record(*this, {ShownBox::Information, title, text});
}
void FakeMessageBoxes::plain(QWidget*, const QString& text) {
    record(*this, {ShownBox::Plain, AppName, text});
}
void FakeMessageBoxes::okCancel(QWidget*, const QString& text) {
    record(*this, {ShownBox::OkCancel, AppName, text});
}

FakeAppPaths::FakeAppPaths()
    : exeDir(root.filePath(QStringLiteral("exe"))),
      configDir(root.filePath(QStringLiteral("config"))) {
    QDir().mkpath(exeDir);
    QDir().mkpath(configDir);
}

void FakeTrayIcon::show(const QIcon& i, const QString& t) {
    visible = true;
    ++shows;
    icon = i;
    tip = t;
}

QString dataDir() {
    const QByteArray env = qgetenv("SBCONFIG_DATA_DIR");
    return env.isEmpty() ? QStringLiteral("data") : QString::fromLocal8Bit(env);
}
