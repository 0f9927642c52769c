#pragma once

#include <memory>

#include <QMainWindow>

#include "app/form_state.h"
#include "app/operation_log.h"
#include "app/seams.h"
#include "app/window_layout.h"
#include "lang/language_table.h"

class ParameterPanel;
class ConfigFrameCodec;
class SerialCommands;
class LanDiscovery;
class LanWriteReset;
class SettingsFile;
class Captions;
class AboutDialog;
class WindowAids;

// The main window: owns every control and all state, runs start-up and shut-down, and hands
// each event to the part of the program that owns it.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const Seams& seams, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence. False when the program must end (lang.txt missing).
    bool load();
    // Shows the window centred on the screen.
    void showCentred();

    // Menu command Exit: ends the program at once, without the close path.
    void MenuExit_Click();

    Form1Controls& ui() { return ui_; }
    FormState& state() { return state_; }
    LanguageTable& lang() { return lang_; }
    OperationLog& log() { return log_; }
    const Seams& seams() const { return seams_; }
    ParameterPanel& panel() { return *panel_; }
    ConfigFrameCodec& frames() { return *frames_; }
    SerialCommands& serial() { return *serial_; }
    LanDiscovery& lan() { return *lan_; }
    LanWriteReset& lanWrite() { return *lanWrite_; }
    SettingsFile& settings() { return *settings_; }
    Captions& captions() { return *captions_; }
    AboutDialog& about() { return *about_; }
    WindowAids& aids() { return *aids_; }

    // The text of the missing-language-file message.
    static const QString MissingLangText;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool loadLang();

    Seams seams_;
    Form1Controls ui_;
    FormState state_;
    LanguageTable lang_;
    OperationLog log_;
    std::unique_ptr<ParameterPanel> panel_;
    std::unique_ptr<ConfigFrameCodec> frames_;
    std::unique_ptr<SerialCommands> serial_;
    std::unique_ptr<LanDiscovery> lan_;
    std::unique_ptr<LanWriteReset> lanWrite_;
    std::unique_ptr<SettingsFile> settings_;
    std::unique_ptr<Captions> captions_;
    std::unique_ptr<AboutDialog> about_;
    std::unique_ptr<WindowAids> aids_;
    bool exiting_ = false;
};
