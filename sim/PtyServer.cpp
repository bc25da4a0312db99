#include "sim/PtyServer.h"

#include "platform/PseudoTerminal.h"
#include "sim/StateFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>

namespace sim {

namespace {
// Longest sleep of the serving loop: bounds how late stop() is noticed.
constexpr int kMaxPollMs = 20;
// The state file is written once the line has been quiet this long after a change.
constexpr qint64 kQuietBeforeSaveUs = 20'000;
} // namespace

PtyServer::PtyServer(const UnitOptions& options)
    : m_unit(options), m_terminal(std::make_unique<platform::PseudoTerminal>())
{}

PtyServer::~PtyServer()
{
    stop();
}

void PtyServer::setStateFile(const QString& path)
{
    m_stateFile = path;
}

bool PtyServer::start()
{
    if (isRunning())
        return true;
    m_error.clear();
    if (!m_stateFile.isEmpty() && QFileInfo::exists(m_stateFile)) {
        if (!StateFile::load(m_stateFile, m_unit)) {
            m_error = QStringLiteral("cannot read state file %1").arg(m_stateFile);
            return false;
        }
    } else if (!m_stateFile.isEmpty() && !StateFile::save(m_stateFile, m_unit)) {
        m_error = QStringLiteral("cannot create state file %1").arg(m_stateFile);
        return false;
    }
    m_savedRevision = m_unit.revision();
    if (!m_terminal->open()) {
        m_error = m_terminal->errorString();
        return false;
    }
    m_devicePath = m_terminal->slavePath();
    m_stop = false;
    m_hungUp = false;
    m_thread = std::thread([this] { serve(); });
    return true;
}

void PtyServer::stop()
{
    if (!m_thread.joinable())
        return;
    m_stop = true;
    m_thread.join();
    m_terminal->close();
    saveStateIfChanged();
}

void PtyServer::serve()
{
    // Microseconds, so that paced bytes leave when they are due and not at the next
    // millisecond.
    QElapsedTimer timer;
    timer.start();
    const auto nowUs = [&timer] { return timer.nsecsElapsed() / 1000; };
    QByteArray unsent; // output the terminal did not take yet
    qint64 lastInputUs = 0;
    while (!m_stop) {
        qint64 waitUs = kMaxPollMs * 1000;
        auto end = platform::PseudoTerminal::WaitEnd::Loose;
        if (!unsent.isEmpty()) {
            waitUs = 1000;
        } else if (const std::optional<qint64> next = m_unit.nextOutputAtUs()) {
            // A byte paced at 9600 baud leaves when it is due: a lock-step exchange would
            // otherwise pay the lateness of every reply's last byte.
            const qint64 dueInUs = *next - nowUs();
            if (dueInUs <= waitUs)
                end = platform::PseudoTerminal::WaitEnd::Exact;
            waitUs = std::clamp<qint64>(dueInUs, 0, waitUs);
        }
        const QByteArray in = m_terminal->readWithin(waitUs, end);
        if (!in.isEmpty()) {
            lastInputUs = nowUs();
            m_unit.receiveAtUs(in, lastInputUs);
        }
        if (m_unit.lineDropped()) {
            // The unit pulled the cable: the program sees its port hang up.
            m_terminal->close();
            m_hungUp = true;
            break;
        }
        unsent += m_unit.takeOutputAtUs(nowUs());
        if (!unsent.isEmpty()) {
            const qint64 written = m_terminal->write(unsent);
            if (written > 0)
                unsent.remove(0, written);
        }
        // Saving costs a few milliseconds; done in a pause of the line, it never delays a reply.
        if (unsent.isEmpty() && !m_unit.hasPendingOutput() && nowUs() - lastInputUs >= kQuietBeforeSaveUs)
            saveStateIfChanged();
    }
}

void PtyServer::saveStateIfChanged()
{
    if (m_stateFile.isEmpty())
        return;
    const quint64 revision = m_unit.revision();
    if (revision == m_savedRevision)
        return;
    if (StateFile::save(m_stateFile, m_unit))
        m_savedRevision = revision;
}

} // namespace sim
