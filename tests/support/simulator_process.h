#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The module simulator as a child process of the test, ended (by its own PID) when the test
// is done with it. Its stdout is read line by line.
class SimulatorProcess {
public:
    // Starts program with args and waits up to 5 s for its first line.
    SimulatorProcess(const QString& program, const QStringList& args);
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // The simulator as built: SBCONFIG_MODSIM, set by CTest.
    static QString modsim();
    // Bytes as the simulator prints them: upper-case hex pairs, blank-separated.
    static QString hex(const QByteArray& bytes);

    // The first line it printed, empty when it printed none in time.
    QString firstLine() const { return first_; }
    // The lines it printed after the first one, so far.
    QStringList lines();
    // The lines so far that begin with prefix.
    QStringList lines(const QString& prefix);

private:
    QProcess process_;
    QString first_;
    QString output_;
};
