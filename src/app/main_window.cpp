#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "app/settings_file.h"
#include "app/toolkit.h"
#include "app/window_aids.h"
#include "config/config_frame.h"
#include "config/parameter_panel.h"
#include "lang/about_dialog.h"
#include "lang/captions.h"
#include "link/lan_discovery.h"
#include "link/lan_write_reset.h"
#include "link/serial_commands.h"

const QString Form1::MissingLangText =
    QStringLiteral("lang.txt is not exit,contact the software supplier.");

Form1::Form1(const Seams& seams, QWidget* parent)
    : QMainWindow(parent), seams_(seams), ui_(buildWindowLayout(this)), log_(ui_.Text_log) {
    setObjectName(QStringLiteral("Form1"));
    // Sizable, with a minimise button and no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    // The opening client area shows the left and middle columns only.
    resize(twips(ClientWidthTwips), twips(ClientHeightTwips) + menuBar()->sizeHint().height());

    const QString exeDir = seams_.paths->executableDir();
    const QString dataDir = settingsFolder(*seams_.paths);
    panel_ = std::make_unique<ParameterPanel>(ui_, lang_, *seams_.boxes, this);
    frames_ = std::make_unique<ConfigFrameCodec>(*panel_, log_, lang_);
    serial_ = std::make_unique<SerialCommands>(ui_, *seams_.serial, *frames_, log_, lang_,
                                               *seams_.clock,
                                               QDir(dataDir).filePath("setting.ini"));
    lan_ = std::make_unique<LanDiscovery>(ui_, state_, *seams_.udp, *frames_, log_, lang_,
                                          *seams_.boxes, *seams_.clock, this);
    lanWrite_ = std::make_unique<LanWriteReset>(*lan_, ui_, state_, *seams_.udp, *frames_, log_,
                                                lang_, *seams_.clock,
                                                QDir(dataDir).filePath("log.txt"));
    settings_ = std::make_unique<SettingsFile>(QDir(dataDir).filePath("setting.ini"), ui_,
                                               *panel_, lang_, *seams_.boxes, this);
    captions_ = std::make_unique<Captions>(this, ui_, lang_, log_);
    about_ = std::make_unique<AboutDialog>(this, lang_, QDir(exeDir).filePath("logo.jpg"));
    aids_ = std::make_unique<WindowAids>(this, ui_, state_, lang_, *seams_.boxes, *seams_.urls,
                                         *seams_.tray);

    connect(ui_.MenuExit, &QAction::triggered, this, &Form1::MenuExit_Click);
}

Form1::~Form1() = default;

bool Form1::loadLang() {
    lang_.setLangByLocale(seams_.locale->identifier());
    const QString path = QDir(seams_.paths->executableDir()).filePath(QStringLiteral("lang.txt"));
    if (!lang_.loadFile(path)) {
        seams_.boxes->plain(nullptr, MissingLangText);
        return false;
    }
    return true;
}

bool Form1::load() {
    if (!loadLang())
        return false;
    settings_->loadini();   // restore hook
    captions_->applyLang(); // caption hook
    state_.SetPending = false;
    state_.ResetMode = false;
    state_.InTray = false;
    return true;
}

void Form1::showCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void Form1::MenuExit_Click() {
    exiting_ = true;
    seams_.app->exitNow();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        serial_->closePortIfOpen(); // port hook
        settings_->saveini();       // save hook
    }
    event->accept();
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        aids_->windowStateChanged();
}
