// The design panel's sections «У колонны» and «Ваш дефлегматор»: forwards their events to the
// module, which reads, checks and writes every value, and keeps on this device, in localStorage
// and nowhere else, the texts the module says to keep, to put them back at the next visit for
// the module to check again.
import { readPanel, showDesignPanel } from './design_panel.js';
import { handOver } from './hand_over.js';
import { pageWindow } from './page_window.js';

const PREFIX = 'dephlegmator.';
const SECTIONS = '#AtTheColumn, #YourDephlegmator';
const element = (id) => document.getElementById(id);
const storedInputs = () => document.querySelectorAll('.panel [data-stored]');

// A page opened from a share link shows the link's panel: it keeps nothing, so that what this
// device had kept stays as it was.
let keeping = true;
export function keepNothing() {
  keeping = false;
}

// localStorage, or nothing where the browser keeps none (a private window may refuse it).
function store() {
  if (!keeping) return null;
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
      // A full or refused storage keeps nothing, and the sections work on regardless.
    }
  }
}

// Puts the stored texts into the sections' inputs; the module's load handler then keeps those
// that read as numbers in range and puts defaults in place of the rest.
export function restoreSettings() {
  each((storage, input) => {
    const text = storage.getItem(PREFIX + input.id);
    if (text !== null) pageWindow.setText(input.id, text);
  });
}

// The texts the module says to keep, by element id.
function keptTexts(module) {
  const r = handOver(module, module._calculator_stored_settings());
  return new Map(r === null ? [] : r.list(() => [r.text(), r.text()]));
}

// Wires the sections to the module's handlers. Each returns the panel built again, or nothing to
// show before the first recalculation.
export function wireSettings(module) {
  // Each section's controls share a form only so that a focus move in the window leaves them out
  // of the browser's work; a form never submits, whatever Enter does in it.
  for (const form of document.querySelectorAll('.section-form')) {
    form.addEventListener('submit', (event) => event.preventDefault());
  }
  const save = () => {
    const kept = keptTexts(module);
    each((storage, input) => {
      if (kept.has(input.id)) storage.setItem(PREFIX + input.id, kept.get(input.id));
      else storage.removeItem(PREFIX + input.id);
    });
  };
  const run = (handler) => {
    const panel = readPanel(module, handler());
    if (panel) showDesignPanel(panel);
    save();
  };
  const column = () => run(module._calculator_column_changed);
  const calibrate = () => run(module._calculator_calibrate);
  const calibrationEdited = () => run(module._calculator_calibration_edited);
  const changed = {
    DeviceType: () => run(module._calculator_device_type_changed),
    PanelU: () => run(module._calculator_heat_transfer_typed),
    PanelC: () => run(module._calculator_specific_heat_typed),
    CalibFlow: calibrationEdited,
    CalibTin: calibrationEdited,
    CalibTout: calibrationEdited,
    PanelPower: () => run(module._calculator_panel_power_typed),
    TankStart: () => run(module._calculator_tank_start_typed),
  };
  for (const input of storedInputs()) {
    input.addEventListener('change', changed[input.id] ?? column);
  }
  element('CalibApply').addEventListener('click', calibrate);
  element('CalibAccept').addEventListener('click', () =>
    run(module._calculator_accept_calibration),
  );
  element('CalibUndo').addEventListener('click', () => run(module._calculator_undo_calibration));
  element('PanelReset').addEventListener('click', () => run(module._calculator_panel_reset));
  element('CalibTakeLosses').addEventListener('click', () => run(module._calculator_take_losses));

  // Enter in a box of a section takes what it holds, as leaving the box does, or calibrates
  // from a calibration box; it does not recalculate the window. True when it was such a box.
  return function enterInSettings(target) {
    if (!(target instanceof HTMLInputElement) || !target.closest(SECTIONS)) return false;
    if (target.type === 'checkbox') return false;
    if (target.id.startsWith('Calib')) calibrate();
    else (changed[target.id] ?? column)();
    return true;
  };
}
