#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "config/link/LinkOutcome.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"

// The user-visible texts of the device link, written once for the window and quarnctl.
// The link itself shows nothing; the window puts these into message boxes, with the icon
// it chooses for the severity.
namespace quarn::linkmsg {

using link::Exchange;
using link::LinkOutcome;
using link::LinkResult;
using quarn::msg::Messages;

// How bad it is: a note, something the user should check, or a transfer that failed.
enum class Severity { Information, Warning, Error };

struct LinkMessage {
    QString caption;
    QString text;
    Severity severity = Severity::Warning;
    QString informative; // below the text, e.g. why the port could not be opened
};

inline QString portNotOpened()
{
    return Messages::tr("Port konnte nicht initialisiert werden!");
}
inline QString transferAborted()
{
    return Messages::tr("Sendevorgang war fehlerhaft und wurde abgebrochen!");
}
inline QString sendUnconfirmed(int n)
{
    return Messages::tr(
               "Programmierung war möglicherweise fehlerhaft! Letztes falsch oder nicht beschriebene "
               "Register: %1")
        .arg(n);
}
inline QString selectPcConnection()
{
    return Messages::tr(
        "Im Menü des Quarns muss \"PC-Verbindung\" ausgewählt werden, um eine Verbindung aufzubauen.");
}
inline QString noQuarnFound()
{
    return Messages::tr("Es konnte keine Verbindung zu einem Quarn 7k/8k hergestellt werden.");
}
inline QString notAllRead(int n)
{
    return Messages::tr("Nicht alle Register konnten gelesen werden. Erstes fehlendes Register: %1").arg(n);
}
inline QString invalidRegister(int n)
{
    return Messages::tr("Daten wurden nicht gesendet: Register %1 enthält keine gültigen Registerstellen.")
        .arg(n);
}
inline QString versionNeedsConnection()
{
    return Messages::tr(
        "Für Versionsbezeichnung muss zunächst eine Verbindung zum Quarn hergestellt werden.");
}
inline QString notConnected()
{
    return Messages::tr("Es besteht keine Verbindung zum Quarn. Bitte zuerst \"Verbindung herstellen\".");
}
inline QString captionVersion()
{
    return Messages::tr("Version:");
}

// The box an outcome ends with; nothing for a quiet end.
inline std::optional<LinkMessage> messageFor(const LinkOutcome& outcome)
{
    const QString error = quarn::msg::captionError();
    switch (outcome.result) {
    case LinkResult::Completed:
    case LinkResult::Stopped:
        return std::nullopt;
    case LinkResult::NotConnected:
        return LinkMessage{error, notConnected(), Severity::Warning, {}};
    case LinkResult::PortNotOpened:
        return LinkMessage{error, portNotOpened(), Severity::Warning, outcome.portDetail};
    case LinkResult::MonitorOutput:
        if (outcome.exchange == Exchange::Connect)
            return LinkMessage{error, selectPcConnection(), Severity::Warning, {}};
        return LinkMessage{error, transferAborted(), Severity::Error, {}};
    case LinkResult::NoReply:
    case LinkResult::WriteFailed:
        return LinkMessage{error, transferAborted(), Severity::Error, {}};
    case LinkResult::UnitNotKnown:
        return LinkMessage{error, noQuarnFound(), Severity::Warning, {}};
    case LinkResult::Unconfirmed:
        return LinkMessage{error, sendUnconfirmed(outcome.registerNumber), Severity::Warning, {}};
    case LinkResult::NotAllRead:
        return LinkMessage{error, notAllRead(outcome.registerNumber), Severity::Warning, {}};
    case LinkResult::InvalidRegister:
        return LinkMessage{error, invalidRegister(outcome.registerNumber), Severity::Warning, {}};
    }
    return std::nullopt;
}

// "Version des Quarns...": the unit is not asked again.
inline LinkMessage versionQuery(const quarn::Register& image)
{
    if (image.versionText.isEmpty())
        return {quarn::msg::captionError(), versionNeedsConnection(), Severity::Warning, {}};
    return {captionVersion(), image.versionText, Severity::Information, {}};
}

} // namespace quarn::linkmsg
