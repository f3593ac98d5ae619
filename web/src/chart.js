// SPDX-License-Identifier: GPL-3.0-or-later
// The speed and distance curves of the cars against the elapsed time, up to
// the quarter mile, through uPlot: a line a car (a What if variant dashed),
// the time slip's marks (60 ft, 330 ft, 1/8 mile, 1000 ft, 1/4 mile) on the
// distance curves and the road model's gear changes on the speed curves.
import uPlot from '../vendor/uPlot.esm.js';
import { convert, unitLabel } from './units.js';
import { tr } from './messages.js';

const COLOURS = ['#1f77b4', '#d62728', '#2ca02c', '#9467bd', '#ff7f0e', '#17becf', '#8c564b'];
const MARKS = [
  ['sixtyFootTime', 60], ['threeThirtyFootTime', 330], ['eighthMileTime', 660], ['thousandFootTime', 1000],
  ['quarterMileTime', 1320],
];

function cssColour(name, fallback) {
  const value = getComputedStyle(document.documentElement).getPropertyValue(name).trim();
  return value || fallback;
}

// Draws a small mark at each (x, y) of every series' list of marks.
function marksPlugin(marksOf) {
  return {
    hooks: {
      draw: [(u) => {
        const { ctx } = u;
        ctx.save();
        marksOf().forEach((marks, i) => {
          if (!marks || !u.series[i + 1] || u.series[i + 1].show === false) return;
          ctx.fillStyle = u.series[i + 1].stroke();
          for (const { x, y, tick } of marks) {
            const px = u.valToPos(x, 'x', true);
            const py = u.valToPos(y, 'y', true);
            ctx.beginPath();
            if (tick) ctx.rect(px - 1.5 * devicePixelRatio, py - 6 * devicePixelRatio, 3 * devicePixelRatio, 12 * devicePixelRatio);
            else ctx.arc(px, py, 3.5 * devicePixelRatio, 0, 2 * Math.PI);
            ctx.fill();
          }
        });
        ctx.restore();
      }],
    },
  };
}

export class Curves {
  constructor(speedElement, distanceElement, t) {
    this.elements = [speedElement, distanceElement];
    this.t = t;
    this.plots = [null, null];
    this.marks = [[], []];
    this.signature = '';
    new ResizeObserver(() => this.resize()).observe(speedElement);
  }

  size() {
    const width = Math.max(280, this.elements[0].clientWidth);
    return { width, height: Math.round(Math.min(320, Math.max(200, width * 0.45))) };
  }

  resize() {
    for (const plot of this.plots) if (plot) plot.setSize(this.size());
  }

  options(kind, series, units) {
    const text = cssColour('--text', '#222');
    const grid = cssColour('--grid', 'rgba(128,128,128,0.25)');
    const axis = { stroke: text, grid: { stroke: grid }, ticks: { stroke: grid } };
    const label = kind === 0
      ? tr('CurveCharts', 'Speed (%1)').replace('%1', unitLabel(units, 'speed'))
      : tr('CurveCharts', 'Distance (%1)').replace('%1', unitLabel(units, 'distance'));
    return {
      ...this.size(),
      title: kind === 0 ? tr('CurveCharts', 'Speed against time') : tr('CurveCharts', 'Distance against time'),
      scales: { x: { time: false, range: (u, min, max) => [0, Math.ceil((max || 1) * 1.04)] } },
      axes: [{ ...axis, label: tr('CurveCharts', 'Time (s)') }, { ...axis, label, size: 60 }],
      legend: { live: false },
      cursor: { drag: { x: false, y: false } },
      series: [{ label: tr('CurveCharts', 'Time (s)') }, ...series.map((s, i) => ({
        label: s.name,
        stroke: COLOURS[(s.base ?? i) % COLOURS.length],
        width: 2,
        dash: s.dashed ? [6, 4] : undefined,
        spanGaps: true,
        points: { show: false },
      }))],
      plugins: [marksPlugin(() => this.marks[kind])],
    };
  }

  // Redraws the curves of `series` ({ name, run, dashed }): the plots are
  // made again only when the set of lines changes, else their data is set.
  draw(series, units) {
    const runs = series.filter((s) => s.run);
    const tables = [[], []];
    this.marks = [[], []];
    for (const s of runs) {
      const { time, speed, distance } = s.run.curve;
      const x = Array.from(time);
      tables[0].push([x, Array.from(speed, (v) => convert(units, 'speed', v))]);
      tables[1].push([x, Array.from(distance, (v) => convert(units, 'distance', v))]);
      this.marks[1].push(MARKS.map(([key, feet]) => ({ x: s.run.splits[key], y: convert(units, 'distance', feet) })));
      this.marks[0].push(s.run.shifts.map((shift) => ({ x: shift.time, y: convert(units, 'speed', shift.speed), tick: true })));
    }
    const signature = JSON.stringify([runs.map((s) => [s.name, !!s.dashed, s.base]), units,
      document.documentElement.lang, matchMedia('(prefers-color-scheme: dark)').matches]);
    for (let kind = 0; kind < 2; ++kind) {
      const data = tables[kind].length ? uPlot.join(tables[kind]) : [[]];
      if (signature !== this.signature || !this.plots[kind]) {
        if (this.plots[kind]) this.plots[kind].destroy();
        this.elements[kind].replaceChildren();
        this.plots[kind] = new uPlot(this.options(kind, runs, units), data, this.elements[kind]);
        this.elements[kind].setAttribute('aria-label', this.plots[kind].root.querySelector('.u-title')?.textContent || '');
      } else {
        this.plots[kind].setData(data);
      }
    }
    this.signature = signature;
  }
}
