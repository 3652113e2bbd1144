// The design panel beside the window: shows what the module computed after a recalculation. It
// only places numbers and texts the module wrote; the chart maps the curve's points onto the
// drawing, nothing more.
//
// The chart's elements are made on its first drawing and kept: a recalculation moves them and
// changes their texts, and only what differs from what is shown is written, so that the browser
// lays out and paints again only what changed.

const SVG = 'http://www.w3.org/2000/svg';

// The drawing in user units of the chart's viewBox, whose size the page generator writes from
// the chart geometry: the plot between the axes' labels. Set from the element by measure().
let WIDTH = 0;
let HEIGHT = 0;
const PLOT = { left: 58, right: 0, top: 12, bottom: 0 };

function measure(chart) {
  ({ width: WIDTH, height: HEIGHT } = chart.viewBox.baseVal);
  PLOT.right = WIDTH - 54;
  PLOT.bottom = HEIGHT - 50;
}

const element = (id) => document.getElementById(id);

// Sets the attributes that differ from the element's. Only attributes, never a style: the page's
// policy forbids inline styles, so the look comes from style.css by class.
function set(node, attributes) {
  for (const key in attributes) {
    const value = String(attributes[key]);
    if (node.getAttribute(key) !== value) node.setAttribute(key, value);
  }
  return node;
}

