#pragma once

#include "config/editors/keys/FunctionEditor.h"

class QLineEdit;

namespace quarn {

// Function 7 (normal mode): entering a call at the keypad.
class RUFTONEINGABE : public FunctionEditor {
    Q_OBJECT
public:
    RUFTONEINGABE(QWidget* parent, QString& word);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The number of input digits as the field holds it: "1"-"5", anything else 2.
    int inputDigits() const;
    // Rewrites the count field as that number and cuts or completes the call to it.
    void normaliseCall();

    QLineEdit* m_inputDigits;
    CHexEdit* m_call;
};

} // namespace quarn
