#pragma once

#include <QDateTime>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QWidget;

// Small seams over the window toolkit, so tests drive the real window with fakes.
// Each has a Qt implementation that the program uses.

// Modal message boxes; the answer is never used.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Information icon, OK, the given title (may be empty).
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK only, no icon, the program's name as title.
    virtual void plain(QWidget* parent, const QString& text) = 0;
    // OK and Cancel, no icon, the program's name as title.
    virtual void okCancel(QWidget* parent, const QString& text) = 0;
};

// The clock, and the date and time texts in the system's formats.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual QString timeText(const QTime& time) const;
    virtual QString dateText(const QDate& date) const;
    QString timeOfDay() const { return timeText(now().time()); }
};

// Opens a web address with the desktop's handler; the result is ignored.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& address) = 0;
};

// The system's default locale as a numeric identifier (2052 = Chinese, PRC).
class SystemLocale {
public:
    virtual ~SystemLocale() = default;
    virtual int identifier() const = 0;
};

// Where the program's files are.
class AppPaths {
public:
    virtual ~AppPaths() = default;
    virtual QString executableDir() const = 0;   // lang.txt, logo.jpg
    virtual QString userConfigDir() const = 0;   // fallback for setting.ini and log.txt
};

// Ending the program at once, without the window's close path.
class AppControl {
public:
    virtual ~AppControl() = default;
    virtual void exitNow() = 0;
};

// The notification-area icon.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    virtual bool isSystemTrayAvailable() const = 0;
    virtual void show(const QIcon& icon, const QString& tip) = 0;
    virtual void hide() = 0;
signals:
    void activated(QSystemTrayIcon::ActivationReason reason);
};

// The Qt implementations.
class QtMessageBoxes : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void plain(QWidget* parent, const QString& text) override;
    void okCancel(QWidget* parent, const QString& text) override;
};

class QtClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class QtUrlOpener : public UrlOpener {
public:
    void open(const QString& address) override;
};

class QtSystemLocale : public SystemLocale {
public:
    int identifier() const override;
};

// Maps a Qt locale to the numeric identifier; 0 for locales without one here.
int localeIdentifier(const QLocale& locale);

class QtAppPaths : public AppPaths {
public:
    QString executableDir() const override;
    QString userConfigDir() const override;
};

class QtAppControl : public AppControl {
public:
    void exitNow() override;
};

class QtTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    QtTrayIcon();
    bool isSystemTrayAvailable() const override;
    void show(const QIcon& icon, const QString& tip) override;
    void hide() override;

private:
    QSystemTrayIcon icon_;
};

// The program's name: the title of its plain message boxes.
inline const QString AppName = QStringLiteral("sbconfig");
