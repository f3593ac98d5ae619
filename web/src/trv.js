// SPDX-License-Identifier: GPL-3.0-or-later
// The ".trv" car file in the desktop's bytes (core/VehicleFile.cpp,
// core/RoadKeys.cpp): nine values, one a CR LF line, in the file's order,
// then the road keys as "key=value" lines, kept as read. Opening scans the
// bytes with the numbers' own scanner (numbers/TrvWords, in WebAssembly):
// the first nine white-space separated words (UTF-8, or Latin-1 when not
// valid UTF-8) within the first MiB, no word over 64 bytes; the lines after
// the ninth value's line are road keys, each value taken by the numbers
// (numbers/RoadKeyValues). The messages are the desktop's.
import { arg, tr, roadRangeMessage } from './messages.js';
import { ROAD_KEYS, FIELDS } from './engine.js';

// The file's order of the nine values (VehicleFile::FileOrder), as
// indexes into FIELDS.
export const FILE_ORDER = [0, 4, 3, 1, 2, 5, 6, 7, 8];
export const MAX_WORD_LENGTH = 64;
export const MAX_SCANNED_BYTES = 1024 * 1024;
// The line that ties a file to its car in the garage's logbook
// (CarIdentityKey).
export const CAR_IDENTITY_KEY = 'car';
const FIELD_NAMES = ['horsepower', 'grill area', 'windshield area', 'car weight', 'drag coefficient',
  'windshield angle', 'available shifts', 'quarter mile shifts', 'spin time'];

const isWhiteSpace = (b) => b === 0x20 || b === 0x09 || b === 0x0a || b === 0x0d || b === 0x0b || b === 0x0c;

export function fieldName(index) {
  return tr('CarInputs', FIELD_NAMES[index]);
}

function valueName(fileIndex) {
  return fileIndex >= 0 && fileIndex < 9 ? fieldName(FILE_ORDER[fileIndex]) : '';
}

function decodeWord(bytes) {
  try {
    return new TextDecoder('utf-8', { fatal: true, ignoreBOM: true }).decode(bytes);
  } catch {
    return String.fromCharCode(...bytes);
  }
}

// The words of a file's bytes (VehicleFile::Decode), scanned by the
// numbers' own scanner in WebAssembly: { texts (by FIELDS index), tail,
// tailFirstLine } or { error }.
export function decodeTrv(engine, bytes, fileName) {
  const { problem, words, tail, tailFirstLine } = engine.scanTrv(bytes);
  const name = fileName;
  switch (problem) {
    case 1:
      return { error: arg(tr('VehicleFile', 'The file %1 holds a value for the %2 longer than %L3 bytes, '
        + 'so it is not a Torvane data file. Nothing was loaded.'), name, valueName(words.length), MAX_WORD_LENGTH) };
    case 2:
      return { error: arg(tr('VehicleFile', 'The file %1 holds a value that runs on past its first %L2 '
        + 'bytes, where a Torvane data file keeps all nine values; it would be cut short. Nothing was loaded.'),
      name, MAX_SCANNED_BYTES) };
    case 3:
      return { error: arg(tr('VehicleFile', 'The file %1 holds only %L2 of the nine values within its '
        + 'first %L3 bytes, where a Torvane data file keeps them all. Nothing was loaded.'), name, words.length, MAX_SCANNED_BYTES) };
    case 4:
      return { error: arg(tr('VehicleFile', 'The file %1 holds %L2 of the nine values a Torvane data file '
        + 'needs. Nothing was loaded.'), name, words.length) };
    default: break;
  }
  const texts = new Array(9);
  words.forEach((word, k) => { texts[FILE_ORDER[k]] = decodeWord(word); });
  return { texts, tail: new TextDecoder('utf-8').decode(tail), tailFirstLine };
}

