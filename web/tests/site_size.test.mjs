// The site's transfer size within its budgets, gzip -9 as bench/web/measure.mjs counts it: the
// whole site with the design panel and the guide at most 200 KB, the guide page at most 40 KB.
import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { it } from 'node:test';
import { gzipSync } from 'node:zlib';
import { siteDir } from './browser.mjs';

const KB = 1024;

it('keeps the site within 200 KB and the guide within 40 KB', () => {
  const gzip = (file) => gzipSync(readFileSync(join(siteDir, file)), { level: 9 }).length;
  const files = readdirSync(siteDir, { recursive: true, withFileTypes: true })
    .filter((entry) => entry.isFile())
    .map((entry) => join(entry.parentPath ?? entry.path, entry.name).slice(siteDir.length + 1));
  const total = files.reduce((sum, file) => sum + gzip(file), 0);
  assert.ok(total <= 200 * KB, `site ${(total / KB).toFixed(1)} KB`);
  assert.ok(gzip('guide.html') <= 40 * KB, `guide ${(gzip('guide.html') / KB).toFixed(1)} KB`);
  assert.ok(files.includes('guide.html') && files.includes('calculator.wasm'), files.join(' '));
});
