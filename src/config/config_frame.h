#pragma once

#include <QByteArray>

class ParameterPanel;
class OperationLog;
class LanguageTable;

// The 31-byte configuration frame: built from the panel, and shown in it.
class ConfigFrameCodec {
public:
    ConfigFrameCodec(ParameterPanel& panel, OperationLog& log, LanguageTable& lang);

    // Builds the frame from the panel and logs it; throws Failure and logs nothing on error.
    QByteArray getConfigFrame();
    // Checks the checksum when verify is non-zero, then fills the panel; never fails.
    bool showConfig(const QByteArray& frame, quint8 verify);

private:
    ParameterPanel& panel_;
    OperationLog& log_;
    LanguageTable& lang_;
};
