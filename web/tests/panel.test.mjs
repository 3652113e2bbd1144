// The design panel beside the window: the heater example, the rows each mode shows, «—» with a
// reason where there is nothing to show, and no change until the recalculate command.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { calculatorPerTest, newPage, openCalculator, typeAndEnter } from './browser.mjs';

const REFLUX = [
  'RefluxFlow1',
  'RefluxFlow2',
  'RefluxFlow3',
  'RefluxFlow5',
  'RefluxFlow10',
  'RefluxFlowFull',
];
const NUMBERS = ['MaxLoad', ...REFLUX, 'AreaAt10K', 'AreaMin', 'HeightAt10K', 'HeightMin'];

// The panel as a reader sees it: its numbers, which parts are shown, and what the chart holds.
function readPanel(ids) {
  const chart = document.getElementById('ControlCurve');
  const shown = (e) => e.getClientRects().length > 0;
  const reason = document.getElementById('DesignPanelReason');
  const result = chart.querySelector('circle.result.load');
  const heater = chart.querySelector('line.heater');
  const limit = chart.querySelector('line.limit');
  return {
    numbers: Object.fromEntries(ids.map((id) => [id, document.getElementById(id).textContent])),
    reason: shown(reason) ? reason.textContent : null,
    heaterTables: shown(document.getElementById('HeaterSizing')),
    heights: shown(document.getElementById('HeightMin')),
    role: chart.getAttribute('role'),
    label: chart.getAttribute('aria-label'),
    curves: chart.querySelectorAll('polyline').length,
    limit: limit && getComputedStyle(limit).strokeDasharray,
    limitCaption: [...chart.querySelectorAll('text')].some(
      (t) => t.textContent === 'предел поверхности',
    ),
    axisTitles: [...chart.querySelectorAll('text.title')].map((t) => t.textContent),
    result: result && { cy: Number(result.getAttribute('cy')) },
    heaterY: heater && Number(heater.getAttribute('y1')),
  };
}

const panel = (page) => page.evaluate(readPanel, NUMBERS);

// What the chart draws, in drawing order: each shape and text with its attributes and text; the
// groups that only order them are left out.
function chartDrawing() {
  return [...document.querySelectorAll('#ControlCurve *')]
    .filter((e) => e.tagName !== 'g')
    .map((e) => [
      e.tagName,
      ...[...e.attributes].map((a) => `${a.name}=${a.value}`).sort(),
      e.textContent,
    ]);
}

// «СС» 88, inlet 20, height 80, diameter 5, the heat load `load`, Enter.
async function enterExample(page, load = '2000') {
  await page.click('label[data-control="Option2"]');
  await page.keyboard.press('Enter');
  await typeAndEnter(page, ['20', '80', '5']);
  await page.click('label[data-control="Option7"]');
  await typeAndEnter(page, [load]);
}

async function retype(page, box, text) {
  await page.focus(`#${box}`);
  await page.$eval(`#${box}`, (e) => e.select());
  if (text) await page.keyboard.type(text);
  else await page.keyboard.press('Backspace');
}

