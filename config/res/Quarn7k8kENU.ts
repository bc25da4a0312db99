<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
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
      <source>"Ring"-Auswerter</source>
      <translation>"Ring" evaluator</translation>
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
      <source>Geräte mit Sondersoftware können über "Einzelnes Register lesen/schreiben" angepasst werden.</source>
      <translation>Units with special software can be adapted with "Read/write single register".</translation>
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
      <source>Wählen Sie am Quarn bitte erneut "PC-Verbindung" aus und bestätigen Sie dann dieses Fenster mit "OK"!</source>
      <translation>Please select "PC-Verbindung" at the Quarn again and then confirm this window with "OK"!</translation>
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
      <source>Um eine Verbindung zum PC herstellen zu können, muss im Menü des Quarns "PC-Verbindung" ausgewählt sein ("*" + "#" gleichzeitig drücken und mit "F3" auswählen).
Lesen Sie bitte vor dem Ändern der Einstellungen die aktuellen Geräteeinstellungen aus oder laden Sie zuvor gespeicherte Einstellungen über "Datei"-&gt;"Öffnen".
So lange keine sinnvollen Einstellungen geladen wurden, ist die Schaltfläche "Daten senden" deaktiviert, um ein versehentliches Überschreiben der bisherigen Einstellungen zu verhindern.

Vorgenommene Einstellungen können über "Datei"-&gt;"Speichern" als Datei für die spätere Wiederherstellung gesichert werden.</source>
      <translation>To connect to the PC, "PC-Verbindung" must be selected in the menu of the Quarn (press "*" + "#" together and select with "F3").
Before changing settings, please read the current unit settings or load previously saved settings with "File"-&gt;"Open".
As long as no meaningful settings have been loaded, the button "Send data" is disabled to prevent overwriting the previous settings by mistake.

Settings made can be saved as a file for later restoration with "File"-&gt;"Save".</translation>
    </message>
    <message>
      <source>Die Einstellungen wurden geändert und nicht gespeichert. Beim Lesen gehen diese Änderungen verloren. Trotzdem lesen?</source>
      <translation>The settings were changed and not saved. Reading discards these changes. Read anyway?</translation>
    </message>
    <message>
      <source>Eine Übertragung zum Quarn läuft noch. Wird das Programm jetzt beendet, ist der Quarn möglicherweise nur teilweise programmiert. Trotzdem beenden?</source>
      <translation>A transfer to the Quarn is still running. If the program ends now, the Quarn may be only partly programmed. Quit anyway?</translation>
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
      <source>Im Menü des Quarns muss "PC-Verbindung" ausgewählt werden, um eine Verbindung aufzubauen.</source>
      <translation>"PC-Verbindung" must be selected in the menu of the Quarn to establish a connection.</translation>
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
  </context>
</TS>