#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

struct Form1Controls;
class SerialPort;
class ConfigFrameCodec;
class OperationLog;
class LanguageTable;
class Clock;
class QPushButton;

// The serial commands (read configuration, read version, write configuration), the handler
// of the module's reply and the reply timeout. Each command opens the port, writes its bytes
// and leaves the port open; the reply or the timeout, whichever comes first, closes it.
class SerialCommands : public QObject {
    Q_OBJECT
public:
    // iniPath: setting.ini, whose section SerialPorts may map COM numbers to devices.
    SerialCommands(Form1Controls& ui, SerialPort& port, ConfigFrameCodec& frames, OperationLog& log,
                   LanguageTable& lang, Clock& clock, const QString& iniPath);

    // The handlers the window's buttons, menu item, port and reply timer are wired to.
    void Command_read_Click();
    void Command_rv_Click();
    void Command_set_Click();
    void MenuComSearch_Click();
    void OnComm();
    void Timer1_Timer();

    // The port hook of the window's close path.
    void closePortIfOpen();

private:
    enum class Command { Read, Version, Write };

    void start(Command command, QPushButton* button);
    void handleReply(const QByteArray& reply);
    QString failureLine(int number) const;
    void closeQuietly();
    QString text(const char* key) const;

    Form1Controls& ui_;
    SerialPort& port_;
    ConfigFrameCodec& frames_;
    OperationLog& log_;
    LanguageTable& lang_;
    Clock& clock_;
    QString iniPath_;
};
