#include "app/toolkit.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

QString Clock::timeText(const QTime& time) const {
    // The long time format without a time-zone part: hours, minutes and seconds.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return QLocale::system().toString(time, format.trimmed());
}

QString Clock::dateText(const QDate& date) const {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtMessageBoxes::plain(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppName, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtMessageBoxes::okCancel(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppName, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.exec();
}

void QtUrlOpener::open(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address.trimmed()));
}

int localeIdentifier(const QLocale& locale) {
    struct Entry {
        QLocale::Language language;
        QLocale::Territory territory;
        int id;
    };
    static const Entry table[] = {
        {QLocale::Chinese, QLocale::China, 2052},
        {QLocale::Chinese, QLocale::Taiwan, 1028},
        {QLocale::Chinese, QLocale::HongKong, 3076},
        {QLocale::Chinese, QLocale::Singapore, 4100},
        {QLocale::Chinese, QLocale::Macao, 5124},
        {QLocale::English, QLocale::UnitedStates, 1033},
        {QLocale::English, QLocale::UnitedKingdom, 2057},
        {QLocale::German, QLocale::Germany, 1031},
        {QLocale::French, QLocale::France, 1036},
        {QLocale::Japanese, QLocale::Japan, 1041},
    };
    for (const Entry& e : table) {
        if (e.language == locale.language() && e.territory == locale.territory()) {
            // Traditional script in mainland China is not the PRC's default.
            if (e.id == 2052 && locale.script() == QLocale::TraditionalChineseScript)
                return 0;
            return e.id;
        }
    }
    return 0;
}

int QtSystemLocale::identifier() const { return localeIdentifier(QLocale::system()); }

QString QtAppPaths::executableDir() const { return QCoreApplication::applicationDirPath(); }

QString QtAppPaths::userConfigDir() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

void QtAppControl::exitNow() { QCoreApplication::exit(0); }

QtTrayIcon::QtTrayIcon() {
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
}

bool QtTrayIcon::isSystemTrayAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTrayIcon::show(const QIcon& icon, const QString& tip) {
    icon_.setIcon(icon);
    icon_.setToolTip(tip);
    icon_.show();
}

void QtTrayIcon::hide() { icon_.hide(); }
