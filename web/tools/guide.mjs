// The Russian guide as a page of the site: docs/ru/README.md converted to HTML by marked (pinned in
// web/package-lock.json) and put into the page's template. Its headings get ids to link to; its
// tables can scroll sideways on their own on a narrow screen; its pictures, screenshots of the
// program kept beside the guide in the repository, are left out, since the site has the program.
import { Marked } from 'marked';

// A heading's id: its words in lower case joined by hyphens, «Как вводить числа» →
// «как-вводить-числа».
export function headingId(text) {
  return text
    .toLowerCase()
    .replace(/<[^>]*>/g, '')
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

// The guide's HTML for the template's <!-- guide --> slot. A table is wrapped in a region that
// the keyboard can scroll, named after the section it stands in.
export function guideHtml(markdown) {
  let section = '';
  return marked
    .parse(markdown)
    .replace(/<p>\s*<\/p>\n?/g, '')
    .replace(/<h[1-6] id="[^"]*">(.*?)<\/h[1-6]>|<table>/g, (found, heading) => {
      if (heading !== undefined) {
        section = heading.replace(/<[^>]*>/g, '');
        return found;
      }
      return `<div class="table" role="region" tabindex="0" aria-label="Таблица: ${section}"><table>`;
    })
    .replace(/<\/table>/g, '</table></div>');
}

// The guide page: the template with the guide in its slot.
export function guidePage(template, markdown) {
  const slot = '<!-- guide -->\n';
  if (!template.includes(slot)) throw new Error('the guide template has no <!-- guide --> slot');
  return template.replace(slot, () => guideHtml(markdown));
}
