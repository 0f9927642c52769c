#pragma once

#include <functional>

#include <QByteArray>
#include <QSet>
#include <QString>

struct Form1Controls;
struct FormState;
class UdpEndpoint;
class ConfigFrameCodec;
class OperationLog;
class LanguageTable;
class MessageBoxes;
class Clock;
class Failure;
class QWidget;

// The LAN search, the datagram handler, the search window and the device list.
class LanDiscovery {
public:
    LanDiscovery(Form1Controls& ui, FormState& state, UdpEndpoint& udp, ConfigFrameCodec& frames,
                 OperationLog& log, LanguageTable& lang, MessageBoxes& boxes, Clock& clock,
                 QWidget* dialogParent);

    // The 40-byte search probe.
    static const QByteArray SearchProbe;

    // Handlers of the search button and menu item, of a datagram, of the search window's end
    // (Timer2), of a click and a double-click on the device list.
    void searchStart();
    void dataArrival(const QByteArray& data, const QString& sender);
    void searchWindowEnd();
    void rowClick();
    void rowDoubleClick();

    // For the network set and the reset.
    // DevList becomes one all-zero image; datagrams accepted so far are forgotten.
    void resetDevList();
    // Forgets the datagrams accepted so far, so that the same datagram is accepted again.
    void forgetAccepted();
    // Empties the device list and adds the header row.
    void clearDeviceList();
    // Starts the 2000 ms search window.
    void startSearchWindow();
    // The selected device row (1 and up); -1 when none or the header row is selected.
    int selectedDeviceRow() const;
    // A socket or build failure of a LAN operation: 10048 gives the message box of
    // portInUseKey, any other number the unknown-error line; both end with the time of day.
    void reportFailure(const Failure& failure, const char* portInUseKey);
    // Runs for every accepted datagram while ResetMode is set, after the handler's own steps.
    void setResetAnswer(std::function<void(const QByteArray& data, const QString& rowText)> f);

    // "192.168.0.7 : 001A2B3C4D5E" from the sender and reply bytes 1..5 (at least 6 bytes).
    static QString rowText(const QString& sender, const QByteArray& data);
    // "00-1A-2B-3C-4D-5E" from reply bytes 1..5 (at least 6 bytes).
    static QString macLine(const QByteArray& data);
    // "Ver4.12" from the version byte 0x4C.
    static QString versionText(quint8 version);

private:
    QString text(const char* key) const;
    // False for a datagram the handler ignores: our own, too short, a probe, a repeat.
    bool accept(const QByteArray& data, const QString& sender);
    void listReply(const QByteArray& data, const QString& row);

    Form1Controls& ui_;
    FormState& state_;
    UdpEndpoint& udp_;
    ConfigFrameCodec& frames_;
    OperationLog& log_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    Clock& clock_;
    QWidget* dialogParent_;
    std::function<void(const QByteArray&, const QString&)> resetAnswer_;
    // Sender and content of every datagram accepted since the last search or reset start;
    // a module that hears a broadcast on two interfaces answers it twice.
    QSet<QByteArray> accepted_;
};
