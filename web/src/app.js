// SPDX-License-Identifier: GPL-3.0-or-later
// Torvane on the web: the page's state and its views. The state is one
// object (the cars, the chosen one, the model, the units, the day's air);
// every change runs the cars afresh through the WebAssembly engine and
// redraws the comparison, the curves and What if. No server: files open
// and save in the browser, the logbook lives in IndexedDB, and a service
// worker keeps the page for offline use.
import { loadEngine, FIELDS, ROAD_KEYS, OUTCOME } from './engine.js';
import {
  loadLanguage, tr, arg, rangeTestMessage, elapsedTimeMessage, airMessage, roadProblemMessage, formatPicture,
  currentLocale,
} from './messages.js';
import { CAR_IDENTITY_KEY, decodeTrv, encodeTrv, readRoadKeys, saveRefusal, takeRoadKey, fieldName } from './trv.js';
import {
  Logbook, readSlipsCsv, slipsCsv, slipsFileRefusal, storageMessage, Fitter, fitTexts, COLUMNS, SLIP_FIELDS,
  newRuns, slipProblem, typedNumber,
} from './logbook.js';
import { Curves } from './chart.js';
import { convert, unitLabel } from './units.js';

const DEFAULT_TEXTS = ['345.00', '5.20', '13.61', '3400.00', '0.29', '22.00', '5', '2', '0.75'];
// The labels of the nine boxes, as the garage's car form names them.
const FIELD_LABELS = ['Horsepower', 'Grill area', 'Windshield area', 'Car weight', 'Drag coefficient',
  'Windshield angle', 'Available shifts', 'Quarter mile shifts', 'Spin time'];
const FIELD_UNITS = ['hp', 'ft²', 'ft²', 'lb', '', 'degrees', '', '', 's'];
const ROAD_LABELS = {
  engine: 'Engine', drivetrain: 'Drivetrain', transmission: 'Transmission', gears: 'Gears',
  powerRpm: 'Peak power at (rpm)', torque: 'Peak torque (lb-ft)', torqueRpm: 'Peak torque at (rpm)',
  redline: 'Redline (rpm)', frontalArea: 'Frontal area (ft²)', tires: 'Tires', surface: 'Surface',
};
const STANDARD_DAY = { temperature: '77', pressure: '29.235', humidity: '0', altimeter: '29.92', elevation: '0' };
// The day US road tests correct their figures to (numbers/Air.h: RoadTestDay).
const ROAD_TEST_DAY = { temperature: '60', pressure: '29.92', humidity: '0' };
// The standard day's station pressure, 99 kPa, exactly as the desktop holds
// it (numbers/Air.h: StandardDay::Pressure); the box shows it rounded, and
// typing in the box replaces it.
const standardPressure = () => ({ pressure: 99000 / 3386.389 });
const WHAT_IF = [
  { field: 0, label: 'Horsepower' },
  { field: 3, label: 'Car weight' },
  { field: 4, label: 'Drag coefficient' },
];

// The page's own texts (those the desktop does not have) are in context
// "WebPage"; the shared ones keep the desktop's context.
const t = (text) => tr('WebPage', text);

const state = {
  cars: [],
  selected: 0,
  model: 'road',
  units: 'imperial',
  air: { kind: 'station', ...STANDARD_DAY, exact: standardPressure() },
  whatIf: [1, 1, 1],
  runs: [],
};
let engine = null;
let curves = null;
let logbook = null;
let carCount = 0;

const $ = (id) => document.getElementById(id);

function newCar(texts = DEFAULT_TEXTS, name = null, road = { lines: [], values: new Array(11).fill(NaN) }) {
  carCount += 1;
  return { name: name || (carCount === 1 ? t('Default car') : arg(t('Car %1'), carCount)), texts: [...texts], road };
}

function showStatus(text) {
  $('status').textContent = text;
}

// ---- The numbers of a car --------------------------------------------------

function valuesOf(car) {
  return car.texts.map((text, i) => engine.parseField(i, text));
}

function airConditions() {
  const a = state.air;
  const temperature = engine.parseField(0, a.temperature);
  const humidity = engine.parseField(0, a.humidity);
  if (a.kind === 'altimeter') {
    const alt = engine.altimeter(engine.parseField(0, a.altimeter), engine.parseField(0, a.elevation));
    return { temperature, pressure: alt.station, humidity, altimeterFailing: alt.failing, station: alt.station };
  }
  const pressure = a.exact.pressure ?? engine.parseField(0, a.pressure);
  return { temperature, pressure, humidity, altimeterFailing: -1 };
}

// The day's air, or the message of its first bad box.
function dayAir() {
  const conditions = airConditions();
  if (conditions.altimeterFailing >= 0) return { message: airMessage(conditions.altimeterFailing, conditions.station) };
  const { failing, figures } = engine.air(conditions);
  if (failing >= 0) return { message: airMessage(failing) };
  return { conditions, figures };
}

