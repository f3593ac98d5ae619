<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CarInputs</name>
    <message>
        <source>horsepower</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>grill area</source>
        <translation>Grillfläche</translation>
    </message>
    <message>
        <source>windshield area</source>
        <translation>Scheibenfläche</translation>
    </message>
    <message>
        <source>car weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>drag coefficient</source>
        <translation>cw-Wert</translation>
    </message>
    <message>
        <source>windshield angle</source>
        <translation>Scheibenwinkel</translation>
    </message>
    <message>
        <source>available shifts</source>
        <translation>verfügbare Schaltungen</translation>
    </message>
    <message>
        <source>quarter mile shifts</source>
        <translation>Schaltungen auf der Viertelmeile</translation>
    </message>
    <message>
        <source>spin time</source>
        <translation>Durchdrehzeit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>die Option „%1“ braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>no file or other argument is taken: &apos;%1&apos;</source>
        <translation>Dateien oder andere Argumente werden nicht angenommen: „%1“</translation>
    </message>
    <message>
        <source>Usage: torvane [--help] [--version]</source>
        <translation>Aufruf: torvane [--help] [--version]</translation>
    </message>
    <message>
        <source>Work out how fast a car is from nine numbers: the quarter-mile time and
speed, the top speed and the 0-60, 0-80, 0-100 and 60-80 mph times.

Started without options, torvane opens its main window; a click inside
its blue frame opens the control dialog, from which every function is
reached.

Options:
  -h, --help     show this help and exit
  -v, --version  show the version and the licence and exit

Qt&apos;s standard options, such as -platform NAME or -style NAME, are passed
on to Qt.

Exit status: 0 when the main window is closed, 1 when the program cannot
start (for example without a display), 2 for a wrong option.
</source>
        <translation>Berechnet aus neun Zahlen, wie schnell ein Auto ist: Zeit und Tempo auf der
Viertelmeile, die Höchstgeschwindigkeit und die Zeiten für 0-60, 0-80,
0-100 und 60-80 mph.

Ohne Optionen gestartet, öffnet torvane sein Hauptfenster; ein Klick in
den blauen Rahmen öffnet den Steuerdialog, von dem aus jede Funktion
erreichbar ist.

Optionen:
  -h, --help     diese Hilfe zeigen und beenden
  -v, --version  Version und Lizenz zeigen und beenden

Die Standardoptionen von Qt, etwa -platform NAME oder -style NAME, werden
an Qt weitergegeben.

Rückgabewert: 0, wenn das Hauptfenster geschlossen wird, 1, wenn das
Programm nicht starten kann (etwa ohne Bildschirm), 2 bei einer falschen
Option.
</translation>
    </message>
    <message>
        <source>Try &apos;torvane --help&apos; for more information.</source>
        <translation>Mehr dazu mit „torvane --help“.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>a quoted field is not closed before the end of the file</source>
        <translation>ein Feld in Anführungszeichen ist vor dem Ende der Datei nicht geschlossen</translation>
    </message>
    <message>
        <source>a quoted field goes on after its closing quote</source>
        <translation>ein Feld in Anführungszeichen geht nach seinem schließenden Anführungszeichen weiter</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Torvane files (*.trv)</source>
        <translation>Torvane-Dateien (*.trv)</translation>
    </message>
    <message>
        <source>Save Torvane data...</source>
        <translation>Torvane-Daten speichern...</translation>
    </message>
    <message>
        <source>Open Torvane data...</source>
        <translation>Torvane-Daten öffnen...</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>FileSave</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2.</source>
        <translation>%1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Could not save %1: it is %2, not a file; nothing was written.</source>
        <translation>%1 konnte nicht gespeichert werden: Es ist %2, keine Datei; es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>The number of quarter mile shifts must be between 1 and available shifts - 1.</source>
        <translation>Die Zahl der Schaltungen auf der Viertelmeile muss zwischen 1 und verfügbare Schaltungen - 1 liegen.</translation>
    </message>
    <message>
        <source>The horsepower must be between %1 and %2</source>
        <translation>Die Leistung muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The grill area must be between %1 and %2</source>
        <translation>Die Grillfläche muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The windshield area must be between %1 and %2</source>
        <translation>Die Scheibenfläche muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The car weight must be between %1 and %2</source>
        <translation>Das Gewicht muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The drag coefficient must be between %1 and %2</source>
        <translation>Der cw-Wert muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The windshield angle must be between %1 and %2</source>
        <translation>Der Scheibenwinkel muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The number of available shifts must be between %1 and %2</source>
        <translation>Die Zahl der verfügbaren Schaltungen muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The spin time must be between %1 and %2</source>
        <translation>Die Durchdrehzeit muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The 1/4 mile e.t. is larger than %1 seconds.</source>
        <translation>Die Zeit für die 1/4 Meile ist länger als %1 Sekunden.</translation>
    </message>
    <message>
        <source>Can&apos;t open a file without an .trv extension...</source>
        <translation>Eine Datei ohne die Endung .trv kann nicht geöffnet werden...</translation>
    </message>
