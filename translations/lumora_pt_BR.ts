<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Cell</name>
    <message>
        <source>Empty</source>
        <translation>Vazia</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Areia</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloco</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
</context>
<context>
    <name>Edit</name>
    <message numerus="yes">
        <source>Empty %n cells</source>
        <translation>
            <numerusform>Esvaziar %n casa</numerusform>
            <numerusform>Esvaziar %n casas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with sand</source>
        <translation>
            <numerusform>Pintar %n casa com areia</numerusform>
            <numerusform>Pintar %n casas com areia</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with block</source>
        <translation>
            <numerusform>Pintar %n casa com bloco</numerusform>
            <numerusform>Pintar %n casas com bloco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with water</source>
        <translation>
            <numerusform>Pintar %n casa com água</numerusform>
            <numerusform>Pintar %n casas com água</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with wall</source>
        <translation>
            <numerusform>Pintar %n casa com muro</numerusform>
            <numerusform>Pintar %n casas com muro</numerusform>
        </translation>
    </message>
    <message>
        <source>Move the start</source>
        <translation>Mover o início</translation>
    </message>
    <message>
        <source>Set the target to %1</source>
        <translation>Definir a meta como %1</translation>
    </message>
    <message>
        <source>Set the starting magic to %1</source>
        <translation>Definir a magia inicial como %1</translation>
    </message>
    <message>
        <source>Choose the answer</source>
        <translation>Escolher a resposta</translation>
    </message>
    <message>
        <source>Add stage %1</source>
        <translation>Adicionar a fase %1</translation>
    </message>
    <message>
        <source>Duplicate stage %1</source>
        <translation>Duplicar a fase %1</translation>
    </message>
    <message>
        <source>Delete stage %1</source>
        <translation>Excluir a fase %1</translation>
    </message>
    <message>
        <source>Move stage %1 to %2</source>
        <translation>Mover a fase %1 para %2</translation>
    </message>
    <message>
        <source>Edit the pack&apos;s name, author or licence</source>
        <translation>Editar o nome, o autor ou a licença do pacote</translation>
    </message>
    <message>
        <source>Generate stage</source>
        <translation>Gerar fase</translation>
    </message>
    <message>
        <source>Paste stage</source>
        <translation>Colar fase</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n lines, a stage has %1</source>
        <translation>
            <numerusform>o texto tem %n linha, uma fase tem %1</numerusform>
            <numerusform>o texto tem %n linhas, uma fase tem %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Play goes on: the game keeps your progress while it runs.</source>
        <translation>O jogo continua: seu progresso fica guardado enquanto o jogo estiver aberto.</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Fase</translation>
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
        <translation>Pedra</translation>
    </message>
    <message>
        <source> Menu</source>
        <translation> Menu</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file</source>
        <translation>%1: %2 é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>%1: %2 is a named pipe, not a file</source>
        <translation>%1: %2 é um pipe nomeado, não um arquivo</translation>
    </message>
    <message>
        <source>%1: %2 is a device, not a file</source>
        <translation>%1: %2 é um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>%1: %2 is a socket, not a file</source>
        <translation>%1: %2 é um socket, não um arquivo</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file, not a file</source>
        <translation>%1: %2 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1: cannot open %2 (%3)</source>
        <translation>%1: não foi possível abrir %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read %2 (%3)</source>
        <translation>%1: não foi possível ler %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot write %2 (%3)</source>
        <translation>%1: não foi possível gravar %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot replace %2 (%3)</source>
        <translation>%1: não foi possível substituir %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot remove %2 (%3)</source>
        <translation>%1: não foi possível remover %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot lock %2 (%3)</source>
        <translation>%1: não foi possível travar %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot find the folder of %2 (%3)</source>
        <translation>%1: não foi possível encontrar a pasta de %2 (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read the folder %2 (%3)</source>
        <translation>%1: não foi possível ler a pasta %2 (%3)</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 linha %2: %3</translation>
    </message>
    <message>
        <source>the first field is longer than %1 bytes</source>
        <translation>o primeiro campo tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>the file holds no stage number</source>
        <translation>o arquivo não contém nenhum número de fase</translation>
    </message>
    <message>
        <source>%1 is not a stage number</source>
        <translation>%1 não é um número de fase</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1 (lines must end with CR LF)</source>
        <translation>
            <numerusform>o arquivo tem %n linha, precisa de %1 (as linhas devem terminar em CR LF)</numerusform>
            <numerusform>o arquivo tem %n linhas, precisa de %1 (as linhas devem terminar em CR LF)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1</source>
        <translation>
            <numerusform>o arquivo tem %n linha, precisa de %1</numerusform>
            <numerusform>o arquivo tem %n linhas, precisa de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>a linha tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>%1 plus %2 is out of range (-32768 to 32767)</source>
        <translation>%1 mais %2 está fora do intervalo (-32768 a 32767)</translation>
    </message>
    <message>
        <source>%1 is out of range (-32768 to 32767)</source>
        <translation>%1 está fora do intervalo (-32768 a 32767)</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 não é um número inteiro</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 não é um número</translation>
    </message>
    <message>
        <source>the board has no start cell &quot;P&quot;</source>
        <translation>o tabuleiro não tem casa de início &quot;P&quot;</translation>
    </message>
    <message>
        <source>the journal ends here</source>
        <translation>o diário termina aqui</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>era esperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a broken escape</source>
        <translation>uma sequência de escape inválida</translation>
    </message>
    <message>
        <source>not a number from %1 to %2</source>
        <translation>não é um número de %1 a %2</translation>
    </message>
    <message>
        <source>journal line %1: %2</source>
        <translation>diário linha %1: %2</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>há mais depois do fim</translation>
    </message>
    <message>
        <source>journal: damaged</source>
        <translation>diário: danificado</translation>
    </message>
    <message>
        <source>%1: every one of %2 journals in %3 is taken</source>
        <translation>%1: todos os %2 diários em %3 estão ocupados</translation>
    </message>
    <message>
        <source>%1: %2 was written, but its folder could not be flushed to the disk (%3)</source>
        <translation>%1: %2 foi gravado, mas não foi possível descarregar sua pasta no disco (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is a link to %3, which does not exist</source>
        <translation>%1: %2 é um link para %3, que não existe</translation>
    </message>
    <message>
        <source>Stages %1 is not a whole number from 1 to %2</source>
        <translation>Stages %1 não é um número inteiro de 1 a %2</translation>
    </message>
    <message>
        <source>%1 is not a section name</source>
        <translation>%1 não é um nome de seção</translation>
    </message>
    <message>
        <source>%1 is not a setting (Key=value)</source>
        <translation>%1 não é uma configuração (Chave=valor)</translation>
    </message>
    <message>
        <source>the [Pack] section has no Stages setting</source>
        <translation>a seção [Pack] não tem a configuração Stages</translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>o arquivo tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>pack folder: cannot remove %1 (%2)</source>
        <translation>pasta do pacote: não foi possível remover %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot rename %1 to %2 (%3)</source>
        <translation>pasta do pacote: não foi possível renomear %1 para %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 does not name a folder a pack can be saved as</source>
        <translation>pasta do pacote: %1 não é o nome de uma pasta em que um pacote possa ser salvo</translation>
    </message>
    <message>
        <source>pack folder: cannot read %1 (%2)</source>
        <translation>pasta do pacote: não foi possível ler %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds %2, which no save put there; it is left as it is</source>
        <translation>pasta do pacote: %1 contém %2, que nenhum salvamento colocou lá; ele fica como está</translation>
    </message>
    <message>
        <source>pack folder: cannot put the old pack in %1 back as %2 (%3)</source>
        <translation>pasta do pacote: não foi possível devolver o pacote antigo em %1 como %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is too long to be a save</source>
        <translation>%1: %2 é longo demais para ser um jogo salvo</translation>
    </message>
    <message>
        <source>pack folder: cannot make %1 (%2)</source>
        <translation>pasta do pacote: não foi possível criar %1 (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot give %1 the permissions of %2 (%3)</source>
        <translation>pasta do pacote: não foi possível dar a %1 as permissões de %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot flush %1 to the disk (%2)</source>
        <translation>pasta do pacote: não foi possível descarregar %1 no disco (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot move %1 aside to %2 (%3)</source>
        <translation>pasta do pacote: não foi possível deixar %1 de lado como %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot swap %1 with %2 (%3)</source>
        <translation>pasta do pacote: não foi possível trocar %1 por %2 (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds the new pack, but its folder could not be flushed to the disk (%2)</source>
        <translation>pasta do pacote: %1 contém o pacote novo, mas não foi possível descarregar a pasta que o contém no disco (%2)</translation>
    </message>
    <message>
        <source>the start cell &quot;P&quot; must be empty to be written</source>
        <translation>a casa de início &quot;P&quot; precisa estar vazia para ser gravada</translation>
    </message>
    <message numerus="yes">
        <source>Stages is %1 and the pack holds %n stages: both must be the same, from 1 to %2</source>
        <translation>
            <numerusform>Stages é %1 e o pacote contém %n fase: os dois devem ser iguais, de 1 a %2</numerusform>
            <numerusform>Stages é %1 e o pacote contém %n fases: os dois devem ser iguais, de 1 a %2</numerusform>
        </translation>
    </message>
    <message>
        <source>a name, author or licence with a line break or blanks at either end would not read back as it is</source>
        <translation>um nome, autor ou licença com quebra de linha ou espaços em alguma das pontas não seria lido de volta como está</translation>
    </message>
    <message>
        <source>%1 holds files that are not a pack; choose an empty folder</source>
        <translation>%1 contém arquivos que não são um pacote; escolha uma pasta vazia</translation>
    </message>
    <message>
        <source>%1 holds %2 beside the pack: a pack is saved whole into a folder of its own, so move it out or choose an empty folder</source>
        <translation>%1 contém %2 ao lado do pacote: um pacote é salvo inteiro em uma pasta própria, então tire-o de lá ou escolha uma pasta vazia</translation>
    </message>
    <message>
        <source>%1: no folder for the pack&apos;s save (neither XDG_DATA_HOME nor HOME is an absolute path)</source>
        <translation>%1: não há pasta para o jogo salvo do pacote (nem XDG_DATA_HOME nem HOME é um caminho absoluto)</translation>
    </message>
    <message>
        <source>pack folder</source>
        <translation>pasta do pacote</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <translation>o arquivo termina onde deveria estar %1</translation>
    </message>
    <message>
        <source>%1 is here where %2 should be</source>
        <translation>aqui está %1 onde deveria estar %2</translation>
    </message>
    <message>
        <source>%1 follows the last stage</source>
        <translation>%1 vem depois da última fase</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; it needs %3</source>
        <translation>%1 tem %2 linhas; precisa de %3</translation>
    </message>
    <message>
        <source>a pack file starts with the line %1</source>
        <translation>um arquivo de pacote começa com a linha %1</translation>
    </message>
    <message>
        <source>the solution cannot be written in a pack file</source>
        <translation>a solução não pode ser escrita em um arquivo de pacote</translation>
    </message>
</context>
<context>
    <name>Generate</name>
    <message>
        <source>a stage that requires neither place nor remove keeps its own blocks as its count and clears with one cast; ask for one cast, or add place or remove</source>
        <translation>uma fase que não exige nem pôr nem tirar mantém os próprios blocos como contagem e é vencida com um feitiço; peça um feitiço, ou acrescente pôr ou tirar</translation>
    </message>
    <message numerus="yes">
        <source>%n boards tried in %1 s</source>
        <translation>
            <numerusform>%n tabuleiro testado em %1 s</numerusform>
            <numerusform>%n tabuleiros testados em %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (interrompido)</translation>
    </message>
    <message>
        <source>%1 (out of time)</source>
        <translation>%1 (tempo esgotado)</translation>
    </message>
    <message>
        <source>%1: %2 unsolvable, %3 too loose to prove, %4 with a way off the board, %5 with too few casts, %6 with too many casts, %7 requiring other moves</source>
        <translation>%1: %2 sem solução, %3 abertos demais para provar, %4 com uma saída do tabuleiro, %5 com feitiços de menos, %6 com feitiços demais, %7 exigindo outros movimentos</translation>
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
  --help     mostrar esta ajuda e sair
  --version  mostrar a versão e sair
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
Lumora é um quebra-cabeça de casas: guie com o mouse um pequeno mago por
um tabuleiro de 9 x 9 de areia, blocos, água e muros.
  Clique esquerdo em outra coluna: andar até lá, subindo degraus de uma casa.
  Clique direito numa casa ao lado do mago: lançar um feitiço nela. Uma casa
  vazia ganha um bloco (2 de magia), um bloco some (+1), a água seca (2), a
  areia vira magia (+8). Os muros nunca mudam.
Uma fase é vencida quando o tabuleiro tem exatamente o número pedido de
blocos, sem dois encostados, sem água, e ainda resta alguma magia.
</translation>
    </message>
    <message>
        <source>for the rules of play</source>
        <translation>para ver as regras do jogo</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Uso: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; %2.</source>
        <translation>Experimente “%1 --help” %2.</translation>
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
A oficina do Lumora cria fases para o jogo: pinte o tabuleiro de 9 x 9 com
areia, blocos, água e muros, posicione o início do personagem e defina a
meta de blocos e a magia inicial.
  Botão esquerdo: pintar o tipo escolhido (clique ou arraste).
  Botão direito: esvaziar a casa.
  Teclas de cada tipo:
</translation>
    </message>
    <message>
        <source>for more</source>
        <translation>para mais informações</translation>
    </message>
    <message>
        <source>PACK</source>
        <translation>PACOTE</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder: its stages
             are played, with a save of their own
</source>
        <translation>  PACOTE     um arquivo de pacote (NOME.lumora) ou uma pasta de pacote: suas
             fases são jogadas, com um jogo salvo próprio
</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder to open
</source>
        <translation>  PACOTE     um arquivo de pacote (NOME.lumora) ou uma pasta de pacote para abrir
</translation>
    </message>
</context>
<context>
    <name>Move</name>
    <message>
        <source>place</source>
        <translation>pôr</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>tirar</translation>
    </message>
    <message>
        <source>take back</source>
        <translation>retomar</translation>
    </message>
    <message>
        <source>water</source>
        <translation>água</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>areia</translation>
    </message>
    <message>
        <source>climb</source>
        <translation>subir</translation>
    </message>
    <message>
        <source>climb own</source>
        <translation>subir no próprio</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>buraco</translation>
    </message>
    <message>
        <source>floor</source>
        <translation>chão</translation>
    </message>
    <message>
        <source>above</source>
        <translation>acima</translation>
    </message>
</context>
<context>
    <name>PackKeeper</name>
    <message>
        <source>Lumora packs (*%1)</source>
        <translation>Pacotes do Lumora (*%1)</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>not enough magic: it needs %1 to start with, it has %2</source>
        <translation>magia insuficiente: precisa de %1 no início, tem %2</translation>
    </message>
    <message>
        <source>no clear found</source>
        <translation>nenhuma vitória encontrada</translation>
    </message>
    <message>
        <source>the solver&apos;s own solution fails: %1</source>
        <translation>a própria solução do resolvedor falha: %1</translation>
    </message>
    <message>
        <source>the game disagrees with the solver:
%1</source>
        <translation>o jogo contradiz o resolvedor:
%1</translation>
    </message>
    <message>
        <source>no clear with any magic</source>
        <translation>não pode ser vencida com nenhuma magia</translation>
    </message>
    <message>
        <source>not solvable with the stage&apos;s budget</source>
        <translation>sem solução com o orçamento da fase</translation>
    </message>
    <message>
        <source>undecided: no clear found within the search&apos;s limits</source>
        <translation>sem veredito: nenhuma vitória encontrada dentro dos limites da busca</translation>
    </message>
    <message>
        <source>undecided: a search reached its memory budget</source>
        <translation>sem veredito: uma busca atingiu seu limite de memória</translation>
    </message>
    <message>
        <source>no clear with up to %1 magic</source>
        <translation>não pode ser vencida com até %1 de magia</translation>
    </message>
    <message>
        <source>the character does not start on solid ground</source>
        <translation>o personagem não começa em chão firme</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>at a time not known</source>
        <translation>em um momento desconhecido</translation>
    </message>
    <message>
        <source>Restore Unsaved Work</source>
        <translation>Recuperar o trabalho não salvo</translation>
    </message>
</context>
<context>
    <name>Refutation</name>
    <message>
        <source>column %1, row %2</source>
        <translation>coluna %1, linha %2</translation>
    </message>
    <message>
        <source>the pool at %1 can never be cleared: no cell the character could ever reach is beside it</source>
        <translation>a água em %1 nunca pode ser secada: nenhuma casa que o personagem possa alcançar fica ao lado dela</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks can never be reached to remove, more than the target of %1</source>
        <translation>
            <numerusform>%n bloco nunca pode ser alcançado para ser tirado, mais que a meta de %1</numerusform>
            <numerusform>%n blocos nunca podem ser alcançados para serem tirados, mais que a meta de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the blocks at %1 and %2 touch and can never be reached to remove</source>
        <translation>os blocos em %1 e %2 se encostam e nunca podem ser alcançados para serem tirados</translation>
    </message>
    <message numerus="yes">
        <source>at most %n blocks can stand apart where the character can reach, fewer than the target of %1</source>
        <translation>
            <numerusform>no máximo %n bloco pode ficar separado onde o personagem alcança, menos que a meta de %1</numerusform>
            <numerusform>no máximo %n blocos podem ficar separados onde o personagem alcança, menos que a meta de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the magic can never suffice: even clearing every sand the character could reach, a clear would end with %1 magic, and the game needs at least %2</source>
        <translation>a magia nunca pode bastar: mesmo transformando toda a areia que o personagem alcança, no fim restaria %1 de magia, e o jogo exige pelo menos %2</translation>
    </message>
    <message numerus="yes">
        <source>the magic runs out before the pools are cleared: with the sand the character can reach as they go, at most %1 of the %n pools can be cleared</source>
        <translation>
            <numerusform>a magia acaba antes de a água ser secada: com a areia que o personagem alcança pelo caminho, no máximo %1 de %n casa de água pode ser secada</numerusform>
            <numerusform>a magia acaba antes de a água ser secada: com a areia que o personagem alcança pelo caminho, no máximo %1 das %n casas de água podem ser secadas</numerusform>
        </translation>
    </message>
    <message>
        <source>the pools at %1 and %2 can never both be cleared: once either is, no cast can reach the other</source>
        <translation>as casas de água em %1 e em %2 nunca podem ser secadas as duas: assim que uma é secada, nenhum feitiço alcança a outra</translation>
    </message>
    <message>
        <source>the pool at %1 can only be cleared while there are more blocks than the target of %2, and once it is, none of them is left within reach to take away</source>
        <translation>a água em %1 só pode ser secada enquanto houver mais blocos que a meta de %2, e depois disso nenhum deles fica ao alcance para ser tirado</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Stage</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Orçamento</translation>
    </message>
    <message>
        <source>Least magic</source>
        <translation>Magia mínima</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Sobra</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>Feitiços</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>Caminhadas</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>Exige</translation>
    </message>
    <message>
        <source>Early count</source>
        <translation>Contagem antecipada</translation>
    </message>
    <message>
        <source>Final boards</source>
        <translation>Tabuleiros finais</translation>
    </message>
    <message>
        <source>Proof states</source>
        <translation>Estados da prova</translation>
    </message>
    <message>
        <source>States</source>
        <translation>Estados</translation>
    </message>
    <message>
        <source>Leaves the board</source>
        <translation>Sai do tabuleiro</translation>
    </message>
    <message>
        <source>from %1,%2</source>
        <translation>de %1,%2</translation>
    </message>
    <message>
        <source>%1, over the top</source>
        <translation>%1, por cima</translation>
    </message>
    <message>
        <source>%1, past column 1</source>
        <translation>%1, além da coluna 1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (cut short)</source>
        <translation>%1 (interrompido)</translation>
    </message>
    <message>
        <source>costs</source>
        <translation>custa</translation>
    </message>
</context>
<context>
    <name>workshop::BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>areia</translation>
    </message>
    <message>
        <source>block</source>
        <translation>bloco</translation>
    </message>
    <message>
        <source>water</source>
        <translation>água</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>muro</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>%1, start</source>
        <translation>%1, início</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>coluna %1, linha %2: %3</translation>
    </message>
</context>
<context>
    <name>workshop::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>workshop::EditorWindow</name>
    <message>
        <source>Stages</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pacote</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept safe: %1</source>
        <translation>O trabalho não salvo não pode ser protegido: %1</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Trabalho não salvo</translation>
    </message>
    <message>
        <source>Unsaved work of a workshop that ended cannot be read: %1</source>
        <translation>Não é possível ler o trabalho não salvo de uma oficina encerrada: %1</translation>
    </message>
    <message>
        <source>an untitled pack</source>
        <translation>um pacote sem título</translation>
    </message>
    <message>
        <source>A workshop ended with unsaved work on %1 (%2), written %3. Restore it?</source>
        <translation>Uma oficina foi encerrada com trabalho não salvo em %1 (%2), gravado %3. Recuperar?</translation>
    </message>
    <message>
        <source>stage</source>
        <translation>fase</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>fases</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Lumora Workshop</source>
        <translation>&amp;Sobre a oficina do Lumora</translation>
    </message>
    <message>
        <source>&amp;New Pack</source>
        <translation>&amp;Novo pacote</translation>
    </message>
    <message>
        <source>Open the &amp;Game&apos;s Stages</source>
        <translation>Abrir as fases do &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recentes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Adicionar fase</translation>
    </message>
    <message>
        <source>&amp;Duplicate Stage</source>
        <translation>&amp;Duplicar fase</translation>
    </message>
    <message>
        <source>D&amp;elete Stage</source>
        <translation>&amp;Excluir fase</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mover para &amp;cima</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>&amp;Pack</source>
        <translation>&amp;Pacote</translation>
    </message>
    <message>
        <source>&amp;Play Pack</source>
        <translation>&amp;Jogar o pacote</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>&amp;Fase</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>&amp;Generate…</source>
        <translation>&amp;Gerar…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>Mostrar a s&amp;olução</translation>
    </message>
    <message>
        <source>About Lumora Workshop</source>
        <translation>Sobre a oficina do Lumora</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Lumora Workshop&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Makes stages for Lumora: paint the board with the left button, empty cells with the right one.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Oficina do Lumora&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Cria fases para o Lumora: pinte o tabuleiro com o botão esquerdo e esvazie casas com o direito.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1[*] — Lumora Workshop</source>
        <translation>%1[*] — Oficina do Lumora</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>Proof &amp;Memory…</source>
        <translation>&amp;Memória das provas…</translation>
    </message>
    <message>
        <source>Proof Memory</source>
        <translation>Memória das provas</translation>
    </message>
    <message>
        <source>The memory each search of a proof may take, in MB.
A search that needs more stops, and its stage is undecided.</source>
        <translation>A memória que cada busca de uma prova pode ocupar, em MB.
Uma busca que precise de mais para, e a sua fase fica sem veredito.</translation>
    </message>
    <message>
        <source>&amp;Copy Stage</source>
        <translation>&amp;Copiar fase</translation>
    </message>
    <message>
        <source>&amp;Paste Stage</source>
        <translation>Co&amp;lar fase</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>área de transferência</translation>
    </message>
    <message>
        <source>Cannot Paste the Stage</source>
        <translation>Não é possível colar a fase</translation>
    </message>
    <message>
        <source>The text on the clipboard is no stage, and the stage was left as it was:
%1</source>
        <translation>O texto da área de transferência não é uma fase, e a fase ficou como estava:
%1</translation>
    </message>
    <message>
        <source>&amp;Open Pack File…</source>
        <translation>Abrir arquivo de &amp;pacote…</translation>
    </message>
    <message>
        <source>Open Pack &amp;Folder…</source>
        <translation>Abrir pas&amp;ta de pacote…</translation>
    </message>
    <message>
        <source>Save &amp;As Pack File…</source>
        <translation>Salvar como &amp;arquivo de pacote…</translation>
    </message>
    <message>
        <source>Save As Pack Fol&amp;der…</source>
        <translation>Salvar como pasta de pa&amp;cote…</translation>
    </message>
</context>
<context>
    <name>workshop::GenerateDialog</name>
    <message>
        <source>Generate Stage</source>
        <translation>Gerar fase</translation>
    </message>
    <message>
        <source>Moves it must require
(none checked: any):</source>
        <translation>Movimentos exigidos
(nenhum marcado: qualquer um):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Casts:</source>
        <translation>Feitiços:</translation>
    </message>
    <message>
        <source>&amp;Random Seed</source>
        <translation>Semente &amp;aleatória</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>Semente:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Gerar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Procurando…</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tabuleiro</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>tabuleiros</translation>
    </message>
    <message>
        <source>No stage found: %1</source>
        <translation>Nenhuma fase encontrada: %1</translation>
    </message>
    <message>
        <source>Found after %1: %2, requires %3.</source>
        <translation>Encontrada após %1: %2, exige %3.</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>feitiço</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>feitiços</translation>
    </message>
    <message>
        <source>Searching… %1 tried, %L2 states searched</source>
        <translation>Procurando… %1 testados, %L2 estados explorados</translation>
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
        <translation>&amp;Como o sistema</translation>
    </message>
</context>
<context>
    <name>workshop::LiveProof</name>
    <message>
        <source>Looking for the shortest solution…</source>
        <translation>Procurando a solução mais curta…</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Mostrar a solução</translation>
    </message>
</context>
<context>
    <name>workshop::PackKeeper</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (somente leitura)</translation>
    </message>
    <message>
        <source>Cannot Open the Pack</source>
        <translation>Não foi possível abrir o pacote</translation>
    </message>
    <message>
        <source>The pack in %1 does not open, and nothing was changed:
%2</source>
        <translation>O pacote em %1 não abre, e nada foi alterado:
%2</translation>
    </message>
    <message>
        <source>Cannot Open the Game&apos;s Stages</source>
        <translation>Não foi possível abrir as fases do jogo</translation>
    </message>
    <message>
        <source>Save the Pack in an Empty Folder</source>
        <translation>Salvar o pacote numa pasta vazia</translation>
    </message>
    <message>
        <source>Replace the Pack?</source>
        <translation>Substituir o pacote?</translation>
    </message>
    <message>
        <source>%1 holds a pack already. Replace it with this one?</source>
        <translation>%1 já contém um pacote. Substituí-lo por este?</translation>
    </message>
    <message>
        <source>Cannot Save the Pack</source>
        <translation>Não foi possível salvar o pacote</translation>
    </message>
    <message>
        <source>The pack was not saved in %1:
%2</source>
        <translation>O pacote não foi salvo em %1:
%2</translation>
    </message>
    <message>
        <source>Save the Changes?</source>
        <translation>Salvar as alterações?</translation>
    </message>
    <message>
        <source>The pack has changes that are not saved. Save them?</source>
        <translation>O pacote tem alterações não salvas. Salvá-las?</translation>
    </message>
    <message>
        <source>not solvable with its budget</source>
        <translation>não dá para vencer com seu orçamento</translation>
    </message>
    <message>
        <source>undecided, the proof stopped at its limit</source>
        <translation>indeciso, a prova parou no seu limite</translation>
    </message>
    <message>
        <source>it cannot be proven</source>
        <translation>não pode ser provada</translation>
    </message>
    <message>
        <source>its solution ends on another board than its answer</source>
        <translation>sua solução termina em outro tabuleiro que não a resposta</translation>
    </message>
    <message>
        <source>not proven yet</source>
        <translation>ainda não provada</translation>
    </message>
    <message>
        <source>Open a Pack File</source>
        <translation>Abrir um arquivo de pacote</translation>
    </message>
    <message>
        <source>Open a Pack Folder</source>
        <translation>Abrir uma pasta de pacote</translation>
    </message>
    <message>
        <source>Save the Pack as a File</source>
        <translation>Salvar o pacote como arquivo</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>Fase %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Without Solutions?</source>
        <translation>Salvar sem soluções?</translation>
    </message>
    <message>
        <source>The pack file will carry no solution for these stages:

%1

A player&apos;s copy cannot show they are solvable. Save it anyway?</source>
        <translation>O arquivo de pacote não trará solução para estas fases:

%1

A cópia de um jogador não poderá mostrar que dá para vencê-las. Salvar mesmo assim?</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>Salvar &amp;mesmo assim</translation>
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
        <translation>Feitiços</translation>
    </message>
    <message>
        <source>Proof states (right)</source>
        <translation>Estados da prova (direita)</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Cannot be proven: %1</source>
        <translation>Não pode ser provada: %1</translation>
    </message>
    <message>
        <source>The budget does not clear this stage</source>
        <translation>O orçamento não basta para vencer esta fase</translation>
    </message>
    <message>
        <source>Undecided: the proof stopped at its memory or state limit before it could tell</source>
        <translation>Sem veredito: a prova parou no seu limite de memória ou de estados antes de poder decidir</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solução</translation>
    </message>
    <message>
        <source>✔ proven by its solution</source>
        <translation>✔ provada pela sua solução</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it; the proof found one</source>
        <translation>✘ sua solução não a vence; a prova encontrou uma</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it</source>
        <translation>✘ sua solução não a vence</translation>
    </message>
    <message>
        <source>checking its solution…</source>
        <translation>verificando sua solução…</translation>
    </message>
    <message>
        <source>found by the proof</source>
        <translation>encontrada pela prova</translation>
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
        <translation>Vencida</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Fechada</translation>
    </message>
    <message>
        <source>Stopped by an error</source>
        <translation>Interrompida por um erro</translation>
    </message>
    <message>
        <source>The solution cannot be shown: %1</source>
        <translation>A solução não pode ser mostrada: %1</translation>
    </message>
    <message>
        <source>There is no room to play the stage in: %1</source>
        <translation>Não há espaço para jogar a fase: %1</translation>
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
        <translation>Solução mais curta:</translation>
    </message>
    <message>
        <source>Moves it requires:</source>
        <translation>Movimentos exigidos:</translation>
    </message>
    <message>
        <source>Early count rule:</source>
        <translation>Regra da contagem antecipada:</translation>
    </message>
    <message>
        <source>Final boards:</source>
        <translation>Tabuleiros finais:</translation>
    </message>
    <message>
        <source>Leaves the board:</source>
        <translation>Sai do tabuleiro:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answer&lt;/b&gt; (the board the mini-map shows)</source>
        <translation>&lt;b&gt;Resposta&lt;/b&gt; (o tabuleiro do minimapa)</translation>
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
        <translation>Usar como resposta</translation>
    </message>
    <message>
        <source>The previous final board</source>
        <translation>O tabuleiro final anterior</translation>
    </message>
    <message>
        <source>The next final board</source>
        <translation>O próximo tabuleiro final</translation>
    </message>
    <message>
        <source>Proving…</source>
        <translation>Provando…</translation>
    </message>
    <message>
        <source>%L1 states searched</source>
        <translation>%L1 estados explorados</translation>
    </message>
    <message>
        <source>Stopped: the proof was stopped before it ended</source>
        <translation>Interrompida: a prova foi parada antes do fim</translation>
    </message>
    <message>
        <source>✔ Solvable with its magic</source>
        <translation>✔ Tem solução com a sua magia</translation>
    </message>
    <message>
        <source>✘ Not solvable: %1</source>
        <translation>✘ Sem solução: %1</translation>
    </message>
    <message>
        <source>%1 (the stage gives %2)</source>
        <translation>%1 (a fase dá %2)</translation>
    </message>
    <message>
        <source>none clears it up to %1</source>
        <translation>nenhuma até %1 a vence</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>feitiço</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>feitiços</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>caminhada</translation>
    </message>
    <message>
        <source>walks</source>
        <translation>caminhadas</translation>
    </message>
    <message>
        <source>over the top</source>
        <translation>por cima</translation>
    </message>
    <message>
        <source>past column 1</source>
        <translation>além da coluna 1</translation>
    </message>
    <message>
        <source>yes: a walk from column %1, row %2 goes %3</source>
        <translation>sim: uma caminhada da coluna %1, linha %2 sai %3</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>The stage cannot be cleared with its magic.</source>
        <translation>A fase não pode ser vencida com a sua magia.</translation>
    </message>
    <message>
        <source>%L1 states searched in all</source>
        <translation>%L1 estados explorados no total</translation>
    </message>
    <message>
        <source> (a search was cut short)</source>
        <translation> (uma busca foi interrompida)</translation>
    </message>
    <message>
        <source>costs magic</source>
        <translation>custa magia</translation>
    </message>
    <message>
        <source>costs nothing</source>
        <translation>não custa nada</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mais de %1</translation>
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
        <translation>✘ Não pode ser jogada: %1</translation>
    </message>
    <message>
        <source>no final board yet</source>
        <translation>ainda sem tabuleiro final</translation>
    </message>
    <message>
        <source>final board %1 of %2</source>
        <translation>tabuleiro final %1 de %2</translation>
    </message>
    <message>
        <source>, the shortest solution&apos;s</source>
        <translation>, o da solução mais curta</translation>
    </message>
    <message>
        <source> (stored)</source>
        <translation> (salvo)</translation>
    </message>
    <message>
        <source>No solution was found, and none was ruled out: the proof is undecided.</source>
        <translation>Nenhuma solução foi encontrada, e nenhuma foi descartada: a prova ficou sem veredito.</translation>
    </message>
    <message>
        <source>? Undecided within %1 MB after %L2 states</source>
        <translation>? Sem veredito em %1 MB após %L2 estados</translation>
    </message>
    <message>
        <source>? Undecided: the search reached its state limit</source>
        <translation>? Sem veredito: a busca atingiu seu limite de estados</translation>
    </message>
    <message>
        <source>%1 so far (the stage gives %2)</source>
        <translation>%1 por enquanto (a fase dá %2)</translation>
    </message>
    <message>
        <source>, the fewest so far</source>
        <translation>, o mínimo até agora</translation>
    </message>
    <message numerus="yes">
        <source>✔ Solvable: a %n-cast solution found; looking for a shorter one</source>
        <translation>
            <numerusform>✔ Tem solução: encontrada uma de %n feitiço; buscando uma mais curta</numerusform>
            <numerusform>✔ Tem solução: encontrada uma de %n feitiços; buscando uma mais curta</numerusform>
        </translation>
    </message>
    <message>
        <source>not known: the search was cut short</source>
        <translation>desconhecido: a busca foi interrompida</translation>
    </message>
    <message>
        <source>at least %1 (a search was cut short)</source>
        <translation>pelo menos %1 (uma busca foi interrompida)</translation>
    </message>
</context>
<context>
    <name>workshop::StageDrawing</name>
    <message>
        <source>How many blocks the board must hold for the stage to be cleared</source>
        <translation>Quantos blocos o tabuleiro precisa ter para vencer a fase</translation>
    </message>
    <message>
        <source>The magic the player has when the stage starts. The stage file stores one less, the budget.</source>
        <translation>A magia do jogador no início da fase. O arquivo da fase guarda um a menos: o orçamento.</translation>
    </message>
    <message>
        <source>&amp;Target blocks:</source>
        <translation>Meta de &amp;blocos:</translation>
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
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Licence:</source>
        <translation>&amp;Licença:</translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation>Fase %1</translation>
    </message>
</context>
</TS>
