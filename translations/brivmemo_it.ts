<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CardFaceNames</name>
    <message>
        <source>dog</source>
        <extracomment>The animal on a card of the game&apos;s own pictures, told to people who cannot see it.</extracomment>
        <translation>cane</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>gatto</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>leone</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>rana</translation>
    </message>
    <message>
        <source>pig</source>
        <translation>maiale</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pinguino</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>volpe</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>gufo</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>polpo</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tartaruga</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>balena</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>farfalla</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>lumaca</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>granchio</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>giraffa</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>zebra</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>pappagallo</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>scimmia</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>coccinella</translation>
    </message>
</context>
<context>
    <name>CardSet</name>
    <message>
        <source>the folder does not exist</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>il file manca</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>il file è più grande di %1 KiB</translation>
    </message>
    <message>
        <source>a set needs %1 pictures, not %2</source>
        <translation>un mazzo ha bisogno di %1 immagini, non di %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>the set has no name</source>
        <translation>il mazzo non ha un nome</translation>
    </message>
    <message>
        <source>%1 face names are given, not %2</source>
        <translation>sono dati %1 nomi di figure, non %2</translation>
    </message>
    <message>
        <source>face %1 has no name</source>
        <translation>la figura %1 non ha un nome</translation>
    </message>
    <message>
        <source>a set needs one back and %1 faces, but %2 pictures are given</source>
        <translation>un mazzo ha bisogno di un retro e di %1 figure, ma sono date %2 immagini</translation>
    </message>
    <message>
        <source>reading the back</source>
        <translation>lettura del retro</translation>
    </message>
    <message>
        <source>reading face %1 of %2</source>
        <translation>lettura della figura %1 di %2</translation>
    </message>
    <message>
        <source>comparing the faces</source>
        <translation>confronto delle figure</translation>
    </message>
    <message>
        <source>it shows the same picture as %1</source>
        <translation>mostra la stessa immagine di %1</translation>
    </message>
    <message>
        <source>a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)</source>
        <translation>un giocatore non potrebbe distinguerla da %1 (le loro miniature differiscono di %2 livelli, meno di %3)</translation>
    </message>
    <message>
        <source>packing the back</source>
        <translation>compressione del retro</translation>
    </message>
    <message>
        <source>packing face %1 of %2</source>
        <translation>compressione della figura %1 di %2</translation>
    </message>
</context>
<context>
    <name>CardSetMetadata</name>
    <message>
        <source>%1 names %2 faces instead of %3</source>
        <translation>%1 nomina %2 figure invece di %3</translation>
    </message>
    <message>
        <source>%1 has an empty face name</source>
        <translation>%1 ha un nome di figura vuoto</translation>
    </message>
    <message>
        <source>there is no [%1] group</source>
        <translation>manca il gruppo [%1]</translation>
    </message>
    <message>
        <source>the set has no Name</source>
        <translation>il mazzo non ha la chiave Name</translation>
    </message>
</context>
<context>
    <name>CardSetStream</name>
    <message>
        <source>the back</source>
        <translation>il retro</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>la figura %1</translation>
    </message>
    <message>
        <source>the pictures unpack to more than %1 MiB</source>
        <translation>le immagini decompresse superano %1 MiB</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 si interrompe troppo presto</translation>
    </message>
    <message>
        <source>%1 is not well formed</source>
        <translation>%1 ha un formato errato</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 non contiene dati</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture</source>
        <translation>%1 non è un&apos;immagine BMP</translation>
    </message>
    <message>
        <source>%1 is larger than %2 × %2 pixels</source>
        <translation>%1 supera %2 × %2 pixel</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture the game reads</source>
        <translation>%1 non è un&apos;immagine BMP che il gioco sa leggere</translation>
    </message>
    <message>
        <source>the picture stream is larger than %1 MiB</source>
        <translation>il flusso di immagini supera %1 MiB</translation>
    </message>
    <message>
        <source>the picture stream starts neither with MBML nor with MBMC</source>
        <translation>il flusso di immagini non inizia né con MBML né con MBMC</translation>
    </message>
    <message>
        <source>the picture stream holds %1 pictures instead of %2</source>
        <translation>il flusso di immagini contiene %1 immagini invece di %2</translation>
    </message>
    <message>
        <source>the picture stream goes on after its last picture</source>
        <translation>il flusso di immagini continua dopo l&apos;ultima immagine</translation>
    </message>
    <message>
        <source>the picture stream is cut short</source>
        <translation>il flusso di immagini si interrompe troppo presto</translation>
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
        <translation>Uso: %1 COMANDO [opzioni] ARGOMENTI
