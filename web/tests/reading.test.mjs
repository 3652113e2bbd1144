// Inputs read as the user meant them, or marked, with no result beside the mark; what the live
// region says; and a megabyte pasted into a box. That no result box keeps an earlier result is the
// engine's rule, tested there.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import { browserPerSuite, newPage, openCalculator, typeAndEnter, values } from './browser.mjs';

const EXTERNAL = ['Text7', 'Text8', 'Text9'];
const AUTONOMOUS = ['Text71', 'Text81', 'Text91'];

// Puts a text into a box as a paste would, without the typing limit.
function putText(page, id, text) {
  return page.$eval(
    `#${id}`,
    (box, value) => {
      box.value = value;
    },
    text,
  );
}

async function recalculate(page) {
  await page.click('#Command1');
}

const outcome = (page) => page.$eval('#Outcome', (e) => e.textContent);

// Under a Russian browser, whose decimal separator is the comma; the reading of either separator
// under any separator is the engine's (tests/typed_number_test.cpp).
for (const lang of ['ru-RU']) {
  describe(`reading under ${lang}`, () => {
    const suite = browserPerSuite({ lang });
    let page;
    const fresh = async () => {
      await page?.close();
      page = await newPage(suite.browser, { lang });
      await openCalculator(page, suite.server.url);
      await typeAndEnter(page, ['78', '15', '100', '5', '40']);
    };

    it('takes a comma and a point alike, and Russian-grouped thousands whole', async () => {
      await fresh();
      const resultsOf = async (given, text) => {
        await page.click(`label[data-control="${given}"]`);
        await putText(page, 'Text6', text);
        await recalculate(page);
        return values(page, [...EXTERNAL, 'Text10']);
      };
      assert.deepEqual(await resultsOf('Option8', '3,5'), await resultsOf('Option8', '3.5'));
      assert.deepEqual(await resultsOf('Option6', '40,5'), await resultsOf('Option6', '40.5'));
      const grouped = await resultsOf('Option7', '1\u00a0500');
      assert.deepEqual(grouped, await resultsOf('Option7', '1500'));
      assert.match(grouped[0], /^1500$/);
    });

    it('marks a text that is not a number and leaves no result beside it, without a message', async () => {
      await fresh();
      await page.click('label[data-control="Option7"]');
      await putText(page, 'Text6', '1,5 кВт');
      await page.keyboard.press('Enter');
      // The Enter cycle goes on to Text1; the mark takes no focus.
      assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
      const text6 = await page.$eval('#Text6', (box) => ({
        invalid: box.getAttribute('aria-invalid'),
        description: box.ariaDescribedByElements.map((e) => e.textContent).join(' '),
      }));
      assert.equal(text6.invalid, 'true');
      assert.equal(text6.description, 'Введите число в ваттах, например 1500.');
      assert.deepEqual(await values(page, [...EXTERNAL, ...AUTONOMOUS]), Array(6).fill('___'));
      assert.equal((await values(page, ['Text10']))[0], '1571');
      assert.equal(await page.$eval('#ErrorDialog', (d) => d.open), false);
      assert.equal(await outcome(page), 'Нет результата. Введите число в ваттах, например 1500.');
      assert.match(
        await page.$eval('#Text7', (e) => e.getAttribute('aria-label')),
        /нет результата$/,
      );
    });

    // How long the recalculation of a megabyte takes is measured by bench/web/measure.mjs
    // (--only=paste); here, what it shows.
    it('reads a megabyte pasted into a box whole, as the number it starts with', async () => {
      await fresh();
      await putText(page, 'Text6', `45${' '.repeat(1 << 20)}`);
      await recalculate(page);
      const [load, outlet] = await values(page, ['Text7', 'Text9']);
      assert.equal(outlet, '45');
      assert.notEqual(load, '5282', 'recalculated, not the result of 40');
      assert.match(load, /^\d+$/);
    });
  });
}
