// The panel's charts, drawn with DOM calls from the shape the module hands every chart in
// (companion/chart_geometry.h's Chart): axes with their ticks' labels, curves, levels, marks and
// dots, in the chart's own units. The module computes; this module only maps the values onto
// the drawing and sets the texts it was given.

const SVG = 'http://www.w3.org/2000/svg';

// The chart's axes, by their index in `axes`, and where a curve, mark or dot is read.
const BOTTOM = 0;
const LEFT = 1;
const RIGHT = 2;

// A chart as its hand-over lays it out (web/src/hand_over.h), from the reader `r` (hand_over.js).
export function readChart(r) {
  const point = () => ({ axis: r.number(), x: r.number(), y: r.number(), label: r.text() });
  return {
    axes: r.list(() => ({
      min: r.number(),
      max: r.number(),
      ticks: r.list(() => ({ value: r.number(), label: r.text() })),
      title: r.text(),
    })),
    curves: r.list(() => ({ axis: r.number(), points: r.list(() => [r.number(), r.number()]) })),
    levels: r.list(() => ({ value: r.number(), caption: r.text() })),
    marks: r.list(point),
    dots: r.list(point),
  };
}

// Sets the attributes that differ from the element's. Only attributes, never a style: the page's
// policy forbids inline styles, so the look comes from style.css by class. The panel's own
// elements take it too.
export function set(node, attributes) {
  for (const key in attributes) {
    const value = String(attributes[key]);
    if (node.getAttribute(key) !== value) node.setAttribute(key, value);
  }
  return node;
}

// Sets a text that differs from the element's, as text, never as markup.
export function setText(node, text) {
  if (node.textContent !== text) node.textContent = text;
}

// A new SVG element at the end of `parent`.
function svg(parent, name, attributes = {}, content = undefined) {
  const node = set(document.createElementNS(SVG, name), attributes);
  if (content !== undefined) node.textContent = content;
  parent.append(node);
  return node;
}

// Coordinates are kept to a tenth of a unit, which is far below a pixel.
const round = (value) => Math.round(value * 10) / 10;

// The maps from an axis's values onto the plot: along it from `from` to `to`.
const along = (axis, from, to) => (value) =>
  round(from + ((value - axis.min) / (axis.max - axis.min)) * (to - from));

// ---- The control curve ----

// The drawing in user units of the chart's viewBox, whose size the page generator writes from
// the chart geometry: the plot between the axes' labels. Set from the element by measure().
let WIDTH = 0;
let HEIGHT = 0;
// The plot's sides leave room for the widest tick label beside the axis title (fitSides).
const PLOT = { left: 58, right: 0, top: 12, bottom: 0 };
const LEAST_LEFT = 58;
const LEAST_RIGHT_ROOM = 54;

function measure(chart) {
  ({ width: WIDTH, height: HEIGHT } = chart.viewBox.baseVal);
  PLOT.right = WIDTH - LEAST_RIGHT_ROOM;
  PLOT.bottom = HEIGHT - 50;
}

function scales(chart) {
  const { left, right, top, bottom } = PLOT;
  return {
    x: along(chart.axes[BOTTOM], left, right),
    y: along(chart.axes[LEFT], bottom, top),
    yTemp: along(chart.axes[RIGHT], bottom, top),
  };
}

// The parts of the chart that never change, and the places of those that do, in drawing order:
// the grid and ticks under the axes, the curves over them, the levels and the result on top.
// `texts` are the chart's fixed texts in the page's language.
function makeChart(texts) {
  const { top, bottom } = PLOT;
  const root = document.createElementNS(SVG, 'g');
  const frame = {
    plot: svg(root, 'rect', { class: 'plot', y: top, height: bottom - top }),
    ticks: { load: svg(root, 'g'), flow: svg(root, 'g'), temp: svg(root, 'g') },
    axis: svg(root, 'path', { class: 'axis' }),
    tempAxis: svg(root, 'path', { class: 'axis temp' }),
  };
  const ticks = frame.ticks;

  // The vertical titles turn about their middle: the load's reads upwards, the temperature's
  // downwards, each clear of its tick labels.
  const middle = (top + bottom) / 2;
  const centred = { 'text-anchor': 'middle' };
  frame.flowTitle = svg(
    root,
    'text',
    { class: 'title', ...centred, y: HEIGHT - 14 },
    texts.flowAxis,
  );
  svg(
    root,
    'text',
    { class: 'title', ...centred, transform: `translate(14 ${middle}) rotate(-90)` },
    texts.loadAxis,
  );
  const downwards = `translate(${WIDTH - 16} ${middle}) rotate(90)`;
  svg(root, 'text', { class: 'title temp', ...centred, transform: downwards }, texts.outletAxis);

  const tempCurve = svg(root, 'polyline', { class: 'curve temp' });
  const loadCurve = svg(root, 'polyline', { class: 'curve load' });
  const limit = level(svg(root, 'g'), 'limit', texts.limit);
  const heaterPlace = svg(root, 'g');
  const heater = level(document.createElementNS(SVG, 'g'), 'heater', texts.heater);
  const marks = svg(root, 'g', { class: 'reflux-marks' });
  const resultPlace = svg(root, 'g');
  const result = {
    temp: svg(resultPlace, 'circle', { class: 'result temp', r: 3.5 }),
    load: svg(resultPlace, 'circle', { class: 'result load', r: 4.5 }),
  };
  return {
    root,
    frame,
    ticks,
    pools: { load: [], flow: [], temp: [] },
    curves: { [RIGHT]: tempCurve, [LEFT]: loadCurve },
    limit,
    heaterPlace,
    heater,
    marks,
    markPool: [],
    resultPlace,
    result: { [RIGHT]: result.temp, [LEFT]: result.load },
  };
}

