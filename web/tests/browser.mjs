// Headless Chromium or Firefox and the site served from 127.0.0.1, for the browser tests and the
// measurements. The tests run in the engine that BROWSER names, chromium (the default) or firefox;
// CTest runs each browser test file in Chromium, and those of web/CMakeLists.txt's firefox_suites
// in Firefox too.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, beforeEach } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serveSite } from '../tools/serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const siteDir = resolve(process.env.SITE_DIR ?? join(here, '../../build-web/site'));
const executables = {
  chromium: process.env.CHROMIUM ?? '/usr/bin/chromium',
  firefox: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
};
export const engine = process.env.BROWSER || 'chromium';
if (!(engine in executables)) {
  throw new Error(`BROWSER=${engine}: expected one of ${Object.keys(executables).join(', ')}`);
}

// For node:test's `skip` option: the reason when the tests run in `skipped`, otherwise false, so
// that a test left out of an engine says why.
export function skipIn(skipped, reason) {
  return engine === skipped ? `not in ${skipped}: ${reason}` : false;
}

// The viewports of newPage: a desktop window, and a phone, which lays the page out by its
// viewport meta tag, scales it to the screen and has a touch screen.
const DESKTOP = { width: 660, height: 600 };
const PHONE = { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true };

// What each browser was launched with, for newPage.
const launched = new WeakMap();

// Starts the browser with a fresh profile, removed again by its close(). `lang` is the language of
// the browser and of every page in it: its own language and the default locale of Intl.
// `languages` are those pages see in navigator.languages, comma-separated; by default `lang`,
// its primary language and, where neither is Russian, Russian last: a reader who reads Russian
// too, for whom the page stays Russian, while numbers are written as `lang` writes them. `phone` makes its pages phones (Firefox
// takes that when it starts, not per page). `colorScheme`, 'light' or 'dark', is the theme its
// pages see in prefers-color-scheme (Firefox takes that when it starts too). `engine` overrides
// BROWSER, for the measurements, which use Chromium's tracing.
export async function launchBrowser({
  lang = 'en-US',
  languages = defaultLanguages(lang),
  phone = false,
  colorScheme,
  engine: name = engine,
} = {}) {
  const profile = mkdtempSync(join(tmpdir(), `dephlegmator-${name}-`));
  const env = {
    ...process.env,
    LANG: `${lang.replace('-', '_')}.UTF-8`,
    LANGUAGE: lang.replace('-', '_'),
  };
  let browser;
  try {
    browser = await puppeteer.launch({
      executablePath: executables[name],
      headless: true,
      userDataDir: profile,
      env,
      ...(name === 'firefox'
        ? firefoxOptions(languages, lang, phone, colorScheme)
        : chromiumOptions(languages, lang)),
    });
  } catch (error) {
    rmSync(profile, { recursive: true, force: true });
    throw error;
  }
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  launched.set(browser, { engine: name, lang, phone, colorScheme });
  return browser;
}

function defaultLanguages(lang) {
  const primary = lang.split('-')[0];
  return primary === 'ru' ? `${lang},ru` : `${lang},${primary},ru`;
}

// The environment's LANG and the --lang switch set Chromium's own language, and --accept-lang
// the languages pages see (headless Chromium takes those from neither of the first two); newPage
// sets Intl's locale per page.
function chromiumOptions(languages, lang) {
  return {
    browser: 'chrome',
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
      `--accept-lang=${languages}`,
    ],
  };
}

// Firefox over WebDriver BiDi. intl.accept_languages gives the languages pages see;
// intl.locale.requested asks for its own language; Intl's default locale follows the
// environment's LANG only with intl.regional_prefs.use_os_locales (Debian's firefox-esr has no
// Russian language pack of its own). As a phone, as Firefox on Android, it honours the viewport
// meta tag, has a coarse pointer without hover, one touch point with touch events (which
// puppeteer's hasTouch does not give Firefox) and overlay scroll bars; and it lays a page
// without the tag out at the viewport's width, not a desktop's, for a viewport's change waits until
// the layout of the page shown, the blank one of newPage, has the new width. The colour scheme of
// pages is a preference, as WebDriver BiDi has no emulation of media features yet.
function firefoxOptions(languages, lang, phone, colorScheme) {
  return {
    browser: 'firefox',
    protocol: 'webDriverBiDi',
    defaultViewport: null,
    extraPrefsFirefox: {
      'intl.accept_languages': languages,
      'intl.locale.requested': lang,
      'intl.regional_prefs.use_os_locales': true,
      ...(colorScheme && {
        'layout.css.prefers-color-scheme.content-override': colorScheme === 'dark' ? 0 : 1,
      }),
      ...(phone && {
        'dom.meta-viewport.enabled': true,
        'browser.viewport.desktopWidth': 100,
        'ui.primaryPointerCapabilities': 1,
        'ui.allPointerCapabilities': 1,
        'ui.useOverlayScrollbars': 1,
        'dom.w3c_touch_events.enabled': 1,
        'dom.w3c_touch_events.legacy_apis.enabled': true,
        'dom.maxtouchpoints.testing.value': 1,
      }),
    },
  };
}

