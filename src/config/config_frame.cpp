#include "config/config_frame.h"

#include <limits>

#include <QLineEdit>

#include "app/operation_log.h"
#include "app/window_layout.h"
#include "config/encodings.h"
#include "config/failure.h"
#include "config/numbers.h"
#include "config/parameter_panel.h"
#include "lang/language_table.h"

namespace {

// Byte i of the array as a number; Failure 9 when the array is shorter.
int byteAt(const QByteArray& bytes, int i) {
    if (i < 0 || i >= bytes.size())
        throw Failure(Failure::OutOfRange);
    return static_cast<quint8>(bytes[i]);
}

// Runs one independent step of showing a frame; a failing step is skipped.
template <typename Step> void tryStep(Step step) {
    try {
        step();
    } catch (const Failure&) {
    }
}

} // namespace

quint8 byteSum(const QByteArray& bytes, int first, int last) {
    int sum = 0;
    for (int i = first; i <= last; ++i)
        sum = (sum + byteAt(bytes, i)) % 256;
    return static_cast<quint8>(sum);
}

bool frameChecksumOk(const QByteArray& frame) {
    if (frame.size() < ConfigFrameSize)
        return false;
    const int sum = byteSum(frame, 2, 29);
    if (byteAt(frame, 30) == sum)
        return true;
    return frame.size() > 31 && (sum + byteAt(frame, 30)) % 256 == byteAt(frame, 31);
}

ConfigFrameCodec::ConfigFrameCodec(ParameterPanel& panel, OperationLog& log, LanguageTable& lang)
    : panel_(panel), log_(log), lang_(lang) {}

QByteArray ConfigFrameCodec::getConfigFrame() {
    const Form1Controls& ui = panel_.ui();
    auto text = [&ui](int i) { return ui.Textsets[i]->text(); };

    QByteArray frame(ConfigFrameSize, 0);
    QByteArray buf(4, 0);
    frame[0] = 0x55;
    frame[1] = static_cast<char>(0xBA);

    // In this order: each later write replaces the overlapping bytes of the one before.
    Getipbuf(text(5), buf); // destination IP
    Fill(frame, buf, 2);
    Getstringbuf(text(6), buf); // destination port, bytes 8..9 replaced next
    Fill(frame, buf, 6);
    Getipbuf(text(0), buf); // module IP
    Fill(frame, buf, 8);
    Getstringbuf(text(4), buf); // module port, bytes 14..15 replaced next
    Fill(frame, buf, 12);
    Getipbuf(text(2), buf); // gateway
    Fill(frame, buf, 14);
    Getstringbuf(text(3), buf); // baud rate, byte 22 replaced below
    Fill(frame, buf, 19);

    frame[18] = static_cast<char>(makeByte(panel_.workModeIndex()));
    frame[22] = static_cast<char>(panel_.getcomset());

    // The device ID, big-endian.
    const qint64 id =
        roundToRange(lenientNumber(ui.Text_id->text()), std::numeric_limits<qint32>::min(),
                     std::numeric_limits<qint32>::max());
    frame[23] = static_cast<char>(makeByte(static_cast<double>(id / 256)));
    frame[24] = static_cast<char>(makeByte(static_cast<double>(id % 256)));

    frame[25] = static_cast<char>(panel_.getWorkFlag());
    Getipbuf(text(1), buf); // subnet mask
    Fill(frame, buf, 26);

    frame[30] = static_cast<char>(byteSum(frame, 2, 29));

    log_.writeLog(lang_.getLangText(QStringLiteral("lang_canshu")) + hexPairs(frame), 1);
    return frame;
}

bool ConfigFrameCodec::showConfig(const QByteArray& frame, quint8 verify) {
    if (verify != 0 && !frameChecksumOk(frame))
        return false;

    Form1Controls& ui = panel_.ui();
    auto showIp = [&](int field, quint8 offset) {
        tryStep([&] { ui.Textsets[field]->setText(getIpText(frame, offset)); });
    };
    auto showNumber = [&](QLineEdit* edit, auto value) {
        tryStep([&] { edit->setText(QString::number(value())); });
    };
    auto b = [&frame](int i) { return byteAt(frame, i); };

    showIp(5, 2);
    showIp(0, 8);
    showIp(2, 14);
    showIp(1, 26);
    showNumber(ui.Textsets[6], [&] { return b(6) + 256 * b(7); });
    showNumber(ui.Textsets[4], [&] { return b(12) + 256 * b(13); });
    showNumber(ui.Textsets[3], [&] { return b(19) + 256 * b(20) + 65536 * b(21); });
    tryStep([&] { panel_.setWorkModeIndex(b(18)); }); // a code above 3 is refused (380)
    tryStep([&] { panel_.setcomset(b(22)); });
    showNumber(ui.Text_id, [&] { return 256 * b(23) + b(24); });
    tryStep([&] { panel_.setWorkFlag(static_cast<quint8>(b(25))); });
    // The listing needs the whole payload; with a byte missing the log stays as it is.
    if (frame.size() >= PayloadOffset + PayloadSize)
        log_.writeLog(QStringLiteral("\r\n") + lang_.getLangText(QStringLiteral("lang_configStr")) +
                          hexPairs(frame.mid(PayloadOffset, PayloadSize)),
                      0);
    return true;
}