</context>
<context>
    <name>ModalShowing</name>
    <message>
        <source>Cannot make a visible window modal</source>
        <translation>Ein sichtbares Fenster kann nicht modal werden</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Copyright (C) 2026 The Torvane team.
License GPLv3+: GNU GPL version 3 or later &lt;https://www.gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Copyright (C) 2026 Das Torvane-Team.
Lizenz GPLv3+: GNU GPL Version 3 oder neuer &lt;https://www.gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>There is no default printer. Set up a printer as the default printer, then print the report again.</source>
        <translation>Es gibt keinen Standarddrucker. Richten Sie einen Drucker als Standarddrucker ein und drucken Sie den Bericht dann erneut.</translation>
    </message>
    <message>
        <source>status 0x%1</source>
        <translation>Status 0x%1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>die Datei „%1“</translation>
    </message>
    <message>
        <source>the printer</source>
        <translation>der Drucker</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>der Drucker „%1“</translation>
    </message>
    <message>
        <source>The report could not be printed: %1 could not be opened for writing.</source>
        <translation>Der Bericht konnte nicht gedruckt werden: %1 ließ sich nicht zum Schreiben öffnen.</translation>
    </message>
    <message>
        <source>The report could not be printed: %1 could not start a document.</source>
        <translation>Der Bericht konnte nicht gedruckt werden: %1 konnte kein Dokument beginnen.</translation>
    </message>
    <message>
        <source>The print job on %1 was aborted: the report was not printed.</source>
        <translation>Der Druckauftrag auf %1 wurde abgebrochen: Der Bericht wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The report could not be finished: %1 reported an error at the end of the document, so the page may not have been printed.</source>
        <translation>Der Bericht konnte nicht abgeschlossen werden: %1 meldete am Ende des Dokuments einen Fehler, die Seite wurde also vielleicht nicht gedruckt.</translation>
    </message>
    <message>
        <source>Nothing was written to %1: the report was not printed.</source>
        <translation>In %1 wurde nichts geschrieben: Der Bericht wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The print server did not take the report for %1, so nothing was printed. The server said: %2</source>
        <translation>Der Druckserver hat den Bericht für %1 nicht angenommen, es wurde also nichts gedruckt. Der Server meldete: %2</translation>
    </message>
