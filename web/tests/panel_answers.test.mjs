// The design panel's answers on the page: the verdict on the heater at the top, the note under
// the window's results where the panel's U or c are not the window's, a flow beyond a tap marked,
// the heater power copied only from a calculation that took it, and a calibration that needs a
// second press where its U is unusual, with the U before it one press away.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import {
  calculatorPerTest,
  openCalculator,
  recalculateWith as recalculate,
  retype,
  shown as read,
} from './browser.mjs';

const HEATER = { Text1: '88', Text2: '20', Text3: '80', Text4: '5', Text6: '2000' };
const EXAMPLE = { Text1: '78', Text2: '15', Text3: '100', Text4: '5', Text6: '40' };

// A line's text, or null while it is hidden.
function lines(page, ids) {
  return page.evaluate(
    (list) =>
      Object.fromEntries(
        list.map((id) => {
          const e = document.getElementById(id);
          return [id, e.hidden ? null : e.textContent];
        }),
      ),
    ids,
  );
}

async function calibrate(page, flow, tin, tout) {
  await retype(page, { CalibFlow: flow, CalibTin: tin, CalibTout: tout });
  await page.click('#CalibApply');
}

describe('the design panel’s answers', () => {
  const calculator = calculatorPerTest();
  let page;
  beforeEach(async () => {
    page = calculator.page;
    await page.evaluate(() => localStorage.clear());
    await openCalculator(page, calculator.server.url);
  });

  it('gives one verdict, and says under the window what its own U gives', async () => {
    assert.deepEqual(await lines(page, ['PanelVerdict', 'WindowNote']), {
      PanelVerdict: null,
      WindowNote: null,
    });
    await recalculate(page, HEATER, ['Option7']);
    assert.deepEqual(await lines(page, ['PanelVerdict', 'WindowNote']), {
      PanelVerdict:
        '2000 Вт: дефлегматор удержит полную флегму при расходе от 0.5 л/мин (U = 680, c = 3760).',
      WindowNote: null,
    });

    await retype(page, { PanelU: '200' });
    const poor = await lines(page, ['PanelVerdict', 'WindowNote', 'RefluxFlowFull']);
    assert.equal(poor.PanelVerdict, '2000 Вт: не удержит — предел 1709 Вт при U = 200, c = 3760.');
    assert.match(
      poor.WindowNote,
      /^Окно считает с U = 680 .* 2000 Вт не удержать, предел 1709 Вт\.$/,
    );
    assert.ok(await page.$eval('#PanelVerdict', (e) => e.classList.contains('fails')));
    // The note stands within the window, below its results.
    const placed = await page.evaluate(() => {
      const note = document.getElementById('WindowNote').getBoundingClientRect();
      const area = document.querySelector('[data-control="Frame8"]').getBoundingClientRect();
      const window = document.getElementById('FormMorvani').getBoundingClientRect();
      return note.top >= area.bottom && note.bottom <= window.bottom;
    });
    assert.ok(placed, 'under the results, inside the window');

    await retype(page, { PanelU: '245' });
    const beyond = await page.$eval('#RefluxFlowFull', (e) => [
      e.textContent,
      e.classList.contains('impractical'),
    ]);
    assert.deepEqual(beyond, ['5.34: больше 5 л/мин, кран не даст', true]);

    await page.select('#DeviceType', 'window');
    assert.equal((await lines(page, ['WindowNote'])).WindowNote, null);
  });

  it('copies only a heat load the window took, and says where it came from', async () => {
    await recalculate(page, HEATER, ['Option7']);
    assert.deepEqual(await read(page, ['PanelPower', 'PanelPowerSource']), {
      PanelPower: '2000',
      PanelPowerSource: 'из окна, 2000 Вт',
    });
    await recalculate(page, { Text6: '20000' });
    await page.waitForSelector('#ErrorDialog[open]');
    await page.click('#ErrorOk');
    assert.equal((await read(page, ['PanelPower'])).PanelPower, '2000', 'a refused load stays out');

    await retype(page, { PanelPower: '1500' });
    assert.deepEqual(await read(page, ['PanelPower', 'PanelPowerSource']), {
      PanelPower: '1500',
      PanelPowerSource: '',
    });
  });

  it('applies an unusual calibrated U on a second press, and gives the U before it back', async () => {
    await recalculate(page, EXAMPLE);
    await calibrate(page, '1', '15', '50');
    const buttons = () =>
      page.evaluate(() => ({
        accept: !document.getElementById('CalibAccept').hidden,
        undo: !document.getElementById('CalibUndo').hidden,
      }));
    assert.deepEqual(await buttons(), { accept: false, undo: true });

    await calibrate(page, '1', '15', '16');
    assert.deepEqual(await read(page, ['CalibU', 'PanelU']), { CalibU: '6', PanelU: '324' });
    assert.deepEqual(await buttons(), { accept: true, undo: true });
    await page.click('#CalibAccept');
    assert.deepEqual(await read(page, ['PanelU', 'MaxLoad']), { PanelU: '6', MaxLoad: '59' });
    assert.deepEqual(await buttons(), { accept: false, undo: true });

    await page.click('#CalibUndo');
    assert.deepEqual(await read(page, ['PanelU', 'DeviceType', 'MaxLoad']), {
      PanelU: '324',
      DeviceType: 'own',
      MaxLoad: '3206',
    });
    assert.deepEqual(await buttons(), { accept: false, undo: false });

    // The last applied calibration's U after a reload.
    await openCalculator(page, calculator.server.url);
    assert.deepEqual(await read(page, ['CalibU', 'PanelU']), { CalibU: '6', PanelU: '324' });
  });
});
