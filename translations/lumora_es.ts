<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Cell</name>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Arena</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>Edit</name>
    <message numerus="yes">
        <source>Empty %n cells</source>
        <translation>
            <numerusform>Vaciar %n casilla</numerusform>
            <numerusform>Vaciar %n casillas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with sand</source>
        <translation>
            <numerusform>Pintar %n casilla con arena</numerusform>
            <numerusform>Pintar %n casillas con arena</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with block</source>
        <translation>
            <numerusform>Pintar %n casilla con bloque</numerusform>
            <numerusform>Pintar %n casillas con bloque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with water</source>
        <translation>
            <numerusform>Pintar %n casilla con agua</numerusform>
            <numerusform>Pintar %n casillas con agua</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with wall</source>
        <translation>
            <numerusform>Pintar %n casilla con muro</numerusform>
            <numerusform>Pintar %n casillas con muro</numerusform>
        </translation>
    </message>
    <message>
        <source>Move the start</source>
        <translation>Mover el inicio</translation>
    </message>
    <message>
        <source>Set the target to %1</source>
        <translation>Fijar el objetivo en %1</translation>
    </message>
    <message>
        <source>Set the starting magic to %1</source>
        <translation>Fijar la magia inicial en %1</translation>
    </message>
    <message>
        <source>Choose the answer</source>
        <translation>Elegir la respuesta</translation>
    </message>
    <message>
        <source>Add stage %1</source>
        <translation>Añadir el nivel %1</translation>
    </message>
    <message>
        <source>Duplicate stage %1</source>
        <translation>Duplicar el nivel %1</translation>
    </message>
    <message>
        <source>Delete stage %1</source>
        <translation>Eliminar el nivel %1</translation>
    </message>
    <message>
        <source>Move stage %1 to %2</source>
        <translation>Mover el nivel %1 a %2</translation>
    </message>
    <message>
        <source>Edit the pack&apos;s name, author or licence</source>
        <translation>Editar el nombre, el autor o la licencia del paquete</translation>
    </message>
    <message>
        <source>Generate stage</source>
        <translation>Generar nivel</translation>
    </message>
    <message>
        <source>Paste stage</source>
        <translation>Pegar nivel</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n lines, a stage has %1</source>
        <translation>
            <numerusform>el texto tiene %n línea, un nivel tiene %1</numerusform>
            <numerusform>el texto tiene %n líneas, un nivel tiene %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Play goes on: the game keeps your progress while it runs.</source>
        <translation>La partida sigue: el juego conserva tu progreso mientras esté abierto.</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Piedra</translation>
    </message>
    <message>
        <source> Menu</source>
        <translation> Menú</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file</source>
        <translation>%1: %2 es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>%1: %2 is a named pipe, not a file</source>
        <translation>%1: %2 es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>%1: %2 is a device, not a file</source>
        <translation>%1: %2 es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>%1: %2 is a socket, not a file</source>
        <translation>%1: %2 es un socket, no un archivo</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file, not a file</source>
        <translation>%1: %2 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: cannot open %2 (%3)</source>
        <translation>%1: no se puede abrir %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read %2 (%3)</source>
        <translation>%1: no se puede leer %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot write %2 (%3)</source>
        <translation>%1: no se puede escribir %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot replace %2 (%3)</source>
        <translation>%1: no se puede reemplazar %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot remove %2 (%3)</source>
        <translation>%1: no se puede eliminar %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot lock %2 (%3)</source>
        <translation>%1: no se puede bloquear %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot find the folder of %2 (%3)</source>
        <translation>%1: no se encuentra la carpeta de %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read the folder %2 (%3)</source>
        <translation>%1: no se puede leer la carpeta %2 (%3)</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 línea %2: %3</translation>
    </message>
    <message>
        <source>the first field is longer than %1 bytes</source>
        <translation>el primer campo tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>the file holds no stage number</source>
        <translation>el archivo no contiene ningún número de nivel</translation>
    </message>
    <message>
        <source>%1 is not a stage number</source>
        <translation>%1 no es un número de nivel</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1 (lines must end with CR LF)</source>
        <translation>
            <numerusform>el archivo tiene %n línea, necesita %1 (las líneas deben terminar en CR LF)</numerusform>
            <numerusform>el archivo tiene %n líneas, necesita %1 (las líneas deben terminar en CR LF)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1</source>
        <translation>
            <numerusform>el archivo tiene %n línea, necesita %1</numerusform>
            <numerusform>el archivo tiene %n líneas, necesita %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la línea tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>%1 plus %2 is out of range (-32768 to 32767)</source>
        <translation>%1 más %2 está fuera de rango (-32768 a 32767)</translation>
    </message>
    <message>
        <source>%1 is out of range (-32768 to 32767)</source>
        <translation>%1 está fuera de rango (-32768 a 32767)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>the board has no start cell &quot;P&quot;</source>
        <translation>el tablero no tiene casilla de inicio «P»</translation>
    </message>
    <message>
        <source>the journal ends here</source>
        <translation>el diario termina aquí</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>se esperaba «%1»</translation>
    </message>
    <message>
        <source>a broken escape</source>
        <translation>una secuencia de escape rota</translation>
    </message>
    <message>
        <source>not a number from %1 to %2</source>
        <translation>no es un número de %1 a %2</translation>
    </message>
    <message>
        <source>journal line %1: %2</source>
        <translation>diario línea %1: %2</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>hay más después del final</translation>
    </message>
    <message>
        <source>journal: damaged</source>
        <translation>diario: dañado</translation>
    </message>
    <message>
        <source>%1: every one of %2 journals in %3 is taken</source>
        <translation>%1: los %2 diarios de %3 están todos ocupados</translation>
    </message>
    <message>
        <source>%1: %2 was written, but its folder could not be flushed to the disk (%3)</source>
        <translation>%1: se escribió %2, pero su carpeta no se pudo volcar al disco (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is a link to %3, which does not exist</source>
        <translation>%1: %2 es un enlace a %3, que no existe</translation>
    </message>
    <message>
        <source>Stages %1 is not a whole number from 1 to %2</source>
        <translation>Stages %1 no es un número entero de 1 a %2</translation>
    </message>
    <message>
        <source>%1 is not a section name</source>
        <translation>%1 no es un nombre de sección</translation>
    </message>
    <message>
        <source>%1 is not a setting (Key=value)</source>
        <translation>%1 no es un ajuste (Clave=valor)</translation>
    </message>
    <message>
        <source>the [Pack] section has no Stages setting</source>
        <translation>la sección [Pack] no tiene el ajuste Stages</translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>el archivo tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>pack folder: cannot remove %1 (%2)</source>
        <translation>carpeta del paquete: no se puede eliminar %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot rename %1 to %2 (%3)</source>
        <translation>carpeta del paquete: no se puede renombrar %1 como %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 does not name a folder a pack can be saved as</source>
        <translation>carpeta del paquete: %1 no nombra una carpeta en la que se pueda guardar un paquete</translation>
    </message>
    <message>
        <source>pack folder: cannot read %1 (%2)</source>
        <translation>carpeta del paquete: no se puede leer %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds %2, which no save put there; it is left as it is</source>
        <translation>carpeta del paquete: %1 contiene %2, que ningún guardado puso ahí; se deja como está</translation>
    </message>
    <message>
        <source>pack folder: cannot put the old pack in %1 back as %2 (%3)</source>
        <translation>carpeta del paquete: no se puede devolver el paquete antiguo de %1 a %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is too long to be a save</source>
        <translation>%1: %2 es demasiado largo para ser una partida guardada</translation>
    </message>
    <message>
        <source>pack folder: cannot make %1 (%2)</source>
        <translation>carpeta del paquete: no se puede crear %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot give %1 the permissions of %2 (%3)</source>
        <translation>carpeta del paquete: no se pueden dar a %1 los permisos de %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot flush %1 to the disk (%2)</source>
        <translation>carpeta del paquete: no se puede volcar %1 al disco (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot move %1 aside to %2 (%3)</source>
        <translation>carpeta del paquete: no se puede apartar %1 como %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot swap %1 with %2 (%3)</source>
        <translation>carpeta del paquete: no se puede intercambiar %1 con %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds the new pack, but its folder could not be flushed to the disk (%2)</source>
        <translation>carpeta del paquete: %1 contiene el paquete nuevo, pero su carpeta superior no se pudo volcar al disco (%2)</translation>
    </message>
    <message>
        <source>the start cell &quot;P&quot; must be empty to be written</source>
        <translation>la casilla de inicio «P» debe estar vacía para poder escribirse</translation>
    </message>
    <message numerus="yes">
        <source>Stages is %1 and the pack holds %n stages: both must be the same, from 1 to %2</source>
        <translation>
            <numerusform>Stages es %1 y el paquete contiene %n nivel: ambos deben ser iguales, de 1 a %2</numerusform>
            <numerusform>Stages es %1 y el paquete contiene %n niveles: ambos deben ser iguales, de 1 a %2</numerusform>
        </translation>
    </message>
    <message>
        <source>a name, author or licence with a line break or blanks at either end would not read back as it is</source>
        <translation>un nombre, autor o licencia con un salto de línea o espacios en alguno de sus extremos no se leería tal cual</translation>
    </message>
    <message>
        <source>%1 holds files that are not a pack; choose an empty folder</source>
        <translation>%1 contiene archivos que no son un paquete; elige una carpeta vacía</translation>
    </message>
    <message>
        <source>%1 holds %2 beside the pack: a pack is saved whole into a folder of its own, so move it out or choose an empty folder</source>
        <translation>%1 contiene %2 junto al paquete: un paquete se guarda entero en una carpeta propia, así que sácalo de ahí o elige una carpeta vacía</translation>
    </message>
    <message>
        <source>%1: no folder for the pack&apos;s save (neither XDG_DATA_HOME nor HOME is an absolute path)</source>
        <translation>%1: no hay carpeta para la partida guardada del paquete (ni XDG_DATA_HOME ni HOME es una ruta absoluta)</translation>
    </message>
    <message>
        <source>pack folder</source>
        <translation>carpeta del paquete</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <translation>el archivo termina donde debería estar %1</translation>
    </message>
    <message>
        <source>%1 is here where %2 should be</source>
        <translation>aquí está %1 donde debería estar %2</translation>
    </message>
    <message>
        <source>%1 follows the last stage</source>
        <translation>%1 sigue al último nivel</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; it needs %3</source>
        <translation>%1 tiene %2 líneas; necesita %3</translation>
    </message>
    <message>
        <source>a pack file starts with the line %1</source>
        <translation>un archivo de paquete empieza con la línea %1</translation>
    </message>
    <message>
        <source>the solution cannot be written in a pack file</source>
        <translation>la solución no se puede escribir en un archivo de paquete</translation>
    </message>
</context>
<context>
    <name>Generate</name>
    <message>
        <source>a stage that requires neither place nor remove keeps its own blocks as its count and clears with one cast; ask for one cast, or add place or remove</source>
        <translation>un nivel que no exige ni poner ni quitar conserva sus propios bloques como cuenta y se supera con un hechizo; pide un hechizo, o añade poner o quitar</translation>
    </message>
    <message numerus="yes">
        <source>%n boards tried in %1 s</source>
        <translation>
            <numerusform>%n tablero probado en %1 s</numerusform>
            <numerusform>%n tableros probados en %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (detenido)</translation>
    </message>
    <message>
        <source>%1 (out of time)</source>
        <translation>%1 (sin tiempo)</translation>
    </message>
    <message>
        <source>%1: %2 unsolvable, %3 too loose to prove, %4 with a way off the board, %5 with too few casts, %6 with too many casts, %7 requiring other moves</source>
        <translation>%1: %2 sin solución, %3 demasiado abiertos para demostrarlos, %4 con una salida del tablero, %5 con muy pocos hechizos, %6 con demasiados hechizos, %7 que exigen otros movimientos</translation>
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
  --help     mostrar esta ayuda y salir
  --version  mostrar la versión y salir
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
Lumora es un rompecabezas de casillas: guía con el ratón a un pequeño mago
por un tablero de 9 x 9 de arena, bloques, agua y muros.
  Clic izquierdo en otra columna: caminar hasta allí, subiendo escalones de
  una casilla.
  Clic derecho en una casilla junto al mago: lanzarle un hechizo. Una casilla
  vacía recibe un bloque (2 de magia), un bloque desaparece (+1), el agua se
  seca (2), la arena se convierte en magia (+8). Los muros nunca cambian.
Un nivel se supera cuando el tablero tiene exactamente los bloques pedidos,
sin dos juntos, sin agua, y aún queda algo de magia.
</translation>
    </message>
    <message>
        <source>for the rules of play</source>
        <translation>para ver las reglas del juego</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Uso: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; %2.</source>
        <translation>Prueba «%1 --help» %2.</translation>
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
El taller de Lumora crea niveles para el juego: pinta el tablero de 9 x 9
con arena, bloques, agua y muros, coloca el inicio del personaje y fija el
objetivo de bloques y la magia inicial.
  Botón izquierdo: pintar el tipo elegido (clic o arrastrar).
  Botón derecho: vaciar la casilla.
  Teclas de cada tipo:
</translation>
    </message>
    <message>
        <source>for more</source>
        <translation>para más información</translation>
    </message>
    <message>
        <source>PACK</source>
        <translation>PAQUETE</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder: its stages
             are played, with a save of their own
</source>
        <translation>  PAQUETE    un archivo de paquete (NOMBRE.lumora) o una carpeta de paquete:
             se juegan sus niveles, con una partida guardada propia
</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder to open
</source>
        <translation>  PAQUETE    un archivo de paquete (NOMBRE.lumora) o una carpeta de paquete que abrir
</translation>
    </message>
</context>
<context>
    <name>Move</name>
    <message>
        <source>place</source>
        <translation>poner</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>quitar</translation>
    </message>
    <message>
        <source>take back</source>
        <translation>recuperar</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>arena</translation>
    </message>
    <message>
        <source>climb</source>
        <translation>trepar</translation>
    </message>
    <message>
        <source>climb own</source>
        <translation>trepar al propio</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>hoyo</translation>
    </message>
    <message>
        <source>floor</source>
        <translation>suelo</translation>
    </message>
    <message>
        <source>above</source>
        <translation>arriba</translation>
    </message>
</context>
<context>
    <name>PackKeeper</name>
    <message>
        <source>Lumora packs (*%1)</source>
        <translation>Paquetes de Lumora (*%1)</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>not enough magic: it needs %1 to start with, it has %2</source>
        <translation>no hay magia suficiente: necesita %1 al empezar, tiene %2</translation>
    </message>
    <message>
        <source>no clear found</source>
        <translation>no se encontró cómo superarlo</translation>
    </message>
    <message>
        <source>the solver&apos;s own solution fails: %1</source>
        <translation>la propia solución del resolvedor falla: %1</translation>
    </message>
    <message>
        <source>the game disagrees with the solver:
%1</source>
        <translation>el juego contradice al resolvedor:
%1</translation>
    </message>
    <message>
        <source>no clear with any magic</source>
        <translation>no se puede superar con ninguna magia</translation>
    </message>
    <message>
        <source>not solvable with the stage&apos;s budget</source>
        <translation>no tiene solución con el presupuesto del nivel</translation>
    </message>
    <message>
        <source>undecided: no clear found within the search&apos;s limits</source>
        <translation>sin decidir: no se encontró cómo superarlo dentro de los límites de la búsqueda</translation>
    </message>
    <message>
        <source>undecided: a search reached its memory budget</source>
        <translation>sin decidir: una búsqueda llegó a su límite de memoria</translation>
    </message>
    <message>
        <source>no clear with up to %1 magic</source>
        <translation>no se puede superar con hasta %1 de magia</translation>
    </message>
    <message>
        <source>the character does not start on solid ground</source>
        <translation>el personaje no empieza sobre suelo firme</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>at a time not known</source>
        <translation>en un momento desconocido</translation>
    </message>
    <message>
        <source>Restore Unsaved Work</source>
        <translation>Recuperar el trabajo sin guardar</translation>
    </message>
</context>
<context>
    <name>Refutation</name>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>the pool at %1 can never be cleared: no cell the character could ever reach is beside it</source>
        <translation>el agua en %1 nunca se puede secar: ninguna casilla que el personaje pueda alcanzar está junto a ella</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks can never be reached to remove, more than the target of %1</source>
        <translation>
            <numerusform>%n bloque nunca se puede alcanzar para quitarlo, más que el objetivo de %1</numerusform>
            <numerusform>%n bloques nunca se pueden alcanzar para quitarlos, más que el objetivo de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the blocks at %1 and %2 touch and can never be reached to remove</source>
        <translation>los bloques en %1 y %2 se tocan y nunca se pueden alcanzar para quitarlos</translation>
    </message>
    <message numerus="yes">
        <source>at most %n blocks can stand apart where the character can reach, fewer than the target of %1</source>
        <translation>
            <numerusform>como mucho %n bloque puede quedar separado donde el personaje llega, menos que el objetivo de %1</numerusform>
            <numerusform>como mucho %n bloques pueden quedar separados donde el personaje llega, menos que el objetivo de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the magic can never suffice: even clearing every sand the character could reach, a clear would end with %1 magic, and the game needs at least %2</source>
        <translation>la magia nunca puede alcanzar: aun convirtiendo toda la arena que el personaje puede alcanzar, al final quedaría %1 de magia, y el juego exige al menos %2</translation>
    </message>
    <message numerus="yes">
        <source>the magic runs out before the pools are cleared: with the sand the character can reach as they go, at most %1 of the %n pools can be cleared</source>
        <translation>
            <numerusform>la magia se acaba antes de secar el agua: con la arena que el personaje puede alcanzar por el camino, se puede secar como mucho %1 de %n casilla de agua</numerusform>
            <numerusform>la magia se acaba antes de secar el agua: con la arena que el personaje puede alcanzar por el camino, se pueden secar como mucho %1 de las %n casillas de agua</numerusform>
        </translation>
    </message>
    <message>
        <source>the pools at %1 and %2 can never both be cleared: once either is, no cast can reach the other</source>
        <translation>las casillas de agua en %1 y en %2 nunca se pueden secar las dos: en cuanto se seca una, ningún hechizo alcanza la otra</translation>
    </message>
    <message>
        <source>the pool at %1 can only be cleared while there are more blocks than the target of %2, and once it is, none of them is left within reach to take away</source>
        <translation>el agua en %1 solo se puede secar mientras haya más bloques que el objetivo de %2, y una vez seca, ninguno de ellos queda al alcance para quitarlo</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Stage</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Least magic</source>
        <translation>Magia mínima</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Sobrante</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>Hechizos</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Paseos</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Exige</translation>
    </message>
    <message>
        <source>Early count</source>
        <translation>Cuenta anticipada</translation>
    </message>
    <message>
        <source>Final boards</source>
        <translation>Tableros finales</translation>
    </message>
    <message>
        <source>Proof states</source>
        <translation>Estados de prueba</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Estados</translation>
    </message>
    <message>
        <source>Leaves the board</source>
        <translation>Sale del tablero</translation>
    </message>
    <message>
        <source>from %1,%2</source>
        <translation>desde %1,%2</translation>
    </message>
    <message>
        <source>%1, over the top</source>
        <translation>%1, por arriba</translation>
    </message>
    <message>
        <source>%1, past column 1</source>
        <translation>%1, más allá de la columna 1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (cut short)</source>
        <translation>%1 (interrumpido)</translation>
    </message>
    <message>
        <source>costs</source>
        <translation>cuesta</translation>
    </message>
</context>
<context>
    <name>workshop::BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>arena</translation>
    </message>
    <message>
        <source>block</source>
        <translation>bloque</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>muro</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>%1, start</source>
        <translation>%1, inicio</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>columna %1, fila %2: %3</translation>
    </message>
</context>
<context>
    <name>workshop::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>workshop::EditorWindow</name>
    <message>
        <source>Stages</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept safe: %1</source>
        <translation>El trabajo sin guardar no se puede proteger: %1</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Trabajo sin guardar</translation>
    </message>
    <message>
        <source>Unsaved work of a workshop that ended cannot be read: %1</source>
        <translation>No se puede leer el trabajo sin guardar de un taller que terminó: %1</translation>
    </message>
    <message>
        <source>an untitled pack</source>
        <translation>un paquete sin título</translation>
    </message>
    <message>
        <source>A workshop ended with unsaved work on %1 (%2), written %3. Restore it?</source>
        <translation>Un taller terminó con trabajo sin guardar en %1 (%2), escrito %3. ¿Recuperarlo?</translation>
    </message>
    <message>
        <source>stage</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>niveles</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Lumora Workshop</source>
        <translation>&amp;Acerca del taller de Lumora</translation>
    </message>
    <message>
        <source>&amp;New Pack</source>
        <translation>Paquete &amp;nuevo</translation>
    </message>
    <message>
        <source>Open the &amp;Game&apos;s Stages</source>
        <translation>Abrir los niveles del &amp;juego</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Añadir nivel</translation>
    </message>
    <message>
        <source>&amp;Duplicate Stage</source>
        <translation>&amp;Duplicar nivel</translation>
    </message>
    <message>
        <source>D&amp;elete Stage</source>
        <translation>&amp;Borrar nivel</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Pack</source>
        <translation>&amp;Paquete</translation>
    </message>
    <message>
        <source>&amp;Play Pack</source>
        <translation>&amp;Jugar el paquete</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>&amp;Generate…</source>
        <translation>&amp;Generar…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Mostrar la s&amp;olución</translation>
    </message>
    <message>
        <source>About Lumora Workshop</source>
        <translation>Acerca del taller de Lumora</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Lumora Workshop&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Makes stages for Lumora: paint the board with the left button, empty cells with the right one.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Taller de Lumora&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Crea niveles para Lumora: pinta el tablero con el botón izquierdo y vacía casillas con el derecho.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1[*] — Lumora Workshop</source>
        <translation>%1[*] — Taller de Lumora</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Proof &amp;Memory…</source>
        <translation>&amp;Memoria de las pruebas…</translation>
    </message>
    <message>
        <source>Proof Memory</source>
        <translation>Memoria de las pruebas</translation>
    </message>
    <message>
        <source>The memory each search of a proof may take, in MB.
A search that needs more stops, and its stage is undecided.</source>
        <translation>La memoria que puede ocupar cada búsqueda de una prueba, en MB.
Una búsqueda que necesite más se detiene, y su nivel queda sin decidir.</translation>
    </message>
    <message>
        <source>&amp;Copy Stage</source>
        <translation>&amp;Copiar nivel</translation>
    </message>
    <message>
        <source>&amp;Paste Stage</source>
        <translation>&amp;Pegar nivel</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>portapapeles</translation>
    </message>
    <message>
        <source>Cannot Paste the Stage</source>
        <translation>No se puede pegar el nivel</translation>
    </message>
    <message>
        <source>The text on the clipboard is no stage, and the stage was left as it was:
%1</source>
        <translation>El texto del portapapeles no es un nivel, y el nivel se ha quedado como estaba:
%1</translation>
    </message>
    <message>
        <source>&amp;Open Pack File…</source>
        <translation>Abrir archivo de &amp;paquete…</translation>
    </message>
    <message>
        <source>Open Pack &amp;Folder…</source>
        <translation>Abrir &amp;carpeta de paquete…</translation>
    </message>
    <message>
        <source>Save &amp;As Pack File…</source>
        <translation>Guardar como arc&amp;hivo de paquete…</translation>
    </message>
    <message>
        <source>Save As Pack Fol&amp;der…</source>
        <translation>Guardar como carpe&amp;ta de paquete…</translation>
    </message>
</context>
<context>
    <name>workshop::GenerateDialog</name>
    <message>
        <source>Generate Stage</source>
        <translation>Generar nivel</translation>
    </message>
    <message>
        <source>Moves it must require
(none checked: any):</source>
        <translation>Movimientos exigidos
(ninguno marcado: cualquiera):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Casts:</source>
        <translation>Hechizos:</translation>
    </message>
    <message>
        <source>&amp;Random Seed</source>
        <translation>Semilla &amp;aleatoria</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tablero</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>tableros</translation>
    </message>
    <message>
        <source>No stage found: %1</source>
        <translation>No se encontró ningún nivel: %1</translation>
    </message>
    <message>
        <source>Found after %1: %2, requires %3.</source>
        <translation>Encontrado tras %1: %2, exige %3.</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>hechizo</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>hechizos</translation>
    </message>
    <message>
        <source>Searching… %1 tried, %L2 states searched</source>
        <translation>Buscando… %1 probados, %L2 estados explorados</translation>
    </message>
</context>
<context>
    <name>workshop::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Como el sistema</translation>
    </message>
</context>
<context>
    <name>workshop::LiveProof</name>
    <message>
        <source>Looking for the shortest solution…</source>
        <translation>Buscando la solución más corta…</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Mostrar la solución</translation>
    </message>
</context>
<context>
    <name>workshop::PackKeeper</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>Cannot Open the Pack</source>
        <translation>No se puede abrir el paquete</translation>
    </message>
    <message>
        <source>The pack in %1 does not open, and nothing was changed:
%2</source>
        <translation>El paquete de %1 no se abre y no se ha cambiado nada:
%2</translation>
    </message>
    <message>
        <source>Cannot Open the Game&apos;s Stages</source>
        <translation>No se pueden abrir los niveles del juego</translation>
    </message>
    <message>
        <source>Save the Pack in an Empty Folder</source>
        <translation>Guardar el paquete en una carpeta vacía</translation>
    </message>
    <message>
        <source>Replace the Pack?</source>
        <translation>¿Reemplazar el paquete?</translation>
    </message>
    <message>
        <source>%1 holds a pack already. Replace it with this one?</source>
        <translation>%1 ya contiene un paquete. ¿Reemplazarlo por este?</translation>
    </message>
    <message>
        <source>Cannot Save the Pack</source>
        <translation>No se puede guardar el paquete</translation>
    </message>
    <message>
        <source>The pack was not saved in %1:
%2</source>
        <translation>El paquete no se ha guardado en %1:
%2</translation>
    </message>
    <message>
        <source>Save the Changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>The pack has changes that are not saved. Save them?</source>
        <translation>El paquete tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>not solvable with its budget</source>
        <translation>no se puede superar con su presupuesto</translation>
    </message>
    <message>
        <source>undecided, the proof stopped at its limit</source>
        <translation>sin decidir, la prueba se detuvo en su límite</translation>
    </message>
    <message>
        <source>it cannot be proven</source>
        <translation>no se puede demostrar</translation>
    </message>
    <message>
        <source>its solution ends on another board than its answer</source>
        <translation>su solución termina en otro tablero que su respuesta</translation>
    </message>
    <message>
        <source>not proven yet</source>
        <translation>aún sin demostrar</translation>
    </message>
    <message>
        <source>Open a Pack File</source>
        <translation>Abrir un archivo de paquete</translation>
    </message>
    <message>
        <source>Open a Pack Folder</source>
        <translation>Abrir una carpeta de paquete</translation>
    </message>
    <message>
        <source>Save the Pack as a File</source>
        <translation>Guardar el paquete como archivo</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Without Solutions?</source>
        <translation>¿Guardar sin soluciones?</translation>
    </message>
    <message>
        <source>The pack file will carry no solution for these stages:

%1

A player&apos;s copy cannot show they are solvable. Save it anyway?</source>
        <translation>El archivo de paquete no llevará solución para estos niveles:

%1

La copia de un jugador no podrá mostrar que se pueden superar. ¿Guardarlo de todos modos?</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>Guardar &amp;de todos modos</translation>
    </message>
</context>
<context>
    <name>workshop::PackView</name>
    <message>
        <source>Least magic</source>
        <translation>Magia mínima</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>Hechizos</translation>
    </message>
    <message>
        <source>Proof states (right)</source>
        <translation>Estados de la prueba (derecha)</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Cannot be proven: %1</source>
        <translation>No se puede demostrar: %1</translation>
    </message>
    <message>
        <source>The budget does not clear this stage</source>
        <translation>Con el presupuesto no se supera este nivel</translation>
    </message>
    <message>
        <source>Undecided: the proof stopped at its memory or state limit before it could tell</source>
        <translation>Sin decidir: la prueba se detuvo en su límite de memoria o de estados antes de poder decidir</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>✔ proven by its solution</source>
        <translation>✔ demostrado por su solución</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it; the proof found one</source>
        <translation>✘ su solución no lo supera; la prueba encontró una</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it</source>
        <translation>✘ su solución no lo supera</translation>
    </message>
    <message>
        <source>checking its solution…</source>
        <translation>comprobando su solución…</translation>
    </message>
    <message>
        <source>found by the proof</source>
        <translation>encontrada por la prueba</translation>
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
        <translation>Superado</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Cerrado</translation>
    </message>
    <message>
        <source>Stopped by an error</source>
        <translation>Detenido por un error</translation>
    </message>
    <message>
        <source>The solution cannot be shown: %1</source>
        <translation>No se puede mostrar la solución: %1</translation>
    </message>
    <message>
        <source>There is no room to play the stage in: %1</source>
        <translation>No hay espacio para jugar el nivel: %1</translation>
    </message>
</context>
<context>
    <name>workshop::ProofPanel</name>
    <message>
        <source>Least starting magic:</source>
        <translation>Magia inicial mínima:</translation>
    </message>
    <message>
        <source>Shortest solution:</source>
        <translation>Solución más corta:</translation>
    </message>
    <message>
        <source>Moves it requires:</source>
        <translation>Movimientos exigidos:</translation>
    </message>
    <message>
        <source>Early count rule:</source>
        <translation>Regla de cuenta anticipada:</translation>
    </message>
    <message>
        <source>Final boards:</source>
        <translation>Tableros finales:</translation>
    </message>
    <message>
        <source>Leaves the board:</source>
        <translation>Sale del tablero:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answer&lt;/b&gt; (the board the mini-map shows)</source>
        <translation>&lt;b&gt;Respuesta&lt;/b&gt; (el tablero del minimapa)</translation>
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
        <translation>Usar como respuesta</translation>
    </message>
    <message>
        <source>The previous final board</source>
        <translation>El tablero final anterior</translation>
    </message>
    <message>
        <source>The next final board</source>
        <translation>El tablero final siguiente</translation>
    </message>
    <message>
        <source>Proving…</source>
        <translation>Demostrando…</translation>
    </message>
    <message>
        <source>%L1 states searched</source>
        <translation>%L1 estados explorados</translation>
    </message>
    <message>
        <source>Stopped: the proof was stopped before it ended</source>
        <translation>Detenida: la prueba se detuvo antes de terminar</translation>
    </message>
    <message>
        <source>✔ Solvable with its magic</source>
        <translation>✔ Tiene solución con su magia</translation>
    </message>
    <message>
        <source>✘ Not solvable: %1</source>
        <translation>✘ Sin solución: %1</translation>
    </message>
    <message>
        <source>%1 (the stage gives %2)</source>
        <translation>%1 (el nivel da %2)</translation>
    </message>
    <message>
        <source>none clears it up to %1</source>
        <translation>ninguna hasta %1 lo supera</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>hechizo</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>hechizos</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>paseo</translation>
    </message>
    <message>
        <source>walks</source>
        <translation>paseos</translation>
    </message>
    <message>
        <source>over the top</source>
        <translation>por arriba</translation>
    </message>
    <message>
        <source>past column 1</source>
        <translation>más allá de la columna 1</translation>
    </message>
    <message>
        <source>yes: a walk from column %1, row %2 goes %3</source>
        <translation>sí: un paseo desde la columna %1, fila %2 sale %3</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>The stage cannot be cleared with its magic.</source>
        <translation>El nivel no se puede superar con su magia.</translation>
    </message>
    <message>
        <source>%L1 states searched in all</source>
        <translation>%L1 estados explorados en total</translation>
    </message>
    <message>
        <source> (a search was cut short)</source>
        <translation> (una búsqueda se interrumpió)</translation>
    </message>
    <message>
        <source>costs magic</source>
        <translation>cuesta magia</translation>
    </message>
    <message>
        <source>costs nothing</source>
        <translation>no cuesta nada</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>más de %1</translation>
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
        <translation>✘ No se puede jugar: %1</translation>
    </message>
    <message>
        <source>no final board yet</source>
        <translation>aún no hay tablero final</translation>
    </message>
    <message>
        <source>final board %1 of %2</source>
        <translation>tablero final %1 de %2</translation>
    </message>
    <message>
        <source>, the shortest solution&apos;s</source>
        <translation>, el de la solución más corta</translation>
    </message>
    <message>
        <source> (stored)</source>
        <translation> (guardado)</translation>
    </message>
    <message>
        <source>No solution was found, and none was ruled out: the proof is undecided.</source>
        <translation>No se encontró ninguna solución, y tampoco se descartó: la prueba queda sin decidir.</translation>
    </message>
    <message>
        <source>? Undecided within %1 MB after %L2 states</source>
        <translation>? Sin decidir en %1 MB tras %L2 estados</translation>
    </message>
    <message>
        <source>? Undecided: the search reached its state limit</source>
        <translation>? Sin decidir: la búsqueda llegó a su límite de estados</translation>
    </message>
    <message>
        <source>%1 so far (the stage gives %2)</source>
        <translation>%1 por ahora (el nivel da %2)</translation>
    </message>
    <message>
        <source>, the fewest so far</source>
        <translation>, los menos hasta ahora</translation>
    </message>
    <message numerus="yes">
        <source>✔ Solvable: a %n-cast solution found; looking for a shorter one</source>
        <translation>
            <numerusform>✔ Tiene solución: encontrada una de %n hechizo; se busca una más corta</numerusform>
            <numerusform>✔ Tiene solución: encontrada una de %n hechizos; se busca una más corta</numerusform>
        </translation>
    </message>
    <message>
        <source>not known: the search was cut short</source>
        <translation>desconocido: la búsqueda se interrumpió</translation>
    </message>
    <message>
        <source>at least %1 (a search was cut short)</source>
        <translation>al menos %1 (una búsqueda se interrumpió)</translation>
    </message>
</context>
<context>
    <name>workshop::StageDrawing</name>
    <message>
        <source>How many blocks the board must hold for the stage to be cleared</source>
        <translation>Cuántos bloques debe tener el tablero para superar el nivel</translation>
    </message>
    <message>
        <source>The magic the player has when the stage starts. The stage file stores one less, the budget.</source>
        <translation>La magia del jugador al empezar el nivel. El archivo del nivel guarda uno menos: el presupuesto.</translation>
    </message>
    <message>
        <source>&amp;Target blocks:</source>
        <translation>Bloques &amp;objetivo:</translation>
    </message>
    <message>
        <source>Starting &amp;magic:</source>
        <translation>&amp;Magia inicial:</translation>
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
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Licence:</source>
        <translation>&amp;Licencia:</translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation>Nivel %1</translation>
    </message>
</context>
</TS>
