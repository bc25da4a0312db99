#pragma once

#include "config/editors/frame/ChoiceMap.h"
#include "config/editors/frame/DecimalFractionEdit.h"
#include "config/editors/frame/DigitSlot.h"
#include "config/editors/frame/ToneSlot.h"

#include <QAnyStringView>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <initializer_list>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QWidget;

namespace quarn {

class CHexEdit;
class DigitSource;
class IntegerEdit;
class VolumeSelector;

// The bindings of one dialog (or of a widget inside it) between controls and digits. Each
// binding reads its digits when it is made, checks its control when the dialog is confirmed
// and writes only after every check has passed:
//
//   bind.number(DigitSlot::hex(11, 4), 0, 15);                 // hex digit 0-15
//   bind.number("keyTime", DigitSlot::hex(11, 4), 0, 15);      // the same, named for tests and the report
//   bind.number(DigitSlot::weighted(51, 0, 3, 1));             // weighted digits, 0-1665
//   bind.flag(tr("Tastenpieps aktiv"), DigitSlot::oddFlag(55, 2));
//   bind.flag(tr("aktiviert"), DigitSlot::bits(51, 4, 0b0010)); // one bit, the others kept
//   bind.choice(DigitSlot::hex(11, 0), texts, ChoiceMap::of({0, 1, 2, 3, 4, 5, 15}));
//   bind.radios(DigitSlot::bits(51, 3, 1), {simplex, duplex});
//   bind.tones(ToneSlot::exact(99, 0, 5));                     // five hex digits, no fewer
//   bind.fraction(DigitSlot::hex(81, 3), DecimalFormat::tenths(1));
//   bind.enableWhile({field, label}, [=] { return box->isChecked(); });
//
// A control that is disabled or hidden (within the owner) is neither checked nor written: its
// digits stay exactly as they were. A combo box or radio group without selection writes nothing.
class Binder : public QObject {
    Q_OBJECT
public:
    // The digits one binding reads and writes: count digits of register reg from first on.
    struct DigitSpan {
        int reg = 0;
        int first = 0;
        int count = 1;
        bool operator==(const DigitSpan&) const = default;
    };
    // The digits of a custom binding: never none, so that every binding is in fields() and so
    // in the settings report and the diff. custom({}, ...) does not compile.
    class Digits {
    public:
        Digits() = delete;
        Digits(std::initializer_list<DigitSpan> spans) : m_spans(spans) {}
        Digits(const DigitSlot& slot);
        const QList<DigitSpan>& spans() const { return m_spans; }

    private:
        QList<DigitSpan> m_spans;
    };
    // What a binding shows, for the settings report: its controls and its digits now.
    struct Field {
        QList<QWidget*> controls;
        QList<DigitSpan> spans;
        bool active = true;
    };

    Binder(DigitSource& source, QWidget* owner);

    DigitSource& source() const { return *m_source; }
    QWidget* owner() const { return m_owner; }

    // Integer field with the framework's range check; without a range: 0 to what the slot holds.
    IntegerEdit* number(const DigitSlot& slot, int minimum, int maximum);
    IntegerEdit* number(const DigitSlot& slot);
    QCheckBox* flag(const QString& text, const DigitSlot& slot);
    QComboBox* choice(const DigitSlot& slot, const QStringList& texts, const ChoiceMap& map);
    QComboBox* choice(const DigitSlot& slot, const QStringList& texts);
    // Binds radio buttons; position i in the list is position i of the map.
    QButtonGroup* radios(const DigitSlot& slot, const QList<QRadioButton*>& buttons, const ChoiceMap& map);
    QButtonGroup* radios(const DigitSlot& slot, const QList<QRadioButton*>& buttons);
    // A register text field of register digits only (no "0x", no conversion).
    CHexEdit* tones(const ToneSlot& slot);
    // The same with a slot that depends on other controls (ID mode, tone count); it is asked
    // again on every reload and at the check.
    CHexEdit* tones(std::function<ToneSlot()> slot);
    DecimalFractionEdit* fraction(const DigitSlot& slot, const DecimalFormat& format);
    VolumeSelector* volume(const DigitSlot& slot, const QString& namePrefix);

