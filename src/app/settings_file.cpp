#include "app/settings_file.h"

#include <optional>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "app/ini_store.h"
#include "app/toolkit.h"
#include "app/window_layout.h"
#include "config/failure.h"
#include "config/numbers.h"
#include "config/parameter_panel.h"
#include "lang/language_table.h"

QString settingsFolder(const AppPaths& paths) {
    const QString exeDir = paths.executableDir();
    const QFileInfo exe(exeDir);
    if (exe.isDir() && exe.isWritable())
        return exeDir;
    const QString userDir = paths.userConfigDir();
    if (userDir.isEmpty() || !QDir().mkpath(userDir))
        return exeDir;
    return userDir;
}

namespace {

constexpr int DefaultWorkMode = 1; // "TCP Client"
constexpr int DefaultComset = 131; // no parity, 8 data bits, 1 stop bit
constexpr quint8 DefaultFlags = 4; // only bit 2 set
constexpr int TextCount = 11;

// The leading number of a stored value (the lenient reading); nothing when the value does
// not begin with one.
std::optional<double> leadingNumber(const QString& text) {
    static const QRegularExpression start(QStringLiteral("^\\s*[+-]?\\s*\\.?\\d"));
    if (!start.match(text).hasMatch())
        return std::nullopt;
    return lenientNumber(text);
}

// The value of a single-digit key; nothing when it is no digit.
std::optional<int> digit(const QString& text) {
    if (text.size() != 1 || text[0] < QLatin1Char('0') || text[0] > QLatin1Char('9'))
        return std::nullopt;
    return text[0].unicode() - '0';
}

// Runs one step of the restore or the save; a failing step is skipped.
template <typename Step> void skipOnFailure(Step step) {
    try {
        step();
    } catch (const Failure&) {
    }
}

QString textKey(int i) {
    return QStringLiteral("text%1").arg(i);
}

} // namespace

SettingsFile::SettingsFile(const QString& iniPath, Form1Controls& ui, ParameterPanel& panel,
                           LanguageTable& lang, MessageBoxes& boxes, QWidget* dialogParent)
    : path_(iniPath), ui_(ui), panel_(panel), lang_(lang), boxes_(boxes),
      dialogParent_(dialogParent) {
    connect(ui_.Command_saveset, &QPushButton::clicked, this, &SettingsFile::Command_saveset_Click);
    connect(ui_.MenuSaveIni, &QAction::triggered, this, &SettingsFile::Command_saveset_Click);
    ui_.Text_resettime->installEventFilter(this);
}

QString SettingsFile::read(const QString& key, int length) const {
    return readini(path_, Section, key, length);
}

void SettingsFile::write(const QString& key, const QString& value) const {
    writeini(path_, Section, key, value); // a failed write is silent
}

void SettingsFile::loadini() {
    skipOnFailure([&] {
        // Only a digit is a language choice; anything else keeps the locale's.
        if (const auto lang = digit(read(QStringLiteral("LANG"), 2)))
            lang_.LangSel = quint8(*lang);
    });
    for (int i = 0; i < TextCount; ++i)
        skipOnFailure([&] {
            const QString text = read(textKey(i), 20);
            if (!text.isEmpty())
                ui_.Textsets[i]->setText(text);
        });
    skipOnFailure([&] { ui_.Text_resettime->setText(read(QStringLiteral("resettimes"), 20)); });
    skipOnFailure([&] {
        const auto mode = digit(read(QStringLiteral("Workmod"), 2));
        panel_.setWorkModeIndex(mode && *mode <= 3 ? *mode : DefaultWorkMode);
    });
    skipOnFailure([&] {
        const auto stored = leadingNumber(read(QStringLiteral("Comset"), 4));
        try {
            panel_.setcomset(stored ? int(roundToRange(*stored, INT_MIN, INT_MAX)) : DefaultComset);
        } catch (const Failure&) {
            panel_.setcomset(DefaultComset);
        }
    });
    skipOnFailure([&] {
        const QString id = read(QStringLiteral("Id"), 6);
        ui_.Text_id->setText(id.isEmpty() ? QStringLiteral("0") : id);
    });
    skipOnFailure([&] {
        quint8 flags = DefaultFlags;
        if (const auto stored = leadingNumber(read(QStringLiteral("WorkFlag"), 6))) {
            try {
                flags = quint8(roundToRange(*stored, 0, 255));
            } catch (const Failure&) {
                // outside a byte: the default
            }
        }
        panel_.setWorkFlag(flags);
    });
}

void SettingsFile::saveini() {
    for (int i = 0; i < TextCount; ++i)
        skipOnFailure([&] { write(textKey(i), ui_.Textsets[i]->text()); });
    skipOnFailure(
        [&] { write(QStringLiteral("Workmod"), QString::number(panel_.workModeIndex())); });
    skipOnFailure([&] { write(QStringLiteral("Comset"), QString::number(panel_.getcomset())); });
    skipOnFailure([&] { write(QStringLiteral("LANG"), QString::number(lang_.LangSel)); });
    skipOnFailure(
        [&] { write(QStringLiteral("WorkFlag"), QString::number(panel_.getWorkFlag())); });
    skipOnFailure([&] { write(QStringLiteral("Id"), ui_.Text_id->text()); });
}

void SettingsFile::Command_saveset_Click() {
    boxes_.information(dialogParent_, lang_.getLangText(QStringLiteral("lang_notice")),
                       lang_.getLangText(QStringLiteral("lang_Command_saveset_t")));
    saveini();
}

void SettingsFile::Text_resettime_LostFocus() {
    write(QStringLiteral("resettimes"), ui_.Text_resettime->text());
}

bool SettingsFile::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the box for another control; not a switch to another window or a menu popping
    // up, after which the focus comes back to the box.
    if (watched == ui_.Text_resettime && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Text_resettime_LostFocus();
    }
    return QObject::eventFilter(watched, event);
}
