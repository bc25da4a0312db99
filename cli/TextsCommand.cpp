#include "cli/TextsCommand.h"

#include "cli/ConsoleProgress.h"
#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"
#include "cli/PortSetup.h"
#include "cli/RangeList.h"
#include "config/history/TextHistory.h"
#include "config/register/Messages.h"

#include "displaytexts/link/OutcomeText.h"
#include "displaytexts/link/TextCommands.h"
#include "displaytexts/link/TextConnect.h"
#include "displaytexts/link/TextProgram.h"
#include "displaytexts/link/TextRead.h"
#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/TextFiles.h"
#include "displaytexts/texts/TextKindTable.h"
#include "platform/BytePort.h"

#include <QFile>

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
    const Diagnostics& diag = call.diag;
    const QStringList& args = call.args;
    if (args.size() < 2)
        return diag.pick("Argumente fehlen", "arguments are missing");
    if (args[0] == QLatin1String("read"))
        request.read = true;
    else if (args[0] == QLatin1String("write"))
        request.read = false;
    else
        return diag.pick("unbekannte Aktion %1 (read oder write)", "unknown action %1 (read or write)")
            .arg(args[0]);
    if (!parseKind(args[1], request.kind))
        return diag
            .pick("unbekannte Textart %1 (ids, own oder channels)", "unknown kind %1 (ids, own or channels)")
            .arg(args[1]);
    const qsizetype count = request.read ? 2 : 3;
    if (args.size() > count)
        return diag.pick("unerwartetes Argument %1", "unexpected argument %1").arg(args[count]);
    if (!request.read && call.isSet(QStringLiteral("output")))
        return diag.pick("unerwartetes Argument -o", "unexpected argument -o");
    request.file = request.read ? call.value(QStringLiteral("output")) : args.value(2);
    if (call.isSet(QStringLiteral("ranges"))) {
        const QString ranges = call.value(QStringLiteral("ranges"));
        if (!parseRangeList(ranges, tekstor::Register::IdRangeCount, request.ranges))
            return diag
                .pick("falsche Bereiche %1 (0-9, durch Kommas getrennt)",
                      "bad ranges %1 (0-9, separated by commas)")
                .arg(ranges);
        request.rangesGiven = true;
    }
    // --language de|en is the language of the messages; a number the unit's language list.
    const QString language = call.options.language;
    const bool languageGiven =
        !language.isEmpty() && language != QLatin1String("de") && language != QLatin1String("en");
    if (languageGiven)
        request.language = language.toInt();
    if (request.file.isEmpty())
        return request.read ? diag.pick("-o DATEI fehlt", "-o FILE is missing")
                            : diag.pick("DATEI fehlt", "FILE is missing");
    if (request.rangesGiven && request.kind != TextKind::Ids)
        return diag.pick("--ranges gilt nur für ids", "--ranges applies to ids only");
    if (languageGiven && (request.kind != TextKind::Own || !request.read))
        return diag.pick("--language 0-6 gilt nur für texts read own",
                         "--language 0-6 applies to texts read own only");
    return {};
}

QString kindName(TextKind kind)
{
    return QString::fromLatin1(tekstor::textKindInfo(kind).plural);
}

// Tekstor's outcome texts in the language of quarnctl's messages.
tekstor::Language textLanguage(const Diagnostics& diag)
{
    return diag.language() == Language::English ? tekstor::Language::English : tekstor::Language::German;
}

int connect(PortSetup& setup, tekstor::Register& store, Diagnostics& diag)
{
    platform::BytePort& port = setup.port();
    // The window's words for the outcome; quarnctl adds the port's reason or what to check.
    const tekstor::OutcomeMessage message = tekstor::OutcomeText::connect(
        tekstor::TextConnect(port, setup.clock(), store).run(setup.portName()), textLanguage(diag));
    if (!message.failed())
        return ExitOk;
    if (message.portFailed) {
        diag.portError(setup.portName(), port.lastError(), port.lastErrorDetail());
        return ExitPort;
    }
    diag.noAnswer(setup.portName(), message.text);
    return ExitFailed;
}

int readTexts(const Invocation& call, PortSetup& setup, const Request& request, tekstor::Register& store)
{
    ConsoleProgress progress(call.err, call.progressShown());
    progress.setLabel(call.diag.pick("Lesen", "Reading"));
    tekstor::TextRead reader(setup.port(), setup.clock(), store, progress);
    const tekstor::ReadResult result = reader.read(
        request.kind, request.rangesGiven ? request.ranges : QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
        tekstor::languageCharacter(request.language));
    progress.finish();
    tekstor::TextDisconnect(setup.port(), setup.clock()).run();

    // Replies are matched to texts by their order: a read with any untrustworthy reply
    // stores nothing and is not saved, so a file from an earlier read stays as it was.
    if (result.outcome != tekstor::TransferOutcome::Done) {
        call.diag.error(setup.portName(),
                        tekstor::OutcomeText::read(result, textLanguage(call.diag)).text + QLatin1Char(' ') +
                            call.diag.pick("Es wurde nichts gespeichert.", "Nothing was saved."));
        return ExitFailed;
    }
    if (const QString warning = quarn::TextHistory::keepTexts(request.kind, store); !warning.isEmpty())
        call.diag.error(call.diag.pick("Verlauf", "history"), warning);
    if (tekstor::TextFiles::save(request.file, request.kind, store) != tekstor::FileOutcome::Ok) {
        call.diag.fileError(request.file, quarn::msg::fileNotSaved(), true);
        return ExitFile;
    }
    call.out << result.stored.size() << " of " << result.asked.size() << " " << kindName(request.kind)
             << " read, saved in " << request.file << "\n";
    return ExitOk;
}

