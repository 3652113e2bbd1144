// A printout says when it was printed and carries the calculation's link, so that the paper leads
// back to the numbers on it.
const root = document.documentElement;

// Writes the date and the link into the note that only print shows; `fragment` gives the share
// fragment of the calculation shown.
export function wirePrintNote(fragment) {
  const write = () => {
    const now = new Date();
    const date = document.getElementById('PrintDate');
    date.dateTime = now.toISOString();
    date.textContent = now.toLocaleString(root.lang, { dateStyle: 'long', timeStyle: 'short' });
    document.getElementById('PrintLink').textContent =
      `${location.href.split('#')[0]}#${fragment()}`;
  };
  addEventListener('beforeprint', write);
  // Where a browser prints without that event, a change to the print medium comes first.
  matchMedia('print').addEventListener('change', (event) => {
    if (event.matches) write();
  });
}
