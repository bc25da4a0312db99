#pragma once

#include "displaytexts/texts/Messages.h"
#include "platform/StartArguments.h"

#include <QString>
#include <QStringList>

namespace tekstor {

// Tekstor's start options:
//   --port NAME        offer NAME first in the port list (any device path works)
//   --simulate         serve a simulated unit and offer its device first
//   FILE               a text file to open in the kind its extension names (.q8kk, .q8kt, .q8kc)
//   -h, --help / -v, --version   print the usage or the version and end
struct TekstorOptions {
    using Request = platform::StartArguments::Request;

    Request request = Request::Run;
    QString port;
    bool simulate = false;
    QString file;
    QString error; // not empty when the options could not be understood

    // Without the program name. --help and --version win over any error, so they answer
    // before the toolkit has taken its own arguments (-platform, -style ...).
    static TekstorOptions parse(const QStringList& arguments);
    static QString usage();
    static QString version();
    // The language of the usage and of the messages about the options: the window starts in
    // German and switches in its menu, so before it exists an English locale decides.
    static Language language();
};

} // namespace tekstor
