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
    <name>CardSet</name>
    <message>
        <source>the folder does not exist</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>o arquivo está faltando</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>o arquivo tem mais de %1 KiB</translation>
    </message>
    <message>
        <source>a set needs %1 pictures, not %2</source>
        <translation>um baralho precisa de %1 imagens, não de %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>the set has no name</source>
        <translation>o baralho não tem nome</translation>
    </message>
    <message>
        <source>%1 face names are given, not %2</source>
        <translation>foram dados %1 nomes de figuras, não %2</translation>
    </message>
    <message>
        <source>face %1 has no name</source>
        <translation>a figura %1 não tem nome</translation>
    </message>
    <message>
        <source>a set needs one back and %1 faces, but %2 pictures are given</source>
        <translation>um baralho precisa de um verso e %1 figuras, mas foram dadas %2 imagens</translation>
    </message>
    <message>
        <source>reading the back</source>
        <translation>lendo o verso</translation>
    </message>
    <message>
        <source>reading face %1 of %2</source>
        <translation>lendo a figura %1 de %2</translation>
    </message>
    <message>
        <source>comparing the faces</source>
        <translation>comparando as figuras</translation>
    </message>
    <message>
        <source>it shows the same picture as %1</source>
        <translation>mostra a mesma imagem que %1</translation>
    </message>
    <message>
        <source>a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)</source>
        <translation>um jogador não conseguiria distingui-la de %1 (as miniaturas diferem em %2 níveis, menos que %3)</translation>
    </message>
    <message>
        <source>packing the back</source>
        <translation>compactando o verso</translation>
    </message>
    <message>
        <source>packing face %1 of %2</source>
        <translation>compactando a figura %1 de %2</translation>
    </message>
</context>
<context>
    <name>CardSetMetadata</name>
    <message>
        <source>%1 names %2 faces instead of %3</source>
        <translation>%1 nomeia %2 figuras em vez de %3</translation>
    </message>
    <message>
        <source>%1 has an empty face name</source>
        <translation>%1 tem um nome de figura vazio</translation>
    </message>
    <message>
        <source>there is no [%1] group</source>
        <translation>não há grupo [%1]</translation>
    </message>
    <message>
        <source>the set has no Name</source>
        <translation>o baralho não tem a chave Name</translation>
    </message>
</context>
<context>
    <name>CardSetStream</name>
    <message>
        <source>the back</source>
        <translation>o verso</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>a figura %1</translation>
    </message>
    <message>
        <source>the pictures unpack to more than %1 MiB</source>
        <translation>as imagens descompactadas passam de %1 MiB</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 termina antes da hora</translation>
    </message>
    <message>
        <source>%1 is not well formed</source>
        <translation>%1 tem um formato inválido</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 não tem dados</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture</source>
        <translation>%1 não é uma imagem BMP</translation>
    </message>
    <message>
        <source>%1 is larger than %2 × %2 pixels</source>
        <translation>%1 passa de %2 × %2 pixels</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture the game reads</source>
        <translation>%1 não é uma imagem BMP que o jogo consiga ler</translation>
    </message>
    <message>
        <source>the picture stream is larger than %1 MiB</source>
        <translation>o fluxo de imagens passa de %1 MiB</translation>
    </message>
    <message>
        <source>the picture stream starts neither with MBML nor with MBMC</source>
        <translation>o fluxo de imagens não começa nem com MBML nem com MBMC</translation>
    </message>
    <message>
        <source>the picture stream holds %1 pictures instead of %2</source>
        <translation>o fluxo de imagens contém %1 imagens em vez de %2</translation>
    </message>
    <message>
        <source>the picture stream goes on after its last picture</source>
        <translation>o fluxo de imagens continua depois da última imagem</translation>
    </message>
    <message>
        <source>the picture stream is cut short</source>
        <translation>o fluxo de imagens termina antes da hora</translation>
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
        <translation>Uso: %1 COMANDO [opções] ARGUMENTOS
