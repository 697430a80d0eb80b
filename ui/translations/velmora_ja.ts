<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Review</name>
    <message>
        <source>Sente</source>
        <translation>先手</translation>
    </message>
    <message>
        <source>Gote</source>
        <translation>後手</translation>
    </message>
    <message>
        <source>inaccuracy</source>
        <translation>疑問手</translation>
    </message>
    <message>
        <source>mistake</source>
        <translation>悪手</translation>
    </message>
    <message>
        <source>blunder</source>
        <translation>大悪手</translation>
    </message>
    <message>
        <source>inaccuracies</source>
        <translation>疑問手</translation>
    </message>
    <message>
        <source>mistakes</source>
        <translation>悪手</translation>
    </message>
    <message>
        <source>blunders</source>
        <translation>大悪手</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>歩</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>銀</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>角</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>飛車</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>金</translation>
    </message>
    <message>
        <source>king</source>
        <translation>玉</translation>
    </message>
    <message>
        <source>tokin</source>
        <translation>と金</translation>
    </message>
    <message>
        <source>promoted silver</source>
        <translation>成銀</translation>
    </message>
    <message>
        <source>horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <source>dragon</source>
        <translation>龍</translation>
    </message>
    <message>
        <source>%1 missed a mate in %2: %3</source>
        <translation>%1は%2手詰めを逃した: %3</translation>
    </message>
    <message>
        <source>%1 allowed a mate in %2: %3</source>
        <translation>%1で%2手詰めを許した: %3</translation>
    </message>
    <message>
        <source>%1 took the %2 on %3 but loses the exchange there: %4 takes the %5</source>
        <translation>%1は%3の%2を取ったが、そこでの取り合いで損をする: %4で%5を取られる</translation>
    </message>
    <message>
        <source>%1 left the %2 on %3 to be taken: %4 wins it</source>
        <translation>%1は%3の%2を取られるままにした: %4で取られる</translation>
    </message>
    <message>
        <source>%1 loses a %2 within three moves: %3</source>
        <translation>%1は3手以内に%2を失う: %3</translation>
    </message>
    <message>
        <source>%1 let the %2 on %3 go: %4 wins it</source>
        <translation>%1は%3の%2を取り逃した: %4で取れた</translation>
    </message>
    <message>
        <source>%1 let the winning chance fall from %2 to %3</source>
        <translation>%1で勝率が%2から%3に下がった</translation>
    </message>
    <message>
        <source>Better was %1.</source>
        <translation>%1が良かった。</translation>
    </message>
    <message>
        <source>Each position searched to depth %1, at most %2 nodes.</source>
        <translation>各局面を深さ%1、最大%2ノードまで探索。</translation>
    </message>
    <message>
        <source>%1&apos;s worst moments:</source>
        <translation>%1の悪かった場面:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Move %1, %2: %3</source>
        <translation>%1手目、%2: %3</translation>
    </message>
    <message>
        <source>Move %1, %2: %3.</source>
        <translation>%1手目、%2: %3。</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>Velmora - review</source>
        <translation>Velmora - 講評</translation>
    </message>
    <message>
        <source>Inaccuracies, mistakes and blunders</source>
        <translation>疑問手・悪手・大悪手</translation>
    </message>
    <message>
        <source>Worst moments</source>
        <translation>悪かった場面</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>学習</translation>
    </message>
    <message>
        <source>Learn from your mistakes</source>
        <translation>悪手から学ぶ</translation>
    </message>
    <message>
        <source>Move %1, %2 of %3: %4 played %5 here. Find a better move on the board.</source>
        <translation>%1手目(%3問中%2問目): %4はここで%5と指した。盤上でより良い手を指してください。</translation>
    </message>
    <message>
        <source>Velmora - learning, move %1</source>
        <translation>Velmora - 学習、%1手目</translation>
    </message>
    <message>
        <source>%1 is accepted: it keeps a winning chance of %2%, the best move %3%.</source>
        <translation>%1は正解: 勝率%2%を保つ(最善手は%3%)。</translation>
    </message>
    <message>
        <source>Velmora - learning, move %1: %2 accepted</source>
        <translation>Velmora - 学習、%1手目: %2は正解</translation>
    </message>
    <message>
        <source>%1 is refuted by %2: the winning chance falls to %3%, against %4% after the best move.</source>
        <translation>%1には%2と応じられる: 勝率は%3%に下がる(最善手なら%4%)。</translation>
    </message>
    <message>
        <source>Velmora - learning, move %1: %2 refuted by %3</source>
        <translation>Velmora - 学習、%1手目: %2には%3</translation>
    </message>
    <message>
        <source>%1 is refuted: it loses the game at once.</source>
        <translation>%1は不正解: すぐに負けになる。</translation>
    </message>
    <message>
        <source>Velmora - learning, move %1: %2 refuted</source>
        <translation>Velmora - 学習、%1手目: %2は不正解</translation>
    </message>
    <message>
        <source>The answer: %1.</source>
        <translation>答え: %1。</translation>
    </message>
    <message>
        <source>Velmora - learning, move %1: the answer %2</source>
        <translation>Velmora - 学習、%1手目: 答えは%2</translation>
    </message>
    <message>
        <source>Learn from &amp;Sente&apos;s mistakes</source>
        <translation>先手の悪手から学ぶ(&amp;S)</translation>
    </message>
    <message>
        <source>Learn from &amp;Gote&apos;s mistakes</source>
        <translation>後手の悪手から学ぶ(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Previous mistake</source>
        <translation>前の悪手(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next mistake</source>
        <translation>次の悪手(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Try again</source>
        <translation>やり直す(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;answer</source>
        <translation>答えを見る(&amp;A)</translation>
    </message>
    <message>
        <source>Stop &amp;learning</source>
        <translation>学習を終える(&amp;L)</translation>
    </message>
    <message>
        <source>Best line: &amp;back</source>
        <translation>最善手順: 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Best line: ne&amp;xt move</source>
        <translation>最善手順: 次の手(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Inaccuracies, mistakes and blunders</source>
        <translation>疑問手・悪手・大悪手(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Worst moments</source>
        <translation>悪かった場面(&amp;W)</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>The game can be reviewed: Ctrl+R</source>
        <translation>この対局の講評: Ctrl+R</translation>
    </message>
</context>
</TS>