function setText(node, text) {
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

function scales(curve) {
  const across = PLOT.right - PLOT.left;
  const down = PLOT.bottom - PLOT.top;
  const tempSpan = curve.tempAxisMax - curve.tempAxisMin;
  return {
    x: (flow) => round(PLOT.left + (flow / curve.flowAxisMax) * across),
    y: (load) => round(PLOT.bottom - (load / curve.loadAxisMax) * down),
    yTemp: (temp) => round(PLOT.bottom - ((temp - curve.tempAxisMin) / tempSpan) * down),
  };
}

// The chart's fixed texts, in the page's language: attributes of the panel, which the page's
// texts set.
const chartTexts = () => element('DesignPanel').dataset;

// The parts of the chart that never change, and the places of those that do, in drawing order:
// the grid and ticks under the axes, the curves over them, the levels and the result on top.
function makeChart() {
  const { left, right, top, bottom } = PLOT;
  const texts = chartTexts();
  const root = document.createElementNS(SVG, 'g');
  svg(root, 'rect', { class: 'plot', x: left, y: top, width: right - left, height: bottom - top });
  const ticks = { load: svg(root, 'g'), flow: svg(root, 'g'), temp: svg(root, 'g') };
  svg(root, 'path', { class: 'axis', d: `M${left} ${top}V${bottom}H${right}` });
  svg(root, 'path', { class: 'axis temp', d: `M${right} ${top}V${bottom}` });

  // The vertical titles turn about their middle: the load's reads upwards, the temperature's
  // downwards, each clear of its tick labels.
  const middle = (top + bottom) / 2;
  const centred = { 'text-anchor': 'middle' };
  svg(
    root,
    'text',
    { class: 'title', ...centred, x: (left + right) / 2, y: HEIGHT - 14 },
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
    ticks,
    pools: { load: [], flow: [], temp: [] },
    tempCurve,
    loadCurve,
    limit,
    heaterPlace,
    heater,
    marks,
    markPool: [],
    resultPlace,
    result: [result.temp, result.load],
  };
}

// The least distance, in drawing units, between the labels of two reflux flows.
const MARK_LABEL_ROOM = 22;

// The reflux flows on the load curve: a short tick across it with the ratio below.
function drawRefluxMarks(drawing, marks, { x, y }) {
  const pool = drawing.markPool;
  while (pool.length < marks.length) {
    pool.push([
      set(document.createElementNS(SVG, 'line'), { class: 'reflux-mark' }),
      set(document.createElementNS(SVG, 'text'), { class: 'caption reflux-mark' }),
    ]);
  }
  // Close flows keep their ticks but only the first of crowded labels, so that none overlap.
  let lastLabelled = -Infinity;
  marks.forEach(([flow, load, label], i) => {
    const [tick, caption] = pool[i];
    const cx = x(flow);
    const cy = y(load);
    const roomy = cx - lastLabelled >= MARK_LABEL_ROOM;
    if (roomy) lastLabelled = cx;
    set(tick, { x1: cx, y1: cy - 4, x2: cx, y2: cy + 4 });
    set(caption, { x: cx, y: cy + 16, 'text-anchor': 'middle' });
    setText(caption, roomy ? label : '');
  });
  show(drawing.marks, pool, marks.length);
}

// A horizontal line across the plot, with its caption above it at the right end.
function level(parent, className, caption) {
  return {
    line: svg(parent, 'line', { class: className, x1: PLOT.left, x2: PLOT.right }),
    caption: svg(
      parent,
      'text',
      { class: `caption ${className}`, x: PLOT.right - 4, 'text-anchor': 'end' },
      caption,
    ),
  };
}

function placeLevel({ line, caption }, at) {
  set(line, { y1: at, y2: at });
  set(caption, { y: at - 4 });
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

function drawAxes(drawing, curve, { x, y, yTemp }) {
  const { left, right, top, bottom } = PLOT;
  const make = (lineClass, textClass, anchor) => () => [
    set(document.createElementNS(SVG, 'line'), { class: lineClass }),
    set(document.createElementNS(SVG, 'text'), { class: textClass, ...anchor }),
  ];
  drawTicks(
    drawing,
    'load',
    curve.loadTicks,
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
    curve.flowTicks,
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
    curve.tempTicks,
    make('axis temp', 'tick temp', {}),
    ([mark, label], { value, label: text }) => {
      set(mark, { x1: right, y1: yTemp(value), x2: right + 4, y2: yTemp(value) });
      set(label, { x: right + 7, y: yTemp(value) + 4 });
      setText(label, text);
    },
  );
}

// The points of a polyline through the curve, written in one string.
function through(points, x, y) {
  let text = '';
  for (let i = 0; i < points.length; ++i) {
    text += `${i === 0 ? '' : ' '}${x(points[i][0])},${y(points[i])}`;
  }
  return text;
}

let drawing = null;

function drawCurve(chart, curve) {
  if (!drawing) {
    measure(chart);
    drawing = makeChart();
  }
  const scale = scales(curve);
  drawAxes(drawing, curve, scale);
  set(drawing.tempCurve, { points: through(curve.points, scale.x, (p) => scale.yTemp(p[2])) });
  set(drawing.loadCurve, { points: through(curve.points, scale.x, (p) => scale.y(p[1])) });
  placeLevel(drawing.limit, scale.y(curve.maxLoad));
  const heater = curve.heaterPower !== null;
  if (heater) placeLevel(drawing.heater, scale.y(curve.heaterPower));
  show(drawing.heaterPlace, [[drawing.heater.line, drawing.heater.caption]], heater ? 1 : 0);
  drawRefluxMarks(drawing, curve.refluxMarks, scale);
  if (curve.result) {
    const [flow, load, outletTemp] = curve.result;
    const cx = scale.x(flow);
    set(drawing.result[0], { cx, cy: scale.yTemp(outletTemp) });
    set(drawing.result[1], { cx, cy: scale.y(load) });
  }
  show(drawing.resultPlace, [drawing.result], curve.result ? 1 : 0);
  if (drawing.root.parentNode !== chart) chart.append(drawing.root);
}

let heightCells = null;

// A line that shows `text`, hidden while there is none.
function showLine(line, text) {
  setText(line, text);
  if (line.hidden !== !text) line.hidden = !text;
}

// Takes the chart's elements away after a change of language, so that the next panel shown draws
// them anew with the fixed texts of the new language.
export function forgetChart() {
  drawing?.root.remove();
  drawing = null;
}

// Shows the panel the module built after a recalculation (its JSON text).
export function showDesignPanel(json) {
  const panel = JSON.parse(json);
  const chart = element('ControlCurve');
  if (panel.available) {
    drawCurve(chart, panel.curve);
    set(chart, { 'aria-label': panel.curve.description });
  } else {
    // The chart is left empty; its elements are kept for the next drawing.
    if (chart.firstChild) chart.replaceChildren();
    set(chart, { 'aria-label': `${chartTexts().noChart} ${panel.reason}` });
  }
  const container = element('DesignPanel');
  if (container.classList.contains('unavailable') === panel.available) {
    container.classList.toggle('unavailable', !panel.available);
  }
  const reason = element('DesignPanelReason');
  setText(reason, panel.reason);
  if (reason.hidden !== panel.available) reason.hidden = panel.available;

  showLine(element('PanelVerdict'), panel.verdict);
  element('PanelVerdict').classList.toggle('fails', Boolean(panel.verdict) && !panel.holds);
  showLine(element('WindowNote'), panel.windowNote);
  setText(element('ChartBeyond'), panel.available ? panel.curve.beyond : '');
  setText(element('MaxLoad'), panel.MaxLoad);
  for (const row of panel.reflux) {
    const cell = element(row.id);
    setText(cell, row.flow);
    if (cell.classList.contains('impractical') !== row.impractical) {
      cell.classList.toggle('impractical', row.impractical);
    }
  }
  for (const id of ['AreaAt10K', 'AreaMin', 'HeightAt10K', 'HeightMin']) {
    setText(element(id), panel[id]);
  }
  const sizing = element('HeaterSizing');
  if (sizing.hidden === panel.heatLoadMode) sizing.hidden = !panel.heatLoadMode;
  const hint = element('HeaterHint');
  if (hint.hidden !== panel.heatLoadMode) hint.hidden = panel.heatLoadMode;
  heightCells ??= [...document.querySelectorAll('#HeaterSizing .height')];
  for (const cell of heightCells) {
    if (cell.hidden === panel.heightDiameterMode) cell.hidden = !panel.heightDiameterMode;
  }
}