</context>
<context>
    <name>ReportLines</name>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Miles per hour</source>
        <translation>Meilen pro Stunde</translation>
    </message>
    <message>
        <source>Engine horsepower:</source>
        <translation>Motorleistung:</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>Car weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <source>Drag coefficient:</source>
        <translation>cw-Wert:</translation>
    </message>
    <message>
        <source>Number of shifts:</source>
        <translation>Schaltungen:</translation>
    </message>
    <message>
        <source>Spin time:</source>
        <translation>Durchdrehzeit:</translation>
    </message>
    <message>
        <source>Zero to 60 time:</source>
        <translation>Zeit 0 bis 60 mph:</translation>
    </message>
    <message>
        <source>Zero to 80 time:</source>
        <translation>Zeit 0 bis 80 mph:</translation>
    </message>
    <message>
        <source>60 to 80 time:</source>
        <translation>Zeit 60 bis 80 mph:</translation>
    </message>
    <message>
        <source>Zero to 100 time:</source>
        <translation>Zeit 0 bis 100 mph:</translation>
    </message>
    <message>
        <source>Quarter mile time:</source>
        <translation>Viertelmeile, Zeit:</translation>
    </message>
    <message>
        <source>Quarter mile speed:</source>
        <translation>Viertelmeile, Tempo:</translation>
    </message>
    <message>
        <source>Quarter mile distance:</source>
        <translation>Viertelmeile, Strecke:</translation>
    </message>
    <message>
        <source>Quarter mile wind force:</source>
        <translation>Viertelmeile, Windkraft:</translation>
    </message>
    <message>
        <source>Top speed time:</source>
        <translation>Höchsttempo, Zeit:</translation>
    </message>
    <message>
        <source>Top speed:</source>
        <translation>Höchsttempo:</translation>
    </message>
    <message>
        <source>Top speed distance:</source>
        <translation>Höchsttempo, Strecke:</translation>
    </message>
    <message>
        <source>Top speed wind force:</source>
        <translation>Höchsttempo, Windkraft:</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>Vergiss es!</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message>
        <source>Forget it! </source>
        <translation>Vergiss es! </translation>
    </message>
</context>
<context>
    <name>TAboutDlg</name>
    <message>
        <source>Engine horsepower	100	1500	Engine horsepower</source>
        <translation>Motorleistung	100	1500	Pferdestärken (hp)</translation>
    </message>
    <message>
        <source>Coefficient of drag	.20	.40	Dimensionless (from manufacturer)</source>
        <translation>cw-Wert	.20	.40	Ohne Einheit (vom Hersteller)</translation>
    </message>
    <message>
        <source>Weight	1000	4500	Pounds (with driver and fuel)</source>
        <translation>Gewicht	1000	4500	Pfund (mit Fahrer und Kraftstoff)</translation>
    </message>
    <message>
        <source>Grill area	2.0	20.0	Square feet (height times width)</source>
        <translation>Grillfläche	2.0	20.0	Quadratfuß (Höhe mal Breite)</translation>
    </message>
    <message>
        <source>Windshield area	2.0	20.0	Square feet (height times width)</source>
        <translation>Scheibenfläche	2.0	20.0	Quadratfuß (Höhe mal Breite)</translation>
    </message>
    <message>
        <source>Windshield angle	20.0	45.0	Degrees from horizontal</source>
        <translation>Scheibenwinkel	20.0	45.0	Grad gegen die Waagerechte</translation>
    </message>
    <message>
        <source>Wheelspin time	0.75	3.0	Seconds (Blue smoke time)</source>
        <translation>Durchdrehzeit	0.75	3.0	Sekunden (Zeit des blauen Rauchs)</translation>
    </message>
    <message>
        <source>Available shifts	1	5	Dimensionless</source>
        <translation>Schaltungen	1	5	Ohne Einheit</translation>
    </message>
    <message>
        <source>Quarter mile shifts	1	Available shifts	Dimensionless</source>
        <translation>Schaltungen 1/4 Meile	1	Schaltungen	Ohne Einheit</translation>
    </message>
    <message>
        <source>Program Torvane</source>
        <translation>Programm Torvane</translation>
    </message>
    <message>
        <source>Disclaimer - Agreement:</source>
        <translation>Haftungsausschluss - Vereinbarung:</translation>
    </message>
    <message>
        <source>This program is supplied as is, without any warranty of any kind, expressed or implied,
