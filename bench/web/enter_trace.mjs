// Where the time of an Enter goes, from a Chromium performance trace (Chromium only; for the
// measurements, never for the page). The trace holds Blink's own events (style recalculation,
// layout, selection, the frame's phases) and V8's CPU samples; an Enter is the page's keydown
// handler, the EventDispatch of a trusted keydown on the renderer's main thread.

// Enough for the handlers and their thread time, at little cost to the page.
export const LIGHT_CATEGORIES = ['devtools.timeline'];

export const TRACE_CATEGORIES = [
  'devtools.timeline',
  'disabled-by-default-devtools.timeline',
  'disabled-by-default-devtools.timeline.frame',
  'blink',
  'v8.execute',
  'disabled-by-default-v8.cpu_profiler',
];

// Blink's events counted inside the handler: whatever the script forced before the frame.
const FORCED = [
  ['style recalculation', 'UpdateLayoutTree'],
  ['layout', 'Layout'],
  ['selection update', 'FrameSelection::SetSelection'],
  ['focus and blur events', 'EventDispatch'],
  ['garbage collection', (e) => /^(MinorGC|MajorGC|V8\.GC_|V8\.GCScavenger)/.test(e.name)],
];

// The rendering up to the end of the frame that paints the Enter's results, by its phases.
const FRAME = [
  ['style recalculation', 'UpdateLayoutTree'],
  ['layout', 'Layout'],
  ['pre-paint', 'PrePaint'],
  ['paint', 'Paint'],
  ['layerize', 'Layerize'],
  ['commit', 'Commit'],
];

const matcher = (test) => (typeof test === 'string' ? (e) => e.name === test : test);

function mainThread(events) {
  const renderers = events.filter(
    (e) => e.name === 'thread_name' && e.args?.name === 'CrRendererMain',
  );
  // The page's renderer is the one whose main thread handled the key presses.
  for (const thread of renderers) {
    const own = events.filter((e) => e.pid === thread.pid && e.tid === thread.tid);
    if (own.some((e) => e.name === 'EventDispatch' && e.args?.data?.type === 'keydown')) {
      return { pid: thread.pid, own };
    }
  }
  throw new Error('no renderer handled a keydown in the trace');
}

// V8's samples of the page's renderer, as [time in µs, leaf node] with the nodes' tree.
function cpuSamples(events, pid) {
  const nodes = new Map();
  const samples = [];
  const starts = new Map();
  for (const e of events) {
    if (e.pid !== pid) continue;
    if (e.name === 'Profile') starts.set(e.id, e.args.data.startTime);
  }
  const times = new Map(starts);
  for (const e of events) {
    if (e.pid !== pid || e.name !== 'ProfileChunk') continue;
    const data = e.args.data;
    for (const node of data.cpuProfile?.nodes ?? []) nodes.set(node.id, node);
    const ids = data.cpuProfile?.samples ?? [];
    let time = times.get(e.id) ?? 0;
    for (let i = 0; i < ids.length; ++i) {
      time += data.timeDeltas[i];
      samples.push([time, ids[i]]);
    }
    times.set(e.id, time);
  }
  samples.sort((a, b) => a[0] - b[0]);
  return { nodes, samples };
}

const fileOf = (url) => (url ?? '').split('/').pop();

// What a sample's leaf frame was doing, in the terms of the page: the module, its loader (the
// string crossings), a page module's own code, or a browser function the page called (its time
// includes the style and layout it forced).
function sampleKind(nodes, node) {
  const { functionName, url } = node.callFrame;
  const name = functionName || '(anonymous)';
  const file = fileOf(url);
  if (file.endsWith('.wasm')) return 'wasm: Calculate, the panel and its JSON';
  if (/^(wasm-to-js|js-to-wasm)/.test(name)) return 'crossings wasm <-> JS';
  if (file === 'calculator.js') return 'loader: strings across the boundary';
  if (file) return `${file}: ${name}`;
  if (name.startsWith('(')) return name;
  const parent = node.parent ? nodes.get(node.parent).callFrame : null;
  const caller = parent
    ? `${fileOf(parent.url) || '?'} ${parent.functionName || '(anonymous)'}`
    : '?';
  return `browser: ${name} (from ${caller})`;
}

// The time of the events that pass `test`, counting nested ones of the same kind once, in ms.
function outermost(events, test) {
  const hits = events.filter(matcher(test));
  const outer = hits.filter((e) => !hits.some((o) => o !== e && within(o, e)));
  return outer.reduce((sum, e) => sum + e.dur, 0) / 1000;
}

const percentile95 = (xs) => [...xs].sort((a, b) => a - b)[Math.ceil(0.95 * xs.length) - 1];
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const within = (outer, e) => e.ts >= outer.ts && e.ts + (e.dur ?? 0) <= outer.ts + outer.dur;

