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
    <name>CommandLine</name>
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
