<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>DecoderTableText</name>
    <message>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Tone sequence</translation>
    </message>
    <message>
        <source>Weckton</source>
        <translation>Alarm tone</translation>
    </message>
    <message>
        <source>Anruf-LS</source>
        <translation>Call spk</translation>
    </message>
    <message>
        <source>Schaltausgang</source>
        <translation>Switching output</translation>
    </message>
    <message>
        <source>Quittung</source>
        <translation>Acknowledgement</translation>
    </message>
    <message>
        <source>LS / LED</source>
        <translation>Spk / LED</translation>
    </message>
    <message>
        <source>X-Tonfolge</source>
        <translation>X-tone sequence</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>Spk</translation>
    </message>
    <message>
        <source>Kenn.</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>ohne Kennung</source>
        <translation>without ID</translation>
    </message>
    <message>
        <source>Notruf</source>
        <translation>Emergency call</translation>
    </message>
    <message>
        <source> ZVEI</source>
        <translation> ZVEI</translation>
    </message>
    <message>
        <source> NL</source>
        <translation> NL</translation>
    </message>
    <message>
        <source>600/675Hz</source>
        <translation>600/675Hz</translation>
    </message>
    <message>
        <source>800/900Hz</source>
        <translation>800/900Hz</translation>
    </message>
    <message>
        <source>1000/1125Hz</source>
        <translation>1000/1125Hz</translation>
    </message>
    <message>
        <source>700/875Hz</source>
        <translation>700/875Hz</translation>
    </message>
    <message>
        <source>900/1125Hz</source>
        <translation>900/1125Hz</translation>
    </message>
    <message>
        <source>1100/1375Hz</source>
        <translation>1100/1375Hz</translation>
    </message>
    <message>
        <source>500/750Hz</source>
        <translation>500/750Hz</translation>
    </message>
    <message>
        <source>1000/1500Hz</source>
        <translation>1000/1500Hz</translation>
    </message>
    <message>
        <source>700/1283Hz</source>
        <translation>700/1283Hz</translation>
    </message>
    <message>
        <source>wie Telefon</source>
        <translation>as telephone</translation>
    </message>
    <message>
        <source>600/675Hz (10x)</source>
        <translation>600/675Hz (10x)</translation>
    </message>
    <message>
        <source>800/900Hz (10x)</source>
        <translation>800/900Hz (10x)</translation>
    </message>
    <message>
        <source>1000/1125Hz (10x)</source>
        <translation>1000/1125Hz (10x)</translation>
    </message>
    <message>
        <source>700/875Hz (10x)</source>
        <translation>700/875Hz (10x)</translation>
    </message>
    <message>
        <source>900/1125Hz (10x)</source>
        <translation>900/1125Hz (10x)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>
schaltet Nr. %1</source>
        <translation>
switches no. %1</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>
für %1 Sekunden ein</source>
        <translation>
on for %1 seconds</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Einton</source>
        <translation>Single tone</translation>
    </message>
    <message>
        <source>eigene
Kennung</source>
        <translation>own
ID</translation>
    </message>
    <message>
        <source>empfangene
Kennung</source>
        <translation>received
ID</translation>
    </message>
    <message>
        <source>zus. 5-Tonfolge
(FFSK-Auswertung)</source>
        <translation>add. 5-tone seq.
(FFSK evaluation)</translation>
    </message>
    <message>
        <source>keine Aktion</source>
        <translation>no action</translation>
    </message>
    <message>
        <source>LS ein</source>
        <translation>Spk on</translation>
    </message>
    <message>
        <source>LED blinkt</source>
        <translation>LED flashes</translation>
    </message>
    <message>
        <source>LS ein
LED blinkt</source>
        <translation>Spk on
LED flashes</translation>
    </message>
    <message>
        <source>normaler Ruf</source>
        <translation>normal call</translation>
    </message>
    <message>
        <source>Notruf: %1 Stellen
von rechts anzeigen</source>
        <translation>Emergency call: show %1
digits from the right</translation>
    </message>
