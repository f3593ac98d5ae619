// SPDX-License-Identifier: GPL-3.0-or-later
// The page's logbook: time slips kept in the browser's IndexedDB, across
// reloads and offline, with CSV import and export in the desktop's columns
// (logbook/SlipsCsv.h). In: CSV bytes, slips typed. Out: the stored slips,
// the refusals of bad rows ("line 7: ..."), and the message of a store the
// browser refused (its quota): nothing already stored is lost, as every
// write is one transaction that either lands whole or not at all.
//
// The fit of the car to its slips, the prediction with its bands and the
// report card are the desktop's numbers (numbers/Fit.h, numbers/ReportSums.h)
// in WebAssembly: fitSlips() runs them and fitTexts() gives their messages,
// the desktop's own (logbook/Calibration.cpp, ReportCard.cpp, the garage's
// logbook page).
import { arg, tr, rangeTestMessage, airMessage, roadProblemMessage, ROAD_RANGES, currentLocale } from './messages.js';
import { FIT_OUTCOME, BAND_GAP, PREDICTION_GAP, REPORT_GAP, HORSEPOWER_BOUND } from './engine.js';

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

// The slips' places in the order the logbook lists them (SlipComesBefore):
// by date and time, those without a date (or a time) first, then by id.
export function datePlaces(slips) {
  const keyOf = (slip) => {
    const m = /^(\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2}))?)?$/.exec((slip.date || '').trim());
    if (!m) return [0, 0, 0, 0, slip.id ?? 0];
    const day = Date.UTC(+m[1], +m[2] - 1, +m[3]);
    return m[4] === undefined ? [1, day, 0, 0, slip.id ?? 0]
      : [1, day, 1, (+m[4] * 60 + +m[5]) * 60 + +(m[6] || 0), slip.id ?? 0];
  };
  const keys = slips.map(keyOf);
  const order = slips.map((_, i) => i).sort((a, b) => {
    for (let k = 0; k < 5; ++k) if (keys[a][k] !== keys[b][k]) return keys[a][k] - keys[b][k];
    return a - b;
  });
  const places = new Array(slips.length);
  order.forEach((slip, place) => { places[slip] = place; });
  return places;
}

// The car fitted to the slips, predicted on the day's air: `car` is
// { model ('classic' or 'road'), values (the nine), roadKeys (the eleven,
// as engine.run takes them) }.
export function fitSlips(engine, car, slips, conditions) {
  return engine.fit(car.model, car.values, conditions, slips, datePlaces(slips), car.roadKeys);
}

// The same on the fit's worker (fitworker.js), where the browser has module
// workers, else here: a promise of the fit. A newer call makes the answers
// of older ones resolve to null, so that only the latest fit is shown.
export class Fitter {
  constructor(engine, wasmUrl) {
    this.engine = engine;
    this.wasmUrl = wasmUrl;
    this.latest = 0;
    this.waiting = new Map();
    try {
      this.worker = new Worker(new URL('./fitworker.js', import.meta.url), { type: 'module' });
      this.worker.addEventListener('message', (event) => this.answer(event.data));
      this.worker.addEventListener('error', () => this.stopWorker());
    } catch {
      this.worker = null;
    }
  }

  // Drops the fits on their way: they resolve to null.
  drop() {
    for (const { resolve } of this.waiting.values()) resolve(null);
    this.waiting.clear();
  }

  fit(car, slips, conditions) {
    const id = ++this.latest;
    this.drop();
    if (!this.worker) return Promise.resolve(fitSlips(this.engine, car, slips, conditions));
    return new Promise((resolve) => {
      this.waiting.set(id, { resolve, run: () => fitSlips(this.engine, car, slips, conditions) });
      const plain = slips.map((slip) => ({ ...slip }));
      this.worker.postMessage({ id, wasmUrl: this.wasmUrl, model: car.model, values: car.values,
        roadKeys: car.roadKeys, conditions, slips: plain, places: datePlaces(slips) });
    });
  }

  answer({ id, fit, error }) {
    const waiting = this.waiting.get(id);
    if (!waiting) return;
    this.waiting.delete(id);
    waiting.resolve(error ? waiting.run() : fit);
  }

  // A worker that cannot start (no module workers): the fits run here.
  stopWorker() {
    this.worker = null;
    const waiting = [...this.waiting.values()];
    this.waiting.clear();
    for (const { resolve, run } of waiting) resolve(run());
  }
}

