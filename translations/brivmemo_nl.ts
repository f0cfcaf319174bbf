<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CardFaceNames</name>
    <message>
        <source>dog</source>
        <extracomment>The animal on a card of the game&apos;s own pictures, told to people who cannot see it.</extracomment>
        <translation>hond</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>kat</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>leeuw</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>kikker</translation>
    </message>
    <message>
        <source>pig</source>
        <translation>varken</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>olifant</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pinguïn</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>vos</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>uil</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>inktvis</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>schildpad</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>walvis</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>vlinder</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>slak</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>krab</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>giraf</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>zebra</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>papegaai</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>aap</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>lieveheersbeestje</translation>
    </message>
</context>
<context>
    <name>CardSet</name>
    <message>
        <source>the folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>het bestand ontbreekt</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>het bestand is groter dan %1 KiB</translation>
    </message>
    <message>
        <source>a set needs %1 pictures, not %2</source>
        <translation>een kaartenset heeft %1 afbeeldingen nodig, niet %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>the set has no name</source>
        <translation>de kaartenset heeft geen naam</translation>
    </message>
    <message>
        <source>%1 face names are given, not %2</source>
        <translation>er zijn %1 motiefnamen opgegeven, niet %2</translation>
    </message>
    <message>
        <source>face %1 has no name</source>
        <translation>motief %1 heeft geen naam</translation>
    </message>
    <message>
        <source>a set needs one back and %1 faces, but %2 pictures are given</source>
        <translation>een kaartenset heeft een achterkant en %1 motieven nodig, maar er zijn %2 afbeeldingen opgegeven</translation>
    </message>
    <message>
        <source>reading the back</source>
        <translation>achterkant lezen</translation>
    </message>
    <message>
        <source>reading face %1 of %2</source>
        <translation>motief %1 van %2 lezen</translation>
    </message>
    <message>
        <source>comparing the faces</source>
        <translation>motieven vergelijken</translation>
    </message>
    <message>
        <source>it shows the same picture as %1</source>
        <translation>het toont dezelfde afbeelding als %1</translation>
    </message>
    <message>
        <source>a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)</source>
        <translation>een speler zou het niet van %1 kunnen onderscheiden (hun miniaturen verschillen %2 niveaus, minder dan %3)</translation>
    </message>
    <message>
        <source>packing the back</source>
        <translation>achterkant inpakken</translation>
    </message>
    <message>
        <source>packing face %1 of %2</source>
        <translation>motief %1 van %2 inpakken</translation>
    </message>
</context>
<context>
    <name>CardSetMetadata</name>
    <message>
        <source>%1 names %2 faces instead of %3</source>
        <translation>%1 noemt %2 motieven in plaats van %3</translation>
    </message>
    <message>
        <source>%1 has an empty face name</source>
        <translation>%1 heeft een lege motiefnaam</translation>
    </message>
    <message>
        <source>there is no [%1] group</source>
        <translation>er is geen groep [%1]</translation>
    </message>
    <message>
        <source>the set has no Name</source>
        <translation>de kaartenset heeft geen sleutel Name</translation>
    </message>
</context>
<context>
    <name>CardSetStream</name>
    <message>
        <source>the back</source>
        <translation>de achterkant</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>motief %1</translation>
    </message>
    <message>
        <source>the pictures unpack to more than %1 MiB</source>
        <translation>de afbeeldingen worden uitgepakt groter dan %1 MiB</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 houdt te vroeg op</translation>
    </message>
    <message>
        <source>%1 is not well formed</source>
        <translation>%1 is niet goed opgebouwd</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is leeg</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture</source>
        <translation>%1 is geen BMP-afbeelding</translation>
    </message>
    <message>
        <source>%1 is larger than %2 × %2 pixels</source>
        <translation>%1 is groter dan %2 × %2 pixels</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture the game reads</source>
        <translation>%1 is geen BMP-afbeelding die het spel kan lezen</translation>
    </message>
    <message>
        <source>the picture stream is larger than %1 MiB</source>
        <translation>de beeldstroom is groter dan %1 MiB</translation>
    </message>
    <message>
        <source>the picture stream starts neither with MBML nor with MBMC</source>
        <translation>de beeldstroom begint niet met MBML en ook niet met MBMC</translation>
    </message>
    <message>
        <source>the picture stream holds %1 pictures instead of %2</source>
        <translation>de beeldstroom bevat %1 afbeeldingen in plaats van %2</translation>
    </message>
    <message>
        <source>the picture stream goes on after its last picture</source>
        <translation>de beeldstroom gaat verder na de laatste afbeelding</translation>
    </message>
    <message>
        <source>the picture stream is cut short</source>
        <translation>de beeldstroom houdt te vroeg op</translation>
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
        <translation>Gebruik: %1 OPDRACHT [opties] ARGUMENTEN
