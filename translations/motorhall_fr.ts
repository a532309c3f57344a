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
    <name>CatalogueScan</name>
    <message>
        <source>These files in %1 could not be read and are not shown:</source>
        <translation>Ces fichiers de %1 n’ont pas pu être lus et ne sont pas affichés&#xa0;:</translation>
    </message>
    <message>
        <source>Vehicle Unreadable</source>
        <translation>Véhicule illisible</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the 3D vehicle icons (.srf files) of a local folder and of a car navigator side by side,
copies them between the two and previews them.</source>
        <translation>Affiche côte à côte les icônes de véhicule 3D (fichiers .srf) d’un dossier local et d’un GPS
de voiture, les copie de l’un à l’autre et en montre un aperçu.</translation>
    </message>
    <message>
        <source>motorhall: takes no arguments; motorhall --help explains</source>
        <translation>motorhall&#xa0;: n’accepte aucun argument&#xa0;; voir motorhall --help</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Preview Vehicle</source>
        <translation>Aperçu du véhicule</translation>
    </message>
    <message>
        <source>Delete Vehicle</source>
        <translation>Supprimer le véhicule</translation>
    </message>
</context>
<context>
    <name>FolderChoice</name>
    <message>
        <source>This folder cannot be chosen: its name holds a line break.</source>
        <translation>Ce dossier ne peut pas être choisi&#xa0;: son nom contient un saut de ligne.</translation>
    </message>
    <message>
        <source>Change Local Directory</source>
        <translation>Changer de dossier local</translation>
    </message>
    <message>
        <source>Change GPS Directory</source>
        <translation>Changer de dossier GPS</translation>
    </message>
</context>
<context>
    <name>MessageOverlay</name>
    <message>
        <source>Loading %1 of %2</source>
        <translation>Chargement %1 sur %2</translation>
    </message>
    <message>
        <source>Checking D: for 760...</source>
        <translation>Recherche du 760 sur D:...</translation>
    </message>
    <message>
        <source> Checking %1: for 760...</source>
        <extracomment>The drive letter, D to Z, is %1; the leading space stays as the overlay shows it.</extracomment>
        <translation> Recherche du 760 sur %1:...</translation>
    </message>
    <message>
        <source>Copying Vehicle to Garmin</source>
        <translation>Copie du véhicule vers le Garmin</translation>
    </message>
    <message>
        <source>Copying Vehicle from Garmin</source>
        <translation>Copie du véhicule depuis le Garmin</translation>
    </message>
    <message>
        <source>Copying Vehicle From Garmin</source>
        <translation>Copie du véhicule depuis le Garmin</translation>
    </message>
    <message>
        <source>Deleting Vehicle</source>
        <translation>Suppression du véhicule</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>No Directory Selected</source>
        <translation>Aucun dossier sélectionné</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Fichiers locaux</translation>
    </message>
    <message>
        <source>Garmin Files</source>
        <translation>Fichiers Garmin</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, options propres à Qt comprises.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The card control &quot;%1&quot; cannot be created: it is not registered or its library is missing.

%2

Register it, then start the program again:
%3 %4</source>
        <translation>Le contrôle des fiches «&#xa0;%1&#xa0;» ne peut pas être créé&#xa0;: il n’est pas enregistré ou sa bibliothèque est absente.

%2

Enregistrez-le, puis relancez le programme&#xa0;:
%3 %4</translation>
    </message>
</context>
<context>
    <name>VehicleCopy</name>
    <message>
        <source>%1 could not be copied to %2.</source>
        <translation>%1 n’a pas pu être copié dans %2.</translation>
    </message>
    <message>
        <source>%1 could not be read as a vehicle, and the navigator cannot show it.</source>
        <translation>%1 n’a pas pu être lu comme un véhicule, et le GPS ne pourra pas l’afficher.</translation>
    </message>
    <message>
        <source>Copy it anyway?</source>
        <translation>Le copier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The %1 pane already holds %2 vehicles, as many as a pane takes by copying.</source>
        <extracomment>%1 is the pane&apos;s title (&quot;Garmin Files&quot;), %2 the number of vehicles.</extracomment>
        <translation>Le volet «&#xa0;%1&#xa0;» contient déjà %2 véhicules, le maximum qu’un volet accepte par copie.</translation>
    </message>
    <message>
        <source>%1 was not copied.</source>
        <translation>%1 n’a pas été copié.</translation>
    </message>
    <message>
        <source>Not a Vehicle</source>
        <translation>Pas un véhicule</translation>
    </message>
    <message>
        <source>A Vehicle by that name already exists!</source>
        <translation>Un véhicule de ce nom existe déjà&#xa0;!</translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Vehicle Exists</source>
        <translation>Véhicule existant</translation>
    </message>
    <message>
        <source>Copy Refused</source>
        <translation>Copie refusée</translation>
    </message>
    <message>
        <source>Copy Failed</source>
        <translation>Échec de la copie</translation>
    </message>
</context>
<context>
    <name>VehicleDelete</name>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Confirm</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>%1 could not be deleted.</source>
        <translation>%1 n’a pas pu être supprimé.</translation>
    </message>
</context>
<context>
    <name>VehicleFiles</name>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Read-only file</source>
        <translation>Fichier en lecture seule</translation>
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
