<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardFaceNames</name>
    <message>
        <source>dog</source>
        <extracomment>The animal on a card of the game&apos;s own pictures, told to people who cannot see it.</extracomment>
        <translation>Hund</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>Katze</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>pig</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>Elefant</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>Pinguin</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>Krake</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>Wal</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>Schmetterling</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>Schnecke</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>Krabbe</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>Papagei</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>Marienkäfer</translation>
    </message>
</context>
<context>
    <name>CardSet</name>
    <message>
        <source>the folder does not exist</source>
        <translation>den Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>das ist kein Ordner</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>die Datei ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>a set needs %1 pictures, not %2</source>
        <translation>ein Kartensatz braucht %1 Bilder, nicht %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>the set has no name</source>
        <translation>der Kartensatz hat keinen Namen</translation>
    </message>
    <message>
        <source>%1 face names are given, not %2</source>
        <translation>es sind %1 Motivnamen angegeben, nicht %2</translation>
    </message>
    <message>
        <source>face %1 has no name</source>
        <translation>Motiv %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>a set needs one back and %1 faces, but %2 pictures are given</source>
        <translation>ein Kartensatz braucht eine Rückseite und %1 Motive, angegeben sind aber %2 Bilder</translation>
    </message>
    <message>
        <source>reading the back</source>
        <translation>lese die Rückseite</translation>
    </message>
    <message>
        <source>reading face %1 of %2</source>
        <translation>lese Motiv %1 von %2</translation>
    </message>
    <message>
        <source>comparing the faces</source>
        <translation>vergleiche die Motive</translation>
    </message>
    <message>
        <source>it shows the same picture as %1</source>
        <translation>es zeigt dasselbe Bild wie %1</translation>
    </message>
    <message>
        <source>a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)</source>
        <translation>ein Spieler könnte es nicht von %1 unterscheiden (ihre Vorschaubilder unterscheiden sich um %2 Stufen, weniger als %3)</translation>
    </message>
    <message>
        <source>packing the back</source>
        <translation>packe die Rückseite</translation>
    </message>
    <message>
        <source>packing face %1 of %2</source>
        <translation>packe Motiv %1 von %2</translation>
    </message>
</context>
<context>
    <name>CardSetMetadata</name>
    <message>
        <source>%1 names %2 faces instead of %3</source>
        <translation>%1 nennt %2 Motive statt %3</translation>
    </message>
    <message>
        <source>%1 has an empty face name</source>
        <translation>%1 hat einen leeren Motivnamen</translation>
    </message>
    <message>
        <source>there is no [%1] group</source>
        <translation>es gibt keine Gruppe [%1]</translation>
    </message>
    <message>
        <source>the set has no Name</source>
        <translation>der Kartensatz hat keinen Schlüssel Name</translation>
    </message>
</context>
<context>
    <name>CardSetStream</name>
    <message>
        <source>the back</source>
        <translation>die Rückseite</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>Motiv %1</translation>
    </message>
    <message>
        <source>the pictures unpack to more than %1 MiB</source>
        <translation>die Bilder ergeben entpackt mehr als %1 MiB</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1 is not well formed</source>
        <translation>%1 ist fehlerhaft aufgebaut</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture</source>
        <translation>%1 ist kein BMP-Bild</translation>
    </message>
    <message>
        <source>%1 is larger than %2 × %2 pixels</source>
        <translation>%1 ist größer als %2 × %2 Pixel</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture the game reads</source>
        <translation>%1 ist kein BMP-Bild, das das Spiel lesen kann</translation>
    </message>
    <message>
        <source>the picture stream is larger than %1 MiB</source>
        <translation>der Bilddatenstrom ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>the picture stream starts neither with MBML nor with MBMC</source>
        <translation>der Bilddatenstrom beginnt weder mit MBML noch mit MBMC</translation>
    </message>
    <message>
        <source>the picture stream holds %1 pictures instead of %2</source>
        <translation>der Bilddatenstrom enthält %1 Bilder statt %2</translation>
    </message>
    <message>
        <source>the picture stream goes on after its last picture</source>
        <translation>der Bilddatenstrom geht nach seinem letzten Bild weiter</translation>
    </message>
    <message>
        <source>the picture stream is cut short</source>
        <translation>der Bilddatenstrom ist abgeschnitten</translation>
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
        <translation>Aufruf: %1 BEFEHL [Optionen] ARGUMENTE
Macht, prüft und installiert Kartensätze für das Brivosta Memory Game.