// Whether two boxes ({ x, y, width, height }) share any area; touching edges do not count.
const overlap = (a, b) =>
  a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

// A label's box as the chart's font (DejaVu Sans, 12 units high) sets it, worked out from its
// text, so that where a label goes never hangs on how a browser measures text at some zoom: the
// digits' and separators' advances, and more than any other character takes.
const EM = 12;
const ADVANCE = { ' ': 0.318, ',': 0.318, '.': 0.318, R: 0.695 };
const advance = (c) => ADVANCE[c] ?? (c >= '0' && c <= '9' ? 0.636 : 0.9);
function textWidth(text) {
  let ems = 0;
  for (const c of text) ems += advance(c);
  return ems * EM;
}
function labelBox(text, x, y, anchor) {
  const width = textWidth(text);
  const left = anchor === 'end' ? x - width : anchor === 'middle' ? x - width / 2 : x;
  return { x: left, y: y - 0.95 * EM, width, height: 1.21 * EM };
}

// A level's caption, right-aligned at `x` on the baseline `y`; its width is measured once, when
// the chart is made, and rounded up.
const levelBox = (level, y) => ({
  x: PLOT.right - 4 - level.width,
  y: y - 0.95 * EM,
  width: level.width,
  height: 1.21 * EM,
});

// The reflux flows on the load curve: a short tick across it with the ratio below, or above where
// below it would meet the flow axis or another label. A label with room in neither place is left
// out; its tick stays.
function drawRefluxMarks(drawing, marks, { x, y }) {
  const pool = drawing.markPool;
  while (pool.length < marks.length) {
    pool.push([
      set(document.createElementNS(SVG, 'line'), { class: 'reflux-mark' }),
      set(document.createElementNS(SVG, 'text'), { class: 'caption reflux-mark' }),
    ]);
  }
  show(drawing.marks, pool, marks.length);
  const taken = [drawing.limit, drawing.heater]
    .filter((level) => level.caption.isConnected)
    .map((level) => levelBox(level, level.at));
  marks.forEach((mark, i) => {
    const [tick, caption] = pool[i];
    const cx = x(mark.x);
    const cy = y(mark.y);
    set(tick, { x1: cx, y1: cy - 4, x2: cx, y2: cy + 4 });
    const at = [cy + 16, cy - 8].find((baseline) => {
      const box = labelBox(mark.label, cx, baseline, 'middle');
      const inside = box.y >= PLOT.top && box.y + box.height <= PLOT.bottom - 1;
      return inside && !taken.some((other) => overlap(box, other));
    });
    if (at !== undefined) taken.push(labelBox(mark.label, cx, at, 'middle'));
    set(caption, { x: cx, y: at ?? cy + 16, 'text-anchor': 'middle' });
    setText(caption, at === undefined ? '' : mark.label);
  });
}

// A horizontal line across the plot, with its caption above it at the right end.
function level(parent, className, caption) {
  return {
    line: svg(parent, 'line', { class: className }),
    caption: svg(parent, 'text', { class: `caption ${className}`, 'text-anchor': 'end' }, caption),
  };
}

