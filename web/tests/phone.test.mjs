// What a phone and a printout need besides the window: the results in sight in a strip at the
// bottom of the viewport, a marked box's reason as text under its group, the guide's link back
// to the calculation, chart labels apart from each other, and a printout's date and link.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  browserPerOptions,
  newPage,
  openCalculator,
  serveSite,
  siteDir,
  skipIn,
  typeAndEnter,
  values,
} from './browser.mjs';

const EXAMPLE = '#preset=sr&t1=78&t2=15&h=100&d=5&given=load&v=2000';
const RUSSIAN = { lang: 'ru-RU', languages: 'ru-RU,ru' };

let server;
const browsers = browserPerOptions();
before(async () => {
  server = await serveSite(siteDir);
});
after(async () => {
  await browsers.close();
  await server?.close();
});

async function open(options, hash = '', size = {}) {
  const page = await newPage(await browsers.get(options), size);
  await openCalculator(page, `${server.url}${hash}`);
  return page;
}

// The strip as a reader sees it, and where it and the focused box stand in the viewport.
function readStrip() {
  const strip = document.getElementById('ResultStrip');
  const box = strip.getBoundingClientRect();
  const focused = document.activeElement.getBoundingClientRect();
  return {
    shown: strip.getClientRects().length > 0,
    hiddenFromReaders: strip.getAttribute('aria-hidden'),
    texts: [...strip.children].map((cell) => cell.textContent.replace(/[ \n]+/g, ' ').trim()),
    atBottom: Math.abs(box.bottom - innerHeight) < 1,
    focusedClear: focused.bottom <= box.top + 0.5 && focused.top >= 0,
  };
}

describe('the strip of results', () => {
  it('stays at the bottom of a phone, clear of the focused box, after Enter', async () => {
    const page = await open({ ...RUSSIAN, phone: true });
    assert.equal((await page.evaluate(readStrip)).shown, false, 'no results, no strip');
    await page.click('label[data-control="Option7"]');
    await page.evaluate(() => {
      for (const [id, text] of Object.entries({ Text2: '15', Text3: '100', Text4: '5' })) {
        document.getElementById(id).value = text;
      }
    });
    await page.focus('#Text6');
    await typeAndEnter(page, ['2000']);
    const strip = await page.evaluate(readStrip);
    assert.deepEqual(strip.texts, [
      'Нагрузка 2000\u00A0Вт',
      'Расход 0,53\u00A0л/\u2060мин',
      'На выходе 76\u00A0°С',
      'Площадь 1571\u00A0см²',
    ]);
    assert.equal(strip.hiddenFromReaders, 'true', 'the live region says the results once');
    assert.ok(strip.shown && strip.atBottom, 'at the bottom of the viewport');
    assert.ok(strip.focusedClear, 'Text1, focused after Enter, is not under it');
    // The last box, focused and scrolled to, stands above the strip too.
    await page.focus('#Text6');
    assert.ok((await page.evaluate(readStrip)).focusedClear, 'Text6 is not under it');
    await page.close();
  });

  it('rises above the on-screen keyboard', async () => {
    const page = await newPage(await browsers.get({ ...RUSSIAN, phone: true }));
    // A visual viewport that the test can shrink, as an on-screen keyboard does.
    await page.evaluateOnNewDocument(() => {
      const viewport = new EventTarget();
      viewport.offsetTop = 0;
      viewport.height = innerHeight;
      Object.defineProperty(globalThis, 'visualViewport', { value: viewport });
    });
    await openCalculator(page, `${server.url}${EXAMPLE}`);
    const bottomWithKeyboard = (keyboard) =>
      page.evaluate((covered) => {
        visualViewport.height = innerHeight - covered;
        visualViewport.dispatchEvent(new Event('resize'));
        return innerHeight - document.getElementById('ResultStrip').getBoundingClientRect().bottom;
      }, keyboard);
    assert.equal(Math.round(await bottomWithKeyboard(300)), 300);
    assert.equal(Math.round(await bottomWithKeyboard(0)), 0, 'and back down when it goes');
    await page.close();
  });

  it('is not shown on a desktop', async () => {
    const page = await open(RUSSIAN, EXAMPLE);
    assert.equal((await page.evaluate(readStrip)).shown, false);
    await page.close();
  });
});