Befehle:
  make --output DIR --name NAME [Optionen] BACK FACE1 ... FACE20
                       macht einen Kartensatz aus einer Rückseite und zwanzig Motiven
  check DIR            liest einen Kartensatz wie das Spiel und sagt, was falsch ist
  show DIR             zeigt die Angaben und Bilder eines Kartensatzes
  extract DIR OUTDIR   schreibt jedes Bild eines Kartensatzes als PNG-Datei
  install DIR          kopiert einen Kartensatz in deinen Ordner für Kartensätze

&apos;%1 BEFEHL --help&apos; beschreibt einen Befehl und seine Optionen.

Rückgabewerte: 0 fertig; 1 ein Bild, der Kartensatz oder ein vorhandener Ordner wird
abgelehnt und nichts wird geschrieben; 2 falscher Aufruf; 3 eine Datei oder ein
Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>ein Befehl wird gebraucht</translation>
    </message>
    <message>
        <source>there is no command “%1”</source>
        <translation>es gibt keinen Befehl „%1“</translation>
    </message>
    <message>
        <source>see %1 --help</source>
        <translation>siehe %1 --help</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Reads the card set in DIR as the game does and says what is wrong with it.</source>
        <translation>Liest den Kartensatz in DIR so wie das Spiel und sagt, was daran falsch ist.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Der Ordner des Kartensatzes.</translation>
    </message>
    <message>
        <source>%1: the card set “%2” can be used</source>
        <translation>%1: der Kartensatz „%2“ kann benutzt werden</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>see %1 --help</source>
        <translation>siehe %1 --help</translation>
    </message>
    <message>
        <source>the command takes %1, but %2 arguments are given</source>
        <translation>der Befehl nimmt %1, es sind aber %2 Argumente angegeben</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>line %1 is not well formed</source>
        <translation>Zeile %1 ist fehlerhaft aufgebaut</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>die Datei ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1 repeats the group [%2]</source>
        <translation>Zeile %1 wiederholt die Gruppe [%2]</translation>
    </message>
    <message>
        <source>line %1 repeats the key %2</source>
        <translation>Zeile %1 wiederholt den Schlüssel %2</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Replace the folder OUTDIR if it exists.</source>
        <translation>Den Ordner OUTDIR ersetzen, wenn es ihn gibt.</translation>
    </message>
    <message>
        <source>Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, then face-01.png to face-20.png.</source>
        <translation>Schreibt jedes Bild des Kartensatzes in DIR als PNG-Datei in den neuen Ordner OUTDIR: back.png, dann face-01.png bis face-20.png.</translation>
    </message>
    <message>
        <source>The folder of the set, then the folder to make.</source>
        <translation>Der Ordner des Kartensatzes, dann der neu anzulegende Ordner.</translation>
    </message>
    <message>
        <source>the picture cannot be written</source>
        <translation>das Bild kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrote the pictures of %1 into %2</source>
        <translation>die Bilder von %1 wurden in %2 geschrieben</translation>
    </message>
</context>
<context>
    <name>FolderReplacement</name>
    <message>
        <source>the folder cannot be moved here from %1</source>
        <translation>der Ordner kann nicht von %1 hierher verschoben werden</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>das ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>this folder exists already (--force replaces it)</source>
        <translation>diesen Ordner gibt es schon (--force ersetzt ihn)</translation>
    </message>
    <message>
        <source>this folder cannot be made</source>
        <translation>dieser Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>a folder cannot be made in this folder: %1</source>
        <translation>in diesem Ordner kann kein Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>the folder&apos;s permissions cannot be set</source>
        <translation>die Rechte des Ordners können nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace an installed set of the same folder name.</source>
        <translation>Einen installierten Kartensatz mit demselben Ordnernamen ersetzen.</translation>
    </message>
    <message>
        <source>Copies the card set in DIR, once it reads as the game reads it, into your card-set folder (%1), under the name of its folder.</source>
        <translation>Kopiert den Kartensatz in DIR, sobald er sich so lesen lässt, wie das Spiel ihn liest, unter dem Namen seines Ordners in deinen Ordner für Kartensätze (%1).</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Der Ordner des Kartensatzes.</translation>
    </message>
    <message>
        <source>installed %1 as %2</source>
        <translation>%1 wurde als %2 installiert</translation>
    </message>
