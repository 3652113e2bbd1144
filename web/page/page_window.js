// The page's side of the window: what the shared behaviour does to a control, done to the element
// that bears the control's name. Every method takes the control name as its first argument.

const element = (name) => document.getElementById(name);
// The element that is shown or hidden: an option button's label, else the control itself.
const shownPart = (name) => document.querySelector(`[data-control="${name}"]`);

export const pageWindow = {
  text: (box) => element(box).value,

  // A box that is not being edited shows the beginning of a long text, not its end.
  setText(box, text) {
    const input = element(box);
    input.value = text;
    if (document.activeElement !== input) {
      input.setSelectionRange(0, 0);
      input.scrollLeft = 0;
    }
  },

  isChecked: (option) => element(option).checked,

  focus: (control) => element(control).focus(),

  selectAll: (box) => element(box).select(),

  setVisible(control, visible) {
    shownPart(control).hidden = !visible;
  },

  setAccessibleName(control, name) {
    element(control).setAttribute('aria-label', name);
  },

  showError(title, message) {
    element('ErrorTitle').textContent = title;
    element('ErrorMessage').textContent = message;
    const dialog = element('ErrorDialog');
    if (!dialog.open) dialog.showModal();
  },

  // The user's language decides it; worked out on first use, since that is slow.
  decimalSeparator() {
    separator ??= languageDecimalSeparator();
    return separator;
  },
};

let separator;

// The decimal separator of the user's language, as their regional settings would give it.
function languageDecimalSeparator(languages = navigator.languages) {
  try {
    const parts = new Intl.NumberFormat(languages).formatToParts(1.5);
    return parts.find((part) => part.type === 'decimal')?.value ?? '.';
  } catch {
    return '.';
  }
}
