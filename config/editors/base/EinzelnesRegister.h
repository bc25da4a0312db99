#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QLineEdit;

namespace quarn {

class IntegerEdit;

// Reads and writes any one register of the image as raw digits, by number.
class EinzelnesRegister : public SettingsDialog {
    Q_OBJECT
public:
    EinzelnesRegister(Register* image, QWidget* parent = nullptr);

    void readRegister();  // "Lesen", and whenever the number field loses the focus
    void writeRegister(); // "Schreiben"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool numberIsValid(int n) const;
    void refuseNumber();
    void showMembers();

    int m_number = 0;
    QString m_content;
    IntegerEdit* m_numberEdit;
    QLineEdit* m_contentEdit;
    bool m_busy = false;
};

} // namespace quarn
