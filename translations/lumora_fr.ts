<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cell</name>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Sable</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
</context>
<context>
    <name>Edit</name>
    <message numerus="yes">
        <source>Empty %n cells</source>
        <translation>
            <numerusform>Vider %n case</numerusform>
            <numerusform>Vider %n cases</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with sand</source>
        <translation>
            <numerusform>Peindre %n case en sable</numerusform>
            <numerusform>Peindre %n cases en sable</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with block</source>
        <translation>
            <numerusform>Peindre %n case en bloc</numerusform>
            <numerusform>Peindre %n cases en bloc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with water</source>
        <translation>
            <numerusform>Peindre %n case en eau</numerusform>
            <numerusform>Peindre %n cases en eau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with wall</source>
        <translation>
            <numerusform>Peindre %n case en mur</numerusform>
            <numerusform>Peindre %n cases en mur</numerusform>
        </translation>
    </message>
    <message>
        <source>Move the start</source>
        <translation>Déplacer le départ</translation>
    </message>
    <message>
        <source>Set the target to %1</source>
        <translation>Fixer l’objectif à %1</translation>
    </message>
    <message>
        <source>Set the starting magic to %1</source>
        <translation>Fixer la magie de départ à %1</translation>
    </message>
    <message>
        <source>Choose the answer</source>
        <translation>Choisir la réponse</translation>
    </message>
    <message>
        <source>Add stage %1</source>
        <translation>Ajouter le niveau %1</translation>
    </message>
    <message>
        <source>Duplicate stage %1</source>
        <translation>Dupliquer le niveau %1</translation>
    </message>
    <message>
        <source>Delete stage %1</source>
        <translation>Supprimer le niveau %1</translation>
    </message>
    <message>
        <source>Move stage %1 to %2</source>
        <translation>Déplacer le niveau %1 en %2</translation>
    </message>
    <message>
        <source>Edit the pack&apos;s name, author or licence</source>
        <translation>Modifier le nom, l’auteur ou la licence du pack</translation>
    </message>
    <message>
        <source>Generate stage</source>
        <translation>Générer un niveau</translation>
    </message>
    <message>
        <source>Paste stage</source>
        <translation>Coller le niveau</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n lines, a stage has %1</source>
        <translation>
            <numerusform>le texte compte %n ligne, un niveau en a %1</numerusform>
            <numerusform>le texte compte %n lignes, un niveau en a %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Play goes on: the game keeps your progress while it runs.</source>
        <translation>La partie continue : le jeu garde votre progression tant qu’il tourne.</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Niv.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Pierre</translation>
    </message>
    <message>
        <source> Menu</source>
        <translation> Menu</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file</source>
        <translation>%1 : %2 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>%1: %2 is a named pipe, not a file</source>
        <translation>%1 : %2 est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>%1: %2 is a device, not a file</source>
        <translation>%1 : %2 est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>%1: %2 is a socket, not a file</source>
        <translation>%1 : %2 est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file, not a file</source>
        <translation>%1 : %2 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: cannot open %2 (%3)</source>
        <translation>%1 : impossible d’ouvrir %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read %2 (%3)</source>
        <translation>%1 : impossible de lire %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot write %2 (%3)</source>
        <translation>%1 : impossible d’écrire %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot replace %2 (%3)</source>
        <translation>%1 : impossible de remplacer %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot remove %2 (%3)</source>
        <translation>%1 : impossible de supprimer %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot lock %2 (%3)</source>
        <translation>%1 : impossible de verrouiller %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot find the folder of %2 (%3)</source>
        <translation>%1 : impossible de trouver le dossier de %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read the folder %2 (%3)</source>
        <translation>%1 : impossible de lire le dossier %2 (%3)</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 ligne %2 : %3</translation>
    </message>
    <message>
        <source>the first field is longer than %1 bytes</source>
        <translation>le premier champ dépasse %1 octets</translation>
    </message>
    <message>
        <source>the file holds no stage number</source>
        <translation>le fichier ne contient aucun numéro de niveau</translation>
    </message>
    <message>
        <source>%1 is not a stage number</source>
        <translation>%1 n’est pas un numéro de niveau</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1 (lines must end with CR LF)</source>
        <translation>
            <numerusform>le fichier a %n ligne, il lui en faut %1 (les lignes doivent finir par CR LF)</numerusform>
            <numerusform>le fichier a %n lignes, il lui en faut %1 (les lignes doivent finir par CR LF)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1</source>
        <translation>
            <numerusform>le fichier a %n ligne, il lui en faut %1</numerusform>
            <numerusform>le fichier a %n lignes, il lui en faut %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la ligne dépasse %1 octets</translation>
    </message>
    <message>
        <source>%1 plus %2 is out of range (-32768 to 32767)</source>
        <translation>%1 plus %2 est hors limites (-32768 à 32767)</translation>
    </message>
    <message>
        <source>%1 is out of range (-32768 to 32767)</source>
        <translation>%1 est hors limites (-32768 à 32767)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>the board has no start cell &quot;P&quot;</source>
        <translation>le plateau n’a pas de case de départ « P »</translation>
    </message>
    <message>
        <source>the journal ends here</source>
        <translation>le journal s’arrête ici</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>« %1 » attendu</translation>
    </message>
    <message>
        <source>a broken escape</source>
        <translation>une séquence d’échappement invalide</translation>
    </message>
    <message>
        <source>not a number from %1 to %2</source>
        <translation>pas un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>journal line %1: %2</source>
        <translation>journal ligne %1 : %2</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>du texte après la fin</translation>
    </message>
    <message>
        <source>journal: damaged</source>
        <translation>journal : endommagé</translation>
    </message>
    <message>
        <source>%1: every one of %2 journals in %3 is taken</source>
        <translation>%1 : les %2 journaux de %3 sont tous pris</translation>
    </message>
    <message>
        <source>%1: %2 was written, but its folder could not be flushed to the disk (%3)</source>
        <translation>%1 : %2 a été écrit, mais son dossier n’a pas pu être synchronisé sur le disque (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is a link to %3, which does not exist</source>
        <translation>%1 : %2 est un lien vers %3, qui n’existe pas</translation>
    </message>
    <message>
        <source>Stages %1 is not a whole number from 1 to %2</source>
        <translation>Stages %1 n’est pas un nombre entier de 1 à %2</translation>
    </message>
    <message>
        <source>%1 is not a section name</source>
        <translation>%1 n’est pas un nom de section</translation>
    </message>
    <message>
        <source>%1 is not a setting (Key=value)</source>
        <translation>%1 n’est pas un réglage (Clé=valeur)</translation>
    </message>
    <message>
        <source>the [Pack] section has no Stages setting</source>
        <translation>la section [Pack] n’a pas de réglage Stages</translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>le fichier dépasse %1 octets</translation>
    </message>
    <message>
        <source>pack folder: cannot remove %1 (%2)</source>
        <translation>dossier du pack : impossible de supprimer %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot rename %1 to %2 (%3)</source>
        <translation>dossier du pack : impossible de renommer %1 en %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 does not name a folder a pack can be saved as</source>
        <translation>dossier du pack : %1 ne désigne pas un dossier sous lequel enregistrer un pack</translation>
    </message>
    <message>
        <source>pack folder: cannot read %1 (%2)</source>
        <translation>dossier du pack : impossible de lire %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds %2, which no save put there; it is left as it is</source>
        <translation>dossier du pack : %1 contient %2, qu’aucun enregistrement n’y a mis ; il est laissé tel quel</translation>
    </message>
    <message>
        <source>pack folder: cannot put the old pack in %1 back as %2 (%3)</source>
        <translation>dossier du pack : impossible de remettre l’ancien pack de %1 en place sous %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is too long to be a save</source>
        <translation>%1 : %2 est trop long pour être une sauvegarde</translation>
    </message>
    <message>
        <source>pack folder: cannot make %1 (%2)</source>
        <translation>dossier du pack : impossible de créer %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot give %1 the permissions of %2 (%3)</source>
        <translation>dossier du pack : impossible de donner à %1 les permissions de %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot flush %1 to the disk (%2)</source>
        <translation>dossier du pack : impossible de synchroniser %1 sur le disque (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot move %1 aside to %2 (%3)</source>
        <translation>dossier du pack : impossible de mettre %1 de côté sous %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot swap %1 with %2 (%3)</source>
        <translation>dossier du pack : impossible d’échanger %1 et %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds the new pack, but its folder could not be flushed to the disk (%2)</source>
        <translation>dossier du pack : %1 contient le nouveau pack, mais son dossier parent n’a pas pu être synchronisé sur le disque (%2)</translation>
    </message>
    <message>
        <source>the start cell &quot;P&quot; must be empty to be written</source>
        <translation>la case de départ « P » doit être vide pour être écrite</translation>
    </message>
    <message numerus="yes">
        <source>Stages is %1 and the pack holds %n stages: both must be the same, from 1 to %2</source>
        <translation>
            <numerusform>Stages vaut %1 et le pack contient %n niveau : les deux doivent être égaux, de 1 à %2</numerusform>
            <numerusform>Stages vaut %1 et le pack contient %n niveaux : les deux doivent être égaux, de 1 à %2</numerusform>
        </translation>
    </message>
    <message>
        <source>a name, author or licence with a line break or blanks at either end would not read back as it is</source>
        <translation>un nom, un auteur ou une licence contenant un saut de ligne ou des espaces à l’une des extrémités ne se relirait pas tel quel</translation>
    </message>
    <message>
        <source>%1 holds files that are not a pack; choose an empty folder</source>
        <translation>%1 contient des fichiers qui ne forment pas un pack ; choisissez un dossier vide</translation>
    </message>
    <message>
        <source>%1 holds %2 beside the pack: a pack is saved whole into a folder of its own, so move it out or choose an empty folder</source>
        <translation>%1 contient %2 à côté du pack : un pack est enregistré en entier dans un dossier à lui, déplacez donc ce fichier ou choisissez un dossier vide</translation>
    </message>
    <message>
        <source>%1: no folder for the pack&apos;s save (neither XDG_DATA_HOME nor HOME is an absolute path)</source>
        <translation>%1 : aucun dossier pour la sauvegarde du pack (ni XDG_DATA_HOME ni HOME n’est un chemin absolu)</translation>
    </message>
    <message>
        <source>pack folder</source>
        <translation>dossier du pack</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <translation>le fichier s’arrête là où %1 devrait figurer</translation>
    </message>
    <message>
        <source>%1 is here where %2 should be</source>
        <translation>%1 figure ici à la place de %2</translation>
    </message>
    <message>
        <source>%1 follows the last stage</source>
        <translation>%1 suit le dernier niveau</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; it needs %3</source>
        <translation>%1 compte %2 lignes ; il en faut %3</translation>
    </message>
    <message>
        <source>a pack file starts with the line %1</source>
        <translation>un fichier de pack commence par la ligne %1</translation>
    </message>
    <message>
        <source>the solution cannot be written in a pack file</source>
        <translation>la solution ne peut pas être écrite dans un fichier de pack</translation>
    </message>
</context>
<context>
    <name>Generate</name>
    <message>
        <source>a stage that requires neither place nor remove keeps its own blocks as its count and clears with one cast; ask for one cast, or add place or remove</source>
        <translation>un niveau qui n’exige ni poser ni retirer garde ses propres blocs comme compte et se réussit en un sort ; demandez un sort, ou ajoutez poser ou retirer</translation>
    </message>
    <message numerus="yes">
        <source>%n boards tried in %1 s</source>
        <translation>
            <numerusform>%n plateau essayé en %1 s</numerusform>
            <numerusform>%n plateaux essayés en %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (arrêté)</translation>
    </message>
    <message>
        <source>%1 (out of time)</source>
        <translation>%1 (temps écoulé)</translation>
    </message>
    <message>
        <source>%1: %2 unsolvable, %3 too loose to prove, %4 with a way off the board, %5 with too few casts, %6 with too many casts, %7 requiring other moves</source>
        <translation>%1 : %2 insolubles, %3 trop ouverts pour être prouvés, %4 avec une sortie du plateau, %5 avec trop peu de sorts, %6 avec trop de sorts, %7 exigeant d’autres coups</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>
  --help     show this help and leave
  --version  show the version and leave
</source>
        <translation>
  --help     afficher cette aide et quitter
  --version  afficher la version et quitter
</translation>
    </message>
    <message>
        <source>
Lumora is a tile puzzle: guide a small mage over a 9 x 9 board of sand,
blocks, water and walls with the mouse.
  Left click on another column: walk there, climbing one-cell steps.
  Right click on a cell next to the mage: cast magic on it. An empty cell
  gets a block (2 magic), a block goes (+1), water is cleared (2), sand
  turns into magic (+8). Walls never change.
A stage is cleared when the board holds exactly its target number of
blocks, no two touching, no water left, and some magic remains.
</source>
        <translation>
Lumora est un jeu de tuiles : guidez un petit mage à la souris sur un
plateau de 9 x 9 cases de sable, de blocs, d’eau et de murs.
  Clic gauche sur une autre colonne : y marcher, en gravissant les marches
  d’une case.
  Clic droit sur une case voisine du mage : lui lancer un sort. Une case vide
  reçoit un bloc (2 de magie), un bloc disparaît (+1), l’eau est asséchée (2),
  le sable se change en magie (+8). Les murs ne changent jamais.
Un niveau est réussi quand le plateau compte exactement le nombre de blocs
voulu, sans deux blocs côte à côte, sans eau, et qu’il reste de la magie.
</translation>
    </message>
    <message>
        <source>for the rules of play</source>
        <translation>pour les règles du jeu</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Utilisation : %1 [--help | --version]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; %2.</source>
        <translation>Essayez « %1 --help » %2.</translation>
    </message>
    <message>
        <source>
The Lumora workshop makes stages for the game: paint the 9 x 9 board with
sand, blocks, water and walls, place the character&apos;s start, and set the
block target and the starting magic.
  Left button: paint the chosen kind (click or drag).
  Right button: empty the cell.
  Keys choosing the kind:
</source>
        <translation>
L’atelier Lumora crée des niveaux pour le jeu : peignez le plateau de 9 x 9
avec du sable, des blocs, de l’eau et des murs, placez le départ du
personnage, et fixez l’objectif de blocs et la magie de départ.
  Bouton gauche : peindre le type choisi (clic ou glisser).
  Bouton droit : vider la case.
  Touches du type :
</translation>
    </message>
    <message>
        <source>for more</source>
        <translation>pour en savoir plus</translation>
    </message>
    <message>
        <source>PACK</source>
        <translation>PACK</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder: its stages
             are played, with a save of their own
</source>
        <translation>  PACK       un fichier de pack (NOM.lumora) ou un dossier de pack : ses
             niveaux sont joués, avec une sauvegarde à part
</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder to open
</source>
        <translation>  PACK       un fichier de pack (NOM.lumora) ou un dossier de pack à ouvrir
</translation>
    </message>
</context>
<context>
    <name>Move</name>
    <message>
        <source>place</source>
        <translation>poser</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>retirer</translation>
    </message>
    <message>
        <source>take back</source>
        <translation>reprendre</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>sable</translation>
    </message>
    <message>
        <source>climb</source>
        <translation>grimper</translation>
    </message>
    <message>
        <source>climb own</source>
        <translation>grimper sur le sien</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>trou</translation>
    </message>
    <message>
        <source>floor</source>
        <translation>sol</translation>
    </message>
    <message>
        <source>above</source>
        <translation>dessus</translation>
    </message>
</context>
<context>
    <name>PackKeeper</name>
    <message>
        <source>Lumora packs (*%1)</source>
        <translation>Packs Lumora (*%1)</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>not enough magic: it needs %1 to start with, it has %2</source>
        <translation>pas assez de magie : il en faut %1 au départ, il en a %2</translation>
    </message>
    <message>
        <source>no clear found</source>
        <translation>aucune réussite trouvée</translation>
    </message>
    <message>
        <source>the solver&apos;s own solution fails: %1</source>
        <translation>la propre solution du solveur échoue : %1</translation>
    </message>
    <message>
        <source>the game disagrees with the solver:
%1</source>
        <translation>le jeu contredit le solveur :
%1</translation>
    </message>
    <message>
        <source>no clear with any magic</source>
        <translation>impossible à réussir avec quelque magie que ce soit</translation>
    </message>
    <message>
        <source>not solvable with the stage&apos;s budget</source>
        <translation>insoluble avec le budget du niveau</translation>
    </message>
    <message>
        <source>undecided: no clear found within the search&apos;s limits</source>
        <translation>indécis : aucune réussite trouvée dans les limites de la recherche</translation>
    </message>
    <message>
        <source>undecided: a search reached its memory budget</source>
        <translation>indécis : une recherche a atteint sa limite de mémoire</translation>
    </message>
    <message>
        <source>no clear with up to %1 magic</source>
        <translation>impossible à réussir avec jusqu’à %1 de magie</translation>
    </message>
    <message>
        <source>the character does not start on solid ground</source>
        <translation>le personnage ne part pas d’un sol ferme</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>at a time not known</source>
        <translation>à une heure inconnue</translation>
    </message>
    <message>
        <source>Restore Unsaved Work</source>
        <translation>Restaurer le travail non enregistré</translation>
    </message>
</context>
<context>
    <name>Refutation</name>
    <message>
        <source>column %1, row %2</source>
        <translation>colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>the pool at %1 can never be cleared: no cell the character could ever reach is beside it</source>
        <translation>l’eau en %1 ne peut jamais être asséchée : aucune case que le personnage pourrait atteindre n’est à côté</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks can never be reached to remove, more than the target of %1</source>
        <translation>
            <numerusform>%n bloc ne peut jamais être atteint pour le retirer, plus que l’objectif de %1</numerusform>
            <numerusform>%n blocs ne peuvent jamais être atteints pour les retirer, plus que l’objectif de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the blocks at %1 and %2 touch and can never be reached to remove</source>
        <translation>les blocs en %1 et %2 se touchent et ne peuvent jamais être atteints pour les retirer</translation>
    </message>
    <message numerus="yes">
        <source>at most %n blocks can stand apart where the character can reach, fewer than the target of %1</source>
        <translation>
            <numerusform>au plus %n bloc peut rester isolé là où le personnage peut aller, moins que l’objectif de %1</numerusform>
            <numerusform>au plus %n blocs peuvent rester séparés là où le personnage peut aller, moins que l’objectif de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the magic can never suffice: even clearing every sand the character could reach, a clear would end with %1 magic, and the game needs at least %2</source>
        <translation>la magie ne peut jamais suffire : même en changeant tout le sable que le personnage peut atteindre, il resterait %1 de magie à la fin, et le jeu en demande au moins %2</translation>
    </message>
    <message numerus="yes">
        <source>the magic runs out before the pools are cleared: with the sand the character can reach as they go, at most %1 of the %n pools can be cleared</source>
        <translation>
            <numerusform>la magie s’épuise avant que l’eau soit asséchée : avec le sable que le personnage peut atteindre en chemin, au plus %1 case d’eau sur %n peut être asséchée</numerusform>
            <numerusform>la magie s’épuise avant que l’eau soit asséchée : avec le sable que le personnage peut atteindre en chemin, au plus %1 des %n cases d’eau peuvent être asséchées</numerusform>
        </translation>
    </message>
    <message>
        <source>the pools at %1 and %2 can never both be cleared: once either is, no cast can reach the other</source>
        <translation>les cases d’eau en %1 et en %2 ne peuvent jamais être asséchées toutes les deux : dès que l’une l’est, aucun sort n’atteint plus l’autre</translation>
    </message>
    <message>
        <source>the pool at %1 can only be cleared while there are more blocks than the target of %2, and once it is, none of them is left within reach to take away</source>
        <translation>l’eau en %1 ne peut être asséchée que tant qu’il y a plus de blocs que l’objectif de %2, et une fois qu’elle l’est, aucun d’eux n’est plus à portée pour le retirer</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Stage</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Least magic</source>
        <translation>Magie minimale</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>Sorts</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Marches</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Exige</translation>
    </message>
    <message>
        <source>Early count</source>
        <translation>Compte anticipé</translation>
    </message>
    <message>
        <source>Final boards</source>
        <translation>Plateaux finaux</translation>
    </message>
    <message>
        <source>Proof states</source>
        <translation>États de preuve</translation>
    </message>
    <message>
        <source>States</source>
        <translation>États</translation>
    </message>
    <message>
        <source>Leaves the board</source>
        <translation>Sort du plateau</translation>
    </message>
    <message>
        <source>from %1,%2</source>
        <translation>depuis %1,%2</translation>
    </message>
    <message>
        <source>%1, over the top</source>
        <translation>%1, par le haut</translation>
    </message>
    <message>
        <source>%1, past column 1</source>
        <translation>%1, au-delà de la colonne 1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (cut short)</source>
        <translation>%1 (écourté)</translation>
    </message>
    <message>
        <source>costs</source>
        <translation>coûte</translation>
    </message>
</context>
<context>
    <name>workshop::BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>sable</translation>
    </message>
    <message>
        <source>block</source>
        <translation>bloc</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>mur</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1, start</source>
        <translation>%1, départ</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>colonne %1, ligne %2 : %3</translation>
    </message>
</context>
<context>
    <name>workshop::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>workshop::EditorWindow</name>
    <message>
        <source>Stages</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Preuve</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept safe: %1</source>
        <translation>Le travail non enregistré ne peut pas être mis à l’abri : %1</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Travail non enregistré</translation>
    </message>
    <message>
        <source>Unsaved work of a workshop that ended cannot be read: %1</source>
        <translation>Le travail non enregistré d’un atelier terminé est illisible : %1</translation>
    </message>
    <message>
        <source>an untitled pack</source>
        <translation>un pack sans titre</translation>
    </message>
    <message>
        <source>A workshop ended with unsaved work on %1 (%2), written %3. Restore it?</source>
        <translation>Un atelier s’est terminé avec du travail non enregistré sur %1 (%2), écrit %3. Le restaurer ?</translation>
    </message>
    <message>
        <source>stage</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>niveaux</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Lumora Workshop</source>
        <translation>À &amp;propos de l’atelier Lumora</translation>
    </message>
    <message>
        <source>&amp;New Pack</source>
        <translation>&amp;Nouveau pack</translation>
    </message>
    <message>
        <source>Open the &amp;Game&apos;s Stages</source>
        <translation>Ouvrir les niveaux du &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un pack &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Ajouter un niveau</translation>
    </message>
    <message>
        <source>&amp;Duplicate Stage</source>
        <translation>&amp;Dupliquer le niveau</translation>
    </message>
    <message>
        <source>D&amp;elete Stage</source>
        <translation>&amp;Supprimer le niveau</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>&amp;Pack</source>
        <translation>&amp;Pack</translation>
    </message>
    <message>
        <source>&amp;Play Pack</source>
        <translation>&amp;Jouer le pack</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>&amp;Generate…</source>
        <translation>&amp;Générer…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Montrer la s&amp;olution</translation>
    </message>
    <message>
        <source>About Lumora Workshop</source>
        <translation>À propos de l’atelier Lumora</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Lumora Workshop&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Makes stages for Lumora: paint the board with the left button, empty cells with the right one.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Atelier Lumora&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Crée des niveaux pour Lumora : peignez le plateau avec le bouton gauche, videz les cases avec le droit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1[*] — Lumora Workshop</source>
        <translation>%1[*] — Atelier Lumora</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>Pa&amp;ramètres</translation>
    </message>
    <message>
        <source>Proof &amp;Memory…</source>
        <translation>&amp;Mémoire des preuves…</translation>
    </message>
    <message>
        <source>Proof Memory</source>
        <translation>Mémoire des preuves</translation>
    </message>
    <message>
        <source>The memory each search of a proof may take, in MB.
A search that needs more stops, and its stage is undecided.</source>
        <translation>La mémoire que chaque recherche d’une preuve peut occuper, en Mo.
Une recherche qui en demande plus s’arrête, et son niveau reste indécis.</translation>
    </message>
    <message>
        <source>&amp;Copy Stage</source>
        <translation>&amp;Copier le niveau</translation>
    </message>
    <message>
        <source>&amp;Paste Stage</source>
        <translation>C&amp;oller le niveau</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>presse-papiers</translation>
    </message>
    <message>
        <source>Cannot Paste the Stage</source>
        <translation>Impossible de coller le niveau</translation>
    </message>
    <message>
        <source>The text on the clipboard is no stage, and the stage was left as it was:
%1</source>
        <translation>Le texte du presse-papiers n’est pas un niveau, et le niveau est resté tel quel :
%1</translation>
    </message>
    <message>
        <source>&amp;Open Pack File…</source>
        <translation>&amp;Ouvrir un fichier de pack…</translation>
    </message>
    <message>
        <source>Open Pack &amp;Folder…</source>
        <translation>Ouvrir un &amp;dossier de pack…</translation>
    </message>
    <message>
        <source>Save &amp;As Pack File…</source>
        <translation>Enregistrer sous un &amp;fichier de pack…</translation>
    </message>
    <message>
        <source>Save As Pack Fol&amp;der…</source>
        <translation>Enregistrer sous un do&amp;ssier de pack…</translation>
    </message>
</context>
<context>
    <name>workshop::GenerateDialog</name>
    <message>
        <source>Generate Stage</source>
        <translation>Générer un niveau</translation>
    </message>
    <message>
        <source>Moves it must require
(none checked: any):</source>
        <translation>Coups exigés
(aucun coché : tous) :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Casts:</source>
        <translation>Sorts :</translation>
    </message>
    <message>
        <source>&amp;Random Seed</source>
        <translation>Graine &amp;aléatoire</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Graine :</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Générer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>board</source>
        <translation>plateau</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>plateaux</translation>
    </message>
    <message>
        <source>No stage found: %1</source>
        <translation>Aucun niveau trouvé : %1</translation>
    </message>
    <message>
        <source>Found after %1: %2, requires %3.</source>
        <translation>Trouvé après %1 : %2, exige %3.</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>sort</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>sorts</translation>
    </message>
    <message>
        <source>Searching… %1 tried, %L2 states searched</source>
        <translation>Recherche… %1 essayés, %L2 états parcourus</translation>
    </message>
</context>
<context>
    <name>workshop::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Comme le système</translation>
    </message>
</context>
<context>
    <name>workshop::LiveProof</name>
    <message>
        <source>Looking for the shortest solution…</source>
        <translation>Recherche de la solution la plus courte…</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Montrer la solution</translation>
    </message>
</context>
<context>
    <name>workshop::PackKeeper</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>Cannot Open the Pack</source>
        <translation>Impossible d’ouvrir le pack</translation>
    </message>
    <message>
        <source>The pack in %1 does not open, and nothing was changed:
%2</source>
        <translation>Le pack de %1 ne s’ouvre pas, et rien n’a été modifié :
%2</translation>
    </message>
    <message>
        <source>Cannot Open the Game&apos;s Stages</source>
        <translation>Impossible d’ouvrir les niveaux du jeu</translation>
    </message>
    <message>
        <source>Save the Pack in an Empty Folder</source>
        <translation>Enregistrer le pack dans un dossier vide</translation>
    </message>
    <message>
        <source>Replace the Pack?</source>
        <translation>Remplacer le pack ?</translation>
    </message>
    <message>
        <source>%1 holds a pack already. Replace it with this one?</source>
        <translation>%1 contient déjà un pack. Le remplacer par celui-ci ?</translation>
    </message>
    <message>
        <source>Cannot Save the Pack</source>
        <translation>Impossible d’enregistrer le pack</translation>
    </message>
    <message>
        <source>The pack was not saved in %1:
%2</source>
        <translation>Le pack n’a pas été enregistré dans %1 :
%2</translation>
    </message>
    <message>
        <source>Save the Changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>The pack has changes that are not saved. Save them?</source>
        <translation>Le pack a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>not solvable with its budget</source>
        <translation>impossible à réussir avec son budget</translation>
    </message>
    <message>
        <source>undecided, the proof stopped at its limit</source>
        <translation>indécis, la preuve s’est arrêtée à sa limite</translation>
    </message>
    <message>
        <source>it cannot be proven</source>
        <translation>il ne peut pas être prouvé</translation>
    </message>
    <message>
        <source>its solution ends on another board than its answer</source>
        <translation>sa solution finit sur un autre plateau que sa réponse</translation>
    </message>
    <message>
        <source>not proven yet</source>
        <translation>pas encore prouvé</translation>
    </message>
    <message>
        <source>Open a Pack File</source>
        <translation>Ouvrir un fichier de pack</translation>
    </message>
    <message>
        <source>Open a Pack Folder</source>
        <translation>Ouvrir un dossier de pack</translation>
    </message>
    <message>
        <source>Save the Pack as a File</source>
        <translation>Enregistrer le pack dans un fichier</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Niveau %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Without Solutions?</source>
        <translation>Enregistrer sans solutions ?</translation>
    </message>
    <message>
        <source>The pack file will carry no solution for these stages:

%1

A player&apos;s copy cannot show they are solvable. Save it anyway?</source>
        <translation>Le fichier de pack ne contiendra aucune solution pour ces niveaux :

%1

La copie d’un joueur ne pourra pas montrer qu’ils sont réussissables. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>Enregistrer &amp;quand même</translation>
    </message>
</context>
<context>
    <name>workshop::PackView</name>
    <message>
        <source>Least magic</source>
        <translation>Magie minimale</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>Sorts</translation>
    </message>
    <message>
        <source>Proof states (right)</source>
        <translation>États de la preuve (à droite)</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Cannot be proven: %1</source>
        <translation>Preuve impossible : %1</translation>
    </message>
    <message>
        <source>The budget does not clear this stage</source>
        <translation>Le budget ne suffit pas à réussir ce niveau</translation>
    </message>
    <message>
        <source>Undecided: the proof stopped at its memory or state limit before it could tell</source>
        <translation>Indécis : la preuve s’est arrêtée à sa limite de mémoire ou d’états avant de pouvoir trancher</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>✔ proven by its solution</source>
        <translation>✔ prouvé par sa solution</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it; the proof found one</source>
        <translation>✘ sa solution ne le réussit pas ; la preuve en a trouvé une</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it</source>
        <translation>✘ sa solution ne le réussit pas</translation>
    </message>
    <message>
        <source>checking its solution…</source>
        <translation>vérification de sa solution…</translation>
    </message>
    <message>
        <source>found by the proof</source>
        <translation>trouvée par la preuve</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
</context>
<context>
    <name>workshop::PlaySession</name>
    <message>
        <source>Cleared</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Fermé</translation>
    </message>
    <message>
        <source>Stopped by an error</source>
        <translation>Arrêté par une erreur</translation>
    </message>
    <message>
        <source>The solution cannot be shown: %1</source>
        <translation>La solution ne peut pas être montrée : %1</translation>
    </message>
    <message>
        <source>There is no room to play the stage in: %1</source>
        <translation>Pas de place pour jouer le niveau : %1</translation>
    </message>
</context>
<context>
    <name>workshop::ProofPanel</name>
    <message>
        <source>Least starting magic:</source>
        <translation>Magie de départ minimale :</translation>
    </message>
    <message>
        <source>Shortest solution:</source>
        <translation>Solution la plus courte :</translation>
    </message>
    <message>
        <source>Moves it requires:</source>
        <translation>Coups exigés :</translation>
    </message>
    <message>
        <source>Early count rule:</source>
        <translation>Règle du compte anticipé :</translation>
    </message>
    <message>
        <source>Final boards:</source>
        <translation>Plateaux finaux :</translation>
    </message>
    <message>
        <source>Leaves the board:</source>
        <translation>Sort du plateau :</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answer&lt;/b&gt; (the board the mini-map shows)</source>
        <translation>&lt;b&gt;Réponse&lt;/b&gt; (le plateau de la mini-carte)</translation>
    </message>
    <message>
        <source>◀</source>
        <translation>◀</translation>
    </message>
    <message>
        <source>▶</source>
        <translation>▶</translation>
    </message>
    <message>
        <source>Use as Answer</source>
        <translation>Prendre comme réponse</translation>
    </message>
    <message>
        <source>The previous final board</source>
        <translation>Le plateau final précédent</translation>
    </message>
    <message>
        <source>The next final board</source>
        <translation>Le plateau final suivant</translation>
    </message>
    <message>
        <source>Proving…</source>
        <translation>Preuve en cours…</translation>
    </message>
    <message>
        <source>%L1 states searched</source>
        <translation>%L1 états parcourus</translation>
    </message>
    <message>
        <source>Stopped: the proof was stopped before it ended</source>
        <translation>Arrêtée : la preuve a été arrêtée avant sa fin</translation>
    </message>
    <message>
        <source>✔ Solvable with its magic</source>
        <translation>✔ Soluble avec sa magie</translation>
    </message>
    <message>
        <source>✘ Not solvable: %1</source>
        <translation>✘ Insoluble : %1</translation>
    </message>
    <message>
        <source>%1 (the stage gives %2)</source>
        <translation>%1 (le niveau donne %2)</translation>
    </message>
    <message>
        <source>none clears it up to %1</source>
        <translation>aucune jusqu’à %1 ne le réussit</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>sort</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>sorts</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>marche</translation>
    </message>
    <message>
        <source>walks</source>
        <translation>marches</translation>
    </message>
    <message>
        <source>over the top</source>
        <translation>par le haut</translation>
    </message>
    <message>
        <source>past column 1</source>
        <translation>au-delà de la colonne 1</translation>
    </message>
    <message>
        <source>yes: a walk from column %1, row %2 goes %3</source>
        <translation>oui : une marche depuis la colonne %1, ligne %2 sort %3</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>The stage cannot be cleared with its magic.</source>
        <translation>Le niveau ne peut pas être réussi avec sa magie.</translation>
    </message>
    <message>
        <source>%L1 states searched in all</source>
        <translation>%L1 états parcourus en tout</translation>
    </message>
    <message>
        <source> (a search was cut short)</source>
        <translation> (une recherche a été écourtée)</translation>
    </message>
    <message>
        <source>costs magic</source>
        <translation>coûte de la magie</translation>
    </message>
    <message>
        <source>costs nothing</source>
        <translation>ne coûte rien</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>✘ Cannot be played: %1</source>
        <translation>✘ Injouable : %1</translation>
    </message>
    <message>
        <source>no final board yet</source>
        <translation>pas encore de plateau final</translation>
    </message>
    <message>
        <source>final board %1 of %2</source>
        <translation>plateau final %1 sur %2</translation>
    </message>
    <message>
        <source>, the shortest solution&apos;s</source>
        <translation>, celui de la solution la plus courte</translation>
    </message>
    <message>
        <source> (stored)</source>
        <translation> (enregistré)</translation>
    </message>
    <message>
        <source>No solution was found, and none was ruled out: the proof is undecided.</source>
        <translation>Aucune solution n’a été trouvée, et aucune n’a été exclue : la preuve reste indécise.</translation>
    </message>
    <message>
        <source>? Undecided within %1 MB after %L2 states</source>
        <translation>? Indécis dans %1 Mo après %L2 états</translation>
    </message>
    <message>
        <source>? Undecided: the search reached its state limit</source>
        <translation>? Indécis : la recherche a atteint sa limite d’états</translation>
    </message>
    <message>
        <source>%1 so far (the stage gives %2)</source>
        <translation>%1 pour l’instant (le niveau donne %2)</translation>
    </message>
    <message>
        <source>, the fewest so far</source>
        <translation>, le moins trouvé jusqu’ici</translation>
    </message>
    <message numerus="yes">
        <source>✔ Solvable: a %n-cast solution found; looking for a shorter one</source>
        <translation>
            <numerusform>✔ Soluble : une solution en %n sort trouvée ; recherche d’une plus courte</numerusform>
            <numerusform>✔ Soluble : une solution en %n sorts trouvée ; recherche d’une plus courte</numerusform>
        </translation>
    </message>
    <message>
        <source>not known: the search was cut short</source>
        <translation>inconnu : la recherche a été écourtée</translation>
    </message>
    <message>
        <source>at least %1 (a search was cut short)</source>
        <translation>au moins %1 (une recherche a été écourtée)</translation>
    </message>
</context>
<context>
    <name>workshop::StageDrawing</name>
    <message>
        <source>How many blocks the board must hold for the stage to be cleared</source>
        <translation>Nombre de blocs que le plateau doit compter pour réussir le niveau</translation>
    </message>
    <message>
        <source>The magic the player has when the stage starts. The stage file stores one less, the budget.</source>
        <translation>La magie du joueur au début du niveau. Le fichier du niveau en garde un de moins : le budget.</translation>
    </message>
    <message>
        <source>&amp;Target blocks:</source>
        <translation>Objectif de &amp;blocs :</translation>
    </message>
    <message>
        <source>Starting &amp;magic:</source>
        <translation>&amp;Magie de départ :</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>workshop::StageList</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Auteur :</translation>
    </message>
    <message>
        <source>&amp;Licence:</source>
        <translation>&amp;Licence :</translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation>Niveau %1</translation>
    </message>
</context>
</TS>
