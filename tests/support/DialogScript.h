#pragma once

// Table rows for the settings dialogs: a dialog is opened from its tree item, and its named
// controls are set and compared with short scripts "name=value;name=value", in order:
//   line edit  the value is its text
//   combo box  the entry with that text; "" is no selection
//   check box or radio button  "1" checked, "0" unchecked
#include "config/editors/EditorCatalog.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

#include <QComboBox>
#include <QPushButton>

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
    auto* w = dialog->findChild<QWidget*>(name);
    if (!w)
        qFatal("no control named %s", qPrintable(name));
    return w;
}

inline void apply(QWidget* dialog, const QString& script)
{
    for (const auto& [name, value] : steps(script)) {
        QWidget* w = control(dialog, name);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setText(value);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setCurrentIndex(value.isEmpty() ? -1 : combo->findText(value));
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setChecked(value == QLatin1String("1"));
    }
}

// The first control whose state differs from the script, as "name: actual", or "".
inline QString mismatch(QWidget* dialog, const QString& script)
{
    for (const auto& [name, value] : steps(script)) {
        QWidget* w = control(dialog, name);
        QString actual;
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            actual = edit->text();
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            actual = combo->currentText();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            actual = button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        if (actual != value)
            return name + QStringLiteral(": ") + actual;
    }
    return {};
}

// The name of the last control a script sets.
inline QString lastControl(const QString& script)
{
    const auto all = steps(script);
    return all.isEmpty() ? QString() : all.last().first;
}

// A confirmed row: register reg holds before on the factory image; the dialog opens showing
// atOpen, takes edits and "OK"; then reg holds after, no other register changed, and the
// dialog opens again showing reopen.
inline void addConfirmedColumns()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("reg");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("atOpen");
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("reopen");
}

inline void runConfirmedRow()
{
    QFETCH(QString, item);
    QFETCH(int, reg);
    QFETCH(QString, before);
    QFETCH(QString, atOpen);
    QFETCH(QString, edits);
    QFETCH(QString, after);
    QFETCH(QString, reopen);
    platform::ScriptedUserDialogs boxes;
    quarn::Register image;
    loadFactoryImage(image);
    image.registerText(reg) = before;
    quarn::Register expected = image;
    expected.registerText(reg) = after;

    std::unique_ptr<QDialog> dialog = openItem(item, image);
    QCOMPARE(mismatch(dialog.get(), atOpen), QString());
    apply(dialog.get(), edits);
    click(dialog.get(), "okButton");
    QCOMPARE(boxes.texts(), QStringList());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(snapshot(image), snapshot(expected));
    QVERIFY(image.modified);

    dialog = openItem(item, image);
    QCOMPARE(mismatch(dialog.get(), reopen), QString());
}

// A refused row: with register reg holding before, the edits and "OK" give exactly message;
// the dialog stays open with the focus on the last edited control, and nothing is written.
inline void addRefusedColumns()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("reg");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("message");
}

inline void runRefusedRow()
{
    QFETCH(QString, item);
    QFETCH(int, reg);
    QFETCH(QString, before);
    QFETCH(QString, edits);
    QFETCH(QString, message);
    platform::ScriptedUserDialogs boxes;
    quarn::Register image;
    loadFactoryImage(image);
    image.registerText(reg) = before;
    const QStringList unchanged = snapshot(image);

    std::unique_ptr<QDialog> dialog = openItem(item, image);
    apply(dialog.get(), edits);
    click(dialog.get(), "okButton");
    QCOMPARE(boxes.texts(), QStringList({message}));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->focusWidget(), control(dialog.get(), lastControl(edits)));
    QCOMPARE(snapshot(image), unchanged);
    QVERIFY(!image.modified);
}

} // namespace editortest
