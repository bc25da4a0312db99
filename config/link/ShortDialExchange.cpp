#include "config/link/ShortDialExchange.h"

#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

namespace quarn::link {

ShortDialExchange::ShortDialExchange(platform::BytePort& port, platform::Clock& clock)
    : m_port(port), m_clock(clock)
{}

bool ShortDialExchange::open()
{
    return false;
}

ShortDialRead ShortDialExchange::read(const QList<int>&, platform::Progress&, const std::atomic_bool*)
{
    return {};
}

bool ShortDialExchange::write(const QString&, platform::Progress&)
{
    return false;
}

QString ShortDialExchange::clean(const QString& received)
{
    return received;
}

QByteArray ShortDialExchange::fileBytes(const QString&)
{
    return {};
}

QString ShortDialExchange::textFromFile(const QByteArray&)
{
    return {};
}

} // namespace quarn::link