Crea, controlla e installa mazzi di carte per Brivosta Memory Game.

Comandi:
  make --output DIR --name NOME [opzioni] BACK FACE1 ... FACE20
                       crea un mazzo da un retro e venti figure
  check DIR            legge un mazzo come il gioco e dice che cosa non va
  show DIR             mostra i metadati e le immagini di un mazzo
  extract DIR OUTDIR   scrive ogni immagine di un mazzo come file PNG
  install DIR          copia un mazzo nella tua cartella dei mazzi

&apos;%1 COMANDO --help&apos; descrive un comando e le sue opzioni.

Codici di uscita: 0 fatto; 1 un&apos;immagine, il mazzo o una cartella esistente viene
rifiutato e non viene scritto nulla; 2 uso errato; 3 non è possibile scrivere un
file o una cartella.</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>serve un comando</translation>
    </message>
    <message>
        <source>there is no command “%1”</source>
        <translation>non esiste il comando «%1»</translation>
    </message>
    <message>
        <source>see %1 --help</source>
        <translation>vedi %1 --help</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Reads the card set in DIR as the game does and says what is wrong with it.</source>
        <translation>Legge il mazzo in DIR come fa il gioco e dice che cosa non va.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>La cartella del mazzo.</translation>
    </message>
    <message>
        <source>%1: the card set “%2” can be used</source>
        <translation>%1: il mazzo «%2» può essere usato</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>see %1 --help</source>
        <translation>vedi %1 --help</translation>
    </message>
    <message>
        <source>the command takes %1, but %2 arguments are given</source>
        <translation>il comando prende %1, ma sono dati %2 argomenti</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>line %1 is not well formed</source>
        <translation>la riga %1 ha un formato errato</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>il file è più grande di %1 KiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>il file non è testo UTF-8</translation>
    </message>
    <message>
        <source>line %1 repeats the group [%2]</source>
        <translation>la riga %1 ripete il gruppo [%2]</translation>
    </message>
    <message>
        <source>line %1 repeats the key %2</source>
        <translation>la riga %1 ripete la chiave %2</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Replace the folder OUTDIR if it exists.</source>
        <translation>Sostituire la cartella OUTDIR se esiste.</translation>
    </message>
    <message>
        <source>Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, then face-01.png to face-20.png.</source>
        <translation>Scrive ogni immagine del mazzo in DIR nella nuova cartella OUTDIR come file PNG: back.png, poi da face-01.png a face-20.png.</translation>
    </message>
    <message>
        <source>The folder of the set, then the folder to make.</source>
        <translation>La cartella del mazzo, poi la cartella da creare.</translation>
    </message>
    <message>
        <source>the picture cannot be written</source>
        <translation>impossibile scrivere l&apos;immagine</translation>
    </message>
    <message>
        <source>wrote the pictures of %1 into %2</source>
        <translation>le immagini di %1 sono state scritte in %2</translation>
    </message>
</context>
<context>
    <name>FolderReplacement</name>
    <message>
        <source>the folder cannot be moved here from %1</source>
        <translation>impossibile spostare qui la cartella da %1</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>è un file, non una cartella</translation>
    </message>
    <message>
        <source>this folder exists already (--force replaces it)</source>
        <translation>questa cartella esiste già (--force la sostituisce)</translation>
    </message>
    <message>
        <source>this folder cannot be made</source>
        <translation>impossibile creare questa cartella</translation>
    </message>
    <message>
        <source>a folder cannot be made in this folder: %1</source>
        <translation>impossibile creare una cartella in questa cartella: %1</translation>
    </message>
    <message>
        <source>the folder&apos;s permissions cannot be set</source>
        <translation>impossibile impostare i permessi della cartella</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace an installed set of the same folder name.</source>
        <translation>Sostituire un mazzo installato con lo stesso nome di cartella.</translation>
    </message>
    <message>
        <source>Copies the card set in DIR, once it reads as the game reads it, into your card-set folder (%1), under the name of its folder.</source>
        <translation>Copia il mazzo in DIR, se si legge come lo legge il gioco, nella tua cartella dei mazzi (%1), con il nome della sua cartella.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>La cartella del mazzo.</translation>
    </message>
    <message>
        <source>installed %1 as %2</source>
        <translation>%1 installato come %2</translation>
    </message>
