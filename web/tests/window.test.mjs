// The window driven by keyboard and mouse as a user would: the start state, the Enter cycles and
// Enter going on from the box the user focused, the tab order, the option buttons, the overview
// request and a failed calculation.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { calculatorPerTest, focusState, typeAndEnter, values } from './browser.mjs';

const RESULTS = ['Text7', 'Text8', 'Text9', 'Text71', 'Text81', 'Text91', 'Text10'];

describe('the calculator window', () => {
  const calculator = calculatorPerTest();
  let page;
  beforeEach(() => {
    page = calculator.page;
  });

  it('starts with 78 selected in Text1 and the height-and-diameter, outlet-temperature mode', async () => {
    const start = await page.evaluate(() => {
      const shown = (id) => !document.querySelector(`[data-control="${id}"]`).hidden;
      return {
        title: document.title,
        lang: document.documentElement.lang,
        checked: [...document.querySelectorAll('input[type="radio"]:checked')].map((e) => e.id),
        hidden: [...document.querySelectorAll('[data-control][hidden]')].map(
          (e) => e.dataset.control,
        ),
        shownBoxes: ['Text1', 'Text2', 'Text3', 'Text4', 'Text6'].filter(shown),
        unnamed: [...document.querySelectorAll('#FormMorvani :is(input, button)')]
          .filter((e) => !e.getAttribute('aria-label'))
          .map((e) => e.id),
        text6Name: document.getElementById('Text6').getAttribute('aria-label'),
      };
    });
    assert.equal(start.title, 'Расчёт дефлегматора');
    assert.equal(start.lang, 'ru');
    assert.deepEqual(start.checked, ['Option1', 'Option4', 'Option6']);
    assert.deepEqual(start.hidden.sort(), ['Label6', 'Label8', 'Label9', 'Text5']);
    assert.deepEqual(start.shownBoxes, ['Text1', 'Text2', 'Text3', 'Text4', 'Text6']);
    assert.deepEqual(start.unnamed, [], 'every box and button has an accessible name');
    assert.match(start.text6Name, /выход/i);
    assert.deepEqual(await focusState(page), { id: 'Text1', value: '78', wholeSelected: true });
    assert.deepEqual(await values(page, RESULTS), Array(7).fill('___'));
  });

  it('answers the overview request and walks the height-and-diameter Enter cycle', async () => {
    const visited = [];
    for (const text of ['78', '15', '100', '5', '40']) {
      await typeAndEnter(page, [text]);
      visited.push(await focusState(page));
    }
    assert.deepEqual(
      visited.map((f) => f.id),
      ['Text2', 'Text3', 'Text4', 'Text6', 'Text1'],
    );
    assert.ok(
      visited.every((f) => f.wholeSelected),
      'each box is selected whole on arrival',
    );
    assert.deepEqual(await values(page, ['Text7', 'Text8', 'Text9', 'Text10']), [
      '5282',
      '3.37',
      '40',
      '1571',
    ]);
    // The next round starts again at Text2, with the text left there selected.
    await page.keyboard.press('Enter');
    assert.deepEqual(await focusState(page), { id: 'Text2', value: '15', wholeSelected: true });
  });

  it('walks the area Enter cycle after the area option is clicked', async () => {
    await typeAndEnter(page, ['78', '15']);
    await page.click('label[data-control="Option5"]');
    assert.deepEqual(await focusState(page), { id: 'Text5', value: '', wholeSelected: true });
    const hidden = await page.evaluate(() =>
      ['Text3', 'Text4', 'Text5', 'Label6'].map(
        (id) => document.querySelector(`[data-control="${id}"]`).hidden,
      ),
    );
    assert.deepEqual(hidden, [true, true, false, false]);

    const visited = [];
    for (const text of ['1571', '40', '78', '15']) {
      await typeAndEnter(page, [text]);
      visited.push((await focusState(page)).id);
    }
    assert.deepEqual(visited, ['Text6', 'Text1', 'Text2', 'Text5']);
    assert.deepEqual(await values(page, ['Text7', 'Text8', 'Text10']), ['5283', '3.37', '1571']);
  });

  it('goes on with Enter from the box the user clicked or tabbed into', async () => {
    await page.click('#Text4');
    await page.keyboard.type('6');
    await page.keyboard.press('Enter');
    assert.deepEqual(await values(page, ['Text4']), ['6']);
    assert.deepEqual(await focusState(page), { id: 'Text6', value: '', wholeSelected: true });

    await page.click('#Text6');
    await page.keyboard.press('Enter');
    assert.deepEqual(await focusState(page), { id: 'Text1', value: '78', wholeSelected: true });

    // Tab into Text6 and on to an option button, whose focus changes nothing.
    await page.click('#Text4');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    assert.equal((await focusState(page)).id, 'Option1');
    await page.keyboard.press('Enter');
    assert.equal((await focusState(page)).id, 'Text1');
  });

  it('follows the desktop tab order and runs option handlers from the arrow keys', async () => {
    const order = [];
    for (let i = 0; i < 15; ++i) {
      await page.keyboard.press('Tab');
      order.push((await focusState(page)).id);
    }
    assert.deepEqual(order, [
      'Command1',
      'Text2',
      'Text3',
      'Text4',
      'Text6',
      'Option1',
      'Option4',
      'Option6',
      'Text7',
      'Text8',
      'Text9',
      'Text10',
      'Text81',
      'Text91',
      'Text71',
    ]);

    // Down from the selected geometry button selects the area mode, whose handler takes the
    // focus to Text5; Escape with no message open changes nothing.
    await page.focus('#Option4');
    await page.keyboard.press('ArrowDown');
    assert.deepEqual(await focusState(page), { id: 'Text5', value: '', wholeSelected: true });
    await page.keyboard.press('Escape');
    assert.equal((await focusState(page)).id, 'Text5');

    // An arrow from a preset selects the next one, which writes its temperature and leaves the
    // focus on the button.
    await page.focus('#Option1');
    await page.keyboard.press('ArrowDown');
    assert.equal((await focusState(page)).id, 'Option2');
    assert.deepEqual(await values(page, ['Text1']), ['88']);
  });

  it('shows a failed calculation in the message box, with the results written before and no others', async () => {
    await typeAndEnter(page, ['78', '15', '100', '5']);
    await page.click('label[data-control="Option7"]');
    await page.keyboard.type('99999');
    await page.click('#Command1');

    const shown = await page.evaluate(() => ({
      open: document.getElementById('ErrorDialog').open,
      modal: document.getElementById('ErrorDialog').matches(':modal'),
      title: document.getElementById('ErrorTitle').textContent,
      message: document.getElementById('ErrorMessage').textContent,
      focused: document.activeElement.id,
    }));
    assert.ok(shown.open && shown.modal);
    assert.equal(shown.title, 'Ошибка');
    assert.match(shown.message, /^Ошибка вычисления/);
    assert.equal(shown.focused, 'ErrorOk');
    // The heat load is written before the water flow fails; the rest show no result.
    assert.deepEqual(await values(page, ['Text7', 'Text8', 'Text10']), ['99999', '___', '___']);

    // The message closed, the focus is in the box it is about, not where the Enter cycle went:
    // the next keys replace the load, and the next Enter goes on to Text1.
    await page.keyboard.press('Escape');
    assert.equal(await page.$eval('#ErrorDialog', (d) => d.open), false);
    assert.deepEqual(await focusState(page), { id: 'Text6', value: '99999', wholeSelected: true });

    // Enter runs the command again; Enter then closes the message, and so does a click on ОК.
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#ErrorDialog', (d) => d.open), true);
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#ErrorDialog', (d) => d.open), false);
    await page.waitForFunction(() => document.activeElement.selectionEnd === 5);
    await page.keyboard.press('Enter');
    await page.click('#ErrorOk');
    assert.equal(await page.$eval('#ErrorDialog', (d) => d.open), false);
    // The dialog's close event, which gives the box its selection back, comes as a task of its own.
    await page.waitForFunction(() => document.activeElement.selectionEnd === 5);

    assert.deepEqual(await focusState(page), { id: 'Text6', value: '99999', wholeSelected: true });
    await typeAndEnter(page, ['2000']);
    assert.deepEqual(await values(page, ['Text1', 'Text7']), ['78', '2000']);
    assert.deepEqual(await focusState(page), { id: 'Text1', value: '78', wholeSelected: true });
  });

  it('marks a box the calculation cannot take, with what is wrong, until it can', async () => {
    const mark = (id) =>
      page.$eval(`#${id}`, (box) => ({
        invalid: box.getAttribute('aria-invalid'),
        description: box.ariaDescribedByElements?.map((e) => e.textContent).join(' ') ?? null,
        tooltip: box.title,
        frame: getComputedStyle(box).borderTopColor,
        frameStyle: getComputedStyle(box).borderTopStyle,
      }));
    const unmarked = await mark('Text4');
    await typeAndEnter(page, ['78', '15', '100', '-5', '40']);
    const marked = await mark('Text4');
    const problem = 'Введите диаметр больше нуля, например 5.';
    assert.deepEqual(
      [marked.invalid, marked.description, marked.tooltip],
      ['true', problem, problem],
    );
    assert.notEqual(marked.frame, unmarked.frame, 'the marked box looks marked');
    assert.notEqual(marked.frameStyle, unmarked.frameStyle, 'and not by its colour alone');
    assert.equal((await mark('Text3')).invalid, null, 'only the box in question');

    await page.$eval('#Text4', (box) => {
      box.value = '5';
    });
    await page.click('#Command1');
    assert.deepEqual(await mark('Text4'), unmarked);
  });

  it('reads a long text put into a box by a script whole', async () => {
    await typeAndEnter(page, ['78', '15', '100', '5', '40']);
    const resultsFor = async (text1) => {
      await page.$eval(
        '#Text1',
        (box, text) => {
          box.value = text;
        },
        text1,
      );
      await page.click('#Command1');
      return values(page, ['Text7', 'Text8']);
    };
    // A text cut short would read as 0, which leaves the results of 78 in place.
    const long = await resultsFor(`${'0'.repeat(100)}77`);
    assert.notDeepEqual(long, ['5282', '3.37']);
    assert.deepEqual(await resultsFor('77'), long);
  });

  it('shows the beginning of a result too long for its box', async () => {
    await typeAndEnter(page, ['78', '15', '1E9', '1E9', '40']);
    const box = await page.$eval('#Text7', (e) => ({
      value: e.value,
      scrollLeft: e.scrollLeft,
      overflows: e.scrollWidth > e.clientWidth,
    }));
    assert.ok(box.overflows, `a long text is expected in Text7, got ${box.value}`);
    assert.equal(box.scrollLeft, 0);
  });
});
