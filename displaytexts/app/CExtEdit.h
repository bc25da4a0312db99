#pragma once

#include <QLineEdit>

namespace tekstor {

// The character the editor shows in place of a blank (byte 0x95 in Windows-1252).
inline constexpr QChar BulletChar{0x2022};

// The one-line field of a 24-character display text. A typed blank arrives as the
// bullet, so blanks stay visible; the owning dialog is told whenever the cursor may
// have moved without the text changing (mouse release, navigation keys).
class CExtEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int MaxLength = 24;

    explicit CExtEdit(QWidget* parent = nullptr);

    // Every blank (from pasting or setText) becomes the bullet; the cursor stays put.
    void replaceBlanks();

signals:
    void cursorMayHaveMoved();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tekstor
