#include <QtTest>

#include "config/fleet/FleetLog.h"
#include "config/fleet/FleetPlan.h"
#include "config/fleet/UnitsTable.h"
#include "config/report/SettingsReport.h"
#include "tests/support/EditorTestSupport.h"

using namespace quarn::fleet;

namespace {

// Rows as "line:cell|cell" joined by " / ", problems as "line:column" joined by blanks.
QString rowsText(const UnitsTable& t)
{
    QStringList out;
    for (const UnitsTable::Row& r : t.rows)
        out << QString::number(r.line) + QLatin1Char(':') + r.cells.join(QLatin1Char('|'));
    return out.join(QStringLiteral(" / "));
}

QString problemsText(const QList<TableProblem>& problems)
{
    QStringList out;
    for (const TableProblem& p : problems)
        out << QStringLiteral("%1:%2").arg(p.line).arg(p.column);
    return out.join(QLatin1Char(' '));
}

const QString kPause = QStringLiteral("Tonrufsystem › Rufgeber › Länge einer Pause (ms)");
const QString kPin = QStringLiteral("Konfiguration Ein-/Ausgänge › Ein-/Ausgang 1");

QString reportValue(quarn::Register& image, const QString& name)
{
    for (const quarn::ReportLine& l : quarn::SettingsReport::build(image)) {
        if (l.item + QStringLiteral(" › ") + l.field == name)
            return l.value;
    }
    return QStringLiteral("(no such line)");
}

} // namespace