const number = (value, decimals) => value.toLocaleString(currentLocale() === 'de' ? 'de-DE' : 'en-US',
  { minimumFractionDigits: decimals, maximumFractionDigits: decimals });
// A difference with its sign, none when it shows as 0 (SignedDifferenceText).
export function signed(value, decimals) {
  const text = number(Math.abs(value), decimals);
  return text === number(0, decimals) ? text : `${value < 0 ? '−' : '+'}${text}`;
}
const calibration = (text) => tr('Calibration', text);
const page = (text) => tr('LogbookPage', text);
export const METHOD_NAMES = ['Fitted model, the day\'s air', 'Fitted model, standard day',
  'Car as typed, the day\'s air', 'Hale\'s formula, the day\'s air', 'The run before',
  'Density-altitude line of the runs before', 'From the run\'s own 60 ft', 'From the run\'s own 1/8 mile'];
// The model each method runs (numbers/ReportSums.h, ModelOf): the fitted
// and typed methods the law the car was fitted by, the others none.
const METHOD_MODELS = ['Classic law', 'Classic law', 'Classic law', 'None', 'None', 'None', 'None', 'None'];
const methodModel = (m, road) => tr('ReportCard', road && METHOD_MODELS[m] === 'Classic law' ? 'Road model' : METHOD_MODELS[m]);
// The ends of the classic fit's search (numbers/Fit.h's FitLimits) and of
// the road fit's grip (RoadFitLimits).
const HIGHEST_HORSEPOWER = 100000;
const LOWEST_HORSEPOWER = 1;
const GRIP_LIMITS = [0.25, 4];

// Why there is no fit, as the desktop says it.
function fitMessage(fit) {
  switch (fit.outcome) {
    case FIT_OUTCOME.noRuns: return calibration('There are no runs to fit the car to.');
    case FIT_OUTCOME.runRefused:
      return arg(calibration('Run %1 cannot be fitted to: %2'), fit.refusedRun + 1,
        arg(tr('TimeSlip', 'A run needs %1 and %2, or %3 and %4.'), 'quarterMileTime', 'quarterMileSpeed',
          'eighthMileTime', 'eighthMileSpeed'));
    case FIT_OUTCOME.notFinished:
      if (fit.road) {
        return fit.roadProblem.kind !== 0
          ? arg(calibration('The car cannot be fitted to the runs: %1.'),
            roadProblemMessage(fit.roadProblem.kind, fit.roadProblem.field))
          : calibration('The car does not finish the quarter mile on the runs\' days at any power the road model takes.');
      }
      return fit.unrunnableField >= 0
        ? arg(calibration('The car cannot be fitted to the runs: %1.'), rangeTestMessage(fit.unrunnableField))
        : arg(calibration('The car does not finish the quarter mile on the runs\' days at any horsepower up to %L1 hp.'),
          number(HIGHEST_HORSEPOWER, 0));
    default: return calibration('The calibration was cancelled.');
  }
}

// The notes on the bounds that hold the fit, in the desktop's order.
function boundNotes(fit, shifts, count) {
  const notes = [];
  if (count < 2) {
    notes.push(calibration('One run is matched exactly by the two fitted values: the fit cannot tell the car from '
      + 'that run\'s luck. Add runs of other days.'));
  }
  if (fit.spinTimeHeld) {
    if (fit.fewerShifts > 0) {
      notes.push(arg(calibration('The spin time is held at 0 s: the model cannot reach these elapsed times with %1 '
        + 'quarter-mile shifts; with %2 it can.'), shifts, fit.fewerShifts));
    } else if (shifts === 1) {
      notes.push(calibration('The spin time is held at 0 s: the model cannot reach these elapsed times with 1 '
        + 'quarter-mile shift.'));
    } else {
      notes.push(arg(calibration('The spin time is held at 0 s: the model cannot reach these elapsed times with %1 '
        + 'quarter-mile shifts, nor with fewer.'), shifts));
    }
  }
  if (fit.gripHeld) {
    notes.push(calibration('The launch grip is held at 1: on the runs\' days the tires\' grip never holds the launch, '
      + 'so the runs cannot tell it.'));
  }
  if (fit.gripBound !== HORSEPOWER_BOUND.none) {
    notes.push(arg(calibration('The launch grip is held at the end of the search, × %L1.'),
      number(GRIP_LIMITS[fit.gripBound === HORSEPOWER_BOUND.lowest ? 0 : 1], 2)));
  }
  const lowest = fit.horsepowerBound === HORSEPOWER_BOUND.lowest;
  if (fit.road && fit.horsepowerBound !== HORSEPOWER_BOUND.none) {
    notes.push(arg(calibration('The power is held at the end of the road model\'s range, %L1 hp rated.'),
      number(ROAD_RANGES[0][lowest ? 1 : 2], 0)));
  } else if (fit.horsepowerBound !== HORSEPOWER_BOUND.none) {
    notes.push(arg(calibration('The horsepower is held at the end of the search, %L1 hp.'),
      number(lowest ? LOWEST_HORSEPOWER : HIGHEST_HORSEPOWER, 0)));
  }
  return notes;
}

