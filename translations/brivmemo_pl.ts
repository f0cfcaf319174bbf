<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CardFaceNames</name>
    <message>
        <source>dog</source>
        <extracomment>The animal on a card of the game&apos;s own pictures, told to people who cannot see it.</extracomment>
        <translation>pies</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>kot</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>lew</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>żaba</translation>
    </message>
    <message>
        <source>pig</source>
        <translation>świnia</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>słoń</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingwin</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>sowa</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>ośmiornica</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>żółw</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>wieloryb</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>motyl</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>ślimak</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>krab</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>żyrafa</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>zebra</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>papuga</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>małpa</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>biedronka</translation>
    </message>
</context>
<context>
    <name>CardSet</name>
    <message>
        <source>the folder does not exist</source>
        <translation>folder nie istnieje</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>brakuje pliku</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>plik jest większy niż %1 KiB</translation>
    </message>
    <message>
        <source>a set needs %1 pictures, not %2</source>
        <translation>zestaw potrzebuje %1 obrazków, a nie %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>the set has no name</source>
        <translation>zestaw nie ma nazwy</translation>
    </message>
    <message>
        <source>%1 face names are given, not %2</source>
        <translation>podano %1 nazw motywów, a nie %2</translation>
    </message>
    <message>
        <source>face %1 has no name</source>
        <translation>motyw %1 nie ma nazwy</translation>
    </message>
    <message>
        <source>a set needs one back and %1 faces, but %2 pictures are given</source>
        <translation>zestaw potrzebuje rewersu i %1 motywów, a podano %2 obrazków</translation>
    </message>
    <message>
        <source>reading the back</source>
        <translation>czytanie rewersu</translation>
    </message>
    <message>
        <source>reading face %1 of %2</source>
        <translation>czytanie motywu %1 z %2</translation>
    </message>
    <message>
        <source>comparing the faces</source>
        <translation>porównywanie motywów</translation>
    </message>
    <message>
        <source>it shows the same picture as %1</source>
        <translation>pokazuje ten sam obrazek co %1</translation>
    </message>
    <message>
        <source>a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)</source>
        <translation>gracz nie odróżniłby go od %1 (ich miniatury różnią się o %2 poziomów, mniej niż %3)</translation>
    </message>
    <message>
        <source>packing the back</source>
        <translation>pakowanie rewersu</translation>
    </message>
    <message>
        <source>packing face %1 of %2</source>
        <translation>pakowanie motywu %1 z %2</translation>
    </message>
</context>
<context>
    <name>CardSetMetadata</name>
    <message>
        <source>%1 names %2 faces instead of %3</source>
        <translation>%1 podaje %2 motywów zamiast %3</translation>
    </message>
    <message>
        <source>%1 has an empty face name</source>
        <translation>%1 ma pustą nazwę motywu</translation>
    </message>
    <message>
        <source>there is no [%1] group</source>
        <translation>brak grupy [%1]</translation>
    </message>
    <message>
        <source>the set has no Name</source>
        <translation>zestaw nie ma klucza Name</translation>
    </message>
