// The page as a whole: nothing clipped or overlapping at desktop and phone widths, in the window
// or the design panel beside it, and nothing leaving 127.0.0.1: no request to another host, no
// cookie, no storage, no breach of the content security policy. The decimal separator of the
// reader's regional settings is language.test.mjs's.
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, describe, it } from 'node:test';
import {
  engine,
  launchBrowser,
  newPage,
  openCalculator,
  serveSite,
  siteDir,
  typeAndEnter,
} from './browser.mjs';

const OVERVIEW = ['78', '15', '100', '5', '40'];
const screenshots = process.env.SCREENSHOT_DIR ?? join(siteDir, '../screenshots');

// Every visible control whose content is wider or taller than its box, and every pair of visible
// controls whose boxes overlap by more than the pixel some neighbours share in the layout table
// (a box lying over a frame is meant to).
function layoutFaults() {
  const visible = [...document.querySelectorAll('[data-control]')].filter(
    (e) => e.getClientRects().length > 0,
  );
  const faults = [];
  // Firefox counts the glyphs' full height, half a pixel above and below a caption's lines of
  // 14 px, as overflow, and rounds it to a pixel; a line that does not fit is many more.
  for (const e of visible) {
    if (e.scrollWidth > e.clientWidth + 0.5 || e.scrollHeight > e.clientHeight + 1) {
      faults.push(`${e.dataset.control} is clipped`);
    }
  }
  // A frame's caption lies over the frame's edge, so only its width can be too small (Firefox
  // counts the glyphs' full height, a pixel more than the line, as overflow).
  for (const e of document.querySelectorAll('.caption')) {
    if (e.scrollWidth > e.clientWidth + 0.5) faults.push(`${e.textContent} is clipped`);
  }
  // A frame is its line and caption, over which its controls lie.
  const controls = visible.filter((e) => e.localName !== 'div');
  for (let i = 0; i < controls.length; ++i) {
    for (let j = i + 1; j < controls.length; ++j) {
      const a = controls[i].getBoundingClientRect();
      const b = controls[j].getBoundingClientRect();
      const overlap =
        a.left < b.right - 1.5 &&
        b.left < a.right - 1.5 &&
        a.top < b.bottom - 1.5 &&
        b.top < a.bottom - 1.5;
      if (overlap)
        faults.push(`${controls[i].dataset.control} overlaps ${controls[j].dataset.control}`);
    }
  }
  const form = document.getElementById('FormMorvani').getBoundingClientRect();
  if (form.right > document.documentElement.clientWidth + 0.5) faults.push('the window is cut off');
  return faults;
}

// The same for the design panel: it lies within the page clear of the window, no cell or line of
// it is wider than its box, and every text of the chart lies inside the chart.
function panelFaults() {
  const faults = [];
  const panel = document.getElementById('DesignPanel').getBoundingClientRect();
  const form = document.getElementById('FormMorvani').getBoundingClientRect();
  if (panel.left < -0.5 || panel.right > document.documentElement.clientWidth + 0.5) {
    faults.push('the panel is cut off');
  }
  const clear = panel.left >= form.right || panel.top >= form.bottom;
  if (!clear) faults.push('the panel overlaps the window');
  for (const e of document.querySelectorAll('#DesignPanel :is(h2, p, caption, th, td, li)')) {
    if (e.getClientRects().length > 0 && e.scrollWidth > e.clientWidth + 0.5) {
      faults.push(`${e.id || e.textContent} is clipped`);
    }
    const box = e.getBoundingClientRect();
    if (box.width > 0 && (box.left < panel.left - 0.5 || box.right > panel.right + 0.5)) {
      faults.push(`${e.id || e.textContent} sticks out of the panel`);
    }
  }
  const chart = document.getElementById('ControlCurve').getBoundingClientRect();
  for (const text of document.querySelectorAll('#ControlCurve text')) {
    const box = text.getBoundingClientRect();
    const inside =
      box.left >= chart.left - 0.5 &&
      box.right <= chart.right + 0.5 &&
      box.top >= chart.top - 0.5 &&
      box.bottom <= chart.bottom + 0.5;
    if (!inside) faults.push(`the chart's «${text.textContent}» is cut off`);
  }
  return faults;
}

