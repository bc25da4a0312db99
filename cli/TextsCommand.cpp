#include "cli/TextsCommand.h"

#include "cli/ConsoleProgress.h"
#include "cli/ExitCode.h"
#include "cli/RangeList.h"

#include "displaytexts/link/OutcomeText.h"
#include "displaytexts/link/TextCommands.h"
#include "displaytexts/link/TextConnect.h"
#include "displaytexts/link/TextProgram.h"
#include "displaytexts/link/TextRead.h"
#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/TextFiles.h"
#include "displaytexts/texts/TextKindTable.h"
#include "platform/BytePort.h"

namespace cli {

namespace {

using tekstor::TextKind;

const char* const Usage = "usage: quarnctl texts read ids [--ranges 0,1,...] -o FILE\n"
                          "       quarnctl texts read own [--language 0-6] -o FILE\n"
                          "       quarnctl texts read channels -o FILE\n"
                          "       quarnctl texts write ids FILE [--ranges 0,1,...]\n"
                          "       quarnctl texts write own FILE\n"
                          "       quarnctl texts write channels FILE\n"
                          "  ID ranges: 0 = IDs 0-99 ... 9 = IDs 900-999 (read: all ten by default;\n"
                          "  write: the ranges holding an ID whose flag is not X).\n"
                          "  languages: 0 German, 1 English, 2 French, 3 Dutch, 4 Italian, 5 Czech,\n"
                          "  6 the unit's own texts (default).\n"
                          "  Files: *.q8kk ID texts, *.q8kt own texts, *.q8kc channel texts.\n";

struct Request {
    bool read = true;
    TextKind kind = TextKind::Ids;
    QString file;
    QList<int> ranges;
    bool rangesGiven = false;
    int language = tekstor::LanguageListSize - 1;
};

bool parseKind(const QString& text, TextKind& kind)
{
    if (text == QLatin1String("ids"))
        kind = TextKind::Ids;
    else if (text == QLatin1String("own"))
        kind = TextKind::Own;
    else if (text == QLatin1String("channels"))
        kind = TextKind::Channels;
    else
        return false;
    return true;
}

// Fills request from the arguments; an error text when they do not fit.
QString parse(QStringList args, Request& request)
{
    if (!args.isEmpty() && args.first() == QLatin1String("texts"))
        args.removeFirst();
    if (args.size() < 2)
        return QStringLiteral("missing arguments");
    if (args[0] == QLatin1String("read"))
        request.read = true;
    else if (args[0] == QLatin1String("write"))
        request.read = false;
    else
        return QStringLiteral("unknown action %1").arg(args[0]);
    if (!parseKind(args[1], request.kind))
        return QStringLiteral("unknown kind %1").arg(args[1]);

    bool languageGiven = false;
    for (int i = 2; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--ranges") && hasValue) {
            if (!parseRangeList(args[++i], tekstor::Register::IdRangeCount, request.ranges))
                return QStringLiteral("bad ranges %1 (0-9, separated by commas)").arg(args[i]);
            request.rangesGiven = true;
        } else if (a == QLatin1String("--language") && hasValue) {
            bool ok = false;
            request.language = args[++i].toInt(&ok);
            if (!ok || request.language < 0 || request.language >= tekstor::LanguageListSize)
                return QStringLiteral("bad language %1 (0-6)").arg(args[i]);
            languageGiven = true;
        } else if ((a == QLatin1String("-o") || a == QLatin1String("--output")) && hasValue && request.read) {
            request.file = args[++i];
        } else if (!request.read && !a.startsWith(QLatin1Char('-')) && request.file.isEmpty()) {
            request.file = a;
        } else {
            return QStringLiteral("unexpected argument %1").arg(a);
        }
    }
    if (request.file.isEmpty())
        return request.read ? QStringLiteral("missing -o FILE") : QStringLiteral("missing FILE");
    if (request.rangesGiven && request.kind != TextKind::Ids)
        return QStringLiteral("--ranges applies to ids only");
    if (languageGiven && (request.kind != TextKind::Own || !request.read))
        return QStringLiteral("--language applies to reading own texts only");
    return {};
}

QString kindName(TextKind kind)
{
    return QString::fromLatin1(tekstor::textKindInfo(kind).plural);
}

int connect(platform::BytePort& port, const QString& portName, platform::Clock& clock,
            tekstor::Register& store, QTextStream& err)
{
    const tekstor::ConnectResult c = tekstor::TextConnect(port, clock, store).run(portName);
    const tekstor::OutcomeMessage message = tekstor::OutcomeText::connect(c, tekstor::Language::English);
    if (!message.failed())
        return ExitOk;
    err << "quarnctl: ";
    if (message.portFailed)
        err << portName << ": ";
    err << message.text;
    if (message.portFailed && !port.lastErrorDetail().isEmpty())
        err << " (" << port.lastErrorDetail() << ")";
    err << "\n";
    return message.portFailed ? ExitPort : ExitFailed;
}

int readTexts(platform::BytePort& port, platform::Clock& clock, const Request& request,
              tekstor::Register& store, QTextStream& out, QTextStream& err)
{
    ConsoleProgress progress(err, QStringLiteral("reading ") + kindName(request.kind));
    tekstor::TextRead reader(port, clock, store, progress);
    const tekstor::ReadResult result = reader.read(
        request.kind, request.rangesGiven ? request.ranges : QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
        tekstor::languageCharacter(request.language));
    tekstor::TextDisconnect(port, clock).run();

    // Replies are matched to texts by their order: a read with any untrustworthy reply
    // stores nothing and is not saved, so a file from an earlier read stays as it was.
    if (result.outcome != tekstor::TransferOutcome::Done) {
        err << "quarnctl: " << tekstor::OutcomeText::read(result, tekstor::Language::English).text
            << " Nothing was saved.\n";
        return ExitFailed;
    }
    if (tekstor::TextFiles::save(request.file, request.kind, store) != tekstor::FileOutcome::Ok) {
        err << "quarnctl: " << request.file << ": file could not be written\n";
        return ExitFile;
    }
    out << result.stored.size() << " of " << result.asked.size() << " " << kindName(request.kind)
        << " read, saved in " << request.file << "\n";
    return ExitOk;
}

int writeTexts(platform::BytePort& port, platform::Clock& clock, const Request& request,
               const tekstor::Register& texts, QTextStream& out, QTextStream& err)
{
    ConsoleProgress progress(err, QStringLiteral("programming ") + kindName(request.kind));
    tekstor::TextProgram programmer(port, clock, texts, progress);
    const tekstor::ProgramResult result =
        programmer.program(request.kind, request.rangesGiven ? request.ranges : texts.idRangesWithTexts());
    tekstor::TextDisconnect(port, clock).run();

    const tekstor::OutcomeMessage message =
        tekstor::OutcomeText::program(request.kind, result, tekstor::Language::English);
    if (result.outcome == tekstor::TransferOutcome::NothingAsked) {
        out << message.text << "\n";
        return ExitOk;
    }
    out << result.sent << " " << kindName(request.kind) << " programmed\n";
    if (message.failed()) {
        err << "quarnctl: " << message.text << "\n";
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

int runTextsCommand(platform::BytePort& port, const QString& portName, platform::Clock& clock,
                    const QStringList& args, QTextStream& out, QTextStream& err)
{
    Request request;
    QString problem = parse(args, request);
    if (problem.isEmpty() && portName.isEmpty())
        problem = QStringLiteral("needs --port NAME or --simulate");
    if (!problem.isEmpty()) {
        err << "quarnctl: texts: " << problem << "\n" << Usage;
        return ExitUsage;
    }

    // A file to program is checked and read completely before the unit is touched: only a
    // complete text file of the kind goes out.
    tekstor::Register fromFile;
    if (!request.read) {
        const tekstor::TextFileCheck check = tekstor::TextFiles::check(request.file, request.kind);
        if (!check.ok()) {
            err << "quarnctl: " << request.file << ": " << check.text(request.kind) << "; nothing was sent\n";
            return ExitFile;
        }
        if (tekstor::TextFiles::load(request.file, request.kind, fromFile) != tekstor::FileOutcome::Ok) {
            err << "quarnctl: " << request.file << ": "
                << tekstor::msg::fileNotRead(tekstor::Language::English) << "\n";
            return ExitFile;
        }
    }

    tekstor::Register store;
    const int connected = connect(port, portName, clock, store, err);
    if (connected != ExitOk)
        return connected;
    out.flush();
    return request.read ? readTexts(port, clock, request, store, out, err)
                        : writeTexts(port, clock, request, fromFile, out, err);
}

} // namespace cli
