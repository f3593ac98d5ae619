// SPDX-License-Identifier: GPL-3.0-or-later
// The bit-identity test: the WebAssembly build and the native build of the
// web page's functions over the same 1,000 cars, both models, on a day's
// air (tests/web/BitCheck.cpp) must give every double bit for bit.
// Usage: node bit_identity.mjs NATIVE_PROGRAM WASM_PROGRAM.js
// Names the first value that differs: the car, the model and the place in
// the output buffer (web/wasm/PageApi.h).
import { execFileSync } from 'node:child_process';

const [native, wasm] = process.argv.slice(2);
const run = (command, args) => execFileSync(command, args, { encoding: 'utf8', maxBuffer: 1 << 28 }).split('\n');
const mine = run(native, []);
// Node's own fetch would take the module's file name for a URL.
const theirs = run(process.execPath, ['--no-experimental-fetch', wasm]);
const PLACES = [[0, 'outcome'], [1, 'time limit'], [2, 'stop time'], [3, 'results'], [15, 'splits'],
  [22, 'horsepower'], [23, 'air density'], [24, 'air figures'], [34, 'road problem'], [36, 'point count'],
  [37, 'shift count'], [40, 'road car'], [64, 'curve points and shifts']];
// Models 2 and 3 are fits (TvFit).
const FIT_PLACES = [[0, 'outcome'], [1, 'refused run'], [2, 'unrunnable field'], [3, 'horsepower'],
  [4, 'spin time'], [5, 'sum of squares'], [6, 'figures'], [7, 'spin time held'], [8, 'fewer shifts'],
  [9, 'horsepower bound'], [10, 'failing range'], [11, 'folds'], [12, 'band gap'], [13, 'days'], [16, 'errors'],
  [32, 'prediction'], [48, 'report card'], [99, 'dial-in'], [104, 'error bands'], [119, 'run count'],
  [120, 'model'], [121, 'power factor'], [122, 'wheel horsepower'], [123, 'grip factor'], [124, 'grip held'],
  [125, 'grip bound'], [126, 'road problem'], [128, 'runs\' slips']];
const place = (k, model) => {
  const [start, name] = (Number(model) >= 2 ? FIT_PLACES : PLACES).filter(([at]) => at <= k).pop();
  return `${name} [${k - start}]`;
};
const MODELS = { 0: 'classic law', 1: 'road model', 2: 'classic fit to four slips', 3: 'road fit to four slips' };
const asDouble = (hex) => new Float64Array(new BigUint64Array([BigInt(`0x${hex}`)]).buffer)[0];
let values = 0;
for (let line = 0; line < Math.max(mine.length, theirs.length); ++line) {
  const a = (mine[line] || '').split(' ');
  const b = (theirs[line] || '').split(' ');
  const count = Math.max(a.length, b.length);
  for (let k = 2; k < count; ++k) {
    if (a[k] !== b[k]) {
      console.error(`car ${a[0]}, ${MODELS[a[1]]}: ${place(k - 2, a[1])} differs: `
        + `native ${a[k] && asDouble(a[k])} (${a[k]}), WebAssembly ${b[k] && asDouble(b[k])} (${b[k]})`);
      process.exit(1);
    }
  }
  values += Math.max(0, count - 2);
}
const lines = mine.filter((l) => l);
const fits = lines.filter((l) => Number(l.split(' ')[1]) >= 2).length;
const runs = lines.length - fits;
console.log(`${runs} runs (${runs / 2} cars, both models) and ${fits} fits (both laws): all ${values} doubles bit for bit the same`);