</context>
<context>
    <name>CardSetStream</name>
    <message>
        <source>the back</source>
        <translation>rewers</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>motyw %1</translation>
    </message>
    <message>
        <source>the pictures unpack to more than %1 MiB</source>
        <translation>rozpakowane obrazki zajmują ponad %1 MiB</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 jest ucięty</translation>
    </message>
    <message>
        <source>%1 is not well formed</source>
        <translation>%1 ma błędną budowę</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 jest pusty</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture</source>
        <translation>%1 nie jest obrazem BMP</translation>
    </message>
    <message>
        <source>%1 is larger than %2 × %2 pixels</source>
        <translation>%1 jest większy niż %2 × %2 pikseli</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture the game reads</source>
        <translation>%1 nie jest obrazem BMP, który gra potrafi odczytać</translation>
    </message>
    <message>
        <source>the picture stream is larger than %1 MiB</source>
        <translation>strumień obrazków jest większy niż %1 MiB</translation>
    </message>
    <message>
        <source>the picture stream starts neither with MBML nor with MBMC</source>
        <translation>strumień obrazków nie zaczyna się ani od MBML, ani od MBMC</translation>
    </message>
    <message>
        <source>the picture stream holds %1 pictures instead of %2</source>
        <translation>strumień obrazków zawiera %1 obrazków zamiast %2</translation>
    </message>
    <message>
        <source>the picture stream goes on after its last picture</source>
        <translation>strumień obrazków ciągnie się dalej po ostatnim obrazku</translation>
    </message>
    <message>
        <source>the picture stream is cut short</source>
        <translation>strumień obrazków jest ucięty</translation>
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
        <translation>Użycie: %1 POLECENIE [opcje] ARGUMENTY
Tworzy, sprawdza i instaluje zestawy kart do gry Brivosta Memory Game.

Polecenia:
  make --output DIR --name NAZWA [opcje] BACK FACE1 ... FACE20
                       tworzy zestaw z rewersu i dwudziestu motywów
  check DIR            czyta zestaw tak jak gra i mówi, co jest nie tak
  show DIR             wypisuje metadane i obrazki zestawu
  extract DIR OUTDIR   zapisuje każdy obrazek zestawu jako plik PNG
  install DIR          kopiuje zestaw do twojego folderu zestawów kart

&apos;%1 POLECENIE --help&apos; opisuje polecenie i jego opcje.

Kody wyjścia: 0 gotowe; 1 obrazek, zestaw lub istniejący folder zostaje odrzucony
i nic nie jest zapisywane; 2 złe użycie; 3 nie można zapisać pliku lub folderu.</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>potrzebne jest polecenie</translation>
    </message>
    <message>
        <source>there is no command “%1”</source>
        <translation>nie ma polecenia „%1”</translation>
    </message>
    <message>
        <source>see %1 --help</source>
        <translation>zobacz %1 --help</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Reads the card set in DIR as the game does and says what is wrong with it.</source>
        <translation>Czyta zestaw kart z DIR tak jak gra i mówi, co jest w nim nie tak.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Folder zestawu.</translation>
    </message>
    <message>
        <source>%1: the card set “%2” can be used</source>
        <translation>%1: zestawu kart „%2” można używać</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>see %1 --help</source>
        <translation>zobacz %1 --help</translation>
    </message>
    <message>
        <source>the command takes %1, but %2 arguments are given</source>
        <translation>polecenie przyjmuje %1, a podano %2 argumentów</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>line %1 is not well formed</source>
        <translation>wiersz %1 ma błędną budowę</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>plik jest większy niż %1 KiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>plik nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>line %1 repeats the group [%2]</source>
        <translation>wiersz %1 powtarza grupę [%2]</translation>
    </message>
    <message>
        <source>line %1 repeats the key %2</source>
        <translation>wiersz %1 powtarza klucz %2</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Replace the folder OUTDIR if it exists.</source>
        <translation>Zastąp folder OUTDIR, jeśli istnieje.</translation>
    </message>
    <message>
        <source>Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, then face-01.png to face-20.png.</source>
        <translation>Zapisuje każdy obrazek zestawu kart z DIR do nowego folderu OUTDIR jako plik PNG: back.png, potem od face-01.png do face-20.png.</translation>
    </message>
    <message>
        <source>The folder of the set, then the folder to make.</source>
        <translation>Folder zestawu, a potem folder do utworzenia.</translation>
    </message>
    <message>
        <source>the picture cannot be written</source>
        <translation>nie można zapisać obrazka</translation>
    </message>
    <message>
        <source>wrote the pictures of %1 into %2</source>
        <translation>zapisano obrazki z %1 w %2</translation>
    </message>
