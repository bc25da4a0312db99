#include "config/register/SettingsFile.h"

#include "config/register/AtomicFile.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quarn {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// A valid file is under 10 KB. Longer lines keep only their head, and reading stops after
// a fixed budget, so a binary or endless file neither exhausts memory nor takes long.
constexpr qsizetype kLineKeep = 4096;
constexpr qint64 kReadBudget = 2 * 1024 * 1024;

constexpr int kTextStart = 5;

// The register number as the unit's archives have it: "%i " padded on the left with "0"
// to four characters, after the letter R.
QByteArray registerLineHead(int n)
{
    return 'R' + zeroPadLeft(QString::number(n) + QLatin1Char(' '), 4).toLatin1();
}

class BoundedLineReader {
public:
    explicit BoundedLineReader(QIODevice& in) : m_in(in) {}

    // The next line without its LF and one CR before it; false when nothing more can be
    // read (end, error or budget used up).
    bool next(QByteArray& line)
    {
        line.clear();
        bool any = false;
        char chunk[1024];
        while (m_budget > 0) {
            const qint64 room = std::min<qint64>(sizeof chunk, m_budget + 1);
            const qint64 got = m_in.readLine(chunk, room);
            if (got <= 0)
                break;
            any = true;
            m_budget -= got;
            const bool ended = chunk[got - 1] == '\n';
            const qint64 body = ended ? got - 1 : got;
            const qsizetype keep = std::min<qsizetype>(body, kLineKeep - line.size());
            if (keep > 0)
                line.append(chunk, keep);
            if (ended)
                break;
        }
        if (line.endsWith('\r'))
            line.chop(1);
        return any;
    }

private:
    QIODevice& m_in;
    qint64 m_budget = kReadBudget;
};

// The register text a line carries, or an empty text when the line is not valid.
QString registerTextOfLine(const QByteArray& line)
{
    if (line.size() < kTextStart + Register::DigitCount)
        return {};
    const QString text = QString::fromLatin1(line.mid(kTextStart, Register::DigitCount));
    return isHexText(text) ? text : QString();
}

} // namespace

QByteArray settingsFileContent(const Register& image)
{
    QByteArray out;
    out.reserve(16 * 601);
    out += image.telephoneInterface ? QByteArrayLiteral("WithTI") : QByteArrayLiteral("NoTI");
    out += kLineEnd;
    for (int n : Register::numbers(image.telephoneInterface)) {
        out += registerLineHead(n);
        out += image.registerText(n).toLatin1();
        out += kLineEnd;
    }
    return out;
}

SaveOutcome saveSettingsFile(const Register& image, const QString& path)
{
    return writeFileAtomically(path, settingsFileContent(image)) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

SaveOutcome saveSettingsFile(const Register& image)
{
    return saveSettingsFile(image, image.filePath);
}

LoadResult readSettings(QIODevice& in, Register& image)
{
    LoadResult result;
    BoundedLineReader reader(in);
    QByteArray line;
    if (!reader.next(line) || line.isEmpty())
        return result;
    if (line.at(0) == 'W')
        result.withTelephone = true;
    else if (line.at(0) != 'N')
        return result;

    // From here on the file loads: lines are assigned to registers by their order alone,
    // and one that is missing or not valid leaves its register empty.
    int lineNumber = 1;
    for (int n : Register::numbers(result.withTelephone)) {
        ++lineNumber;
        const bool got = reader.next(line);
        QString text = got ? registerTextOfLine(line) : QString();
        if (text.isEmpty()) {
            if (result.firstInvalidRegister < 0) {
                result.firstInvalidRegister = n;
                result.firstInvalidLine = lineNumber;
            }
            ++result.invalidCount;
        }
        image.registerText(n) = text;
    }
    // More register lines than the kind holds (telephone registers under "NoTI"): the file
    // says something the image cannot keep, so it was not read completely either. Other
    // lines after the registers (the simulated unit keeps its short-dial memory there) are
    // not registers and are left alone.
    while (result.firstInvalidLine < 0 && reader.next(line)) {
        ++lineNumber;
        if (line.startsWith('R')) {
            result.firstInvalidLine = lineNumber;
            ++result.invalidCount;
        }
    }
    image.telephoneInterface = result.withTelephone;
    result.outcome = result.invalidCount > 0 ? LoadOutcome::LoadedIncomplete : LoadOutcome::Loaded;
    return result;
}

LoadResult loadSettingsFile(Register& image, const QString& path)
{
    // Only plain files: a FIFO or a device could block the open or never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const LoadResult result = readSettings(file, image);
    if (result.loaded())
        image.filePath = path;
    return result;
}

LoadResult loadSettingsFile(Register& image)
{
    const QString path = image.filePath;
    return loadSettingsFile(image, path);
}

} // namespace quarn
