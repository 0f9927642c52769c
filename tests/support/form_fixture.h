#pragma once

#include <memory>

#include "app/main_window.h"
#include "fake_serial_port.h"
#include "fake_udp_endpoint.h"
#include "fakes.h"

// The real main window with fake seams, in a temporary executable folder.
struct FormFixture {
    // withLang: copy the repository's lang.txt beside the "executable".
    explicit FormFixture(bool withLang = true);
    ~FormFixture();

    // Writes a lang.txt of the test's own beside the "executable".
    void writeLang(const QByteArray& content);
    // Builds the window anew, without running the start-up sequence.
    Form1& create();
    // Builds the window anew and runs the start-up sequence.
    bool load();
    QString exeFile(const QString& name) const;

    FakeMessageBoxes boxes;
    FakeClock clock;
    FakeUrlOpener urls;
    FakeSystemLocale locale;
    FakeAppPaths paths;
    FakeAppControl app;
    FakeTrayIcon tray;
    FakeSerialPort serial;
    FakeUdpEndpoint udp;
    Seams seams;
    std::unique_ptr<Form1> form;
};