</context>
<context>
    <name>MakeCommand</name>
    <message>
        <source>Write the set into the folder DIR.</source>
        <translation>Scrivere il mazzo nella cartella DIR.</translation>
    </message>
    <message>
        <source>The set&apos;s name, as the game lists it.</source>
        <translation>Il nome del mazzo, come lo mostra il gioco.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Who made the pictures.</source>
        <translation>Chi ha fatto le immagini.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TESTO</translation>
    </message>
    <message>
        <source>The pictures&apos; licence, as an SPDX identifier.</source>
        <translation>La licenza delle immagini, come identificatore SPDX.</translation>
    </message>
    <message>
        <source>A line about the set.</source>
        <translation>Una riga sul mazzo.</translation>
    </message>
    <message>
        <source>The twenty faces&apos; names, separated by &quot;;&quot; (default: the files&apos; names).</source>
        <translation>I nomi delle venti figure, separati da &quot;;&quot; (predefinito: i nomi dei file).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMI</translation>
    </message>
    <message>
        <source>Write a plain stream (&quot;MBML&quot;) instead of a packed one.</source>
        <translation>Scrivere un flusso semplice (&quot;MBML&quot;) invece di uno compresso.</translation>
    </message>
    <message>
        <source>Replace the folder DIR if it exists.</source>
        <translation>Sostituire la cartella DIR se esiste.</translation>
    </message>
    <message>
        <source>Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, SVG). Each picture is fitted on a %2 x %2 square, on white.</source>
        <translation>Crea un mazzo con un retro e %1 figure da file di immagini (PNG, JPEG, BMP, GIF, SVG). Ogni immagine viene adattata a un quadrato di %2 x %2, su bianco.</translation>
    </message>
    <message>
        <source>BACK FACE1 ... FACE%1</source>
        <translation>BACK FACE1 ... FACE%1</translation>
    </message>
    <message>
        <source>The picture files: the back, then the faces in their order.</source>
        <translation>I file di immagini: il retro, poi le figure nel loro ordine.</translation>
    </message>
    <message>
        <source>make needs --%1</source>
        <translation>make ha bisogno di --%1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>scrittura di %1</translation>
    </message>
    <message>
        <source>made the card set “%1” in %2</source>
        <translation>creato il mazzo «%1» in %2</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
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
        <translation>non è un&apos;immagine leggibile (%1)</translation>
    </message>
    <message>
        <source>not a drawing that can be shown</source>
        <translation>non è un disegno che si possa mostrare</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>this is not a file</source>
        <translation>non è un file</translation>
    </message>
</context>
<context>
    <name>PlayerTurnDescription</name>
    <message>
        <source>It is this player&apos;s turn</source>
        <translation>Tocca a questo giocatore</translation>
    </message>
    <message>
        <source>It is the other player&apos;s turn</source>
        <translation>Tocca all&apos;altro giocatore</translation>
    </message>
</context>
<context>
    <name>RadioGroupDescription</name>
    <message>
        <source>Selected: %1</source>
        <translation>Scelto: %1</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Niente scelto</translation>
    </message>
</context>
<context>
    <name>SetFolderWriter</name>
    <message>
        <source>the written set does not read back: %1</source>
        <translation>il mazzo scritto non si rilegge: %1</translation>
    </message>
    <message>
        <source>the file cannot be copied here: %1</source>
        <translation>impossibile copiare qui il file: %1</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Prints the metadata of the card set in DIR and the size and depth of each picture.</source>
        <translation>Mostra i metadati del mazzo in DIR e la dimensione e la profondità di colore di ogni immagine.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>La cartella del mazzo.</translation>
    </message>
    <message>
        <source>Name: %1%2</source>
        <translation>Nome: %1%2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Commento: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autore: %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licenza: %1</translation>
    </message>
    <message>
        <source>Stream: %1 (%2)</source>
        <translation>Flusso: %1 (%2)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>retro</translation>
    </message>
    <message>
        <source>face %1, %2%3</source>
        <translation>figura %1, %2%3</translation>
    </message>
    <message>
        <source>Entry %1: %2 x %3, %4 bits, %5</source>
        <translation>Voce %1: %2 x %3, %4 bit, %5</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Player 1 </source>
        <extracomment>The box of player 1&apos;s name, mistakes and points; the caption ends with a blank.</extracomment>
        <translation>Giocatore 1 </translation>
    </message>
    <message>
        <source>Name :</source>
        <extracomment>&quot;Name :&quot;, &quot;Mistakes :&quot; and &quot;Points :&quot; stand left of the player&apos;s values, in about 48 pixels.</extracomment>
        <translation>Nome :</translation>
    </message>
    <message>
        <source>Mistakes :</source>
        <translation>Errori :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Punti :</translation>
    </message>
    <message>
        <source>Player 2 </source>
        <translation>Giocatore 2 </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;New  Game</source>
        <translation>&amp;Nuova partita</translation>
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
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>&amp;Tipo di gioco</translation>
    </message>
    <message>
        <source>&amp;Show all Cards</source>
        <translation>Mo&amp;stra tutte le carte</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Brivosta Vire &amp;Help</source>
        <extracomment>Brivosta Vire is the program&apos;s name, kept as it is.</extracomment>
        <translation>&amp;Guida di Brivosta Vire</translation>
    </message>
    <message>
        <source>&amp;About Brivosta  Memory Game</source>
        <translation>&amp;Informazioni su Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>You have just beaten the computer, congratulations ! Show you are the best , beat him again.</source>
        <translation>Hai battuto il computer, complimenti! Fagli vedere di cosa sei capace e battilo ancora.</translation>
    </message>
    <message>
        <source>The computer has just  beaten you .Try again !</source>
        <translation>Il computer ti ha battuto. Riprova!</translation>
    </message>
    <message>
        <source>Congratulations %1 you won. %2 do not give up, try again.</source>
        <extracomment>%1 is the winner&apos;s name, %2 the loser&apos;s.</extracomment>
        <translation>Complimenti %1, hai vinto. %2, non arrenderti, riprova.</translation>
    </message>
    <message>
        <source>Draw. Try again.</source>
        <translation>Pareggio. Riprovate.</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Card table</source>
        <translation>Tavolo delle carte</translation>
    </message>
