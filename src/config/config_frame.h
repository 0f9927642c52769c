#pragma once

#include <QByteArray>

class ParameterPanel;
class OperationLog;
class LanguageTable;

// The 31-byte configuration frame: 0x55, the frame kind, the 28-byte payload (bytes 2..29)
// and the checksum (byte 30, the sum of bytes 2..29 modulo 256).
constexpr int ConfigFrameSize = 31;
constexpr int PayloadOffset = 2;
constexpr int PayloadSize = 28;

// The sum modulo 256 of bytes first..last; Failure 9 when a byte lies beyond the array.
quint8 byteSum(const QByteArray& bytes, int first, int last);
// The checksum check: true when byte 30 is the sum of bytes 2..29, or when a byte 31 exists
// and is the sum of bytes 2..30 (a frame whose payload runs to byte 30). Arrays shorter than
// 31 bytes fail it.
bool frameChecksumOk(const QByteArray& frame);

// Builds the frame from the panel, and shows a frame in it.
class ConfigFrameCodec {
public:
    ConfigFrameCodec(ParameterPanel& panel, OperationLog& log, LanguageTable& lang);

    // Builds the frame from the panel and logs it as one new line ("lang_canshu" and 31 hex
    // pairs). Several 4-byte writes overlap the next field and are replaced by it, so ports
    // keep their low 16 bits and the baud rate its low 24 bits. Throws the Failure of the
    // first field that cannot be encoded; then nothing is logged.
    QByteArray getConfigFrame();
    // Checks the checksum when verify is non-zero (false: nothing changed), then fills the
    // panel field by field, skipping a field whose bytes are missing or whose value the
    // control refuses, and replaces the log with the 28 payload bytes in hex. Never fails.
    bool showConfig(const QByteArray& frame, quint8 verify);

private:
    ParameterPanel& panel_;
    OperationLog& log_;
    LanguageTable& lang_;
};
