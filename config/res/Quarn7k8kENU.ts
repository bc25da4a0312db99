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
    <name>FieldText</name>
    <message>
        <source>keine Auswahl</source>
        <translation>no selection</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>FktAuswahl</name>
    <message>
        <source>0: keine Funktion</source>
        <translation>0: no function</translation>
    </message>
    <message>
        <source>1: Einton senden</source>
        <translation>1: Send single tone</translation>
    </message>
    <message>
        <source>2: Ruf senden</source>
        <translation>2: Send call</translation>
    </message>
    <message>
        <source>3: PTT</source>
        <translation>3: PTT</translation>
    </message>
    <message>
        <source>4: Lautstärke</source>
        <translation>4: Volume</translation>
    </message>
    <message>
        <source>5: Kanalwahl / Schaltausgänge</source>
        <translation>5: Channel selection / switching outputs</translation>
    </message>
    <message>
        <source>6: Kennungsspeicher / Decoder</source>
        <translation>6: Identifier memory / decoder</translation>
    </message>
    <message>
        <source>6: Kurzwahlspeicher</source>
        <translation>6: Short-dial memory</translation>
    </message>
    <message>
        <source>7: Ruftoneingabe</source>
        <translation>7: Call tone entry</translation>
    </message>
    <message>
        <source>7: Rufnummerneingabe</source>
        <translation>7: Number entry</translation>
    </message>
    <message>
        <source>8: Statuseingabe</source>
        <translation>8: Status entry</translation>
    </message>
    <message>
        <source>8: Telefonstatuseingabe</source>
        <translation>8: Telephone status entry</translation>
    </message>
    <message>
        <source>9: ext. Eingänge</source>
        <translation>9: Ext. inputs</translation>
    </message>
    <message>
        <source>B: Modefunktionen</source>
        <translation>B: Mode functions</translation>
    </message>
