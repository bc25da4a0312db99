#include "cli/Command.h"

namespace cli {

QString Command::help(Language language) const
{
    QString text;
    const QString first = pick(language, "Aufruf: ", "usage: ");
    const QStringList forms = usage();
    for (int i = 0; i < forms.size(); ++i)
        text += (i == 0 ? first : QString(first.size(), QLatin1Char(' '))) + QStringLiteral("quarnctl ") +
                forms[i] + QLatin1Char('\n');
    text += details(language);
    const QList<QCommandLineOption> own = options(language);
    QStringList names;
    for (const QCommandLineOption& option : own) {
        if (option.flags() & QCommandLineOption::HiddenFromHelp)
            continue;
        QStringList spelled;
        for (const QString& n : option.names())
            spelled << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        QString line = QStringLiteral("  ") + spelled.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            line += QLatin1Char(' ') + option.valueName();
        names << line.leftJustified(26) + QLatin1Char(' ') + option.description();
    }
    if (!names.isEmpty())
        text +=
            pick(language, "Optionen:\n", "options:\n") + names.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return text;
}

QCommandLineOption Command::outputOption(const QString& description)
{
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, description,
                              QStringLiteral("FILE"));
}

} // namespace cli
