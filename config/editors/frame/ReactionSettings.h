#pragma once

#include <QWidget>

class QGroupBox;

namespace quarn {

class Binder;

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
        // The output number takes bits 0-2 of RB digit 1 only; bit 3 belongs to the dialog.
        OutputInLowBits = 0x40,
    };
    Q_DECLARE_FLAGS(Groups, Group)

    // Binds the groups shown to registers ra and rb through the dialog's binder, so they are
    // checked and written with the dialog's other fields. acknowledgementEntries: 6 with
    // "zusätzliche 5-Tonfolge bei FFSK", 5 without.
    ReactionSettings(Binder& bind, int ra, int rb, Groups groups = AllGroups, int acknowledgementEntries = 6,
                     QWidget* parent = nullptr);

private:
    QGroupBox* buildAlarmTone(Binder& bind, int ra);
    QGroupBox* buildCallVolume(Binder& bind, int ra);
    QGroupBox* buildSwitchOutput(Binder& bind, int rb, bool outputInLowBits);
    QGroupBox* buildXCall(Binder& bind, int rb);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ReactionSettings::Groups)

} // namespace quarn
