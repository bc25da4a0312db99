#pragma once

// Table rows for the settings dialogs: a dialog is opened from its tree item, and its named
// controls are set and compared with short scripts "name=value;name=value", in order:
//   line edit  the value is its text; "name+=keys" types the keys into the emptied field
//   combo box  the entry with that text; "" is no selection; "#n" the entry at position n (-1 none)
//   check box or radio button  "1" checked, "0" unchecked; "click" clicks it as a user does
//   push button  "click" clicks it
//   slider  its value
//   name.property  compares any property ("enabled", "maxLength", "text" of a label); an empty
//                  name is the dialog itself (".windowTitle")
// In a played script a step "name==value" compares instead of setting, and "answer=Yes" or
// "answer=No" answers the next question.
#include "config/editors/EditorCatalog.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QPushButton>

#include <functional>
#include <memory>

namespace editortest {

inline std::unique_ptr<QDialog> openItem(const QString& item, quarn::Register& image)
{
    std::unique_ptr<QDialog> dialog(quarn::createEditor(item, &image, nullptr));
    if (!dialog)
        qFatal("no dialog for %s", qPrintable(item));
    open(dialog.get());
    return dialog;
}

inline QList<std::pair<QString, QString>> steps(const QString& script)
{
    QList<std::pair<QString, QString>> out;
    for (const QString& step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        out.append({step.left(eq), step.mid(eq + 1)});
    }
    return out;
}

inline QWidget* control(QWidget* dialog, const QString& name)
{
    if (name.isEmpty())
        return dialog;
    auto* w = dialog->findChild<QWidget*>(name);
    if (!w)
        qFatal("no control named %s", qPrintable(name));
    return w;
}

// What the control (or "name.property") shows, in the form the script's value has.
inline QString actual(QWidget* dialog, const QString& name, const QString& value)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    QWidget* w = control(dialog, name.left(dot));
    if (dot >= 0) {
        const QVariant v = w->property(name.mid(dot + 1).toLatin1().constData());
        if (!v.isValid())
            qFatal("no property %s", qPrintable(name));
        return v.toString();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return value.startsWith(QLatin1Char('#')) ? QStringLiteral("#%1").arg(combo->currentIndex())
                                                  : combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* slider = qobject_cast<QAbstractSlider*>(w))
        return QString::number(slider->value());
    qFatal("cannot read control %s", qPrintable(name));
    return {};
}

inline void set(QWidget* dialog, const QString& name, const QString& value)
{
    if (name.endsWith(QLatin1Char('+'))) { // typed key by key into the emptied field
        auto* edit = qobject_cast<QLineEdit*>(control(dialog, name.chopped(1)));
        if (!edit)
            qFatal("cannot type into %s", qPrintable(name));
        edit->clear();
        QTest::keyClicks(edit, value);
        return;
    }
    QWidget* w = control(dialog, name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(value.startsWith(QLatin1Char('#')) ? value.mid(1).toInt()
                               : value.isEmpty()                  ? -1
                                                                  : combo->findText(value));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (value == QLatin1String("click"))
            button->click();
        else
            button->setChecked(value == QLatin1String("1"));
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
        slider->setValue(value.toInt());
    } else {
        qFatal("cannot set control %s", qPrintable(name));
    }
}

inline void apply(QWidget* dialog, const QString& script)
{
    for (const auto& [name, value] : steps(script))
        set(dialog, name, value);
}

// The first control whose state differs from the script, as "name: actual", or "".
inline QString mismatch(QWidget* dialog, const QString& script)
{
    for (const auto& [name, value] : steps(script)) {
        const QString shown = actual(dialog, name, value);
        if (shown != value)
            return name + QStringLiteral(": ") + shown;
    }
    return {};
}

// Sets and compares in order ("name==value" compares); the first difference as "name: actual", or "".
inline QString play(QWidget* dialog, const QString& script, platform::ScriptedUserDialogs& boxes)
{
    for (const auto& [name, value] : steps(script)) {
        if (name == QLatin1String("answer")) {
            boxes.setNextAnswer(value == QLatin1String("Yes") ? platform::Answer::Yes : platform::Answer::No);
        } else if (value.startsWith(QLatin1Char('='))) {
            const QString shown = actual(dialog, name, value.mid(1));
            if (shown != value.mid(1))
                return name + QStringLiteral(": ") + shown;
        } else {
            set(dialog, name, value);
        }
    }
    return {};
}

