#pragma once

// quarn-sim and quarnctl as child processes, for the end-to-end tests and the transfer
// benchmark. The including target defines QUARN_SIM_PATH and QUARNCTL_PATH.

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

namespace e2e {

// One quarn-sim for the lifetime of the object, serving a pseudo-terminal.
class SimProcess {
public:
    explicit SimProcess(const QStringList& args)
    {
        m_process.start(QStringLiteral(QUARN_SIM_PATH), args);
        QElapsedTimer t;
        t.start();
        while (!m_process.canReadLine() && t.elapsed() < 5000)
            m_process.waitForReadyRead(100);
        m_device = QString::fromUtf8(m_process.readLine()).trimmed();
    }
    ~SimProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished();
    }
    // The device the simulator serves; empty when it did not start.
    QString device() const { return m_device; }

private:
    QProcess m_process;
    QString m_device;
};

struct QuarnctlResult {
    int code = -1; // -1: crashed or timed out
    QString out;
    QString err;
    double elapsedMs = 0; // from start to exit
};

// Runs quarnctl to its end; one that takes longer than timeoutMs is killed.
inline QuarnctlResult quarnctl(const QStringList& args, int timeoutMs = 30000)
{
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral(QUARNCTL_PATH), args);
    QuarnctlResult r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.elapsedMs = double(t.nsecsElapsed()) / 1e6;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace e2e
