#include "config/fleet/FleetPlan.h"

#include "config/editors/frame/SettingsDialog.h"
#include "config/fleet/FieldInput.h"
#include "config/fleet/SettingIndex.h"
#include "config/fleet/UnitsTable.h"
#include "config/register/RegisterCodecs.h"
#include "platform/UserDialogs.h"

#include <QFile>
#include <QHash>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace quarn::fleet {

namespace {

// The boxes a dialog shows while a row is put into it: kept as the row's problems, questions
// answered as the table asks (yes).
class CollectedBoxes final : public platform::UserDialogs {
public:
    CollectedBoxes() : m_previous(&platform::userDialogs()) { platform::setUserDialogs(this); }
    ~CollectedBoxes() override { platform::setUserDialogs(m_previous); }

    platform::Answer message(QWidget*, const platform::Message& message) override
    {
        texts << message.text;
        switch (message.buttons) {
        case platform::MessageButtons::YesNo:
        case platform::MessageButtons::YesNoCancel:
            return platform::Answer::Yes;
        default:
            return platform::Answer::Ok;
        }
    }
    QString openFileName(QWidget*, const platform::FileRequest&) override { return {}; }
    QString saveFileName(QWidget*, const platform::FileRequest&) override { return {}; }

    QStringList texts;

private:
    platform::UserDialogs* m_previous;
};

struct RawColumn {
    int reg = 0;
    int first = 0;
    int count = 1;
};

// What a column sets: a setting of a dialog, or digits of a register.
struct Column {
    int index = 0;
    QString header;
    std::optional<SettingRef> setting;
    std::optional<RawColumn> raw;
};

// "R010/0-6", "R10/3"
std::optional<RawColumn> rawColumn(const QString& header, bool withTelephone, QString& problem)
{
    static const QRegularExpression form(QStringLiteral("^R(\\d{1,3})/(\\d)(?:-(\\d))?$"));
    const QRegularExpressionMatch m = form.match(header.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    RawColumn raw{m.captured(1).toInt(), m.captured(2).toInt(), 1};
    const int last = m.captured(3).isEmpty() ? raw.first : m.captured(3).toInt();
    raw.count = last - raw.first + 1;
    if (!Register::numbers(withTelephone).contains(raw.reg))
        problem = FleetPlan::tr("Register %1 gibt es in der Vorlage nicht.").arg(raw.reg);
    else if (last >= Register::DigitCount || raw.count < 1)
        problem = FleetPlan::tr("Ein Register hat die Ziffern 0-7.");
    return raw;
}

bool sameDialog(const SettingRef& a, const SettingRef& b)
{
    return a.tree == b.tree && a.itemText == b.itemText && a.nested == b.nested;
}

bool sameSetting(const SettingRef& a, const SettingRef& b)
{
    return a.itemText == b.itemText && a.nested == b.nested && a.field == b.field && a.page == b.page;
}

// The dialog of a setting on the image, with the nested dialogs that lead to it kept alive.
class OpenDialog {
public:
    OpenDialog(const SettingRef& ref, Register& image)
    {
        m_top.reset(createEditor(ref.itemText, &image, nullptr, ref.tree));
        SettingsDialog* current = dynamic_cast<SettingsDialog*>(m_top.get());
        for (const QString& title : ref.nested) {
            SettingsDialog* next = nullptr;
            for (const SettingsDialog::Nested& n :
                 current ? current->nestedDialogs() : QList<SettingsDialog::Nested>()) {
                m_owned.emplace_back(n.dialog);
                if (n.title == title)
                    next = n.dialog;
            }
            current = next;
        }
        m_dialog = current;
        if (m_dialog)
            m_dialog->bind().opened();
    }
    SettingsDialog* dialog() const { return m_dialog; }

private:
    std::unique_ptr<QDialog> m_top;
    std::vector<std::unique_ptr<SettingsDialog>> m_owned;
    SettingsDialog* m_dialog = nullptr;
};

class Checker {
public:
    Checker(const Register& templ, const UnitsTable& table, QList<TableProblem>& problems)
        : m_templ(templ), m_table(table), m_problems(problems)
    {}

    QList<Column> columns()
    {
        Register scratch = m_templ;
        SettingIndex index(scratch);
        QList<Column> out;
        QHash<QString, int> seen;
        for (int c = 1; c < m_table.headers.size(); ++c) {
            QString header = m_table.headers.at(c).trimmed();
            header.replace(QStringLiteral(" > "), QStringLiteral(" › "));
            Column column{c, header, std::nullopt, std::nullopt};
            QString problem;
            if (header.isEmpty()) {
                problem = FleetPlan::tr("Die Spalte hat keine Überschrift.");
            } else if (seen.contains(header)) {
                problem = FleetPlan::tr("Dieselbe Überschrift steht schon in Spalte %1.")
                              .arg(seen.value(header) + 1);
            } else if ((column.raw = rawColumn(header, m_templ.telephoneInterface, problem))) {
            } else {
                const QList<SettingRef> refs = index.find(header);
                bool one = !refs.isEmpty();
                for (const SettingRef& r : refs)
                    one = one && sameSetting(r, refs.first());
                if (refs.isEmpty())
                    problem =
                        FleetPlan::tr("Keine Einstellung heißt so: die Überschrift nennt eine Einstellung "
                                      "wie der Einstellungsbericht oder Registerziffern wie „R010/0-6“.");
                else if (!one)
                    problem = FleetPlan::tr("Mehrere Einstellungen heißen so; Registerziffern wie „R010/0-6“ "
                                            "nennen eine eindeutig.");
                else if (refs.first().page)
                    problem =
                        FleetPlan::tr("Diese Einstellung zeigt ihr Dialog als eine von mehreren Seiten; "
                                      "sie wird mit Registerziffern wie „R010/0-6“ gesetzt.");
                else
                    column.setting = refs.first();
            }
            seen.insert(header, c);
            if (!problem.isEmpty())
                m_problems << TableProblem{1, c + 1, header, problem};
            else
                out << column;
        }
        return out;
    }

    std::optional<FleetUnit> unit(const UnitsTable::Row& row, const QList<Column>& columns)
    {
        const qsizetype before = m_problems.size();
        FleetUnit unit{row.line, row.cells.value(0).trimmed(), m_templ};
        auto refuse = [&](const Column& c, const QString& text) {
            m_problems << TableProblem{row.line, c.index + 1, c.header, text};
        };
        // Register digits first; a setting of the same digits in the same row wins.
        for (const Column& c : columns) {
            const QString cell = row.cells.value(c.index).trimmed().toUpper();
            if (!c.raw || cell.isEmpty())
                continue;
            if (cell.size() != c.raw->count || !isHexText(cell)) {
                refuse(c,
                       FleetPlan::tr("Erwartet werden genau %1 Hex-Ziffern (0-9, A-F).").arg(c.raw->count));
                continue;
            }
            unit.image.registerText(c.raw->reg).replace(c.raw->first, c.raw->count, cell);
        }
        // The settings of one dialog go in together, as a user enters them before "OK".
        QList<int> done;
        for (int i = 0; i < columns.size(); ++i) {
            if (!columns.at(i).setting || done.contains(i) ||
                row.cells.value(columns.at(i).index).trimmed().isEmpty())
                continue;
            QList<Column> group;
            for (int j = i; j < columns.size(); ++j) {
                const Column& c = columns.at(j);
                if (c.setting && sameDialog(*c.setting, *columns.at(i).setting) &&
                    !row.cells.value(c.index).trimmed().isEmpty()) {
                    group << c;
                    done << j;
                }
            }
            enter(unit.image, row, group, refuse);
        }
        if (m_problems.size() != before)
            return std::nullopt;
        unit.image.modified = false;
        return unit;
    }

private:
    template <class Refuse>
    void enter(Register& image, const UnitsTable::Row& row, const QList<Column>& group, Refuse refuse)
    {
        CollectedBoxes boxes;
        OpenDialog open(*group.first().setting, image);
        SettingsDialog* dialog = open.dialog();
        if (!dialog) {
            refuse(group.first(), FleetPlan::tr("Der Dialog dieser Einstellung ist nicht verfügbar."));
            return;
        }
        if (dialog->okButton()->isHidden()) {
            refuse(group.first(), FleetPlan::tr("Dieser Dialog schreibt mit eigenen Schaltflächen statt mit "
                                                "„OK“; seine Einstellungen werden mit Registerziffern wie "
                                                "„R010/0-6“ gesetzt."));
            return;
        }
        const QList<Binder::Field> fields = dialog->bind().fields();
        bool shown = true;
        for (const Column& c : group) {
            const Binder::Field& f = fields.value(c.setting->field);
            const QString cell = row.cells.value(c.index).trimmed();
            if (!FieldInput::show(f.controls, dialog, cell)) {
                refuse(c, FleetPlan::tr("„%1“ ist keine Auswahl dieser Einstellung.").arg(cell));
                shown = false;
            }
        }
        if (!shown)
            return;
        dialog->bind().refreshRules();
        for (const Column& c : group) {
            const Binder::Field& f = fields.value(c.setting->field);
            if (!f.controls.isEmpty() && !dialog->bind().isActive(f.controls.first())) {
                refuse(c, FleetPlan::tr("Die Einstellung ist bei diesen Werten gesperrt; der Dialog würde "
                                        "sie nicht schreiben."));
                shown = false;
            }
        }
        if (!shown)
            return;
        boxes.texts.clear();
        dialog->setResult(QDialog::Rejected);
        dialog->okButton()->click();
        if (dialog->result() == QDialog::Accepted)
            return;
        // The refused field has the focus: its column gets the message.
        const QWidget* focus = dialog->focusWidget();
        Column at = group.first();
        for (const Column& c : group) {
            for (const QWidget* w : fields.value(c.setting->field).controls) {
                if (focus && (w == focus || w->isAncestorOf(focus)))
                    at = c;
            }
        }
        const QString text = boxes.texts.isEmpty() ? FleetPlan::tr("Der Dialog nimmt diese Werte nicht an.")
                                                   : boxes.texts.join(QLatin1Char(' '));
        refuse(at, text.simplified());
    }

    const Register& m_templ;
    const UnitsTable& m_table;
    QList<TableProblem>& m_problems;
};

} // namespace

FleetPlan FleetPlan::check(const Register& templ, const UnitsTable& table)
{
    FleetPlan plan;
    Checker checker(templ, table, plan.problems);
    const QList<Column> columns = checker.columns();
    QHash<QString, int> names;
    if (table.rows.isEmpty())
        plan.problems << TableProblem{1, 0, {}, tr("Die Tabelle nennt kein Gerät.")};
    for (const UnitsTable::Row& row : table.rows) {
        const QString name = row.cells.value(0).trimmed();
        if (name.isEmpty())
            plan.problems << TableProblem{row.line, 1, table.headers.value(0),
                                          tr("Die erste Spalte nennt das Gerät; sie ist leer.")};
        else if (names.contains(name))
            plan.problems << TableProblem{row.line, 1, table.headers.value(0),
                                          tr("Dieses Gerät steht schon in Zeile %1.").arg(names.value(name))};
        names.insert(name, row.line);
        if (std::optional<FleetUnit> unit = checker.unit(row, columns))
            plan.units << *unit;
    }
    // In the order of the file, as a user goes through it.
    std::stable_sort(plan.problems.begin(), plan.problems.end(),
                     [](const TableProblem& a, const TableProblem& b) {
                         return a.line != b.line ? a.line < b.line : a.column < b.column;
                     });
    if (!plan.ok())
        plan.units.clear();
    return plan;
}

FleetPlan FleetPlan::checkFile(const Register& templ, const QString& tablePath)
{
    QFile file(tablePath);
    if (!file.open(QIODevice::ReadOnly)) {
        FleetPlan plan;
        plan.problems << TableProblem{
            0, 0, {}, tr("Die Tabelle kann nicht gelesen werden (%1).").arg(file.errorString())};
        return plan;
    }
    QList<TableProblem> problems;
    const UnitsTable table = UnitsTable::parse(file.readAll(), problems);
    FleetPlan plan = problems.isEmpty() ? check(templ, table) : FleetPlan{};
    plan.problems = problems + plan.problems;
    return plan;
}

QString FleetPlan::text(const TableProblem& p)
{
    if (p.line > 0 && p.column > 0 && !p.header.isEmpty())
        return tr("Zeile %1, Spalte %2 „%3“: %4").arg(p.line).arg(p.column).arg(p.header, p.text);
    if (p.line > 0 && p.column > 0)
        return tr("Zeile %1, Spalte %2: %3").arg(p.line).arg(p.column).arg(p.text);
    if (p.line > 0)
        return tr("Zeile %1: %2").arg(p.line).arg(p.text);
    return p.text;
}

} // namespace quarn::fleet
