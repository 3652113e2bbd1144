// The page's side of the window: what the shared behaviour does to a control, done to the element
// that bears the control's name. Every method takes the control name as its first argument.

// The page's elements stay for its lifetime, so each is looked up once.
const elements = new Map();
const shownParts = new Map();
const element = (name) => {
  let found = elements.get(name);
  if (!found) elements.set(name, (found = document.getElementById(name)));
  return found;
};
// The element that is shown or hidden: an option button's label, else the control itself, or
// for an element of the design panel the element of that id.
const shownPart = (name) => {
  let found = shownParts.get(name);
  if (!found) {
    found = document.querySelector(`[data-control="${name}"]`) ?? element(name);
    shownParts.set(name, found);
  }
  return found;
};

// What each control was last marked with, so that writing the same again costs nothing.
const marks = new Map();

// The element that holds what is wrong with a box, made on the box's first mark: for a box of the
// window, a line in its block's reasons, which a narrow screen shows under the block's boxes and a
// wide one keeps for a screen reader; for any other box, a hidden element.
function problemOf(input) {
  const id = `${input.id}Problem`;
  let description = element(id);
  if (!description) {
    description = document.createElement('span');
    description.id = id;
    const reasons = document.querySelector(`[data-reasons][data-for~="${input.id}"]`);
    if (reasons) {
      description.className = 'reason';
      reasons.append(description);
    } else {
      description.className = 'visually-hidden';
      element('FormMorvani').append(description);
    }
    elements.set(id, description);
  }
  return description;
}

// A block's reasons take room only while one of them says something.
function showReasons(description) {
  const reasons = description.parentElement;
  if (!reasons.matches('[data-reasons]')) return;
  const empty = [...reasons.children].every((line) => line.textContent === '');
  if (reasons.hidden !== empty) reasons.hidden = empty;
}

// Shows or hides a control. Setting `hidden` to what it already is would still make the browser
// recalculate the page's style before the next focus.
function setShown(control, shown) {
  const part = shownPart(control);
  if (part.hidden === shown) part.hidden = !shown;
}

// Boxes written while not being edited, whose view goes back to the start of their text once the
// page has been laid out for the next frame.
const toScrollBack = new Set();

function scrollBack() {
  for (const input of toScrollBack) {
    if (document.activeElement !== input) input.scrollLeft = 0;
  }
  toScrollBack.clear();
}

export const pageWindow = {
  // A checkbox reads as "1" when checked and "" when not, and is written so.
  text(box) {
    const input = element(box);
    if (input.type === 'checkbox') return input.checked ? '1' : '';
    return input.value;
  },

  // A box that is not being edited shows the beginning of a long text, not its end. Its scroll
  // position is set in the next animation frame, where the page is laid out anyway: set here, it
  // would lay the page out again after every write.
  setText(box, text) {
    const input = element(box);
    if (input.type === 'checkbox') {
      input.checked = text === '1';
      return;
    }
    input.value = text;
    if (document.activeElement !== input && input.type === 'text') {
      input.setSelectionRange(0, 0);
      if (toScrollBack.size === 0) requestAnimationFrame(scrollBack);
      toScrollBack.add(input);
    }
  },

  isChecked: (option) => element(option).checked,

  // The edit the module is asked about beyond a box's typing limit: the text before the
  // selection, the text inserted and the text after the selection.
  insertion: ['', '', ''],

  // Selects an option button as a click does, without the change event that runs its handler.
  check(option) {
    element(option).checked = true;
  },

  // The fragment of the page's address, where a share link carries a calculation.
  linkFragment: () => location.hash,

  // The reader's preferred languages, comma-separated, and the language they chose on the page
  // before, "" for none: what the module chooses the page's language by.
  preferredLanguages: () => navigator.languages.join(','),
  storedLanguage: () => storedItem(LANGUAGE_KEY) ?? '',

  focus: (control) => element(control).focus(),

  selectAll: (box) => element(box).select(),

  show: (control) => setShown(control, true),

  hide: (control) => setShown(control, false),

  // An input box the calculation cannot take: marked invalid, with the problem in its tooltip and
  // in the element that describes it to a screen reader; "" removes the mark.
  setMark(box, problem) {
    // The panel's sections set every box's mark on each event; most stay as they are.
    if ((marks.get(box) ?? '') === problem) return;
    marks.set(box, problem);
    const input = element(box);
    const description = problemOf(input);
    description.textContent = problem;
    showReasons(description);
    if (problem) {
      input.setAttribute('aria-invalid', 'true');
      input.setAttribute('aria-describedby', description.id);
      input.title = problem;
    } else {
      input.removeAttribute('aria-invalid');
      input.removeAttribute('aria-describedby');
      input.removeAttribute('title');
    }
  },

  // The text an output element shows.
  setContent(control, text) {
    const output = element(control);
    if (output.textContent !== text) output.textContent = text;
  },

  // What a recalculation came to, for the live region.
  announce(_, sentence) {
    element('Outcome').textContent = sentence;
  },

  // A frame's, label's, option button's or the push button's caption, after a change of language.
  setCaption(control, caption) {
    const part = shownPart(control);
    const captioned = element(`${control}Caption`) ?? part.querySelector('span') ?? part;
    if (captioned.textContent !== caption) captioned.textContent = caption;
  },

  // What the pointer finds over a caption beyond what it says; "" for nothing.
  setToolTip(control, tip) {
    const titled = element(`${control}Caption`) ?? shownPart(control);
    if (tip) {
      titled.title = tip;
    } else {
      titled.removeAttribute('title');
    }
  },

  setAccessibleName(control, name) {
    const named = element(control);
    if (named.getAttribute('aria-label') !== name) named.setAttribute('aria-label', name);
  },

  // The box focused before the message, which the module chose, has the focus again once it
  // closes, its whole text selected: the browser gives the focus back, but a click on «OK» may
  // leave the text unselected, and the next keys would then add to it.
  showError(title, message) {
    element('ErrorTitle').textContent = title;
    element('ErrorMessage').textContent = message;
    const dialog = element('ErrorDialog');
    if (dialog.open) return;
    const box = document.activeElement;
    errorBox = box instanceof HTMLInputElement && box.type === 'text' ? box : null;
    // One listener for every message: a close event still on its way when the next message opens
    // finds the box of the message that is open.
    if (!errorListened) {
      dialog.addEventListener('close', () => {
        if (dialog.open || !errorBox) return;
        errorBox.focus();
        errorBox.select();
      });
      errorListened = true;
    }
    dialog.showModal();
  },

  // A handler's operations, [method, control, text] each, in the order it did them.
  apply(operations) {
    for (const [method, control, text] of operations) this[method](control, text);
  },

  // The user's regional settings decide it; worked out on first use, since that is slow.
  decimalSeparator() {
    separator ??= languageDecimalSeparator();
    return separator;
  },
};

let separator;
// The box the open message is about, and whether the message's close is listened to.
let errorBox = null;
let errorListened = false;

// Where the page keeps the language the reader chose with the switch.
export const LANGUAGE_KEY = 'dephlegmator.language';

// An item of localStorage, or null where the browser keeps none or refuses it.
export function storedItem(key) {
  try {
    return globalThis.localStorage?.getItem(key) ?? null;
  } catch {
    return null;
  }
}

// The decimal separator of the user's regional settings (the browser's own locale), whatever
// language the page is in.
function languageDecimalSeparator() {
  try {
    const parts = new Intl.NumberFormat().formatToParts(1.5);
    return parts.find((part) => part.type === 'decimal')?.value ?? '.';
  } catch {
    return '.';
  }
}
