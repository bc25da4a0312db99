<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>DecoderTableText</name>
    <message>
        <source>aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weckton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anruf-LS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schaltausgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quittung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LS / LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kenn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohne Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notruf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ZVEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> NL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600/675Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800/900Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000/1125Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700/875Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>900/1125Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1100/1375Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500/750Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000/1500Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700/1283Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wie Telefon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600/675Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800/900Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000/1125Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700/875Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>900/1125Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keiner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
schaltet Nr. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
für %1 Sekunden ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eigene
Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangene
Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zus. 5-Tonfolge
(FFSK-Auswertung)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Aktion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LS ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED blinkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LS ein
LED blinkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normaler Ruf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notruf: %1 Stellen
von rechts anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdModeList</name>
    <message>
        <source>5-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelsequenz Ruf, Kennung (X-Tonfolge)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelsequenz Kennung, Ruf (X-Tonfolge)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wie bei Taste programmiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X-Tonfolge ohne Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-Tonfolge ohne Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notruf 5-Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notruf 5-Tonfolge ZVEI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notruf 6-Tonfolge NL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notruf 2x5-Tonfolge (Forstfunk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur Ruf(5-Tonfolge)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppelsequenz Ruf, Kennung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Port konnte nicht initialisiert werden!</source>
        <translation>The port could not be initialised!</translation>
    </message>
    <message>
        <source>Sendevorgang war fehlerhaft und wurde abgebrochen!</source>
        <translation>The transfer failed and was aborted!</translation>
    </message>
    <message>
        <source>Programmierung war möglicherweise fehlerhaft! Letztes falsch oder nicht beschriebene Register: %1</source>
        <translation>Programming may have failed! Last register written wrongly or not at all: %1</translation>
    </message>
    <message>
        <source>Im Menü des Quarns muss &quot;PC-Verbindung&quot; ausgewählt werden, um eine Verbindung aufzubauen.</source>
        <translation>&quot;PC-Verbindung&quot; must be selected in the menu of the Quarn to establish a connection.</translation>
    </message>
    <message>
        <source>Es konnte keine Verbindung zu einem Quarn 7k/8k hergestellt werden.</source>
        <translation>No connection to a Quarn 7k/8k could be established.</translation>
    </message>
    <message>
        <source>Nicht alle Register konnten gelesen werden. Erstes fehlendes Register: %1</source>
        <translation>Not all registers could be read. First missing register: %1</translation>
    </message>
    <message>
        <source>Daten wurden nicht gesendet: Register %1 enthält keine gültigen Registerstellen.</source>
        <translation>Nothing was sent: register %1 does not hold valid register digits.</translation>
    </message>
    <message>
        <source>Für Versionsbezeichnung muss zunächst eine Verbindung zum Quarn hergestellt werden.</source>
        <translation>To show the version, a connection to the Quarn must be established first.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnhinweis!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Datei konnte nicht gelesen werden.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>Datei konnte nicht gespeichert werden.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>Nicht alle Register konnten aus Datei gelesen werden.</source>
        <translation>Not all registers could be read from the file.</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine Dezimalzahl ein!</source>
        <translation>Please enter a decimal number!</translation>
    </message>
    <message>
        <source>Ein eingegebener Wert ist zu hoch/niedrig.</source>
        <translation>An entered value is too high/low.</translation>
    </message>
    <message>
        <source>Kein str8bit erhalten!</source>
        <translation>No str8bit received!</translation>
    </message>
    <message>
        <source>Fehler bei Erstellung von str8bit!</source>
        <translation>Error creating str8bit!</translation>
    </message>
    <message>
        <source>Errechneter Reg-Wert zu groß!</source>
        <translation>Calculated register value too large!</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine gültige Registernummer ein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (0-199 , 300-499 , 600-799)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte geben Sie eine Zahl zwischen 0 und 199 ein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur hexadezimale Zahlen (0-F) können in die Registerstellen programmiert werden!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTree</name>
    <message>
        <source>Tonrufsystem</source>
        <translation>Tone call system</translation>
    </message>
    <message>
        <source>Rufgeber</source>
        <translation>Call encoder</translation>
    </message>
    <message>
        <source>Zielrufe</source>
        <translation>Target calls</translation>
    </message>
    <message>
        <source>Standardquittung</source>
        <translation>Standard acknowledgement</translation>
    </message>
    <message>
        <source>Intercomtonfolge</source>
        <translation>Intercom sequence</translation>
    </message>
    <message>
        <source>Auswertefunktionen</source>
        <translation>Evaluation functions</translation>
    </message>
    <message>
        <source>Decoder 1-10</source>
        <translation>Decoders 1-10</translation>
    </message>
    <message>
        <source>Referenzwerte für Tonfolgeauswertung</source>
        <translation>Reference values for sequence evaluation</translation>
    </message>
    <message>
        <source>Kennungsauswertung</source>
        <translation>Identifier evaluation</translation>
    </message>
    <message>
        <source>Schlüsseltöne für Muting / Druckerausgabe</source>
        <translation>Key tones for muting / printer output</translation>
    </message>
    <message>
        <source>KR517bD Alarmauswerter</source>
        <translation>KR517bD alarm evaluator</translation>
    </message>
    <message>
        <source>Sammelrufauswerter</source>
        <translation>Group-call evaluator</translation>
    </message>
    <message>
        <source>Lautsprecherkonfiguration</source>
        <translation>Speaker configuration</translation>
    </message>
    <message>
        <source>RS232-Ausgaben</source>
        <translation>RS232 output</translation>
    </message>
    <message>
        <source>Druckerparameter</source>
        <translation>Printer parameters</translation>
    </message>
    <message>
        <source>RS232-Parameter</source>
        <translation>RS232 parameters</translation>
    </message>
    <message>
        <source>Kanalschaltung</source>
        <translation>Channel switching</translation>
    </message>
    <message>
        <source>Konfiguration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Scannerfunktion</source>
        <translation>Scanner function</translation>
    </message>
    <message>
        <source>Squelch-Konfiguration</source>
        <translation>Squelch configuration</translation>
    </message>
    <message>
        <source>FFSK-Modus (+ FMS)</source>
        <translation>FFSK mode (+ FMS)</translation>
    </message>
    <message>
        <source>Konfiguration Ein-/Ausgänge</source>
        <translation>Inputs/outputs configuration</translation>
    </message>
    <message>
        <source>Pilotton</source>
        <translation>Pilot tone</translation>
    </message>
    <message>
        <source>Radio-Mute</source>
        <translation>Radio mute</translation>
    </message>
    <message>
        <source>Roger-Beep</source>
        <translation>Roger beep</translation>
    </message>
    <message>
        <source>Allgemeine Konfiguration</source>
        <translation>General configuration</translation>
    </message>
    <message>
        <source>Funktionsprogrammierung</source>
        <translation>Function programming</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Eingänge</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>LEDs</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>User-Passwort</source>
        <translation>User password</translation>
    </message>
    <message>
        <source>Einzelnes Register lesen/schreiben</source>
        <translation>Read/write single register</translation>
    </message>
    <message>
        <source>DTMF-Konfiguration</source>
        <translation>DTMF configuration</translation>
    </message>
    <message>
        <source>Kontrolltasten</source>
        <translation>Control keys</translation>
    </message>
    <message>
        <source>Beginnruf</source>
        <translation>Start call</translation>
    </message>
    <message>
        <source>Schlussruf</source>
        <translation>End call</translation>
    </message>
    <message>
        <source>Durchwahl (Tel -&gt; Funk)</source>
        <translation>Direct dialling (phone -&gt; radio)</translation>
    </message>
    <message>
        <source>Konfiguration Telefonmode</source>
        <translation>Telephone mode configuration</translation>
    </message>
    <message>
        <source>Tastenprogrammierung (im Telefon-Mode)</source>
        <translation>Key programming (telephone mode)</translation>
    </message>
    <message>
        <source>Geber/Auswerter (Telefon)</source>
        <translation>Encoders/evaluators (telephone)</translation>
    </message>
    <message>
        <source>Amtstonauswerter</source>
        <translation>Dial-tone evaluator</translation>
    </message>
    <message>
        <source>DTMF Geber/Auswerter</source>
        <translation>DTMF encoder/evaluator</translation>
    </message>
    <message>
        <source>Impulswahl-Geber</source>
        <translation>Pulse-dialling encoder</translation>
    </message>
    <message>
        <source>&quot;Ring&quot;-Auswerter</source>
        <translation>&quot;Ring&quot; evaluator</translation>
    </message>
    <message>
        <source>Pilotton Geber/Auswerter</source>
        <translation>Pilot tone encoder/evaluator</translation>
    </message>
    <message>
        <source>Eingangspegel Telefon</source>
        <translation>Telephone input level</translation>
    </message>
    <message>
        <source>Konfiguration Telefon (LX4410C)</source>
        <translation>Telephone configuration (LX4410C)</translation>
    </message>
    <message>
        <source>NF-Delay</source>
        <translation>AF delay</translation>
    </message>
    <message>
        <source>VOX-Konfiguration</source>
        <translation>VOX configuration</translation>
    </message>
    <message>
        <source>Sonstige NF-Ausgabepegel</source>
        <translation>Other AF output levels</translation>
    </message>
    <message>
        <source>Kurzwahlspeicher programmieren</source>
        <translation>Program short-dial memory</translation>
    </message>
</context>
<context>
    <name>quarn::AboutBox</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Programmiersoftware für Quarn 7k/8k, Version %1</source>
        <translation>Programming software for Quarn 7k/8k, version %1</translation>
    </message>
    <message>
        <source>Diese Software ist für Quarn 7k/8k ab Gerätesoftware-Version 3.20 bestimmt.
Ältere Geräte können mit dieser Software nicht programmiert werden.</source>
        <translation>This software serves Quarn 7k/8k units from unit software version 3.20 on.
Older units cannot be programmed with this software.</translation>
    </message>
    <message>
        <source>Geräte mit Sondersoftware können über &quot;Einzelnes Register lesen/schreiben&quot; angepasst werden.</source>
        <translation>Units with special software can be adapted with &quot;Read/write single register&quot;.</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quarn-Programmiersoftware</source>
        <translation>Copyright (C) 2026 Quarn programming software</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quarn::Binder</name>
    <message>
        <source>Geben Sie nur Hex-Ziffern (0-9, A-F) ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie nicht mehr als %1 Zeichen ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie genau %1 Hex-Ziffern (0-9, A-F) ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie mindestens %1 Hex-Ziffern (0-9, A-F) ein.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::CHexEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::CQuarn7k8kDlg</name>
    <message>
        <source>Programmiersoftware für Quarn 7k/8k</source>
        <translation>Programming software for Quarn 7k/8k</translation>
    </message>
    <message>
        <source>Grundeinstellungen Quarn 7k/8k</source>
        <translation>Base settings Quarn 7k/8k</translation>
    </message>
    <message>
        <source>Werkseinstellungen</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <source>-&gt; Telefoninterface</source>
        <translation>-&gt; Telephone interface</translation>
    </message>
    <message>
        <source>-&gt; Grundeinstellungen</source>
        <translation>-&gt; Base settings</translation>
    </message>
    <message>
        <source>Verbindung mit Quarn</source>
        <translation>Connection with Quarn</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Verbindung herstellen</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Daten lesen</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Daten senden</source>
        <translation>Send data</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Hilfe...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>Version des Quarns...</source>
        <translation>Quarn version...</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Änderungen Speichern</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Wollen Sie vor dem Werksreset die momentanen Einstellungen speichern?</source>
        <translation>Do you want to save the current settings before the factory reset?</translation>
    </message>
    <message>
        <source>Alle Register des Telefoninterface (inkl. TIM) auf Werkseinstellungen zurücksetzen?</source>
        <translation>Reset all registers of the telephone interface (incl. TIM) to factory settings?</translation>
    </message>
    <message>
        <source>Alle Register des Quarn-EEPROMs auf Werkseinstellungen zurücksetzen?</source>
        <translation>Reset all registers of the Quarn EEPROM to factory settings?</translation>
    </message>
    <message>
        <source>Einstellungen Telefoninterface</source>
        <translation>Telephone interface settings</translation>
    </message>
    <message>
        <source>Wichtiger Hinweis</source>
        <translation>Important note</translation>
    </message>
    <message>
        <source>Wählen Sie am Quarn bitte erneut &quot;PC-Verbindung&quot; aus und bestätigen Sie dann dieses Fenster mit &quot;OK&quot;!</source>
        <translation>Please select &quot;PC-Verbindung&quot; at the Quarn again and then confirm this window with &quot;OK&quot;!</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>gespeichert in: </source>
        <translation>saved in: </translation>
    </message>
    <message>
        <source>Wollen Sie vor dem Schließen der Anwendung die momentanen Einstellungen speichern?</source>
        <translation>Do you want to save the current settings before closing the application?</translation>
    </message>
    <message>
        <source>Hilfe: Programmiersoftware Quarn 7k/8k</source>
        <translation>Help: Programming software Quarn 7k/8k</translation>
    </message>
    <message>
        <source>Um eine Verbindung zum PC herstellen zu können, muss im Menü des Quarns &quot;PC-Verbindung&quot; ausgewählt sein (&quot;*&quot; + &quot;#&quot; gleichzeitig drücken und mit &quot;F3&quot; auswählen).
Lesen Sie bitte vor dem Ändern der Einstellungen die aktuellen Geräteeinstellungen aus oder laden Sie zuvor gespeicherte Einstellungen über &quot;Datei&quot;-&gt;&quot;Öffnen&quot;.
So lange keine sinnvollen Einstellungen geladen wurden, ist die Schaltfläche &quot;Daten senden&quot; deaktiviert, um ein versehentliches Überschreiben der bisherigen Einstellungen zu verhindern.

Vorgenommene Einstellungen können über &quot;Datei&quot;-&gt;&quot;Speichern&quot; als Datei für die spätere Wiederherstellung gesichert werden.</source>
        <translation>To connect to the PC, &quot;PC-Verbindung&quot; must be selected in the menu of the Quarn (press &quot;*&quot; + &quot;#&quot; together and select with &quot;F3&quot;).
Before changing settings, please read the current unit settings or load previously saved settings with &quot;File&quot;-&gt;&quot;Open&quot;.
As long as no meaningful settings have been loaded, the button &quot;Send data&quot; is disabled to prevent overwriting the previous settings by mistake.

Settings made can be saved as a file for later restoration with &quot;File&quot;-&gt;&quot;Save&quot;.</translation>
    </message>
</context>
<context>
    <name>quarn::DECODERKONFIG</name>
    <message>
        <source>Decoder-Konfiguration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decoder ist aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihre Eingabe im Feld &quot;Tonfolge&quot; enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe: Decoderkonfiguration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeder der zehn Decoder erkennt eine Tonfolge im eingestellten ID-Mode. Mit &quot;F&quot; wird eine Stelle codiert, an der jeder Ton erkannt wird.
Wird die Tonfolge erkannt, kann der Quarn mit einem Weckton gewählter Dauer und Lautstärke, einer geänderten Anruflautstärke für eine bestimmte Zeit, dem Schalten eines Schaltausgangs (dauerhaft oder für eine Zeit), einer Quittung sowie dem Einschalten des Lautsprechers und/oder einer blinkenden LED reagieren.
X-Tonfolgen können als Notruf behandelt werden; dann wird die eingestellte Anzahl Stellen von rechts angezeigt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::DecimalFractionEdit</name>
    <message>
        <source>Geben Sie nicht mehr als %1 Zeichen ein.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::Decoder</name>
    <message>
        <source>Decoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe: Decoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier erhalten Sie eine Übersicht über die momentanen Einstellungen der vorhandenen Decoder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über die Schaltflächen auf der linken Seite der Tabelle können die Einstellungen der einzelnen Decoder geändert werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::EinzelnesRegister</name>
    <message>
        <source>Einzelnes Register lesen/schreiben</source>
        <translation type="unfinished">Read/write single register</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registernummer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe: Einzelnes Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einzelnes Register Lesen/Schreiben:

Hier kann gezielt ein EEPROM-Register im Quarn 7k/8k verändert
werden. Diese Funktion ist hauptsächlich für Sondersoftware gedacht
oder wenn eine aktuelle Softwareversion neue Funktionen enthält, die
durch die Programmiersoftware noch nicht unterstützt werden.

ACHTUNG: Ändern Sie nur Registerstellen, deren Funktion Sie genau
kennen. Sonst können Fehlfunktionen des Quarn die Folge sein.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::Ffsk</name>
    <message>
        <source>FFSK-Modus (+FMS)</source>
        <translation>FFSK mode (+FMS)</translation>
    </message>
    <message>
        <source>Tonfolge-Modus</source>
        <translation>Tone-sequence mode</translation>
    </message>
    <message>
        <source>FFSK-Modus</source>
        <translation>FFSK mode</translation>
    </message>
    <message>
        <source>FFSK-Unterdrückung</source>
        <translation>FFSK suppression</translation>
    </message>
    <message>
        <source>FFSK-Kennung bei Beginn PTT</source>
        <translation>FFSK identifier at start of PTT</translation>
    </message>
    <message>
        <source>FFSK-Kennung bei Ende PTT</source>
        <translation>FFSK identifier at end of PTT</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>1-stellig</source>
        <translation>1 digit</translation>
    </message>
    <message>
        <source>2-stellig</source>
        <translation>2 digits</translation>
    </message>
    <message>
        <source>Die Zeichenzahl des angegebenen Startstatus stimmt nicht mit der darüber befindlichen Auswahl überein! Bitte ändern Sie die Eingaben entsprechend.</source>
        <translation>The number of characters of the start status does not match the selection above it! Please change your entries accordingly.</translation>
    </message>
    <message>
        <source>Startstatus nach Einschalten:</source>
        <translation>Start status after switching on:</translation>
    </message>
    <message>
        <source>FFSK-Notruf deaktiviert</source>
        <translation>FFSK emergency call disabled</translation>
    </message>
    <message>
        <source>FFSK-Notruf mit BAK = F</source>
        <translation>FFSK emergency call with BAK = F</translation>
    </message>
    <message>
        <source>FFSK-Notruf bei BAK = F und</source>
        <translation>FFSK emergency call with BAK = F and</translation>
    </message>
    <message>
        <source>definierter Tonfolge:</source>
        <translation>defined sequence:</translation>
    </message>
    <message>
        <source>Tonfolge:</source>
        <translation>Sequence:</translation>
    </message>
    <message>
        <source>Grenznummer Tonfolge / FFSK:</source>
        <translation>Limit number tone sequence / FFSK:</translation>
    </message>
    <message>
        <source>Wenn Rufnummer &gt; Grenznummer:</source>
        <translation>If call number &gt; limit number:</translation>
    </message>
    <message>
        <source>Rautenkennzeichen:</source>
        <translation>&quot;#&quot; identifier:</translation>
    </message>
    <message>
        <source>Betriebsartenkennzeichen</source>
        <translation>Operating-mode identifier</translation>
    </message>
    <message>
        <source>(BAK) für Rufauswertung:</source>
        <translation>(BAK) for call evaluation:</translation>
    </message>
    <message>
        <source>Statuskonfiguration (FFSK oder FMS)</source>
        <translation>Status configuration (FFSK or FMS)</translation>
    </message>
    <message>
        <source>FMS: Status-Anzeigezeit</source>
        <translation>FMS: status display time</translation>
    </message>
    <message>
        <source>virtueller Status 5 (1-15s)</source>
        <translation>virtual status 5 (1-15s)</translation>
    </message>
    <message>
        <source>virtueller Status 9 (1-15s)</source>
        <translation>virtual status 9 (1-15s)</translation>
    </message>
    <message>
        <source>FFSK-Notruf</source>
        <translation>FFSK emergency call</translation>
    </message>
    <message>
        <source>ID-Mode</source>
        <translation>ID mode</translation>
    </message>
    <message>
        <source>Hilfe: FFSK-Modus (+FMS)</source>
        <translation>Help: FFSK mode (+FMS)</translation>
    </message>
    <message>
        <source>Der Quarn 7k/8k kann neben der gewöhnlichen Tonfolgesignalisierung auch FFSK-Signale senden und auswerten.
Liegt die gewählte Rufnummer über der einstellbaren dreistelligen Grenznummer, wird standardmäßig im Tonfolge-Modus gesendet, darunter im FFSK-Modus; dies lässt sich umkehren. Die Decoder brauchen keine Unterscheidung, da sie Tonfolgen und FFSK-Telegramme gleichzeitig erkennen.
Hier wird das zu sendende Rautenkennzeichen eingestellt. Die Decoder werten unabhängig von Status und Rautenkennzeichen aus, solange das Telegramm das eingestellte Betriebsartenkennzeichen (BAK) trägt.
Die Statuskonfiguration gilt für FFSK und FMS; für FFSK sollte ein einstelliger Status gewählt werden. Die Anzeigezeit eines empfangenen FMS-Status wird hier eingestellt.
Der FFSK-Notruf kann für alle Telegramme mit BAK = F freigegeben werden (alle 5 Stellen werden angezeigt: Herstellerkennung und Rufnummer) oder für Telegramme mit einer definierten Tonfolge (nur die mit &quot;F&quot; codierten Stellen werden angezeigt). Die übrigen Notruf-Einstellungen entsprechen denen der Standard-Decoder.</source>
        <translation>Besides ordinary tone-sequence signalling the Quarn 7k/8k can send and evaluate FFSK signals.
If the dialled number is above the settable three-digit limit number, the call goes out in tone-sequence mode by default, below it in FFSK mode; this can be reversed. The decoders need no distinction, as they recognise tone sequences and FFSK telegrams at the same time.
The &quot;#&quot; identifier to send is set here. The decoders evaluate regardless of status and &quot;#&quot; identifier as long as the telegram carries the set operating-mode identifier (BAK).
The status configuration serves FFSK and FMS; for FFSK a one-digit status should be chosen. The display time of a received FMS status is set here.
The FFSK emergency call can be enabled for all telegrams with BAK = F (all 5 digits are shown: manufacturer identifier and call number) or for telegrams with a defined sequence (only the positions coded &quot;F&quot; are shown). The other emergency-call settings are those of the standard decoders.</translation>
    </message>
</context>
<context>
    <name>quarn::InOutputs</name>
    <message>
        <source>Konfiguration Ein-/Ausgänge</source>
        <translation type="unfinished">Inputs/outputs configuration</translation>
    </message>
    <message>
        <source>keine Funktion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingang, low aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingang, high aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgang Fremdtastung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgang invertiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein-/Ausgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe: Ein-/Ausgänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier werden die Pins 1-7 an Buchse &quot;I/O&quot; als Ein- oder Ausgänge konfiguriert. Eingänge können als low oder high aktiv eingestellt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ausgänge schalten generell nach GND, können aber invertiert werden (schalten nach GND, wenn nicht aktiv).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll ein Pin als Ausgang konfiguriert, gleichzeitig aber auch zurückgelesen werden, so ist dieser als &quot;Ausgang Fremdtastung&quot; zu konfigurieren.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::IntegerEdit</name>
    <message>
        <source>Geben Sie eine ganze Zahl ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::Intercomtonfolge</name>
    <message>
        <source>Intercomtonfolge</source>
        <translation>Intercom sequence</translation>
    </message>
    <message>
        <source>Ihre Eingabe im Feld &quot;Tonfolge&quot; enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.</source>
        <translation>Your entry in the field &quot;Sequence&quot; has fewer digits than your selection requires.</translation>
    </message>
    <message>
        <source>Intercomtonfolge:</source>
        <translation>Intercom sequence:</translation>
    </message>
    <message>
        <source>Hilfe: Intercomtonfolge</source>
        <translation>Help: Intercom sequence</translation>
    </message>
    <message>
        <source>Diese Tonfolge wird verwendet, um Intercom zu aktivieren. Hierbei erfolgt bei 2-Drahtanbindung des Funkgeräts die Kommunikation ausschließlich zwischen parallel geschalteten Quarnen.</source>
        <translation>This sequence is used to activate intercom. With a 2-wire connection of the radio, communication then takes place only between Quarn units connected in parallel.</translation>
    </message>
</context>
<context>
    <name>quarn::KR517bD</name>
    <message>
        <source>KR517bD Alarmauswerterkonfiguration</source>
        <translation>KR517bD alarm evaluator configuration</translation>
    </message>
    <message>
        <source>mit Pilotton</source>
        <translation>with pilot tone</translation>
    </message>
    <message>
        <source>ohne Pilotton</source>
        <translation>without pilot tone</translation>
    </message>
    <message>
        <source>ohne Pilotton, ohne TX</source>
        <translation>without pilot tone, without TX</translation>
    </message>
    <message>
        <source>Alarmabfrage beim Einschalten</source>
        <translation>Alarm query at switch-on</translation>
    </message>
    <message>
        <source>Quittung senden</source>
        <translation>Send acknowledgement</translation>
    </message>
    <message>
        <source>Bestätigung durch #-Taste</source>
        <translation>Confirmation by &quot;#&quot; key</translation>
    </message>
    <message>
        <source>s (1-15)</source>
        <translation>s (1-15)</translation>
    </message>
    <message>
        <source>Alarmtonfolge: Stellen 1-4</source>
        <translation>Alarm sequence: digits 1-4</translation>
    </message>
    <message>
        <source>Sendertastung bei Quittung/Abfrage</source>
        <translation>Transmitter keying for acknowledgement/query</translation>
    </message>
    <message>
        <source>Anzeigezeit</source>
        <translation>Display time</translation>
    </message>
    <message>
        <source>Weckton bei Alarm</source>
        <translation>Alarm tone on alarm</translation>
    </message>
</context>
<context>
    <name>quarn::KanFernKonfig</name>
    <message>
        <source>Konfiguration Kanalschaltung</source>
        <translation>Channel switching configuration</translation>
    </message>
    <message>
        <source>Letzten Kanal speichern</source>
        <translation>Store last channel</translation>
    </message>
    <message>
        <source>keine Kanalwahl</source>
        <translation>no channel selection</translation>
    </message>
    <message>
        <source>Kanalwahl einstellig</source>
        <translation>channel selection, one digit</translation>
    </message>
    <message>
        <source>Kanalwahl zweistellig</source>
        <translation>channel selection, two digits</translation>
    </message>
    <message>
        <source>Kanalwahl einstellig mit ständiger Anzeige</source>
        <translation>channel selection, one digit, permanently displayed</translation>
    </message>
    <message>
        <source>Kanalwahl zweistellig mit ständiger Anzeige</source>
        <translation>channel selection, two digits, permanently displayed</translation>
    </message>
    <message>
        <source>Kanalausgabe TRC</source>
        <translation>Channel output TRC</translation>
    </message>
    <message>
        <source>Kanalausgabe dezimal</source>
        <translation>Channel output decimal</translation>
    </message>
    <message>
        <source>Kanalausgabe binär-1</source>
        <translation>Channel output binary-1</translation>
    </message>
    <message>
        <source>Kanalausgabe binär</source>
        <translation>Channel output binary</translation>
    </message>
    <message>
        <source>Kanalausgabe 2xBCD</source>
        <translation>Channel output 2xBCD</translation>
    </message>
    <message>
        <source>Kanalfernschaltung mit Pilotton</source>
        <translation>Remote channel switching with pilot tone</translation>
    </message>
    <message>
        <source>KFS ohne Pilotton</source>
        <translation>RCS without pilot tone</translation>
    </message>
    <message>
        <source>KFS ohne Pilotton, ohne TX</source>
        <translation>RCS without pilot tone, without TX</translation>
    </message>
    <message>
        <source>Kanalausgabe normal</source>
        <translation>Channel output normal</translation>
    </message>
    <message>
        <source>Kanalausgabe invertiert</source>
        <translation>Channel output inverted</translation>
    </message>
    <message>
        <source>Anzahl Kanalbits (0-7):</source>
        <translation>Number of channel bits (0-7):</translation>
    </message>
    <message>
        <source>Erwartete Kanalquittung:</source>
        <translation>Expected channel acknowledgement:</translation>
    </message>
    <message>
        <source>normal (BCDxy)</source>
        <translation>normal (BCDxy)</translation>
    </message>
    <message>
        <source>Quarn9 (CBDxy)</source>
        <translation>Quarn9 (CBDxy)</translation>
    </message>
    <message>
        <source>Fixstellen für Fernschalttonfolge (3 Stellen):</source>
        <translation>Fixed digits of the remote switching sequence (3 digits):</translation>
    </message>
    <message>
        <source>Einschaltkanal:</source>
        <translation>Channel at switch-on:</translation>
    </message>
    <message>
        <source>Bereich der Kanalwahl</source>
        <translation>Range of channel selection</translation>
    </message>
    <message>
        <source>kleinster wählbarer Kanal:</source>
        <translation>lowest selectable channel:</translation>
    </message>
    <message>
        <source>größter wählbarer Kanal:</source>
        <translation>highest selectable channel:</translation>
    </message>
    <message>
        <source>Kanalwahl</source>
        <translation>Channel selection</translation>
    </message>
    <message>
        <source>Modus Kanalschaltung </source>
        <translation>Channel switching mode </translation>
    </message>
    <message>
        <source>Konfiguration Kanalfernschaltung</source>
        <translation>Remote channel switching configuration</translation>
    </message>
    <message>
        <source>Hilfe: Kanalschaltung</source>
        <translation>Help: Channel switching</translation>
    </message>
    <message>
        <source>Der Kanal nach dem Einschalten kann festgelegt werden, oder der zuletzt aktive Kanal wird beibehalten. Die wählbaren Kanäle lassen sich auf einen Bereich beschränken, und der Kanal kann ein- oder zweistellig eingegeben werden.
Bei TRC wird der Kanal durch die Frequenz eines Tons gewählt, der zu Beginn jeder Sendung gesendet wird.
Für die direkte Kanalschaltung über Kanalbits gibt es vier Arten: &quot;dezimal&quot; (jede von bis zu 7 Leitungen steht für einen Kanal), &quot;binär&quot;, &quot;binär-1&quot; (binär um eins verschoben, Kanal 1 = binär 0) und &quot;2xBCD&quot; (zwei BCD-Ziffern, höchstens Kanal 0-79). Die Ausgänge lassen sich insgesamt invertieren. Es müssen genügend Kanalbits gewählt und die Ausgänge unter &quot;Konfiguration Ein-/Ausgänge&quot; entsprechend konfiguriert werden.
Bei der Kanalfernschaltung durch einen Ruf können die ersten 3 Stellen der Fernschalttonfolge geändert werden.</source>
        <translation>The channel after switching on can be defined, or the last active channel is kept. The selectable channels can be limited to a range, and the channel can be entered with one or two digits.
With TRC the channel is chosen by the frequency of a tone sent at the start of each transmission.
Direct channel switching by channel bits comes in four kinds: &quot;decimal&quot; (each of up to 7 lines stands for one channel), &quot;binary&quot;, &quot;binary-1&quot; (binary shifted by one, channel 1 = binary 0) and &quot;2xBCD&quot; (two BCD digits, at most channel 0-79). The outputs can be inverted as a whole. Enough channel bits must be chosen and the outputs configured accordingly under &quot;Inputs/outputs configuration&quot;.
For remote channel switching by a call, the first 3 digits of the remote switching sequence can be changed.</translation>
    </message>
</context>
<context>
    <name>quarn::ReactionSettings</name>
    <message>
        <source>Quittung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eigene Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangene Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zusätzliche 5-Tonfolge bei FFSK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lautsprecher / LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Reaktion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lautsprecher an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED blinkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lautsprecher an &amp; LED blinkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weckton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600/675 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800/900 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000/1125 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700/875 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>900/1125 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1100/1375 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500/750 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000/1500 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700/1283 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wie Telefon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600/675 Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800/900 Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000/1125 Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700/875 Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>900/1125 Hz (10x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wecktontyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wecktondauer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s (0,0 - 3,0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wecktonlautstärke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anruflautstärke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dauer Anruflautstärke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s (0 - 15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schaltausgang schalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein für</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s (1-13)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgang Nr.(0 = keiner):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behandlung von X-Tonrufen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normaler Ruf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notruf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellen von rechts anzeigen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::Rufgeber</name>
    <message>
        <source>Rufgeber</source>
        <translation type="unfinished">Call encoder</translation>
    </message>
    <message>
        <source>Ihre Eingaben in den Feldern &quot;Tonfolge&quot; und/oder &quot;Kennung&quot; enthalten weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senden geschieht mittels Ruftaste (Standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruf automatisch senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Töne in der X-Tonfolge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rufzusammensetzung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonlänge des ersten Tons (ms):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonlänge der weiteren Töne (ms):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge einer Pause (ms):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe: Rufgeber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier werden die Parameter für das Tonfolgesenden eingestellt.
Je nach ID-Mode wird die zu sendende Tonfolge in das Feld &quot;Tonfolge&quot; eingegeben; mit &quot;F&quot; werden die Stellen codiert, die am Quarn eingegeben werden.
In das Feld &quot;Kennung&quot; wird die passende Anzahl Kennungsstellen eingetragen. X-Tonfolgen haben 3 bis 7 Töne.
Der Ruf kann automatisch gesendet werden, sobald die letzte nötige Stelle am Quarn eingegeben wurde.
Das Häkchen &quot;Senden geschieht mittels Ruftaste (Standard)&quot; ist zu entfernen, wenn eine andere Taste als die Ruftaste bestimmte Tonfolgen senden soll. Dann werden im ID-Mode &quot;wie bei Taste programmiert&quot; alle 7 Eingabestellen angezeigt, und der an der sendenden Taste programmierte ID-Mode entscheidet, welche davon codiert sein müssen.
Außerdem werden hier die Längen der Töne und der Pause eingestellt. Standarmäßig betragen diese in allen Fällen 70 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieses Häkchen muss NUR DANN entfernt werden, wenn eine andere Taste als die Ruftaste zum Tonfolgesenden verwendet werden soll!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie das Häkchen wirklich entfernen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::Sammelrufauswerter</name>
    <message>
        <source>Konfiguration für Sammelrufauswerter</source>
        <translation>Group-call evaluator configuration</translation>
    </message>
    <message>
        <source>Sammelrufauswerter ist aktiv</source>
        <translation>Group-call evaluator is active</translation>
    </message>
    <message>
        <source>Ton aus Tontabelle (0-E):</source>
        <translation>Tone from tone table (0-E):</translation>
    </message>
    <message>
        <source>Ruf 1</source>
        <translation>Call 1</translation>
    </message>
    <message>
        <source>Ruf 2</source>
        <translation>Call 2</translation>
    </message>
    <message>
        <source>Sammelrufton</source>
        <translation>Group-call tone</translation>
    </message>
    <message>
        <source>Hilfe: Sammelrufauswerter</source>
        <translation>Help: Group-call evaluator</translation>
    </message>
    <message>
        <source>Der gewählte Sammelrufton (bzw. Ruf1 oder Ruf2) muss mindestens eine Sekunde lang erkannt werden, um ausgewertet zu werden.
Nach einer erfolgreichen Auswertung kann der Quarn mit einem Weckton gewählter Dauer und Lautstärke, einer neuen Lautstärke für eine bestimmte Zeit, dem dauerhaften oder zeitweisen Umschalten eines Schaltausgangs, einer Quittung sowie dem Einschalten des Lautsprechers reagieren.</source>
        <translation>The chosen group-call tone (or Call1 or Call2) must be recognised for at least one second to be evaluated.
After a successful evaluation the Quarn can react with an alarm tone of chosen duration and volume, a new volume for a certain time, a permanent or timed change of a switching output, an acknowledgement, and switching on the speaker.</translation>
    </message>
    <message>
        <source>Bitte geben Sie im Feld &quot;Ton aus Tontabelle (0-E):&quot; einen Ton von 0 bis E ein.</source>
        <translation>Please enter a tone from 0 to E in the field &quot;Tone from tone table (0-E):&quot;.</translation>
    </message>
</context>
<context>
    <name>quarn::Scanner</name>
    <message>
        <source>Scannerkonfiguration</source>
        <translation>Scanner configuration</translation>
    </message>
    <message>
        <source>Scanner aktiv</source>
        <translation>Scanner active</translation>
    </message>
    <message>
        <source>ms Verweilzeit pro Kanal (20-300)</source>
        <translation>ms dwell time per channel (20-300)</translation>
    </message>
    <message>
        <source>Ausschließlich folgende Kanäle scannen:</source>
        <translation>Scan only the following channels:</translation>
    </message>
    <message>
        <source>Scannen von Kanal:</source>
        <translation>Scan from channel:</translation>
    </message>
    <message>
        <source>bis Kanal:</source>
        <translation>to channel:</translation>
    </message>
    <message>
        <source>Scannerstopp bei Träger</source>
        <translation>Scanner stop on carrier</translation>
    </message>
    <message>
        <source>s Scannerwartezeit bei Träger auf Auswertung</source>
        <translation>s scanner wait on carrier for an evaluation</translation>
    </message>
    <message>
        <source>(0,1 - 16,5 s)</source>
        <translation>(0.1 - 16.5 s)</translation>
    </message>
    <message>
        <source>Zu scannende Kanäle</source>
        <translation>Channels to scan</translation>
    </message>
    <message>
        <source>Hilfe: Scannerfunktion</source>
        <translation>Help: Scanner function</translation>
    </message>
    <message>
        <source>Der Scanner durchsucht einen zusammenhängenden Kanalbereich (z. B. Kanal 1-8) oder bis zu 10 frei gewählte Kanäle.
Auf jedem Kanal wartet er mindestens die Verweilzeit. Wird kurz vor deren Ende ein Träger erkannt und ist &quot;Scannerstopp bei Träger&quot; aktiv, bleibt er stehen, sonst wartet er mindestens weitere 100 ms. Wird ein Ton empfangen, hält er für die Scannerwartezeit an und bleibt stehen, wenn in dieser Zeit ein Ruf ausgewertet wird; andernfalls läuft er weiter.
Nach einem ausgewerteten Ruf hält er für die Zeit des Lautsprecher-Timers (&quot;Lautsprecherkonfiguration&quot;) an und wird durch Träger und PTT nachgetriggert.
Gestartet wird er durch Auflegen des Hörers und durch die Funktion &quot;Lautsprecher aus&quot;, ausgeschaltet durch manuelles Einschalten des Lautsprechers.</source>
        <translation>The scanner searches a contiguous range of channels (for example channels 1-8) or up to 10 freely chosen channels.
On each channel it waits at least the dwell time. If a carrier is detected shortly before that time ends and &quot;Scanner stop on carrier&quot; is active, it stops; otherwise it waits at least another 100 ms. If a tone is received, it holds for the scanner waiting time and stops if a call is evaluated meanwhile; otherwise it goes on.
After an evaluated call it holds for the speaker-timer time (&quot;Speaker configuration&quot;) and is retriggered by carrier and PTT.
It is started by hanging up the handset and by the function &quot;Speaker off&quot;, and switched off when the speaker is switched on manually.</translation>
    </message>
</context>
<context>
    <name>quarn::SettingsDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::VolumeSelector</name>
    <message>
        <source>absolute Lautstärke (0...9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset um X Stufen (+0...+5)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarn::Zielrufe</name>
    <message>
        <source>Zielrufe</source>
        <translation>Target calls</translation>
    </message>
    <message>
        <source>Z-Taste wird für alle Zielrufe benutzt (ausgenommen externe)</source>
        <translation>Z key is used for all target calls (except external ones)</translation>
    </message>
    <message>
        <source>Mindestens eine Tonfolge enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.</source>
        <translation>At least one sequence has fewer digits than your selection requires.</translation>
    </message>
    <message>
        <source>Externe Zielrufe</source>
        <translation>External target calls</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>ID-Mode</source>
        <translation>ID mode</translation>
    </message>
    <message>
        <source>Bei einigen Wahlmöglichkeiten wird nach der hier eingegebenen Tonfolge noch eine Kennung (in Klammern) gesendet:</source>
        <translation>With some choices an identifier (in brackets) is sent after the sequence entered here:</translation>
    </message>
    <message>
        <source>Doppelsequenzen: X Töne (+X Töne)</source>
        <translation>Double sequences: X tones (+X tones)</translation>
    </message>
    <message>
        <source>6-Tonfolge: 5 Töne (+1 Ton)</source>
        <translation>6-tone sequence: 5 tones (+1 tone)</translation>
    </message>
    <message>
        <source>7-Tonfolge: 5 Töne (+2 Töne)</source>
        <translation>7-tone sequence: 5 tones (+2 tones)</translation>
    </message>
    <message>
        <source>8-Tonfolge: 5 Töne (+3 Töne)</source>
        <translation>8-tone sequence: 5 tones (+3 tones)</translation>
    </message>
    <message>
        <source>Die Kennung sowie die Anzahl der Töne in X-Tonfolgen wird im Fenster &quot;Rufgeber&quot; definiert.</source>
        <translation>The identifier and the number of tones in X-tone sequences are defined in the window &quot;Call encoder&quot;.</translation>
    </message>
    <message>
        <source>Zeit (in s), nach der ein externer Ruf wiederholt wird:</source>
        <translation>Time (in s) after which an external call is repeated:</translation>
    </message>
    <message>
        <source>Hilfe: Zielrufe</source>
        <translation>Help: Target calls</translation>
    </message>
    <message>
        <source>Die Zielrufe 0-9 werden standardmäßig alle mit der Z-Taste und ihrer Nummer verschickt. Solange dies so ist, lässt die Eingabemaske auch bei &quot;wie bei Taste programmiert&quot; nur die passende Anzahl Ziffern zu.
Sollen einzelne Zielrufe mit einer anderen Taste verschickt werden, muss das Häkchen &quot;Z-Taste wird für alle Zielrufe benutzt (ausgenommen externe)&quot; entfernt werden.
Die externen Zielrufe werden mit einer anderen, speziell dafür programmierten Taste oder einem dafür programmierten Eingang ausgewählt.</source>
        <translation>By default the target calls 0-9 are all sent with the Z key and their number. As long as this is so, the entry mask admits only the matching number of digits, even for &quot;as programmed at the key&quot;.
If single target calls are to be sent with another key, the tick &quot;Z key is used for all target calls (except external ones)&quot; must be removed.
The external target calls are chosen with another key programmed especially for them, or with an input programmed for them.</translation>
    </message>
    <message>
        <source>Dieses Häkchen muss NUR DANN entfernt werden, wenn nicht alle Zielrufe 0-9 mit der Z-Taste verschickt werden sollen!!</source>
        <translation>Remove this tick ONLY IF not all target calls 0-9 are to be sent with the Z key!!</translation>
    </message>
    <message>
        <source>Wollen Sie das Häkchen wirklich entfernen?</source>
        <translation>Do you really want to remove the tick?</translation>
    </message>
</context>
</TS>
