#include "tests/fuzz/SettingsFileProbe.h"

#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"
#include "config/register/SettingsFile.h"

#include <QBuffer>

using namespace quarn;

namespace {

const QString& before(int n)
{
    static const QStringList texts = [] {
        QStringList out;
        for (int d = 0; d < 10; ++d)
            out << QString(Register::DigitCount, QChar(u'0' + d));
        return out;
    }();
    return texts.at(n % 10);
}

} // namespace

QString probeSettingsBytes(const QByteArray& bytes)
{
    Register image;
    for (int n = 0; n < Register::TableSize; ++n)
        image.registerText(n) = before(n);
    image.telephoneInterface = bytes.size() % 2 == 0;
    const bool flagBefore = image.telephoneInterface;
    image.filePath = QStringLiteral("previous.rq7k8k");
    image.markModified();

    QByteArray data = bytes;
    QBuffer in(&data);
    in.open(QIODevice::ReadOnly);
    const LoadResult r = readSettings(in, image);

    if (image.filePath != QLatin1String("previous.rq7k8k") || !image.modified)
        return QStringLiteral("file path or modified flag changed");
    const bool validStart = !bytes.isEmpty() && (bytes.at(0) == 'N' || bytes.at(0) == 'W');
    if (r.outcome == LoadOutcome::Unreadable) {
        if (validStart)
            return QStringLiteral("a valid first character was refused");
        if (image.telephoneInterface != flagBefore)
            return QStringLiteral("unreadable input changed the flag");
        for (int n = 0; n < Register::TableSize; ++n) {
            if (image.registerText(n) != before(n))
                return QStringLiteral("unreadable input changed register %1").arg(n);
        }
        return {};
    }
    if (!validStart)
        return QStringLiteral("loaded a file whose first line starts with neither N nor W");
    if (r.withTelephone != (bytes.at(0) == 'W') || image.telephoneInterface != r.withTelephone)
        return QStringLiteral("kind of file wrong");

    int invalid = 0;
    int firstInvalid = -1;
    for (int n = 0; n < Register::TableSize; ++n) {
        const QString& text = image.registerText(n);
        const bool inSet = Register::isValidNumber(n) && (n < 200 || r.withTelephone);
        if (!inSet) {
            if (text != before(n))
                return QStringLiteral("register %1 outside the file changed").arg(n);
            continue;
        }
        if (text.isEmpty()) {
            ++invalid;
            if (firstInvalid < 0)
                firstInvalid = n;
        } else if (text.size() != Register::DigitCount || !isHexText(text)) {
            return QStringLiteral("register %1 holds an invalid text").arg(n);
        }
    }
    // Register lines beyond the file's kind count once more, and only when every register
    // of the kind was valid; they leave no register empty.
    const int beyond = r.invalidCount - invalid;
    if (beyond < 0 || beyond > 1 || firstInvalid != r.firstInvalidRegister)
        return QStringLiteral("invalid registers miscounted");
    if (beyond == 1 && (invalid > 0 || r.firstInvalidLine <= Register::numbers(r.withTelephone).size() + 1))
        return QStringLiteral("a line beyond the kind counted where it is not");
    if ((r.invalidCount > 0) != (r.outcome == LoadOutcome::LoadedIncomplete))
        return QStringLiteral("outcome does not match the registers");

    // What loaded saves and loads back unchanged.
    QByteArray again = settingsFileContent(image);
    QBuffer in2(&again);
    in2.open(QIODevice::ReadOnly);
    Register copy;
    const LoadResult r2 = readSettings(in2, copy);
    if (r2.withTelephone != r.withTelephone || r2.invalidCount != invalid)
        return QStringLiteral("saved image reads back differently");
    for (int n : Register::numbers(r.withTelephone)) {
        if (copy.registerText(n) != image.registerText(n))
            return QStringLiteral("register %1 changed in a round trip").arg(n);
    }
    return {};
}
