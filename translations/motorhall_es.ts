<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Refresh</source>
        <comment>Word on the button that lists a pane&apos;s folder again; 75 x 25 pixels</comment>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <comment>Word on the preview&apos;s button that sets the vehicle turning; 75 x 25 pixels</comment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Local
Files</source>
        <comment>Watermark behind the pane of the computer&apos;s folder, on two lines</comment>
        <translation>Archivos
locales</translation>
    </message>
    <message>
        <source>Garmin
Files</source>
        <comment>Watermark behind the pane of the navigator&apos;s folder, on two lines</comment>
        <translation>Archivos
Garmin</translation>
    </message>
    <message>
        <source>Turn right onto</source>
        <comment>Navigator&apos;s map screen: the next turn, above the street&apos;s name</comment>
        <translation>Gire a la derecha hacia</translation>
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
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>38 mph</source>
        <comment>Navigator&apos;s map screen: the vehicle&apos;s speed, in your navigator&apos;s units</comment>
        <translation>60 km/h</translation>
    </message>
    <message>
        <source>On</source>
        <comment>Navigator&apos;s map screen: the label of the street the vehicle is on</comment>
        <translation>Calle actual</translation>
    </message>
    <message>
        <source>Arrival</source>
        <comment>Navigator&apos;s map screen: the label of the time of arrival</comment>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Distance</source>
        <comment>Navigator&apos;s map screen: the label of the distance still to go</comment>
        <translation>Distancia</translation>
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
        <translation>No se han podido leer estos archivos de %1 y no se muestran:</translation>
    </message>
    <message>
        <source>Vehicle Unreadable</source>
        <translation>Vehículo ilegible</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the 3D vehicle icons (.srf files) of a local folder and of a car navigator side by side,
copies them between the two and previews them.</source>
        <translation>Muestra uno junto a otro los iconos de vehículo 3D (archivos .srf) de una carpeta local y de un
navegador de coche, los copia entre ambos y muestra una vista previa.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <source>A vehicle file to select and preview in the Files pane, or a folder for the Files pane.</source>
        <translation>Un archivo de vehículo para seleccionar y previsualizar en el panel de archivos locales, o una carpeta para ese panel.</translation>
    </message>
    <message>
        <source>[file or folder]</source>
        <translation>[archivo o carpeta]</translation>
    </message>
    <message>
        <source>%1: left alone, as one file or folder is opened at a time</source>
        <translation>%1: omitido, ya que se abre un solo archivo o carpeta a la vez</translation>
    </message>
    <message>
        <source>%1: there is no such file or folder</source>
        <translation>%1: no existe ese archivo o carpeta</translation>
    </message>
    <message>
        <source>%1: is neither a vehicle file (.srf) nor a folder</source>
        <translation>%1: no es un archivo de vehículo (.srf) ni una carpeta</translation>
    </message>
    <message>
        <source>%1: a folder whose name holds a line break cannot be shown</source>
        <translation>%1: no se puede mostrar una carpeta cuyo nombre contiene un salto de línea</translation>
    </message>