describe('the page', () => {
  let server;
  before(async () => {
    server = await serveSite(siteDir);
    mkdirSync(screenshots, { recursive: true });
  });
  after(() => server?.close());

  // A desktop window, and a phone, which lays the page out at the window's width and scales it to
  // the screen; each in a browser of its own, as Firefox is a phone or not from its start.
  const devices = [
    { name: 'desktop', phone: false, width: 1024, height: 700 },
    { name: 'phone', phone: true, width: 360, height: 740 },
  ];
  for (const { name, phone, width, height } of devices) {
    it(`fits every caption and keeps to 127.0.0.1 on a ${name}`, async () => {
      const browser = await launchBrowser({ phone });
      try {
        const page = await newPage(browser, { width, height });
        const requests = [];
        page.on('request', (request) => requests.push(request.url()));
        await page.evaluateOnNewDocument(() => {
          globalThis.policyViolations = [];
          document.addEventListener('securitypolicyviolation', (e) =>
            globalThis.policyViolations.push(`${e.violatedDirective} ${e.blockedURI}`),
          );
        });

        await openCalculator(page, server.url);
        await typeAndEnter(page, OVERVIEW);
        // Every mode's controls: area mode with the heat load given shows the other labels.
        assert.deepEqual(await page.evaluate(layoutFaults), []);
        await page.click('label[data-control="Option5"]');
        await page.click('label[data-control="Option7"]');
        assert.deepEqual(await page.evaluate(layoutFaults), [], 'area mode');
        // The panel with every row: heights and the heater's tables, after a given heat load.
        await page.click('label[data-control="Option4"]');
        await typeAndEnter(page, ['100', '5']);
        await page.keyboard.type('2000');
        await page.keyboard.press('Enter');
        assert.match(await page.$eval('#HeightAt10K', (e) => e.textContent), /^\d+(\.\d)?$/);
        assert.deepEqual(await page.evaluate(panelFaults), [], 'the panel');
        const panelPlace = await page.evaluate(() => {
          const form = document.getElementById('FormMorvani').getBoundingClientRect();
          const panel = document.getElementById('DesignPanel').getBoundingClientRect();
          return panel.left >= form.right ? 'beside' : 'below';
        });
        assert.equal(panelPlace, phone ? 'below' : 'beside');
        await page.focus('#Text1');
        await page.screenshot({
          path: join(screenshots, `web-${name}-${engine}.png`),
          fullPage: true,
        });
        // A phone offers its keypad of digits for every box; the layout at its width is tested
        // in reflow.test.mjs.
        const inputModes = await page.$$eval('input[type="text"]', (boxes) =>
          boxes.every((e) => e.inputMode === 'decimal'),
        );
        assert.ok(inputModes);

        // Firefox reports the data: font of its own style sheet's list bullets as a request of the
        // page; a data: URL reaches no host.
        const foreign = requests.filter(
          (url) => !url.startsWith(server.url) && !url.startsWith('data:'),
        );
        assert.deepEqual(foreign, [], 'requests to other hosts');
        const kept = await page.evaluate(async () => ({
          cookies: document.cookie,
          // The panel's sections keep only what the user changed; nothing was.
          localStorage: localStorage.length,
          sessionStorage: sessionStorage.length,
          databases: (await indexedDB.databases()).length,
          violations: globalThis.policyViolations,
        }));
        assert.deepEqual(kept, {
          cookies: '',
          localStorage: 0,
          sessionStorage: 0,
          databases: 0,
          violations: [],
        });
        // The policy holds: a script put into the page by any means does not run.
        const injected = await page.evaluate(() => {
          const script = document.createElement('script');
          script.textContent = 'globalThis.injected = true';
          document.body.append(script);
          return globalThis.injected === true;
        });
        assert.equal(injected, false);
      } finally {
        await browser.close();
      }
    });
  }
});
