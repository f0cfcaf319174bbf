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
</TS>
