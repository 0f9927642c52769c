#pragma once

#include <QByteArray>
#include <QStringList>

#include "form_fixture.h"

// The real window with fakes for the LAN tests, with a lang.txt of the test's own that holds
// no entries, so that every key stands for its own text. A test of the real socket passes
// its endpoint, which must outlive the fixture.
struct LanFixture {
    explicit LanFixture(UdpEndpoint* udp = nullptr);

    Form1Controls& ui() { return fx.form->ui(); }
    FormState& state() { return fx.form->state(); }
    LanDiscovery& lan() { return fx.form->lan(); }
    LanWriteReset& lanWrite() { return fx.form->lanWrite(); }
    QString log() const;
    QString macPane() const;
    // The texts of the device rows, without the header row.
    QStringList deviceRows() const;
    // log.txt as written, or empty when absent.
    QByteArray logTxt() const;

    FormFixture fx{false};
};

// The configuration bytes of a module at 192.168.0.<host> with the default parameter set,
// as a ConfigFrame holds them at positions 2..29.
QByteArray moduleConfig(quint8 host = 7);

// A device reply of the given length: MAC first,1A,2B,3C,4D,5E, the version byte and the
// configuration bytes, cut short or padded with 0xEE.
QByteArray deviceReply(int length, quint8 version = 0x42, quint8 first = 0x00,
                       const QByteArray& config = moduleConfig());
