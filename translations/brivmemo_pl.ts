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
</TS>
