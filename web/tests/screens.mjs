// The screens the page is tried on, and forms to fill in, for the layout, accessibility and
// share-link tests.
import { typeAndEnter } from './browser.mjs';

// A desktop, a phone (a browser launched as one: its CSS pixels at twice the device's, touch) and a
// page at 400 % zoom of a 1280 px screen, which WCAG's reflow criterion takes as its measure.
export const SCREENS = [
  { name: 'desktop 1366', width: 1366, height: 768, phone: false },
  { name: 'phone 360', width: 360, height: 740, phone: true },
  { name: 'zoomed 320', width: 320, height: 640, phone: false },
];

// «СС» 88, inlet 20, height 80, diameter 5 and the heat load `load`, Enter: the design panel
// then shows every row it has.
export async function enterHeaterExample(page, load = '2000') {
  await page.click('label[data-control="Option2"]');
  await page.keyboard.press('Enter');
  await typeAndEnter(page, ['20', '80', '5']);
  await page.click('label[data-control="Option7"]');
  await typeAndEnter(page, [load]);
}
