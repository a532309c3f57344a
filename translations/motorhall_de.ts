<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Refresh</source>
        <comment>Word on the button that lists a pane&apos;s folder again; 75 x 25 pixels</comment>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Rotate</source>
        <comment>Word on the preview&apos;s button that sets the vehicle turning; 75 x 25 pixels</comment>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Local
Files</source>
        <comment>Watermark behind the pane of the computer&apos;s folder, on two lines</comment>
        <translation>Lokale
Dateien</translation>
    </message>
    <message>
        <source>Garmin
Files</source>
        <comment>Watermark behind the pane of the navigator&apos;s folder, on two lines</comment>
        <translation>Garmin-
Dateien</translation>
    </message>
    <message>
        <source>Turn right onto</source>
        <comment>Navigator&apos;s map screen: the next turn, above the street&apos;s name</comment>
        <translation>Rechts abbiegen auf</translation>
    </message>
    <message>
        <source>0.3</source>
        <comment>Navigator&apos;s map screen: the distance to the next turn, large above its unit; a navigator in your language shows it in its own units</comment>
        <translation>0,5</translation>
    </message>
    <message>
        <source>mi</source>
        <comment>Navigator&apos;s map screen: the unit of the distance to the next turn</comment>
        <translation>km</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>Navigator&apos;s map screen: the label of the speed</comment>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>38 mph</source>
        <comment>Navigator&apos;s map screen: the vehicle&apos;s speed, in your navigator&apos;s units</comment>
        <translation>60 km/h</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Navigator&apos;s map screen: the label of the street the vehicle is on</comment>
        <translation>Aktuelle Straße</translation>
    </message>
    <message>
        <source>Arrival</source>
        <comment>Navigator&apos;s map screen: the label of the time of arrival</comment>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Distance</source>
        <comment>Navigator&apos;s map screen: the label of the distance still to go</comment>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>4.6 mi</source>
        <comment>Navigator&apos;s map screen: the distance still to go, in your navigator&apos;s units</comment>
        <translation>7,4 km</translation>
    </message>
    <message>
        <source>200 ft</source>
        <comment>Navigator&apos;s map screen: the map&apos;s scale bar, about the distance between two streets</comment>
        <translation>200 m</translation>
    </message>
</context>
<context>
    <name>CatalogueScan</name>
    <message>
        <source>These files in %1 could not be read and are not shown:</source>
        <translation>Diese Dateien in %1 konnten nicht gelesen werden und werden nicht angezeigt:</translation>
    </message>
    <message>
        <source>Vehicle Unreadable</source>
        <translation>Fahrzeug nicht lesbar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the 3D vehicle icons (.srf files) of a local folder and of a car navigator side by side,
copies them between the two and previews them.</source>
        <translation>Zeigt die 3D-Fahrzeugsymbole (.srf-Dateien) eines lokalen Ordners und eines Navigationsgeräts
nebeneinander, kopiert sie zwischen beiden und zeigt sie in einer Vorschau.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>A vehicle file to select and preview in the Files pane, or a folder for the Files pane.</source>
        <translation>Eine Fahrzeugdatei, die im Bereich „Lokale Dateien“ ausgewählt und in der Vorschau gezeigt wird, oder ein Ordner für diesen Bereich.</translation>
    </message>
    <message>
        <source>[file or folder]</source>
        <translation>[Datei oder Ordner]</translation>
    </message>
    <message>
        <source>%1: left alone, as one file or folder is opened at a time</source>
        <translation>%1: übergangen, da nur eine Datei oder ein Ordner auf einmal geöffnet wird</translation>
    </message>
    <message>
        <source>%1: there is no such file or folder</source>
        <translation>%1: Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: is neither a vehicle file (.srf) nor a folder</source>
        <translation>%1: ist weder eine Fahrzeugdatei (.srf) noch ein Ordner</translation>
    </message>
    <message>
        <source>%1: a folder whose name holds a line break cannot be shown</source>
        <translation>%1: ein Ordner mit einem Zeilenumbruch im Namen kann nicht gezeigt werden</translation>
    </message>
