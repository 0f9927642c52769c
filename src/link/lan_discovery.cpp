#include "link/lan_discovery.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>

#include "app/form_state.h"
#include "app/operation_log.h"
#include "app/toolkit.h"
#include "app/window_layout.h"
#include "config/config_frame.h"
#include "config/encodings.h"
#include "config/failure.h"
#include "lang/language_table.h"
#include "link/udp_endpoint.h"

namespace {

constexpr int ReplyLength = 35; // MAC, version byte, 28 configuration bytes
constexpr int RecordLength = 31;

QString hexByte(char byte) {
    return toHex(quint8(byte), 2);
}

} // namespace

const QByteArray LanDiscovery::SearchProbe =
    QByteArrayLiteral("1234567890123456789012345678901234567890");

LanDiscovery::LanDiscovery(Form1Controls& ui, FormState& state, UdpEndpoint& udp,
                           ConfigFrameCodec& frames, OperationLog& log, LanguageTable& lang,
                           MessageBoxes& boxes, Clock& clock, QWidget* dialogParent)
    : ui_(ui), state_(state), udp_(udp), frames_(frames), log_(log), lang_(lang), boxes_(boxes),
      clock_(clock), dialogParent_(dialogParent) {
    QObject::connect(ui_.Command_search, &QPushButton::clicked, ui_.Command_search,
                     [this] { searchStart(); });
    QObject::connect(ui_.MenuLanSearch, &QAction::triggered, ui_.MenuLanSearch,
                     [this] { searchStart(); });
    QObject::connect(
        &udp_, &UdpEndpoint::datagramArrived, ui_.List1,
        [this](const QByteArray& data, const QString& sender) { dataArrival(data, sender); });
    QObject::connect(ui_.Timer2, &QTimer::timeout, ui_.Timer2, [this] { searchWindowEnd(); });
    // The selection handler runs for keyboard selection too, so the header never stays selected.
    QObject::connect(ui_.List1, &QListWidget::itemSelectionChanged, ui_.List1,
                     [this] { rowClick(); });
    QObject::connect(ui_.List1, &QListWidget::itemDoubleClicked, ui_.List1,
                     [this] { rowDoubleClick(); });
}

QString LanDiscovery::text(const char* key) const {
    return lang_.getLangText(QString::fromLatin1(key));
}

void LanDiscovery::searchStart() {
    try {
        resetDevList();
        ui_.Textmac->clear();
        udp_.setUpBroadcast();
        udp_.sendBroadcast(SearchProbe);
        log_.writeLog(text("lang_search_lan"), 0);
        ui_.Command_search->setEnabled(false);
        startSearchWindow();
        clearDeviceList();
        state_.SetPending = false;
        state_.FoundAny = false;
    } catch (const Failure& failure) {
        reportFailure(failure, "lang_searchPortInuse");
        state_.SetPending = false;
        state_.ResetMode = false;
    }
}

void LanDiscovery::resetDevList() {
    state_.DevList = {QByteArray(RecordLength, '\0')};
    forgetAccepted();
}

void LanDiscovery::forgetAccepted() {
    accepted_.clear();
}

void LanDiscovery::clearDeviceList() {
    ui_.List1->clear();
    ui_.List1->addItem(text("lang_List1_AddItem"));
}

void LanDiscovery::startSearchWindow() {
    ui_.Timer2->start();
}

void LanDiscovery::reportFailure(const Failure& failure, const char* portInUseKey) {
    if (failure.number() == Failure::AddressInUse)
        boxes_.okCancel(dialogParent_, text(portInUseKey) + clock_.timeOfDay());
    else
        log_.writeLog(
            text("lang_unkonwn_error") + QString::number(failure.number()) + clock_.timeOfDay(), 1);
}

void LanDiscovery::setResetAnswer(std::function<void(const QByteArray&, const QString&)> f) {
    resetAnswer_ = std::move(f);
}