// One car's run under the chosen model, with its message when it cannot
// run: the classic law's first failing range test, or the road model's
// problem.
function runCar(car, air, scale = [1, 1, 1], samples = 160) {
  const values = valuesOf(car);
  WHAT_IF.forEach(({ field }, k) => { values[field] *= scale[k]; });
  if (state.model === 'classic') {
    const failing = engine.checkCar(values);
    if (failing >= 0) return { message: rangeTestMessage(failing), failing };
  }
  const run = engine.run(state.model, values, air.conditions, car.road.values, samples);
  if (state.model === 'road' && run.roadProblem.kind !== 0) {
    return { message: roadProblemMessage(run.roadProblem.kind, run.roadProblem.field), run };
  }
  if (run.outcome === OUTCOME.timeLimitReached) return { message: elapsedTimeMessage(run.stopTime), run };
  if (run.outcome !== OUTCOME.finished) return { message: t('The car cannot be run.'), run };
  return { run };
}

// ---- Views ------------------------------------------------------------------

function translatePage() {
  for (const element of document.querySelectorAll('[data-t]')) element.textContent = t(element.dataset.t);
  $('car-tabs').setAttribute('aria-label', t('Cars'));
  $('fit-title').textContent = tr('LogbookPage', 'Fit and prediction');
}

function renderTabs() {
  const tabs = $('car-tabs');
  tabs.replaceChildren();
  state.cars.forEach((car, i) => {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.role = 'tab';
    tab.id = `car-tab-${i}`;
    tab.textContent = car.name;
    tab.setAttribute('aria-selected', String(i === state.selected));
    tab.tabIndex = i === state.selected ? 0 : -1;
    tab.addEventListener('click', () => { state.selected = i; renderAll(); });
    tab.addEventListener('keydown', (event) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      state.selected = (state.selected + step + state.cars.length) % state.cars.length;
      renderAll();
      $(`car-tab-${state.selected}`).focus();
    });
    tabs.append(tab);
  });
}

function field(id, labelText, input, unit, messageId) {
  const row = document.createElement('div');
  row.className = 'field';
  const label = document.createElement('label');
  label.htmlFor = id;
  label.textContent = labelText;
  input.id = id;
  input.setAttribute('aria-describedby', messageId);
  const unitSpan = document.createElement('span');
  unitSpan.className = 'unit';
  unitSpan.textContent = unit || '';
  const message = document.createElement('p');
  message.className = 'message';
  message.id = messageId;
  message.setAttribute('aria-live', 'polite');
  // A choice without a unit takes the unit's room too, so that its longest
  // word ("typical (combustion)") shows whole.
  if (input.tagName === 'SELECT' && !unit) {
    input.classList.add('wide');
    row.append(label, input, message);
  } else {
    row.append(label, input, unitSpan, message);
  }
  return row;
}

function renderCarForm() {
  const form = $('car-form');
  form.replaceChildren();
  const car = state.cars[state.selected];
  if (!car) return;
  const name = document.createElement('input');
  name.value = car.name;
  name.addEventListener('input', () => { car.name = name.value; renderTabs(); update(); });
  form.append(field('car-name', t('Name'), name, '', 'car-name-message'));
  const classic = document.createElement('fieldset');
  const legend = document.createElement('legend');
  legend.textContent = t('The nine inputs');
  classic.append(legend);
  FIELDS.forEach((key, i) => {
    const input = document.createElement('input');
    input.inputMode = i === 6 || i === 7 ? 'numeric' : 'decimal';
    input.value = car.texts[i];
    input.name = key;
    input.addEventListener('input', () => { car.texts[i] = input.value; update(); });
    classic.append(field(`input-${key}`, tr('GarageFields', FIELD_LABELS[i]), input,
      FIELD_UNITS[i] === 'degrees' ? tr('GarageFields', 'degrees') : FIELD_UNITS[i], `message-${key}`));
  });
  form.append(classic);
  const road = document.createElement('fieldset');
  road.className = 'road-fields';
  const roadLegend = document.createElement('legend');
  roadLegend.textContent = t('Road model');
  road.append(roadLegend);
  ROAD_KEYS.forEach(({ key, words }, i) => {
    let input;
    // A key given twice counts by its last line, as the desktop reads it.
    const current = car.road.lines.findLast((l) => l.key === key);
    if (words) {
      input = document.createElement('select');
      const typical = document.createElement('option');
      typical.value = '';
      typical.textContent = t('typical');
      input.append(typical);
      for (const word of words) {
        const option = document.createElement('option');
        option.value = word;
        option.textContent = word;
        input.append(option);
      }
      input.value = current ? current.value : '';
      input.addEventListener('change', () => setRoadKey(car, key, i, input.value));
    } else {
      input = document.createElement('input');
      input.inputMode = 'decimal';
      input.value = current ? current.value : '';
      input.addEventListener('input', () => setRoadKey(car, key, i, input.value));
    }
    input.name = key;
    road.append(field(`road-${key}`, t(ROAD_LABELS[key]), input, '', `message-road-${key}`));
  });
  form.append(road);
}

