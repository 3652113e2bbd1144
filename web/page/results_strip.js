// On a narrow screen a strip at the bottom of the viewport shows the results for external cooling
// and the area, so that they stay in sight when a recalculation takes the focus and the view back
// to Text1, and while the on-screen keyboard is up. It copies what the result boxes show; the live
// region says the outcome, so the strip is hidden from screen readers.
const BOXES = ['Text7', 'Text8', 'Text9', 'Text10'];
const root = document.documentElement;

// What a result box shows where it has no result.
const NO_RESULT = '___';

// Writes the result boxes' texts into the strip, which is shown from the first result on (and
// then shows «___» too, where a later calculation has none).
export function showResults() {
  const strip = document.getElementById('ResultStrip');
  let any = !strip.hidden;
  for (const box of BOXES) {
    const value = document.getElementById(box).value;
    if (value !== '' && value !== NO_RESULT) any = true;
    const cell = document.getElementById(`Strip${box}`);
    if (cell.textContent !== value) cell.textContent = value;
  }
  if (strip.hidden === any) strip.hidden = !any;
  if (root.classList.contains('with-results') !== any) root.classList.toggle('with-results', any);
}

// Keeps the strip above the on-screen keyboard: the part of the layout viewport that the visual
// viewport leaves uncovered at the bottom is the custom property --keyboard (set through the
// CSSOM, which the page's policy allows).
export function followKeyboard() {
  const viewport = globalThis.visualViewport;
  if (!viewport) return;
  let shown = '0px';
  const place = () => {
    const covered = Math.max(0, Math.round(innerHeight - viewport.height - viewport.offsetTop));
    if (`${covered}px` === shown) return;
    shown = `${covered}px`;
    root.style.setProperty('--keyboard', shown);
  };
  viewport.addEventListener('resize', place);
  viewport.addEventListener('scroll', place);
  place();
}
