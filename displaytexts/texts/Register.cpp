#include "displaytexts/texts/Register.h"

#include <algorithm>

namespace tekstor {

namespace {
constexpr int DisplayLength = 24;
}

Register::Register() : m_idTexts(IdCount), m_ownTexts(OwnCount), m_channelTexts(ChannelCount)
{
    resetIdTexts();
    resetOwnTexts();
}

QByteArray Register::defaultIdText()
{
    return QByteArray("X") + QByteArray(DisplayLength, ' ');
}

QByteArray Register::defaultOwnText()
{
    return QByteArray(32, '0');
}

QByteArray Register::defaultChannelText()
{
    return QByteArray("0") + QByteArray(DisplayLength, ' ');
}

QByteArray Register::idText(int id) const
{
    return text(TextKind::Ids, id);
}
void Register::setIdText(int id, const QByteArray& t)
{
    setText(TextKind::Ids, id, t);
}
QByteArray Register::ownText(int index) const
{
    return text(TextKind::Own, index);
}
void Register::setOwnText(int index, const QByteArray& t)
{
    setText(TextKind::Own, index, t);
}
QByteArray Register::channelText(int channel) const
{
    return text(TextKind::Channels, channel);
}
void Register::setChannelText(int channel, const QByteArray& t)
{
    setText(TextKind::Channels, channel, t);
}

int Register::capacity(TextKind kind)
{
    switch (kind) {
    case TextKind::Ids:
        return IdCount;
    case TextKind::Own:
        return OwnCount;
    case TextKind::Channels:
        return ChannelCount;
    }
    return 0;
}

QByteArray Register::text(TextKind kind, int index) const
{
    if (index < 0 || index >= capacity(kind))
        return {};
    switch (kind) {
    case TextKind::Ids:
        return m_idTexts[index];
    case TextKind::Own:
        return m_ownTexts[index];
    case TextKind::Channels:
        return m_channelTexts[index];
    }
    return {};
}

void Register::setText(TextKind kind, int index, const QByteArray& t)
{
    if (index < 0 || index >= capacity(kind))
        return;
    switch (kind) {
    case TextKind::Ids:
        m_idTexts[index] = t;
        break;
    case TextKind::Own:
        m_ownTexts[index] = t;
        break;
    case TextKind::Channels:
        m_channelTexts[index] = t;
        break;
    }
}

void Register::setLastOwnIndex(int index)
{
    m_lastOwnIndex = std::clamp(index, -1, OwnCount - 1);
}

void Register::resetIdTexts()
{
    std::fill(m_idTexts.begin(), m_idTexts.end(), defaultIdText());
}

void Register::resetOwnTexts()
{
    for (int i = 0; i <= m_lastOwnIndex; ++i)
        m_ownTexts[i] = defaultOwnText();
}

void Register::resetChannelTexts()
{
    std::fill(m_channelTexts.begin(), m_channelTexts.end(), defaultChannelText());
}

void Register::resetTexts(TextKind kind)
{
    switch (kind) {
    case TextKind::Ids:
        resetIdTexts();
        return;
    case TextKind::Own:
        resetOwnTexts();
        return;
    case TextKind::Channels:
        resetChannelTexts();
        return;
    }
}

void Register::takeTexts(TextKind kind, const Register& from)
{
    switch (kind) {
    case TextKind::Ids:
        m_idTexts = from.m_idTexts;
        return;
    case TextKind::Own:
        m_ownTexts = from.m_ownTexts;
        m_lastOwnIndex = from.m_lastOwnIndex;
        return;
    case TextKind::Channels:
        m_channelTexts = from.m_channelTexts;
        return;
    }
}

QList<int> Register::idRangesWithTexts() const
{
    QList<int> ranges;
    for (int r = 0; r < IdRangeCount; ++r) {
        for (int id = r * IdRangeSize; id < (r + 1) * IdRangeSize; ++id) {
            if (!m_idTexts[id].startsWith('X')) {
                ranges.append(r);
                break;
            }
        }
    }
    return ranges;
}

QList<int> Register::idsOfRanges(const QList<int>& ranges)
{
    QList<int> ids;
    for (int r = 0; r < IdRangeCount; ++r) {
        if (!ranges.contains(r))
            continue;
        for (int id = r * IdRangeSize; id < (r + 1) * IdRangeSize; ++id)
            ids.append(id);
    }
    return ids;
}

} // namespace tekstor
