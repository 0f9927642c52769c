#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "app/toolkit.h"

// Fakes of the toolkit seams, recording what the program asked of them.

struct ShownBox {
    enum Style { Information, Plain, OkCancel } style;
    QString title;
    QString text;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    void information(QWidget*, const QString& title, const QString& text) override;
    void plain(QWidget*, const QString& text) override;
    void okCancel(QWidget*, const QString& text) override;
    // Runs while a box is "open", before it returns, to check what has not happened yet.
    std::function<void(const ShownBox&)> whileOpen;
    QList<ShownBox> shown;
};

// A clock that stands where the test puts it.
class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    QString timeText(const QTime& t) const override { return t.toString("HH:mm:ss"); }
    QString dateText(const QDate& d) const override { return d.toString("yyyy-MM-dd"); }
    QDateTime current{QDate(2026, 12, 11), QTime(12, 34, 56)};
};

class FakeUrlOpener : public UrlOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

class FakeSystemLocale : public SystemLocale {
public:
    int identifier() const override { return id; }
    int id = 1033;
};

// Both folders in one temporary directory of the test's own.
class FakeAppPaths : public AppPaths {
public:
    FakeAppPaths();
    QString executableDir() const override { return exeDir; }
    QString userConfigDir() const override { return configDir; }
    QTemporaryDir root;
    QString exeDir;
    QString configDir;
};

class FakeAppControl : public AppControl {
public:
    void exitNow() override { ++exits; }
    int exits = 0;
};

class FakeTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    bool isSystemTrayAvailable() const override { return available; }
    void show(const QIcon&, const QString& tip) override;
    void hide() override { visible = false; }
    bool available = true;
    bool visible = false;
    int shows = 0;
    QIcon icon;
    QString tip;
};

// The path of the repository's data folder (lang.txt, logo.jpg), set by CTest.
QString dataDir();
