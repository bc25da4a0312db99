// The squelch, pilot-tone, radio-mute and roger-beep dialogs, driven through their widgets.
#include "tests/support/DialogScript.h"

using namespace editortest;

namespace {
const QString squelch = QStringLiteral("Squelch-Konfiguration");
const QString mute = QStringLiteral("Radio-Mute");
const QString pilot = QStringLiteral("Pilotton");
const QString roger = QStringLiteral("Roger-Beep");
} // namespace

class TestRadioSignals : public QObject {
    Q_OBJECT

private slots:
    void confirmed_data()
    {
        addScriptColumns();
        // Register 56 digit 0 carries the input's logic and NF-Squelch together.
        scriptRow(
            "squelch high aktiv with NF-Squelch stores 5", squelch, "56=00200000",
            "nfSquelch==0;squelchInput==low aktiv;followUpTime==200;nfSquelch=1;squelchInput=high aktiv", "",
            "56=50200000", "nfSquelch=1;squelchInput=high aktiv;simplexOnlyWhenNotSending=1");
        scriptRow("switching NF-Squelch on selects immer inaktiv, stored 2", squelch, "56=00200000",
                  "nfSquelch=1", "", "56=20200000", "nfSquelch=1;squelchInput=immer inaktiv");
        scriptRow("switching NF-Squelch off from an unknown digit selects low aktiv", squelch, "56=A0351000",
                  "nfSquelch==1;squelchInput==;nfSquelch=0", "", "56=00351000",
                  "nfSquelch=0;squelchInput=low aktiv");
        scriptRow("an old 6 opens as immer inaktiv", squelch, "56=60351000",
                  "nfSquelch==1;squelchInput==immer inaktiv;followUpTime==350;simplexOnlyWhenNotSending==0",
                  "", "56=20351000", "nfSquelch=1;squelchInput=immer inaktiv");
        // Removing the selected "immer inaktiv" selects position 0, never a made-up "3".
        scriptRow("switching NF-Squelch off from immer inaktiv stores low aktiv", squelch, "56=2A351000",
                  "nfSquelch==1;squelchInput==immer inaktiv;nfSquelch=0", "", "56=0A351000",
                  "nfSquelch=0;squelchInput=low aktiv");
        scriptRow("low und high aktiv survives switching NF-Squelch off", squelch, "56=70200000",
                  "squelchInput==low und high aktiv;nfSquelch=0", "", "56=30200000",
                  "nfSquelch=0;squelchInput=low und high aktiv");
        // Digits 8-F: NF-Squelch on, no entry; without a selection the digit stays.
        scriptRow("an unknown digit opens without selection and stays", squelch, "56=9A351000",
                  "nfSquelch==1;squelchInput==;followUpTime=400", "", "56=9A401000",
                  "nfSquelch=1;squelchInput=");
        // Fields switched off are neither checked nor written.
        scriptRow("a follow-up time switched off is not checked", squelch, "56=40200000",
                  "followUpTime=abc;simplexOnlyWhenNotSending=0;nfSquelch=0", "", "56=00200000",
                  "nfSquelch=0;followUpTime=200;simplexOnlyWhenNotSending=1");
        scriptRow("roger beep of 1750 Hz for 120 ms", roger, "87=10001000",
                  "frequency==1000;duration==100;atStart==0;atEnd==0;frequency=1750;duration=120;atEnd=1", "",
                  "87=17501201", "frequency=1750;duration=120;atEnd=1");
        scriptRow("radio mute on RX and TX, output low without mute", mute, "83=01200000",
                  "lowOnMute==1;onRx==1;onTx==0;followUpTime==2;lowOnNoMute=1;onTx=1", "", "83=07200000",
                  "lowOnNoMute=1;onRx=1;onTx=1");
        // Bit 3 has no control; the unit may use it.
        scriptRow("radio mute keeps bit 3 of digit 1", mute, "83=58000000",
                  "lowOnMute==1;onRx==0;onTx==0;onRx=1;followUpTime=15;hookOutput=7", "", "83=59F70000",
                  "onRx=1");
        scriptRow("pilot-tone blocking time rounds down to 20 ms steps", pilot, "69=00000500",
                  "mode==programmierte Pilottonfrequenz;blockingTime==100;blockingTime=50;frequency=16665",
                  "", "69=0FFFF200", "blockingTime=40;frequency=16665");
        scriptRow("an unknown pilot-tone mode stays", pilot, "69=71750000", "mode==;frequency==1750", "",
                  "69=71750000", "mode=");
    }
    void confirmed() { runScriptRow(false); }

    void refused_data()
    {
        addScriptColumns();
        const QString range = QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.");
        // The follow-up time once stored anything above 15 silently as 15 s.
        scriptRow("mute follow-up above 15", mute, "83=01200000", "followUpTime=100",
                  range.arg(0).arg(15) + QStringLiteral("@followUpTime"), "");
        scriptRow("mute follow-up negative", mute, "83=01200000", "followUpTime=-5",
                  range.arg(0).arg(15) + QStringLiteral("@followUpTime"), "");
        scriptRow("mute output above TX", mute, "83=01200000", "onTx=1;output=9",
                  range.arg(0).arg(8) + QStringLiteral("@output"), "");
        scriptRow("hook output above 7", mute, "83=01200000", "hookOutput=8",
                  range.arg(0).arg(7) + QStringLiteral("@hookOutput"), "");
        scriptRow("pilot-tone blocking above 300 ms", pilot, "69=00000500", "frequency=100;blockingTime=301",
                  range.arg(0).arg(300) + QStringLiteral("@blockingTime"), "");
        scriptRow("pilot-tone frequency above the digits", pilot, "69=00000500", "frequency=16666",
                  range.arg(0).arg(16665) + QStringLiteral("@frequency"), "");
        scriptRow("roger-beep duration above the digits", roger, "87=10001000", "atStart=1;duration=1651",
                  range.arg(0).arg(1650) + QStringLiteral("@duration"), "");
        scriptRow("squelch follow-up above the digits", squelch, "56=40200000",
                  "squelchInput=high aktiv;followUpTime=1660",
                  range.arg(0).arg(1650) + QStringLiteral("@followUpTime"), "");
        scriptRow("squelch follow-up not a number", squelch, "56=00200000", "nfSquelch=1;followUpTime=x",
                  QStringLiteral("Geben Sie eine ganze Zahl ein.") + QStringLiteral("@followUpTime"), "");
    }
    void refused() { runScriptRow(false); }
};

QTEST_MAIN(TestRadioSignals)
#include "tst_radiosignals.moc"
