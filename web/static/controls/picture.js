// A picture button (a button showing a program bitmap): an HTML button holding the bitmap; a
// click is a tap at its centre.
import { bitmapUrl } from '../drawing.js';
import { makeButton, sizeTo, tapsThrough, windowText } from './common.js';

export function render(node, w, client) {
  let button = node.ctl;
  if (!button || !button.classList.contains('picture')) {
    button = makeButton('ctl picture');
    const img = document.createElement('img');
    // A picture the program does not have leaves an empty button face, not a broken icon.
    img.addEventListener('error', () => img.classList.add('missing'));
    img.addEventListener('load', () => img.classList.remove('missing'));
    button.appendChild(img);
    tapsThrough(node, button);
  }
  sizeTo(button, client);
  const img = button.firstChild;
  const src = bitmapUrl(w.ctl.bitmap);
  if (img.getAttribute('src') !== src) img.setAttribute('src', src);
  img.alt = windowText(w.text);
  button.setAttribute('aria-label', windowText(w.text) || `picture ${w.ctl.bitmap}`);
  button.disabled = !w.enabled;
}
