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
</TS>
