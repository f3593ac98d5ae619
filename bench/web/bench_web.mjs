// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's speed in headless Chromium on this machine, measured, not
// asserted (scripts/bench.sh runs it after scripts/web.sh --build-only):
// - the first load from 127.0.0.1 to the default car computed and shown, in
//   a fresh browser profile each time (nothing cached): target 1 s;
// - one What if slider step with three cars redrawn (the variant run, the
//   comparison and both charts' data): median target 16 ms;
// - the .wasm's size compressed (gzip -9 and brotli): target 250 KB;
// - the logbook's fit of a car to 5, 20 and 100 slips by each law, with its
//   validation, prediction and report card (no target: the page works it
//   out again when the car, the model, the slips or the air change).
// Usage: node bench/web/bench_web.mjs [SITE] [EXAMPLES]
import { createRequire } from 'node:module';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize, resolve } from 'node:path';
import { gzipSync, brotliCompressSync, constants } from 'node:zlib';

const here = new URL('.', import.meta.url).pathname;
const site = resolve(process.argv[2] || join(here, '../../build-web'));
const examples = resolve(process.argv[3] || join(here, '../../examples'));
const require = createRequire(join(here, '../../web/package.json'));
const { chromium } = require('playwright-core');
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.json': 'application/json', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };

const server = createServer((request, response) => {
  const path = normalize(new URL(request.url, 'http://x').pathname);
  const file = join(site, path.endsWith('/') ? `${path}index.html` : path);
  if (!file.startsWith(site) || !existsSync(file)) { response.writeHead(404); response.end(); return; }
  response.writeHead(200, { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream' });
  response.end(readFileSync(file));
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const base = `http://127.0.0.1:${server.address().port}/`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'torvane-bench-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
  return { context, done: async () => { await context.close(); rmSync(profile, { recursive: true, force: true }); } };
}

// First load: navigation start to the default car's figures in the table.
const loads = [];
for (let i = 0; i < 7; ++i) {
  const { context, done } = await launch();
  const page = await context.newPage();
  await page.goto(`${base}#model=classic`);
  await page.waitForSelector('body[data-ready="true"]');
  loads.push(await page.evaluate(() => performance.now()));
  await done();
}
console.log(`first load to the default car computed: median ${median(loads).toFixed(0)} ms, `
  + `worst ${Math.max(...loads).toFixed(0)} ms over ${loads.length} fresh profiles (target 1000 ms)`);

// What if: one slider step, three cars.
const { context, done } = await launch();
const page = await context.newPage();
await page.setViewportSize({ width: 1366, height: 768 });
for (const model of ['classic', 'road']) {
  await page.goto('about:blank');
  await page.goto(`${base}#model=${model}`);
  await page.waitForSelector('body[data-ready="true"]');
  await page.setInputFiles('#open-file', ['sports-car.trv', 'supercar.trv'].map((c) => join(examples, c)));
  await page.waitForFunction(() => window.torvane.state.cars.length === 3);
  const steps = await page.evaluate(async () => {
    const slider = document.getElementById('whatif-horsepower');
    const times = [];
    for (let i = 0; i < 200; ++i) {
      slider.value = String((i % 60) - 30);
      const start = performance.now();
      slider.dispatchEvent(new Event('input'));
      await Promise.resolve();
      document.body.getBoundingClientRect();
      times.push(performance.now() - start);
      await new Promise((next) => requestAnimationFrame(next));
    }
    return times;
  });
  console.log(`What if slider step, three cars, ${model === 'road' ? 'road model' : 'classic law'}: median `
    + `${median(steps).toFixed(2)} ms, worst ${Math.max(...steps).toFixed(2)} ms over ${steps.length} steps (target 16 ms)`);
}

// The logbook's fit, through the page's own modules.
await page.goto(`${base}#model=classic`);
await page.waitForSelector('body[data-ready="true"]');
const fits = await page.evaluate(async () => {
  const { loadEngine } = await import('./src/engine.js');
  const engine = await loadEngine(new URL('wasm/', document.baseURI).href);
  const values = [345, 5.2, 13.61, 3400, 0.29, 22, 5, 2, 0.75];
  const air = { temperature: 77, pressure: 99000 / 3386.389, humidity: 0 };
  const slipsOf = (n) => Array.from({ length: n }, (_, i) => ({
    id: i + 1, date: `2026-05-${String(1 + (i % 28)).padStart(2, '0')}`, temperature: 50 + (i * 7) % 40,
    pressure: 28.6 + ((i * 3) % 10) / 10, humidity: (i * 11) % 80, sixtyFootTime: 1.95 + (i % 5) / 100,
    eighthMileTime: 8.9 + (i % 7) / 50, eighthMileSpeed: 80 + (i % 3) / 2, quarterMileTime: 13.8 + (i % 9) / 30,
    quarterMileSpeed: 101 + (i % 4) / 2,
  }));
  const times = { classic: {}, road: {} };
  for (const model of ['classic', 'road']) {
    for (const n of [5, 20, 100]) {
      const slips = slipsOf(n);
      const runs = [];
      for (let k = 0; k < 3; ++k) {
        const start = performance.now();
        engine.fit(model, values, air, slips, slips.map((_, i) => i));
        runs.push(performance.now() - start);
      }
      times[model][n] = Math.min(...runs);
    }
  }
  return times;
});
for (const [model, times] of Object.entries(fits)) {
  console.log(`logbook fit with validation, prediction and report card, ${model === 'road' ? 'road model' : 'classic law'}: `
    + `${Object.entries(times).map(([n, ms]) => `${n} slips ${ms.toFixed(0)} ms`).join(', ')}`);
}
await done();
server.close();

const wasm = readFileSync(join(site, 'wasm', 'torvane.wasm'));
const gzip = gzipSync(wasm, { level: 9 }).length;
const brotli = brotliCompressSync(wasm, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
console.log(`torvane.wasm: ${(wasm.length / 1000).toFixed(1)} KB, gzip -9 ${(gzip / 1000).toFixed(1)} KB, `
  + `brotli ${(brotli / 1000).toFixed(1)} KB (target 250 KB compressed)`);
