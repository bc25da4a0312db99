// libFuzzer entry: the register number and digit arguments of "quarnctl get FILE N" and
// "quarnctl set FILE N DIGITS", split at the first zero byte.
#include "cli/ExitCode.h"
#include "cli/Quarnctl.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int quarnctl(const QStringList& args, QString& out)
{
    QString err;
    out.clear();
    QTextStream o(&out);
    QTextStream e(&err);
    return cli::Quarnctl(o, e).run(args);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("unit.rq7k8k"));
    static const QByteArray original = [] {
        quarn::Register image;
        for (int n = 0; n < quarn::Register::TableSize; ++n)
            image.registerText(n) =
                QStringLiteral("%1").arg(n * 7919 % 0xFFFFFFF, 8, 16, QLatin1Char('0')).toUpper();
        image.telephoneInterface = true;
        return quarn::settingsFileContent(image);
    }();
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   f.write(original) == original.size());
    }

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QString number = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString digits = QString::fromUtf8(split < 0 ? QByteArray() : bytes.mid(split + 1));

    bool ok = false;
    const int n = number.trimmed().toInt(&ok);
    const bool validNumber = ok && quarn::Register::isValidNumber(n);

    QString out;
    // An argument that starts with '-' is an option to the command line ("-h" asks for the
    // help and exits 0, "--quiet" moves the positional arguments): such inputs only have to
    // run without a crash or a sanitizer report.
    if (number.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('-'))) {
        quarnctl({QStringLiteral("get"), path, number}, out);
        quarnctl({QStringLiteral("set"), path, number, digits}, out);
        return 0;
    }
    const int got = quarnctl({QStringLiteral("get"), path, number}, out);
    FUZZ_CHECK(got == (validNumber ? cli::ExitOk : cli::ExitUsage));
    if (got == cli::ExitOk)
        FUZZ_CHECK(out.size() == quarn::Register::DigitCount + 1);

    const int set = quarnctl({QStringLiteral("set"), path, number, digits}, out);
    const QByteArray after = contentOf(path);
    FUZZ_CHECK(set == cli::ExitOk || set == cli::ExitUsage);
    if (set != cli::ExitOk) {
        FUZZ_CHECK(after == original);
        return 0;
    }
    // Only that one register changed, to the digits in upper case padded with "0".
    FUZZ_CHECK(validNumber);
    FUZZ_CHECK(after.size() == original.size());
    quarnctl({QStringLiteral("get"), path, number}, out);
    const QString expected = digits.toUpper().leftJustified(quarn::Register::DigitCount, QLatin1Char('0'));
    FUZZ_CHECK(out == expected + QLatin1Char('\n'));
    int changedLines = 0;
    const QList<QByteArray> a = original.split('\n');
    const QList<QByteArray> b = after.split('\n');
    FUZZ_CHECK(a.size() == b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        changedLines += a[i] != b[i] ? 1 : 0;
    FUZZ_CHECK(changedLines <= 1);
    return 0;
}
