#include "lan_fixture.h"

#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>

#include "link/lan_write_reset.h"

LanFixture::LanFixture(UdpEndpoint* udp) {
    if (udp)
        fx.seams.udp = udp;
    fx.writeLang("; no entries\r\n");
    fx.load();
}

QString LanFixture::log() const {
    return fx.form->log().text();
}

QString LanFixture::macPane() const {
    return fx.form->ui().Textmac->toPlainText();
}

QStringList LanFixture::deviceRows() const {
    QStringList rows;
    QListWidget* list = fx.form->ui().List1;
    for (int i = 1; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QByteArray LanFixture::logTxt() const {
    QFile file(fx.form->lanWrite().logTxtPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray moduleConfig(quint8 host) {
    QByteArray config = QByteArray::fromHex("C900A8C02A200700A8C08C4EC900A8C00100C20103000004"
                                            "00FFFFFF");
    config[6] = char(host);
    return config;
}

QByteArray deviceReply(int length, quint8 version, quint8 first, const QByteArray& config) {
    QByteArray reply = QByteArray::fromHex("001A2B3C4D5E");
    reply[0] = char(first);
    reply.append(char(version));
    reply.append(config);
    if (reply.size() < length)
        reply.append(QByteArray(length - reply.size(), char(0xEE)));
    return reply.left(length);
}
