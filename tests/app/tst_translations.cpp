// Every text of the configuration program has a finished English translation: the sources are
// extracted afresh with Qt's lupdate and each text found must stand translated in the language file.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString translation;
    bool finished = false;
};

// context + '\x1f' + source -> translation
QHash<QString, Entry> readTs(const QString& path)
{
    QHash<QString, Entry> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    QString context, source;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                entry.finished = type.isEmpty();
                entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.name() == QLatin1String("message")) {
                entry = {};
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            out.insert(context + QChar(0x1f) + source, entry);
        }
    }
    return out;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void everySourceTextIsTranslated()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(QUARN_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-source-language"), QStringLiteral("de_DE"),
                       QStringLiteral("-target-language"), QStringLiteral("en_US"),
                       // Includes name their folder from the root; lupdate needs it to see classes.
                       QStringLiteral("-I"), QStringLiteral(QUARN_SOURCE_DIR),
                       QStringLiteral(QUARN_SOURCE_DIR "/config"), QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        const QHash<QString, Entry> extracted = readTs(fresh);
        const QHash<QString, Entry> shipped =
            readTs(QStringLiteral(QUARN_SOURCE_DIR "/config/res/Quarn7k8kENU.ts"));
        QVERIFY(extracted.size() > 100);
        QStringList missing;
        for (auto it = extracted.cbegin(); it != extracted.cend(); ++it) {
            const Entry e = shipped.value(it.key());
            if (!e.finished || e.translation.isEmpty())
                missing << QString(it.key()).replace(QChar(0x1f), QStringLiteral(": "));
        }
        missing.sort();
        if (!missing.isEmpty())
            qWarning().noquote() << "without a finished English translation (run ./dev translations):\n  "
                                 << missing.join(QStringLiteral("\n  "));
        QCOMPARE(missing.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
