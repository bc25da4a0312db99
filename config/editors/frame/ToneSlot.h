#pragma once

#include <QChar>
#include <QString>

namespace quarn {

// A register text field (tone sequence, password, function word, channel list): the digits
// from first on that the field owns, how many hex digits an entry must have, and what goes
// into the owned digits beyond the entry.
struct ToneSlot {
    int reg = 0;
    int first = 0;
    int span = 1;         // digits owned, first .. first+span-1
    int minLength = 0;    // shorter entries are refused with shortText
    int maxLength = 1;    // longer entries get the framework's length message
    QChar pad;            // written after the entry up to span; null: those digits stay as they were
    QString shortText;    // empty: the frame's text for too few digits
    bool padLeft = false; // the pad goes before a short entry (a number such as "007"), not after it

    // Exactly length digits, nothing else written.
    static ToneSlot exact(int reg, int first, int length)
    {
        return {reg, first, length, length, length, QChar(), {}};
    }
    // Up to span digits; the rest of the span is padded.
    static ToneSlot upTo(int reg, int first, int span, QChar pad, int minLength = 0)
    {
        return {reg, first, span, minLength, span, pad, {}};
    }
    // Up to span digits, right-aligned: a short entry is padded on the left.
    static ToneSlot leftPadded(int reg, int first, int span, QChar pad)
    {
        return {reg, first, span, 0, span, pad, {}, true};
    }
    ToneSlot& refusingShortWith(const QString& text)
    {
        shortText = text;
        return *this;
    }
};

} // namespace quarn
