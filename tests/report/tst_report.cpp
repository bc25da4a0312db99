// The settings report read from the dialogs: one line per binding, each line following its
// digits and nothing else, the difference of two images by setting name, and the PDF.
#include "config/editors/EditorCatalog.h"
#include "config/editors/TreeItems.h"
#include "config/editors/frame/SettingsDialog.h"
#include "config/register/SettingsFile.h"
#include "config/report/ReportDocument.h"
#include "config/report/SettingsDiff.h"
#include "config/report/SettingsReport.h"
#include "tests/support/EditorTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace editortest;
using quarn::Binder;
using quarn::Register;
using quarn::ReportLine;

namespace {

QString key(const QList<Binder::DigitSpan>& spans)
{
    QStringList parts;
    for (const Binder::DigitSpan& s : spans)
        parts << QStringLiteral("%1/%2/%3").arg(s.reg).arg(s.first).arg(s.count);
    return parts.join(QLatin1Char(','));
}

// Bindings of a dialog and its nested dialogs, counted by their digits.
void countBindings(quarn::SettingsDialog& dialog, QHash<QString, int>& count)
{
    const QList<quarn::SettingsDialog::Page> pages = dialog.pages();
    for (const quarn::SettingsDialog::Page& p : pages)
        ++count[key(p.spans)];
    for (const Binder::Field& f : pages.isEmpty() ? dialog.bind().fields() : QList<Binder::Field>())
        ++count[key(f.spans)];
    for (const quarn::SettingsDialog::Nested& n : dialog.nestedDialogs()) {
        std::unique_ptr<quarn::SettingsDialog> owned(n.dialog);
        countBindings(*owned, count);
    }
}

bool covers(const ReportLine& line, int reg, int k)
{
    for (const Binder::DigitSpan& s : line.spans) {
        if (s.reg == reg && k >= s.first && k < s.first + s.count)
            return true;
    }
    return false;
}

// Digits that a dialog reads to lay itself out although another dialog edits them: the X-tone
// count sets the decoders' sequence lengths, the keys' ID modes the call encoder's.
bool readElsewhere(int reg, int k)
{
    return (reg == 81 && k == 5) || ((reg == 172 || reg == 174) && k == 3);
}

// What changes together: an item's lines, or one line of an item whose lines each show a
// register of their own (a key, an input, a level), so that such lines are tried side by side.
QString unitOf(const ReportLine& line, const QSet<QString>& perRegisterItems)
{
    return perRegisterItems.contains(line.item) ? line.item + QStringLiteral(" › ") + line.field : line.item;
}

QSet<QString> perRegisterItems(const QList<ReportLine>& lines)
{
    QHash<QString, QSet<int>> registers;
    QSet<QString> out, shared;
    for (const ReportLine& l : lines) {
        QSet<int> own;
        for (const Binder::DigitSpan& s : l.spans)
            own.insert(s.reg);
        if (own.size() != 1 || registers[l.item].intersects(own))
            shared.insert(l.item);
        registers[l.item].unite(own);
        out.insert(l.item);
    }
    return out.subtract(shared);
}

// Each unit's lines as they read, in order.
QHash<QString, QStringList> byUnit(const QList<ReportLine>& lines, const QSet<QString>& perRegister)
{
    QHash<QString, QStringList> out;
    for (const ReportLine& l : lines)
        out[unitOf(l, perRegister)] << l.field + QLatin1Char('=') + l.value +
                                           (l.active ? QString() : QStringLiteral(" (off)"));
    return out;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void oneLinePerBinding_data()
    {
        QTest::addColumn<int>("seed"); // 0: the factory image
        for (int seed = 0; seed < 4; ++seed)
            QTest::addRow("%d", seed) << seed;
    }
    void oneLinePerBinding()
    {
        QFETCH(int, seed);
        Register image;
        loadFactoryImage(image, true);
        if (seed > 0) {
            QRandomGenerator random(static_cast<quint32>(seed));
            loadRandomImage(image, random);
        }
        const QStringList before = [&] {
            QStringList out;
            for (int n : Register::numbers(true))
                out << image.registerText(n);
            return out;
        }();
        const QList<ReportLine> lines = quarn::SettingsReport::build(image);

        QHash<QString, int> expected;
        for (quarn::EditorTree tree : {quarn::EditorTree::Base, quarn::EditorTree::Telephone}) {
            for (const quarn::TreeItem& it : quarn::treeItems(tree)) {
                std::unique_ptr<QDialog> d(
                    quarn::createEditor(QString::fromUtf8(it.text), &image, nullptr, tree));
                if (auto* s = dynamic_cast<quarn::SettingsDialog*>(d.get()))
                    countBindings(*s, expected);
            }
        }
        QHash<QString, int> reported;
        for (const ReportLine& l : lines) {
            QVERIFY(!l.spans.isEmpty());
            QVERIFY2(!l.field.isEmpty(), qPrintable(l.item));
            ++reported[key(l.spans)];
        }
        QCOMPARE(reported, expected);
        QVERIFY(lines.size() > 100);
        // Building the report writes nothing.
        QStringList after;
        for (int n : Register::numbers(true))
            after << image.registerText(n);
        QCOMPARE(after, before);
        QVERIFY(!image.modified);
    }

    // Changing one bound digit changes what the dialogs that show it report, and nothing else.
    // Digits that show in different units are changed together (each report is dearly bought):
    // a change is told apart by the unit it shows in.
    void aDigitChangesItsLine()
    {
        Register image;
        loadFactoryImage(image);
        const QList<ReportLine> lines = quarn::SettingsReport::build(image);
        const QSet<QString> perRegister = perRegisterItems(lines);
        const QHash<QString, QStringList> before = byUnit(lines, perRegister);
        struct Tried {
            int reg, k;
            QSet<QString> binders;
            bool ownChanged = false;
        };
        QList<Tried> tried;
        for (const ReportLine& line : lines) {
            const Binder::DigitSpan s = line.spans.first();
            if (std::any_of(tried.cbegin(), tried.cend(),
                            [&s](const Tried& t) { return t.reg == s.reg && t.k == s.first; }))
                continue;
            Tried t{s.reg, s.first, {}};
            for (const ReportLine& l : lines) {
                if (covers(l, s.reg, s.first))
                    t.binders.insert(unitOf(l, perRegister));
            }
            tried << t;
        }
        // Batches of digits no two of which show in the same dialog; a digit read elsewhere alone.
        QList<QList<int>> batches;
        QList<QSet<QString>> used;
        for (int i = 0; i < tried.size(); ++i) {
            const bool alone = readElsewhere(tried.at(i).reg, tried.at(i).k);
            int b = 0;
            while (b < batches.size() &&
                   (alone ||
                    readElsewhere(tried.at(batches.at(b).first()).reg, tried.at(batches.at(b).first()).k) ||
                    used.at(b).intersects(tried.at(i).binders)))
                ++b;
            if (b == batches.size()) {
                batches.append(QList<int>());
                used.append(QSet<QString>());
            }
            batches[b] << i;
            used[b].unite(tried.at(i).binders);
        }
        for (int b = 0; b < batches.size(); ++b) {
            for (int flip : {0x1, 0x6, 0x8}) { // between them every bit flips, one alone
                Register changed = image;
                for (int i : batches.at(b))
                    changed.setDigit(tried.at(i).reg, tried.at(i).k,
                                     image.digit(tried.at(i).reg, tried.at(i).k) ^ flip);
                const QHash<QString, QStringList> now =
                    byUnit(quarn::SettingsReport::build(changed), perRegister);
                QCOMPARE(now.keys().size(), before.keys().size());
                for (auto it = before.cbegin(); it != before.cend(); ++it) {
                    if (now.value(it.key()) == it.value())
                        continue;
                    bool own = false;
                    for (int i : batches.at(b)) {
                        if (tried.at(i).binders.contains(it.key())) {
                            tried[i].ownChanged = own = true;
                        }
                    }
                    const Tried& first = tried.at(batches.at(b).first());
                    if (!own && !readElsewhere(first.reg, first.k)) {
                        QStringList digits;
                        for (int i : batches.at(b))
                            digits << QStringLiteral("%1/%2").arg(tried.at(i).reg).arg(tried.at(i).k);
                        QFAIL(qPrintable(digits.join(QLatin1Char(' ')) + QStringLiteral(" changed ") +
                                         it.key()));
                    }
                }
            }
        }
        for (const Tried& t : tried)
            QVERIFY2(t.ownChanged, qPrintable(QStringLiteral("%1/%2").arg(t.reg).arg(t.k)));
        QVERIFY(tried.size() > 50);
    }

    // What a technician reads: every key press (both modes), input edge and LED in words, and no
    // line named by an identifier.
    void keysInputsAndLedsInWords()
    {
        Register image;
        loadFactoryImage(image, true);
        image.registerText(130) = QStringLiteral("22300000"); // "0" short: a target call
        image.registerText(131) = QStringLiteral("D1234567"); // "0" long: a code no editor knows
        const QList<ReportLine> lines = quarn::SettingsReport::build(image);
        static const QRegularExpression identifier(QStringLiteral("^[a-z][A-Za-z0-9]*$"));
        QHash<QString, int> perItem;
        QSet<QString> labels;
        QStringList named, twice;
        for (const ReportLine& l : lines) {
            ++perItem[l.item.section(QStringLiteral(" › "), -1)];
            const QString name = l.item + QStringLiteral(" › ") + l.field;
            if (identifier.match(l.field).hasMatch())
                named << name;
            if (labels.contains(name))
                twice << name; // two lines of one dialog a reader cannot tell apart
            labels.insert(name);
            // The parts of a key's, an input's or an LED's function read "label: value" too.
            static const QRegularExpression part(QStringLiteral("(?:– |, )([^,:–]*): "));
            for (auto m = part.globalMatch(l.value); m.hasNext();) {
                const QString label = m.next().captured(1).trimmed();
                if (label.isEmpty() || identifier.match(label).hasMatch())
                    named << name + QStringLiteral(" › ") + label;
            }
        }
        QCOMPARE(named.join(QLatin1Char('|')), QString());
        QCOMPARE(twice, QStringList());
        QCOMPARE(perItem.value(QStringLiteral("Tasten")), 50);
        QCOMPARE(perItem.value(QStringLiteral("Tastenprogrammierung (im Telefon-Mode)")), 50);
        QCOMPARE(perItem.value(QStringLiteral("Eingänge")), 22);
        QCOMPARE(perItem.value(QStringLiteral("LEDs")), 4);
        auto valueOf = [&lines](const QString& field) {
            for (const ReportLine& l : lines) {
                if (l.field == field)
                    return l.value;
            }
            return QString();
        };
        QVERIFY2(valueOf(QStringLiteral("0 kurz")).startsWith(QStringLiteral("Ruf senden – ")),
                 qPrintable(valueOf(QStringLiteral("0 kurz"))));
        QCOMPARE(valueOf(QStringLiteral("0 lang")), QStringLiteral("D1234567"));
        QCOMPARE(valueOf(QStringLiteral("F1 kurz")), QStringLiteral("keine Funktion"));
    }

    void differenceBySettingName()
    {
        Register a;
        loadFactoryImage(a);
        Register b = a;
        b.registerText(82)[4] =
            QLatin1Char(a.registerText(82).at(4) == QLatin1Char('5') ? '6' : '5'); // pause
        b.setDigit(95, 0, 1);                                                      // pin 1: output
        b.setDigit(22, 7, 1);                                                      // decoder 3 active
        b.registerText(97) = QStringLiteral("12345678"); // the master password: no dialog shows it
        const QStringList lines = quarn::SettingsDiff::lines(a, b);
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines.at(0).startsWith(QStringLiteral("Tonrufsystem › Rufgeber › Länge einer Pause (ms): ")),
                 qPrintable(lines.at(0)));
        QVERIFY(lines.filter(QStringLiteral("Decoder 3 › Decoder ist aktiv: nein → ja")).size() == 1);
        QVERIFY(lines
                    .filter(QStringLiteral(
                        "Konfiguration Ein-/Ausgänge › Ein-/Ausgang 1: keine Funktion → Ausgang"))
                    .size() == 1);
        QCOMPARE(lines.last(), QStringLiteral("097: %1 → 12345678").arg(a.registerText(97)));
        QVERIFY(quarn::SettingsDiff::lines(a, a).isEmpty());
    }

