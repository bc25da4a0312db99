#pragma once

#include "config/editors/frame/SettingsDialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace quarn {

class IntegerEdit;

// The channel scanner: on or off with its dwell time, a range of channels or up to ten chosen
// channels, and the stop on a carrier with the time it waits for an evaluation.
class Scanner : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int ListSlots = 10;
    static constexpr int WaitCeiling = 165; // 16,5 s

    explicit Scanner(Register* image, QWidget* parent = nullptr);

private:
    // The range field for digits first, first+1 of register 67: decimal only, left-padded.
    IntegerEdit* bindRangeField(int first, const char* name);
    void bindChannelList();

    QCheckBox* m_listMode = nullptr;
    std::array<QLineEdit*, ListSlots> m_channels{};
};

} // namespace quarn
