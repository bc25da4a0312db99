// libFuzzer entry: what the unit sends during a display-text read, split into reply lines
// and stored as texts. The first byte picks ID/channel texts (25 characters) or own
// texts (32).
#include "displaytexts/link/TextReply.h"
#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/UnitCodes.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>

using namespace tekstor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool own = data[0] & 1;
    const int length = TextReply::textLength(own);
    const QByteArray received(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QList<std::optional<QByteArray>> texts = TextReply::texts(received, length);

    // Never more entries than non-empty lines.
    qsizetype lines = 0;
    for (const QByteArray& line : received.split('\n'))
        lines += line.isEmpty() ? 0 : 1;
    FUZZ_CHECK(texts.size() <= lines);

    Register store;
    const TextKind kind = own ? TextKind::Own : TextKind::Ids;
    for (qsizetype i = 0; i < texts.size() && i < Register::capacity(kind); ++i) {
        if (!texts[i])
            continue;
        FUZZ_CHECK(texts[i]->size() == length);
        FUZZ_CHECK(!texts[i]->contains('\n'));
        FUZZ_CHECK(received.contains(*texts[i]));
        const QByteArray shown = fromUnitCodes(*texts[i]);
        FUZZ_CHECK(shown.size() == length);
        store.setText(kind, int(i), shown);
        FUZZ_CHECK(store.text(kind, int(i)) == shown);
    }
    return 0;
}