// A level's line at `at`, its caption above it, or below it where the caption above would meet
// the label `clearOf` (a node or null).
function placeLevel(level, at, clearOf = null) {
  level.width ??= Math.ceil(level.caption.getComputedTextLength());
  const above = at - 4;
  const below = at + 13;
  level.at =
    clearOf && overlap(levelBox(level, above), levelBox(clearOf, clearOf.at)) ? below : above;
  set(level.line, { x1: PLOT.left, x2: PLOT.right, y1: at, y2: at });
  set(level.caption, { x: PLOT.right - 4, y: level.at });
}

// The widest of `ticks`' labels.
const widest = (ticks) => Math.max(0, ...ticks.map((tick) => textWidth(tick.label)));

// Sets the plot's sides so that the widest load label stands clear of the load axis's title and
// the widest temperature label of the temperature axis's, and draws the frame along them.
function fitSides(drawing, chart) {
  PLOT.left = Math.max(LEAST_LEFT, Math.ceil(26 + widest(chart.axes[LEFT].ticks)));
  const tempRoom = Math.ceil(28 + widest(chart.axes[RIGHT].ticks));
  PLOT.right = WIDTH - Math.max(LEAST_RIGHT_ROOM, tempRoom);
  const { left, right, top, bottom } = PLOT;
  const { frame } = drawing;
  set(frame.plot, { x: left, width: right - left });
  set(frame.axis, { d: `M${left} ${top}V${bottom}H${right}` });
  set(frame.tempAxis, { d: `M${right} ${top}V${bottom}` });
  set(frame.flowTitle, { x: (left + right) / 2 });
}

// Shows `wanted` nodes of `pool` in `place`, in the pool's order, and takes the rest out.
function show(place, pool, wanted) {
  for (let i = 0; i < pool.length; ++i) {
    const attached = pool[i][0].parentNode === place;
    if (i < wanted && !attached) place.append(...pool[i]);
    if (i >= wanted && attached) for (const node of pool[i]) node.remove();
  }
}

// A tick of an axis: its line and its label, made when an axis first needs that many.
function drawTicks(drawing, axis, ticks, make, place) {
  const pool = drawing.pools[axis];
  while (pool.length < ticks.length) pool.push(make());
  ticks.forEach((tick, i) => place(pool[i], tick));
  show(drawing.ticks[axis], pool, ticks.length);
}

function drawAxes(drawing, chart, { x, y, yTemp }) {
  const { left, right, top, bottom } = PLOT;
  const make = (lineClass, textClass, anchor) => () => [
    set(document.createElementNS(SVG, 'line'), { class: lineClass }),
    set(document.createElementNS(SVG, 'text'), { class: textClass, ...anchor }),
  ];
  drawTicks(
    drawing,
    'load',
    chart.axes[LEFT].ticks,
    make('grid', 'tick', { 'text-anchor': 'end' }),
    ([gridLine, label], { value, label: text }) => {
      set(gridLine, { x1: left, y1: y(value), x2: right, y2: y(value) });
      set(label, { x: left - 5, y: y(value) + 4 });
      setText(label, text);
    },
  );
  drawTicks(
    drawing,
    'flow',
    chart.axes[BOTTOM].ticks,
    make('grid', 'tick', { 'text-anchor': 'middle' }),
    ([gridLine, label], { value, label: text }) => {
      set(gridLine, { x1: x(value), y1: top, x2: x(value), y2: bottom });
      set(label, { x: x(value), y: bottom + 15 });
      setText(label, text);
    },
  );
  drawTicks(
    drawing,
    'temp',
    chart.axes[RIGHT].ticks,
    make('axis temp', 'tick temp', {}),
    ([mark, label], { value, label: text }) => {
      set(mark, { x1: right, y1: yTemp(value), x2: right + 4, y2: yTemp(value) });
      set(label, { x: right + 7, y: yTemp(value) + 4 });
      setText(label, text);
    },
  );
}

// The points of a polyline through a curve's points, written in one string.
function through(points, x, y) {
  let text = '';
  for (let i = 0; i < points.length; ++i) {
    text += `${i === 0 ? '' : ' '}${x(points[i][0])},${y(points[i][1])}`;
  }
  return text;
}

// The elements of the control curve, made on its first drawing and kept: a recalculation moves
// them and changes their texts, and only what differs from what is shown is written, so that the
// browser lays out and paints again only what changed.
let drawing = null;

