#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QComboBox;
class QGroupBox;

namespace quarn {

class CHexEdit;

// Two function words per input, one for each edge. The words of the shown input are stored in
// the image whenever another input is selected and on "OK" (such stores stay when the dialog
// is cancelled later); an input given a function without being configured as one is offered
// the I/O configuration.
class EingProg : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int InputCount = 11;

    explicit EingProg(Register* image, QWidget* parent = nullptr);

    // Register of input i's word for passive -> active (edge 0) or active -> passive (edge 1).
    static int registerOf(int input, int edge) { return 108 + 2 * input + edge; }
    // Whether input i (1-8 are pins of the I/O socket) is configured as an input.
    static bool configuredAsInput(const Register& image, int input);
    int shownInput() const { return m_shown; }

    // Both edges of every input, in words.
    QList<Page> pages() override;

protected:
    void confirmed() override;

private:
    void onInputChanged(int input);
    void runWizard(CHexEdit* field);
    // Offers the I/O configuration when the stored input has a function but no input pin.
    void checkPin(int input);
    void showInput(int input);

    int m_shown = 1;
    QComboBox* m_input;
    QGroupBox* m_box;
    CHexEdit* m_rising;
    CHexEdit* m_falling;
};

} // namespace quarn
