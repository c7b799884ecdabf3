<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Window language</source>
        <translation>Idioma de la ventana</translation>
    </message>
    <message>
        <source>The language of the editor&apos;s window, from its next start</source>
        <translation>El idioma de la ventana del editor, a partir del próximo inicio</translation>
    </message>
    <message>
        <source>The choice of language could not be stored.</source>
        <translation>No se pudo guardar la elección de idioma.</translation>
    </message>
    <message>
        <source>The window speaks %1.</source>
        <translation>La ventana está en %1.</translation>
    </message>
    <message>
        <source>The window will speak %1 from the editor&apos;s next start.</source>
        <translation>La ventana estará en %1 a partir del próximo inicio del editor.</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Abrir base de datos</translation>
    </message>
    <message>
        <source>Game folder...</source>
        <translation>Carpeta del juego...</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes the open game&apos;s files without leaving the editor</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Quits the editor</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save changes as patch...</source>
        <translation>Guardar cambios como parche...</translation>
    </message>
    <message>
        <source>Apply patch...</source>
        <translation>Aplicar parche...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Comparar con...</translation>
    </message>
    <message>
        <source>Merge patches...</source>
        <translation>Combinar parches...</translation>
    </message>
    <message>
        <source>Finish Editing...</source>
        <extracomment>Leaves the pages for the start screen, where the game is saved or closed</extracomment>
        <translation>Terminar edición...</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Takes back the last change</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Makes again the last change taken back</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>All tables...</source>
        <translation>Todas las tablas...</translation>
    </message>
    <message>
        <source>Check game...</source>
        <translation>Comprobar juego...</translation>
    </message>
    <message>
        <source>QIRA 2004 was not found: choose its folder with &quot;Game folder...&quot;.</source>
        <translation>No se encontró QIRA 2004: elige su carpeta con «Carpeta del juego...».</translation>
    </message>
    <message>
        <source>Continue Editing...</source>
        <translation>Continuar edición...</translation>
    </message>
    <message>
        <source>Select leagues, teams, players on the left.
And edit their parameters on the right.
Don&apos;t forget to click &apos;Apply&apos; button to save changes made.

Click &apos;Finish Editing&apos; on the top-left corner to
exit to the main screen (you can finally save all your
editions there by pressing &apos;Save Changes&apos;)

You can change leagues and teams titles for 
the game, but they won&apos;t change in this program</source>
        <extracomment>The hints page beside the tree when a game has been opened; keep the line breaks.</extracomment>
        <translation>Selecciona ligas, equipos y jugadores a la izquierda
y edita sus parámetros a la derecha.
No olvides pulsar el botón &apos;Aplicar&apos; para guardar los cambios.

Pulsa &apos;Terminar edición&apos; en la esquina superior izquierda
para volver a la pantalla principal (allí puedes guardar
por fin todos tus cambios pulsando &apos;Guardar cambios&apos;)

Puedes cambiar los nombres de ligas y equipos para 
el juego, pero no cambiarán en este programa</translation>
    </message>
    <message>
        <source>Find in tree</source>
        <translation>Buscar en el árbol</translation>
    </message>
    <message>
        <source>Leagues, teams and players</source>
        <translation>Ligas, equipos y jugadores</translation>
    </message>
    <message>
        <source>Every table and field in a grid (Ctrl+T)</source>
        <translation>Todas las tablas y campos en una cuadrícula (Ctrl+T)</translation>
    </message>
    <message>
        <source>References between the tables that point nowhere, and other problems</source>
        <translation>Referencias entre tablas que no apuntan a nada, y otros problemas</translation>
    </message>
    <message>
        <source>An editor for the data files of QIRA 2004.
It changes the leagues, teams and players of an installed game:
titles and names, formations, stadiums, captains, squad numbers
and player attributes, and players can change teams.</source>
        <translation>Un editor de los archivos de datos de QIRA 2004.
Cambia las ligas, equipos y jugadores de un juego instalado:
títulos y nombres, formaciones, estadios, capitanes, dorsales
y atributos de los jugadores, que pueden cambiar de equipo.</translation>
    </message>
    <message>
        <source>This program is not made or supported by the makers of the game.
Keep a copy of the data\cmn folder before you save changes.</source>
        <translation>Este programa no está hecho ni respaldado por los creadores del juego.
Haz una copia de la carpeta data\cmn antes de guardar cambios.</translation>
    </message>
    <message>
        <source>Choose the game&apos;s folder</source>
        <translation>Elegir la carpeta del juego</translation>
    </message>
    <message>
        <source>Language file</source>
        <translation>Archivo de idioma</translation>
    </message>
    <message>
        <source>Write what you changed since opening as a patch file to share</source>
        <translation>Escribe lo que has cambiado desde la apertura en un archivo de parche para compartir</translation>
    </message>
    <message>
        <source>Apply a patch file to the open game, as one step that can be undone</source>
        <translation>Aplica un archivo de parche al juego abierto, en un solo paso que se puede deshacer</translation>
    </message>
    <message>
        <source>Compare the open game with another install&apos;s and take over the differences you tick (Ctrl+Shift+D)</source>
        <translation>Compara el juego abierto con el de otra instalación y adopta las diferencias que marques (Ctrl+Shift+D)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Comparar con otro juego</translation>
    </message>
    <message>
        <source>Merge two patch files made on the open game, choose a side where they disagree and apply (Ctrl+Shift+M)</source>
        <translation>Combina dos archivos de parche hechos sobre el juego abierto, elige un lado donde discrepen y aplica (Ctrl+Shift+M)</translation>
    </message>
    <message>
        <source>Merge two patches</source>
        <translation>Combinar dos parches</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>The name screen readers give the start screen&apos;s status line</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>League</source>
        <extracomment>Tab title of the page of a league</extracomment>
        <translation>Liga</translation>
    </message>
    <message>
        <source>Team</source>
        <extracomment>Tab title of the page of a team</extracomment>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Tab title of the page of a player</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>blank</source>
        <extracomment>Tab title of the page that moves players between teams (it has always read &quot;blank&quot;)</extracomment>
        <translation>en blanco</translation>
    </message>
    <message>
        <source>TabSheet5</source>
        <extracomment>Tab title of the hints page (it has always read &quot;TabSheet5&quot;)</extracomment>
        <translation>TabSheet5</translation>
    </message>
</context>
<context>
    <name>qira::check</name>
    <message>
        <source>league id %1 is also the id of %2</source>
        <translation>el id de liga %1 es también el id de %2</translation>
    </message>
    <message>
        <source>league %1 has no name in the language file</source>
        <translation>la liga %1 no tiene nombre en el archivo de idioma</translation>
    </message>
    <message>
        <source>player id %1 is also the id of %2</source>
        <translation>el id de jugador %1 es también el id de %2</translation>
    </message>
    <message>
        <source>stadium id %1 is also the id of %2</source>
        <translation>el id de estadio %1 es también el id de %2</translation>
    </message>
    <message>
        <source>stadium %1 has no name in the language file</source>
        <translation>el estadio %1 no tiene nombre en el archivo de idioma</translation>
    </message>
    <message>
        <source>team id %1 is also the id of %2</source>
        <translation>el id de equipo %1 es también el id de %2</translation>
    </message>
    <message>
        <source>team %1 has no name in the language file</source>
        <translation>el equipo %1 no tiene nombre en el archivo de idioma</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a row of the game database, %2 what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>player %1 is in team %2 twice (also %3)</source>
        <translation>el jugador %1 está dos veces en el equipo %2 (también %3)</translation>
    </message>
    <message>
        <source>players %1 and %2 of team %3 both wear number %4 (also %5)</source>
        <translation>los jugadores %1 y %2 del equipo %3 llevan ambos el dorsal %4 (también %5)</translation>
    </message>
    <message>
        <source>team %1 has no row in table 9 (team settings)</source>
        <translation>el equipo %1 no tiene fila en la tabla 9 (ajustes de equipo)</translation>
    </message>
    <message>
        <source>captain %1 of team %2 is not in the team</source>
        <translation>el capitán %1 del equipo %2 no está en el equipo</translation>
    </message>
    <message>
        <source>penalty taker %1 of team %2 is not in the team</source>
        <translation>el lanzador de penaltis %1 del equipo %2 no está en el equipo</translation>
    </message>
    <message>
        <source>nation</source>
        <translation>nación</translation>
    </message>
    <message>
        <source>league</source>
        <translation>liga</translation>
    </message>
    <message>
        <source>league-team link</source>
        <translation>vínculo liga-equipo</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>árbitro</translation>
    </message>
    <message>
        <source>player</source>
        <translation>jugador</translation>
    </message>
    <message>
        <source>kit</source>
        <translation>equipación</translation>
    </message>
    <message>
        <source>cup</source>
        <translation>copa</translation>
    </message>
    <message>
        <source>stadium</source>
        <translation>estadio</translation>
    </message>
    <message>
        <source>tactic</source>
        <translation>táctica</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>ajustes de equipo</translation>
    </message>
    <message>
        <source>fixture</source>
        <translation>partido</translation>
    </message>
    <message>
        <source>team-player link</source>
        <translation>vínculo equipo-jugador</translation>
    </message>
    <message>
        <source>manager</source>
        <translation>entrenador</translation>
    </message>
    <message>
        <source>team</source>
        <translation>equipo</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>ajuste</translation>
    </message>
    <message>
        <source>row of table %1</source>
        <translation>fila de la tabla %1</translation>
    </message>
    <message>
        <source>%1 %2 does not exist</source>
        <extracomment>%1 is what a row is (player, team, ...), %2 its id</extracomment>
        <translation>%1 %2 no existe</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 does not exist</source>
        <extracomment>%1 %2: the row holding the reference (what it is, its id); %3 %4: the row it names</extracomment>
        <translation>%1 %2: su %3 %4 no existe</translation>
    </message>
    <message>
        <source>%1 %2: its %3 %4 (%5) does not exist</source>
        <extracomment>as &quot;%1 %2: its %3 %4 does not exist&quot;, %5 the field holding the reference</extracomment>
        <translation>%1 %2: su %3 %4 (%5) no existe</translation>
    </message>
</context>
<context>
    <name>qira::check_commands</name>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of problems; %Ln: how many more are not listed</extracomment>
        <translation>
            <numerusform>y %Ln más</numerusform>
            <numerusform>y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes leave a problem the files did not have:

%1

Save anyway?</source>
        <extracomment>%1: the problem, on its own line</extracomment>
        <translation>Los cambios dejan un problema que los archivos no tenían:

%1

¿Guardar de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>The changes leave %Ln problems the files did not have:

%1

Save anyway?</source>
        <extracomment>%Ln: how many problems (two or more); %1: the problems, one a line</extracomment>
        <translation>
            <numerusform>Los cambios dejan %Ln problema que los archivos no tenían:

%1

¿Guardar de todos modos?</numerusform>
            <numerusform>Los cambios dejan %Ln problemas que los archivos no tenían:

%1

¿Guardar de todos modos?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::check_window</name>
    <message>
        <source>Check game</source>
        <translation>Comprobar juego</translation>
    </message>
    <message>
        <source>Check summary</source>
        <translation>Resumen de la comprobación</translation>
    </message>
    <message>
        <source>Problems of the game</source>
        <translation>Problemas del juego</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <extracomment>%1: the number of problems (&quot;1 problem&quot;, &quot;3 problems&quot;); %2: how many of them are new</extracomment>
        <translation>No se encontraron problemas.</translation>
    </message>
    <message>
        <source>%1, %L2 of them made since the files were opened. Double-click one to show its row.</source>
        <translation>%1, %L2 de ellos surgidos desde que se abrieron los archivos. Haz doble clic en uno para mostrar su fila.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problema</translation>
    </message>
    <message numerus="yes">
        <source>%Ln problems</source>
        <translation>
            <numerusform>%Ln problema</numerusform>
            <numerusform>%Ln problemas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  (in the files as opened)</source>
        <translation>%1  (ya en los archivos al abrirlos)</translation>
    </message>
