#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "cli/Quarnctl.h"

namespace {
// A command-line tool prints only its own messages: Qt's notes ("QStandardPaths:
// XDG_RUNTIME_DIR not set" on a plain terminal, font warnings of the offscreen platform) are
// not for the technician. Only a fatal error still says what it was.
void qtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "quarnctl: %s\n", qPrintable(message));
}
} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(qtMessage);
    // The settings report makes the dialogs without showing them: that takes a GUI application,
    // which the offscreen platform provides without a display.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const bool widgets = cli::Quarnctl::needsWidgets(raw);
    if (widgets && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app =
        widgets ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int code = cli::Quarnctl(out, err).run(args);
    out.flush();
    err.flush();
    return code;
}