function withBand(value, band, decimals, unit) {
  if (band === null) return `${number(value, decimals)} ${unit}`;
  return `${number(value, decimals)} ${unit} ${arg(page('± %1 (68 %), ± %2 (95 %)'), number(band.band68, decimals),
    number(band.band95, decimals))}`;
}

// The dial-in line under the prediction (the garage's dialInText).
function dialInText(report, reportMessage, road) {
  if (reportMessage) return arg(page('Dial-in for today: %1'), reportMessage);
  const dial = report.dialIn;
  if (dial.method < 0 || dial.quarterMileTime === null) {
    return page('Dial-in for today: none of the ways that predict before a run could be scored.');
  }
  let time = `${number(dial.quarterMileTime, 2)} ${page('s')}`;
  if (dial.timeBand95 !== null) time += ` ${arg(page('± %1 (95 %)'), number(dial.timeBand95, 2))}`;
  // A racer's method (a line through the runs, the run before) uses no
  // model: only a model's name goes in brackets.
  const name = tr('ReportCard', METHOD_NAMES[dial.method]);
  let text = METHOD_MODELS[dial.method] === 'None' ? arg(page('Dial-in for today: %1, by "%2".'), time, name)
    : arg(page('Dial-in for today: %1, by "%2" (%3).'), time, name, methodModel(dial.method, road));
  if (report.best !== dial.method) {
    text += ` ${arg(page('"%1" scores better but needs the run\'s own figures.'), tr('ReportCard', METHOD_NAMES[report.best]))}`;
  }
  return text;
}

