<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Air</name>
    <message>
        <source>The temperature must be between -40 and 140 °F.</source>
        <translation>Die Temperatur muss zwischen -40 und 140 °F liegen.</translation>
    </message>
    <message>
        <source>The station pressure must be between 20 and 32 inHg.</source>
        <translation>Der Stationsdruck muss zwischen 20 und 32 inHg liegen.</translation>
    </message>
    <message>
        <source>The humidity must be between 0 and 100 %.</source>
        <translation>Die Luftfeuchte muss zwischen 0 und 100 % liegen.</translation>
    </message>
    <message>
        <source>The altimeter setting must be between 20 and 32 inHg.</source>
        <translation>Die Höhenmessereinstellung (QNH) muss zwischen 20 und 32 inHg liegen.</translation>
    </message>
    <message>
        <source>The elevation must be between -1,500 and 14,000 ft.</source>
        <translation>Die Streckenhöhe muss zwischen -1.500 und 14.000 ft liegen.</translation>
    </message>
    <message>
        <source>The altimeter setting and the elevation give a station pressure of %1 inHg; it must be between 20 and 32 inHg.</source>
        <translation>Höhenmessereinstellung (QNH) und Streckenhöhe ergeben einen Stationsdruck von %1 inHg; er muss zwischen 20 und 32 inHg liegen.</translation>
    </message>
    <message>
        <source>The station pressure of %1 inHg is more than 1.5 inHg from the standard pressure at %2 ft (%3 inHg): it looks like an altimeter setting, or the elevation is not the track&apos;s.</source>
        <translation>Der Stationsdruck von %1 inHg weicht um mehr als 1,5 inHg vom Normdruck in %2 ft Höhe (%3 inHg) ab: Er sieht wie eine Höhenmessereinstellung (QNH) aus, oder die Streckenhöhe stimmt nicht.</translation>
    </message>
    <message>
        <source>The altimeter setting of %1 inHg is more than 1.5 inHg from the standard pressure at sea level (29.92 inHg), to which it is reduced: it looks like a station pressure.</source>
        <translation>Die Höhenmessereinstellung (QNH) von %1 inHg weicht um mehr als 1,5 inHg vom Normdruck auf Meereshöhe (29,92 inHg) ab, auf den sie umgerechnet ist: Sie sieht wie ein Stationsdruck aus.</translation>
    </message>
</context>
<context>
    <name>BothModelsModel</name>
    <message>
        <source>%1
(%2)</source>
        <translation>%1
(%2)</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>There are no runs to fit the car to.</source>
        <translation>Es gibt keine Läufe, an die das Auto angepasst werden kann.</translation>
    </message>
    <message>
        <source>Run %1 cannot be fitted to: %2</source>
        <translation>An Lauf %1 lässt sich nicht anpassen: %2</translation>
    </message>
    <message>
        <source>The spin time is held at 0 s: the model cannot reach these elapsed times with %1 quarter-mile shifts; with %2 it can.</source>
        <translation>Die Durchdrehzeit bleibt bei 0 s: Mit %1 Schaltungen auf der Viertelmeile erreicht das Modell diese Zeiten nicht, mit %2 schon.</translation>
    </message>
    <message>
        <source>The spin time is held at 0 s: the model cannot reach these elapsed times with 1 quarter-mile shift.</source>
        <translation>Die Durchdrehzeit bleibt bei 0 s: Mit 1 Schaltung auf der Viertelmeile erreicht das Modell diese Zeiten nicht.</translation>
    </message>
    <message>
        <source>The spin time is held at 0 s: the model cannot reach these elapsed times with %1 quarter-mile shifts, nor with fewer.</source>
        <translation>Die Durchdrehzeit bleibt bei 0 s: Mit %1 Schaltungen auf der Viertelmeile erreicht das Modell diese Zeiten nicht, mit weniger auch nicht.</translation>
    </message>
    <message>
        <source>With fewer than three runs no error band can be given.</source>
        <translation>Mit weniger als drei Läufen lässt sich keine Fehlerspanne angeben.</translation>
    </message>
    <message>
        <source>The fitted car does not finish the quarter mile on this day.</source>
        <translation>Das angepasste Auto schafft die Viertelmeile an diesem Tag nicht.</translation>
    </message>
    <message>
        <source>The calibration was cancelled.</source>
        <translation>Die Kalibrierung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The car cannot be fitted to the runs: %1.</source>
        <translation>Das Auto lässt sich nicht an die Läufe anpassen: %1.</translation>
    </message>
    <message>
        <source>One run is matched exactly by the two fitted values: the fit cannot tell the car from that run&apos;s luck. Add runs of other days.</source>
        <translation>Ein Lauf wird von den zwei angepassten Werten genau getroffen: die Anpassung kann das Auto nicht vom Glück dieses Laufs unterscheiden. Fügen Sie Läufe anderer Tage hinzu.</translation>
    </message>
    <message>
        <source>Fit to the runs since %1: %2 of %3.</source>
        <translation>Angepasst an die Läufe seit %1: %2 von %3.</translation>
    </message>
    <message>
        <source>Fit to the last %1 runs: %2 of %3.</source>
        <translation>Angepasst an die letzten %1 Läufe: %2 von %3.</translation>
    </message>
    <message>
        <source>Fit to all runs: %1 of %2.</source>
        <translation>Angepasst an alle Läufe: %1 von %2.</translation>
    </message>
    <message>
        <source>All runs are of one day: no error band can be given until runs of another day are added.</source>
        <translation>Alle Läufe sind von einem Tag: ein Fehlerband gibt es erst, wenn Läufe eines anderen Tages hinzukommen.</translation>
    </message>
    <message>
        <source>Fewer than three runs on two days give these figures: no error band can be given.</source>
        <translation>Weniger als drei Läufe an zwei Tagen geben diese Werte an: es kann kein Fehlerband angegeben werden.</translation>
    </message>
    <message>
        <source>The car does not finish the quarter mile on the runs&apos; days at any horsepower up to %L1 hp.</source>
        <translation>Das Auto schafft die Viertelmeile an den Tagen der Läufe mit keiner Leistung bis %L1 hp.</translation>
    </message>
    <message>
        <source>The horsepower is held at the end of the search, %L1 hp.</source>
        <translation>Die Leistung bleibt am Ende des Suchbereichs, bei %L1 hp.</translation>
    </message>
    <message>
        <source>The car does not finish the quarter mile on the runs&apos; days at any power the road model takes.</source>
        <translation>Das Auto erreicht das Ziel der Viertelmeile an den Tagen der Läufe bei keiner Leistung, die das Straßenmodell annimmt.</translation>
    </message>
    <message>
        <source>The launch grip is held at 1: on the runs&apos; days the tires&apos; grip never holds the launch, so the runs cannot tell it.</source>
        <translation>Die Haftung beim Start bleibt bei 1: An den Tagen der Läufe begrenzt die Haftung der Reifen den Start nie, daher können die Läufe sie nicht bestimmen.</translation>
    </message>
    <message>
        <source>The launch grip is held at the end of the search, × %L1.</source>
        <translation>Die Haftung beim Start bleibt am Ende des Suchbereichs, bei × %L1.</translation>
    </message>
    <message>
        <source>The power is held at the end of the road model&apos;s range, %L1 hp rated.</source>
        <translation>Die Leistung bleibt am Ende des Bereichs des Straßenmodells, bei %L1 hp Nennleistung.</translation>
    </message>
    <message>
        <source>Fitted to the runs (%1) on the road model: %2 hp at the wheels on the standard day (%3 hp rated), launch grip × %4.</source>
        <translation>Mit dem Straßenmodell an die Läufe angepasst (%1): %2 hp am Rad unter Normbedingungen (%3 hp Nennleistung), Haftung beim Start × %4.</translation>
    </message>
    <message>
        <source>Fitted to the runs (%1): %2 hp on the standard day, spin time %3 s.</source>
        <translation>An die Läufe angepasst (%1): %2 hp unter Normbedingungen, Durchdrehzeit %3 s.</translation>
    </message>
    <message>
        <source>The fitted power lies within the road model&apos;s ranges.</source>
        <translation>Die angepasste Leistung liegt in den Bereichen des Straßenmodells.</translation>
    </message>
    <message>
        <source>Outside the road model&apos;s ranges: %1</source>
        <translation>Außerhalb der Bereiche des Straßenmodells: %1</translation>
    </message>
    <message>
        <source>Both values lie within the classic input ranges.</source>
        <translation>Beide Werte liegen in den klassischen Eingabebereichen.</translation>
    </message>
    <message>
        <source>Outside the classic input ranges: %1</source>
        <translation>Außerhalb der klassischen Eingabebereiche: %1</translation>
    </message>
</context>
<context>
    <name>CarFiles</name>
    <message>
        <source>Export the comparison</source>
        <translation>Vergleich exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>vergleich</translation>
    </message>
    <message>
        <source>The comparison was written to %1.</source>
        <translation>Der Vergleich wurde in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Export the report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Der Bericht wurde in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Could not make the report; nothing was written to %1.</source>
        <translation>Der Bericht ließ sich nicht erstellen; in %1 wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Export the curves</source>
        <translation>Kurven exportieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>curves</source>
        <translation>kurven</translation>
    </message>
    <message>
        <source>The curves were written to %1.</source>
        <translation>Die Kurven wurden in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Could not make the picture; nothing was written to %1.</source>
        <translation>Das Bild ließ sich nicht erstellen; in %1 wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 of %2 files could not be opened:</source>
        <translation>%1 von %2 Dateien ließen sich nicht öffnen:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is open as a new car: its name is not valid UTF-8, so the garage cannot save under it. Save the car under another name.</source>
        <translation>%1 ist als neues Auto geöffnet: Sein Name ist kein gültiges UTF-8, daher kann die Garage nicht unter ihm speichern. Speichern Sie das Auto unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>%1 is open already.</source>
        <translation>%1 ist schon geöffnet.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <source>Torvane files (*.trv)</source>
        <translation>Torvane-Dateien (*.trv)</translation>
    </message>
    <message>
        <source>%1 was read again from its file.</source>
        <translation>%1 wurde neu aus seiner Datei gelesen.</translation>
    </message>
    <message>
        <source>The car opened with its nine values; the lines after them are kept as they stand and saved with the car.</source>
        <translation>Das Auto wurde mit seinen neun Werten geöffnet; die Zeilen danach bleiben, wie sie sind, und werden mit dem Auto gespeichert.</translation>
    </message>
    <message>
        <source>%1 is a new car, without runs. Save it to keep it so.</source>
        <translation>%1 ist ein neues Auto, ohne Läufe. Speichern Sie es, damit es so bleibt.</translation>
    </message>
</context>
<context>
    <name>CarForm</name>
    <message>
        <source>&amp;Power:</source>
        <translation>&amp;Leistung:</translation>
    </message>
    <message>
        <source>Horse&amp;power:</source>
        <translation>&amp;Leistung:</translation>
    </message>
    <message>
        <source>&amp;Grill area:</source>
        <translation>&amp;Grillfläche:</translation>
    </message>
    <message>
        <source>W&amp;indshield area:</source>
        <translation>Scheiben&amp;fläche:</translation>
    </message>
    <message>
        <source>Car weigh&amp;t:</source>
        <translation>Gewich&amp;t:</translation>
    </message>
    <message>
        <source>&amp;Drag coefficient:</source>
        <translation>&amp;cw-Wert:</translation>
    </message>
    <message>
        <source>Windshield ang&amp;le:</source>
        <translation>Scheibenwin&amp;kel:</translation>
    </message>
    <message>
        <source>Availa&amp;ble shifts:</source>
        <translation>Verfügbare &amp;Schaltungen:</translation>
    </message>
    <message>
        <source>&amp;Quarter mile shifts:</source>
        <translation>Schaltungen auf 1/4 &amp;Meile:</translation>
    </message>
    <message>
        <source>Spin ti&amp;me:</source>
        <translation>Durchdreh&amp;zeit:</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Car name</source>
        <translation>Name des Autos</translation>
    </message>
    <message>
        <source>Frontal area:</source>
        <translation>Stirnfläche:</translation>
    </message>
    <message>
        <source>Areas from measurements</source>
        <translation>Flächen aus Maßen</translation>
    </message>
    <message>
        <source>Grill</source>
        <translation>Grill</translation>
    </message>
    <message>
        <source>Windshield</source>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Use as the %1 area</source>
        <translation>Als %1 übernehmen</translation>
    </message>
    <message>
        <source>Put this area into the car&apos;s %1 area</source>
        <translation>Diese Fläche als %1 des Autos übernehmen</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>(%1 to %2 %3)</source>
        <translation>(%1 bis %2 %3)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 width in centimetres</source>
        <translation>%1, Breite in Zentimetern</translation>
    </message>
    <message>
        <source>%1 width in inches</source>
        <translation>%1, Breite in Zoll</translation>
    </message>
    <message>
        <source>%1 height in centimetres</source>
        <translation>%1, Höhe in Zentimetern</translation>
    </message>
    <message>
        <source>%1 height in inches</source>
        <translation>%1, Höhe in Zoll</translation>
    </message>
    <message>
        <source>width (cm)</source>
        <translation>Breite (cm)</translation>
    </message>
    <message>
        <source>width (in)</source>
        <translation>Breite (in)</translation>
    </message>
    <message>
        <source>height (cm)</source>
        <translation>Höhe (cm)</translation>
    </message>
    <message>
        <source>height (in)</source>
        <translation>Höhe (in)</translation>
    </message>
    <message>
        <source>= %1 %2</source>
        <translation>= %1 %2</translation>
    </message>
    <message>
        <source>grill</source>
        <translation>Grillfläche</translation>
    </message>
    <message>
        <source>windshield</source>
        <translation>Scheibenfläche</translation>
    </message>
    <message>
        <source>Road model</source>
        <translation>Straßenmodell</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1 (typical)</source>
        <translation>%1 (typisch)</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>%1 %2 (the road model takes the measured %3 %2)</source>
        <translation>%1 %2 (das Straßenmodell nimmt die gemessenen %3 %2)</translation>
    </message>
</context>
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
    <name>CarList</name>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Change %1 of %2</source>
        <translation>%1 von %2 ändern</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>%1 übernehmen</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>%1 schließen</translation>
    </message>
    <message>
        <source>%1 (variant)</source>
        <translation>%1 (Variante)</translation>
    </message>
    <message>
        <source>%1 (what if)</source>
        <translation>%1 (was wäre, wenn)</translation>
    </message>
