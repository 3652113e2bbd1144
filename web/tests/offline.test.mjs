// The calculator can be installed as an app; once loaded, it works with the server gone, its
// guides too; a new version of the site replaces the cached one.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, it } from 'node:test';
import {
  launchBrowser,
  newPage,
  openCalculator,
  serveSite,
  siteDir,
  skipIn,
  typeAndEnter,
  values,
} from './browser.mjs';

let copy;
let browser;
let server;

before(async () => {
  // A copy, so that the test can publish a new version without touching the build.
  copy = mkdtempSync(join(tmpdir(), 'dephlegmator-site-'));
  cpSync(siteDir, copy, { recursive: true });
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  await server?.close();
  rmSync(copy, { recursive: true, force: true });
});

async function stopServer() {
  server.closeAllConnections();
  await server.close();
  server = undefined;
}

const cacheNames = (page) => page.evaluate(() => caches.keys());

// Opens the calculator and waits until its service worker controls the page.
async function openControlled(page, url) {
  await openCalculator(page, url);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) =>
        navigator.serviceWorker.addEventListener('controllerchange', resolve, { once: true }),
      );
    }
  });
}

it(
  'can be installed as an app: manifest, icons, worker',
  {
    skip: skipIn('firefox', 'Firefox installs no site as an app and has no list of what one lacks'),
  },
  async () => {
    server = await serveSite(copy);
    const page = await newPage(browser);
    await openControlled(page, server.url);
    const { installabilityErrors } = await page.cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    await page.close();
    await stopServer();
  },
);

it('reloads and calculates without the server, and takes a new version when it is back', async () => {
  server = await serveSite(copy);
  const { url } = server;
  const port = Number(new URL(url).port);
  const page = await newPage(browser);
  await openControlled(page, url);
  const [firstCache] = await cacheNames(page);
  assert.match(firstCache, /^dephlegmator-/);

  await stopServer();
  await page.reload({ waitUntil: 'load' });
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
  await typeAndEnter(page, ['78', '15', '100', '5', '40']);
  assert.deepEqual(await values(page, ['Text7', 'Text8', 'Text9', 'Text10']), [
    '5282',
    '3.37',
    '40',
    '1571',
  ]);
  assert.equal(await page.$eval('#MaxLoad', (e) => e.textContent), '6729', 'the design panel too');
  // The guide, by the calculator's link «Справка».
  await Promise.all([page.waitForNavigation(), page.click('a[href="guide.html"]')]);
  const guide = await page.evaluate(() => ({
    title: document.querySelector('h1')?.textContent,
    sections: document.querySelectorAll('h2').length,
  }));
  assert.equal(guide.title, 'Расчёт дефлегматора: руководство пользователя');
  assert.ok(guide.sections >= 5, `${guide.sections} sections`);
  // The English guide, which no link leads to yet, by its address.
  await page.goto(`${url}guide-en.html`, { waitUntil: 'load' });
  const english = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    title: document.querySelector('h1')?.textContent,
    sections: document.querySelectorAll('h2').length,
  }));
  assert.deepEqual(english, {
    lang: 'en',
    title: 'Reflux condenser calculator: user guide',
    // The Russian guide's sections and a glossary.
    sections: guide.sections + 1,
  });

  // A new version: the worker's version changes, as a change to any file makes it.
  const workerFile = join(copy, 'sw.js');
  const worker = readFileSync(workerFile, 'utf8');
  writeFileSync(
    workerFile,
    worker.replace(/const VERSION = "([0-9a-f]+)"/, 'const VERSION = "$1next"'),
  );
  server = await serveSite(copy, port);
  await openCalculator(page, url);
  await page.waitForFunction(
    async (old) => {
      const names = await caches.keys();
      return names.length === 1 && names[0] !== old;
    },
    { polling: 100, timeout: 10000 },
    firstCache,
  );
  assert.deepEqual(await cacheNames(page), [`${firstCache}next`]);
});
