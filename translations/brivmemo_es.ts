<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardFaceNames</name>
    <message>
        <source>dog</source>
        <extracomment>The animal on a card of the game&apos;s own pictures, told to people who cannot see it.</extracomment>
        <translation>perro</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>gato</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>león</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>pig</source>
        <translation>cerdo</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingüino</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>zorro</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>búho</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pulpo</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortuga</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>ballena</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>mariposa</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>caracol</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>cangrejo</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>jirafa</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>cebra</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>loro</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>mariquita</translation>
    </message>
</context>
<context>
    <name>CardSet</name>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>el archivo ocupa más de %1 KiB</translation>
    </message>
    <message>
        <source>a set needs %1 pictures, not %2</source>
        <translation>una baraja necesita %1 imágenes, no %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>the set has no name</source>
        <translation>la baraja no tiene nombre</translation>
    </message>
    <message>
        <source>%1 face names are given, not %2</source>
        <translation>se han dado %1 nombres de figuras, no %2</translation>
    </message>
    <message>
        <source>face %1 has no name</source>
        <translation>la figura %1 no tiene nombre</translation>
    </message>
    <message>
        <source>a set needs one back and %1 faces, but %2 pictures are given</source>
        <translation>una baraja necesita un reverso y %1 figuras, pero se han dado %2 imágenes</translation>
    </message>
    <message>
        <source>reading the back</source>
        <translation>leyendo el reverso</translation>
    </message>
    <message>
        <source>reading face %1 of %2</source>
        <translation>leyendo la figura %1 de %2</translation>
    </message>
    <message>
        <source>comparing the faces</source>
        <translation>comparando las figuras</translation>
    </message>
    <message>
        <source>it shows the same picture as %1</source>
        <translation>muestra la misma imagen que %1</translation>
    </message>
    <message>
        <source>a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)</source>
        <translation>un jugador no podría distinguirla de %1 (sus miniaturas se diferencian en %2 niveles, menos de %3)</translation>
    </message>
    <message>
        <source>packing the back</source>
        <translation>empaquetando el reverso</translation>
    </message>
    <message>
        <source>packing face %1 of %2</source>
        <translation>empaquetando la figura %1 de %2</translation>
    </message>
</context>
<context>
    <name>CardSetMetadata</name>
    <message>
        <source>%1 names %2 faces instead of %3</source>
        <translation>%1 nombra %2 figuras en vez de %3</translation>
    </message>
    <message>
        <source>%1 has an empty face name</source>
        <translation>%1 tiene un nombre de figura vacío</translation>
    </message>
    <message>
        <source>there is no [%1] group</source>
        <translation>no hay ningún grupo [%1]</translation>
    </message>
    <message>
        <source>the set has no Name</source>
        <translation>la baraja no tiene la clave Name</translation>
    </message>
</context>
<context>
    <name>CardSetStream</name>
    <message>
        <source>the back</source>
        <translation>el reverso</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>la figura %1</translation>
    </message>
    <message>
        <source>the pictures unpack to more than %1 MiB</source>
        <translation>las imágenes descomprimidas ocupan más de %1 MiB</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 termina antes de tiempo</translation>
    </message>
    <message>
        <source>%1 is not well formed</source>
        <translation>%1 tiene un formato incorrecto</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 no tiene datos</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture</source>
        <translation>%1 no es una imagen BMP</translation>
    </message>
    <message>
        <source>%1 is larger than %2 × %2 pixels</source>
        <translation>%1 supera los %2 × %2 píxeles</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture the game reads</source>
        <translation>%1 no es una imagen BMP que el juego pueda leer</translation>
    </message>
    <message>
        <source>the picture stream is larger than %1 MiB</source>
        <translation>el flujo de imágenes ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>the picture stream starts neither with MBML nor with MBMC</source>
        <translation>el flujo de imágenes no empieza ni por MBML ni por MBMC</translation>
    </message>
    <message>
        <source>the picture stream holds %1 pictures instead of %2</source>
        <translation>el flujo de imágenes contiene %1 imágenes en vez de %2</translation>
    </message>
    <message>
        <source>the picture stream goes on after its last picture</source>
        <translation>el flujo de imágenes sigue después de su última imagen</translation>
    </message>
    <message>
        <source>the picture stream is cut short</source>
        <translation>el flujo de imágenes termina antes de tiempo</translation>
    </message>