// The texts of a fit: { fit: lines, prediction (with the dial-in line),
// report: { message } or { rows: [{ name, model, error, bias, speedError,
// speedBias, best }] } }, as the garage's logbook page
// shows them. `air` is the page's day: its conditions, or its message.
export function fitTexts(fit, count, shifts, air) {
  if (fit.outcome !== FIT_OUTCOME.fitted) {
    const message = fitMessage(fit);
    return { fit: [message], prediction: '', report: { message } };
  }
  const lines = [];
  if (fit.road) {
    lines.push(arg(calibration('Fitted to the runs (%1) on the road model: %2 hp at the wheels on the standard day '
      + '(%3 hp rated), launch grip × %4.'), number(count, 0), number(fit.wheelHorsepower, 1),
    number(fit.horsepower, 1), number(fit.gripFactor, 2)));
    lines.push(fit.roadProblem.kind === 0 ? calibration('The fitted power lies within the road model\'s ranges.')
      : arg(calibration('Outside the road model\'s ranges: %1'), roadProblemMessage(fit.roadProblem.kind, fit.roadProblem.field)));
  } else {
    lines.push(arg(calibration('Fitted to the runs (%1): %2 hp on the standard day, spin time %3 s.'), number(count, 0),
      number(fit.horsepower, 1), number(fit.spinTime, 3)));
    lines.push(fit.failingRange < 0 ? calibration('Both values lie within the classic input ranges.')
      : arg(calibration('Outside the classic input ranges: %1'), rangeTestMessage(fit.failingRange)));
  }
  lines.push(...boundNotes(fit, shifts, count));

  const p = fit.prediction;
  let prediction;
  if (air.message) {
    prediction = air.message;
  } else if (p.gap === PREDICTION_GAP.airOutOfRange) {
    prediction = airMessage(p.failingAir);
  } else if (p.gap === PREDICTION_GAP.notFinished) {
    prediction = calibration('The fitted car does not finish the quarter mile on this day.');
  } else {
    const s = page('s');
    const mph = page('mph');
    prediction = arg(tr('WebPage', 'Next run on the day\'s air above: the quarter mile in %1 at %2, the eighth mile in %3 at %4.'),
      withBand(p.quarterMileTime, p.bands.quarterMileTime, 2, s), withBand(p.quarterMileSpeed, p.bands.quarterMileSpeed, 1, mph),
      withBand(p.eighthMileTime, p.bands.eighthMileTime, 2, s), withBand(p.eighthMileSpeed, p.bands.eighthMileSpeed, 1, mph));
    let bandMessage = '';
    if (fit.bandGap === BAND_GAP.tooFewRuns) bandMessage = calibration('With fewer than three runs no error band can be given.');
    else if (fit.bandGap === BAND_GAP.oneDay) {
      bandMessage = calibration('All runs are of one day: no error band can be given until runs of another day are added.');
    } else if (!p.banded) bandMessage = calibration('Fewer than three runs on two days give these figures: no error band can be given.');
    prediction += ` ${bandMessage || arg(page('The bands leave out one day\'s runs at a time (%1 days).'), number(fit.days, 0))}`;
  }

  let report;
  if (fit.report.gap === REPORT_GAP.tooFewRuns) {
    report = { message: tr('ReportCard', 'A report card needs four runs or more with a quarter-mile time: the first three only predict.') };
  } else if (fit.report.gap === REPORT_GAP.notFitted) {
    report = { message: fitMessage(fit) };
  } else {
    // An empty score says so, never 0.
    const notEnough = page('not enough runs');
    report = {
      rows: fit.report.scores.map((score, m) => ({
        name: tr('ReportCard', METHOD_NAMES[m]),
        model: methodModel(m, fit.road),
        error: score.runs > 0 ? number(score.meanAbsoluteError, 3) : notEnough,
        bias: score.runs > 0 ? signed(score.bias, 3) : '',
        speedError: score.speed.runs > 0 ? number(score.speed.meanAbsoluteError, 2) : notEnough,
        speedBias: score.speed.runs > 0 ? signed(score.speed.bias, 2) : '',
        best: m === fit.report.best,
      })),
    };
  }
  if (prediction && !air.message && p.gap === PREDICTION_GAP.none) prediction += `\n${dialInText(fit.report, report.message, fit.road)}`;
  return { fit: lines, prediction, report };
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

// The fields of a slip in the order of the CSV columns (logbook/TimeSlip.cpp):
// the key, the name a sentence gives it, the runs table's header, its unit,
// and the AirField of the weather (whose ranges and messages are the air's)
// or the range of a time or speed.
export const SLIP_FIELDS = [
  { key: 'date', name: 'date', header: 'Date' },
  { key: 'track', name: 'track', header: 'Track' },
  { key: 'elevation', name: 'elevation', header: 'Elevation (ft)', unit: 'ft', air: 4, low: -1500, high: 14000 },
  { key: 'temperature', name: 'temperature', header: 'Temperature (°F)', unit: '°F', air: 0, low: -40, high: 140 },
  { key: 'pressure', name: 'station pressure', header: 'Pressure (inHg)', unit: 'inHg', air: 1, low: 20, high: 32 },
  { key: 'humidity', name: 'humidity', header: 'Humidity (%)', unit: '%', air: 2, low: 0, high: 100 },
  { key: 'reactionTime', name: 'reaction time', header: 'Reaction (s)', unit: 's', low: -1.5, high: 2 },
  { key: 'sixtyFootTime', name: '60-foot time', header: '60 ft (s)', unit: 's', low: 0.8, high: 4 },
  { key: 'threeThirtyFootTime', name: '330-foot time', header: '330 ft (s)', unit: 's', low: 1.5, high: 15 },
  { key: 'eighthMileTime', name: '1/8-mile time', header: '1/8 mile (s)', unit: 's', low: 2, high: 20 },
  { key: 'eighthMileSpeed', name: '1/8-mile speed', header: '1/8 mile (mph)', unit: 'mph', low: 20, high: 350 },
  { key: 'thousandFootTime', name: '1000-foot time', header: '1000 ft (s)', unit: 's', low: 2.5, high: 26 },
  { key: 'quarterMileTime', name: 'quarter-mile time', header: '1/4 mile (s)', unit: 's', low: 3, high: 30 },
  { key: 'quarterMileSpeed', name: 'quarter-mile speed', header: '1/4 mile (mph)', unit: 'mph', low: 20, high: 350 },
  { key: 'note', name: 'note', header: 'Note' },
];
const FIELD = Object.fromEntries(SLIP_FIELDS.map((f) => [f.key, f]));
const SPLITS_ALONG_THE_TRACK = ['sixtyFootTime', 'threeThirtyFootTime', 'eighthMileTime', 'thousandFootTime',
  'quarterMileTime'];
const slipText = (text) => tr('TimeSlip', text);

// A field as a check names it: by its column in an import's refusals, in
// words ("the quarter-mile time") for a run typed.
function label(key, words) {
  return words ? arg(slipText('the %1'), slipText(FIELD[key].name)) : key;
}
const sentence = (text, words) => (words && text ? text[0].toUpperCase() + text.slice(1) : text);

function numberProblem(key, value, words) {
  const { low, high, unit, air } = FIELD[key];
  const name = label(key, words);
  if (!Number.isFinite(value)) return arg(slipText('%1 is not a finite number.'), name);
  if (value >= low && value <= high) return '';
  // The weather takes the messages of the air's boxes.
  if (air !== undefined) return words ? airMessage(air) : arg(slipText('%1: %2'), name, airMessage(air));
  if (key === 'reactionTime') {
    return arg(slipText('%1 must lie between 0 and 2 s, or down to %2 s for a red light (it is %3).'), name,
      shortest(low), shortest(value));
  }
  return arg(slipText('%1 must lie between %2 and %3 %4 (it is %5).'), name, shortest(low), shortest(high), unit,
    shortest(value));
}

// Why a slip cannot be kept, empty when it can, as the desktop's
// SlipProblem says it: its fields named by their columns (an import), or in
// words when `words` (a run typed).
export function slipProblem(slip, words = false) {
  for (const { key, low } of SLIP_FIELDS) {
    if (low === undefined || slip[key] === undefined) continue;
    const problem = numberProblem(key, slip[key], words);
    if (problem) return sentence(problem, words);
  }
  if (!((slip.quarterMileTime !== undefined && slip.quarterMileSpeed !== undefined)
    || (slip.eighthMileTime !== undefined && slip.eighthMileSpeed !== undefined))) {
    return arg(slipText('A run needs %1 and %2, or %3 and %4.'), label('quarterMileTime', words),
      label('quarterMileSpeed', words), label('eighthMileTime', words), label('eighthMileSpeed', words));
  }
  let earlier = null;
  for (const key of SPLITS_ALONG_THE_TRACK) {
    if (slip[key] === undefined) continue;
    if (earlier && !(slip[key] > slip[earlier])) {
      return sentence(arg(slipText('%1 (%2 s) must be longer than %3 (%4 s).'), label(key, words),
        shortest(slip[key]), label(earlier, words), shortest(slip[earlier])), words);
    }
    earlier = key;
  }
  return '';
}

// A number as the user types it (SetTypedNumber): "." always, or the
// page's decimal separator, digits never grouped; { value } (undefined for
// an empty box) or { problem }.
export function typedNumber(text, key) {
  const value = text.trim();
  if (!value) return { value: undefined };
  const read = csvNumber(value);
  if (read !== null) return { value: read };
  const name = slipText(FIELD[key].name);
  if (currentLocale() !== 'de') {
    return { problem: arg(slipText('"%1" is not a number for the %2: write it with "." as the decimal point.'), text, name) };
  }
  const local = /^[+-]?\d+,\d*$|^[+-]?,\d+$/.test(value) ? csvNumber(value.replace(',', '.')) : null;
  if (local !== null) return { value: local };
  return {
    problem: arg(slipText('"%1" is not a number for the %2: write it with "%3" or "." as the decimal point.'), text,
      name, ','),
  };
}

// The headers the reader knows, compared without case, spaces and
// underscores (KnownSlipColumn): the column keys, altimeterSetting, and
// those of racers' sheets and timing systems; null for a column known and
// not kept (the density altitude, worked out from the weather; the lane).
const ALTIMETER = 'altimeterSetting';
const ALIASES = {
  elev: 'elevation', temp: 'temperature', baro: 'pressure', hum: 'humidity', rh: 'humidity', rt: 'reactionTime',
  'r/t': 'reactionTime', reaction: 'reactionTime', '60ft': 'sixtyFootTime', "60'": 'sixtyFootTime',
  330: 'threeThirtyFootTime', '330ft': 'threeThirtyFootTime', '1/8': 'eighthMileTime', '1/8et': 'eighthMileTime',
  '1/8mph': 'eighthMileSpeed', 1000: 'thousandFootTime', '1000ft': 'thousandFootTime', '1/4': 'quarterMileTime',
  '1/4et': 'quarterMileTime', et: 'quarterMileTime', '1/4mph': 'quarterMileSpeed', mph: 'quarterMileSpeed',
  notes: 'note', altimeter: ALTIMETER, da: null, densityaltitude: null, lane: null,
};
const headerKey = (header) => header.replace(/[\s_]/g, '').toLowerCase();

// The column a header names: a slip's key, altimeterSetting, null for one
// known and not kept, undefined for one the reader does not know (ignored).
export function knownColumn(header) {
  const key = headerKey(header);
  const column = [...COLUMNS, ALTIMETER].find((c) => c.toLowerCase() === key);
  if (column) return column;
  return Object.prototype.hasOwnProperty.call(ALIASES, key) ? ALIASES[key] : undefined;
}

// ---- Dates ----

// A date as YYYY-MM-DD with its time, "HH:MM" or "HH:MM:SS" when the seconds
// are not 0 (SlipDateText); null when the parts do not make one.
function dateText(year, month, day, clock) {
  const date = new Date(Date.UTC(2000, month - 1, day));
  date.setUTCFullYear(year);
  if (year < 1 || year > 9999 || date.getUTCMonth() !== month - 1 || date.getUTCDate() !== day) return null;
  const pad = (n, w = 2) => String(n).padStart(w, '0');
  let text = `${pad(year, 4)}-${pad(month)}-${pad(day)}`;
  if (clock) {
    const [h, m, s = 0] = clock;
    if (!(h < 24 && m < 60 && s < 60)) return null;
    text += ` ${pad(h)}:${pad(m)}${s ? `:${pad(s)}` : ''}`;
  }
  return text;
}

// An ISO date (ReadSlipDate): YYYY-MM-DD, optionally with "T" or a space and
// HH:MM or HH:MM:SS; '' for an empty text, null for one that is no date.
function isoDate(text) {
  const value = text.trim();
  if (!value) return '';
  const m = /^(\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2}))?)?$/.exec(value);
  if (!m) return null;
  return dateText(+m[1], +m[2], +m[3], m[4] === undefined ? null : [+m[4], +m[5], +(m[6] || 0)]);
}