</context>
<context>
    <name>TablePlaceAccessible</name>
    <message>
        <source>taken</source>
        <translation>presa</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>The accessible name of a card place: its row and column on the table, then what lies there (&quot;face down&quot;, &quot;taken&quot; or the name of the card&apos;s picture).</extracomment>
        <translation>riga %1, colonna %2, %3</translation>
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
        <translation>Un gioco di memoria per uno o due giocatori:
trova le venti coppie tra quaranta carte,
contro un amico o contro il computer.

Versione %1
Software libero con licenza MIT.</translation>
    </message>
    <message>
        <source>About Brivosta Memory Game</source>
        <translation>Informazioni su Brivosta Memory Game</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>                               COME SI GIOCA

          A Brivosta Memory Game si gioca contro il computer o contro un
amico. Lo scopo del gioco è trovare più coppie dell&apos;altro giocatore.

          Fai clic su una carta per girarla e vederne l&apos;immagine, poi fai
clic su una seconda carta. Se le due immagini sono uguali, la coppia
lascia il tavolo e lo stesso giocatore gioca di nuovo. Se sono diverse,
tutte e due le carte vengono coperte di nuovo e tocca all&apos;altro giocatore.
La partita finisce quando sul tavolo non resta nessuna carta.

          Ogni coppia trovata vale 10 punti, e ogni tentativo sbagliato
conta come un errore. I riquadri sotto il tavolo mostrano il nome, i punti
e gli errori di ogni giocatore.

          Dopo l&apos;avvio del programma, scegli il tipo di gioco. Per
cambiare il tipo di gioco durante una partita, premi F4; scegliere un tipo
fa iniziare una nuova partita.


                               LIVELLI DI GIOCO

          Contro il computer puoi scegliere fra tre livelli:

          -&gt; Principiante: facile da giocare, un buon livello per i bambini.
          -&gt; Intermedio: batti presto il computer, o vincerà lui.
          -&gt; Mago: ogni errore è fatale.

          Scegli il livello nel menu Gioco.


                               OPZIONI DI GIOCO

          Premi F3 per scegliere la velocità dell&apos;animazione e i nomi dei
giocatori, poi conferma la scelta con OK.

          Premi F2 per iniziare una nuova partita.

          Premi F5 per mostrare tutte le carte.

          Premi Alt+F4 per uscire dal programma.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Welcome to Brivosta Memory Game Help</source>
        <translation>Benvenuto nella guida di Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmEscolhe</name>
    <message>
        <source>How would you like to play ?</source>
        <translation>Come vuoi giocare?</translation>
    </message>
    <message>
        <source>&amp;HUMAN x HUMAN</source>
        <translation>&amp;UMANO x UMANO</translation>
    </message>
    <message>
        <source>HUMAN x &amp;COMPUTER</source>
        <extracomment>Its letter may be the same as that of &quot;&amp;Close&quot;, as in English: the radio button takes it first.</extracomment>
        <translation>UMANO x &amp;COMPUTER</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
