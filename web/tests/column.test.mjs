// The panel's section «У колонны»: the tap's reflux ratio, the water of a run and the cooling
// tank, under a Russian browser; «—» with a reason; the section kept through a reload; and the
// control curve drawn where the user works.
import assert from 'node:assert/strict';
import { before, describe, it } from 'node:test';
import {
  browserPerSuite,
  newPage,
  openCalculator,
  recalculateWith as recalculate,
  retype as fill,
  shown as read,
} from './browser.mjs';

const EXAMPLE = { Text1: '78', Text2: '15', Text3: '100', Text4: '5', Text6: '40' };
const RESULTS = ['TapLoad', 'TapOutlet', 'TapReflux', 'RunWater', 'TankLimitTemp', 'TankTime'];

// Under a Russian browser, so that the numbers go in and out with its decimal comma; the section's
// numbers under either separator are checked natively (tests/companion/column_section_test.cpp).
for (const [lang, point] of [['ru-RU', ',']]) {
  describe(`«У колонны» under ${lang}`, () => {
    const suite = browserPerSuite({ lang });
    let page;
    before(async () => {
      page = await newPage(suite.browser, { lang, width: 1366, height: 900 });
      await openCalculator(page, suite.server.url);
    });
    const n = (text) => text.replace('.', point);

    it('gives the tap’s reflux ratio, the run’s water and the tank’s time', async () => {
      await recalculate(page, EXAMPLE);
      await fill(page, {
        PanelPower: '2000',
        TapFlow: n('0.3'),
        RunHours: '5',
        TankVolume: '200',
        PumpFlow: '5',
      });
      assert.equal(await page.$eval('#TankStart', (e) => e.value), '15', 'the window’s Tin');
      assert.deepEqual(await read(page, RESULTS), {
        TapLoad: '1180',
        TapOutlet: n('77.8'),
        TapReflux: n('1.4'),
        RunWater: '90',
        TankLimitTemp: n('55.9'),
        TankTime: '4\u00A0ч 16\u00A0мин',
      });
      assert.ok(await page.$('#TankChart line.tank'), 'the tank’s warming is drawn');

      await fill(page, { TapFlow: n('0.5') });
      await page.select('#TankReflux', '3');
      assert.deepEqual(await read(page, RESULTS), {
        TapLoad: '1909',
        TapOutlet: n('75.9'),
        TapReflux: n('20.9'),
        RunWater: '150',
        TankLimitTemp: n('61.4'),
        TankTime: '4\u00A0ч 51\u00A0мин',
      });
    });

    it('shows «—» and says why, and marks a box it cannot take', async () => {
      await fill(page, { TapFlow: 'много', TankStart: '62' });
      const shown = await page.evaluate(() => ({
        tap: document.getElementById('TapLoad').textContent,
        tapReason: document.getElementById('TapReason').textContent,
        invalid: document.getElementById('TapFlow').getAttribute('aria-invalid'),
        water: document.getElementById('RunWater').textContent,
        time: document.getElementById('TankTime').textContent,
        tankReason: document.getElementById('TankReason').textContent,
        chart: document.getElementById('TankChart').childElementCount,
      }));
      assert.deepEqual(shown, {
        tap: '—',
        tapReason: 'Введите расход воды из крана, л/мин — число больше нуля.',
        invalid: 'true',
        water: '—',
        time: 'бак не справится с самого начала',
        tankReason: shown.tankReason,
        chart: 0,
      });
      assert.match(
        shown.tankReason,
        /^Уже при 62\u00A0°С насос на 5\u00A0л\/\u2060мин .* Увеличьте расход насоса/,
      );
    });

    it('keeps the section through a reload', async () => {
      await fill(page, { TapFlow: n('0.3'), TankStart: '' });
      await openCalculator(page, suite.server.url);
      const kept = await page.evaluate(() =>
        ['PanelPower', 'TapFlow', 'RunHours', 'TankVolume', 'TankStart', 'PumpFlow', 'TankReflux']
          .map((id) => document.getElementById(id).value)
          .join(' '),
      );
      assert.equal(kept, `2000 ${n('0.3')} 5 200  5 3`, 'TankStart follows Tin again');
      assert.equal((await read(page, ['TapLoad'])).TapLoad, '—', 'until a recalculation');
      await recalculate(page, EXAMPLE);
      assert.equal((await read(page, ['TapLoad'])).TapLoad, '1180');
    });
  });
}

describe('the control curve of the heater example', () => {
  const suite = browserPerSuite();

  it('ends near 1.5 l/min with the reflux flows marked on it', async () => {
    const page = await newPage(suite.browser);
    await openCalculator(page, suite.server.url);
    await recalculate(page, { Text1: '88', Text2: '20', Text3: '80', Text4: '5', Text6: '2000' }, [
      'Option7',
    ]);
    const chart = await page.evaluate(() => ({
      lastTick: [...document.querySelectorAll('#ControlCurve text.tick')]
        .map((t) => t.textContent)
        .filter((t) => t === '1.5' || t === '2'),
      ticks: document.querySelectorAll('#ControlCurve line.reflux-mark').length,
      labels: [...document.querySelectorAll('#ControlCurve text.reflux-mark')]
        .map((t) => t.textContent)
        .filter(Boolean),
      beyond: document.getElementById('ChartBeyond').textContent,
    }));
    assert.deepEqual(chart.lastTick, ['1.5'], 'the flow axis ends at 1.6 l/min');
    assert.equal(chart.ticks, 6, 'R = 1, 2, 3, 5, 10 and full reflux');
    assert.equal(chart.labels[0], 'R 1', 'crowded labels give way, the first stays');
    assert.equal(
      chart.beyond,
      'Дальше кривая почти горизонтальна: при 13.2\u00A0л/\u2060мин (больше 5\u00A0л/\u2060мин, кран не даст) — 5520\u00A0Вт, 95\u00A0% предела.',
    );
  });
});
