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
    <name>CardSet</name>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier manque</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>le fichier fait plus de %1 Kio</translation>
    </message>
    <message>
        <source>a set needs %1 pictures, not %2</source>
        <translation>un paquet de cartes a besoin de %1 images, pas de %2</translation>
    </message>
</context>
<context>
    <name>CardSetMaker</name>
    <message>
        <source>the set has no name</source>
        <translation>le paquet de cartes n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>%1 face names are given, not %2</source>
        <translation>%1 noms de figures sont donnés, pas %2</translation>
    </message>
    <message>
        <source>face %1 has no name</source>
        <translation>la figure %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>a set needs one back and %1 faces, but %2 pictures are given</source>
        <translation>un paquet de cartes a besoin d&apos;un dos et de %1 figures, mais %2 images sont données</translation>
    </message>
    <message>
        <source>reading the back</source>
        <translation>lecture du dos</translation>
    </message>
    <message>
        <source>reading face %1 of %2</source>
        <translation>lecture de la figure %1 sur %2</translation>
    </message>
    <message>
        <source>comparing the faces</source>
        <translation>comparaison des figures</translation>
    </message>
    <message>
        <source>it shows the same picture as %1</source>
        <translation>elle montre la même image que %1</translation>
    </message>
    <message>
        <source>a player could not tell it from %1 (their thumbnails differ by %2 levels, less than %3)</source>
        <translation>un joueur ne pourrait pas la distinguer de %1 (leurs vignettes diffèrent de %2 niveaux, moins de %3)</translation>
    </message>
    <message>
        <source>packing the back</source>
        <translation>compression du dos</translation>
    </message>
    <message>
        <source>packing face %1 of %2</source>
        <translation>compression de la figure %1 sur %2</translation>
    </message>
</context>
<context>
    <name>CardSetMetadata</name>
    <message>
        <source>%1 names %2 faces instead of %3</source>
        <translation>%1 nomme %2 figures au lieu de %3</translation>
    </message>
    <message>
        <source>%1 has an empty face name</source>
        <translation>%1 a un nom de figure vide</translation>
    </message>
    <message>
        <source>there is no [%1] group</source>
        <translation>il n&apos;y a pas de groupe [%1]</translation>
    </message>
    <message>
        <source>the set has no Name</source>
        <translation>le paquet de cartes n&apos;a pas de clé Name</translation>
    </message>
</context>
<context>
    <name>CardSetStream</name>
    <message>
        <source>the back</source>
        <translation>le dos</translation>
    </message>
    <message>
        <source>face %1</source>
        <translation>la figure %1</translation>
    </message>
    <message>
        <source>the pictures unpack to more than %1 MiB</source>
        <translation>les images décompressées font plus de %1 Mio</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 s&apos;arrête trop tôt</translation>
    </message>
    <message>
        <source>%1 is not well formed</source>
        <translation>%1 n&apos;a pas la bonne forme</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture</source>
        <translation>%1 n&apos;est pas une image BMP</translation>
    </message>
    <message>
        <source>%1 is larger than %2 × %2 pixels</source>
        <translation>%1 dépasse %2 × %2 pixels</translation>
    </message>
    <message>
        <source>%1 is not a BMP picture the game reads</source>
        <translation>%1 n&apos;est pas une image BMP que le jeu sait lire</translation>
    </message>
    <message>
        <source>the picture stream is larger than %1 MiB</source>
        <translation>le flux d&apos;images fait plus de %1 Mio</translation>
    </message>
    <message>
        <source>the picture stream starts neither with MBML nor with MBMC</source>
        <translation>le flux d&apos;images ne commence ni par MBML ni par MBMC</translation>
    </message>
    <message>
        <source>the picture stream holds %1 pictures instead of %2</source>
        <translation>le flux d&apos;images contient %1 images au lieu de %2</translation>
    </message>
    <message>
        <source>the picture stream goes on after its last picture</source>
        <translation>le flux d&apos;images continue après sa dernière image</translation>
    </message>
    <message>
        <source>the picture stream is cut short</source>
        <translation>le flux d&apos;images s&apos;arrête trop tôt</translation>
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
        <translation>Usage : %1 COMMANDE [options] ARGUMENTS
Fait, vérifie et installe des paquets de cartes pour Brivosta Memory Game.

