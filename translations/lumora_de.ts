<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cell</name>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mauer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>Edit</name>
    <message numerus="yes">
        <source>Empty %n cells</source>
        <translation>
            <numerusform>%n Feld leeren</numerusform>
            <numerusform>%n Felder leeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with sand</source>
        <translation>
            <numerusform>%n Feld mit Sand malen</numerusform>
            <numerusform>%n Felder mit Sand malen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with block</source>
        <translation>
            <numerusform>%n Feld mit Block malen</numerusform>
            <numerusform>%n Felder mit Block malen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with water</source>
        <translation>
            <numerusform>%n Feld mit Wasser malen</numerusform>
            <numerusform>%n Felder mit Wasser malen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with wall</source>
        <translation>
            <numerusform>%n Feld mit Mauer malen</numerusform>
            <numerusform>%n Felder mit Mauer malen</numerusform>
        </translation>
    </message>
    <message>
        <source>Move the start</source>
        <translation>Start versetzen</translation>
    </message>
    <message>
        <source>Set the target to %1</source>
        <translation>Ziel auf %1 setzen</translation>
    </message>
    <message>
        <source>Set the starting magic to %1</source>
        <translation>Startmagie auf %1 setzen</translation>
    </message>
    <message>
        <source>Choose the answer</source>
        <translation>Antwort wählen</translation>
    </message>
    <message>
        <source>Add stage %1</source>
        <translation>Level %1 hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate stage %1</source>
        <translation>Level %1 duplizieren</translation>
    </message>
    <message>
        <source>Delete stage %1</source>
        <translation>Level %1 löschen</translation>
    </message>
    <message>
        <source>Move stage %1 to %2</source>
        <translation>Level %1 nach %2 verschieben</translation>
    </message>
    <message>
        <source>Edit the pack&apos;s name, author or licence</source>
        <translation>Name, Autor oder Lizenz des Pakets ändern</translation>
    </message>
    <message>
        <source>Generate stage</source>
        <translation>Level erzeugen</translation>
    </message>
    <message>
        <source>Paste stage</source>
        <translation>Level einfügen</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n lines, a stage has %1</source>
        <translation>
            <numerusform>der Text hat %n Zeile, ein Level hat %1</numerusform>
            <numerusform>der Text hat %n Zeilen, ein Level hat %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Play goes on: the game keeps your progress while it runs.</source>
        <translation>Es wird weitergespielt: Das Spiel behält deinen Fortschritt, solange es läuft.</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source> Menu</source>
        <translation> Menü</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file</source>
        <translation>%1: %2 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1: %2 is a named pipe, not a file</source>
        <translation>%1: %2 ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>%1: %2 is a device, not a file</source>
        <translation>%1: %2 ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>%1: %2 is a socket, not a file</source>
        <translation>%1: %2 ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file, not a file</source>
        <translation>%1: %2 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1: cannot open %2 (%3)</source>
        <translation>%1: %2 lässt sich nicht öffnen (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read %2 (%3)</source>
        <translation>%1: %2 lässt sich nicht lesen (%3)</translation>
    </message>
    <message>
        <source>%1: cannot write %2 (%3)</source>
        <translation>%1: %2 lässt sich nicht schreiben (%3)</translation>
    </message>
    <message>
        <source>%1: cannot replace %2 (%3)</source>
        <translation>%1: %2 lässt sich nicht ersetzen (%3)</translation>
    </message>
    <message>
        <source>%1: cannot remove %2 (%3)</source>
        <translation>%1: %2 lässt sich nicht entfernen (%3)</translation>
    </message>
    <message>
        <source>%1: cannot lock %2 (%3)</source>
        <translation>%1: %2 lässt sich nicht sperren (%3)</translation>
    </message>
    <message>
        <source>%1: cannot find the folder of %2 (%3)</source>
        <translation>%1: Der Ordner von %2 ist nicht zu finden (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read the folder %2 (%3)</source>
        <translation>%1: Der Ordner %2 lässt sich nicht lesen (%3)</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 Zeile %2: %3</translation>
    </message>
    <message>
        <source>the first field is longer than %1 bytes</source>
        <translation>der erste Eintrag ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the file holds no stage number</source>
        <translation>die Datei enthält keine Levelnummer</translation>
    </message>
    <message>
        <source>%1 is not a stage number</source>
        <translation>%1 ist keine Levelnummer</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1 (lines must end with CR LF)</source>
        <translation>
            <numerusform>die Datei hat %n Zeile, sie braucht %1 (Zeilen müssen mit CR LF enden)</numerusform>
            <numerusform>die Datei hat %n Zeilen, sie braucht %1 (Zeilen müssen mit CR LF enden)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1</source>
        <translation>
            <numerusform>die Datei hat %n Zeile, sie braucht %1</numerusform>
            <numerusform>die Datei hat %n Zeilen, sie braucht %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>die Zeile ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>%1 plus %2 is out of range (-32768 to 32767)</source>
        <translation>%1 plus %2 liegt außerhalb des Bereichs (-32768 bis 32767)</translation>
    </message>
    <message>
        <source>%1 is out of range (-32768 to 32767)</source>
        <translation>%1 liegt außerhalb des Bereichs (-32768 bis 32767)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the board has no start cell &quot;P&quot;</source>
        <translation>das Spielfeld hat kein Startfeld „P“</translation>
    </message>
    <message>
        <source>the journal ends here</source>
        <translation>das Journal endet hier</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>„%1“ erwartet</translation>
    </message>
    <message>
        <source>a broken escape</source>
        <translation>eine fehlerhafte Escape-Sequenz</translation>
    </message>
    <message>
        <source>not a number from %1 to %2</source>
        <translation>keine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>journal line %1: %2</source>
        <translation>Journal Zeile %1: %2</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>weiterer Text nach dem Ende</translation>
    </message>
    <message>
        <source>journal: damaged</source>
        <translation>Journal: beschädigt</translation>
    </message>
    <message>
        <source>%1: every one of %2 journals in %3 is taken</source>
        <translation>%1: alle %2 Journale in %3 sind belegt</translation>
    </message>
    <message>
        <source>%1: %2 was written, but its folder could not be flushed to the disk (%3)</source>
        <translation>%1: %2 wurde geschrieben, aber sein Ordner ließ sich nicht auf den Datenträger übertragen (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is a link to %3, which does not exist</source>
        <translation>%1: %2 ist eine Verknüpfung auf %3, das es nicht gibt</translation>
    </message>
    <message>
        <source>Stages %1 is not a whole number from 1 to %2</source>
        <translation>Stages %1 ist keine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>%1 is not a section name</source>
        <translation>%1 ist kein Abschnittsname</translation>
    </message>
    <message>
        <source>%1 is not a setting (Key=value)</source>
        <translation>%1 ist keine Einstellung (Schlüssel=Wert)</translation>
    </message>
    <message>
        <source>the [Pack] section has no Stages setting</source>
        <translation>der Abschnitt [Pack] hat keine Einstellung Stages</translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>die Datei ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>pack folder: cannot remove %1 (%2)</source>
        <translation>Paketordner: %1 lässt sich nicht entfernen (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot rename %1 to %2 (%3)</source>
        <translation>Paketordner: %1 lässt sich nicht in %2 umbenennen (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 does not name a folder a pack can be saved as</source>
        <translation>Paketordner: %1 ist kein Ordner, als der ein Paket gespeichert werden kann</translation>
    </message>
    <message>
        <source>pack folder: cannot read %1 (%2)</source>
        <translation>Paketordner: %1 lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds %2, which no save put there; it is left as it is</source>
        <translation>Paketordner: %1 enthält %2, das kein Speichern dort abgelegt hat; es bleibt, wie es ist</translation>
    </message>
    <message>
        <source>pack folder: cannot put the old pack in %1 back as %2 (%3)</source>
        <translation>Paketordner: Das alte Paket in %1 lässt sich nicht als %2 zurücklegen (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is too long to be a save</source>
        <translation>%1: %2 ist zu lang für einen Spielstand</translation>
    </message>
    <message>
        <source>pack folder: cannot make %1 (%2)</source>
        <translation>Paketordner: %1 lässt sich nicht anlegen (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot give %1 the permissions of %2 (%3)</source>
        <translation>Paketordner: %1 lassen sich die Berechtigungen von %2 nicht geben (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot flush %1 to the disk (%2)</source>
        <translation>Paketordner: %1 lässt sich nicht auf den Datenträger übertragen (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot move %1 aside to %2 (%3)</source>
        <translation>Paketordner: %1 lässt sich nicht als %2 beiseitelegen (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot swap %1 with %2 (%3)</source>
        <translation>Paketordner: %1 lässt sich nicht mit %2 tauschen (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds the new pack, but its folder could not be flushed to the disk (%2)</source>
        <translation>Paketordner: %1 enthält das neue Paket, aber der Ordner darüber ließ sich nicht auf den Datenträger übertragen (%2)</translation>
    </message>
    <message>
        <source>the start cell &quot;P&quot; must be empty to be written</source>
        <translation>das Startfeld „P“ muss leer sein, um geschrieben zu werden</translation>
    </message>
    <message numerus="yes">
        <source>Stages is %1 and the pack holds %n stages: both must be the same, from 1 to %2</source>
        <translation>
            <numerusform>Stages ist %1 und das Paket enthält %n Level: Beide müssen gleich sein, von 1 bis %2</numerusform>
            <numerusform>Stages ist %1 und das Paket enthält %n Level: Beide müssen gleich sein, von 1 bis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>a name, author or licence with a line break or blanks at either end would not read back as it is</source>
        <translation>ein Name, Autor oder eine Lizenz mit Zeilenumbruch oder Leerzeichen an einem der Enden ließe sich nicht unverändert zurücklesen</translation>
    </message>
    <message>
        <source>%1 holds files that are not a pack; choose an empty folder</source>
        <translation>%1 enthält Dateien, die kein Paket sind; wähle einen leeren Ordner</translation>
    </message>
    <message>
        <source>%1 holds %2 beside the pack: a pack is saved whole into a folder of its own, so move it out or choose an empty folder</source>
        <translation>%1 enthält neben dem Paket %2: Ein Paket wird vollständig in einen eigenen Ordner gespeichert, verschiebe die Datei also oder wähle einen leeren Ordner</translation>
    </message>
    <message>
        <source>%1: no folder for the pack&apos;s save (neither XDG_DATA_HOME nor HOME is an absolute path)</source>
        <translation>%1: kein Ordner für den Spielstand des Pakets (weder XDG_DATA_HOME noch HOME ist ein absoluter Pfad)</translation>
    </message>
    <message>
        <source>pack folder</source>
        <translation>Paketordner</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <translation>die Datei endet, wo %1 stehen sollte</translation>
    </message>
    <message>
        <source>%1 is here where %2 should be</source>
        <translation>hier steht %1, wo %2 stehen sollte</translation>
    </message>
    <message>
        <source>%1 follows the last stage</source>
        <translation>%1 folgt auf das letzte Level</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; it needs %3</source>
        <translation>%1 hat %2 Zeilen, es braucht %3</translation>
    </message>
    <message>
        <source>a pack file starts with the line %1</source>
        <translation>eine Paketdatei beginnt mit der Zeile %1</translation>
    </message>
    <message>
        <source>the solution cannot be written in a pack file</source>
        <translation>die Lösung lässt sich nicht in eine Paketdatei schreiben</translation>
    </message>
</context>
<context>
    <name>Generate</name>
    <message>
        <source>a stage that requires neither place nor remove keeps its own blocks as its count and clears with one cast; ask for one cast, or add place or remove</source>
        <translation>ein Level, das weder setzen noch entfernen verlangt, behält seine eigenen Blöcke als Zahl und ist mit einem Zauber geschafft; verlange einen Zauber oder nimm setzen oder entfernen hinzu</translation>
    </message>
    <message numerus="yes">
        <source>%n boards tried in %1 s</source>
        <translation>
            <numerusform>%n Spielfeld in %1 s probiert</numerusform>
            <numerusform>%n Spielfelder in %1 s probiert</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (angehalten)</translation>
    </message>
    <message>
        <source>%1 (out of time)</source>
        <translation>%1 (Zeit abgelaufen)</translation>
    </message>
    <message>
        <source>%1: %2 unsolvable, %3 too loose to prove, %4 with a way off the board, %5 with too few casts, %6 with too many casts, %7 requiring other moves</source>
        <translation>%1: %2 unlösbar, %3 zu offen zum Beweisen, %4 mit einem Weg vom Spielfeld, %5 mit zu wenigen Zaubern, %6 mit zu vielen Zaubern, %7 mit anderen nötigen Zügen</translation>
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
  --help     diese Hilfe zeigen und beenden
  --version  die Version zeigen und beenden
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
Lumora ist ein Legespiel: Führe einen kleinen Magier mit der Maus über ein
9 x 9 Felder großes Spielfeld aus Sand, Blöcken, Wasser und Mauern.
  Linksklick auf eine andere Spalte: dorthin gehen, Stufen von einem Feld
  werden erklommen.
  Rechtsklick auf ein Feld neben dem Magier: einen Zauber darauf wirken. Ein
  leeres Feld bekommt einen Block (2 Magie), ein Block verschwindet (+1),
  Wasser wird entfernt (2), Sand wird zu Magie (+8). Mauern ändern sich nie.
Ein Level ist geschafft, wenn das Spielfeld genau die verlangte Zahl Blöcke
hält, keine zwei aneinander, kein Wasser mehr und noch etwas Magie übrig.
</translation>
    </message>
    <message>
        <source>for the rules of play</source>
        <translation>für die Spielregeln</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Aufruf: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; %2.</source>
        <translation>Siehe „%1 --help“ %2.</translation>
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
Die Lumora-Werkstatt baut Level für das Spiel: Male das 9 x 9 große Spielfeld
mit Sand, Blöcken, Wasser und Mauern aus, setze den Start der Spielfigur und
lege das Blockziel und die Startmagie fest.
  Linke Taste: die gewählte Art malen (klicken oder ziehen).
  Rechte Taste: das Feld leeren.
  Tasten für die Art:
</translation>
    </message>
    <message>
        <source>for more</source>
        <translation>für mehr</translation>
    </message>
    <message>
        <source>PACK</source>
        <translation>PAKET</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder: its stages
             are played, with a save of their own
</source>
        <translation>  PAKET      eine Paketdatei (NAME.lumora) oder ein Paketordner: seine Level
             werden gespielt, mit einem eigenen Spielstand
</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder to open
</source>
        <translation>  PAKET      eine Paketdatei (NAME.lumora) oder ein Paketordner zum Öffnen
</translation>
    </message>
</context>
<context>
    <name>Move</name>
    <message>
        <source>place</source>
        <translation>setzen</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>entfernen</translation>
    </message>
    <message>
        <source>take back</source>
        <translation>zurücknehmen</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>climb</source>
        <translation>klettern</translation>
    </message>
    <message>
        <source>climb own</source>
        <translation>auf eigenen klettern</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>Loch</translation>
    </message>
    <message>
        <source>floor</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>above</source>
        <translation>oben</translation>
    </message>
</context>
<context>
    <name>PackKeeper</name>
    <message>
        <source>Lumora packs (*%1)</source>
        <translation>Lumora-Pakete (*%1)</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>not enough magic: it needs %1 to start with, it has %2</source>
        <translation>nicht genug Magie: Es braucht %1 zum Start, es hat %2</translation>
    </message>
    <message>
        <source>no clear found</source>
        <translation>keine Lösung gefunden</translation>
    </message>
    <message>
        <source>the solver&apos;s own solution fails: %1</source>
        <translation>die eigene Lösung des Lösers scheitert: %1</translation>
    </message>
    <message>
        <source>the game disagrees with the solver:
%1</source>
        <translation>das Spiel widerspricht dem Löser:
%1</translation>
    </message>
    <message>
        <source>no clear with any magic</source>
        <translation>mit keiner Magie zu schaffen</translation>
    </message>
    <message>
        <source>not solvable with the stage&apos;s budget</source>
        <translation>mit dem Budget des Levels nicht lösbar</translation>
    </message>
    <message>
        <source>undecided: no clear found within the search&apos;s limits</source>
        <translation>unentschieden: keine Lösung innerhalb der Grenzen der Suche gefunden</translation>
    </message>
    <message>
        <source>undecided: a search reached its memory budget</source>
        <translation>unentschieden: Eine Suche hat ihre Speichergrenze erreicht</translation>
    </message>
    <message>
        <source>no clear with up to %1 magic</source>
        <translation>mit bis zu %1 Magie nicht zu schaffen</translation>
    </message>
    <message>
        <source>the character does not start on solid ground</source>
        <translation>die Spielfigur steht am Start nicht auf festem Grund</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>at a time not known</source>
        <translation>zu unbekannter Zeit</translation>
    </message>
    <message>
        <source>Restore Unsaved Work</source>
        <translation>Ungesicherte Arbeit wiederherstellen</translation>
    </message>
</context>
<context>
    <name>Refutation</name>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>the pool at %1 can never be cleared: no cell the character could ever reach is beside it</source>
        <translation>das Wasser bei %1 lässt sich nie entfernen: Kein Feld, das die Spielfigur je erreichen könnte, liegt daneben</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks can never be reached to remove, more than the target of %1</source>
        <translation>
            <numerusform>%n Block ist nie zum Entfernen erreichbar, mehr als das Ziel von %1</numerusform>
            <numerusform>%n Blöcke sind nie zum Entfernen erreichbar, mehr als das Ziel von %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the blocks at %1 and %2 touch and can never be reached to remove</source>
        <translation>die Blöcke bei %1 und %2 berühren sich und sind nie zum Entfernen erreichbar</translation>
    </message>
    <message numerus="yes">
        <source>at most %n blocks can stand apart where the character can reach, fewer than the target of %1</source>
        <translation>
            <numerusform>höchstens %n Block kann getrennt stehen, wo die Spielfigur hinkommt, weniger als das Ziel von %1</numerusform>
            <numerusform>höchstens %n Blöcke können getrennt stehen, wo die Spielfigur hinkommt, weniger als das Ziel von %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the magic can never suffice: even clearing every sand the character could reach, a clear would end with %1 magic, and the game needs at least %2</source>
        <translation>die Magie kann nie reichen: Selbst wenn aller erreichbare Sand entfernt wird, bliebe am Ende %1 Magie, und das Spiel verlangt mindestens %2</translation>
    </message>
    <message numerus="yes">
        <source>the magic runs out before the pools are cleared: with the sand the character can reach as they go, at most %1 of the %n pools can be cleared</source>
        <translation>
            <numerusform>die Magie geht aus, bevor das Wasser entfernt ist: mit dem Sand, den die Spielfigur unterwegs erreichen kann, lässt sich höchstens %1 von %n Wasserfeld entfernen</numerusform>
            <numerusform>die Magie geht aus, bevor das Wasser entfernt ist: mit dem Sand, den die Spielfigur unterwegs erreichen kann, lassen sich höchstens %1 von %n Wasserfeldern entfernen</numerusform>
        </translation>
    </message>
    <message>
        <source>the pools at %1 and %2 can never both be cleared: once either is, no cast can reach the other</source>
        <translation>das Wasser bei %1 und das bei %2 lassen sich nie beide entfernen: Ist eines entfernt, erreicht kein Zauber mehr das andere</translation>
    </message>
    <message>
        <source>the pool at %1 can only be cleared while there are more blocks than the target of %2, and once it is, none of them is left within reach to take away</source>
        <translation>das Wasser bei %1 lässt sich nur entfernen, solange es mehr Blöcke als das Ziel von %2 gibt, und ist es entfernt, ist keiner davon mehr zum Entfernen erreichbar</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Stage</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Least magic</source>
        <translation>Geringste Magie</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Gänge</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Verlangt</translation>
    </message>
    <message>
        <source>Early count</source>
        <translation>Frühzählung</translation>
    </message>
    <message>
        <source>Final boards</source>
        <translation>Endspielfelder</translation>
    </message>
    <message>
        <source>Proof states</source>
        <translation>Beweiszustände</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Zustände</translation>
    </message>
    <message>
        <source>Leaves the board</source>
        <translation>Verlässt Spielfeld</translation>
    </message>
    <message>
        <source>from %1,%2</source>
        <translation>ab %1,%2</translation>
    </message>
    <message>
        <source>%1, over the top</source>
        <translation>%1, oben hinaus</translation>
    </message>
    <message>
        <source>%1, past column 1</source>
        <translation>%1, über Spalte 1 hinaus</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (cut short)</source>
        <translation>%1 (abgebrochen)</translation>
    </message>
    <message>
        <source>costs</source>
        <translation>kostet</translation>
    </message>
</context>
<context>
    <name>workshop::BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>Mauer</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1, start</source>
        <translation>%1, Start</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>Spalte %1, Zeile %2: %3</translation>
    </message>
</context>
<context>
    <name>workshop::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>workshop::EditorWindow</name>
    <message>
        <source>Stages</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Beweis</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept safe: %1</source>
        <translation>Ungesicherte Arbeit kann nicht geschützt werden: %1</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Ungesicherte Arbeit</translation>
    </message>
    <message>
        <source>Unsaved work of a workshop that ended cannot be read: %1</source>
        <translation>Die ungesicherte Arbeit einer beendeten Werkstatt lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>an untitled pack</source>
        <translation>einem unbenannten Paket</translation>
    </message>
    <message>
        <source>A workshop ended with unsaved work on %1 (%2), written %3. Restore it?</source>
        <translation>Eine Werkstatt wurde mit ungesicherter Arbeit an %1 (%2) beendet, geschrieben %3. Wiederherstellen?</translation>
    </message>
    <message>
        <source>stage</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Lumora Workshop</source>
        <translation>&amp;Über die Lumora-Werkstatt</translation>
    </message>
    <message>
        <source>&amp;New Pack</source>
        <translation>&amp;Neues Paket</translation>
    </message>
    <message>
        <source>Open the &amp;Game&apos;s Stages</source>
        <translation>&amp;Level des Spiels öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>Level &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Duplicate Stage</source>
        <translation>Level &amp;duplizieren</translation>
    </message>
    <message>
        <source>D&amp;elete Stage</source>
        <translation>Level &amp;löschen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Pack</source>
        <translation>&amp;Paket</translation>
    </message>
    <message>
        <source>&amp;Play Pack</source>
        <translation>Paket &amp;spielen</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>&amp;Generate…</source>
        <translation>&amp;Erzeugen…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>&amp;Lösung zeigen</translation>
    </message>
    <message>
        <source>About Lumora Workshop</source>
        <translation>Über die Lumora-Werkstatt</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Lumora Workshop&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Makes stages for Lumora: paint the board with the left button, empty cells with the right one.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Lumora-Werkstatt&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Baut Level für Lumora: Mit der linken Taste wird das Spielfeld bemalt, mit der rechten werden Felder geleert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1[*] — Lumora Workshop</source>
        <translation>%1[*] — Lumora-Werkstatt</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Proof &amp;Memory…</source>
        <translation>&amp;Speicher für Beweise…</translation>
    </message>
    <message>
        <source>Proof Memory</source>
        <translation>Speicher für Beweise</translation>
    </message>
    <message>
        <source>The memory each search of a proof may take, in MB.
A search that needs more stops, and its stage is undecided.</source>
        <translation>Der Speicher, den jede Suche eines Beweises belegen darf, in MB.
Eine Suche, die mehr bräuchte, hält an, und ihr Level bleibt unentschieden.</translation>
    </message>
    <message>
        <source>&amp;Copy Stage</source>
        <translation>Level &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Stage</source>
        <translation>Level &amp;einfügen</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Cannot Paste the Stage</source>
        <translation>Level lässt sich nicht einfügen</translation>
    </message>
    <message>
        <source>The text on the clipboard is no stage, and the stage was left as it was:
%1</source>
        <translation>Der Text in der Zwischenablage ist kein Level, das Level bleibt, wie es war:
%1</translation>
    </message>
    <message>
        <source>&amp;Open Pack File…</source>
        <translation>Paket&amp;datei öffnen…</translation>
    </message>
    <message>
        <source>Open Pack &amp;Folder…</source>
        <translation>Paket&amp;ordner öffnen…</translation>
    </message>
    <message>
        <source>Save &amp;As Pack File…</source>
        <translation>&amp;Als Paketdatei speichern…</translation>
    </message>
    <message>
        <source>Save As Pack Fol&amp;der…</source>
        <translation>Als Paketordner spei&amp;chern…</translation>
    </message>
</context>
<context>
    <name>workshop::GenerateDialog</name>
    <message>
        <source>Generate Stage</source>
        <translation>Level erzeugen</translation>
    </message>
    <message>
        <source>Moves it must require
(none checked: any):</source>
        <translation>Nötige Züge
(keiner gewählt: beliebig):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Casts:</source>
        <translation>Zauber:</translation>
    </message>
    <message>
        <source>&amp;Random Seed</source>
        <translation>&amp;Zufälliger Startwert</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>Spielfelder</translation>
    </message>
    <message>
        <source>No stage found: %1</source>
        <translation>Kein Level gefunden: %1</translation>
    </message>
    <message>
        <source>Found after %1: %2, requires %3.</source>
        <translation>Gefunden nach %1: %2, verlangt %3.</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <source>Searching… %1 tried, %L2 states searched</source>
        <translation>Suche läuft… %1 probiert, %L2 Zustände durchsucht</translation>
    </message>
</context>
<context>
    <name>workshop::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Wie das System</translation>
    </message>
</context>
<context>
    <name>workshop::LiveProof</name>
    <message>
        <source>Looking for the shortest solution…</source>
        <translation>Kürzeste Lösung wird gesucht…</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
</context>
<context>
    <name>workshop::PackKeeper</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>Cannot Open the Pack</source>
        <translation>Paket lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>The pack in %1 does not open, and nothing was changed:
%2</source>
        <translation>Das Paket in %1 lässt sich nicht öffnen, nichts wurde geändert:
%2</translation>
    </message>
    <message>
        <source>Cannot Open the Game&apos;s Stages</source>
        <translation>Level des Spiels lassen sich nicht öffnen</translation>
    </message>
    <message>
        <source>Save the Pack in an Empty Folder</source>
        <translation>Paket in einem leeren Ordner speichern</translation>
    </message>
    <message>
        <source>Replace the Pack?</source>
        <translation>Paket ersetzen?</translation>
    </message>
    <message>
        <source>%1 holds a pack already. Replace it with this one?</source>
        <translation>%1 enthält schon ein Paket. Durch dieses ersetzen?</translation>
    </message>
    <message>
        <source>Cannot Save the Pack</source>
        <translation>Paket lässt sich nicht speichern</translation>
    </message>
    <message>
        <source>The pack was not saved in %1:
%2</source>
        <translation>Das Paket wurde nicht in %1 gespeichert:
%2</translation>
    </message>
    <message>
        <source>Save the Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>The pack has changes that are not saved. Save them?</source>
        <translation>Das Paket hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>not solvable with its budget</source>
        <translation>mit seinem Budget nicht zu schaffen</translation>
    </message>
    <message>
        <source>undecided, the proof stopped at its limit</source>
        <translation>unentschieden, der Beweis hielt an seiner Grenze an</translation>
    </message>
    <message>
        <source>it cannot be proven</source>
        <translation>es lässt sich nicht beweisen</translation>
    </message>
    <message>
        <source>its solution ends on another board than its answer</source>
        <translation>seine Lösung endet auf einem anderen Spielfeld als seiner Antwort</translation>
    </message>
    <message>
        <source>not proven yet</source>
        <translation>noch nicht bewiesen</translation>
    </message>
    <message>
        <source>Open a Pack File</source>
        <translation>Paketdatei öffnen</translation>
    </message>
    <message>
        <source>Open a Pack Folder</source>
        <translation>Paketordner öffnen</translation>
    </message>
    <message>
        <source>Save the Pack as a File</source>
        <translation>Paket als Datei speichern</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Level %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Without Solutions?</source>
        <translation>Ohne Lösungen speichern?</translation>
    </message>
    <message>
        <source>The pack file will carry no solution for these stages:

%1

A player&apos;s copy cannot show they are solvable. Save it anyway?</source>
        <translation>Die Paketdatei wird für diese Level keine Lösung enthalten:

%1

Die Kopie eines Spielers kann nicht zeigen, dass sie zu schaffen sind. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>&amp;Trotzdem speichern</translation>
    </message>
</context>
<context>
    <name>workshop::PackView</name>
    <message>
        <source>Least magic</source>
        <translation>Geringste Magie</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <source>Proof states (right)</source>
        <translation>Beweiszustände (rechts)</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Cannot be proven: %1</source>
        <translation>Nicht beweisbar: %1</translation>
    </message>
    <message>
        <source>The budget does not clear this stage</source>
        <translation>Mit dem Budget ist dieses Level nicht zu schaffen</translation>
    </message>
    <message>
        <source>Undecided: the proof stopped at its memory or state limit before it could tell</source>
        <translation>Unentschieden: der Beweis hielt an seiner Speicher- oder Zustandsgrenze an, bevor er es sagen konnte</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>✔ proven by its solution</source>
        <translation>✔ durch seine Lösung bewiesen</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it; the proof found one</source>
        <translation>✘ seine Lösung schafft es nicht; der Beweis fand eine</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it</source>
        <translation>✘ seine Lösung schafft es nicht</translation>
    </message>
    <message>
        <source>checking its solution…</source>
        <translation>Lösung wird geprüft…</translation>
    </message>
    <message>
        <source>found by the proof</source>
        <translation>vom Beweis gefunden</translation>
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
        <translation>Geschafft</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Stopped by an error</source>
        <translation>Durch einen Fehler angehalten</translation>
    </message>
    <message>
        <source>The solution cannot be shown: %1</source>
        <translation>Die Lösung lässt sich nicht zeigen: %1</translation>
    </message>
    <message>
        <source>There is no room to play the stage in: %1</source>
        <translation>Kein Platz, um das Level zu spielen: %1</translation>
    </message>
</context>
<context>
    <name>workshop::ProofPanel</name>
    <message>
        <source>Least starting magic:</source>
        <translation>Geringste Startmagie:</translation>
    </message>
    <message>
        <source>Shortest solution:</source>
        <translation>Kürzeste Lösung:</translation>
    </message>
    <message>
        <source>Moves it requires:</source>
        <translation>Nötige Züge:</translation>
    </message>
    <message>
        <source>Early count rule:</source>
        <translation>Frühzählregel:</translation>
    </message>
    <message>
        <source>Final boards:</source>
        <translation>Endspielfelder:</translation>
    </message>
    <message>
        <source>Leaves the board:</source>
        <translation>Verlässt das Spielfeld:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answer&lt;/b&gt; (the board the mini-map shows)</source>
        <translation>&lt;b&gt;Antwort&lt;/b&gt; (das Spielfeld der Minikarte)</translation>
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
        <translation>Als Antwort nehmen</translation>
    </message>
    <message>
        <source>The previous final board</source>
        <translation>Das vorige Endspielfeld</translation>
    </message>
    <message>
        <source>The next final board</source>
        <translation>Das nächste Endspielfeld</translation>
    </message>
    <message>
        <source>Proving…</source>
        <translation>Beweis läuft…</translation>
    </message>
    <message>
        <source>%L1 states searched</source>
        <translation>%L1 Zustände durchsucht</translation>
    </message>
    <message>
        <source>Stopped: the proof was stopped before it ended</source>
        <translation>Angehalten: Der Beweis wurde vor seinem Ende angehalten</translation>
    </message>
    <message>
        <source>✔ Solvable with its magic</source>
        <translation>✔ Mit seiner Magie lösbar</translation>
    </message>
    <message>
        <source>✘ Not solvable: %1</source>
        <translation>✘ Nicht lösbar: %1</translation>
    </message>
    <message>
        <source>%1 (the stage gives %2)</source>
        <translation>%1 (das Level gibt %2)</translation>
    </message>
    <message>
        <source>none clears it up to %1</source>
        <translation>bis %1 schafft es keine</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>Gang</translation>
    </message>
    <message>
        <source>walks</source>
        <translation>Gänge</translation>
    </message>
    <message>
        <source>over the top</source>
        <translation>oben hinaus</translation>
    </message>
    <message>
        <source>past column 1</source>
        <translation>über Spalte 1 hinaus</translation>
    </message>
    <message>
        <source>yes: a walk from column %1, row %2 goes %3</source>
        <translation>ja: Ein Gang von Spalte %1, Zeile %2 führt %3</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>The stage cannot be cleared with its magic.</source>
        <translation>Das Level lässt sich mit seiner Magie nicht schaffen.</translation>
    </message>
    <message>
        <source>%L1 states searched in all</source>
        <translation>%L1 Zustände insgesamt durchsucht</translation>
    </message>
    <message>
        <source> (a search was cut short)</source>
        <translation> (eine Suche wurde abgebrochen)</translation>
    </message>
    <message>
        <source>costs magic</source>
        <translation>kostet Magie</translation>
    </message>
    <message>
        <source>costs nothing</source>
        <translation>kostet nichts</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
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
        <translation>✘ Nicht spielbar: %1</translation>
    </message>
    <message>
        <source>no final board yet</source>
        <translation>noch kein Endspielfeld</translation>
    </message>
    <message>
        <source>final board %1 of %2</source>
        <translation>Endspielfeld %1 von %2</translation>
    </message>
    <message>
        <source>, the shortest solution&apos;s</source>
        <translation>, das der kürzesten Lösung</translation>
    </message>
    <message>
        <source> (stored)</source>
        <translation> (gespeichert)</translation>
    </message>
    <message>
        <source>No solution was found, and none was ruled out: the proof is undecided.</source>
        <translation>Es wurde keine Lösung gefunden und keine ausgeschlossen: Der Beweis bleibt unentschieden.</translation>
    </message>
    <message>
        <source>? Undecided within %1 MB after %L2 states</source>
        <translation>? Unentschieden in %1 MB nach %L2 Zuständen</translation>
    </message>
    <message>
        <source>? Undecided: the search reached its state limit</source>
        <translation>? Unentschieden: Die Suche hat ihre Zustandsgrenze erreicht</translation>
    </message>
    <message>
        <source>%1 so far (the stage gives %2)</source>
        <translation>bisher %1 (das Level gibt %2)</translation>
    </message>
    <message>
        <source>, the fewest so far</source>
        <translation>, die wenigsten bisher</translation>
    </message>
    <message numerus="yes">
        <source>✔ Solvable: a %n-cast solution found; looking for a shorter one</source>
        <translation>
            <numerusform>✔ Lösbar: eine Lösung mit %n Zauber gefunden; eine kürzere wird gesucht</numerusform>
            <numerusform>✔ Lösbar: eine Lösung mit %n Zaubern gefunden; eine kürzere wird gesucht</numerusform>
        </translation>
    </message>
    <message>
        <source>not known: the search was cut short</source>
        <translation>unbekannt: die Suche wurde abgebrochen</translation>
    </message>
    <message>
        <source>at least %1 (a search was cut short)</source>
        <translation>mindestens %1 (eine Suche wurde abgebrochen)</translation>
    </message>
</context>
<context>
    <name>workshop::StageDrawing</name>
    <message>
        <source>How many blocks the board must hold for the stage to be cleared</source>
        <translation>Wie viele Blöcke das Spielfeld halten muss, damit das Level geschafft ist</translation>
    </message>
    <message>
        <source>The magic the player has when the stage starts. The stage file stores one less, the budget.</source>
        <translation>Die Magie zu Beginn des Levels. Die Leveldatei speichert eins weniger, das Budget.</translation>
    </message>
    <message>
        <source>&amp;Target blocks:</source>
        <translation>Block&amp;ziel:</translation>
    </message>
    <message>
        <source>Starting &amp;magic:</source>
        <translation>Start&amp;magie:</translation>
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
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Licence:</source>
        <translation>&amp;Lizenz:</translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation>Level %1</translation>
    </message>
</context>
</TS>
