// tekstor-shots: renders Tekstor's main window in each mode and language, and each edit
// dialog, to PNG files, attached to a simulated unit on virtual time.
#include "displaytexts/app/CTekstorDlg.h"
#include "displaytexts/app/KanaeleBearbeiten.h"
#include "displaytexts/app/Kennung.h"
#include "displaytexts/app/TextTree.h"
#include "displaytexts/app/TexteBearbeiten.h"
#include "displaytexts/texts/UnitCodes.h"
#include "platform/Clock.h"
#include "platform/UserDialogs.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdio>

using namespace tekstor;

namespace {

bool save(QWidget& widget, const QString& dir, const QString& name, bool fitSize = true)
{
    widget.show();
    if (fitSize)
        widget.adjustSize();
    else
        widget.resize(720, 620);
    QCoreApplication::processEvents();
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// Runs the event loop until the window's exchanges are done (at most 30 s).
bool waitIdle(const CTekstorDlg& window)
{
    QElapsedTimer timer;
    timer.start();
    while (window.transferRunning() && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
    return !window.transferRunning();
}

void click(CTekstorDlg& window, const char* name)
{
    if (auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name)))
        button->click();
    waitIdle(window);
}

QByteArray padded(const QByteArray& text)
{
    return text.leftJustified(24, ' ', true);
}

void fillUnit(sim::UnitModel& unit)
{
    unit.setIdText(101, toUnitCodes("1" + padded("Wache Nord 101")));
    unit.setIdText(102, toUnitCodes("1" + padded("Wache S\xfc"
                                                 "d 102")));
    unit.setIdText(142, toUnitCodes("0" + padded("Fahrzeug 142")));
    for (int c = 0; c < 6; ++c)
        unit.setChannelText(c, toUnitCodes("1" + padded("Kanal " + QByteArray::number(c) + " $$$$")));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    // Boxes are recorded, not shown.
    platform::ScriptedUserDialogs dialogs;
    sim::UnitModel unit;
    fillUnit(unit);
    platform::VirtualClock clock;
    sim::SimulatedPort port(unit, clock);

    CTekstorDlg window(port, clock);
    window.setPortNames({QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyS0")});
    window.resize(640, 560);
    window.show();
    click(window, "connectButton");
    window.findChild<QCheckBox*>(QStringLiteral("range1"))->setChecked(true);
    // The unit's German texts make a fuller own-text tree than its empty own texts.
    window.findChild<QComboBox*>(QStringLiteral("readLanguage"))->setCurrentIndex(0);

    bool ok = true;
    const std::array<std::pair<Language, QString>, 2> languages{
        {{Language::German, QStringLiteral("de")}, {Language::English, QStringLiteral("en")}}};
    const std::array<std::pair<TextKind, QString>, 3> modes{{{TextKind::Ids, QStringLiteral("ids")},
                                                             {TextKind::Channels, QStringLiteral("channels")},
                                                             {TextKind::Own, QStringLiteral("own")}}};
    // Read once: a change of language relabels the trees' nodes with everything else.
    click(window, "readIdButton");
    click(window, "readOwnButton");
    click(window, "readChannelButton");
    for (const auto& [language, code] : languages) {
        window.setLanguage(language);
        for (const auto& [mode, name] : modes) {
            window.setMode(mode);
            window.tree(mode)->expandAll();
            ok &= save(window, dir, QStringLiteral("tekstor-main-%1-%2").arg(name, code), false);
        }
        // Every range node of the ID tree at one glance.
        window.setMode(TextKind::Ids);
        window.tree(TextKind::Ids)->collapseAll();
        ok &= save(window, dir, QStringLiteral("tekstor-main-ranges-%1").arg(code), false);

        Kennung id(&window, language, window.store(), {101, 102});
        ok &= save(id, dir, QStringLiteral("tekstor-kennung-%1").arg(code));
        KanaeleBearbeiten channel(&window, language, window.store(), {3});
        ok &= save(channel, dir, QStringLiteral("tekstor-kanaele-%1").arg(code));
        TexteBearbeiten own(&window, language, window.store(), 1);
        ok &= save(own, dir, QStringLiteral("tekstor-texte-%1").arg(code));
        window.store().setOwnText(999, QByteArray("Druckertext").leftJustified(24, '\x95') + "D8100002");
        TexteBearbeiten printer(&window, language, window.store(), 999);
        ok &= save(printer, dir, QStringLiteral("tekstor-texte-printer-%1").arg(code));
    }
    return ok ? 0 : 1;
}
