// The site's transfer size within its budgets, gzip -9 as bench/web/measure.mjs counts it: the
// whole site with the design panel and the guides at most 200 KB, each guide page, Russian and
// English, at most 40 KB and in its language.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { it } from 'node:test';
import { gzipSync } from 'node:zlib';
import { siteDir } from './browser.mjs';

const KB = 1024;
const here = dirname(fileURLToPath(import.meta.url));
const { guides } = JSON.parse(readFileSync(resolve(here, '../page/files.json'), 'utf8'));
const gzip = (file) => gzipSync(readFileSync(join(siteDir, file)), { level: 9 }).length;

it('keeps the site within 200 KB', () => {
  const files = readdirSync(siteDir, { recursive: true, withFileTypes: true })
    .filter((entry) => entry.isFile())
    .map((entry) => join(entry.parentPath ?? entry.path, entry.name).slice(siteDir.length + 1));
  const total = files.reduce((sum, file) => sum + gzip(file), 0);
  assert.ok(total <= 200 * KB, `site ${(total / KB).toFixed(1)} KB`);
  for (const file of ['calculator.wasm', ...guides.map((guide) => guide.page)]) {
    assert.ok(files.includes(file), `${file} is not in ${files.join(' ')}`);
  }
});

it('keeps each guide within 40 KB, in the language of its folder', () => {
  assert.deepEqual(guides.map((guide) => guide.markdown.split('/')[0]).sort(), ['en', 'ru']);
  for (const { page, markdown } of guides) {
    const html = readFileSync(join(siteDir, page), 'utf8');
    assert.match(html, new RegExp(`<html lang="${markdown.split('/')[0]}">`), page);
    assert.ok(gzip(page) <= 40 * KB, `${page} ${(gzip(page) / KB).toFixed(1)} KB`);
  }
});