</context>
<context>
    <name>CarModel</name>
    <message>
        <source>Road model</source>
        <translation>Straßenmodell</translation>
    </message>
    <message>
        <source>Classic law</source>
        <translation>Klassisches Gesetz</translation>
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
    <name>ComparisonModel</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 never reaches this speed.</source>
        <translation>%1 erreicht dieses Tempo nie.</translation>
    </message>
    <message>
        <source>The best of the cars compared.</source>
        <translation>Der beste Wert der verglichenen Autos.</translation>
    </message>
    <message>
        <source>%1 †</source>
        <translation>%1 †</translation>
    </message>
    <message>
        <source>Quarter mile elapsed time</source>
        <translation>Viertelmeile, Zeit</translation>
    </message>
    <message>
        <source>Quarter mile speed</source>
        <translation>Viertelmeile, Tempo</translation>
    </message>
    <message>
        <source>Quarter mile distance</source>
        <translation>Viertelmeile, Strecke</translation>
    </message>
    <message>
        <source>Quarter mile wind force</source>
        <translation>Viertelmeile, Windkraft</translation>
    </message>
    <message>
        <source>Top speed time</source>
        <translation>Höchsttempo, Zeit</translation>
    </message>
    <message>
        <source>Top speed</source>
        <translation>Höchsttempo</translation>
    </message>
    <message>
        <source>Top speed distance</source>
        <translation>Höchsttempo, Strecke</translation>
    </message>
    <message>
        <source>Top speed wind force</source>
        <translation>Höchsttempo, Windkraft</translation>
    </message>
    <message>
        <source>0-60 mph time</source>
        <translation>Zeit 0-60 mph</translation>
    </message>
    <message>
        <source>0-80 mph time</source>
        <translation>Zeit 0-80 mph</translation>
    </message>
    <message>
        <source>0-100 mph time</source>
        <translation>Zeit 0-100 mph</translation>
    </message>
    <message>
        <source>60-80 mph time</source>
        <translation>Zeit 60-80 mph</translation>
    </message>
    <message>
        <source>60 ft time</source>
        <translation>Zeit 60 ft</translation>
    </message>
    <message>
        <source>330 ft time</source>
        <translation>Zeit 330 ft</translation>
    </message>
    <message>
        <source>1/8 mile elapsed time</source>
        <translation>Achtelmeile, Zeit</translation>
    </message>
    <message>
        <source>1000 ft time</source>
        <translation>Zeit 1000 ft</translation>
    </message>
    <message>
        <source>1/8 mile speed</source>
        <translation>Achtelmeile, Tempo</translation>
    </message>
    <message>
        <source>0-100 km/h time</source>
        <translation>Zeit 0-100 km/h</translation>
    </message>
    <message>
        <source>Hale estimate: elapsed time</source>
        <translation>Schätzung nach Hale: Zeit</translation>
    </message>
    <message>
        <source>Hale estimate: trap speed</source>
        <translation>Schätzung nach Hale: Endtempo</translation>
    </message>
    <message>
        <source>Fox estimate: elapsed time</source>
        <translation>Schätzung nach Fox: Zeit</translation>
    </message>
    <message>
        <source>Fox estimate: trap speed</source>
        <translation>Schätzung nach Fox: Endtempo</translation>
    </message>
    <message>
        <source>Huntington estimate: elapsed time</source>
        <translation>Schätzung nach Huntington: Zeit</translation>
    </message>
    <message>
        <source>Huntington estimate: trap speed</source>
        <translation>Schätzung nach Huntington: Endtempo</translation>
    </message>
    <message>
        <source>† The law of %1 reaches its top speed before the quarter mile; past that point the model&apos;s speed falls, where a real car would hold its top speed. Its curves are dotted there, and its quarter-mile figures carry that fall.</source>
        <translation>† Nach dem Bewegungsgesetz erreicht %1 das Höchsttempo schon vor dem Ende der Viertelmeile; danach fällt das Tempo im Modell, wo ein echtes Auto sein Höchsttempo halten würde. Dort sind seine Kurven gepunktet, und seine Werte für die Viertelmeile enthalten diesen Abfall.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Frontal area</source>
        <translation>Stirnfläche</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Station pressure</source>
        <translation>Stationsdruck</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <source>Density altitude</source>
        <translation>Dichtehöhe</translation>
    </message>
    <message>
        <source>Relative air density</source>
        <translation>Relative Luftdichte</translation>
    </message>
    <message>
        <source>Correction factor (SAE J1349)</source>
        <translation>Korrekturfaktor (SAE J1349)</translation>
    </message>
    <message>
        <source>Horsepower on the day</source>
        <translation>Leistung an diesem Tag</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
</context>
<context>
    <name>ConditionsBox</name>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>at an elevation of</source>
        <translation>auf einer Höhe von</translation>
    </message>
    <message>
        <source>Track elevation</source>
        <translation>Streckenhöhe</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Relative Luftfeuchte</translation>
    </message>
    <message>
        <source>Standard day</source>
        <translation>Normbedingungen</translation>
    </message>
    <message>
        <source>Pressure given as</source>
        <translation>Luftdruck angegeben als</translation>
    </message>
    <message>
        <source>station pressure</source>
        <translation>Stationsdruck</translation>
    </message>
    <message>
        <source>altimeter setting</source>
        <translation>Höhenmesser (QNH)</translation>
    </message>
    <message>
        <source>25 °C (77 °F), dry air at 99 kPa (29.235 inHg): the day the classic program&apos;s results are for (SAE J1349)</source>
        <translation>25 °C (77 °F), trockene Luft bei 99 kPa (29,235 inHg): die Bedingungen, für die die Ergebnisse des klassischen Programms gelten (SAE J1349)</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The day&apos;s air:</source>
        <translation>Luft des Tages:</translation>
    </message>
    <message>
        <source>humidity</source>
        <translation>Luftfeuchte</translation>
    </message>
    <message>
        <source>density altitude %1 %2 · air %3 % as dense as on the standard day · correction factor %4 (SAE J1349), %5 (SAE J607)</source>
        <translation>Dichtehöhe %1 %2 · Luftdichte %3 % der Norm · Korrekturfaktor %4 (SAE J1349), %5 (SAE J607)</translation>
    </message>
    <message>
        <source> · station pressure %1 %2</source>
        <translation> · Stationsdruck %1 %2</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>The law every page runs the cars by: the road model (a real car at a real strip) or the classic law (the classic program&apos;s numbers)</source>
        <translation>Das Gesetz, nach dem jede Seite die Autos rechnet: das Straßenmodell (ein echtes Auto auf einer echten Strecke) oder das klassische Gesetz (die Werte des klassischen Programms)</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Road-test day</source>
        <translation>Testbedingungen</translation>
    </message>
    <message>
        <source>15.6 °C (60 °F), dry air at 29.92 inHg: the day US road tests correct their figures to, and the road model&apos;s day in torvane-run</source>
        <translation>15,6 °C (60 °F), trockene Luft bei 29,92 inHg: der Tag, auf den US-Fahrtests ihre Werte umrechnen, und der Tag des Straßenmodells in torvane-run</translation>
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
    <name>CurveCharts</name>
    <message>
        <source>60 mph</source>
        <translation>60 mph</translation>
    </message>
    <message>
        <source>80 mph</source>
        <translation>80 mph</translation>
    </message>
    <message>
        <source>100 mph</source>
        <translation>100 mph</translation>
    </message>
    <message>
        <source>Quarter mile</source>
        <translation>Viertelmeile</translation>
    </message>
    <message>
        <source>Top speed</source>
        <translation>Höchsttempo</translation>
    </message>
    <message>
        <source>60 ft</source>
        <translation>60 ft</translation>
    </message>
    <message>
        <source>330 ft</source>
        <translation>330 ft</translation>
    </message>
    <message>
        <source>1/8 mile</source>
        <translation>1/8 Meile</translation>
    </message>
    <message>
        <source>1000 ft</source>
        <translation>1000 ft</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Speed against time</source>
        <translation>Tempo über der Zeit</translation>
    </message>
    <message>
        <source>Distance against time</source>
        <translation>Strecke über der Zeit</translation>
    </message>
    <message>
        <source>Whole run, to the top speed</source>
        <translation>Ganzer Lauf, bis zum Höchsttempo</translation>
    </message>
    <message>
        <source>Time span of the curves</source>
        <translation>Zeitspanne der Kurven</translation>
    </message>
    <message>
        <source>Sh&amp;ow:</source>
        <translation>Ze&amp;igen:</translation>
    </message>
    <message>
        <source>Time slips</source>
        <translation>Timeslips</translation>
    </message>
    <message>
        <source>Speed (%1)</source>
        <translation>Tempo (%1)</translation>
    </message>
    <message>
        <source>Distance (%1)</source>
        <translation>Strecke (%1)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>%1 (no run)</source>
        <translation>%1 (ohne Ergebnis)</translation>
    </message>
    <message>
        <source>%1: %2
%3 s, %4 %5, %6 %7</source>
        <translation>%1: %2
%3 s, %4 %5, %6 %7</translation>
    </message>
    <message>
        <source>%1
%2 s: %3 %4</source>
        <translation>%1