</context>
<context>
    <name>qira::csv</name>
    <message>
        <source>the database has no table %1</source>
        <translation>la base de datos no tiene la tabla %1</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemas</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (big-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>el archivo es texto UTF-16 (big-endian), cortado en el byte %1: un número impar de bytes o medio carácter</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (little-endian), broken at byte %1: an odd number of bytes or half a character</source>
        <translation>el archivo es texto UTF-16 (little-endian), cortado en el byte %1: un número impar de bytes o medio carácter</translation>
    </message>
    <message>
        <source>the file looks like UTF-16 text without a byte-order mark (a NUL in every other byte); save it as CSV UTF-8, or as Unicode text with its byte-order mark</source>
        <translation>el archivo parece texto UTF-16 sin marca de orden de bytes (un NUL en uno de cada dos bytes); guárdalo como CSV UTF-8, o como texto Unicode con su marca de orden de bytes</translation>
    </message>
    <message>
        <source>no field of table %1 has this name</source>
        <translation>ningún campo de la tabla %1 tiene este nombre</translation>
    </message>
    <message>
        <source>the column is repeated</source>
        <translation>la columna está repetida</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 column</source>
        <translation>el encabezado tiene %1 columnas; la tabla %2 tiene %3 columna</translation>
    </message>
    <message>
        <source>the header has %1 columns; table %2 has %3 columns</source>
        <translation>el encabezado tiene %1 columnas; la tabla %2 tiene %3 columnas</translation>
    </message>
    <message>
        <source>the column is missing</source>
        <translation>falta la columna</translation>
    </message>
    <message>
        <source>%1 fields, but the header has %2</source>
        <translation>%1 campos, pero el encabezado tiene %2</translation>
    </message>
    <message>
        <source>the file is empty; it needs a header of the table&apos;s field names</source>
        <translation>el archivo está vacío; necesita un encabezado con los nombres de los campos de la tabla</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 row</source>
        <translation>%1 importado en la tabla %2: %3 fila</translation>
    </message>
    <message>
        <source>%1 imported into table %2: %3 rows</source>
        <translation>%1 importado en la tabla %2: %3 filas</translation>
    </message>
    <message>
        <source>%1 matched by key</source>
        <translation>emparejadas por clave: %1</translation>
    </message>
    <message>
        <source>%1 placed by position</source>
        <translation>colocadas por posición: %1</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>nuevas: %1</translation>
    </message>
    <message>
        <source>%1 with a repeated key</source>
        <translation>con clave repetida: %1</translation>
    </message>
    <message>
        <source>%1 text of %2 is not valid UTF-8 and was kept as its bytes; was the file saved in another encoding?</source>
        <translation>%1 texto de %2 no es UTF-8 válido y se ha conservado con sus bytes tal cual; ¿se guardó el archivo con otra codificación?</translation>
    </message>
    <message>
        <source>%1 texts of %2 are not valid UTF-8 and were kept as their bytes; was the file saved in another encoding?</source>
        <translation>%1 textos de %2 no son UTF-8 válido y se han conservado con sus bytes tal cual; ¿se guardó el archivo con otra codificación?</translation>
    </message>
    <message>
        <source>the table has no key fields</source>
        <translation>la tabla no tiene campos clave</translation>
    </message>
    <message>
        <source>the table&apos;s keys are not unique</source>
        <translation>las claves de la tabla no son únicas</translation>
    </message>
</context>
<context>
    <name>qira::edit</name>
    <message>
        <source>there is no table %1</source>
        <translation>no existe la tabla %1</translation>
    </message>
    <message>
        <source>no row is selected</source>
        <translation>no hay ninguna fila seleccionada</translation>
    </message>
    <message>
        <source>%1 is not a text</source>
        <translation>%1 no es un texto</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bit</source>
        <translation>%1 no cabe en %2 bit</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bits</source>
        <translation>%1 no cabe en %2 bits</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 no cabe en 32 bits</translation>
    </message>
    <message>
        <source>there is no such cell</source>
        <translation>esa celda no existe</translation>
    </message>
    <message>
        <source>table %1 would have %2 rows; a table holds at most %3</source>
        <translation>la tabla %1 tendría %2 filas; una tabla admite como máximo %3</translation>
    </message>
    <message>
        <source>table %1 would have %2 row words; a table holds at most %3</source>
        <translation>la tabla %1 tendría %2 palabras de fila; una tabla admite como máximo %3</translation>
    </message>
    <message>
        <source>%1 value does not fit; nothing was changed</source>
        <translation>%1 valor no cabe; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>%1 values do not fit; nothing was changed</source>
        <translation>%1 valores no caben; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>there is no cell to paste into</source>
        <translation>no hay ninguna celda en la que pegar</translation>
    </message>
    <message>
        <source>there is nothing to paste</source>
        <translation>no hay nada que pegar</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última fila mostrada: tiene %1 fila, y desde la celda actual se muestra %2 fila; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 row, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última fila mostrada: tiene %1 fila, y desde la celda actual se muestran %2 filas; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 row is shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última fila mostrada: tiene %1 filas, y desde la celda actual se muestra %2 fila; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the text runs past the last shown row: it has %1 rows, and %2 rows are shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última fila mostrada: tiene %1 filas, y desde la celda actual se muestran %2 filas; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última columna mostrada: tiene %1 columna, y desde la celda actual se muestra %2 columna; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 column, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última columna mostrada: tiene %1 columna, y desde la celda actual se muestran %2 columnas; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 column is shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última columna mostrada: tiene %1 columnas, y desde la celda actual se muestra %2 columna; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the text runs past the last shown column: it has %1 columns, and %2 columns are shown from the current cell on; nothing was changed</source>
        <translation>el texto sobrepasa la última columna mostrada: tiene %1 columnas, y desde la celda actual se muestran %2 columnas; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>there is no cell to fill</source>
        <translation>no hay ninguna celda que rellenar</translation>
    </message>
    <message>
        <source>there is no column to adjust</source>
        <translation>no hay ninguna columna que ajustar</translation>
    </message>
    <message>
        <source>the amount is not a number</source>
        <translation>la cantidad no es un número</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a key</source>
        <translation>solo se pueden ajustar valores empaquetados; %1 es una clave</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a extra</source>
        <translation>solo se pueden ajustar valores empaquetados; %1 es un campo extra</translation>
    </message>
    <message>
        <source>only packed values can be adjusted; %1 is a text</source>
        <translation>solo se pueden ajustar valores empaquetados; %1 es un texto</translation>
    </message>
    <message>
        <source>team %1 does not exist</source>
        <translation>el equipo %1 no existe</translation>
    </message>
    <message>
        <source>player %1 is already in team %2; a team holds a player once</source>
        <translation>el jugador %1 ya está en el equipo %2; un equipo no puede tener dos veces al mismo jugador</translation>
    </message>
    <message>
        <source>team %1 has no free jersey number</source>
        <translation>el equipo %1 no tiene ningún dorsal libre</translation>
    </message>
    <message>
        <source>table 11 (team players) is missing or lacks its fields</source>
        <translation>la tabla 11 (jugadores de equipo) no existe o le faltan sus campos</translation>
    </message>
    <message>
        <source>no membership row %1</source>
        <translation>no existe la fila de pertenencia a equipo %1</translation>
    </message>
    <message>
        <source>no player row %1</source>
        <translation>no existe la fila de jugador %1</translation>
    </message>
    <message>
        <source>no player id is left</source>
        <translation>no queda ningún id de jugador libre</translation>
    </message>
</context>
<context>
    <name>qira::file_commands</name>
    <message>
        <source>Can&apos;t open %1 file!
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the language file&apos;s name (eng.db)</extracomment>
        <translation>¡No se puede abrir el archivo %1!
<byte value="xd"/>Asegúrate de que QIRA 2004 está instalado por completo</translation>
    </message>
    <message>
        <source>Can&apos;t open %1 file.
<byte value="xd"/>Make sure QIRA 2004 fully installed</source>
        <extracomment>%1: the game database&apos;s name (qira.db)</extracomment>
        <translation>No se puede abrir el archivo %1.
<byte value="xd"/>Asegúrate de que QIRA 2004 está instalado por completo</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <extracomment>Title of the message box of a game file that did not load</extracomment>
        <translation>Error fatal</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Changes saved to %1 and %2.</source>
        <extracomment>%1: the game database&apos;s file name, %2: the language file&apos;s name</extracomment>
        <translation>Cambios guardados en %1 y %2.</translation>
    </message>
    <message>
        <source>There are changes that have not been saved. Discard them?</source>
        <translation>Hay cambios sin guardar. ¿Descartarlos?</translation>
    </message>
</context>
<context>
    <name>qira::filter_header</name>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the field above a column that filters its rows</extracomment>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Filter of column %1</source>
        <translation>Filtro de la columna %1</translation>
    </message>
    <message>
        <source>Rows whose %1 contains this text, or a comparison: =5, !=5, &gt;10, &lt;=3, 10..20</source>
        <extracomment>%1: the column&apos;s name</extracomment>
        <translation>Filas en las que %1 contiene este texto, o una comparación: =5, !=5, &gt;10, &lt;=3, 10..20</translation>
    </message>
</context>
<context>
    <name>qira::free_player_dialog</name>
    <message>
        <source>Sign free player</source>
        <translation>Fichar jugador libre</translation>
    </message>
    <message>
        <source>Filter by name or id</source>
        <translation>Filtrar por nombre o id</translation>
    </message>
    <message>
        <source>Filter of players without a team</source>
        <translation>Filtro de jugadores sin equipo</translation>
    </message>
    <message>
        <source>Players without a team</source>
        <translation>Jugadores sin equipo</translation>
    </message>
    <message>
        <source>&amp;Players without a team (%L1)</source>
        <translation>&amp;Jugadores sin equipo (%L1)</translation>
    </message>
</context>
<context>
    <name>qira::game_folder</name>
    <message>
        <source>The folder QIRA 2004 is installed in</source>
        <translation>La carpeta en la que está instalado QIRA 2004</translation>
    </message>
    <message>
        <source>%1 holds no data\cmn\qira.db, so it is not the folder of QIRA 2004.

Choose the folder the game is installed in (the one that holds &quot;data&quot;).</source>
        <extracomment>%1: the folder chosen</extracomment>
        <translation>%1 no contiene data\cmn\qira.db, así que no es la carpeta de QIRA 2004.

Elige la carpeta en la que está instalado el juego (la que contiene «data»).</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>La carpeta del juego es %1.</translation>
    </message>
    <message>
        <source>The game&apos;s folder is %1 for now: it could not be remembered for the next start.</source>
        <extracomment>%1: the game&apos;s install folder</extracomment>
        <translation>La carpeta del juego es %1 por ahora: no se pudo recordar para el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>qira::handler_values</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
</context>
<context>
    <name>qira::item_lists</name>
    <message>
        <source>Primier</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tercera</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Posession</source>
        <translation>Posesión</translation>
    </message>
    <message>
        <source>Long ball</source>
        <translation>Balón largo</translation>
    </message>
    <message>
        <source>Wing play</source>
        <translation>Juego por bandas</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin definir</translation>
    </message>
    <message>
        <source>3-5-2 Attacking</source>
        <translation>3-5-2 ofensiva</translation>
    </message>
    <message>
        <source>3-5-2 Defensive</source>
        <translation>3-5-2 defensiva</translation>
    </message>
    <message>
        <source>3-5-2 Neutral</source>
        <translation>3-5-2 neutral</translation>
    </message>
    <message>
        <source>4-3-3 Neutral</source>
        <translation>4-3-3 neutral</translation>
    </message>
    <message>
        <source>4-3-3 Defensive</source>
        <translation>4-3-3 defensiva</translation>
    </message>
    <message>
        <source>4-3-3 Attacking</source>
        <translation>4-3-3 ofensiva</translation>
    </message>
    <message>
        <source>4-4-2 Neutral</source>
        <translation>4-4-2 neutral</translation>
    </message>
    <message>
        <source>4-4-2 Defensive</source>
        <translation>4-4-2 defensiva</translation>
    </message>
    <message>
        <source>4-4-2 Attacking</source>
        <translation>4-4-2 ofensiva</translation>
    </message>
    <message>
        <source>5-3-2 Neutral</source>
        <translation>5-3-2 neutral</translation>
    </message>
    <message>
        <source>5-3-2 Defensive</source>
        <translation>5-3-2 defensiva</translation>
    </message>
    <message>
        <source>5-3-2 Attacking</source>
        <translation>5-3-2 ofensiva</translation>
    </message>
    <message>
        <source>5-2-3 Neutral</source>
        <translation>5-2-3 neutral</translation>
    </message>
    <message>
        <source>5-2-3 Defensive</source>
        <translation>5-2-3 defensiva</translation>
    </message>
    <message>
        <source>5-2-3 Attacking</source>
        <translation>5-2-3 ofensiva</translation>
    </message>
    <message>
        <source>4-5-1 Neutral</source>
        <translation>4-5-1 neutral</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Neutral</source>
        <translation>4-1-2-1-2 neutral</translation>
    </message>
    <message>
        <source>4-2-3-1 Neutral</source>
        <translation>4-2-3-1 neutral</translation>
    </message>
    <message>
        <source>4-3-1-2 Neutral</source>
        <translation>4-3-1-2 neutral</translation>
    </message>
    <message>
        <source>4-2-4 Neutral</source>
        <translation>4-2-4 neutral</translation>
    </message>
    <message>
        <source>4-4-1-1 Neutral</source>
        <translation>4-4-1-1 neutral</translation>
    </message>
    <message>
        <source>3-4-1-2 Neutral</source>
        <translation>3-4-1-2 neutral</translation>
    </message>
    <message>
        <source>3-6-1 Neutral</source>
        <translation>3-6-1 neutral</translation>
    </message>
    <message>
        <source>2-3-5 Neutral</source>
        <translation>2-3-5 neutral</translation>
    </message>
    <message>
        <source>5-4-1 Neutral</source>
        <translation>5-4-1 neutral</translation>
    </message>
    <message>
        <source>3-6-1 Attacking</source>
        <translation>3-6-1 ofensiva</translation>
    </message>
    <message>
        <source>3-6-1 Defensive</source>
        <translation>3-6-1 defensiva</translation>
    </message>
    <message>
        <source>4-4-1-1 Attacking</source>
        <translation>4-4-1-1 ofensiva</translation>
    </message>
    <message>
        <source>3-4-3 Attacking</source>
        <translation>3-4-3 ofensiva</translation>
    </message>
    <message>
        <source>3-4-3 Defensive</source>
        <translation>3-4-3 defensiva</translation>
    </message>
    <message>
        <source>3-4-3 Neutral</source>
        <translation>3-4-3 neutral</translation>
    </message>
    <message>
        <source>2-3-5 Attacking</source>
        <translation>2-3-5 ofensiva</translation>
    </message>
    <message>
        <source>2-3-5 Defensive</source>
        <translation>2-3-5 defensiva</translation>
    </message>
    <message>
        <source>3-4-1-2 Attacking</source>
        <translation>3-4-1-2 ofensiva</translation>
    </message>
    <message>
        <source>3-4-1-2 Defensive</source>
        <translation>3-4-1-2 defensiva</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Attacking</source>
        <translation>4-1-2-1-2 ofensiva</translation>
    </message>
    <message>
        <source>4-1-2-1-2 Defensive</source>
        <translation>4-1-2-1-2 defensiva</translation>
    </message>
    <message>
        <source>4-2-3-1 Attacking</source>
        <translation>4-2-3-1 ofensiva</translation>
    </message>
    <message>
        <source>4-2-3-1 Defensive</source>
        <translation>4-2-3-1 defensiva</translation>
    </message>
    <message>
        <source>4-2-4 Attacking</source>
        <translation>4-2-4 ofensiva</translation>
    </message>
    <message>
        <source>4-2-4 Defensive</source>
        <translation>4-2-4 defensiva</translation>
    </message>
    <message>
        <source>4-3-1-2 Attacking</source>
        <translation>4-3-1-2 ofensiva</translation>
    </message>
    <message>
        <source>4-3-1-2 Defensive</source>
        <translation>4-3-1-2 defensiva</translation>
    </message>
    <message>
        <source>4-4-1-1 Defensive</source>
        <translation>4-4-1-1 defensiva</translation>
    </message>
    <message>
        <source>4-5-1 Attacking</source>
        <translation>4-5-1 ofensiva</translation>
    </message>
    <message>
        <source>4-5-1 Defensive</source>
        <translation>4-5-1 defensiva</translation>
    </message>
    <message>
        <source>5-4-1 Attacking</source>
        <translation>5-4-1 ofensiva</translation>
    </message>
    <message>
        <source>5-4-1 Defensive</source>
        <translation>5-4-1 defensiva</translation>
    </message>
    <message>
        <source>GK</source>
        <extracomment>Positions on the pitch, abbreviated as on a team sheet (GK goalkeeper, SW sweeper, RB right back, CB centre back, DM/CM/AM defensive/central/attacking midfielder, WM wide midfielder, CF centre forward, ST striker, Sub substitute, Res reserve)</extracomment>
        <translation>POR</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>LIB</translation>
    </message>
    <message>
        <source>RB</source>
        <translation>LD</translation>
    </message>
    <message>
        <source>RCB</source>
        <translation>DFCD</translation>
    </message>
    <message>
        <source>CB</source>
        <translation>DFC</translation>
    </message>
    <message>
        <source>LCB</source>
        <translation>DFCI</translation>
    </message>
    <message>
        <source>LB</source>
        <translation>LI</translation>
    </message>
    <message>
        <source>RDM</source>
        <translation>MDD</translation>
    </message>
    <message>
        <source>RCDM</source>
        <translation>MCDD</translation>
    </message>
    <message>
        <source>CDM</source>
        <translation>MCD</translation>
    </message>
    <message>
        <source>LCDM</source>
        <translation>MCDI</translation>
    </message>
    <message>
        <source>LDM</source>
        <translation>MDI</translation>
    </message>
    <message>
        <source>RWM</source>
        <translation>CAD</translation>
    </message>
    <message>
        <source>RM</source>
        <translation>MD</translation>
    </message>
    <message>
        <source>RCM</source>
        <translation>INTD</translation>
    </message>
    <message>
        <source>CM</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>INTI</translation>
    </message>
    <message>
        <source>LM</source>
        <translation>MI</translation>
    </message>
    <message>
        <source>LWM</source>
        <translation>CAI</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>MOD</translation>
    </message>
    <message>
        <source>RCAM</source>
        <translation>MCOD</translation>
    </message>
    <message>
        <source>CAM</source>
        <translation>MCO</translation>
    </message>
    <message>
        <source>LCAM</source>
        <translation>MCOI</translation>
    </message>
    <message>
        <source>LAM</source>
        <translation>MOI</translation>
    </message>
    <message>
        <source>RCF</source>
        <translation>DCD</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>LCF</source>
        <translation>DCI</translation>
    </message>
    <message>
        <source>RS</source>
        <translation>DELD</translation>
    </message>
    <message>
        <source>ST</source>
        <translation>DEL</translation>
    </message>
    <message>
        <source>LS</source>
        <translation>DELI</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Sup</translation>
    </message>
    <message>
        <source>Res</source>
        <translation>Res</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Castaño</translation>
    </message>
    <message>
        <source>Light Brown</source>
        <translation>Castaño claro</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Rubio</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
</context>
<context>
    <name>qira::league_page</name>
    <message>
        <source>Long Title</source>
        <translation>Título largo</translation>
    </message>
    <message>
        <source>Short Title</source>
        <translation>Título corto</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Apply league %1</source>
        <translation>Aplicar liga %1</translation>
    </message>
</context>
<context>
    <name>qira::merge_conflicts_window</name>
    <message>
        <source>left out</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>bits no field covers</source>
        <extracomment>What a conflict is about: bits of a row that no field of the table covers</extracomment>
        <translation>bits que ningún campo cubre</translation>
    </message>
    <message>
        <source>the row</source>
        <translation>la fila</translation>
    </message>
    <message>
        <source>the table&apos;s rows</source>
        <translation>las filas de la tabla</translation>
    </message>
    <message>
        <source>text</source>
        <extracomment>What a conflict is about: a text of the language file</extracomment>
        <translation>texto</translation>
    </message>
    <message>
        <source>1 place where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <extracomment>%1 and %2: the names of the two patches merged</extracomment>
        <translation>1 punto en el que A (%1) y B (%2) discrepan. Elige qué lado toma, u omítelo; a continuación se muestran los cambios combinados para revisarlos.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln places where A (%1) and B (%2) disagree. Choose the side each takes, or leave it out; the merged changes are shown for review next.</source>
        <translation>
            <numerusform>%Ln punto en el que A (%1) y B (%2) discrepan. Elige qué lado toma, u omítelo; a continuación se muestran los cambios combinados para revisarlos.</numerusform>
            <numerusform>%Ln puntos en los que A (%1) y B (%2) discrepan. Elige qué lado toma cada uno, u omítelo; a continuación se muestran los cambios combinados para revisarlos.</numerusform>
        </translation>
    </message>
    <message>
        <source>What the conflicts are</source>
        <translation>En qué consisten los conflictos</translation>
    </message>
    <message>
        <source>Conflicts of the two patches</source>
        <translation>Conflictos de los dos parches</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>Column headers: the row, the field, its value before both patches, the value of patch A and of patch B, and the side taken</extracomment>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Elección</translation>
    </message>
    <message>
        <source>%1 on the selected lines (%2)</source>
        <extracomment>%1: the command (Take A, Take B, Leave out); %2: its keys</extracomment>
        <translation>%1 en las líneas seleccionadas (%2)</translation>
    </message>
    <message>
        <source>Take A</source>
        <translation>Tomar A</translation>
    </message>
    <message>
        <source>Take B</source>
        <translation>Tomar B</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Merge with these choices and review the changes</source>
        <translation>Combinar con estas elecciones y revisar los cambios</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>qira::message_sink</name>
    <message>
        <source>Fatal Error</source>
        <translation>Error fatal</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>qira::patch</name>
    <message>
        <source>the patch removes it twice</source>
        <translation>el parche lo elimina dos veces</translation>
    </message>
    <message>
        <source>the patch lists it twice</source>
        <translation>el parche lo incluye dos veces</translation>
    </message>
    <message>
        <source>already there, patch adds it</source>
        <translation>ya existe y el parche lo añade</translation>
    </message>
    <message>
        <source>the database has %1 tables, the patch changes table %2</source>
        <translation>la base de datos tiene %1 tablas y el parche cambia la tabla %2</translation>
    </message>
    <message>
        <source>table %1 is %2, the patch is for %3</source>
        <translation>la tabla %1 es %2, pero el parche es para %3</translation>
    </message>
    <message>
        <source>table %1 has other fields than the patch&apos;s %2</source>
        <translation>la tabla %1 tiene campos distintos de los de %2 en el parche</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3, the patch&apos;s is %4</source>
        <translation>el campo %2 de la tabla %1 es %3; el del parche es %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) it has %2 values, the patch&apos;s row %3</source>
        <translation>%1 (fila eliminada por el parche): tiene %2 valores; la fila del parche, %3</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) field %2: holds %3, patch expects %4</source>
        <translation>%1 (fila eliminada por el parche), campo %2: contiene %3, el parche espera %4</translation>
    </message>
    <message>
        <source>%1 (removed by the patch) the bits no field covers are not what the patch expects</source>
        <translation>%1 (fila eliminada por el parche): los bits que ningún campo cubre no son los que espera el parche</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 word, the table&apos;s rows need %4</source>
        <translation>%1 (%2): «stored» contiene %3 palabra; las filas de la tabla necesitan %4</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;stored&quot; holds %3 words, the table&apos;s rows need %4</source>
        <translation>%1 (%2): «stored» contiene %3 palabras; las filas de la tabla necesitan %4</translation>
    </message>
    <message>
        <source>%1 (added by the patch) field %2: %3</source>
        <translation>%1 (fila añadida por el parche), campo %2: %3</translation>
    </message>
    <message>
        <source>removed by the patch</source>
        <translation>fila eliminada por el parche</translation>
    </message>
    <message>
        <source>missing, patch removes it</source>
        <translation>no existe y el parche lo elimina</translation>
    </message>
    <message>
        <source>the patch changes field %1, which is no extra, text or value of the table</source>
        <translation>el parche cambia el campo %1, que no es ningún campo extra, texto ni valor de la tabla</translation>
    </message>
    <message>
        <source>the patch changes field %1 twice</source>
        <translation>el parche cambia el campo %1 dos veces</translation>
    </message>
    <message>
        <source>holds %1, patch expects %2</source>
        <translation>contiene %1, el parche espera %2</translation>
    </message>
    <message>
        <source>missing, patch changes it</source>
        <translation>no existe y el parche lo cambia</translation>
    </message>
    <message>
        <source>changed by the patch</source>
        <translation>fila cambiada por el parche</translation>
    </message>
    <message>
        <source>the bits no field covers are not what the patch expects</source>
        <translation>los bits que ningún campo cubre no son los que espera el parche</translation>
    </message>
    <message>
        <source>the row it follows (%1) is missing</source>
        <translation>no existe la fila a la que sigue (%1)</translation>
    </message>
    <message>
        <source>the added row has %1 values, the table %2</source>
        <translation>la fila añadida tiene %1 valores; la tabla, %2</translation>
    </message>
    <message>
        <source>added by the patch</source>
        <translation>fila añadida por el parche</translation>
    </message>
    <message>
        <source>%1 would hold %2 rows (%3 row words); at most %4 rows and %5 row words are allowed</source>
        <translation>%1 tendría %2 filas (%3 palabras de fila); se permiten como máximo %4 filas y %5 palabras de fila</translation>
    </message>
    <message>
        <source>%1 holds %2 rows, patch expects %3</source>
        <translation>%1 contiene %2 filas, el parche espera %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch removes it</source>
        <translation>entrada de idioma %1: no existe y el parche la elimina</translation>
    </message>
    <message>
        <source>language entry %1: holds %2, patch expects %3</source>
        <translation>entrada de idioma %1: contiene %2, el parche espera %3</translation>
    </message>
    <message>
        <source>language entry %1: missing, patch changes it</source>
        <translation>entrada de idioma %1: no existe y el parche la cambia</translation>
    </message>
    <message>
        <source>language entry %1: the patch lists it twice</source>
        <translation>entrada de idioma %1: el parche la incluye dos veces</translation>
    </message>
    <message>
        <source>language entry %1, which the added entry %2 follows, is missing</source>
        <translation>no existe la entrada de idioma %1, a la que sigue la entrada añadida %2</translation>
    </message>
    <message>
        <source>language entry %1: already there, patch adds it</source>
        <translation>entrada de idioma %1: ya existe y el parche la añade</translation>
    </message>
    <message>
        <source>the language file would hold %1 entries; at most %2 are allowed</source>
        <translation>el archivo de idioma contendría %1 entradas; se permiten como máximo %2</translation>
    </message>
    <message>
        <source>the patch changes language entries, and no language file is given</source>
        <translation>el parche cambia entradas de idioma y no se ha indicado ningún archivo de idioma</translation>
    </message>
    <message>
        <source>the first has %1 tables, the second %2</source>
        <translation>el primero tiene %1 tablas; el segundo, %2</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first, %3 in the second</source>
        <translation>la tabla %1 es %2 en el primero y %3 en el segundo</translation>
    </message>
    <message>
        <source>table %1 %2 has other kinds of fields in the two</source>
        <translation>la tabla %1 %2 tiene tipos de campos distintos en uno y otro</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 in the first, %4 in the second</source>
        <translation>el campo %2 de la tabla %1 es %3 en el primero y %4 en el segundo</translation>
    </message>
    <message>
        <source>table %1 field %2 is %3 bits wide in the first, %4 in the second</source>
        <translation>el campo %2 de la tabla %1 tiene %3 bits de ancho en el primero y %4 en el segundo</translation>
    </message>
    <message>
        <source>table %1 has %2 words per row in the first, %3 in the second</source>
        <translation>la tabla %1 tiene %2 palabras por fila en el primero y %3 en el segundo</translation>
    </message>
    <message>
        <source>table %1 is %2 in the first patch, %3 in the second</source>
        <translation>la tabla %1 es %2 en el primer parche y %3 en el segundo</translation>
    </message>
    <message>
        <source>table %1 %2 has other fields in the two patches</source>
        <translation>la tabla %1 %2 tiene campos distintos en los dos parches</translation>
    </message>
    <message>
        <source>table %1 %2 has %3 rows before in the first patch, %4 in the second: they were made on different games</source>
        <translation>la tabla %1 %2 tiene %3 filas previas en el primer parche y %4 en el segundo: se crearon sobre juegos distintos</translation>
    </message>
    <message>
        <source>the base game and game %1 cannot be compared: %2</source>
        <translation>el juego base y el juego %1 no se pueden comparar: %2</translation>
    </message>
    <message>
        <source>the merged changes do not apply to the base game: %1</source>
        <translation>los cambios combinados no se pueden aplicar al juego base: %1</translation>
    </message>
