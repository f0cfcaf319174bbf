<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardFaceNames</name>
    <message>
        <source>dog</source>
        <extracomment>The animal on a card of the game&apos;s own pictures, told to people who cannot see it.</extracomment>
        <translation>chien</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>lion</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>grenouille</translation>
    </message>
    <message>
        <source>pig</source>
        <translation>cochon</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>éléphant</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pingouin</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>renard</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>hibou</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>pieuvre</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tortue</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>baleine</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>papillon</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>escargot</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>crabe</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>girafe</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>zèbre</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>perroquet</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>singe</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>coccinelle</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>PlayerTurnDescription</name>
    <message>
        <source>It is this player&apos;s turn</source>
        <translation>C&apos;est au tour de ce joueur</translation>
    </message>
    <message>
        <source>It is the other player&apos;s turn</source>
        <translation>C&apos;est au tour de l&apos;autre joueur</translation>
    </message>
</context>
<context>
    <name>RadioGroupDescription</name>
    <message>
        <source>Selected: %1</source>
        <translation>Choisi : %1</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Rien de choisi</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Player 1 </source>
        <extracomment>The box of player 1&apos;s name, mistakes and points; the caption ends with a blank.</extracomment>
        <translation>Joueur 1 </translation>
    </message>
    <message>
        <source>Name :</source>
        <extracomment>&quot;Name :&quot;, &quot;Mistakes :&quot; and &quot;Points :&quot; stand left of the player&apos;s values, in about 48 pixels.</extracomment>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Mistakes :</source>
        <translation>Erreurs :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Points :</translation>
    </message>
    <message>
        <source>Player 2 </source>
        <translation>Joueur 2 </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New  Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Magicien</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>&amp;Type de partie</translation>
    </message>
    <message>
        <source>&amp;Show all Cards</source>
        <translation>Montrer toutes les &amp;cartes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Brivosta Vire &amp;Help</source>
        <extracomment>Brivosta Vire is the program&apos;s name, kept as it is.</extracomment>
        <translation>&amp;Aide de Brivosta Vire</translation>
    </message>
    <message>
        <source>&amp;About Brivosta  Memory Game</source>
        <translation>À &amp;propos de Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>You have just beaten the computer, congratulations ! Show you are the best , beat him again.</source>
        <translation>Tu as battu l&apos;ordinateur, bravo ! Montre ce que tu sais faire et bats-le encore une fois.</translation>
    </message>
    <message>
        <source>The computer has just  beaten you .Try again !</source>
        <translation>L&apos;ordinateur vient de te battre. Essaie encore !</translation>
    </message>
    <message>
        <source>Congratulations %1 you won. %2 do not give up, try again.</source>
        <extracomment>%1 is the winner&apos;s name, %2 the loser&apos;s.</extracomment>
        <translation>Bravo %1, tu as gagné. %2, ne te décourage pas, essaie encore.</translation>
    </message>
    <message>
        <source>Draw. Try again.</source>
        <translation>Match nul. Essayez encore.</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Veux-tu vraiment quitter ?</translation>
    </message>
</context>
<context>
    <name>TableAccessible</name>
    <message>
        <source>Card table</source>
        <translation>Table des cartes</translation>
    </message>
</context>
<context>
    <name>TablePlaceAccessible</name>
    <message>
        <source>taken</source>
        <translation>retirée</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>The accessible name of a card place: its row and column on the table, then what lies there (&quot;face down&quot;, &quot;taken&quot; or the name of the card&apos;s picture).</extracomment>
        <translation>ligne %1, colonne %2, %3</translation>
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
        <translation>Un jeu de mémoire pour un ou deux joueurs :
trouve les vingt paires parmi quarante cartes,
contre un ami ou contre l&apos;ordinateur.

Version %1
Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>About Brivosta Memory Game</source>
        <translation>À propos de Brivosta Memory Game</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>                               COMMENT JOUER

          Brivosta Memory Game se joue contre l&apos;ordinateur ou contre un
ami. Le but du jeu est de trouver plus de paires que l&apos;autre joueur.

          Clique sur une carte pour la retourner et voir son image, puis
clique sur une deuxième carte. Si les deux images sont pareilles, la paire
quitte la table et le même joueur rejoue. Si elles sont différentes, les
deux cartes sont retournées et c&apos;est au tour de l&apos;autre joueur. La partie
se termine quand il ne reste plus de carte sur la table.

          Chaque paire trouvée rapporte 10 points, et chaque essai raté
compte comme une erreur. Les cadres sous la table montrent le nom, les
points et les erreurs de chaque joueur.

          Après le lancement du programme, choisis le type de partie. Pour
changer de type au milieu d&apos;une partie, appuie sur F4 ; choisir un type
commence une nouvelle partie.


                               NIVEAUX DE JEU

          Contre l&apos;ordinateur, tu peux choisir entre trois niveaux :

          -&gt; Débutant : facile à jouer, un bon niveau pour les enfants.
          -&gt; Intermédiaire : bats vite l&apos;ordinateur, sinon il gagne.
          -&gt; Magicien : la moindre erreur est fatale.

          Choisis le niveau dans le menu Jeu.


                               OPTIONS DU JEU

          Appuie sur F3 pour choisir la vitesse d&apos;animation et les noms
des joueurs, puis confirme ton choix avec OK.

          Appuie sur F2 pour commencer une nouvelle partie.

          Appuie sur F5 pour montrer toutes les cartes.

          Appuie sur Alt+F4 pour quitter le programme.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Welcome to Brivosta Memory Game Help</source>
        <translation>Bienvenue dans l&apos;aide de Brivosta Memory Game</translation>
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
        <translation>Comment veux-tu jouer ?</translation>
    </message>
    <message>
        <source>&amp;HUMAN x HUMAN</source>
        <translation>&amp;HUMAIN x HUMAIN</translation>
    </message>
    <message>
        <source>HUMAN x &amp;COMPUTER</source>
        <extracomment>Its letter may be the same as that of &quot;&amp;Close&quot;, as in English: the radio button takes it first.</extracomment>
        <translation>HUMAIN x O&amp;RDINATEUR</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Veux-tu vraiment quitter ?</translation>
    </message>
</context>
<context>
    <name>TfrmOpcoes</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Animation Speed</source>
        <translation>&amp;Vitesse d&apos;animation</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Player Names</source>
        <translation>Noms des &amp;joueurs</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
</TS>
