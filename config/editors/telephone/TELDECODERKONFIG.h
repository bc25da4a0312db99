#pragma once

#include "config/editors/frame/SettingsDialog.h"

#include <QList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;

namespace quarn {

class CHexEdit;
class IntegerEdit;

// The configuration of one telephone decoder (0-9): the sequence it evaluates (register
// 320 + decoder), how many tones count, and what it does when it recognises them, with the
// mode's parameters (register 330 + decoder, rewritten from "00000000" when a mode is chosen).
class TELDECODERKONFIG : public SettingsDialog {
    Q_OBJECT
public:
    // List positions of the "Modus" combo box.
    enum Mode { Unused, Begin, ShortDial, ThroughDial, NightSwitch, End };

    TELDECODERKONFIG(Register* image, int decoder, QWidget* parent = nullptr);

    // Position <-> digit: 0-4 as themselves, "Schlussruf" is 9.
    static ChoiceMap modeMap();

private:
    // Builds the groups of the modes; each binds only the digits of its mode.
    QGroupBox* beginGroup();
    QGroupBox* shortDialGroup();
    QGroupBox* throughDialGroup();
    QGroupBox* nightGroup();
    // A radio group on digit k that keeps the stored digit while nothing is selected.
    QButtonGroup* radioDigit(int k, const QStringList& texts, const char* namePrefix, int storedMode,
                             int defaultPosition);
    // A one-character field on digit k: the stored character under the stored mode, else the
    // default; an empty field writes what it showed when the dialog opened.
    CHexEdit* characterDigit(int k, int storedMode, QChar defaultCharacter, const char* name);
    // The positions in the sequence reach up to the tone count as it is entered now.
    void refreshRanges();

    int m_decoder;
    int m_config;
    int m_storedMode;
    IntegerEdit* m_toneCount;
    QComboBox* m_mode;
    QList<IntegerEdit*> m_positions; // ranges up to the tone count
    QList<int> m_positionMinimum;
};

} // namespace quarn