// Sets a road key from its box: a new line at the end or the key's own line
// rewritten, removed for an empty text (RoadKeys::Set); a bad value keeps
// the key's last good value and shows its message.
function setRoadKey(car, key, index, text) {
  const message = $(`message-road-${key}`);
  const value = text.trim();
  if (!value) {
    car.road.lines = car.road.lines.filter((l) => l.key !== key);
    car.road.values[index] = NaN;
    message.textContent = '';
  } else {
    const taken = takeRoadKey(engine, key, value);
    if (taken.error) {
      message.textContent = taken.error;
      return;
    }
    message.textContent = '';
    car.road.values[index] = taken.value;
    const at = car.road.lines.findIndex((l) => l.key === key);
    const lines = car.road.lines.filter((l) => l.key !== key);
    lines.splice(at < 0 ? lines.length : at, 0, { key, value });
    car.road.lines = lines;
  }
  update();
}

function renderAirForm() {
  const form = $('air-form');
  form.replaceChildren();
  const a = state.air;
  const number = (key, label, unit) => {
    const input = document.createElement('input');
    input.inputMode = 'decimal';
    input.value = a[key];
    input.name = key;
    input.addEventListener('input', () => { a[key] = input.value; delete a.exact[key]; update(); });
    return field(`air-${key}`, label, input, unit, `message-air-${key}`);
  };
  form.append(number('temperature', tr('ConditionsBox', 'Temperature'), '°F'));
  const kind = document.createElement('select');
  for (const [value, text] of [['station', 'station pressure'], ['altimeter', 'altimeter setting']]) {
    const option = document.createElement('option');
    option.value = value;
    option.textContent = tr('ConditionsBox', text);
    kind.append(option);
  }
  kind.value = a.kind;
  kind.addEventListener('change', () => {
    // The shown value is converted, not reset (as the garage does).
    const conditions = airConditions();
    if (kind.value === 'altimeter' && a.kind === 'station') a.altimeter = a.pressure;
    if (kind.value === 'station' && a.kind === 'altimeter' && conditions.altimeterFailing < 0) {
      a.pressure = conditions.pressure.toFixed(3);
      a.exact = { pressure: conditions.pressure };
    }
    a.kind = kind.value;
    renderAirForm();
    update();
  });
  form.append(field('air-kind', tr('ConditionsBox', 'Pressure given as'), kind, '', 'message-air-kind'));
  if (a.kind === 'altimeter') {
    form.append(number('altimeter', tr('ConditionsBox', 'altimeter setting'), 'inHg'));
    form.append(number('elevation', tr('ConditionsBox', 'Track elevation'), 'ft'));
  } else {
    form.append(number('pressure', tr('ConditionsBox', 'station pressure'), 'inHg'));
  }
  form.append(number('humidity', tr('ConditionsBox', 'Relative humidity'), '%'));
  const dayButton = (id, text, title, day) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = id;
    button.textContent = text;
    button.title = title;
    button.addEventListener('click', () => {
      Object.assign(state.air, { kind: 'station' }, day);
      renderAirForm();
      update();
    });
    form.append(button);
  };
  dayButton('standard-day', tr('ConditionsBox', 'Standard day'),
    tr('ConditionsBox', "25 °C (77 °F), dry air at 99 kPa (29.235 inHg): the day the classic program's results are for (SAE J1349)"),
    { ...STANDARD_DAY, exact: standardPressure() });
  dayButton('road-test-day', tr('ConditionsBox', 'Road-test day'),
    tr('ConditionsBox', "15.6 °C (60 °F), dry air at 29.92 inHg: the day US road tests correct their figures to, and the road model's day in torvane-run"),
    { ...STANDARD_DAY, ...ROAD_TEST_DAY, exact: {} });
}

function showFieldMessages(failing, message) {
  FIELDS.forEach((key, i) => {
    const element = $(`message-${key}`);
    if (element) element.textContent = i === failing ? message : '';
  });
}

const ROWS = [
  ['ComparisonModel', 'Quarter mile elapsed time', (r) => r.results.quarterMileTime, 's'],
  ['ComparisonModel', 'Quarter mile speed', (r) => r.results.quarterMileSpeed, 'speed'],
  ['ComparisonModel', '60 ft time', (r) => r.splits.sixtyFootTime, 's'],
  ['ComparisonModel', '330 ft time', (r) => r.splits.threeThirtyFootTime, 's'],
  ['ComparisonModel', '1/8 mile elapsed time', (r) => r.splits.eighthMileTime, 's'],
  ['ComparisonModel', '1/8 mile speed', (r) => r.splits.eighthMileSpeed, 'speed'],
  ['ComparisonModel', '1000 ft time', (r) => r.splits.thousandFootTime, 's'],
  ['ComparisonModel', '0-60 mph time', (r) => r.results.zeroToSixtyTime, 's'],
  ['ComparisonModel', '0-100 mph time', (r) => r.results.zeroToHundredTime, 's'],
  ['ComparisonModel', 'Top speed', (r) => r.results.topSpeed, 'speed'],
  ['ComparisonModel', 'Top speed time', (r) => r.results.topSpeedTime, 's'],
  ['ComparisonModel', 'Horsepower on the day', (r) => r.horsepower, 'power'],
];

