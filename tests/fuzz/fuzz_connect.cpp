// libFuzzer entry: any reply to "$PROGSTART\r" and "$R300\r", turned into model,
// telephone-interface flag and version text by the connect exchange.
#include "config/link/ConnectExchange.h"
#include "config/link/LinkContext.h"
#include "config/register/Register.h"
#include "platform/Progress.h"
#include "tests/fuzz/FuzzCheck.h"

#include "platform/BytePort.h"
#include "platform/Clock.h"

#include <cstdint>

using namespace quarn;
using namespace quarn::link;

namespace {

// The unit's reply as it arrives: one byte per read, then nothing.
class ReplyPort final : public platform::BytePort {
public:
    explicit ReplyPort(const QByteArray& reply) : m_reply(reply) {}
    bool open(const QString&) override { return m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray&) override { return m_open; }
    std::optional<char> readByte() override
    {
        ++reads;
        if (m_at >= m_reply.size())
            return std::nullopt;
        return m_reply.at(m_at++);
    }
    QByteArray readAvailable(int) override { return {}; }
    void setReadTimeout(int) override {}
    platform::PortError lastError() const override { return platform::PortError::None; }
    QString lastErrorDetail() const override { return {}; }
    int reads = 0;

private:
    QByteArray m_reply;
    qsizetype m_at = 0;
    bool m_open = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    ReplyPort port(reply);
    platform::VirtualClock clock;
    platform::NoProgress progress;
    Register image;
    image.model7k = size % 2 == 0; // whatever a previous connect left
    image.telephoneInterface = size % 3 == 0;
    image.versionText = QStringLiteral("before");
    const bool model7kBefore = image.model7k;
    const bool telephoneBefore = image.telephoneInterface;

    LinkContext context{port, clock, image, QStringLiteral("fuzz"), progress};
    const LinkOutcome out = ConnectExchange(context).run();
    FUZZ_CHECK(port.reads == ConnectExchange::ReadCount);

    // What the 70 reads took in, zero bytes left out.
    QString received;
    for (char c : reply.left(ConnectExchange::ReadCount)) {
        if (c != 0)
            received.append(QChar(char16_t(uchar(c))));
    }
    auto afterStart = [&](const char* text) { return received.indexOf(QLatin1String(text)) > 0; };

    if (out.result == LinkResult::MonitorOutput) {
        FUZZ_CHECK(afterStart("----------------") || afterStart("TX ="));
        FUZZ_CHECK(!image.unitKnown && image.model7k == model7kBefore);
        FUZZ_CHECK(image.telephoneInterface == telephoneBefore && image.versionText.isEmpty());
        return 0;
    }
    FUZZ_CHECK(out.result == LinkResult::Completed || out.result == LinkResult::UnitNotKnown);
    FUZZ_CHECK(image.unitKnown == (out.result == LinkResult::Completed));
    const bool named =
        afterStart("Quarn 7k") || afterStart("Quarn 8k") || afterStart("Q7k") || afterStart("Q8k");
    FUZZ_CHECK(image.unitKnown == named);
    if (!image.unitKnown) {
        // A connect that fails keeps the model and the telephone flag an earlier one or a
        // file left; only the version shown is no longer the unit's.
        FUZZ_CHECK(image.model7k == model7kBefore && image.telephoneInterface == telephoneBefore &&
                   image.versionText.isEmpty());
        return 0;
    }
    FUZZ_CHECK(image.model7k == (afterStart("Quarn 7k") || (!afterStart("Quarn 8k") && afterStart("Q7k"))));
    FUZZ_CHECK(image.telephoneInterface == afterStart("$R300"));

    // The version text is a piece of the reply, ending before a carriage return.
    QString version = image.versionText;
    const QString suffix = QStringLiteral("\nmit Telefoninterface");
    if (image.telephoneInterface) {
        FUZZ_CHECK(version.endsWith(suffix));
        version.chop(suffix.size());
    }
    if (!version.isEmpty()) {
        FUZZ_CHECK(received.contains(version + QLatin1Char('\r')));
        FUZZ_CHECK(version.startsWith(QLatin1String("Q")));
    }
    return 0;
}
