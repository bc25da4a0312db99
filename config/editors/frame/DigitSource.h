#pragma once

#include <QList>
#include <QString>

namespace quarn {

class Register;

// Where a dialog's digits live: the register image, one function word, or a private copy of
// a block of registers. Writes go digit by digit and never change a text's length.
class DigitSource {
public:
    virtual ~DigitSource() = default;

    // The text of register n ("" for a register the source does not hold).
    virtual QString text(int n) const = 0;
    // Character k of register n; refused beyond the end of the text.
    virtual void setCharacter(int n, int k, QChar c) = 0;
    // Called once after a confirmed dialog has written.
    virtual void markModified() {}

    // Value 0-15 of digit k; anything that is not a hex digit, or a position beyond the end, reads 0.
    int digit(int n, int k) const;
    // Digit k becomes the hex character of value (15 or more, or negative: "F").
    void setDigit(int n, int k, int value);
    // Characters from digit first on, as far as the text reaches.
    void setCharacters(int n, int first, const QString& characters);
};

// The register image of the main window.
class ImageDigits final : public DigitSource {
public:
    explicit ImageDigits(Register& image) : m_image(image) {}
    Register& image() const { return m_image; }

    QString text(int n) const override;
    void setCharacter(int n, int k, QChar c) override;
    void markModified() override;

private:
    Register& m_image;
};

// One function word (the key editors' 8 digits): every register number means the word.
class WordDigits final : public DigitSource {
public:
    explicit WordDigits(QString word) : m_word(std::move(word)) {}
    const QString& word() const { return m_word; }

    QString text(int) const override { return m_word; }
    void setCharacter(int n, int k, QChar c) override;

private:
    QString m_word;
};

// A private copy of count registers from first on; the caller writes it back when it confirms.
class RegisterCopy final : public DigitSource {
public:
    RegisterCopy(const Register& image, int first, int count);
    int first() const { return m_first; }
    int count() const { return static_cast<int>(m_texts.size()); }
    // Copies every register back into image and marks it modified.
    void writeBack(Register& image) const;

    QString text(int n) const override;
    void setCharacter(int n, int k, QChar c) override;

private:
    int m_first;
    QList<QString> m_texts;
};

} // namespace quarn
