#include "cli/ReportCommand.h"

#include "cli/ExitCode.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"
#include "config/report/ReportDocument.h"
#include "config/report/SettingsDiff.h"
#include "config/report/SettingsReport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QTranslator>

namespace cli {

namespace {

// The option's value after name (or as name=VALUE), removed from args; empty when absent.
QString takeOption(QStringList& args, const QString& name, bool* missingValue)
{
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == name) {
            if (i + 1 >= args.size()) {
                *missingValue = true;
                args.removeAt(i);
                return {};
            }
            const QString value = args.at(i + 1);
            args.remove(i, 2);
            return value;
        }
        if (args.at(i).startsWith(name + QLatin1Char('='))) {
            const QString value = args.at(i).mid(name.size() + 1);
            args.removeAt(i);
            return value;
        }
    }
    return {};
}

// The English language file: beside the program, or where the package installs the window's.
bool loadEnglish(QTranslator& translator)
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QStringLiteral("/Quarn7k8kENU.qm"),
                                     dir + QStringLiteral("/../lib/quarn7k8k/Quarn7k8kENU.qm")}) {
        if (translator.load(candidate))
            return true;
    }
    return false;
}

bool load(quarn::Register& image, const QString& path, QTextStream& err)
{
    const quarn::LoadResult result = quarn::loadSettingsFile(image, path);
    if (result.outcome == quarn::LoadOutcome::Loaded)
        return true;
    err << path << ": "
        << (result.outcome == quarn::LoadOutcome::Unreadable ? quarn::msg::fileNotRead()
                                                             : quarn::msg::fileIncomplete())
        << Qt::endl;
    return false;
}

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

bool ReportCommand::needsWidgets(const QStringList& args)
{
    return args.contains(QStringLiteral("report")) || args.contains(QStringLiteral("--settings"));
}

int ReportCommand::usage(const QString& problem)
{
    m_err << "quarnctl: " << problem << Qt::endl;
    return ExitUsage;
}

bool ReportCommand::takeLanguage(QStringList& args)
{
    bool missing = false;
    const QString language = takeOption(args, QStringLiteral("--language"), &missing);
    if (missing ||
        (!language.isEmpty() && language != QLatin1String("de") && language != QLatin1String("en")))
        return false;
    if (language == QLatin1String("en")) {
        static QTranslator english;
        if (!loadEnglish(english)) {
            m_err << "quarnctl: the English language file Quarn7k8kENU.qm was not found; German is used"
                  << Qt::endl;
            return true;
        }
        QCoreApplication::installTranslator(&english);
    }
    return true;
}

int ReportCommand::report(QStringList args)
{
    if (!takeLanguage(args))
        return usage(QStringLiteral("--language takes de or en"));
    bool missing = false;
    const QString format = takeOption(args, QStringLiteral("--format"), &missing);
    const QString out = takeOption(args, QStringLiteral("-o"), &missing);
    if (missing || args.size() != 1 ||
        !(format.isEmpty() || format == QLatin1String("text") || format == QLatin1String("html") ||
          format == QLatin1String("pdf")))
        return usage(QStringLiteral("report FILE [--language de|en] [--format text|html|pdf] [-o OUT]"));
    if ((format == QLatin1String("html") || format == QLatin1String("pdf")) && out.isEmpty())
        return usage(QStringLiteral("report --format %1 needs -o OUT").arg(format));

    quarn::Register image;
    if (!load(image, args.at(0), m_err))
        return ExitFile;
    const quarn::ReportDocument document(
        {QFileInfo(args.at(0)).fileName(),
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
        m_out << document.text() << Qt::flush;
    if (!written) {
        m_err << out << ": " << quarn::msg::fileNotSaved() << Qt::endl;
        return ExitFile;
    }
    return ExitOk;
}

int ReportCommand::diffSettings(QStringList args)
{
    if (!takeLanguage(args))
        return usage(QStringLiteral("--language takes de or en"));
    args.removeAll(QStringLiteral("--settings"));
    if (args.size() != 2)
        return usage(QStringLiteral("diff --settings FILE1 FILE2"));
    quarn::Register first, second;
    if (!load(first, args.at(0), m_err) || !load(second, args.at(1), m_err))
        return ExitFile;
    const QStringList lines = quarn::SettingsDiff::lines(first, second);
    for (const QString& line : lines)
        m_out << line << '\n';
    m_out.flush();
    return lines.isEmpty() ? ExitOk : ExitFailed;
}

} // namespace cli
