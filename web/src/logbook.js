// SPDX-License-Identifier: GPL-3.0-or-later
// The page's logbook: time slips kept in the browser's IndexedDB, across
// reloads and offline, with CSV import and export in the desktop's columns
// (logbook/SlipsCsv.h). In: CSV bytes, slips typed. Out: the stored slips,
// the refusals of bad rows ("line 7: ..."), and the message of a store the
// browser refused (its quota): nothing already stored is lost, as every
// write is one transaction that either lands whole or not at all.
//
// The fit of the car to its slips, the prediction with its bands and the
// report card are not computed here: predictionFor() is their seam, which
// returns null until the fit's numbers are in the WebAssembly build.
import { arg, tr } from './messages.js';

// The columns, in the order the desktop writes them.
export const COLUMNS = ['date', 'track', 'elevation', 'temperature', 'pressure', 'humidity', 'reactionTime',
  'sixtyFootTime', 'threeThirtyFootTime', 'eighthMileTime', 'eighthMileSpeed', 'thousandFootTime',
  'quarterMileTime', 'quarterMileSpeed', 'note'];
const TEXT_COLUMNS = new Set(['date', 'track', 'note']);
const DATABASE = 'torvane';
const STORE = 'slips';

const t = (text) => tr('SlipsCsv', text);

function openDatabase() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE, { keyPath: 'id', autoIncrement: true });
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

// The browser's refusal of a write in words: a full store (its quota) or
// another fault.
export function storageMessage(error) {
  if (error && (error.name === 'QuotaExceededError' || /quota/i.test(String(error.message)))) {
    return tr('WebPage', 'The browser has no room left to store the slips (its storage quota); nothing '
      + 'was stored and the slips stored before are kept.');
  }
  return arg(tr('WebPage', 'The browser could not store the slips: %1. Nothing was stored.'), String(error && error.message));
}

export class Logbook {
  constructor() {
    this.db = null;
  }

  async open() {
    this.db = await openDatabase();
  }

  slips() {
    return new Promise((resolve, reject) => {
      const request = this.db.transaction(STORE).objectStore(STORE).getAll();
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => reject(request.error);
    });
  }

  // Adds the slips in one transaction: all of them, or none.
  add(slips) {
    return new Promise((resolve, reject) => {
      let transaction;
      try {
        transaction = this.db.transaction(STORE, 'readwrite');
        const store = transaction.objectStore(STORE);
        for (const slip of slips) store.add({ ...slip });
      } catch (error) {
        reject(error);
        return;
      }
      transaction.oncomplete = () => resolve(slips.length);
      transaction.onabort = () => reject(transaction.error);
      transaction.onerror = (event) => event.preventDefault();
    });
  }

  remove(id) {
    return new Promise((resolve, reject) => {
      const transaction = this.db.transaction(STORE, 'readwrite');
      transaction.objectStore(STORE).delete(id);
      transaction.oncomplete = () => resolve();
      transaction.onabort = () => reject(transaction.error);
    });
  }
}

// The fit's seam: the prediction of the car's next slip from its slips,
// with its bands, and the report card. Null until the fit is built.
export function predictionFor(/* car, slips, air */) {
  return null;
}

// RFC 4180 records with their first line numbers; a record's error when a
// quoted field does not end.
export function readCsv(text) {
  const records = [];
  let i = 0;
  let line = 1;
  if (text.startsWith('\ufeff')) i = 1;
  while (i < text.length) {
    const fields = [];
    const start = line;
    let field = '';
    let error = '';
    for (;;) {
      if (text[i] === '"') {
        ++i;
        for (;;) {
          if (i >= text.length) { error = tr('CsvReader', 'a quoted field is not closed before the end of the file'); break; }
          if (text[i] === '"') {
            if (text[i + 1] === '"') { field += '"'; i += 2; continue; }
            ++i;
            break;
          }
          if (text[i] === '\n') ++line;
          field += text[i++];
        }
      }
      while (i < text.length && text[i] !== ',' && text[i] !== '\n' && text[i] !== '\r') field += text[i++];
      fields.push(field);
      field = '';
      if (text[i] === ',') { ++i; continue; }
      if (text[i] === '\r') ++i;
      if (text[i] === '\n') { ++i; ++line; }
      break;
    }
    records.push({ fields, line: start, error });
  }
  return records;
}

function quoted(text) {
  return text.length <= 40 ? `"${text}"` : `"${text.slice(0, 40)}…"`;
}

// A number cell: "." as the point, nothing else in it.
function csvNumber(text) {
  const value = text.trim();
  if (!/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(value)) return null;
  const number = Number(value);
  return Number.isFinite(number) ? number : null;
}

