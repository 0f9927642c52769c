#pragma once

struct Form1Controls;
class SerialPort;
class ConfigFrameCodec;
class OperationLog;
class LanguageTable;
class Clock;

// The serial commands (read, version, write), the reply handler and the reply timer.
class SerialCommands {
public:
    SerialCommands(Form1Controls& ui, SerialPort& port, ConfigFrameCodec& frames,
                   OperationLog& log, LanguageTable& lang, Clock& clock);

    // The port hook of the window's close path.
    void closePortIfOpen();

private:
    Form1Controls& ui_;
    SerialPort& port_;
    ConfigFrameCodec& frames_;
    OperationLog& log_;
    LanguageTable& lang_;
    Clock& clock_;
};
