// The site's assembly from web/page/files.json: the list names every module the page imports, and
// the assembled site has each listed file, a module preload for each import, a page for each guide
// in its language, and every file that the pages link to and the worker caches.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, it } from 'node:test';

const here = dirname(fileURLToPath(import.meta.url));
const pageDir = resolve(here, '../page');
const assembler = resolve(here, '../tools/assemble_site.mjs');
const list = JSON.parse(readFileSync(join(pageDir, 'files.json'), 'utf8'));
// The engine's loader, which the build makes and the assembler adds.
const LOADER = 'calculator.js';
// Guides with what the real ones have: a picture, inline markup, a table with HTML in a cell, and
// in English an apostrophe in a heading.
const GUIDES = {
  'ru/README.md': `# Руководство

![Окно](../screenshot.png)

## Как вводить *числа*

| Поле | Что |
|---|---|
| t<sub>к</sub> | «СР» |
`,
  'en/README.md': `# Guide

![Window](../screenshot.png)

## The panel's *U*

| Box | What |
|---|---|
| t<sub>c</sub> | “RS” |
`,
};
// Stand-ins for the catalogue's texts of a language: every key the page and its manifest name, its
// text the language and the key; the manifest's file as the list names it.
function standInTexts(lang) {
  const sources = ['index.html', list.manifest].map((file) =>
    readFileSync(join(pageDir, file), 'utf8'),
  );
  const keys = sources.flatMap((source) => [
    ...[...source.matchAll(/\sdata-text="([^"]+)"/g)].map((m) => m[1]),
    ...[...source.matchAll(/\sdata-text-attrs="([^"]+)"/g)].flatMap((m) =>
      m[1].split(' ').map((pair) => pair.split('=')[1]),
    ),
    ...[...source.matchAll(/"@([a-zA-Z.]+)@"/g)].map((m) => m[1]),
  ]);
  const texts = Object.fromEntries(keys.map((key) => [key, `${lang} <${key}> "`]));
  texts['page.manifest'] = list.generated.find((file) =>
    lang === 'ru' ? file === list.manifest : file.startsWith('manifest-'),
  );
  texts['page.lang'] = lang;
  texts['page.guide'] = guidePage(lang);
  return texts;
}
// A guide's page, by the folder of its Markdown: docs/ru/, docs/en/.
const guidePage = (lang) => list.guides.find((guide) => guide.markdown.startsWith(`${lang}/`)).page;

// The relative imports of a script, by file name.
function importsOf(file) {
  const source = readFileSync(join(pageDir, file), 'utf8');
  return [...source.matchAll(/^import\b[^;]*?from\s+'\.\/([^']+)'/gms)].map((m) => m[1]);
}