</context>
<context>
    <name>FolderReplacement</name>
    <message>
        <source>the folder cannot be moved here from %1</source>
        <translation>nie można przenieść tutaj folderu z %1</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>to jest plik, a nie folder</translation>
    </message>
    <message>
        <source>this folder exists already (--force replaces it)</source>
        <translation>ten folder już istnieje (--force go zastępuje)</translation>
    </message>
    <message>
        <source>this folder cannot be made</source>
        <translation>nie można utworzyć tego folderu</translation>
    </message>
    <message>
        <source>a folder cannot be made in this folder: %1</source>
        <translation>nie można utworzyć folderu w tym folderze: %1</translation>
    </message>
    <message>
        <source>the folder&apos;s permissions cannot be set</source>
        <translation>nie można ustawić uprawnień folderu</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace an installed set of the same folder name.</source>
        <translation>Zastąp zainstalowany zestaw o tej samej nazwie folderu.</translation>
    </message>
    <message>
        <source>Copies the card set in DIR, once it reads as the game reads it, into your card-set folder (%1), under the name of its folder.</source>
        <translation>Kopiuje zestaw kart z DIR, jeśli da się go odczytać tak jak gra, do twojego folderu zestawów kart (%1), pod nazwą jego folderu.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Folder zestawu.</translation>
    </message>
    <message>
        <source>installed %1 as %2</source>
        <translation>zainstalowano %1 jako %2</translation>
    </message>
</context>
<context>
    <name>MakeCommand</name>
    <message>
        <source>Write the set into the folder DIR.</source>
        <translation>Zapisz zestaw w folderze DIR.</translation>
    </message>
    <message>
        <source>The set&apos;s name, as the game lists it.</source>
        <translation>Nazwa zestawu, tak jak pokazuje ją gra.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>Who made the pictures.</source>
        <translation>Kto zrobił obrazki.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEKST</translation>
    </message>
    <message>
        <source>The pictures&apos; licence, as an SPDX identifier.</source>
        <translation>Licencja obrazków jako identyfikator SPDX.</translation>
    </message>
    <message>
        <source>A line about the set.</source>
        <translation>Jedno zdanie o zestawie.</translation>
    </message>
    <message>
        <source>The twenty faces&apos; names, separated by &quot;;&quot; (default: the files&apos; names).</source>
        <translation>Nazwy dwudziestu motywów, rozdzielone znakiem &quot;;&quot; (domyślnie: nazwy plików).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NAZWY</translation>
    </message>
    <message>
        <source>Write a plain stream (&quot;MBML&quot;) instead of a packed one.</source>
        <translation>Zapisz zwykły strumień (&quot;MBML&quot;) zamiast spakowanego.</translation>
    </message>
    <message>
        <source>Replace the folder DIR if it exists.</source>
        <translation>Zastąp folder DIR, jeśli istnieje.</translation>
    </message>
    <message>
        <source>Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, SVG). Each picture is fitted on a %2 x %2 square, on white.</source>
        <translation>Tworzy zestaw kart z rewersu i %1 motywów z plików obrazów (PNG, JPEG, BMP, GIF, SVG). Każdy obrazek jest dopasowany do kwadratu %2 x %2, na białym tle.</translation>
    </message>
    <message>
        <source>BACK FACE1 ... FACE%1</source>
        <translation>BACK FACE1 ... FACE%1</translation>
    </message>
    <message>
        <source>The picture files: the back, then the faces in their order.</source>
        <translation>Pliki obrazów: rewers, a potem motywy po kolei.</translation>
    </message>
    <message>
        <source>make needs --%1</source>
        <translation>make potrzebuje --%1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>zapisywanie %1</translation>
    </message>
    <message>
        <source>made the card set “%1” in %2</source>
        <translation>utworzono zestaw kart „%1” w %2</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>this is not a picture that can be read (%1)</source>
        <translation>to nie jest obrazek, który da się odczytać (%1)</translation>
    </message>
    <message>
        <source>not a drawing that can be shown</source>
        <translation>nie jest to rysunek, który da się pokazać</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>this is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
