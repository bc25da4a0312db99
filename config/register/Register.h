#pragma once

#include <QList>
#include <QString>
#include <array>

namespace quarn {

// The in-memory copy of a unit's EEPROM registers and the little state that belongs to
// the unit attached: model, telephone interface, self-description, settings-file path,
// unsaved changes. Exactly one lives in the main window; everything else gets a pointer.
class Register {
public:
    static constexpr int TableSize = 800;
    static constexpr int DigitCount = 8;

    Register();
    virtual ~Register() = default;

    // Valid register numbers: 0-199, 300-499, 600-799.
    static bool isValidNumber(int n);
    static bool isTelephoneNumber(int n);
    // The registers a transfer or file covers, ascending: 0-199, then 300-499 and 600-799
    // with the telephone interface.
    static QList<int> numbers(bool withTelephone);

    // The text of register n (0-799); read or replace as a whole.
    // n outside 0-799 is the caller's error.
    QString& registerText(int n)
    {
        Q_ASSERT(n >= 0 && n < TableSize);
        return m_table[static_cast<size_t>(n)];
    }
    const QString& registerText(int n) const
    {
        Q_ASSERT(n >= 0 && n < TableSize);
        return m_table[static_cast<size_t>(n)];
    }

    // Value 0-15 of digit k; anything that is not a hex digit, or a position beyond the
    // end of a shorter text (or outside the table), reads 0.
    int digit(int n, int k) const;
    // Digit k becomes the hex character of value; refused beyond the end of the text
    // (and for numbers outside the table).
    void setDigit(int n, int k, int value);

    void markModified() { modified = true; }
    // Every register eight blanks, file path empty, modified cleared; the unit's flags,
    // and version text are kept.
    void resetImage();

    QString versionText;
    QString filePath;
    bool modified = false;
    bool model7k = true;
    bool telephoneInterface = false;
    bool unitKnown = false;

private:
    std::array<QString, TableSize> m_table;
};

} // namespace quarn
