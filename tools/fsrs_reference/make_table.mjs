// Writes the reference table the memory library's scheduler is tested against:
// review sequences of "Good" and "Again" with gaps of 0 to 400 days, run through
// ts-fsrs without short-term steps and without fuzz, default FSRS-6 parameters,
// desired retention 0.9. One row per review: the state after it and its due day.
//
//   npm ci && node make_table.mjs ../../tests/memory/fsrs_reference.csv
import { writeFileSync } from "node:fs";
import { createEmptyCard, fsrs, generatorParameters, Rating } from "ts-fsrs";

const out = process.argv[2];
if (!out) {
  console.error("usage: node make_table.mjs OUTPUT.csv");
  process.exit(2);
}

const scheduler = fsrs(
  generatorParameters({ enable_short_term: false, enable_fuzz: false, request_retention: 0.9 })
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
const sequences = 300;
for (let s = 0; s < sequences; ++s) {
  let card = createEmptyCard(new Date(start));
  let day = 0;
  const length = 1 + below(12);
  // Some sequences fail often, some rarely, some use only short or only long gaps.
  const againShare = [0.1, 0.3, 0.6][s % 3];
  const maxGap = [400, 30, 3, 120][s % 4];
  for (let r = 0; r < length; ++r) {
    if (r > 0) day += below(maxGap + 1);
    const rating = next() < againShare ? Rating.Again : Rating.Good;
    const now = new Date(start + day * dayMs);
    card = scheduler.next(card, now, rating).card;
    const dueDay = Math.round((card.due.getTime() - start) / dayMs);
    rows.push(
      [s, r, day, rating === Rating.Good ? "good" : "again", card.stability.toFixed(10),
       card.difficulty.toFixed(10), dueDay].join(",")
    );
  }
}
writeFileSync(out, rows.join("\n") + "\n");
console.log(`${rows.length - 1} reviews in ${sequences} sequences written to ${out}`);
