#include "config/editors/base/DecoderTableText.h"

#include "config/editors/frame/IdModeList.h"
#include "config/editors/frame/ToneCounts.h"
#include "config/register/Register.h"

#include <QCoreApplication>

namespace quarn {

namespace {

const QLatin1Char lineBreak('\n');

} // namespace

QString DecoderTableText::header(int column)
{
    static const char* const headers[ColumnCount] = {QT_TRANSLATE_NOOP("DecoderTableText", "aktiv"),
                                                     QT_TRANSLATE_NOOP("DecoderTableText", "Tonfolge"),
                                                     QT_TRANSLATE_NOOP("DecoderTableText", "Weckton"),
                                                     QT_TRANSLATE_NOOP("DecoderTableText", "Anruf-LS"),
                                                     QT_TRANSLATE_NOOP("DecoderTableText", "Schaltausgang"),
                                                     QT_TRANSLATE_NOOP("DecoderTableText", "Quittung"),
                                                     QT_TRANSLATE_NOOP("DecoderTableText", "LS / LED"),
                                                     QT_TRANSLATE_NOOP("DecoderTableText", "X-Tonfolge")};
    if (column < 0 || column >= ColumnCount)
        return QString(lineBreak);
    return lineBreak + tr(headers[column]);
}

QString DecoderTableText::volume(int digit)
{
    if (digit <= 9)
        return QStringLiteral(" ; ") + tr("LS") + QStringLiteral("=%1").arg(digit);
    return QStringLiteral(" ; ") + tr("LS") + QStringLiteral("+%1").arg(digit - 10);
}

QString DecoderTableText::sequence(const Register& image, int decoder)
{
    const QString t = image.registerText(toneRegister(decoder));
    const QString id = image.registerText(15);
    const int x = ToneCounts::xCount(image.digit(81, 5));
    const QString slash = QStringLiteral("/");
    switch (image.digit(reactionBRegister(decoder), 0)) {
    case 0:
        return t.left(5);
    case 1:
        return t.left(x) + slash + tr("Kenn.");
    case 2:
        return tr("Kenn.") + slash + t.left(x);
    case 3:
        return t.left(5) + slash + id.mid(4, 1);
    case 4:
        return t.left(5) + slash + id.mid(3, 2);
    case 5:
        return t.left(5) + slash + id.mid(2, 3);
    case 6:
        return t.left(x) + lineBreak + tr("ohne Kennung");
    case 7:
        return t.left(5) + lineBreak + tr("ohne Kennung");
    case 8:
        return t.left(4);
    case 9:
        return t.left(x);
    case 10:
        return t.left(5) + lineBreak + tr("Notruf");
    case 11:
        return t.left(5) + lineBreak + tr("Notruf") + tr(" ZVEI");
    case 12:
        return t.left(6) + lineBreak + tr("Notruf") + tr(" NL");
    case 13:
        return t.left(5) + slash + id.left(5) + lineBreak + tr("Notruf");
    default:
        return {}; // E and F are no decoder modes
    }
}

QString DecoderTableText::alarmTone(const Register& image, int ra)
{
    static const char* const types[15] = {QT_TRANSLATE_NOOP("DecoderTableText", "600/675Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "800/900Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "1000/1125Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "700/875Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "900/1125Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "1100/1375Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "500/750Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "1000/1500Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "700/1283Hz"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "wie Telefon"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "600/675Hz (10x)"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "800/900Hz (10x)"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "1000/1125Hz (10x)"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "700/875Hz (10x)"),
                                          QT_TRANSLATE_NOOP("DecoderTableText", "900/1125Hz (10x)")};
    const int type = image.digit(ra, 0);
    if (type == 0)
        return tr("aus");
    const int tenths = image.digit(ra, 1) * 2;
    return tr(types[type - 1]) + lineBreak + QStringLiteral("%1.%2s").arg(tenths / 10).arg(tenths % 10) +
           volume(image.digit(ra, 2));
}

QString DecoderTableText::switchOutput(const Register& image, int rb)
{
    const int output = image.digit(rb, 1);
    if (output == 0)
        return tr("keiner");
    QString text = tr("\nschaltet Nr. %1").arg(output);
    const int mode = image.digit(rb, 2);
    if (mode == 0)
        text += lineBreak + tr("aus");
    else if (mode == 15)
        text += lineBreak + tr("ein");
    else
        text += tr("\nfür %1 Sekunden ein").arg(mode);
    return text;
}

QString DecoderTableText::cell(const Register& image, int decoder, int column)
{
    const int ra = reactionARegister(decoder);
    const int rb = reactionBRegister(decoder);
    QString text;
    switch (column) {
    case 0:
        text =
            image.registerText(toneRegister(decoder)).mid(7, 1) == QLatin1String("1") ? tr("ja") : tr("nein");
        break;
    case 1:
        text = sequence(image, decoder);
        break;
    case 2:
        text = alarmTone(image, ra);
        break;
    case 3:
        text = QStringLiteral("%1s").arg(image.digit(ra, 3)) + volume(image.digit(ra, 4));
        break;
    case 4:
        text = switchOutput(image, rb);
        break;
    case 5: {
        static const char* const acks[6] = {
            QT_TRANSLATE_NOOP("DecoderTableText", "keine"),
            QT_TRANSLATE_NOOP("DecoderTableText", "Quittung"),
            QT_TRANSLATE_NOOP("DecoderTableText", "Einton"),
            QT_TRANSLATE_NOOP("DecoderTableText", "eigene\nKennung"),
            QT_TRANSLATE_NOOP("DecoderTableText", "empfangene\nKennung"),
            QT_TRANSLATE_NOOP("DecoderTableText", "zus. 5-Tonfolge\n(FFSK-Auswertung)")};
        const int d = image.digit(rb, 3);
        if (d < 6)
            text = tr(acks[d]);
        break;
    }
    case 6: {
        static const char* const reactions[4] = {QT_TRANSLATE_NOOP("DecoderTableText", "keine Aktion"),
                                                 QT_TRANSLATE_NOOP("DecoderTableText", "LS ein"),
                                                 QT_TRANSLATE_NOOP("DecoderTableText", "LED blinkt"),
                                                 QT_TRANSLATE_NOOP("DecoderTableText", "LS ein\nLED blinkt")};
        const int d = image.digit(rb, 4);
        if (d < 4)
            text = tr(reactions[d]);
        break;
    }
    case 7: {
        const int d = image.digit(rb, 5);
        text = d == 0 ? tr("normaler Ruf") : tr("Notruf: %1 Stellen\nvon rechts anzeigen").arg(d);
        break;
    }
    default:
        break;
    }
    return lineBreak + text;
}

} // namespace quarn
