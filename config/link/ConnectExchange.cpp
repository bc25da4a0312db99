#include "config/link/ConnectExchange.h"

#include "config/link/CommandFraming.h"
#include "config/link/ReceivedText.h"
#include "config/link/StagedExchange.h"
#include "config/register/Register.h"
#include "platform/BytePort.h"

namespace quarn::link {

QString ConnectExchange::versionText(const QString& received, bool telephone)
{
    qsizetype start = received.indexOf(QStringLiteral("Quarn"));
    if (start < 0)
        start = received.indexOf(QStringLiteral("Q7k"));
    if (start < 0)
        start = received.indexOf(QStringLiteral("Q8k"));
    // Short replies carry no usable self-description.
    const qsizetype end = received.size() > 28 ? received.indexOf(QLatin1Char('\r'), 14) : -1;

    QString version;
    if (start >= 0 && end >= 0 && start < end)
        version = received.mid(start, end - start);
    if (telephone)
        version += QStringLiteral("\nmit Telefoninterface");
    return version;
}

LinkOutcome ConnectExchange::run()
{
    Register& image = m_ctx.image;
    // Nothing is connected until a Quarn has answered; a failed connect leaves the model,
    // the telephone-interface flag and the registers as they were, so an opened file keeps
    // its shape.
    image.unitKnown = false;
    image.versionText.clear();
    if (auto failed = restartSelectedPort(m_ctx, Exchange::Connect))
        return *failed;
    LinkOutcome out = outcomeOf(Exchange::Connect);

    framing::sendText(m_ctx.port, framing::ProgStart);
    framing::sendText(m_ctx.port, framing::readCommand(300));

    ReceivedText received;
    for (int i = 0; i < ReadCount; ++i) {
        if (m_ctx.stopRequested()) {
            m_ctx.port.close();
            out.result = LinkResult::Stopped;
            return out;
        }
        received.append(m_ctx.port.readByte());
    }

    if (received.containsAfterStart(QStringLiteral("----------------")) ||
        received.containsAfterStart(QStringLiteral("TX ="))) {
        out.result = LinkResult::MonitorOutput;
        return out;
    }

    struct Name {
        const char* text;
        bool is7k;
    };
    static constexpr Name names[] = {{"Quarn 7k", true}, {"Quarn 8k", false}, {"Q7k", true}, {"Q8k", false}};
    for (const Name& name : names) {
        if (received.containsAfterStart(QLatin1String(name.text))) {
            image.model7k = name.is7k;
            image.unitKnown = true;
            break;
        }
    }
    if (!image.unitKnown) {
        out.result = LinkResult::UnitNotKnown;
        return out;
    }

    image.telephoneInterface = received.containsAfterStart(framing::replyPrefix(300));
    image.versionText = versionText(received.text(), image.telephoneInterface);
    return out;
}

} // namespace quarn::link
