// SPDX-License-Identifier: GPL-3.0-or-later
// Metric or imperial for what the page shows: the engine computes in the
// classic program's units (mph, ft, lb, hp, ft², °F, inHg); the page
// converts only what it shows, and the car's inputs stay in the units of
// its file, as the desktop keeps them.
export const UNITS = {
  imperial: {
    speed: { label: 'mph', factor: 1 },
    distance: { label: 'ft', factor: 1 },
    force: { label: 'lb', factor: 1 },
    power: { label: 'hp', factor: 1 },
    altitude: { label: 'ft', factor: 1 },
  },
  metric: {
    speed: { label: 'km/h', factor: 1.609344 },
    distance: { label: 'm', factor: 0.3048 },
    force: { label: 'N', factor: 4.4482216152605 },
    power: { label: 'kW', factor: 0.745699872 },
    altitude: { label: 'm', factor: 0.3048 },
  },
};

export function convert(system, kind, value) {
  return value * UNITS[system][kind].factor;
}

export function unitLabel(system, kind) {
  return UNITS[system][kind].label;
}