including fitness for a particular purpose. No liability is accepted for any damage or
loss, direct or indirect, that comes from using it or from relying on its results. By
using the program you accept these terms.</source>
        <translation>Dieses Programm wird so geliefert, wie es ist, ohne jede ausdrückliche oder stillschweigende
Garantie, auch nicht für die Eignung zu einem bestimmten Zweck. Für Schäden oder Verluste,
mittelbar oder unmittelbar, die aus seiner Nutzung oder dem Vertrauen auf seine Ergebnisse
entstehen, wird keine Haftung übernommen. Mit der Nutzung des Programms stimmen Sie dem zu.</translation>
    </message>
    <message>
        <source>Torvane is free software: you can redistribute it and/or modify it under the terms of
the GNU General Public License as published by the Free Software Foundation, either
version 3 of the License, or (at your option) any later version (GPL-3.0-or-later).
See &lt;https://www.gnu.org/licenses/&gt; for the licence.</source>
        <translation>Torvane ist freie Software: Sie können es unter den Bedingungen der GNU General Public
License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder ändern,
entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version
(GPL-3.0-or-later). Die Lizenz finden Sie unter &lt;https://www.gnu.org/licenses/&gt;.</translation>
    </message>
    <message>
        <source>Current allowable Range of Input Values...</source>
        <translation>Zulässige Bereiche der Eingabewerte...</translation>
    </message>
    <message>
        <source>Parameter	Low	High	Units</source>
        <translation>Größe	Von	Bis	Einheit</translation>
    </message>
    <message>
        <source>Sample data files are in the Examples folder where the program was installed:</source>
        <translation>Beispieldateien liegen im Beispielordner der Installation des Programms:</translation>
    </message>
    <message>
        <source>WARNING: this program is no substitute for testing real cars. Such tests are dangerous;
they belong only on approved and sanctioned courses, never on public roads.</source>
        <translation>WARNUNG: Dieses Programm ersetzt keine Tests mit echten Autos. Solche Tests sind gefährlich;
sie gehören nur auf zugelassene und genehmigte Strecken, niemals auf öffentliche Straßen.</translation>
    </message>
    <message>
        <source>Notes on the results:</source>
        <translation>Hinweise zu den Ergebnissen:</translation>
    </message>
    <message>
        <source>The top speed is an independent calculation: the speed at which the wind force just
stops any further acceleration, assuming the car has enough gears to get there.
A zero in the 0-60, 0-80 or 0-100 time means that the car did not reach that speed
within the quarter mile.
A smaller drag coefficient is better.
The grill and windshield areas are taken as flat areas square to the wind: the
measured height times the width, in feet. The top speed is very sensitive to them;
the quarter-mile results hardly change with them.</source>
        <translation>Die Höchstgeschwindigkeit wird unabhängig berechnet: das Tempo, bei dem die Windkraft jede
weitere Beschleunigung gerade aufhebt, vorausgesetzt, das Auto hat genug Gänge dafür.
Eine Null bei der Zeit für 0-60, 0-80 oder 0-100 bedeutet, dass das Auto dieses Tempo
innerhalb der Viertelmeile nicht erreicht hat.
Ein kleinerer cw-Wert ist besser.
Grill- und Scheibenfläche gelten als ebene Flächen quer zum Wind: gemessene Höhe mal
Breite, in Fuß. Die Höchstgeschwindigkeit hängt stark von ihnen ab, die Ergebnisse der
Viertelmeile kaum.</translation>
    </message>
    <message>
        <source>How the results are found:</source>
        <translation>Wie die Ergebnisse entstehen:</translation>
    </message>
    <message>
        <source>The model is classical force, mass and acceleration. The equations for the changing
acceleration were derived with the help of a computer algebra program, and no
correction factors are applied. The engine is assumed to run close to the speed of its
maximum power at all times, with no missed or slow shifts. The default inputs describe
a well-known sports car of the 1998 model year.</source>
        <translation>Das Modell ist die klassische Mechanik aus Kraft, Masse und Beschleunigung. Die Gleichungen