%2 s: %3 %4</translation>
    </message>
    <message>
        <source>Past the law&apos;s top speed: the model&apos;s speed falls here, where a real car would hold its top speed.</source>
        <translation>Nach dem Höchsttempo des Modells: Hier fällt das Tempo im Modell, wo ein echtes Auto sein Höchsttempo halten würde.</translation>
    </message>
    <message>
        <source>Gear change</source>
        <translation>Gangwechsel</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1   ▪ gear change   ▬ the tires&apos; grip limits the launch</source>
        <translation>%1   ▪ Gangwechsel   ▬ die Haftung der Reifen begrenzt den Start</translation>
    </message>
    <message>
        <source>● 60 mph   ■ 80 mph   ▲ 100 mph   ★ quarter mile   ◆ top speed   ⬟ 60 ft, 330 ft, 1/8 mile, 1000 ft   ╌ quarter-mile distance</source>
        <translation>● 60 mph   ■ 80 mph   ▲ 100 mph   ★ Viertelmeile   ◆ Höchsttempo   ⬟ 60 ft, 330 ft, 1/8 Meile, 1000 ft   ╌ Strecke 1/4 Meile</translation>
    </message>
    <message>
        <source>%1   ┈ past the law&apos;s top speed</source>
        <translation>%1   ┈ nach dem Höchsttempo</translation>
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
    <name>DialInCharts</name>
    <message>
        <source>Quarter mile against density altitude</source>
        <translation>Viertelmeile über der Dichtehöhe</translation>
    </message>
    <message>
        <source>Quarter mile by date</source>
        <translation>Viertelmeile nach Datum</translation>
    </message>
    <message>
        <source>Density altitude (ft)</source>
        <translation>Dichtehöhe (ft)</translation>
    </message>
    <message>
        <source>ET (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Time, fitted line</source>
        <translation>Zeit, Ausgleichsgerade</translation>
    </message>
    <message>
        <source>Speed, fitted line</source>
        <translation>Geschwindigkeit, Ausgleichsgerade</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time as run</source>
        <translation>Gefahrene Zeit</translation>
    </message>
    <message>
        <source>Time on the standard day</source>
        <translation>Zeit unter Normbedingungen</translation>
    </message>
    <message>
        <source>A line needs two runs of the fit on days of different air.</source>
        <translation>Eine Gerade braucht zwei Läufe der Anpassung an Tagen mit verschiedener Luft.</translation>
    </message>
    <message>
        <source>Lines of least squares through the runs of the fit (%1): %2 s per %3 ft of density altitude</source>
        <translation>Ausgleichsgeraden (kleinste Quadrate) durch die Läufe der Anpassung (%1): %2 s je %3 ft Dichtehöhe</translation>
    </message>
    <message>
        <source>Lines of least squares through the runs of the fit (%1): %2 s and %3 mph per %4 ft of density altitude.</source>
        <translation>Ausgleichsgeraden (kleinste Quadrate) durch die Läufe der Anpassung (%1): %2 s und %3 mph je %4 ft Dichtehöhe.</translation>
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
    <name>DifferenceColumnModel</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 less %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>vs %1</source>
        <translation>gegen %1</translation>
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
    <name>GarageFields</name>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Grill area</source>
        <translation>Grillfläche</translation>
    </message>
    <message>
        <source>Windshield area</source>
        <translation>Scheibenfläche</translation>
    </message>
    <message>
        <source>Car weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Drag coefficient</source>
        <translation>cw-Wert</translation>
    </message>
    <message>
        <source>Windshield angle</source>
        <translation>Scheibenwinkel</translation>
    </message>
    <message>
        <source>Available shifts</source>
        <translation>Verfügbare Schaltungen</translation>
    </message>
    <message>
        <source>Quarter mile shifts</source>
        <translation>Schaltungen auf 1/4 Meile</translation>
    </message>
    <message>
        <source>Spin time</source>
        <translation>Durchdrehzeit</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>available shifts − 1</source>
        <translation>verfügbare Schaltungen − 1</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>Drivetrain</source>
        <translation>Angetriebene Räder</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Getriebe</translation>
    </message>
    <message>
        <source>Gears</source>
        <translation>Gänge</translation>
    </message>
    <message>
        <source>Peak power at</source>
        <translation>Höchstleistung bei</translation>
    </message>
    <message>
        <source>Peak torque</source>
        <translation>Höchstes Drehmoment</translation>
    </message>
    <message>
        <source>Peak torque at</source>
        <translation>Drehmoment bei</translation>
    </message>
    <message>
        <source>Redline</source>
        <translation>Höchstdrehzahl</translation>
    </message>
    <message>
        <source>Measured frontal area</source>
        <translation>Gemessene Stirnfläche</translation>
    </message>
    <message>
        <source>Tires</source>
        <translation>Reifen</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Fahrbahn</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Combustion</source>
        <translation>Verbrenner</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Elektro</translation>
    </message>
    <message>
        <source>Front-wheel drive</source>
        <translation>Frontantrieb</translation>
    </message>
    <message>
        <source>Rear-wheel drive</source>
        <translation>Heckantrieb</translation>
    </message>
    <message>
        <source>All-wheel drive</source>
        <translation>Allradantrieb</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Schaltgetriebe</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>Dual-clutch</source>
        <translation>Doppelkupplung</translation>
    </message>
    <message>
        <source>Automated manual</source>
        <translation>Automatisiertes Schaltgetriebe</translation>
    </message>
    <message>
        <source>CVT</source>
        <translation>Stufenlos (CVT)</translation>
    </message>
    <message>
        <source>Direct drive</source>
        <translation>Direktantrieb</translation>
    </message>
    <message>
        <source>Street tires</source>
        <translation>Straßenreifen</translation>
    </message>
    <message>
        <source>Summer tires</source>
        <translation>Sommerreifen</translation>
    </message>
    <message>
        <source>Track tires</source>
        <translation>Rennstreckenreifen</translation>
    </message>
    <message>
        <source>Drag radials</source>
        <translation>Drag-Radials</translation>
    </message>
    <message>
        <source>Slicks</source>
        <translation>Slick-Reifen</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Prepped drag strip</source>
        <translation>Präparierte Dragstrecke</translation>
    </message>
</context>
<context>
    <name>GarageHelp</name>
    <message>
        <source>Torvane Garage Help</source>
        <translation>Hilfe zu Torvane Garage</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Torvane Garage&lt;/h2&gt;&lt;p&gt;The garage runs the same engine as the classic Torvane program and shows several cars side by side: their figures, their curves, what a change would do, and how sensitive they are. Every figure is a run of the engine, except the three estimates below.&lt;/p&gt;&lt;h3&gt;Cars&lt;/h3&gt;&lt;p&gt;Open &lt;b&gt;.trv&lt;/b&gt; files with &lt;i&gt;File ▸ Open&lt;/i&gt; (Ctrl+O), by dropping them onto the window, or by naming them on the command line (&lt;tt&gt;torvane-garage car.trv …&lt;/tt&gt;); &lt;i&gt;File ▸ New Car&lt;/i&gt; (Ctrl+N) starts from the default car. The form on the left edits the current car; each box shows its range in its tooltip and is checked as you type, with the same ranges and messages as the classic program, the message under the box. The areas from measurements turn a width and a height (inches, or centimetres in metric units) into the grill or windshield area. &lt;i&gt;Save&lt;/i&gt; (Ctrl+S) and &lt;i&gt;Save As&lt;/i&gt; (Ctrl+Shift+S) write the car as a .trv file in the classic units; a file another program changed since is never overwritten without asking. &lt;i&gt;Close Car&lt;/i&gt; (Ctrl+W, or Delete in the list) asks first when the car has unsaved changes, which its name shows with a *.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Edit ▸ Undo&lt;/i&gt; (Ctrl+Z) and &lt;i&gt;Redo&lt;/i&gt; (Ctrl+Shift+Z) take back and redo every change: a stretch of typing in one box, one slider drag, a car added, closed or kept.&lt;/p&gt;&lt;h3&gt;Comparison&lt;/h3&gt;&lt;p&gt;One column per car: the results of the classic results dialog, the 1/8 mile (660 ft) time and speed, and in metric mode the 0-100 km/h time, all found with the engine&apos;s own 0.001 s steps and counted like the quarter mile and the 0-60 time. The best value of each row is bold. “Forget it!” marks a speed the car never reaches.&lt;/p&gt;&lt;p&gt;Three rules of thumb that drag racers use estimate the quarter mile from the weight &lt;i&gt;W&lt;/i&gt; in pounds and the rated horsepower &lt;i&gt;hp&lt;/i&gt; alone:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;the &lt;b&gt;Hale&lt;/b&gt; formula: ET = 5.825·(W/hp)&lt;sup&gt;1/3&lt;/sup&gt;, trap speed = 234·(hp/W)&lt;sup&gt;1/3&lt;/sup&gt;;&lt;/li&gt;&lt;li&gt;the &lt;b&gt;Fox&lt;/b&gt; formula: ET = 6.269·(W/hp)&lt;sup&gt;1/3&lt;/sup&gt;, trap speed = 230·(hp/W)&lt;sup&gt;1/3&lt;/sup&gt;;&lt;/li&gt;&lt;li&gt;the &lt;b&gt;Huntington&lt;/b&gt; formula: ET = 6.290·(W/hp)&lt;sup&gt;1/3&lt;/sup&gt;, trap speed = 224·(hp/W)&lt;sup&gt;1/3&lt;/sup&gt;.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Curves&lt;/h3&gt;&lt;p&gt;Speed and distance against time for every car, from the start to its top speed, or each to its own quarter mile in the &lt;i&gt;Quarter mile&lt;/i&gt; view. The marks have a shape each, named in the key under the charts: ● 60 mph, ■ 80 mph, ▲ 100 mph, ★ the quarter mile and ◆ the top speed, in their car&apos;s colour; the dashed line on the distance chart is the quarter mile. Point at a curve or a mark to read its time and value. The curves start with the car standing still during its wheel spin, and the shift time is spread along the run the way the results count it, so each curve passes exactly through its car&apos;s results.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Past the top speed.&lt;/b&gt; The motion law rises to a top speed and would fall after it. A car that reaches its top speed before the quarter mile (a light car with a large, blunt front, say) therefore slows down on the strip in the model, where a real car would hold its top speed. The curves are dotted past that point, and the table marks such a car with †: its quarter-mile figures carry that fall.&lt;/p&gt;&lt;h3&gt;What if&lt;/h3&gt;&lt;p&gt;Pick a base car and move the sliders: the first move makes a variant of the car (a dashed curve, an italic name) that follows every step in the table and the curves. Tick any cars to compare the variant with (a friend&apos;s car, say), and choose one under &lt;i&gt;Differences against&lt;/i&gt;: a column gives the variant&apos;s figures less that car&apos;s, so “−0.35 s” means the variant is 0.35 s quicker. &lt;i&gt;Keep as one of your cars&lt;/i&gt; turns the variant into a car of its own that you can save.&lt;/p&gt;&lt;h3&gt;Sensitivity and targets&lt;/h3&gt;&lt;p&gt;How the quarter-mile time and speed, the top speed and the 0-60 time change with 10 % less or more horsepower, weight, drag coefficient and frontal area (grill and windshield together). The target asks the reverse question: which horsepower (to 0.01 hp) or weight (to 1 lb) gives a quarter mile of a given time, a trap speed or a 0-60 time, and how far that is from the car&apos;s own. When every value in the range meets the target it says so; when none does, that it is not reachable within the ranges. &lt;i&gt;Apply to What if&lt;/i&gt; moves the car&apos;s variant there.&lt;/p&gt;&lt;h3&gt;Units, export and printing&lt;/h3&gt;&lt;p&gt;&lt;i&gt;View ▸ Units&lt;/i&gt; switches between imperial and metric (km/h, kg, kW, m², metres, newtons); files always stay in the classic units. &lt;i&gt;File ▸ Export&lt;/i&gt; writes the comparison as CSV or the report as PDF, each with every car&apos;s inputs so that another person can check them, or the curves as a PNG picture of the size you choose. Every export is written whole or not at all. &lt;i&gt;Print&lt;/i&gt; (Ctrl+P) shows a preview, then the system print dialog.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Torvane Garage&lt;/h2&gt;&lt;p&gt;Die Garage rechnet mit demselben Rechenkern wie das klassische Torvane-Programm und zeigt mehrere Autos nebeneinander: ihre Werte, ihre Kurven, was eine Änderung bewirken würde und wie empfindlich sie reagieren. Jeder Wert ist eine Rechnung des Rechenkerns, außer den drei Schätzungen unten.&lt;/p&gt;&lt;h3&gt;Autos&lt;/h3&gt;&lt;p&gt;Öffnen Sie &lt;b&gt;.trv&lt;/b&gt;-Dateien mit &lt;i&gt;Datei ▸ Öffnen&lt;/i&gt; (Strg+O), indem Sie sie auf das Fenster ziehen, oder indem Sie sie auf der Befehlszeile nennen (&lt;tt&gt;torvane-garage auto.trv …&lt;/tt&gt;); &lt;i&gt;Datei ▸ Neues Auto&lt;/i&gt; (Strg+N) beginnt mit dem Musterauto. Das Formular links bearbeitet das gewählte Auto; jedes Feld zeigt seinen Bereich im Tooltip und wird schon beim Tippen geprüft, mit denselben Bereichen und Meldungen wie im klassischen Programm, die Meldung unter dem Feld. Die Flächen aus Maßen machen aus Breite und Höhe (in Zoll, in metrischen Einheiten in Zentimetern) die Grill- oder Scheibenfläche. &lt;i&gt;Speichern&lt;/i&gt; (Strg+S) und &lt;i&gt;Speichern unter&lt;/i&gt; (Strg+Umschalt+S) schreiben das Auto als .trv-Datei in den klassischen Einheiten; eine Datei, die ein anderes Programm inzwischen geändert hat, wird nie ohne Rückfrage überschrieben. &lt;i&gt;Auto schließen&lt;/i&gt; (Strg+W, oder Entf in der Liste) fragt vorher nach, wenn das Auto ungespeicherte Änderungen hat; sein Name zeigt sie mit einem *.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Bearbeiten ▸ Rückgängig&lt;/i&gt; (Strg+Z) und &lt;i&gt;Wiederherstellen&lt;/i&gt; (Strg+Umschalt+Z) nehmen jede Änderung zurück und wiederholen sie: ein Stück Tippen in einem Feld, ein Zug am Schieberegler, ein hinzugefügtes, geschlossenes oder übernommenes Auto.&lt;/p&gt;&lt;h3&gt;Vergleich&lt;/h3&gt;&lt;p&gt;Eine Spalte je Auto: die Ergebnisse des klassischen Ergebnisdialogs, Zeit und Tempo auf der Achtelmeile (660 ft) und in metrischen Einheiten die Zeit für 0-100 km/h, alle in den eigenen 0,001-s-Schritten des Rechenkerns gefunden und so gezählt wie die Viertelmeile und die Zeit für 0-60. Der beste Wert jeder Zeile ist fett. „Vergiss es!“ steht bei einem Tempo, das das Auto nie erreicht.&lt;/p&gt;&lt;p&gt;Drei Faustformeln von Dragracern schätzen die Viertelmeile allein aus dem Gewicht &lt;i&gt;W&lt;/i&gt; in Pfund und der Nennleistung &lt;i&gt;hp&lt;/i&gt;:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;die Formel von &lt;b&gt;Hale&lt;/b&gt;: ET = 5,825·(W/hp)&lt;sup&gt;1/3&lt;/sup&gt;, Endtempo = 234·(hp/W)&lt;sup&gt;1/3&lt;/sup&gt;;&lt;/li&gt;&lt;li&gt;die Formel von &lt;b&gt;Fox&lt;/b&gt;: ET = 6,269·(W/hp)&lt;sup&gt;1/3&lt;/sup&gt;, Endtempo = 230·(hp/W)&lt;sup&gt;1/3&lt;/sup&gt;;&lt;/li&gt;&lt;li&gt;die Formel von &lt;b&gt;Huntington&lt;/b&gt;: ET = 6,290·(W/hp)&lt;sup&gt;1/3&lt;/sup&gt;, Endtempo = 224·(hp/W)&lt;sup&gt;1/3&lt;/sup&gt;.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Kurven&lt;/h3&gt;&lt;p&gt;Geschwindigkeit und Strecke über der Zeit für jedes Auto, vom Start bis zu seinem Höchsttempo, oder jedes bis zu seiner eigenen Viertelmeile in der Ansicht &lt;i&gt;Viertelmeile&lt;/i&gt;. Die Marken haben je eine Form, die der Schlüssel unter den Diagrammen nennt: ● 60 mph, ■ 80 mph, ▲ 100 mph, ★ die Viertelmeile und ◆ das Höchsttempo, in der Farbe ihres Autos; die gestrichelte Linie im Streckendiagramm ist die Viertelmeile. Zeigen Sie auf eine Kurve oder eine Marke, um Zeit und Wert abzulesen. Die Kurven beginnen mit dem stehenden Auto, solange seine Räder durchdrehen, und die Schaltzeit ist so über den Lauf verteilt, wie die Ergebnisse sie zählen; so geht jede Kurve genau durch die Ergebnisse ihres Autos.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Nach dem Höchsttempo.&lt;/b&gt; Das Bewegungsgesetz steigt bis zu einem Höchsttempo und würde danach fallen. Ein Auto, das sein Höchsttempo schon vor dem Ende der Viertelmeile erreicht (etwa ein leichtes Auto mit großer, stumpfer Front), wird im Modell deshalb auf der Strecke langsamer, wo ein echtes Auto sein Höchsttempo halten würde. Hinter diesem Punkt sind die Kurven gepunktet, und die Tabelle markiert ein solches Auto mit †: Seine Werte für die Viertelmeile enthalten diesen Abfall.&lt;/p&gt;&lt;h3&gt;Was wäre, wenn&lt;/h3&gt;&lt;p&gt;Wählen Sie unter &lt;i&gt;Variante von&lt;/i&gt; ein Basisauto und bewegen Sie die Schieberegler: Die erste Bewegung macht eine Variante des Autos (eine gestrichelte Kurve, ein kursiver Name), der die Tabelle und die Kurven bei jedem Schritt folgen. Haken Sie Autos an, mit denen die Variante verglichen werden soll (etwa das Auto eines Freundes), und wählen Sie eines unter &lt;i&gt;Unterschiede zu&lt;/i&gt;: Eine Spalte zeigt die Werte der Variante minus die dieses Autos; „−0,35 s“ heißt also, dass die Variante 0,35 s schneller ist. &lt;i&gt;Als eigenes Auto übernehmen&lt;/i&gt; macht aus der Variante ein eigenes Auto, das Sie speichern können.&lt;/p&gt;&lt;h3&gt;Empfindlichkeit und Ziele&lt;/h3&gt;&lt;p&gt;Wie sich Zeit und Tempo auf der Viertelmeile, das Höchsttempo und die Zeit für 0-60 mit 10 % weniger oder mehr Leistung, Gewicht, cw-Wert und Stirnfläche (Grill und Scheibe zusammen) ändern. Das Ziel stellt die umgekehrte Frage: Welche Leistung (auf 0,01 hp) oder welches Gewicht (auf 1 lb) ergibt eine Viertelmeile in einer gegebenen Zeit, ein Endtempo oder eine Zeit für 0-60, und wie weit ist das vom eigenen Wert des Autos entfernt? Erfüllt jeder Wert im Bereich das Ziel, sagt es das; erfüllt es keiner, dass es innerhalb der Bereiche nicht erreichbar ist. &lt;i&gt;In „Was wäre, wenn“ übernehmen&lt;/i&gt; setzt die Variante des Autos auf diesen Wert.&lt;/p&gt;&lt;h3&gt;Einheiten, Export und Drucken&lt;/h3&gt;&lt;p&gt;&lt;i&gt;Ansicht ▸ Einheiten&lt;/i&gt; schaltet zwischen imperialen und metrischen Einheiten um (km/h, kg, kW, m², Meter, Newton); Dateien bleiben immer in den klassischen Einheiten. &lt;i&gt;Datei ▸ Exportieren&lt;/i&gt; schreibt den Vergleich als CSV oder den Bericht als PDF, jeweils mit den Eingaben jedes Autos, damit jemand anderes sie prüfen kann, oder die Kurven als PNG-Bild in der gewünschten Größe. Jeder Export wird ganz oder gar nicht geschrieben. &lt;i&gt;Drucken&lt;/i&gt; (Strg+P) zeigt erst eine Vorschau, dann den Druckdialog des Systems.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The day&apos;s air&lt;/h3&gt;&lt;p&gt;The Conditions row under the menus holds the day every car runs on: the temperature, the pressure and the relative humidity. Give the pressure as a barometer at the track reads it (&lt;i&gt;station pressure&lt;/i&gt;), or as a weather report gives it (&lt;i&gt;altimeter setting&lt;/i&gt;) with the track&apos;s elevation; switching between the two converts the value and keeps the day. The row shows the density altitude, how dense the air is against the standard day, and the SAE J1349 and J607 correction factors. The engine runs with the horsepower divided by the J1349 factor and with the day&apos;s air density. &lt;i&gt;Standard day&lt;/i&gt; (25 °C, dry air at 29.235 inHg) gives the classic program&apos;s results exactly. Every page uses the row&apos;s air: the comparison, the curves, What if, Sensitivity, the target and the logbook&apos;s prediction.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Die Luft des Tages&lt;/h3&gt;&lt;p&gt;Die Zeile „Bedingungen“ unter den Menüs hält den Tag, an dem jedes Auto fährt: die Temperatur, den Luftdruck und die relative Luftfeuchte. Geben Sie den Druck an, wie ein Barometer an der Strecke ihn zeigt (&lt;i&gt;Stationsdruck&lt;/i&gt;), oder wie ein Wetterbericht ihn nennt (&lt;i&gt;Höhenmesser (QNH)&lt;/i&gt;) mit der Höhe der Strecke; beim Wechsel zwischen beiden wird der Wert umgerechnet, und der Tag bleibt derselbe. Die Zeile zeigt die Dichtehöhe, wie dicht die Luft gegenüber den Normbedingungen ist, und die Korrekturfaktoren nach SAE J1349 und J607. Das Modell rechnet mit der Leistung geteilt durch den J1349-Faktor und mit der Luftdichte des Tages. &lt;i&gt;Normbedingungen&lt;/i&gt; (25 °C, trockene Luft bei 29,235 inHg) ergeben genau die Ergebnisse des klassischen Programms. Jede Seite nimmt die Luft der Zeile: der Vergleich, die Kurven, „Was wäre, wenn“, die Empfindlichkeit, das Ziel und die Vorhersage des Logbuchs.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Splits&lt;/h3&gt;&lt;p&gt;The comparison shows a time slip&apos;s splits as a drag strip times them: 60 ft, 330 ft, 1/8 mile (660 ft) with its speed, 1,000 ft and the quarter mile with its speed. The times are counted on the run&apos;s own timeline, with its wheel spin and shift time, so the quarter mile is the results&apos; own. The logbook&apos;s &lt;i&gt;Splits&lt;/i&gt; tab draws your slips&apos; splits over the model&apos;s distance curve, and &lt;i&gt;Model&apos;s slips&lt;/i&gt; puts the model&apos;s slip for each run&apos;s day beside the run.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Zwischenzeiten&lt;/h3&gt;&lt;p&gt;Der Vergleich zeigt die Zwischenzeiten eines Zeitzettels, wie eine Dragstrip sie misst: 60 ft, 330 ft, 1/8 Meile (660 ft) mit ihrer Geschwindigkeit, 1.000 ft und die Viertelmeile mit ihrer Geschwindigkeit. Die Zeiten zählen auf der eigenen Zeitachse des Laufs, mit Radschlupf und Schaltzeit, so dass die Viertelmeile die der Ergebnisse ist. Die Seite &lt;i&gt;Zwischenzeiten&lt;/i&gt; des Logbuchs zeichnet die Zwischenzeiten Ihrer Zettel über die Wegkurve des Modells, und &lt;i&gt;Modellzettel&lt;/i&gt; stellt den Zettel des Modells für den Tag jedes Laufs neben den Lauf.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The logbook&lt;/h3&gt;&lt;p&gt;&lt;i&gt;File ▸ Open Logbook…&lt;/i&gt; opens or makes a logbook: one file that keeps the time slips of your cars. Runs belong to a car, not to its file name: each car keeps its own identity in its .trv file, so its runs follow it through Save As, a move or a copy (a copy asks whether it is the same car or a new one). Runs whose car is not open show above the runs, under &lt;i&gt;Runs of cars not open&lt;/i&gt;, with &lt;i&gt;Attach to this car&lt;/i&gt; and &lt;i&gt;Move to another car…&lt;/i&gt;. The &lt;i&gt;Logbook&lt;/i&gt; tab shows the runs of the current car.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Add a run&lt;/i&gt; opens the new run&apos;s slip to type, dated now, with the Conditions row&apos;s weather and elevation and no figures: a run without a quarter-mile or 1/8-mile time is not saved. Every figure is checked against its range (ET 3–30 s, 1/8 mile 2–20 s, speeds 20–350 mph, 60 ft 0.8–4 s, reaction −1.5–2 s, a red light being negative, the weather as the Conditions row takes it), the splits must rise along the track, and numbers take your locale&apos;s decimal separator. &lt;i&gt;Import runs…&lt;/i&gt; reads a CSV file of slips as racers keep them: common headers (Temp, Baro, RT, 60ft, 330, 1/8, 1/8 MPH, 1000, 1/4 ET, 1/4 MPH, DA, Lane, Notes) are recognised whatever their case and spaces, a dialog asks what the others hold and remembers the answer for that header line, and dates may be ISO, US (m/d/yyyy) or your locale&apos;s short form (a date that reads two ways is asked about). Runs already in the logbook are skipped, and the import says how many. &lt;i&gt;Export runs…&lt;/i&gt; writes the runs in the logbook&apos;s own columns. The logbook has its own undo history: Edit ▸ Undo on this page takes back an added, changed, deleted, imported or moved run.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Das Logbuch&lt;/h3&gt;&lt;p&gt;&lt;i&gt;Datei ▸ Logbuch öffnen…&lt;/i&gt; öffnet oder legt ein Logbuch an: eine Datei mit den Zeitzetteln Ihrer Autos. Läufe gehören zu einem Auto, nicht zu seinem Dateinamen: jedes Auto trägt seine eigene Kennung in seiner .trv-Datei, so folgen ihm seine Läufe durch „Speichern unter“, Verschieben und Kopieren (bei einer Kopie fragt das Programm, ob es dasselbe Auto oder ein neues ist). Läufe, deren Auto nicht geöffnet ist, stehen über den Läufen unter &lt;i&gt;Läufe nicht geöffneter Autos&lt;/i&gt;, mit &lt;i&gt;Diesem Auto zuordnen&lt;/i&gt; und &lt;i&gt;Zu einem anderen Auto verschieben …&lt;/i&gt;. Die Seite &lt;i&gt;Logbuch&lt;/i&gt; zeigt die Läufe des aktuellen Autos.&lt;/p&gt;&lt;p&gt;&lt;i&gt;Lauf hinzufügen&lt;/i&gt; öffnet den Zettel des neuen Laufs zum Eintippen, mit dem jetzigen Datum, dem Wetter und der Höhe der Zeile „Bedingungen“ und ohne Werte: ein Lauf ohne Viertelmeilen- oder Achtelmeilenzeit wird nicht gespeichert. Jeder Wert wird gegen seinen Bereich geprüft (ET 3–30 s, 1/8 Meile 2–20 s, Geschwindigkeiten 20–350 mph, 60 ft 0,8–4 s, Reaktion −1,5–2 s, negativ bei Rotlicht, das Wetter wie die Zeile „Bedingungen“ es annimmt), die Zwischenzeiten müssen entlang der Strecke wachsen, und Zahlen nehmen das Dezimalzeichen Ihres Gebietsschemas. &lt;i&gt;Läufe importieren…&lt;/i&gt; liest eine CSV-Datei mit Zetteln, wie Racer sie führen: übliche Spaltenköpfe (Temp, Baro, RT, 60ft, 330, 1/8, 1/8 MPH, 1000, 1/4 ET, 1/4 MPH, DA, Lane, Notes) werden unabhängig von Groß- und Kleinschreibung und Leerzeichen erkannt, ein Dialog fragt, was die übrigen enthalten, und merkt sich die Antwort für diese Kopfzeile, und Datumsangaben dürfen ISO, US (m/d/yyyy) oder das kurze Format Ihres Gebietsschemas sein (nach einem Datum, das sich zweifach lesen lässt, wird gefragt). Läufe, die schon im Logbuch stehen, werden übersprungen, und der Import sagt, wie viele. &lt;i&gt;Läufe exportieren…&lt;/i&gt; schreibt die Läufe in den eigenen Spalten des Logbuchs. Das Logbuch hat seinen eigenen Rückgängig-Verlauf: Bearbeiten ▸ Rückgängig nimmt auf dieser Seite einen hinzugefügten, geänderten, gelöschten, importierten oder verschobenen Lauf zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Fit, bands and report card&lt;/h3&gt;&lt;p&gt;&lt;i&gt;Fit to&lt;/i&gt; chooses the runs the fit uses: all runs, the runs since a date, or the last N; the choice is saved with the logbook, and selecting rows never narrows it. &lt;i&gt;Calibrate&lt;/i&gt; fits the car to those runs, each on its own day&apos;s air: the power at the wheels and the launch grip with the road model, the horsepower and the spin time with the classic law. The ET and the trap speed carry the weight; the 60 ft and 1/8 mile figures fit the launch, each weighted by its own scatter. With fewer slips than fitted figures the page says so instead of fitting them exactly.&lt;/p&gt;&lt;p&gt;The prediction for the Conditions row&apos;s day comes with two bands, “14.32 s ± 0.05 (68 %), ± 0.11 (95 %)”: a next run falls within the first about two times in three and within the second 19 times in 20. They are measured by predicting each day&apos;s runs from the other days and widened for few runs (Student&apos;s t).&lt;/p&gt;&lt;p&gt;The report card scores every way of predicting on the same runs and forward in time only: each run is predicted from the runs before it, after the first three, for both the ET and the trap speed. The ways are the fitted model on the run&apos;s day and on the standard day, the car as typed, Hale&apos;s formula, the run before, the density-altitude line of the past runs, and the run&apos;s own 60 ft or 1/8 mile. The best is in bold; the prediction uses it and names it, and a way with too few runs says “not enough runs”. &lt;i&gt;Copy fitted values to a new car&lt;/i&gt; adds the fitted car beside the typed one. A large logbook calibrates on a worker: the window stays usable, and &lt;i&gt;Cancel&lt;/i&gt; stops it.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Anpassung, Bänder und Zeugnis&lt;/h3&gt;&lt;p&gt;&lt;i&gt;Anpassen an&lt;/i&gt; wählt die Läufe, die die Anpassung nimmt: alle Läufe, die Läufe seit einem Datum oder die letzten N; die Wahl wird mit dem Logbuch gespeichert, und ausgewählte Zeilen engen sie nie ein. &lt;i&gt;Kalibrieren&lt;/i&gt; passt das Auto an diese Läufe an, jeden in der Luft seines Tages: mit dem Straßenmodell die Leistung an den Rädern und den Grip beim Start, mit dem klassischen Gesetz die Leistung und die Schlupfzeit. ET und Endgeschwindigkeit tragen das Gewicht; 60 ft und 1/8 Meile passen den Start an, jeder Wert nach seiner eigenen Streuung gewichtet. Mit weniger Zetteln als angepassten Werten sagt die Seite das, statt sie genau zu treffen.&lt;/p&gt;&lt;p&gt;Die Vorhersage für den Tag der Zeile „Bedingungen“ kommt mit zwei Bändern, „14,32 s ± 0,05 (68 %), ± 0,11 (95 %)“: ein nächster Lauf fällt etwa zwei von drei Malen in das erste und 19 von 20 Malen in das zweite. Sie werden gemessen, indem die Läufe jedes Tages aus den anderen Tagen vorausgesagt werden, und bei wenigen Läufen verbreitert (Student-t).&lt;/p&gt;&lt;p&gt;Das Zeugnis bewertet jede Art der Vorhersage an denselben Läufen und nur vorwärts in der Zeit: jeder Lauf wird aus den Läufen vor ihm vorausgesagt, nach den ersten dreien, für die ET und die Endgeschwindigkeit. Die Arten sind das angepasste Modell in der Luft des Laufs und bei Normbedingungen, das Auto wie eingegeben, die Formel von Hale, der Lauf davor, die Dichtehöhen-Gerade der früheren Läufe und die eigenen 60 ft oder 1/8 Meile des Laufs. Die beste ist fett; die Vorhersage nimmt sie und nennt sie, und eine Art mit zu wenigen Läufen sagt „zu wenige Läufe“. &lt;i&gt;Angepasste Werte in neues Auto kopieren&lt;/i&gt; fügt das angepasste Auto neben dem eingegebenen hinzu. Ein großes Logbuch wird im Hintergrund kalibriert: das Fenster bleibt bedienbar, und &lt;i&gt;Abbrechen&lt;/i&gt; hält es an.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Dial-in&lt;/h3&gt;&lt;p&gt;The runs table shows each run&apos;s density altitude and its ET corrected to the standard day: the time · (1 / CF)&lt;sup&gt;1/3&lt;/sup&gt;, CF the day&apos;s J1349 factor, the correction the model makes for the day. The &lt;i&gt;Density altitude&lt;/i&gt; tab plots the quarter-mile time and speed against the density altitude, with the lines of least squares through the runs of the fit, and says what 100 ft of density altitude costs; &lt;i&gt;By date&lt;/i&gt; plots the time as run and on the standard day over the season. The dial-in for today line gives the best way&apos;s time on the Conditions row&apos;s day with its 95 % band.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Dial-in&lt;/h3&gt;&lt;p&gt;Die Tabelle der Läufe zeigt die Dichtehöhe jedes Laufs und seine ET auf Normbedingungen umgerechnet: die Zeit · (1 / KF)&lt;sup&gt;1/3&lt;/sup&gt;, KF der J1349-Faktor des Tages, die Korrektur, die das Modell für den Tag macht. Die Seite &lt;i&gt;Dichtehöhe&lt;/i&gt; zeichnet Viertelmeilenzeit und -geschwindigkeit über der Dichtehöhe, mit den Ausgleichsgeraden (kleinste Quadrate) durch die Läufe der Anpassung, und sagt, was 100 ft Dichtehöhe kosten; &lt;i&gt;Nach Datum&lt;/i&gt; zeichnet die gefahrene Zeit und die Zeit unter Normbedingungen über die Saison. Die Zeile „Dial-in für heute“ gibt die Zeit der besten Art für den Tag der Zeile „Bedingungen“ mit ihrem 95-%-Band.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Road model and classic law&lt;/h3&gt;&lt;p&gt;The &lt;i&gt;Model&lt;/i&gt; list in the Conditions row chooses how every page runs the cars. The &lt;b&gt;road model&lt;/b&gt; (the choice for a new garage) is a real car at a real strip: power through the gears, the driven tires&apos; grip with weight transfer, rolling resistance, the turning parts&apos; inertia, the launch and the shift times, timed from the first foot as a strip times it. It reads the road fields under the nine values (engine, drivetrain, transmission and gears, power and torque peaks, redline, frontal area, tires, surface); an empty field shows greyed the typical value it uses. The &lt;b&gt;classic law&lt;/b&gt; gives the classic program&apos;s numbers exactly. Each page names the model it shows; &lt;i&gt;View ▸ Classic Law Beside the Road Model&lt;/i&gt; adds a classic column per car to the comparison.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Straßenmodell und klassisches Gesetz&lt;/h3&gt;&lt;p&gt;Die Liste &lt;i&gt;Modell&lt;/i&gt; in der Zeile der Bedingungen wählt, wie jede Seite die Autos rechnet. Das &lt;b&gt;Straßenmodell&lt;/b&gt; (die Wahl einer neuen Garage) ist ein echtes Auto auf einer echten Strecke: die Leistung durch die Gänge, die Haftung der angetriebenen Reifen mit der Lastverlagerung, der Rollwiderstand, die Trägheit der drehenden Teile, der Start und die Schaltzeiten, gemessen ab dem ersten Fuß, wie eine Strecke misst. Es liest die Straßenfelder unter den neun Werten (Motor, Antrieb, Getriebe und Gänge, Leistungs- und Drehmomentspitze, Höchstdrehzahl, Stirnfläche, Reifen, Belag); ein leeres Feld zeigt grau den typischen Wert, den es nimmt. Das &lt;b&gt;klassische Gesetz&lt;/b&gt; gibt genau die Zahlen des klassischen Programms. Jede Seite nennt das Modell, das sie zeigt; &lt;i&gt;Ansicht ▸ Klassisches Gesetz neben dem Straßenmodell&lt;/i&gt; fügt dem Vergleich je Auto eine klassische Spalte hinzu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;i&gt;Road-test day&lt;/i&gt; (60 °F, dry air at 29.92 inHg) is the day US magazines correct their tests to, where an engine makes about 4.7 % more than its rating: choose it to hold the road model against a published test.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Testbedingungen&lt;/i&gt; (60 °F, trockene Luft bei 29,92 inHg) sind die Bedingungen, auf die US-Zeitschriften ihre Tests umrechnen; ein Motor leistet dort etwa 4,7 % mehr als seine Nennleistung. Wählen Sie sie, um das Straßenmodell mit einem veröffentlichten Test zu vergleichen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>GarageProgram</name>
    <message>
        <source>Default car</source>
        <translation>Musterauto</translation>
    </message>
    <message>
        <source>Compare Torvane cars, see their runs and ask what if.</source>
        <translation>Torvane-Autos vergleichen, ihre Läufe ansehen und fragen: Was wäre, wenn?</translation>
    </message>
    <message>
        <source>Vehicle files (.trv) to open.</source>
        <translation>Zu öffnende Fahrzeugdateien (.trv).</translation>
    </message>
</context>
<context>
    <name>GarageReport</name>
    <message>
        <source>Torvane Garage: comparison</source>
        <translation>Torvane Garage: Vergleich</translation>
    </message>
    <message>
        <source>metric units</source>
        <translation>metrische Einheiten</translation>
    </message>
    <message>
        <source>imperial units</source>
        <translation>imperiale Einheiten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Bold: the best of the cars compared. The estimates are the Hale, Fox and Huntington rules of thumb, from weight and rated horsepower alone; every other figure is a run of the engine.</source>
        <translation>Fett: der beste Wert der verglichenen Autos. Die Schätzungen sind die Faustformeln von Hale, Fox und Huntington, allein aus Gewicht und Nennleistung; alle anderen Werte hat der Rechenkern berechnet.</translation>
    </message>
    <message>
        <source>Conditions: the standard day of SAE J1349, 25 °C (77 °F), dry air at 99 kPa (29.235 inHg)</source>
        <translation>Bedingungen: die Normbedingungen nach SAE J1349, 25 °C (77 °F), trockene Luft bei 99 kPa (29,235 inHg)</translation>
    </message>
    <message>
        <source>Conditions: %1 %2, station pressure %3 %4, humidity %5 %; density altitude %6 %7, air density %8 % of the standard day, correction factor %9 (SAE J1349)</source>
        <translation>Bedingungen: %1 %2, Stationsdruck %3 %4, Luftfeuchte %5 %; Dichtehöhe %6 %7, Luftdichte %8 % der Normbedingungen, Korrekturfaktor %9 (SAE J1349)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Every figure is the road model&apos;s: a real car at a real strip.</source>
        <translation>Jeder Wert ist der des Straßenmodells: ein echtes Auto auf einer echten Strecke.</translation>
    </message>
</context>
<context>
    <name>GarageSettings</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The settings file %1 is %2, so the garage remembers nothing this time.</source>
        <translation>Die Einstellungsdatei %1 ist %2; die Garage merkt sich deshalb diesmal nichts.</translation>
    </message>
    <message>
        <source>The day&apos;s air in the settings cannot be used: %1 The cars run on the standard day.</source>
        <translation>Die Luft des Tages in den Einstellungen lässt sich nicht verwenden: %1 Die Autos fahren unter Normbedingungen.</translation>
    </message>
</context>
<context>
    <name>GarageWindow</name>
    <message>
        <source>Cars</source>
        <translation>Autos</translation>
    </message>
    <message>
        <source>C&amp;ars:</source>
        <translation>A&amp;utos:</translation>
    </message>
    <message>
        <source>Comparison table</source>
        <translation>Vergleichstabelle</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Vergleich</translation>
    </message>
    <message>
        <source>&amp;What if</source>
        <translation>&amp;Was wäre, wenn</translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Empfindlichkeit</translation>
    </message>
    <message>
        <source>Logboo&amp;k</source>
        <translation>L&amp;ogbuch</translation>
    </message>
    <message>
        <source>Open cars with Ctrl+O or drop .trv files here.</source>
        <translation>Autos mit Strg+O öffnen oder .trv-Dateien hierher ziehen.</translation>
    </message>
    <message>
        <source>The logbook %1 is open.</source>
        <translation>Das Logbuch %1 ist geöffnet.</translation>
    </message>
    <message>
        <source>Open or Make a Logbook</source>
        <translation>Logbuch öffnen oder anlegen</translation>
    </message>
    <message>
        <source>Logbooks (*.sqlite);;All files (*)</source>
        <translation>Logbücher (*.sqlite);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;New Car</source>
        <translation>&amp;Neues Auto</translation>
    </message>
    <message>
        <source>Start a new car from the default car</source>
        <translation>Ein neues Auto aus dem Musterauto beginnen</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open .trv vehicle files</source>
        <translation>.trv-Fahrzeugdateien öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the selected car</source>
        <translation>Das gewählte Auto speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save the selected car under another name</source>
        <translation>Das gewählte Auto unter einem anderen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Close Car</source>
        <translation>Auto schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close the selected car</source>
        <translation>Das gewählte Auto schließen</translation>
    </message>
    <message>
        <source>Close Car</source>
        <translation>Auto schließen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig:</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen:</translation>
    </message>
    <message>
        <source>Comparison as &amp;CSV…</source>
        <translation>Vergleich als &amp;CSV…</translation>
    </message>
    <message>
        <source>Report as &amp;PDF…</source>
        <translation>Bericht als &amp;PDF…</translation>
    </message>
    <message>
        <source>Curves as P&amp;NG…</source>
        <translation>Kurven als P&amp;NG…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print the comparison, with a preview first</source>
        <translation>Den Vergleich drucken, vorher mit Vorschau</translation>
    </message>
    <message>
        <source>Open &amp;Logbook…</source>
        <translation>&amp;Logbuch öffnen…</translation>
    </message>
    <message>
        <source>Open another logbook of time slips, or make a new one</source>
        <translation>Ein anderes Logbuch mit Timeslips öffnen oder ein neues anlegen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Imperial (mph, lb, hp, ft²)</source>
        <translation>&amp;Imperial (mph, lb, hp, ft²)</translation>
    </message>
    <message>
        <source>&amp;Metric (km/h, kg, kW, m²)</source>
        <translation>&amp;Metrisch (km/h, kg, kW, m²)</translation>
    </message>
    <message>
        <source>Garage &amp;Help</source>
        <translation>&amp;Hilfe zur Garage</translation>
    </message>
    <message>
        <source>&amp;About Torvane Garage</source>
        <translation>&amp;Über Torvane Garage</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New car</source>
        <translation>Neues Auto</translation>
    </message>
    <message>
        <source>New car %1</source>
        <translation>Neues Auto %1</translation>
    </message>
    <message>
        <source>Torvane files (*.trv)</source>
        <translation>Torvane-Dateien (*.trv)</translation>
    </message>
    <message>
        <source>Torvane Garage</source>
        <translation>Torvane Garage</translation>
    </message>
    <message>
        <source>%1[*] — Torvane Garage</source>
        <translation>%1[*] — Torvane Garage</translation>
    </message>
    <message>
        <source>Open cars</source>
        <translation>Autos öffnen</translation>
    </message>
    <message>
        <source>Curves as a picture</source>
        <translation>Kurven als Bild</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Skalierung:</translation>
    </message>
    <message>
        <source>The picture is the size given times the scale, in pixels.</source>
        <translation>Das Bild ist so groß wie angegeben mal der Skalierung, in Pixeln.</translation>
    </message>
    <message>
        <source>Print the comparison</source>
        <translation>Vergleich drucken</translation>
    </message>
    <message>
        <source>About Torvane Garage</source>
        <translation>Über Torvane Garage</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Torvane Garage&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Curves, comparisons and what-if questions for the cars of Torvane, on the same engine as the classic program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Torvane Garage&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Kurven, Vergleiche und Was-wäre-wenn-Fragen für die Autos von Torvane, mit demselben Rechenkern wie das klassische Programm.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Unsaved cars</source>
        <translation>Nicht gespeicherte Autos</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>These cars have changes that are not saved: %1.</source>
        <translation>Diese Autos haben Änderungen, die nicht gespeichert sind: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Save them before they are closed?</source>
        <translation>Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>File changed</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened or saved here.</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit es hier geöffnet oder gespeichert wurde.</translation>
    </message>
    <message>
        <source>Overwrite it with this car, read the file again, or cancel?</source>
        <translation>Mit diesem Auto überschreiben, die Datei neu lesen oder abbrechen?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Same car?</source>
        <translation>Dasselbe Auto?</translation>
    </message>
    <message>
        <source>%1 is a copy of the car %2: the two files hold the same car&apos;s identity.</source>
        <translation>%1 ist eine Kopie des Autos %2: Beide Dateien tragen die Kennung desselben Autos.</translation>
    </message>
    <message>
        <source>Is it the same car, which shares its runs in the logbook, or a new car, which starts without runs?</source>
        <translation>Ist es dasselbe Auto, das seine Läufe im Logbuch teilt, oder ein neues Auto, das ohne Läufe beginnt?</translation>
    </message>
    <message>
        <source>The &amp;same car</source>
        <translation>&amp;Dasselbe Auto</translation>
    </message>
    <message>
        <source>A &amp;new car</source>
        <translation>Ein &amp;neues Auto</translation>
    </message>
    <message>
        <source>&amp;Classic Law Beside the Road Model</source>
        <translation>&amp;Klassisches Gesetz neben dem Straßenmodell</translation>
    </message>
</context>
<context>
    <name>ImportColumnsDialog</name>
    <message>
        <source>Columns of the Sheet</source>
        <translation>Spalten der Tabelle</translation>
    </message>
    <message>
        <source>What the column “%1” holds</source>
        <translation>Was die Spalte „%1“ enthält</translation>
    </message>
    <message>
        <source>“%1”:</source>
        <translation>„%1“:</translation>
    </message>
    <message>
        <source>The import does not know these columns by their headers. Choose what each holds, or ignore it; the choice is kept for the next sheet with the same columns.</source>
        <translation>Der Import kennt diese Spalten nicht an ihren Überschriften. Wählen Sie, was jede enthält, oder übergehen Sie sie; die Wahl gilt auch für die nächste Tabelle mit denselben Spalten.</translation>
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
    <name>Logbook</name>
    <message>
        <source>No logbook file was given.</source>
        <translation>Es wurde keine Logbuchdatei angegeben.</translation>
    </message>
    <message>
        <source>Could not open the logbook %1: it is %2, not a file.</source>
        <translation>Das Logbuch %1 ließ sich nicht öffnen: Es ist %2, keine Datei.</translation>
    </message>
    <message>
        <source>Could not open the logbook %1: %2, where its journal is kept, is %3.</source>
        <translation>Das Logbuch %1 ließ sich nicht öffnen: %2, wo sein Journal liegt, ist %3.</translation>
    </message>
    <message>
        <source>It was left as it is.</source>
        <translation>Es wurde so belassen, wie es ist.</translation>
    </message>
    <message>
        <source>Could not open the logbook %1: there is no such file.</source>
        <translation>Das Logbuch %1 ließ sich nicht öffnen: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Could not create the logbook %1: its folder cannot be made.</source>
        <translation>Das Logbuch %1 ließ sich nicht anlegen: Sein Ordner kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Could not open the logbook %1: %2.</source>
        <translation>Das Logbuch %1 ließ sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>%1 is an empty file, not a Torvane logbook. %2</source>
        <translation>%1 ist eine leere Datei, kein Torvane-Logbuch. %2</translation>
    </message>
    <message>
        <source>%1 is not a Torvane logbook: it is not an SQLite database. %2</source>
        <translation>%1 ist kein Torvane-Logbuch: Es ist keine SQLite-Datenbank. %2</translation>
    </message>
    <message>
        <source>%1 is not a Torvane logbook: it is the SQLite database of another program. %2</source>
        <translation>%1 ist kein Torvane-Logbuch: Es ist die SQLite-Datenbank eines anderen Programms. %2</translation>
    </message>
    <message>
        <source>%1 is a logbook of a newer Torvane (version %2; this one reads up to version %3). %4</source>
        <translation>%1 ist ein Logbuch eines neueren Torvane (Version %2; dieses liest bis Version %3). %4</translation>
    </message>
    <message>
        <source>Could not open the logbook %1: Qt&apos;s SQLite driver is missing (Debian package libqt6sql6-sqlite).</source>
        <translation>Das Logbuch %1 ließ sich nicht öffnen: Der SQLite-Treiber von Qt fehlt (Debian-Paket libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>The logbook %1 is damaged (%2). %3</source>
        <translation>Das Logbuch %1 ist beschädigt (%2). %3</translation>
    </message>
    <message>
        <source>%1 is an empty SQLite database, not a Torvane logbook. %2</source>
        <translation>%1 ist eine leere SQLite-Datenbank, kein Torvane-Logbuch. %2</translation>
    </message>
    <message>
        <source>The logbook %1 is read-only, and it would have to be brought up to date (from version %2 to %3) to be read. %4</source>
        <translation>Das Logbuch %1 ist schreibgeschützt, müsste aber zum Lesen auf den neuen Stand gebracht werden (von Version %2 auf %3). %4</translation>
    </message>
    <message>
        <source>Could not bring the logbook %1 up to date (version %2 to %3): %4.</source>
        <translation>Das Logbuch %1 ließ sich nicht auf den neuen Stand bringen (Version %2 auf %3): %4.</translation>
    </message>
    <message>
        <source>No logbook is open.</source>
        <translation>Es ist kein Logbuch geöffnet.</translation>
    </message>
    <message>
        <source>Could not read the logbook %1: another program held it for more than %2 seconds.</source>
        <translation>Das Logbuch %1 ließ sich nicht lesen: Ein anderes Programm hat es länger als %2 Sekunden belegt.</translation>
    </message>
    <message>
        <source>Could not read the logbook %1: it is damaged (%2).</source>
        <translation>Das Logbuch %1 ließ sich nicht lesen: Es ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>Could not read the logbook %1: %2.</source>
        <translation>Das Logbuch %1 ließ sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>The logbook is as it was before the change.</source>
        <translation>Das Logbuch ist so, wie es vor der Änderung war.</translation>
    </message>
    <message>
        <source>Could not save the change to the logbook %1: another program held it for more than %2 seconds. %3</source>
        <translation>Die Änderung ließ sich nicht im Logbuch %1 speichern: Ein anderes Programm hat es länger als %2 Sekunden belegt. %3</translation>
    </message>
    <message>
        <source>The logbook %1 is read-only: the change was not saved.</source>
        <translation>Das Logbuch %1 ist schreibgeschützt: Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Could not save the change to the logbook %1: the disk is full. %2</source>
        <translation>Die Änderung ließ sich nicht im Logbuch %1 speichern: Der Datenträger ist voll. %2</translation>
    </message>
    <message>
        <source>Could not save the change to the logbook %1: it is damaged (%2).</source>
        <translation>Die Änderung ließ sich nicht im Logbuch %1 speichern: Es ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>Could not save the change to the logbook %1: %2. %3</source>
        <translation>Die Änderung ließ sich nicht im Logbuch %1 speichern: %2. %3</translation>
    </message>
    <message>
        <source>The car with the id %1 is not in the logbook.</source>
        <translation>Das Auto mit der ID %1 ist nicht im Logbuch.</translation>
    </message>
    <message>
        <source>The car %1 in the logbook already comes from %2.</source>
        <translation>Das Auto %1 im Logbuch stammt schon aus %2.</translation>
    </message>
    <message>
        <source>Run %1 of %2: %3</source>
        <translation>Lauf %1 von %2: %3</translation>
    </message>
    <message>
        <source>The run with the id %1 is not in the logbook.</source>
        <translation>Der Lauf mit der ID %1 ist nicht im Logbuch.</translation>
    </message>
    <message>
        <source>The logbook %1 holds an unfinished change (a program stopped while saving it), which cannot be rolled back while the file is read-only. %2</source>
        <translation>Das Logbuch %1 enthält eine unfertige Änderung (ein Programm wurde beim Speichern unterbrochen), die sich nicht zurücknehmen lässt, solange die Datei schreibgeschützt ist. %2</translation>
    </message>
    <message>
        <source>%1 is not a Torvane logbook: it gives its version as %2, which no Torvane writes. %3</source>
        <translation>%1 ist kein Torvane-Logbuch: Es gibt als Version %2 an, die kein Torvane schreibt. %3</translation>
    </message>
    <message>
        <source>The logbook %1 holds a trigger, %2, that Torvane does not make: it would act on the logbook with every change. %3</source>
        <translation>Das Logbuch %1 enthält einen Trigger, %2, den Torvane nicht anlegt: Er würde bei jeder Änderung auf das Logbuch wirken. %3</translation>
    </message>
    <message>
        <source>The logbook %1 holds a view, %2, that Torvane does not make. %3</source>
        <translation>Das Logbuch %1 enthält eine Sicht, %2, die Torvane nicht anlegt. %3</translation>
    </message>
    <message>
        <source>The logbook %1 holds an index, %2, that Torvane does not make. %3</source>
        <translation>Das Logbuch %1 enthält einen Index, %2, den Torvane nicht anlegt. %3</translation>
    </message>
    <message>
        <source>The logbook %1 holds a table, %2, that Torvane does not make. %3</source>
        <translation>Das Logbuch %1 enthält eine Tabelle, %2, die Torvane nicht anlegt. %3</translation>
    </message>
    <message>
        <source>The logbook %1 lacks %2, which every logbook of version %3 has. %4</source>
        <translation>Dem Logbuch %1 fehlt der Teil „%2“, den jedes Logbuch der Version %3 hat. %4</translation>
    </message>
    <message>
        <source>In the logbook %1, %2 is not as Torvane makes it: another program has changed it. %3</source>
        <translation>Im Logbuch %1 ist „%2“ nicht so, wie Torvane es anlegt: Ein anderes Programm hat es geändert. %3</translation>
    </message>
    <message>
        <source>%1 is in the logbook already; it was not added again.</source>
        <translation>%1 steht bereits im Logbuch; er wurde nicht noch einmal hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 is no longer in the logbook: another window or program has deleted it. Nothing was changed.</source>
        <translation>%1 steht nicht mehr im Logbuch: Ein anderes Fenster oder Programm hat ihn gelöscht. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>%1 has been changed by another window or program since; it was left as it is.</source>
        <translation>%1 wurde seitdem von einem anderen Fenster oder Programm geändert; er wurde so belassen, wie er ist.</translation>
    </message>
    <message>
        <source>The logbook %1 is still being checked for damage: the change was not saved.</source>
        <translation>Das Logbuch %1 wird noch auf Schäden geprüft: Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The car %1 in the logbook already has the identity %2.</source>
        <translation>Das Auto %1 im Logbuch hat bereits die Kennung %2.</translation>
    </message>
</context>
<context>
    <name>LogbookPage</name>
    <message>
        <source>Add a r&amp;un</source>
        <translation>Lauf h&amp;inzufügen</translation>
    </message>
    <message>
        <source>Delete run</source>
        <translation>Lauf löschen</translation>
    </message>
    <message>
        <source>Import runs…</source>
        <translation>Läufe importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport runs…</source>
        <translation>Läufe e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Calib&amp;rate</source>
        <translation>Kalib&amp;rieren</translation>
    </message>
    <message>
        <source>Cop&amp;y fitted values to a new car</source>
        <translation>Angepasste Werte in neues Auto ko&amp;pieren</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>One row a run. Double-click a cell to type the time slip&apos;s figure; a change can be undone.</source>
        <translation>Eine Zeile je Lauf. Doppelklick auf eine Zelle, um den Wert vom Timeslip einzutippen; jede Änderung lässt sich rückgängig machen.</translation>
    </message>
    <message>
        <source>The car as typed</source>
        <translation>Das Auto wie eingegeben</translation>
    </message>
    <message>
        <source>The fitted car</source>
        <translation>Das angepasste Auto</translation>
    </message>
    <message>
        <source>Model compared</source>
        <translation>Verglichenes Modell</translation>
    </message>
    <message>
        <source>The model&apos;s slip on each run&apos;s day:</source>
        <translation>Der Timeslip des Modells am Tag jedes Laufs:</translation>
    </message>
    <message>
        <source>Model against the slips</source>
        <translation>Modell gegen die Timeslips</translation>
    </message>
    <message>
        <source>Add the fitted car as a new car; the typed one stays as it is.</source>
        <translation>Das angepasste Auto als neues Auto hinzufügen; das eingegebene bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>Report card</source>
        <translation>Zeugnis</translation>
    </message>
    <message>
        <source>Way of predicting</source>
        <translation>Art der Vorhersage</translation>
    </message>
    <message>
        <source>Mean error (s)</source>
        <translation>Mittlerer Fehler (s)</translation>
    </message>
    <message>
        <source>Bias (s)</source>
        <translation>Tendenz (s)</translation>
    </message>
    <message>
        <source>Fit and prediction</source>
        <translation>Anpassung und Vorhersage</translation>
    </message>
    <message>
        <source>No logbook is open: File ▸ Open Logbook… opens or makes one.</source>
        <translation>Es ist kein Logbuch geöffnet: Datei ▸ Logbuch öffnen… öffnet oder legt eines an.</translation>
    </message>
    <message>
        <source>No car is chosen.</source>
        <translation>Es ist kein Auto gewählt.</translation>
    </message>
    <message>
        <source>No runs of %1 in %2 yet: add a run, or import your time slips.</source>
        <translation>Noch keine Läufe von %1 in %2: Fügen Sie einen Lauf hinzu oder importieren Sie Ihre Timeslips.</translation>
    </message>
    <message>
        <source>Runs of %1 in %2: %3.</source>
        <translation>Läufe von %1 in %2: %3.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Lauf %1</translation>
    </message>
    <message>
        <source>Slip %1, model %2: the model less the slip.</source>
        <translation>Timeslip %1, Modell %2: Modell minus Timeslip.</translation>
    </message>
    <message>
        <source>Calibrate to fit the horsepower and the spin time to the runs.</source>
        <translation>Kalibrieren passt Leistung und Durchdrehzeit an die Läufe an.</translation>
    </message>
    <message>
        <source>Next run on the day&apos;s air of the Conditions box: the quarter mile in %1 at %2, the eighth mile in %3 at %4.</source>
        <translation>Nächster Lauf bei der oben eingestellten Luft des Tages: die Viertelmeile in %1 mit %2, die Achtelmeile in %3 mit %4.</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>%1 (fitted)</source>
        <translation>%1 (angepasst)</translation>
    </message>
    <message>
        <source>No logbook is open.</source>
        <translation>Es ist kein Logbuch geöffnet.</translation>
    </message>
    <message>
        <source>Runs imported from %1: %2.</source>
        <translation>Aus %1 importierte Läufe: %2.</translation>
    </message>
    <message>
        <source>Runs written to %1: %2.</source>
        <translation>In %1 geschriebene Läufe: %2.</translation>
    </message>
    <message>
        <source>Import Runs</source>
        <translation>Läufe importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Runs</source>
        <translation>Läufe exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Calibration progress</source>
        <translation>Fortschritt der Kalibrierung</translation>
    </message>
    <message>
        <source>Fit %v of %m</source>
        <translation>Anpassung %v von %m</translation>
    </message>
    <message>
        <source>Stop the calibration; no fit is shown.</source>
        <translation>Bricht die Kalibrierung ab; es wird keine Anpassung gezeigt.</translation>
    </message>
    <message>
        <source>Reading the runs of %1 from %2…</source>
        <translation>Die Läufe von %1 werden aus %2 gelesen…</translation>
    </message>
    <message>
        <source>Fitting the car to the runs (%1)…</source>
        <translation>Das Auto wird an die Läufe angepasst (%1)…</translation>
    </message>
    <message>
        <source>Type a run from its time slip: dated now, on the day&apos;s air of the Conditions box.</source>
        <translation>Einen Lauf von seinem Zeitzettel eintippen: mit dem jetzigen Datum, bei der Luft des Tages aus der Zeile „Bedingungen“.</translation>
    </message>
    <message>
        <source>Runs from a CSV file with a header line: date, track, temperature, pressure, humidity, quarterMileTime, quarterMileSpeed, …, or a racer&apos;s sheet&apos;s Temp, Baro, RT, 60ft, 1/8, 1/4 ET, 1/4 MPH, …; runs already in the logbook are skipped.</source>
        <translation>Läufe aus einer CSV-Datei mit Kopfzeile: date, track, temperature, pressure, humidity, quarterMileTime, quarterMileSpeed, … oder den Spalten einer Fahrertabelle: Temp, Baro, RT, 60ft, 1/8, 1/4 ET, 1/4 MPH, …; Läufe, die schon im Logbuch stehen, werden übersprungen.</translation>
    </message>
    <message>
        <source>Runs skipped as already in the logbook: %1.</source>
        <translation>Übersprungene Läufe, die schon im Logbuch stehen: %1.</translation>
    </message>
    <message>
        <source>These rows were refused:</source>
        <translation>Diese Zeilen wurden abgelehnt:</translation>
    </message>
    <message>
        <source>Dates of the Sheet</source>
        <translation>Daten der Tabelle</translation>
    </message>
    <message>
        <source>The sheet&apos;s dates read two ways: is %1 month first (US) or day first?</source>
        <translation>Die Daten der Tabelle lassen sich zweifach lesen: Steht in %1 der Monat vorn (USA) oder der Tag?</translation>
    </message>
    <message>
        <source>&amp;Month first</source>
        <translation>&amp;Monat vorn</translation>
    </message>
    <message>
        <source>&amp;Day first</source>
        <translation>&amp;Tag vorn</translation>
    </message>
    <message>
        <source>Runs of cars not open</source>
        <translation>Läufe nicht geöffneter Autos</translation>
    </message>
    <message>
        <source>Attach to this car</source>
        <translation>Diesem Auto zuordnen</translation>
    </message>
    <message>
        <source>Move to another car…</source>
        <translation>Zu einem anderen Auto verschieben …</translation>
    </message>
    <message>
        <source>%1 (runs: %2)</source>
        <translation>%1 (Läufe: %2)</translation>
    </message>
    <message>
        <source>%1 (runs: %2), last in %3</source>
        <translation>%1 (Läufe: %2), zuletzt in %3</translation>
    </message>
    <message>
        <source>Attach runs to %1</source>
        <translation>Läufe %1 zuordnen</translation>
    </message>
    <message>
        <source>The runs were not moved.</source>
        <translation>Die Läufe wurden nicht verschoben.</translation>
    </message>
    <message>
        <source>Runs attached to %1: %2.</source>
        <translation>%1 zugeordnete Läufe: %2.</translation>
    </message>
    <message>
        <source>Move to another car</source>
        <translation>Zu einem anderen Auto verschieben</translation>
    </message>
    <message>
        <source>The car the runs of %1 belong to:</source>
        <translation>Das Auto, zu dem die Läufe von %1 gehören:</translation>
    </message>
    <message>
        <source>± %1 (68 %), ± %2 (95 %)</source>
        <translation>± %1 (68 %), ± %2 (95 %)</translation>
    </message>
    <message>
        <source>Fit the horsepower and the spin time to the runs chosen under &quot;Fit to&quot;, each run on its own day&apos;s air. Selecting rows does not narrow the fit.</source>
        <translation>Die Leistung und die Schlupfzeit an die unter „Anpassung an“ gewählten Läufe anpassen, jeden Lauf in der Luft seines Tages. Markierte Zeilen schränken die Anpassung nicht ein.</translation>
    </message>
    <message>
        <source>All runs</source>
        <translation>Alle Läufe</translation>
    </message>
    <message>
        <source>Runs since</source>
        <translation>Läufe seit</translation>
    </message>
    <message>
        <source>The last runs</source>
        <translation>Die letzten Läufe</translation>
    </message>
    <message>
        <source>Which runs the fit takes, kept for this car and logbook.</source>
        <translation>Welche Läufe die Anpassung nimmt, gemerkt für dieses Auto und Logbuch.</translation>
    </message>
    <message>
        <source>Fit to the runs since</source>
        <translation>Anpassung an die Läufe seit</translation>
    </message>
    <message>
        <source>Fit to the last runs</source>
        <translation>Anpassung an die letzten Läufe</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Mean error (mph)</source>
        <translation>Mittlerer Fehler (mph)</translation>
    </message>
    <message>
        <source>Bias (mph)</source>
        <translation>Tendenz (mph)</translation>
    </message>
    <message>
        <source>Fit to:</source>
        <translation>Angepasst an:</translation>
    </message>
    <message>
        <source>not enough runs</source>
        <translation>zu wenige Läufe</translation>
    </message>
    <message>
        <source>The bands leave out one day&apos;s runs at a time (%1 days).</source>
        <translation>Die Bänder lassen jeweils die Läufe eines Tages aus (%1 Tage).</translation>
    </message>
    <message>
        <source>Each run after the first three predicted from the runs before it alone (the fit on those runs, the run before, lines through them), every way on the same runs: the mean absolute error and the mean of predicted less given quarter-mile times and speeds. The best is in bold.</source>
        <translation>Jeder Lauf nach den ersten drei, nur aus den Läufen davor vorausgesagt (die Anpassung an diese Läufe, der Lauf davor, Geraden durch sie), jede Art an denselben Läufen: der mittlere absolute Fehler und der Mittelwert von vorausgesagt minus gemessen für Viertelmeilenzeiten und -geschwindigkeiten. Die beste ist fett.</translation>
    </message>
    <message>
        <source>Dial-in for today: %1</source>
        <translation>Dial-in für heute: %1</translation>
    </message>
    <message>
        <source>Dial-in for today: none of the ways that predict before a run could be scored.</source>
        <translation>Dial-in für heute: keine der Arten, die vor einem Lauf voraussagen, konnte bewertet werden.</translation>
    </message>
    <message>
        <source>± %1 (95 %)</source>
        <translation>± %1 (95 %)</translation>
    </message>
    <message>
        <source>Dial-in for today: %1, by &quot;%2&quot; (%3).</source>
        <translation>Dial-in für heute: %1, nach „%2“ (%3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; scores better but needs the run&apos;s own figures.</source>
        <translation>„%1“ schneidet besser ab, braucht aber die eigenen Werte des Laufs.</translation>
    </message>
    <message>
        <source>Density altitude</source>
        <translation>Dichtehöhe</translation>
    </message>
    <message>
        <source>By date</source>
        <translation>Nach Datum</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Zwischenzeiten</translation>
    </message>
    <message>
        <source>Model&apos;s slips</source>
        <translation>Modellzettel</translation>
    </message>
    <message>
        <source>Run (%1)</source>
        <translation>Lauf (%1)</translation>
    </message>
    <message>
        <source>Runs kept under a car that is not open, such as one whose file was moved or renamed by another program: attach them to the car shown, or move them to another car, open or chosen by its file.</source>
        <translation>Läufe, die unter einem nicht geöffneten Auto stehen, etwa einem, dessen Datei ein anderes Programm verschoben oder umbenannt hat: Ordnen Sie sie dem gezeigten Auto zu oder verschieben Sie sie zu einem anderen Auto, geöffnet oder über seine Datei gewählt.</translation>
    </message>
    <message>
        <source>A car file…</source>
        <translation>Eine Autodatei …</translation>
    </message>
    <message>
        <source>Calibrate to fit the power at the wheels and the launch grip to the runs.</source>
        <translation>Kalibrieren passt die Leistung am Rad und die Haftung beim Start an die Läufe an.</translation>
    </message>
    <message>
        <source>Dial-in for today: %1, by &quot;%2&quot;.</source>
        <translation>Dial-in für heute: %1, nach „%2“.</translation>
    </message>
</context>
<context>
    <name>MessageBar</name>
    <message>
        <source>Close this message</source>
        <translation>Diese Meldung schließen</translation>
    </message>
    <message>
        <source>Close the message</source>
        <translation>Meldung schließen</translation>
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
    <name>NewRunDialog</name>
    <message>
        <source>Add a Run</source>
        <translation>Lauf hinzufügen</translation>
    </message>
    <message>
        <source>Date and time of the run</source>
        <translation>Datum und Uhrzeit des Laufs</translation>
    </message>
    <message>
        <source>&amp;Date and time:</source>
        <translation>&amp;Datum und Uhrzeit:</translation>
    </message>
    <message>
        <source>Type the figures of the time slip; a run needs its time and speed at the quarter mile or at the eighth mile.</source>
        <translation>Tippen Sie die Werte des Zeitzettels ein; ein Lauf braucht Zeit und Geschwindigkeit auf der Viertelmeile oder auf der Achtelmeile.</translation>
    </message>
    <message>
        <source>The run was not saved: %1</source>
        <translation>Der Lauf wurde nicht gespeichert: %1</translation>
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
    <name>ReportCard</name>
    <message>
        <source>Fitted model, the day&apos;s air</source>
        <translation>Angepasstes Modell, Luft des Tages</translation>
    </message>
    <message>
        <source>Fitted model, standard day</source>
        <translation>Angepasstes Modell, Normbedingungen</translation>
    </message>
    <message>
        <source>Car as typed, the day&apos;s air</source>
        <translation>Auto wie eingegeben, Luft des Tages</translation>
    </message>
    <message>
        <source>Hale&apos;s formula, the day&apos;s air</source>
        <translation>Formel von Hale, Luft des Tages</translation>
    </message>
    <message>
        <source>The run before</source>
        <translation>Der Lauf davor</translation>
    </message>
    <message>
        <source>Density-altitude line of the runs before</source>
        <translation>Dichtehöhen-Gerade der Läufe davor</translation>
    </message>
    <message>
        <source>From the run&apos;s own 60 ft</source>
        <translation>Aus den eigenen 60 ft des Laufs</translation>
    </message>
    <message>
        <source>From the run&apos;s own 1/8 mile</source>
        <translation>Aus der eigenen 1/8 Meile des Laufs</translation>
    </message>
    <message>
        <source>Classic law</source>
        <translation>Klassisches Gesetz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>The calibration was cancelled.</source>
        <translation>Die Kalibrierung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>A report card needs four runs or more with a quarter-mile time: the first three only predict.</source>
        <translation>Ein Zeugnis braucht vier oder mehr Läufe mit einer Viertelmeilenzeit: die ersten drei sagen nur voraus.</translation>
    </message>
    <message>
        <source>Road model</source>
        <translation>Straßenmodell</translation>
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
    <name>RoadKeys</name>
    <message>
        <source>The horsepower must be between %1 and %2</source>
        <translation>Die Leistung muss zwischen %1 und %2 liegen</translation>
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
        <source>The frontal area must be between %1 and %2</source>
        <translation>Die Stirnfläche muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The number of gears must be between %1 and %2</source>
        <translation>Die Zahl der Gänge muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The engine speed of peak power must be between %1 and %2</source>
        <translation>Die Drehzahl der Höchstleistung muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The torque must be between %1 and %2</source>
        <translation>Das Drehmoment muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The engine speed of peak torque must be between %1 and %2</source>
        <translation>Die Drehzahl des höchsten Drehmoments muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>The redline must be between %1 and %2</source>
        <translation>Die Höchstdrehzahl muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a key of a Torvane car file (%2).</source>
        <translation>„%1“ ist kein Schlüssel einer Torvane-Fahrzeugdatei (%2).</translation>
    </message>
    <message>
        <source>%1, line %L2: %3 Nothing was loaded.</source>
        <translation>%1, Zeile %L2: %3 Es wurde nichts geladen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line of the form key=value.</source>
        <translation>„%1“ ist keine Zeile der Form Schlüssel=Wert.</translation>
    </message>
    <message>
        <source>The engine speed of peak torque must not be above that of peak power</source>
        <translation>Die Drehzahl des höchsten Drehmoments darf nicht über der der Höchstleistung liegen</translation>
    </message>
    <message>
        <source>The engine speed of peak power must not be above the redline</source>
        <translation>Die Drehzahl der Höchstleistung darf nicht über der Höchstdrehzahl liegen</translation>
    </message>
    <message>
        <source>The torque must be at least what the horsepower gives at the engine speed of peak power</source>
        <translation>Das Drehmoment muss mindestens das sein, was die Leistung bei der Drehzahl der Höchstleistung ergibt</translation>
    </message>
    <message>
        <source>A CVT or a direct drive has one gear</source>
        <translation>Ein CVT oder ein Direktantrieb hat einen Gang</translation>
    </message>
    <message>
        <source>The value of %1 must be one of %2.</source>
        <translation>Der Wert von %1 muss einer von %2 sein.</translation>
    </message>
    <message>
        <source>The value of %1 must be a number.</source>
        <translation>Der Wert von %1 muss eine Zahl sein.</translation>
    </message>
</context>
<context>
    <name>SensitivityModel</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>This car lies outside the input ranges; the engine runs it all the same.</source>
        <translation>Dieses Auto liegt außerhalb der Eingabebereiche; der Rechenkern rechnet es trotzdem.</translation>
    </message>
    <message>
        <source>−10 %</source>
        <translation>−10 %</translation>
    </message>
    <message>
        <source>+10 %</source>
        <translation>+10 %</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Drag coefficient</source>
        <translation>cw-Wert</translation>
    </message>
    <message>
        <source>Frontal area</source>
        <translation>Stirnfläche</translation>
    </message>
    <message>
        <source>Quarter mile time</source>
        <translation>Viertelmeile, Zeit</translation>
    </message>
    <message>
        <source>Quarter mile speed</source>
        <translation>Viertelmeile, Tempo</translation>
    </message>
    <message>
        <source>Top speed</source>
        <translation>Höchsttempo</translation>
    </message>
    <message>
        <source>0-60 mph time</source>
        <translation>Zeit 0-60 mph</translation>
    </message>
    <message>
        <source>%1 one step down</source>
        <translation>%1 eine Stufe weniger</translation>
    </message>
    <message>
        <source>%1 one step up</source>
        <translation>%1 eine Stufe mehr</translation>
    </message>
    <message>
        <source>Gears</source>
        <translation>Gänge</translation>
    </message>
    <message>
        <source>Tires</source>
        <translation>Reifen</translation>
    </message>
</context>
<context>
    <name>SensitivityPage</name>
    <message>
        <source>the horsepower</source>
        <translation>die Leistung</translation>
    </message>
    <message>
        <source>the weight, at the car&apos;s horsepower</source>
        <translation>das Gewicht, bei der Leistung des Autos</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>Be&amp;rechnen</translation>
    </message>
    <message>
        <source>Appl&amp;y to What if</source>
        <translation>In „Was wäre, wenn“ &amp;übernehmen</translation>
    </message>
    <message>
        <source>Car to examine</source>
        <translation>Zu untersuchendes Auto</translation>
    </message>
    <message>
        <source>Car:</source>
        <translation>Auto:</translation>
    </message>
    <message>
        <source>Ten per cent less or more</source>
        <translation>Zehn Prozent weniger oder mehr</translation>
    </message>
    <message>
        <source>Sensitivity table</source>
        <translation>Empfindlichkeitstabelle</translation>
    </message>
    <message>
        <source>Each cell gives the new value and, in brackets, the change. Figures in italics belong to a car outside the input ranges.</source>
        <translation>Jede Zelle zeigt den neuen Wert und in Klammern die Änderung. Kursive Werte gehören zu einem Auto außerhalb der Eingabebereiche.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Figure to reach</source>
        <translation>Zu erreichender Wert</translation>
    </message>
    <message>
        <source>A quarter mile in</source>
        <translation>Eine Viertelmeile in</translation>
    </message>
    <message>
        <source>A trap speed of</source>
        <translation>Ein Endtempo von</translation>
    </message>
    <message>
        <source>0-60 mph in</source>
        <translation>0-60 mph in</translation>
    </message>
    <message>
        <source>Ta&amp;rget:</source>
        <translation>Z&amp;iel:</translation>
    </message>
    <message>
        <source>needs</source>
        <translation>braucht</translation>
    </message>
    <message>
        <source>a trap speed of %1 %2</source>
        <translation>ein Endtempo von %1 %2</translation>
    </message>
    <message>
        <source>0-60 mph in %1 s</source>
        <translation>0-60 mph in %1 s</translation>
    </message>
    <message>
        <source>a quarter mile in %1 s</source>
        <translation>eine Viertelmeile in %1 s</translation>
    </message>
    <message>
        <source>A trap speed of %1 %2 is not reachable within the ranges.</source>
        <translation>Ein Endtempo von %1 %2 ist innerhalb der Bereiche nicht erreichbar.</translation>
    </message>
    <message>
        <source>0-60 mph in %1 s is not reachable within the ranges.</source>
        <translation>0-60 mph in %1 s ist innerhalb der Bereiche nicht erreichbar.</translation>
    </message>
    <message>
        <source>A quarter mile in %1 s is not reachable within the ranges.</source>
        <translation>Eine Viertelmeile in %1 s ist innerhalb der Bereiche nicht erreichbar.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %2)</source>
        <translation>%1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1, the end of the range, already gives %2, and so does every value beyond it.</source>
        <translation>%1, das Ende des Bereichs, ergibt schon %2, ebenso jeder Wert darüber hinaus.</translation>
    </message>
    <message>
        <source>%1 gives %2.</source>
        <translation>%1 ergibt %2.</translation>
    </message>
</context>
<context>
    <name>SlipEdits</name>
    <message>
        <source>Change a run</source>
        <translation>Lauf ändern</translation>
    </message>
    <message>
        <source>Add a run</source>
        <translation>Lauf hinzufügen</translation>
    </message>
    <message>
        <source>Delete a run</source>
        <translation>Lauf löschen</translation>
    </message>
    <message>
        <source>Import runs</source>
        <translation>Läufe importieren</translation>
    </message>
    <message>
        <source>Could not undo “%1”: %2</source>
        <translation>„%1“ ließ sich nicht rückgängig machen: %2</translation>
    </message>
    <message>
        <source>Could not redo “%1”: %2</source>
        <translation>„%1“ ließ sich nicht wiederholen: %2</translation>
    </message>
    <message>
        <source>Delete runs</source>
        <translation>Läufe löschen</translation>
    </message>
</context>
<context>
    <name>SlipTableModel</name>
    <message>
        <source>No car is chosen for the run.</source>
        <translation>Für den Lauf ist kein Auto gewählt.</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, in %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Rennstrecke</translation>
    </message>
    <message>
        <source>Elevation (ft)</source>
        <translation>Höhe (ft)</translation>
    </message>
    <message>
        <source>Temperature (°F)</source>
        <translation>Temperatur (°F)</translation>
    </message>
    <message>
        <source>Pressure (inHg)</source>
        <translation>Luftdruck (inHg)</translation>
    </message>
    <message>
        <source>Humidity (%)</source>
        <translation>Luftfeuchte (%)</translation>
    </message>
    <message>
        <source>Reaction (s)</source>
        <translation>Reaktion (s)</translation>
    </message>
    <message>
        <source>60 ft (s)</source>
        <translation>60 ft (s)</translation>
    </message>
    <message>
        <source>330 ft (s)</source>
        <translation>330 ft (s)</translation>
    </message>
    <message>
        <source>1/8 mile (s)</source>
        <translation>1/8 Meile (s)</translation>
    </message>
    <message>
        <source>1/8 mile (mph)</source>
        <translation>1/8 Meile (mph)</translation>
    </message>
    <message>
        <source>1000 ft (s)</source>
        <translation>1000 ft (s)</translation>
    </message>
    <message>
        <source>1/4 mile (s)</source>
        <translation>1/4 Meile (s)</translation>
    </message>
    <message>
        <source>1/4 mile (mph)</source>
        <translation>1/4 Meile (mph)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Density altitude of the run&apos;s day, in ft, from its temperature, pressure and humidity</source>
        <translation>Dichtehöhe am Tag des Laufs, in ft, aus seiner Temperatur, seinem Luftdruck und seiner Luftfeuchte</translation>
    </message>
    <message>
        <source>The quarter-mile time corrected to the standard day (77 °F, 29.235 inHg, dry air), in s: the time · (1 / CF)^(1/3), CF the day&apos;s SAE J1349 factor</source>
        <translation>Die Viertelmeilenzeit auf Normbedingungen umgerechnet (77 °F, 29,235 inHg, trockene Luft), in s: die Zeit · (1 / KF)^(1/3), KF der Korrekturfaktor des Tages nach SAE J1349</translation>
    </message>
    <message>
        <source>DA (ft)</source>
        <translation>DH (ft)</translation>
    </message>
    <message>
        <source>1/4 mile, std. day (s)</source>
        <translation>1/4 Meile, Norm (s)</translation>
    </message>
</context>
<context>
    <name>SlipsCsv</name>
    <message>
        <source>its header line cannot be read: %1</source>
        <translation>ihre Kopfzeile ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>its header line names the column %1 twice</source>
        <translation>ihre Kopfzeile nennt die Spalte %1 zweimal</translation>
    </message>
    <message>
        <source>its header line names neither the columns %1 and %2 nor %3 and %4, so it holds no time slips</source>
        <translation>ihre Kopfzeile nennt weder die Spalten %1 und %2 noch %3 und %4, sie enthält also keine Timeslips</translation>
    </message>
    <message>
        <source>%1 is not a number: %2</source>
        <translation>%1 ist keine Zahl: %2</translation>
    </message>
    <message>
        <source>it is empty; a CSV of runs starts with a header line naming its columns</source>
        <translation>sie ist leer; eine CSV-Datei mit Läufen beginnt mit einer Kopfzeile, die ihre Spalten nennt</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it has %1 fields where the header line has %2</source>
        <translation>sie hat %1 Felder, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <source>Could not import the runs: %1.</source>
        <translation>Die Läufe ließen sich nicht importieren: %1.</translation>
    </message>
    <message>
        <source>Could not import the runs from %1: %2.</source>
        <translation>Die Läufe aus %1 ließen sich nicht importieren: %2.</translation>
    </message>
    <message>
        <source>it is %1, not a file</source>
        <translation>sie ist %1, keine Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, far more than a file of time slips holds</source>
        <translation>sie ist größer als %1 Bytes, weit mehr, als eine Datei mit Timeslips enthält</translation>
    </message>
    <message>
        <source>%1 is not a date of the form %2, optionally with a time HH:MM or HH:MM:SS: %3</source>
        <translation>%1 ist kein Datum der Form %2, wahlweise mit einer Uhrzeit HH:MM oder HH:MM:SS: %3</translation>
    </message>
    <message>
        <source>give %1 or %2, not both</source>
        <translation>geben Sie %1 oder %2 an, nicht beide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>its dates read two ways (%1 may be month first or day first); write them as YYYY-MM-DD</source>
        <translation>ihre Daten lassen sich zweifach lesen (in %1 kann der Monat oder der Tag vorn stehen); schreiben Sie sie als JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>altimeter setting</source>
        <translation>Höhenmesser (QNH)</translation>
    </message>
    <message>
        <source>(ignore)</source>
        <translation>(übergehen)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the form %2, optionally with a time HH:MM or HH:MM:SS.</source>
        <translation>„%1“ ist kein Datum der Form %2, wahlweise mit einer Uhrzeit HH:MM oder HH:MM:SS.</translation>
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
    <name>TimeSlip</name>
    <message>
        <source>the %1</source>
        <translation>die Angabe „%1“</translation>
    </message>
    <message>
        <source>%1 is not a finite number.</source>
        <translation>%1 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>track</source>
        <translation>Rennstrecke</translation>
    </message>
    <message>
        <source>elevation</source>
        <translation>Streckenhöhe</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>station pressure</source>
        <translation>Stationsdruck</translation>
    </message>
    <message>
        <source>humidity</source>
        <translation>Luftfeuchte</translation>
    </message>
    <message>
        <source>reaction time</source>
        <translation>Reaktionszeit</translation>
    </message>
    <message>
        <source>60-foot time</source>
        <translation>Zeit 60 ft</translation>
    </message>
    <message>
        <source>330-foot time</source>
        <translation>Zeit 330 ft</translation>
    </message>
    <message>
        <source>1/8-mile time</source>
        <translation>Zeit 1/8 Meile</translation>
    </message>
    <message>
        <source>1/8-mile speed</source>
        <translation>Tempo 1/8 Meile</translation>
    </message>
    <message>
        <source>1000-foot time</source>
        <translation>Zeit 1000 ft</translation>
    </message>
    <message>
        <source>quarter-mile time</source>
        <translation>Zeit 1/4 Meile</translation>
    </message>
    <message>
        <source>quarter-mile speed</source>
        <translation>Tempo 1/4 Meile</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>A run with a time needs a date.</source>
        <translation>Ein Lauf mit Uhrzeit braucht ein Datum.</translation>
    </message>
    <message>
        <source>A run&apos;s time is kept in whole seconds, without the %1 ms this one has.</source>
        <translation>Die Uhrzeit eines Laufs wird in ganzen Sekunden geführt, ohne die %1 ms, die diese hat.</translation>
    </message>
    <message>
        <source>%1 must lie within the years 1 to 9999.</source>
        <translation>%1 muss in den Jahren 1 bis 9999 liegen.</translation>
    </message>
    <message>
        <source>A run needs %1 and %2, or %3 and %4.</source>
        <translation>Ein Lauf braucht %1 und %2 oder %3 und %4.</translation>
    </message>
    <message>
        <source>%1 (%2 s) must be longer than %3 (%4 s).</source>
        <translation>%1 (%2 s) muss länger sein als %3 (%4 s).</translation>
    </message>
    <message>
        <source>A car in the logbook needs a name.</source>
        <translation>Ein Auto im Logbuch braucht einen Namen.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 %4 (it is %5).</source>
        <translation>%1 muss zwischen %2 und %3 %4 liegen (angegeben: %5).</translation>
    </message>
    <message>
        <source>%1 s, %2 mph</source>
        <translation>%1 s, %2 mph</translation>
    </message>
    <message>
        <source>1/8 mile %1 s, %2 mph</source>
        <translation>1/8 Meile %1 s, %2 mph</translation>
    </message>
    <message>
        <source>The run without a date</source>
        <translation>Der Lauf ohne Datum</translation>
    </message>
    <message>
        <source>The run of %1</source>
        <translation>Der Lauf vom %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 must lie between 0 and 2 s, or down to %2 s for a red light (it is %3).</source>
        <translation>%1 muss zwischen 0 und 2 s liegen, bei einem Rotlicht bis hinab zu %2 s (angegeben: %3).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number for the %2: write it with &quot;.&quot; as the decimal point.</source>
        <translation>„%1“ ist keine Zahl für „%2“: Schreiben Sie sie mit „.“ als Dezimalzeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number for the %2: write it with &quot;%3&quot; or &quot;.&quot; as the decimal point.</source>
        <translation>„%1“ ist keine Zahl für „%2“: Schreiben Sie sie mit „%3“ oder „.“ als Dezimalzeichen.</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>ft²</source>
        <translation>ft²</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>hPa</source>
        <translation>hPa</translation>
    </message>
    <message>
        <source>inHg</source>
        <translation>inHg</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>N·m</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>lb-ft</source>
        <translation>lb-ft</translation>
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
<context>
    <name>WhatIfPage</name>
    <message>
        <source>Reset to the base car</source>
        <translation>Zurück zum Basisauto</translation>
    </message>
    <message>
        <source>Keep as one of &amp;your cars</source>
        <translation>Als eigenes Auto &amp;übernehmen</translation>
    </message>
    <message>
        <source>Base car of the variant</source>
        <translation>Basisauto der Variante</translation>
    </message>
    <message>
        <source>Base ca&amp;r:</source>
        <translation>Va&amp;riante von:</translation>
    </message>
    <message>
        <source>Cars to compare with</source>
        <translation>Autos zum Vergleichen</translation>
    </message>
    <message>
        <source>Compare with:</source>
        <translation>Vergleichen mit:</translation>
    </message>
    <message>
        <source>Car to take the differences against</source>
        <translation>Auto, gegen das die Unterschiede gerechnet werden</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Differences against:</source>
        <translation>Unterschiede zu:</translation>
    </message>
    <message>
        <source>What if</source>
        <translation>Was wäre, wenn</translation>
    </message>
    <message>
        <source>%1 slider</source>
        <translation>Schieberegler %1</translation>
    </message>
    <message>
        <source>The base car and its variant</source>
        <translation>Das Basisauto und seine Variante</translation>
    </message>
    <message>
        <source>Tires</source>
        <translation>Reifen</translation>
    </message>
    <message>
        <source>street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>track</source>
        <translation>Rennstrecke</translation>
    </message>
    <message>
        <source>drag radial</source>
        <translation>Drag-Radial</translation>
    </message>
    <message>
        <source>slick</source>
        <translation>Slick</translation>
    </message>
    <message>
        <source>Gears</source>
        <translation>Gänge</translation>
    </message>
    <message>
        <source>What if: %1 %2</source>
        <translation>Was wäre, wenn: %1 %2</translation>
    </message>
</context>
</TS>
