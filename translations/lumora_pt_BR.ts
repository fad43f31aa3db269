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
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
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
        <source>Save &amp;As…</source>
        <translation>Salvar &amp;como…</translation>
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
        <source>Generate stage</source>
        <translation>Gerar fase</translation>
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
        <source>Open a Pack</source>
        <translation>Abrir um pacote</translation>
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
