// SPDX-License-Identifier: GPL-3.0-or-later
// Assembles the web page in build-web/ (scripts/web.sh): the page's own
// files, the WebAssembly module, the chart library as npm installed it, the
// sample cars, the German texts (the desktop's translations of the contexts
// the page shares, from translations/torvane_de.ts, with the page's own),
// and the service worker with the list of every file and a version made of
// their contents.
import { createHash } from 'node:crypto';
import { cpSync, mkdirSync, readFileSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { join, relative } from 'node:path';

const [root, out] = process.argv.slice(2);
const web = join(root, 'web');
mkdirSync(out, { recursive: true });

const copy = (from, to) => {
  mkdirSync(join(out, to, '..'), { recursive: true });
  cpSync(from, join(out, to), { recursive: true });
};
copy(join(web, 'index.html'), 'index.html');
copy(join(web, 'style.css'), 'style.css');
copy(join(web, 'manifest.webmanifest'), 'manifest.webmanifest');
copy(join(web, 'src'), 'src');
copy(join(root, 'data', 'torvane-garage.svg'), 'icons/torvane.svg');
copy(join(web, 'icons'), 'icons');
copy(join(out, 'obj', 'torvane.js'), 'wasm/torvane.js');
copy(join(out, 'obj', 'torvane.wasm'), 'wasm/torvane.wasm');
copy(join(web, 'node_modules', 'uplot', 'dist', 'uPlot.esm.js'), 'vendor/uPlot.esm.js');
copy(join(web, 'node_modules', 'uplot', 'dist', 'uPlot.min.css'), 'vendor/uPlot.min.css');
copy(join(web, 'node_modules', 'uplot', 'LICENSE'), 'vendor/uPlot.LICENSE');
for (const name of readdirSync(join(root, 'examples'))) {
  if (name.endsWith('.trv')) copy(join(root, 'examples', name), `examples/${name}`);
}

// The German texts: "context\u0004source" for the desktop's, "WebPage\u0004
// source" for the page's own.
const SHARED = ['Air', 'Calibration', 'CarInputs', 'ComparisonModel', 'ConditionsBox', 'CsvReader', 'CurveCharts',
  'GarageFields', 'GarageWindow', 'InputChecks', 'LogbookPage', 'NewRunDialog', 'ReportCard', 'RoadKeys',
  'SlipTableModel', 'SlipsCsv', 'TimeSlip', 'Units', 'VehicleFile', 'WhatIfPage'];
const unescape = (text) => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
  .replace(/&apos;/g, "'").replace(/&#x([0-9a-f]+);/gi, (_, h) => String.fromCodePoint(parseInt(h, 16)))
  .replace(/&amp;/g, '&');
const ts = readFileSync(join(root, 'translations', 'torvane_de.ts'), 'utf8');
const german = {};
for (const [, context] of ts.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
  const name = /<name>(.*?)<\/name>/.exec(context)[1];
  if (!SHARED.includes(name)) continue;
  for (const [, message] of context.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
    const source = /<source>([\s\S]*?)<\/source>/.exec(message);
    const translation = /<translation(?: type="[^"]*")?>([\s\S]*?)<\/translation>/.exec(message);
    if (source && translation && translation[1] && !/type="(obsolete|vanished)"/.test(message)) {
      german[`${name}\u0004${unescape(source[1])}`] = unescape(translation[1]);
    }
  }
}
const page = JSON.parse(readFileSync(join(web, 'i18n', 'page.de.json'), 'utf8'));
for (const [source, translation] of Object.entries(page)) german[`WebPage\u0004${source}`] = translation;
mkdirSync(join(out, 'i18n'), { recursive: true });
writeFileSync(join(out, 'i18n', 'de.json'), `${JSON.stringify(german)}\n`);

// The service worker: every file of the page but the build's own folder.
const files = [];
const walk = (folder) => {
  for (const name of readdirSync(folder)) {
    const path = join(folder, name);
    const rel = relative(out, path);
    if (rel === 'obj' || rel === 'sw.js' || rel.startsWith('shots')) continue;
    if (statSync(path).isDirectory()) walk(path);
    else files.push(rel.split('\\').join('/'));
  }
};
walk(out);
files.sort();
const hash = createHash('sha256');
for (const file of files) hash.update(file).update(readFileSync(join(out, file)));
const list = ['./', ...files.map((f) => `./${f}`)];
const worker = readFileSync(join(web, 'sw.js'), 'utf8')
  .replace('@VERSION@', hash.digest('hex').slice(0, 16))
  .replace('@FILES@', JSON.stringify(list));
writeFileSync(join(out, 'sw.js'), worker);
