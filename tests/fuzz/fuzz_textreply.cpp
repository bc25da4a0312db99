// libFuzzer entry: what the unit sends during a display-text read, split into reply lines
// and stored as texts, and checked against the number of texts asked. The first byte picks
// ID/channel texts (25 characters) or own texts (32) and how many texts were asked.
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

    // The checked read: one entry per text asked; a text only from a line of exactly the
    // reply's length, and none at all unless there is one line per text asked.
    const int asked = (data[0] >> 1) % 40;
    const TextReply::Checked checked = TextReply::checked(received, length, asked);
    FUZZ_CHECK(checked.texts.size() == asked);
    int missing = 0;
    for (const std::optional<QByteArray>& text : checked.texts)
        missing += text ? 0 : 1;
    FUZZ_CHECK(checked.unusable == missing || (checked.lines != asked && checked.unusable >= 1));
    FUZZ_CHECK(checked.unusable <= asked);
    if (checked.lines != asked)
        FUZZ_CHECK(missing == asked);
    else
        FUZZ_CHECK(texts.size() == asked);
    for (int i = 0; i < asked; ++i) {
        if (!checked.texts[i])
            continue;
        FUZZ_CHECK(checked.texts[i]->size() == length);
        FUZZ_CHECK(texts[i] && *texts[i] == *checked.texts[i]);
    }

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