für die veränderliche Beschleunigung wurden mit Hilfe eines Computeralgebraprogramms
hergeleitet; Korrekturfaktoren gibt es keine. Der Motor läuft stets nahe der Drehzahl seiner
Höchstleistung, ohne verpatzte oder langsame Schaltvorgänge. Die vorgegebenen Eingaben
beschreiben einen bekannten Sportwagen des Modelljahrs 1998.</translation>
    </message>
    <message>
        <source>The Torvane team</source>
        <translation>Das Torvane-Team</translation>
    </message>
    <message>
        <source>June 22, 2003</source>
        <translation>22. Juni 2003</translation>
    </message>
    <message>
        <source>About program Torvane...</source>
        <translation>Über das Programm Torvane...</translation>
    </message>
    <message>
        <source>About Torvane</source>
        <translation>Über Torvane</translation>
    </message>
    <message>
        <source>Close this dialog box...</source>
        <translation>Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TAlertDlg</name>
    <message>
        <source>Alert...</source>
        <translation>Hinweis...</translation>
    </message>
    <message>
        <source>Close this dialog box...</source>
        <translation>Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TCGauge</name>
    <message>
        <source>Value must be between %1 and %2</source>
        <translation>Der Wert muss zwischen %1 und %2 liegen</translation>
    </message>