Maakt, controleert en installeert kaartensets voor Brivosta Memory Game.

Opdrachten:
  make --output DIR --name NAAM [opties] BACK FACE1 ... FACE20
                       maakt een kaartenset van een achterkant en twintig motieven
  check DIR            leest een kaartenset zoals het spel en zegt wat er mis is
  show DIR             toont de gegevens en afbeeldingen van een kaartenset
  extract DIR OUTDIR   schrijft elke afbeelding van een kaartenset als PNG-bestand
  install DIR          kopieert een kaartenset naar je map met kaartensets

&apos;%1 OPDRACHT --help&apos; beschrijft een opdracht en de opties ervan.

Afsluitcodes: 0 klaar; 1 een afbeelding, de kaartenset of een bestaande map wordt
geweigerd en er wordt niets geschreven; 2 verkeerd gebruik; 3 een bestand of map
kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>er is een opdracht nodig</translation>
    </message>
    <message>
        <source>there is no command “%1”</source>
        <translation>er is geen opdracht “%1”</translation>
    </message>
    <message>
        <source>see %1 --help</source>
        <translation>zie %1 --help</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Reads the card set in DIR as the game does and says what is wrong with it.</source>
        <translation>Leest de kaartenset in DIR zoals het spel dat doet en zegt wat er mis mee is.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>De map van de kaartenset.</translation>
    </message>
    <message>
        <source>%1: the card set “%2” can be used</source>
        <translation>%1: de kaartenset “%2” kan worden gebruikt</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>see %1 --help</source>
        <translation>zie %1 --help</translation>
    </message>
    <message>
        <source>the command takes %1, but %2 arguments are given</source>
        <translation>de opdracht verwacht %1, maar er zijn %2 argumenten opgegeven</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>line %1 is not well formed</source>
        <translation>regel %1 is niet goed opgebouwd</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>het bestand is groter dan %1 KiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>het bestand is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>line %1 repeats the group [%2]</source>
        <translation>regel %1 herhaalt de groep [%2]</translation>
    </message>
    <message>
        <source>line %1 repeats the key %2</source>
        <translation>regel %1 herhaalt de sleutel %2</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Replace the folder OUTDIR if it exists.</source>
        <translation>De map OUTDIR vervangen als die bestaat.</translation>
    </message>
    <message>
        <source>Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, then face-01.png to face-20.png.</source>
        <translation>Schrijft elke afbeelding van de kaartenset in DIR als PNG-bestand in de nieuwe map OUTDIR: back.png, dan face-01.png tot en met face-20.png.</translation>
    </message>
    <message>
        <source>The folder of the set, then the folder to make.</source>
        <translation>De map van de kaartenset, dan de map die gemaakt moet worden.</translation>
    </message>
    <message>
        <source>the picture cannot be written</source>
        <translation>de afbeelding kan niet worden geschreven</translation>
    </message>
    <message>
        <source>wrote the pictures of %1 into %2</source>
        <translation>de afbeeldingen van %1 zijn in %2 geschreven</translation>
    </message>
