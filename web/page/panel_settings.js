// The design panel's section «Ваш дефлегматор»: forwards its events to the module, which reads,
// checks and writes every value, and keeps the texts the section shows on this device, in
// localStorage and nowhere else, to put them back at the next visit for the module to check.
import { showDesignPanel } from './design_panel.js';

const PREFIX = 'dephlegmator.';
const element = (id) => document.getElementById(id);
const storedInputs = () => document.querySelectorAll('#YourDephlegmator [data-stored]');

// localStorage, or nothing where the browser keeps none (a private window may refuse it).
function store() {
  try {
    return globalThis.localStorage ?? null;
  } catch {
    return null;
  }
}

function each(work) {
  const storage = store();
  if (!storage) return;
  for (const input of storedInputs()) {
    try {
      work(storage, input);
    } catch {
      // A full or refused storage keeps nothing, and the section works on regardless.
    }
  }
}

// Puts the stored texts into the section's inputs; the module's load handler then keeps those
// that read as numbers in range and puts defaults in place of the rest.
export function restoreSettings() {
  each((storage, input) => {
    const text = storage.getItem(PREFIX + input.id);
    if (text !== null) input.value = text;
  });
}

const save = () => each((storage, input) => storage.setItem(PREFIX + input.id, input.value));
const forget = () => each((storage, input) => storage.removeItem(PREFIX + input.id));

// Wires the section to the module's handlers. Each returns the panel built again with the
// coefficients it leaves, or "" before the first recalculation.
export function wireSettings(module) {
  const run = (handler) => {
    const json = module.UTF8ToString(handler());
    if (json) showDesignPanel(json);
  };
  const typed = {
    DeviceType: () => run(module._calculator_device_type_changed),
    PanelU: () => run(module._calculator_heat_transfer_typed),
    PanelC: () => run(module._calculator_specific_heat_typed),
  };
  const calibrate = () => run(module._calculator_calibrate);
  for (const [id, handler] of Object.entries(typed)) {
    element(id).addEventListener('change', () => {
      handler();
      save();
    });
  }
  for (const id of ['CalibFlow', 'CalibTin', 'CalibTout']) {
    element(id).addEventListener('change', save);
  }
  element('CalibApply').addEventListener('click', () => {
    calibrate();
    save();
  });
  element('PanelReset').addEventListener('click', () => {
    run(module._calculator_panel_reset);
    forget();
  });

  // Enter in a box of the section takes what it holds, as leaving the box does, or calibrates
  // from a calibration box; it does not recalculate the window. True when it was such a box.
  return function enterInSettings(target) {
    if (!(target instanceof HTMLInputElement) || !target.closest('#YourDephlegmator')) {
      return false;
    }
    if (typed[target.id]) typed[target.id]();
    else calibrate();
    save();
    return true;
  };
}
