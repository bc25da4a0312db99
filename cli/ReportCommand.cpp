#include "cli/ReportCommand.h"

#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"
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

QList<QCommandLineOption> ReportCommand::options() const
{
    return {QCommandLineOption(QStringLiteral("format"), QStringLiteral("text (default), html or pdf"),
                               QStringLiteral("FORMAT")),
            outputOption(QStringLiteral("the file to write; html and pdf need it"))};
}

bool ReportCommand::languageAccepted(const Invocation& call)
{
    const QString& language = call.options.language;
    return language.isEmpty() || language == QLatin1String("de") || language == QLatin1String("en");
}

bool ReportCommand::loadComplete(quarn::Register& image, const QString& path, QTextStream& err)
{
    const quarn::LoadResult result = quarn::loadSettingsFile(image, path);
    if (result.outcome == quarn::LoadOutcome::Loaded)
        return true;
    err << path << ": " << quarn::msg::loadMessage(result.outcome) << Qt::endl;
    return false;
}

int ReportCommand::run(Invocation& call) const
{
    if (!languageAccepted(call))
        return call.usageError(QStringLiteral("--language takes de or en"));
    const QString format = call.value(QStringLiteral("format"));
    const QString out = call.value(QStringLiteral("output"));
    if (call.args.size() != 1 || !(format.isEmpty() || format == QLatin1String("text") ||
                                   format == QLatin1String("html") || format == QLatin1String("pdf")))
        return call.usageError(
            QStringLiteral("report FILE [--language de|en] [--format text|html|pdf] [-o OUT]"));
    if ((format == QLatin1String("html") || format == QLatin1String("pdf")) && out.isEmpty())
        return call.usageError(QStringLiteral("report --format %1 needs -o OUT").arg(format));

    quarn::Register image;
    if (!loadComplete(image, call.args.at(0), call.err))
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
        call.err << out << ": " << quarn::msg::fileNotSaved() << Qt::endl;
        return ExitFile;
    }
    return ExitOk;
}

} // namespace cli