</context>
<context>
    <name>TCalculatorDlg</name>
    <message>
        <source>Area calculator...</source>
        <translation>Flächenrechner...</translation>
    </message>
    <message>
        <source>Grill width in inches:</source>
        <translation>Grillbreite in Zoll:</translation>
    </message>
    <message>
        <source>Grill height in inches:</source>
        <translation>Grillhöhe in Zoll:</translation>
    </message>
    <message>
        <source>Windshield width in inches:</source>
        <translation>Scheibenbreite in Zoll:</translation>
    </message>
    <message>
        <source>Windshield height in inches:</source>
        <translation>Scheibenhöhe in Zoll:</translation>
    </message>
    <message>
        <source>Grill area in square feet:</source>
        <translation>Grillfläche in sq-ft:</translation>
    </message>
    <message>
        <source>Windshield area in square feet:</source>
        <translation>Scheibenfläche in sq-ft:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Calculate results in square feet...</source>
        <translation>Die Flächen in Quadratfuß berechnen...</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Transfer the results to the input dialog, and close this dialog box...</source>
        <translation>Die Ergebnisse in den Eingabedialog übernehmen und diesen Dialog schließen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close this dialog box...</source>
        <translation>Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TCondHelpDlg</name>
    <message>
        <source>Conditions help...</source>
        <translation>Hilfe zu den Bedingungen...</translation>
    </message>
    <message>
        <source>The spin time is the total wheel spin time in seconds.</source>
        <translation>Die Durchdrehzeit ist der Radschlupf in Sekunden.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>Spin time = .20 seconds</source>
        <translation>Durchdrehzeit = .20 Sekunden</translation>
    </message>
    <message>
        <source>Spin time can vary between almost zero, for a low</source>
        <translation>Sie reicht von fast null bei einem schwachen</translation>
    </message>
    <message>
        <source>power car, to 1 second or more for a high-power car.</source>
        <translation>Auto bis zu 1 Sekunde und mehr bei einem starken.</translation>
    </message>
    <message>
        <source>Traction control can cut spin time to almost zero...</source>
        <translation>Eine Antriebsschlupfregelung senkt sie fast auf null...</translation>
    </message>
    <message>
        <source>Quarter mile shifts, are the number of shifts required to complete the 1/4 mile distance, under full power. Available shifts, are the number of shifts available from the Torvane transmission. Six gears, would require five shifts.</source>
        <translation>Schaltungen auf der Viertelmeile: so oft wird unter Vollgas geschaltet, bis die 1/4 Meile geschafft ist. Verfügbare Schaltungen: so oft kann das Getriebe schalten. Sechs Gänge ergeben fünf Schaltungen.</translation>
    </message>
    <message>
        <source>Close this dialog box...</source>
        <translation>Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TControlDlg</name>
    <message>
        <source>Torvane Control...</source>
        <translation>Torvane-Steuerung...</translation>
    </message>
    <message>
        <source>View Input data</source>
        <translation>Eingabedaten</translation>
    </message>
    <message>
        <source>Torvane values|Enter or change Torvane properties and conditions...</source>
        <translation>Torvane-Werte|Eigenschaften und Bedingungen eingeben oder ändern...</translation>
    </message>
    <message>
        <source>View results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Display results|Show 1/4 mile result summary...</source>
        <translation>Ergebnisse zeigen|Die Ergebnisse der Viertelmeile zeigen...</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open data file|Open Torvane input data file...</source>
        <translation>Datendatei öffnen|Eine Torvane-Datendatei öffnen...</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save data file|Save Torvane input data file...</source>
        <translation>Datendatei speichern|Die Eingaben als Torvane-Datendatei speichern...</translation>
    </message>
    <message>
        <source>Print results</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print results|Print all input and output values on the printer...</source>
        <translation>Ergebnisse drucken|Alle Eingaben und Ergebnisse auf dem Drucker ausgeben...</translation>
    </message>
    <message>
        <source>Close|Close this dialog box...</source>
        <translation>Schließen|Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TInputDlg</name>
    <message>
        <source> Torvane Data Input,,,</source>
        <translation> Torvane-Dateneingabe,,,</translation>
    </message>
    <message>
        <source>Torvane data</source>
        <translation>Torvane-Daten</translation>
    </message>
    <message>
        <source>Engine horspower:</source>
        <translation>Motorleistung in hp:</translation>
    </message>
    <message>
        <source>Grill area in sq-ft:</source>
        <translation>Grillfläche in sq-ft:</translation>
    </message>
    <message>
        <source>Windshield area in sq-ft:</source>
        <translation>Scheibenfläche in sq-ft:</translation>
    </message>
    <message>
        <source>Car weight in lbs:</source>
        <translation>Gewicht in lbs:</translation>
    </message>
    <message>
        <source>Drag coefficient:</source>
        <translation>cw-Wert:</translation>
    </message>
    <message>
        <source>Windshield angle in degrees:</source>
        <translation>Scheibenwinkel in Grad:</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Number of available shifts:</source>
        <translation>Verfügbare Schaltungen:</translation>
    </message>
    <message>
        <source>Number of quarter mile shifts:</source>
        <translation>Schaltungen auf 1/4 Meile:</translation>
    </message>
    <message>
        <source>Spin time in seconds:</source>
        <translation>Durchdrehzeit in s:</translation>
    </message>
    <message>
        <source>&amp;Input Help  </source>
        <translation>&amp;Eingabehilfe  </translation>
    </message>
    <message>
        <source>Show input help dialog...</source>
        <translation>Die Hilfe zu den Eingaben zeigen...</translation>
    </message>
    <message>
        <source>&amp;Conditions Help  </source>
        <translation>&amp;Bedingungen  </translation>
    </message>
    <message>
        <source>Show conditions help dialog...</source>
        <translation>Die Hilfe zu den Bedingungen zeigen...</translation>
    </message>
    <message>
        <source>Area Calculator</source>
        <translation>Flächenrechner</translation>
    </message>
    <message>
        <source>Calculate grill and windshield area square feet from measurments in inches...</source>
        <translation>Grill- und Scheibenfläche in Quadratfuß aus Maßen in Zoll berechnen...</translation>
    </message>
    <message>
        <source>Restore Inputs</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore previous values...</source>
        <translation>Die vorigen Werte wiederherstellen...</translation>
    </message>
    <message>
        <source>OK  </source>
        <translation>OK  </translation>
    </message>
    <message>
        <source>Take all input values and calculate performance...</source>
        <translation>Alle Eingaben übernehmen und die Fahrleistungen berechnen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close this dialog box...</source>
        <translation>Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TInputHelpDlg</name>
    <message>
        <source>Input help...</source>
        <translation>Eingabehilfe...</translation>
    </message>
    <message>
        <source>Horsepower is the rated horsepower of the engine.</source>
        <translation>Die Leistung ist die Nennleistung des Motors in hp.</translation>
    </message>
    <message>
        <source>Car weight is the weight of the car with the passengers</source>
        <translation>Das Gewicht ist das Gewicht des Autos mit Insassen.</translation>
    </message>
    <message>
        <source>Frontal area primarily depends on the following factors:</source>
        <translation>Die Stirnfläche hängt vor allem hiervon ab:</translation>
    </message>
    <message>
        <source>1. The flat front end of the car, or grill area.</source>
        <translation>1. der flachen Front des Autos, der Grillfläche,</translation>
    </message>
    <message>
        <source>2. The windshield glass area.</source>
        <translation>2. der Glasfläche der Frontscheibe,</translation>
    </message>
    <message>
        <source>3. The windshield angle from horizontal.</source>
        <translation>3. dem Winkel der Scheibe zur Waagerechten.</translation>
    </message>
    <message>
        <source>The drag coefficient is the aerodynamic drag coefficient</source>
        <translation>Der cw-Wert ist der Luftwiderstandsbeiwert der</translation>
    </message>
    <message>
        <source>of the car body.  This is usually available from the car</source>
        <translation>Karosserie. Er steht meist in den Angaben des</translation>
    </message>
    <message>
        <source>manufacturer or brochures.</source>
        <translation>Herstellers oder in Prospekten.</translation>
    </message>
    <message>
        <source>Close this dialog box...</source>
        <translation>Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Click to open control dialog...</source>
        <translation>Klicken, um den Steuerdialog zu öffnen...</translation>
    </message>
    <message>
        <source>Torvane Performance Analysis Program...</source>
        <translation>Torvane - Programm zur Analyse der Fahrleistung...</translation>
    </message>
    <message>
        <source>File...</source>
        <translation>Datei...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View...</source>
        <translation>&amp;Ansicht...</translation>
    </message>
    <message>
        <source>View &amp;control dialog</source>
        <translation>&amp;Steuerdialog zeigen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About Torvane</source>
        <translation>&amp;Über Torvane</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Version 4.0 - June 22, 2003</source>
        <translation>Version 4.0 - 22. Juni 2003</translation>
    </message>
    <message>
        <source>For car enthusiasts</source>
        <translation>Für Autofans</translation>
    </message>