function shown(value, kind) {
  if (kind === 's') return formatPicture(value);
  return formatPicture(convert(state.units, kind, value));
}

function unitOf(kind) {
  return kind === 's' ? tr('Units', 's') : tr('Units', unitLabel(state.units, kind));
}

function renderComparison(outcomes) {
  const table = $('compare');
  table.replaceChildren();
  const caption = document.createElement('caption');
  caption.textContent = state.model === 'road' ? t('Road model') : t('Classic law');
  table.append(caption);
  const head = document.createElement('tr');
  const corner = document.createElement('th');
  corner.scope = 'col';
  corner.textContent = tr('ComparisonModel', 'Figure');
  head.append(corner);
  state.cars.forEach((car) => {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = car.name;
    head.append(th);
  });
  const unitHead = document.createElement('th');
  unitHead.scope = 'col';
  unitHead.textContent = tr('ComparisonModel', 'Unit');
  head.append(unitHead);
  table.append(head);
  for (const [context, label, value, kind] of ROWS) {
    const tr_ = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = tr(context, label);
    tr_.append(th);
    outcomes.forEach((outcome, i) => {
      const td = document.createElement('td');
      td.dataset.car = String(i);
      td.dataset.figure = label;
      td.textContent = outcome.run && !outcome.message ? shown(value(outcome.run), kind) : '—';
      tr_.append(td);
    });
    const unit = document.createElement('td');
    unit.textContent = unitOf(kind);
    tr_.append(unit);
    table.append(tr_);
  }
  const messages = document.createElement('tr');
  const th = document.createElement('th');
  th.scope = 'row';
  th.textContent = t('Message');
  messages.append(th);
  outcomes.forEach((outcome) => {
    const td = document.createElement('td');
    td.className = 'message';
    td.textContent = outcome.message || '';
    messages.append(td);
  });
  messages.append(document.createElement('td'));
  if (outcomes.some((o) => o.message)) table.append(messages);
}

function renderWhatIf() {
  const box = $('whatif');
  box.replaceChildren();
  const car = state.cars[state.selected];
  if (!car) return;
  const intro = document.createElement('p');
  intro.className = 'hint';
  intro.textContent = arg(t('Change %1 by a share of its value; the curves show the variant dashed.'), car.name);
  box.append(intro);
  WHAT_IF.forEach(({ field: index, label }, k) => {
    const row = document.createElement('div');
    row.className = 'slider';
    const id = `whatif-${FIELDS[index]}`;
    const labelElement = document.createElement('label');
    labelElement.htmlFor = id;
    labelElement.textContent = tr('GarageFields', label);
    const slider = document.createElement('input');
    slider.type = 'range';
    slider.id = id;
    slider.min = '-30';
    slider.max = '30';
    slider.step = '1';
    slider.value = String(Math.round((state.whatIf[k] - 1) * 100));
    const output = document.createElement('output');
    output.htmlFor = id;
    output.id = `${id}-value`;
    const show = () => { output.textContent = `${slider.value > 0 ? '+' : ''}${slider.value} %`; };
    show();
    slider.addEventListener('input', () => {
      state.whatIf[k] = 1 + Number(slider.value) / 100;
      show();
      updateWhatIf();
    });
    row.append(labelElement, slider, output);
    box.append(row);
  });
  const result = document.createElement('p');
  result.id = 'whatif-result';
  result.className = 'figures';
  result.setAttribute('aria-live', 'polite');
  box.append(result);
  const reset = document.createElement('button');
  reset.type = 'button';
  reset.textContent = tr('WhatIfPage', 'Reset to the base car');
  reset.addEventListener('click', () => { state.whatIf = [1, 1, 1]; renderWhatIf(); updateWhatIf(); });
  box.append(reset);
}

let lastAir = null;

// What if: the chosen car's variant, its figures beside the base car's, and
// the curves redrawn with it.
function updateWhatIf() {
  const car = state.cars[state.selected];
  const result = $('whatif-result');
  if (!car || !lastAir || !lastAir.conditions) return;
  const base = state.runs[state.selected];
  const variant = runCar(car, lastAir, state.whatIf);
  if (result) {
    if (variant.message) {
      result.textContent = variant.message;
    } else if (base && base.run && !base.message) {
      const et = variant.run.results.quarterMileTime;
      const mph = variant.run.results.quarterMileSpeed;
      const delta = et - base.run.results.quarterMileTime;
      result.textContent = arg(t('Variant: %1 s (%2 s), %3 %4 at the quarter mile.'), formatPicture(et),
        `${delta >= 0 ? '+' : '−'}${formatPicture(Math.abs(delta)).replace(/^(?=[.,])/, '0')}`, shown(mph, 'speed'), unitOf('speed'));
    }
  }
  drawCurves(variant.message ? null : variant.run);
}

function drawCurves(variant) {
  const series = state.runs.map((outcome, i) => ({
    name: state.cars[i].name,
    run: outcome.run && !outcome.message ? outcome.run : null,
  }));
  if (variant && state.whatIf.some((s) => s !== 1)) {
    series.push({ name: arg(t('%1 (what if)'), state.cars[state.selected].name), run: variant, dashed: true, base: state.selected });
  }
  curves.draw(series, state.units);
}

