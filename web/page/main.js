// Starts the calculator: waits for the module, runs the load handler, and forwards the page's
// events to the window's handlers. Runs as soon as it and its imports have loaded, possibly before
// the rest of the page has been parsed.
import createCalculator from './calculator.js';
import { showDesignPanel } from './design_panel.js';
import { pageWindow } from './page_window.js';
import { restoreSettings, wireSettings } from './panel_settings.js';

// Compiles the module from the preloaded calculator.wasm while the page finishes loading.
const calculatorLoading = createCalculator();

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

  // A box that receives the focus, by mouse, touch or Tab, is where the next Enter goes on from.
  document.addEventListener('focusin', (event) => {
    if (event.target.matches('input[type="text"]')) calculator.boxFocused(event.target.id);
  });

  const share = document.getElementById('ShareLink');
  share.addEventListener('click', () => shareLink(calculator, share));
  // An address with another calculation opens it afresh, as a visit does.
  addEventListener('hashchange', () => location.reload());

  document.getElementById('ErrorOk').addEventListener('click', closeError);
  // A click on the shaded page around the message closes it too.
  dialog.addEventListener('click', (event) => {
    if (event.target === dialog) closeError();
  });
}

// The handlers of the module's window, which acts on the page through Module.page.
function calculatorOf(module) {
  module.page = pageWindow;
  return {
    formLoad: () => module._calculator_form_load(),
    // The design panel's JSON.
    command1Click: () => module.UTF8ToString(module._calculator_command1_click()),
    // The option buttons are named Option1 to Option8.
    optionClick: (name) =>
      module._calculator_option_click(Number(name.replace(/^Option/, ''))) !== 0,
    // The boxes are named Text1 to Text10, Text71, Text81 and Text91.
    boxFocused: (name) => module._calculator_box_focused(Number(name.replace(/^Text/, ''))),
    // The design panel's JSON when the address carried a calculation, "" when it carried none,
    // null when its fragment is malformed.
    openLink: () => {
      const json = module._calculator_open_link();
      return json === 0 ? null : module.UTF8ToString(json);
    },
    shareFragment: () => module.UTF8ToString(module._calculator_share_fragment()),
  };
}

function documentParsed() {
  if (document.readyState !== 'loading') return Promise.resolve();
  return new Promise((resolve) => {
    document.addEventListener('DOMContentLoaded', resolve, { once: true });
  });
}

async function start() {
  const module = await calculatorLoading;
  await documentParsed();
  const calculator = calculatorOf(module);
  restoreSettings();
  calculator.formLoad();
  wireEvents(calculator, module);
  document.getElementById('Text1').focus();
  // A share link's calculation, recalculated once; the page says so when it cannot read one.
  const linked = calculator.openLink();
  if (linked === null) notice();
  else if (linked) showDesignPanel(linked);
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
