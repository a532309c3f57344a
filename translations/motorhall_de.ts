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