</context>
<context>
    <name>IdModeList</name>
    <message>
        <source>5-Tonfolge</source>
        <translation>5-tone sequence</translation>
    </message>
    <message>
        <source>Doppelsequenz Ruf, Kennung (X-Tonfolge)</source>
        <translation>Double sequence call, ID (X-tone sequence)</translation>
    </message>
    <message>
        <source>Doppelsequenz Kennung, Ruf (X-Tonfolge)</source>
        <translation>Double sequence ID, call (X-tone sequence)</translation>
    </message>
    <message>
        <source>6-Tonfolge</source>
        <translation>6-tone sequence</translation>
    </message>
    <message>
        <source>7-Tonfolge</source>
        <translation>7-tone sequence</translation>
    </message>
    <message>
        <source>8-Tonfolge</source>
        <translation>8-tone sequence</translation>
    </message>
    <message>
        <source>4-Tonfolge</source>
        <translation>4-tone sequence</translation>
    </message>
    <message>
        <source>X-Tonfolge</source>
        <translation>X-tone sequence</translation>
    </message>
    <message>
        <source>wie bei Taste programmiert</source>
        <translation>as programmed at the key</translation>
    </message>
    <message>
        <source>X-Tonfolge ohne Kennung</source>
        <translation>X-tone sequence without ID</translation>
    </message>
    <message>
        <source>5-Tonfolge ohne Kennung</source>
        <translation>5-tone sequence without ID</translation>
    </message>
    <message>
        <source>Notruf 5-Tonfolge</source>
        <translation>Emergency call 5-tone sequence</translation>
    </message>
    <message>
        <source>Notruf 5-Tonfolge ZVEI</source>
        <translation>Emergency call 5-tone sequence ZVEI</translation>
    </message>
    <message>
        <source>Notruf 6-Tonfolge NL</source>
        <translation>Emergency call 6-tone sequence NL</translation>
    </message>
    <message>
        <source>Notruf 2x5-Tonfolge (Forstfunk)</source>
        <translation>Emergency call 2x5-tone sequence (forestry radio)</translation>
    </message>
    <message>
        <source>nur Ruf(5-Tonfolge)</source>
        <translation>call only (5-tone sequence)</translation>
    </message>
    <message>
        <source>Doppelsequenz Ruf, Kennung</source>
        <translation>Double sequence call, ID</translation>
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
        <translation>Please enter a valid register number!</translation>
    </message>
    <message>
        <source> (0-199 , 300-499 , 600-799)</source>
        <translation> (0-199 , 300-499 , 600-799)</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine Zahl zwischen 0 und 199 ein!</source>
        <translation>Please enter a number between 0 and 199!</translation>
    </message>
    <message>
        <source>Nur hexadezimale Zahlen (0-F) können in die Registerstellen programmiert werden!</source>
        <translation>Only hexadecimal digits (0-F) can be programmed into the register digits!</translation>
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
    <name>quarn::AMTSTONDECODERTAB</name>
    <message>
        <source>Fortsetzungszeile</source>
        <translation>Continuation line</translation>
    </message>
    <message>
        <source>Freizeichen</source>
        <translation>Ring-back tone</translation>
    </message>
    <message>
        <source>Besetztzeichen</source>
        <translation>Busy tone</translation>
    </message>
    <message>
        <source>unbenutzt</source>
        <translation>unused</translation>
    </message>
    <message>
        <source>Dauer Ton (ms):</source>
        <translation>Tone duration (ms):</translation>
    </message>
    <message>
        <source>Dauer Pause (ms):</source>
        <translation>Pause duration (ms):</translation>
    </message>
    <message>
        <source>-&gt;In nächster Zeile fortsetzen</source>
        <translation>-&gt;Continue in next line</translation>
    </message>
    <message>
        <source>Amtstontyp:</source>
        <translation>Dial-tone type:</translation>
    </message>
    <message>
        <source>Tabelleneintrag Nr.%1 ändern:</source>
        <translation>Change table entry no.%1:</translation>
    </message>
    <message>
        <source>Die nächste Zeile ist nicht zur Benutzung verfügbar.</source>
        <translation>The next line is not available for use.</translation>
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
    <name>quarn::AmtstonAusw</name>
    <message>
        <source>Amtstonauswerter</source>
        <translation>Dial-tone evaluator</translation>
    </message>
    <message>
        <source>%   Toleranz für Amtstondecoder</source>
        <translation>%   Tolerance of the dial-tone decoder</translation>
    </message>
    <message>
        <source>ms  Tondauer für Dauertonauswertung</source>
        <translation>ms  Tone duration for continuous-tone detection</translation>
    </message>
    <message>
        <source>ms  Pausendauer für Keintonauswertung</source>
        <translation>ms  Pause duration for no-tone detection</translation>
    </message>
    <message>
        <source>ms lang auswerten bis Amtstonerkennung an</source>
        <translation>ms evaluate until dial tone detected on</translation>
    </message>
    <message>
        <source>ms   lang nicht auswerten bis Amtstonerk. aus</source>
        <translation>ms   do not evaluate until dial-tone det. off</translation>
    </message>
    <message>
        <source>Min. Pegel für Amtstonerkennung (0-32767)</source>
        <translation>Min. level for dial-tone detection (0-32767)</translation>
    </message>
    <message>
        <source>Ausgabe der erkannten Hörtonzeiten an RS232</source>
        <translation>Output the detected tone times to RS232</translation>
    </message>
    <message>
        <source>Amtstondecodertabelle (Frei- und Besetztzeichen)</source>
        <translation>Dial-tone decoder table (ring-back and busy tones)</translation>
    </message>
    <message>
        <source>Amtstontyp</source>
        <translation>Dial-tone type</translation>
    </message>
    <message>
        <source>Programmierung</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Freizeichen</source>
        <translation>Ring-back tone</translation>
    </message>
    <message>
        <source>Besetztzeichen</source>
        <translation>Busy tone</translation>
    </message>
    <message>
        <source>unbenutzt</source>
        <translation>unused</translation>
    </message>
    <message>
        <source>%1ms Ton, %2ms Pause</source>
        <translation>%1ms tone, %2ms pause</translation>
    </message>
