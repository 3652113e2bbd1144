// What the page does while the user types: a text cut at its box's typing limit says so, for
// keys and for a paste, and the preset button follows Text1.
import assert from 'node:assert/strict';
import { beforeEach, describe, it } from 'node:test';
import { calculatorPerTest, focusState, values } from './browser.mjs';

// What a box is marked with: its tooltip and what describes it to a screen reader.
const markOf = (page, id) =>
  page.$eval(`#${id}`, (box) => ({
    invalid: box.getAttribute('aria-invalid'),
    title: box.title,
    description: box.ariaDescribedByElements?.map((e) => e.textContent).join(' ') ?? null,
  }));

describe('typing into the window', () => {
  const calculator = calculatorPerTest();
  let page;
  beforeEach(() => {
    page = calculator.page;
  });

  it('marks keys refused at a box’s limit, until the next edit', async () => {
    await page.keyboard.press('Enter'); // to Text2, which takes 2 characters
    await page.keyboard.type('12,5');
    assert.deepEqual(await values(page, ['Text2']), ['12']);
    const said = 'Не больше 2 знаков: «12,5» сокращено до «12».';
    assert.deepEqual(await markOf(page, 'Text2'), {
      invalid: 'true',
      title: said,
      description: said,
    });
    await page.keyboard.press('Backspace');
    assert.deepEqual(await values(page, ['Text2']), ['1']);
    assert.equal((await markOf(page, 'Text2')).invalid, null);
  });

  it('marks a paste cut at a box’s limit, until the next recalculation', async () => {
    await page.click('label[data-control="Option5"]'); // the focus in Text5, which takes 4
    // The browser's paste as the page receives it; an untrusted event inserts nothing itself.
    const caret = await page.$eval('#Text5', (box) => {
      const data = new DataTransfer();
      data.setData('text/plain', '12000');
      box.dispatchEvent(
        new InputEvent('beforeinput', {
          inputType: 'insertFromPaste',
          dataTransfer: data,
          cancelable: true,
          bubbles: true,
        }),
      );
      return box.selectionStart;
    });
    assert.deepEqual(await values(page, ['Text5']), ['1200']);
    assert.equal(caret, 4);
    assert.equal(
      (await markOf(page, 'Text5')).title,
      'Не больше 4 знаков: «12000» сокращено до «1200».',
    );
    await page.click('#Command1');
    assert.equal((await markOf(page, 'Text5')).invalid, null);
  });

  it('selects «другая» once Text1 holds another value than the preset’s', async () => {
    await page.keyboard.type('80');
    const checked = await page.$$eval('input[type="radio"]:checked', (all) => all.map((e) => e.id));
    assert.deepEqual(checked, ['Option3', 'Option4', 'Option6']);
    assert.deepEqual(await focusState(page), { id: 'Text1', value: '80', wholeSelected: false });
  });
});
