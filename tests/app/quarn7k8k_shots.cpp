// Renders the main window of the configuration program and its about box to PNG files,
// so the windows can be looked at without clicking through them.
#include "config/app/AboutBox.h"
#include "config/app/DisplayLanguage.h"
#include "platform/UserDialogs.h"
#include "tests/app/AppTestRig.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextStream>

namespace {
bool save(QWidget& widget, const QDir& dir, const QString& name)
{
    QApplication::processEvents();
    const QString path = dir.filePath(name);
    if (!widget.grab().save(path)) {
        QTextStream(stderr) << "quarn7k8k-shots: cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << "\n";
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!dir.exists() && !QDir().mkpath(dir.path()))
        return 1;

    platform::ScriptedUserDialogs dialogs; // no box stops the rendering
    AppTestRig rig;
    rig.window->show();
    bool ok = save(*rig.window, dir, QStringLiteral("quarn7k8k-main.png"));

    rig.exchange([&] { rig.window->connectUnit(); });
    rig.exchange([&] { rig.window->readData(); });
    auto* base = rig.window->findChild<quarn::SettingsTree*>(QStringLiteral("baseTree"));
    base->itemByKey(QStringLiteral("Tonrufsystem"))->setExpanded(true);
    ok = save(*rig.window, dir, QStringLiteral("quarn7k8k-main-connected.png")) && ok;
    rig.window->showTelephoneTree();
    ok = save(*rig.window, dir, QStringLiteral("quarn7k8k-main-telephone.png")) && ok;

    quarn::AboutBox about(rig.window.get());
    about.show();
    ok = save(about, dir, QStringLiteral("quarn7k8k-about.png")) && ok;

    // The same window with the English language file that lies beside the program.
    quarn::DisplayLanguage english(
        quarn::LanguageFiles(QCoreApplication::applicationDirPath(), QStringLiteral("Quarn7k8k")));
    if (english.tryLanguage(0x0409)) {
        AppTestRig englishRig;
        englishRig.window->show();
        ok = save(*englishRig.window, dir, QStringLiteral("quarn7k8k-main-english.png")) && ok;
    }
    return ok ? 0 : 1;
}
