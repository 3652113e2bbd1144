// A guide as a page of the site: docs/ru/README.md or docs/en/README.md converted to HTML by marked
// (pinned in web/package-lock.json) and put into its page's template. Its headings get ids to link
// to; its tables can scroll sideways on their own on a narrow screen, named in the template's
// language; its pictures, screenshots of the program kept beside the guide in the repository, are
// left out, since the site has the program.
import { Marked } from 'marked';

// A heading's id: its words in lower case joined by hyphens, «Как вводить числа» →
// «как-вводить-числа», "The panel's U and c" → "the-panels-u-and-c". The text is marked's HTML, in
// which an apostrophe is &#39;.
export function headingId(text) {
  return text
    .toLowerCase()
    .replace(/<[^>]*>/g, '')
    .replace(/&#39;|['’]/g, '')
    .replace(/&[#\w]+;/g, ' ')
    .replace(/[^\p{L}\p{N}]+/gu, '-')
    .replace(/^-|-$/g, '');
}

const marked = new Marked({
  gfm: true,
  renderer: {
    heading({ tokens, depth }) {
      const text = this.parser.parseInline(tokens);
      return `<h${depth} id="${headingId(text)}">${text}</h${depth}>\n`;
    },
    image() {
      return '';
    },
  },
});

// What a table's region is called, in each language a guide page has.
const TABLE = { ru: 'Таблица', en: 'Table' };

// The guide's HTML for the template's <!-- guide --> slot. A table is wrapped in a region that
// the keyboard can scroll, named in the page's language after the section it stands in.
export function guideHtml(markdown, lang) {
  const table = TABLE[lang];
  if (!table) throw new Error(`no guide page in the language ${lang}`);
  let section = '';
  return marked
    .parse(markdown)
    .replace(/<p>\s*<\/p>\n?/g, '')
    .replace(/<h[1-6] id="[^"]*">(.*?)<\/h[1-6]>|<table>/g, (found, heading) => {
      if (heading !== undefined) {
        section = heading.replace(/<[^>]*>/g, '');
        return found;
      }
      return `<div class="table" role="region" tabindex="0" aria-label="${table}: ${section}"><table>`;
    })
    .replace(/<\/table>/g, '</table></div>');
}

// The guide page: the template with the guide in its slot, in the language of the template's
// <html lang>.
export function guidePage(template, markdown) {
  const slot = '<!-- guide -->\n';
  if (!template.includes(slot)) throw new Error('the guide template has no <!-- guide --> slot');
  const lang = /<html lang="([^"]+)">/.exec(template)?.[1];
  return template.replace(slot, () => guideHtml(markdown, lang));
}