</context>
<context>
    <name>qira::patch_commands</name>
    <message>
        <source>%1 does not apply to this game: 1 conflict. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %2: the conflict, on its own line</extracomment>
        <translation>%1 no se puede aplicar a este juego: 1 conflicto. No se ha cambiado nada.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 does not apply to this game: %Ln conflicts. Nothing was changed.

%2</source>
        <extracomment>%1: the patch&apos;s name; %Ln: how many conflicts (two or more); %2: the conflicts, one a line</extracomment>
        <translation>
            <numerusform>%1 no se puede aplicar a este juego: %Ln conflicto. No se ha cambiado nada.

%2</numerusform>
            <numerusform>%1 no se puede aplicar a este juego: %Ln conflictos. No se ha cambiado nada.

%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Guardar cambios como parche</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Aplicar parche</translation>
    </message>
    <message>
        <source>Patches (*.json);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Parches (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Compare with another game</source>
        <translation>Comparar con otro juego</translation>
    </message>
    <message>
        <source>Game database (qira.db);;All files (*)</source>
        <extracomment>File dialog filters: the parts in brackets stay as they are</extracomment>
        <translation>Base de datos del juego (qira.db);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The files could not be read again after they were opened, so there is nothing to compare the changes with.</source>
        <translation>No se pudieron volver a leer los archivos después de abrirlos, así que no hay nada con lo que comparar los cambios.</translation>
    </message>
    <message>
        <source>Comparing the game with its files as opened...</source>
        <translation>Comparando el juego con sus archivos tal como se abrieron...</translation>
    </message>
    <message>
        <source>Nothing was changed since the files were opened: there is no patch to write.</source>
        <translation>No se ha cambiado nada desde que se abrieron los archivos: no hay ningún parche que escribir.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Escribiendo %1...</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box of a save that failed</extracomment>
        <translation>Error</translation>
    </message>
    <message numerus="yes">
        <source>A patch of %Ln changes was written to %1.</source>
        <extracomment>%Ln: how many changes; %1: the patch file&apos;s name</extracomment>
        <translation>
            <numerusform>Se escribió un parche de %Ln cambio en %1.</numerusform>
            <numerusform>Se escribió un parche de %Ln cambios en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <extracomment>Progress; %1: the patch file&apos;s name</extracomment>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The two patch files merged, named in other messages; %1, %2: their file names</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Merging %1...</source>
        <extracomment>Progress; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Combinando %1...</translation>
    </message>
    <message>
        <source>Merged from %1: no conflicts.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Combinado a partir de %1: sin conflictos.</translation>
    </message>
    <message>
        <source>Conflicts of %1</source>
        <extracomment>Window title; %1: the two patch files</extracomment>
        <translation>Conflictos de %1</translation>
    </message>
    <message>
        <source>%1 were not merged; nothing was changed.</source>
        <extracomment>%1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>No se combinaron %1; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Merged from %1: 1 conflict decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %2, %3, %4: how many conflicts took side a, took side b, were left out</extracomment>
        <translation>Combinado a partir de %1: 1 conflicto resuelto (a: %2, b: %3, omitidos: %4).</translation>
    </message>
    <message numerus="yes">
        <source>Merged from %1: %Ln conflicts decided (a: %2, b: %3, left out: %4).</source>
        <extracomment>%1: the two patch files; %Ln: how many conflicts (two or more); %2, %3, %4: how many took side a, took side b, were left out</extracomment>
        <translation>
            <numerusform>Combinado a partir de %1: %Ln conflicto resuelto (a: %2, b: %3, omitidos: %4).</numerusform>
            <numerusform>Combinado a partir de %1: %Ln conflictos resueltos (a: %2, b: %3, omitidos: %4).</numerusform>
        </translation>
    </message>
    <message>
        <source>merge patches %1</source>
        <extracomment>Undo step; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>combinar parches %1</translation>
    </message>
    <message>
        <source>Merge patches %1</source>
        <extracomment>Window title; %1: the two patch files (&quot;a.json and b.json&quot;)</extracomment>
        <translation>Combinar parches %1</translation>
    </message>
    <message>
        <source>%1 has no language file %2 beside it, so the language entries are not compared.</source>
        <extracomment>%1: the other game&apos;s database; %2: the language file&apos;s name</extracomment>
        <translation>%1 no tiene al lado el archivo de idioma %2, así que no se comparan las entradas de idioma.</translation>
    </message>
    <message>
        <source>Reading and comparing %1...</source>
        <extracomment>Progress; %1: the other game&apos;s database</extracomment>
        <translation>Leyendo y comparando %1...</translation>
    </message>
    <message>
        <source>The open game and %1 hold the same.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>El juego abierto y %1 contienen lo mismo.</translation>
    </message>
    <message>
        <source>Differences from the open game to %1: tick what to take over.</source>
        <extracomment>%1: the other game&apos;s database</extracomment>
        <translation>Diferencias entre el juego abierto y %1: marca lo que quieras adoptar.</translation>
    </message>
    <message>
        <source>take over from %1</source>
        <extracomment>Undo step; %1: the other game&apos;s database</extracomment>
        <translation>adoptar de %1</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <extracomment>Window title; %1: the other game&apos;s database</extracomment>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <source>%1 holds no changes.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 no contiene cambios.</translation>
    </message>
    <message>
        <source>Review patch %1</source>
        <extracomment>Window title; %1: the patch file&apos;s name</extracomment>
        <translation>Revisar parche %1</translation>
    </message>
    <message>
        <source>%1 was not applied; nothing was changed.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1 no se aplicó; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1: the selected changes change nothing in this game.</source>
        <extracomment>%1: the patch (or the game compared with)</extracomment>
        <translation>%1: los cambios seleccionados no cambian nada en este juego.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 changes applied; Undo takes them back.</source>
        <extracomment>%1: the patch (or the game compared with); %2 of %3: the changes ticked of all changes</extracomment>
        <translation>%1: aplicados %2 de %3 cambios; Deshacer los revierte.</translation>
    </message>
    <message>
        <source>apply patch %1</source>
        <extracomment>Undo step; %1: the patch file&apos;s name</extracomment>
        <translation>aplicar parche %1</translation>
    </message>
    <message>
        <source>No patch can be made: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>No se puede crear ningún parche: %1</translation>
    </message>
    <message>
        <source>%1 cannot be merged: %2. Nothing was changed.</source>
        <extracomment>%1: the two patch files; %2: why not</extracomment>
        <translation>No se pueden combinar %1: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The open game cannot be compared with %1: %2. Nothing was changed.</source>
        <extracomment>%1: the other game&apos;s database; %2: why not</extracomment>
        <translation>El juego abierto no se puede comparar con %1: %2. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_model</name>
    <message>
        <source>1 conflict</source>
        <translation>1 conflicto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflicto</numerusform>
            <numerusform>%Ln conflictos</numerusform>
        </translation>
    </message>
    <message>
        <source>field %1</source>
        <extracomment>%1: the name of a field of a row the patch changes</extracomment>
        <translation>campo %1</translation>
    </message>
    <message>
        <source>Conflict: %1</source>
        <extracomment>%1: why the change conflicts with the game</extracomment>
        <translation>Conflicto: %1</translation>
    </message>
    <message>
        <source>1 conflict beneath</source>
        <translation>1 conflicto debajo</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts beneath</source>
        <translation>
            <numerusform>%Ln conflicto debajo</numerusform>
            <numerusform>%Ln conflictos debajo</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: the table, row or field a patch changes</extracomment>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Patch expects</source>
        <translation>El parche espera</translation>
    </message>
    <message>
        <source>Game holds</source>
        <translation>El juego tiene</translation>
    </message>
    <message>
        <source>Will be</source>
        <translation>Será</translation>
    </message>
    <message>
        <source>Conflict</source>
        <translation>Conflicto</translation>
    </message>
</context>
<context>
    <name>qira::patch_review_window</name>
    <message>
        <source>1 change</source>
        <translation>1 cambio</translation>
    </message>
    <message numerus="yes">
        <source>%Ln changes</source>
        <translation>
            <numerusform>%Ln cambio</numerusform>
            <numerusform>%Ln cambios</numerusform>
        </translation>
    </message>
    <message>
        <source>1 conflict</source>
        <translation>1 conflicto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln conflicts</source>
        <translation>
            <numerusform>%Ln conflicto</numerusform>
            <numerusform>%Ln conflictos</numerusform>
        </translation>
    </message>
    <message>
        <source>Where these changes come from</source>
        <translation>De dónde vienen estos cambios</translation>
    </message>
    <message>
        <source>... and %L1 more</source>
        <translation>... y %L1 más</translation>
    </message>
    <message>
        <source>No change of this patch can be applied to this game:
%1</source>
        <extracomment>%1: the problems, one a line</extracomment>
        <translation>Ningún cambio de este parche se puede aplicar a este juego:
%1</translation>
    </message>
    <message>
        <source>Problems of the whole patch</source>
        <translation>Problemas del parche completo</translation>
    </message>
    <message>
        <source>A table, a name, a field or a value (Ctrl+F)</source>
        <translation>Una tabla, un nombre, un campo o un valor (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find in the changes</source>
        <translation>Buscar en los cambios</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Changes of the patch</source>
        <translation>Cambios del parche</translation>
    </message>
    <message>
        <source>Review summary</source>
        <translation>Resumen de la revisión</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Tick every change that does not conflict</source>
        <translation>Marca todos los cambios sin conflicto</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Apply selected</source>
        <translation>Aplicar seleccionados</translation>
    </message>
    <message>
        <source>Apply the ticked changes as one step of Undo</source>
        <translation>Aplica los cambios marcados como un solo paso de Deshacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>Context menu: tick the check box of the change (choose it to be applied)</extracomment>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Untick</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected; %L4 of %L5 rows shown</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many changes are ticked; %4 of %5: the rows the find shows of all rows</extracomment>
        <translation>%1, %2, %L3 seleccionados; %L4 de %L5 filas mostradas</translation>
    </message>
    <message>
        <source>%1, %2, %L3 selected</source>
        <extracomment>%1: &quot;40 changes&quot;; %2: &quot;1 conflict&quot;; %3: how many are ticked</extracomment>
        <translation>%1, %2, %L3 seleccionados</translation>
    </message>
</context>
<context>
    <name>qira::player_names_dialog</name>
    <message>
        <source>&amp;First name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Pseudonym</source>
        <translation>&amp;Seudónimo</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Apellido</translation>
    </message>
    <message>
        <source>No new player: %1</source>
        <extracomment>%1: why no new player can be made</extracomment>
        <translation>No se puede crear el jugador: %1</translation>
    </message>
    <message>
        <source>New player</source>
        <translation>Nuevo jugador</translation>
    </message>
</context>
<context>
    <name>qira::player_page</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Seudónimo</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Preferred position</source>
        <translation>Posición preferida</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Hair color</source>
        <translation>Color de pelo</translation>
    </message>
    <message>
        <source>Boots color</source>
        <translation>Color de botas</translation>
    </message>
    <message>
        <source>Star Player</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Passing</source>
        <translation>Pase</translation>
    </message>
    <message>
        <source>Tackling</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Ball Control</source>
        <translation>Control del balón</translation>
    </message>
    <message>
        <source>Shot Accuraty</source>
        <translation>Precisión de tiro</translation>
    </message>
    <message>
        <source>Talent</source>
        <translation>Talento</translation>
    </message>
    <message>
        <source>Player ID:</source>
        <translation>ID del jugador:</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit Team</source>
        <translation>&lt;&lt;&lt; Editar equipo</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nuevo jugador...</translation>
    </message>
    <message>
        <source>A copy of this player with the next free id and new names</source>
        <translation>Una copia de este jugador con el siguiente id libre y nombres nuevos</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Eliminar jugador</translation>
    </message>
    <message>
        <source>This player&apos;s row and his memberships of teams</source>
        <translation>La fila de este jugador y su pertenencia a equipos</translation>
    </message>
    <message>
        <source>Player status</source>
        <translation>Estado del jugador</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>ID del jugador</translation>
    </message>
    <message>
        <source>*Hair color may not match when special face is used for player</source>
        <translation>*El color de pelo puede no coincidir si el jugador usa una cara especial</translation>
    </message>
    <message>
        <source>Apply player %1</source>
        <translation>Aplicar jugador %1</translation>
    </message>
    <message>
        <source>Show the player to copy first.</source>
        <translation>Muestra primero el jugador que quieres copiar.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nuevo jugador %1</translation>
    </message>
    <message>
        <source>New player %1 (id %2) in %3.</source>
        <extracomment>%1: the player&apos;s name; %2: his id; %3: the team</extracomment>
        <translation>Nuevo jugador %1 (id %2) en %3.</translation>
    </message>
    <message>
        <source>New player %1 (id %2), without a team.</source>
        <translation>Nuevo jugador %1 (id %2), sin equipo.</translation>
    </message>
    <message>
        <source>Show the player to delete first.</source>
        <translation>Muestra primero el jugador que quieres eliminar.</translation>
    </message>
    <message>
        <source>delete player %1</source>
        <translation>eliminar jugador %1</translation>
    </message>
    <message>
        <source>Deleted %1 and his membership of a team.</source>
        <translation>Eliminado %1 y su pertenencia a un equipo.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 and his %Ln memberships of teams.</source>
        <translation>
            <numerusform>Eliminado %1 y su pertenencia a %Ln equipo.</numerusform>
            <numerusform>Eliminado %1 y su pertenencia a %Ln equipos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not deleted: %2</source>
        <extracomment>%1: the player; %2: why not</extracomment>
        <translation>No se eliminó a %1: %2</translation>
    </message>
</context>
<context>
    <name>qira::problem</name>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>its old content could not be kept while the files are replaced (%1)</source>
        <translation>no se pudo conservar su contenido anterior mientras se sustituyen los archivos (%1)</translation>
    </message>
    <message>
        <source>the new file is in place, but its folder could not be synced to the disk (%1)</source>
        <translation>el archivo nuevo ya está en su sitio, pero su carpeta no se pudo sincronizar con el disco (%1)</translation>
    </message>
    <message>
        <source>the new files are in place, but its folder could not be synced to the disk (%1)</source>
        <translation>los archivos nuevos ya están en su sitio, pero su carpeta no se pudo sincronizar con el disco (%1)</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and was put back</source>
        <translation>%1. %2 ya se había sustituido y se ha restaurado</translation>
    </message>
    <message>
        <source>%1. %2 had already been replaced and were put back</source>
        <translation>%1. %2 ya se habían sustituido y se han restaurado</translation>
    </message>
    <message>
        <source>Putting back %1 failed too (%2).</source>
        <translation>Tampoco se pudo restaurar %1 (%2).</translation>
    </message>
    <message>
        <source>The files do not belong together now:</source>
        <translation>Ahora los archivos no se corresponden entre sí:</translation>
    </message>
    <message>
        <source>%1 is the old file</source>
        <translation>%1 es el archivo anterior</translation>
    </message>
    <message>
        <source>%1 is the new file, and the old one is kept as %2</source>
        <translation>%1 es el archivo nuevo, y el anterior se conserva como %2</translation>
    </message>
    <message>
        <source>%1 is the new file (there was none before)</source>
        <translation>%1 es el archivo nuevo (antes no existía)</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>no se pudo leer hasta el final</translation>
    </message>
    <message>
        <source>%1. Nothing was saved: %2 are as they were.</source>
        <extracomment>%1 is why the save failed, %2 the files</extracomment>
        <translation>%1. No se ha guardado nada: %2 siguen como estaban.</translation>
    </message>
    <message>
        <source>%1 is named for two of the files to save (%2): one would be written over the other.</source>
        <translation>%1 es el nombre de dos de los archivos que se van a guardar (%2): uno sobrescribiría al otro.</translation>
    </message>
    <message>
        <source>no such file or no access</source>
        <translation>el archivo no existe o no hay acceso</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of names: %1 is one name or several separated by commas, %2 the last one</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>the file (%1) is too short for a language file&apos;s header</source>
        <translation>el archivo (%1) es demasiado corto para el encabezado de un archivo de idioma</translation>
    </message>
    <message>
        <source>it holds %1 entries; at most %2 are allowed</source>
        <translation>contiene %1 entradas; se permiten como máximo %2</translation>
    </message>
    <message>
        <source>its directory of %1 entries runs past the end of the file (%2)</source>
        <translation>su directorio de %1 entradas sobrepasa el final del archivo (%2)</translation>
    </message>
    <message>
        <source>the text of entry %1 (key %2, offset %3) runs past the end of the file (%4)</source>
        <translation>el texto de la entrada %1 (clave %2, desplazamiento %3) sobrepasa el final del archivo (%4)</translation>
    </message>
    <message>
        <source>it would hold %1 entries; a language file holds at most %2</source>
        <translation>contendría %1 entradas; un archivo de idioma admite como máximo %2</translation>
    </message>
    <message>
        <source>its texts exceed 2 GiB</source>
        <translation>sus textos superan los 2 GiB</translation>
    </message>
    <message>
        <source>the file (%1) is too short for its header</source>
        <translation>el archivo (%1) es demasiado corto para su encabezado</translation>
    </message>
    <message>
        <source>it says it holds %1 tables; a database file holds 1 to %2</source>
        <translation>indica que contiene %1 tablas; un archivo de base de datos contiene de 1 a %2</translation>
    </message>
    <message>
        <source>the header of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>el encabezado de la tabla %1 (desplazamiento %2) sobrepasa el final del archivo (%3)</translation>
    </message>
    <message>
        <source>table %1 has %2 %3 fields; a table has 0 to %4</source>
        <extracomment>%3 is the kind of field (key, extra, text)</extracomment>
        <translation>la tabla %1 tiene %2 campos de tipo %3; una tabla tiene de 0 a %4</translation>
    </message>
    <message>
        <source>table %1 has %2 whole-word and %3 %4 fields; a table has at most %5 fields</source>
        <translation>la tabla %1 tiene %2 campos de palabra completa y %3 de tipo %4; una tabla tiene como máximo %5 campos</translation>
    </message>
    <message>
        <source>the field descriptors of table %1 (offset %2, %3 bytes) run past the end of the file (%4)</source>
        <translation>los descriptores de campo de la tabla %1 (desplazamiento %2, %3 bytes) sobrepasan el final del archivo (%4)</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the next table&apos;s block begins; a block holds at least its 8-byte head</source>
        <translation>el bloque de la tabla %1 (desplazamiento %2, %3 bytes) termina antes de que empiece el bloque de la tabla siguiente; un bloque contiene al menos su cabecera de 8 bytes</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) ends before the names region begins; a block holds at least its 8-byte head</source>
        <translation>el bloque de la tabla %1 (desplazamiento %2, %3 bytes) termina antes de que empiece la región de nombres; un bloque contiene al menos su cabecera de 8 bytes</translation>
    </message>
    <message>
        <source>table %1&apos;s block (offset %2, %3 bytes) runs past the end of the file (%4)</source>
        <translation>el bloque de la tabla %1 (desplazamiento %2, %3 bytes) sobrepasa el final del archivo (%4)</translation>
    </message>
    <message>
        <source>table %1 has %2 rows; a table holds at most %3</source>
        <translation>la tabla %1 tiene %2 filas; una tabla admite como máximo %3</translation>
    </message>
    <message>
        <source>table %1 has %2 rows of %3 words; a table holds at most %4 row words</source>
        <translation>la tabla %1 tiene %2 filas de %3 palabras; una tabla admite como máximo %4 palabras de fila</translation>
    </message>
    <message>
        <source>table %1&apos;s rows have %2 words, fewer than its %3 whole-word fields</source>
        <translation>las filas de la tabla %1 tienen %2 palabras, menos que sus %3 campos de palabra completa</translation>
    </message>
    <message>
        <source>the name of table %1 (offset %2) runs past the end of the file (%3)</source>
        <translation>el nombre de la tabla %1 (desplazamiento %2) sobrepasa el final del archivo (%3)</translation>
    </message>
    <message>
        <source>the name of field %1 of table %2 (offset %3) runs past the end of the file (%4)</source>
        <translation>el nombre del campo %1 de la tabla %2 (desplazamiento %3) sobrepasa el final del archivo (%4)</translation>
    </message>
    <message>
        <source>text %1 of row %2 in table %3 (offset %4) runs past the end of the file (%5 bytes)</source>
        <translation>el texto %1 de la fila %2 de la tabla %3 (desplazamiento %4) sobrepasa el final del archivo (%5 bytes)</translation>
    </message>
    <message>
        <source>its directory of %1 blocks runs past the end of the file (%2)</source>
        <translation>su directorio de %1 bloques sobrepasa el final del archivo (%2)</translation>
    </message>
    <message>
        <source>it has %1 tables; a database file holds 1 to %2</source>
        <translation>tiene %1 tablas; un archivo de base de datos contiene de 1 a %2</translation>
    </message>
    <message>
        <source>table %1 has %2 fields of one whole-word kind; at most %3 are allowed</source>
        <translation>la tabla %1 tiene %2 campos de un mismo tipo de palabra completa; se permiten como máximo %3</translation>
    </message>
    <message>
        <source>table %1 has %2 field descriptors for %3 fields (at most %4)</source>
        <translation>la tabla %1 tiene %2 descriptores de campo para %3 campos (como máximo %4)</translation>
    </message>
    <message>
        <source>table %1 has %2 row words; a table holds at most %3</source>
        <translation>la tabla %1 tiene %2 palabras de fila; una tabla admite como máximo %3</translation>
    </message>
    <message>
        <source>the file would exceed 2 GiB</source>
        <translation>el archivo superaría los 2 GiB</translation>
    </message>
    <message>
        <source>leagues</source>
        <translation>ligas</translation>
    </message>
    <message>
        <source>league teams</source>
        <translation>equipos de liga</translation>
    </message>
    <message>
        <source>players</source>
        <translation>jugadores</translation>
    </message>
    <message>
        <source>stadiums</source>
        <translation>estadios</translation>
    </message>
    <message>
        <source>team settings</source>
        <translation>ajustes de equipo</translation>
    </message>
    <message>
        <source>team players</source>
        <translation>jugadores de equipo</translation>
    </message>
    <message>
        <source>teams</source>
        <translation>equipos</translation>
    </message>
    <message>
        <source>table %1 (%2) is missing</source>
        <translation>falta la tabla %1 (%2)</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 key fields, not %4</source>
        <translation>la tabla %1 (%2) tiene %3 campos clave, no %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 texts per row, not %4</source>
        <translation>la tabla %1 (%2) tiene %3 textos por fila, no %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has %3 packed values per row, not %4</source>
        <translation>la tabla %1 (%2) tiene %3 valores empaquetados por fila, no %4</translation>
    </message>
    <message>
        <source>table %1 (%2) has no field &quot;%3&quot;</source>
        <translation>la tabla %1 (%2) no tiene el campo «%3»</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is missing</source>
        <translation>falta el miembro «%1»</translation>
    </message>
    <message>
        <source>expected null</source>
        <translation>se esperaba null</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>se esperaba true o false</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>se esperaba un número entero</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>se esperaba un número</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>se esperaba un texto</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>se esperaba un array</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>se esperaba un objeto</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 está fuera del rango (de %2 a %3)</translation>
    </message>
    <message>
        <source>the document is not valid UTF-8</source>
        <translation>el documento no es UTF-8 válido</translation>
    </message>
    <message>
        <source>the document ends where a value should be</source>
        <translation>el documento termina donde debería haber un valor</translation>
    </message>
    <message>
        <source>nested deeper than a patch is</source>
        <translation>un anidamiento más profundo que el de un parche</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>se esperaba &apos;,&apos; o &apos;}&apos;</translation>
    </message>
    <message>
        <source>expected a member name in quotes</source>
        <translation>se esperaba un nombre de miembro entre comillas</translation>
    </message>
    <message>
        <source>an object with more members than a patch has</source>
        <translation>un objeto con más miembros de los que tiene un parche</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; appears twice</source>
        <translation>el miembro «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>expected &apos;:&apos;</source>
        <translation>se esperaba &apos;:&apos;</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>se esperaba &apos;,&apos; o &apos;]&apos;</translation>
    </message>
    <message>
        <source>a \u escape needs four hex digits</source>
        <translation>una secuencia de escape \u necesita cuatro dígitos hexadecimales</translation>
    </message>
    <message>
        <source>a text runs to the end of the document</source>
        <translation>un texto sigue abierto hasta el final del documento</translation>
    </message>
    <message>
        <source>an unknown escape in a text</source>
        <translation>una secuencia de escape desconocida en un texto</translation>
    </message>
    <message>
        <source>a high surrogate escape without its low half</source>
        <translation>una secuencia de escape de sustituto alto sin su mitad baja</translation>
    </message>
    <message>
        <source>a lone low surrogate escape other than \udc80 to \udcff</source>
        <translation>una secuencia de escape de sustituto bajo aislado fuera del intervalo de \udc80 a \udcff</translation>
    </message>
    <message>
        <source>a control character inside a text must be escaped</source>
        <translation>un carácter de control dentro de un texto debe ir como secuencia de escape</translation>
    </message>
    <message>
        <source>not a JSON value</source>
        <translation>no es un valor JSON</translation>
    </message>
    <message>
        <source>a number with a leading zero</source>
        <translation>un número con un cero a la izquierda</translation>
    </message>
    <message>
        <source>a number without digits after its point</source>
        <translation>un número sin dígitos después del punto decimal</translation>
    </message>
    <message>
        <source>a number without digits in its exponent</source>
        <translation>un número sin dígitos en su exponente</translation>
    </message>
    <message>
        <source>unexpected text after the document</source>
        <translation>texto inesperado después del documento</translation>
    </message>
    <message>
        <source>expected an object or null</source>
        <translation>se esperaba un objeto o null</translation>
    </message>
    <message>
        <source>more entries than a language file has</source>
        <translation>más entradas de las que admite un archivo de idioma</translation>
    </message>
    <message>
        <source>%1 is not &quot;%2&quot;</source>
        <translation>%1 no es «%2»</translation>
    </message>
    <message>
        <source>version %1 is not known; this program reads version %2</source>
        <translation>la versión %1 es desconocida; este programa lee la versión %2</translation>
    </message>
    <message>
        <source>expected %1 field names (as many as the kinds count, at most %2)</source>
        <translation>se esperaban %1 nombres de campo (tantos como suman los recuentos por tipo, como máximo %2)</translation>
    </message>
    <message>
        <source>more rows than a table has</source>
        <translation>más filas de las que admite una tabla</translation>
    </message>
    <message>
        <source>more fields than a table has</source>
        <translation>más campos de los que admite una tabla</translation>
    </message>
    <message>
        <source>more tables than a game has</source>
        <translation>más tablas de las que admite un juego</translation>
    </message>
    <message>
        <source>the document cannot be read</source>
        <translation>el documento no se puede leer</translation>
    </message>
    <message>
        <source>%1 does not fit in 32 bits</source>
        <translation>%1 no cabe en 32 bits</translation>
    </message>
    <message>
        <source>expected %1 keys</source>
        <translation>se esperaban %1 claves</translation>
    </message>
    <message>
        <source>more than %1 words</source>
        <translation>más de %1 palabras</translation>
    </message>
    <message>
        <source>expected %1 extras</source>
        <translation>se esperaban %1 extras</translation>
    </message>
    <message>
        <source>expected %1 texts</source>
        <translation>se esperaban %1 textos</translation>
    </message>
    <message>
        <source>expected %1 values</source>
        <translation>se esperaban %1 valores</translation>
    </message>
    <message>
        <source>field %1 is not named %2</source>
        <translation>el campo %1 no se llama %2</translation>
    </message>
    <message>
        <source>the table has no field %1</source>
        <translation>la tabla no tiene el campo %1</translation>
    </message>
    <message>
        <source>the table has more than one field %1: give its field_index</source>
        <translation>la tabla tiene más de un campo %1: indica su field_index</translation>
    </message>
    <message>
        <source>%1 is a key field: a changed key is a row removed and one added</source>
        <translation>%1 es un campo clave: cambiar una clave equivale a eliminar una fila y añadir otra</translation>
    </message>
    <message>
        <source>&quot;before&quot; and &quot;after&quot; are both needed</source>
        <translation>se necesitan tanto «before» como «after»</translation>
    </message>
    <message>
        <source>more changes than fields</source>
        <translation>más cambios que campos</translation>
    </message>
    <message>
        <source>expected as many words before as after</source>
        <translation>se esperaban tantas palabras en «before» como en «after»</translation>
    </message>
    <message>
        <source>names no file</source>
        <translation>no indica ningún archivo</translation>
    </message>