// The reason of a marked box: where it stands and what the box says it is described by.
function readReason(box) {
  const input = document.getElementById(box);
  const description = document.getElementById(input.getAttribute('aria-describedby') ?? '');
  const shownAt = description?.getClientRects().length ? description.getBoundingClientRect() : null;
  const at = input.getBoundingClientRect();
  return {
    invalid: input.getAttribute('aria-invalid'),
    reason: description?.textContent ?? null,
    under: shownAt && shownAt.top >= at.bottom && shownAt.top - at.bottom < 40,
    readable: shownAt !== null && shownAt.width > 1 && shownAt.height > 1,
  };
}

describe('the reason of a marked box', () => {
  for (const [name, phone, readable] of [
    ['stands under the box on a phone', true, true],
    ['is for a screen reader alone on a desktop', false, false],
  ]) {
    it(name, async () => {
      const page = await open({ ...RUSSIAN, phone }, EXAMPLE);
      await page.focus('#Text2');
      await page.$eval('#Text2', (e) => e.select());
      await page.keyboard.type('ab');
      await page.keyboard.press('Enter');
      const marked = await page.evaluate(readReason, 'Text2');
      assert.equal(marked.invalid, 'true');
      assert.equal(marked.reason, 'Введите число в градусах, например 15.');
      assert.equal(marked.readable, readable);
      if (readable) assert.ok(marked.under, 'directly under the box');
      // Mended, the reason goes, and with it the room it took.
      await page.focus('#Text2');
      await page.$eval('#Text2', (e) => e.select());
      await page.keyboard.type('15');
      await page.keyboard.press('Enter');
      const mended = await page.evaluate(readReason, 'Text2');
      assert.deepEqual([mended.invalid, mended.reason], [null, null]);
      const reasonsShown = await page.$$eval('[data-reasons]', (all) =>
        all.filter((e) => e.getClientRects().length > 0).map((e) => e.dataset.reasons),
      );
      assert.deepEqual(reasonsShown, []);
      await page.close();
    });
  }
});

const BOXES = ['Text1', 'Text2', 'Text3', 'Text4', 'Text6', 'Text7', 'Text8'];

async function typeExample(page) {
  await page.click('label[data-control="Option7"]');
  await page.evaluate(() => {
    for (const [id, text] of Object.entries({ Text2: '12', Text3: '80', Text6: '1500' })) {
      document.getElementById(id).value = text;
    }
  });
  await page.click('#Command1');
}

const backToCalculator = (page) =>
  Promise.all([
    page.waitForFunction(() => document.documentElement.dataset.ready === 'true', {
      polling: 50,
    }),
    page.click('#BackToCalculator'),
  ]);

describe('the way back from the guide', () => {
  // Where the browser keeps the page in memory, and where it loads it afresh (an unload handler
  // keeps a page out of the back-forward cache).
  for (const [how, keptInMemory] of [
    ['as the browser kept it', true],
    ['loaded afresh', false],
  ]) {
    it(`returns through the history when the calculator opened the guide: ${how}`, async () => {
      const page = await open(RUSSIAN);
      await typeExample(page);
      const before = await values(page, BOXES);
      if (!keptInMemory) await page.evaluate(() => addEventListener('unload', () => {}));
      await Promise.all([page.waitForNavigation(), page.click('a[href="guide.html"]')]);
      const length = await page.evaluate(() => history.length);
      await backToCalculator(page);
      assert.equal(await page.evaluate(() => location.pathname), '/', 'back on the calculator');
      assert.deepEqual(await values(page, BOXES), before);
      assert.equal(await page.evaluate(() => history.length), length, 'by the history, not anew');
      assert.equal(await page.evaluate(() => location.hash), '', 'the address as it was');
      await page.close();
    });
  }

  it('returns to the calculation kept in the session when the guide was opened otherwise', async () => {
    const page = await open(RUSSIAN);
    await typeExample(page);
    const before = await values(page, BOXES);
    // The guide by its address, as a bookmark opens it.
    await page.goto(`${server.url}guide.html`, { waitUntil: 'load' });
    await backToCalculator(page);
    assert.deepEqual(await values(page, BOXES), before);
    await page.close();
  });

  it('opens the calculator at start where nothing was kept', async () => {
    const page = await newPage(await browsers.get(RUSSIAN));
    await page.goto(`${server.url}guide.html`, { waitUntil: 'load' });
    await backToCalculator(page);
    assert.deepEqual(await values(page, ['Text1', 'Text2', 'Text7']), ['78', '', '___']);
    await page.close();
  });
});