</context>
<context>
    <name>ComponentModel</name>
    <message>
        <source>&quot;%1&quot; is not a control: it lacks the widget or the dispatch interface</source>
        <translation>«%1» no es un control: le falta el widget o la interfaz de distribución</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not make its widget</source>
        <translation>«%1» no ha podido crear su widget</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be looked up: %2</source>
        <translation>no se puede consultar «%1»: %2</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; is not registered in %2; register its library with regsvr</source>
        <translation>la clase «%1» no está registrada en %2; registre su biblioteca con regsvr</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; has an invalid class identifier &quot;%2&quot; in %3</source>
        <translation>la clase «%1» tiene un identificador de clase «%2» no válido en %3</translation>
    </message>
    <message>
        <source>the class %1 cannot be looked up: %2</source>
        <translation>no se puede consultar la clase %1: %2</translation>
    </message>
    <message>
        <source>the class %1 has no registered library in %2</source>
        <translation>la clase %1 no tiene ninguna biblioteca registrada en %2</translation>
    </message>
    <message>
        <source>the class %1 is registered, but %2; register it again with regsvr</source>
        <translation>la clase %1 está registrada, pero %2; vuelva a registrarla con regsvr</translation>
    </message>
    <message>
        <source>%1 does not provide the class %2</source>
        <translation>%1 no proporciona la clase %2</translation>
    </message>
    <message>
        <source>the factory of the class %1 could not create it</source>
        <translation>la fábrica de la clase %1 no ha podido crearla</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Success, with a negative answer</source>
        <translation>Correcto, con respuesta negativa</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>No implementado</translation>
    </message>
    <message>
        <source>No such interface supported</source>
        <translation>Interfaz no admitida</translation>
    </message>
    <message>
        <source>Invalid pointer</source>
        <translation>Puntero no válido</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Error no especificado</translation>
    </message>
    <message>
        <source>Catastrophic failure</source>
        <translation>Error grave</translation>
    </message>
    <message>
        <source>Access is denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>The parameter is incorrect</source>
        <translation>El parámetro no es correcto</translation>
    </message>
    <message>
        <source>Class does not support aggregation</source>
        <translation>La clase no admite agregación</translation>
    </message>
    <message>
        <source>The library does not provide this class</source>
        <translation>La biblioteca no proporciona esta clase</translation>
    </message>
    <message>
        <source>Class not registered</source>
        <translation>Clase no registrada</translation>
    </message>
    <message>
        <source>Could not write to the registry</source>
        <translation>No se ha podido escribir en el registro</translation>
    </message>
    <message>
        <source>Invalid class string</source>
        <translation>Cadena de clase no válida</translation>
    </message>
    <message>
        <source>The class&apos;s library could not be found</source>
        <translation>No se encuentra la biblioteca de la clase</translation>
    </message>
    <message>
        <source>The class&apos;s library could not be used</source>
        <translation>No se puede usar la biblioteca de la clase</translation>
    </message>
    <message>
        <source>Unknown interface</source>
        <translation>Interfaz desconocida</translation>
    </message>
    <message>
        <source>Member not found</source>
        <translation>Miembro no encontrado</translation>
    </message>
    <message>
        <source>Parameter not found</source>
        <translation>Parámetro no encontrado</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos no coincidentes</translation>
    </message>
    <message>
        <source>Unknown name</source>
        <translation>Nombre desconocido</translation>
    </message>
    <message>
        <source>Exception occurred</source>
        <translation>Se ha producido una excepción</translation>
    </message>
    <message>
        <source>Out of present range</source>
        <translation>Fuera del intervalo permitido</translation>
    </message>
    <message>
        <source>Invalid number of parameters</source>
        <translation>Número de parámetros no válido</translation>
    </message>
    <message>
        <source>No such connection</source>
        <translation>No existe esa conexión</translation>
    </message>
    <message>
        <source>Failed to register or unregister the class</source>
        <translation>No se ha podido registrar ni anular el registro de la clase</translation>
    </message>
    <message>
        <source>The sink does not support the outgoing interface</source>
        <translation>El receptor no admite la interfaz de salida</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>the library %1 does not exist</source>
        <translation>la biblioteca %1 no existe</translation>
    </message>
    <message>
        <source>the library %1 does not load: %2</source>
        <translation>la biblioteca %1 no se carga: %2</translation>
    </message>
    <message>
        <source>the library %1 has no entry point %2</source>
        <translation>la biblioteca %1 no tiene el punto de entrada %2</translation>
    </message>
    <message>
        <source>there is no configuration folder for the registry</source>
        <translation>no hay ninguna carpeta de configuración para el registro</translation>
    </message>
    <message>
        <source>the registry %1 is not a plain file</source>
        <translation>el registro %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot read the registry %1: %2</source>
        <translation>no se puede leer el registro %1: %2</translation>
    </message>
    <message>
        <source>the registry %1 is larger than %2 bytes</source>
        <translation>el registro %1 ocupa más de %2 bytes</translation>
    </message>
</context>
<context>
    <name>ContextMenu</name>
    <message>
        <source>Preview Vehicle</source>
        <translation>Vista previa del vehículo</translation>
    </message>
    <message>
        <source>Delete Vehicle</source>
        <translation>Eliminar vehículo</translation>
    </message>
    <message>
        <source>Copy to Garmin</source>
        <translation>Copiar al Garmin</translation>
    </message>
    <message>
        <source>Copy to Files</source>
        <translation>Copiar a los archivos</translation>
    </message>
</context>
<context>
    <name>FolderChoice</name>
    <message>
        <source>This folder cannot be chosen: its name holds a line break.</source>
        <translation>No se puede elegir esta carpeta: su nombre contiene un salto de línea.</translation>
    </message>
    <message>
        <source>Change Local Directory</source>
        <translation>Cambiar carpeta local</translation>
    </message>
    <message>
        <source>Change GPS Directory</source>
        <translation>Cambiar carpeta del GPS</translation>
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
        <translation>Cargando %1 de %2</translation>
    </message>
    <message>
        <source>Checking D: for 760...</source>
        <translation>Buscando el 760 en D:...</translation>
    </message>
    <message>
        <source> Checking %1: for 760...</source>
        <extracomment>The drive letter, D to Z, is %1; the leading space stays as the overlay shows it.</extracomment>
        <translation> Buscando el 760 en %1:...</translation>
    </message>
    <message>
        <source>Copying Vehicle to Garmin</source>
        <translation>Copiando vehículo al Garmin</translation>
    </message>
    <message>
        <source>Copying Vehicle from Garmin</source>
        <translation>Copiando vehículo desde el Garmin</translation>
    </message>
    <message>
        <source>Copying Vehicle From Garmin</source>
        <translation>Copiando vehículo desde el Garmin</translation>
    </message>
    <message>
        <source>Deleting Vehicle</source>
        <translation>Eliminando vehículo</translation>
    </message>