</context>
<context>
    <name>MakeCommand</name>
    <message>
        <source>Write the set into the folder DIR.</source>
        <translation>Den Kartensatz in den Ordner DIR schreiben.</translation>
    </message>
    <message>
        <source>The set&apos;s name, as the game lists it.</source>
        <translation>Der Name des Kartensatzes, wie das Spiel ihn anzeigt.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Who made the pictures.</source>
        <translation>Wer die Bilder gemacht hat.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>The pictures&apos; licence, as an SPDX identifier.</source>
        <translation>Die Lizenz der Bilder, als SPDX-Kennung.</translation>
    </message>
    <message>
        <source>A line about the set.</source>
        <translation>Eine Zeile über den Kartensatz.</translation>
    </message>
    <message>
        <source>The twenty faces&apos; names, separated by &quot;;&quot; (default: the files&apos; names).</source>
        <translation>Die Namen der zwanzig Motive, getrennt durch &quot;;&quot; (ohne Angabe: die Namen der Dateien).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NAMEN</translation>
    </message>
    <message>
        <source>Write a plain stream (&quot;MBML&quot;) instead of a packed one.</source>
        <translation>Einen einfachen Datenstrom (&quot;MBML&quot;) statt eines gepackten schreiben.</translation>
    </message>
    <message>
        <source>Replace the folder DIR if it exists.</source>
        <translation>Den Ordner DIR ersetzen, wenn es ihn gibt.</translation>
    </message>
    <message>
        <source>Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, SVG). Each picture is fitted on a %2 x %2 square, on white.</source>
        <translation>Macht aus Bilddateien (PNG, JPEG, BMP, GIF, SVG) einen Kartensatz aus einer Rückseite und %1 Motiven. Jedes Bild wird in ein Quadrat von %2 x %2 auf Weiß eingepasst.</translation>
    </message>
    <message>
        <source>BACK FACE1 ... FACE%1</source>
        <translation>BACK FACE1 ... FACE%1</translation>
    </message>
    <message>
        <source>The picture files: the back, then the faces in their order.</source>
        <translation>Die Bilddateien: die Rückseite, dann die Motive in ihrer Reihenfolge.</translation>
    </message>
    <message>
        <source>make needs --%1</source>
        <translation>make braucht --%1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>schreibe %1</translation>
    </message>
    <message>
        <source>made the card set “%1” in %2</source>
        <translation>Kartensatz „%1“ in %2 angelegt</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>this is not a picture that can be read (%1)</source>
        <translation>das ist kein Bild, das gelesen werden kann (%1)</translation>
    </message>
    <message>
        <source>not a drawing that can be shown</source>
        <translation>keine Zeichnung, die gezeigt werden kann</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>this is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
</context>
<context>
    <name>PlayerTurnDescription</name>
    <message>
        <source>It is this player&apos;s turn</source>
        <translation>Dieser Spieler ist am Zug</translation>
    </message>
    <message>
        <source>It is the other player&apos;s turn</source>
        <translation>Der andere Spieler ist am Zug</translation>
    </message>
</context>
<context>
    <name>RadioGroupDescription</name>
    <message>
        <source>Selected: %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
</context>
<context>
    <name>SetFolderWriter</name>
    <message>
        <source>the written set does not read back: %1</source>
        <translation>der geschriebene Kartensatz lässt sich nicht wieder lesen: %1</translation>
    </message>
    <message>
        <source>the file cannot be copied here: %1</source>
        <translation>die Datei kann nicht hierher kopiert werden: %1</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Prints the metadata of the card set in DIR and the size and depth of each picture.</source>
        <translation>Zeigt die Angaben zum Kartensatz in DIR und Größe und Farbtiefe jedes Bildes.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Der Ordner des Kartensatzes.</translation>
    </message>
    <message>
        <source>Name: %1%2</source>
        <translation>Name: %1%2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Kommentar: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Urheber: %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Lizenz: %1</translation>
    </message>
    <message>
        <source>Stream: %1 (%2)</source>
        <translation>Datenstrom: %1 (%2)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>face %1, %2%3</source>
        <translation>Motiv %1, %2%3</translation>
    </message>
    <message>
        <source>Entry %1: %2 x %3, %4 bits, %5</source>
        <translation>Eintrag %1: %2 x %3, %4 Bit, %5</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Player 1 </source>
        <extracomment>The box of player 1&apos;s name, mistakes and points; the caption ends with a blank.</extracomment>
        <translation>Spieler 1 </translation>
    </message>
    <message>
        <source>Name :</source>
        <extracomment>&quot;Name :&quot;, &quot;Mistakes :&quot; and &quot;Points :&quot; stand left of the player&apos;s values, in about 48 pixels.</extracomment>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Mistakes :</source>
        <translation>Fehler :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Punkte :</translation>
    </message>
    <message>
        <source>Player 2 </source>
        <translation>Spieler 2 </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New  Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Fortgeschritten</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Zauberer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>Spiel&amp;typ</translation>
    </message>
    <message>
        <source>&amp;Show all Cards</source>
        <translation>Alle Karten auf&amp;decken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Brivosta Vire &amp;Help</source>
        <extracomment>Brivosta Vire is the program&apos;s name, kept as it is.</extracomment>
        <translation>&amp;Hilfe zu Brivosta Vire</translation>
    </message>
    <message>
        <source>&amp;About Brivosta  Memory Game</source>
        <translation>Ü&amp;ber Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>You have just beaten the computer, congratulations ! Show you are the best , beat him again.</source>
        <translation>Du hast den Computer besiegt, herzlichen Glückwunsch! Zeig, was du kannst, und besiege ihn noch einmal.</translation>
    </message>
    <message>
        <source>The computer has just  beaten you .Try again !</source>
        <translation>Der Computer hat dich besiegt. Versuch es noch einmal!</translation>
    </message>
    <message>
        <source>Congratulations %1 you won. %2 do not give up, try again.</source>
        <extracomment>%1 is the winner&apos;s name, %2 the loser&apos;s.</extracomment>
        <translation>Herzlichen Glückwunsch, %1, du hast gewonnen. %2, gib nicht auf und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Draw. Try again.</source>
        <translation>Unentschieden. Versucht es noch einmal.</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Möchtest du wirklich aufhören?</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