bool LanDiscovery::accept(const QByteArray& data, const QString& sender) {
    if (udp_.isLocalAddress(sender))
        return false;
    if (data.size() < 6 || data.startsWith("123456"))
        return false;
    QByteArray key = sender.toLatin1();
    key += '|';
    key += data;
    if (accepted_.contains(key))
        return false;
    accepted_.insert(key);
    return true;
}

void LanDiscovery::dataArrival(const QByteArray& data, const QString& sender) {
    try {
        if (!accept(data, sender))
            return;
        if (data.size() > 6 && quint8(data[6]) >= 2)
            ui_.Label_ver->setText(versionText(quint8(data[6])));
        const QString row = rowText(sender, data);
        if (state_.SetPending)
            state_.SetPending = false; // the module's answer to the set packet is not listed
        else
            listReply(data, row);
        if (state_.ResetMode && resetAnswer_)
            resetAnswer_(data, row);
    } catch (...) {
        // Datagram handling reports nothing.
    }
}

void LanDiscovery::listReply(const QByteArray& data, const QString& row) {
    ui_.List1->addItem(row);
    ui_.List1->setCurrentRow(1);
    QTextCursor cursor(ui_.Textmac->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(macLine(data) + QLatin1Char('\n'));
    log_.writeLog(QStringLiteral("\r\n") + text("lang_search_result") +
                      QString::number(ui_.List1->count() - 1) + text("lang_search_result2"),
                  0);
    state_.FoundAny = true;
    if (data.size() != ReplyLength)
        return;
    QByteArray record = data.mid(5, 30);
    record.append('\0');
    state_.DevList.append(record);
    if (ui_.Check_autoread->isChecked()) {
        try {
            frames_.showConfig(record, 0);
        } catch (...) {
        }
    }
}

void LanDiscovery::searchWindowEnd() {
    ui_.Command_search->setEnabled(true);
    ui_.Command_reset->setEnabled(true);
    ui_.Timer2->stop();
    if (!state_.FoundAny) {
        log_.writeLog(QStringLiteral(" "), 1);
        log_.writeLog(text("lang_didnotSearch"), 1);
        log_.writeLog(text("lang_didnotSearch2"), 1);
    }
    state_.ResetMode = false;
}

int LanDiscovery::selectedDeviceRow() const {
    const QList<QListWidgetItem*> selected = ui_.List1->selectedItems();
    if (selected.isEmpty())
        return -1;
    const int row = ui_.List1->row(selected.first());
    return row >= 1 ? row : -1;
}

void LanDiscovery::rowClick() {
    const QList<QListWidgetItem*> selected = ui_.List1->selectedItems();
    if (!selected.isEmpty() && ui_.List1->row(selected.first()) == 0)
        ui_.List1->clearSelection();
}

void LanDiscovery::rowDoubleClick() {
    const int k = selectedDeviceRow();
    // A row whose reply was not stored has no image: nothing to show.
    if (k < 0 || k >= state_.DevList.size())
        return;
    bool shown = false;
    try {
        shown = frames_.showConfig(state_.DevList[k], 0);
    } catch (...) {
    }
    if (shown)
        boxes_.information(dialogParent_, text("lang_notice"), text("lang_infor_updated"));
}

QString LanDiscovery::rowText(const QString& sender, const QByteArray& data) {
    QString row = sender + QStringLiteral(" : 00");
    for (int i = 1; i <= 5; ++i)
        row += hexByte(data[i]);
    return row;
}

QString LanDiscovery::macLine(const QByteArray& data) {
    QString line = QStringLiteral("00");
    for (int i = 1; i <= 5; ++i)
        line += QLatin1Char('-') + hexByte(data[i]);
    return line;
}

QString LanDiscovery::versionText(quint8 version) {
    return QStringLiteral("Ver") + QChar(48 + (version >> 4)) + QLatin1Char('.') +
           QString::number(version & 0x0F);
}
