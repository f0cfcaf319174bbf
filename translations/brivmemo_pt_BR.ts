<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardFaceNames</name>
    <message>
        <source>dog</source>
        <extracomment>The animal on a card of the game&apos;s own pictures, told to people who cannot see it.</extracomment>
        <translation>cachorro</translation>
    </message>
    <message>
        <source>cat</source>
        <translation>gato</translation>
    </message>
    <message>
        <source>lion</source>
        <translation>leão</translation>
    </message>
    <message>
        <source>frog</source>
        <translation>sapo</translation>
    </message>
    <message>
        <source>pig</source>
        <translation>porco</translation>
    </message>
    <message>
        <source>elephant</source>
        <translation>elefante</translation>
    </message>
    <message>
        <source>penguin</source>
        <translation>pinguim</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>raposa</translation>
    </message>
    <message>
        <source>owl</source>
        <translation>coruja</translation>
    </message>
    <message>
        <source>octopus</source>
        <translation>polvo</translation>
    </message>
    <message>
        <source>turtle</source>
        <translation>tartaruga</translation>
    </message>
    <message>
        <source>whale</source>
        <translation>baleia</translation>
    </message>
    <message>
        <source>butterfly</source>
        <translation>borboleta</translation>
    </message>
    <message>
        <source>snail</source>
        <translation>caracol</translation>
    </message>
    <message>
        <source>crab</source>
        <translation>caranguejo</translation>
    </message>
    <message>
        <source>giraffe</source>
        <translation>girafa</translation>
    </message>
    <message>
        <source>zebra</source>
        <translation>zebra</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>papagaio</translation>
    </message>
    <message>
        <source>monkey</source>
        <translation>macaco</translation>
    </message>
    <message>
        <source>ladybug</source>
        <translation>joaninha</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>PlayerTurnDescription</name>
    <message>
        <source>It is this player&apos;s turn</source>
        <translation>É a vez deste jogador</translation>
    </message>
    <message>
        <source>It is the other player&apos;s turn</source>
        <translation>É a vez do outro jogador</translation>
    </message>
</context>
<context>
    <name>RadioGroupDescription</name>
    <message>
        <source>Selected: %1</source>
        <translation>Escolhido: %1</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nada escolhido</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Player 1 </source>
        <extracomment>The box of player 1&apos;s name, mistakes and points; the caption ends with a blank.</extracomment>
        <translation>Jogador 1 </translation>
    </message>
    <message>
        <source>Name :</source>
        <extracomment>&quot;Name :&quot;, &quot;Mistakes :&quot; and &quot;Points :&quot; stand left of the player&apos;s values, in about 48 pixels.</extracomment>
        <translation>Nome :</translation>
    </message>
    <message>
        <source>Mistakes :</source>
        <translation>Erros :</translation>
    </message>
    <message>
        <source>Points :</source>
        <translation>Pontos :</translation>
    </message>
    <message>
        <source>Player 2 </source>
        <translation>Jogador 2 </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New  Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation>&amp;Iniciante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>In&amp;termediário</translation>
    </message>
    <message>
        <source>&amp;Wizard</source>
        <translation>&amp;Mago</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Game &amp;Type</source>
        <translation>Tipo de &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;Show all Cards</source>
        <translation>Mostrar todas as &amp;cartas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Brivosta Vire &amp;Help</source>
        <extracomment>Brivosta Vire is the program&apos;s name, kept as it is.</extracomment>
        <translation>&amp;Ajuda do Brivosta Vire</translation>
    </message>
    <message>
        <source>&amp;About Brivosta  Memory Game</source>
        <translation>&amp;Sobre o Brivosta Memory Game</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>You have just beaten the computer, congratulations ! Show you are the best , beat him again.</source>
        <translation>Você venceu o computador, parabéns! Mostre do que você é capaz e vença-o de novo.</translation>
    </message>
    <message>
        <source>The computer has just  beaten you .Try again !</source>
        <translation>O computador venceu você. Tente de novo!</translation>
    </message>
    <message>
        <source>Congratulations %1 you won. %2 do not give up, try again.</source>
        <extracomment>%1 is the winner&apos;s name, %2 the loser&apos;s.</extracomment>
        <translation>Parabéns, %1, você venceu. %2, não desista, tente de novo.</translation>
    </message>
    <message>
        <source>Draw. Try again.</source>
        <translation>Empate. Tentem de novo.</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Você quer mesmo sair?</translation>
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
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>row %1, column %2, %3</source>
        <extracomment>The accessible name of a card place: its row and column on the table, then what lies there (&quot;face down&quot;, &quot;taken&quot; or the name of the card&apos;s picture).</extracomment>
        <translation>linha %1, coluna %2, %3</translation>
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
        <translation>Um jogo de memória para um ou dois jogadores:
encontre os vinte pares entre quarenta cartas,
contra um amigo ou contra o computador.

Versão %1
Software livre sob a licença MIT.</translation>
    </message>
    <message>
        <source>About Brivosta Memory Game</source>
        <translation>Sobre o Brivosta Memory Game</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>                               COMO JOGAR

          Brivosta Memory Game é jogado contra o computador ou contra um
amigo. O objetivo do jogo é encontrar mais pares do que o outro jogador.

          Clique em uma carta para virá-la e ver a sua figura, depois
clique em uma segunda carta. Se as duas figuras forem iguais, o par sai da
mesa e o mesmo jogador joga de novo. Se forem diferentes, as duas cartas
são viradas de volta e é a vez do outro jogador. O jogo termina quando não
sobra nenhuma carta na mesa.

          Cada par encontrado vale 10 pontos, e cada tentativa errada
conta como um erro. Os quadros abaixo da mesa mostram o nome, os pontos e
os erros de cada jogador.

          Depois de abrir o programa, escolha o tipo de jogo. Para mudar o
tipo de jogo no meio de uma partida, aperte F4; escolher um tipo começa um
novo jogo.


                               NÍVEIS DO JOGO

          Contra o computador há três níveis para escolher:

          -&gt; Iniciante: fácil de jogar, um bom nível para crianças.
          -&gt; Intermediário: vença o computador depressa, senão ele ganha.
          -&gt; Mago: qualquer erro é fatal.

          Escolha o nível no menu Jogo.


                               OPÇÕES DO JOGO

          Aperte F3 para escolher a velocidade da animação e os nomes dos
jogadores, depois confirme a escolha com OK.

          Aperte F2 para começar um novo jogo.

          Aperte F5 para mostrar todas as cartas.

          Aperte Alt+F4 para sair do programa.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Welcome to Brivosta Memory Game Help</source>
        <translation>Bem-vindo à ajuda do Brivosta Memory Game</translation>
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
        <translation>Como você quer jogar?</translation>
    </message>
    <message>
        <source>&amp;HUMAN x HUMAN</source>
        <translation>&amp;HUMANO x HUMANO</translation>
    </message>
    <message>
        <source>HUMAN x &amp;COMPUTER</source>
        <extracomment>Its letter may be the same as that of &quot;&amp;Close&quot;, as in English: the radio button takes it first.</extracomment>
        <translation>HUMANO x &amp;COMPUTADOR</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Do you really want to exit ?</source>
        <translation>Você quer mesmo sair?</translation>
    </message>
</context>
<context>
    <name>TfrmOpcoes</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>&amp;Animation Speed</source>
        <translation>&amp;Velocidade da animação</translation>
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
        <translation>Nomes dos &amp;jogadores</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
