#pragma once

struct Form1Controls;
struct FormState;
class UdpEndpoint;
class ConfigFrameCodec;
class OperationLog;
class LanguageTable;
class MessageBoxes;
class Clock;
class QWidget;

// The LAN search, the datagram handler, the search window and the device list.
class LanDiscovery {
public:
    LanDiscovery(Form1Controls& ui, FormState& state, UdpEndpoint& udp, ConfigFrameCodec& frames,
                 OperationLog& log, LanguageTable& lang, MessageBoxes& boxes, Clock& clock,
                 QWidget* dialogParent);

private:
    Form1Controls& ui_;
    FormState& state_;
    UdpEndpoint& udp_;
    ConfigFrameCodec& frames_;
    OperationLog& log_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    Clock& clock_;
    QWidget* dialogParent_;
};
