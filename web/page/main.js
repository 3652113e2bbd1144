// Starts the calculator: waits for the module, runs the load handler, and forwards the page's
// events to the window's handlers. Runs as soon as it and its imports have loaded, possibly before
// the rest of the page has been parsed.
import createCalculator from './calculator.js';
import { forgetChart, readPanel, showDesignPanel } from './design_panel.js';
import { loadTexts, writeTexts } from './page_texts.js';
import { LANGUAGE_KEY, pageWindow, storedItem } from './page_window.js';
import { keepNothing, restoreSettings, wireSettings } from './panel_settings.js';
import { CALCULATION_KEY, GUIDE_OPENED_KEY, keepInSession, sessionItem } from './session.js';
import { followKeyboard, showResults } from './results_strip.js';
import { wirePrintNote } from './print_note.js';

// Compiles the module from the preloaded calculator.wasm while the page finishes loading.
const calculatorLoading = createCalculator();

// The page is written in Russian. Where it was last shown in English, it stays hidden until the
// module has chosen its language and the page's texts are in it, rather than flash Russian; the
// Russian page is shown as it loads.
const SHOWN_KEY = 'dephlegmator.shownLanguage';
const root = document.documentElement;
if (storedItem(SHOWN_KEY) === 'en') root.classList.add('translating');

// Keeps `value` under `key`; null removes it.
function store(key, value) {
  try {
    if (value === null) localStorage.removeItem(key);
    else localStorage.setItem(key, value);
  } catch {
    // A refused storage keeps nothing; the page works on in the language chosen.
  }
}

const dialog = document.getElementById('ErrorDialog');

function closeError() {
  if (dialog.open) dialog.close();
}

const outcome = document.getElementById('Outcome');

// The live region says `sentence` (or has said it), and it is shown until the next
// recalculation: something about a link rather than a result.
function notice(sentence) {
  if (sentence !== undefined) outcome.textContent = sentence;
  outcome.classList.add('notice');
}

// Copies a link to the window's inputs and modes. Where the clipboard is out of reach, the link
// goes into the address bar instead, for the user to copy from there.
async function shareLink(calculator, button) {
  const fragment = calculator.shareFragment();
  const link = `${location.href.split('#')[0]}#${fragment}`;
  try {
    await navigator.clipboard.writeText(link);
    notice(button.dataset.copied);
  } catch {
    history.replaceState(null, '', link);
    notice(button.dataset.inAddress);
  }
}

// The language buttons show which one the page is in.
function markLanguage() {
  for (const button of document.querySelectorAll('[data-language]')) {
    button.setAttribute('aria-pressed', String(button.dataset.language === root.lang));
  }
}

// Turns the page to the language `lang` ('ru' or 'en'): its own texts, and the module's, which
// writes the window's texts again and returns the design panel for the last recalculation's
// inputs. The inputs and results stay as they are.
async function turnTo(calculator, lang) {
  const texts = await loadTexts(lang);
  writeTexts(texts);
  forgetChart();
  const panel = calculator.setLanguage(lang === 'en');
  if (panel) showDesignPanel(panel);
  markLanguage();
  store(SHOWN_KEY, lang === 'en' ? lang : null);
  // A notice about a link was in the other language; an address that opened a calculation now
  // carries it in this one, so that a reload keeps the language chosen.
  if (outcome.classList.contains('notice')) {
    outcome.classList.remove('notice');
    outcome.textContent = '';
  }
  if (location.hash) history.replaceState(null, '', `#${calculator.shareFragment()}`);
}

