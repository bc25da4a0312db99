#include "displaytexts/link/OutcomeText.h"

#include "displaytexts/texts/TextKindTable.h"

namespace tekstor {

namespace {
OutcomeMessage error(const QString& caption, const QString& text, bool portFailed = false)
{
    return OutcomeMessage{OutcomeMessage::Kind::Error, caption, text, portFailed};
}

OutcomeMessage portFailed(Language l)
{
    return error(msg::captionError(l), msg::portInitFailed(l), true);
}

OutcomeMessage notAnswering(Language l)
{
    return error(msg::captionUnitNotAnswering(l), msg::unitNotAnswering(l));
}
} // namespace

OutcomeMessage OutcomeText::connect(const ConnectResult& result, Language l)
{
    switch (result.outcome) {
    case ConnectOutcome::Connected:
        return {};
    case ConnectOutcome::PortFailed:
        return portFailed(l);
    case ConnectOutcome::NoStart:
    case ConnectOutcome::NoCount:
        break;
    }
    return notAnswering(l);
}

OutcomeMessage OutcomeText::read(const ReadResult& result, Language l)
{
    switch (result.outcome) {
    case TransferOutcome::Done:
    case TransferOutcome::Stopped:
        return {};
    case TransferOutcome::PortClosed:
        return portFailed(l);
    case TransferOutcome::NoReply:
        return notAnswering(l);
    case TransferOutcome::Disturbed:
        return error(msg::captionError(l), msg::replyDisturbed(l, result.unusable, int(result.asked.size())));
    case TransferOutcome::NothingAsked:
        break;
    }
    return error(msg::captionError(l), msg::selectRange(l));
}

OutcomeMessage OutcomeText::program(TextKind kind, const ProgramResult& result, Language l)
{
    switch (result.outcome) {
    case TransferOutcome::Done:
        if (result.refused > 0)
            return error(msg::captionError(l), msg::textsNotSentCompletely(l));
        return {OutcomeMessage::Kind::Information, QString(), textKindInfo(kind).programmed.in(l), false};
    case TransferOutcome::NothingAsked:
        return {OutcomeMessage::Kind::Information, QString(), msg::noTextsSent(l), false};
    case TransferOutcome::PortClosed:
        return portFailed(l);
    case TransferOutcome::Stopped:
        return {};
    case TransferOutcome::NoReply:
    case TransferOutcome::Disturbed:
        break;
    }
    return error(msg::captionError(l), msg::textsNotSentCompletely(l));
}

} // namespace tekstor