function renderAirFigures(air) {
  const figures = $('air-figures');
  for (const key of ['temperature', 'pressure', 'altimeter', 'elevation', 'humidity']) {
    const element = $(`message-air-${key}`);
    if (element) element.textContent = '';
  }
  if (air.message) {
    figures.textContent = air.message;
    figures.classList.add('message');
    return;
  }
  figures.classList.remove('message');
  const f = air.figures;
  let text = arg(tr('ConditionsBox', 'density altitude %1 %2 · air %3 % as dense as on the standard day · correction factor %4 (SAE J1349), %5 (SAE J607)'),
    Math.round(convert(state.units, 'altitude', f.densityAltitude)).toLocaleString(currentLocale() === 'de' ? 'de-DE' : 'en-US'),
    tr('Units', unitLabel(state.units, 'altitude')), formatPicture(f.relativeAirDensity * 100),
    f.correctionFactor.toFixed(4), f.j607Factor.toFixed(4));
  if (state.air.kind === 'altimeter') {
    text += arg(tr('ConditionsBox', ' · station pressure %1 %2'), air.conditions.pressure.toFixed(3), tr('Units', 'inHg'));
  }
  figures.textContent = text;
}

function update() {
  const air = dayAir();
  lastAir = air;
  renderAirFigures(air);
  if (air.message) {
    state.runs = state.cars.map(() => ({ message: air.message }));
  } else {
    state.runs = state.cars.map((car) => runCar(car, air));
  }
  const chosen = state.runs[state.selected];
  showFieldMessages(chosen ? chosen.failing : -1, chosen ? chosen.message : '');
  renderComparison(state.runs);
  updateWhatIf();
  updatePlaceholders();
  writeFragment();
  if (logbook && logbook.db) renderFit();
}

// A road field left empty shows the typical value the model takes.
function updatePlaceholders() {
  const outcome = state.runs[state.selected];
  const run = outcome && outcome.run;
  ROAD_KEYS.forEach(({ key, words }) => {
    const input = $(`road-${key}`);
    if (!input) return;
    const value = run && state.model === 'road' ? run.roadCar[key] : NaN;
    if (words) {
      input.options[0].textContent = Number.isNaN(value) ? t('typical') : arg(t('typical (%1)'), words[value]);
    } else {
      input.placeholder = Number.isNaN(value) ? '' : String(Math.round(value * 100) / 100);
    }
  });
}

function renderAll() {
  renderTabs();
  renderCarForm();
  renderWhatIf();
  update();
}

// ---- Files ------------------------------------------------------------------

async function openFiles(files) {
  const messages = [];
  for (const file of files) {
    // No more than a reader of car files reads (TrvMaxScannedBytes and the
    // byte after them).
    const bytes = new Uint8Array(await file.slice(0, engine.maxTrvBytes).arrayBuffer());
    const words = decodeTrv(engine, bytes, file.name);
    if (words.error) { messages.push(words.error); continue; }
    const keys = readRoadKeys(engine, words.tail, words.tailFirstLine, file.name);
    if (keys.error) { messages.push(keys.error); continue; }
    state.cars.push(newCar(words.texts, file.name.replace(/\.trv$/i, ''), { lines: keys.lines, values: keys.values }));
    state.selected = state.cars.length - 1;
    messages.push(arg(tr('GarageWindow', 'Opened %1'), file.name));
  }
  showStatus(messages.join(' '));
  renderAll();
}

function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

function saveCar() {
  const car = state.cars[state.selected];
  const refusal = saveRefusal(car.texts);
  if (refusal) { showStatus(refusal); return; }
  const name = `${car.name.replace(/[\\/:*?"<>|]/g, '_') || 'car'}.trv`;
  download(name, encodeTrv(car.texts, car.road.lines), 'application/octet-stream');
  showStatus(arg(tr('GarageWindow', 'Saved %1.'), name));
}

// ---- The car as a link --------------------------------------------------------

function fragmentOf(car) {
  const params = new URLSearchParams();
  params.set('model', state.model);
  params.set('name', car.name);
  FIELDS.forEach((key, i) => params.set(key, car.texts[i]));
  // A shared link carries the car's description, not its logbook identity.
  for (const line of car.road.lines) if (line.key !== CAR_IDENTITY_KEY) params.set(line.key, line.value);
  return params.toString();
}

function writeFragment() {
  const car = state.cars[state.selected];
  if (!car) return;
  history.replaceState(null, '', `#${fragmentOf(car)}`);
}

// The car of a link: the model, and any of the nine values and road keys
// it names; the rest are the default car's.
function readFragment() {
  const params = new URLSearchParams(location.hash.slice(1));
  const model = params.get('model');
  if (model === 'classic' || model === 'road') state.model = model;
  const texts = FIELDS.map((key, i) => (params.has(key) ? params.get(key) : DEFAULT_TEXTS[i]));
  const road = { lines: [], values: new Array(11).fill(NaN) };
  ROAD_KEYS.forEach(({ key }, i) => {
    if (!params.has(key)) return;
    const taken = takeRoadKey(engine, key, params.get(key));
    if (taken.error) return;
    road.values[i] = taken.value;
    road.lines.push({ key, value: params.get(key).trim() });
  });
  return newCar(texts, params.get('name'), road);
}

