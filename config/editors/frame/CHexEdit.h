#pragma once

#include <QLineEdit>

class QMenu;

namespace quarn {

// The edit field for hex digits and tone sequences: it admits only hex digits (lower case
// becomes upper case) and a leading "0x", protects that prefix, pastes only hex text, and
// converts between decimal and "0x" hexadecimal from its context menu.
class CHexEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CHexEdit(QWidget* parent = nullptr);

    // Register digits only: no "0x" prefix, no "Con&vert"; what the field holds can go into a
    // register as it stands. Tone, password and function-word fields use this.
    void setRegisterDigits(bool on) { m_registerDigits = on; }
    bool registerDigits() const { return m_registerDigits; }

    // On when the text begins with "0x" or holds any of "A"-"F"; recomputed on every change.
    bool hexMode() const { return m_hexMode; }

    // An optional "0x" (or "0X") followed by hex digits of either case.
    static bool passesCharacterCheck(const QString& text);
    // What this field admits: as above, without the prefix for register digits.
    bool admits(const QString& text) const;
    // Every letter upper case, except that "X" becomes "x".
    static QString normalised(const QString& text);

    // The context menu with its nine entries and their grayed states; the caller owns it.
    QMenu* createHexContextMenu(QWidget* parent = nullptr);

public slots:
    void convert();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool hasPrefix() const;
    // Whether removing [from, to) would take away the "x" of the prefix.
    bool removalBreaksPrefix(int from, int to) const;
    bool selectionBreaksPrefix() const;
    // Normalises the clipboard text; false after "Cannot open clipboard!".
    bool normaliseClipboard();
    QString clipboardText() const;

    bool m_hexMode = false;
    bool m_registerDigits = false;
};

} // namespace quarn