</context>
<context>
    <name>FolderReplacement</name>
    <message>
        <source>the folder cannot be moved here from %1</source>
        <translation>de map kan niet van %1 hierheen worden verplaatst</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>dit is een bestand, geen map</translation>
    </message>
    <message>
        <source>this folder exists already (--force replaces it)</source>
        <translation>deze map bestaat al (--force vervangt hem)</translation>
    </message>
    <message>
        <source>this folder cannot be made</source>
        <translation>deze map kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>a folder cannot be made in this folder: %1</source>
        <translation>in deze map kan geen map worden gemaakt: %1</translation>
    </message>
    <message>
        <source>the folder&apos;s permissions cannot be set</source>
        <translation>de rechten van de map kunnen niet worden ingesteld</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace an installed set of the same folder name.</source>
        <translation>Een geïnstalleerde kaartenset met dezelfde mapnaam vervangen.</translation>
    </message>
    <message>
        <source>Copies the card set in DIR, once it reads as the game reads it, into your card-set folder (%1), under the name of its folder.</source>
        <translation>Kopieert de kaartenset in DIR, als die leest zoals het spel hem leest, naar je map met kaartensets (%1), onder de naam van zijn map.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>De map van de kaartenset.</translation>
    </message>
    <message>
        <source>installed %1 as %2</source>
        <translation>%1 geïnstalleerd als %2</translation>
    </message>
</context>
<context>
    <name>MakeCommand</name>
    <message>
        <source>Write the set into the folder DIR.</source>
        <translation>De kaartenset in de map DIR schrijven.</translation>
    </message>
    <message>
        <source>The set&apos;s name, as the game lists it.</source>
        <translation>De naam van de kaartenset, zoals het spel die toont.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAAM</translation>
    </message>
    <message>
        <source>Who made the pictures.</source>
        <translation>Wie de afbeeldingen heeft gemaakt.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEKST</translation>
    </message>
    <message>
        <source>The pictures&apos; licence, as an SPDX identifier.</source>
        <translation>De licentie van de afbeeldingen, als SPDX-code.</translation>
    </message>
    <message>
        <source>A line about the set.</source>
        <translation>Een regel over de kaartenset.</translation>
    </message>
    <message>
        <source>The twenty faces&apos; names, separated by &quot;;&quot; (default: the files&apos; names).</source>
        <translation>De namen van de twintig motieven, gescheiden door &quot;;&quot; (standaard: de namen van de bestanden).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NAMEN</translation>
    </message>
    <message>
        <source>Write a plain stream (&quot;MBML&quot;) instead of a packed one.</source>
        <translation>Een gewone stroom (&quot;MBML&quot;) schrijven in plaats van een ingepakte.</translation>
    </message>
    <message>
        <source>Replace the folder DIR if it exists.</source>
        <translation>De map DIR vervangen als die bestaat.</translation>
    </message>
    <message>
        <source>Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, SVG). Each picture is fitted on a %2 x %2 square, on white.</source>
        <translation>Maakt een kaartenset met een achterkant en %1 motieven uit afbeeldingsbestanden (PNG, JPEG, BMP, GIF, SVG). Elke afbeelding wordt in een vierkant van %2 x %2 gepast, op wit.</translation>
    </message>
    <message>
        <source>BACK FACE1 ... FACE%1</source>
        <translation>BACK FACE1 ... FACE%1</translation>
    </message>
    <message>
        <source>The picture files: the back, then the faces in their order.</source>
        <translation>De afbeeldingsbestanden: de achterkant, dan de motieven op volgorde.</translation>
    </message>
    <message>
        <source>make needs --%1</source>
        <translation>make heeft --%1 nodig</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>%1 schrijven</translation>
    </message>
    <message>
        <source>made the card set “%1” in %2</source>
        <translation>kaartenset “%1” gemaakt in %2</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>this is not a picture that can be read (%1)</source>
        <translation>dit is geen afbeelding die gelezen kan worden (%1)</translation>
    </message>
    <message>
        <source>not a drawing that can be shown</source>
        <translation>geen tekening die getoond kan worden</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>dit bestand bestaat niet</translation>
    </message>
    <message>
        <source>this is not a file</source>
        <translation>dit is geen bestand</translation>
    </message>