</context>
<context>
    <name>TOutputDlg</name>
    <message>
        <source> Torvane Results...</source>
        <translation> Torvane-Ergebnisse...</translation>
    </message>
    <message>
        <source>Quarter mile</source>
        <translation>Viertelmeile</translation>
    </message>
    <message>
        <source>Elapsed time in seconds:</source>
        <translation>Zeit in Sekunden:</translation>
    </message>
    <message>
        <source>Speed in miles per hour:</source>
        <translation>Tempo in mph:</translation>
    </message>
    <message>
        <source>Distance in feet:</source>
        <translation>Strecke in Fuß:</translation>
    </message>
    <message>
        <source>Wind force in pounds:</source>
        <translation>Windkraft in Pfund:</translation>
    </message>
    <message>
        <source>Top speed</source>
        <translation>Höchsttempo</translation>
    </message>
    <message>
        <source>Top speed time in seconds:</source>
        <translation>Zeit bis dahin in Sekunden:</translation>
    </message>
    <message>
        <source>Top speed in miles per hour:</source>
        <translation>Höchsttempo in mph:</translation>
    </message>
    <message>
        <source>Top speed distance in feet:</source>
        <translation>Strecke bis dahin in Fuß:</translation>
    </message>
    <message>
        <source>Top speed wind force in pounds:</source>
        <translation>Windkraft dabei in Pfund:</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>Zero to sixty time in seconds:</source>
        <translation>0 bis 60 mph in Sekunden:</translation>
    </message>
    <message>
        <source>Zero to eighty time in seconds:</source>
        <translation>0 bis 80 mph in Sekunden:</translation>
    </message>
    <message>
        <source>Zero to one hundred time in seconds:</source>
        <translation>0 bis 100 mph in Sekunden:</translation>
    </message>
    <message>
        <source>Sixty to eighty time in seconds:</source>
        <translation>60 bis 80 mph in Sekunden:</translation>
    </message>
    <message>
        <source>Close this dialog box...</source>
        <translation>Diesen Dialog schließen...</translation>
    </message>
