#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QComboBox;
class QRadioButton;

namespace quarn {

class IntegerEdit;

// What the LEDs in F1 to F4 show (registers 180-183, digits 0-2). The shown LED is stored in
// the image whenever another LED is selected and on "OK" (such stores stay when the dialog is
// cancelled later).
class LEDProg : public SettingsDialog {
    Q_OBJECT
public:
    explicit LEDProg(Register* image, QWidget* parent = nullptr);

    int shownLed() const { return m_shown; }

    // Every LED, each shown by a dialog of its own.
    QList<Page> pages() override;

private:
    enum Function { None, Output, Channel, TelephoneMode, DecoderState };

    int shownRegister() const { return 180 + m_shown; }
    // Shows the LED's register: parameters at their defaults, then those of its function.
    void load(int led);
    void resetParameters();
    void onLedChanged(int led);

    int m_shown = 0;
    QComboBox* m_led;
    QComboBox* m_function;
    IntegerEdit* m_output;
    QRadioButton* m_activeLow;
    QRadioButton* m_activeHigh;
    IntegerEdit* m_channel;
    IntegerEdit* m_decoder;
    QRadioButton* m_decoderOff;
    QRadioButton* m_decoderActive;
};

} // namespace quarn
