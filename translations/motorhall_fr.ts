<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Refresh</source>
        <comment>Word on the button that lists a pane&apos;s folder again; 75 x 25 pixels</comment>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Rotate</source>
        <comment>Word on the preview&apos;s button that sets the vehicle turning; 75 x 25 pixels</comment>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Local
Files</source>
        <comment>Watermark behind the pane of the computer&apos;s folder, on two lines</comment>
        <translation>Fichiers
locaux</translation>
    </message>
    <message>
        <source>Garmin
Files</source>
        <comment>Watermark behind the pane of the navigator&apos;s folder, on two lines</comment>
        <translation>Fichiers
Garmin</translation>
    </message>
    <message>
        <source>Turn right onto</source>
        <comment>Navigator&apos;s map screen: the next turn, above the street&apos;s name</comment>
        <translation>Tournez à droite sur</translation>
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
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>38 mph</source>
        <comment>Navigator&apos;s map screen: the vehicle&apos;s speed, in your navigator&apos;s units</comment>
        <translation>60 km/h</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Navigator&apos;s map screen: the label of the street the vehicle is on</comment>
        <translation>Route actuelle</translation>
    </message>
    <message>
        <source>Arrival</source>
        <comment>Navigator&apos;s map screen: the label of the time of arrival</comment>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Distance</source>
        <comment>Navigator&apos;s map screen: the label of the distance still to go</comment>
        <translation>Distance</translation>
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
        <translation>Copie du véhicule</translation>
    </message>
    <message>
        <source>Not Copied</source>
        <translation>Non copié</translation>
    </message>
    <message>
        <source>Only vehicle files (files ending in .srf) can be copied. These were passed over:</source>
        <translation>Seuls les fichiers de véhicule (se terminant par .srf) peuvent être copiés. Ceux-ci ont été ignorés :</translation>
    </message>
</context>
<context>
    <name>toolkit::FolderTreeDialog</name>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Système de fichiers</translation>
    </message>
</context>
</TS>