// Every pair of the charts' texts that overlap, by their boxes in the chart's drawing units: each
// text's box as its font sets it (getBBox), turned as the text is turned.
function overlappingLabels() {
  const found = [];
  for (const chart of ['ControlCurve', 'TankChart']) {
    const svg = document.getElementById(chart);
    const labels = [...svg.querySelectorAll('text')]
      .filter((t) => t.textContent !== '' && t.getAttribute('visibility') !== 'hidden')
      .map((t) => {
        const b = t.getBBox();
        const m = svg.getCTM().inverse().multiply(t.getCTM());
        const corners = [
          [b.x, b.y],
          [b.x + b.width, b.y],
          [b.x, b.y + b.height],
          [b.x + b.width, b.y + b.height],
        ].map(([x, y]) => new DOMPoint(x, y).matrixTransform(m));
        const xs = corners.map((p) => p.x);
        const ys = corners.map((p) => p.y);
        const box = {
          left: Math.min(...xs),
          right: Math.max(...xs),
          top: Math.min(...ys),
          bottom: Math.max(...ys),
        };
        return [t.textContent, box];
      });
    for (let i = 0; i < labels.length; ++i) {
      for (let j = i + 1; j < labels.length; ++j) {
        const [a, p] = labels[i];
        const [b, q] = labels[j];
        const apart =
          p.right <= q.left || q.right <= p.left || p.bottom <= q.top || q.bottom <= p.top;
        if (!apart) found.push(`${chart}: ${a} / ${b}`);
      }
    }
  }
  return found;
}

describe('the charts', () => {
  const cases = [
    ['the heater example', '#preset=ss&t2=20&h=80&d=5&given=load&v=2000', true],
    ['a large load', '#preset=other&t1=98&t2=5&a=1E5&given=load&v=250000', false],
    ['a small heater on a large surface', '#preset=sr&t2=15&a=9999&given=load&v=500', false],
    ['a heater close to the limit', '#preset=sr&t2=15&h=100&d=5&given=load&v=4200', true],
  ];
  for (const [name, hash, minutes] of cases) {
    it(`keep their labels apart: ${name}`, async () => {
      const page = await open(RUSSIAN, hash);
      // The tank's chart too, for a run of well under two hours.
      await page.evaluate(() => {
        for (const [id, text] of Object.entries({ TankVolume: '50', PumpFlow: '5' })) {
          const box = document.getElementById(id);
          box.value = text;
          box.dispatchEvent(new Event('input', { bubbles: true }));
          box.dispatchEvent(new Event('change', { bubbles: true }));
        }
      });
      const drawn = await page.$$eval('#TankChart text', (texts) =>
        texts.map((t) => t.textContent),
      );
      if (minutes) assert.ok(drawn.includes('Время, мин'), 'a tank that lasts under two hours');
      assert.deepEqual(await page.evaluate(overlappingLabels), []);
      await page.close();
    });
  }
});

describe('a printout', () => {
  // The note as printing leaves it, and the focused control's ring.
  const readPrintout = () => ({
    shown: document.getElementById('PrintNote').getClientRects().length > 0,
    date: document.getElementById('PrintDate').dateTime.slice(0, 10),
    link: document.getElementById('PrintLink').textContent,
    focused: document.activeElement.id,
    ring: getComputedStyle(document.activeElement).outlineStyle,
  });

  it('is given the date and the link before it prints', async () => {
    const page = await open(RUSSIAN, EXAMPLE);
    await page.evaluate(() => dispatchEvent(new Event('beforeprint')));
    const printout = await page.evaluate(readPrintout);
    assert.equal(printout.shown, false, 'only on paper');
    assert.equal(printout.date, new Date().toISOString().slice(0, 10));
    assert.match(printout.link, /^http:\/\/127\.0\.0\.1:\d+\/#.*t1=78.*v=2000/);
    await page.close();
  });

  const printMedium = { skip: skipIn('firefox', 'WebDriver BiDi emulates no print medium') };
  it('shows the note and no focus ring', printMedium, async () => {
    const page = await open(RUSSIAN, EXAMPLE);
    await page.emulateMediaType('print');
    const printout = await page.evaluate(readPrintout);
    assert.ok(printout.shown);
    assert.equal(printout.focused, 'Text1');
    assert.equal(printout.ring, 'none');
    await page.close();
  });
});
