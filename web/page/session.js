// What the calculator and its guides keep in this tab's session storage for the way back from a
// guide: the calculation's share fragment, and the path of the guide the calculator opened by a
// plain click (so that the guide knows the calculator is the page before it in this tab).
export const CALCULATION_KEY = 'dephlegmator.calculation';
export const GUIDE_OPENED_KEY = 'dephlegmator.guideOpened';

// The text kept under `key`, or null where there is none or storage is refused.
export function sessionItem(key) {
  try {
    return sessionStorage.getItem(key);
  } catch {
    return null;
  }
}

// Keeps `value` under `key`; null removes it. A refused storage keeps nothing.
export function keepInSession(key, value) {
  try {
    if (value === null) sessionStorage.removeItem(key);
    else sessionStorage.setItem(key, value);
  } catch {
    // The way back then opens the calculator in its start state.
  }
}