Commandes :
  make --output DIR --name NOM [options] BACK FACE1 ... FACE20
                       fait un paquet avec un dos et vingt figures
  check DIR            lit un paquet comme le jeu et dit ce qui ne va pas
  show DIR             affiche les métadonnées et les images d&apos;un paquet
  extract DIR OUTDIR   écrit chaque image d&apos;un paquet dans un fichier PNG
  install DIR          copie un paquet dans ton dossier de paquets de cartes

&apos;%1 COMMANDE --help&apos; décrit une commande et ses options.

Codes de sortie : 0 fait ; 1 une image, le paquet ou un dossier existant est refusé
et rien n&apos;est écrit ; 2 mauvais usage ; 3 un fichier ou un dossier ne peut pas
être écrit.</translation>
    </message>
    <message>
        <source>a command is needed</source>
        <translation>il faut une commande</translation>
    </message>
    <message>
        <source>there is no command “%1”</source>
        <translation>il n&apos;y a pas de commande « %1 »</translation>
    </message>
    <message>
        <source>see %1 --help</source>
        <translation>voir %1 --help</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Reads the card set in DIR as the game does and says what is wrong with it.</source>
        <translation>Lit le paquet de cartes de DIR comme le fait le jeu et dit ce qui ne va pas.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Le dossier du paquet.</translation>
    </message>
    <message>
        <source>%1: the card set “%2” can be used</source>
        <translation>%1 : le paquet de cartes « %2 » peut être utilisé</translation>
    </message>
</context>
<context>
    <name>CommandParser</name>
    <message>
        <source>see %1 --help</source>
        <translation>voir %1 --help</translation>
    </message>
    <message>
        <source>the command takes %1, but %2 arguments are given</source>
        <translation>la commande prend %1, mais %2 arguments sont donnés</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>line %1 is not well formed</source>
        <translation>la ligne %1 n&apos;a pas la bonne forme</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>le fichier fait plus de %1 Kio</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>le fichier n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>line %1 repeats the group [%2]</source>
        <translation>la ligne %1 répète le groupe [%2]</translation>
    </message>
    <message>
        <source>line %1 repeats the key %2</source>
        <translation>la ligne %1 répète la clé %2</translation>
    </message>
</context>
<context>
    <name>ExtractCommand</name>
    <message>
        <source>Replace the folder OUTDIR if it exists.</source>
        <translation>Remplacer le dossier OUTDIR s&apos;il existe.</translation>
    </message>
    <message>
        <source>Writes each picture of the card set in DIR into the new folder OUTDIR as a PNG file: back.png, then face-01.png to face-20.png.</source>
        <translation>Écrit chaque image du paquet de cartes de DIR dans le nouveau dossier OUTDIR sous forme de fichier PNG : back.png, puis face-01.png à face-20.png.</translation>
    </message>
    <message>
        <source>The folder of the set, then the folder to make.</source>
        <translation>Le dossier du paquet, puis le dossier à créer.</translation>
    </message>
    <message>
        <source>the picture cannot be written</source>
        <translation>l&apos;image ne peut pas être écrite</translation>
    </message>
    <message>
        <source>wrote the pictures of %1 into %2</source>
        <translation>les images de %1 ont été écrites dans %2</translation>
    </message>
</context>
<context>
    <name>FolderReplacement</name>
    <message>
        <source>the folder cannot be moved here from %1</source>
        <translation>le dossier ne peut pas être déplacé ici depuis %1</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>c&apos;est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>this folder exists already (--force replaces it)</source>
        <translation>ce dossier existe déjà (--force le remplace)</translation>
    </message>
    <message>
        <source>this folder cannot be made</source>
        <translation>ce dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>a folder cannot be made in this folder: %1</source>
        <translation>aucun dossier ne peut être créé dans ce dossier : %1</translation>
    </message>
    <message>
        <source>the folder&apos;s permissions cannot be set</source>
        <translation>les droits du dossier ne peuvent pas être réglés</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace an installed set of the same folder name.</source>
        <translation>Remplacer un paquet installé qui a le même nom de dossier.</translation>
    </message>
    <message>
        <source>Copies the card set in DIR, once it reads as the game reads it, into your card-set folder (%1), under the name of its folder.</source>
        <translation>Copie le paquet de cartes de DIR, s&apos;il se lit comme le jeu le lit, dans ton dossier de paquets de cartes (%1), sous le nom de son dossier.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Le dossier du paquet.</translation>
    </message>
    <message>
        <source>installed %1 as %2</source>
        <translation>%1 installé sous %2</translation>
    </message>
