#include "cli/Quarnctl.h"

#include "cli/ExitCode.h"
#include "cli/FileCommands.h"
#include "cli/GlobalOptions.h"
#include "cli/PortSetup.h"
#include "cli/ReportCommand.h"
#include "cli/ShortDialCommand.h"
#include "cli/TextsCommand.h"
#include "cli/UnitCommands.h"
#include "platform/PortList.h"

namespace cli {

QString Quarnctl::usage()
{
    return QStringLiteral(
        "usage: quarnctl [--port NAME | --simulate[=7k|8k|7k-ti|8k-ti]] [--trace FILE] [--quiet]\n"
        "                [--keep-connected] COMMAND ...\n"
        "\n"
        "commands with a unit:\n"
        "  ports                          list the serial ports\n"
        "  info                           model, telephone interface and version of the unit\n"
        "  read -o FILE                   read every register into a settings file\n"
        "  write FILE                     send a settings file to the unit\n"
        "  verify FILE                    compare the unit with a settings file\n"
        "  reset --base|--telephone --yes restore the unit's factory values\n"
        "  texts ...                      the unit's display texts\n"
        "  shortdial read [--ranges LIST] -o FILE\n"
        "                                 the short-dial memory into a file (LIST: 0-9, default 0)\n"
        "  shortdial write FILE           a short-dial file into the unit\n"
        "commands on settings files:\n"
        "  show FILE                      every register as 'nnn DIGITS'\n"
        "  get FILE N                     the digits of register N\n"
        "  set FILE N DIGITS              change register N\n"
        "  diff FILE1 FILE2               the registers that differ\n"
        "  diff --settings FILE1 FILE2    the settings that differ, by name\n"
        "  report FILE [--language de|en] [--format text|html|pdf] [-o OUT]\n"
        "                                 every setting by name, as the dialogs show it\n"
        "\n"
        "exit codes: 0 success, 1 the exchange failed or differences were found, 2 usage,\n"
        "            3 the port cannot be opened, 4 a file cannot be read or written\n");
}

int Quarnctl::usageError(const QString& problem)
{
    m_err << "quarnctl: " << problem << "\n" << usage() << Qt::flush;
    return ExitUsage;
}

int Quarnctl::run(QStringList args)
{
    GlobalOptions options;
    QString error;
    if (!GlobalOptions::parse(args, options, error))
        return usageError(error);
    if (options.help) {
        m_out << usage() << Qt::flush;
        return ExitOk;
    }
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));

    const QString command = args.takeFirst();
    auto argCount = [&](int n) { return args.size() == n; };

    // Commands on files need neither port nor unit.
    FileCommands files(m_out, m_err);
    if (command == QLatin1String("show"))
        return argCount(1) ? files.show(args[0]) : usageError(QStringLiteral("show FILE"));
    if (command == QLatin1String("get"))
        return argCount(2) ? files.get(args[0], args[1]) : usageError(QStringLiteral("get FILE N"));
    if (command == QLatin1String("set"))
        return argCount(3) ? files.set(args[0], args[1], args[2])
                           : usageError(QStringLiteral("set FILE N DIGITS"));
    ReportCommand report(m_out, m_err);
    if (command == QLatin1String("report"))
        return report.report(args);
    if (command == QLatin1String("diff") && args.contains(QStringLiteral("--settings")))
        return report.diffSettings(args);
    if (command == QLatin1String("diff"))
        return argCount(2) ? files.diff(args[0], args[1]) : usageError(QStringLiteral("diff FILE1 FILE2"));
    if (command == QLatin1String("ports"))
        return argCount(0) ? ports() : usageError(QStringLiteral("ports takes no arguments"));

    static const QStringList unitCommands{QStringLiteral("info"),     QStringLiteral("read"),
                                          QStringLiteral("write"),    QStringLiteral("verify"),
                                          QStringLiteral("reset"),    QStringLiteral("texts"),
                                          QStringLiteral("shortdial")};
    if (!unitCommands.contains(command))
        return usageError(QStringLiteral("unknown command '%1'").arg(command));

    // Check the command's own arguments before anything touches a port.
    QString path;
    ShortDialCommand::Request shortDial;
    quarn::link::ResetTarget target = quarn::link::ResetTarget::Base;
    if (command == QLatin1String("info")) {
        if (!argCount(0))
            return usageError(QStringLiteral("info takes no arguments"));
    } else if (command == QLatin1String("read")) {
        if (argCount(2) && args[0] == QLatin1String("-o"))
            path = args[1];
        else if (argCount(1) && args[0].startsWith(QLatin1String("--output=")))
            path = args[0].mid(9);
        else
            return usageError(QStringLiteral("read -o FILE"));
    } else if (command == QLatin1String("write") || command == QLatin1String("verify")) {
        if (!argCount(1))
            return usageError(command + QStringLiteral(" FILE"));
        path = args[0];
    } else if (command == QLatin1String("reset")) {
        const bool base = args.contains(QStringLiteral("--base"));
        const bool telephone = args.contains(QStringLiteral("--telephone"));
        const bool yes = args.contains(QStringLiteral("--yes"));
        if (base == telephone || !yes || !argCount(2))
            return usageError(
                QStringLiteral("reset --base|--telephone --yes (the unit's registers are overwritten)"));
        target = telephone ? quarn::link::ResetTarget::Telephone : quarn::link::ResetTarget::Base;
    } else if (command == QLatin1String("shortdial")) {
        if (const QString problem = ShortDialCommand::parse(args, shortDial); !problem.isEmpty()) {
            m_err << "quarnctl: shortdial: " << problem << "\n" << ShortDialCommand::Usage << Qt::flush;
            return ExitUsage;
        }
    }
    if (command != QLatin1String("texts") && !options.hasUnit())
        return usageError(QStringLiteral("%1 needs --port NAME or --simulate").arg(command));

    std::unique_ptr<PortSetup> setup = PortSetup::create(options, error);
    if (!setup) {
        m_err << "quarnctl: " << error << Qt::endl;
        return ExitFile;
    }
    if (command == QLatin1String("texts"))
        return runTextsCommand(setup->port(), setup->portName(), setup->clock(), args, m_out, m_err);

    if (command == QLatin1String("shortdial"))
        return ShortDialCommand(*setup, options, m_out, m_err).run(shortDial);

    UnitCommands unit(*setup, options, m_out, m_err);
    if (command == QLatin1String("info"))
        return unit.info();
    if (command == QLatin1String("read"))
        return unit.read(path);
    if (command == QLatin1String("write"))
        return unit.write(path);
    if (command == QLatin1String("verify"))
        return unit.verify(path);
    return unit.reset(target);
}

int Quarnctl::ports()
{
    for (const QString& name : platform::PortList::availablePorts())
        m_out << name << '\t' << platform::PortList::describe(name) << '\n';
    m_out.flush();
    return ExitOk;
}

} // namespace cli
