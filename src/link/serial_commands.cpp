#include "link/serial_commands.h"

SerialCommands::SerialCommands(Form1Controls& ui, SerialPort& port, ConfigFrameCodec& frames,
                               OperationLog& log, LanguageTable& lang, Clock& clock)
    : ui_(ui), port_(port), frames_(frames), log_(log), lang_(lang), clock_(clock) {}

void SerialCommands::closePortIfOpen() {}