// A form of date with its parts in some order, split by one character: US
// m/d/yyyy, or the browser's language's short form (dd.MM.yyyy,
// dd/MM/yyyy, ...). A year of two digits is in the years 2000 to 2099.
const US_FORM = { dayAt: 1, monthAt: 0, yearAt: 2, separator: '/', name: 'm/d/yyyy' };

export function localeDateForm(language) {
  let parts;
  try {
    parts = new Intl.DateTimeFormat(language, { year: 'numeric', month: '2-digit', day: '2-digit' })
      .formatToParts(new Date(2026, 10, 22));
  } catch {
    return null;
  }
  const form = { separator: '', name: '' };
  const at = { day: 'dayAt', month: 'monthAt', year: 'yearAt' };
  let part = 0;
  for (const { type, value } of parts) {
    if (at[type]) {
      form[at[type]] = part++;
      form.name += { day: 'dd', month: 'MM', year: 'yyyy' }[type];
    } else if (value.length === 1 && /[./-]/.test(value) && (!form.separator || form.separator === value)) {
      form.separator = value;
      form.name += value;
    } else {
      return null;
    }
  }
  return part === 3 && form.separator ? form : null;
}

// A date of the form, optionally followed by a space and H:MM or H:MM:SS.
function formDate(form, text) {
  const trimmed = text.trim();
  const space = trimmed.indexOf(' ');
  const parts = (space < 0 ? trimmed : trimmed.slice(0, space)).split(form.separator);
  if (parts.length !== 3 || !parts.every((p) => /^\d+$/.test(p))) return null;
  const year = parts[form.yearAt];
  if (parts[form.dayAt].length > 2 || parts[form.monthAt].length > 2 || (year.length !== 2 && year.length !== 4)) return null;
  let clock = null;
  if (space >= 0) {
    const m = /^(\d{1,2}):(\d{2})(?::(\d{2}))?$/.exec(trimmed.slice(space + 1).trim());
    if (!m) return null;
    clock = [+m[1], +m[2], +(m[3] || 0)];
  }
  return dateText(+year + (year.length === 2 ? 2000 : 0), +parts[form.monthAt], +parts[form.dayAt], clock);
}

