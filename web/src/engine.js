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

  return { parseField, checkCar, air, altimeter, run, scanTrv, roadValue };
}