</context>
<context>
    <name>ComponentModel</name>
    <message>
        <source>&quot;%1&quot; is not a control: it lacks the widget or the dispatch interface</source>
        <translation>„%1“ ist kein Steuerelement: Ihm fehlen das Widget oder die Dispatch-Schnittstelle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not make its widget</source>
        <translation>„%1“ konnte sein Widget nicht erzeugen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be looked up: %2</source>
        <translation>„%1“ kann nicht nachgeschlagen werden: %2</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; is not registered in %2; register its library with regsvr</source>
        <translation>die Klasse „%1“ ist in %2 nicht registriert; registrieren Sie ihre Bibliothek mit regsvr</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; has an invalid class identifier &quot;%2&quot; in %3</source>
        <translation>die Klasse „%1“ hat in %3 eine ungültige Klassenkennung „%2“</translation>
    </message>
    <message>
        <source>the class %1 cannot be looked up: %2</source>
        <translation>die Klasse %1 kann nicht nachgeschlagen werden: %2</translation>
    </message>
    <message>
        <source>the class %1 has no registered library in %2</source>
        <translation>für die Klasse %1 ist in %2 keine Bibliothek registriert</translation>
    </message>
    <message>
        <source>the class %1 is registered, but %2; register it again with regsvr</source>
        <translation>die Klasse %1 ist registriert, aber %2; registrieren Sie sie erneut mit regsvr</translation>
    </message>
    <message>
        <source>%1 does not provide the class %2</source>
        <translation>%1 stellt die Klasse %2 nicht bereit</translation>
    </message>
    <message>
        <source>the factory of the class %1 could not create it</source>
        <translation>die Klassenfabrik der Klasse %1 konnte sie nicht erzeugen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Success, with a negative answer</source>
        <translation>Erfolg, mit verneinender Antwort</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Nicht implementiert</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Schnittstelle wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Ungültiger Zeiger</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Catastrophic failure</source>
        <translation>Schwerer Fehler</translation>
    </message>
    <message>
        <source>Access is denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>The parameter is incorrect</source>
        <translation>Der Parameter ist falsch</translation>
    </message>
    <message>
        <source>Class does not support aggregation</source>
        <translation>Die Klasse unterstützt keine Aggregation</translation>
    </message>
    <message>
        <source>The library does not provide this class</source>
        <translation>Die Bibliothek stellt diese Klasse nicht bereit</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Klasse nicht registriert</translation>
    </message>
    <message>
        <source>Could not write to the registry</source>
        <translation>Die Registrierung konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Invalid class string</source>
        <translation>Ungültige Klassenzeichenfolge</translation>
    </message>
    <message>
        <source>The class&apos;s library could not be found</source>
        <translation>Die Bibliothek der Klasse wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The class&apos;s library could not be used</source>
        <translation>Die Bibliothek der Klasse ist nicht verwendbar</translation>
    </message>
    <message>
        <source>Unknown interface</source>
        <translation>Unbekannte Schnittstelle</translation>
    </message>
    <message>
        <source>Member not found</source>
        <translation>Element nicht gefunden</translation>
    </message>
    <message>
        <source>Parameter not found</source>
        <translation>Parameter nicht gefunden</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typenkonflikt</translation>
    </message>
    <message>
        <source>Unknown name</source>
        <translation>Unbekannter Name</translation>
    </message>
    <message>
        <source>Exception occurred</source>
        <translation>Ausnahme aufgetreten</translation>
    </message>
    <message>
        <source>Out of present range</source>
        <translation>Außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Invalid number of parameters</source>
        <translation>Ungültige Anzahl von Parametern</translation>
    </message>
    <message>
        <source>No such connection</source>
        <translation>Keine solche Verbindung</translation>
    </message>
    <message>
        <source>Failed to register or unregister the class</source>
        <translation>Die Klasse konnte nicht registriert oder abgemeldet werden</translation>
    </message>
    <message>
        <source>The sink does not support the outgoing interface</source>
        <translation>Der Empfänger unterstützt die ausgehende Schnittstelle nicht</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>the library %1 does not exist</source>
        <translation>die Bibliothek %1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>the library %1 does not load: %2</source>
        <translation>die Bibliothek %1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>the library %1 has no entry point %2</source>
        <translation>der Bibliothek %1 fehlt der Einsprungpunkt %2</translation>
    </message>
    <message>
        <source>there is no configuration folder for the registry</source>
        <translation>es gibt keinen Konfigurationsordner für die Registrierung</translation>
    </message>
    <message>
        <source>the registry %1 is not a plain file</source>
        <translation>die Registrierung %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>cannot read the registry %1: %2</source>
        <translation>die Registrierung %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the registry %1 is larger than %2 bytes</source>
        <translation>die Registrierung %1 ist größer als %2 Bytes</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Preview Vehicle</source>
        <translation>Fahrzeugvorschau</translation>
    </message>
    <message>
        <source>Delete Vehicle</source>
        <translation>Fahrzeug löschen</translation>
    </message>
    <message>
        <source>Copy to Garmin</source>
        <translation>Auf das Garmin kopieren</translation>
    </message>
    <message>
        <source>Copy to Files</source>
        <translation>In die Dateien kopieren</translation>
    </message>
</context>
<context>
    <name>FolderChoice</name>
    <message>
        <source>This folder cannot be chosen: its name holds a line break.</source>
        <translation>Dieser Ordner kann nicht gewählt werden: Sein Name enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Change Local Directory</source>
        <translation>Lokalen Ordner wechseln</translation>
    </message>
    <message>
        <source>Change GPS Directory</source>
        <translation>GPS-Ordner wechseln</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Motorhall</source>
        <translation>Motorhall</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Loading %1 of %2</source>
        <translation>Lade %1 von %2</translation>
    </message>
    <message>
        <source>Checking D: for 760...</source>
        <translation>Suche 760 auf D: ...</translation>
    </message>
    <message>
        <source> Checking %1: for 760...</source>
        <extracomment>The drive letter, D to Z, is %1; the leading space stays as the overlay shows it.</extracomment>
        <translation> Suche 760 auf %1: ...</translation>
    </message>
    <message>
        <source>Copying Vehicle to Garmin</source>
        <translation>Kopiere Fahrzeug auf Garmin</translation>
    </message>
    <message>
        <source>Copying Vehicle from Garmin</source>
        <translation>Kopiere Fahrzeug von Garmin</translation>
    </message>
    <message>
        <source>Copying Vehicle From Garmin</source>
        <translation>Kopiere Fahrzeug von Garmin</translation>
    </message>
    <message>
        <source>Deleting Vehicle</source>
        <translation>Lösche Fahrzeug</translation>
    </message>
