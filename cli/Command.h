#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include "cli/Language.h"

namespace cli {

class Invocation;

// One quarnctl command: what `quarnctl --help` and `quarnctl COMMAND --help` say of it (in
// German and English), the options it takes beside the global ones, and the run itself. A
// new command is one such class and one line in the registry.
class Command {
public:
    // Where `quarnctl --help` lists it.
    enum class Section { Unit, Files };

    virtual ~Command() = default;

    virtual QString name() const = 0;
    // One line for the command list.
    virtual QString summary(Language language) const = 0;
    // Its form in the command list, without "quarnctl ": "read -o FILE".
    virtual QString synopsis() const = 0;
    // Its forms in its own usage; the synopsis unless there are several.
    virtual QStringList usage() const { return {synopsis()}; }
    // What the arguments mean, below the usage; may be empty.
    virtual QString details(Language language) const
    {
        Q_UNUSED(language);
        return {};
    }
    // The descriptions in the given language; the names are the same in both.
    virtual QList<QCommandLineOption> options(Language language) const
    {
        Q_UNUSED(language);
        return {};
    }
    virtual Section section() const = 0;
    // Whether it builds the settings dialogs and so needs a GUI application; args are the
    // command line's arguments after the name, unparsed.
    virtual bool needsWidgets(const QStringList& args) const
    {
        Q_UNUSED(args);
        return false;
    }
    // The process exit code.
    virtual int run(Invocation& call) const = 0;

    // "usage: quarnctl ..." ("Aufruf: quarnctl ...") with the details and the command's options.
    QString help(Language language) const;

protected:
    // -o FILE, --output FILE, --output=FILE
    static QCommandLineOption outputOption(const QString& description);
};

} // namespace cli
