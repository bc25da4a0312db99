#include <QtTest>

#include "config/app/FleetDialog.h"
#include "config/register/SettingsFile.h"
#include "platform/UserDialogs.h"
#include "sim/PtyServer.h"
#include "tests/support/EditorTestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

// The fleet dialog on two simulated units behind real pseudo-terminals: a refused table is
// said in one box and starts nothing; a sound one shows its rows waiting, then done, each unit
// holding its row, and the log below.

namespace {

QString state(const QTableWidget* rows, int row)
{
    return rows->item(row, 3)->text();
}

} // namespace

class TestFleetDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusedTableThenTwoUnits()
    {
        QTemporaryDir dir;
        quarn::Register templ;
        editortest::loadFactoryImage(templ);
        const QString templPath = dir.filePath(QStringLiteral("vorlage.rq7k8k"));
        QVERIFY(quarn::saveSettingsFile(templ, templPath) == quarn::SaveOutcome::Saved);
        const QString table = dir.filePath(QStringLiteral("units.csv"));
        auto writeTable = [&](const QByteArray& rows) {
            QFile f(table);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("Gerät;R097/0-3\n" + rows);
        };

        // Units without the telephone interface: their transfers are the shortest.
        sim::UnitOptions options;
        options.telephone = false;
        sim::PtyServer first(options), second(options);
        QVERIFY(first.start() && second.start());
        platform::ScriptedUserDialogs boxes;
        quarn::FleetDialog dialog(first.devicePath() + QLatin1Char(' ') + second.devicePath());
        dialog.findChild<QLineEdit*>(QStringLiteral("templateEdit"))->setText(templPath);
        dialog.findChild<QLineEdit*>(QStringLiteral("tableEdit"))->setText(table);
        auto* rows = dialog.findChild<QTableWidget*>(QStringLiteral("rowsTable"));

        writeTable("A;12\nB;1234\n");
        QVERIFY(!dialog.check());
        QCOMPARE(boxes.messages().size(), 1);
        QVERIFY2(boxes.last().text.contains(QStringLiteral("Zeile 2, Spalte 2 „R097/0-3“")),
                 qPrintable(boxes.last().text));
        QCOMPARE(rows->rowCount(), 0);

        writeTable("A;1111\nB;2222\n");
        QVERIFY(dialog.check());
        QCOMPARE(rows->rowCount(), 2);
        QCOMPARE(state(rows, 0), QStringLiteral("wartet"));
        dialog.start();
        QVERIFY(dialog.running());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 60000);
        QCOMPARE(state(rows, 0), QStringLiteral("fertig"));
        QCOMPARE(state(rows, 1), QStringLiteral("fertig"));
        QCOMPARE(first.unit().registerText(97).left(4), QStringLiteral("1111"));
        QCOMPARE(second.unit().registerText(97).left(4), QStringLiteral("2222"));
        QVERIFY(dialog.findChild<QPlainTextEdit*>(QStringLiteral("logView"))
                    ->toPlainText()
                    .count(QStringLiteral(";ok;")) == 2);
        QCOMPARE(boxes.messages().size(), 1); // no question: each port had one unit
    }
};

QTEST_MAIN(TestFleetDialog)
#include "tst_fleetdialog.moc"