class TestFleet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("headers");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("problems");

        QTest::newRow("semicolons") << QByteArray("Gerät;A;B\nF1;1;2\nF2;3;4\n") << "Gerät|A|B"
                                    << "2:F1|1|2 / 3:F2|3|4"
                                    << "";
        QTest::newRow("commas, CRLF, BOM")
            << QByteArray("\xEF\xBB\xBFGer\xC3\xA4t,A\r\nF1,1\r\n") << "Gerät|A"
            << "2:F1|1"
            << "";
        // A header with both takes ";": a setting's name may hold a comma.
        QTest::newRow("semicolon wins") << QByteArray("Gerät;A, B\nF1;x,y\n") << "Gerät|A, B"
                                        << "2:F1|x,y"
                                        << "";
        QTest::newRow("quotes") << QByteArray("n;v\n\"F;1\";\"say \"\"hi\"\"\"\n") << "n|v"
                                << "2:F;1|say \"hi\""
                                << "";
        QTest::newRow("line break in quotes") << QByteArray("n;v\n\"a\nb\";1\nF2;2\n") << "n|v"
                                              << "2:a\nb|1 / 4:F2|2"
                                              << "";
        QTest::newRow("blank lines, short row") << QByteArray("n;v;w\n\nF1;1\n\n") << "n|v|w"
                                                << "3:F1|1|"
                                                << "";
        QTest::newRow("blanks trimmed") << QByteArray("n ; v \n F1 ; 1 \n") << "n|v"
                                        << "2:F1|1"
                                        << "";
        QTest::newRow("too many cells") << QByteArray("n;v\nF1;1;2\n") << "n|v"
                                        << "2:F1|1|2"
                                        << "2:3";
        QTest::newRow("open quote") << QByteArray("n;v\nF1;\"1\n") << "n|v"
                                    << "2:F1|1\n"
                                    << "2:0";
        QTest::newRow("not UTF-8") << QByteArray("Ger\xE4t;A\n") << ""
                                   << ""
                                   << "0:0";
        QTest::newRow("empty") << QByteArray("") << ""
                               << ""
                               << "1:0";
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, headers);
        QFETCH(QString, rows);
        QFETCH(QString, problems);
        QList<TableProblem> found;
        const UnitsTable t = UnitsTable::parse(bytes, found);
        QCOMPARE(t.headers.join(QLatin1Char('|')), headers);
        QCOMPARE(rowsText(t), rows);
        QCOMPARE(problemsText(found), problems);
    }

    // Each row against the factory template: the problems it has (by line and column), or
    // what the report shows afterwards for the setting of its second column.
    void check_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("problems");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("shown");

        const QString pause = QStringLiteral("Gerät;") + kPause + QLatin1Char('\n');
        const QString pin = QStringLiteral("Gerät;") + kPin + QLatin1Char('\n');
        QTest::newRow("number") << pause + "F1;120\n"
                                << "" << kPause << "120";
        QTest::newRow("number refused by its dialog") << pause + "F1;99999\n"
                                                      << "2:2"
                                                      << ""
                                                      << "";
        QTest::newRow("not a number") << pause + "F1;viel\n"
                                      << "2:2"
                                      << ""
                                      << "";
        const QString tones = QStringLiteral("Tonrufsystem › Rufgeber › Rufzusammensetzung › Tonfolge");
        QTest::newRow("tones") << "Gerät;" + tones + "\nF1;54321\n"
                               << "" << tones << "54321";
        QTest::newRow("tones refused") << "Gerät;" + tones + "\nF1;54G21\n"
                                       << "2:2"
                                       << ""
                                       << "";
        QTest::newRow("list entry") << pin + "F1;Ausgang\n"
                                    << "" << kPin << "Ausgang";
        QTest::newRow("list entry, any case") << pin + "F1;ausgang\n"
                                              << "" << kPin << "Ausgang";
        QTest::newRow("not in the list") << pin + "F1;Eingang links\n"
                                         << "2:2"
                                         << ""
                                         << "";
        QTest::newRow("empty cell keeps the template") << pin + "F1;\n"
                                                       << "" << kPin << "keine Funktion";
        QTest::newRow("\">\" for \"›\"") << "Gerät;Konfiguration Ein-/Ausgänge > Ein-/Ausgang 1\nF1;Ausgang\n"
                                         << "" << kPin << "Ausgang";
        QTest::newRow("unknown setting") << "Gerät;Tonrufsystem › Gibt es nicht\nF1;1\n"
                                         << "1:2"
                                         << ""
                                         << "";
        QTest::newRow("register digits") << "Gerät;R097/0-6\nF1;abcdef1\n"
                                         << ""
                                         << "R097"
                                         << "ABCDEF1";
        QTest::newRow("register digits, too few") << "Gerät;R097/0-6\nF1;ABC\n"
                                                  << "2:2"
                                                  << ""
                                                  << "";
        QTest::newRow("register digits, not hex") << "Gerät;R097/2\nF1;G\n"
                                                  << "2:2"
                                                  << ""
                                                  << "";
        QTest::newRow("no such register") << "Gerät;R250/0\nF1;1\n"
                                          << "1:2"
                                          << ""
                                          << "";
        QTest::newRow("no such digit") << "Gerät;R097/5-9\nF1;1\n"
                                       << "1:2"
                                       << ""
                                       << "";
        QTest::newRow("same header twice") << "Gerät;R097/0;R097/0\nF1;1;2\n"
                                           << "1:3"
                                           << ""
                                           << "";
        QTest::newRow("unit without a name") << "Gerät;R097/0\n;1\n"
                                             << "2:1"
                                             << ""
                                             << "";
        QTest::newRow("unit named twice") << "Gerät;R097/0\nF1;1\nF1;2\n"
                                          << "3:1"
                                          << ""
                                          << "";
        QTest::newRow("no unit") << "Gerät;R097/0\n"
                                 << "1:0"
                                 << ""
                                 << "";
        QTest::newRow("every problem of a row")
            << QStringLiteral("Gerät;%1;%2;R097/0\nF1;99999;Eingang links;XY\n").arg(kPause, kPin)
            << "2:2 2:3 2:4"
            << ""
            << "";
    }

    void check()
    {
        QFETCH(QString, table);
        QFETCH(QString, problems);
        QFETCH(QString, setting);
        QFETCH(QString, shown);
        quarn::Register templ;
        editortest::loadFactoryImage(templ);
        QList<TableProblem> parseProblems;
        const FleetPlan plan = FleetPlan::check(templ, UnitsTable::parse(table.toUtf8(), parseProblems));
        QVERIFY(parseProblems.isEmpty());
        QStringList texts;
        for (const TableProblem& p : plan.problems)
            texts << FleetPlan::text(p);
        QVERIFY2(problemsText(plan.problems) == problems, qPrintable(texts.join(QLatin1Char('\n'))));
        if (!problems.isEmpty()) {
            QVERIFY(plan.units.isEmpty());
            for (const QString& t : texts)
                QVERIFY2(t.startsWith(QStringLiteral("Zeile ")) || !t.isEmpty(), qPrintable(t));
            return;
        }
        QCOMPARE(plan.units.size(), 1);
        quarn::Register image = plan.units.first().image;
        if (setting.startsWith(QLatin1Char('R')))
            QCOMPARE(image.registerText(setting.mid(1).toInt()).left(shown.size()), shown);
        else
            QCOMPARE(reportValue(image, setting), shown);
    }

    // The log: the rows it shows as done, whatever failed before or after.
    void logResumes()
    {
        QTemporaryDir dir;
        const FleetLog log(FleetLog::defaultPath(dir.filePath(QStringLiteral("units.csv"))));
        QCOMPARE(log.path(), dir.filePath(QStringLiteral("units.log.csv")));
        QVERIFY(log.doneRows().isEmpty());
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(log.append({now, QStringLiteral("/dev/ttyUSB0"), 2, QStringLiteral("Quarn 8k"),
                            QStringLiteral("V3.20"), QStringLiteral("ok"), QString(64, QLatin1Char('a'))}));
        QVERIFY(log.append({now,
                            QStringLiteral("/dev/ttyUSB1"),
                            3,
                            {},
                            {},
                            QStringLiteral("Die Übertragung wurde abgebrochen; \"Kabel\""),
                            {}}));
        QVERIFY(log.append({now, QStringLiteral("/dev/ttyUSB1"), 4, {}, {}, QStringLiteral("failed"), {}}));
        QVERIFY(log.append({now,
                            QStringLiteral("/dev/ttyUSB1"),
                            4,
                            QStringLiteral("Quarn 8k"),
                            {},
                            QStringLiteral("ok"),
                            QString(64, QLatin1Char('b'))}));
        QCOMPARE(log.doneRows(), (QSet<int>{2, 4}));
        const FleetLog nowhere(dir.filePath(QStringLiteral("no/such/dir/log.csv")));
        QVERIFY(!nowhere.writable());
        QVERIFY(!nowhere.append({now, {}, 2, {}, {}, {}, {}}));
    }
};

QTEST_MAIN(TestFleet)
#include "tst_fleet.moc"