</context>
<context>
    <name>CardSetTool</name>
    <message>
        <source>Usage: %1 COMMAND [options] ARGUMENTS
Makes, checks and installs card sets for the Brivosta Memory Game.

Commands:
  make --output DIR --name NAME [options] BACK FACE1 ... FACE20
                       make a set from a back and twenty face pictures
  check DIR            read a set as the game does and say what is wrong
  show DIR             print a set&apos;s metadata and pictures
  extract DIR OUTDIR   write each picture of a set as a PNG file
  install DIR          copy a set into your card-set folder

&apos;%1 COMMAND --help&apos; describes a command and its options.

Exit codes: 0 done; 1 a picture, the set or an existing folder is refused and
nothing is written; 2 wrong usage; 3 a file or folder cannot be written.</source>
        <translation>Uso: %1 ORDEN [opciones] ARGUMENTOS
Hace, comprueba e instala barajas para Brivosta Memory Game.

Órdenes:
  make --output DIR --name NOMBRE [opciones] BACK FACE1 ... FACE20
                       hace una baraja con un reverso y veinte figuras
  check DIR            lee una baraja como el juego y dice qué está mal
  show DIR             muestra los datos y las imágenes de una baraja
  extract DIR OUTDIR   escribe cada imagen de una baraja como archivo PNG
  install DIR          copia una baraja en tu carpeta de barajas

&apos;%1 ORDEN --help&apos; describe una orden y sus opciones.

Códigos de salida: 0 hecho; 1 se rechaza una imagen, la baraja o una carpeta que ya
existe y no se escribe nada; 2 uso incorrecto; 3 no se puede escribir un archivo
o una carpeta.</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>hace falta una orden</translation>
    </message>
    <message>
        <source>there is no command “%1”</source>
        <translation>no existe la orden «%1»</translation>
    </message>
    <message>
        <source>see %1 --help</source>
        <translation>véase %1 --help</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Reads the card set in DIR as the game does and says what is wrong with it.</source>
        <translation>Lee la baraja de DIR como lo hace el juego y dice qué tiene de malo.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>La carpeta de la baraja.</translation>
    </message>
    <message>
        <source>%1: the card set “%2” can be used</source>
        <translation>%1: la baraja «%2» se puede usar</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>see %1 --help</source>
        <translation>véase %1 --help</translation>
    </message>
    <message>
        <source>the command takes %1, but %2 arguments are given</source>
        <translation>la orden recibe %1, pero se han dado %2 argumentos</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>line %1 is not well formed</source>
        <translation>la línea %1 tiene un formato incorrecto</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>el archivo ocupa más de %1 KiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>el archivo no es texto UTF-8</translation>
    </message>
    <message>
        <source>line %1 repeats the group [%2]</source>
        <translation>la línea %1 repite el grupo [%2]</translation>
    </message>
    <message>
        <source>line %1 repeats the key %2</source>
        <translation>la línea %1 repite la clave %2</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Replace the folder OUTDIR if it exists.</source>
        <translation>Reemplazar la carpeta OUTDIR si existe.</translation>
    </message>
    <message>
        <source>Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, then face-01.png to face-20.png.</source>
        <translation>Escribe cada imagen de la baraja de DIR en la carpeta nueva OUTDIR como archivo PNG: back.png y luego de face-01.png a face-20.png.</translation>
    </message>
    <message>
        <source>The folder of the set, then the folder to make.</source>
        <translation>La carpeta de la baraja y luego la carpeta que se va a crear.</translation>
    </message>
    <message>
        <source>the picture cannot be written</source>
        <translation>no se puede escribir la imagen</translation>
    </message>
    <message>
        <source>wrote the pictures of %1 into %2</source>
        <translation>se han escrito las imágenes de %1 en %2</translation>
    </message>