</context>
<context>
    <name>NavigatorSearch</name>
    <message>
        <source>No navigator was found. These places were searched for a volume that holds the folder Garmin/Vehicle:</source>
        <translation>No se encontró ningún navegador. Se buscó en estos lugares un volumen que contenga la carpeta Garmin/Vehicle:</translation>
    </message>
    <message>
        <source>Navigator Not Found</source>
        <translation>Navegador no encontrado</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>No Directory Selected</source>
        <translation>Ninguna carpeta seleccionada</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Archivos locales</translation>
    </message>
    <message>
        <source>Garmin Files</source>
        <translation>Archivos Garmin</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>The card control &quot;%1&quot; cannot be created: it is not registered or its library is missing.

%2

Register it, then start the program again:
%3 %4</source>
        <translation>No se puede crear el control de fichas «%1»: no está registrado o falta su biblioteca.

%2

Regístrelo y vuelva a iniciar el programa:
%3 %4</translation>
    </message>
</context>
<context>
    <name>VehicleCopy</name>
    <message>
        <source>%1 could not be copied to %2.</source>
        <translation>No se ha podido copiar %1 en %2.</translation>
    </message>
    <message>
        <source>%1 could not be read as a vehicle, and the navigator cannot show it.</source>
        <translation>No se ha podido leer %1 como vehículo, y el navegador no podrá mostrarlo.</translation>
    </message>
    <message>
        <source>Copy it anyway?</source>
        <translation>¿Copiarlo de todos modos?</translation>
    </message>
    <message>
        <source>The %1 pane already holds %2 vehicles, as many as a pane takes by copying.</source>
        <extracomment>%1 is the pane&apos;s title (&quot;Garmin Files&quot;), %2 the number of vehicles.</extracomment>
        <translation>El panel «%1» ya contiene %2 vehículos, tantos como admite un panel al copiar.</translation>
    </message>
    <message>
        <source>%1 was not copied.</source>
        <translation>%1 no se ha copiado.</translation>
    </message>
    <message>
        <source>Not a Vehicle</source>
        <translation>No es un vehículo</translation>
    </message>
    <message>
        <source>A Vehicle by that name already exists!</source>
        <translation>¡Ya existe un vehículo con ese nombre!</translation>
    </message>
    <message>
        <source>Replace it?</source>
        <translation>¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Vehicle Exists</source>
        <translation>El vehículo ya existe</translation>
    </message>
    <message>
        <source>Copy Refused</source>
        <translation>Copia rechazada</translation>
    </message>
    <message>
        <source>Copy Failed</source>
        <translation>Error al copiar</translation>
    </message>
</context>
<context>
    <name>VehicleDelete</name>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que desea eliminar %1?</translation>
    </message>
    <message>
        <source>Delete Confirm</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>%1 could not be deleted.</source>
        <translation>No se ha podido eliminar %1.</translation>
    </message>
</context>
<context>
    <name>VehicleFiles</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Read-only file</source>
        <translation>Archivo de solo lectura</translation>
    </message>
</context>
<context>
    <name>VehiclePreview</name>
    <message>
        <source>Preview of %1</source>
        <translation>Vista previa de %1</translation>
    </message>
</context>
<context>
    <name>WindowButtons</name>
    <message>
        <source>Choose the local folder</source>
        <translation>Elegir la carpeta local</translation>
    </message>
    <message>
        <source>Choose the navigator folder</source>
        <translation>Elegir la carpeta del navegador</translation>
    </message>
    <message>
        <source>Find the navigator</source>
        <translation>Buscar el navegador</translation>
    </message>
    <message>
        <source>Refresh the local files</source>
        <translation>Actualizar los archivos locales</translation>
    </message>
    <message>
        <source>Refresh the navigator&apos;s files</source>
        <translation>Actualizar los archivos del navegador</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Close the preview</source>
        <translation>Cerrar la vista previa</translation>
    </message>
</context>
<context>
    <name>frmMain::FileDrop</name>
    <message>
        <source>Copying Vehicle</source>
        <translation>Copiando vehículo</translation>
    </message>
    <message>
        <source>Not Copied</source>
        <translation>No copiado</translation>
    </message>
    <message>
        <source>Only vehicle files (files ending in .srf) can be copied. These were passed over:</source>
        <translation>Solo se pueden copiar archivos de vehículo (archivos que terminan en .srf). Se han pasado por alto:</translation>
    </message>
</context>
<context>
    <name>toolkit::FolderTreeDialog</name>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
</context>
</TS>