</context>
<context>
    <name>TablePlaceAccessible</name>
    <message>
        <source>taken</source>
        <translation>abgeräumt</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>The accessible name of a card place: its row and column on the table, then what lies there (&quot;face down&quot;, &quot;taken&quot; or the name of the card&apos;s picture).</extracomment>
        <translation>Reihe %1, Spalte %2, %3</translation>
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
        <translation>Ein Gedächtnisspiel für einen oder zwei Spieler:
finde die zwanzig Paare unter vierzig Karten,
gegen einen Freund oder gegen den Computer.

Version %1
Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>About Brivosta Memory Game</source>
        <translation>Über Brivosta Memory Game</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
        <translation>                               SO WIRD GESPIELT

          Brivosta Memory Game spielst du gegen den Computer oder gegen
einen Freund. Ziel des Spiels ist es, mehr Paare zu finden als der andere
Spieler.

          Klicke auf eine Karte, um sie umzudrehen und ihr Bild zu sehen,
und klicke dann auf eine zweite Karte. Zeigen beide Karten dasselbe Bild,
verlässt das Paar den Tisch und derselbe Spieler ist noch einmal dran.
Sind die Bilder verschieden, werden beide Karten wieder umgedreht und der
andere Spieler ist am Zug. Das Spiel endet, wenn keine Karte mehr auf dem
Tisch liegt.

          Jedes gefundene Paar bringt 10 Punkte, jeder Fehlversuch zählt
als Fehler. Die Kästen unter dem Tisch zeigen Namen, Punkte und Fehler
jedes Spielers.

          Wähle nach dem Start des Programms den Spieltyp aus. Um den
Spieltyp mitten im Spiel zu ändern, drücke F4; eine Wahl dort beginnt ein
neues Spiel.


                               SPIELSTUFEN

          Gegen den Computer kannst du zwischen drei Stufen wählen:

          -&gt; Anfänger: leicht zu spielen, gut für Kinder.
          -&gt; Fortgeschritten: Besiege den Computer schnell, sonst gewinnt er.
          -&gt; Zauberer: Jeder Fehler ist tödlich.

          Die Stufe wählst du im Menü Spiel.


                               SPIELOPTIONEN

          Drücke F3, um das Tempo der Animation und die Namen der Spieler
zu wählen, und bestätige deine Wahl mit OK.

          Drücke F2, um ein neues Spiel zu beginnen.

          Drücke F5, um alle Karten aufzudecken.

          Drücke Alt+F4, um das Programm zu beenden.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Welcome to Brivosta Memory Game Help</source>
        <translation>Willkommen zur Hilfe von Brivosta Memory Game</translation>
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
        <translation>Wie möchtest du spielen?</translation>
    </message>
    <message>
        <source>&amp;HUMAN x HUMAN</source>
        <translation>&amp;MENSCH x MENSCH</translation>
    </message>
    <message>
        <source>HUMAN x &amp;COMPUTER</source>
        <extracomment>Its letter may be the same as that of &quot;&amp;Close&quot;, as in English: the radio button takes it first.</extracomment>
        <translation>MENSCH x &amp;COMPUTER</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Möchtest du wirklich aufhören?</translation>
    </message>
