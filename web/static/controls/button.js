// A push button: an HTML button with the window's text in the control's font; a click is a tap
// at its centre.
import { applyFont, controlFont, makeButton, sizeTo, tapsThrough, windowText } from './common.js';

export function render(node, w, client) {
  let button = node.ctl;
  if (!button || button.tagName !== 'BUTTON' || button.classList.contains('picture')) {
    button = makeButton('ctl');
    tapsThrough(node, button);
  }
  sizeTo(button, client);
  applyFont(button, controlFont(w));
  button.textContent = windowText(w.text);
  button.disabled = !w.enabled;
  button.classList.toggle('pushed', !!w.ctl.pushed);
}
