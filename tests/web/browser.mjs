// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in a real browser: Debian's Chromium, headless, driven by
// playwright-core (nothing is downloaded). Usage:
//   node tests/web/browser.mjs CHECK SITE [RUNNER [EXAMPLES [SHOTS]]]
// with SITE the built page (build-web/), RUNNER torvane-run, EXAMPLES the
// sample cars, SHOTS the folder for the screenshots. Each CHECK serves the
// page on 127.0.0.1 from this process, starts a fresh browser profile and
// exits 0 when the page does what the check says; else it prints why and
// exits 1. The checks: numbers, files, link, logbook, slips, entry, offline,
// keyboard, german, screenshots.
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, readdirSync, rmSync, mkdirSync, writeFileSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';

const require = createRequire(new URL('../../web/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const [check, site, runner, examples, shots] = process.argv.slice(2);
const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json', '.trv': 'application/octet-stream',
};

function serve(root) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    const file = join(root, path.endsWith('/') ? `${path}index.html` : path);
    if (!file.startsWith(root) || !existsSync(file)) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream' });
    response.end(readFileSync(file));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

async function launch(options = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'torvane-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.TORVANE_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
    acceptDownloads: true,
    ...options,
  });
  context.cleanup = async () => {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return context;
}

function fail(message) {
  throw new Error(message);
}

async function ready(page) {
  await page.waitForSelector('body[data-ready="true"]', { timeout: 20000 });
}

// The page's run of each car, as doubles.
const pageRuns = (page) => page.evaluate(() => window.torvane.state.runs.map((o) => (o.run && !o.message
  ? { results: o.run.results, splits: o.run.splits } : { message: o.message })));

// ---- The checks ---------------------------------------------------------------