</context>
<context>
    <name>PlayerTurnDescription</name>
    <message>
        <source>It is this player&apos;s turn</source>
        <translation>Teraz ruch tego gracza</translation>
    </message>
    <message>
        <source>It is the other player&apos;s turn</source>
        <translation>Teraz ruch drugiego gracza</translation>
    </message>
</context>
<context>
    <name>RadioGroupDescription</name>
    <message>
        <source>Selected: %1</source>
        <translation>Wybrano: %1</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nic nie wybrano</translation>
    </message>
</context>
<context>
    <name>SetFolderWriter</name>
    <message>
        <source>the written set does not read back: %1</source>
        <translation>zapisanego zestawu nie da się odczytać: %1</translation>
    </message>
    <message>
        <source>the file cannot be copied here: %1</source>
        <translation>nie można skopiować tutaj pliku: %1</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Prints the metadata of the card set in DIR and the size and depth of each picture.</source>
        <translation>Wypisuje metadane zestawu kart z DIR oraz rozmiar i głębię kolorów każdego obrazka.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Folder zestawu.</translation>
    </message>
    <message>
        <source>Name: %1%2</source>
        <translation>Nazwa: %1%2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Komentarz: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licencja: %1</translation>
    </message>
    <message>
        <source>Stream: %1 (%2)</source>
        <translation>Strumień: %1 (%2)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>rewers</translation>
    </message>
    <message>
        <source>face %1, %2%3</source>
        <translation>motyw %1, %2%3</translation>
    </message>
    <message>
        <source>Entry %1: %2 x %3, %4 bits, %5</source>
        <translation>Pozycja %1: %2 x %3, %4 bitów, %5</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Player 1 </source>
        <extracomment>The box of player 1&apos;s name, mistakes and points; the caption ends with a blank.</extracomment>
        <translation>Gracz 1 </translation>
    </message>
    <message>
        <source>Name :</source>
        <extracomment>&quot;Name :&quot;, &quot;Mistakes :&quot; and &quot;Points :&quot; stand left of the player&apos;s values, in about 48 pixels.</extracomment>
        <translation>Imię :</translation>
    </message>
    <message>
        <source>Mistakes :</source>
        <translation>Błędy :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Punkty :</translation>
    </message>
    <message>
        <source>Player 2 </source>
        <translation>Gracz 2 </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New  Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Początkujący</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>Ś&amp;redni</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Czarodziej</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>Rodzaj &amp;gry</translation>
    </message>
    <message>
        <source>&amp;Show all Cards</source>
        <translation>Pokaż &amp;wszystkie karty</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Brivosta Vire &amp;Help</source>
        <extracomment>Brivosta Vire is the program&apos;s name, kept as it is.</extracomment>
        <translation>&amp;Pomoc do gry Brivosta Vire</translation>
    </message>
    <message>
        <source>&amp;About Brivosta  Memory Game</source>
        <translation>&amp;O grze Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>You have just beaten the computer, congratulations ! Show you are the best , beat him again.</source>
        <translation>Komputer pokonany, gratulacje! Pokaż jeszcze raz, na co cię stać, i znowu go pokonaj.</translation>
    </message>
    <message>
        <source>The computer has just  beaten you .Try again !</source>
        <translation>Komputer cię pokonał. Spróbuj jeszcze raz!</translation>
    </message>
    <message>
        <source>Congratulations %1 you won. %2 do not give up, try again.</source>
        <extracomment>%1 is the winner&apos;s name, %2 the loser&apos;s.</extracomment>
        <translation>Gratulacje, %1, wygrywasz. %2, nie poddawaj się, spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Draw. Try again.</source>
        <translation>Remis. Spróbujcie jeszcze raz.</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Czy na pewno chcesz wyjść?</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Card table</source>
        <translation>Stół z kartami</translation>
    </message>