// How the dates that are not ISO are read (chooseDateForm): the one form
// that reads them all; when two do and give different days, the order
// chosen ('monthFirst', 'dayFirst'), else the date that reads two ways.
function chooseDateForm(dates, dateOrder, language) {
  const forms = [US_FORM];
  const local = localeDateForm(language);
  if (local && !(local.dayAt === US_FORM.dayAt && local.monthAt === US_FORM.monthAt
    && local.separator === US_FORM.separator)) forms.push(local);
  const read = forms.map((form) => dates.filter((d) => formDate(form, d) !== null).length);
  const readsAll = forms.filter((_, f) => read[f] === dates.length);
  if (readsAll.length === 2) {
    const twoWays = dates.find((d) => formDate(forms[0], d) !== formDate(forms[1], d));
    if (twoWays !== undefined) {
      if (!dateOrder) return { forms, ambiguous: twoWays.trim() };
      return { forms, chosen: forms.find((f) => (f.monthAt < f.dayAt) === (dateOrder === 'monthFirst')) };
    }
  }
  return { forms, chosen: readsAll[0] || (read[1] > read[0] ? forms[1] : forms[0]) };
}

// The most bytes a CSV of slips is read from (MaxSlipsCsvBytes).
export const MAX_SLIPS_CSV_BYTES = 16 * 1024 * 1024;