// The breakdown of the Enters in a trace, in milliseconds: per Enter the handler's time and what
// it forced (medians over the Enters, with means beside them), the frame's phases, and where the
// CPU samples inside the handlers fell (means per Enter: a sample stands for ~0.1–0.2 ms).
export function enterBreakdown(trace) {
  const events = trace.traceEvents ?? trace;
  const { pid, own } = mainThread(events);
  const complete = own.filter((e) => e.ph === 'X').sort((a, b) => a.ts - b.ts);
  const handlers = complete.filter(
    (e) => e.name === 'EventDispatch' && e.args?.data?.type === 'keydown',
  );
  // A frame is the task that updates the page's lifecycle; its style and layout may come before
  // the lifecycle update itself, in the same task.
  const lifecycles = complete.filter((e) => e.name === 'WebFrameWidgetImpl::UpdateLifecycle');
  const frames = complete.filter(
    (e) => e.name === 'RunTask' && lifecycles.some((l) => within(e, l)),
  );

  const forced = Object.fromEntries(FORCED.map(([label]) => [label, []]));
  const frame = Object.fromEntries(FRAME.map(([label]) => [label, []]));
  const script = [];
  // The main thread's own time in the handler, without the time it waited for a core: on a
  // busy machine the steadier figure.
  const cpu = [];
  for (const handler of handlers) {
    script.push(handler.dur / 1000);
    cpu.push((handler.tdur ?? handler.dur) / 1000);
    const inside = complete.filter((e) => e !== handler && within(handler, e));
    for (const [label, test] of FORCED) forced[label].push(outermost(inside, test));
    // From the handler's end to the end of the next frame, whichever task did the work.
    const end = handler.ts + handler.dur;
    const next = frames.find((e) => e.ts >= end);
    const inFrame = next
      ? complete.filter((e) => within({ ts: end, dur: next.ts + next.dur - end }, e))
      : [];
    for (const [label, test] of FRAME) frame[label].push(outermost(inFrame, test));
  }

  const { nodes, samples } = cpuSamples(events, pid);
  // A light trace has no samples; its breakdown is the handlers' times alone.
  const sampled = new Map();
  let sampledTotal = 0;
  let h = 0;
  for (let i = 0; i + 1 < samples.length; ++i) {
    const [time, id] = samples[i];
    while (h < handlers.length && time >= handlers[h].ts + handlers[h].dur) ++h;
    if (h === handlers.length) break;
    if (time < handlers[h].ts) continue;
    const span = Math.min(samples[i + 1][0], handlers[h].ts + handlers[h].dur) - time;
    const kind = sampleKind(nodes, nodes.get(id));
    sampled.set(kind, (sampled.get(kind) ?? 0) + span / 1000);
    sampledTotal += span / 1000;
  }
  const perEnter = (total) => total / Math.max(handlers.length, 1);
  const summary = (xs) => ({ median: median(xs), mean: xs.reduce((a, b) => a + b, 0) / xs.length });
  return {
    enters: handlers.length,
    script: summary(script),
    cpu: { ...summary(cpu), p95: percentile95(cpu) },
    forced: Object.entries(forced).map(([label, xs]) => ({ label, ...summary(xs) })),
    frame: Object.entries(frame).map(([label, xs]) => ({ label, ...summary(xs) })),
    sampledPerEnter: perEnter(sampledTotal),
    samples: [...sampled]
      .map(([kind, total]) => ({ kind, mean: perEnter(total) }))
      .sort((a, b) => b.mean - a.mean),
  };
}

// The leaf frames gathered into the parts of an Enter: the browser's focus move (with the style,
// selection and other work it does), the module, the crossings, the box writes, the panel.
const PARTS = [
  ["focus move (its style, selection and the browser's own work)", /^browser: focus /],
  ['selecting the focused box', /^browser: select /],
  ['wasm: Calculate, the panel and its JSON', /^wasm/],
  ['crossings and strings', /crossings|loader|from calculator\.js/],
  ['writing the boxes', /page_window\.js: setText|from page_window\.js setText/],
  ['drawing the panel', /design_panel\.js/],
  ['other page operations', /page_window\.js|main\.js/],
];

function parts(breakdown) {
  const totals = new Map(PARTS.map(([label]) => [label, 0]));
  let other = 0;
  for (const { kind, mean } of breakdown.samples) {
    const part = PARTS.find(([, test]) => test.test(kind));
    if (part) totals.set(part[0], totals.get(part[0]) + mean);
    else other += mean;
  }
  return [...totals, ['other (the browser between calls, collection)', other]];
}

export function printBreakdown(breakdown, { top = 25 } = {}) {
  const f = (t) => t.toFixed(3).padStart(7);
  console.log(
    `${breakdown.enters} Enters traced (tracing slows the page: compare shares, not times)`,
  );
  console.log(
    `handler (script time): median ${f(breakdown.script.median)} ms, mean ${f(breakdown.script.mean)} ms`,
  );
  console.log(
    `handler's thread (CPU) time: median ${f(breakdown.cpu.median)} ms, 95th percentile ${f(breakdown.cpu.p95)} ms`,
  );
  console.log('forced inside the handler (median, mean ms per Enter):');
  for (const row of breakdown.forced)
    console.log(`  ${f(row.median)} ${f(row.mean)}  ${row.label}`);
  console.log('after the handler, to the end of the next frame (median, mean ms per Enter):');
  for (const row of breakdown.frame) console.log(`  ${f(row.median)} ${f(row.mean)}  ${row.label}`);
  console.log(
    `CPU samples inside the handler, by leaf frame (mean ms per Enter, ${breakdown.sampledPerEnter.toFixed(3)} in all):`,
  );
  for (const row of breakdown.samples.slice(0, top)) console.log(`  ${f(row.mean)}  ${row.kind}`);
  console.log('the same samples by part of the Enter (mean ms per Enter, share):');
  const all = Math.max(breakdown.sampledPerEnter, 1e-9);
  for (const [label, total] of parts(breakdown)) {
    console.log(`  ${f(total)} ${((100 * total) / all).toFixed(0).padStart(3)} %  ${label}`);
  }
}
