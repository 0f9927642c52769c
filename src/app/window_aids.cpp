#include "app/window_aids.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>

#include "app/controls.h"
#include "app/form_state.h"
#include "app/toolkit.h"
#include "app/window_layout.h"
#include "lang/language_table.h"

WindowAids::WindowAids(QMainWindow* window, Form1Controls& ui, FormState& state,
                       LanguageTable& lang, MessageBoxes& boxes, UrlOpener& urls, TrayIcon& tray)
    : window_(window), ui_(ui), state_(state), lang_(lang), boxes_(boxes), urls_(urls),
      tray_(tray) {
    connect(ui_.Label3, &ClickLabel::clicked, this, &WindowAids::Label3_Click);
    for (int i = 0; i < int(ui_.Label2.size()); ++i)
        connect(ui_.Label2[i], &ClickLabel::clicked, this, [this, i] { Label2_Click(i); });
    connect(ui_.gourl, &ClickLabel::clicked, this, &WindowAids::gourl_Click);
    connect(&tray_, &TrayIcon::activated, this, &WindowAids::trayActivated);
    ui_.Text_log->installEventFilter(this);
}

void WindowAids::Label3_Click() {
    boxes_.information(window_, QString(), lang_.getLangText(QStringLiteral("lang_help_click")));
}

void WindowAids::Label2_Click(int index) {
    boxes_.information(window_, QString(), ui_.Label2[index]->toolTip());
}

void WindowAids::gourl_Click() {
    urls_.open(lang_.getLangText(QStringLiteral("lang_website")));
}

void WindowAids::windowStateChanged() {
    if (!window_->isMinimized() || state_.InTray)
        return;
    // Without a notification area a hidden window could not be brought back: stay minimised.
    if (!tray_.isSystemTrayAvailable())
        return;
    // Set first, so that the events raised by hiding find it set.
    state_.InTray = true;
    window_->hide();
    tray_.show(window_->windowIcon(), window_->windowTitle());
}

void WindowAids::trayActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger)
        return;
    tray_.hide();
    window_->show();
    window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_->raise();
    window_->activateWindow();
    // Cleared last, so that the events raised by showing find it still set.
    state_.InTray = false;
}

bool WindowAids::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.Text_log && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        urls_.open(HomePage);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
