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
</TS>
