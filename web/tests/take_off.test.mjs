// «У колонны» beyond the tap's reflux ratio: the take-off, its strength and the time to collect,
// the reflux ratio from a measured take-off, the sensitivity of R, the column's losses (typed, or
// from a calibration run at full reflux) and the reflux table's take-off, in both languages;
// a refusal; and the new boxes kept through a reload. The rules are tested natively
// (tests/companion); here the wiring.
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
const RESULTS = [
  'TapReflux',
  'TapTakeOff',
  'TakeOffStrength',
  'CollectTime',
  'TapRefluxLowFlow',
  'TapRefluxHighFlow',
  'TapRefluxColdWater',
  'TapRefluxWarmWater',
  'MeasuredReflux',
  'MeasuredLoad',
  'MeasuredFlow',
];

const cases = [
  {
    lang: 'ru-RU',
    point: ',',
    collect: '45\u00A0мин',
    sentence:
      'Расход на 10\u00A0% меньше или больше даёт R 1,1 или 1,8; вода на 5\u00A0К холоднее или теплее — 1,8 или 1,2.',
    strengthLabel: 'Крепость отбора при 20\u00A0°С, % об.',
    refusal:
      'Отбор 10000\u00A0мл/ч уносит 2031\u00A0Вт — больше, чем приносит пар (2000\u00A0Вт). Проверьте замер, мощность нагрева и потери.',
  },
  {
    lang: 'en-US',
    point: '.',
    collect: '45\u00A0min',
    sentence:
      '10\u00A0% less or more water flow gives R 1.1 or 1.8; water 5\u00A0K colder or warmer, 1.8 or 1.2.',
    strengthLabel: 'Strength (% ABV) at 20\u00A0°C',
    refusal:
      'A take-off of 10000\u00A0ml/h carries 2031\u00A0W, more than the vapour brings (2000\u00A0W). Check the measurement, the heater power and the heat losses.',
  },
];

for (const c of cases) {
  describe(`the take-off under ${c.lang}`, () => {
    const suite = browserPerSuite({ lang: c.lang });
    let page;
    before(async () => {
      page = await newPage(suite.browser, { lang: c.lang, width: 1366, height: 900 });
      await openCalculator(page, suite.server.url);
      const code = c.lang.slice(0, 2);
      if (code === 'en') {
        await page.click('[data-language="en"]');
        await page.waitForFunction((lang) => document.documentElement.lang === lang, {}, code);
      }
    });
    const n = (text) => text.replace('.', c.point);

    it('gives the worked example at the tap and from a measured take-off', async () => {
      await recalculate(page, EXAMPLE);
      await fill(page, {
        PanelPower: '2000',
        TapFlow: n('0.3'),
        CollectVolume: '3',
        MeasuredTakeOff: '2462',
      });
      assert.equal(await page.$eval('#PanelLosses', (e) => e.value), '0');
      assert.deepEqual(await read(page, RESULTS), {
        TapReflux: n('1.4'),
        TapTakeOff: '4036',
        TakeOffStrength: n('97.2'),
        CollectTime: c.collect,
        TapRefluxLowFlow: n('1.1'),
        TapRefluxHighFlow: n('1.8'),
        TapRefluxColdWater: n('1.8'),
        TapRefluxWarmWater: n('1.2'),
        MeasuredReflux: '3',
        MeasuredLoad: '1500',
        MeasuredFlow: n('0.38'),
      });
      assert.equal((await read(page, ['TapSensitivity'])).TapSensitivity, c.sentence);
      assert.equal(
        await page.$eval('dt[data-text="column.strength"]', (e) => e.textContent),
        c.strengthLabel,
      );
    });

    it('takes the losses off the heater’s power, and refuses a take-off beyond the vapour', async () => {
      await fill(page, { PanelLosses: '150' });
      const lossy = await read(page, ['TapReflux', 'TapTakeOff']);
      assert.deepEqual(lossy, { TapReflux: n('1.8'), TapTakeOff: '3297' });
      await fill(page, { PanelLosses: '0', MeasuredTakeOff: '10000' });
      const refused = await read(page, ['MeasuredReflux', 'MeasuredFlow', 'MeasuredReason']);
      assert.deepEqual(refused, {
        MeasuredReflux: '—',
        MeasuredFlow: '—',
        MeasuredReason: c.refusal,
      });
      await fill(page, { PanelLosses: '-5' });
      assert.equal(await page.$eval('#PanelLosses', (e) => e.getAttribute('aria-invalid')), 'true');
      assert.equal((await read(page, ['TapReflux'])).TapReflux, '—');
    });

    it('takes the losses of a run at full reflux into the box', async () => {
      await fill(page, { PanelLosses: '0', CalibFlow: '1', CalibTin: '15', CalibTout: '44' });
      await page.click('#CalibFullReflux');
      await page.click('#CalibApply');
      assert.equal((await read(page, ['CalibLosses'])).CalibLosses, '183');
      await page.click('#CalibTakeLosses');
      assert.equal(await page.$eval('#PanelLosses', (e) => e.value), '183');
    });

    it('shows the take-off beside each flow of the reflux table', async () => {
      await fill(page, { PanelLosses: '0' });
      await page.click('#PanelReset'); // U 680 again, after the calibration
      await recalculate(
        page,
        { Text1: '88', Text2: '20', Text3: '80', Text4: '5', Text6: '2000' },
        ['Option7'],
      );
      const table = await read(page, ['RefluxFlow3', 'RefluxTakeOff3', 'RefluxTakeOffFull']);
      assert.deepEqual(table, {
        RefluxFlow3: n('0.36'),
        RefluxTakeOff3: '1496',
        RefluxTakeOffFull: '0',
      });
    });

    it('keeps the new boxes through a reload', async () => {
      await fill(page, { PanelLosses: '120', MeasuredTakeOff: '2462', CollectVolume: '3' });
      await page.click('#CalibFullReflux'); // «Сбросить» had cleared it
      await openCalculator(page, suite.server.url);
      const kept = await page.evaluate(() =>
        ['PanelLosses', 'MeasuredTakeOff', 'CollectVolume']
          .map((id) => document.getElementById(id).value)
          .concat(String(document.getElementById('CalibFullReflux').checked))
          .join(' '),
      );
      assert.equal(kept, '120 2462 3 true');
    });
  });
}