int writeTexts(const Invocation& call, PortSetup& setup, const Request& request,
               const tekstor::Register& texts)
{
    ConsoleProgress progress(call.err, call.progressShown());
    progress.setLabel(call.diag.pick("Senden", "Sending"));
    tekstor::TextProgram programmer(setup.port(), setup.clock(), texts, progress);
    const tekstor::ProgramResult result =
        programmer.program(request.kind, request.rangesGiven ? request.ranges : texts.idRangesWithTexts());
    progress.finish();
    tekstor::TextDisconnect(setup.port(), setup.clock()).run();

    const tekstor::OutcomeMessage message =
        tekstor::OutcomeText::program(request.kind, result, textLanguage(call.diag));
    if (result.outcome == tekstor::TransferOutcome::NothingAsked) {
        call.out << message.text << "\n";
        return ExitOk;
    }
    call.out << result.sent << " " << kindName(request.kind) << " programmed\n";
    if (message.failed()) {
        call.diag.error(request.file, message.text);
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

QString TextsCommand::details(Language language) const
{
    return pick(language,
                "  Kennungsbereiche: 0 = Kennungen 0-99 ... 9 = Kennungen 900-999 (read: als Vorgabe alle\n"
                "  zehn; write: die Bereiche mit einer Kennung, deren Kennzeichen nicht X ist).\n"
                "  Sprachen: 0 Deutsch, 1 Englisch, 2 Französisch, 3 Niederländisch, 4 Italienisch,\n"
                "  5 Tschechisch, 6 die eigenen Texte des Geräts (Vorgabe).\n"
                "  Dateien: *.q8kk Kennungstexte, *.q8kt eigene Texte, *.q8kc Kanaltexte.\n",
                "  ID ranges: 0 = IDs 0-99 ... 9 = IDs 900-999 (read: all ten by default;\n"
                "  write: the ranges holding an ID whose flag is not X).\n"
                "  languages: 0 German, 1 English, 2 French, 3 Dutch, 4 Italian, 5 Czech,\n"
                "  6 the unit's own texts (default).\n"
                "  Files: *.q8kk ID texts, *.q8kt own texts, *.q8kc channel texts.\n");
}

QList<QCommandLineOption> TextsCommand::options(Language language) const
{
    return {
        QCommandLineOption(QStringLiteral("ranges"), pick(language, "die Kennungsbereiche", "the ID ranges"),
                           QStringLiteral("LIST")),
        outputOption(pick(language, "die zu schreibende Textdatei (read)", "the text file to write (read)"))};
}

int TextsCommand::run(Invocation& call) const
{
    Request request;
    if (const QString problem = parse(call, request); !problem.isEmpty())
        return call.usageError(problem);

    return call.withUnit([&](PortSetup& setup) {
        // A file to program is checked and read completely before the unit is touched:
        // only a complete text file of the kind goes out.
        tekstor::Register fromFile;
        if (!request.read) {
            // A file that cannot be opened at all is named with the reason the disk gives.
            if (QFile file(request.file); !file.open(QIODevice::ReadOnly)) {
                call.diag.fileError(request.file, quarn::msg::fileNotRead(), false);
                return int(ExitFile);
            }
            const tekstor::TextFileCheck check = tekstor::TextFiles::check(request.file, request.kind);
            if (!check.ok()) {
                call.diag.error(request.file,
                                check.text(request.kind, textLanguage(call.diag)) +
                                    call.diag.pick("; es wurde nichts gesendet.", "; nothing was sent."));
                return int(ExitFile);
            }
        }
        if (!request.read &&
            tekstor::TextFiles::load(request.file, request.kind, fromFile) != tekstor::FileOutcome::Ok) {
            call.diag.fileError(request.file, quarn::msg::fileNotRead(), false);
            return int(ExitFile);
        }
        tekstor::Register store;
        const int connected = connect(setup, store, call.diag);
        if (connected != ExitOk)
            return connected;
        call.out.flush();
        return request.read ? readTexts(call, setup, request, store)
                            : writeTexts(call, setup, request, fromFile);
    });
}

} // namespace cli
