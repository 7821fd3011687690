// Writes the reference table the memory library's scheduler is tested against:
// review sequences of "Good" and "Again", then sequences that mix in "Hard",
// with gaps of 0 to 400 days, run through ts-fsrs without short-term steps and
// without fuzz, default FSRS-6 parameters, desired retention 0.9 unless another
// is given. One row per review: the state after it and its due day.
//
//   npm ci && node make_table.mjs ../../tests/memory/fsrs_reference.csv
//   node make_table.mjs ../../tests/memory/fsrs_reference_80.csv 0.8
import { writeFileSync } from "node:fs";
import { createEmptyCard, fsrs, generatorParameters, Rating } from "ts-fsrs";

const out = process.argv[2];
const retention = process.argv[3] === undefined ? 0.9 : Number(process.argv[3]);
if (!out || !(retention > 0 && retention < 1)) {
  console.error("usage: node make_table.mjs OUTPUT.csv [DESIRED_RETENTION]");
  process.exit(2);
}

const scheduler = fsrs(
  generatorParameters({ enable_short_term: false, enable_fuzz: false, request_retention: retention })
);

// A small fixed generator, so that the table is the same on every run.
let seed = 20240601;
function next() {
  seed = (Math.imul(seed, 1103515245) + 12345) >>> 0;
  return seed / 4294967296;
}
function below(n) {
  return Math.floor(next() * n);
}

const dayMs = 24 * 60 * 60 * 1000;
const start = Date.UTC(2024, 0, 1, 12, 0, 0); // noon, far from any date line
const rows = ["sequence,review,day,rating,stability,difficulty,due_day"];
const names = { [Rating.Again]: "again", [Rating.Hard]: "hard", [Rating.Good]: "good" };
let sequence = 0;
function writeSequence(length, maxGap, rate) {
  let card = createEmptyCard(new Date(start));
  let day = 0;
  let previous = null;
  for (let r = 0; r < length; ++r) {
    if (r > 0) day += below(maxGap + 1);
    const rating = rate(r, previous);
    const now = new Date(start + day * dayMs);
    card = scheduler.next(card, now, rating).card;
    const dueDay = Math.round((card.due.getTime() - start) / dayMs);
    rows.push(
      [sequence, r, day, names[rating], card.stability.toFixed(10), card.difficulty.toFixed(10), dueDay].join(",")
    );
    previous = rating;
  }
  ++sequence;
}

// Good and Again only. Some sequences fail often, some rarely, some use only
// short or only long gaps.
for (let s = 0; s < 300; ++s) {
  const length = 1 + below(12);
  const againShare = [0.1, 0.3, 0.6][s % 3];
  const maxGap = [400, 30, 3, 120][s % 4];
  writeSequence(length, maxGap, () => (next() < againShare ? Rating.Again : Rating.Good));
}

// Hard mixed in: a third of these sequences begin with Hard, and in another
// third every lapse is followed by Hard; some answer Hard most of the time.
let hardFirst = 0;
let hardAfterAgain = 0;
for (let s = 0; s < 200; ++s) {
  const length = 1 + below(12);
  const [againShare, hardShare] = [[0.1, 0.3], [0.3, 0.3], [0.2, 0.7], [0.5, 0.2], [0.05, 0.5]][s % 5];
  const maxGap = [400, 30, 3, 120][s % 4];
  writeSequence(length, maxGap, (r, previous) => {
    const x = next();
    let rating = x < againShare ? Rating.Again : x < againShare + hardShare ? Rating.Hard : Rating.Good;
    if (r === 0 && s % 3 === 0) rating = Rating.Hard;
    if (previous === Rating.Again && s % 3 === 1) rating = Rating.Hard;
    if (rating === Rating.Hard && r === 0) ++hardFirst;
    if (rating === Rating.Hard && previous === Rating.Again) ++hardAfterAgain;
    return rating;
  });
}

writeFileSync(out, rows.join("\n") + "\n");
console.log(
  `${rows.length - 1} reviews in ${sequence} sequences written to ${out}` +
    ` (${hardFirst} begin with Hard, ${hardAfterAgain} times Hard after Again)`
);