</context>
<context>
    <name>MakeCommand</name>
    <message>
        <source>Write the set into the folder DIR.</source>
        <translation>Écrire le paquet dans le dossier DIR.</translation>
    </message>
    <message>
        <source>The set&apos;s name, as the game lists it.</source>
        <translation>Le nom du paquet, tel que le jeu l&apos;affiche.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Who made the pictures.</source>
        <translation>Qui a fait les images.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>The pictures&apos; licence, as an SPDX identifier.</source>
        <translation>La licence des images, sous forme d&apos;identifiant SPDX.</translation>
    </message>
    <message>
        <source>A line about the set.</source>
        <translation>Une ligne sur le paquet.</translation>
    </message>
    <message>
        <source>The twenty faces&apos; names, separated by &quot;;&quot; (default: the files&apos; names).</source>
        <translation>Les noms des vingt figures, séparés par &quot;;&quot; (par défaut : les noms des fichiers).</translation>
    </message>
    <message>
        <source>NAMES</source>
        <translation>NOMS</translation>
    </message>
    <message>
        <source>Write a plain stream (&quot;MBML&quot;) instead of a packed one.</source>
        <translation>Écrire un flux simple (&quot;MBML&quot;) au lieu d&apos;un flux compressé.</translation>
    </message>
    <message>
        <source>Replace the folder DIR if it exists.</source>
        <translation>Remplacer le dossier DIR s&apos;il existe.</translation>
    </message>
    <message>
        <source>Makes a card set of a back and %1 faces from picture files (PNG, JPEG, BMP, GIF, SVG). Each picture is fitted on a %2 x %2 square, on white.</source>
        <translation>Fait un paquet de cartes d&apos;un dos et de %1 figures à partir de fichiers d&apos;images (PNG, JPEG, BMP, GIF, SVG). Chaque image est ajustée dans un carré de %2 x %2, sur fond blanc.</translation>
    </message>
    <message>
        <source>BACK FACE1 ... FACE%1</source>
        <translation>BACK FACE1 ... FACE%1</translation>
    </message>
    <message>
        <source>The picture files: the back, then the faces in their order.</source>
        <translation>Les fichiers d&apos;images : le dos, puis les figures dans leur ordre.</translation>
    </message>
    <message>
        <source>make needs --%1</source>
        <translation>make a besoin de --%1</translation>
    </message>
    <message>
        <source>writing %1</source>
        <translation>écriture de %1</translation>
    </message>
    <message>
        <source>made the card set “%1” in %2</source>
        <translation>paquet de cartes « %1 » créé dans %2</translation>
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
    <name>PictureFile</name>
    <message>
        <source>this is not a picture that can be read (%1)</source>
        <translation>ce n&apos;est pas une image lisible (%1)</translation>
    </message>
    <message>
        <source>not a drawing that can be shown</source>
        <translation>pas un dessin qui puisse être affiché</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>this is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
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
    <name>SetFolderWriter</name>
    <message>
        <source>the written set does not read back: %1</source>
        <translation>le paquet écrit ne se relit pas : %1</translation>
    </message>
    <message>
        <source>the file cannot be copied here: %1</source>
        <translation>le fichier ne peut pas être copié ici : %1</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>Prints the metadata of the card set in DIR and the size and depth of each picture.</source>
        <translation>Affiche les métadonnées du paquet de cartes de DIR et la taille et la profondeur de chaque image.</translation>
    </message>
    <message>
        <source>The folder of the set.</source>
        <translation>Le dossier du paquet.</translation>
    </message>
    <message>
        <source>Name: %1%2</source>
        <translation>Nom : %1%2</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Commentaire : %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Auteur : %1</translation>
    </message>
    <message>
        <source>License: %1</source>
        <translation>Licence : %1</translation>
    </message>
    <message>
        <source>Stream: %1 (%2)</source>
        <translation>Flux : %1 (%2)</translation>
    </message>
    <message>
        <source>back</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>face %1, %2%3</source>
        <translation>figure %1, %2%3</translation>
    </message>
    <message>
        <source>Entry %1: %2 x %3, %4 bits, %5</source>
        <translation>Entrée %1 : %2 x %3, %4 bits, %5</translation>
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
<context>
    <name>brivmemo::Exception</name>
    <message>
        <source>Stream read error</source>
        <translation>Erreur de lecture des données</translation>
    </message>
    <message>
        <source>Invalid BitmapList stream</source>
        <translation>Liste d&apos;images non valide</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>Impossible d&apos;affecter %1 à %2</translation>
    </message>
    <message>
        <source>LZRW Error!</source>
        <translation>Erreur LZRW !</translation>
    </message>
    <message>
        <source>Control &apos;%1&apos; has no parent window</source>
        <translation>Le contrôle « %1 » n&apos;a pas de fenêtre parente</translation>
    </message>
    <message>
        <source>Input/output error while creating &quot;%1&quot;: %2</source>
        <translation>Erreur d&apos;entrée/sortie lors de la création de « %1 » : %2</translation>
    </message>
    <message>
        <source>Input/output error while opening &quot;%1&quot;: %2</source>
        <translation>Erreur d&apos;entrée/sortie lors de l&apos;ouverture de « %1 » : %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: %2</source>
        <translation>Erreur d&apos;entrée/sortie lors de la lecture de « %1 » : %2</translation>
    </message>
    <message>
        <source>Input/output error while writing &quot;%1&quot;: %2</source>
        <translation>Erreur d&apos;entrée/sortie lors de l&apos;écriture de « %1 » : %2</translation>
    </message>
    <message>
        <source>Input/output error while closing &quot;%1&quot;: %2</source>
        <translation>Erreur d&apos;entrée/sortie lors de la fermeture de « %1 » : %2</translation>
    </message>
    <message>
        <source>Input/output error while reading &quot;%1&quot;: the file holds fewer than %2 bytes</source>
        <translation>Erreur d&apos;entrée/sortie lors de la lecture de « %1 » : le fichier contient moins de %2 octets</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardFlipper</name>
    <message>
        <source>&amp;Flip Cards</source>
        <translation>&amp;Retourner les cartes</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetCatalog</name>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
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
        <translation>&amp;Paquet de cartes</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::CardSetSwitcher</name>
    <message>
        <source>Card set “%1” cannot be used: %2</source>
        <translation>Le paquet de cartes « %1 » ne peut pas être utilisé : %2</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameSounds</name>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Son</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::GameStatistics</name>
    <message>
        <source>S&amp;tatistics…</source>
        <translation>S&amp;tatistiques…</translation>
    </message>
    <message>
        <source>The statistics in %1 could not be read. They have been kept as %2, and new statistics have been started.</source>
        <translation>Les statistiques de %1 n&apos;ont pas pu être lues. Elles ont été gardées sous le nom %2, et de nouvelles statistiques ont été commencées.</translation>
    </message>
    <message>
        <source>The statistics in %1 cannot be kept: %2</source>
        <translation>Les statistiques ne peuvent pas être gardées dans %1 : %2</translation>
    </message>
    <message>
        <source>The statistics of this game could not be saved: %1</source>
        <translation>Les statistiques de cette partie n&apos;ont pas pu être enregistrées : %1</translation>
    </message>