</context>
<context>
    <name>qira::recovery_commands</name>
    <message>
        <source>Put aside</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Apartar</translation>
    </message>
    <message>
        <source>Decide at the next start</source>
        <extracomment>A choice of the question about the changes kept when the editor did not close normally</extracomment>
        <translation>Decidir en el próximo inicio</translation>
    </message>
    <message>
        <source>its lock cannot be taken</source>
        <extracomment>Why the file that keeps the unsaved changes cannot be written</extracomment>
        <translation>no se puede bloquear</translation>
    </message>
    <message>
        <source>%1 could not be renamed; it stays for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>No se pudo cambiar el nombre de %1; se conserva para el próximo inicio.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1. &quot;Apply patch...&quot; can apply them to the game.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>Los cambios conservados se apartaron como %1. «Aplicar parche...» puede aplicarlos al juego.</translation>
    </message>
    <message>
        <source>%1 has changed on disk since (or cannot be read): changes that no longer apply show as conflicts.</source>
        <extracomment>%1: a game file</extracomment>
        <translation>%1 ha cambiado en el disco desde entonces (o no se puede leer): los cambios que ya no se pueden aplicar aparecen como conflictos.</translation>
    </message>
    <message>
        <source>The editor did not close normally. It kept 1 unsaved change to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>El editor no se cerró correctamente. Conservó 1 cambio sin guardar en
