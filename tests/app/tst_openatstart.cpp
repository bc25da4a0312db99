// Quarn7k8k FILE and Tekstor FILE: the program starts with the file open, as its "Öffnen"
// would have opened it, messages included (a double click in the file manager starts them so).
#include "config/app/CQuarn7k8kApp.h"
#include "config/app/CQuarn7k8kDlg.h"
#include "config/register/SettingsFile.h"
#include "displaytexts/app/CTekstorApp.h"
#include "displaytexts/app/CTekstorDlg.h"
#include "displaytexts/app/TextTree.h"
#include "displaytexts/texts/TextFiles.h"
#include "displaytexts/texts/TextKindTable.h"
#include "platform/UserDialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// What the window shows of the file it opened.
QString shownBy(QWidget* window)
{
    if (auto* config = qobject_cast<quarn::CQuarn7k8kDlg*>(window)) {
        const quarn::Register& image = config->image();
        return QStringLiteral("%1 R057=%2").arg(QFileInfo(image.filePath).fileName(), image.registerText(57));
    }
    if (auto* texts = qobject_cast<tekstor::CTekstorDlg*>(window)) {
        const tekstor::TextTree* tree = texts->tree(texts->mode());
        QStringList items;
        for (int n = 0; n < tekstor::Register::capacity(texts->mode()); ++n) {
            if (const QTreeWidgetItem* item = tree->itemOf(n))
                items << item->text(0).trimmed();
        }
        return QString::fromLatin1(tekstor::textKindInfo(texts->mode()).name) + QLatin1Char(' ') +
               items.join(QLatin1Char('|'));
    }
    return QStringLiteral("no window");
}

// Runs start(), looks at the window a few turns of its event loop after it showed, then
// closes it.
QString runAndLook(const std::function<int()>& start)
{
    QString seen = QStringLiteral("no window");
    int turnsShown = 0;
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || ++turnsShown < 3)
            return;
        seen = shownBy(window);
        look.stop();
        window->reject();
    });
    look.start();
    const int code = start();
    return code == 0 ? seen : QStringLiteral("exit code %1").arg(code);
}

} // namespace

class OpenAtStartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());

        // A fresh image holds no digits: saved as it is, it makes an incomplete file.
        quarn::Register image;
        image.registerText(57) = QStringLiteral("12000000");
        QVERIFY(quarn::saveSettingsFile(image, path("incomplete.rq7k8k")) == quarn::SaveOutcome::Saved);
        for (int n = 0; n < 200; ++n) {
            if (n != 57)
                image.registerText(n) = QStringLiteral("00000000");
        }
        QVERIFY(quarn::saveSettingsFile(image, path("unit.rq7k8k")) == quarn::SaveOutcome::Saved);

        tekstor::Register texts;
        texts.setIdText(142, "0Fahrzeug 142");
        texts.setChannelText(3, "1Kanal 3");
        texts.setLastOwnIndex(1);
        texts.setOwnText(0, "Ruf");
        texts.setOwnText(1, "Bereit");
        for (tekstor::TextKind kind : tekstor::PanelOrder) {
            const QString name =
                QStringLiteral("texts.") + QLatin1String(tekstor::textKindInfo(kind).extension);
            QVERIFY(tekstor::TextFiles::save(path(name), kind, texts) == tekstor::FileOutcome::Ok);
        }
        QFile other(path("kurzwahl.txt"));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("WP000:112.............\r") > 0);
    }

    void opensFile_data()
    {
        QTest::addColumn<bool>("tekstor");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");

        const QString unread = QStringLiteral("Datei konnte nicht gelesen werden.");
        QTest::newRow("Quarn7k8k settings file")
            << false << QStringList{"--port", "ttyS7", path("unit.rq7k8k")} << "unit.rq7k8k R057=12000000"
            << QStringList{};
        QTest::newRow("Quarn7k8k incomplete file")
            << false << QStringList{path("incomplete.rq7k8k")} << "incomplete.rq7k8k R057=12000000"
            << QStringList{QStringLiteral(
                   "Nicht alle Register konnten aus Datei gelesen werden. Erste fehlerhafte Zeile: 2.")};
        QTest::newRow("Quarn7k8k missing file")
            << false << QStringList{path("gone.rq7k8k")} << " R057=        " << QStringList{unread};
        QTest::newRow("Quarn7k8k two files") << false << QStringList{path("unit.rq7k8k"), path("unit.rq7k8k")}
                                             << "exit code 2" << QStringList{};

        QTest::newRow("Tekstor ID texts")
            << true << QStringList{path("texts.q8kk")} << "Id 142: 0Fahrzeug 142" << QStringList{};
        QTest::newRow("Tekstor own texts")
            << true << QStringList{path("texts.q8kt")} << "Own 000: Ruf|001: Bereit" << QStringList{};
        QTest::newRow("Tekstor channel texts")
            << true << QStringList{path("texts.q8kc")} << "Channel 003: 1Kanal 3" << QStringList{};
        // Another kind of file is none of Tekstor's: the window stays as it started.
        QTest::newRow("Tekstor other file")
            << true << QStringList{path("kurzwahl.txt")} << "Id " << QStringList{unread};
        QTest::newRow("Tekstor missing file")
            << true << QStringList{path("gone.q8kc")} << "Channel " << QStringList{unread};
        QTest::newRow("Tekstor unknown option")
            << true << QStringList{"--bogus", path("texts.q8kc")} << "exit code 2" << QStringList{};
    }

    void opensFile()
    {
        QFETCH(bool, tekstor);
        QFETCH(QStringList, arguments);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);

        platform::ScriptedUserDialogs dialogs;
        const QString seen = runAndLook([&] {
            return tekstor ? tekstor::CTekstorApp(arguments).run() : quarn::CQuarn7k8kApp(arguments).run();
        });
        QCOMPARE(seen, shown);
        QCOMPARE(dialogs.texts(), messages);
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(OpenAtStartTest)
#include "tst_openatstart.moc"
