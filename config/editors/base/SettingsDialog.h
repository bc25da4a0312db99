#pragma once

#include "DigitSlot.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace quarn {

class IdModeList;
class IntegerEdit;
class Register;

// The frame of every settings dialog. It is built on the register image; the dialog reads
// its digits when constructed and writes them when "OK" has passed every check:
//   OK: the framework checks every enabled field (range and length, with the framework's
//       message and the focus on the offending field), then save() runs the dialog's own
//       checks and writes; when save() succeeds the image is marked modified and the dialog
//       closes. "Abbrechen" and the close box write nothing.
// The binding helpers below create a control, fill it from its digits and remember how to
// write it back, so that a dialog reads like its register table:
//
//   auto* seconds = integerField(DigitSlot::hex(54, 3), 0, 15);       // 54, 3: hex digit 0-15
//   auto* pause   = weightedField(82, 3, 2, 10);                      // 82, 3-4: weighted, 10 ms
//   auto* beep    = flagBox(tr("Tastenton"), DigitSlot::flag(55, 1)); // 55, 1: "1"/"0"
//   auto* mode    = idModeBox(DigitSlot::hex(10, 7), IdModeList::sending());
//
// Without an own save() every bound control is written in binding order on "OK"; a dialog
// with its own order or checks overrides save() and calls writeBoundField() in that order.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(Register* image, QWidget* parent, const QString& caption);

    Register& image() const { return *m_image; }

    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* helpButton() const { return m_help; }

    // Shows the help box ("Hilfe: ..." caption, information icon).
    void showHelp();

protected:
    // The area above the buttons.
    QVBoxLayout* content() const { return m_content; }
    // Captions and texts come already translated.
    void setHelp(const QString& caption, const QString& text);
    // Replaces "OK"/"Abbrechen" by a single closing button (dialogs that write on their own buttons).
    void useSingleCloseButton(const QString& text);

    // The dialog's own checks and writes, in the order its register table gives. false keeps
    // the dialog open; it has shown its message (whatever it wrote before stays written).
    virtual bool save();
    // Whether confirming marks the image modified (false for dialogs whose sub-dialogs write).
    virtual bool marksModified() const { return true; }

    // Framework check of every enabled field; false after its message.
    bool checkFields();
    // Writes every bound control in binding order / one bound control.
    void writeBoundFields();
    void writeBoundField(const QObject* control);

    // Own check failed: "Fehler" box, exclamation icon; returns false.
    bool refuse(const QString& text, QWidget* focus = nullptr);

    // Binding helpers: each reads now and writes back on writeBoundFields().
    IntegerEdit* integerField(const DigitSlot& slot, int minimum, int maximum);
    // Weighted digits: the range is 0 to what the digits can hold.
    IntegerEdit* weightedField(int reg, int first, int count, int unit);
    QCheckBox* flagBox(const QString& text, const DigitSlot& slot);
    // Position ↔ digit through digitOfPosition (empty: position = digit). A digit not in the
    // list opens without selection; no selection is written as "F".
    QComboBox* choiceBox(const DigitSlot& slot, const QStringList& texts,
                         const QList<int>& digitOfPosition = {});
    // An ID-mode combo box with the list's positions and digits.
    QComboBox* idModeBox(const DigitSlot& slot, const IdModeList& modes);
    // Radio buttons whose position in the group is the digit.
    QButtonGroup* radioGroup(const DigitSlot& slot, const QList<QRadioButton*>& buttons);
    // Registers an arbitrary writer under a control (for controls the helpers do not cover).
    void bindWriter(const QObject* control, std::function<void(Register&)> writer);

    // A check box whose checked state is the normal case: unchecking it by hand asks the
    // "Warnhinweis!" question first; "Nein" checks it again. afterwards runs in either case.
    void askBeforeUnchecking(QCheckBox* box, const QString& question, std::function<void()> afterwards = {});

    // Small layout helpers.
    static QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true);

private:
    void onOk();

    Register* m_image;
    QVBoxLayout* m_content;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
    QString m_helpCaption;
    QString m_helpText;
    QList<QPair<const QObject*, std::function<void(Register&)>>> m_writers;
};

} // namespace quarn