const checks = {
  // The page's numbers for the sample cars are torvane-run --json's, double
  // for double, under the classic law (and the road model where the runner
  // has it).
  async numbers(base) {
    const cars = readdirSync(examples).filter((f) => f.endsWith('.trv')).sort();
    const help = execFileSync(runner, ['--help'], { encoding: 'utf8' });
    const models = help.includes('--model') ? ['classic', 'road'] : ['classic'];
    let compared = 0;
    for (const model of models) {
      // A fresh browser for each model: going to the same page with another
      // fragment neither reloads it nor forgets the cars opened before.
      const context = await launch();
      const page = await context.newPage();
      await page.goto(`${base}#model=${model}`);
      await ready(page);
      await page.setInputFiles('#open-file', cars.map((c) => join(examples, c)));
      await page.waitForFunction((n) => window.torvane.state.cars.length === n, cars.length + 1);
      const compare = async (day, dayArgs) => {
        const runs = (await pageRuns(page)).slice(1);
        const args = ['--json', ...(model === 'road' ? ['--model', 'road', ...dayArgs] : []), ...cars.map((c) => join(examples, c))];
        const expected = JSON.parse(execFileSync(runner, args, { encoding: 'utf8' }));
        expected.forEach((car, i) => {
          for (const group of ['results', 'splits']) {
            for (const [key, value] of Object.entries(car[group])) {
              const shown = runs[i][group] ? runs[i][group][key] : undefined;
              if (!Object.is(shown, value)) fail(`${model} ${day} ${cars[i]} ${group}.${key}: page ${shown}, runner ${value}`);
              ++compared;
            }
          }
        });
      };
      // The page opens on the standard day; the runner's road model runs on
      // the road-test day unless given the standard day's exact doubles.
      await compare('standard day', ['--temperature', '77', '--pressure', String(99000 / 3386.389)]);
      if (model === 'road') {
        const before = JSON.stringify(await pageRuns(page));
        await page.click('#road-test-day');
        await page.waitForFunction((b) => JSON.stringify(window.torvane.state.runs.map((o) => (o.run && !o.message
          ? { results: o.run.results, splits: o.run.splits } : { message: o.message }))) !== b, before);
        await compare('road-test day', []);
      }
      await context.cleanup();
    }
    console.log(`numbers: ${compared} doubles equal to torvane-run's (${models.join(', ')})`);
  },

  // A .trv opens from the file picker and by dropping it, saves in the
  // desktop's bytes, keeps its road keys and the garage's identity line as
  // read, and a file that is not a
  // car gets the desktop's message.
  async files(base) {
    const context = await launch();
    const page = await context.newPage();
    await page.goto(base);
    await ready(page);
    const file = join(examples, 'sports-car.trv');
    const bytes = readFileSync(file);
    const withKeys = Buffer.concat([bytes, Buffer.from('tires=street\r\ndrivetrain=awd\r\ngears = 7\r\ncar=1b4e28ba-2fa1-41d2-883f-0016d3cca427\r\ntires=summer\r\n')]);
    const dir = mkdtempSync(join(tmpdir(), 'torvane-trv-'));
    const keysFile = join(dir, 'road car.trv');
    writeFileSync(keysFile, withKeys);
    for (const [path, expected] of [[file, bytes], [keysFile, withKeys]]) {
      const count = await page.evaluate(() => window.torvane.state.cars.length);
      await page.setInputFiles('#open-file', path);
      await page.waitForFunction((n) => window.torvane.state.cars.length === n + 1, count);
      // A key given twice counts by its last line.
      const tires = await page.inputValue('select[name="tires"]');
      if (tires !== (path === keysFile ? 'summer' : '')) fail(`${path}: tires shown as "${tires}"`);
      const download = page.waitForEvent('download');
      await page.click('#save-car');
      const saved = readFileSync(await (await download).path());
      // The keys are saved as they were read ("gears = 7" as "gears=7").
      const want = Buffer.from(expected.toString('latin1').replace('gears = 7', 'gears=7'), 'latin1');
      if (!saved.equals(want)) fail(`${path}: saved ${JSON.stringify(saved.toString())}, expected ${JSON.stringify(want.toString())}`);
    }
    // Dropped.
    await page.evaluate(async (text) => {
      const data = new DataTransfer();
      data.items.add(new File([text], 'dropped.trv'));
      document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
    }, bytes.toString('latin1'));
    await page.waitForFunction(() => window.torvane.state.cars.some((c) => c.name === 'dropped'));
    // Not a car.
    const bad = join(dir, 'notes.trv');
    writeFileSync(bad, 'just three words');
    await page.setInputFiles('#open-file', bad);
    await page.waitForFunction(() => document.querySelector('#status').textContent.includes('notes.trv'));
    const message = await page.textContent('#status');
    const want = 'The file notes.trv holds 3 of the nine values a Torvane data file needs. Nothing was loaded.';
    if (message.trim() !== want) fail(`bad file: "${message}"`);
    const badKey = join(dir, 'key.trv');
    writeFileSync(badKey, Buffer.concat([bytes, Buffer.from('wings=2\r\n')]));
    await page.setInputFiles('#open-file', badKey);
    await page.waitForFunction(() => document.querySelector('#status').textContent.includes('key.trv'));
    const keyMessage = await page.textContent('#status');
    const wingsLine = bytes.toString('latin1').split('\r\n').length;
    if (!keyMessage.startsWith(`key.trv, line ${wingsLine}: "wings" is not a key of a Torvane car file`)) fail(`bad key: "${keyMessage}"`);
    rmSync(dir, { recursive: true, force: true });
    await context.cleanup();
    console.log('files: open, drop and save in the desktop\'s bytes; bad files refused with its messages');
  },

  // #model=classic with no car: the classic program's default car and its
  // figures; a link with a car opens that car.
  async link(base) {
    const context = await launch();
    const page = await context.newPage();
    await page.goto(`${base}#model=classic`);
    await ready(page);
    const cell = (figure) => page.textContent(`#compare td[data-car="0"][data-figure="${figure}"]`);
    const figures = [await cell('Quarter mile elapsed time'), await cell('Quarter mile speed'), await cell('0-60 mph time')];
    if (figures.join(' ') !== '13.87 109.75 4.70') fail(`default car: ${figures.join(' ')}`);
    if (await page.inputValue('#model') !== 'classic') fail('the model is not the classic law');
    await page.goto('about:blank');
    await page.goto(`${base}#model=classic&name=Light&carWeight=2400`);
    await ready(page);
    const light = await cell('Quarter mile elapsed time');
    if (!(Number(light) < 13.87) || await page.inputValue('#input-carWeight') !== '2400') fail(`shared car: ${light}`);
    await context.cleanup();
    console.log('link: #model=classic gives 13.87 s, 109.75 mph, 4.70 s; a shared car opens');
  },

  // CSV import with a bad row (refused with the desktop's words, the good
  // rows kept), kept across a reload; a refused store loses nothing.
  async logbook(base) {
    const context = await launch();
    const page = await context.newPage();
    await page.goto(`${base}#model=classic`);
    await page.waitForSelector('body[data-logbook="true"]');
    const dir = mkdtempSync(join(tmpdir(), 'torvane-csv-'));
    const csv = join(dir, 'slips.csv');
    writeFileSync(csv, 'date,track,quarterMileTime,quarterMileSpeed\r\n2026-05-01,Dragway,13.95,101.2\r\n'
      + '2026-05-02,Dragway,12,3,99\r\n2026-05-03,Dragway,abc,99\r\n2026-05-04,Dragway,13.80,102.0\r\n'
      + '2026-05-05,Dragway,45,99\r\n');
    await page.setInputFiles('#import-csv', csv);
    await page.waitForFunction(() => document.querySelector('#slips').dataset.count === '2');
    const status = await page.textContent('#logbook-status');
    if (!status.includes('line 3: it has 5 fields where the header line has 4')
      || !status.includes('line 4: quarterMileTime is not a number: "abc"')
      || !status.includes('line 6: quarterMileTime must lie between 3 and 30 s (it is 45).')) fail(`refusals: ${status}`);
    await page.reload();
    await page.waitForSelector('body[data-logbook="true"]');
    await page.waitForFunction(() => document.querySelector('#slips').dataset.count === '2');
    // A store the browser refuses (its quota): the message, and the two
    // slips still there. The runs are new ones: those kept are skipped.
    writeFileSync(csv, 'date,track,quarterMileTime,quarterMileSpeed\r\n2026-05-06,Dragway,13.9,101.5\r\n');
    await page.evaluate(() => {
      const original = IDBObjectStore.prototype.add;
      IDBObjectStore.prototype.add = function add() {
        throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
      };
      window.restoreAdd = () => { IDBObjectStore.prototype.add = original; };
    });
    await page.setInputFiles('#import-csv', csv);
    await page.waitForFunction(() => document.querySelector('#logbook-status').textContent.includes('quota'));
    await page.reload();
    await page.waitForSelector('body[data-logbook="true"]');
    await page.waitForFunction(() => document.querySelector('#slips').dataset.count === '2');
    const download = page.waitForEvent('download');
    await page.click('#export-csv');
    const exported = readFileSync(await (await download).path(), 'utf8');
    if (!exported.startsWith('date,track,elevation,temperature,pressure,humidity,reactionTime,sixtyFootTime,')
      || !exported.includes('2026-05-04,Dragway,,,,,,,,,,,13.8,102,')) fail(`export: ${exported}`);

    // Three slips more, on their days' air: the sample car fitted to the
    // five, with its validation, is torvane-run --json --slips's fit, double
    // for double, and stays so after a reload; so is the road model's fit
    // once the model is changed, and that of a car with road keys.
    const more = 'date,temperature,pressure,humidity,sixtyFootTime,eighthMileTime,eighthMileSpeed,quarterMileTime,'
      + 'quarterMileSpeed\r\n2026-04-20,85,28.9,60,2.08,9.10,79.5,14.05,100.4\r\n'
      + '2026-05-10,60,29.4,30,2.01,8.95,80.9,13.82,102.1\r\n2026-05-11,,,,2.03,8.99,80.4,13.88,101.5\r\n';
    writeFileSync(join(dir, 'more.csv'), more);
    const header = 'date,track,temperature,pressure,humidity,sixtyFootTime,eighthMileTime,eighthMileSpeed,'
      + 'quarterMileTime,quarterMileSpeed\r\n';
    writeFileSync(join(dir, 'all.csv'), `${header}2026-05-01,Dragway,,,,,,,13.95,101.2\r\n`
      + '2026-05-04,Dragway,,,,,,,13.80,102.0\r\n'
      + more.split('\r\n').slice(1).filter((l) => l).map((l) => `${l.replace(/^([^,]*),/, '$1,,')}\r\n`).join(''));
    const car = join(examples, 'sports-car.trv');
    const calibrationOf = (model, file) => JSON.parse(execFileSync(runner, ['--json', '--model', model, '--slips',
      join(dir, 'all.csv'), file], { encoding: 'utf8' }))[0].calibration;
    await page.setInputFiles('#open-file', car);
    await page.setInputFiles('#import-csv', join(dir, 'more.csv'));
    await page.waitForFunction(() => document.querySelector('#slips').dataset.count === '5');
    const compareFit = async (when, model = 'classic', file = car) => {
      const expected = calibrationOf(model, file);
      await page.waitForFunction((m) => document.querySelector('#fit').dataset.model === m, model);
      const fit = await page.evaluate(() => ({ ...document.querySelector('#fit').dataset }));
      const runs = JSON.parse(fit.runs);
      const errors = JSON.parse(fit.errors);
      const values = model === 'road' ? [['horsepower', 'horsepower'], ['wheelHorsepower', 'wheelHorsepower'],
        ['launchGrip', 'launchGrip']] : [['horsepower', 'horsepower'], ['spinTime', 'spinTime']];
      const pairs = values.map(([shown, key]) => [key, Number(fit[shown]), expected[key]]);
      expected.runs.forEach((run, i) => {
        pairs.push([`run ${i + 1} quarterMileTime`, runs[i][0], run.quarterMileTime.predicted]);
        pairs.push([`run ${i + 1} quarterMileSpeed`, runs[i][1], run.quarterMileSpeed.predicted]);
      });
      for (const figure of ['quarterMileTime', 'quarterMileSpeed']) {
        for (const [key, value] of Object.entries(expected.leaveOneOutError[figure])) {
          pairs.push([`leaveOneOutError.${figure}.${key}`, errors[figure][key], value]);
        }
      }
      for (const [name, shown, value] of pairs) {
        if (!Object.is(shown, value)) fail(`fit ${when}: ${name}: page ${shown}, runner ${value}`);
      }
      const card = await page.$$eval('#report-card tr', (rows) => rows.length);
      const prediction = await page.textContent('#prediction');
      // A head row and one for each of the eight ways of predicting.
      if (card !== 9 || !prediction.includes(' ± ') || !prediction.includes('(95 %)')) fail(`fit ${when}: report card rows ${card}, prediction ${prediction}`);
      return pairs.length;
    };
    const compared = await compareFit('after the import');
    await page.reload();
    await page.waitForSelector('body[data-logbook="true"]');
    await compareFit('after a reload');
    await page.selectOption('#model', 'road');
    const road = await compareFit('on the road model', 'road');
    const keyed = join(dir, 'keyed car.trv');
    writeFileSync(keyed, Buffer.concat([readFileSync(car), Buffer.from('drivetrain=awd\r\ntires=dragRadial\r\n')]));
    const cars = await page.evaluate(() => window.torvane.state.cars.length);
    await page.setInputFiles('#open-file', keyed);
    await page.waitForFunction((n) => window.torvane.state.cars.length === n + 1, cars);
    await compareFit('of a car with road keys', 'road', keyed);
    // A slip deleted stays deleted.
    await page.click('#slips tr:nth-child(2) button');
    await page.waitForFunction(() => document.querySelector('#slips').dataset.count === '4');
    await page.reload();
    await page.waitForSelector('body[data-logbook="true"]');
    await page.waitForFunction(() => document.querySelector('#slips').dataset.count === '4');
    rmSync(dir, { recursive: true, force: true });
    await context.cleanup();
    console.log('logbook: import with refusals, kept across a reload, quota refused without loss, export; '
      + `the fit to five slips equals torvane-run's (${compared} doubles), after a reload too, and on the road `
      + `model (${road} doubles), with road keys too; a slip deleted`);
  },

  // Racers' sheets: their headers (case, spaces and underscores aside), US,
  // ISO and the language's dates, an altimeter setting at the row's
  // elevation (torvane-run's station pressure, double for double), the
  // desktop's refusals; a two-way file asks once, a second import of it
  // adds nothing and says so.
  async slips(base) {
    const air = JSON.parse(execFileSync(runner, ['--json', '--altimeter', '30.1', '--elevation', '1000',
      join(examples, 'sports-car.trv')], { encoding: 'utf8' }))[0].air;
    const context = await launch({ locale: 'en-GB' });
    const page = await context.newPage();
    await page.goto(base);
    await page.waitForSelector('body[data-logbook="true"]');
    // [language, date order, CSV, the slip's fields expected or the refusal]
    const table = [
      ['en-US', '', 'Date,Temp,Baro,RH,RT,60ft,330,1/8,1/8 MPH,1000,1/4 ET,1/4 MPH,DA,Lane,Notes\n'
        + '5/3/2026 14:05,70,29.1,40,0.512,2.05,5.8,9.02,80.1,11.7,13.95,101.2,2500,L,good',
      { date: '2026-05-03 14:05', temperature: 70, pressure: 29.1, humidity: 40, reactionTime: 0.512,
        threeThirtyFootTime: 5.8, eighthMileSpeed: 80.1, thousandFootTime: 11.7, quarterMileTime: 13.95, note: 'good' }],
      ['en-US', '', ' QUARTER mile_time ,quarterMileSpeed,date\n13.9,101,2026-05-04T10:00:30',
        { date: '2026-05-04 10:00:30', quarterMileTime: 13.9 }],
      ['de-DE', '', 'date,ET,MPH\n03.05.26,13.9,101', { date: '2026-05-03' }],
      ['en-GB', 'dayFirst', 'date,ET,MPH\n03/05/2026,13.9,101', { date: '2026-05-03' }],
      ['en-GB', 'monthFirst', 'date,ET,MPH\n03/05/2026,13.9,101', { date: '2026-03-05' }],
      ['en-GB', '', 'date,ET,MPH\n03/05/2026,13.9,101\n13/05/2026,13.9,101', { date: '2026-05-03' }],
      ['en-US', '', 'Elev,altimeterSetting,ET,MPH\n1000,30.1,13.9,101', { elevation: 1000, pressure: air.pressure }],
      ['en-US', '', 'Baro,Altimeter,ET,MPH\n29,30,13.9,101', 'line 2: give pressure or altimeterSetting, not both'],
      ['en-US', '', 'RT,ET,MPH\n-2,13.9,101',
        'line 2: reactionTime must lie between 0 and 2 s, or down to -1.5 s for a red light (it is -2).'],
      ['en-US', '', 'Temp,ET,MPH\n150,13.9,101', 'line 2: temperature: The temperature must be between -40 and 140 °F.'],
      ['en-US', '', '60ft,1/8,1/8 MPH\n0.5,9,80', 'line 2: sixtyFootTime must lie between 0.8 and 4 s (it is 0.5).'],
      ['en-US', '', '60ft,330,ET,MPH\n2.1,1.9,13.9,101',
        'line 2: threeThirtyFootTime (1.9 s) must be longer than sixtyFootTime (2.1 s).'],
    ];
    const results = await page.evaluate(async (rows) => {
      const { readSlipsCsv } = await import('./src/logbook.js');
      return rows.map(([language, dateOrder, text]) => readSlipsCsv(text, undefined,
        { engine: window.torvane.engine, language, dateOrder }));
    }, table);
    table.forEach(([language, order, text, expected], i) => {
      const read = results[i];
      const got = typeof expected === 'string' ? read.refusals && read.refusals[0]
        : read.slips && read.slips[0] && Object.fromEntries(Object.keys(expected).map((k) => [k, read.slips[0][k]]));
      if (JSON.stringify(got) !== JSON.stringify(expected)) {
        fail(`${language} ${order} ${JSON.stringify(text)}: ${JSON.stringify(read)}, expected ${JSON.stringify(expected)}`);
      }
    });
    // The browser's own language, en-GB: its dates read two ways.
    const dir = mkdtempSync(join(tmpdir(), 'torvane-csv-'));
    const csv = join(dir, 'sheet.csv');
    writeFileSync(csv, 'Date,ET,MPH\r\n03/05/2026,13.9,101\r\n04/05/2026,13.8,102\r\n');
    const asked = [];
    page.on('dialog', (dialog) => { asked.push(dialog.message()); dialog.dismiss(); });
    for (const [count, said] of [['2', 'Runs imported from sheet.csv: 2.'],
      ['2', 'Runs imported from sheet.csv: 0. Runs skipped as already in the logbook: 2.']]) {
      await page.setInputFiles('#import-csv', csv);
      await page.waitForFunction((s) => document.querySelector('#logbook-status').textContent === s, said);
      if (await page.getAttribute('#slips', 'data-count') !== count) fail(`import: ${said}`);
    }
    const dates = await page.$$eval('#slips tr td:first-child', (cells) => cells.map((c) => c.textContent));
    if (asked.length !== 2 || !asked[0].includes('03/05/2026') || dates.join() !== '2026-05-03,2026-05-04') {
      fail(`two-way dates: asked ${JSON.stringify(asked)}, read ${dates}`);
    }
    rmSync(dir, { recursive: true, force: true });
    await context.cleanup();
    console.log(`slips: ${table.length} sheets read as the desktop reads them; two-way dates asked once an import; `
      + 'runs kept already skipped and counted');
  },

  // A new run starts empty but for its date and the day's air, and is kept
  // only when it passes the import's check, said in words.
  async entry(base) {
    const context = await launch();
    const page = await context.newPage();
    await page.goto(base);
    await page.waitForSelector('body[data-logbook="true"]');
    await page.click('#add-run');
    const start = await page.$$eval('#new-run-fields input', (inputs) => Object.fromEntries(inputs.map((i) => [i.name, i.value])));
    if (!start.date || start.temperature !== '77' || ['eighthMileTime', 'quarterMileTime', 'quarterMileSpeed', 'track']
      .some((k) => start[k] !== '')) fail(`new run starts with ${JSON.stringify(start)}`);
    const said = 'The run was not saved: ';
    for (const [typed, message] of [
      [{}, 'A run needs the quarter-mile time and the quarter-mile speed, or the 1/8-mile time and the 1/8-mile speed.'],
      [{ quarterMileTime: '45', quarterMileSpeed: '101' }, 'The quarter-mile time must lie between 3 and 30 s (it is 45).'],
      [{ quarterMileTime: '13.9', quarterMileSpeed: '400' }, 'The quarter-mile speed must lie between 20 and 350 mph (it is 400).'],
      [{ quarterMileSpeed: '101', sixtyFootTime: '2.1', eighthMileTime: '1.9' },
        'The 1/8-mile time must lie between 2 and 20 s (it is 1.9).'],
      [{ eighthMileTime: '2.05' }, 'The 1/8-mile time (2.05 s) must be longer than the 60-foot time (2.1 s).'],
      [{ humidity: '120', eighthMileTime: '9.1' }, 'The humidity must be between 0 and 100 %.'],
      [{ humidity: '1,5' }, '"1,5" is not a number for the humidity: write it with "." as the decimal point.'],
      [{ humidity: '40' }, ''],
    ]) {
      for (const [key, value] of Object.entries(typed)) await page.fill(`#new-run-${key}`, value);
      await page.click('#new-run-save');
      const shown = await page.textContent('#new-run-message');
      if (message && shown !== said + message) fail(`${JSON.stringify(typed)}: "${shown}"`);
    }
    await page.waitForFunction(() => document.querySelector('#slips').dataset.count === '1');
    if (await page.evaluate(() => document.querySelector('#new-run').open)) fail('the dialog stays open');
    await context.cleanup();
    console.log('entry: a new run starts empty, is refused with the desktop\'s words until it is a run, then kept');
  },

  // After the first visit the page opens and computes with no network.
  async offline(base) {
    const context = await launch();
    const page = await context.newPage();
    await page.goto(`${base}#model=classic`);
    await ready(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await ready(page);
    await context.setOffline(true);
    await page.reload();
    await ready(page);
    const et = await page.textContent('#compare td[data-car="0"][data-figure="Quarter mile elapsed time"]');
    if (et !== '13.87') fail(`offline: ${et}`);
    const manifest = await page.evaluate(async () => (await fetch('manifest.webmanifest')).json());
    if (manifest.display !== 'standalone' || !manifest.icons.length) fail('manifest');
    await context.cleanup();
    console.log('offline: the page reloads and computes without a network; it has a manifest');
  },

  // Every input has a label; a car typed with the keyboard alone.
  async keyboard(base) {
    const context = await launch();
    const page = await context.newPage();
    await page.goto(`${base}#model=classic`);
    await ready(page);
    const unlabelled = await page.evaluate(() => [...document.querySelectorAll('input, select')]
      .filter((e) => e.type !== 'file' && !(e.labels && e.labels.length)).map((e) => e.id || e.name));
    if (unlabelled.length) fail(`inputs without a label: ${unlabelled.join(', ')}`);
    await page.keyboard.press('Tab');
    for (let i = 0; i < 40; ++i) {
      if (await page.evaluate(() => document.activeElement.id) === 'input-horsepower') break;
      await page.keyboard.press('Tab');
    }
    if (await page.evaluate(() => document.activeElement.id) !== 'input-horsepower') fail('Tab never reaches the horsepower');
    await page.keyboard.press('Control+A');
    await page.keyboard.type('2000');
    const message = await page.textContent('#message-horsepower');
    if (message !== 'The horsepower must be between 100.00 and 1500.00') fail(`message: "${message}"`);
    await page.keyboard.press('Control+A');
    await page.keyboard.type('400');
    const et = await page.textContent('#compare td[data-car="0"][data-figure="Quarter mile elapsed time"]');
    if (!(Number(et) < 13.87)) fail(`typed car: ${et}`);
    // A file picker reached by Tab shows its focus on its own label, and on
    // no other control.
    await page.waitForSelector('body[data-logbook="true"]');
    for (let i = 0; i < 80 && await page.evaluate(() => document.activeElement.id) !== 'import-csv'; ++i) {
      await page.keyboard.press('Tab');
    }
    const outlined = await page.evaluate(() => [...document.querySelectorAll('button, .button')]
      .filter((e) => getComputedStyle(e).outlineStyle !== 'none').map((e) => e.textContent.trim()));
    if (outlined.join() !== 'Import runs…') fail(`focus of the import picker shows on: ${outlined.join(', ')}`);
    await context.cleanup();
    console.log('keyboard: every input labelled; a car typed by keyboard alone, checked as typed; '
      + 'a file picker shows its focus');
  },

  // In German by the browser's language, with the desktop's translations.
  async german(base) {
    const context = await launch({ locale: 'de-DE' });
    const page = await context.newPage();
    await page.goto(`${base}#model=classic&horsepower=50`);
    await ready(page);
    const title = await page.textContent('#air-title');
    const message = await page.textContent('#message-horsepower');
    const et = await page.textContent('#compare th[scope="row"]');
    if (title !== 'Die Luft des Tages' || !message.startsWith('Die Leistung muss zwischen') || et === 'Quarter mile elapsed time') {
      fail(`German: "${title}", "${message}", "${et}"`);
    }
    await context.cleanup();
    console.log('german: the page and the desktop\'s messages in German');
  },

  // The pictures at 1366×768 and 390×844, light and dark, three cars.
  async screenshots(base) {
    mkdirSync(shots, { recursive: true });
    const dir = mkdtempSync(join(tmpdir(), 'torvane-shots-'));
    const slips = join(dir, 'runs.csv');
    writeFileSync(slips, 'date,track,temperature,pressure,humidity,sixtyFootTime,eighthMileTime,eighthMileSpeed,'
      + 'quarterMileTime,quarterMileSpeed\r\n2026-05-01,Dragway,70,29.1,40,2.05,9.02,80.1,13.95,101.2\r\n'
      + '2026-05-02,Dragway,85,28.9,60,2.08,9.10,79.5,14.05,100.4\r\n2026-05-03,Dragway,60,29.4,30,2.01,8.95,80.9,13.82,102.1\r\n'
      + '2026-05-04,Dragway,77,29.2,50,,,,13.90,101.6\r\n2026-05-05,Dragway,,,,2.03,8.99,80.4,13.88,101.5\r\n');
    // Both sizes in both schemes in English, and German on a desktop, a
    // phone and the narrowest phone the page is for.
    const shotsToTake = [];
    for (const scheme of ['light', 'dark']) {
      for (const size of [[1366, 768], [390, 844]]) shotsToTake.push([...size, scheme, 'en-US']);
    }
    shotsToTake.push([1366, 768, 'light', 'de-DE'], [390, 844, 'dark', 'de-DE'], [360, 740, 'light', 'de-DE']);
    for (const [width, height, scheme, locale] of shotsToTake) {
      const context = await launch({ viewport: { width, height }, colorScheme: scheme, deviceScaleFactor: 1, locale });
      const page = await context.newPage();
      await page.goto(`${base}#model=road`);
      await ready(page);
      await page.setInputFiles('#open-file', ['economy-car.trv', 'supercar.trv'].map((c) => join(examples, c)));
      await page.waitForFunction(() => window.torvane.state.cars.length === 3);
      await page.waitForSelector('body[data-logbook="true"]');
      await page.setInputFiles('#import-csv', slips);
      await page.waitForFunction(() => !['none', 'pending', undefined].includes(document.querySelector('#fit').dataset.outcome));
      await page.fill('#whatif-horsepower', '15');
      await page.dispatchEvent('#whatif-horsepower', 'input');
      await page.evaluate(() => { document.activeElement.blur(); window.scrollTo(0, 0); });
      const name = `web-${width}x${height}-${scheme}${locale === 'de-DE' ? '-de' : ''}`;
      await page.screenshot({ path: join(shots, `${name}.png`) });
      await page.screenshot({ path: join(shots, `${name}-full.png`), fullPage: true });
      // Nothing wider than the page: no box, table or text runs off a phone.
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
      if (overflow > 0) fail(`${name}: the page is ${overflow} px wider than the window`);
      await context.cleanup();
    }
    rmSync(dir, { recursive: true, force: true });
    console.log(`screenshots: in ${shots}`);
  },
};

const server = await serve(normalize(site));
const base = `http://127.0.0.1:${server.address().port}/`;
try {
  if (!checks[check]) fail(`no check "${check}"`);
  await checks[check](base);
} catch (error) {
  console.error(`${check}: ${error.message}`);
  process.exitCode = 1;
} finally {
  server.close();
  // A check that failed may leave its browser open: end here rather than
  // wait on it until the test's timeout.
  process.exit();
}