</context>
<context>
    <name>PlayerTurnDescription</name>
    <message>
        <source>It is this player&apos;s turn</source>
        <translation>Deze speler is aan de beurt</translation>
    </message>
    <message>
        <source>It is the other player&apos;s turn</source>
        <translation>De andere speler is aan de beurt</translation>
    </message>
</context>
<context>
    <name>RadioGroupDescription</name>
    <message>
        <source>Selected: %1</source>
        <translation>Gekozen: %1</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Niets gekozen</translation>
    </message>
</context>
<context>
    <name>SetFolderWriter</name>
    <message>
        <source>the written set does not read back: %1</source>
        <translation>de geschreven kaartenset laat zich niet teruglezen: %1</translation>
    </message>
    <message>
        <source>the file cannot be copied here: %1</source>
        <translation>het bestand kan niet hierheen worden gekopieerd: %1</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Prints the metadata of the card set in DIR and the size and depth of each picture.</source>
        <translation>Toont de gegevens van de kaartenset in DIR en de grootte en kleurdiepte van elke afbeelding.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>De map van de kaartenset.</translation>
    </message>
    <message>
        <source>Name: %1%2</source>
        <translation>Naam: %1%2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Opmerking: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Maker: %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licentie: %1</translation>
    </message>
    <message>
        <source>Stream: %1 (%2)</source>
        <translation>Stroom: %1 (%2)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>achterkant</translation>
    </message>
    <message>
        <source>face %1, %2%3</source>
        <translation>motief %1, %2%3</translation>
    </message>
    <message>
        <source>Entry %1: %2 x %3, %4 bits, %5</source>
        <translation>Item %1: %2 x %3, %4 bits, %5</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Player 1 </source>
        <extracomment>The box of player 1&apos;s name, mistakes and points; the caption ends with a blank.</extracomment>
        <translation>Speler 1 </translation>
    </message>
    <message>
        <source>Name :</source>
        <extracomment>&quot;Name :&quot;, &quot;Mistakes :&quot; and &quot;Points :&quot; stand left of the player&apos;s values, in about 48 pixels.</extracomment>
        <translation>Naam :</translation>
    </message>
    <message>
        <source>Mistakes :</source>
        <translation>Fouten :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Punten :</translation>
    </message>
    <message>
        <source>Player 2 </source>
        <translation>Speler 2 </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New  Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Beginner</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Gevorderd</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Tovenaar</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>Spel&amp;soort</translation>
    </message>
    <message>
        <source>&amp;Show all Cards</source>
        <translation>Alle &amp;kaarten tonen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Brivosta Vire &amp;Help</source>
        <extracomment>Brivosta Vire is the program&apos;s name, kept as it is.</extracomment>
        <translation>&amp;Help bij Brivosta Vire</translation>
    </message>
    <message>
        <source>&amp;About Brivosta  Memory Game</source>
        <translation>&amp;Over Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>You have just beaten the computer, congratulations ! Show you are the best , beat him again.</source>
        <translation>Je hebt de computer verslagen, gefeliciteerd! Laat zien dat je de beste bent en versla hem nog een keer.</translation>
    </message>
    <message>
        <source>The computer has just  beaten you .Try again !</source>
        <translation>De computer heeft je verslagen. Probeer het nog eens!</translation>
    </message>
    <message>
        <source>Congratulations %1 you won. %2 do not give up, try again.</source>
        <extracomment>%1 is the winner&apos;s name, %2 the loser&apos;s.</extracomment>
        <translation>Gefeliciteerd %1, je hebt gewonnen. %2, geef niet op en probeer het nog eens.</translation>
    </message>
    <message>
        <source>Draw. Try again.</source>
        <translation>Gelijkspel. Probeer het nog eens.</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Wil je echt stoppen?</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Card table</source>
        <translation>Kaartentafel</translation>
    </message>
