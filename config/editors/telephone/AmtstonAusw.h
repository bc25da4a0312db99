#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

class OverviewTable;

// The dial-tone decoder (registers 380 and 614) with its table of ring-back and busy cadences
// (381-399). The table's buttons open the entry dialog, which writes the entry on its own.
class AmtstonAusw : public SettingsDialog {
    Q_OBJECT
public:
    AmtstonAusw(Register* image, QWidget* parent = nullptr);

    // The table's texts of entry 1-19.
    static QString typeText(const DigitSource& digits, int entry);
    static QString programmingText(const DigitSource& digits, int entry);
    // The tolerance field's text for digit d: d x 3,125 % cut to tenths ("3,1", "46,8").
    static QString toleranceText(int digit);

    void refreshTable();
    QList<Nested> nestedDialogs() override;

private:
    OverviewTable* m_left;
    OverviewTable* m_right;
};

} // namespace quarn
