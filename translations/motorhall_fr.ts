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
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <source>A vehicle file to select and preview in the Files pane, or a folder for the Files pane.</source>
        <translation>Un fichier de véhicule à sélectionner et à prévisualiser dans le volet des fichiers locaux, ou un dossier pour ce volet.</translation>
    </message>
    <message>
        <source>[file or folder]</source>
        <translation>[fichier ou dossier]</translation>
    </message>
    <message>
        <source>%1: left alone, as one file or folder is opened at a time</source>
        <translation>%1 : ignoré, car un seul fichier ou dossier est ouvert à la fois</translation>
    </message>
    <message>
        <source>%1: there is no such file or folder</source>
        <translation>%1 : aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>%1: is neither a vehicle file (.srf) nor a folder</source>
        <translation>%1 : n’est ni un fichier de véhicule (.srf) ni un dossier</translation>
    </message>
    <message>
        <source>%1: a folder whose name holds a line break cannot be shown</source>
        <translation>%1 : un dossier dont le nom contient un saut de ligne ne peut pas être affiché</translation>
    </message>
</context>
<context>
    <name>ComponentModel</name>
    <message>
        <source>&quot;%1&quot; is not a control: it lacks the widget or the dispatch interface</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un contrôle&#xa0;: il lui manque le widget ou l’interface de répartition</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not make its widget</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu créer son widget</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be looked up: %2</source>
        <translation>«&#xa0;%1&#xa0;» est introuvable&#xa0;: %2</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; is not registered in %2; register its library with regsvr</source>
        <translation>la classe «&#xa0;%1&#xa0;» n’est pas enregistrée dans %2&#xa0;; enregistrez sa bibliothèque avec regsvr</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; has an invalid class identifier &quot;%2&quot; in %3</source>
        <translation>la classe «&#xa0;%1&#xa0;» a un identifiant de classe «&#xa0;%2&#xa0;» non valide dans %3</translation>
    </message>
    <message>
        <source>the class %1 cannot be looked up: %2</source>
        <translation>la classe %1 est introuvable&#xa0;: %2</translation>
    </message>
    <message>
        <source>the class %1 has no registered library in %2</source>
        <translation>la classe %1 n’a aucune bibliothèque enregistrée dans %2</translation>
    </message>
    <message>
        <source>the class %1 is registered, but %2; register it again with regsvr</source>
        <translation>la classe %1 est enregistrée, mais %2&#xa0;; enregistrez-la de nouveau avec regsvr</translation>
    </message>
    <message>
        <source>%1 does not provide the class %2</source>
        <translation>%1 ne fournit pas la classe %2</translation>
    </message>
    <message>
        <source>the factory of the class %1 could not create it</source>
        <translation>la fabrique de la classe %1 n’a pas pu la créer</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Success, with a negative answer</source>
        <translation>Succès, avec une réponse négative</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Non implémenté</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Interface non prise en charge</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Pointeur non valide</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Erreur non spécifiée</translation>
    </message>
    <message>
        <source>Catastrophic failure</source>
        <translation>Défaillance grave</translation>
    </message>
    <message>
        <source>Access is denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>The parameter is incorrect</source>
        <translation>Le paramètre est incorrect</translation>
    </message>
    <message>
        <source>Class does not support aggregation</source>
        <translation>La classe ne prend pas en charge l’agrégation</translation>
    </message>
    <message>
        <source>The library does not provide this class</source>
        <translation>La bibliothèque ne fournit pas cette classe</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Classe non enregistrée</translation>
    </message>
    <message>
        <source>Could not write to the registry</source>
        <translation>Impossible d’écrire dans le registre</translation>
    </message>
    <message>
        <source>Invalid class string</source>
        <translation>Chaîne de classe non valide</translation>
    </message>
    <message>
        <source>The class&apos;s library could not be found</source>
        <translation>La bibliothèque de la classe est introuvable</translation>
    </message>
    <message>
        <source>The class&apos;s library could not be used</source>
        <translation>La bibliothèque de la classe est inutilisable</translation>
    </message>
    <message>
        <source>Unknown interface</source>
        <translation>Interface inconnue</translation>
    </message>
    <message>
        <source>Member not found</source>
        <translation>Membre introuvable</translation>
    </message>
    <message>
        <source>Parameter not found</source>
        <translation>Paramètre introuvable</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Types incompatibles</translation>
    </message>
    <message>
        <source>Unknown name</source>
        <translation>Nom inconnu</translation>
    </message>
    <message>
        <source>Exception occurred</source>
        <translation>Une exception s’est produite</translation>
    </message>
    <message>
        <source>Out of present range</source>
        <translation>Hors de la plage autorisée</translation>
    </message>
    <message>
        <source>Invalid number of parameters</source>
        <translation>Nombre de paramètres non valide</translation>
    </message>
    <message>
        <source>No such connection</source>
        <translation>Connexion inexistante</translation>
    </message>
    <message>
        <source>Failed to register or unregister the class</source>
        <translation>Impossible d’enregistrer ou de désenregistrer la classe</translation>
    </message>
    <message>
        <source>The sink does not support the outgoing interface</source>
        <translation>Le récepteur ne prend pas en charge l’interface sortante</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>the library %1 does not exist</source>
        <translation>la bibliothèque %1 n’existe pas</translation>
    </message>
    <message>
        <source>the library %1 does not load: %2</source>
        <translation>la bibliothèque %1 ne se charge pas&#xa0;: %2</translation>
    </message>
    <message>
        <source>the library %1 has no entry point %2</source>
        <translation>la bibliothèque %1 n’a pas de point d’entrée %2</translation>
    </message>
    <message>
        <source>there is no configuration folder for the registry</source>
        <translation>il n’y a pas de dossier de configuration pour le registre</translation>
    </message>
    <message>
        <source>the registry %1 is not a plain file</source>
        <translation>le registre %1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot read the registry %1: %2</source>
        <translation>impossible de lire le registre %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the registry %1 is larger than %2 bytes</source>
        <translation>le registre %1 dépasse %2 octets</translation>
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
    <message>
        <source>Copy to Garmin</source>
        <translation>Copier sur le Garmin</translation>
    </message>
    <message>
        <source>Copy to Files</source>
        <translation>Copier dans les fichiers</translation>
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
    <name>NavigatorSearch</name>
    <message>
        <source>No navigator was found. These places were searched for a volume that holds the folder Garmin/Vehicle:</source>
        <translation>Aucun navigateur n’a été trouvé. Ces emplacements ont été examinés à la recherche d’un volume contenant le dossier Garmin/Vehicle :</translation>
    </message>
    <message>
        <source>Navigator Not Found</source>
        <translation>Navigateur introuvable</translation>
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
    <name>VehiclePreview</name>
    <message>
        <source>Preview of %1</source>
        <translation>Aperçu de %1</translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <source>Choose the local folder</source>
        <translation>Choisir le dossier local</translation>
    </message>
    <message>
        <source>Choose the navigator folder</source>
        <translation>Choisir le dossier du navigateur</translation>
    </message>
    <message>
        <source>Find the navigator</source>
        <translation>Rechercher le navigateur</translation>
    </message>
    <message>
        <source>Refresh the local files</source>
        <translation>Actualiser les fichiers locaux</translation>
    </message>
    <message>
        <source>Refresh the navigator&apos;s files</source>
        <translation>Actualiser les fichiers du navigateur</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Fermer l&apos;aperçu</translation>
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
