#include "cli/ReportCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/report/ReportDocument.h"
#include "config/report/SettingsReport.h"

#include <QFileInfo>
#include <QSaveFile>

namespace cli {

namespace {

bool writeText(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QList<QCommandLineOption> ReportCommand::options(Language language) const
{
    return {QCommandLineOption(QStringLiteral("format"),
                               pick(language, "text (Vorgabe), html oder pdf", "text (default), html or pdf"),
                               QStringLiteral("FORMAT")),
            outputOption(pick(language, "die zu schreibende Datei; html und pdf brauchen sie",
                              "the file to write; html and pdf need it"))};
}

int ReportCommand::run(Invocation& call) const
{
    const QString format = call.value(QStringLiteral("format"));
    const QString out = call.value(QStringLiteral("output"));
    if (!(format.isEmpty() || format == QLatin1String("text") || format == QLatin1String("html") ||
          format == QLatin1String("pdf")))
        return call.usageError(
            call.diag
                .pick("unbekanntes Format %1 (text, html oder pdf)", "unknown format %1 (text, html or pdf)")
                .arg(format));
    if ((format == QLatin1String("html") || format == QLatin1String("pdf")) && out.isEmpty())
        return call.usageError(
            call.diag.pick("--format %1 braucht -o DATEI", "--format %1 needs -o FILE").arg(format));
    if (const int code = call.expectArguments(1); code != ExitOk)
        return code;

    quarn::Register image;
    if (loadSettings(image, call.args.at(0), call.diag).outcome != quarn::LoadOutcome::Loaded)
        return ExitFile;
    const quarn::ReportDocument document(
        {QFileInfo(call.args.at(0)).fileName(),
         quarn::ReportDocument::unitText(false, false, image.telephoneInterface), QDate::currentDate()},
        quarn::SettingsReport::build(image));

    bool written = true;
    if (format == QLatin1String("pdf"))
        written = document.writePdf(out);
    else if (format == QLatin1String("html"))
        written = writeText(out, document.html());
    else if (!out.isEmpty())
        written = writeText(out, document.text());
    else
        call.out << document.text() << Qt::flush;
    if (!written) {
        call.diag.fileError(out, quarn::msg::fileNotSaved(), true);
        return ExitFile;
    }
    return ExitOk;
}

} // namespace cli
