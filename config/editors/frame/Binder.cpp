#include "config/editors/frame/Binder.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/DigitSource.h"
#include "config/editors/frame/FieldEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/frame/VolumeSelector.h"
#include "config/register/Messages.h"
#include "config/register/RegisterCodecs.h"
#include "platform/UserDialogs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <memory>

namespace quarn {

Binder::Binder(DigitSource& source, QWidget* owner) : QObject(owner), m_source(&source), m_owner(owner) {}

void Binder::add(Binding binding)
{
    if (binding.read)
        binding.read();
    m_bindings.append(std::move(binding));
}

bool Binder::isActive(const QWidget* control) const
{
    return control && control->isEnabledTo(m_owner) && control->isVisibleTo(m_owner);
}

bool Binder::anyActive(const QList<QWidget*>& controls) const
{
    if (controls.isEmpty())
        return true; // a rule of the dialog itself
    for (const QWidget* w : controls) {
        if (isActive(w))
            return true;
    }
    return false;
}

bool Binder::refuseField(QWidget* field, const QString& text) const
{
    platform::showMessage(m_owner ? m_owner->window() : nullptr, FieldEdit::frameworkCaption(), text,
                          platform::MessageIcon::Exclamation);
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
    }
    return false;
}

IntegerEdit* Binder::number(const DigitSlot& slot, int minimum, int maximum)
{
    auto* edit = new IntegerEdit(minimum, maximum, m_owner);
    // A stored value outside the field's range (newer firmware, the single-register editor) that
    // the dialog shows on opening and the user leaves as it is stays in its digits; a value the
    // user typed, or one that another control makes count, is checked as always.
    struct Stored {
        QString digits; // as read, written back while kept
        QString text;
        bool keep = false;
    };
    auto stored = std::make_shared<Stored>();
    auto keptAsStored = [edit, stored] { return stored->keep && edit->text() == stored->text; };
    add({{edit},
         edit,
         [this, edit, slot, stored] {
             edit->setValue(slot.read(*m_source));
             const DigitSpan span = spansOf(slot)().first();
             *stored = Stored{m_source->text(span.reg).mid(span.first, span.count), QString(), false};
         },
         [edit, keptAsStored] { return keptAsStored() || edit->checkInput(); },
         [edit, slot, stored, keptAsStored](DigitSource& s) {
             if (keptAsStored())
                 s.setCharacters(slot.reg, slot.first, stored->digits);
             else
                 slot.write(s, edit->value());
         },
         spansOf(slot),
         [this, edit, stored] {
             const std::optional<int> n = edit->number();
             stored->text = edit->text();
             stored->keep = isActive(edit) && n && (*n < edit->minimum() || *n > edit->maximum());
         }});
    return edit;
}

IntegerEdit* Binder::number(const DigitSlot& slot)
{
    return number(slot, 0, slot.maximum());
}

QCheckBox* Binder::flag(const QString& text, const DigitSlot& slot)
{
    auto* box = new QCheckBox(text, m_owner);
    add({{box},
         box,
         [this, box, slot] { box->setChecked(slot.read(*m_source) != 0); },
         {},
         [box, slot](DigitSource& s) { slot.write(s, box->isChecked() ? 1 : 0); },
         spansOf(slot)});
    connect(box, &QCheckBox::toggled, this, &Binder::refreshRules);
    return box;
}

QComboBox* Binder::choice(const DigitSlot& slot, const QStringList& texts, const ChoiceMap& map)
{
    auto* combo = new QComboBox(m_owner);
    combo->addItems(texts);
    add({{combo},
         combo,
         [this, combo, slot, map] { combo->setCurrentIndex(map.positionOf(slot.read(*m_source))); },
         {},
         [combo, slot, map](DigitSource& s) {
             if (const std::optional<int> d = map.digitOf(combo->currentIndex()))
                 slot.write(s, *d);
         },
         spansOf(slot)});
    connect(combo, &QComboBox::currentIndexChanged, this, &Binder::refreshRules);
    return combo;
}

QComboBox* Binder::choice(const DigitSlot& slot, const QStringList& texts)
{
    return choice(slot, texts, ChoiceMap::identity(static_cast<int>(texts.size())));
}

QButtonGroup* Binder::radios(const DigitSlot& slot, const QList<QRadioButton*>& buttons, const ChoiceMap& map)
{
    auto* group = new QButtonGroup(this);
    QList<QWidget*> controls;
    for (int i = 0; i < buttons.size(); ++i) {
        group->addButton(buttons.at(i), i);
        controls << buttons.at(i);
    }
    add({controls,
         group,
         [this, group, slot, map] {
             const int position = map.positionOf(slot.read(*m_source));
             if (QAbstractButton* b = group->button(position)) {
                 b->setChecked(true);
             } else if (QAbstractButton* checked = group->checkedButton()) {
                 // No known position: no button stays checked.
                 group->setExclusive(false);
                 checked->setChecked(false);
                 group->setExclusive(true);
             }
         },
         {},
         [group, slot, map](DigitSource& s) {
             if (const std::optional<int> d = map.digitOf(group->checkedId()))
                 slot.write(s, *d);
         },
         spansOf(slot)});
    connect(group, &QButtonGroup::idToggled, this, &Binder::refreshRules);
    return group;
}

