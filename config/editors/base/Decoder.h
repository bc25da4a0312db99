#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QLabel;

namespace quarn {

class OverviewTable;

// The overview of the ten decoders, read-only; the button beside each row opens the
// configuration of that decoder, which writes on its own "OK".
class Decoder : public SettingsDialog {
    Q_OBJECT
public:
    Decoder(Register* image, QWidget* parent = nullptr);

    // Opens the configuration of decoder 0-9 modally and rebuilds the table afterwards.
    void configure(int decoder);
    void refreshTable();
    QLabel* cellLabel(int row, int column) const; // row 0 is the header
    QList<Nested> nestedDialogs() override;

protected:
    // Every change was written by the configuration dialog already.
    bool marksModified() const override { return false; }

private:
    OverviewTable* m_table;
};

} // namespace quarn
