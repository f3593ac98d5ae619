// SPDX-License-Identifier: GPL-3.0-or-later
// The engine and the numbers in WebAssembly (web/wasm/PageApi.h): the same
// code and the same doubles as the desktop programs. In: a car's nine
// numbers, the day's air, the road keys. Out: plain objects.
import createTorvane from '../wasm/torvane.js';

// The layout of the buffers, as PageApi.h gives it.
const IN = { car: 0, air: 9, roadKeys: 12 };
const OUT = {
  outcome: 0, timeLimit: 1, stopTime: 2, results: 3, splits: 15, horsepower: 22, airDensity: 23,
  airFigures: 24, roadProblem: 34, pointCount: 36, shiftCount: 37, roadCar: 40, points: 64,
};

// The fit's buffers (TvRun, TvFit).
const FIT_RUN = { weather: ['temperature', 'pressure', 'humidity'], splits: 3, datePlace: 10, day: 11, stride: 12 };
const FIT = { outcome: 0, horsepower: 3, spinTimeHeld: 7, days: 13, errors: 16, prediction: 32, report: 48,
  reportStride: 6, dialIn: 99, errorBands: 104, runCount: 119, model: 120, runs: 128, runStride: 8 };
// The report card's methods (numbers/ReportSums.h).
export const METHOD_COUNT = 8;
// The fit's codes (numbers/Fit.h, numbers/ReportSums.h).
export const FIT_OUTCOME = { fitted: 0, noRuns: 1, runRefused: 2, notFinished: 3, cancelled: 4 };
export const BAND_GAP = { none: 0, notFitted: 1, tooFewRuns: 2, oneDay: 3 };
export const PREDICTION_GAP = { none: 0, airOutOfRange: 1, notFinished: 2 };
export const REPORT_GAP = { none: 0, notFitted: 1, tooFewRuns: 2 };
export const HORSEPOWER_BOUND = { none: 0, lowest: 1, highest: 2 };

export const FIELDS = ['horsepower', 'grillArea', 'windshieldArea', 'carWeight', 'dragCoefficient',
  'windshieldAngle', 'availableShifts', 'quarterMileShifts', 'spinTime'];
export const RESULT_KEYS = ['topSpeedTime', 'topSpeed', 'topSpeedDistance', 'topSpeedWindForce',
  'zeroToSixtyTime', 'zeroToHundredTime', 'zeroToEightyTime', 'sixtyToEightyTime', 'quarterMileTime',
  'quarterMileSpeed', 'quarterMileDistance', 'quarterMileWindForce'];
export const SPLIT_KEYS = ['sixtyFootTime', 'threeThirtyFootTime', 'eighthMileTime', 'eighthMileSpeed',
  'thousandFootTime', 'quarterMileTime', 'quarterMileSpeed'];
export const AIR_KEYS = ['celsius', 'kelvin', 'stationPressure', 'vapourPressure', 'dryPressure', 'density',
  'relativeAirDensity', 'correctionFactor', 'j607Factor', 'densityAltitude'];
// The road keys in the order of a car file, with the words of each choice.
export const ROAD_KEYS = [
  { key: 'engine', words: ['combustion', 'electric'] },
  { key: 'drivetrain', words: ['fwd', 'rwd', 'awd'] },
  { key: 'transmission', words: ['manual', 'automatic', 'dct', 'automated', 'cvt', 'direct'] },
  { key: 'gears' }, { key: 'powerRpm' }, { key: 'torque' }, { key: 'torqueRpm' }, { key: 'redline' },
  { key: 'frontalArea' },
  { key: 'tires', words: ['street', 'summer', 'track', 'dragRadial', 'slick'] },
  { key: 'surface', words: ['street', 'prepped'] },
];
export const OUTCOME = { notRun: 0, finished: 1, timeLimitReached: 2, invalidInputs: 3 };