QButtonGroup* Binder::radios(const DigitSlot& slot, const QList<QRadioButton*>& buttons)
{
    return radios(slot, buttons, ChoiceMap::identity(static_cast<int>(buttons.size())));
}

CHexEdit* Binder::tones(const ToneSlot& slot)
{
    return tones([slot] { return slot; });
}

CHexEdit* Binder::tones(std::function<ToneSlot()> slotNow)
{
    auto* edit = new CHexEdit(m_owner);
    edit->setRegisterDigits(true);
    auto read = [this, edit, slotNow] {
        const ToneSlot slot = slotNow();
        edit->setMaxLength(32767);
        edit->setText(m_source->text(slot.reg).mid(slot.first, slot.maxLength));
        edit->setMaxLength(qMax(1, slot.maxLength));
    };
    auto check = [this, edit, slotNow] {
        const ToneSlot slot = slotNow();
        const QString text = edit->text().toUpper();
        if (!isHexText(text))
            return refuseField(edit, tr("Geben Sie nur Hex-Ziffern (0-9, A-F) ein."));
        if (text.size() > slot.maxLength)
            return refuseField(edit, tr("Geben Sie nicht mehr als %1 Zeichen ein.").arg(slot.maxLength));
        if (text.size() < slot.minLength) {
            // A dialog's own text for too few digits is its own check: "Fehler", like its other rules.
            if (!slot.shortText.isEmpty()) {
                platform::showMessage(m_owner ? m_owner->window() : nullptr, msg::captionError(),
                                      slot.shortText, platform::MessageIcon::Exclamation);
                edit->setFocus(Qt::OtherFocusReason);
                return false;
            }
            const QString message =
                slot.minLength == 1 && slot.maxLength == 1
                    ? tr("Geben Sie genau eine Hex-Ziffer (0-9, A-F) ein.")
                : slot.minLength == slot.maxLength
                    ? tr("Geben Sie genau %1 Hex-Ziffern (0-9, A-F) ein.").arg(slot.minLength)
                    : tr("Geben Sie mindestens %1 Hex-Ziffern (0-9, A-F) ein.").arg(slot.minLength);
            return refuseField(edit, message);
        }
        return true;
    };
    auto write = [edit, slotNow](DigitSource& s) {
        const ToneSlot slot = slotNow();
        QString text = edit->text().toUpper();
        if (slot.padLeft && !slot.pad.isNull())
            text = text.rightJustified(slot.span, slot.pad);
        for (int i = 0; i < slot.span; ++i) {
            if (i < text.size())
                s.setCharacter(slot.reg, slot.first + i, text.at(i));
            else if (!slot.pad.isNull())
                s.setCharacter(slot.reg, slot.first + i, slot.pad);
        }
    };
    auto spans = [slotNow] {
        const ToneSlot slot = slotNow();
        return QList<DigitSpan>{{slot.reg, slot.first, slot.span}};
    };
    add({{edit}, edit, read, check, write, spans});
    return edit;
}

DecimalFractionEdit* Binder::fraction(const DigitSlot& slot, const DecimalFormat& format)
{
    auto* edit = new DecimalFractionEdit(format, m_owner);
    add({{edit},
         edit,
         [this, edit, slot] { edit->setSteps(slot.read(*m_source)); },
         [edit] { return edit->checkInput() && edit->parseSteps().has_value(); },
         [edit, slot](DigitSource& s) {
             if (const std::optional<int> steps = edit->steps())
                 slot.write(s, *steps);
         },
         spansOf(slot)});
    return edit;
}

IntegerEdit* Binder::number(QAnyStringView name, const DigitSlot& slot, int minimum, int maximum)
{
    return named(number(slot, minimum, maximum), name);
}

IntegerEdit* Binder::number(QAnyStringView name, const DigitSlot& slot)
{
    return named(number(slot), name);
}

QCheckBox* Binder::flag(QAnyStringView name, const QString& text, const DigitSlot& slot)
{
    return named(flag(text, slot), name);
}

QComboBox* Binder::choice(QAnyStringView name, const DigitSlot& slot, const QStringList& texts,
                          const ChoiceMap& map)
{
    return named(choice(slot, texts, map), name);
}

QComboBox* Binder::choice(QAnyStringView name, const DigitSlot& slot, const QStringList& texts)
{
    return named(choice(slot, texts), name);
}

CHexEdit* Binder::tones(QAnyStringView name, const ToneSlot& slot)
{
    return named(tones(slot), name);
}

CHexEdit* Binder::tones(QAnyStringView name, std::function<ToneSlot()> slot)
{
    return named(tones(std::move(slot)), name);
}

DecimalFractionEdit* Binder::fraction(QAnyStringView name, const DigitSlot& slot, const DecimalFormat& format)
{
    return named(fraction(slot, format), name);
}