</context>
<context>
    <name>FolderReplacement</name>
    <message>
        <source>the folder cannot be moved here from %1</source>
        <translation>no se puede mover aquí la carpeta desde %1</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>this folder exists already (--force replaces it)</source>
        <translation>esta carpeta ya existe (--force la reemplaza)</translation>
    </message>
    <message>
        <source>this folder cannot be made</source>
        <translation>no se puede crear esta carpeta</translation>
    </message>
    <message>
        <source>a folder cannot be made in this folder: %1</source>
        <translation>no se puede crear una carpeta dentro de esta: %1</translation>
    </message>
    <message>
        <source>the folder&apos;s permissions cannot be set</source>
        <translation>no se pueden poner los permisos de la carpeta</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace an installed set of the same folder name.</source>
        <translation>Reemplazar una baraja instalada con el mismo nombre de carpeta.</translation>
    </message>
    <message>
        <source>Copies the card set in DIR, once it reads as the game reads it, into your card-set folder (%1), under the name of its folder.</source>
        <translation>Copia la baraja de DIR, si se lee como la lee el juego, en tu carpeta de barajas (%1), con el nombre de su carpeta.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>La carpeta de la baraja.</translation>
    </message>
    <message>
        <source>installed %1 as %2</source>
        <translation>se ha instalado %1 como %2</translation>
    </message>
</context>
<context>
    <name>MakeCommand</name>
    <message>
        <source>Write the set into the folder DIR.</source>
        <translation>Escribir la baraja en la carpeta DIR.</translation>
    </message>
    <message>
        <source>The set&apos;s name, as the game lists it.</source>
        <translation>El nombre de la baraja, tal como lo muestra el juego.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Who made the pictures.</source>
        <translation>Quién hizo las imágenes.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The pictures&apos; licence, as an SPDX identifier.</source>
        <translation>La licencia de las imágenes, como identificador SPDX.</translation>
    </message>
    <message>
        <source>A line about the set.</source>
        <translation>Una línea sobre la baraja.</translation>
    </message>
    <message>
        <source>The twenty faces&apos; names, separated by &quot;;&quot; (default: the files&apos; names).</source>
        <translation>Los nombres de las veinte figuras, separados por &quot;;&quot; (si no: los nombres de los archivos).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMBRES</translation>
    </message>
    <message>
        <source>Write a plain stream (&quot;MBML&quot;) instead of a packed one.</source>
        <translation>Escribir un flujo simple (&quot;MBML&quot;) en lugar de uno comprimido.</translation>
    </message>
    <message>
        <source>Replace the folder DIR if it exists.</source>
        <translation>Reemplazar la carpeta DIR si existe.</translation>
    </message>
    <message>
        <source>Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, SVG). Each picture is fitted on a %2 x %2 square, on white.</source>
        <translation>Hace una baraja de un reverso y %1 figuras a partir de archivos de imagen (PNG, JPEG, BMP, GIF, SVG). Cada imagen se ajusta a un cuadrado de %2 x %2, sobre blanco.</translation>
    </message>
    <message>
        <source>BACK FACE1 ... FACE%1</source>
        <translation>BACK FACE1 ... FACE%1</translation>
    </message>
    <message>
        <source>The picture files: the back, then the faces in their order.</source>
        <translation>Los archivos de imagen: el reverso y luego las figuras en su orden.</translation>
    </message>
    <message>
        <source>make needs --%1</source>
        <translation>make necesita --%1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>escribiendo %1</translation>
    </message>
    <message>
        <source>made the card set “%1” in %2</source>
        <translation>se ha hecho la baraja «%1» en %2</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>this is not a picture that can be read (%1)</source>
        <translation>no es una imagen que se pueda leer (%1)</translation>
    </message>
    <message>
        <source>not a drawing that can be shown</source>
        <translation>no es un dibujo que se pueda mostrar</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>this is not a file</source>
        <translation>no es un archivo</translation>
    </message>
</context>
<context>
    <name>PlayerTurnDescription</name>
    <message>
        <source>It is this player&apos;s turn</source>
        <translation>Es el turno de este jugador</translation>
    </message>
    <message>
        <source>It is the other player&apos;s turn</source>
        <translation>Es el turno del otro jugador</translation>
    </message>