// Why a file of slips is not read at all (LoadSlipsCsv): too large.
export function slipsFileRefusal(name, size) {
  if (size <= MAX_SLIPS_CSV_BYTES) return '';
  return arg(t('Could not import the runs from %1: %2.'), name,
    arg(t('it is larger than %1 bytes, far more than a file of time slips holds'), MAX_SLIPS_CSV_BYTES));
}

// A pressure more than this from the standard (inHg) looks like the other
// kind (core/Air.h's PressureKindTolerance).
const PRESSURE_KIND_TOLERANCE = 1.5;
const STANDARD_SEA_LEVEL_PRESSURE = 29.92;

// The warning for a pressure that looks like the other kind
// (PressureKindWarning): the standard station pressure at the elevation is
// the numbers' conversion of 29.92 inHg.
function pressureKindWarning(engine, altimeter, pressure, elevation) {
  const standard = altimeter ? STANDARD_SEA_LEVEL_PRESSURE : engine.altimeter(STANDARD_SEA_LEVEL_PRESSURE, elevation).station;
  if (!Number.isFinite(pressure) || !(Math.abs(pressure - standard) > PRESSURE_KIND_TOLERANCE)) return '';
  if (altimeter) {
    return arg(tr('Air', 'The altimeter setting of %1 inHg is more than 1.5 inHg from the standard pressure at sea '
      + 'level (29.92 inHg), to which it is reduced: it looks like a station pressure.'), pressure.toFixed(2));
  }
  return arg(tr('Air', 'The station pressure of %1 inHg is more than 1.5 inHg from the standard pressure at %2 ft '
    + '(%3 inHg): it looks like an altimeter setting, or the elevation is not the track\'s.'), pressure.toFixed(2),
  elevation.toFixed(0), standard.toFixed(2));
}

