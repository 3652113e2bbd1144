// axe-core over the page at each width, in the light and the dark theme: at start, after a
// calculation and with the error message open; and over the guides.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, describe, it } from 'node:test';
import {
  browserPerOptions,
  newPage,
  openCalculator,
  serveSite,
  siteDir,
  skipIn,
} from './browser.mjs';
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
  {
    // On a phone the reason stands under the box, and the strip of results is shown.
    name: 'with a box marked',
    reach: async (page) => {
      await enterHeaterExample(page);
      await page.focus('#Text2');
      await page.$eval('#Text2', (e) => e.select());
      await page.keyboard.type('ab');
      await page.keyboard.press('Enter');
    },
  },
];

// What axe does not measure: lines that show a control or a frame, and the chart's curves and
// axes, at a contrast of less than 3:1 with their ground; and the focus ring of each kind of
// control, reached by the keyboard, thinner than 2 px or fainter than 3:1.
async function lineFaults(page) {
  await page.evaluate(() => {
    const luminance = (colour) => {
      const [r, g, b] = colour
        .match(/[\d.]+/g)
        .slice(0, 3)
        .map((v) => (v / 255 <= 0.03928 ? v / 255 / 12.92 : ((v / 255 + 0.055) / 1.055) ** 2.4));
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    globalThis.contrast = (a, b) => {
      const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
      return (light + 0.05) / (dark + 0.05);
    };
    globalThis.styleOf = (selector, pseudo) =>
      getComputedStyle(document.querySelector(selector), pseudo);
  });
  const faults = await page.evaluate(() => {
    const { styleOf, contrast } = globalThis;
    const ground = styleOf('.window').backgroundColor;
    const card = styleOf('#ControlCurve').backgroundColor;
    const lines = {
      'a box on the window': [styleOf('#Text1').borderTopColor, ground],
      'a box on its own ground': [
        styleOf('#Text1').borderTopColor,
        styleOf('#Text1').backgroundColor,
      ],
      'a frame': [styleOf('[data-control="Frame1"]', '::before').borderTopColor, ground],
      'the button': [styleOf('#Command1').borderTopColor, ground],
      'the load curve': [styleOf('#ControlCurve .curve.load').stroke, card],
      'the temperature curve': [styleOf('#ControlCurve .curve.temp').stroke, card],
      'an axis': [styleOf('#ControlCurve .axis').stroke, card],
    };
    return Object.entries(lines)
      .map(([name, [line, behind]]) => [name, contrast(line, behind)])
      .filter(([, ratio]) => ratio < 3)
      .map(([name, ratio]) => `${name}: ${ratio.toFixed(2)}`);
  });
  const ring = () =>
    page.evaluate(() => {
      const { styleOf, contrast } = globalThis;
      const e = document.activeElement;
      const style = getComputedStyle(e);
      const behind = e.type === 'text' ? style.backgroundColor : styleOf('.window').backgroundColor;
      const width = parseFloat(style.outlineWidth);
      const ratio = contrast(style.outlineColor, behind);
      return style.outlineStyle === 'none' || width < 2 || ratio < 3
        ? `${e.id || e.textContent}: ${style.outlineStyle} ${width} px, ${ratio.toFixed(2)}`
        : null;
    });
  // A text box, an option button, the push button, the share button and the guide's link.
  const walk = [
    ['#Text6', []],
    ['#Text6', ['Tab']],
    ['#Text1', ['Tab']],
    ['#Text1', ['Shift']],
    ['#Text1', ['Shift', 'Shift']],
  ];
  for (const [start, keys] of walk) {
    await page.click(start);
    for (const key of keys) {
      if (key === 'Shift') await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      if (key === 'Shift') await page.keyboard.up('Shift');
    }
    if (keys.length === 0) await page.keyboard.press('End');
    faults.push(await ring());
  }
  return faults.filter(Boolean);
}

describe('axe-core', () => {
  let server;
  const browsers = browserPerOptions();
  before(async () => {
    server = await serveSite(siteDir);
  });
  after(async () => {
    await browsers.close();
    await server?.close();
  });

  it('explains «СР», «СС», «Предполагается» and the autonomous column where they are', async () => {
    const page = await newPage(await browsers.get());
    try {
      await openCalculator(page, server.url);
      // The accessible description: the texts of the elements aria-describedby names, hidden or
      // not, in its order.
      const explained = await page.evaluate(
        (selectors) => {
          const describe = (e) =>
            (e.getAttribute('aria-describedby') ?? '')
              .split(/\s+/)
              .filter(Boolean)
              .map((id) => document.getElementById(id)?.textContent.trim() ?? `no #${id}`)
              .join(' ');
          return Object.fromEntries(selectors.map((s) => [s, describe(document.querySelector(s))]));
        },
        ['#Option1', '#Option2', '#Frame4Options', '#Text71', '#Text91'],
      );
      const titles = await page.$$eval('#FormMorvani [title]', (all) => all.map((e) => e.title));
      assert.match(
        explained['#Option1'],
        /^СР — 78\u00A0°С: температура конденсации пара почти чистого/,
      );
      assert.match(explained['#Option2'], /^СС — 88\u00A0°С: .*более слабого/);
      assert.match(explained['#Frame4Options'], /^Предполагается — одна известная величина/);
      assert.match(
        explained['#Text71'],
        /^Автономное охлаждение: вода нагревается ровно на 10\u00A0К/,
      );
      assert.equal(explained['#Text91'], explained['#Text71']);
      // The same words as the title of what shows the term, for a pointer.
      assert.deepEqual(titles.sort(), Object.values(explained).slice(0, 4).sort());
    } finally {
      await page.close();
    }
  });

  for (const colorScheme of ['light', 'dark']) {
    for (const { name, phone, ...viewport } of SCREENS) {
      // Firefox audits the desktop in the light theme and the phone in the dark one: the same
      // elements and colours as the other two, which Chromium audits. The zoomed desktop lays out
      // as the phone does; its reflow is checked in both engines.
      const firefoxAudits = phone
        ? colorScheme === 'dark'
        : viewport.width >= 641 && colorScheme === 'light';
      const audit = {
        skip:
          !firefoxAudits &&
          skipIn('firefox', 'the same page in the other theme, audited in Chromium'),
      };
      it(`finds nothing at ${name} px in the ${colorScheme} theme`, audit, async () => {
        const page = await newPage(await browsers.get({ phone, colorScheme }), viewport);
        try {
          const found = {};
          for (const state of STATES) {
            await openCalculator(page, server.url);
            const theme = await page.evaluate(
              () => matchMedia('(prefers-color-scheme: dark)').matches,
            );
            assert.equal(theme, colorScheme === 'dark', 'the theme the page sees');
            await state.reach(page);
            found[state.name] = await violations(page);
          }
          assert.deepEqual(found, Object.fromEntries(STATES.map((s) => [s.name, []])));
        } finally {
          await page.close();
        }
      });
    }

    // The rings as Firefox draws them, in the light theme; the dark theme's colours in Chromium.
    const rings = {
      skip:
        colorScheme === 'dark' &&
        skipIn('firefox', 'the dark theme’s colours, checked in Chromium'),
    };
    it(
      `draws lines of 3:1 and focus rings of 2 px in the ${colorScheme} theme`,
      rings,
      async () => {
        const page = await newPage(await browsers.get({ colorScheme }), {
          width: 1366,
          height: 768,
        });
        try {
          await openCalculator(page, server.url);
          await enterHeaterExample(page);
          assert.deepEqual(await lineFaults(page), []);
        } finally {
          await page.close();
        }
      },
    );

    // The guides are static pages with the page's style sheet: one engine's look suffices.
    const staticPages = { skip: skipIn('firefox', 'static pages, checked in Chromium') };
    it(
      `finds nothing in the guides in the ${colorScheme} theme, on a desktop and a phone`,
      staticPages,
      async () => {
        const found = {};
        for (const guide of ['guide.html', 'guide-en.html']) {
          for (const { name, phone, ...viewport } of SCREENS.slice(0, 2)) {
            const page = await newPage(await browsers.get({ phone, colorScheme }), viewport);
            try {
              await page.goto(`${server.url}${guide}`, { waitUntil: 'load' });
              found[`${guide}, ${name}`] = await violations(page);
            } finally {
              await page.close();
            }
          }
        }
        assert.deepEqual(found, {
          'guide.html, desktop 1366': [],
          'guide.html, phone 360': [],
          'guide-en.html, desktop 1366': [],
          'guide-en.html, phone 360': [],
        });
      },
    );
  }
});