</context>
<context>
    <name>TablePlaceAccessible</name>
    <message>
        <source>taken</source>
        <translation>weggenomen</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>dicht</translation>
    </message>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>The accessible name of a card place: its row and column on the table, then what lies there (&quot;face down&quot;, &quot;taken&quot; or the name of the card&apos;s picture).</extracomment>
        <translation>rij %1, kolom %2, %3</translation>
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
        <translation>Een geheugenspel voor een of twee spelers:
vind de twintig paren tussen veertig kaarten,
tegen een vriend of tegen de computer.

Versie %1
Vrije software onder de MIT-licentie.</translation>
    </message>
    <message>
        <source>About Brivosta Memory Game</source>
        <translation>Over Brivosta Memory Game</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
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
        <translation>                               ZO SPEEL JE HET SPEL

          Brivosta Memory Game speel je tegen de computer of tegen een
vriend. Het doel van het spel is meer paren te vinden dan de andere
speler.

          Klik op een kaart om hem om te draaien en zijn plaatje te zien,
en klik dan op een tweede kaart. Zijn de twee plaatjes gelijk, dan verlaat
het paar de tafel en speelt dezelfde speler nog een keer. Zijn ze
verschillend, dan worden beide kaarten weer omgedraaid en is de andere
speler aan de beurt. Het spel is afgelopen als er geen kaart meer op tafel
ligt.

          Elk gevonden paar levert 10 punten op, en elke misser telt als
een fout. De vakken onder de tafel tonen de naam, de punten en de fouten
van elke speler.

          Kies na het starten van het programma de soort spel die je wilt
spelen. Druk op F4 om midden in een spel de soort te veranderen; een keuze
daar begint een nieuw spel.


                               SPELNIVEAUS

          Tegen de computer kun je kiezen uit drie niveaus:

          -&gt; Beginner: makkelijk, een goed niveau voor kinderen.
          -&gt; Gevorderd: versla de computer snel, anders wint hij.
          -&gt; Tovenaar: elke fout is fataal.

          Kies het niveau in het menu Spel.


                               SPELOPTIES

          Druk op F3 om de animatiesnelheid en de namen van de spelers te
kiezen, en bevestig je keuze met OK.

          Druk op F2 om een nieuw spel te beginnen.

          Druk op F5 om alle kaarten te tonen.

          Druk op Alt+F4 om het programma af te sluiten.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Welcome to Brivosta Memory Game Help</source>
        <translation>Welkom bij de help van Brivosta Memory Game</translation>
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
        <translation>Hoe wil je spelen?</translation>
    </message>
    <message>
        <source>&amp;HUMAN x HUMAN</source>
        <translation>&amp;MENS x MENS</translation>
    </message>
    <message>
        <source>HUMAN x &amp;COMPUTER</source>
        <extracomment>Its letter may be the same as that of &quot;&amp;Close&quot;, as in English: the radio button takes it first.</extracomment>
        <translation>MENS x &amp;COMPUTER</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Wil je echt stoppen?</translation>
    </message>
</context>
<context>
    <name>TfrmOpcoes</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>&amp;Animation Speed</source>
        <translation>&amp;Animatiesnelheid</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langzaam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Snel</translation>
    </message>
    <message>
        <source>&amp;Player Names</source>
        <translation>S&amp;pelernamen</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Speler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Speler 2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uleren</translation>
    </message>