function wireEvents(calculator, module) {
  const enterInSettings = wireSettings(module);

  // The recalculate command, then the design panel for the inputs it read: the panel changes
  // only here, never while the user types.
  const recalculate = () => {
    outcome.classList.remove('notice');
    showDesignPanel(calculator.command1Click());
  };

  // Enter anywhere runs the recalculate command, as a window's default button does; while the
  // message is shown, Enter closes it instead. In the panel's settings it belongs to them, and a
  // button there is pressed as usual.
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || event.isComposing || event.altKey || event.ctrlKey) return;
    // A language button takes Enter as buttons do.
    if (event.target.matches?.('[data-language]')) return;
    if (dialog.open) {
      event.preventDefault();
      closeError();
    } else if (event.target.closest?.('#AtTheColumn, #YourDephlegmator')) {
      if (enterInSettings(event.target)) event.preventDefault();
    } else {
      event.preventDefault();
      recalculate();
    }
  });
  document.getElementById('Command1').addEventListener('click', recalculate);

  // A change of selection, by mouse, Space or arrow keys, runs the button's handler after the
  // browser has selected it.
  for (const option of document.querySelectorAll('input[type="radio"]')) {
    option.addEventListener('change', () => calculator.optionClick(option.id));
  }

  // Typing or pasting beyond a box's typing limit: the module keeps what fits and marks the box
  // with what was cut, which the browser's own limit would do without a word. Within the limit the
  // edit is the browser's, and the module hears of it: a cut's mark goes, the preset follows Text1.
  for (const input of document.querySelectorAll('input[type="text"][maxlength]')) {
    input.addEventListener('beforeinput', (event) => {
      if (!event.inputType.startsWith('insert') || event.isComposing) return;
      const inserted = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
      const { value, selectionStart, selectionEnd } = input;
      if (
        !inserted ||
        value.length - (selectionEnd - selectionStart) + inserted.length <= input.maxLength
      ) {
        return;
      }
      event.preventDefault();
      const tail = value.slice(selectionEnd);
      calculator.textCut(input.id, [value.slice(0, selectionStart), inserted, tail]);
      const caret = input.value.length - tail.length;
      input.setSelectionRange(caret, caret);
    });
  }
  for (const id of ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6']) {
    const input = document.getElementById(id);
    input.addEventListener('input', () => calculator.textChanged(id));
  }

  // A box that receives the focus, by mouse, touch or Tab, is where the next Enter goes on from.
  document.addEventListener('focusin', (event) => {
    if (event.target.matches('input[type="text"]')) calculator.boxFocused(event.target.id);
  });

  // The way back from a guide: the calculation is kept in this tab's session storage whenever the
  // page is left, and a plain click on «Справка» tells the guide that the calculator is the page
  // before it, so that its link can go back in the history.
  const keepCalculation = () => keepInSession(CALCULATION_KEY, calculator.shareFragment());
  addEventListener('pagehide', keepCalculation);
  const help = document.querySelector('a[data-text="page.help"]');
  help.addEventListener('click', (event) => {
    keepCalculation();
    const plain = event.button === 0 && !(event.ctrlKey || event.metaKey || event.shiftKey);
    keepInSession(GUIDE_OPENED_KEY, plain ? new URL(help.href).pathname : null);
  });

  const share = document.getElementById('ShareLink');
  share.addEventListener('click', () => shareLink(calculator, share));
  // An address with another calculation opens it afresh, as a visit does.
  addEventListener('hashchange', () => location.reload());

  for (const button of document.querySelectorAll('[data-language]')) {
    button.addEventListener('click', () => {
      const lang = button.dataset.language;
      if (lang === root.lang) return;
      store(LANGUAGE_KEY, lang);
      turnTo(calculator, lang).catch(() => {});
    });
  }

  document.getElementById('ErrorOk').addEventListener('click', closeError);
  // A click on the shaded page around the message closes it too.
  dialog.addEventListener('click', (event) => {
    if (event.target === dialog) closeError();
  });
}