async function shareCar() {
  const url = `${location.origin}${location.pathname}#${fragmentOf(state.cars[state.selected])}`;
  try {
    await navigator.clipboard.writeText(url);
    showStatus(t('The link to the car is copied.'));
  } catch {
    showStatus(url);
  }
}

// ---- The logbook --------------------------------------------------------------

const SLIP_DECIMALS = { sixtyFootTime: 3, eighthMileTime: 3, quarterMileTime: 3, quarterMileSpeed: 2 };

async function renderSlips() {
  const table = $('slips');
  table.replaceChildren();
  let slips = [];
  try {
    slips = await logbook.slips();
  } catch (error) {
    $('logbook-status').textContent = storageMessage(error);
  }
  const shownColumns = ['date', 'track', 'sixtyFootTime', 'eighthMileTime', 'quarterMileTime', 'quarterMileSpeed'];
  const headers = { date: 'Date', track: 'Track', sixtyFootTime: '60 ft (s)', eighthMileTime: '1/8 mile (s)',
    quarterMileTime: '1/4 mile (s)', quarterMileSpeed: '1/4 mile (mph)' };
  const head = document.createElement('tr');
  for (const key of shownColumns) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = tr('SlipTableModel', headers[key]);
    if (!(key in SLIP_DECIMALS)) th.className = 'text';
    head.append(th);
  }
  head.append(document.createElement('th'));
  table.append(head);
  for (const slip of slips) {
    const row = document.createElement('tr');
    for (const key of shownColumns) {
      const td = document.createElement('td');
      const value = slip[key];
      // Numbers with the desktop table's decimals (SlipFieldDecimals).
      td.textContent = value === undefined ? '' : key in SLIP_DECIMALS ? value.toFixed(SLIP_DECIMALS[key]) : String(value);
      if (!(key in SLIP_DECIMALS)) td.className = 'text';
      row.append(td);
    }
    // Deleting a slip is one transaction: it goes, or stays whole.
    const cell = document.createElement('td');
    const remove = document.createElement('button');
    remove.type = 'button';
    remove.textContent = tr('LogbookPage', 'Delete run');
    remove.setAttribute('aria-label', `${tr('LogbookPage', 'Delete run')} ${slip.date || ''} ${slip.quarterMileTime ?? slip.eighthMileTime ?? ''}`.trim());
    remove.addEventListener('click', async () => {
      try {
        await logbook.remove(slip.id);
      } catch (error) {
        $('logbook-status').textContent = storageMessage(error);
        return;
      }
      await renderSlips();
      $('import-csv').focus();
    });
    cell.append(remove);
    row.append(cell);
    table.append(row);
  }
  table.dataset.count = String(slips.length);
  storedSlips = slips;
  renderFit();
  return slips;
}

// The chosen car fitted to the stored slips, its next run predicted on the
// day's air, and the report card; worked out again (on the fit's worker)
// only when the car, the slips or the air change.
let storedSlips = [];
let fitKey = '';
let fitter = null;
function renderFit() {
  const box = $('fit');
  const car = state.cars[state.selected];
  if (!box || !car || !lastAir) return;
  const values = valuesOf(car);
  const conditions = lastAir.conditions || { temperature: 77, pressure: 99000 / 3386.389, humidity: 0 };
  const air = lastAir;
  // The road model fits the car with its road keys; a change of model fits again.
  const fitted = { model: state.model, values, roadKeys: [...car.road.values] };
  const key = JSON.stringify([fitted, conditions, air.message || '', storedSlips.map((s) => s.id), currentLocale()]);
  if (key === fitKey) return;
  fitKey = key;
  const text = $('fit-text');
  const prediction = $('prediction');
  const card = $('report-card');
  for (const name of ['model', 'horsepower', 'spinTime', 'wheelHorsepower', 'launchGrip', 'runs', 'errors']) {
    delete box.dataset[name];
  }
  if (!storedSlips.length) {
    fitter.drop();
    text.textContent = '';
    prediction.textContent = '';
    card.replaceChildren();
    box.dataset.outcome = 'none';
    return;
  }
  const count = storedSlips.length;
  box.dataset.outcome = 'pending';
  text.textContent = arg(tr('LogbookPage', 'Fitting the car to the runs (%1)…'), count.toLocaleString(currentLocale()));
  fitter.fit(fitted, storedSlips, conditions).then((fit) => {
    if (fit) showFit(fit, count, values[7], air);
  });
}

