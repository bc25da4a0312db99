#pragma once

#include <QString>
#include <optional>

namespace quarn::link {

// The text an exchange accumulates from the unit. Replies are found by searching it,
// never by position alone.
class ReceivedText {
public:
    // Appends a received byte as a character; nothing for an empty read or a NUL byte.
    // Returns whether a character was appended: a line in break delivers NUL bytes without
    // end, and they must not count as the unit answering.
    bool append(std::optional<char> byte);

    const QString& text() const { return m_text; }
    qsizetype size() const { return m_text.size(); }
    qsizetype indexOf(const QString& what, qsizetype from = 0) const { return m_text.indexOf(what, from); }
    bool contains(const QString& what) const { return m_text.contains(what); }
    // The unit's texts only count after the first character (the first occurrence must
    // not stand at position 0).
    bool containsAfterStart(const QString& what) const { return m_text.indexOf(what) > 0; }
    void clear() { m_text.clear(); }

private:
    QString m_text;
};

} // namespace quarn::link