%1

%2¿Abrir estos archivos y aplicar los cambios (un solo paso de Deshacer), o apartarlos?</translation>
    </message>
    <message numerus="yes">
        <source>The editor did not close normally. It kept %Ln unsaved changes to
%1

%2Open these files and apply the changes (one step of Undo), or put them aside?</source>
        <extracomment>%Ln: how many changes (two or more); %1: the game&apos;s files, one a line; %2: empty, or a paragraph about files changed on disk since (it ends in an empty line)</extracomment>
        <translation>
            <numerusform>El editor no se cerró correctamente. Conservó %Ln cambio sin guardar en
%1

%2¿Abrir estos archivos y aplicar los cambios (un solo paso de Deshacer), o apartarlos?</numerusform>
            <numerusform>El editor no se cerró correctamente. Conservó %Ln cambios sin guardar en
%1

%2¿Abrir estos archivos y aplicar los cambios (un solo paso de Deshacer), o apartarlos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open and apply</source>
        <translation>Abrir y aplicar</translation>
    </message>
    <message>
        <source>These changes were kept by the editor when it did not close normally (%1), made to the files as they were opened or saved then.</source>
        <extracomment>%1: the file that kept the changes</extracomment>
        <translation>El editor conservó estos cambios cuando no se cerró correctamente (%1); se hicieron sobre los archivos tal como se abrieron o guardaron entonces.</translation>
    </message>
    <message>
        <source>The kept changes stay in %1 for the next start.</source>
        <extracomment>%1: the file that keeps the changes</extracomment>
        <translation>Los cambios conservados se quedan en %1 para el próximo inicio.</translation>
    </message>
    <message>
        <source>The kept changes were put aside as %1.</source>
        <extracomment>%1: the file the changes were put aside as</extracomment>
        <translation>Los cambios conservados se apartaron como %1.</translation>
    </message>
    <message>
        <source>The unsaved changes cannot be kept for recovery: %1</source>
        <extracomment>%1: why not</extracomment>
        <translation>Los cambios sin guardar no se pueden conservar para su recuperación: %1</translation>
    </message>
