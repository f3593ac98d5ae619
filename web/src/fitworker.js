// SPDX-License-Identifier: GPL-3.0-or-later
// The logbook's fit on a thread of its own (a module worker), so that the
// page stays responsive while a car is fitted to a long logbook, as the
// garage fits on worker threads. In: { id, wasmUrl, model, values,
// conditions, slips, places, roadKeys } (fitSlips' arguments, the slips'
// date places worked out). Out: { id, fit } with engine.fit's result.
import { loadEngine } from './engine.js';

let engine = null;

self.addEventListener('message', async (event) => {
  const { id, wasmUrl, model, values, conditions, slips, places, roadKeys } = event.data;
  try {
    if (!engine) engine = await loadEngine(wasmUrl);
    self.postMessage({ id, fit: engine.fit(model, values, conditions, slips, places, roadKeys) });
  } catch (error) {
    self.postMessage({ id, error: String(error) });
  }
});
