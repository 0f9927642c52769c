#include "serial_module.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "console.h"
#include "module_config.h"

namespace {

constexpr char Start = 0x55;
constexpr char ReadKind = char(0xBC);
constexpr char WriteKind = char(0xBA);
constexpr int FrameSize = 31;
constexpr int PayloadSize = 28;

quint8 sum(const QByteArray& bytes, int from, int to) {
    quint8 s = 0;
    for (int i = from; i <= to; ++i)
        s = quint8(s + quint8(bytes.at(i)));
    return s;
}

bool parseAnswers(const QString& text, SerialAnswers& answers) {
    static const QList<std::pair<QString, SerialAnswers>> names = {
        {QStringLiteral("normal"), SerialAnswers::Normal},
        {QStringLiteral("bad-checksum"), SerialAnswers::BadChecksum},
        {QStringLiteral("wrong-kind"), SerialAnswers::WrongKind},
        {QStringLiteral("unknown"), SerialAnswers::Unknown},
        {QStringLiteral("silent"), SerialAnswers::Silent},
    };
    for (const auto& [name, value] : names)
        if (name == text) {
            answers = value;
            return true;
        }
    return false;
}

} // namespace

SerialModule::SerialModule(SerialAnswers answers, const QByteArray& payload,
                           const QByteArray& version)
    : answers_(answers), payload_(payload), version_(version) {}

QList<SerialModule::Exchange> SerialModule::feed(const QByteArray& bytes) {
    pending_ += bytes;
    QList<Exchange> done;
    while (!pending_.isEmpty()) {
        qsizetype length = 0;
        const char first = pending_.at(0);
        if (first == Start || first == 'V') {
            if (pending_.size() < 2)
                break;
            const char second = pending_.at(1);
            if (first == Start && second == ReadKind)
                length = 2;
            else if (first == Start && second == WriteKind)
                length = FrameSize;
            else if (first == 'V' && second == 'R')
                length = 2;
        }
        if (length == 0) {
            pending_.remove(0, 1); // no request begins here
            continue;
        }
        if (pending_.size() < length)
            break;
        const QByteArray request = pending_.left(length);
        pending_.remove(0, length);
        done << Exchange{request, answerTo(request)};
    }
    return done;
}

QByteArray SerialModule::answerTo(const QByteArray& request) {
    QByteArray answer;
    if (request.at(1) == ReadKind) {
        answer = configurationFrame();
    } else if (request.at(0) == 'V') {
        answer = version_;
    } else {
        const quint8 s = sum(request, 2, 29);
        if (s == quint8(request.at(30))) {
            payload_ = request.mid(2, PayloadSize);
            answer = QByteArray("K");
        } else {
            answer = QByteArray("E") + char(s); // the code byte is the sum the module found
        }
    }
    switch (answers_) {
    case SerialAnswers::Silent:
        return {};
    case SerialAnswers::Unknown:
        return char(0x00) + answer;
    default:
        return answer;
    }
}

// The 32-byte form: 0x55 0xBC, the payload and one more data byte (29 in all), then the sum
// of those 29 bytes.
QByteArray SerialModule::configurationFrame() const {
    QByteArray frame;
    frame += Start;
    frame += answers_ == SerialAnswers::WrongKind ? char(0xBD) : ReadKind;
    frame += payload_;
    frame += char(0x11);
    quint8 s = sum(frame, 2, 30);
    if (answers_ == SerialAnswers::BadChecksum)
        s = quint8(s + 1);
    frame += char(s);
    return frame;
}

int runSerialModule(QCoreApplication& app, const QStringList& args) {
    SerialAnswers answers = SerialAnswers::Normal;
    if (!parseAnswers(optionValue(args, QStringLiteral("answers"), QStringLiteral("normal")),
                      answers)) {
        std::fprintf(stderr, "usage: sbconfig-modsim --serial "
                             "[--answers=normal|bad-checksum|wrong-kind|unknown|silent] "
                             "[--version=TEXT]\n");
        return 2;
    }
    const QByteArray version =
        optionValue(args, QStringLiteral("version"), QStringLiteral("V5.08 2026-06-01")).toLatin1();

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("sbconfig-modsim: pseudo-terminal");
        return 1;
    }
    const char* device = ptsname(master);
    // Hold the other end open too, so the terminal survives the program closing its port,
    // and make the line raw: no echo, no translation of any byte value.
    const int slave = device ? open(device, O_RDWR | O_NOCTTY) : -1;
    termios tio{};
    if (slave < 0 || tcgetattr(slave, &tio) != 0) {
        std::perror("sbconfig-modsim: pseudo-terminal");
        return 1;
    }
    cfmakeraw(&tio);
    cfsetspeed(&tio, B9600);
    tcsetattr(slave, TCSANOW, &tio);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    printText(QString::fromLocal8Bit(device));

    SerialModule module(answers, moduleConfig(), version);
    QSocketNotifier notifier(master, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char buffer[512];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (const SerialModule::Exchange& e : module.feed(QByteArray(buffer, n))) {
            printLine(QStringLiteral("RX"), e.request);
            if (e.answer.isEmpty())
                continue;
            if (write(master, e.answer.constData(), e.answer.size()) != e.answer.size())
                std::perror("sbconfig-modsim: write");
            printLine(QStringLiteral("TX"), e.answer);
        }
    });
    const int code = app.exec();
    close(slave);
    close(master);
    return code;
}