</context>
<context>
    <name>NavigatorSearch</name>
    <message>
        <source>No navigator was found. These places were searched for a volume that holds the folder Garmin/Vehicle:</source>
        <translation>Es wurde kein Navigationsgerät gefunden. An diesen Orten wurde nach einem Datenträger mit dem Ordner Garmin/Vehicle gesucht:</translation>
    </message>
    <message>
        <source>Navigator Not Found</source>
        <translation>Navigationsgerät nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>No Directory Selected</source>
        <translation>Kein Ordner ausgewählt</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Lokale Dateien</translation>
    </message>
    <message>
        <source>Garmin Files</source>
        <translation>Garmin-Dateien</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The card control &quot;%1&quot; cannot be created: it is not registered or its library is missing.

%2

Register it, then start the program again:
%3 %4</source>
        <translation>Das Kartensteuerelement „%1“ kann nicht erzeugt werden: Es ist nicht registriert, oder seine Bibliothek fehlt.

%2

Registrieren Sie es, und starten Sie das Programm dann neu:
%3 %4</translation>
    </message>
</context>
<context>
    <name>VehicleCopy</name>
    <message>
        <source>%1 could not be copied to %2.</source>
        <translation>%1 konnte nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>%1 could not be read as a vehicle, and the navigator cannot show it.</source>
        <translation>%1 konnte nicht als Fahrzeug gelesen werden, und das Navigationsgerät kann es nicht anzeigen.</translation>
    </message>
    <message>
        <source>Copy it anyway?</source>
        <translation>Trotzdem kopieren?</translation>
    </message>
    <message>
        <source>The %1 pane already holds %2 vehicles, as many as a pane takes by copying.</source>
        <extracomment>%1 is the pane&apos;s title (&quot;Garmin Files&quot;), %2 the number of vehicles.</extracomment>
        <translation>Der Bereich „%1“ enthält bereits %2 Fahrzeuge, so viele, wie ein Bereich durch Kopieren aufnimmt.</translation>
    </message>
    <message>
        <source>%1 was not copied.</source>
        <translation>%1 wurde nicht kopiert.</translation>
    </message>
    <message>
        <source>Not a Vehicle</source>
        <translation>Kein Fahrzeug</translation>
    </message>
    <message>
        <source>A Vehicle by that name already exists!</source>
        <translation>Ein Fahrzeug mit diesem Namen ist bereits vorhanden!</translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>Ersetzen?</translation>
    </message>
    <message>
        <source>Vehicle Exists</source>
        <translation>Fahrzeug vorhanden</translation>
    </message>
    <message>
        <source>Copy Refused</source>
        <translation>Kopieren abgelehnt</translation>
    </message>
    <message>
        <source>Copy Failed</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>VehicleDelete</name>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Confirm</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 could not be deleted.</source>
        <translation>%1 konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>VehicleFiles</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Read-only file</source>
        <translation>Schreibgeschützte Datei</translation>
    </message>
</context>
<context>
    <name>VehiclePreview</name>
    <message>
        <source>Preview of %1</source>
        <translation>Vorschau von %1</translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <source>Choose the local folder</source>
        <translation>Lokalen Ordner wählen</translation>
    </message>
    <message>
        <source>Choose the navigator folder</source>
        <translation>Ordner des Navigationsgeräts wählen</translation>
    </message>
    <message>
        <source>Find the navigator</source>
        <translation>Navigationsgerät suchen</translation>
    </message>
    <message>
        <source>Refresh the local files</source>
        <translation>Lokale Dateien aktualisieren</translation>
    </message>
    <message>
        <source>Refresh the navigator&apos;s files</source>
        <translation>Dateien des Navigationsgeräts aktualisieren</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Vorschau schließen</translation>
    </message>
</context>
<context>
    <name>frmMain::FileDrop</name>
    <message>
        <source>Copying Vehicle</source>
        <translation>Fahrzeug wird kopiert</translation>
    </message>
    <message>
        <source>Not Copied</source>
        <translation>Nicht kopiert</translation>
    </message>
    <message>
        <source>Only vehicle files (files ending in .srf) can be copied. These were passed over:</source>
        <translation>Nur Fahrzeugdateien (Dateien mit der Endung .srf) können kopiert werden. Diese wurden übergangen:</translation>
    </message>
</context>
<context>
    <name>toolkit::FolderTreeDialog</name>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
</context>
</TS>