// Draws the control curve's `chart` (ControlCurveDrawing: flow, load and outlet temperature
// axes; the outlet temperature's and the load's curves; the surface's limit and the heater's
// power; the reflux marks; the result's dots) into the SVG element `element`, with the fixed
// texts `texts` (flowAxis, loadAxis, outletAxis, limit, heater).
export function drawControlCurve(element, chart, texts) {
  if (!drawing) {
    measure(element);
    drawing = makeChart(texts);
  }
  // The levels' captions are measured where they are drawn.
  if (drawing.root.parentNode !== element) element.append(drawing.root);
  fitSides(drawing, chart);
  const scale = scales(chart);
  drawAxes(drawing, chart, scale);
  const onAxis = (axis) => (axis === RIGHT ? scale.yTemp : scale.y);
  for (const curve of chart.curves) {
    set(drawing.curves[curve.axis], { points: through(curve.points, scale.x, onAxis(curve.axis)) });
  }
  const [limit, heater] = chart.levels;
  placeLevel(drawing.limit, scale.y(limit.value));
  show(drawing.heaterPlace, [[drawing.heater.line, drawing.heater.caption]], heater ? 1 : 0);
  if (heater) placeLevel(drawing.heater, scale.y(heater.value), drawing.limit);
  drawRefluxMarks(drawing, chart.marks, scale);
  for (const dot of chart.dots) {
    set(drawing.result[dot.axis], { cx: scale.x(dot.x), cy: onAxis(dot.axis)(dot.y) });
  }
  show(drawing.resultPlace, [Object.values(drawing.result)], chart.dots.length > 0 ? 1 : 0);
}

// Takes the control curve's elements away, so that the next drawing makes them anew: after a
// change of language, for its fixed texts.
export function forgetControlCurve() {
  drawing?.root.remove();
  drawing = null;
}

// ---- The cooling tank's chart ----

// The plot between the axes' labels, in viewBox units from the element's sides.
const TANK_PLOT = { left: 34, right: 14, top: 18, bottom: 36 };

// Makes the children of `parent` the elements `wanted` describes ([name, attributes, text]), in
// order: an element already in its place keeps its node, and only what differs is written; one
// of another name is made anew, and those beyond the last wanted are taken out. Elements of one
// name always carry the same attributes here, so that none is left over from another use.
function keepOnly(parent, wanted) {
  const nodes = parent.children;
  wanted.forEach(([name, attributes, text], i) => {
    let node = nodes[i];
    if (node?.localName !== name) {
      node = document.createElementNS(SVG, name);
      parent.insertBefore(node, nodes[i] ?? null);
    }
    set(node, attributes);
    if (text !== undefined) setText(node, text);
  });
  while (nodes.length > wanted.length) nodes[nodes.length - 1].remove();
}

// Draws the tank's `chart` (TankChart: time along the bottom, temperature on the left, one
// curve, the limit's level) into the SVG element `element`, or empties it where `chart` is null.
export function drawTankChart(element, chart) {
  if (chart === null) {
    if (element.firstChild) element.replaceChildren();
    return;
  }
  const { width, height } = element.viewBox.baseVal;
  const left = TANK_PLOT.left;
  const right = width - TANK_PLOT.right;
  const top = TANK_PLOT.top;
  const bottom = height - TANK_PLOT.bottom;
  const time = chart.axes[BOTTOM];
  const temp = chart.axes[LEFT];
  const x = along(time, left, right);
  const y = along(temp, bottom, top);
  const wanted = [];
  const line = (className, x1, y1, x2, y2) =>
    wanted.push([
      'line',
      { class: className, x1: round(x1), y1: round(y1), x2: round(x2), y2: round(y2) },
    ]);
  const text = (className, tx, ty, anchor, content) =>
    wanted.push([
      'text',
      { class: className, x: round(tx), y: round(ty), 'text-anchor': anchor },
      content,
    ]);

  for (const { value, label } of temp.ticks) {
    line('grid', left, y(value), right, y(value));
    text('tick', left - 6, y(value) + 4, 'end', label);
  }
  for (const { value, label } of time.ticks) {
    line('grid', x(value), top, x(value), bottom);
    text('tick', x(value), bottom + 15, 'middle', label);
  }
  line('axis', left, top, left, bottom);
  line('axis', left, bottom, right, bottom);
  text('title', (left + right) / 2, height - 4, 'middle', time.title);
  // The unit of the temperatures stands right of the axis's top, clear of the top tick's label.
  text('title', left + 4, top - 6, 'start', temp.title);
  for (const { value, caption } of chart.levels) {
    line('limit', left, y(value), right, y(value));
    text('caption', right - 4, y(value) - 4, 'end', caption);
  }
  for (const { points } of chart.curves) {
    for (let i = 1; i < points.length; ++i) {
      const [from, to] = [points[i - 1], points[i]];
      line('tank', x(from[0]), y(from[1]), x(to[0]), y(to[1]));
    }
  }
  keepOnly(element, wanted);
}
