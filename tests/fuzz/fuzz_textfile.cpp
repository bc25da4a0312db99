// libFuzzer entry: any bytes as a display-text file of one kind (FUZZ_TEXT_KIND: 0 ID
// texts *.q8kk, 1 channel texts *.q8kc, 2 own texts *.q8kt).
#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/TextFiles.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

using namespace tekstor;

namespace {

constexpr TextKind kKind = TextKind(FUZZ_TEXT_KIND);

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QList<QByteArray> textsOf(const Register& store)
{
    QList<QByteArray> out;
    const int count = kKind == TextKind::Own ? store.ownTextCount() : Register::capacity(kKind);
    for (int i = 0; i < count; ++i)
        out << store.text(kKind, i);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("in.") + TextFiles::extension(kKind));
    static const QString again = dir.filePath(QStringLiteral("again.") + TextFiles::extension(kKind));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FUZZ_CHECK(writeFile(path, bytes));

    Register store;
    FUZZ_CHECK(TextFiles::load(path, kKind, store) == FileOutcome::Ok);
    FUZZ_CHECK(store.lastOwnIndex() >= -1 && store.lastOwnIndex() < Register::OwnCount);
    const QList<QByteArray> loaded = textsOf(store);
    for (const QByteArray& text : loaded) {
        FUZZ_CHECK(text.size() <= TextFiles::MaxLineLength);
        FUZZ_CHECK(!text.contains('\n'));
    }

    // What was loaded saves and loads back unchanged.
    FUZZ_CHECK(TextFiles::save(again, kKind, store) == FileOutcome::Ok);
    Register copy;
    FUZZ_CHECK(TextFiles::load(again, kKind, copy) == FileOutcome::Ok);
    FUZZ_CHECK(copy.lastOwnIndex() == store.lastOwnIndex() || kKind != TextKind::Own);
    FUZZ_CHECK(textsOf(copy) == loaded);
    return 0;
}
