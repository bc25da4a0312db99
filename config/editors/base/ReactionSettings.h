#pragma once

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace quarn {

class DecimalFractionEdit;
class IntegerEdit;
class Register;
class VolumeSelector;

// What the unit does on a recognised sequence, in two registers:
//   part A (RA) digits 0-4: alarm tone type, duration (× 0.2 s), alarm volume, call-volume
//     duration (s), call volume;
//   part B (RB) digits 1-5: switching output number, "aus"/"ein"/"ein für" (0 / F / 1-D s),
//     acknowledgement, speaker/LED, X-call treatment (0 normal, 1-7 digits shown).
// The decoders, the FFSK emergency call and the group-call and alarm evaluators share it; each
// shows the groups it uses. Its edit fields take part in the dialog's field checks.
class ReactionSettings : public QWidget {
    Q_OBJECT
public:
    enum Group {
        AlarmTone = 0x01,
        CallVolume = 0x02,
        SwitchOutput = 0x04,
        Acknowledgement = 0x08,
        SpeakerLed = 0x10,
        XCall = 0x20,
        AllGroups = 0x3f,
    };
    Q_DECLARE_FLAGS(Groups, Group)

    // acknowledgementEntries: 6 with "zusätzliche 5-Tonfolge bei FFSK", 5 without.
    explicit ReactionSettings(Groups groups = AllGroups, int acknowledgementEntries = 6,
                              QWidget* parent = nullptr);

    void read(const Register& image, int ra, int rb);
    // In the order the dialogs write: RA digit 0; the duration is parsed and, if accepted,
    // written to RA digit 1; RA digits 2-4; RB digits 1-5 (only the groups shown).
    // false when the duration was refused (after its message); everything else is written.
    bool write(Register& image, int ra, int rb) const;

    // Pieces for dialogs that store parts elsewhere (the group-call evaluator keeps a flag in
    // the output digit: it sets the number after read() and writes the digit after write()).
    int outputNumber() const;
    void setOutputNumber(int number);
    int switchDigit() const; // 0 aus, 15 ein, 1-13 seconds

private:
    QGroupBox* buildAlarmTone();
    QGroupBox* buildCallVolume();
    QGroupBox* buildSwitchOutput();
    QGroupBox* buildXCall();
    void updateEnabled();

    Groups m_groups;
    QComboBox* m_alarmType = nullptr;
    DecimalFractionEdit* m_alarmDuration = nullptr;
    VolumeSelector* m_alarmVolume = nullptr;
    IntegerEdit* m_callDuration = nullptr;
    VolumeSelector* m_callVolume = nullptr;
    IntegerEdit* m_output = nullptr;
    QButtonGroup* m_switchMode = nullptr;
    IntegerEdit* m_switchSeconds = nullptr;
    QWidget* m_switchSecondsLabel = nullptr;
    QComboBox* m_acknowledgement = nullptr;
    QComboBox* m_speakerLed = nullptr;
    QButtonGroup* m_xCallMode = nullptr;
    IntegerEdit* m_xCallDigits = nullptr;
    QWidget* m_xCallDigitsLabel = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ReactionSettings::Groups)

} // namespace quarn