</context>
<context>
    <name>FleetPlan</name>
    <message>
        <source>Register %1 gibt es in der Vorlage nicht.</source>
        <translation>The template has no register %1.</translation>
    </message>
    <message>
        <source>Ein Register hat die Ziffern 0-7.</source>
        <translation>A register has the digits 0-7.</translation>
    </message>
    <message>
        <source>Die Spalte hat keine Überschrift.</source>
        <translation>The column has no header.</translation>
    </message>
    <message>
        <source>Dieselbe Überschrift steht schon in Spalte %1.</source>
        <translation>The same header is already in column %1.</translation>
    </message>
    <message>
        <source>Keine Einstellung heißt so: die Überschrift nennt eine Einstellung wie der Einstellungsbericht oder Registerziffern wie „R010/0-6“.</source>
        <translation>No setting has this name: the header names a setting as the settings report does, or register digits such as &quot;R010/0-6&quot;.</translation>
    </message>
    <message>
        <source>Mehrere Einstellungen heißen so; Registerziffern wie „R010/0-6“ nennen eine eindeutig.</source>
        <translation>Several settings have this name; register digits such as &quot;R010/0-6&quot; name one unambiguously.</translation>
    </message>
    <message>
        <source>Diese Einstellung zeigt ihr Dialog als eine von mehreren Seiten; sie wird mit Registerziffern wie „R010/0-6“ gesetzt.</source>
        <translation>Its dialog shows this setting as one of several pages; it is set with register digits such as &quot;R010/0-6&quot;.</translation>
    </message>
    <message>
        <source>Erwartet werden genau %1 Hex-Ziffern (0-9, A-F).</source>
        <translation>Exactly %1 hex digits (0-9, A-F) are expected.</translation>
    </message>
    <message>
        <source>Der Dialog dieser Einstellung ist nicht verfügbar.</source>
        <translation>The dialog of this setting is not available.</translation>
    </message>
    <message>
        <source>Dieser Dialog schreibt mit eigenen Schaltflächen statt mit „OK“; seine Einstellungen werden mit Registerziffern wie „R010/0-6“ gesetzt.</source>
        <translation>This dialog writes with buttons of its own instead of &quot;OK&quot;; its settings are set with register digits such as &quot;R010/0-6&quot;.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Auswahl dieser Einstellung.</source>
        <translation>&quot;%1&quot; is not a choice of this setting.</translation>
    </message>
    <message>
        <source>Die Einstellung ist bei diesen Werten gesperrt; der Dialog würde sie nicht schreiben.</source>
        <translation>The setting is disabled with these values; the dialog would not write it.</translation>
    </message>
    <message>
        <source>Der Dialog nimmt diese Werte nicht an.</source>
        <translation>The dialog does not accept these values.</translation>
    </message>
    <message>
        <source>Die Tabelle nennt kein Gerät.</source>
        <translation>The table names no unit.</translation>
    </message>
    <message>
        <source>Die erste Spalte nennt das Gerät; sie ist leer.</source>
        <translation>The first column names the unit; it is empty.</translation>
    </message>
    <message>
        <source>Dieses Gerät steht schon in Zeile %1.</source>
        <translation>This unit is already in line %1.</translation>
    </message>
    <message>
        <source>Die Tabelle kann nicht gelesen werden (%1).</source>
        <translation>The table cannot be read (%1).</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2 „%3“: %4</source>
        <translation>Line %1, column %2 &quot;%3&quot;: %4</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2: %3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>Der Verlauf konnte nicht geschrieben werden: %1</source>
        <translation>The history could not be written: %1</translation>
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
    <message>
        <source>Es besteht keine Verbindung zum Quarn. Bitte zuerst &quot;Verbindung herstellen&quot;.</source>
        <translation>There is no connection to the Quarn. Please &quot;Connect&quot; first.</translation>
    </message>
    <message>
        <source>Erste fehlerhafte Zeile: %1.</source>
        <translation>First bad line: %1.</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>mit Telefoninterface</source>
        <translation>with telephone interface</translation>
    </message>
    <message>
        <source>ohne Telefoninterface</source>
        <translation>without telephone interface</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>inaktiv</source>
        <translation>inactive</translation>
    </message>
    <message>
        <source>Einstellung</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Register, die kein Dialog zeigt</source>
        <translation>Registers no dialog shows</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
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
    <name>ShortDialMessages</name>
    <message>
        <source>Der Kurzwahlspeicher konnte nicht vollständig gelesen werden: Eintrag %1 ist nicht angekommen. Es wurde keine Datei gespeichert.</source>
        <translation>The short-dial memory could not be read completely: entry %1 did not arrive. No file was saved.</translation>
    </message>
    <message>
        <source>Der Kurzwahlspeicher konnte nicht gelesen werden, weil die Verbindung zum Quarn unterbrochen wurde. Es wurde keine Datei gespeichert.</source>
        <translation>The short-dial memory could not be read because the connection to the Quarn was interrupted. No file was saved.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keinen Kurzwahleintrag. Es wurde nichts gesendet.</source>
        <translation>The file %1 holds no short-dial entry. Nothing was sent.</translation>
    </message>
    <message>
        <source>ist keine Zeile der Form WPnnn:Rufnummer</source>
        <translation>is not a line of the form WPnnn:number</translation>
    </message>
    <message>
        <source>enthält ein Zeichen, das nicht gewählt werden kann (erlaubt sind 0-9, A-D, * und #)</source>
        <translation>holds a character that cannot be dialled (0-9, A-D, * and # are allowed)</translation>
    </message>
    <message>
        <source>hat mehr als 16 Zeichen hinter dem Doppelpunkt</source>
        <translation>has more than 16 characters after the colon</translation>
    </message>
    <message>
        <source>nennt einen Eintrag ein zweites Mal</source>
        <translation>names an entry a second time</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Kurzwahlspeicher-Datei: Zeile %2 %3. Es wurde nichts gesendet.</source>
        <translation>The file %1 is no short-dial file: line %2 %3. Nothing was sent.</translation>
    </message>
    <message>
        <source>Die Prüfung nach dem Schreiben ist fehlgeschlagen: Eintrag %1 weicht im Quarn von der Datei ab.</source>
        <translation>The check after writing failed: entry %1 in the Quarn differs from the file.</translation>
    </message>
    <message>
        <source>Die Prüfung nach dem Schreiben ist fehlgeschlagen, weil die Verbindung zum Quarn unterbrochen wurde.</source>
        <translation>The check after writing failed because the connection to the Quarn was interrupted.</translation>
    </message>
    <message>
        <source>Die Prüfung nach dem Schreiben ist fehlgeschlagen: Der Quarn hat den Kurzwahlspeicher nicht vollständig zurückgemeldet (zuerst fehlt Eintrag %1).</source>
        <translation>The check after writing failed: the Quarn did not report the short-dial memory back completely (entry %1 is the first missing).</translation>
    </message>
</context>
<context>
    <name>UnitProgramming</name>
    <message>
        <source>Angehalten.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>Die Vorlage enthält die Register des Telefoninterface, das Gerät hat keines.</source>
        <translation>The template holds the telephone interface&apos;s registers, the unit has none.</translation>
    </message>
    <message>
        <source>Das angeschlossene Gerät ist noch das vorige.</source>
        <translation>The unit attached is still the previous one.</translation>
    </message>
    <message>
        <source>Nach dem Senden hält das Gerät in Register %1 „%2“ statt „%3“.</source>
        <translation>After the send the unit holds &quot;%2&quot; in register %1 instead of &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>UnitsTable</name>
    <message>
        <source>Ein Anführungszeichen wird nicht geschlossen.</source>
        <translation>A quotation mark is not closed.</translation>
    </message>
    <message>
        <source>Die Tabelle ist nicht in UTF-8 geschrieben.</source>
        <translation>The table is not written in UTF-8.</translation>
    </message>
    <message>
        <source>Die Tabelle hat keine Kopfzeile.</source>
        <translation>The table has no header line.</translation>
    </message>
    <message>
        <source>Die Zeile hat %1 Felder, die Kopfzeile %2.</source>
        <translation>The line has %1 fields, the header line %2.</translation>
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
    <name>quarn::Allgemein</name>
    <message>
        <source>Simplex/Duplex</source>
        <translation>Simplex/duplex</translation>
    </message>
    <message>
        <source>4-Draht/2-Draht</source>
        <translation>4-wire/2-wire</translation>
    </message>
    <message>
        <source>Allgemeine Konfiguration</source>
        <translation>General configuration</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>4-Draht</source>
        <translation>4-wire</translation>
    </message>
    <message>
        <source>2-Draht</source>
        <translation>2-wire</translation>
    </message>
    <message>
        <source>immer aus</source>
        <translation>always off</translation>
    </message>
    <message>
        <source>immer an</source>
        <translation>always on</translation>
    </message>
    <message>
        <source>nach Ereignis an für</source>
        <translation>on after an event for</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Französisch</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Holländisch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Tschechisch</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>eigene Texte</source>
        <translation>own texts</translation>
    </message>
    <message>
        <source>RS232-Monitor automatisch aktiv nach Einschalten</source>
        <translation>RS232 monitor active automatically after switching on</translation>
    </message>
    <message>
        <source>Tastenpieps aktiv</source>
        <translation>Key beep on</translation>
    </message>
    <message>
        <source>aktiviert</source>
        <translation>enabled</translation>
    </message>
    <message>
        <source>bei anliegendem Träger</source>
        <translation>while a carrier is present</translation>
    </message>
    <message>
        <source>bei externem Muting</source>
        <translation>on external muting</translation>
    </message>
    <message>
        <source>Display-Sprache</source>
        <translation>Display language</translation>
    </message>
    <message>
        <source>Tastdauer (* und #) für Start Programmiermode</source>
        <translation>Key hold time (* and #) to start programming mode</translation>
    </message>
    <message>
        <source>s  (0=sofort ; 15=gesperrt)</source>
        <translation>s  (0=at once ; 15=locked)</translation>
    </message>
    <message>
        <source>Sendezeitbegrenzung</source>
        <translation>Transmit time limit</translation>
    </message>
    <message>
        <source>s (0=aus)</source>
        <translation>s (0=off)</translation>
    </message>
    <message>
        <source>Sendervortastzeit</source>
        <translation>Transmitter pre-key time</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Modus Kommunikation</source>
        <translation>Communication mode</translation>
    </message>
    <message>
        <source>Gesendete Tonfolge mithören</source>
        <translation>Monitor sent sequences</translation>
    </message>
    <message>
        <source>Eingangspegel beim Mithören:</source>
        <translation>Input level while monitoring:</translation>
    </message>
    <message>
        <source>(0-1665)</source>
        <translation>(0-1665)</translation>
    </message>
    <message>
        <source>Sendertastsperre für PTT</source>
        <translation>PTT transmit lock</translation>
    </message>
    <message>
        <source>Display-Beleuchtung</source>
        <translation>Display backlight</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Schwellwertspannung für Headset</source>
        <translation>Headset threshold voltage</translation>
    </message>
    <message>
        <source>V (0 - 4,995)</source>
        <translation>V (0 - 4,995)</translation>
    </message>
    <message>
        <source>Hilfe: Allgemeine Konfiguration</source>
        <translation>Help: General configuration</translation>
    </message>
    <message>
        <source>Sollen im Display personalisierte Anzeigen erscheinen, so ist im Feld &quot;Display-Sprache&quot; -&gt; &quot;eigene Texte&quot; auszuwählen.</source>
        <translation>For personalised texts on the display, select &quot;own texts&quot; in the field &quot;Display language&quot;.</translation>
    </message>
    <message>
        <source>Schwellwertspannung für Headset: Headset ist erkannt, wenn die Spannung unter der Schwellwertspannung liegt.</source>
        <translation>Headset threshold voltage: a headset is recognised when the voltage is below the threshold voltage.</translation>
    </message>
</context>
<context>
    <name>quarn::AmtstonAusw</name>
    <message>
        <source>Tabelleneintrag %1</source>
        <translation>Table entry %1</translation>
    </message>
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
        <source>Geben Sie genau eine Hex-Ziffer (0-9, A-F) ein.</source>
        <translation>Enter exactly one hex digit (0-9, A-F).</translation>
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
    <message>
        <source>Eine Übertragung zum Quarn läuft noch. Wird das Programm jetzt beendet, ist der Quarn möglicherweise nur teilweise programmiert. Trotzdem beenden?</source>
        <translation>A transfer to the Quarn is still running. If the program ends now, the Quarn may be only partly programmed. Quit anyway?</translation>
    </message>
    <message>
        <source>Einstellungen als PDF speichern...</source>
        <translation>Save settings as PDF...</translation>
    </message>
    <message>
        <source>Eine Übertragung vom Quarn läuft noch. Wird das Programm jetzt beendet, sind die Einstellungen nicht vollständig gelesen. Trotzdem beenden?</source>
        <translation>A transfer from the Quarn is still running. If the program ends now, the settings are not read completely. Quit anyway?</translation>
    </message>
    <message>
        <source>&amp;Verlauf...</source>
        <translation>&amp;History...</translation>
    </message>
    <message>
        <source>Serienprogrammierung...</source>
        <translation>Fleet programming...</translation>
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
    <name>quarn::Druckerparameter</name>
    <message>
        <source>Druckerparameter</source>
        <translation>Printer parameters</translation>
    </message>
    <message>
        <source>Kopf ausdrucken</source>
        <translation>Print header</translation>
    </message>
    <message>
        <source>gesendeten Ruf ausdrucken</source>
        <translation>Print sent call</translation>
    </message>
    <message>
        <source>empfangenen Ruf ausdrucken</source>
        <translation>Print received call</translation>
    </message>
    <message>
        <source>empfangenen Notruf ausdrucken</source>
        <translation>Print received emergency call</translation>
    </message>
    <message>
        <source>Datenzeilen pro Seite (1-165)</source>
        <translation>Data lines per page (1-165)</translation>
    </message>
    <message>
        <source>Hilfe: Druckerparameter</source>
        <translation>Help: Printer parameters</translation>
    </message>
    <message>
        <source>Hier können Sie definieren, was der Doku-Printer über die RS232-Schnittstelle ausgibt. Zusätzlich zu den hier vorhandenen Konfigurationsmöglichkeiten müssen unter &quot;Auswertefunktionen&quot; die Schlüsseltöne der Druckerausgabe definiert werden. Nur eingehende Tonfolgen, die diesen Kriterien entsprechen werden über RS232 dokumentiert.</source>
        <translation>Here you define what the log printer prints over the RS232 interface. In addition to the settings here, the key tones of the printer output must be set under &quot;Auswertefunktionen&quot;. Only incoming sequences that meet these criteria are logged over RS232.</translation>
    </message>
</context>
<context>
    <name>quarn::EINTON</name>
    <message>
        <source>Funktion 1: Einton senden</source>
        <translation>Function 1: Send single tone</translation>
    </message>
    <message>
        <source>so lange Taste gedrückt ist</source>
        <translation>while the key is pressed</translation>
    </message>
    <message>
        <source>s (0,1 - 1,5)</source>
        <translation>s (0.1 - 1.5)</translation>
    </message>
    <message>
        <source>Tonfrequenz [Hz] (0-8000):</source>
        <translation>Tone frequency [Hz] (0-8000):</translation>
    </message>
    <message>
        <source>Tondauer:</source>
        <translation>Tone duration:</translation>
    </message>
</context>
<context>
    <name>quarn::EXTEINGAENGE</name>
    <message>
        <source>Funktion 9: Externe Eingänge</source>
        <translation>Function 9: External inputs</translation>
    </message>
    <message>
        <source>Squelcheingang</source>
        <translation>Squelch input</translation>
    </message>
    <message>
        <source>externes Muting</source>
        <translation>External muting</translation>
    </message>
    <message>
        <source>Squelch aus</source>
        <translation>Squelch off</translation>
    </message>
    <message>
        <source>Squelch an</source>
        <translation>Squelch on</translation>
    </message>
    <message>
        <source>Lautsprecher-Muting aus</source>
        <translation>Speaker muting off</translation>
    </message>
    <message>
        <source>Lautsprecher-Muting an</source>
        <translation>Speaker muting on</translation>
    </message>
    <message>
        <source>Lautsprecher-Muting unverändert</source>
        <translation>Speaker muting unchanged</translation>
    </message>
    <message>
        <source>NF-Muting aus</source>
        <translation>AF muting off</translation>
    </message>
    <message>
        <source>NF-Muting an</source>
        <translation>AF muting on</translation>
    </message>
    <message>
        <source>Muting aus</source>
        <translation>Muting off</translation>
    </message>
    <message>
        <source>Muting an</source>
        <translation>Muting on</translation>
    </message>
    <message>
        <source>TX-LED in Ruhe aus</source>
        <translation>TX LED off when idle</translation>
    </message>
    <message>
        <source>TX-LED blinkt in Ruhe</source>
        <translation>TX LED flashes when idle</translation>
    </message>
</context>
<context>
    <name>quarn::EingProg</name>
    <message>
        <source>Programmierung der Eingänge</source>
        <translation>Input programming</translation>
    </message>
    <message>
        <source>PTT2</source>
        <translation>PTT2</translation>
    </message>
    <message>
        <source>Eingang %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>RX (Squelch)</source>
        <translation>RX (squelch)</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Prog.-Assistent...</source>
        <translation>Prog. wizard...</translation>
    </message>
    <message>
        <source>Funktion für passiv -&gt; aktiv:</source>
        <translation>Function for passive -&gt; active:</translation>
    </message>
    <message>
        <source>Funktion für aktiv -&gt; passiv:</source>
        <translation>Function for active -&gt; passive:</translation>
    </message>
    <message>
        <source>Eingangskonfiguration</source>
        <translation>Input configuration</translation>
    </message>
    <message>
        <source>Sie haben einem Eingang eine Funktion zugewiesen, der noch nicht als Eingang konfiguriert ist und folglich nicht als solcher funktionieren wird.

Möchten Sie die Konfiguration jetzt durchführen?</source>
        <translation>You have given a function to an input that is not yet configured as an input and therefore will not work as one.

Do you want to configure it now?</translation>
    </message>
    <message>
        <source>%1: aktiv -&gt; passiv</source>
        <translation>%1: active -&gt; passive</translation>
    </message>
    <message>
        <source>%1: passiv -&gt; aktiv</source>
        <translation>%1: passive -&gt; active</translation>
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
    <name>quarn::FktAuswahl</name>
    <message>
        <source>Funktionsauswahl</source>
        <translation>Function selection</translation>
    </message>
    <message>
        <source>OK / Weiter</source>
        <translation>OK / Next</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>quarn::FleetDialog</name>
    <message>
        <source>Serienprogrammierung</source>
        <translation>Fleet programming</translation>
    </message>
    <message>
        <source>Vorlage:</source>
        <translation>Template:</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Gerätetabelle:</source>
        <translation>Units table:</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Mehrere Ports durch Leerzeichen oder Komma getrennt</source>
        <translation>Several ports separated by blanks or commas</translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation>Ports:</translation>
    </message>
    <message>
        <source>neben der Gerätetabelle (….log.csv)</source>
        <translation>beside the units table (….log.csv)</translation>
    </message>
    <message>
        <source>Protokoll:</source>
        <translation>Log:</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Prüfen</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Die Gerätetabelle wurde nicht angenommen; kein Gerät wurde verändert.

%1</source>
        <translation>The units table was not accepted; no unit was changed.

%1</translation>
    </message>
    <message>
        <source>laut Protokoll fertig</source>
        <translation>done by the log</translation>
    </message>
    <message>
        <source>wartet</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>Geben Sie mindestens einen Port an.</source>
        <translation>Enter at least one port.</translation>
    </message>
    <message>
        <source>Schließen Sie an %1 das nächste Gerät an (Zeile %2, %3) und wählen Sie dort „PC-Verbindung“.</source>
        <translation>Attach the next unit to %1 (line %2, %3) and select &quot;PC-Verbindung&quot; on it.</translation>
    </message>
    <message>
        <source>An %1 ist noch das vorige Gerät angeschlossen.</source>
        <translation>The previous unit is still attached to %1.</translation>
    </message>
    <message>
        <source>läuft</source>
        <translation>running</translation>
    </message>
    <message>
        <source>läuft (%1 %)</source>
        <translation>running (%1 %)</translation>
    </message>
    <message>
        <source>fertig</source>
        <translation>done</translation>
    </message>
    <message>
        <source>fehlgeschlagen: %1</source>
        <translation>failed: %1</translation>
    </message>
    <message>
        <source>Das Protokoll %1 kann nicht geschrieben werden.</source>
        <translation>The log %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>quarn::FunctionEditor</name>
    <message>
        <source>Unterfunktion:</source>
        <translation>Sub-function:</translation>
    </message>
</context>
<context>
    <name>quarn::HistoryWindow</name>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Modell</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Geänderte Einstellungen</source>
        <translation>Settings changed</translation>
    </message>
    <message>
        <source>Als Einstellungen öffnen</source>
        <translation>Open as settings</translation>
    </message>
    <message>
        <source>Mit aktuellen Daten vergleichen</source>
        <translation>Compare with current data</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vergleich mit %1</source>
        <translation>Comparison with %1</translation>
    </message>
    <message>
        <source>Keine Einstellung unterscheidet sich.</source>
        <translation>No setting differs.</translation>
    </message>
    <message>
        <source>Einstellungen (Verlauf → aktuell):</source>
        <translation>Settings (history → current):</translation>
    </message>
    <message>
        <source>Einstellungen mit Telefoninterface</source>
        <translation>Settings with telephone interface</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Kurzwahlspeicher</source>
        <translation>Short-dial memory</translation>
    </message>
    <message>
        <source>Kennungstexte</source>
        <translation>ID texts</translation>
    </message>
    <message>
        <source>Kanaltexte</source>
        <translation>Channel texts</translation>
    </message>
    <message>
        <source>Eigene Texte</source>
        <translation>Own texts</translation>
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
    <name>quarn::KANSCHALT</name>
    <message>
        <source>Funktion 5: Kanalwahl / Schaltausgänge</source>
        <translation>Function 5: Channel selection / switching outputs</translation>
    </message>
    <message>
        <source>Kanalwahl</source>
        <translation>Channel selection</translation>
    </message>
    <message>
        <source>Schaltausgänge</source>
        <translation>Switching outputs</translation>
    </message>
    <message>
        <source>Kanal Nr. (0-99):</source>
        <translation>Channel no. (0-99):</translation>
    </message>
    <message>
        <source>Arbeitskanal</source>
        <translation>Working channel</translation>
    </message>
    <message>
        <source>Eingabe durch Benutzer</source>
        <translation>Entered by the user</translation>
    </message>
    <message>
        <source>Ausgang Nr. (1-7):</source>
        <translation>Output no. (1-7):</translation>
    </message>
    <message>
        <source>Eingabe der Nummer</source>
        <translation>Enter the number</translation>
    </message>
    <message>
        <source>Ausgang aus</source>
        <translation>Output off</translation>
    </message>
    <message>
        <source>Ausgang an</source>
        <translation>Output on</translation>
    </message>
    <message>
        <source>Ausgang toggeln</source>
        <translation>Toggle output</translation>
    </message>
    <message>
        <source>Eingabe des Zustandes</source>
        <translation>Enter the state</translation>
    </message>
</context>
<context>
    <name>quarn::KENNDECODER</name>
    <message>
        <source>Funktion 6: Kennungsspeicher / Decoder</source>
        <translation>Function 6: Identifier memory / decoder</translation>
    </message>
    <message>
        <source>Kennungsspeicher</source>
        <translation>Identifier memory</translation>
    </message>
    <message>
        <source>Decoder</source>
        <translation>Decoder</translation>
    </message>
    <message>
        <source>Kennung löschen</source>
        <translation>Delete identifier</translation>
    </message>
    <message>
        <source>nächste Kennung anzeigen</source>
        <translation>Show next identifier</translation>
    </message>
    <message>
        <source>aktuelle Kennung anzeigen</source>
        <translation>Show current identifier</translation>
    </message>
    <message>
        <source>Decoder Nr. (1-10):</source>
        <translation>Decoder no. (1-10):</translation>
    </message>
    <message>
        <source>Decoder ausschalten</source>
        <translation>Switch decoder off</translation>
    </message>
    <message>
        <source>Decoder einschalten</source>
        <translation>Switch decoder on</translation>
    </message>
    <message>
        <source>Decoder toggeln (ein/aus)</source>
        <translation>Toggle decoder (on/off)</translation>
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
        <source>Weckton bei Alarm</source>
        <translation>Alarm tone on alarm</translation>
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
</context>
<context>
    <name>quarn::KWSpeicher</name>
    <message>
        <source>Der Kurzwahlspeicher konnte nicht vollständig geschrieben werden, weil die Verbindung zum Quarn unterbrochen wurde.</source>
        <translation>The short-dial memory could not be written completely because the connection to the Quarn was interrupted.</translation>
    </message>
    <message>
        <source>Kurzwahlspeicher</source>
        <translation>Short-dial memory</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Hilfe: Kurzwahlspeicher</source>
        <translation>Help: Short-dial memory</translation>
    </message>
    <message>
        <source>Die ausgewählten Speicherbereiche werden in einer .txt-Datei gespeichert, die mit einem gewöhnlichen Texteditor geöffnet und bearbeitet werden kann.
Pro Eintrag können höchstens 16 Zeichen gespeichert werden. Die Rufnummer muss direkt hinter dem Doppelpunkt beginnen (z.B. &quot;WP001:081512345.......&quot;).
Anschließend kann die bearbeitete Datei wieder in den Kurzwahlspeicher zurückgeschrieben werden.</source>
        <translation>The selected memory ranges are saved in a .txt file that can be opened and edited with an ordinary text editor.
No more than 16 characters can be stored per entry. The number must begin directly behind the colon (e.g. &quot;WP001:081512345.......&quot;).
The edited file can then be written back into the short-dial memory.</translation>
    </message>
    <message>
        <source>Auslesen von Telefoninterface (Speicherbereich(e) auswählen)</source>
        <translation>Read from telephone interface (select memory range(s))</translation>
    </message>
    <message>
        <source>Kurzwahlspeicher -&gt; Datei</source>
        <translation>Short-dial memory -&gt; file</translation>
    </message>
    <message>
        <source>Zurückschreiben zum Telefoninterface</source>
        <translation>Write back to telephone interface</translation>
    </message>
    <message>
        <source>Datei -&gt; Kurzwahlspeicher</source>
        <translation>File -&gt; short-dial memory</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Kurzwahlspeicher-Text</source>
        <translation>Short-dial text</translation>
    </message>
    <message>
        <source>gespeichert als: </source>
        <translation>saved as: </translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>geschrieben von: </source>
        <translation>written from: </translation>
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
    <name>quarn::Kennungsauswertung</name>
    <message>
        <source>Kennungsauswertung</source>
        <translation>Identifier evaluation</translation>
    </message>
    <message>
        <source>Aktualisierung</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>FIFO (first in - first out)</source>
        <translation>FIFO (first in - first out)</translation>
    </message>
    <message>
        <source>Kennung sofort ins Display</source>
        <translation>ID straight to the display</translation>
    </message>
    <message>
        <source>einzelne FFSK-Kennungen anzeigen</source>
        <translation>Show single FFSK IDs</translation>
    </message>
    <message>
        <source>Uhrzeit in leerer Kennungszeile anzeigen</source>
        <translation>Show the time in an empty ID line</translation>
    </message>
    <message>
        <source>Kennungsspeicher</source>
        <translation>ID memory</translation>
    </message>
    <message>
        <source>Schlüsseltöne (F = Kennungsstelle
bzw. unbenutzte Stelle)</source>
        <translation>Key tones (F = ID position
or unused position)</translation>
    </message>
    <message>
        <source>Hilfe: Kennungsauswertung</source>
        <translation>Help: Identifier evaluation</translation>
    </message>
    <message>
        <source>Eine Tonfolge muss zuerst von einem Decoder erkannt werden.</source>
        <translation>A sequence must first be recognised by a decoder.</translation>
    </message>
    <message>
        <source>Die Stellen, die als Kennung angezeigt werden sollen, werden mit &quot;F&quot; kodiert, ebenso die unbenutzten Stellen (z.B. die Stellen 6 und 7 bei einer 5-Tonfolge). Alle anderen Stellen müssen übereinstimmen. Bei einer Doppelsequenz wird nur die dafür vorgesehene Folge ausgewertet. 6-, 7- und 8-Tonfolgen werden unabhängig von dieser Eingabe ausgewertet.</source>
        <translation>The positions to be shown as the ID are coded &quot;F&quot;, as are unused positions (e.g. positions 6 and 7 of a 5-tone sequence). All other positions must match. Of a double sequence only the designated sequence is evaluated. 6-, 7- and 8-tone sequences are evaluated independently of this entry.</translation>
    </message>
    <message>
        <source>Aktualisierung: Ist der Speicher mit 10 Einträgen voll, wird der älteste überschrieben.</source>
        <translation>Update: when the memory of 10 entries is full, the oldest is overwritten.</translation>
    </message>
    <message>
        <source>FIFO: Eine Kennung bleibt im Display, bis sie durch langes Drücken von &quot;#&quot; gelöscht wird. Sonst wird die neueste angezeigt, ältere erreicht man durch kurzes Drücken von &quot;#&quot;.</source>
        <translation>FIFO: an ID stays on the display until a long press of &quot;#&quot; deletes it. Otherwise the newest is shown, and older ones are reached by short presses of &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Eine Kennung kann sofort ins Display gehen oder erst nach Drücken von &quot;#&quot;.</source>
        <translation>An ID can go to the display at once or only after pressing &quot;#&quot;.</translation>
    </message>
    <message>
        <source>Ohne Kennung kann die Kennungszeile die Uhrzeit anzeigen.</source>
        <translation>Without an ID the ID line can show the time.</translation>
    </message>
</context>
<context>
    <name>quarn::KonfTelIA</name>
    <message>
        <source>Konfigurationsdaten Telefon (LX4410C)</source>
        <translation>Telephone configuration data (LX4410C)</translation>
    </message>
    <message>
        <source>Transmit voltage headroom and DC voltage drop:</source>
        <translation>Transmit voltage headroom and DC voltage drop:</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>lowest</source>
        <translation>lowest</translation>
    </message>
    <message>
        <source>Abschluss:</source>
        <translation>Termination:</translation>
    </message>
    <message>
        <source>600R oder 600R+2, 16µF</source>
        <translation>600R or 600R+2, 16µF</translation>
    </message>
    <message>
        <source>600R+1µF</source>
        <translation>600R+1µF</translation>
    </message>
    <message>
        <source>900R</source>
        <translation>900R</translation>
    </message>
    <message>
        <source>900R+1µF</source>
        <translation>900R+1µF</translation>
    </message>
    <message>
        <source>ES203021 Zr:Australien,China</source>
        <translation>ES203021 Zr:Australia,China</translation>
    </message>
    <message>
        <source>Zr:Neuseeland</source>
        <translation>Zr:New Zealand</translation>
    </message>
    <message>
        <source>TBR21</source>
        <translation>TBR21</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>reserved</translation>
    </message>
    <message>
        <source>Transmit gain:</source>
        <translation>Transmit gain:</translation>
    </message>
    <message>
        <source>+6dB</source>
        <translation>+6dB</translation>
    </message>
    <message>
        <source>+6dB bei DTMF</source>
        <translation>+6dB with DTMF</translation>
    </message>
    <message>
        <source>+6dB bei DTMF Amtsholung Wx</source>
        <translation>+6dB with DTMF line seizure Wx</translation>
    </message>
    <message>
        <source>current sensor disabled</source>
        <translation>current sensor disabled</translation>
    </message>
    <message>
        <source>Ring threshold:</source>
        <translation>Ring threshold:</translation>
    </message>
    <message>
        <source>10/20V</source>
        <translation>10/20V</translation>
    </message>
    <message>
        <source>12,5/25V</source>
        <translation>12.5/25V</translation>
    </message>
    <message>
        <source>15/30V</source>
        <translation>15/30V</translation>
    </message>
    <message>
        <source>20/40V</source>
        <translation>20/40V</translation>
    </message>
    <message>
        <source>Line in use threshold:</source>
        <translation>Line in use threshold:</translation>
    </message>
    <message>
        <source>22,5 ± 7,5</source>
        <translation>22.5 ± 7.5</translation>
    </message>
    <message>
        <source>30 ± 10</source>
        <translation>30 ± 10</translation>
    </message>
    <message>
        <source>15 ± 5</source>
        <translation>15 ± 5</translation>
    </message>
    <message>
        <source>2,5 (line disconnect)</source>
        <translation>2.5 (line disconnect)</translation>
    </message>
</context>
<context>
    <name>quarn::LAUTSTAERKE</name>
    <message>
        <source>Funktion 4: Lautstärke</source>
        <translation>Function 4: Volume</translation>
    </message>
    <message>
        <source>Lautsprecher toggeln (an/aus)</source>
        <translation>Toggle speaker (on/off)</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Kanal-Scanner starten, wenn Lautsprecher ausgeschaltet</source>
        <translation>Start channel scanner when the speaker is switched off</translation>
    </message>
    <message>
        <source>Lautstärke ändern</source>
        <translation>Change volume</translation>
    </message>
    <message>
        <source>festen Wert einstellen (0-9):</source>
        <translation>Set a fixed value (0-9):</translation>
    </message>
    <message>
        <source>1 Stufe lauter</source>
        <translation>1 step louder</translation>
    </message>
    <message>
        <source>1 Stufe leiser</source>
        <translation>1 step quieter</translation>
    </message>
    <message>
        <source>Eingabe durch Benutzer</source>
        <translation>Entered by the user</translation>
    </message>
    <message>
        <source>min. Lautstärke:</source>
        <translation>Min. volume:</translation>
    </message>
    <message>
        <source>max. Lautstärke:</source>
        <translation>Max. volume:</translation>
    </message>
</context>
<context>
    <name>quarn::LEDProg</name>
    <message>
        <source>Funktion</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Programmierung der LEDs</source>
        <translation>LED programming</translation>
    </message>
    <message>
        <source>Funktion LED in F1</source>
        <translation>Function of LED in F1</translation>
    </message>
    <message>
        <source>Funktion LED in F2</source>
        <translation>Function of LED in F2</translation>
    </message>
    <message>
        <source>Funktion LED in F3</source>
        <translation>Function of LED in F3</translation>
    </message>
    <message>
        <source>Funktion LED in F4</source>
        <translation>Function of LED in F4</translation>
    </message>
    <message>
        <source>keine Funktion</source>
        <translation>no function</translation>
    </message>
    <message>
        <source>Anzeige Schaltausgangszustand</source>
        <translation>Show switching output state</translation>
    </message>
    <message>
        <source>Anzeige Kanal</source>
        <translation>Show channel</translation>
    </message>
    <message>
        <source>Anzeige Telefonmode</source>
        <translation>Show telephone mode</translation>
    </message>
    <message>
        <source>Anzeige Decoderzustand</source>
        <translation>Show decoder state</translation>
    </message>
    <message>
        <source>aktiv low</source>
        <translation>active low</translation>
    </message>
    <message>
        <source>aktiv high</source>
        <translation>active high</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <source>Schaltausgang Nr. (1-7):</source>
        <translation>Switching output no. (1-7):</translation>
    </message>
    <message>
        <source>LED ist an, wenn</source>
        <translation>LED is on when</translation>
    </message>
    <message>
        <source>Anzeige von Kanal Nr.(0-99):</source>
        <translation>Show channel no. (0-99):</translation>
    </message>
    <message>
        <source>Decoder Nr. (1-10):</source>
        <translation>Decoder no. (1-10):</translation>
    </message>
    <message>
        <source>LED ist an, wenn Decoder</source>
        <translation>LED is on when decoder is</translation>
    </message>
    <message>
        <source>Einstellungen wurden nicht übernommen!</source>
        <translation>The settings were not applied!</translation>
    </message>
</context>
<context>
    <name>quarn::LSKonfig</name>
    <message>
        <source>Lautsprecherkonfiguration</source>
        <translation>Speaker configuration</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>offener Betrieb</source>
        <translation>open operation</translation>
    </message>
    <message>
        <source>Lautsprechertimer (in s):</source>
        <translation>Speaker timer (in s):</translation>
    </message>
    <message>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <source>unverändert</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>aus + Scanner an</source>
        <translation>off + scanner on</translation>
    </message>
    <message>
        <source>letzten Wert für nächsten Start speichern</source>
        <translation>keep the last value for the next start</translation>
    </message>
    <message>
        <source>Lautsprecher nach Ruf an</source>
        <translation>Speaker on after a call</translation>
    </message>
    <message>
        <source>Lautsprechertimer</source>
        <translation>Speaker timer</translation>
    </message>
    <message>
        <source>Lautsprecher-Status beim Abheben:</source>
        <translation>Speaker on lifting the handset:</translation>
    </message>
    <message>
        <source>Lautsprecher-Status beim Auflegen:</source>
        <translation>Speaker on hanging up:</translation>
    </message>
    <message>
        <source>Lautsprecher-Status beim Einschalten:</source>
        <translation>Speaker on switching on:</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Wert nach Einschalten:</source>
        <translation>Value after switching on:</translation>
    </message>
</context>
<context>
    <name>quarn::MODEFUNC</name>
    <message>
        <source>Funktion B: MODE-Funktionen</source>
        <translation>Function B: MODE functions</translation>
    </message>
    <message>
        <source>normalen Mode aktivieren</source>
        <translation>Activate normal mode</translation>
    </message>
    <message>
        <source>Telefonmode aktivieren</source>
        <translation>Activate telephone mode</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>letzte Rufnummer nicht löschen</source>
        <translation>Keep the last call number</translation>
    </message>
    <message>
        <source>letzte Rufnummer löschen</source>
        <translation>Clear the last call number</translation>
    </message>
    <message>
        <source>Telefon aus</source>
        <translation>Telephone off</translation>
    </message>
    <message>
        <source>Telefon halten</source>
        <translation>Hold telephone</translation>
    </message>
    <message>
        <source>letzte Telefonnummer nicht löschen</source>
        <translation>Keep the last telephone number</translation>
    </message>
    <message>
        <source>letzte Telefonnummer löschen</source>
        <translation>Clear the last telephone number</translation>
    </message>
    <message>
        <source>Telefon-Funk Überleitung aus</source>
        <translation>Telephone-radio bridging off</translation>
    </message>
    <message>
        <source>Telefon-Funk Überleitung an</source>
        <translation>Telephone-radio bridging on</translation>
    </message>
    <message>
        <source>Telefon-Funk Überleitung unverändert</source>
        <translation>Telephone-radio bridging unchanged</translation>
    </message>
    <message>
        <source>Telefon-Funk Überleitung toggeln (an/aus)</source>
        <translation>Toggle telephone-radio bridging (on/off)</translation>
    </message>
    <message>
        <source>Standby aus (Reset)</source>
        <translation>Standby off (reset)</translation>
    </message>
    <message>
        <source>Standby an</source>
        <translation>Standby on</translation>
    </message>
    <message>
        <source>Standby toggeln</source>
        <translation>Toggle standby</translation>
    </message>
    <message>
        <source>Beleuchtung aus</source>
        <translation>Lighting off</translation>
    </message>
    <message>
        <source>Beleuchtung an</source>
        <translation>Lighting on</translation>
    </message>
    <message>
        <source>Reset durch &quot;Standby aus&quot;</source>
        <translation>Reset by &quot;Standby off&quot;</translation>
    </message>
    <message>
        <source>Reset durch jede Taste</source>
        <translation>Reset by any key</translation>
    </message>
</context>
<context>
    <name>quarn::MutingDruckerausgabe</name>
    <message>
        <source>Schlüsseltöne für Muting/Druckerausgabe</source>
        <translation>Key tones for muting/printer output</translation>
    </message>
    <message>
        <source>Muting bei Tonfolge:</source>
        <translation>Muting on sequence:</translation>
    </message>
    <message>
        <source>(F = beliebiger Ton, EE = aus)</source>
        <translation>(F = any tone, EE = off)</translation>
    </message>
    <message>
        <source>Druckerausgabe bei:</source>
        <translation>Printer output on:</translation>
    </message>
    <message>
        <source>(F = beliebiger Ton)</source>
        <translation>(F = any tone)</translation>
    </message>
    <message>
        <source>Hilfe: Schlüsseltöne für Muting / Druckerausgabe</source>
        <translation>Help: Key tones for muting / printer output</translation>
    </message>
    <message>
        <source>Eine Tonfolge wird gemutet, wenn ihre ersten 2 Töne mit der Eingabe übereinstimmen; &quot;F&quot; steht für einen beliebigen Ton. &quot;FF&quot; mutet also jede Tonfolge ab ihrem zweiten Ton, &quot;EE&quot; schaltet das Muting aus.</source>
        <translation>A sequence is muted when its first 2 tones match the entry; &quot;F&quot; stands for any tone. So &quot;FF&quot; mutes every sequence from its second tone on, and &quot;EE&quot; switches muting off.</translation>
    </message>
    <message>
        <source>Eine Druckerausgabe (über RS232) erfolgt für jede empfangene Tonfolge, die mit der Eingabe für die Druckerausgabe übereinstimmt. Auch hier steht &quot;F&quot; für einen beliebigen Ton, und unbenutzte Stellen sind ebenfalls &quot;F&quot;: bei 5-Tonfolgen müssen die Stellen 6 und 7 &quot;F&quot; sein.</source>
        <translation>A printer output (over RS232) happens for every received sequence that matches the printer entry. Here too &quot;F&quot; stands for any tone, and unused positions are &quot;F&quot; as well: for 5-tone sequences positions 6 and 7 must be &quot;F&quot;.</translation>
    </message>
</context>
<context>
    <name>quarn::NFDelay</name>
    <message>
        <source>NF-Delay</source>
        <translation>AF delay</translation>
    </message>
    <message>
        <source>ms NF-Delay (Telefon -&gt; Funk)</source>
        <translation>ms AF delay (phone -&gt; radio)</translation>
    </message>
    <message>
        <source>keine (max. 740ms)</source>
        <translation>none (max. 740ms)</translation>
    </message>
    <message>
        <source>A-law (max. 1480ms)</source>
        <translation>A-law (max. 1480ms)</translation>
    </message>
    <message>
        <source>halbe Baudrate (max. 1480ms)</source>
        <translation>half baud rate (max. 1480ms)</translation>
    </message>
    <message>
        <source>A-law und halbe Baudrate (max. 29600ms)</source>
        <translation>A-law and half baud rate (max. 29600ms)</translation>
    </message>
    <message>
        <source>Komprimierung:</source>
        <translation>Compression:</translation>
    </message>
</context>
<context>
    <name>quarn::NFPegel</name>
    <message>
        <source>Weitere NF-Ausgabepegel</source>
        <translation>Further AF output levels</translation>
    </message>
    <message>
        <source>Ausgabepegel Telefon-&gt;Funk</source>
        <translation>Output level phone-&gt;radio</translation>
    </message>
    <message>
        <source>Ausgabepegel Funk-&gt;Telefon</source>
        <translation>Output level radio-&gt;phone</translation>
    </message>
    <message>
        <source>Ausgabepegel Ton-&gt;Funk</source>
        <translation>Output level tone-&gt;radio</translation>
    </message>
    <message>
        <source>Ausgabepegel Ton-&gt;Telefon</source>
        <translation>Output level tone-&gt;phone</translation>
    </message>
    <message>
        <source>Ausgabepegel Pilotton-&gt;Funk</source>
        <translation>Output level pilot tone-&gt;radio</translation>
    </message>
    <message>
        <source>Ausgabepegel Pilotton-&gt;Telefon</source>
        <translation>Output level pilot tone-&gt;phone</translation>
    </message>
</context>
<context>
    <name>quarn::PTT</name>
    <message>
        <source>Funktion 3: PTT</source>
        <translation>Function 3: PTT</translation>
    </message>
    <message>
        <source>PTT von Taste (Ende bei Loslassen)</source>
        <translation>PTT from key (ends on release)</translation>
    </message>
    <message>
        <source>PTT von Eingang (Ende mit &quot;PTT aus&quot;)</source>
        <translation>PTT from input (ends with &quot;PTT off&quot;)</translation>
    </message>
    <message>
        <source>Umschaltung Schwanenhals-/Headsetmikro</source>
        <translation>Switch gooseneck/headset microphone</translation>
    </message>
    <message>
        <source>PTT aus</source>
        <translation>PTT off</translation>
    </message>
    <message>
        <source>Schwanenhalsmikro</source>
        <translation>Gooseneck microphone</translation>
    </message>
    <message>
        <source>Headsetmikro</source>
        <translation>Headset microphone</translation>
    </message>
    <message>
        <source>Handhörermikro</source>
        <translation>Handset microphone</translation>
    </message>
    <message>
        <source>Schwanenhals- oder Headsetmikro</source>
        <translation>Gooseneck or headset microphone</translation>
    </message>
    <message>
        <source>Unterfunktion:</source>
        <translation>Sub-function:</translation>
    </message>
    <message>
        <source>Mikrofon:</source>
        <translation>Microphone:</translation>
    </message>
    <message>
        <source>Kennung bei PTT-Start</source>
        <translation>Identifier at PTT start</translation>
    </message>
    <message>
        <source>Kennung bei PTT-Ende</source>
        <translation>Identifier at PTT end</translation>
    </message>
    <message>
        <source>Kennung ist Zielruf Nr. (0-E):</source>
        <translation>Identifier is target call no. (0-E):</translation>
    </message>
    <message>
        <source>Schwanenhalsmikro an</source>
        <translation>Gooseneck microphone on</translation>
    </message>
    <message>
        <source>Headsetmikro an</source>
        <translation>Headset microphone on</translation>
    </message>
    <message>
        <source>automatische Headset-Erkennung</source>
        <translation>Automatic headset detection</translation>
    </message>
    <message>
        <source> Schwanenhals/Headset toggeln</source>
        <translation> Toggle gooseneck/headset</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>Mikrofonumschaltung:</source>
        <translation>Microphone switching:</translation>
    </message>
    <message>
        <source>Anzeigedauer Hinweistext (0,0-1,5 s):</source>
        <translation>Hint text display time (0.0-1.5 s):</translation>
    </message>
</context>
<context>
    <name>quarn::Passwort</name>
    <message>
        <source>Die Passwörter müssen aus genau 5 hexadezimalen Zahlen bestehen (0-9,A-F).</source>
        <translation>Passwords must consist of exactly 5 hexadecimal digits (0-9,A-F).</translation>
    </message>
    <message>
        <source>Bitte beachten Sie, dass Sie nach Inkrafttreten des neuen User-Passworts nur noch Einstellungen des Quarns verändern können, wenn sie dieses oder das Master-Passwort kennen. Dies gilt sowohl für das Programmieren über die Tasten des Quarns als auch für das Verbinden mit der Programmiersoftware.</source>
        <translation>Please note that once the new user password is in force, you can change the settings of the Quarn only if you know this password or the master password. This applies both to programming with the keys of the Quarn and to connecting with the programming software.</translation>
    </message>
    <message>
        <source>Das Master-Passwort kann nur direkt über die Quarn-Tastatur im EEPROM-Register 097 gesetzt bzw. geändert werden.</source>
        <translation>The master password can only be set or changed directly at the Quarn keypad, in EEPROM register 097.</translation>
    </message>
    <message>
        <source>User-Passwort</source>
        <translation>User password</translation>
    </message>
    <message>
        <source>kein Passwort setzen</source>
        <translation>set no password</translation>
    </message>
    <message>
        <source>Passwort (5-stellig):</source>
        <translation>Password (5 digits):</translation>
    </message>
    <message>
        <source>Hilfe: Passwort</source>
        <translation>Help: Password</translation>
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
    <name>quarn::Pilotton</name>
    <message>
        <source>Pilotton</source>
        <translation>Pilot tone</translation>
    </message>
    <message>
        <source>programmierte Pilottonfrequenz</source>
        <translation>programmed pilot-tone frequency</translation>
    </message>
    <message>
        <source>TRC mit programmierter Pilottonfrequenz</source>
        <translation>TRC with programmed pilot-tone frequency</translation>
    </message>
    <message>
        <source>DC ohne Pilotton</source>
        <translation>DC without pilot tone</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Frequenz Pilotton:</source>
        <translation>Pilot-tone frequency:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>(0 = Pilotton aus bzw. 0=2100Hz bei TRC)</source>
        <translation>(0 = pilot tone off, or 0=2100Hz with TRC)</translation>
    </message>
    <message>
        <source>DC-Auswertersperrzeit nach aktivem Geben</source>
        <translation>DC evaluator blocking time after sending</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>quarn::R4807</name>
    <message>
        <source>Konfiguration R4807 für Telefon</source>
        <translation>R4807 configuration for telephone</translation>
    </message>
    <message>
        <source>Funk -&gt; Telefon: Beginnruf + Wahl mit DTMF</source>
        <translation>Radio -&gt; phone: begin call + dialling with DTMF</translation>
    </message>
    <message>
        <source>Funk -&gt; Telefon: Kurzwahl</source>
        <translation>Radio -&gt; phone: short dial</translation>
    </message>
    <message>
        <source>Funk -&gt; Telefon: Durchwahl mit Tonfolge</source>
        <translation>Radio -&gt; phone: direct dialling with tone sequence</translation>
    </message>
    <message>
        <source>Telefon -&gt; Funk: Durchwahl mit DTMF</source>
        <translation>Phone -&gt; radio: direct dialling with DTMF</translation>
    </message>
</context>
<context>
    <name>quarn::RS232Parameter</name>
    <message>
        <source>RS232-Parameter</source>
        <translation>RS232 parameters</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>SQL</source>
        <translation>SQL</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>HOOK</source>
        <translation>HOOK</translation>
    </message>
    <message>
        <source>FFSK</source>
        <translation>FFSK</translation>
    </message>
    <message>
        <source>FMS</source>
        <translation>FMS</translation>
    </message>
    <message>
        <source>Tonfolge</source>
        <translation>Tone sequence</translation>
    </message>
    <message>
        <source>Notruf</source>
        <translation>Emergency call</translation>
    </message>
    <message>
        <source>Inbandton</source>
        <translation>In-band tone</translation>
    </message>
    <message>
        <source>Sonderton</source>
        <translation>Special tone</translation>
    </message>
    <message>
        <source>Folgende Parameter werden über RS232 ausgegeben</source>
        <translation>The following parameters are output over RS232</translation>
    </message>
    <message>
        <source>RS232-Monitor automatisch aktiv nach Einschalten</source>
        <translation>RS232 monitor active automatically after switching on</translation>
    </message>
</context>
<context>
    <name>quarn::RUF</name>
    <message>
        <source>Funktion 2: Ruf senden</source>
        <translation>Function 2: Send call</translation>
    </message>
    <message>
        <source>eingegebenen Ruf senden</source>
        <translation>Send entered call</translation>
    </message>
    <message>
        <source>Rückruf senden</source>
        <translation>Send call-back</translation>
    </message>
    <message>
        <source>Zielruf senden</source>
        <translation>Send target call</translation>
    </message>
    <message>
        <source>Intercom senden</source>
        <translation>Send intercom</translation>
    </message>
    <message>
        <source>externen Zielruf senden</source>
        <translation>Send external target call</translation>
    </message>
    <message>
        <source>Kanalfernschaltung</source>
        <translation>Channel remote switching</translation>
    </message>
    <message>
        <source>Alarmabfrage senden</source>
        <translation>Send alarm query</translation>
    </message>
    <message>
        <source>Art des Rufs:</source>
        <translation>Kind of call:</translation>
    </message>
    <message>
        <source>Ruf-Optionen</source>
        <translation>Call options</translation>
    </message>
    <message>
        <source>5-Tonfolge</source>
        <translation>5-tone sequence</translation>
    </message>
    <message>
        <source>Doppelsequenz Ruf, Kennung (X-Tonfolge)</source>
        <translation>Double sequence call, identifier (X-tone sequence)</translation>
    </message>
    <message>
        <source>Doppelsequenz Kennung, Ruf (X-Tonfolge)</source>
        <translation>Double sequence identifier, call (X-tone sequence)</translation>
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
        <source>Pagerruf</source>
        <translation>Pager call</translation>
    </message>
    <message>
        <source>4-Tonfolge</source>
        <translation>4-tone sequence</translation>
    </message>
    <message>
        <source>X-Tonfolge (3-7)</source>
        <translation>X-tone sequence (3-7)</translation>
    </message>
    <message>
        <source>ID-Mode:</source>
        <translation>ID mode:</translation>
    </message>
    <message>
        <source>Tonruf-Modus: Koppelton (0-E) oder Pause (F) bei Doppelsequenz</source>
        <translation>Tone call mode: coupling tone (0-E) or pause (F) for double sequences</translation>
    </message>
    <message>
        <source>FFSK-Modus: Betriebs- artenkennzeichen (BAK)</source>
        <translation>FFSK mode: operating- mode code (BAK)</translation>
    </message>
    <message>
        <source>Eingabe Zielrufnummer</source>
        <translation>Enter target call number</translation>
    </message>
    <message>
        <source>Zielruf Nr.(0-9):</source>
        <translation>Target call no. (0-9):</translation>
    </message>
    <message>
        <source>Intercom aus</source>
        <translation>Intercom off</translation>
    </message>
    <message>
        <source>Intercom an</source>
        <translation>Intercom on</translation>
    </message>
    <message>
        <source>Intercom toggeln (an/aus)</source>
        <translation>Toggle intercom (on/off)</translation>
    </message>
    <message>
        <source>Eingabe Intercomzustand</source>
        <translation>Enter intercom state</translation>
    </message>
    <message>
        <source>Intercomruf senden</source>
        <translation>Send intercom call</translation>
    </message>
    <message>
        <source>Externen Zielruf senden</source>
        <translation>Send external target call</translation>
    </message>
    <message>
        <source>Zielruf Nr.(0-E):</source>
        <translation>Target call no. (0-E):</translation>
    </message>
    <message>
        <source>Kanalfernschaltruf senden</source>
        <translation>Send channel remote switching call</translation>
    </message>
    <message>
        <source>Kanalabfrage senden</source>
        <translation>Send channel query</translation>
    </message>
</context>
<context>
    <name>quarn::RUFTONEINGABE</name>
    <message>
        <source>Funktion 7: Ruftoneingabe</source>
        <translation>Function 7: Call tone entry</translation>
    </message>
    <message>
        <source>Rufeingabe löschen</source>
        <translation>Delete call entry</translation>
    </message>
    <message>
        <source>neue Ruftoneingabe</source>
        <translation>New call tone entry</translation>
    </message>
    <message>
        <source>kompletten Ruf eingeben</source>
        <translation>Enter a complete call</translation>
    </message>
    <message>
        <source>Ruf komplett löschen</source>
        <translation>Delete the whole call</translation>
    </message>
    <message>
        <source>letzte Eingabe löschen</source>
        <translation>Delete the last entry</translation>
    </message>
    <message>
        <source>Ruf +1</source>
        <translation>Call +1</translation>
    </message>
    <message>
        <source>Ruf -1</source>
        <translation>Call -1</translation>
    </message>
    <message>
        <source>Blättern um ±1</source>
        <translation>Scroll by ±1</translation>
    </message>
    <message>
        <source>Blättern um ±1 bis zur nächsten Kennung mit Text</source>
        <translation>Scroll by ±1 to the next identifier with text</translation>
    </message>
    <message>
        <source>Rufton:</source>
        <translation>Call tone:</translation>
    </message>
    <message>
        <source>(Töne 0-E, F: Pause)</source>
        <translation>(tones 0-E, F: pause)</translation>
    </message>
    <message>
        <source>Eingabeziffern (1-5):</source>
        <translation>Input digits (1-5):</translation>
    </message>
    <message>
        <source>Ruf:</source>
        <translation>Call:</translation>
    </message>
</context>
<context>
    <name>quarn::RadioMute</name>
    <message>
        <source>Radio-Mute</source>
        <translation>Radio mute</translation>
    </message>
    <message>
        <source>Mute aktiv</source>
        <translation>mute active</translation>
    </message>
    <message>
        <source>kein Mute</source>
        <translation>no mute</translation>
    </message>
    <message>
        <source>RX aktiv</source>
        <translation>RX active</translation>
    </message>
    <message>
        <source>TX aktiv</source>
        <translation>TX active</translation>
    </message>
    <message>
        <source>Ausgang ist aktiv low, wenn</source>
        <translation>Output is active low when</translation>
    </message>
    <message>
        <source>Radio-Mute, wenn</source>
        <translation>Radio mute when</translation>
    </message>
    <message>
        <source>Ausgang für Radio-Mute</source>
        <translation>Output for radio mute</translation>
    </message>
    <message>
        <source>(0=aus ; 8=TX)</source>
        <translation>(0=off ; 8=TX)</translation>
    </message>
    <message>
        <source>Nachlaufzeit</source>
        <translation>Follow-up time</translation>
    </message>
    <message>
        <source>s (0-15)</source>
        <translation>s (0-15)</translation>
    </message>
    <message>
        <source>HOOK-Kontakt-Ausgang</source>
        <translation>HOOK contact output</translation>
    </message>
    <message>
        <source>(1-7 ; 0=aus)</source>
        <translation>(1-7 ; 0=off)</translation>
    </message>
    <message>
        <source>Hilfe: Radio-Mute</source>
        <translation>Help: Radio mute</translation>
    </message>
    <message>
        <source>Hier wird ein Ausgang für Radio-Mute konfiguriert.</source>
        <translation>An output for radio mute is configured here.</translation>
    </message>
    <message>
        <source>Die Nachlaufzeit hält das Mute noch aktiv, nachdem sein Auslöser (RX und/oder TX) weggefallen ist.</source>
        <translation>The follow-up time keeps the mute active after its trigger (RX and/or TX) has gone.</translation>
    </message>
    <message>
        <source>Zusätzlich kann ein Ausgang für den HOOK-Kontakt gewählt werden.</source>
        <translation>In addition, an output for the HOOK contact can be chosen.</translation>
    </message>
    <message>
        <source>Die betroffenen Ein- und Ausgänge müssen auch unter &quot;Konfiguration Ein-/Ausgänge&quot; programmiert werden.</source>
        <translation>The inputs and outputs concerned must also be programmed under &quot;Inputs/outputs configuration&quot;.</translation>
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
    <name>quarn::RefTonfolgeauswertung</name>
    <message>
        <source>Referenzwerte für Tonfolgeauswertung</source>
        <translation>Reference values for sequence evaluation</translation>
    </message>
    <message>
        <source>ZVEI</source>
        <translation>ZVEI</translation>
    </message>
    <message>
        <source>CCIR</source>
        <translation>CCIR</translation>
    </message>
    <message>
        <source>ZVEI2</source>
        <translation>ZVEI2</translation>
    </message>
    <message>
        <source>EEA</source>
        <translation>EEA</translation>
    </message>
    <message>
        <source>ZVEI3</source>
        <translation>ZVEI3</translation>
    </message>
    <message>
        <source>Maximale Tonlänge des 1. Tons</source>
        <translation>Maximum length of the 1st tone</translation>
    </message>
    <message>
        <source>(0-8325 ms)</source>
        <translation>(0-8325 ms)</translation>
    </message>
    <message>
        <source>Maximale Tonlänge der übrigen Töne</source>
        <translation>Maximum length of the other tones</translation>
    </message>
    <message>
        <source>Minimale Tonlänge aller Töne</source>
        <translation>Minimum length of all tones</translation>
    </message>
    <message>
        <source>(0-825 ms)</source>
        <translation>(0-825 ms)</translation>
    </message>
    <message>
        <source>Auswertersperrzeit nach Tonfolgesenden</source>
        <translation>Evaluator blocking time after sending a sequence</translation>
    </message>
    <message>
        <source>(0,0 - 1,5 s)</source>
        <translation>(0,0 - 1,5 s)</translation>
    </message>
    <message>
        <source>Verwendete Tonreihe (Geber und Auswerter)</source>
        <translation>Tone series used (encoder and evaluator)</translation>
    </message>
    <message>
        <source>Konfiguration: Notruf ZVEI</source>
        <translation>Configuration: emergency call ZVEI</translation>
    </message>
    <message>
        <source>Anzahl auszuwertender Tonbursts (0-15)</source>
        <translation>Number of tone bursts to evaluate (0-15)</translation>
    </message>
    <message>
        <source>minimale Burstlänge
(0-825 ms)</source>
        <translation>minimum burst length
(0-825 ms)</translation>
    </message>
    <message>
        <source>maximale Burstlänge (0-825 ms)</source>
        <translation>maximum burst length (0-825 ms)</translation>
    </message>
    <message>
        <source>Konfiguration: 6. Ton Notruf NL</source>
        <translation>Configuration: 6th tone emergency call NL</translation>
    </message>
    <message>
        <source>maximale Tonlänge
6. Ton (0-8325 ms)</source>
        <translation>maximum length
6th tone (0-8325 ms)</translation>
    </message>
    <message>
        <source>minimale Tonlänge
6. Ton (0-825 ms)</source>
        <translation>minimum length
6th tone (0-825 ms)</translation>
    </message>
    <message>
        <source>Standards...</source>
        <translation>Defaults...</translation>
    </message>
    <message>
        <source>Standardwerte für Tonfolgeauswertung</source>
        <translation>Default values for sequence evaluation</translation>
    </message>
    <message>
        <source>Maximale Tonlänge des 1. Tons:	90 ms
Maximale Tonlänge der übrigen Töne:	90 ms
Minimale Tonlänge aller Töne:	50 ms
Auswertersperrzeit nach Tonfolgesenden:	0,1 s
Verwendete Tonreihe (Geber und Auswerter):	ZVEI

Notruf ZVEI
Anzahl auszuwertender Tonbursts:	3
maximale Burstlänge:	150 ms
minimale Burstlänge:	50 ms

6. Ton Notruf NL
maximale Tonlänge:	1200 ms
minimale Tonlänge:	50 ms</source>
        <translation>Maximum length of the 1st tone:	90 ms
Maximum length of the other tones:	90 ms
Minimum length of all tones:	50 ms
Evaluator blocking time after sending a sequence:	0,1 s
Tone series used (encoder and evaluator):	ZVEI

Emergency call ZVEI
Number of tone bursts to evaluate:	3
maximum burst length:	150 ms
minimum burst length:	50 ms

6th tone emergency call NL
maximum tone length:	1200 ms
minimum tone length:	50 ms</translation>
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
    <name>quarn::Rogerbeep</name>
    <message>
        <source>Roger-Beep</source>
        <translation>Roger beep</translation>
    </message>
    <message>
        <source>Rogerbeep beim Beginn der PTT</source>
        <translation>Roger beep at the start of PTT</translation>
    </message>
    <message>
        <source>Rogerbeep beim Ende der PTT</source>
        <translation>Roger beep at the end of PTT</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Dauer:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
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
    <name>quarn::STATUS</name>
    <message>
        <source>Funktion 8: Statuseingabe</source>
        <translation>Function 8: Status entry</translation>
    </message>
    <message>
        <source>Status löschen</source>
        <translation>Clear status</translation>
    </message>
    <message>
        <source>Status setzen</source>
        <translation>Set status</translation>
    </message>
    <message>
        <source>neuer Status (0-99):</source>
        <translation>New status (0-99):</translation>
    </message>
    <message>
        <source>Eingabe durch Benutzer</source>
        <translation>Entered by the user</translation>
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
    <name>quarn::SendReview</name>
    <message>
        <source>Vor dem Senden prüfen</source>
        <translation>Review before sending</translation>
    </message>
    <message>
        <source>Der Inhalt des Quarns ist nicht bekannt: Er wurde seit dem Programmstart nicht gelesen. Zuerst lesen, um die Änderungen zu sehen? Die zu sendenden Daten bleiben erhalten.</source>
        <translation>The unit&apos;s contents are not known: it has not been read since the program started. Read it first to see the changes? The data to be sent are kept.</translation>
    </message>
    <message>
        <source>Die Daten stimmen mit dem zuletzt gelesenen Inhalt des Quarns überein.</source>
        <translation>The data match what was last read from the unit.</translation>
    </message>
    <message>
        <source>Diese Einstellungen ändern sich im Quarn (bisher → neu):</source>
        <translation>These settings change in the unit (old → new):</translation>
    </message>
    <message>
        <source>Vor dem Senden immer anzeigen</source>
        <translation>Always show before sending</translation>
    </message>
    <message>
        <source>Zuerst lesen</source>
        <translation>Read first</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
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
    <name>quarn::SettingsDocument</name>
    <message>
        <source>Die Einstellungen wurden geändert und nicht gespeichert. Beim Lesen gehen diese Änderungen verloren. Trotzdem lesen?</source>
        <translation>The settings were changed and not saved. Reading discards these changes. Read anyway?</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden geändert und nicht gespeichert. Beim Öffnen gehen diese Änderungen verloren. Trotzdem öffnen?</source>
        <translation>The settings were changed and not saved. Opening discards these changes. Open anyway?</translation>
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
        <source>Einstellungen als PDF speichern</source>
        <translation>Save settings as PDF</translation>
    </message>
    <message>
        <source>(nicht gespeichert)</source>
        <translation>(not saved)</translation>
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
        <source>Wollen Sie vor dem Schließen der Anwendung die momentanen Einstellungen speichern?</source>
        <translation>Do you want to save the current settings before closing the application?</translation>
    </message>
</context>
<context>
    <name>quarn::SquelchKonfig</name>
    <message>
        <source>immer inaktiv</source>
        <translation>always inactive</translation>
    </message>
    <message>
        <source>NF-Squelch aktivieren</source>
        <translation>Activate AF squelch</translation>
    </message>
    <message>
        <source>low aktiv</source>
        <translation>active low</translation>
    </message>
    <message>
        <source>high aktiv</source>
        <translation>active high</translation>
    </message>
    <message>
        <source>low und high aktiv</source>
        <translation>active low and high</translation>
    </message>
    <message>
        <source>Auswertung von NF-Squelch bei Simplex nur dann, wenn eigener Sender nicht aktiv</source>
        <translation>In simplex, evaluate AF squelch only while the own transmitter is not active</translation>
    </message>
    <message>
        <source>NF-Squelch Nachlaufzeit (in ms):</source>
        <translation>AF squelch follow-up time (in ms):</translation>
    </message>
    <message>
        <source>Konfiguration für Squelch-Eingang:</source>
        <translation>Configuration of the squelch input:</translation>
    </message>
    <message>
        <source>Hilfe: Squelch-Konfiguration</source>
        <translation>Help: Squelch configuration</translation>
    </message>
    <message>
        <source>Hier wird die Logik des Squelch-Eingangs programmiert.</source>
        <translation>The logic of the squelch input is programmed here.</translation>
    </message>
    <message>
        <source>Ist NF-Squelch aktiviert, wird der Squelch-Eingang normalerweise deaktiviert. Er kann aber trotzdem aktiviert werden, um die normale Squelch-Funktion zusätzlich zu erhalten oder um den Eingang über die Tastenprogrammierung für andere Zwecke zu nutzen.</source>
        <translation>With AF squelch activated, the squelch input is normally deactivated. It can still be activated, to keep the normal squelch function as well or to use the input for other purposes through the key programming.</translation>
    </message>
    <message>
        <source>Nach dem Wegfall der NF bleibt Squelch noch für die Nachlaufzeit aktiv.</source>
        <translation>After the audio has gone, squelch stays active for the follow-up time.</translation>
    </message>
    <message>
        <source>Bei Simplex-Betrieb kann die Auswertung von NF-Squelch verhindert werden, solange der eigene Sender aktiv ist.</source>
        <translation>In simplex operation, AF squelch evaluation can be prevented while the own transmitter is active.</translation>
    </message>
</context>
<context>
    <name>quarn::Standardquittung</name>
    <message>
        <source>Standardquittung</source>
        <translation>Standard acknowledgement</translation>
    </message>
    <message>
        <source>Geben Sie mindestens eine Hex-Ziffer (0-9, A-F) ein.</source>
        <translation>Enter at least one hex digit (0-9, A-F).</translation>
    </message>
    <message>
        <source>Tonfolge:</source>
        <translation>Tone sequence:</translation>
    </message>
</context>
<context>
    <name>quarn::StartOptions</name>
    <message>
        <source>das simulierte Gerät ließ sich nicht starten: %1</source>
        <translation>the simulated unit could not be started: %1</translation>
    </message>
    <message>
        <source>simuliertes Gerät an %1</source>
        <translation>simulated unit on %1</translation>
    </message>
    <message>
        <source>unerwartetes Argument %1: nur eine Einstellungsdatei auf einmal</source>
        <translation>unexpected argument %1: one settings file at a time</translation>
    </message>
    <message>
        <source>--port braucht einen Portnamen</source>
        <translation>--port needs a port name</translation>
    </message>
    <message>
        <source>--simulate nimmt %1, nicht &quot;%2&quot;</source>
        <translation>--simulate takes %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>--port und --simulate schließen einander aus</source>
        <translation>--port and --simulate exclude each other</translation>
    </message>
    <message>
        <source>Aufruf: Quarn7k8k [Optionen] [FILE]
Quarn 7k/8k Konfigurationsprogramm: liest, bearbeitet und programmiert die Register eines Geräts.

Optionen:
  -h, --help                      Diese Hilfe ausgeben und beenden.
  -v, --version                   Die Version ausgeben und beenden.
  --port NAME                     Den seriellen Port NAME vorwählen (ein Name oder der Pfad der Gerätedatei).
  --simulate[=7k|8k|7k-ti|8k-ti]  Ein simuliertes Gerät bereitstellen (Vorgabe 8k-ti) und vorwählen.

Argumente:
  FILE                            Eine Einstellungsdatei (*.rq7k8k), die beim Start geöffnet wird.
</source>
        <translation>Usage: Quarn7k8k [options] [FILE]
Quarn 7k/8k configuration program: reads, edits and programs the registers of a unit.

Options:
  -h, --help                      Print this help and exit.
  -v, --version                   Print the version and exit.
  --port NAME                     Preselect the serial port NAME (a name or a device path).
  --simulate[=7k|8k|7k-ti|8k-ti]  Serve a simulated unit (default 8k-ti) and preselect it.

Arguments:
  FILE                            A settings file (*.rq7k8k) to open at start.
</translation>
    </message>
</context>
<context>
    <name>quarn::TELDECODERKONFIG</name>
    <message>
        <source>Decoder-Konfiguration</source>
        <translation>Decoder configuration</translation>
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
    <name>quarn::TELKWSpeicher</name>
    <message>
        <source>Funktion 6: Kurzwahlspeicher</source>
        <translation>Function 6: Short-dial memory</translation>
    </message>
    <message>
        <source>Kurzwahlspeicher auslesen</source>
        <translation>Read short-dial memory</translation>
    </message>
    <message>
        <source>Kurzwahl anzeigen</source>
        <translation>Show short-dial entry</translation>
    </message>
    <message>
        <source>Angezeigte Kurzwahl speichern</source>
        <translation>Store displayed short-dial entry</translation>
    </message>
    <message>
        <source>Kurzwahlspeicher Nr.:</source>
        <translation>Short-dial memory no.:</translation>
    </message>
    <message>
        <source>eingegebenen / vorherigen Kurzwahlspeicher anzeigen</source>
        <translation>Show entered / previous short-dial memory</translation>
    </message>
    <message>
        <source>eingegebenen / nächsten Kurzwahlspeicher anzeigen</source>
        <translation>Show entered / next short-dial memory</translation>
    </message>
</context>
<context>
    <name>quarn::TELRufnummer</name>
    <message>
        <source>Funktion 7: Rufnummerneingabe</source>
        <translation>Function 7: Number entry</translation>
    </message>
    <message>
        <source>Eingabe löschen</source>
        <translation>Clear entry</translation>
    </message>
    <message>
        <source>Eingabe Rufziffer</source>
        <translation>Enter dial digit</translation>
    </message>
    <message>
        <source>Eingabe Formatzeichen</source>
        <translation>Enter format character</translation>
    </message>
    <message>
        <source>Rufwiederholung</source>
        <translation>Redial</translation>
    </message>
    <message>
        <source>Nummer komplett löschen</source>
        <translation>Clear the whole number</translation>
    </message>
    <message>
        <source>letzte Eingabe löschen</source>
        <translation>Delete the last entry</translation>
    </message>
    <message>
        <source>Rufziffer</source>
        <translation>Dial digit</translation>
    </message>
    <message>
        <source>&lt;sp&gt;</source>
        <translation>&lt;sp&gt;</translation>
    </message>
    <message>
        <source>Formatzeichen</source>
        <translation>Format character</translation>
    </message>
</context>
<context>
    <name>quarn::TELefonstatus</name>
    <message>
        <source>Funktion 8: Eingabe Telefonstatus</source>
        <translation>Function 8: Telephone status entry</translation>
    </message>
    <message>
        <source>autom. (Wahl/Rufannahme/Auflegen)</source>
        <translation>auto. (dial/answer/hang up)</translation>
    </message>
    <message>
        <source>Wahl/Rufannahme</source>
        <translation>Dial/answer</translation>
    </message>
    <message>
        <source>Auflegen</source>
        <translation>Hang up</translation>
    </message>
    <message>
        <source>LS aus</source>
        <translation>Speaker off</translation>
    </message>
    <message>
        <source>LS an</source>
        <translation>Speaker on</translation>
    </message>
    <message>
        <source>LS unverändert</source>
        <translation>Speaker unchanged</translation>
    </message>
    <message>
        <source>LS entsprechend Hörer</source>
        <translation>Speaker as handset</translation>
    </message>
    <message>
        <source>Lautsprecher:</source>
        <translation>Speaker:</translation>
    </message>
</context>
<context>
    <name>quarn::TastenProg</name>
    <message>
        <source>Tastenprogrammierung</source>
        <translation>Key programming</translation>
    </message>
    <message>
        <source>Tastenfeld: Quarn</source>
        <translation>Keypad: Quarn</translation>
    </message>
    <message>
        <source>Tastendruck kurz</source>
        <translation>Short key press</translation>
    </message>
    <message>
        <source>Tastendruck lang</source>
        <translation>Long key press</translation>
    </message>
    <message>
        <source>Prog.-Assistent...</source>
        <translation>Prog. wizard...</translation>
    </message>
    <message>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
    <message>
        <source>RUF</source>
        <translation>RUF</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>LS</translation>
    </message>
    <message>
        <source>VOL</source>
        <translation>VOL</translation>
    </message>
    <message>
        <source>Taste </source>
        <translation>Key </translation>
    </message>
    <message>
        <source> lang:</source>
        <translation> long:</translation>
    </message>
    <message>
        <source> kurz:</source>
        <translation> short:</translation>
    </message>
    <message>
        <source>%1 lang</source>
        <translation>%1 long</translation>
    </message>
    <message>
        <source>%1 kurz</source>
        <translation>%1 short</translation>
    </message>
</context>
<context>
    <name>quarn::TelInPegel</name>
    <message>
        <source>Pegelanpassung Telefoneingang</source>
        <translation>Telephone input level adjustment</translation>
    </message>
    <message>
        <source>dB   Pegelanpassung (-6,0 bis +19,5 dB)</source>
        <translation>dB   Level adjustment (-6.0 to +19.5 dB)</translation>
    </message>
</context>
<context>
    <name>quarn::TelKonfig</name>
    <message>
        <source>Konfiguration Telefonmode</source>
        <translation>Telephone mode configuration</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Wähltonerkennung</source>
        <translation>Dial tone detection</translation>
    </message>
    <message>
        <source>Ansage Text1 bei Verbindungsaufbau Tel-&gt;Funk</source>
        <translation>Announce text1 on connection phone-&gt;radio</translation>
    </message>
    <message>
        <source>Ansage Text2 bei Verbindungsaufbau Funk-&gt;Tel</source>
        <translation>Announce text2 on connection radio-&gt;phone</translation>
    </message>
    <message>
        <source>Klingelton bei Telefonanruf:</source>
        <translation>Ring tone on telephone call:</translation>
    </message>
    <message>
        <source>Automatisches Beenden des Telefon-Mode</source>
        <translation>Automatic end of telephone mode</translation>
    </message>
    <message>
        <source>s   keine Bedienung -&gt; Verlassen Tel-Mode</source>
        <translation>s   no operation -&gt; leave telephone mode</translation>
    </message>
    <message>
        <source>Funktion bei Timerablauf:</source>
        <translation>Function when the timer expires:</translation>
    </message>
    <message>
        <source>s   max. Sendezeit während Telefongespräch</source>
        <translation>s   max. transmit time during a call</translation>
    </message>
    <message>
        <source>s   max. Gesprächszeit</source>
        <translation>s   max. call time</translation>
    </message>
    <message>
        <source>s   max. Gesprächszeit ohne Modulation</source>
        <translation>s   max. call time without modulation</translation>
    </message>
    <message>
        <source>s   max. Sendezeit bei Simplex</source>
        <translation>s   max. transmit time in simplex</translation>
    </message>
    <message>
        <source>s   max. Empfangszeit bei Simplex</source>
        <translation>s   max. receive time in simplex</translation>
    </message>
    <message>
        <source>s   max. Wartezeit bei Freizeichen an Gegenstelle</source>
        <translation>s   max. wait with ringback tone at the far end</translation>
    </message>
    <message>
        <source>s   Signaltonverzögerung (vor Beep zum Funk)</source>
        <translation>s   Signal tone delay (before beep to radio)</translation>
    </message>
    <message>
        <source>Wahlverfahren</source>
        <translation>Dialling method</translation>
    </message>
    <message>
        <source>Betriebsart</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>Anzahl Klingelzeichen bei Leitungsbelegung:</source>
        <translation>Number of rings on line seizure:</translation>
    </message>
    <message>
        <source>Kennziffer für Amtsholung:</source>
        <translation>Code for an outside line:</translation>
    </message>
    <message>
        <source>Nur bei Option VMM</source>
        <translation>Only with option VMM</translation>
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
<context>
    <name>quarn::Vox</name>
    <message>
        <source>VOX-Konfiguration</source>
        <translation>VOX configuration</translation>
    </message>
    <message>
        <source>VOX Funk</source>
        <translation>VOX radio</translation>
    </message>
    <message>
        <source>VOX Telefon</source>
        <translation>VOX telephone</translation>
    </message>
    <message>
        <source>Mindestpegel für Schwellwert: NF weg -&gt; NF da</source>
        <translation>Minimum level for threshold: no AF -&gt; AF</translation>
    </message>
    <message>
        <source>ms   Mindestzeit: Pegel über Schwellwert (bis NF da)</source>
        <translation>ms   Minimum time: level above threshold (until AF)</translation>
    </message>
    <message>
        <source>Mindestpegel für Schwellwert: NF da -&gt; NF weg</source>
        <translation>Minimum level for threshold: AF -&gt; no AF</translation>
    </message>
    <message>
        <source>ms   Mindestzeit: Pegel unter Schwellwert (bis NF weg)</source>
        <translation>ms   Minimum time: level below threshold (until no AF)</translation>
    </message>
</context>
<context>
    <name>quarn::Zielrufe</name>
    <message>
        <source>Zielruf %1</source>
        <translation>Target call %1</translation>
    </message>
    <message>
        <source>ID-Mode Zielruf %1</source>
        <translation>ID mode target call %1</translation>
    </message>
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