// The slips of a CSV file: { slips, refusals, warnings } or { error } (with
// ambiguousDate when its dates read two ways), the error naming the file as
// LoadSlipsCsv does when `name` is given, else as ReadSlipsCsv does.
// options: engine (the numbers, for an altimeterSetting column: its station
// pressure at the row's elevation, 0 ft without one), dateOrder
// ('monthFirst' or 'dayFirst' for dates that read two ways) and language
// (whose short date form is read besides ISO and US).
export function readSlipsCsv(text, name, options = {}) {
  const { engine, dateOrder, language = 'en-US' } = options;
  const records = readCsv(text);
  const fail = (reason) => ({
    error: name === undefined ? arg(t('Could not import the runs: %1.'), reason)
      : arg(t('Could not import the runs from %1: %2.'), name, reason),
  });
  if (!records.length) return fail(t('it is empty; a CSV of runs starts with a header line naming its columns'));
  const header = records[0];
  if (header.error) return fail(arg(t('its header line cannot be read: %1'), header.error));
  const column = {};
  for (let i = 0; i < header.fields.length; ++i) {
    const key = knownColumn(header.fields[i].trim());
    if (!key) continue;
    if (key in column) return fail(arg(t('its header line names the column %1 twice'), key));
    column[key] = i;
  }
  const has = (k) => k in column;
  if (!(has('quarterMileTime') && has('quarterMileSpeed')) && !(has('eighthMileTime') && has('eighthMileSpeed'))) {
    return fail(arg(t('its header line names neither the columns %1 and %2 nor %3 and %4, so it holds no time slips'),
      'quarterMileTime', 'quarterMileSpeed', 'eighthMileTime', 'eighthMileSpeed'));
  }
  const width = header.fields.length;
  const rows = records.slice(1).filter((r) => !r.fields.every((f) => !f.trim()));
  // The dates are read in one form for the whole file.
  const otherDates = !has('date') ? [] : rows.filter((r) => !r.error && r.fields.length === width)
    .map((r) => r.fields[column.date]).filter((d) => isoDate(d) === null);
  const dates = chooseDateForm(otherDates, dateOrder, language);
  if (dates.ambiguous) {
    return {
      ...fail(arg(t('its dates read two ways (%1 may be month first or day first); write them as YYYY-MM-DD'),
        quoted(dates.ambiguous))),
      ambiguousDate: dates.ambiguous,
    };
  }
  const slips = [];
  const refusals = [];
  const warnings = [];
  for (const record of rows) {
    const refuse = (reason) => refusals.push(arg(t('line %1: %2'), record.line, reason));
    if (record.error) { refuse(record.error); continue; }
    if (record.fields.length !== width) {
      refuse(arg(t('it has %1 fields where the header line has %2'), record.fields.length, width));
      continue;
    }
    const slip = {};
    let problem = '';
    let warning = '';
    for (const key of COLUMNS) {
      if (!has(key)) continue;
      const text = record.fields[column[key]];
      if (key === 'date') {
        const date = isoDate(text) ?? (dates.chosen ? formDate(dates.chosen, text) : null);
        if (date === null) {
          problem = arg(t('%1 is not a date of the form %2, optionally with a time HH:MM or HH:MM:SS: %3'), key,
            ['YYYY-MM-DD', ...dates.forms.map((f) => f.name)].join(', '), quoted(text));
          break;
        }
        slip.date = date;
      } else if (TEXT_COLUMNS.has(key)) {
        slip[key] = text.replace(/^'(?=['=+\-@\t\r])/, '');
      } else if (text.trim()) {
        const number = csvNumber(text);
        if (number === null) { problem = arg(t('%1 is not a number: %2'), key, quoted(text)); break; }
        slip[key] = number;
      }
    }
    const altimeterText = has(ALTIMETER) ? record.fields[column[ALTIMETER]] : '';
    if (!problem && altimeterText.trim()) {
      const setting = csvNumber(altimeterText);
      if (setting === null) {
        problem = arg(t('%1 is not a number: %2'), ALTIMETER, quoted(altimeterText));
      } else if (slip.pressure !== undefined) {
        problem = arg(t('give %1 or %2, not both'), 'pressure', ALTIMETER);
      } else if (slip.elevation === undefined || numberProblem('elevation', slip.elevation) === '') {
        // An elevation out of range is told by the check of the slip.
        const converted = engine.altimeter(setting, slip.elevation ?? 0);
        if (converted.failing >= 0) {
          problem = arg(t('%1: %2'), ALTIMETER, airMessage(converted.failing, converted.station));
        } else {
          slip.pressure = converted.station;
          warning = pressureKindWarning(engine, true, setting, 0);
        }
      }
    } else if (!problem && engine && slip.pressure !== undefined && slip.elevation !== undefined) {
      // Without the track's elevation there is no standard to hold a
      // station pressure to.
      warning = pressureKindWarning(engine, false, slip.pressure, slip.elevation);
    }
    if (!problem) problem = slipProblem(slip);
    if (problem) { refuse(problem); continue; }
    if (warning) warnings.push(arg(t('line %1: %2'), record.line, warning));
    slips.push(slip);
  }
  return { slips, refusals, warnings };
}

// What makes two slips the same run at the strip (SameRun): the same date
// and time and the same finish. A date stored before dates were written
// one way ("2026-05-01T10:00") is read as it is now.
function runKey(slip) {
  return [isoDate(slip.date || '') ?? slip.date, ...['quarterMileTime', 'quarterMileSpeed', 'eighthMileTime', 'eighthMileSpeed']
    .map((k) => (slip[k] === undefined || slip[k] === null ? '' : shortest(slip[k])))].join('|');
}

// The slips of `imported` that are neither in `stored` nor earlier in
// `imported` itself (NewRuns).
export function newRuns(imported, stored) {
  const known = new Set(stored.map(runKey));
  return imported.filter((slip) => {
    const key = runKey(slip);
    if (known.has(key)) return false;
    known.add(key);
    return true;
  });
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
