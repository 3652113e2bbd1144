// The design panel beside the window: shows what the module computed after a recalculation. It
// only places numbers and texts the module wrote; the chart maps the curve's points onto the
// drawing, nothing more.

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

// A new SVG element at the end of `parent`. Only attributes, never a style: the page's policy
// forbids inline styles, so the look comes from style.css by class.
function svg(parent, name, attributes, content) {
  const node = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, String(value));
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

const line = (chart, className, x1, y1, x2, y2) =>
  svg(chart, 'line', { class: className, x1, y1, x2, y2 });
const text = (chart, className, attributes, content) =>
  svg(chart, 'text', { class: className, ...attributes }, content);

function drawAxes(chart, curve, { x, y, yTemp }) {
  const { left, right, top, bottom } = PLOT;
  svg(chart, 'rect', { class: 'plot', x: left, y: top, width: right - left, height: bottom - top });
  for (const { value, label } of curve.loadTicks) {
    line(chart, 'grid', left, y(value), right, y(value));
    text(chart, 'tick', { x: left - 5, y: y(value) + 4, 'text-anchor': 'end' }, label);
  }
  for (const { value, label } of curve.flowTicks) {
    line(chart, 'grid', x(value), top, x(value), bottom);
    text(chart, 'tick', { x: x(value), y: bottom + 15, 'text-anchor': 'middle' }, label);
  }
  for (const { value, label } of curve.tempTicks) {
    line(chart, 'axis temp', right, yTemp(value), right + 4, yTemp(value));
    text(chart, 'tick temp', { x: right + 7, y: yTemp(value) + 4 }, label);
  }
  svg(chart, 'path', { class: 'axis', d: `M${left} ${top}V${bottom}H${right}` });
  svg(chart, 'path', { class: 'axis temp', d: `M${right} ${top}V${bottom}` });

  // The vertical titles turn about their middle: the load's reads upwards, the temperature's
  // downwards, each clear of its tick labels.
  const middle = (top + bottom) / 2;
  const centred = { 'text-anchor': 'middle' };
  text(chart, 'title', { ...centred, x: (left + right) / 2, y: HEIGHT - 14 }, 'Расход воды, л/мин');
  text(
    chart,
    'title',
    { ...centred, transform: `translate(14 ${middle}) rotate(-90)` },
    'Тепловая нагрузка, Вт',
  );
  const downwards = `translate(${WIDTH - 16} ${middle}) rotate(90)`;
  text(chart, 'title temp', { ...centred, transform: downwards }, 'Т воды на выходе, °С');
}

// A horizontal line across the plot at a load, with its caption above it at the right end.
function drawLevel(chart, className, load, caption, y) {
  const at = y(load);
  line(chart, className, PLOT.left, at, PLOT.right, at);
  text(
    chart,
    `caption ${className}`,
    { x: PLOT.right - 4, y: at - 4, 'text-anchor': 'end' },
    caption,
  );
}

function drawCurve(chart, curve) {
  const scale = scales(curve);
  drawAxes(chart, curve, scale);
  const through = (y) => curve.points.map((point) => `${scale.x(point[0])},${y(point)}`).join(' ');
  svg(chart, 'polyline', { class: 'curve temp', points: through((p) => scale.yTemp(p[2])) });
  svg(chart, 'polyline', { class: 'curve load', points: through((p) => scale.y(p[1])) });
  drawLevel(chart, 'limit', curve.maxLoad, 'предел поверхности', scale.y);
  if (curve.heaterPower !== null) {
    drawLevel(chart, 'heater', curve.heaterPower, 'мощность нагрева', scale.y);
  }
  if (curve.result) {
    const [flow, load, outletTemp] = curve.result;
    const cx = scale.x(flow);
    svg(chart, 'circle', { class: 'result temp', cx, cy: scale.yTemp(outletTemp), r: 3.5 });
    svg(chart, 'circle', { class: 'result load', cx, cy: scale.y(load), r: 4.5 });
  }
}

// Shows the panel the module built after a recalculation (its JSON text).
export function showDesignPanel(json) {
  const panel = JSON.parse(json);
  const chart = element('ControlCurve');
  measure(chart);
  chart.replaceChildren();
  if (panel.available) {
    drawCurve(chart, panel.curve);
    chart.setAttribute('aria-label', panel.curve.description);
  } else {
    chart.setAttribute('aria-label', `График не построен. ${panel.reason}`);
  }
  element('DesignPanel').classList.toggle('unavailable', !panel.available);
  element('DesignPanelReason').textContent = panel.reason;
  element('DesignPanelReason').hidden = panel.available;

  element('MaxLoad').textContent = panel.MaxLoad;
  for (const row of panel.reflux) element(row.id).textContent = row.flow;
  for (const id of ['AreaAt10K', 'AreaMin', 'HeightAt10K', 'HeightMin']) {
    element(id).textContent = panel[id];
  }
  element('HeaterSizing').hidden = !panel.heatLoadMode;
  element('HeaterHint').hidden = panel.heatLoadMode;
  for (const cell of document.querySelectorAll('#HeaterSizing .height')) {
    cell.hidden = !panel.heightDiameterMode;
  }
}
