// Writes random games of standard minishogi as KIF with shogiops, the rules library of another
// shogi program: game-N.kif, the USI line of its moves (game-N.usi) and the position it reached
// (game-N.sfen), for Velmora's record reader to read back. Every other game starts a few moves
// in, so that its KIF carries a board diagram with pieces in hand instead of the handicap name.
// Usage: node write_games.mjs <folder> <games>
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { makeKifHeader, makeKifMoveOrDrop } from 'shogiops/notation/kif';
import { makeSfen, parseSfen } from 'shogiops/sfen';
import { makeUsi, parsePieceName } from 'shogiops/util';
import { defaultPosition } from 'shogiops/variant/variant';

const [folder, count] = [process.argv[2], Number(process.argv[3] ?? 50)];

// A fixed linear congruential generator, so that every run writes the same games.
let seed = 20260101;
const random = n => {
  seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
  return (seed >>> 8) % n;
};

function legalMoves(pos) {
  const moves = [];
  for (const [from, dests] of pos.allMoveDests())
    for (const to of dests)
      for (const promotion of [false, true]) {
        const md = { from, to, promotion };
        if (pos.isLegal(md)) moves.push(md);
      }
  for (const [name, dests] of pos.allDropDests())
    for (const to of dests) moves.push({ role: parsePieceName(name).role, to });
  return moves;
}

function playRandom(pos, plies) {
  for (let i = 0; i < plies; i++) {
    const moves = legalMoves(pos);
    if (moves.length === 0) return;
    const md = moves[random(moves.length)];
    pos.play(md);
  }
}

for (let n = 1; n <= count; n++) {
  let pos = defaultPosition('minishogi');
  // A game set up from a position has no move before its first.
  if (n % 2 === 0) {
    playRandom(pos, 6 + random(10));
    pos = parseSfen('minishogi', makeSfen(pos)).unwrap();
  }
  const start = makeSfen(pos);
  const header = makeKifHeader(pos);
  const moves = [];
  const lines = [];
  for (let ply = 0; ply < 20 + random(100); ply++) {
    const legal = legalMoves(pos);
    if (legal.length === 0) break;
    const md = legal[random(legal.length)];
    lines.push(`${String(moves.length + 1).padStart(4)} ${makeKifMoveOrDrop(pos, md)}`);
    moves.push(makeUsi(md));
    pos.play(md);
  }
  const kif = [header, '手数----指手---------消費時間--', ...lines].join('\n') + '\n';
  const name = join(folder, `game-${n}`);
  writeFileSync(`${name}.kif`, kif);
  writeFileSync(`${name}.usi`, `position sfen ${start}${moves.length ? ' moves ' + moves.join(' ') : ''}\n`);
  writeFileSync(`${name}.sfen`, makeSfen(pos) + '\n');
}
console.log(`wrote ${count} games to ${folder}`);
