#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct Form1Controls;
struct FormState;
class LanDiscovery;
class UdpEndpoint;
class ConfigFrameCodec;
class OperationLog;
class LanguageTable;
class Clock;

// The network set, the LAN-wide reset, the daily reset clock and log.txt.
class LanWriteReset {
public:
    LanWriteReset(LanDiscovery& discovery, Form1Controls& ui, FormState& state, UdpEndpoint& udp,
                  ConfigFrameCodec& frames, OperationLog& log, LanguageTable& lang, Clock& clock,
                  const QString& logTxtPath);

    // The 39-byte reset probe and the line each reset start writes to log.txt.
    static const QByteArray ResetProbe;
    static const QString Separator;

    // Handlers of the network-set button, the reset button and Timer3.
    void networkSet();
    void resetStart();
    void clockTick();
    // Answers one accepted datagram while a reset is under way.
    void resetAnswer(const QByteArray& data, const QString& rowText);

    QString logTxtPath() const { return logTxtPath_; }

private:
    QString text(const char* key) const;

    LanDiscovery& discovery_;
    Form1Controls& ui_;
    FormState& state_;
    UdpEndpoint& udp_;
    ConfigFrameCodec& frames_;
    OperationLog& log_;
    LanguageTable& lang_;
    Clock& clock_;
    QString logTxtPath_;
    QDateTime lastTick_; // the last second the daily clock has checked
};