</context>
<context>
    <name>RadioGroupDescription</name>
    <message>
        <source>Selected: %1</source>
        <translation>Elegido: %1</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nada elegido</translation>
    </message>
</context>
<context>
    <name>SetFolderWriter</name>
    <message>
        <source>the written set does not read back: %1</source>
        <translation>la baraja escrita no se puede volver a leer: %1</translation>
    </message>
    <message>
        <source>the file cannot be copied here: %1</source>
        <translation>no se puede copiar el archivo aquí: %1</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Prints the metadata of the card set in DIR and the size and depth of each picture.</source>
        <translation>Muestra los datos de la baraja de DIR y el tamaño y la profundidad de color de cada imagen.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>La carpeta de la baraja.</translation>
    </message>
    <message>
        <source>Name: %1%2</source>
        <translation>Nombre: %1%2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Comentario: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licencia: %1</translation>
    </message>
    <message>
        <source>Stream: %1 (%2)</source>
        <translation>Flujo: %1 (%2)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>reverso</translation>
    </message>
    <message>
        <source>face %1, %2%3</source>
        <translation>figura %1, %2%3</translation>
    </message>
    <message>
        <source>Entry %1: %2 x %3, %4 bits, %5</source>
        <translation>Entrada %1: %2 x %3, %4 bits, %5</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Player 1 </source>
        <extracomment>The box of player 1&apos;s name, mistakes and points; the caption ends with a blank.</extracomment>
        <translation>Jugador 1 </translation>
    </message>
    <message>
        <source>Name :</source>
        <extracomment>&quot;Name :&quot;, &quot;Mistakes :&quot; and &quot;Points :&quot; stand left of the player&apos;s values, in about 48 pixels.</extracomment>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Mistakes :</source>
        <translation>Errores :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Puntos :</translation>
    </message>
    <message>
        <source>Player 2 </source>
        <translation>Jugador 2 </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New  Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Principiante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Mago</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>&amp;Tipo de juego</translation>
    </message>
    <message>
        <source>&amp;Show all Cards</source>
        <translation>Mo&amp;strar todas las cartas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Brivosta Vire &amp;Help</source>
        <extracomment>Brivosta Vire is the program&apos;s name, kept as it is.</extracomment>
        <translation>&amp;Ayuda de Brivosta Vire</translation>
    </message>
    <message>
        <source>&amp;About Brivosta  Memory Game</source>
        <translation>Acerca &amp;de Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>You have just beaten the computer, congratulations ! Show you are the best , beat him again.</source>
        <translation>¡Has vencido al ordenador, enhorabuena! Demuestra lo que sabes hacer y vuelve a ganarle.</translation>
    </message>
    <message>
        <source>The computer has just  beaten you .Try again !</source>
        <translation>El ordenador te ha ganado. ¡Inténtalo otra vez!</translation>
    </message>
    <message>
        <source>Congratulations %1 you won. %2 do not give up, try again.</source>
        <extracomment>%1 is the winner&apos;s name, %2 the loser&apos;s.</extracomment>
        <translation>Enhorabuena, %1, has ganado. %2, no te rindas, inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Draw. Try again.</source>
        <translation>Empate. Intentadlo otra vez.</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>¿De verdad quieres salir?</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Card table</source>
        <translation>Mesa de cartas</translation>
    </message>
</context>
<context>
    <name>TablePlaceAccessible</name>
    <message>
        <source>taken</source>
        <translation>retirada</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>The accessible name of a card place: its row and column on the table, then what lies there (&quot;face down&quot;, &quot;taken&quot; or the name of the card&apos;s picture).</extracomment>
        <translation>fila %1, columna %2, %3</translation>
    </message>
</context>
<context>
    <name>Tf_sobre</name>
    <message>
        <source>A game of memory for one or two players:
find the twenty pairs among forty cards,
against a friend or against the computer.

Version %1
Free software under the MIT licence.</source>
        <extracomment>Five short centred lines; %1 is the version number.</extracomment>
        <translation>Un juego de memoria para uno o dos jugadores:
