// SPDX-License-Identifier: GPL-3.0-or-later
// The page's texts: the desktop's own messages (core/InputChecks.cpp,
// core/Air.cpp, core/RoadKeys.cpp, core/VehicleFile.cpp, logbook/SlipsCsv.cpp)
// built from the codes the numbers return, in English or, from the desktop's
// translations (translations/torvane_de.ts, made into i18n/de.json when the
// page is built), in German.
let catalog = {};
let locale = 'en';

export async function loadLanguage(language, base = '.') {
  locale = language.startsWith('de') ? 'de' : 'en';
  catalog = {};
  if (locale === 'de') {
    const response = await fetch(`${base}/i18n/de.json`);
    if (response.ok) catalog = await response.json();
  }
  document.documentElement.lang = locale;
  return locale;
}

export function currentLocale() {
  return locale;
}

// A text of the desktop's context `context`, translated.
export function tr(context, source) {
  return catalog[`${context}\u0004${source}`] || source;
}

// Qt's QString::arg: the lowest-numbered %N (or %LN, a number in the
// user's locale) takes the argument.
export function arg(text, ...values) {
  let result = text;
  for (const value of values) {
    const numbers = [...result.matchAll(/%L?(\d+)/g)].map((m) => Number(m[1]));
    if (!numbers.length) break;
    const lowest = Math.min(...numbers);
    result = result.replace(new RegExp(`%(L?)${lowest}(?!\\d)`, 'g'), (_, localized) =>
      localized && typeof value === 'number' ? value.toLocaleString(locale === 'de' ? 'de-DE' : 'en-US') : String(value));
  }
  return result;
}

// C's "%*.*f": right-justified to `width`, "." as the decimal point.
export function formatFixed(value, width, precision) {
  return value.toFixed(precision).padStart(width, ' ');
}

// The desktop's picture format "###,###.#0": two decimals rounded half away
// from zero after taking the value to 18 significant digits, no digit
// before the separator when the integer part is 0, thousands grouped.
export function formatPicture(value) {
  if (Number.isNaN(value)) return 'NAN';
  if (!Number.isFinite(value)) return value < 0 ? '-INF' : 'INF';
  const negative = value < 0;
  const [mantissa, exponentText] = Math.abs(value).toPrecision(18).split('e');
  let digits = mantissa.replace('.', '');
  let point = mantissa.indexOf('.') < 0 ? mantissa.length : mantissa.indexOf('.');
  point += Number(exponentText || 0);
  if (point < 0) { digits = '0'.repeat(-point) + digits; point = 0; }
  digits = digits.padEnd(point + 3, '0');
  let whole = BigInt(digits.slice(0, point + 2) || '0');
  if (Number(digits[point + 2]) >= 5) whole += 1n;
  const text = whole.toString().padStart(3, '0');
  const integer = text.slice(0, -2).replace(/^0+/, '');
  const fraction = text.slice(-2);
  const separators = locale === 'de' ? { decimal: ',', group: '.' } : { decimal: '.', group: ',' };
  const grouped = integer.replace(/\B(?=(\d{3})+(?!\d))/g, separators.group);
  const shown = `${grouped}${separators.decimal}${fraction}`;
  return negative && whole !== 0n ? `-${shown}` : shown;
}

// The nine range tests' messages, in the order of the tests (numbers/Checks).
const RANGE_MESSAGES = [
  ['The horsepower must be between %1 and %2', 100, 1500, 6, 2],
  ['The grill area must be between %1 and %2', 2, 20, 6, 2],
  ['The windshield area must be between %1 and %2', 2, 20, 6, 2],
  ['The car weight must be between %1 and %2', 1000, 4500, 6, 2],
  ['The drag coefficient must be between %1 and %2', 0.2, 0.4, 6, 2],
  ['The windshield angle must be between %1 and %2', 20, 45, 6, 2],
  ['The number of available shifts must be between %1 and %2', 1, 5, 0, 0],
  ['The number of quarter mile shifts must be between 1 and available shifts - 1.'],
  ['The spin time must be between %1 and %2', 0.75, 3.0, 4, 2],
];

export function rangeTestMessage(index) {
  const [text, low, high, width, precision] = RANGE_MESSAGES[index];
  const translated = tr('InputChecks', text);
  if (low === undefined) return translated;
  if (index === 6) return arg(translated, String(low), String(high));
  return arg(translated, formatFixed(low, width, precision), formatFixed(high, width, precision));
}

export function elapsedTimeMessage(elapsedTime) {
  return arg(tr('InputChecks', 'The 1/4 mile e.t. is larger than %1 seconds.'), formatFixed(elapsedTime, 6, 2));
}

// The air boxes' messages, by AirField (numbers/Air).
const AIR_MESSAGES = [
  'The temperature must be between -40 and 140 °F.',
  'The station pressure must be between 20 and 32 inHg.',
  'The humidity must be between 0 and 100 %.',
  'The altimeter setting must be between 20 and 32 inHg.',
  'The elevation must be between -1,500 and 14,000 ft.',
];

export function airMessage(field, station) {
  if (field < 0) return '';
  if (field === 5) {
    return arg(tr('Air', 'The altimeter setting and the elevation give a station pressure of '
      + '%1 inHg; it must be between 20 and 32 inHg.'), station.toFixed(2));
  }
  return tr('Air', AIR_MESSAGES[field]);
}

// The road model's range messages, by RoadField (engine/RoadCar.h).
export const ROAD_RANGES = [
  ['The horsepower must be between %1 and %2', 10, 2000],
  ['The car weight must be between %1 and %2', 500, 8000],
  ['The drag coefficient must be between %1 and %2', 0.15, 0.8],
  ['The frontal area must be between %1 and %2', 5, 80],
  ['The number of gears must be between %1 and %2', 1, 10],
  ['The engine speed of peak power must be between %1 and %2', 1000, 25000],
  ['The torque must be between %1 and %2', 10, 2500],
  ['The engine speed of peak torque must be between %1 and %2', 0, 25000],
  ['The redline must be between %1 and %2', 1000, 25000],
];

export function roadRangeMessage(field) {
  const [text, low, high] = ROAD_RANGES[field];
  if (field === 4) return arg(tr('RoadKeys', text), String(low), String(high));
  return arg(tr('RoadKeys', text), formatFixed(low, 6, 2), formatFixed(high, 6, 2));
}

// RoadProblemKind: None, OutOfRange, TorquePeakAbovePowerPeak,
// PowerPeakAboveRedline, TorqueTooSmall, GearsForTransmission.
export function roadProblemMessage(kind, field) {
  switch (kind) {
    case 1: return roadRangeMessage(field);
    case 2: return tr('RoadKeys', 'The engine speed of peak torque must not be above that of peak power');
    case 3: return tr('RoadKeys', 'The engine speed of peak power must not be above the redline');
    case 4: return tr('RoadKeys', 'The torque must be at least what the horsepower gives at the engine speed of peak power');
    case 5: return tr('RoadKeys', 'A CVT or a direct drive has one gear');
    default: return '';
  }
}
