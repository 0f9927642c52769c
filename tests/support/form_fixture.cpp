#include "form_fixture.h"

#include <QDir>
#include <QFile>

FormFixture::FormFixture(bool withLang) {
    seams = Seams{&boxes, &clock, &urls, &locale, &paths, &app, &tray, &serial, &udp};
    if (withLang)
        QFile::copy(QDir(dataDir()).filePath("lang.txt"), exeFile("lang.txt"));
}

FormFixture::~FormFixture() = default;

void FormFixture::writeLang(const QByteArray& content) {
    QFile f(exeFile("lang.txt"));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(content);
}

Form1& FormFixture::create() {
    form.reset();
    form = std::make_unique<Form1>(seams);
    return *form;
}

bool FormFixture::load() {
    return create().load();
}

QString FormFixture::exeFile(const QString& name) const {
    return QDir(paths.exeDir).filePath(name);
}
