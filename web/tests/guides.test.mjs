// The English guide follows the Russian one section by section: the same headings at the same
// depths, the same pictures, and in each section the same numbers (a decimal comma read as a
// point), so that a translated figure or worked example cannot drift. The English guide ends with
// a glossary of its own, which holds each Russian term beside its English one.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { describe, it } from 'node:test';

const docs = resolve(dirname(fileURLToPath(import.meta.url)), '../../docs');
const read = (lang) => readFileSync(resolve(docs, lang, 'README.md'), 'utf8');

// The guide cut at its headings: each section's depth, title and text.
function sections(markdown) {
  const parts = markdown.split(/^(#{1,6}) (.*)$/m);
  const found = [];
  for (let i = 1; i < parts.length; i += 3) {
    found.push({ depth: parts[i].length, title: parts[i + 1], text: parts[i + 2] });
  }
  return found;
}

// A section's numbers, in order of size and text: «3,37» and “3.37” alike.
const numbers = (text) =>
  [...text.matchAll(/\d+(?:[.,]\d+)*/g)].map((m) => m[0].replaceAll(',', '.')).sort();
const pictures = (markdown) => [...markdown.matchAll(/!\[[^\]]*\]\(([^)]+)\)/g)].map((m) => m[1]);

describe('the English guide', () => {
  const ru = sections(read('ru'));
  const en = sections(read('en'));
  const glossary = en.at(-1);
  const translated = en.slice(0, -1);

  it('has the Russian sections at the same depths, and a glossary after them', () => {
    assert.deepEqual(
      translated.map((section) => section.depth),
      ru.map((section) => section.depth),
    );
    assert.deepEqual([glossary.depth, glossary.title], [2, 'Glossary']);
  });

  it('shows the same pictures in the same sections', () => {
    assert.deepEqual(
      translated.map((section) => pictures(section.text)),
      ru.map((section) => pictures(section.text)),
    );
  });

  it('gives the same numbers in each section', () => {
    ru.forEach((section, i) => {
      assert.deepEqual(
        numbers(translated[i].text),
        numbers(section.text),
        `${translated[i].title} (${section.title})`,
      );
    });
  });

  it('pairs a Russian term with an English one in each row of the glossary', () => {
    const rows = glossary.text
      .split('\n')
      .filter((line) => line.startsWith('|'))
      .slice(2)
      .map((line) => line.split('|').slice(1, -1));
    assert.ok(rows.length >= 20, `${rows.length} terms`);
    for (const [russian, english, meaning] of rows) {
      assert.match(russian, /\p{Script=Cyrillic}/u, english);
      assert.doesNotMatch(`${english}${meaning}`, /\p{Script=Cyrillic}/u, russian);
    }
  });
});

// Each guide names the program as the calculator's page in its language does: the guide page's
// title, the guide's heading and the page's title.
describe('the guides and the page', () => {
  const site = resolve(process.env.SITE_DIR ?? resolve(docs, '../build-web/site'));
  const pages = resolve(docs, '../web/page');
  for (const [lang, guide] of [
    ['ru', 'guide.html'],
    ['en', 'guide-en.html'],
  ]) {
    it(`name the program alike in ${lang}`, () => {
      const title = JSON.parse(readFileSync(resolve(site, `texts-${lang}.json`), 'utf8'))[
        'page.title'
      ];
      const pageTitle = readFileSync(resolve(pages, guide), 'utf8').match(/<title>(.*)<\/title>/);
      assert.equal(pageTitle[1].split(' — ')[1], title);
      const heading = read(lang).match(/^# (.*?):/m)[1];
      assert.equal(heading, title);
    });
  }
});