</context>
<context>
    <name>brivmemo::extras::StatisticsWindow</name>
    <message>
        <source>Two people</source>
        <translation>Deux personnes</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Ordinateur, Débutant</translation>
    </message>
    <message>
        <source>Computer, Intermediate</source>
        <translation>Ordinateur, Intermédiaire</translation>
    </message>
    <message>
        <source>Computer, Wizard</source>
        <translation>Ordinateur, Magicien</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Statistics by player and game</source>
        <translation>Statistiques par joueur et par jeu</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Nuls</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>Fewest mistakes</source>
        <translation>Moins d&apos;erreurs</translation>
    </message>
    <message>
        <source>Moves per pair</source>
        <translation>Coups par paire</translation>
    </message>
    <message>
        <source>The best game: the fewest mistakes in one game</source>
        <translation>La meilleure partie : le moins d&apos;erreurs en une partie</translation>
    </message>
    <message>
        <source>All the player&apos;s moves over all the pairs taken</source>
        <translation>Tous les coups du joueur divisés par toutes les paires trouvées</translation>
    </message>
    <message>
        <source>No game has been played to its end yet.</source>
        <translation>Aucune partie n&apos;a encore été jouée jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Remettre à zéro</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Do you really want to erase all the statistics ?</source>
        <translation>Veux-tu vraiment effacer toutes les statistiques ?</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics</name>
    <message>
        <source>%1 cannot be renamed.</source>
        <translation>%1 ne peut pas être renommé.</translation>
    </message>
</context>
<context>
    <name>brivmemo::statistics::StatisticsStore</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Le dossier de %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The statistics are not open.</source>
        <translation>Les statistiques ne sont pas ouvertes.</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed.</source>
        <translation>Le pilote SQLite de Qt n&apos;est pas installé.</translation>
    </message>
</context>
</TS>
