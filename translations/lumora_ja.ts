<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Cell</name>
    <message>
        <source>Empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>砂</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>壁</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
</context>
<context>
    <name>Edit</name>
    <message numerus="yes">
        <source>Empty %n cells</source>
        <translation>
            <numerusform>%n マスを空にする</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with sand</source>
        <translation>
            <numerusform>%n マスを砂で塗る</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with block</source>
        <translation>
            <numerusform>%n マスをブロックで塗る</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with water</source>
        <translation>
            <numerusform>%n マスを水で塗る</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paint %n cells with wall</source>
        <translation>
            <numerusform>%n マスを壁で塗る</numerusform>
        </translation>
    </message>
    <message>
        <source>Move the start</source>
        <translation>スタートを動かす</translation>
    </message>
    <message>
        <source>Set the target to %1</source>
        <translation>目標を %1 にする</translation>
    </message>
    <message>
        <source>Set the starting magic to %1</source>
        <translation>開始時の魔力を %1 にする</translation>
    </message>
    <message>
        <source>Choose the answer</source>
        <translation>答えを選ぶ</translation>
    </message>
    <message>
        <source>Add stage %1</source>
        <translation>ステージ %1 を追加</translation>
    </message>
    <message>
        <source>Duplicate stage %1</source>
        <translation>ステージ %1 を複製</translation>
    </message>
    <message>
        <source>Delete stage %1</source>
        <translation>ステージ %1 を削除</translation>
    </message>
    <message>
        <source>Move stage %1 to %2</source>
        <translation>ステージ %1 を %2 へ移動</translation>
    </message>
    <message>
        <source>Edit the pack&apos;s name, author or licence</source>
        <translation>パックの名前・作者・ライセンスを編集</translation>
    </message>
    <message>
        <source>Generate stage</source>
        <translation>ステージを生成</translation>
    </message>
    <message>
        <source>Paste stage</source>
        <translation>ステージを貼り付け</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n lines, a stage has %1</source>
        <translation>
            <numerusform>テキストは %n 行です。ステージは %1 行です</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Play goes on: the game keeps your progress while it runs.</source>
        <translation>このまま遊べます。ゲームを終了するまで進行状況は保たれます。</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>面</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>魔力</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>石</translation>
    </message>
    <message>
        <source> Menu</source>
        <translation> メニュー</translation>
    </message>
    <message>
        <source>%1: %2 is a folder, not a file</source>
        <translation>%1: %2 はファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>%1: %2 is a named pipe, not a file</source>
        <translation>%1: %2 はファイルではなく名前付きパイプです</translation>
    </message>
    <message>
        <source>%1: %2 is a device, not a file</source>
        <translation>%1: %2 はファイルではなくデバイスです</translation>
    </message>
    <message>
        <source>%1: %2 is a socket, not a file</source>
        <translation>%1: %2 はファイルではなくソケットです</translation>
    </message>
    <message>
        <source>%1: %2 is not a regular file, not a file</source>
        <translation>%1: %2 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1: cannot open %2 (%3)</source>
        <translation>%1: %2 を開けません (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read %2 (%3)</source>
        <translation>%1: %2 を読み込めません (%3)</translation>
    </message>
    <message>
        <source>%1: cannot write %2 (%3)</source>
        <translation>%1: %2 に書き込めません (%3)</translation>
    </message>
    <message>
        <source>%1: cannot replace %2 (%3)</source>
        <translation>%1: %2 を置き換えられません (%3)</translation>
    </message>
    <message>
        <source>%1: cannot remove %2 (%3)</source>
        <translation>%1: %2 を削除できません (%3)</translation>
    </message>
    <message>
        <source>%1: cannot lock %2 (%3)</source>
        <translation>%1: %2 をロックできません (%3)</translation>
    </message>
    <message>
        <source>%1: cannot find the folder of %2 (%3)</source>
        <translation>%1: %2 のフォルダーが見つかりません (%3)</translation>
    </message>
    <message>
        <source>%1: cannot read the folder %2 (%3)</source>
        <translation>%1: フォルダー %2 を読み込めません (%3)</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 の %2 行目: %3</translation>
    </message>
    <message>
        <source>the first field is longer than %1 bytes</source>
        <translation>最初の項目が %1 バイトより長いです</translation>
    </message>
    <message>
        <source>the file holds no stage number</source>
        <translation>ファイルにステージ番号がありません</translation>
    </message>
    <message>
        <source>%1 is not a stage number</source>
        <translation>%1 はステージ番号ではありません</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>フォルダー %1 を作れません: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1 (lines must end with CR LF)</source>
        <translation>
            <numerusform>ファイルは %n 行ですが、%1 行必要です (行末は CR LF にしてください)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the file has %n lines, it needs %1</source>
        <translation>
            <numerusform>ファイルは %n 行ですが、%1 行必要です</numerusform>
        </translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>行が %1 バイトより長いです</translation>
    </message>
    <message>
        <source>%1 plus %2 is out of range (-32768 to 32767)</source>
        <translation>%1 に %2 を足すと範囲 (-32768〜32767) を超えます</translation>
    </message>
    <message>
        <source>%1 is out of range (-32768 to 32767)</source>
        <translation>%1 は範囲 (-32768〜32767) を超えています</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 は整数ではありません</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 は数ではありません</translation>
    </message>
    <message>
        <source>the board has no start cell &quot;P&quot;</source>
        <translation>盤面にスタートのマス「P」がありません</translation>
    </message>
    <message>
        <source>the journal ends here</source>
        <translation>ジャーナルがここで終わっています</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>「%1」があるはずです</translation>
    </message>
    <message>
        <source>a broken escape</source>
        <translation>壊れたエスケープ</translation>
    </message>
    <message>
        <source>not a number from %1 to %2</source>
        <translation>%1 から %2 までの数ではありません</translation>
    </message>
    <message>
        <source>journal line %1: %2</source>
        <translation>ジャーナルの %1 行目: %2</translation>
    </message>
    <message>
        <source>more after the end</source>
        <translation>終わりの後に続きがあります</translation>
    </message>
    <message>
        <source>journal: damaged</source>
        <translation>ジャーナル: 壊れています</translation>
    </message>
    <message>
        <source>%1: every one of %2 journals in %3 is taken</source>
        <translation>%1: %3 のジャーナル %2 個がすべて使用中です</translation>
    </message>
    <message>
        <source>%1: %2 was written, but its folder could not be flushed to the disk (%3)</source>
        <translation>%1: %2 は書き込まれましたが、そのフォルダーをディスクに書き出せませんでした (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is a link to %3, which does not exist</source>
        <translation>%1: %2 は存在しない %3 へのリンクです</translation>
    </message>
    <message>
        <source>Stages %1 is not a whole number from 1 to %2</source>
        <translation>Stages の %1 は 1 から %2 までの整数ではありません</translation>
    </message>
    <message>
        <source>%1 is not a section name</source>
        <translation>%1 はセクション名ではありません</translation>
    </message>
    <message>
        <source>%1 is not a setting (Key=value)</source>
        <translation>%1 は設定 (キー=値) ではありません</translation>
    </message>
    <message>
        <source>the [Pack] section has no Stages setting</source>
        <translation>[Pack] セクションに Stages の設定がありません</translation>
    </message>
    <message>
        <source>the file is longer than %1 bytes</source>
        <translation>ファイルが %1 バイトより長いです</translation>
    </message>
    <message>
        <source>pack folder: cannot remove %1 (%2)</source>
        <translation>パックのフォルダー: %1 を削除できません (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot rename %1 to %2 (%3)</source>
        <translation>パックのフォルダー: %1 の名前を %2 に変更できません (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 does not name a folder a pack can be saved as</source>
        <translation>パックのフォルダー: %1 はパックを保存できるフォルダーの名前ではありません</translation>
    </message>
    <message>
        <source>pack folder: cannot read %1 (%2)</source>
        <translation>パックのフォルダー: %1 を読み込めません (%2)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds %2, which no save put there; it is left as it is</source>
        <translation>パックのフォルダー: %1 に保存で置いたものではない %2 があります。そのままにしてあります</translation>
    </message>
    <message>
        <source>pack folder: cannot put the old pack in %1 back as %2 (%3)</source>
        <translation>パックのフォルダー: %1 にある古いパックを %2 に戻せません (%3)</translation>
    </message>
    <message>
        <source>%1: %2 is too long to be a save</source>
        <translation>%1: %2 はセーブデータにしては長すぎます</translation>
    </message>
    <message>
        <source>pack folder: cannot make %1 (%2)</source>
        <translation>パックのフォルダー: %1 を作成できません (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot give %1 the permissions of %2 (%3)</source>
        <translation>パックのフォルダー: %1 に %2 と同じ権限を設定できません (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot flush %1 to the disk (%2)</source>
        <translation>パックのフォルダー: %1 をディスクに書き出せません (%2)</translation>
    </message>
    <message>
        <source>pack folder: cannot move %1 aside to %2 (%3)</source>
        <translation>パックのフォルダー: %1 を %2 に退避できません (%3)</translation>
    </message>
    <message>
        <source>pack folder: cannot swap %1 with %2 (%3)</source>
        <translation>パックのフォルダー: %1 と %2 を入れ替えられません (%3)</translation>
    </message>
    <message>
        <source>pack folder: %1 holds the new pack, but its folder could not be flushed to the disk (%2)</source>
        <translation>パックのフォルダー: %1 に新しいパックがありますが、その親フォルダーをディスクに書き出せませんでした (%2)</translation>
    </message>
    <message>
        <source>the start cell &quot;P&quot; must be empty to be written</source>
        <translation>スタートのマス「P」は空でなければ書き込めません</translation>
    </message>
    <message numerus="yes">
        <source>Stages is %1 and the pack holds %n stages: both must be the same, from 1 to %2</source>
        <translation>
            <numerusform>Stages は %1 ですが、パックには %n 個のステージがあります。どちらも 1 から %2 までの同じ数でなければなりません</numerusform>
        </translation>
    </message>
    <message>
        <source>a name, author or licence with a line break or blanks at either end would not read back as it is</source>
        <translation>改行を含むか先頭や末尾に空白がある名前・作者・ライセンスは、そのままでは読み戻せません</translation>
    </message>
    <message>
        <source>%1 holds files that are not a pack; choose an empty folder</source>
        <translation>%1 にはパックではないファイルがあります。空のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>%1 holds %2 beside the pack: a pack is saved whole into a folder of its own, so move it out or choose an empty folder</source>
        <translation>%1 にはパックのほかに %2 があります。パックはそれ専用のフォルダーにまとめて保存されるので、それを移動するか空のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>%1: no folder for the pack&apos;s save (neither XDG_DATA_HOME nor HOME is an absolute path)</source>
        <translation>%1: パックのセーブデータのフォルダーがありません (XDG_DATA_HOME も HOME も絶対パスではありません)</translation>
    </message>
    <message>
        <source>pack folder</source>
        <translation>パックのフォルダー</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>the file ends where %1 should be</source>
        <translation>%1 があるべきところでファイルが終わっています</translation>
    </message>
    <message>
        <source>%1 is here where %2 should be</source>
        <translation>%2 があるべきところに %1 があります</translation>
    </message>
    <message>
        <source>%1 follows the last stage</source>
        <translation>最後のステージの後に %1 があります</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; it needs %3</source>
        <translation>%1 は %2 行あります。%3 行必要です</translation>
    </message>
    <message>
        <source>a pack file starts with the line %1</source>
        <translation>パックファイルは %1 の行で始まります</translation>
    </message>
    <message>
        <source>the solution cannot be written in a pack file</source>
        <translation>この解法はパックファイルに書き込めません</translation>
    </message>
</context>
<context>
    <name>Generate</name>
    <message>
        <source>a stage that requires neither place nor remove keeps its own blocks as its count and clears with one cast; ask for one cast, or add place or remove</source>
        <translation>置くも消すも必要としないステージは自分のブロックをそのまま数として 1 回の魔法でクリアできます。魔法を 1 回にするか、置くか消すを加えてください</translation>
    </message>
    <message numerus="yes">
        <source>%n boards tried in %1 s</source>
        <translation>
            <numerusform>%1 秒で %n 個の盤面を試行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (中止)</translation>
    </message>
    <message>
        <source>%1 (out of time)</source>
        <translation>%1 (時間切れ)</translation>
    </message>
    <message>
        <source>%1: %2 unsolvable, %3 too loose to prove, %4 with a way off the board, %5 with too few casts, %6 with too many casts, %7 requiring other moves</source>
        <translation>%1: 解けない %2、証明するには緩すぎる %3、盤外へ出られる %4、魔法が少なすぎる %5、魔法が多すぎる %6、ほかの手が必要な %7</translation>
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
  --help     このヘルプを表示して終了
  --version  バージョンを表示して終了
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
Lumora はタイルパズルです。砂・ブロック・水・壁でできた 9 x 9 の盤面で、
マウスを使って小さな魔法使いを導きます。
  別の列を左クリック: そこまで歩きます。1 マスの段差は登れます。
  魔法使いの隣のマスを右クリック: そのマスに魔法をかけます。空きマスには
  ブロックが置かれ (魔力 2)、ブロックは消え (+1)、水は消え (2)、砂は魔力に
  変わります (+8)。壁は変わりません。
盤面のブロックがちょうど目標の数になり、どの 2 つも隣り合わず、水が残らず、
魔力が少しでも残っていればステージクリアです。
</translation>
    </message>
    <message>
        <source>for the rules of play</source>
        <translation>で遊び方を表示します</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>使い方: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数 “%1”</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; %2.</source>
        <translation>“%1 --help” %2。</translation>
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
Lumora ワークショップはゲームのステージを作ります。9 x 9 の盤面を砂・
ブロック・水・壁で塗り、キャラクターのスタート位置を置き、目標ブロック数と
開始時の魔力を決めます。
  左ボタン: 選んだ種類で塗る (クリックまたはドラッグ)。
  右ボタン: マスを空にする。
  種類を選ぶキー:
</translation>
    </message>
    <message>
        <source>for more</source>
        <translation>で詳しい説明を表示します</translation>
    </message>
    <message>
        <source>PACK</source>
        <translation>パック</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder: its stages
             are played, with a save of their own
</source>
        <translation>  パック     パックファイル (NAME.lumora) またはパックフォルダー。そのステージを
             専用のセーブで遊びます
</translation>
    </message>
    <message>
        <source>  PACK       a pack file (NAME.lumora) or a pack folder to open
</source>
        <translation>  パック     開くパックファイル (NAME.lumora) またはパックフォルダー
</translation>
    </message>
</context>
<context>
    <name>Move</name>
    <message>
        <source>place</source>
        <translation>置く</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>消す</translation>
    </message>
    <message>
        <source>take back</source>
        <translation>取り戻す</translation>
    </message>
    <message>
        <source>water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>砂</translation>
    </message>
    <message>
        <source>climb</source>
        <translation>登る</translation>
    </message>
    <message>
        <source>climb own</source>
        <translation>自分のに登る</translation>
    </message>
    <message>
        <source>hole</source>
        <translation>穴</translation>
    </message>
    <message>
        <source>floor</source>
        <translation>足元</translation>
    </message>
    <message>
        <source>above</source>
        <translation>頭上</translation>
    </message>
</context>
<context>
    <name>PackKeeper</name>
    <message>
        <source>Lumora packs (*%1)</source>
        <translation>Lumora のパック (*%1)</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>not enough magic: it needs %1 to start with, it has %2</source>
        <translation>魔力が足りません: 開始時に %1 必要ですが、%2 しかありません</translation>
    </message>
    <message>
        <source>no clear found</source>
        <translation>クリアが見つかりません</translation>
    </message>
    <message>
        <source>the solver&apos;s own solution fails: %1</source>
        <translation>ソルバー自身の解法が失敗します: %1</translation>
    </message>
    <message>
        <source>the game disagrees with the solver:
%1</source>
        <translation>ゲームとソルバーの結果が食い違います:
%1</translation>
    </message>
    <message>
        <source>no clear with any magic</source>
        <translation>どれだけ魔力があってもクリアできません</translation>
    </message>
    <message>
        <source>not solvable with the stage&apos;s budget</source>
        <translation>ステージの予算では解けません</translation>
    </message>
    <message>
        <source>undecided: no clear found within the search&apos;s limits</source>
        <translation>未決定: 探索の範囲内ではクリアが見つかりません</translation>
    </message>
    <message>
        <source>undecided: a search reached its memory budget</source>
        <translation>未決定: 探索がメモリの上限に達しました</translation>
    </message>
    <message>
        <source>no clear with up to %1 magic</source>
        <translation>魔力 %1 まででクリアできません</translation>
    </message>
    <message>
        <source>the character does not start on solid ground</source>
        <translation>キャラクターのスタート位置の下に足場がありません</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>at a time not known</source>
        <translation>日時不明</translation>
    </message>
    <message>
        <source>Restore Unsaved Work</source>
        <translation>保存していない作業の復元</translation>
    </message>
</context>
<context>
    <name>Refutation</name>
    <message>
        <source>column %1, row %2</source>
        <translation>%1 列 %2 行</translation>
    </message>
    <message>
        <source>the pool at %1 can never be cleared: no cell the character could ever reach is beside it</source>
        <translation>%1 の水は決して消せません: キャラクターが行けるマスが隣にひとつもありません</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks can never be reached to remove, more than the target of %1</source>
        <translation>
            <numerusform>消すために行けないブロックが %n 個あり、目標の %1 を超えています</numerusform>
        </translation>
    </message>
    <message>
        <source>the blocks at %1 and %2 touch and can never be reached to remove</source>
        <translation>%1 と %2 のブロックは隣り合っていて、消すために行くことができません</translation>
    </message>
    <message numerus="yes">
        <source>at most %n blocks can stand apart where the character can reach, fewer than the target of %1</source>
        <translation>
            <numerusform>キャラクターが行ける所に離して置けるブロックは多くても %n 個で、目標の %1 に足りません</numerusform>
        </translation>
    </message>
    <message>
        <source>the magic can never suffice: even clearing every sand the character could reach, a clear would end with %1 magic, and the game needs at least %2</source>
        <translation>魔力は決して足りません: キャラクターが行ける砂をすべて魔力に変えてもクリア時の魔力は %1 で、ゲームには少なくとも %2 必要です</translation>
    </message>
    <message numerus="yes">
        <source>the magic runs out before the pools are cleared: with the sand the character can reach as they go, at most %1 of the %n pools can be cleared</source>
        <translation>
            <numerusform>水を消し終える前に魔力が尽きます: 途中でキャラクターが届く砂を使っても、%n マスの水のうち消せるのは最大 %1 マスです</numerusform>
        </translation>
    </message>
    <message>
        <source>the pools at %1 and %2 can never both be cleared: once either is, no cast can reach the other</source>
        <translation>%1 と %2 の水は両方とも消すことはできません: 片方を消すと、もう片方にはどの魔法も届きません</translation>
    </message>
    <message>
        <source>the pool at %1 can only be cleared while there are more blocks than the target of %2, and once it is, none of them is left within reach to take away</source>
        <translation>%1 の水はブロックが目標の %2 より多いうちにしか消せませんが、消すとそのどれも取り除ける範囲に残りません</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Stage</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目標</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>Least magic</source>
        <translation>最小の魔力</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>余り</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>魔法の回数</translation>
    </message>
    <message>
        <source>Walks</source>
        <translation>歩行</translation>
    </message>
    <message>
        <source>Requires</source>
        <translation>必要な手</translation>
    </message>
    <message>
        <source>Early count</source>
        <translation>早期カウント</translation>
    </message>
    <message>
        <source>Final boards</source>
        <translation>最終盤面</translation>
    </message>
    <message>
        <source>Proof states</source>
        <translation>証明の状態数</translation>
    </message>
    <message>
        <source>States</source>
        <translation>状態数</translation>
    </message>
    <message>
        <source>Leaves the board</source>
        <translation>盤外へ</translation>
    </message>
    <message>
        <source>from %1,%2</source>
        <translation>%1,%2 から</translation>
    </message>
    <message>
        <source>%1, over the top</source>
        <translation>%1、上へ</translation>
    </message>
    <message>
        <source>%1, past column 1</source>
        <translation>%1、1 列目の外へ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 (cut short)</source>
        <translation>%1 (打ち切り)</translation>
    </message>
    <message>
        <source>costs</source>
        <translation>消費</translation>
    </message>
</context>
<context>
    <name>workshop::BoardAccessible</name>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>砂</translation>
    </message>
    <message>
        <source>block</source>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>wall</source>
        <translation>壁</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1 列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>%1, start</source>
        <translation>%1、スタート</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>%1 列 %2 行: %3</translation>
    </message>
</context>
<context>
    <name>workshop::BoardView</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
</context>
<context>
    <name>workshop::EditorWindow</name>
    <message>
        <source>Stages</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>Proof</source>
        <translation>証明</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>パック</translation>
    </message>
    <message>
        <source>Unsaved work cannot be kept safe: %1</source>
        <translation>保存していない作業を保護できません: %1</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>保存していない作業</translation>
    </message>
    <message>
        <source>Unsaved work of a workshop that ended cannot be read: %1</source>
        <translation>終了したワークショップの保存していない作業を読み込めません: %1</translation>
    </message>
    <message>
        <source>an untitled pack</source>
        <translation>無題のパック</translation>
    </message>
    <message>
        <source>A workshop ended with unsaved work on %1 (%2), written %3. Restore it?</source>
        <translation>ワークショップが %1 (%2) の作業を保存しないまま終了しました (%3 に記録)。復元しますか?</translation>
    </message>
    <message>
        <source>stage</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>stages</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Lumora Workshop</source>
        <translation>Lumora ワークショップについて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;New Pack</source>
        <translation>新しいパック(&amp;N)</translation>
    </message>
    <message>
        <source>Open the &amp;Game&apos;s Stages</source>
        <translation>ゲームのステージを開く(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったものを開く(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>ステージを追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Duplicate Stage</source>
        <translation>ステージを複製(&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;elete Stage</source>
        <translation>ステージを削除(&amp;E)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Pack</source>
        <translation>パック(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Play Pack</source>
        <translation>パックを遊ぶ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stage</source>
        <translation>ステージ(&amp;S)</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>&amp;Generate…</source>
        <translation>生成(&amp;G)…</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>遊ぶ(&amp;P)</translation>
    </message>
    <message>
        <source>Show S&amp;olution</source>
        <translation>解法を見る(&amp;O)</translation>
    </message>
    <message>
        <source>About Lumora Workshop</source>
        <translation>Lumora ワークショップについて</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Lumora Workshop&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Makes stages for Lumora: paint the board with the left button, empty cells with the right one.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Lumora ワークショップ&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Lumora のステージを作ります。左ボタンで盤面を塗り、右ボタンでマスを空にします。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1[*] — Lumora Workshop</source>
        <translation>%1[*] — Lumora ワークショップ</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>設定(&amp;T)</translation>
    </message>
    <message>
        <source>Proof &amp;Memory…</source>
        <translation>証明のメモリ(&amp;M)…</translation>
    </message>
    <message>
        <source>Proof Memory</source>
        <translation>証明のメモリ</translation>
    </message>
    <message>
        <source>The memory each search of a proof may take, in MB.
A search that needs more stops, and its stage is undecided.</source>
        <translation>証明の探索ひとつが使ってよいメモリ（MB）です。
これより多く必要な探索は止まり、そのステージは未決定になります。</translation>
    </message>
    <message>
        <source>&amp;Copy Stage</source>
        <translation>ステージをコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste Stage</source>
        <translation>ステージを貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>クリップボード</translation>
    </message>
    <message>
        <source>Cannot Paste the Stage</source>
        <translation>ステージを貼り付けられません</translation>
    </message>
    <message>
        <source>The text on the clipboard is no stage, and the stage was left as it was:
%1</source>
        <translation>クリップボードのテキストはステージではありません。ステージは元のままです:
%1</translation>
    </message>
    <message>
        <source>&amp;Open Pack File…</source>
        <translation>パックファイルを開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Open Pack &amp;Folder…</source>
        <translation>パックフォルダーを開く(&amp;F)…</translation>
    </message>
    <message>
        <source>Save &amp;As Pack File…</source>
        <translation>パックファイルとして保存(&amp;A)…</translation>
    </message>
    <message>
        <source>Save As Pack Fol&amp;der…</source>
        <translation>パックフォルダーとして保存(&amp;D)…</translation>
    </message>
</context>
<context>
    <name>workshop::GenerateDialog</name>
    <message>
        <source>Generate Stage</source>
        <translation>ステージを生成</translation>
    </message>
    <message>
        <source>Moves it must require
(none checked: any):</source>
        <translation>必要な手
(チェックなし: 指定なし):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Casts:</source>
        <translation>魔法の回数:</translation>
    </message>
    <message>
        <source>&amp;Random Seed</source>
        <translation>ランダムなシード(&amp;R)</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>シード:</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>生成(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>探しています…</translation>
    </message>
    <message>
        <source>board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>boards</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>No stage found: %1</source>
        <translation>ステージが見つかりません: %1</translation>
    </message>
    <message>
        <source>Found after %1: %2, requires %3.</source>
        <translation>%1 で見つかりました: %2、必要な手: %3。</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>回の魔法</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>回の魔法</translation>
    </message>
    <message>
        <source>Searching… %1 tried, %L2 states searched</source>
        <translation>探しています… %1 試行、%L2 個の状態を探索</translation>
    </message>
</context>
<context>
    <name>workshop::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>システムの設定(&amp;S)</translation>
    </message>
</context>
<context>
    <name>workshop::LiveProof</name>
    <message>
        <source>Looking for the shortest solution…</source>
        <translation>最短の解法を探しています…</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>解法を見る</translation>
    </message>
</context>
<context>
    <name>workshop::PackKeeper</name>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (読み取り専用)</translation>
    </message>
    <message>
        <source>Cannot Open the Pack</source>
        <translation>パックを開けません</translation>
    </message>
    <message>
        <source>The pack in %1 does not open, and nothing was changed:
%2</source>
        <translation>%1 のパックを開けません。何も変更していません:
%2</translation>
    </message>
    <message>
        <source>Cannot Open the Game&apos;s Stages</source>
        <translation>ゲームのステージを開けません</translation>
    </message>
    <message>
        <source>Save the Pack in an Empty Folder</source>
        <translation>パックを空のフォルダーに保存</translation>
    </message>
    <message>
        <source>Replace the Pack?</source>
        <translation>パックを置き換えますか?</translation>
    </message>
    <message>
        <source>%1 holds a pack already. Replace it with this one?</source>
        <translation>%1 にはすでにパックがあります。このパックで置き換えますか?</translation>
    </message>
    <message>
        <source>Cannot Save the Pack</source>
        <translation>パックを保存できません</translation>
    </message>
    <message>
        <source>The pack was not saved in %1:
%2</source>
        <translation>パックを %1 に保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>Save the Changes?</source>
        <translation>変更を保存しますか?</translation>
    </message>
    <message>
        <source>The pack has changes that are not saved. Save them?</source>
        <translation>パックに保存していない変更があります。保存しますか?</translation>
    </message>
    <message>
        <source>not solvable with its budget</source>
        <translation>予算ではクリアできません</translation>
    </message>
    <message>
        <source>undecided, the proof stopped at its limit</source>
        <translation>未決定です。証明が上限で止まりました</translation>
    </message>
    <message>
        <source>it cannot be proven</source>
        <translation>証明できません</translation>
    </message>
    <message>
        <source>its solution ends on another board than its answer</source>
        <translation>解法の最終盤面が答えと違います</translation>
    </message>
    <message>
        <source>not proven yet</source>
        <translation>まだ証明されていません</translation>
    </message>
    <message>
        <source>Open a Pack File</source>
        <translation>パックファイルを開く</translation>
    </message>
    <message>
        <source>Open a Pack Folder</source>
        <translation>パックフォルダーを開く</translation>
    </message>
    <message>
        <source>Save the Pack as a File</source>
        <translation>パックをファイルとして保存</translation>
    </message>
    <message>
        <source>Stage %1: %2</source>
        <translation>ステージ %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Save Without Solutions?</source>
        <translation>解法なしで保存しますか?</translation>
    </message>
    <message>
        <source>The pack file will carry no solution for these stages:

%1

A player&apos;s copy cannot show they are solvable. Save it anyway?</source>
        <translation>パックファイルには次のステージの解法が入りません:

%1

プレイヤーの手元ではクリアできることを示せません。それでも保存しますか?</translation>
    </message>
    <message>
        <source>Save &amp;Anyway</source>
        <translation>それでも保存(&amp;A)</translation>
    </message>
</context>
<context>
    <name>workshop::PackView</name>
    <message>
        <source>Least magic</source>
        <translation>最小の魔力</translation>
    </message>
    <message>
        <source>Casts</source>
        <translation>魔法の回数</translation>
    </message>
    <message>
        <source>Proof states (right)</source>
        <translation>証明の状態数 (右)</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Cannot be proven: %1</source>
        <translation>証明できません: %1</translation>
    </message>
    <message>
        <source>The budget does not clear this stage</source>
        <translation>この予算ではこのステージをクリアできません</translation>
    </message>
    <message>
        <source>Undecided: the proof stopped at its memory or state limit before it could tell</source>
        <translation>未決定: 判定できる前に、証明がメモリまたは状態数の上限で止まりました</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>解法</translation>
    </message>
    <message>
        <source>✔ proven by its solution</source>
        <translation>✔ 解法で証明済み</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it; the proof found one</source>
        <translation>✘ 解法ではクリアできません。証明が別の解法を見つけました</translation>
    </message>
    <message>
        <source>✘ its solution does not clear it</source>
        <translation>✘ 解法ではクリアできません</translation>
    </message>
    <message>
        <source>checking its solution…</source>
        <translation>解法を確認中…</translation>
    </message>
    <message>
        <source>found by the proof</source>
        <translation>証明が発見</translation>
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
        <translation>クリア</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>閉じました</translation>
    </message>
    <message>
        <source>Stopped by an error</source>
        <translation>エラーで停止しました</translation>
    </message>
    <message>
        <source>The solution cannot be shown: %1</source>
        <translation>解法を表示できません: %1</translation>
    </message>
    <message>
        <source>There is no room to play the stage in: %1</source>
        <translation>ステージを遊ぶ場所を用意できません: %1</translation>
    </message>
</context>
<context>
    <name>workshop::ProofPanel</name>
    <message>
        <source>Least starting magic:</source>
        <translation>最小の開始魔力:</translation>
    </message>
    <message>
        <source>Shortest solution:</source>
        <translation>最短の解法:</translation>
    </message>
    <message>
        <source>Moves it requires:</source>
        <translation>必要な手:</translation>
    </message>
    <message>
        <source>Early count rule:</source>
        <translation>早期カウント規則:</translation>
    </message>
    <message>
        <source>Final boards:</source>
        <translation>最終盤面:</translation>
    </message>
    <message>
        <source>Leaves the board:</source>
        <translation>盤面の外に出る:</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>&lt;b&gt;Answer&lt;/b&gt; (the board the mini-map shows)</source>
        <translation>&lt;b&gt;答え&lt;/b&gt; (ミニマップに出す盤面)</translation>
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
        <translation>答えにする</translation>
    </message>
    <message>
        <source>The previous final board</source>
        <translation>前の最終盤面</translation>
    </message>
    <message>
        <source>The next final board</source>
        <translation>次の最終盤面</translation>
    </message>
    <message>
        <source>Proving…</source>
        <translation>証明しています…</translation>
    </message>
    <message>
        <source>%L1 states searched</source>
        <translation>%L1 個の状態を探索</translation>
    </message>
    <message>
        <source>Stopped: the proof was stopped before it ended</source>
        <translation>停止: 証明は終わる前に止められました</translation>
    </message>
    <message>
        <source>✔ Solvable with its magic</source>
        <translation>✔ この魔力で解けます</translation>
    </message>
    <message>
        <source>✘ Not solvable: %1</source>
        <translation>✘ 解けません: %1</translation>
    </message>
    <message>
        <source>%1 (the stage gives %2)</source>
        <translation>%1 (ステージでは %2)</translation>
    </message>
    <message>
        <source>none clears it up to %1</source>
        <translation>%1 まででクリアできる値はありません</translation>
    </message>
    <message>
        <source>cast</source>
        <translation>回の魔法</translation>
    </message>
    <message>
        <source>casts</source>
        <translation>回の魔法</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>回の歩行</translation>
    </message>
    <message>
        <source>walks</source>
        <translation>回の歩行</translation>
    </message>
    <message>
        <source>over the top</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>past column 1</source>
        <translation>1 列目の外へ</translation>
    </message>
    <message>
        <source>yes: a walk from column %1, row %2 goes %3</source>
        <translation>はい: %1 列 %2 行からの歩行が%3出ます</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>The stage cannot be cleared with its magic.</source>
        <translation>このステージはこの魔力ではクリアできません。</translation>
    </message>
    <message>
        <source>%L1 states searched in all</source>
        <translation>合計 %L1 個の状態を探索</translation>
    </message>
    <message>
        <source> (a search was cut short)</source>
        <translation> (途中で打ち切った探索あり)</translation>
    </message>
    <message>
        <source>costs magic</source>
        <translation>魔力を消費</translation>
    </message>
    <message>
        <source>costs nothing</source>
        <translation>消費なし</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>%1 より多い</translation>
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
        <translation>✘ 遊べません: %1</translation>
    </message>
    <message>
        <source>no final board yet</source>
        <translation>最終盤面はまだありません</translation>
    </message>
    <message>
        <source>final board %1 of %2</source>
        <translation>最終盤面 %1 / %2</translation>
    </message>
    <message>
        <source>, the shortest solution&apos;s</source>
        <translation>、最短の解法のもの</translation>
    </message>
    <message>
        <source> (stored)</source>
        <translation> (保存済み)</translation>
    </message>
    <message>
        <source>No solution was found, and none was ruled out: the proof is undecided.</source>
        <translation>解法は見つからず、解法がないことも示せませんでした。証明は未決定です。</translation>
    </message>
    <message>
        <source>? Undecided within %1 MB after %L2 states</source>
        <translation>? %1 MB 以内では未決定（%L2 個の状態を探索）</translation>
    </message>
    <message>
        <source>? Undecided: the search reached its state limit</source>
        <translation>? 未決定: 探索が状態数の上限に達しました</translation>
    </message>
    <message>
        <source>%1 so far (the stage gives %2)</source>
        <translation>現時点で %1 (ステージでは %2)</translation>
    </message>
    <message>
        <source>, the fewest so far</source>
        <translation>、現時点での最少</translation>
    </message>
    <message numerus="yes">
        <source>✔ Solvable: a %n-cast solution found; looking for a shorter one</source>
        <translation>
            <numerusform>✔ 解けます: %n 回の魔法の解を発見、より短い解を探しています</numerusform>
        </translation>
    </message>
    <message>
        <source>not known: the search was cut short</source>
        <translation>不明: 探索が途中で打ち切られました</translation>
    </message>
    <message>
        <source>at least %1 (a search was cut short)</source>
        <translation>%1 以上 (途中で打ち切った探索あり)</translation>
    </message>
</context>
<context>
    <name>workshop::StageDrawing</name>
    <message>
        <source>How many blocks the board must hold for the stage to be cleared</source>
        <translation>ステージクリアに必要な盤面のブロック数</translation>
    </message>
    <message>
        <source>The magic the player has when the stage starts. The stage file stores one less, the budget.</source>
        <translation>ステージ開始時の魔力。ステージファイルにはそれより 1 少ない値 (予算) が保存されます。</translation>
    </message>
    <message>
        <source>&amp;Target blocks:</source>
        <translation>目標ブロック数(&amp;T):</translation>
    </message>
    <message>
        <source>Starting &amp;magic:</source>
        <translation>開始時の魔力(&amp;M):</translation>
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
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作者(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Licence:</source>
        <translation>ライセンス(&amp;L):</translation>
    </message>
    <message>
        <source>Stage %1</source>
        <translation>ステージ %1</translation>
    </message>
</context>
</TS>
