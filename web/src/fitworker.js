// SPDX-License-Identifier: GPL-3.0-or-later
// The logbook's fit on a thread of its own (a module worker), so that the
// page stays responsive while a car is fitted to a long logbook, as the
// garage fits on worker threads. In: { id, wasmUrl, values, conditions,
// slips, places } (fitSlips' arguments, the slips' date places worked
// out). Out: { id, fit } with engine.fit's result.
import { loadEngine } from './engine.js';

let engine = null;

self.addEventListener('message', async (event) => {
  const { id, wasmUrl, values, conditions, slips, places } = event.data;
  try {
    if (!engine) engine = await loadEngine(wasmUrl);
    self.postMessage({ id, fit: engine.fit(values, conditions, slips, places) });
  } catch (error) {
    self.postMessage({ id, error: String(error) });
  }
});