</context>
<context>
    <name>quarn::Binder</name>
    <message>
        <source>Geben Sie nur Hex-Ziffern (0-9, A-F) ein.</source>
        <translation>Enter hex digits (0-9, A-F) only.</translation>
    </message>
    <message>
        <source>Geben Sie nicht mehr als %1 Zeichen ein.</source>
        <translation>Enter no more than %1 characters.</translation>
    </message>
    <message>
        <source>Geben Sie genau %1 Hex-Ziffern (0-9, A-F) ein.</source>
        <translation>Enter exactly %1 hex digits (0-9, A-F).</translation>
    </message>
    <message>
        <source>Geben Sie mindestens %1 Hex-Ziffern (0-9, A-F) ein.</source>
        <translation>Enter at least %1 hex digits (0-9, A-F).</translation>
    </message>
</context>
<context>
    <name>quarn::CHexEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Con&amp;vert</source>
        <translation>Con&amp;vert</translation>
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
        <translation>Decoder configuration</translation>
    </message>
    <message>
        <source>Decoder ist aktiv</source>
        <translation>Decoder is active</translation>
    </message>
    <message>
        <source>Ihre Eingabe im Feld &quot;Tonfolge&quot; enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.</source>
        <translation>Your entry in the field &quot;Tone sequence&quot; has fewer digits than your selection requires.</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Tone sequence</translation>
    </message>
    <message>
        <source>ID-Mode</source>
        <translation>ID mode</translation>
    </message>
    <message>
        <source>Hilfe: Decoderkonfiguration</source>
        <translation>Help: Decoder configuration</translation>
    </message>
    <message>
        <source>Jeder der zehn Decoder erkennt eine Tonfolge im eingestellten ID-Mode. Mit &quot;F&quot; wird eine Stelle codiert, an der jeder Ton erkannt wird.
Wird die Tonfolge erkannt, kann der Quarn mit einem Weckton gewählter Dauer und Lautstärke, einer geänderten Anruflautstärke für eine bestimmte Zeit, dem Schalten eines Schaltausgangs (dauerhaft oder für eine Zeit), einer Quittung sowie dem Einschalten des Lautsprechers und/oder einer blinkenden LED reagieren.
X-Tonfolgen können als Notruf behandelt werden; dann wird die eingestellte Anzahl Stellen von rechts angezeigt.</source>
        <translation>Each of the ten decoders recognises a tone sequence in the ID mode set. &quot;F&quot; codes a digit at which any tone is recognised.
When the tone sequence is recognised, the Quarn can react with an alarm tone of chosen duration and volume, a changed call volume for a certain time, switching a switching output (permanently or for a time), an acknowledgement, and switching on the speaker and/or a flashing LED.
X-tone sequences can be treated as emergency calls; then the set number of digits from the right is shown.</translation>
    </message>
