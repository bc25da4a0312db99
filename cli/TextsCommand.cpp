#include "cli/TextsCommand.h"

#include "cli/ConsoleProgress.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"
#include "cli/PortSetup.h"
#include "cli/RangeList.h"

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

// Fills request from the call; an error text when it does not fit.
QString parse(const Invocation& call, Request& request)
{
    const QStringList& args = call.args;
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
    if (request.read) {
        if (args.size() > 2)
            return QStringLiteral("unexpected argument %1").arg(args[2]);
        request.file = call.value(QStringLiteral("output"));
    } else {
        if (args.size() > 3)
            return QStringLiteral("unexpected argument %1").arg(args[3]);
        if (call.isSet(QStringLiteral("output")))
            return QStringLiteral("unexpected argument -o");
        request.file = args.value(2);
    }
    if (call.isSet(QStringLiteral("ranges"))) {
        const QString ranges = call.value(QStringLiteral("ranges"));
        if (!parseRangeList(ranges, tekstor::Register::IdRangeCount, request.ranges))
            return QStringLiteral("bad ranges %1 (0-9, separated by commas)").arg(ranges);
        request.rangesGiven = true;
    }
    // --language de|en is the language of the messages; a number the unit's language list.
    const QString language = call.options.language;
    const bool languageGiven =
        !language.isEmpty() && language != QLatin1String("de") && language != QLatin1String("en");
    if (languageGiven) {
        bool ok = false;
        request.language = language.toInt(&ok);
        if (!ok || request.language < 0 || request.language >= tekstor::LanguageListSize)
            return QStringLiteral("bad language %1 (0-6)").arg(language);
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
    const auto en = tekstor::Language::English;
    switch (c.outcome) {
    case tekstor::ConnectOutcome::Connected:
        return ExitOk;
    case tekstor::ConnectOutcome::PortFailed:
        err << "quarnctl: " << portName << ": " << tekstor::msg::portInitFailed(en);
        if (!port.lastErrorDetail().isEmpty())
            err << " (" << port.lastErrorDetail() << ")";
        err << "\n";
        return ExitPort;
    case tekstor::ConnectOutcome::NoStart:
    case tekstor::ConnectOutcome::NoCount:
        err << "quarnctl: " << tekstor::msg::unitNotAnswering(en) << "\n";
        return ExitFailed;
    }
    return ExitFailed;
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

    // Replies are matched to texts by their order, so after a missing one every later
    // text may sit on the wrong number: an incomplete read is not saved, and a file
    // from an earlier read stays as it was.
    if (result.stored.size() < result.asked.size()) {
        err << "quarnctl: the unit answered " << result.stored.size() << " of " << result.asked.size()
            << " texts; nothing was saved\n";
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

    out << result.sent << " " << kindName(request.kind) << " programmed\n";
    if (result.refused > 0) {
        err << "quarnctl: " << result.refused << " texts were too long to send\n";
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

QStringList TextsCommand::usage() const
{
    return {QStringLiteral("texts read ids [--ranges 0,1,...] -o FILE"),
            QStringLiteral("texts read own [--language 0-6] -o FILE"),
            QStringLiteral("texts read channels -o FILE"),
            QStringLiteral("texts write ids FILE [--ranges 0,1,...]"),
            QStringLiteral("texts write own FILE"),
            QStringLiteral("texts write channels FILE")};
}

QString TextsCommand::details() const
{
    return QStringLiteral("  ID ranges: 0 = IDs 0-99 ... 9 = IDs 900-999 (read: all ten by default;\n"
                          "  write: the ranges holding an ID whose flag is not X).\n"
                          "  languages: 0 German, 1 English, 2 French, 3 Dutch, 4 Italian, 5 Czech,\n"
                          "  6 the unit's own texts (default).\n"
                          "  Files: *.q8kk ID texts, *.q8kt own texts, *.q8kc channel texts.\n");
}

QList<QCommandLineOption> TextsCommand::options() const
{
    return {
        QCommandLineOption(QStringLiteral("ranges"), QStringLiteral("the ID ranges"), QStringLiteral("LIST")),
        outputOption(QStringLiteral("the text file to write (read)"))};
}

int TextsCommand::run(Invocation& call) const
{
    Request request;
    if (const QString problem = parse(call, request); !problem.isEmpty())
        return call.usageError(problem);

    return call.withUnit([&](PortSetup& setup) {
        // A file to program is read completely before the unit is touched.
        tekstor::Register fromFile;
        if (!request.read &&
            tekstor::TextFiles::load(request.file, request.kind, fromFile) != tekstor::FileOutcome::Ok) {
            call.err << "quarnctl: " << request.file << ": "
                     << tekstor::msg::fileNotRead(tekstor::Language::English) << "\n";
            return int(ExitFile);
        }
        tekstor::Register store;
        const int connected = connect(setup.port(), setup.portName(), setup.clock(), store, call.err);
        if (connected != ExitOk)
            return connected;
        call.out.flush();
        return request.read ? readTexts(setup.port(), setup.clock(), request, store, call.out, call.err)
                            : writeTexts(setup.port(), setup.clock(), request, fromFile, call.out, call.err);
    });
}

} // namespace cli