Faz, verifica e instala baralhos para o Brivosta Memory Game.

Comandos:
  make --output DIR --name NOME [opções] BACK FACE1 ... FACE20
                       faz um baralho com um verso e vinte figuras
  check DIR            lê um baralho como o jogo e diz o que está errado
  show DIR             mostra os metadados e as imagens de um baralho
  extract DIR OUTDIR   grava cada imagem de um baralho como arquivo PNG
  install DIR          copia um baralho para a sua pasta de baralhos

&apos;%1 COMANDO --help&apos; descreve um comando e as suas opções.

Códigos de saída: 0 pronto; 1 uma imagem, o baralho ou uma pasta existente é recusado
e nada é gravado; 2 uso incorreto; 3 um arquivo ou pasta não pode ser gravado.</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>é preciso um comando</translation>
    </message>
    <message>
        <source>there is no command “%1”</source>
        <translation>não existe o comando “%1”</translation>
    </message>
    <message>
        <source>see %1 --help</source>
        <translation>veja %1 --help</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Reads the card set in DIR as the game does and says what is wrong with it.</source>
        <translation>Lê o baralho em DIR como o jogo faz e diz o que há de errado nele.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>A pasta do baralho.</translation>
    </message>
    <message>
        <source>%1: the card set “%2” can be used</source>
        <translation>%1: o baralho “%2” pode ser usado</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>see %1 --help</source>
        <translation>veja %1 --help</translation>
    </message>
    <message>
        <source>the command takes %1, but %2 arguments are given</source>
        <translation>o comando recebe %1, mas foram dados %2 argumentos</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>line %1 is not well formed</source>
        <translation>a linha %1 tem um formato inválido</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>o arquivo tem mais de %1 KiB</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>o arquivo não é texto UTF-8</translation>
    </message>
    <message>
        <source>line %1 repeats the group [%2]</source>
        <translation>a linha %1 repete o grupo [%2]</translation>
    </message>
    <message>
        <source>line %1 repeats the key %2</source>
        <translation>a linha %1 repete a chave %2</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Replace the folder OUTDIR if it exists.</source>
        <translation>Substituir a pasta OUTDIR se ela existir.</translation>
    </message>
    <message>
        <source>Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, then face-01.png to face-20.png.</source>
        <translation>Grava cada imagem do baralho em DIR na nova pasta OUTDIR como arquivo PNG: back.png, depois de face-01.png a face-20.png.</translation>
    </message>
    <message>
        <source>The folder of the set, then the folder to make.</source>
        <translation>A pasta do baralho, depois a pasta a criar.</translation>
    </message>
    <message>
        <source>the picture cannot be written</source>
        <translation>não é possível gravar a imagem</translation>
    </message>
    <message>
        <source>wrote the pictures of %1 into %2</source>
        <translation>as imagens de %1 foram gravadas em %2</translation>
    </message>
</context>
<context>
    <name>FolderReplacement</name>
    <message>
        <source>the folder cannot be moved here from %1</source>
        <translation>não é possível mover a pasta de %1 para cá</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>isto é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>this folder exists already (--force replaces it)</source>
        <translation>esta pasta já existe (--force a substitui)</translation>
    </message>
    <message>
        <source>this folder cannot be made</source>
        <translation>não é possível criar esta pasta</translation>
    </message>
    <message>
        <source>a folder cannot be made in this folder: %1</source>
        <translation>não é possível criar uma pasta nesta pasta: %1</translation>
    </message>
    <message>
        <source>the folder&apos;s permissions cannot be set</source>
        <translation>não é possível definir as permissões da pasta</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace an installed set of the same folder name.</source>
        <translation>Substituir um baralho instalado com o mesmo nome de pasta.</translation>
    </message>
    <message>
        <source>Copies the card set in DIR, once it reads as the game reads it, into your card-set folder (%1), under the name of its folder.</source>
        <translation>Copia o baralho em DIR, se ele for lido como o jogo o lê, para a sua pasta de baralhos (%1), com o nome da pasta dele.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>A pasta do baralho.</translation>
    </message>
    <message>
        <source>installed %1 as %2</source>
        <translation>%1 instalado como %2</translation>
    </message>