function dateOk(text) {
  const value = text.trim();
  if (!value) return true;
  const m = /^(\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2}))?)?$/.exec(value);
  if (!m) return false;
  const date = new Date(Date.UTC(+m[1], +m[2] - 1, +m[3]));
  if (+m[1] < 1 || date.getUTCMonth() !== +m[2] - 1 || date.getUTCDate() !== +m[3]) return false;
  return m[4] === undefined || (+m[4] < 24 && +m[5] < 60 && (m[6] === undefined || +m[6] < 60));
}

// The slips of a CSV file (ReadSlipsCsv): { slips, refusals } or { error }.
export function readSlipsCsv(text) {
  const records = readCsv(text);
  const fail = (reason) => ({ error: arg(t('Could not import the runs: %1.'), reason) });
  if (!records.length) return fail(t('it is empty; a CSV of runs starts with a header line naming its columns'));
  const header = records[0];
  const column = {};
  for (let i = 0; i < header.fields.length; ++i) {
    const name = header.fields[i].trim().toLowerCase();
    const key = COLUMNS.find((c) => c.toLowerCase() === name);
    if (!key) continue;
    if (key in column) return fail(arg(t('its header line names the column %1 twice'), key));
    column[key] = i;
  }
  const has = (k) => k in column;
  if (!(has('quarterMileTime') && has('quarterMileSpeed')) && !(has('eighthMileTime') && has('eighthMileSpeed'))) {
    return fail(arg(t('its header line names neither the columns %1 and %2 nor %3 and %4, so it holds no time slips'),
      'quarterMileTime', 'quarterMileSpeed', 'eighthMileTime', 'eighthMileSpeed'));
  }
  const slips = [];
  const refusals = [];
  const width = header.fields.length;
  for (const record of records.slice(1)) {
    const refuse = (reason) => refusals.push(arg(t('line %1: %2'), record.line, reason));
    if (record.error) { refuse(record.error); continue; }
    if (record.fields.every((f) => !f.trim())) continue;
    if (record.fields.length !== width) {
      refuse(arg(t('it has %1 fields where the header line has %2'), record.fields.length, width));
      continue;
    }
    const slip = {};
    let problem = '';
    for (const key of COLUMNS) {
      if (!has(key)) continue;
      const text = record.fields[column[key]];
      if (key === 'date') {
        if (!dateOk(text)) {
          problem = arg(t('%1 is not a date of the form YYYY-MM-DD, optionally with a time HH:MM or HH:MM:SS: %2'), key, quoted(text));
          break;
        }
        slip.date = text.trim();
      } else if (TEXT_COLUMNS.has(key)) {
        slip[key] = text.replace(/^'(?=['=+\-@\t\r])/, '');
      } else if (text.trim()) {
        const number = csvNumber(text);
        if (number === null) { problem = arg(t('%1 is not a number: %2'), key, quoted(text)); break; }
        slip[key] = number;
      }
    }
    if (!problem && !((slip.quarterMileTime !== undefined && slip.quarterMileSpeed !== undefined)
      || (slip.eighthMileTime !== undefined && slip.eighthMileSpeed !== undefined))) {
      problem = arg(tr('TimeSlip', 'A run needs %1 and %2, or %3 and %4.'), 'quarterMileTime', 'quarterMileSpeed',
        'eighthMileTime', 'eighthMileSpeed');
    }
    if (problem) { refuse(problem); continue; }
    slips.push(slip);
  }
  return { slips, refusals };
}

function csvField(text, number) {
  const guard = !number && /^'*[=+\-@\t\r]./s.test(text);
  const needsQuotes = /[,"\r\n]/.test(text) || text.startsWith('\ufeff');
  const body = (guard ? "'" : '') + text;
  return needsQuotes ? `"${body.replace(/"/g, '""')}"` : body;
}

// The shortest text that reads back as the same double, as the desktop
// writes number cells.
function shortest(value) {
  return String(value).replace(/e\+?/, (m) => (m === 'e+' ? 'e+' : 'e'));
}

// The slips as the desktop's CSV (SlipsCsv): the header, one row a slip.
export function slipsCsv(slips) {
  let out = `${COLUMNS.join(',')}\r\n`;
  for (const slip of slips) {
    out += COLUMNS.map((key) => {
      const value = slip[key];
      if (value === undefined || value === null) return '';
      return TEXT_COLUMNS.has(key) ? csvField(String(value), false) : csvField(shortest(value), true);
    }).join(',');
    out += '\r\n';
  }
  return out;
}