function filesUnder(dir, prefix = '') {
  return readdirSync(join(dir, prefix), { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? filesUnder(dir, join(prefix, entry.name)) : [join(prefix, entry.name)],
  );
}

describe('the list of the page files', () => {
  it('names as modules exactly what the entry script imports, at any depth', () => {
    const imported = new Set();
    const pending = [list.entry];
    while (pending.length > 0) {
      for (const file of importsOf(pending.pop())) {
        if (imported.has(file) || file === LOADER) continue;
        imported.add(file);
        pending.push(file);
      }
    }
    assert.deepEqual([...imported].sort(), [...list.modules].sort());
  });
});

describe('the assembled site', () => {
  let top;
  let site;
  before(() => {
    // Stand-ins for the build's parts: the generated controls and layout, the fonts, the icons
    // and the module.
    top = mkdtempSync(join(tmpdir(), 'dephlegmator-assemble-'));
    const parts = join(top, 'parts');
    mkdirSync(parts);
    writeFileSync(join(parts, 'controls.html'), '<input id="Text1" data-control="Text1">\n');
    writeFileSync(join(parts, 'layout.css'), '#Text1 { left: 0; }\n');
    writeFileSync(join(parts, 'layout.json'), '{"controls":[]}\n');
    writeFileSync(join(parts, 'chart.html'), '<svg id="ControlCurve"></svg>\n');
    writeFileSync(join(parts, 'reflux.html'), '<tr><th>1</th><td id="RefluxFlow1">—</td></tr>\n');
    writeFileSync(join(parts, 'devices.html'), '<option value="window">как в окне</option>\n');
    writeFileSync(join(parts, 'tank-chart.html'), '<svg id="TankChart"></svg>\n');
    writeFileSync(join(parts, 'tank-reflux.html'), '<option>полная флегма</option>\n');
    for (const lang of ['ru', 'en']) {
      writeFileSync(join(parts, `texts-${lang}.json`), JSON.stringify(standInTexts(lang)));
    }
    for (const file of [
      'dejavusans.woff2',
      'dejavusans-bold.woff2',
      'icon-192.png',
      'icon-512.png',
    ]) {
      writeFileSync(join(parts, file), file);
    }
    writeFileSync(join(top, 'calculator.js'), 'export default function createCalculator() {}\n');
    writeFileSync(join(top, 'calculator.wasm'), '\0asm');
    writeFileSync(join(top, 'icon.svg'), '<svg xmlns="http://www.w3.org/2000/svg"/>');
    for (const [file, markdown] of Object.entries(GUIDES)) {
      mkdirSync(dirname(join(top, 'docs', file)), { recursive: true });
      writeFileSync(join(top, 'docs', file), markdown);
    }
    site = join(top, 'site');
    execFileSync(process.execPath, [
      assembler,
      ...['--page', pageDir, '--parts', parts, '--module', join(top, 'calculator.js')],
      ...['--icon', join(top, 'icon.svg'), '--docs', join(top, 'docs'), '--out', site],
    ]);
  });
  after(() => rmSync(top, { recursive: true, force: true }));

  it('has each listed file as it is in the page folder', () => {
    for (const file of [list.entry, ...list.modules, ...list.styles, ...list.other]) {
      assert.deepEqual(readFileSync(join(site, file)), readFileSync(join(pageDir, file)), file);
    }
  });

  it('preloads the loader and each module, once, and fills every slot', () => {
    const html = readFileSync(join(site, list.page), 'utf8');
    const preloaded = [...html.matchAll(/<link rel="modulepreload" href="([^"]+)">\n/g)];
    assert.deepEqual(
      preloaded.map((m) => m[1]),
      [LOADER, ...list.modules],
    );
    assert.doesNotMatch(html, /<!-- (modulepreload|controls) -->/);
    assert.match(html, /<input id="Text1" data-control="Text1">/);
  });

  it('writes the page in Russian, and the texts and manifest of each language in files of their own', () => {
    const html = readFileSync(join(site, list.page), 'utf8');
    assert.match(html, /<html data-text-attrs="lang=page.lang" lang="ru">/);
    assert.match(html, /<title data-text="page.title">ru &lt;page.title&gt; &quot;<\/title>/);
    assert.match(
      html,
      /<a data-text="page.help" data-text-attrs="href=page.guide" href="guide.html">/,
    );
    // Every marked element has its text, and no attribute is written twice.
    assert.doesNotMatch(html, /data-text="[^"]+"[^>]*><\//);
    for (const tag of html.match(/<[a-z][^>]*data-text-attrs[^>]*>/g)) {
      const names = [...tag.matchAll(/\s([a-z-]+)="/g)].map((m) => m[1]);
      assert.equal(new Set(names).size, names.length, tag);
    }
    for (const lang of ['ru', 'en']) {
      const texts = JSON.parse(readFileSync(join(site, `texts-${lang}.json`), 'utf8'));
      const manifestKeys = ['page.description', 'page.shortName'];
      assert.deepEqual(
        Object.keys(texts).sort(),
        Object.keys(standInTexts(lang))
          .filter((key) => !manifestKeys.includes(key))
          .sort(),
      );
      const manifest = JSON.parse(readFileSync(join(site, texts['page.manifest']), 'utf8'));
      assert.equal(manifest.lang, lang);
      assert.equal(manifest.name, `${lang} <page.title> "`);
    }
  });

  it('makes a page for each guide, in the language of its folder, with no slot left', () => {
    assert.deepEqual(list.guides.map((guide) => guide.markdown).sort(), Object.keys(GUIDES).sort());
    for (const guide of list.guides) {
      const html = readFileSync(join(site, guide.page), 'utf8');
      const lang = guide.markdown.split('/')[0];
      assert.match(html, new RegExp(`<html lang="${lang}">`), guide.page);
      assert.doesNotMatch(html, /<!-- guide -->/, guide.page);
    }
  });

  it('makes the Russian guide page: ids on headings, tables in regions to scroll, no pictures', () => {
    const html = readFileSync(join(site, guidePage('ru')), 'utf8');
    assert.match(html, /<h1 id="руководство">Руководство<\/h1>/);
    assert.match(html, /<h2 id="как-вводить-числа">Как вводить <em>числа<\/em><\/h2>/);
    assert.match(
      html,
      /<div class="table" role="region" tabindex="0" aria-label="Таблица: Как вводить числа"><table>/,
    );
    assert.match(html, /<td>t<sub>к<\/sub><\/td>/);
    assert.doesNotMatch(html, /<img|<p>\s*<\/p>|<!-- guide -->/);
  });

  it('makes the English guide page with English ids, table names and title', () => {
    const html = readFileSync(join(site, guidePage('en')), 'utf8');
    assert.match(html, /<h2 id="the-panels-u">The panel&#39;s <em>U<\/em><\/h2>/);
    assert.match(
      html,
      /<div class="table" role="region" tabindex="0" aria-label="Table: The panel&#39;s U"><table>/,
    );
    assert.match(html, /<td>t<sub>c<\/sub><\/td>/);
    // Nothing Russian is left over from the Russian page: not the title, the bar or a table's name.
    assert.doesNotMatch(html, /\p{Script=Cyrillic}/u);
    assert.doesNotMatch(html, /<img|<p>\s*<\/p>/);
  });

  it('has every file that the pages link to, and the worker caches every file', () => {
    const linked = [list.page, ...list.guides.map((guide) => guide.page)].flatMap((page) =>
      [...readFileSync(join(site, page), 'utf8').matchAll(/\b(?:href|src)="([^"#]+)"/g)]
        .map((m) => m[1])
        .filter((file) => file !== './'),
    );
    const files = filesUnder(site).sort();
    for (const file of linked) assert.ok(files.includes(file), `${file} is linked but missing`);

    const worker = readFileSync(join(site, list.worker), 'utf8');
    const cached = JSON.parse(/const FILES = (\[.*\]);/.exec(worker)[1]);
    assert.deepEqual(cached.sort(), ['./', ...files.filter((file) => file !== list.worker)].sort());
  });
});