    void quarnctlReportAndDiff()
    {
        QTemporaryDir dir;
        Register a;
        loadFactoryImage(a);
        Register b = a;
        b.setDigit(95, 0, 1);
        const QString fa = dir.filePath(QStringLiteral("a.rq7k8k")),
                      fb = dir.filePath(QStringLiteral("b.rq7k8k"));
        QVERIFY(quarn::saveSettingsFile(a, fa) == quarn::SaveOutcome::Saved);
        QVERIFY(quarn::saveSettingsFile(b, fb) == quarn::SaveOutcome::Saved);

        auto run = [](const QStringList& args, QByteArray* out = nullptr) {
            QProcess p;
            p.start(QStringLiteral(QUARNCTL_PATH), args);
            p.waitForFinished(60000);
            if (out)
                *out = p.readAllStandardOutput();
            return p.exitCode();
        };
        QByteArray out;
        QCOMPARE(run({"diff", "--settings", fa, fb}, &out), 1);
        QCOMPARE(QString::fromUtf8(out).trimmed(),
                 QStringLiteral("Konfiguration Ein-/Ausgänge › Ein-/Ausgang 1: keine Funktion → Ausgang"));
        QCOMPARE(run({"diff", "--settings", fa, fa}), 0);
        QCOMPARE(run({"diff", "--settings", fa, dir.filePath(QStringLiteral("missing"))}), 4);

        QCOMPARE(run({"report", fa, "--language", "en"}, &out), 0);
        QVERIFY2(out.contains("Inputs/outputs configuration"), out.left(400).constData());
        const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
        QCOMPARE(run({"report", fa, "--format", "pdf", "-o", pdf}), 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QCOMPARE(run({"report", fa, "--format", "pdf"}), 2);
        QCOMPARE(
            run({"report", fa, "--format", "html", "-o", dir.filePath(QStringLiteral("no/such/dir/x.html"))}),
            4);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