VolumeSelector* Binder::volume(const DigitSlot& slot, const QString& namePrefix)
{
    auto* selector = new VolumeSelector(namePrefix, m_owner);
    add({{selector},
         selector,
         [this, selector, slot] { selector->setDigit(slot.read(*m_source)); },
         {},
         [selector, slot](DigitSource& s) { slot.write(s, selector->digit()); },
         spansOf(slot)});
    return selector;
}

Binder::Digits::Digits(const DigitSlot& slot) : m_spans(spansOf(slot)()) {}

void Binder::custom(const Digits& digits, const QList<QWidget*>& controls, std::function<bool()> check,
                    std::function<void(DigitSource&)> write, std::function<void()> read)
{
    const QList<DigitSpan> spans = digits.spans();
    add({controls, controls.value(0), std::move(read), std::move(check), std::move(write),
         [spans] { return spans; }});
}

void Binder::custom(std::function<Digits()> digits, const QList<QWidget*>& controls,
                    std::function<bool()> check, std::function<void(DigitSource&)> write,
                    std::function<void()> read)
{
    add({controls, controls.value(0), std::move(read), std::move(check), std::move(write),
         [digits] { return digits().spans(); }});
}

void Binder::rule(std::function<bool()> check)
{
    add({{}, nullptr, {}, std::move(check), {}, {}});
}

void Binder::enableWhile(std::initializer_list<QWidget*> widgets, std::function<bool()> condition)
{
    m_rules.append({QList<QWidget*>(widgets), std::move(condition), false});
    refreshRules();
}

void Binder::showWhile(std::initializer_list<QWidget*> widgets, std::function<bool()> condition)
{
    m_rules.append({QList<QWidget*>(widgets), std::move(condition), true});
    refreshRules();
}

void Binder::enableWhile(std::initializer_list<QWidget*> widgets, std::initializer_list<QObject*> watched,
                         std::function<bool()> condition)
{
    watch(watched);
    enableWhile(widgets, std::move(condition));
}

void Binder::showWhile(std::initializer_list<QWidget*> widgets, std::initializer_list<QObject*> watched,
                       std::function<bool()> condition)
{
    watch(watched);
    showWhile(widgets, std::move(condition));
}

void Binder::watch(std::initializer_list<QObject*> controls)
{
    for (QObject* c : controls) {
        if (auto* button = qobject_cast<QAbstractButton*>(c))
            connect(button, &QAbstractButton::toggled, this, &Binder::refreshRules, Qt::UniqueConnection);
        else if (auto* combo = qobject_cast<QComboBox*>(c))
            connect(combo, &QComboBox::currentIndexChanged, this, &Binder::refreshRules,
                    Qt::UniqueConnection);
        else if (auto* edit = qobject_cast<QLineEdit*>(c))
            connect(edit, &QLineEdit::textChanged, this, &Binder::refreshRules, Qt::UniqueConnection);
        else if (auto* group = qobject_cast<QButtonGroup*>(c))
            connect(group, &QButtonGroup::idToggled, this, &Binder::refreshRules, Qt::UniqueConnection);
        else
            qFatal("Binder::watch: a control without a change signal");
    }
}

void Binder::opened()
{
    for (const Binding& b : m_bindings) {
        if (b.opened)
            b.opened();
    }
}

void Binder::refreshRules()
{
    for (const Rule& r : m_rules) {
        const bool on = r.condition();
        for (QWidget* w : r.widgets) {
            if (r.show)
                w->setVisible(on);
            else
                w->setEnabled(on);
        }
    }
}

void Binder::reload(const QObject* control)
{
    for (const Binding& b : m_bindings) {
        if (b.key == control && b.read)
            b.read();
    }
}

std::function<QList<Binder::DigitSpan>()> Binder::spansOf(const DigitSlot& slot)
{
    const DigitSpan span{slot.reg, slot.first, slot.kind == DigitSlot::Kind::Weighted ? slot.count : 1};
    return [span] { return QList<DigitSpan>{span}; };
}

QList<Binder::Field> Binder::fields() const
{
    QList<Field> out;
    for (const Binding& b : m_bindings) {
        QList<DigitSpan> spans = b.spans ? b.spans() : QList<DigitSpan>();
        spans.removeIf([](const DigitSpan& s) { return s.count < 1; }); // a field that owns no digit now
        if (b.controls.isEmpty() || spans.isEmpty())
            continue;
        auto same =
            std::find_if(out.begin(), out.end(), [&b](const Field& f) { return f.controls == b.controls; });
        if (same == out.end()) {
            out.append({b.controls, spans, anyActive(b.controls)});
            continue;
        }
        for (const DigitSpan& s : spans) {
            if (!same->spans.contains(s))
                same->spans.append(s);
        }
    }
    return out;
}

bool Binder::check()
{
    for (const Binding& b : m_bindings) {
        if (b.check && anyActive(b.controls) && !b.check())
            return false;
    }
    return true;
}

void Binder::write()
{
    for (const Binding& b : m_bindings) {
        if (b.write && anyActive(b.controls))
            b.write(*m_source);
    }
}

bool Binder::commit()
{
    if (!check())
        return false;
    write();
    return true;
}

} // namespace quarn