</context>
<context>
    <name>TPrintTitleDlg</name>
    <message>
        <source>Print Torvane results...</source>
        <translation>Torvane-Ergebnisse drucken...</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Simulation results</source>
        <translation>Simulationsergebnisse</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print the results on the default windows printer...</source>
        <translation>Die Ergebnisse auf dem Standarddrucker drucken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore the previous title, and close this dialog box...</source>
        <translation>Den vorigen Titel wiederherstellen und diesen Dialog schließen...</translation>
    </message>
    <message>
        <source>There is no printer to print the report on.</source>
        <translation>Es gibt keinen Drucker, auf dem der Bericht gedruckt werden kann.</translation>
    </message>
</context>
<context>
    <name>VehicleFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The file %1 holds a value for the %2 longer than %L3 bytes, so it is not a Torvane data file. Nothing was loaded.</source>
        <translation>Die Datei %1 enthält für „%2“ einen Wert, der länger als %L3 Bytes ist; sie ist also keine Torvane-Datendatei. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>The file %1 holds a value that runs on past its first %L2 bytes, where a Torvane data file keeps all nine values; it would be cut short. Nothing was loaded.</source>
        <translation>Die Datei %1 enthält einen Wert, der über ihre ersten %L2 Bytes hinausreicht, in denen eine Torvane-Datendatei alle neun Werte hält; er würde abgeschnitten. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>The file %1 holds only %L2 of the nine values within its first %L3 bytes, where a Torvane data file keeps them all. Nothing was loaded.</source>
        <translation>Die Datei %1 enthält in ihren ersten %L3 Bytes, in denen eine Torvane-Datendatei alle Werte hält, nur %L2 der neun Werte. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>The file %1 holds %L2 of the nine values a Torvane data file needs. Nothing was loaded.</source>
        <translation>Die Datei %1 enthält %L2 der neun Werte, die eine Torvane-Datendatei braucht. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>The %1 box is empty. Fill it in before saving; nothing was saved.</source>
        <translation>Das Feld „%1“ ist leer. Füllen Sie es vor dem Speichern aus; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The %1 box holds a space inside its value, which would not read back as one value. Nothing was saved.</source>
        <translation>Das Feld „%1“ enthält ein Leerzeichen in seinem Wert, der sich so nicht als ein Wert zurücklesen ließe. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The %1 box starts with an invisible byte-order mark, which would not read back as part of its value. Nothing was saved.</source>
        <translation>Das Feld „%1“ beginnt mit einer unsichtbaren Bytereihenfolge-Markierung, die nicht als Teil seines Werts zurückgelesen würde. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The %1 box holds a value of %L2 bytes; a Torvane data file holds at most %L3 bytes a value (letters beyond plain ASCII take two or more). Nothing was saved.</source>
        <translation>Das Feld „%1“ enthält einen Wert von %L2 Bytes; eine Torvane-Datendatei hält höchstens %L3 Bytes je Wert (Buchstaben außerhalb von ASCII brauchen zwei oder mehr). Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is %2, not a Torvane data file. Nothing was loaded.</source>
        <translation>%1 konnte nicht geöffnet werden: Es ist %2, keine Torvane-Datendatei. Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
</TS>