</context>
<context>
    <name>TablePlaceAccessible</name>
    <message>
        <source>taken</source>
        <translation>zabrana</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>The accessible name of a card place: its row and column on the table, then what lies there (&quot;face down&quot;, &quot;taken&quot; or the name of the card&apos;s picture).</extracomment>
        <translation>rząd %1, kolumna %2, %3</translation>
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
        <translation>Gra pamięciowa dla jednego lub dwóch graczy:
znajdź dwadzieścia par wśród czterdziestu kart,
z przyjacielem albo z komputerem.

Wersja %1
Wolne oprogramowanie na licencji MIT.</translation>
    </message>
    <message>
        <source>About Brivosta Memory Game</source>
        <translation>O grze Brivosta Memory Game</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
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
        <translation>                               JAK GRAĆ

          W Brivosta Memory Game grasz z komputerem albo z przyjacielem.
Celem gry jest znalezienie większej liczby par niż drugi gracz.

          Kliknij kartę, żeby ją odwrócić i zobaczyć jej obrazek, a potem
kliknij drugą kartę. Jeśli oba obrazki są takie same, para znika ze stołu
i ten sam gracz gra dalej. Jeśli są różne, obie karty znów się zakrywają i
ruch ma drugi gracz. Gra kończy się, gdy na stole nie ma już żadnej karty.

          Każda znaleziona para daje 10 punktów, a każda nieudana próba
liczy się jako błąd. Ramki pod stołem pokazują imię, punkty i błędy
każdego gracza.

          Po uruchomieniu programu wybierz rodzaj gry. Aby zmienić rodzaj
gry w jej trakcie, naciśnij F4; wybór rodzaju zaczyna nową grę.


                               POZIOMY GRY

          Grając z komputerem, możesz wybrać jeden z trzech poziomów:

          -&gt; Początkujący: łatwy, dobry poziom dla dzieci.
          -&gt; Średni: pokonaj komputer szybko, bo inaczej on wygra.
          -&gt; Czarodziej: każdy błąd jest zgubny.

          Poziom wybierzesz w menu Gra.


                               OPCJE GRY

          Naciśnij F3, żeby wybrać tempo animacji i imiona graczy, a potem
potwierdź wybór przyciskiem OK.

          Naciśnij F2, żeby zacząć nową grę.

          Naciśnij F5, żeby pokazać wszystkie karty.

          Naciśnij Alt+F4, żeby zakończyć program.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Welcome to Brivosta Memory Game Help</source>
        <translation>Witaj w pomocy gry Brivosta Memory Game</translation>
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
        <translation>Jak chcesz grać?</translation>
    </message>
    <message>
        <source>&amp;HUMAN x HUMAN</source>
        <translation>&amp;GRACZ x GRACZ</translation>
    </message>
    <message>
        <source>HUMAN x &amp;COMPUTER</source>
        <extracomment>Its letter may be the same as that of &quot;&amp;Close&quot;, as in English: the radio button takes it first.</extracomment>
        <translation>GRACZ x &amp;KOMPUTER</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Czy na pewno chcesz wyjść?</translation>
    </message>
