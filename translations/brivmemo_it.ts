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
</TS>
