#include "link/serial_commands.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/operation_log.h"
#include "app/toolkit.h"
#include "app/window_layout.h"
#include "config/config_frame.h"
#include "config/encodings.h"
#include "config/failure.h"
#include "config/numbers.h"
#include "lang/language_table.h"
#include "link/serial_port.h"
#include "link/serial_port_names.h"

namespace {

// Reply thresholds: a whole 32-byte frame, at least "V" and three more, the first byte.
constexpr qint16 ReadThreshold = 32;
constexpr qint16 VersionThreshold = 4;
constexpr qint16 WriteThreshold = 1;

} // namespace

SerialCommands::SerialCommands(Form1Controls& ui, SerialPort& port, ConfigFrameCodec& frames,
                               OperationLog& log, LanguageTable& lang, Clock& clock,
                               const QString& iniPath)
    : ui_(ui), port_(port), frames_(frames), log_(log), lang_(lang), clock_(clock),
      iniPath_(iniPath) {
    connect(ui_.Command_read, &QPushButton::clicked, this, &SerialCommands::Command_read_Click);
    connect(ui_.Command_rv, &QPushButton::clicked, this, &SerialCommands::Command_rv_Click);
    connect(ui_.Command_set, &QPushButton::clicked, this, &SerialCommands::Command_set_Click);
    connect(ui_.MenuComSearch, &QAction::triggered, this, &SerialCommands::MenuComSearch_Click);
    connect(ui_.Timer1, &QTimer::timeout, this, &SerialCommands::Timer1_Timer);
    connect(&port_, &SerialPort::OnComm, this, &SerialCommands::OnComm);
}

QString SerialCommands::text(const char* key) const {
    return lang_.getLangText(QString::fromLatin1(key));
}

void SerialCommands::Command_read_Click() {
    start(Command::Read, ui_.Command_read);
}
void SerialCommands::Command_rv_Click() {
    start(Command::Version, ui_.Command_rv);
}
void SerialCommands::Command_set_Click() {
    start(Command::Write, ui_.Command_set);
}
void SerialCommands::MenuComSearch_Click() {
    Command_read_Click();
}

void SerialCommands::start(Command command, QPushButton* button) {
    button->setEnabled(false);
    bool openedHere = false;
    try {
        log_.writeLog(text("lang_operat_tip"), 0);
        const qint16 number = strictInt16(ui_.Textsets[8]->text());
        port_.setCommPort(number, serialDeviceFor(number, iniPath_));
        port_.setPortOpen(true);
        openedHere = true;

        QByteArray bytes;
        qint16 threshold = 0;
        QString line;
        switch (command) {
        case Command::Read:
            bytes = QByteArray("\x55\xBC", 2);
            threshold = ReadThreshold;
            line = text("lang_sendReadCmd") + QStringLiteral(" 55 BC ");
            break;
        case Command::Version:
            bytes = QByteArray("VR", 2);
            threshold = VersionThreshold;
            line = text("lang_sendReadCmd") + QStringLiteral(" VR ");
            break;
        case Command::Write:
            bytes = frames_.getConfigFrame(); // logs the frame
            threshold = WriteThreshold;
            line = text("lang_sendSetupCmd");
            break;
        }
        port_.output(bytes);
        port_.setRThreshold(threshold);
        log_.writeLog(line, 1);
        ui_.Timer1->start();
    } catch (const Failure& failure) {
        // A port this command opened is closed again, so the next command can open it; a
        // port another command holds open is left to that command's reply or timeout.
        if (openedHere)
            closeQuietly();
        log_.writeLog(failureLine(failure.number()), 1);
    }
    button->setEnabled(true);
}

QString SerialCommands::failureLine(int number) const {
    const QString port = ui_.Textsets[8]->text();
    const QString time = clock_.timeOfDay();
    switch (number) {
    case Failure::PortNotFound:
        return text("lang_comInvalid") + port + text("lang_comInvalid2") + time;
    case Failure::PortInUse:
        return text("lang_comInuse") + port + text("lang_comInuse2") + time;
    default:
        return text("lang_unkonwn_error") + QString::number(number) + time;
    }
}

void SerialCommands::OnComm() {
    if (port_.commEvent() != SerialPort::EvReceive)
        return;
    QByteArray reply;
    try {
        reply = port_.input();
    } catch (const Failure&) {
    }
    // An event with nothing waiting carries no answer: keep waiting for one.
    if (reply.isEmpty())
        return;
    ui_.Timer1->stop();
    handleReply(reply);
    closeQuietly();
}

void SerialCommands::handleReply(const QByteArray& reply) {
    const auto byteAt = [&reply](qsizetype i) { return static_cast<quint8>(reply.at(i)); };
    try {
        switch (byteAt(0)) {
        case 'K':
            log_.writeLog(text("lang_receiveAck"), 1);
            break;
        case 'U':
            // A lone "U" is taken as a frame too; it fails the check.
            if (reply.size() < 2 || byteAt(1) == 0xBB || byteAt(1) == 0xBC) {
                const bool shown = frames_.showConfig(reply, 1);
                log_.writeLog(text(shown ? "lang_readfromCOMok" : "lang_readfromCOMerror"), 1);
            } else {
                log_.writeLog(text("lang_comTryAgain"), 1);
            }
            break;
        case 'E':
            if (reply.size() == 2)
                log_.writeLog(text("lang_sumError") + toHex(byteAt(1), 2), 1);
            else
                log_.writeLog(text("lang_commError"), 1);
            break;
        case 'V': {
            const QString version = QString::fromLatin1(reply);
            ui_.Label_ver->setText(version);
            log_.writeLog(text("lang_comReadVer"), 1);
            log_.writeLog(version, 1);
            break;
        }
        default:
            log_.writeLog(text("lang_receiveUnkown"), 1);
            log_.appendToLastLine(hexPairs(reply));
            break;
        }
    } catch (const Failure&) {
        // A step that fails is skipped; the port is closed all the same.
    }
}

void SerialCommands::Timer1_Timer() {
    ui_.Timer1->stop();
    log_.writeLog(text("lang_comport_timeout"), 1);
    closeQuietly();
}

void SerialCommands::closePortIfOpen() {
    if (port_.portOpen())
        closeQuietly();
}

void SerialCommands::closeQuietly() {
    try {
        port_.setPortOpen(false);
    } catch (const Failure&) {
    }
}