</context>
<context>
    <name>TfrmOpcoes</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>&amp;Animation Speed</source>
        <translation>&amp;Tempo animacji</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Wolno</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normalnie</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Szybko</translation>
    </message>
    <message>
        <source>&amp;Player Names</source>
        <translation>&amp;Imiona graczy</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Gracz 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Gracz 2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>brivmemo::Exception</name>
    <message>
        <source>Stream read error</source>
        <translation>Błąd odczytu danych</translation>
    </message>
    <message>
        <source>Invalid BitmapList stream</source>
        <translation>Nieprawidłowa lista obrazków</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indeks listy poza zakresem (%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obrazek jest nieprawidłowy</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>Nie można przypisać %1 do %2</translation>
    </message>
    <message>
        <source>LZRW Error!</source>
        <translation>Błąd LZRW!</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Kontrolka „%1” nie ma okna nadrzędnego</translation>
    </message>
    <message>
        <source>Input/output error while creating &quot;%1&quot;: %2</source>
        <translation>Błąd wejścia/wyjścia podczas tworzenia „%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while opening &quot;%1&quot;: %2</source>
        <translation>Błąd wejścia/wyjścia podczas otwierania „%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: %2</source>
        <translation>Błąd wejścia/wyjścia podczas odczytu „%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while writing &quot;%1&quot;: %2</source>
        <translation>Błąd wejścia/wyjścia podczas zapisu „%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while closing &quot;%1&quot;: %2</source>
        <translation>Błąd wejścia/wyjścia podczas zamykania „%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: the file holds fewer than %2 bytes</source>
        <translation>Błąd wejścia/wyjścia podczas odczytu „%1”: plik zawiera mniej niż %2 bajtów</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardFlipper</name>
    <message>
        <source>&amp;Flip Cards</source>
        <translation>&amp;Obracanie kart</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetCatalog</name>
    <message>
        <source>Animals</source>
        <translation>Zwierzęta</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetMenu</name>
    <message>
        <source>&amp;Extras</source>
        <translation>&amp;Dodatki</translation>
    </message>
    <message>
        <source>&amp;Card Set</source>
        <translation>&amp;Zestaw kart</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetSwitcher</name>
    <message>
        <source>Card set “%1” cannot be used: %2</source>
        <translation>Nie można użyć zestawu kart „%1”: %2</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameSounds</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameStatistics</name>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Statystyki…</translation>
    </message>
    <message>
        <source>The statistics in %1 could not be read. They have been kept as %2, and new statistics have been started.</source>
        <translation>Nie udało się odczytać statystyk z %1. Zostały zachowane jako %2 i rozpoczęto nowe statystyki.</translation>
    </message>
    <message>
        <source>The statistics in %1 cannot be kept: %2</source>
        <translation>Nie można prowadzić statystyk w %1: %2</translation>
    </message>
    <message>
        <source>The statistics of this game could not be saved: %1</source>
        <translation>Nie udało się zapisać statystyk tej gry: %1</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::StatisticsWindow</name>
    <message>
        <source>Two people</source>
        <translation>Dwie osoby</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Komputer, Początkujący</translation>
    </message>
    <message>
        <source>Computer, Intermediate</source>
        <translation>Komputer, Średni</translation>
    </message>
    <message>
        <source>Computer, Wizard</source>
        <translation>Komputer, Czarodziej</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Statistics by player and game</source>
        <translation>Statystyki według gracza i gry</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Rodzaj gry</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Remisy</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Fewest mistakes</source>
        <translation>Najmniej błędów</translation>
    </message>
    <message>
        <source>Moves per pair</source>
        <translation>Ruchy na parę</translation>
    </message>
    <message>
        <source>The best game: the fewest mistakes in one game</source>
        <translation>Najlepsza gra: najmniej błędów w jednej grze</translation>
    </message>
    <message>
        <source>All the player&apos;s moves over all the pairs taken</source>
        <translation>Wszystkie ruchy gracza podzielone przez wszystkie zebrane pary</translation>
    </message>
    <message>
        <source>No game has been played to its end yet.</source>
        <translation>Żadna gra nie została jeszcze rozegrana do końca.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Do you really want to erase all the statistics ?</source>
        <translation>Czy na pewno chcesz usunąć wszystkie statystyki?</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics</name>
    <message>
        <source>%1 cannot be renamed.</source>
        <translation>Nie można zmienić nazwy %1.</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics::StatisticsStore</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Nie można utworzyć folderu dla %1.</translation>
    </message>
    <message>
        <source>The statistics are not open.</source>
        <translation>Statystyki nie są otwarte.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed.</source>
        <translation>Sterownik SQLite dla Qt nie jest zainstalowany.</translation>
    </message>
</context>
</TS>