function showFit(fit, count, shifts, air) {
  const box = $('fit');
  const card = $('report-card');
  card.replaceChildren();
  const texts = fitTexts(fit, count, shifts, air);
  $('fit-text').textContent = texts.fit.join('\n');
  $('prediction').textContent = texts.prediction;
  // The fit's doubles as they are, for a reader that compares them.
  if (fit.outcome === 0) {
    box.dataset.model = fit.road ? 'road' : 'classic';
    box.dataset.horsepower = String(fit.horsepower);
    if (fit.road) {
      box.dataset.wheelHorsepower = String(fit.wheelHorsepower);
      box.dataset.launchGrip = String(fit.gripFactor);
    } else {
      box.dataset.spinTime = String(fit.spinTime);
    }
    box.dataset.runs = JSON.stringify(fit.runs.map((r) => [r.predicted.quarterMileTime, r.predicted.quarterMileSpeed]));
    box.dataset.errors = JSON.stringify(fit.errors);
  }
  box.dataset.outcome = String(fit.outcome);
  const caption = document.createElement('caption');
  caption.textContent = tr('LogbookPage', 'Report card');
  card.append(caption);
  if (texts.report.message) {
    const row = document.createElement('tr');
    const td = document.createElement('td');
    td.className = 'message';
    td.textContent = texts.report.message;
    row.append(td);
    card.append(row);
    return;
  }
  const head = document.createElement('tr');
  for (const label of ['Way of predicting', 'Model', 'Mean error (s)', 'Bias (s)', 'Mean error (mph)', 'Bias (mph)']) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = tr('LogbookPage', label);
    head.append(th);
  }
  card.append(head);
  for (const row of texts.report.rows) {
    const tr_ = document.createElement('tr');
    if (row.best) tr_.className = 'best';
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = row.name;
    tr_.append(th);
    for (const value of [row.model, row.error, row.bias, row.speedError, row.speedBias]) {
      const td = document.createElement('td');
      td.textContent = value;
      tr_.append(td);
    }
    card.append(tr_);
  }
}

// The dates that read two ways are asked about once an import: OK reads
// them month first (US), Cancel day first.
async function importCsv(file) {
  const status = $('logbook-status');
  const refusal = slipsFileRefusal(file.name, file.size);
  if (refusal) { status.textContent = refusal; return; }
  const text = await file.text();
  const options = { engine, language: navigator.language || 'en-US' };
  let read = readSlipsCsv(text, file.name, options);
  if (read.ambiguousDate) {
    const monthFirst = window.confirm(arg(t('The sheet\'s dates read two ways: is %1 month first (US)? OK reads '
      + 'them month first, Cancel day first.'), read.ambiguousDate));
    read = readSlipsCsv(text, file.name, { ...options, dateOrder: monthFirst ? 'monthFirst' : 'dayFirst' });
  }
  if (read.error) { status.textContent = read.error; return; }
  // A run the logbook holds already is not taken twice.
  let fresh;
  try {
    fresh = newRuns(read.slips, await logbook.slips());
    await logbook.add(fresh);
  } catch (error) {
    status.textContent = storageMessage(error);
    return;
  }
  const page = (source) => tr('LogbookPage', source);
  let summary = arg(page('Runs imported from %1: %2.'), file.name, fresh.length);
  const skipped = read.slips.length - fresh.length;
  if (skipped > 0) summary += ` ${arg(page('Runs skipped as already in the logbook: %1.'), skipped)}`;
  if (read.refusals.length) summary += ` ${page('These rows were refused:')}`;
  status.textContent = [summary, ...read.refusals, ...read.warnings].join('\n');
  await renderSlips();
}

// A run typed from its slip: dated now, on the day's air, with no figure
// of the strip until typed; kept only when it passes the import's check.
function openNewRun() {
  const form = $('new-run-form');
  const now = new Date();
  const pad = (n) => String(n).padStart(2, '0');
  form.elements.date.value = `${now.getFullYear()}-${pad(now.getMonth() + 1)}-${pad(now.getDate())}T`
    + `${pad(now.getHours())}:${pad(now.getMinutes())}`;
  for (const { key } of SLIP_FIELDS) if (key !== 'date') form.elements[key].value = '';
  // The day's air as the page shows it; a value left as shown keeps the
  // exact figure (a converted pressure has more decimals than it shows).
  const air = lastAir && !lastAir.message ? lastAir.conditions : null;
  newRunAir = {};
  if (air) {
    for (const [key, decimals] of [['temperature', 1], ['pressure', 2], ['humidity', 0]]) {
      const shown = air[key].toLocaleString(currentLocale() === 'de' ? 'de-DE' : 'en-US',
        { maximumFractionDigits: decimals, useGrouping: false });
      form.elements[key].value = shown;
      newRunAir[key] = { shown, value: air[key] };
    }
    if (state.air.kind === 'altimeter') form.elements.elevation.value = state.air.elevation;
  }
  $('new-run-message').textContent = '';
  $('new-run').showModal();
  form.elements.track.focus();
}
let newRunAir = {};