</context>
<context>
    <name>qira::reference_delegate</name>
    <message>
        <source>Row %1, %2: not changed: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: why the typed text names no row</extracomment>
        <translation>Fila %1, %2: sin cambiar: %3</translation>
    </message>
</context>
<context>
    <name>qira::reference_picker</name>
    <message>
        <source>Row named: type a name or a number</source>
        <translation>Fila por nombre: escribe un nombre o un número</translation>
    </message>
    <message>
        <source>Rows the field may name</source>
        <translation>Filas que el campo puede nombrar</translation>
    </message>
    <message>
        <source>no row is called &apos;%1&apos;; type its name or a number</source>
        <translation>ninguna fila se llama &apos;%1&apos;; escribe su nombre o un número</translation>
    </message>
    <message numerus="yes">
        <source>&apos;%1&apos; names %Ln rows; choose one from the list</source>
        <translation>
            <numerusform>&apos;%1&apos; nombra %Ln fila; elige una de la lista</numerusform>
            <numerusform>&apos;%1&apos; nombra %Ln filas; elige una de la lista</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::registry_key</name>
    <message>
        <source>the value &quot;%1&quot; could not be stored</source>
        <extracomment>Why a setting was not saved; %1: the setting&apos;s name as the registry keeps it</extracomment>
        <translation>no se pudo guardar el valor &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>qira::result</name>
    <message>
        <source>%1 field %2: %3</source>
        <translation>%1, campo %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is what the problem is about (a row, a member of a document), %2 the problem</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>table %1 row %2 field %3: %4</source>
        <translation>tabla %1, fila %2, campo %3: %4</translation>
    </message>
    <message>
        <source>table %1 row %2: %3</source>
        <translation>tabla %1, fila %2: %3</translation>
    </message>
    <message>
        <source>table %1 field %2: %3</source>
        <translation>tabla %1, campo %2: %3</translation>
    </message>
    <message>
        <source>table %1: %2</source>
        <translation>tabla %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: not valid JSON: line %2 column %3: %4</source>
        <translation>%1 no es un parche válido: JSON no válido: línea %2, columna %3: %4</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2: %3</source>
        <translation>%1 no es un parche válido: %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a valid patch: %2</source>
        <translation>%1 no es un parche válido: %2</translation>
    </message>
    <message>
        <source>not valid JSON: line %1 column %2: %3</source>
        <translation>JSON no válido: línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be opened</extracomment>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 está dañado: %2</translation>
    </message>
    <message>
        <source>%1 cannot be edited: %2</source>
        <translation>%1 no se puede editar: %2</translation>
    </message>
    <message>
        <source>line %1 column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file, %2 why it could not be saved</extracomment>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported: %2; nothing was changed.</source>
        <translation>No se importó %1: %2; no se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>qira::roster_page</name>
    <message>
        <source>Jersey number</source>
        <translation>Dorsal</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>The player &quot;%1&quot; could not be found; nothing was exchanged.</source>
        <translation>No se encontró al jugador «%1»; no se intercambió nada.</translation>
    </message>
    <message>
        <source>Team players</source>
        <translation>Jugadores del equipo</translation>
    </message>
    <message>
        <source>&lt;-- Xchange --&gt;</source>
        <translation>&lt;-- Cambiar --&gt;</translation>
    </message>
    <message>
        <source>Exchange with</source>
        <translation>Intercambiar con</translation>
    </message>
    <message>
        <source>Find in exchange tree</source>
        <translation>Buscar en el árbol de intercambio</translation>
    </message>
    <message>
        <source>Sign</source>
        <extracomment>Button: the chosen player joins this team (signs a contract)</extracomment>
        <translation>Fichar</translation>
    </message>
    <message>
        <source>Move the player chosen in the exchange tree into this team</source>
        <translation>Pasa el jugador elegido en el árbol de intercambio a este equipo</translation>
    </message>
    <message>
        <source>Release</source>
        <extracomment>Button: the player leaves this team</extracomment>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Move the selected player into the team chosen in the exchange tree, or out of any team</source>
        <translation>Pasa el jugador seleccionado al equipo elegido en el árbol de intercambio, o lo deja sin equipo</translation>
    </message>
    <message>
        <source>Sign free player...</source>
        <translation>Fichar libre...</translation>
    </message>
    <message>
        <source>Choose a player without a team to join this team</source>
        <translation>Elige un jugador sin equipo para que se una a este equipo</translation>
    </message>
    <message>
        <source>New player...</source>
        <translation>Nuevo jugador...</translation>
    </message>
    <message>
        <source>A copy of the selected player with new names, in this team</source>
        <translation>Una copia del jugador seleccionado con nombres nuevos, en este equipo</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; Edit team</source>
        <translation>&lt;&lt;&lt; Editar equipo</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>&lt;-- double click on player for quick edit</source>
        <translation>&lt;-- doble clic en un jugador para editarlo rápido</translation>
    </message>
    <message>
        <source>Invalid index</source>
        <translation>Índice no válido</translation>
    </message>
    <message>
        <source>exchange %1 and %2</source>
        <translation>intercambiar %1 y %2</translation>
    </message>
    <message>
        <source>No team is shown.</source>
        <translation>No se muestra ningún equipo.</translation>
    </message>
    <message>
        <source>Choose the player to sign in the exchange tree.</source>
        <translation>Elige en el árbol de intercambio el jugador que quieres fichar.</translation>
    </message>
    <message>
        <source>sign %1</source>
        <translation>fichar a %1</translation>
    </message>
    <message>
        <source>%1 was not signed</source>
        <translation>No se fichó a %1</translation>
    </message>
    <message>
        <source>Choose the player to release in the roster.</source>
        <translation>Elige en la plantilla el jugador que quieres liberar.</translation>
    </message>
    <message>
        <source>release %1 to %2</source>
        <translation>traspasar %1 a %2</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>liberar a %1</translation>
    </message>
    <message>
        <source>%1 was not released</source>
        <translation>No se liberó a %1</translation>
    </message>
    <message>
        <source>Every player is in a team.</source>
        <translation>Todos los jugadores tienen equipo.</translation>
    </message>
    <message>
        <source>Choose the player to copy in the roster.</source>
        <translation>Elige en la plantilla el jugador que quieres copiar.</translation>
    </message>
    <message>
        <source>new player %1</source>
        <translation>nuevo jugador %1</translation>
    </message>
    <message>
        <source>No new player</source>
        <translation>Sin jugador nuevo</translation>
    </message>
