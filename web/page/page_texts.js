// The page's own texts in either language: the site has each language's texts, by key, in a file
// of its own, which the page reads when it turns to that language. An element names its text with
// data-text="key" and its attributes with data-text-attrs="name=key ...".

const loading = new Map();

// The texts of the language `lang` ('ru', 'en'), read once.
export function loadTexts(lang) {
  if (!loading.has(lang)) {
    const texts = fetch(`texts-${lang}.json`).then((response) => {
      if (!response.ok) throw new Error(`texts-${lang}.json: ${response.status}`);
      return response.json();
    });
    // A failed reading may be tried again.
    texts.catch(() => loading.delete(lang));
    loading.set(lang, texts);
  }
  return loading.get(lang);
}

// Writes the texts into the elements and attributes that name them; the title, the page's
// language, its guide and its manifest among them.
export function writeTexts(texts) {
  for (const node of document.querySelectorAll('[data-text]')) {
    const text = texts[node.dataset.text];
    if (node.textContent !== text) node.textContent = text;
  }
  for (const node of document.querySelectorAll('[data-text-attrs]')) {
    for (const pair of node.dataset.textAttrs.split(' ')) {
      const [name, key] = pair.split('=');
      if (node.getAttribute(name) !== texts[key]) node.setAttribute(name, texts[key]);
    }
  }
}
