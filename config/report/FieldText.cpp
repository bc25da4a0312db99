#include "config/report/FieldText.h"

#include "config/editors/frame/VolumeSelector.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>

namespace quarn {

namespace {

// Accelerators, line breaks and a closing colon are not part of what is read.
QString plain(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QLayout* layoutHolding(QLayout* layout, const QWidget* w, int* index)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == w) {
            *index = i;
            return layout;
        }
        if (QLayout* inner = item->layout()) {
            if (QLayout* found = layoutHolding(inner, w, index))
                return found;
        }
    }
    return nullptr;
}

// The label a user reads for the field: a buddy, a form row's label, or the label just before it.
QString labelBeside(const QWidget* control, const QWidget* dialog)
{
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return label->text();
    }
    for (const QFormLayout* form : dialog->findChildren<QFormLayout*>()) {
        if (const QWidget* label = form->labelForField(const_cast<QWidget*>(control)))
            if (const auto* l = qobject_cast<const QLabel*>(label))
                return l->text();
    }
    // A form row whose field is a layout holding the control.
    for (const QFormLayout* form : dialog->findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole);
            int index = -1;
            if (field && field->layout() && layoutHolding(field->layout(), control, &index)) {
                QLayoutItem* label = form->itemAt(row, QFormLayout::LabelRole);
                if (label && qobject_cast<QLabel*>(label->widget()))
                    return static_cast<QLabel*>(label->widget())->text();
            }
        }
    }
    const QWidget* parent = control->parentWidget();
    int index = -1;
    QLayout* layout = parent && parent->layout() ? layoutHolding(parent->layout(), control, &index) : nullptr;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        // A table: a heading in the first row names the column, a label in the first column the
        // row ("Stelle in Tonfolge, 10er"). A note that spans columns above a row is no heading.
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        auto labelAt = [grid](int r, int c) -> QLabel* {
            QLayoutItem* item = grid->itemAtPosition(r, c);
            int ir = 0, ic = 0, rs = 0, cs = 0;
            if (!item || !qobject_cast<QLabel*>(item->widget()))
                return nullptr;
            grid->getItemPosition(grid->indexOf(item->widget()), &ir, &ic, &rs, &cs);
            return ir == r && ic == c && cs == 1 ? static_cast<QLabel*>(item->widget()) : nullptr;
        };
        const QLabel* heading = row > 0 ? labelAt(0, column) : nullptr;
        const QLabel* rowLabel = nullptr;
        for (int c = column - 1; c >= 0 && !rowLabel; --c)
            rowLabel = labelAt(row, c);
        if (heading && rowLabel)
            return plain(heading->text()) + QStringLiteral(", ") + plain(rowLabel->text());
        if (rowLabel)
            return rowLabel->text();
        if (heading)
            return heading->text();
        // A field in front of its text ("180  s max. Sendezeit ...").
        if (QLabel* after = labelAt(row, column + columnSpan))
            return after->text();
        return {};
    }
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        // A spanning row takes the text of a spanning label row just above it.
        int row = -1;
        QFormLayout::ItemRole role;
        form->getItemPosition(index, &row, &role);
        if (row > 0) {
            QLayoutItem* above = form->itemAt(row - 1, QFormLayout::SpanningRole);
            if (above && qobject_cast<QLabel*>(above->widget()))
                return static_cast<QLabel*>(above->widget())->text();
        }
        return {};
    }
    if (layout) {
        // In a row of widgets: the label, or the option button, just before the control.
        for (int i = index - 1; i >= 0; --i) {
            QWidget* w = layout->itemAt(i)->widget();
            if (auto* label = qobject_cast<QLabel*>(w))
                return label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                return button->text();
            if (w)
                break;
        }
        // A field in front of its text ("100 ms Verweilzeit pro Kanal").
        if (index == 0 && layout->count() > 1)
            if (auto* label = qobject_cast<QLabel*>(layout->itemAt(1)->widget()))
                return label->text();
    }
    return {};
}

// What the texts of a radio group share ("Kanalausgabe normal", "Kanalausgabe invertiert"), at a
// word's end.
QString commonWords(const QList<QWidget*>& controls)
{
    QString common;
    for (int i = 0; i < controls.size(); ++i) {
        const auto* b = qobject_cast<const QAbstractButton*>(controls.at(i));
        const QString text = b ? plain(b->text()) : QString();
        if (i == 0) {
            common = text;
            continue;
        }
        int n = 0;
        while (n < common.size() && n < text.size() && common.at(n) == text.at(n))
            ++n;
        common.truncate(n);
    }
    const qsizetype space = common.lastIndexOf(QLatin1Char(' '));
    return controls.size() > 1 && space > 0 ? common.left(space) : QString();
}

QString groupTitle(const QWidget* control, const QWidget* dialog)
{
    for (const QWidget* w = control->parentWidget(); w && w != dialog; w = w->parentWidget()) {
        if (const auto* box = qobject_cast<const QGroupBox*>(w))
            return box->title();
    }
    return {};
}

// The name a dialog gives a row of option buttons that shares a box with another row.
QString containerName(const QWidget* control, const QWidget* dialog)
{
    for (const QWidget* w = control->parentWidget(); w && w != dialog && !qobject_cast<const QGroupBox*>(w);
         w = w->parentWidget()) {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
    }
    return {};
}

QString valueOf(const QList<QWidget*>& controls)
{
    const QWidget* first = controls.value(0);
    if (const auto* volume = qobject_cast<const VolumeSelector*>(first)) {
        const QRadioButton* mode =
            volume->offsetButton()->isChecked() ? volume->offsetButton() : volume->absoluteButton();
        const int position = volume->slider()->value();
        return plain(mode->text()) + QStringLiteral(": ") +
               (volume->offsetButton()->isChecked() ? QStringLiteral("+%1").arg(position)
                                                    : QString::number(position));
    }
    if (controls.size() > 1 || qobject_cast<const QRadioButton*>(first)) {
        for (const QWidget* w : controls) {
            if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isChecked())
                return plain(b->text());
        }
        return FieldText::tr("keine Auswahl");
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(first))
        return box->isChecked() ? FieldText::tr("ja") : FieldText::tr("nein");
    if (const auto* combo = qobject_cast<const QComboBox*>(first))
        return combo->currentIndex() < 0 ? FieldText::tr("keine Auswahl") : plain(combo->currentText());
    if (const auto* edit = qobject_cast<const QLineEdit*>(first))
        return edit->text();
    return {};
}

} // namespace

FieldText FieldText::of(const QList<QWidget*>& controls, const QWidget* dialog)
{
    FieldText out;
    out.value = valueOf(controls);
    const QWidget* first = controls.value(0);
    if (!first)
        return out;
    const bool radios = controls.size() > 1 || qobject_cast<const QRadioButton*>(first);
    // A name the dialog gives a control without a text of its own (for screen readers) wins.
    QString label = first->accessibleName();
    if (label.isEmpty() && radios)
        label = containerName(first, dialog);
    // A check box reads its own text, also when it switches the controls bound with it.
    const auto* box = qobject_cast<const QCheckBox*>(first);
    if (label.isEmpty())
        label = box ? box->text() : labelBeside(first, dialog);
    const QString group = plain(groupTitle(first, dialog));
    label = plain(label);
    if (label.isEmpty() && radios)
        label = commonWords(controls);
    if (label.isEmpty())
        label = group.isEmpty() ? first->objectName() : group; // the last resort, which the tests refuse
    else if (!group.isEmpty() && group != label)
        label = group + QStringLiteral(" › ") + label;
    out.label = label;
    return out;
}

} // namespace quarn
