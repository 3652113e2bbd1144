// The design panel's own U and c: the device types, a U typed by hand, the calibration from a
// measured run, and the settings kept on this device.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import {
  calculatorPerTest,
  openCalculator,
  skipIn,
  recalculateWith as recalculate,
  retype,
  shown as read,
} from './browser.mjs';

const SETTINGS = ['DeviceType', 'PanelU', 'PanelC', 'CalibFlow', 'CalibTin', 'CalibTout'];
// The settings as the panel starts, and after a reset.
const DEFAULTS = {
  DeviceType: 'window',
  PanelU: '680',
  PanelC: '3760',
  CalibFlow: '',
  CalibTin: '',
  CalibTout: '',
};

async function calibrate(page, flow, tin, tout) {
  await retype(page, { CalibFlow: flow, CalibTin: tin, CalibTout: tout });
  await page.click('#CalibApply');
}

const EXAMPLE = { Text1: '78', Text2: '15', Text3: '100', Text4: '5', Text6: '40' };
const HEATER = { Text1: '88', Text2: '20', Text3: '80', Text4: '5', Text6: '2000' };

// Firefox runs what depends on the engine, the settings kept in localStorage; the module's numbers
// are the same in both.
const moduleOnly = { skip: skipIn('firefox', 'the module’s numbers, the same in every engine') };

describe('the design panel’s own U and c', () => {
  const calculator = calculatorPerTest();
  let page;
  beforeEach(async () => {
    page = calculator.page;
    // Each test starts from nothing stored on this device.
    await page.evaluate(() => localStorage.clear());
    await openCalculator(page, calculator.server.url);
  });

  it(
    'starts as the window, and a device type sets its typical U with its range',
    moduleOnly,
    async () => {
      assert.deepEqual(await read(page, SETTINGS), DEFAULTS);
      await recalculate(page, HEATER, ['Option7']);
      assert.equal((await read(page, ['MaxLoad'])).MaxLoad, '5811');

      await page.select('#DeviceType', 'coil');
      await retype(page, { PanelC: '4180' });
      const shown = await read(page, ['PanelU', 'DeviceRange', 'MaxLoad', 'RefluxFlowFull']);
      assert.deepEqual(shown, {
        PanelU: '1000',
        DeviceRange: 'обычно 800–1250\u00A0Вт/(м²·К)',
        MaxLoad: '8545',
        RefluxFlowFull: shown.RefluxFlowFull,
      });
      assert.notEqual(shown.RefluxFlowFull, '0.5', 'the flows follow the panel’s U and c');
      assert.equal((await read(page, ['Text8'])).Text8, '0.5', 'the window keeps 680 and 3760');
    },
  );

  it(
    'switches to «свой» for a U typed by hand, and Enter there leaves the window alone',
    moduleOnly,
    async () => {
      await recalculate(page, EXAMPLE);
      await page.select('#DeviceType', 'jacket');
      await page.focus('#PanelU');
      await page.$eval('#PanelU', (e) => e.select());
      await page.keyboard.type('420');
      await page.keyboard.press('Enter');
      const after = await page.evaluate(() => ({
        focus: document.activeElement.id,
        device: document.getElementById('DeviceType').value,
        range: document.getElementById('DeviceRange').textContent,
        maxLoad: document.getElementById('MaxLoad').textContent,
      }));
      // 420 × 0.157075 × 63
      assert.deepEqual(after, { focus: 'PanelU', device: 'own', range: '', maxLoad: '4156' });

      await retype(page, { PanelU: 'много' });
      const marked = await page.evaluate(() => ({
        invalid: document.getElementById('PanelU').getAttribute('aria-invalid'),
        maxLoad: document.getElementById('MaxLoad').textContent,
        reason: document.getElementById('DesignPanelReason').textContent,
      }));
      assert.deepEqual(marked, {
        invalid: 'true',
        maxLoad: '—',
        reason: 'Введите коэффициент теплопередачи U — число больше нуля.',
      });
    },
  );

  // The refusals and warnings of a run are the section's rules (tests/companion/panel_settings_test.cpp).
  it('calibrates U from the example run', moduleOnly, async () => {
    await recalculate(page, EXAMPLE);
    await calibrate(page, '1', '15', '50');
    assert.deepEqual(await read(page, ['CalibU', 'PanelU', 'DeviceType', 'MaxLoad']), {
      CalibU: '324',
      PanelU: '324',
      DeviceType: 'own',
      MaxLoad: '3206',
    });
  });

  it('keeps the settings through a reload, ignores a stored value it cannot read, and resets', async () => {
    await page.select('#DeviceType', 'jacket');
    await retype(page, { PanelC: '4180' });
    await retype(page, { CalibFlow: '1.5' });
    await page.evaluate(() => localStorage.setItem('dephlegmator.CalibTin', 'тёплая'));
    await openCalculator(page, calculator.server.url);
    assert.deepEqual(await read(page, [...SETTINGS, 'Text1', 'Text6', 'DeviceRange']), {
      DeviceType: 'jacket',
      PanelU: '350',
      PanelC: '4180',
      CalibFlow: '1.5',
      CalibTin: '',
      CalibTout: '',
      Text1: '78',
      Text6: '',
      DeviceRange: 'обычно 300–450\u00A0Вт/(м²·К)',
    });

    await page.click('#PanelReset');
    await openCalculator(page, calculator.server.url);
    assert.deepEqual(await read(page, SETTINGS), DEFAULTS);
    assert.equal(await page.evaluate(() => localStorage.length), 0);
  });
});
