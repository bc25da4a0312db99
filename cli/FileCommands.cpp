#include "cli/FileCommands.h"

#include "cli/ExitCode.h"
#include "config/link/CommandFraming.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"
#include "config/register/SettingsFile.h"

namespace cli {

namespace {

// Loads path and prints the load's message, if any.
quarn::LoadResult load(quarn::Register& image, const QString& path, QTextStream& err)
{
    const quarn::LoadResult result = quarn::loadSettingsFile(image, path);
    if (result.outcome == quarn::LoadOutcome::Unreadable)
        err << quarn::msg::fileNotRead() << Qt::endl;
    else if (result.outcome == quarn::LoadOutcome::LoadedIncomplete)
        err << quarn::msg::fileIncomplete() << Qt::endl;
    return result;
}

// The register number the file has, or -1.
int registerNumber(const QString& text, bool withTelephone)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (!ok || !quarn::Register::isValidNumber(n))
        return -1;
    if (quarn::Register::isTelephoneNumber(n) && !withTelephone)
        return -1;
    return n;
}

} // namespace

int FileCommands::show(const QString& path)
{
    quarn::Register image;
    const quarn::LoadResult loaded = load(image, path, m_err);
    if (!loaded.loaded())
        return ExitFile;
    for (int n : quarn::Register::numbers(loaded.withTelephone))
        m_out << quarn::link::framing::registerNumberText(n) << ' ' << image.registerText(n) << '\n';
    m_out.flush();
    // An incomplete file is shown as far as it goes but still counts as not readable.
    return loaded.outcome == quarn::LoadOutcome::Loaded ? ExitOk : ExitFile;
}

int FileCommands::get(const QString& path, const QString& number)
{
    quarn::Register image;
    const quarn::LoadResult loaded = load(image, path, m_err);
    if (!loaded.loaded())
        return ExitFile;
    const bool telephone = loaded.withTelephone;
    const int n = registerNumber(number, telephone);
    if (n < 0) {
        m_err << quarn::msg::invalidRegisterNumber(telephone) << Qt::endl;
        return ExitUsage;
    }
    m_out << image.registerText(n) << Qt::endl;
    return loaded.outcome == quarn::LoadOutcome::Loaded ? ExitOk : ExitFile;
}

int FileCommands::set(const QString& path, const QString& number, const QString& digits)
{
    quarn::Register image;
    // Setting a register may be just what mends an incomplete file: go on after the message.
    const quarn::LoadResult loaded = load(image, path, m_err);
    if (!loaded.loaded())
        return ExitFile;
    const bool telephone = loaded.withTelephone;
    const QString content = digits.toUpper();
    if (content.size() > quarn::Register::DigitCount || !quarn::isHexText(content)) {
        m_err << quarn::msg::onlyHexDigits() << Qt::endl;
        return ExitUsage;
    }
    const int n = registerNumber(number, telephone);
    if (n < 0) {
        m_err << quarn::msg::invalidRegisterNumber(telephone) << Qt::endl;
        return ExitUsage;
    }
    image.registerText(n) = quarn::zeroPadRight(content, quarn::Register::DigitCount);
    if (quarn::saveSettingsFile(image, path) != quarn::SaveOutcome::Saved) {
        m_err << quarn::msg::fileNotSaved() << Qt::endl;
        return ExitFile;
    }
    return ExitOk;
}

int FileCommands::diff(const QString& first, const QString& second)
{
    quarn::Register a;
    quarn::Register b;
    const quarn::LoadResult loadedA = load(a, first, m_err);
    if (!loadedA.loaded())
        return ExitFile;
    const quarn::LoadResult loadedB = load(b, second, m_err);
    if (!loadedB.loaded())
        return ExitFile;
    const bool telephoneA = loadedA.withTelephone;
    const bool telephoneB = loadedB.withTelephone;
    // A register that only one of the files holds shows "-" for the other.
    auto text = [](const quarn::Register& image, bool telephone, int n) {
        return quarn::Register::isTelephoneNumber(n) && !telephone ? QStringLiteral("-")
                                                                   : image.registerText(n);
    };
    bool differ = false;
    for (int n : quarn::Register::numbers(telephoneA || telephoneB)) {
        const QString left = text(a, telephoneA, n);
        const QString right = text(b, telephoneB, n);
        if (left == right)
            continue;
        differ = true;
        m_out << quarn::link::framing::registerNumberText(n) << ' ' << left << ' ' << right << '\n';
    }
    m_out.flush();
    return differ ? ExitFailed : ExitOk;
}

} // namespace cli
