// Renders every settings dialog offscreen, opened on the simulated unit's factory image, to
// PNG files in the directory given as the only argument: once in German, and once in English
// ("-en" before ".png") with the language file beside the program.
#include "config/editors/EditorCatalog.h"
#include "config/editors/base/DECODERKONFIG.h"
#include "config/editors/keys/FktAuswahl.h"
#include "config/editors/keys/FunctionEditors.h"
#include "config/editors/telephone/AMTSTONDECODERTAB.h"
#include "config/editors/telephone/TELDECODERKONFIG.h"
#include "config/register/Register.h"
#include "platform/UserDialogs.h"
#include "sim/FactoryTable.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QTranslator>

#include <memory>

namespace {

QString fileNameOf(const QString& itemText, const QString& suffix)
{
    QString name;
    for (QChar c : itemText) {
        if (c.isLetterOrNumber())
            name += c.toLower();
        else if (!name.endsWith(QLatin1Char('-')))
            name += QLatin1Char('-');
    }
    name.replace(QStringLiteral("ä"), QStringLiteral("ae"))
        .replace(QStringLiteral("ö"), QStringLiteral("oe"))
        .replace(QStringLiteral("ü"), QStringLiteral("ue"));
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    return QStringLiteral("editor-") + name + suffix + QStringLiteral(".png");
}

bool render(QDialog* dialog, const QString& path)
{
    dialog->show();
    dialog->adjustSize();
    QApplication::processEvents();
    const bool ok = dialog->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    dialog->close();
    return ok;
}

bool renderAll(const QDir& dir, const QString& suffix)
{
    quarn::Register image;
    image.telephoneInterface = true;
    for (int n : quarn::Register::numbers(true))
        image.registerText(n) = QString::fromLatin1(sim::FactoryTable::value(n));

    bool ok = true;
    for (const quarn::EditorEntry& entry : quarn::editorCatalog()) {
        std::unique_ptr<QDialog> dialog(entry.create(&image, nullptr));
        // "Decoder 1-10" stands in both trees.
        const QString tree = entry.tree == quarn::EditorTree::Telephone ? QStringLiteral("tel-") : QString();
        ok = render(dialog.get(),
                    dir.filePath(fileNameOf(tree + QString::fromUtf8(entry.itemText), suffix))) &&
             ok;
    }
    // Opened from the decoder overview rather than from a tree.
    quarn::DECODERKONFIG decoder(&image, 0, nullptr);
    ok = render(&decoder, dir.filePath(QStringLiteral("editor-decoder-konfiguration") + suffix +
                                       QStringLiteral(".png"))) &&
         ok;

    // The function wizard in both modes, and every function editor on a word of its own code.
    for (const auto mode : {quarn::FunctionMode::Normal, quarn::FunctionMode::Telephone}) {
        const bool telephone = mode == quarn::FunctionMode::Telephone;
        QString word = QStringLiteral("20000000");
        quarn::FktAuswahl wizard(nullptr, word, mode);
        ok = render(&wizard, dir.filePath(QStringLiteral("editor-funktionsauswahl") +
                                          (telephone ? QStringLiteral("-telefon") : QString()) + suffix +
                                          QStringLiteral(".png"))) &&
             ok;
        for (int code : quarn::FunctionEditors::offeredCodes()) {
            const quarn::FunctionEditors::Entry* entry = quarn::FunctionEditors::find(code, mode);
            if (!entry->create || (telephone && entry->mode != mode))
                continue;
            QString w = QString::number(code, 16).toUpper() + QStringLiteral("0000000");
            std::unique_ptr<QDialog> editor(quarn::FunctionEditors::create(code, mode, nullptr, w));
            ok = render(editor.get(),
                        dir.filePath(fileNameOf(
                            QStringLiteral("funktion ") + QString::fromUtf8(entry->listText), suffix))) &&
                 ok;
        }
    }

    quarn::AMTSTONDECODERTAB entry(&image, 1, false, nullptr);
    ok = render(&entry, dir.filePath(QStringLiteral("editor-tel-amtstondecodertab") + suffix +
                                     QStringLiteral(".png"))) &&
         ok;

    for (int decoder : {0, 1}) {
        // One decoder in each of the modes with the most fields.
        image.registerText(330 + decoder) = QString::fromLatin1(decoder == 0 ? "53123000" : "54252100");
        quarn::TELDECODERKONFIG tel(&image, decoder, nullptr);
        ok =
            render(&tel, dir.filePath(QStringLiteral("editor-tel-decoder-konfiguration-%1").arg(decoder + 1) +
                                      suffix + QStringLiteral(".png"))) &&
            ok;
    }

    // The scanner switched on, with its channel list: switched off it shows only its check box.
    image.registerText(67) = QStringLiteral("EE085000");
    image.registerText(70) = QStringLiteral("01020000");
    image.registerText(71) = QStringLiteral("12FF0000");
    std::unique_ptr<QDialog> scanner(quarn::createEditor(QStringLiteral("Scannerfunktion"), &image, nullptr));
    ok = render(scanner.get(), dir.filePath(QStringLiteral("editor-scannerfunktion-active") + suffix +
                                            QStringLiteral(".png"))) &&
         ok;

    // The overview once more with every kind of cell filled, to check that the texts fit.
    const char* const sample[][3] = {
        {"12345FF1", "3F9CF000", "53D53400"},
        {"1234FFF1", "B5A00000", "D2F00000"},
        {"1234567F", "17307000", "11010100"},
        {"12345FF0", "A0000000", "C3032200"},
    };
    for (int i = 0; i < 4; ++i) {
        image.registerText(20 + i) = QString::fromLatin1(sample[i][0]);
        image.registerText(30 + i) = QString::fromLatin1(sample[i][1]);
        image.registerText(40 + i) = QString::fromLatin1(sample[i][2]);
    }
    std::unique_ptr<QDialog> table(quarn::createEditor(QStringLiteral("Decoder 1-10"), &image, nullptr));
    ok = render(table.get(), dir.filePath(QStringLiteral("editor-decoder-1-10-sample") + suffix +
                                          QStringLiteral(".png"))) &&
         ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: editors-shots <output directory>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.absolutePath())) {
        QTextStream(stderr) << "cannot create " << dir.absolutePath() << '\n';
        return 1;
    }

    QTranslator english;
    const QString qm = QCoreApplication::applicationDirPath() + QStringLiteral("/Quarn7k8kENU.qm");
    if (!english.load(qm)) {
        QTextStream(stderr) << "cannot load " << qm << '\n';
        return 1;
    }
    // A box that a dialog shows on opening (the password's warning) is answered, not waited for.
    platform::ScriptedUserDialogs boxes;

    bool ok = renderAll(dir, QString());
    QCoreApplication::installTranslator(&english);
    ok = renderAll(dir, QStringLiteral("-en")) && ok;
    return ok ? 0 : 1;
}
