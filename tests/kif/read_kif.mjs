// Reads Velmora's games back with shogiops, the rules library of another shogi program, whose
// KIF reader knows minishogi: for each game-N.kif in the folder, the header must give the start
// position of game-N.usi, every numbered move must parse and be legal in shogiops' replay and
// match Velmora's move, the position reached must be game-N.sfen when there is one, and the
// closing line must count the moves and name the winner the replay shows.
// Usage: node read_kif.mjs <folder> [least number of games, 3 unless given]
import { existsSync, readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { normalizedKifLines, parseKifHeader, parseKifMovesOrDrops } from 'shogiops/notation/kif';
import { makeSfen } from 'shogiops/sfen';
import { makeUsi } from 'shogiops/util';

const folder = process.argv[2];
const leastGames = Number(process.argv[3] ?? 3);
// A KIF board diagram has no move number: positions are compared without it.
const withoutNumber = sfen => sfen.split(' ').slice(0, 3).join(' ');
const failures = [];
const check = (ok, what) => ok || failures.push(what);

function readGame(name) {
  const kif = readFileSync(join(folder, `${name}.kif`), 'utf8');
  const [, start, moves] = readFileSync(join(folder, `${name}.usi`), 'utf8')
    .trim()
    .match(/^position sfen (\S+ \S+ \S+ \S+)(?: moves (.*))?$/);
  const usiMoves = moves ? moves.split(' ') : [];
  const sfenFile = join(folder, `${name}.sfen`);
  const reached = existsSync(sfenFile) ? readFileSync(sfenFile, 'utf8').trim() : undefined;

  const pos = parseKifHeader(kif).unwrap();
  check(pos.rules === 'minishogi', `${name}: read as ${pos.rules}, not minishogi`);
  check(withoutNumber(makeSfen(pos)) === withoutNumber(start), `${name}: header gives ${makeSfen(pos)}, Velmora started from ${start}`);

  const lines = normalizedKifLines(kif);
  const numbered = lines.filter(l => /^\d+ /.test(l)).map(l => l.split(' ').slice(1).join(' '));
  const special = ['投了', '中断', '反則勝ち', '反則負け', '詰み', '切れ負け', '千日手', '持将棋'];
  const texts = numbered.filter(t => !special.includes(t));
  const mds = parseKifMovesOrDrops(texts);
  check(mds.length === texts.length, `${name}: parsed ${mds.length} of ${texts.length} moves, stuck at '${texts[mds.length]}'`);
  check(mds.length === usiMoves.length, `${name}: ${mds.length} moves in the KIF, ${usiMoves.length} in Velmora's record`);

  mds.forEach((md, i) => {
    check(makeUsi(md) === usiMoves[i], `${name}: move ${i + 1} reads as ${makeUsi(md)}, Velmora played ${usiMoves[i]}`);
    check(pos.isLegal(md), `${name}: move ${i + 1} (${texts[i]}) is illegal in ${makeSfen(pos)}`);
    pos.play(md);
  });
  if (reached !== undefined)
    check(makeSfen(pos) === reached, `${name}: replay reaches ${makeSfen(pos)}, Velmora ${reached}`);

  const last = lines[lines.length - 1];
  const end = last.match(/^まで(\d+)手で(?:時間切れにより|千日手により)?(先手|後手)の(?:反則)?勝ち$/);
  if (end) {
    check(Number(end[1]) === mds.length, `${name}: '${last}' after ${mds.length} moves`);
    const loser = pos.turn === 'sente' ? '先手' : '後手';
    if (pos.isCheckmate()) check(end[2] !== loser, `${name}: '${last}', but ${loser} is mated`);
    else check(numbered.some(t => special.includes(t)), `${name}: '${last}' without a mate or a closing move`);
  } else {
    check(/^まで\d+手で(中断|千日手|持将棋)$/.test(last), `${name}: no closing line, the last is '${last}'`);
  }
  return `${name}: ${mds.length} moves, ${last}`;
}

const games = readdirSync(folder)
  .filter(f => f.endsWith('.kif'))
  .map(f => f.slice(0, -4))
  .sort();
check(games.length >= leastGames, `only ${games.length} games in ${folder}`);
for (const name of games) console.log(readGame(name));
if (failures.length) {
  console.error(failures.join('\n'));
  process.exit(1);
}