</context>
<context>
    <name>TfrmOpcoes</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Animation Speed</source>
        <translation>Animations&amp;tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Player Names</source>
        <translation>S&amp;pielernamen</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>brivmemo::Exception</name>
    <message>
        <source>Stream read error</source>
        <translation>Fehler beim Lesen der Daten</translation>
    </message>
    <message>
        <source>Invalid BitmapList stream</source>
        <translation>Ungültige Bilderliste</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bild ist ungültig</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>%1 kann nicht %2 zugewiesen werden</translation>
    </message>
    <message>
        <source>LZRW Error!</source>
        <translation>LZRW-Fehler!</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Das Steuerelement „%1“ hat kein übergeordnetes Fenster</translation>
    </message>
    <message>
        <source>Input/output error while creating &quot;%1&quot;: %2</source>
        <translation>Ein-/Ausgabefehler beim Anlegen von „%1“: %2</translation>
    </message>
    <message>
        <source>Input/output error while opening &quot;%1&quot;: %2</source>
        <translation>Ein-/Ausgabefehler beim Öffnen von „%1“: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: %2</source>
        <translation>Ein-/Ausgabefehler beim Lesen von „%1“: %2</translation>
    </message>
    <message>
        <source>Input/output error while writing &quot;%1&quot;: %2</source>
        <translation>Ein-/Ausgabefehler beim Schreiben von „%1“: %2</translation>
    </message>
    <message>
        <source>Input/output error while closing &quot;%1&quot;: %2</source>
        <translation>Ein-/Ausgabefehler beim Schließen von „%1“: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: the file holds fewer than %2 bytes</source>
        <translation>Ein-/Ausgabefehler beim Lesen von „%1“: Die Datei enthält weniger als %2 Bytes</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardFlipper</name>
    <message>
        <source>&amp;Flip Cards</source>
        <translation>Karten &amp;wenden</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetCatalog</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
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
        <translation>&amp;Kartensatz</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetSwitcher</name>
    <message>
        <source>Card set “%1” cannot be used: %2</source>
        <translation>Der Kartensatz „%1“ kann nicht benutzt werden: %2</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameSounds</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Ton</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameStatistics</name>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statistik…</translation>
    </message>
    <message>
        <source>The statistics in %1 could not be read. They have been kept as %2, and new statistics have been started.</source>
        <translation>Die Statistik in %1 konnte nicht gelesen werden. Sie wurde als %2 aufbewahrt, und eine neue Statistik wurde begonnen.</translation>
    </message>
    <message>
        <source>The statistics in %1 cannot be kept: %2</source>
        <translation>Die Statistik in %1 kann nicht geführt werden: %2</translation>
    </message>
    <message>
        <source>The statistics of this game could not be saved: %1</source>
        <translation>Die Statistik dieses Spiels konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::StatisticsWindow</name>
    <message>
        <source>Two people</source>
        <translation>Zu zweit</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Computer, Anfänger</translation>
    </message>
    <message>
        <source>Computer, Intermediate</source>
        <translation>Computer, Fortgeschritten</translation>
    </message>
    <message>
        <source>Computer, Wizard</source>
        <translation>Computer, Zauberer</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Statistics by player and game</source>
        <translation>Statistik nach Spieler und Spiel</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Fewest mistakes</source>
        <translation>Wenigste Fehler</translation>
    </message>
    <message>
        <source>Moves per pair</source>
        <translation>Züge pro Paar</translation>
    </message>
    <message>
        <source>The best game: the fewest mistakes in one game</source>
        <translation>Das beste Spiel: die wenigsten Fehler in einem Spiel</translation>
    </message>
    <message>
        <source>All the player&apos;s moves over all the pairs taken</source>
        <translation>Alle Züge des Spielers geteilt durch alle gefundenen Paare</translation>
    </message>
    <message>
        <source>No game has been played to its end yet.</source>
        <translation>Es wurde noch kein Spiel zu Ende gespielt.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Do you really want to erase all the statistics ?</source>
        <translation>Möchtest du wirklich die ganze Statistik löschen?</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics</name>
    <message>
        <source>%1 cannot be renamed.</source>
        <translation>%1 kann nicht umbenannt werden.</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics::StatisticsStore</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Der Ordner für %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The statistics are not open.</source>
        <translation>Die Statistik ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed.</source>
        <translation>Der SQLite-Treiber von Qt ist nicht installiert.</translation>
    </message>
</context>
</TS>
