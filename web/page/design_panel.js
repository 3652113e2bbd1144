// The design panel beside the window: shows what the module computed after a recalculation. It
// only places numbers and texts the module handed over; its charts are drawn by chart.js.
import {
  drawControlCurve,
  drawTankChart,
  forgetControlCurve,
  readChart,
  set,
  setText,
} from './chart.js';
import { handOver } from './hand_over.js';

const element = (id) => document.getElementById(id);

// The chart's fixed texts, in the page's language: attributes of the panel, which the page's
// texts set.
const chartTexts = () => element('DesignPanel').dataset;

// The panel the module handed over at `address` (web/src/hand_over.h), or null where it had none
// to show.
export function readPanel(module, address) {
  const r = handOver(module, address);
  if (r === null) return null;
  const panel = {
    available: r.flag(),
    holds: r.flag(),
    heatLoadMode: r.flag(),
    heightDiameterMode: r.flag(),
  };
  for (const id of ['reason', 'verdict', 'windowNote', 'MaxLoad']) panel[id] = r.text();
  for (const id of ['AreaAt10K', 'AreaMin', 'HeightAt10K', 'HeightMin']) panel[id] = r.text();
  panel.reflux = r.list(() => ({
    id: r.text(),
    flow: r.text(),
    impractical: r.flag(),
    takeOffId: r.text(),
    takeOff: r.text(),
  }));
  panel.beyond = r.text();
  panel.description = r.text();
  panel.curve = r.flag() ? readChart(r) : null;
  panel.tank = r.flag() ? readChart(r) : null;
  return panel;
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
  forgetControlCurve();
}

// Shows the panel the module built after a recalculation (readPanel).
export function showDesignPanel(panel) {
  const chart = element('ControlCurve');
  if (panel.available) {
    drawControlCurve(chart, panel.curve, chartTexts());
    set(chart, { 'aria-label': panel.description });
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
  setText(element('ChartBeyond'), panel.beyond);
  setText(element('MaxLoad'), panel.MaxLoad);
  for (const row of panel.reflux) {
    const cell = element(row.id);
    setText(cell, row.flow);
    if (cell.classList.contains('impractical') !== row.impractical) {
      cell.classList.toggle('impractical', row.impractical);
    }
    setText(element(row.takeOffId), row.takeOff);
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
  drawTankChart(element('TankChart'), panel.tank);
}