// "reg=text;reg/k=text": register reg becomes text, or its digits from k on do; "model=8k" the
// image is an 8k unit's.
inline void setRegisters(quarn::Register& image, const QString& script)
{
    for (const auto& [where, text] : steps(script)) {
        if (where == QLatin1String("model")) {
            image.model7k = text != QLatin1String("8k");
            continue;
        }
        const int reg = where.section(QLatin1Char('/'), 0, 0).toInt();
        const int first = where.section(QLatin1Char('/'), 1, 1).toInt();
        image.registerText(reg).replace(first, text.size(), text);
    }
}

// A field's own range or format check speaks as the program; a dialog's own check and a
// rejected decimal fraction speak as an error.
inline QString refusalCaption(const QString& message)
{
    for (const char* field : {"Geben Sie eine ganze Zahl", "Geben Sie nur Hex-Ziffern", "Geben Sie genau ",
                              "Geben Sie nicht mehr als"}) {
        if (message.startsWith(QLatin1String(field)))
            return QStringLiteral("Quarn7k8k");
    }
    return QStringLiteral("Fehler");
}

// A scripted row: on the factory image with the registers of image, the dialog opens; the
// script play (sets and compares) runs; "OK" is pressed. Then the messages "OK" shows are exactly
// message ("|" between two; "@name" after it: the focus is then on that control). Without a
// message the dialog has closed, exactly the registers of after changed, the image is marked, and
// the dialog opened again passes reopen. With one it stays open, nothing is written or marked,
// and "Abbrechen" writes nothing either; the message is an exclamation with refusalCaption().
inline void addScriptColumns()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("play");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("reopen");
}

inline void scriptRow(const char* name, const QString& dialog, const QString& image, const QString& play,
                      const QString& message, const QString& after, const QString& reopen = QString())
{
    QTest::newRow(name) << dialog << image << play << message << after << reopen;
}

// Opens a dialog by its name in a test's rows; the default takes the tree item of the image's tree.
using DialogOpener = std::function<QDialog*(const QString& name, quarn::Register& image)>;

inline void runScriptRow(bool telephone, const DialogOpener& opener = {})
{
    QFETCH(QString, dialog);
    QFETCH(QString, image);
    QFETCH(QString, play);
    QFETCH(QString, message);
    QFETCH(QString, after);
    QFETCH(QString, reopen);
    QString focus; // "message@name": the refusal leaves the focus on that control
    if (const qsizetype at = message.lastIndexOf(QLatin1Char('@')); at >= 0) {
        focus = message.mid(at + 1);
        message.truncate(at);
    }
    auto make = [&](quarn::Register& r) {
        std::unique_ptr<QDialog> d(
            opener ? opener(dialog, r)
                   : quarn::createEditor(dialog, &r, nullptr,
                                         telephone ? quarn::EditorTree::Telephone : quarn::EditorTree::Base));
        if (!d)
            qFatal("no dialog %s", qPrintable(dialog));
        open(d.get());
        return d;
    };
    platform::ScriptedUserDialogs boxes;
    quarn::Register r;
    loadFactoryImage(r, telephone);
    setRegisters(r, image);
    const QStringList before = snapshot(r);
    quarn::Register expected = r;
    setRegisters(expected, after);

    std::unique_ptr<QDialog> d = make(r);
    QCOMPARE(editortest::play(d.get(), play, boxes), QString());
    boxes.clear(); // a question on the way is not what "OK" shows
    click(d.get(), "okButton");
    QCOMPARE(boxes.texts().join(QLatin1Char('|')), message);
    if (!message.isEmpty()) {
        QCOMPARE(boxes.last().caption, refusalCaption(message));
        QCOMPARE(boxes.last().icon, platform::MessageIcon::Exclamation);
        QVERIFY(d->isVisible());
        if (!focus.isEmpty())
            QCOMPARE(d->focusWidget(), control(d.get(), focus));
        QCOMPARE(snapshot(r), before);
        QVERIFY(!r.modified);
        if (auto* cancel = d->findChild<QAbstractButton*>(QStringLiteral("cancelButton"))) {
            QTest::mouseClick(cancel, Qt::LeftButton);
            QCOMPARE(snapshot(r), before);
            QVERIFY(!r.modified);
        }
        return;
    }
    QVERIFY(!d->isVisible());
    QCOMPARE(snapshot(r), snapshot(expected));
    QVERIFY(r.modified);
    if (!reopen.isEmpty()) {
        d = make(r);
        QCOMPARE(mismatch(d.get(), reopen), QString());
    }
}

} // namespace editortest
