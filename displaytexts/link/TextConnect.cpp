#include "displaytexts/link/TextConnect.h"

#include "displaytexts/link/TextCommands.h"
#include "displaytexts/texts/Register.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"

#include <cstdlib>

namespace tekstor {

namespace {
// Leading decimal digits as the C library reads them (no number gives 0).
int leadingNumber(const QByteArray& text)
{
    return std::atoi(text.constData());
}
} // namespace

TextConnect::TextConnect(platform::BytePort& port, platform::Clock& clock, Register& store)
    : m_line(port, clock), m_store(store)
{}

ConnectResult TextConnect::run(const QString& portName)
{
    ConnectResult result;
    result.open = m_line.open(portName);
    if (result.open != OpenResult::Ok) {
        m_line.close();
        result.outcome = ConnectOutcome::PortFailed;
        return result;
    }

    m_line.clock().sleepMs(SettleMs);
    m_line.send(startCommand());
    m_line.clock().sleepMs(AfterStartMs);

    // The greeting is taken by 39 single-byte reads that do not wait; whatever arrived
    // beyond them stays on the line and is read with the count reply.
    const QByteArray arrived = m_line.port().readAvailable(0);
    QByteArray greeting;
    for (char c : arrived.left(StartReadCount)) {
        if (c != '\0')
            greeting.append(c);
    }
    QByteArray buffer;
    for (char c : arrived.mid(StartReadCount)) {
        if (c != '\0')
            buffer.append(c);
    }

    const int k = int(greeting.indexOf("$START"));
    if (k < 0) {
        m_line.close();
        result.outcome = ConnectOutcome::NoStart;
        return result;
    }
    result.startOffset = k;

    m_line.send(ownTextCountCommand());
    if (!m_line.collectUntilSize(k + 41, CountWaitMs, buffer)) {
        m_line.close();
        result.outcome = ConnectOutcome::NoCount;
        return result;
    }
    m_store.setLastOwnIndex(leadingNumber(buffer.mid(k + 36, 3)));
    result.lastOwnIndex = m_store.lastOwnIndex();
    result.outcome = ConnectOutcome::Connected;
    return result;
}

TextDisconnect::TextDisconnect(platform::BytePort& port, platform::Clock& clock) : m_line(port, clock) {}

void TextDisconnect::run()
{
    m_line.send(endCommand());
    m_line.close();
}

} // namespace tekstor