export async function loadEngine(wasmUrl) {
  const module = await createTorvane({ locateFile: (file) => (wasmUrl ? new URL(file, wasmUrl).href : file) });
  const api = {
    in: module._tv_in() / 8,
    out: module._tv_out() / 8,
    text: module._tv_text(),
    textSize: module._tv_text_size(),
    bytes: module._tv_bytes(),
    bytesSize: module._tv_bytes_size(),
  };
  const heap = () => module.HEAPF64;
  const encoder = new TextEncoder();

  // A box's text read as the desktop reads it.
  function parseField(index, text) {
    const bytes = encoder.encode(text).subarray(0, api.textSize);
    module.HEAPU8.set(bytes, api.text);
    return module._tv_parse_field(index, bytes.length);
  }

  function putCar(values) {
    const h = heap();
    for (let i = 0; i < 9; ++i) h[api.in + IN.car + i] = values[i];
  }

  // The index of the first failing range test of the nine values; -1 when
  // all pass.
  function checkCar(values) {
    putCar(values);
    return module._tv_check_car();
  }

  function readAir(h, at) {
    const figures = {};
    AIR_KEYS.forEach((key, i) => { figures[key] = h[at + i]; });
    return figures;
  }

  // The day's air: its figures and the first failing box (-1 for none).
  function air(conditions) {
    const h = heap();
    h[api.in] = conditions.temperature;
    h[api.in + 1] = conditions.pressure;
    h[api.in + 2] = conditions.humidity;
    const failing = module._tv_air();
    return { failing, figures: readAir(heap(), api.out + OUT.airFigures) };
  }

  // The station pressure of an altimeter setting at an elevation, with the
  // failing box (3 the setting, 4 the elevation, 5 the station pressure).
  function altimeter(setting, elevation) {
    const h = heap();
    h[api.in] = setting;
    h[api.in + 1] = elevation;
    const failing = module._tv_altimeter();
    return { failing, station: heap()[api.out] };
  }

  // One run: `model` 'classic' or 'road'; roadKeys an array of 11 values
  // (numbers, or word indexes; NaN where left out).
  function run(model, values, conditions, roadKeys, samples = 160) {
    putCar(values);
    let h = heap();
    h[api.in + IN.air] = conditions.temperature;
    h[api.in + IN.air + 1] = conditions.pressure;
    h[api.in + IN.air + 2] = conditions.humidity;
    for (let i = 0; i < 11; ++i) h[api.in + IN.roadKeys + i] = roadKeys ? roadKeys[i] : NaN;
    module._tv_run(model === 'road' ? 1 : 0, samples);
    h = heap();
    const o = api.out;
    const results = {};
    RESULT_KEYS.forEach((key, i) => { results[key] = h[o + OUT.results + i]; });
    const splits = {};
    SPLIT_KEYS.forEach((key, i) => { splits[key] = h[o + OUT.splits + i]; });
    const roadCar = {};
    ROAD_KEYS.forEach(({ key }, i) => { roadCar[key] = h[o + OUT.roadCar + i]; });
    const count = h[o + OUT.pointCount];
    const time = new Float64Array(count);
    const speed = new Float64Array(count);
    const distance = new Float64Array(count);
    for (let i = 0; i < count; ++i) {
      time[i] = h[o + OUT.points + 3 * i];
      speed[i] = h[o + OUT.points + 3 * i + 1];
      distance[i] = h[o + OUT.points + 3 * i + 2];
    }
    const shifts = [];
    const shiftAt = o + OUT.points + 3 * count;
    for (let i = 0; i < h[o + OUT.shiftCount]; ++i) shifts.push({ time: h[shiftAt + 2 * i], speed: h[shiftAt + 2 * i + 1] });
    return {
      model,
      outcome: h[o + OUT.outcome],
      timeLimitReached: h[o + OUT.timeLimit] === 1,
      stopTime: h[o + OUT.stopTime],
      results, splits,
      horsepower: h[o + OUT.horsepower],
      airDensity: h[o + OUT.airDensity],
      air: readAir(h, o + OUT.airFigures),
      roadProblem: { kind: h[o + OUT.roadProblem], field: h[o + OUT.roadProblem + 1] },
      roadCar,
      curve: { time, speed, distance },
      shifts,
    };
  }

  // A car file's bytes scanned as the desktop scans them (numbers/TrvWords):
  // { problem (TrvProblem), words (byte arrays), tail (bytes), tailFirstLine }.
  function scanTrv(fileBytes) {
    const length = Math.min(fileBytes.length, api.bytesSize);
    module.HEAPU8.set(fileBytes.subarray(0, length), api.bytes);
    const problem = module._tv_trv_scan(length);
    const h = heap();
    const count = h[api.out];
    const words = [];
    let at = api.bytes;
    for (let i = 0; i < count; ++i) {
      const size = h[api.out + 2 + i];
      words.push(module.HEAPU8.slice(at, at + size));
      at += size;
    }
    const tail = module.HEAPU8.slice(at, at + h[api.out + 11]);
    return { problem, words, tail, tailFirstLine: h[api.out + 1] };
  }

  // A road key's value text (trimmed) taken as the desktop takes it
  // (numbers/RoadKeyValues): { error (RoadValueError), value }.
  function roadValue(keyIndex, text) {
    const bytes = encoder.encode(text).subarray(0, api.textSize);
    module.HEAPU8.set(bytes, api.text);
    const error = module._tv_road_value(keyIndex, bytes.length);
    return { error, value: heap()[api.out] };
  }

  // The car fitted to its slips (numbers/Fit.h) under `model` ('classic':
  // the horsepower and the spin time; 'road': the power and the launch grip,
  // with its roadKeys as run() takes them), with the validation's errors,
  // the prediction on the day's air and the report card
  // (numbers/ReportSums.h), as web/wasm/PageApi.h lays them out. `slips`
  // hold the CSV columns' numbers (missing ones left out); `datePlaces`
  // gives each slip's place in the order the logbook lists them.
  function fit(model, values, conditions, slips, datePlaces, roadKeys) {
    const base = module._tv_runs(slips.length) / 8;
    let h = heap();
    slips.forEach((slip, i) => {
      const at = base + FIT_RUN.stride * i;
      FIT_RUN.weather.forEach((key, k) => { h[at + k] = slip[key] ?? NaN; });
      SPLIT_KEYS.forEach((key, k) => { h[at + FIT_RUN.splits + k] = slip[key] ?? NaN; });
      h[at + FIT_RUN.datePlace] = datePlaces[i];
      // The day of its date (runs of one date share it), NaN without one.
      const day = slip.date ? Date.parse(`${slip.date.slice(0, 10)}T00:00:00Z`) / 86400000 : NaN;
      h[at + FIT_RUN.day] = Number.isFinite(day) ? day : NaN;
    });
    putCar(values);
    h[api.in + IN.air] = conditions.temperature;
    h[api.in + IN.air + 1] = conditions.pressure;
    h[api.in + IN.air + 2] = conditions.humidity;
    for (let i = 0; i < 11; ++i) h[api.in + IN.roadKeys + i] = roadKeys ? roadKeys[i] : NaN;
    module._tv_fit(model === 'road' ? 1 : 0, slips.length);
    h = heap();
    const o = api.out;
    const at = (k) => h[o + k];
    const orNull = (k) => (Number.isNaN(at(k)) ? null : at(k));
    const error = (i) => {
      const e = o + FIT.errors + 4 * i;
      const b = FIT.errorBands + 3 * i;
      const figure = { runs: h[e], days: at(b) };
      if (orNull(b + 1) === null) return { ...figure, meanAbsolute: h[e + 1], bias: h[e + 2], rootMeanSquare: h[e + 3] };
      return { ...figure, meanAbsolute: h[e + 1], bias: h[e + 2], rootMeanSquare: h[e + 3], band68: at(b + 1),
        band95: at(b + 2) };
    };
    const band = (k) => (orNull(FIT.prediction + k) === null ? null
      : { band68: at(FIT.prediction + k), band95: at(FIT.prediction + k + 5) });
    const runs = [];
    for (let i = 0; i < at(FIT.runCount); ++i) {
      const r = o + FIT.runs + FIT.runStride * i;
      const predicted = {};
      SPLIT_KEYS.forEach((key, k) => { predicted[key] = h[r + 1 + k]; });
      runs.push({ finished: h[r] === 1, predicted });
    }
    const scores = [];
    for (let m = 0; m < METHOD_COUNT; ++m) {
      const s = o + FIT.report + 3 + FIT.reportStride * m;
      scores.push({ runs: h[s], meanAbsoluteError: h[s + 1], bias: h[s + 2],
        speed: { runs: h[s + 3], meanAbsoluteError: h[s + 4], bias: h[s + 5] } });
    }
    const dialIn = { method: at(FIT.dialIn), quarterMileTime: orNull(FIT.dialIn + 1),
      quarterMileSpeed: orNull(FIT.dialIn + 2), timeBand95: orNull(FIT.dialIn + 3), speedBand95: orNull(FIT.dialIn + 4) };
    return {
      outcome: at(FIT.outcome),
      refusedRun: at(FIT.outcome + 1),
      unrunnableField: at(FIT.outcome + 2),
      horsepower: at(FIT.horsepower),
      spinTime: at(FIT.horsepower + 1),
      sumOfSquares: at(FIT.horsepower + 2),
      figures: at(FIT.horsepower + 3),
      spinTimeHeld: at(FIT.spinTimeHeld) === 1,
      fewerShifts: at(FIT.spinTimeHeld + 1),
      horsepowerBound: at(FIT.spinTimeHeld + 2),
      failingRange: at(FIT.spinTimeHeld + 3),
      folds: at(FIT.spinTimeHeld + 4),
      bandGap: at(FIT.spinTimeHeld + 5),
      days: at(FIT.days),
      // The road model's values (numbers/Fit.h's FitResult): horsepower is
      // then the fitted rated power.
      road: at(FIT.model) === 1,
      powerFactor: at(FIT.model + 1),
      wheelHorsepower: at(FIT.model + 2),
      gripFactor: at(FIT.model + 3),
      gripHeld: at(FIT.model + 4) === 1,
      gripBound: at(FIT.model + 5),
      roadProblem: { kind: at(FIT.model + 6), field: at(FIT.model + 7) },
      errors: {
        quarterMileTime: error(0), quarterMileSpeed: error(1), eighthMileTime: error(2), eighthMileSpeed: error(3),
      },
      prediction: {
        gap: at(FIT.prediction),
        failingAir: at(FIT.prediction + 1),
        finished: at(FIT.prediction + 2) === 1,
        quarterMileTime: at(FIT.prediction + 3),
        quarterMileSpeed: at(FIT.prediction + 4),
        eighthMileTime: at(FIT.prediction + 5),
        eighthMileSpeed: at(FIT.prediction + 6),
        bands: {
          quarterMileTime: band(7), quarterMileSpeed: band(8), eighthMileTime: band(9), eighthMileSpeed: band(10),
        },
        banded: at(FIT.prediction + 11) === 1,
      },
      report: { gap: at(FIT.report), best: at(FIT.report + 1), bestAhead: at(FIT.report + 2), scores, dialIn },
      runs,
    };
  }

  return { parseField, checkCar, air, altimeter, run, scanTrv, roadValue, fit, maxTrvBytes: api.bytesSize };
}
