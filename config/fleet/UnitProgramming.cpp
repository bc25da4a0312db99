#include "config/fleet/UnitProgramming.h"

#include "config/link/BulkRead.h"
#include "config/link/BulkSend.h"
#include "config/link/ConnectExchange.h"
#include "config/link/Disconnect.h"
#include "config/link/LinkMessages.h"
#include "config/register/SettingsFile.h"
#include "platform/BytePort.h"
#include "platform/Progress.h"

#include <QCryptographicHash>

using namespace quarn::link;

namespace quarn::fleet {

namespace {

// The three transfers of a unit as one bar: read, send, read back.
class PhasedProgress final : public platform::Progress {
public:
    explicit PhasedProgress(platform::Progress& outer) : m_outer(outer) {}
    void phase(int n) { m_phase = n; }
    void setRange(int maximum) override
    {
        m_max = maximum;
        m_outer.setRange(3 * maximum);
    }
    void setPosition(int position) override
    {
        m_position = position;
        m_outer.setPosition(m_phase * m_max + position);
    }
    void step() override { setPosition(m_position + 1); }

private:
    platform::Progress& m_outer;
    int m_phase = 0;
    int m_max = 0;
    int m_position = 0;
};

QString messageOf(const LinkOutcome& outcome)
{
    if (outcome.result == LinkResult::Stopped)
        return UnitProgramming::tr("Angehalten.");
    const std::optional<linkmsg::LinkMessage> box = linkmsg::messageFor(outcome);
    if (!box)
        return {};
    QString text = box->text.simplified();
    if (!box->informative.isEmpty())
        text += QStringLiteral(" (") + box->informative.simplified() + QLatin1Char(')');
    return text;
}

bool sameRegisters(const Register& a, const Register& b, bool telephone)
{
    for (int n : Register::numbers(telephone)) {
        if (a.registerText(n) != b.registerText(n))
            return false;
    }
    return true;
}

} // namespace

QString UnitProgramming::hashOf(const Register& image)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(settingsFileContent(image), QCryptographicHash::Sha256).toHex());
}

UnitResult UnitProgramming::run(platform::BytePort& port, platform::Clock& clock, const QString& portName,
                                const Register& prepared, const std::optional<Register>& previous,
                                platform::Progress& outer, const std::atomic_bool& stop)
{
    UnitResult result;
    PhasedProgress progress(outer);
    Register unit;
    const LinkContext unitContext{port, clock, unit, portName, progress, &stop};
    // Every failure after the connect still ends the unit's PC mode, if the line is there.
    auto fail = [&](const LinkOutcome& outcome) {
        result.state =
            outcome.result == LinkResult::Stopped ? UnitResult::State::Stopped : UnitResult::State::Failed;
        result.message = messageOf(outcome);
        if (port.isOpen())
            Disconnect(unitContext).execute();
        port.close();
        return result;
    };

    const LinkOutcome connected = ConnectExchange(unitContext).run();
    if (!connected.ok()) {
        result.message = messageOf(connected);
        result.state =
            connected.result == LinkResult::Stopped ? UnitResult::State::Stopped : UnitResult::State::Failed;
        port.close();
        return result;
    }
    result.model = unit.model7k ? QStringLiteral("Quarn 7k") : QStringLiteral("Quarn 8k");
    result.version = unit.versionText.simplified();
    if (prepared.telephoneInterface && !unit.telephoneInterface) {
        result.message = tr("Die Vorlage enthält die Register des Telefoninterface, das Gerät hat keines.");
        Disconnect(unitContext).execute();
        port.close();
        return result;
    }

    const LinkOutcome read = BulkRead(unitContext).execute();
    if (!read.ok())
        return fail(read);
    result.imageRead = unit;
    if (previous && sameRegisters(unit, *previous, prepared.telephoneInterface)) {
        result.state = UnitResult::State::SameAsPrevious;
        result.message = tr("Das angeschlossene Gerät ist noch das vorige.");
        Disconnect(unitContext).execute();
        port.close();
        return result;
    }

    Register sent = prepared;
    sent.unitKnown = true;
    sent.model7k = unit.model7k;
    sent.versionText = unit.versionText;
    const LinkContext sendContext{port, clock, sent, portName, progress, &stop};
    progress.phase(1);
    result.imageHash = hashOf(prepared);
    const LinkOutcome send = BulkSend(sendContext).execute();
    if (!send.ok())
        return fail(send);

    Register back = unit;
    back.telephoneInterface = unit.telephoneInterface;
    const LinkContext backContext{port, clock, back, portName, progress, &stop};
    progress.phase(2);
    const LinkOutcome verify = BulkRead(backContext).execute();
    if (!verify.ok())
        return fail(verify);
    for (int n : Register::numbers(prepared.telephoneInterface)) {
        if (back.registerText(n) != prepared.registerText(n)) {
            result.state = UnitResult::State::Failed;
            result.message = tr("Nach dem Senden hält das Gerät in Register %1 „%2“ statt „%3“.")
                                 .arg(n, 3, 10, QLatin1Char('0'))
                                 .arg(back.registerText(n), prepared.registerText(n));
            Disconnect(unitContext).execute();
            port.close();
            return result;
        }
    }
    const LinkOutcome ended = Disconnect(unitContext).execute();
    port.close();
    if (!ended.ok() && ended.result != LinkResult::Stopped) {
        result.state = UnitResult::State::Failed;
        result.message = messageOf(ended);
        return result;
    }
    result.state = UnitResult::State::Done;
    return result;
}

} // namespace quarn::fleet
