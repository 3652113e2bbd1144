// axe-core over the page at each width, in the light and the dark theme: at start, after a
// calculation and with the error message open; and over the guide.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, describe, it } from 'node:test';
import { launchBrowser, newPage, openCalculator, serveSite, siteDir } from './browser.mjs';
import { SCREENS, enterHeaterExample } from './screens.mjs';

const axeSource = readFileSync(
  createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
  'utf8',
);
const TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

// The violations axe finds on the page, each as its rule and the elements it names. The page's
// policy forbids inline scripts, so axe is evaluated through the debugging protocol.
async function violations(page) {
  if (!(await page.evaluate(() => 'axe' in globalThis))) await page.evaluate(axeSource);
  const found = await page.evaluate(
    (tags) => globalThis.axe.run(document, { runOnly: { type: 'tag', values: tags } }),
    TAGS,
  );
  return found.violations.map(
    (v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`,
  );
}

// The states of the page the audit sees: as it opens, with the heater example calculated (the
// panel with every row), and with the message of a failed calculation open.
const STATES = [
  { name: 'at start', reach: async () => {} },
  { name: 'after a calculation', reach: (page) => enterHeaterExample(page) },
  {
    name: 'with the error message open',
    reach: async (page) => {
      await enterHeaterExample(page, '9000');
      assert.equal(await page.$eval('#ErrorDialog', (d) => d.open), true);
    },
  },
];

describe('axe-core', () => {
  let server;
  let browser;
  before(async () => {
    server = await serveSite(siteDir);
    browser = await launchBrowser();
  });
  after(async () => {
    await browser?.close();
    await server?.close();
  });

  for (const scheme of ['light', 'dark']) {
    for (const { name, ...viewport } of SCREENS) {
      it(`finds nothing at ${name} px in the ${scheme} theme`, async () => {
        const page = await newPage(browser, viewport);
        try {
          await page.setViewport(viewport);
          await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
          const found = {};
          for (const state of STATES) {
            await openCalculator(page, server.url);
            await state.reach(page);
            found[state.name] = await violations(page);
          }
          assert.deepEqual(found, Object.fromEntries(STATES.map((s) => [s.name, []])));
        } finally {
          await page.close();
        }
      });
    }

    it(`finds nothing in the guide in the ${scheme} theme, on a desktop and a phone`, async () => {
      const page = await newPage(browser);
      try {
        await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
        const found = {};
        for (const { name, ...viewport } of SCREENS.slice(0, 2)) {
          await page.setViewport(viewport);
          await page.goto(`${server.url}guide.html`, { waitUntil: 'load' });
          found[name] = await violations(page);
        }
        assert.deepEqual(found, { 'desktop 1366': [], 'phone 360': [] });
      } finally {
        await page.close();
      }
    });
  }
});
