// SPDX-License-Identifier: MIT
// Skia's Path2D.stroke() and Path2D.op() through @napi-rs/canvas on the icon sample, the same
// work as bench_path_toolbox: icons fitted to 256 x 256 (tight bounds, proportions kept,
// centred), each with its own fill rule; stroke 3 wide, miter joins (limit 4), butt caps;
// union of icon i with icon i+1. Prints the median over REPS runs of the mean time per icon
// (per pair), and how many unions failed (threw) or came out empty.
//   npm install --prefix /tmp/peers @napi-rs/canvas   (once, outside the project)
//   NODE_PATH=/tmp/peers/node_modules node bench/peers/skia_pathops.mjs < tests/data/icons/icons.txt
import { createRequire } from 'module';
import { readFileSync } from 'fs';
const require = createRequire(import.meta.url);
const { Path2D, StrokeJoin, StrokeCap, PathOp, FillType } = require('@napi-rs/canvas');
const S = 256, reps = +(process.env.REPS || 7);
const icons = readFileSync(0, 'utf8').split('\n').filter(Boolean).map(l => {
  const f = l.split('\t'), d = f[f.length - 1];
  const p = new Path2D(d);
  p.setFillType(f.includes('evenodd') ? FillType.EvenOdd : FillType.Winding);
  const b = p.computeTightBounds();
  const w = b[2] - b[0], h = b[3] - b[1];
  const k = S / Math.max(w, h, 1e-6);
  const fitted = p.transform({ a: k, b: 0, c: 0, d: k, e: S / 2 - k * (b[0] + b[2]) / 2, f: S / 2 - k * (b[1] + b[3]) / 2 });
  return { name: `${f[0]}-${f[1]}`, p: fitted };
});
const opts = { width: 3, miterLimit: 4, join: StrokeJoin.Miter, cap: StrokeCap.Butt };
// Each run returns [wall, cpu] microseconds per item; the medians of each are reported.
const median = run => {
  run(); const w = [], c = [];
  for (let r = 0; r < reps; r++) { const [a, b] = run(); w.push(a); c.push(b); }
  const m = x => x.sort((p, q) => p - q)[x.length >> 1];
  return `${m(w).toFixed(2)} us wall, ${m(c).toFixed(2)} us cpu`;
};
const timed = body => {
  const c0 = process.cpuUsage(), t0 = process.hrtime.bigint();
  body();
  const wall = Number(process.hrtime.bigint() - t0) / 1e3 / icons.length;
  const c = process.cpuUsage(c0);
  return [wall, (c.user + c.system) / icons.length];
};
const strokeRun = () => {
  const copies = icons.map(ic => new Path2D(ic.p));
  return timed(() => { for (const c of copies) c.stroke(opts); });
};
let failed = 0, empty = 0;
const opRun = () => {
  const pairs = icons.map((ic, i) => [new Path2D(ic.p), icons[(i + 1) % icons.length].p]);
  failed = 0; empty = 0;
  const results = [];
  const t = timed(() => {
    for (const [a, b] of pairs) {
      try { results.push(a.op(b, PathOp.Union)); } catch (e) { failed++; results.push(null); }
    }
  });
  for (const r of results) if (r && r.toSVGString() === '') empty++;
  return t;
};
// Path2D.stroke() and op() change the path they are called on in place: the copies are made
// outside the timed loop.
const sameObject = (() => { const c = new Path2D(icons[0].p); return c.stroke(opts) === c; })();
console.log(`skia ${icons.length} icons at ${S}x${S}: stroke ${median(strokeRun)} per icon (stroke returns its own path: ${sameObject})`);
console.log(`skia union of ${icons.length} pairs: ${median(opRun)} per pair; failed ${failed}, empty ${empty}`);
