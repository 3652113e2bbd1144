// Puts the site together in one folder: the page with its generated controls and module preloads,
// a page for each guide, Russian and English, the page's files that web/page/files.json lists, the
// module, the fonts, the icons, and a service worker that knows every file and a version drawn from
// their contents, so that any change replaces its cache. The page's texts come from the
// catalogue's texts of each language, which the page generator writes among the parts: the page
// is written in Russian, each language's texts of the page go into a file of their own for the
// page to switch to, and the manifest is written in each language. The window's layout table
// from the parts, layout.json, stands beside the page for its tests.
//
// node assemble_site.mjs --page DIR --parts DIR --module calculator.js --icon icon.svg
//                        --docs DIR --out DIR
// where the guides' Markdown, as files.json names it, lies under --docs.
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { basename, dirname, join } from 'node:path';
import { parseArgs } from 'node:util';
import { guidePage } from './guide.mjs';

const { values: args } = parseArgs({
  options: {
    page: { type: 'string' },
    parts: { type: 'string' },
    module: { type: 'string' },
    icon: { type: 'string' },
    docs: { type: 'string' },
    out: { type: 'string' },
  },
});

const out = args.out;
rmSync(out, { recursive: true, force: true });
mkdirSync(join(out, 'fonts'), { recursive: true });

const copy = (from, to) => copyFileSync(from, join(out, to));

// The page's own files, as web/page/files.json lists them.
const page = JSON.parse(readFileSync(join(args.page, 'files.json'), 'utf8'));

// The entry script's imports, the engine's loader first, are fetched while the page loads.
const preloads = ['calculator.js', ...page.modules]
  .map((file) => `<link rel="modulepreload" href="${file}">\n`)
  .join('');
// The generated parts: the window's controls, the design panel's charts, reflux rows and
// choices. Each NAME.html fills the page's slot <!-- NAME -->, and every slot must be filled.
const part = (name) => readFileSync(join(args.parts, name), 'utf8');
const slots = [['<!-- modulepreload -->\n', preloads]];
for (const name of readdirSync(args.parts).filter((f) => f.endsWith('.html'))) {
  slots.push([`<!-- ${basename(name, '.html')} -->\n`, part(name)]);
}
let html = readFileSync(join(args.page, page.page), 'utf8');
for (const [slot, text] of slots) {
  if (!html.includes(slot)) throw new Error(`${page.page} has no ${slot.trim()} slot`);
  html = html.replace(slot, text);
}
const unfilled = html.match(/<!-- [a-z-]+ -->/);
if (unfilled) throw new Error(`${page.page}: no part fills ${unfilled[0]}`);

// Each language's texts by key, and those the page names: data-text="key" gives an element's
// text, data-text-attrs="name=key ..." attributes; the manifest's "@key@" its values.
const catalogues = Object.fromEntries(
  ['ru', 'en'].map((lang) => [lang, JSON.parse(part(`texts-${lang}.json`))]),
);
const manifest = readFileSync(join(args.page, page.manifest), 'utf8');
const used = new Set([
  ...[...html.matchAll(/\sdata-text="([^"]+)"/g)].map((m) => m[1]),
  ...[...html.matchAll(/\sdata-text-attrs="([^"]+)"/g)].flatMap((m) =>
    m[1].split(' ').map((pair) => pair.split('=')[1]),
  ),
]);
for (const key of used) {
  if (!(key in catalogues.ru)) throw new Error(`${page.page}: no text has the key ${key}`);
}
const escape = (text) =>
  text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
// The page with the texts of `texts` in its marked elements and attributes.
function withTexts(source, texts) {
  return source
    .replace(
      /(<([a-z][a-z0-9]*)\b[^>]*\sdata-text="([^"]+)"[^>]*>)[^<]*(<\/\2>)/g,
      (_, open, tag, key, close) => `${open}${escape(texts[key])}${close}`,
    )
    .replace(/<[a-z][a-z0-9]*\b[^>]*\sdata-text-attrs="([^"]+)"[^>]*>/g, (tag, pairs) => {
      for (const [name, key] of pairs.split(' ').map((pair) => pair.split('='))) {
        tag = tag.replace(new RegExp(`\\s${name}="[^"]*"`), '');
        tag = tag.replace(/(\s*\/?>)$/, ` ${name}="${escape(texts[key])}"$1`);
      }
      return tag;
    });
}
writeFileSync(join(out, page.page), withTexts(html, catalogues.ru));
const written = [];
for (const [lang, texts] of Object.entries(catalogues)) {
  const own = Object.fromEntries([...used].sort().map((key) => [key, texts[key]]));
  written.push(`texts-${lang}.json`, texts['page.manifest']);
  writeFileSync(join(out, `texts-${lang}.json`), JSON.stringify(own));
  writeFileSync(
    join(out, texts['page.manifest']),
    manifest.replace(/"@([a-zA-Z.]+)@"/g, (_, key) => {
      if (!(key in texts)) throw new Error(`${page.manifest}: no text has the key ${key}`);
      return JSON.stringify(texts[key]);
    }),
  );
}
// The window's layout table, beside the site for the page's tests.
copy(join(args.parts, 'layout.json'), 'layout.json');
written.push('layout.json');
if (written.sort().join() !== [...page.generated].sort().join()) {
  throw new Error(
    `files.json lists ${page.generated} as generated, the assembler writes ${written}`,
  );
}
// Each guide in its own page, from the page's template and the guide's Markdown.
for (const guide of page.guides) {
  const template = readFileSync(join(args.page, guide.page), 'utf8');
  const markdown = readFileSync(join(args.docs, guide.markdown), 'utf8');
  writeFileSync(join(out, guide.page), guidePage(template, markdown));
}

for (const file of [page.entry, ...page.modules, ...page.styles, ...page.other]) {
  copy(join(args.page, file), file);
}
copy(join(args.parts, 'layout.css'), 'layout.css');
copy(args.module, 'calculator.js');
copy(join(dirname(args.module), basename(args.module, '.js') + '.wasm'), 'calculator.wasm');
for (const file of readdirSync(args.parts).filter((f) => f.endsWith('.woff2'))) {
  copy(join(args.parts, file), join('fonts', file));
}
for (const size of [192, 512]) copy(join(args.parts, `icon-${size}.png`), `icon-${size}.png`);
copy(args.icon, 'icon.svg');

// Every file but the worker itself, in a fixed order; the version hashes names and contents.
const files = [];
const walk = (dir) => {
  for (const entry of readdirSync(join(out, dir), { withFileTypes: true })) {
    const path = dir ? `${dir}/${entry.name}` : entry.name;
    if (entry.isDirectory()) walk(path);
    else files.push(path);
  }
};
walk('');
files.sort();
const hash = createHash('sha256');
for (const file of files)
  hash
    .update(file)
    .update('\0')
    .update(readFileSync(join(out, file)));
const version = hash.digest('hex').slice(0, 16);

const worker = readFileSync(join(args.page, page.worker), 'utf8');
if (!worker.includes("'@VERSION@'") || !worker.includes('[/* @FILES@ */]')) {
  throw new Error('sw.js has no version or file list slot');
}
writeFileSync(
  join(out, page.worker),
  worker
    .replace("'@VERSION@'", JSON.stringify(version))
    .replace('[/* @FILES@ */]', JSON.stringify(['./', ...files])),
);
console.log(`site ${version}: ${files.length + 1} files in ${out}`);