</context>
<context>
    <name>MakeCommand</name>
    <message>
        <source>Write the set into the folder DIR.</source>
        <translation>Gravar o baralho na pasta DIR.</translation>
    </message>
    <message>
        <source>The set&apos;s name, as the game lists it.</source>
        <translation>O nome do baralho, como o jogo o mostra.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Who made the pictures.</source>
        <translation>Quem fez as imagens.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The pictures&apos; licence, as an SPDX identifier.</source>
        <translation>A licença das imagens, como identificador SPDX.</translation>
    </message>
    <message>
        <source>A line about the set.</source>
        <translation>Uma linha sobre o baralho.</translation>
    </message>
    <message>
        <source>The twenty faces&apos; names, separated by &quot;;&quot; (default: the files&apos; names).</source>
        <translation>Os nomes das vinte figuras, separados por &quot;;&quot; (padrão: os nomes dos arquivos).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMES</translation>
    </message>
    <message>
        <source>Write a plain stream (&quot;MBML&quot;) instead of a packed one.</source>
        <translation>Gravar um fluxo simples (&quot;MBML&quot;) em vez de um compactado.</translation>
    </message>
    <message>
        <source>Replace the folder DIR if it exists.</source>
        <translation>Substituir a pasta DIR se ela existir.</translation>
    </message>
    <message>
        <source>Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, SVG). Each picture is fitted on a %2 x %2 square, on white.</source>
        <translation>Faz um baralho de um verso e %1 figuras a partir de arquivos de imagem (PNG, JPEG, BMP, GIF, SVG). Cada imagem é ajustada a um quadrado de %2 x %2, sobre branco.</translation>
    </message>
    <message>
        <source>BACK FACE1 ... FACE%1</source>
        <translation>BACK FACE1 ... FACE%1</translation>
    </message>
    <message>
        <source>The picture files: the back, then the faces in their order.</source>
        <translation>Os arquivos de imagem: o verso, depois as figuras em ordem.</translation>
    </message>
    <message>
        <source>make needs --%1</source>
        <translation>make precisa de --%1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>gravando %1</translation>
    </message>
    <message>
        <source>made the card set “%1” in %2</source>
        <translation>baralho “%1” criado em %2</translation>
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
    <name>PictureFile</name>
    <message>
        <source>this is not a picture that can be read (%1)</source>
        <translation>isto não é uma imagem que possa ser lida (%1)</translation>
    </message>
    <message>
        <source>not a drawing that can be shown</source>
        <translation>não é um desenho que possa ser mostrado</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>esse arquivo não existe</translation>
    </message>
    <message>
        <source>this is not a file</source>
        <translation>isto não é um arquivo</translation>
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
    <name>SetFolderWriter</name>
    <message>
        <source>the written set does not read back: %1</source>
        <translation>o baralho gravado não pode ser lido de volta: %1</translation>
    </message>
    <message>
        <source>the file cannot be copied here: %1</source>
        <translation>não é possível copiar o arquivo para cá: %1</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Prints the metadata of the card set in DIR and the size and depth of each picture.</source>
        <translation>Mostra os metadados do baralho em DIR e o tamanho e a profundidade de cor de cada imagem.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>A pasta do baralho.</translation>
    </message>
    <message>
        <source>Name: %1%2</source>
        <translation>Nome: %1%2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Comentário: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licença: %1</translation>
    </message>
    <message>
        <source>Stream: %1 (%2)</source>
        <translation>Fluxo: %1 (%2)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>verso</translation>
    </message>
    <message>
        <source>face %1, %2%3</source>
        <translation>figura %1, %2%3</translation>
    </message>
    <message>
        <source>Entry %1: %2 x %3, %4 bits, %5</source>
        <translation>Entrada %1: %2 x %3, %4 bits, %5</translation>
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
<context>
    <name>brivmemo::Exception</name>
    <message>
        <source>Stream read error</source>
        <translation>Erro ao ler os dados</translation>
    </message>
    <message>
        <source>Invalid BitmapList stream</source>
        <translation>Lista de imagens inválida</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice da lista fora do intervalo (%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem não é válida</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>Não é possível atribuir %1 a %2</translation>
    </message>
    <message>
        <source>LZRW Error!</source>
        <translation>Erro de LZRW!</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>O controle “%1” não tem janela-mãe</translation>
    </message>
    <message>
        <source>Input/output error while creating &quot;%1&quot;: %2</source>
        <translation>Erro de entrada/saída ao criar “%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while opening &quot;%1&quot;: %2</source>
        <translation>Erro de entrada/saída ao abrir “%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: %2</source>
        <translation>Erro de entrada/saída ao ler “%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while writing &quot;%1&quot;: %2</source>
        <translation>Erro de entrada/saída ao gravar “%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while closing &quot;%1&quot;: %2</source>
        <translation>Erro de entrada/saída ao fechar “%1”: %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: the file holds fewer than %2 bytes</source>
        <translation>Erro de entrada/saída ao ler “%1”: o arquivo tem menos de %2 bytes</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardFlipper</name>
    <message>
        <source>&amp;Flip Cards</source>
        <translation>&amp;Virar as cartas</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetCatalog</name>
    <message>
        <source>Animals</source>
        <translation>Animais</translation>
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
        <translation>&amp;Baralho</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetSwitcher</name>
    <message>
        <source>Card set “%1” cannot be used: %2</source>
        <translation>O baralho “%1” não pode ser usado: %2</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameSounds</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Som</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameStatistics</name>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>&amp;Estatísticas…</translation>
    </message>
    <message>
        <source>The statistics in %1 could not be read. They have been kept as %2, and new statistics have been started.</source>
        <translation>Não foi possível ler as estatísticas em %1. Elas foram guardadas como %2, e novas estatísticas foram iniciadas.</translation>
    </message>
    <message>
        <source>The statistics in %1 cannot be kept: %2</source>
        <translation>As estatísticas em %1 não podem ser guardadas: %2</translation>
    </message>
    <message>
        <source>The statistics of this game could not be saved: %1</source>
        <translation>Não foi possível salvar as estatísticas desta partida: %1</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::StatisticsWindow</name>
    <message>
        <source>Two people</source>
        <translation>Duas pessoas</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Computador, Iniciante</translation>
    </message>
    <message>
        <source>Computer, Intermediate</source>
        <translation>Computador, Intermediário</translation>
    </message>
    <message>
        <source>Computer, Wizard</source>
        <translation>Computador, Mago</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Statistics by player and game</source>
        <translation>Estatísticas por jogador e jogo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Empates</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Fewest mistakes</source>
        <translation>Menos erros</translation>
    </message>
    <message>
        <source>Moves per pair</source>
        <translation>Jogadas por par</translation>
    </message>
    <message>
        <source>The best game: the fewest mistakes in one game</source>
        <translation>A melhor partida: o menor número de erros em uma partida</translation>
    </message>
    <message>
        <source>All the player&apos;s moves over all the pairs taken</source>
        <translation>Todas as jogadas do jogador divididas por todos os pares encontrados</translation>
    </message>
    <message>
        <source>No game has been played to its end yet.</source>
        <translation>Nenhuma partida foi jogada até o fim ainda.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Do you really want to erase all the statistics ?</source>
        <translation>Você quer mesmo apagar todas as estatísticas?</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics</name>
    <message>
        <source>%1 cannot be renamed.</source>
        <translation>Não é possível renomear %1.</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics::StatisticsStore</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Não é possível criar a pasta de %1.</translation>
    </message>
    <message>
        <source>The statistics are not open.</source>
        <translation>As estatísticas não estão abertas.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed.</source>
        <translation>O driver SQLite do Qt não está instalado.</translation>
    </message>
</context>
</TS>
