#include "simulator_process.h"

SimulatorProcess::SimulatorProcess(const QString& program, const QStringList& args) {
    process_.setProgram(program);
    process_.setArguments(args);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    first_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimulatorProcess::~SimulatorProcess() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate(); // SIGTERM to the simulator's own PID
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString SimulatorProcess::modsim() {
    return QString::fromLocal8Bit(qgetenv("SBCONFIG_MODSIM"));
}

QString SimulatorProcess::hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QStringList SimulatorProcess::lines() {
    output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    return output_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList SimulatorProcess::lines(const QString& prefix) {
    QStringList matching;
    for (const QString& line : lines())
        if (line.startsWith(prefix))
            matching << line;
    return matching;
}