encuentra las veinte parejas entre cuarenta cartas,
contra un amigo o contra el ordenador.

Versión %1
Software libre con licencia MIT.</translation>
    </message>
    <message>
        <source>About Brivosta Memory Game</source>
        <translation>Acerca de Brivosta Memory Game</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmAjuda</name>
    <message>
        <source>                               PLAYING THE GAME

          Brivosta Memory Game is played against the computer or against a
friend. The object of the game is to match more cards than the other player.

          Click on a card to turn it over and see its picture, then click on
a second card. When the two pictures are the same, the pair leaves the table
and the same player plays again. When they differ, both cards are closed
again and the other player takes the turn. The game ends when no card is
left on the table.

          Every pair found scores 10 points, and every miss counts as a
mistake. The boxes below the table show each player&apos;s name, points and
mistakes.

          After the program starts, choose the type of game you would like
to play. To change the type of game in the middle of a game, press F4;
choosing a type there starts a new game.


                               GAME LEVELS

          Against the computer there are three levels to choose from:

          -&gt; Beginner: easy to play, a good level for children.
          -&gt; Intermediate: beat the computer quickly, or it will win.
          -&gt; Wizard: any mistake is fatal.

          Choose the level in the Game menu.


                               GAME OPTIONS

          Press F3 to choose the animation speed and the names of the
players, then confirm your choices with OK.

          Press F2 to start a new game.

          Press F5 to show all cards.

          Press Alt+F4 to end the program.</source>
        <extracomment>Keep the layout: headings start 31 blanks in, paragraphs 10 blanks, level lines &quot; -&gt; &quot;; wrap lines by hand at about 80 characters. Use as many lines as the language needs.</extracomment>
        <translation>                               CÓMO SE JUEGA

          Brivosta Memory Game se juega contra el ordenador o contra un
amigo. El objetivo del juego es encontrar más parejas que el otro jugador.

          Haz clic en una carta para darle la vuelta y ver su dibujo, y
luego haz clic en una segunda carta. Si los dos dibujos son iguales, la
pareja sale de la mesa y el mismo jugador vuelve a jugar. Si son
distintos, las dos cartas se vuelven a tapar y le toca al otro jugador. La
partida termina cuando no queda ninguna carta en la mesa.

          Cada pareja encontrada vale 10 puntos, y cada intento fallido
cuenta como un error. Los recuadros de debajo de la mesa muestran el
nombre, los puntos y los errores de cada jugador.

          Al empezar el programa, elige el tipo de juego. Para cambiar el
tipo de juego en mitad de una partida, pulsa F4; al elegir un tipo empieza
una partida nueva.


                               NIVELES DE JUEGO

          Contra el ordenador puedes elegir entre tres niveles:

          -&gt; Principiante: fácil de jugar, un buen nivel para niños.
          -&gt; Intermedio: gana rápido al ordenador, o ganará él.
          -&gt; Mago: cualquier error es fatal.

          Elige el nivel en el menú Juego.


                               OPCIONES DEL JUEGO

          Pulsa F3 para elegir la velocidad de animación y los nombres de
los jugadores, y confirma tu elección con Aceptar.

          Pulsa F2 para empezar una partida nueva.

          Pulsa F5 para mostrar todas las cartas.

          Pulsa Alt+F4 para salir del programa.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Welcome to Brivosta Memory Game Help</source>
        <translation>Bienvenido a la ayuda de Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmEscolhe</name>
    <message>
        <source>How would you like to play ?</source>
        <translation>¿Cómo quieres jugar?</translation>
    </message>
    <message>
        <source>&amp;HUMAN x HUMAN</source>
        <translation>&amp;HUMANO x HUMANO</translation>
    </message>
    <message>
        <source>HUMAN x &amp;COMPUTER</source>
        <extracomment>Its letter may be the same as that of &quot;&amp;Close&quot;, as in English: the radio button takes it first.</extracomment>
        <translation>HUMANO x &amp;ORDENADOR</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>¿De verdad quieres salir?</translation>
    </message>
