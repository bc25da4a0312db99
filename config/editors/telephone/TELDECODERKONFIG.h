#pragma once

#include "config/editors/frame/SettingsDialog.h"
#include "config/editors/telephone/TELDecoder.h"

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
    // List positions of the "Modus" combo box: those of TELDecoder::modes().
    using enum TELDecoder::Mode;

    TELDECODERKONFIG(Register* image, int decoder, QWidget* parent = nullptr);

    // Position <-> digit, from TELDecoder::modes().
    static ChoiceMap modeMap();

private:
    // Builds the groups of the modes; each binds only the digits of its mode.
    QGroupBox* beginGroup();
    QGroupBox* shortDialGroup();
    QGroupBox* throughDialGroup();
    QGroupBox* nightGroup();
    // A radio group on digit k that keeps the stored digit while nothing is selected; it shows
    // the stored digit when it counts (the stored mode is the group's), else the default.
    QButtonGroup* radioDigit(int k, const QStringList& texts, const char* namePrefix, bool storedCounts,
                             int defaultPosition);
    // A one-character field on digit k: the stored character when it counts, else the default;
    // an empty field writes what it showed when the dialog opened.
    CHexEdit* characterDigit(int k, bool storedCounts, QChar defaultCharacter, const char* name);
    // The positions in the sequence reach up to the tone count as it is entered now.
    void refreshRanges();

    int m_decoder;
    int m_config;
    int m_storedMode; // the list position of the stored mode, -1 for a digit the list does not know
    IntegerEdit* m_toneCount;
    QComboBox* m_mode;
    QList<IntegerEdit*> m_positions; // ranges up to the tone count
    QList<int> m_positionMinimum;
};

} // namespace quarn
