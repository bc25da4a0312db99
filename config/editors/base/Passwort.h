#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The unit's five-digit user password (register 99). The master password is set only at the
// unit's keypad.
class Passwort : public SettingsDialog {
    Q_OBJECT
public:
    Passwort(Register* image, QWidget* parent = nullptr);

    // The warning shown when the dialog opens, and its help text.
    static QString warningText();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_warned = false;
};

} // namespace quarn
