#include "config/editors/frame/CHexEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <memory>

using quarn::CHexEdit;

class TestCHexEdit : public QObject {
    Q_OBJECT

private:
    static QStringList menuTexts(QMenu* menu)
    {
        QStringList out;
        for (QAction* a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    static QAction* action(QMenu* menu, const QString& text)
    {
        for (QAction* a : menu->actions()) {
            if (a->text() == text)
                return a;
        }
        qFatal("no menu item");
    }

private slots:
    void typingFilter()
    {
        CHexEdit edit;
        QTest::keyClicks(&edit, "g");
        QCOMPARE(edit.text(), QString());
        QTest::keyClicks(&edit, "b");
        QCOMPARE(edit.text(), QStringLiteral("B"));
        QTest::keyClicks(&edit, "a1F-z ");
        QCOMPARE(edit.text(), QStringLiteral("BA1F"));
        // "x" only as the second character after a leading "0".
        QTest::keyClicks(&edit, "x");
        QCOMPARE(edit.text(), QStringLiteral("BA1F"));
        edit.clear();
        QTest::keyClicks(&edit, "0Xff");
        QCOMPARE(edit.text(), QStringLiteral("0xFF"));
        QVERIFY(edit.hexMode());
        edit.clear();
        QTest::keyClicks(&edit, "10x");
        QCOMPARE(edit.text(), QStringLiteral("10"));
        QVERIFY(!edit.hexMode());
    }

    void typingRespectsTheLengthLimit()
    {
        CHexEdit edit;
        edit.setMaxLength(3);
        QTest::keyClicks(&edit, "abcd");
        QCOMPARE(edit.text(), QStringLiteral("ABC"));
    }

    void prefixIsProtected()
    {
        CHexEdit edit;
        edit.setText(QStringLiteral("0xFF"));
        edit.setCursorPosition(2);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("0xFF"));
        edit.setCursorPosition(1);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("0xFF"));
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("0xFF"));
        edit.selectAll();
        QTest::keyClicks(&edit, "1"); // typing over the prefix would remove it
        QCOMPARE(edit.text(), QStringLiteral("0xFF"));
        edit.setSelection(1, 2);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("0xFF"));
        // Behind the prefix everything edits normally.
        edit.setCursorPosition(4);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("0xF"));
        edit.setSelection(2, 1);
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("0x"));
        // Without the prefix a "0" can go.
        edit.setText(QStringLiteral("05"));
        edit.setCursorPosition(1);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("5"));
    }

    void pasteOnlyHexText()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        CHexEdit edit;
        clipboard->setText(QStringLiteral("12 g"));
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QString());
        clipboard->setText(QStringLiteral("0Xab"));
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("0xAB"));
        QCOMPARE(clipboard->text(), QStringLiteral("0xAB"));
    }

    void contextMenuItemsInOrder()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("zz"));
        CHexEdit edit;
        std::unique_ptr<QMenu> menu(edit.createHexContextMenu());
        QCOMPARE(menuTexts(menu.get()), QStringList({"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-",
                                                     "Select &All", "-", "Con&vert"}));
        // Empty field, nothing to undo, clipboard text that fails the check: all grayed.
        for (QAction* a : menu->actions())
            QVERIFY2(a->isSeparator() || !a->isEnabled(), qPrintable(a->text()));
    }

    void contextMenuGrayedStates()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("1f"));
        CHexEdit edit;
        QTest::keyClicks(&edit, "0x12");
        edit.selectAll();
        {
            std::unique_ptr<QMenu> menu(edit.createHexContextMenu());
            QVERIFY(action(menu.get(), "&Undo")->isEnabled());
            QVERIFY(action(menu.get(), "&Copy")->isEnabled());
            QVERIFY(!action(menu.get(), "Cu&t")->isEnabled());    // would break "0x"
            QVERIFY(!action(menu.get(), "&Delete")->isEnabled()); // would break "0x"
            QVERIFY(action(menu.get(), "&Paste")->isEnabled());
            QVERIFY(!action(menu.get(), "Select &All")->isEnabled()); // already all selected
            QVERIFY(action(menu.get(), "Con&vert")->isEnabled());
        }
        edit.setSelection(2, 2);
        {
            std::unique_ptr<QMenu> menu(edit.createHexContextMenu());
            QVERIFY(action(menu.get(), "Cu&t")->isEnabled());
            QVERIFY(action(menu.get(), "&Delete")->isEnabled());
            QVERIFY(action(menu.get(), "Select &All")->isEnabled());
        }
        edit.setReadOnly(true);
        {
            std::unique_ptr<QMenu> menu(edit.createHexContextMenu());
            QVERIFY(!action(menu.get(), "&Undo")->isEnabled());
            QVERIFY(!action(menu.get(), "Cu&t")->isEnabled());
            QVERIFY(!action(menu.get(), "&Paste")->isEnabled());
            QVERIFY(action(menu.get(), "&Copy")->isEnabled());
        }
        edit.setReadOnly(false);
        edit.setText(QStringLiteral("0x"));
        std::unique_ptr<QMenu> menu(edit.createHexContextMenu());
        QVERIFY(!action(menu.get(), "Con&vert")->isEnabled());
    }

    void menuCommandsNormaliseTheClipboard()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        CHexEdit edit;
        QTest::keyClicks(&edit, "12");
        clipboard->setText(QStringLiteral("0Xab"));
        std::unique_ptr<QMenu> menu(edit.createHexContextMenu());
        action(menu.get(), "&Undo")->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("0xAB"));
        menu.reset(edit.createHexContextMenu());
        action(menu.get(), "&Paste")->trigger();
        QVERIFY(edit.text().endsWith(QStringLiteral("0xAB")));
    }

    void convertBothWays()
    {
        CHexEdit edit;
        QTest::keyClicks(&edit, "255");
        std::unique_ptr<QMenu> menu(edit.createHexContextMenu());
        action(menu.get(), "Con&vert")->trigger();
        QCOMPARE(edit.text(), QStringLiteral("0xFF"));
        edit.clear();
        QTest::keyClicks(&edit, "0x");
        QTest::keyClicks(&edit, "ff");
        edit.convert();
        QCOMPARE(edit.text(), QStringLiteral("255"));
        // Hex mode also without the prefix when a letter A-F is present.
        edit.setText(QStringLiteral("1A"));
        edit.convert();
        QCOMPARE(edit.text(), QStringLiteral("26"));
        edit.setText(QStringLiteral("99999999999"));
        edit.convert();
        QCOMPARE(edit.text(), QStringLiteral("0xFFFFFFFF"));
    }
};

QTEST_MAIN(TestCHexEdit)
#include "tst_chexedit.moc"
