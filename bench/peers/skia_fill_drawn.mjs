// SPDX-License-Identifier: MIT
// Skia filling the icon sample through @napi-rs/canvas so that every icon is drawn: the
// same icons, fit and fill rules as bench_path_geometry_cairo's BM_FillSvgIcons*.
//
// That canvas records its drawing and draws it only when pixels are read; a clear drops what
// was recorded before it. A loop of "clear, fill" read once at its end therefore times the
// recording of each fill and the drawing of the last one alone. This script times three
// loops per size, each read at its end (which is timed too):
//   over        fills one over another, no clears: every fill is drawn (BM_FillSvgIconsOver)
//   clear+read  clear, fill, read one pixel, per icon: every fill drawn after its clear
//   read floor  clear, read one pixel, per icon: what clear+read costs without the fill
// and prints the median over REPS runs (default 5) of the mean time per icon.
//   npm install --prefix /tmp/peers @napi-rs/canvas   (once, outside the project)
//   NODE_PATH=/tmp/peers/node_modules node bench/peers/skia_fill_drawn.mjs 256 < tests/data/icons/icons.txt
import { createRequire } from 'module';
import { readFileSync } from 'fs';
const require = createRequire(import.meta.url);
const { createCanvas, Path2D } = require('@napi-rs/canvas');
const S = +(process.argv[2] || 256), reps = +(process.env.REPS || 5);
const icons = readFileSync(0, 'utf8').split('\n').filter(Boolean).map(l => {
  const f = l.split('\t'), p = new Path2D(f[f.length - 1]), b = p.computeTightBounds();
  const w = b[2] - b[0], h = b[3] - b[1];
  let k = Math.min(w > 0 ? S / w : Infinity, h > 0 ? S / h : Infinity);
  if (!isFinite(k)) k = 1;
  return { p, rule: f.includes('evenodd') ? 'evenodd' : 'nonzero',
           m: [k, 0, 0, k, S / 2 - k * (b[0] + b[2]) / 2, S / 2 - k * (b[1] + b[3]) / 2] };
});
const ctx = createCanvas(S, S).getContext('2d');
const clear = () => { ctx.setTransform(1, 0, 0, 1, 0, 0); ctx.clearRect(0, 0, S, S); };
const fill = ic => { ctx.setTransform(...ic.m); ctx.fill(ic.p, ic.rule); };
const read = () => ctx.getImageData(0, 0, 1, 1);
const loops = {
  'over': () => { for (const ic of icons) fill(ic); read(); },
  'clear+read': () => { for (const ic of icons) { clear(); fill(ic); read(); } },
  'read floor': () => { for (const ic of icons) { clear(); read(); } },
};
const median = run => {
  run();
  const t = [];
  for (let r = 0; r < reps; r++) {
    const t0 = process.hrtime.bigint(); run();
    t.push(Number(process.hrtime.bigint() - t0) / 1e3 / icons.length);
  }
  return t.sort((a, b) => a - b)[t.length >> 1];
};
for (const [name, run] of Object.entries(loops)) {
  clear(); read();
  console.log(`skia ${icons.length} icons at ${S}x${S}, ${name}: ${median(run).toFixed(2)} us per icon`);
}