// The handlers of the module's window, which acts on the page through Module.page.
function calculatorOf(module) {
  // After every handler, the strip of results shows what the result boxes show. The module keeps
  // the page's one window object, so that what the page sets on it (a cut's insertion) is what
  // the module reads.
  const applyOperations = pageWindow.apply;
  pageWindow.apply = (operations) => {
    applyOperations.call(pageWindow, operations);
    showResults();
  };
  module.page = pageWindow;
  return {
    formLoad: () => module._calculator_form_load(),
    // The design panel (readPanel).
    command1Click: () => readPanel(module, module._calculator_command1_click()),
    // The option buttons are named Option1 to Option8.
    optionClick: (name) =>
      module._calculator_option_click(Number(name.replace(/^Option/, ''))) !== 0,
    // The boxes are named Text1 to Text10, Text71, Text81 and Text91.
    boxFocused: (name) => module._calculator_box_focused(Number(name.replace(/^Text/, ''))),
    textChanged: (name) => module._calculator_text_changed(Number(name.replace(/^Text/, ''))),
    // `insertion`: the text before the selection, the text inserted, the text after it.
    textCut: (name, insertion) => {
      pageWindow.insertion = insertion;
      module._calculator_text_cut(Number(name.replace(/^Text/, '')));
    },
    // The design panel when the address carried a calculation, false when it carried none,
    // null when its fragment is malformed.
    openLink: () => {
      const address = module._calculator_open_link();
      return address === 0 ? null : (readPanel(module, address) ?? false);
    },
    shareFragment: () => module.UTF8ToString(module._calculator_share_fragment()),
    // The page's language as the module chooses it, before the load handler: 'en' or 'ru'.
    chooseLanguage: () => (module._calculator_choose_language() ? 'en' : 'ru'),
    // The module's texts in English (true) or Russian; the design panel, or null before the first
    // recalculation.
    setLanguage: (english) => readPanel(module, module._calculator_set_language(english ? 1 : 0)),
  };
}

function documentParsed() {
  if (document.readyState !== 'loading') return Promise.resolve();
  return new Promise((resolve) => {
    document.addEventListener('DOMContentLoaded', resolve, { once: true });
  });
}

// Back in the history to a calculator the browser did not keep in memory (it loads it afresh):
// the address gets the calculation that the page kept when it was left, which opens as a share
// link does; true when it did.
function restoreOnReturn() {
  const kept = sessionItem(CALCULATION_KEY);
  const [navigation] = performance.getEntriesByType('navigation');
  if (!kept || location.hash || navigation?.type !== 'back_forward') return false;
  history.replaceState(history.state, '', `#${kept}`);
  return true;
}

async function start() {
  const module = await calculatorLoading;
  await documentParsed();
  const restored = restoreOnReturn();
  const calculator = calculatorOf(module);
  // The page's own texts in the language chosen, before the window shows in it; where they
  // cannot be read, the page and the module stay Russian.
  const lang = calculator.chooseLanguage();
  if (lang !== root.lang) {
    try {
      writeTexts(await loadTexts(lang));
    } catch {
      calculator.setLanguage(false);
    }
  }
  markLanguage();
  // Only an English page is remembered, so that a Russian one stores nothing.
  store(SHOWN_KEY, root.lang === 'en' ? 'en' : null);
  restoreSettings();
  calculator.formLoad();
  // The window's controls were written in Russian; the module writes their texts again.
  if (root.lang === 'en') calculator.setLanguage(true);
  wireEvents(calculator, module);
  followKeyboard();
  wirePrintNote(calculator.shareFragment);
  root.classList.remove('translating');
  document.getElementById('Text1').focus();
  // A share link's calculation, recalculated once; the page says so when it cannot read one.
  const linked = calculator.openLink();
  // The address stays as it was before the page was left.
  if (restored) history.replaceState(history.state, '', location.href.split('#')[0]);
  if (linked === null) notice();
  else if (linked) {
    // The calculation kept on the way to a guide is the reader's own, which is kept as before.
    if (!restored) keepNothing();
    showDesignPanel(linked);
  }
  await document.fonts.ready;
  performance.mark('calculator-ready');
  document.documentElement.dataset.ready = 'true';
  // The language's number format takes a while to set up the first time: done once the window
  // is painted and the page is idle, rather than at the first Enter.
  const whenIdle = globalThis.requestIdleCallback ?? ((work) => setTimeout(work, 200));
  whenIdle(() => pageWindow.decimalSeparator());

  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
}

start();