</context>
<context>
    <name>TfrmOpcoes</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Animation Speed</source>
        <translation>&amp;Velocidad de animación</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>&amp;Player Names</source>
        <translation>Nombres de los &amp;jugadores</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>brivmemo::Exception</name>
    <message>
        <source>Stream read error</source>
        <translation>Error al leer los datos</translation>
    </message>
    <message>
        <source>Invalid BitmapList stream</source>
        <translation>Lista de imágenes no válida</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen no es válida</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>No se puede asignar %1 a %2</translation>
    </message>
    <message>
        <source>LZRW Error!</source>
        <translation>¡Error de LZRW!</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>El control «%1» no tiene ventana madre</translation>
    </message>
    <message>
        <source>Input/output error while creating &quot;%1&quot;: %2</source>
        <translation>Error de entrada/salida al crear «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while opening &quot;%1&quot;: %2</source>
        <translation>Error de entrada/salida al abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: %2</source>
        <translation>Error de entrada/salida al leer «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while writing &quot;%1&quot;: %2</source>
        <translation>Error de entrada/salida al escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while closing &quot;%1&quot;: %2</source>
        <translation>Error de entrada/salida al cerrar «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: the file holds fewer than %2 bytes</source>
        <translation>Error de entrada/salida al leer «%1»: el archivo tiene menos de %2 bytes</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardFlipper</name>
    <message>
        <source>&amp;Flip Cards</source>
        <translation>&amp;Girar las cartas</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetCatalog</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetMenu</name>
    <message>
        <source>&amp;Extras</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Card Set</source>
        <translation>&amp;Baraja</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetSwitcher</name>
    <message>
        <source>Card set “%1” cannot be used: %2</source>
        <translation>No se puede usar la baraja «%1»: %2</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameSounds</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Sonido</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameStatistics</name>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Estadísticas…</translation>
    </message>
    <message>
        <source>The statistics in %1 could not be read. They have been kept as %2, and new statistics have been started.</source>
        <translation>No se han podido leer las estadísticas de %1. Se han guardado como %2 y se han empezado unas estadísticas nuevas.</translation>
    </message>
    <message>
        <source>The statistics in %1 cannot be kept: %2</source>
        <translation>No se pueden guardar las estadísticas en %1: %2</translation>
    </message>
    <message>
        <source>The statistics of this game could not be saved: %1</source>
        <translation>No se han podido guardar las estadísticas de esta partida: %1</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::StatisticsWindow</name>
    <message>
        <source>Two people</source>
        <translation>Dos personas</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Ordenador, Principiante</translation>
    </message>
    <message>
        <source>Computer, Intermediate</source>
        <translation>Ordenador, Intermedio</translation>
    </message>
    <message>
        <source>Computer, Wizard</source>
        <translation>Ordenador, Mago</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Statistics by player and game</source>
        <translation>Estadísticas por jugador y juego</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Empates</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Fewest mistakes</source>
        <translation>Menos errores</translation>
    </message>
    <message>
        <source>Moves per pair</source>
        <translation>Jugadas por pareja</translation>
    </message>
    <message>
        <source>The best game: the fewest mistakes in one game</source>
        <translation>La mejor partida: la de menos errores</translation>
    </message>
    <message>
        <source>All the player&apos;s moves over all the pairs taken</source>
        <translation>Todas las jugadas del jugador divididas entre todas las parejas conseguidas</translation>
    </message>
    <message>
        <source>No game has been played to its end yet.</source>
        <translation>Todavía no se ha jugado ninguna partida hasta el final.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Do you really want to erase all the statistics ?</source>
        <translation>¿De verdad quieres borrar todas las estadísticas?</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics</name>
    <message>
        <source>%1 cannot be renamed.</source>
        <translation>No se puede cambiar el nombre de %1.</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics::StatisticsStore</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>No se puede crear la carpeta de %1.</translation>
    </message>
    <message>
        <source>The statistics are not open.</source>
        <translation>Las estadísticas no están abiertas.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed.</source>
        <translation>El controlador SQLite de Qt no está instalado.</translation>
    </message>
</context>
</TS>