// A new page in the browser's language, at a desktop window's size or a phone's, or at `width` ×
// `height`, before anything loads, in the browser's colour scheme. Chromium pages also have `cdp`,
// a DevTools session. A phone in Firefox takes its size here only: page.setViewport on a loaded
// page waits for a layout width that the page's viewport tag overrides, until the protocol's time
// runs out.
export async function newPage(browser, { lang, width, height } = {}) {
  const settings = launched.get(browser);
  if (!settings) throw new Error('newPage takes a browser that launchBrowser started');
  if (lang && lang !== settings.lang) {
    throw new Error(`a page in ${lang} needs a browser launched with { lang: '${lang}' }`);
  }
  const page = await browser.newPage();
  const device = settings.phone ? PHONE : DESKTOP;
  await page.setViewport({
    ...device,
    width: width ?? device.width,
    height: height ?? device.height,
  });
  if (settings.engine === 'chromium') {
    page.cdp = await page.createCDPSession();
    await page.cdp.send('Emulation.setLocaleOverride', { locale: settings.lang });
    if (settings.colorScheme) {
      await page.emulateMediaFeatures([
        { name: 'prefers-color-scheme', value: settings.colorScheme },
      ]);
    }
  }
  return page;
}

export async function openCalculator(page, url) {
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
}

// For a suite of tests in one browser: serves the site and starts a browser with launchBrowser's
// `options` before the suite's first test, and closes both after its last. They are the returned
// object's `server` and `browser`; a suite's own before hooks run after these.
export function browserPerSuite(options) {
  const suite = {};
  before(async () => {
    suite.server = await serveSite(siteDir);
    suite.browser = await launchBrowser(options);
  });
  after(async () => {
    await suite.browser?.close();
    await suite.server?.close();
  });
  return suite;
}

// For a suite of tests that each start from a freshly opened calculator: browserPerSuite's server
// and browser, and the calculator opened in a new page before each test, the returned object's
// `page`.
export function calculatorPerTest() {
  const suite = browserPerSuite();
  beforeEach(async () => {
    await suite.page?.close();
    suite.page = await newPage(suite.browser);
    await openCalculator(suite.page, suite.server.url);
  });
  return suite;
}

export { serveSite };

// Browsers started as the tests need them, one for each set of launchBrowser's options, and
// closed together: for suites that try the page as a phone and a desktop or in both themes, which
// Firefox takes only when it starts.
export function browserPerOptions() {
  const started = new Map();
  return {
    get({ lang = 'en-US', languages, phone = false, colorScheme } = {}) {
      const options = { lang, languages: languages ?? defaultLanguages(lang), phone, colorScheme };
      const key = JSON.stringify(options);
      if (!started.has(key)) started.set(key, launchBrowser(options));
      return started.get(key);
    },
    async close() {
      const browsers = await Promise.allSettled(started.values());
      started.clear();
      for (const { value } of browsers) await value?.close();
    },
  };
}

// Lets pages of `origin` write the clipboard and read it back. Chromium asks for permissions;
// Firefox lets a page write on the user's click and read back, without asking, what the page
// itself wrote, and its permissions have no names for the clipboard.
export async function allowClipboard(browser, origin) {
  if (launched.get(browser)?.engine === 'firefox') return;
  await browser
    .defaultBrowserContext()
    .overridePermissions(origin, ['clipboard-read', 'clipboard-sanitized-write']);
}

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

// Puts the texts into the window's boxes, selecting the option buttons first, and presses
// «Пересчет» with the mouse.
export async function recalculateWith(page, boxes, options = []) {
  for (const option of options) await page.click(`label[data-control="${option}"]`);
  await page.evaluate((texts) => {
    for (const [id, text] of Object.entries(texts)) document.getElementById(id).value = text;
  }, boxes);
  await page.click('#Command1');
}

// Replaces the texts of the panel's boxes as a user does, leaving each with Tab.
export async function retype(page, boxes) {
  for (const [id, text] of Object.entries(boxes)) {
    await page.focus(`#${id}`);
    await page.$eval(`#${id}`, (e) => e.select());
    if (text) await page.keyboard.type(text);
    else await page.keyboard.press('Backspace');
    await page.keyboard.press('Tab');
  }
}

// What elements show: an input's or choice's value, any other element's text.
export function shown(page, ids) {
  return page.evaluate(
    (list) =>
      Object.fromEntries(
        list.map((id) => {
          const e = document.getElementById(id);
          const input = e instanceof HTMLInputElement || e instanceof HTMLSelectElement;
          return [id, input ? e.value : e.textContent];
        }),
      ),
    ids,
  );
}