</context>
<context>
    <name>qira::table_model</name>
    <message>
        <source>edit %1 %2</source>
        <translation>editar %1 %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5)</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored</extracomment>
        <translation>%1: %2, %3 bits (palabras de descriptor %4 y %5)</translation>
    </message>
    <message>
        <source>%1: %2, %3 bits (descriptor words %4 and %5); names a row of table %6 (%7) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 to %5: where it is stored; %6 and %7: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, %3 bits (palabras de descriptor %4 y %5); nombra una fila de la tabla %6 (%7) por su id</translation>
    </message>
    <message>
        <source>%1: %2, a whole word</source>
        <extracomment>%1: the field; %2: what part of the row it is</extracomment>
        <translation>%1: %2, una palabra completa</translation>
    </message>
    <message>
        <source>%1: %2, a whole word; names a row of table %3 (%4) by its id</source>
        <extracomment>%1: the field; %2: what part of the row it is; %3 and %4: the number and the name of the table whose rows it names</extracomment>
        <translation>%1: %2, una palabra completa; nombra una fila de la tabla %3 (%4) por su id</translation>
    </message>
</context>
<context>
    <name>qira::tables_window</name>
    <message numerus="yes">
        <source>%1  %2  (%Ln rows)</source>
        <extracomment>%1: the table&apos;s number; %2: its name; %n: how many rows it has</extracomment>
        <translation>
            <numerusform>%1  %2  (%Ln fila)</numerusform>
            <numerusform>%1  %2  (%Ln filas)</numerusform>
        </translation>
    </message>
    <message>
        <source>All tables - %1</source>
        <extracomment>%1: the program&apos;s name</extracomment>
        <translation>Todas las tablas - %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Columns named...</source>
        <translation>Columnas llamadas...</translation>
    </message>
    <message>
        <source>Show only the columns whose name contains</source>
        <translation>Mostrar solo las columnas cuyo nombre contiene</translation>
    </message>
    <message>
        <source>Filter all columns (Ctrl+F)</source>
        <translation>Filtrar todas las columnas (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter over all columns</source>
        <translation>Filtro sobre todas las columnas</translation>
    </message>
    <message>
        <source>Rows shown</source>
        <translation>Filas mostradas</translation>
    </message>
    <message>
        <source>Rows of the table</source>
        <translation>Filas de la tabla</translation>
    </message>
    <message>
        <source>Insert copy</source>
        <translation>Insertar copia</translation>
    </message>
    <message>
        <source>Insert a copy of each selected row after it</source>
        <translation>Inserta una copia de cada fila seleccionada tras ella</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button: deletes the selected rows</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected rows</source>
        <translation>Elimina las filas seleccionadas</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exportar CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importar CSV...</translation>
    </message>
    <message>
        <source>Replace the rows of this table by a CSV file&apos;s</source>
        <translation>Sustituye las filas de esta tabla por las de un archivo CSV</translation>
    </message>
    <message>
        <source>Fill...</source>
        <translation>Rellenar...</translation>
    </message>
    <message>
        <source>Set the selected cells to one value</source>
        <translation>Pone un mismo valor en las celdas seleccionadas</translation>
    </message>
    <message>
        <source>Adjust...</source>
        <translation>Ajustar...</translation>
    </message>
    <message>
        <source>Add to or multiply the current column&apos;s values in every row the filters show</source>
        <translation>Suma o multiplica los valores de la columna actual en cada fila que muestran los filtros</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Tables status</source>
        <translation>Estado de las tablas</translation>
    </message>
    <message>
        <source>Not adjusted: choose a cell of the column to adjust.</source>
        <translation>Sin ajustar: elige una celda de la columna que quieres ajustar.</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Sort by number</source>
        <translation>Ordenar por número</translation>
    </message>
    <message>
        <source>Sort the current column by the names of the rows it names (again: the other way)</source>
        <translation>Ordena la columna actual por los nombres de las filas que nombra (otra vez: al revés)</translation>
    </message>
    <message>
        <source>Sort the current column by its values (again: the other way)</source>
        <translation>Ordena la columna actual por sus valores (otra vez: al revés)</translation>
    </message>
    <message>
        <source>Not sorted: choose a cell of the column to sort by.</source>
        <translation>Sin ordenar: elige una celda de la columna por la que ordenar.</translation>
    </message>
    <message>
        <source>%1 names no rows: sorted by its values.</source>
        <extracomment>%1: the column</extracomment>
        <translation>%1 no nombra filas: ordenado por sus valores.</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, ascending).</source>
        <translation>Ordenado por %1 (nombres, ascendente).</translation>
    </message>
    <message>
        <source>Sorted by %1 (names, descending).</source>
        <translation>Ordenado por %1 (nombres, descendente).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, ascending).</source>
        <translation>Ordenado por %1 (valores, ascendente).</translation>
    </message>
    <message>
        <source>Sorted by %1 (values, descending).</source>
        <translation>Ordenado por %1 (valores, descendente).</translation>
    </message>
    <message>
        <source>%L1 of %L2 rows</source>
        <extracomment>%1: the rows the filters show; %2: all rows of the table</extracomment>
        <translation>%L1 de %L2 filas</translation>
    </message>
    <message>
        <source>insert %1 row copies in table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>insertar %1 copias de filas en la tabla %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows inserted.</source>
        <translation>
            <numerusform>%Ln fila insertada.</numerusform>
            <numerusform>%Ln filas insertadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>delete %1 rows of table %2</source>
        <extracomment>%1: how many rows; %2: the table&apos;s number</extracomment>
        <translation>eliminar %1 filas de la tabla %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows deleted.</source>
        <translation>
            <numerusform>%Ln fila eliminada.</numerusform>
            <numerusform>%Ln filas eliminadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>no table is shown</source>
        <translation>no se muestra ninguna tabla</translation>
    </message>
    <message>
        <source>Table %1 exported to %2 (%L3 rows).</source>
        <extracomment>%1: the table&apos;s number; %2: the file; %3: how many rows</extracomment>
        <translation>Tabla %1 exportada a %2 (%L3 filas).</translation>
    </message>
    <message>
        <source>import %1 into table %2</source>
        <extracomment>%1: the CSV file; %2: the table&apos;s number</extracomment>
        <translation>importar %1 en la tabla %2</translation>
    </message>
    <message>
        <source>%1 Warning: %2</source>
        <extracomment>%1: what the import did; %2: what the user should know about it</extracomment>
        <translation>%1 Aviso: %2</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Value for the selected cells:</source>
        <translation>Valor para las celdas seleccionadas:</translation>
    </message>
    <message>
        <source>Adjust %1</source>
        <extracomment>%1: the column</extracomment>
        <translation>Ajustar %1</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>How to adjust the values: add the amount to each, or multiply each by it</extracomment>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Multiplicar por</translation>
    </message>
    <message>
        <source>Adjust by</source>
        <translation>Ajustar por</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>A&amp;mount</source>
        <translation>Canti&amp;dad</translation>
    </message>
    <message>
        <source>Every row the filters show; each value held within its field&apos;s range.</source>
        <translation>Cada fila que muestran los filtros; cada valor se mantiene dentro del rango de su campo.</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>%1: the row&apos;s number; %2: the column; %3: the problem</extracomment>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>Not copied: select one rectangle of cells.</source>
        <translation>Sin copiar: selecciona un único rectángulo de celdas.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells copied.</source>
        <translation>
            <numerusform>%Ln celda copiada.</numerusform>
            <numerusform>%Ln celdas copiadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not pasted: choose the cell to paste from.</source>
        <translation>Sin pegar: elige la celda desde la que pegar.</translation>
    </message>
    <message>
        <source>Not pasted</source>
        <translation>Sin pegar</translation>
    </message>
    <message>
        <source>paste %1 cells in table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>pegar %1 celdas en la tabla %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells pasted.</source>
        <translation>
            <numerusform>%Ln celda pegada.</numerusform>
            <numerusform>%Ln celdas pegadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not filled</source>
        <translation>Sin rellenar</translation>
    </message>
    <message>
        <source>fill %1 cells of table %2</source>
        <extracomment>%1: how many cells; %2: the table&apos;s number</extracomment>
        <translation>rellenar %1 celdas de la tabla %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln cells filled with %1.</source>
        <extracomment>%1: the value typed</extracomment>
        <translation>
            <numerusform>%Ln celda rellenada con %1.</numerusform>
            <numerusform>%Ln celdas rellenadas con %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not adjusted</source>
        <translation>Sin ajustar</translation>
    </message>
    <message>
        <source>adjust %1 of %2 rows</source>
        <extracomment>%1: the column; %2: how many rows</extracomment>
        <translation>ajustar %1 en %2 filas</translation>
    </message>
    <message numerus="yes">
        <source>%1 adjusted in %Ln rows.</source>
        <extracomment>%1: the column; %n: how many rows</extracomment>
        <translation>
            <numerusform>%1 ajustado en %Ln fila.</numerusform>
            <numerusform>%1 ajustado en %Ln filas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 adjusted in %2 rows; %3 held at the end of the field&apos;s range.</source>
        <translation>%1 ajustado en %2 filas; %3 limitados al extremo del rango del campo.</translation>
    </message>
    <message>
        <source>Not inserted: %1</source>
        <extracomment>%1: why the rows were not inserted</extracomment>
        <translation>Sin insertar: %1</translation>
    </message>
    <message>
        <source>Not deleted: %1</source>
        <extracomment>%1: why the rows were not deleted</extracomment>
        <translation>Sin eliminar: %1</translation>
    </message>