</context>
<context>
    <name>brivmemo::Exception</name>
    <message>
        <source>Stream read error</source>
        <translation>Fout bij het lezen van de gegevens</translation>
    </message>
    <message>
        <source>Invalid BitmapList stream</source>
        <translation>Ongeldige lijst met afbeeldingen</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Lijstindex buiten bereik (%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>De afbeelding is ongeldig</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>%1 kan niet aan %2 worden toegewezen</translation>
    </message>
    <message>
        <source>LZRW Error!</source>
        <translation>LZRW-fout!</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Het besturingselement ‘%1’ heeft geen bovenliggend venster</translation>
    </message>
    <message>
        <source>Input/output error while creating &quot;%1&quot;: %2</source>
        <translation>Invoer-/uitvoerfout bij het aanmaken van ‘%1’: %2</translation>
    </message>
    <message>
        <source>Input/output error while opening &quot;%1&quot;: %2</source>
        <translation>Invoer-/uitvoerfout bij het openen van ‘%1’: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: %2</source>
        <translation>Invoer-/uitvoerfout bij het lezen van ‘%1’: %2</translation>
    </message>
    <message>
        <source>Input/output error while writing &quot;%1&quot;: %2</source>
        <translation>Invoer-/uitvoerfout bij het schrijven van ‘%1’: %2</translation>
    </message>
    <message>
        <source>Input/output error while closing &quot;%1&quot;: %2</source>
        <translation>Invoer-/uitvoerfout bij het sluiten van ‘%1’: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: the file holds fewer than %2 bytes</source>
        <translation>Invoer-/uitvoerfout bij het lezen van ‘%1’: het bestand bevat minder dan %2 bytes</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardFlipper</name>
    <message>
        <source>&amp;Flip Cards</source>
        <translation>Kaarten &amp;omdraaien</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetCatalog</name>
    <message>
        <source>Animals</source>
        <translation>Dieren</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetMenu</name>
    <message>
        <source>&amp;Extras</source>
        <translation>&amp;Extra&apos;s</translation>
    </message>
    <message>
        <source>&amp;Card Set</source>
        <translation>&amp;Kaartenset</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetSwitcher</name>
    <message>
        <source>Card set “%1” cannot be used: %2</source>
        <translation>De kaartenset “%1” kan niet worden gebruikt: %2</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameSounds</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Geluid</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameStatistics</name>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statistieken…</translation>
    </message>
    <message>
        <source>The statistics in %1 could not be read. They have been kept as %2, and new statistics have been started.</source>
        <translation>De statistieken in %1 konden niet worden gelezen. Ze zijn bewaard als %2 en er zijn nieuwe statistieken begonnen.</translation>
    </message>
    <message>
        <source>The statistics in %1 cannot be kept: %2</source>
        <translation>De statistieken in %1 kunnen niet worden bijgehouden: %2</translation>
    </message>
    <message>
        <source>The statistics of this game could not be saved: %1</source>
        <translation>De statistieken van dit spel konden niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::StatisticsWindow</name>
    <message>
        <source>Two people</source>
        <translation>Twee personen</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Computer, Beginner</translation>
    </message>
    <message>
        <source>Computer, Intermediate</source>
        <translation>Computer, Gevorderd</translation>
    </message>
    <message>
        <source>Computer, Wizard</source>
        <translation>Computer, Tovenaar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Statistics by player and game</source>
        <translation>Statistieken per speler en spel</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Fewest mistakes</source>
        <translation>Minste fouten</translation>
    </message>
    <message>
        <source>Moves per pair</source>
        <translation>Zetten per paar</translation>
    </message>
    <message>
        <source>The best game: the fewest mistakes in one game</source>
        <translation>Het beste spel: de minste fouten in één spel</translation>
    </message>
    <message>
        <source>All the player&apos;s moves over all the pairs taken</source>
        <translation>Alle zetten van de speler gedeeld door alle gevonden paren</translation>
    </message>
    <message>
        <source>No game has been played to its end yet.</source>
        <translation>Er is nog geen spel uitgespeeld.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Do you really want to erase all the statistics ?</source>
        <translation>Wil je echt alle statistieken wissen?</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics</name>
    <message>
        <source>%1 cannot be renamed.</source>
        <translation>%1 kan niet worden hernoemd.</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics::StatisticsStore</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>De map van %1 kan niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The statistics are not open.</source>
        <translation>De statistieken zijn niet geopend.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed.</source>
        <translation>Het SQLite-stuurprogramma van Qt is niet geïnstalleerd.</translation>
    </message>
</context>
</TS>
