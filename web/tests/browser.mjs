// Headless Chromium and the site served from 127.0.0.1, for the browser tests and the
// measurements.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, beforeEach } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serveSite } from '../tools/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const siteDir = resolve(process.env.SITE_DIR ?? join(here, '../../build-web/site'));
export const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';

// Starts Chromium with a fresh profile. `lang` sets the browser's language: the environment's
// LANG and the --lang switch set its own language, and --accept-lang the languages pages see in
// navigator.languages (headless Chromium takes those from neither of the first two).
export async function launchBrowser({ lang = 'en-US' } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'dephlegmator-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromium,
    headless: true,
    userDataDir: profile,
    env: {
      ...process.env,
      LANG: `${lang.replace('-', '_')}.UTF-8`,
      LANGUAGE: lang.replace('-', '_'),
    },
    args: [
      '--headless=new',
      '--no-sandbox',
      '--disable-gpu',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--disable-dev-shm-usage',
      `--lang=${lang}`,
      `--accept-lang=${lang},${lang.split('-')[0]}`,
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A new page whose language and Intl locale are `lang` before anything loads.
export async function newPage(browser, { lang = 'en-US', width = 660, height = 600 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  const session = await page.createCDPSession();
  await session.send('Emulation.setLocaleOverride', { locale: lang });
  page.cdp = session;
  return page;
}

export async function openCalculator(page, url) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
}

// For a suite of tests that each start from a freshly opened calculator: serves the site and
// starts a browser for the suite, and opens the calculator in a new page before each test. The
// page is the returned object's `page`.
export function calculatorPerTest() {
  const suite = {};
  before(async () => {
    suite.server = await serveSite(siteDir);
    suite.browser = await launchBrowser();
  });
  after(async () => {
    await suite.browser?.close();
    await suite.server?.close();
  });
  beforeEach(async () => {
    await suite.page?.close();
    suite.page = await newPage(suite.browser);
    await openCalculator(suite.page, suite.server.url);
  });
  return suite;
}

export { serveSite };

// The focused control, its text and whether all of it is selected.
export function focusState(page) {
  return page.evaluate(() => {
    const el = document.activeElement;
    const isText = el instanceof HTMLInputElement && el.type === 'text';
    return {
      id: el.id,
      value: isText ? el.value : undefined,
      wholeSelected: isText
        ? el.selectionStart === 0 && el.selectionEnd === el.value.length
        : undefined,
    };
  });
}

export function values(page, ids) {
  return page.evaluate((list) => list.map((id) => document.getElementById(id).value), ids);
}

// Types each text into the focused box and presses Enter after it.
export async function typeAndEnter(page, texts) {
  for (const text of texts) {
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
  }
}