// Why the texts would not read back as they stand (VehicleFile::SaveRefusal);
// empty when they can be saved.
export function saveRefusal(texts) {
  const white = (c) => c.length === 1 && isWhiteSpace(c.charCodeAt(0));
  for (let k = 0; k < 9; ++k) {
    const value = texts[FILE_ORDER[k]];
    let first = 0;
    let last = value.length;
    while (first < last && white(value[first])) ++first;
    while (last > first && white(value[last - 1])) --last;
    if (first === last) return arg(tr('VehicleFile', 'The %1 box is empty. Fill it in before saving; nothing was saved.'), valueName(k));
    for (let j = first; j < last; ++j) {
      if (white(value[j])) {
        return arg(tr('VehicleFile', 'The %1 box holds a space inside its value, which would not '
          + 'read back as one value. Nothing was saved.'), valueName(k));
      }
    }
    if (k === 0 && value.startsWith('\ufeff')) {
      return arg(tr('VehicleFile', 'The %1 box starts with an invisible byte-order mark, which would '
        + 'not read back as part of its value. Nothing was saved.'), valueName(k));
    }
    const size = new TextEncoder().encode(value.slice(first, last)).length;
    if (size > MAX_WORD_LENGTH) {
      return arg(tr('VehicleFile', 'The %1 box holds a value of %L2 bytes; a Torvane data file holds '
        + 'at most %L3 bytes a value (letters beyond plain ASCII take two or more). Nothing was saved.'),
      valueName(k), size, MAX_WORD_LENGTH);
    }
  }
  return '';
}

// The file's bytes (VehicleFile::Encode and EncodeRoadKeys).
export function encodeTrv(texts, roadLines) {
  let text = '';
  for (const k of FILE_ORDER) text += `${texts[k].replace(/\n/g, '\r\n')}\r\n`;
  for (const line of roadLines) text += `${line.key}=${line.value}\r\n`;
  return new TextEncoder().encode(text);
}

// The road model's range test of each number key (RoadField).
const ROAD_NUMBER_FIELDS = { gears: 4, powerRpm: 5, torque: 6, torqueRpm: 7, redline: 8, frontalArea: 3 };

// One key's value, taken by the numbers in WebAssembly: { value } (a
// number, or the index of a word) or { error } (RoadKeys' take).
export function takeRoadKey(engine, key, text) {
  const index = ROAD_KEYS.findIndex((k) => k.key === key);
  const { error, value } = engine.roadValue(index, text.trim());
  switch (error) {
    case 0: return { value };
    case 1: return { error: arg(tr('RoadKeys', 'The value of %1 must be one of %2.'), key, ROAD_KEYS[index].words.join(', ')) };
    case 2: return { error: arg(tr('RoadKeys', 'The value of %1 must be a number.'), key) };
    default: return { error: roadRangeMessage(ROAD_NUMBER_FIELDS[key]) };
  }
}

function unknownKey(key) {
  return arg(tr('RoadKeys', '"%1" is not a key of a Torvane car file (%2).'), key, ROAD_KEYS.map((k) => k.key).join(', '));
}

// The road keys after the ninth value (ReadRoadKeys): { lines, values } or
// { error }.
export function readRoadKeys(engine, text, firstLine, fileName) {
  const lines = [];
  const values = new Array(11).fill(NaN);
  const all = text.split('\n');
  for (let i = 0; i < all.length; ++i) {
    const line = all[i].trim();
    if (!line) continue;
    const refuse = (why) => {
      const reason = why.endsWith('.') ? why : `${why}.`;
      return { error: arg(tr('RoadKeys', '%1, line %L2: %3 Nothing was loaded.'), fileName, firstLine + i, reason) };
    };
    const equals = line.indexOf('=');
    if (equals < 0) return refuse(arg(tr('RoadKeys', '"%1" is not a line of the form key=value.'), line));
    const key = line.slice(0, equals).trim();
    const value = line.slice(equals + 1).trim();
    // The car's identity is the logbook's, not the road model's: kept as
    // written, so that a car the garage gave runs opens and saves whole.
    if (key === CAR_IDENTITY_KEY) {
      lines.push({ key, value });
      continue;
    }
    const index = ROAD_KEYS.findIndex((k) => k.key === key);
    if (index < 0) return refuse(unknownKey(key));
    const taken = takeRoadKey(engine, key, value);
    if (taken.error) return refuse(taken.error);
    values[index] = taken.value;
    lines.push({ key, value });
  }
  return { lines, values };
}

export { FIELDS };