</context>
<context>
    <name>TfrmOpcoes</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>&amp;Animation Speed</source>
        <translation>&amp;Velocità animazione</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapida</translation>
    </message>
    <message>
        <source>&amp;Player Names</source>
        <translation>Nomi dei &amp;giocatori</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>brivmemo::Exception</name>
    <message>
        <source>Stream read error</source>
        <translation>Errore nella lettura dei dati</translation>
    </message>
    <message>
        <source>Invalid BitmapList stream</source>
        <translation>Elenco di immagini non valido</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice dell&apos;elenco fuori dai limiti (%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;immagine non è valida</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>Impossibile assegnare %1 a %2</translation>
    </message>
    <message>
        <source>LZRW Error!</source>
        <translation>Errore LZRW!</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Il controllo «%1» non ha una finestra madre</translation>
    </message>
    <message>
        <source>Input/output error while creating &quot;%1&quot;: %2</source>
        <translation>Errore di input/output durante la creazione di «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while opening &quot;%1&quot;: %2</source>
        <translation>Errore di input/output durante l&apos;apertura di «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: %2</source>
        <translation>Errore di input/output durante la lettura di «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while writing &quot;%1&quot;: %2</source>
        <translation>Errore di input/output durante la scrittura di «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while closing &quot;%1&quot;: %2</source>
        <translation>Errore di input/output durante la chiusura di «%1»: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: the file holds fewer than %2 bytes</source>
        <translation>Errore di input/output durante la lettura di «%1»: il file contiene meno di %2 byte</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardFlipper</name>
    <message>
        <source>&amp;Flip Cards</source>
        <translation>&amp;Gira le carte</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetCatalog</name>
    <message>
        <source>Animals</source>
        <translation>Animali</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetMenu</name>
    <message>
        <source>&amp;Extras</source>
        <translation>&amp;Extra</translation>
    </message>
    <message>
        <source>&amp;Card Set</source>
        <translation>&amp;Mazzo di carte</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetSwitcher</name>
    <message>
        <source>Card set “%1” cannot be used: %2</source>
        <translation>Il mazzo «%1» non può essere usato: %2</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameSounds</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Suono</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameStatistics</name>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistiche…</translation>
    </message>
    <message>
        <source>The statistics in %1 could not be read. They have been kept as %2, and new statistics have been started.</source>
        <translation>Non è stato possibile leggere le statistiche in %1. Sono state conservate come %2 e sono state avviate nuove statistiche.</translation>
    </message>
    <message>
        <source>The statistics in %1 cannot be kept: %2</source>
        <translation>Le statistiche in %1 non possono essere conservate: %2</translation>
    </message>
    <message>
        <source>The statistics of this game could not be saved: %1</source>
        <translation>Non è stato possibile salvare le statistiche di questa partita: %1</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::StatisticsWindow</name>
    <message>
        <source>Two people</source>
        <translation>Due persone</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Computer, Principiante</translation>
    </message>
    <message>
        <source>Computer, Intermediate</source>
        <translation>Computer, Intermedio</translation>
    </message>
    <message>
        <source>Computer, Wizard</source>
        <translation>Computer, Mago</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Statistics by player and game</source>
        <translation>Statistiche per giocatore e gioco</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Pareggi</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Sconfitte</translation>
    </message>
    <message>
        <source>Fewest mistakes</source>
        <translation>Meno errori</translation>
    </message>
    <message>
        <source>Moves per pair</source>
        <translation>Mosse per coppia</translation>
    </message>
    <message>
        <source>The best game: the fewest mistakes in one game</source>
        <translation>La partita migliore: il minor numero di errori in una partita</translation>
    </message>
    <message>
        <source>All the player&apos;s moves over all the pairs taken</source>
        <translation>Tutte le mosse del giocatore divise per tutte le coppie prese</translation>
    </message>
    <message>
        <source>No game has been played to its end yet.</source>
        <translation>Nessuna partita è stata ancora giocata fino alla fine.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Do you really want to erase all the statistics ?</source>
        <translation>Vuoi davvero cancellare tutte le statistiche?</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics</name>
    <message>
        <source>%1 cannot be renamed.</source>
        <translation>Impossibile rinominare %1.</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics::StatisticsStore</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Impossibile creare la cartella di %1.</translation>
    </message>
    <message>
        <source>The statistics are not open.</source>
        <translation>Le statistiche non sono aperte.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed.</source>
        <translation>Il driver SQLite di Qt non è installato.</translation>
    </message>
</context>
</TS>
