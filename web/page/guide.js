// The guide's link back to the calculator returns to the calculation as it was: by the browser's
// history where the calculator opened this guide in this tab, and otherwise by the calculation's
// share fragment that the calculator kept in this tab's session storage.
import { CALCULATION_KEY, GUIDE_OPENED_KEY, keepInSession, sessionItem } from './session.js';

// The calculator's mark is moved onto this entry of the history, which keeps it across a reload
// of the guide and a visit to another page and back.
if (sessionItem(GUIDE_OPENED_KEY) === location.pathname && history.length > 1) {
  history.replaceState({ openedFromCalculator: true }, '');
}
keepInSession(GUIDE_OPENED_KEY, null);

const back = document.getElementById('BackToCalculator');
const kept = sessionItem(CALCULATION_KEY);
if (kept) back.href = `./#${kept}`;
back.addEventListener('click', (event) => {
  const plain = event.button === 0 && !(event.ctrlKey || event.metaKey || event.shiftKey);
  if (plain && history.state?.openedFromCalculator) {
    event.preventDefault();
    history.back();
  }
});