// The run typed, or why it cannot be kept.
function typedRun() {
  const form = $('new-run-form');
  const slip = {};
  const date = /^(\d{4}-\d{2}-\d{2})T(\d{2}:\d{2})/.exec(form.elements.date.value);
  if (date) slip.date = `${date[1]} ${date[2]}`;
  for (const { key, low } of SLIP_FIELDS) {
    if (key === 'date') continue;
    const text = form.elements[key].value;
    if (low === undefined) {
      if (text.trim()) slip[key] = key === 'track' ? text.trim() : text;
      continue;
    }
    if (newRunAir[key] && text === newRunAir[key].shown) {
      slip[key] = newRunAir[key].value;
      continue;
    }
    const typed = typedNumber(text, key);
    if (typed.problem) return { problem: typed.problem };
    if (typed.value !== undefined) slip[key] = typed.value;
  }
  const problem = slipProblem(slip, true);
  return problem ? { problem } : { slip };
}

async function saveNewRun(event) {
  event.preventDefault();
  const { slip, problem } = typedRun();
  const message = $('new-run-message');
  if (problem) {
    message.textContent = arg(tr('NewRunDialog', 'The run was not saved: %1'), problem);
    return;
  }
  try {
    await logbook.add([slip]);
  } catch (error) {
    message.textContent = storageMessage(error);
    return;
  }
  $('new-run').close();
  await renderSlips();
  $('add-run').focus();
}

// The new run's form: a box for each field of a slip, by the runs table's
// headers.
function renderNewRunForm() {
  const form = $('new-run-form');
  $('new-run-title').textContent = tr('NewRunDialog', 'Add a Run');
  $('new-run-intro').textContent = tr('NewRunDialog', 'Type the figures of the time slip; a run needs its time and '
    + 'speed at the quarter mile or at the eighth mile.');
  const fields = $('new-run-fields');
  fields.replaceChildren();
  for (const { key, header, low } of SLIP_FIELDS) {
    const label = document.createElement('label');
    const name = document.createElement('span');
    name.textContent = key === 'date' ? tr('NewRunDialog', 'Date and time of the run') : tr('SlipTableModel', header);
    const input = document.createElement('input');
    input.name = key;
    input.id = `new-run-${key}`;
    if (key === 'date') input.type = 'datetime-local';
    if (low !== undefined) input.inputMode = 'decimal';
    label.append(name, input);
    fields.append(label);
  }
  form.addEventListener('submit', saveNewRun);
  $('new-run-cancel').addEventListener('click', () => $('new-run').close());
}

async function exportCsv() {
  const slips = await logbook.slips();
  download('runs.csv', slipsCsv(slips.map((s) => Object.fromEntries(COLUMNS.map((c) => [c, s[c]])))), 'text/csv');
  $('logbook-status').textContent = arg(tr('LogbookPage', 'Runs written to %1: %2.'), 'runs.csv', slips.length);
}

// ---- Start ------------------------------------------------------------------

async function start() {
  const base = new URL('.', document.baseURI);
  await loadLanguage(navigator.language || 'en', base.href.replace(/\/$/, ''));
  translatePage();
  engine = await loadEngine(new URL('wasm/', base).href);
  window.torvane.engine = engine;
  fitter = new Fitter(engine, new URL('wasm/', base).href);
  curves = new Curves($('speed-chart'), $('distance-chart'), t);
  // The units chosen last, where the browser keeps them (it may not: a
  // private window, a full store); the page works without.
  try {
    state.units = localStorage.getItem('torvane.units') || 'imperial';
  } catch {
    state.units = 'imperial';
  }
  $('units').value = state.units;
  state.cars.push(readFragment());
  $('model').value = state.model;
  $('model').addEventListener('change', () => { state.model = $('model').value; update(); });
  $('units').addEventListener('change', () => {
    state.units = $('units').value;
    try {
      localStorage.setItem('torvane.units', state.units);
    } catch {
      // Not kept for the next visit; this one has them.
    }
    update();
  });
  $('new-car').addEventListener('click', () => {
    state.cars.push(newCar());
    state.selected = state.cars.length - 1;
    renderAll();
    $('input-horsepower').focus();
  });
  $('remove-car').addEventListener('click', () => {
    if (state.cars.length <= 1) return;
    state.cars.splice(state.selected, 1);
    state.selected = Math.max(0, state.selected - 1);
    renderAll();
  });
  $('open-file').addEventListener('change', (event) => openFiles([...event.target.files]).then(() => { event.target.value = ''; }));
  $('save-car').addEventListener('click', saveCar);
  $('share-car').addEventListener('click', shareCar);
  document.addEventListener('dragover', (event) => { event.preventDefault(); });
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const files = [...event.dataTransfer.files];
    if (files.length) openFiles(files);
  });
  renderAirForm();
  renderAll();
  document.body.dataset.ready = 'true';
  logbook = new Logbook();
  try {
    await logbook.open();
    await renderSlips();
  } catch (error) {
    $('logbook-status').textContent = storageMessage(error);
  }
  $('import-csv').addEventListener('change', (event) => importCsv(event.target.files[0]).then(() => { event.target.value = ''; }));
  $('export-csv').addEventListener('click', exportCsv);
  renderNewRunForm();
  $('add-run').addEventListener('click', openNewRun);
  document.body.dataset.logbook = 'true';
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

window.torvane = { state, fieldName };
start().catch((error) => { showStatus(String(error)); });