</context>
<context>
    <name>quarn::DTMFAllg</name>
    <message>
        <source>DTMF: Allgemein</source>
        <translation>DTMF: General</translation>
    </message>
    <message>
        <source>(0-F; E=*; F=#)</source>
        <translation>(0-F; E=*; F=#)</translation>
    </message>
    <message>
        <source>Löschtaste </source>
        <translation>Delete key </translation>
    </message>
    <message>
        <source>Endetaste </source>
        <translation>End key </translation>
    </message>
    <message>
        <source>vom Funk</source>
        <translation>from radio</translation>
    </message>
    <message>
        <source>vom Tel</source>
        <translation>from phone</translation>
    </message>
</context>
<context>
    <name>quarn::DTMFBegSchluss</name>
    <message>
        <source>Beginnruf</source>
        <translation>Start call</translation>
    </message>
    <message>
        <source>Schlussruf</source>
        <translation>End call</translation>
    </message>
    <message>
        <source>DTMF: </source>
        <translation>DTMF: </translation>
    </message>
    <message>
        <source> durch DTMF bei Auswertung folgender Töne:</source>
        <translation> by DTMF on evaluating the following tones:</translation>
    </message>
    <message>
        <source>Bestätigungston senden bei DTMF-Beginnruf</source>
        <translation>Send confirmation tone on DTMF start call</translation>
    </message>
</context>
<context>
    <name>quarn::DTMFDurch</name>
    <message>
        <source>DTMF: Durchwahl (Tel -&gt; Funk)</source>
        <translation>DTMF: Direct dialling (phone -&gt; radio)</translation>
    </message>
    <message>
        <source>5-Tonfolge</source>
        <translation>5-tone sequence</translation>
    </message>
    <message>
        <source>Ruf -&gt; Kennung</source>
        <translation>Call -&gt; ID</translation>
    </message>
    <message>
        <source>Kennung -&gt; Ruf</source>
        <translation>ID -&gt; call</translation>
    </message>
    <message>
        <source>6-Tonfolge</source>
        <translation>6-tone sequence</translation>
    </message>
    <message>
        <source>7-Tonfolge</source>
        <translation>7-tone sequence</translation>
    </message>
    <message>
        <source>Ruf mit Endetaste &quot;#&quot; starten</source>
        <translation>Start the call with the end key &quot;#&quot;</translation>
    </message>
    <message>
        <source>Nachtschaltung beim Starten aktiv</source>
        <translation>Night switching active at start</translation>
    </message>
    <message>
        <source>letzten Status Nachtschaltung speichern</source>
        <translation>Keep the last night-switching state</translation>
    </message>
    <message>
        <source>Normalbetrieb</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>ID-Mode</source>
        <translation>ID mode</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Tone sequence</translation>
    </message>
    <message>
        <source>Koppelton bei Doppelsequenz:</source>
        <translation>Coupling tone for double sequences:</translation>
    </message>
    <message>
        <source>Nachtschaltung</source>
        <translation>Night switching</translation>
    </message>
</context>
<context>
    <name>quarn::DTMFga</name>
    <message>
        <source>DTMF Geber/Auswerter</source>
        <translation>DTMF encoder/evaluator</translation>
    </message>
    <message>
        <source>ms   DTMF Tondauer</source>
        <translation>ms   DTMF tone duration</translation>
    </message>
    <message>
        <source>ms   DTMF Pausendauer</source>
        <translation>ms   DTMF pause duration</translation>
    </message>
    <message>
        <source>ms   DTMF Vorlaufdauer</source>
        <translation>ms   DTMF lead time</translation>
    </message>
    <message>
        <source>ms   DTMF Nachlaufdauer</source>
        <translation>ms   DTMF trail time</translation>
    </message>
    <message>
        <source>High-Ton zum Funk</source>
        <translation>High tone to radio</translation>
    </message>
    <message>
        <source>Low-Ton zum Funk</source>
        <translation>Low tone to radio</translation>
    </message>
    <message>
        <source>High-Ton zum Telefon</source>
        <translation>High tone to phone</translation>
    </message>
    <message>
        <source>Low-Ton zum Telefon</source>
        <translation>Low tone to phone</translation>
    </message>
    <message>
        <source>dB   max. Pegelunterschied DTMF low/high</source>
        <translation>dB   max. level difference DTMF low/high</translation>
    </message>
    <message>
        <source>ms   auswerten bis DTMF an</source>
        <translation>ms   evaluate until DTMF on</translation>
    </message>
    <message>
        <source>min. Pegel (0-32767, Faktor 2 = 3dB)</source>
        <translation>min. level (0-32767, factor 2 = 3dB)</translation>
    </message>
    <message>
        <source>DTMF-Geber</source>
        <translation>DTMF encoder</translation>
    </message>
    <message>
        <source>DTMF-Auswerter vom Funk</source>
        <translation>DTMF evaluator from radio</translation>
    </message>
    <message>
        <source>ms   nicht auswerten bis DTMF aus</source>
        <translation>ms   do not evaluate until DTMF off</translation>
    </message>
    <message>
        <source>DTMF-Auswerter vom Telefon</source>
        <translation>DTMF evaluator from phone</translation>
    </message>
    <message>
        <source>ms   auswerten bis DTMF aus</source>
        <translation>ms   evaluate until DTMF off</translation>
    </message>
</context>
<context>
    <name>quarn::DecimalFractionEdit</name>
    <message>
        <source>Geben Sie nicht mehr als %1 Zeichen ein.</source>
        <translation>Enter no more than %1 characters.</translation>
    </message>
</context>
<context>
    <name>quarn::Decoder</name>
    <message>
        <source>Decoder</source>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>Hilfe: Decoder</source>
        <translation>Help: Decoder</translation>
    </message>
    <message>
        <source>Hier erhalten Sie eine Übersicht über die momentanen Einstellungen der vorhandenen Decoder.</source>
        <translation>Here you get an overview of the current settings of the available decoders.</translation>
    </message>
    <message>
        <source>Über die Schaltflächen auf der linken Seite der Tabelle können die Einstellungen der einzelnen Decoder geändert werden.</source>
        <translation>The buttons on the left side of the table change the settings of the individual decoders.</translation>
    </message>
</context>
<context>
    <name>quarn::EinzelnesRegister</name>
    <message>
        <source>Einzelnes Register lesen/schreiben</source>
        <translation>Read/write single register</translation>
    </message>
    <message>
        <source>Lesen</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Schreiben</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Registernummer:</source>
        <translation>Register number:</translation>
    </message>
    <message>
        <source>Inhalt:</source>
        <translation>Content:</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Hilfe: Einzelnes Register</source>
        <translation>Help: Single register</translation>
    </message>
    <message>
        <source>Einzelnes Register Lesen/Schreiben:

Hier kann gezielt ein EEPROM-Register im Quarn 7k/8k verändert
werden. Diese Funktion ist hauptsächlich für Sondersoftware gedacht
oder wenn eine aktuelle Softwareversion neue Funktionen enthält, die
durch die Programmiersoftware noch nicht unterstützt werden.

ACHTUNG: Ändern Sie nur Registerstellen, deren Funktion Sie genau
kennen. Sonst können Fehlfunktionen des Quarn die Folge sein.</source>
        <translation>Read/write single register:

Here a single EEPROM register in the Quarn 7k/8k can be changed
directly. This function is mainly meant for special software or
for when a current software version contains new functions that
the programming software does not support yet.

CAUTION: Change only register digits whose function you know
exactly. Otherwise the Quarn may malfunction.</translation>
    </message>
</context>
<context>
    <name>quarn::ImpulsG</name>
    <message>
        <source>Impulsgeber</source>
        <translation>Pulse encoder</translation>
    </message>
    <message>
        <source>ms   Impulsdauer (on hook Zeit)</source>
        <translation>ms   Pulse duration (on-hook time)</translation>
    </message>
    <message>
        <source>ms   Impulspause (off hook Zeit)</source>
        <translation>ms   Pulse pause (off-hook time)</translation>
    </message>
    <message>
        <source>ms   Pause zwischen 2 Wahlziffern</source>
        <translation>ms   Pause between 2 dialled digits</translation>
    </message>
    <message>
        <source>ms   Impulswahl Vorlaufdauer</source>
        <translation>ms   Pulse dialling lead time</translation>
    </message>
    <message>
        <source>ms   Impulswahl Nachlaufdauer</source>
        <translation>ms   Pulse dialling trail time</translation>
    </message>
</context>
<context>
    <name>quarn::InOutputs</name>
    <message>
        <source>Konfiguration Ein-/Ausgänge</source>
        <translation>Inputs/outputs configuration</translation>
    </message>
    <message>
        <source>keine Funktion</source>
        <translation>no function</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Eingang, low aktiv</source>
        <translation>Input, active low</translation>
    </message>
    <message>
        <source>Eingang, high aktiv</source>
        <translation>Input, active high</translation>
    </message>
    <message>
        <source>Ausgang Fremdtastung</source>
        <translation>Output, external keying</translation>
    </message>
    <message>
        <source>Ausgang invertiert</source>
        <translation>Output inverted</translation>
    </message>
    <message>
        <source>Ein-/Ausgang</source>
        <translation>Input/output</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>Hilfe: Ein-/Ausgänge</source>
        <translation>Help: Inputs/outputs</translation>
    </message>
    <message>
        <source>Hier werden die Pins 1-7 an Buchse &quot;I/O&quot; als Ein- oder Ausgänge konfiguriert. Eingänge können als low oder high aktiv eingestellt werden.</source>
        <translation>Here pins 1-7 of socket &quot;I/O&quot; are configured as inputs or outputs. Inputs can be set active low or active high.</translation>
    </message>
    <message>
        <source>Die Ausgänge schalten generell nach GND, können aber invertiert werden (schalten nach GND, wenn nicht aktiv).</source>
        <translation>The outputs generally switch to GND but can be inverted (switch to GND when not active).</translation>
    </message>
    <message>
        <source>Soll ein Pin als Ausgang konfiguriert, gleichzeitig aber auch zurückgelesen werden, so ist dieser als &quot;Ausgang Fremdtastung&quot; zu konfigurieren.</source>
        <translation>If a pin is to be configured as an output but also read back at the same time, configure it as &quot;Output, external keying&quot;.</translation>
    </message>
</context>
<context>
    <name>quarn::IntegerEdit</name>
    <message>
        <source>Geben Sie eine ganze Zahl ein.</source>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</source>
        <translation>Enter a whole number between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>quarn::PilotGA</name>
    <message>
        <source>Pilotton Geber/Auswerter</source>
        <translation>Pilot tone encoder/evaluator</translation>
    </message>
    <message>
        <source>kein Filter</source>
        <translation>no filter</translation>
    </message>
    <message>
        <source>3300 Hz</source>
        <translation>3300 Hz</translation>
    </message>
    <message>
        <source>3000 Hz</source>
        <translation>3000 Hz</translation>
    </message>
    <message>
        <source>2800 Hz</source>
        <translation>2800 Hz</translation>
    </message>
    <message>
        <source>3320 Hz</source>
        <translation>3320 Hz</translation>
    </message>
    <message>
        <source>Pilottonfilterfrequenz:</source>
        <translation>Pilot tone filter frequency:</translation>
    </message>
    <message>
        <source>ms   auswerten bis an</source>
        <translation>ms   evaluate until on</translation>
    </message>
    <message>
        <source>ms   nicht auswerten bis aus</source>
        <translation>ms   do not evaluate until off</translation>
    </message>
    <message>
        <source>min. Pegel (0-32767, Faktor 2 = 3dB)</source>
        <translation>min. level (0-32767, factor 2 = 3dB)</translation>
    </message>
    <message>
        <source>Statisch</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Pilottonfrequenz (Hz):</source>
        <translation>Pilot tone frequency (Hz):</translation>
    </message>
    <message>
        <source>Linefilter aktiv (Bandpass 300-3400 Hz)</source>
        <translation>Line filter active (band pass 300-3400 Hz)</translation>
    </message>
</context>
<context>
    <name>quarn::ReactionSettings</name>
    <message>
        <source>Quittung</source>
        <translation>Acknowledgement</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Einton</source>
        <translation>Single tone</translation>
    </message>
    <message>
        <source>eigene Kennung</source>
        <translation>own ID</translation>
    </message>
    <message>
        <source>empfangene Kennung</source>
        <translation>received ID</translation>
    </message>
    <message>
        <source>zusätzliche 5-Tonfolge bei FFSK</source>
        <translation>additional 5-tone sequence with FFSK</translation>
    </message>
    <message>
        <source>Lautsprecher / LED</source>
        <translation>Speaker / LED</translation>
    </message>
    <message>
        <source>keine Reaktion</source>
        <translation>no reaction</translation>
    </message>
    <message>
        <source>Lautsprecher an</source>
        <translation>Speaker on</translation>
    </message>
    <message>
        <source>LED blinkt</source>
        <translation>LED flashes</translation>
    </message>
    <message>
        <source>Lautsprecher an &amp; LED blinkt</source>
        <translation>Speaker on &amp; LED flashes</translation>
    </message>
    <message>
        <source>Weckton</source>
        <translation>Alarm tone</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>600/675 Hz</source>
        <translation>600/675 Hz</translation>
    </message>
    <message>
        <source>800/900 Hz</source>
        <translation>800/900 Hz</translation>
    </message>
    <message>
        <source>1000/1125 Hz</source>
        <translation>1000/1125 Hz</translation>
    </message>
    <message>
        <source>700/875 Hz</source>
        <translation>700/875 Hz</translation>
    </message>
    <message>
        <source>900/1125 Hz</source>
        <translation>900/1125 Hz</translation>
    </message>
    <message>
        <source>1100/1375 Hz</source>
        <translation>1100/1375 Hz</translation>
    </message>
    <message>
        <source>500/750 Hz</source>
        <translation>500/750 Hz</translation>
    </message>
    <message>
        <source>1000/1500 Hz</source>
        <translation>1000/1500 Hz</translation>
    </message>
    <message>
        <source>700/1283 Hz</source>
        <translation>700/1283 Hz</translation>
    </message>
    <message>
        <source>wie Telefon</source>
        <translation>as telephone</translation>
    </message>
    <message>
        <source>600/675 Hz (10x)</source>
        <translation>600/675 Hz (10x)</translation>
    </message>
    <message>
        <source>800/900 Hz (10x)</source>
        <translation>800/900 Hz (10x)</translation>
    </message>
    <message>
        <source>1000/1125 Hz (10x)</source>
        <translation>1000/1125 Hz (10x)</translation>
    </message>
    <message>
        <source>700/875 Hz (10x)</source>
        <translation>700/875 Hz (10x)</translation>
    </message>
    <message>
        <source>900/1125 Hz (10x)</source>
        <translation>900/1125 Hz (10x)</translation>
    </message>
    <message>
        <source>Wecktontyp</source>
        <translation>Alarm tone type</translation>
    </message>
    <message>
        <source>Wecktondauer</source>
        <translation>Alarm tone duration</translation>
    </message>
    <message>
        <source>s (0,0 - 3,0)</source>
        <translation>s (0.0 - 3.0)</translation>
    </message>
    <message>
        <source>Wecktonlautstärke</source>
        <translation>Alarm tone volume</translation>
    </message>
    <message>
        <source>Anruflautstärke</source>
        <translation>Call volume</translation>
    </message>
    <message>
        <source>Dauer Anruflautstärke</source>
        <translation>Call volume duration</translation>
    </message>
    <message>
        <source>s (0 - 15)</source>
        <translation>s (0 - 15)</translation>
    </message>
    <message>
        <source>Schaltausgang schalten</source>
        <translation>Set switching output</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>ein für</source>
        <translation>on for</translation>
    </message>
    <message>
        <source>s (1-13)</source>
        <translation>s (1-13)</translation>
    </message>
    <message>
        <source>Ausgang Nr.(0 = keiner):</source>
        <translation>Output no. (0 = none):</translation>
    </message>
    <message>
        <source>Behandlung von X-Tonrufen</source>
        <translation>Handling of X-tone calls</translation>
    </message>
    <message>
        <source>normaler Ruf</source>
        <translation>normal call</translation>
    </message>
    <message>
        <source>Notruf</source>
        <translation>emergency call</translation>
    </message>
    <message>
        <source>Stellen von rechts anzeigen</source>
        <translation>digits shown from the right</translation>
    </message>
</context>
<context>
    <name>quarn::RingA</name>
    <message>
        <source>&quot;Ring&quot;-Auswerter</source>
        <translation>&quot;Ring&quot; evaluator</translation>
    </message>
    <message>
        <source>ms   min. Ringdauer für gültigen Ring</source>
        <translation>ms   min. ring duration for a valid ring</translation>
    </message>
    <message>
        <source>ms   max. Ringpause zwischen 2 Rings</source>
        <translation>ms   max. ring pause between 2 rings</translation>
    </message>
</context>
<context>
    <name>quarn::Rufgeber</name>
    <message>
        <source>Rufgeber</source>
        <translation>Call encoder</translation>
    </message>
    <message>
        <source>Ihre Eingaben in den Feldern &quot;Tonfolge&quot; und/oder &quot;Kennung&quot; enthalten weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.</source>
        <translation>Your entries in the fields &quot;Tone sequence&quot; and/or &quot;ID&quot; have fewer digits than your selection requires.</translation>
    </message>
    <message>
        <source>Senden geschieht mittels Ruftaste (Standard)</source>
        <translation>Send with the call key (default)</translation>
    </message>
    <message>
        <source>Ruf automatisch senden</source>
        <translation>Send call automatically</translation>
    </message>
    <message>
        <source>Anzahl Töne in der X-Tonfolge:</source>
        <translation>Number of tones in the X-tone sequence:</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Rufzusammensetzung</source>
        <translation>Call composition</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Tone sequence</translation>
    </message>
    <message>
        <source>ID-Mode</source>
        <translation>ID mode</translation>
    </message>
    <message>
        <source>Tonlänge des ersten Tons (ms):</source>
        <translation>Length of the first tone (ms):</translation>
    </message>
    <message>
        <source>Tonlänge der weiteren Töne (ms):</source>
        <translation>Length of the other tones (ms):</translation>
    </message>
    <message>
        <source>Länge einer Pause (ms):</source>
        <translation>Length of a pause (ms):</translation>
    </message>
    <message>
        <source>Hilfe: Rufgeber</source>
        <translation>Help: Call encoder</translation>
    </message>
    <message>
        <source>Hier werden die Parameter für das Tonfolgesenden eingestellt.
Je nach ID-Mode wird die zu sendende Tonfolge in das Feld &quot;Tonfolge&quot; eingegeben; mit &quot;F&quot; werden die Stellen codiert, die am Quarn eingegeben werden.
In das Feld &quot;Kennung&quot; wird die passende Anzahl Kennungsstellen eingetragen. X-Tonfolgen haben 3 bis 7 Töne.
Der Ruf kann automatisch gesendet werden, sobald die letzte nötige Stelle am Quarn eingegeben wurde.
Das Häkchen &quot;Senden geschieht mittels Ruftaste (Standard)&quot; ist zu entfernen, wenn eine andere Taste als die Ruftaste bestimmte Tonfolgen senden soll. Dann werden im ID-Mode &quot;wie bei Taste programmiert&quot; alle 7 Eingabestellen angezeigt, und der an der sendenden Taste programmierte ID-Mode entscheidet, welche davon codiert sein müssen.
Außerdem werden hier die Längen der Töne und der Pause eingestellt. Standarmäßig betragen diese in allen Fällen 70 ms.</source>
        <translation>Here the parameters for sending tone sequences are set.
Depending on the ID mode, the tone sequence to send is entered in the field &quot;Tone sequence&quot;; &quot;F&quot; codes the digits that are entered at the Quarn.
The matching number of ID digits is entered in the field &quot;ID&quot;. X-tone sequences have 3 to 7 tones.
The call can be sent automatically as soon as the last required digit has been entered at the Quarn.
Clear the tick &quot;Send with the call key (default)&quot; if a key other than the call key is to send certain tone sequences. Then the ID mode &quot;as programmed at the key&quot; shows all 7 input digits, and the ID mode programmed at the sending key decides which of them must be coded.
The lengths of the tones and of the pause are also set here. By default they are 70 ms in all cases.</translation>
    </message>
    <message>
        <source>Dieses Häkchen muss NUR DANN entfernt werden, wenn eine andere Taste als die Ruftaste zum Tonfolgesenden verwendet werden soll!!</source>
        <translation>Clear this tick ONLY IF a key other than the call key is to be used for sending tone sequences!!</translation>
    </message>
    <message>
        <source>Wollen Sie das Häkchen wirklich entfernen?</source>
        <translation>Do you really want to clear the tick?</translation>
    </message>
</context>
<context>
    <name>quarn::SettingsDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe...</source>
        <translation>Help...</translation>
    </message>
</context>
<context>
    <name>quarn::TELDECODERKONFIG</name>
    <message>
        <source>Decoder-Konfiguration</source>
        <translation>Decoder configuration</translation>
    </message>
    <message>
        <source>unbenutzt</source>
        <translation>unused</translation>
    </message>
    <message>
        <source>Beginnruf</source>
        <translation>Start call</translation>
    </message>
    <message>
        <source>Kurzwahl</source>
        <translation>Short dial</translation>
    </message>
    <message>
        <source>Durchwahl</source>
        <translation>Direct dialling</translation>
    </message>
    <message>
        <source>Nachtschaltung</source>
        <translation>Night switching</translation>
    </message>
    <message>
        <source>Schlussruf</source>
        <translation>End call</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Tone sequence</translation>
    </message>
    <message>
        <source>Anzahl auszuwertender Töne:</source>
        <translation>Number of tones to evaluate:</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>nur Beginnruf</source>
        <translation>start call only</translation>
    </message>
    <message>
        <source>Schlussruf falls Gespräch besteht</source>
        <translation>end call if a call is in progress</translation>
    </message>
    <message>
        <source>Bestätigungston senden</source>
        <translation>Send confirmation tone</translation>
    </message>
    <message>
        <source>Stelle in Tonfolge</source>
        <translation>Position in sequence</translation>
    </message>
    <message>
        <source>Defaultwerte</source>
        <translation>Default values</translation>
    </message>
    <message>
        <source>100er</source>
        <translation>Hundreds</translation>
    </message>
    <message>
        <source>10er</source>
        <translation>Tens</translation>
    </message>
    <message>
        <source>1er</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Stelle der ersten Durchwahlziffer:</source>
        <translation>Position of the first direct-dialling digit:</translation>
    </message>
    <message>
        <source>Kleinster erlaubter Wert:</source>
        <translation>Smallest allowed value:</translation>
    </message>
    <message>
        <source>Größter erlaubter Wert:</source>
        <translation>Largest allowed value:</translation>
    </message>
    <message>
        <source>Vorwahl zum Telefon (1-2 Ziffern)</source>
        <translation>Prefix to the telephone (1-2 digits)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>gemäß Wert in Tonfolge:</source>
        <translation>according to value in sequence:</translation>
    </message>
    <message>
        <source>toggeln</source>
        <translation>toggle</translation>
    </message>
    <message>
        <source>Auszuwertende Stelle in Tonfolge:</source>
        <translation>Position to evaluate in sequence:</translation>
    </message>
    <message>
        <source>ein:</source>
        <translation>on:</translation>
    </message>
    <message>
        <source>aus:</source>
        <translation>off:</translation>
    </message>
    <message>
        <source>toggeln:</source>
        <translation>toggle:</translation>
    </message>
</context>
<context>
    <name>quarn::TELDecoder</name>
    <message>
        <source>Decoder</source>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Tone sequence</translation>
    </message>
    <message>
        <source>Tonzahl</source>
        <translation>Tones</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Register 23X/3-8</source>
        <translation>Register 23X/3-8</translation>
    </message>
    <message>
        <source>unbenutzt</source>
        <translation>unused</translation>
    </message>
    <message>
        <source>Beginnruf</source>
        <translation>Start call</translation>
    </message>
    <message>
        <source>Kurzwahl</source>
        <translation>Short dial</translation>
    </message>
    <message>
        <source>Durchwahl</source>
        <translation>Direct dialling</translation>
    </message>
    <message>
        <source>Nachtschaltung</source>
        <translation>Night switching</translation>
    </message>
    <message>
        <source>Schlussruf</source>
        <translation>End call</translation>
    </message>
</context>
<context>
    <name>quarn::VolumeSelector</name>
    <message>
        <source>absolute Lautstärke (0...9)</source>
        <translation>absolute volume (0...9)</translation>
    </message>
    <message>
        <source>Offset um X Stufen (+0...+5)</source>
        <translation>Offset by X steps (+0...+5)</translation>
    </message>
</context>
</TS>