    // The same kinds with the object name tests, the settings report and the fleet index find
    // the control by, given first.
    IntegerEdit* number(QAnyStringView name, const DigitSlot& slot, int minimum, int maximum);
    IntegerEdit* number(QAnyStringView name, const DigitSlot& slot);
    QCheckBox* flag(QAnyStringView name, const QString& text, const DigitSlot& slot);
    QComboBox* choice(QAnyStringView name, const DigitSlot& slot, const QStringList& texts,
                      const ChoiceMap& map);
    QComboBox* choice(QAnyStringView name, const DigitSlot& slot, const QStringList& texts);
    CHexEdit* tones(QAnyStringView name, const ToneSlot& slot);
    CHexEdit* tones(QAnyStringView name, std::function<ToneSlot()> slot);
    DecimalFractionEdit* fraction(QAnyStringView name, const DigitSlot& slot, const DecimalFormat& format);

    // A binding for what the kinds above do not cover, declaring every digit it reads or writes:
    // check shows its message and returns false; write runs only after every check passed and
    // only while a control is active. A binding on controls that another binding already has
    // adds its digits to that one's line of the report.
    void custom(const Digits& digits, const QList<QWidget*>& controls, std::function<bool()> check,
                std::function<void(DigitSource&)> write, std::function<void()> read = {});
    // The same with digits that follow other controls (the LED shown).
    void custom(std::function<Digits()> digits, const QList<QWidget*>& controls, std::function<bool()> check,
                std::function<void(DigitSource&)> write, std::function<void()> read = {});
    // A rule of the dialog that runs with the field checks, in binding order.
    void rule(std::function<bool()> check);

    // Declarative enable and show rules, evaluated now and whenever a bound choice changes.
    void enableWhile(std::initializer_list<QWidget*> widgets, std::function<bool()> condition);
    void showWhile(std::initializer_list<QWidget*> widgets, std::function<bool()> condition);
    // The same for a rule that also follows controls no binding of a choice has (a check box, a
    // button group, a field): a change of any watched control evaluates the rules again.
    void enableWhile(std::initializer_list<QWidget*> widgets, std::initializer_list<QObject*> watched,
                     std::function<bool()> condition);
    void showWhile(std::initializer_list<QWidget*> widgets, std::initializer_list<QObject*> watched,
                   std::function<bool()> condition);
    void refreshRules();

    // The dialog is shown for the first time: what each control shows now is what the user found.
    void opened();

    // Reads the control again from the digits (entries not yet confirmed are discarded).
    void reload(const QObject* control);

    // Every check of every active binding in order; false after the first failure's message,
    // with the focus on its field. Nothing is written by check().
    bool check();
    // Writes every active binding. Call only after check() passed.
    void write();
    // check() then write().
    bool commit();

    // Every binding with controls and digits, in binding order.
    QList<Field> fields() const;

    // Whether the control takes part: enabled and not hidden within the owner.
    bool isActive(const QWidget* control) const;

    // The framework's refusal of a field: message with the program's caption, focus on it.
    bool refuseField(QWidget* field, const QString& text) const;

private:
    struct Binding {
        QList<QWidget*> controls;
        const QObject* key = nullptr;
        std::function<void()> read;
        std::function<bool()> check;
        std::function<void(DigitSource&)> write;
        std::function<QList<DigitSpan>()> spans;
        std::function<void()> opened = {};
    };
    struct Rule {
        QList<QWidget*> widgets;
        std::function<bool()> condition;
        bool show = false;
    };

    void add(Binding binding);
    void watch(std::initializer_list<QObject*> controls);
    static std::function<QList<DigitSpan>()> spansOf(const DigitSlot& slot);
    bool anyActive(const QList<QWidget*>& controls) const;

    DigitSource* m_source;
    QWidget* m_owner;
    QList<Binding> m_bindings;
    QList<Rule> m_rules;
};

} // namespace quarn