describe('the design panel', () => {
  const calculator = calculatorPerTest();
  let page;
  beforeEach(() => {
    page = calculator.page;
  });

  it('shows the heater example: the limit, the reflux flows, the surface and the chart', async () => {
    await enterExample(page);
    const shown = await panel(page);
    assert.deepEqual(shown.numbers, {
      MaxLoad: '5811',
      RefluxFlow1: '0.24',
      RefluxFlow2: '0.32',
      RefluxFlow3: '0.36',
      RefluxFlow5: '0.41',
      RefluxFlow10: '0.45',
      RefluxFlowFull: '0.5',
      AreaAt10K: '468',
      AreaMin: '433',
      HeightAt10K: '29.8',
      HeightMin: '27.5',
    });
    assert.equal(shown.reason, null);
    assert.ok(shown.heaterTables && shown.heights);
    assert.equal(shown.role, 'img');
    assert.match(
      shown.label,
      /^График: тепловая нагрузка дефлегматора .* Предел поверхности 5811\u00A0Вт\./,
    );
    assert.match(
      shown.label,
      /Результат расчёта: 0\.5\u00A0л\/\u2060мин, 2000\u00A0Вт\. Мощность нагрева 2000\u00A0Вт\.$/,
    );
    assert.equal(shown.curves, 2, 'the load and the outlet temperature');
    assert.match(shown.limit, /\d/, 'the limit is dashed');
    assert.ok(shown.limitCaption);
    assert.deepEqual(shown.axisTitles, [
      'Расход воды, л/мин',
      'Тепловая нагрузка, Вт',
      'Т воды на выходе, °С',
    ]);
    // In the heat-load mode the result's load is the heater's power: the point lies on its line.
    assert.ok(shown.result, 'the result is marked');
    assert.equal(shown.result.cy, shown.heaterY);
  });

  it('has the generated reflux rows and draws within the chart at its proportions', async () => {
    const rows = () =>
      [...document.querySelectorAll('table.reflux tbody tr')].map((row) => [
        row.querySelector('th').textContent,
        row.querySelector('td').id,
        row.querySelector('td').textContent,
      ]);
    assert.deepEqual(await page.evaluate(rows), [
      ['1', 'RefluxFlow1', '—'],
      ['2', 'RefluxFlow2', '—'],
      ['3', 'RefluxFlow3', '—'],
      ['5', 'RefluxFlow5', '—'],
      ['10', 'RefluxFlow10', '—'],
      ['полная флегма', 'RefluxFlowFull', '—'],
    ]);
    await enterExample(page);
    const chart = await page.$eval('#ControlCurve', (svg) => {
      const { width, height } = svg.viewBox.baseVal;
      const drawn = svg.getBBox();
      const box = svg.getBoundingClientRect();
      return {
        width,
        height,
        drawn: [drawn.x, drawn.y, drawn.width, drawn.height],
        ratio: box.width / box.height,
      };
    });
    const [x, y, width, height] = chart.drawn;
    assert.ok(
      x >= 0 && y >= 0 && width > chart.width / 2 && height > chart.height / 2,
      `drawn ${chart.drawn}`,
    );
    assert.ok(x + width <= chart.width && y + height <= chart.height, `drawn ${chart.drawn}`);
    assert.ok(Math.abs(chart.ratio - chart.width / chart.height) < 0.02, `ratio ${chart.ratio}`);
  });

  it('shows the heater tables only for a given heat load and heights only with a diameter', async () => {
    await typeAndEnter(page, ['78', '15', '100', '5', '40']);
    const outlet = await panel(page);
    assert.equal(outlet.numbers.MaxLoad, '6729');
    assert.deepEqual([outlet.heaterTables, outlet.heaterY, outlet.curves], [false, null, 2]);
    assert.ok(outlet.result);

    await page.click('label[data-control="Option5"]');
    await typeAndEnter(page, ['1571']);
    await page.click('label[data-control="Option7"]');
    await typeAndEnter(page, ['3000']);
    const area = await panel(page);
    assert.deepEqual([area.heaterTables, area.heights], [true, false]);
    assert.match(area.numbers.AreaMin, /^\d+$/);
  });

  // Each case starts from the example's full panel, so a stale chart would show: an input the
  // panel cannot use and a failed calculation, the two ways the page comes to no chart. Which
  // inputs give which reason is the panel's rule (tests/companion/design_panel_test.cpp).
  const unusable = [
    { name: 'an empty box', box: 'Text3', text: '', reason: 'Введите высоту.' },
    {
      name: 'a failed calculation',
      box: 'Text6',
      text: '9000',
      reason: 'Расчёт остановлен ошибкой, поэтому характеристики нет.',
      error: true,
    },
  ];
  for (const { name, box, text, reason, error } of unusable) {
    it(`shows «—» and why, with no chart, after ${name}`, async () => {
      await enterExample(page);
      await retype(page, box, text);
      await page.keyboard.press('Enter');
      assert.equal(await page.$eval('#ErrorDialog', (d) => d.open), Boolean(error));
      if (error) await page.keyboard.press('Escape');
      const shown = await panel(page);
      assert.deepEqual(
        Object.values(shown.numbers),
        NUMBERS.map(() => '—'),
      );
      assert.equal(shown.reason, reason);
      assert.ok(shown.heaterTables, 'the rows of the mode stay, each with «—»');
      assert.equal(await page.$eval('#ControlCurve', (c) => c.childElementCount), 0);
      assert.equal(shown.label, `График не построен. ${reason}`);
    });
  }

  // The chart's elements are kept from one recalculation to the next: after others, with more or
  // fewer ticks, the heater's line and no chart at all, it must draw what a fresh page draws.
  it('draws the same chart after other recalculations as on a fresh page', async () => {
    // A form filled in whole and recalculated, whatever the page showed before.
    const recalculate = async (p, given, texts) => {
      await p.click(`label[data-control="${given}"]`);
      await p.evaluate((boxes) => {
        for (const [id, text] of Object.entries(boxes)) document.getElementById(id).value = text;
      }, texts);
      await p.click('#Command1');
    };
    const heater = (p) =>
      recalculate(p, 'Option7', {
        Text1: '88',
        Text2: '20',
        Text3: '80',
        Text4: '5',
        Text6: '2000',
      });
    const outlet = (p) =>
      recalculate(p, 'Option6', {
        Text1: '150',
        Text2: '15',
        Text3: '100',
        Text4: '5',
        Text6: '149',
      });

    await heater(page);
    await outlet(page);
    const outletAfterHeater = await page.evaluate(chartDrawing);
    await retype(page, 'Text3', '');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#ControlCurve', (c) => c.childElementCount), 0);
    await heater(page);
    const heaterAgain = await page.evaluate(chartDrawing);

    // The same charts, each drawn first on a fresh page.
    const fresh = await newPage(calculator.browser, { width: 1024, height: 700 });
    try {
      await openCalculator(fresh, calculator.server.url);
      await heater(fresh);
      const heaterFirst = await fresh.evaluate(chartDrawing);
      await openCalculator(fresh, calculator.server.url);
      await outlet(fresh);
      const outletFirst = await fresh.evaluate(chartDrawing);
      assert.notEqual(
        outletFirst.length,
        heaterFirst.length,
        'the charts differ in their elements',
      );
      assert.deepEqual(outletAfterHeater, outletFirst);
      assert.deepEqual(heaterAgain, heaterFirst);
    } finally {
      await fresh.close();
    }
  });

  it('keeps its numbers while the user types, until Enter', async () => {
    await enterExample(page);
    const before = await panel(page);
    await retype(page, 'Text6', '3000');
    await page.click('label[data-control="Option6"]');
    await page.click('label[data-control="Option7"]');
    assert.deepEqual(await panel(page), before);

    await page.keyboard.press('Enter');
    const after = await panel(page);
    assert.equal(after.numbers.MaxLoad, '5811');
    assert.notEqual(after.numbers.RefluxFlow1, before.numbers.RefluxFlow1);
    assert.match(after.label, /Мощность нагрева 3000\u00A0Вт\.$/);
  });
});