</context>
<context>
    <name>qira::team_page</name>
    <message>
        <source>Apply roster %1</source>
        <extracomment>Undo step of the roster page&apos;s Apply; %1: the team</extracomment>
        <translation>Aplicar plantilla %1</translation>
    </message>
    <message>
        <source>Name long</source>
        <translation>Nombre largo</translation>
    </message>
    <message>
        <source>Name (5)</source>
        <translation>Nombre (5)</translation>
    </message>
    <message>
        <source>Name (10)</source>
        <translation>Nombre (10)</translation>
    </message>
    <message>
        <source>Team prestige</source>
        <translation>Prestigio del equipo</translation>
    </message>
    <message>
        <source>Formation</source>
        <translation>Formación</translation>
    </message>
    <message>
        <source>Attack style</source>
        <translation>Estilo de ataque</translation>
    </message>
    <message>
        <source>Stadium</source>
        <translation>Estadio</translation>
    </message>
    <message>
        <source>Captain</source>
        <translation>Capitán</translation>
    </message>
    <message>
        <source>Penaltist</source>
        <translation>Lanzador de penaltis</translation>
    </message>
    <message>
        <source>Edit team players &gt;&gt;&gt;</source>
        <translation>Editar plantilla &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Apply</source>
        <extracomment>Button: writes the page&apos;s edits to the game</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Apply team %1</source>
        <extracomment>Undo step of the team page&apos;s Apply; %1: the team</extracomment>
        <translation>Aplicar equipo %1</translation>
    </message>
</context>
<context>
    <name>qira::tree_find</name>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <source>Name or part of a name, any case, accents optional; a number or #number finds a player by id. Enter or F3: next, Shift+Enter or Shift+F3: previous, Esc: back to the tree.</source>
        <translation>Nombre o parte de un nombre, sin distinguir mayúsculas ni acentos; un número o #número busca un jugador por id. Enter o F3: siguiente, Shift+Enter o Shift+F3: anterior, Esc: volver al árbol.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button that empties the find field</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>The clear button&apos;s name for screen readers; %1: the find field&apos;s name (&quot;find in tree&quot;)</extracomment>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>Clear the find field</source>
        <translation>Vacía el campo de búsqueda</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <extracomment>Which match of the find is shown: %1 of %2 matches</extracomment>
        <translation>%L1/%L2</translation>
    </message>
    <message>
        <source>no match</source>
        <translation>sin resultados</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 resultado</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln resultado</numerusform>
            <numerusform>%Ln resultados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>qira::undo_buttons</name>
    <message>
        <source>Undo %1 (%2)</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;); %2: its keys</extracomment>
        <translation>Deshacer %1 (%2)</translation>
    </message>
    <message>
        <source>Redo %1 (%2)</source>
        <translation>Rehacer %1 (%2)</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1: the step Undo takes back (e.g. &quot;Apply player Ann Lee&quot;)</extracomment>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada que rehacer</translation>
    </message>
</context>
</TS>
