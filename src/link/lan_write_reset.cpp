#include "link/lan_write_reset.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/form_state.h"
#include "app/operation_log.h"
#include "app/toolkit.h"
#include "app/window_layout.h"
#include "config/config_frame.h"
#include "config/failure.h"
#include "lang/language_table.h"
#include "link/lan_discovery.h"
#include "link/udp_endpoint.h"

namespace {

constexpr int SetPacketLength = 40;
constexpr int ResetPacketLength = 39;
constexpr int PasswordLength = 6;
// A file that cannot be opened or written.
constexpr int FileAccessError = 75;
// The longest gap the daily clock catches up on: every time of day occurs in it once.
constexpr int SecondsPerDay = 24 * 60 * 60;

// Characters 1 to 6 of a password at packet[at..at+5], each as its one-byte code;
// 0 for a missing character or one without a one-byte code.
void putPassword(QByteArray& packet, int at, const QString& password) {
    for (int i = 0; i < PasswordLength && i < password.size(); ++i) {
        const char16_t code = password[i].unicode();
        packet[at + i] = code < 256 ? char(code) : '\0';
    }
}

// Copies source[from..from+count-1] to packet[at..]; positions beyond the source stay 0.
void putBytes(QByteArray& packet, int at, const QByteArray& source, int from, int count) {
    for (int i = 0; i < count && from + i < source.size(); ++i)
        packet[at + i] = source[from + i];
}

// The set packet: the module's address from its row digits, the old password, the frame's
// configuration bytes.
QByteArray setPacket(const QString& macDigits, const QString& oldPassword,
                     const QByteArray& frame) {
    QByteArray packet(SetPacketLength, '\0');
    putBytes(packet, 12, frame, 2, 28);
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const uint value = macDigits.mid(2 * i, 2).toUInt(&ok, 16);
        packet[i] = ok ? char(value) : '\0';
    }
    putPassword(packet, 6, oldPassword);
    return packet;
}

// The reset packet that answers one datagram of at least 6 bytes.
QByteArray resetPacket(const QByteArray& data, const QString& oldPassword,
                       const QString& newPassword) {
    QByteArray packet(ResetPacketLength, '\0');
    putBytes(packet, 0, data, 0, 6);
    putPassword(packet, 6, oldPassword);
    putBytes(packet, 12, data, 7, 20);
    putPassword(packet, 32, newPassword);
    putBytes(packet, 38, data, 27, 1);
    return packet;
}

// Appends text and CR LF to a file, creating it when absent.
void appendFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw Failure(FileAccessError);
    const QByteArray line = text.toUtf8() + "\r\n";
    if (file.write(line) != line.size())
        throw Failure(FileAccessError);
}

// The clock's text of a time of day: hour, minute and second without leading zeros.
QString clockText(const QTime& t) {
    return QStringLiteral("%1:%2:%3").arg(t.hour()).arg(t.minute()).arg(t.second());
}

} // namespace

const QByteArray LanWriteReset::ResetProbe =
    QByteArrayLiteral("123456789012345678901234567890123456789");
const QString LanWriteReset::Separator = QString(52, QLatin1Char('-'));

LanWriteReset::LanWriteReset(LanDiscovery& discovery, Form1Controls& ui, FormState& state,
                             UdpEndpoint& udp, ConfigFrameCodec& frames, OperationLog& log,
                             LanguageTable& lang, Clock& clock, const QString& logTxtPath)
    : discovery_(discovery), ui_(ui), state_(state), udp_(udp), frames_(frames), log_(log),
      lang_(lang), clock_(clock), logTxtPath_(logTxtPath) {
    QObject::connect(ui_.Command_netset, &QPushButton::clicked, ui_.Command_netset,
                     [this] { networkSet(); });
    QObject::connect(ui_.Command_reset, &QPushButton::clicked, ui_.Command_reset,
                     [this] { resetStart(); });
    QObject::connect(ui_.Timer3, &QTimer::timeout, ui_.Timer3, [this] { clockTick(); });
    discovery_.setResetAnswer(
        [this](const QByteArray& data, const QString& row) { resetAnswer(data, row); });
}

QString LanWriteReset::text(const char* key) const {
    return lang_.getLangText(QString::fromLatin1(key));
}

void LanWriteReset::networkSet() {
    const int row = discovery_.selectedDeviceRow();
    if (row < 0) {
        log_.writeLog(text("lang_SearchChooseFirst"), 0);
        return;
    }
    const QStringList pieces = ui_.List1->item(row)->text().split(QStringLiteral(" : "));
    const QString ip = pieces.value(0);
    const QString macDigits = pieces.value(1);
    try {
        udp_.setUpBroadcast();
        const QByteArray frame = frames_.getConfigFrame();
        udp_.sendBroadcast(setPacket(macDigits, ui_.Textsets[9]->text(), frame));
    } catch (const Failure& failure) {
        // Nothing went out: no success line, and no answer to swallow.
        discovery_.reportFailure(failure, "lang_searchPortInuse");
        return;
    }
    log_.writeLog(text("lang_setupSuccess") + ip + text("lang_setupSuccess2") + clock_.timeOfDay(),
                  1);
    log_.writeLog(text("lang_newSearchLater"), 1);
    ui_.Command_search->setEnabled(false);
    discovery_.startSearchWindow();
    // The module's answer may repeat its search reply byte for byte; it must still be the
    // datagram that is swallowed.
    discovery_.forgetAccepted();
    state_.SetPending = true;
    state_.ResetMode = false;
}

void LanWriteReset::resetStart() {
    discovery_.resetDevList();
    state_.ResetMode = true;
    try {
        udp_.setUpBroadcast();
        udp_.sendBroadcast(ResetProbe);
        log_.writeLog(text("lang_search_reset"), 0);
        appendFile(logTxtPath_, Separator);
        ui_.Command_reset->setEnabled(false);
        discovery_.startSearchWindow();
        discovery_.clearDeviceList();
    } catch (const Failure& failure) {
        discovery_.reportFailure(failure, "lang_error_10048");
    }
}

void LanWriteReset::resetAnswer(const QByteArray& data, const QString& rowText) {
    // Each step runs even when the one before it failed; failures are silent.
    const QByteArray packet = resetPacket(data, ui_.Textsets[9]->text(), ui_.Textsets[10]->text());
    try {
        const QDateTime now = clock_.now();
        appendFile(logTxtPath_, rowText + QStringLiteral("  ") + clock_.dateText(now.date()) +
                                    QLatin1Char(' ') + clock_.timeText(now.time()));
    } catch (...) {
    }
    try {
        udp_.setUpBroadcast();
    } catch (...) {
    }
    try {
        udp_.sendBroadcast(packet);
    } catch (...) {
    }
}

void LanWriteReset::clockTick() {
    QDateTime now = clock_.now();
    now = now.addMSecs(-now.time().msec());
    // Check every whole second since the previous tick once: a late tick still finds the
    // second it skipped, and two ticks within one second check it once. A clock set back
    // resumes from its new time.
    qint64 count = 1;
    if (lastTick_.isValid() && now >= lastTick_)
        count = qMin<qint64>(lastTick_.secsTo(now), SecondsPerDay);
    lastTick_ = now;
    const QString wanted = ui_.Text_resettime->text();
    QTime t = now.time().addSecs(int(1 - count));
    for (qint64 i = 0; i < count; ++i, t = t.addSecs(1))
        if (clockText(t) == wanted)
            resetStart();
}
