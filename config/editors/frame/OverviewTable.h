#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QLabel;

namespace quarn {

// A read-only table of settings with a button before each row that opens the row's editor;
// the table is filled again after the editor has closed, whatever it returned. The decoder
// overviews and the dial-tone table use it.
class OverviewTable : public QWidget {
    Q_OBJECT
public:
    struct Layout {
        int rows = 0;
        QList<int> columnWidths; // in dialog units (a quarter of the average character width)
        int rowHeight = 40;      // in dialog units (an eighth of the line height)
        int buttonWidth = 70;
        QString buttonNamePrefix; // buttons are named <prefix>1 .. <prefix>rows
    };

    OverviewTable(const Layout& layout, QWidget* parent = nullptr);

    // What the table shows and does; row and column count from 0.
    std::function<QString(int column)> header;
    std::function<QString(int row, int column)> cell;
    std::function<QString(int row)> buttonText;
    // Opens the editor of a row modally.
    std::function<void(int row)> edit;

    // Fills headers, cells and button texts.
    void refresh();
    // Runs the row's editor, then refresh().
    void open(int row);
    QLabel* cellLabel(int row, int column) const; // row 0 is the header

private:
    Layout m_layout;
    QList<QLabel*> m_cells;
    QList<QWidget*> m_buttons;
};

} // namespace quarn
