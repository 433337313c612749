// A check box or radio button: a label holding an HTML box and the text, placed where the
// control's own drawing puts them; the program toggles the box when the label is clicked.
import { systemFontPx } from '../page-state.js';
import { applyFont, controlFont, sizeTo, tapsThrough, windowText } from './common.js';

export function render(node, w, client) {
  let label = node.ctl;
  const radio = w.ctl.type === 'radio';
  if (!label || label.tagName !== 'LABEL' || label.dataset.radio !== String(radio)) {
    label = document.createElement('label');
    label.className = 'ctl';
    label.dataset.radio = String(radio);
    const box = document.createElement('input');
    box.type = radio ? 'radio' : 'checkbox';
    box.tabIndex = -1;
    const text = document.createElement('span');
    label.append(box, text);
    // The program toggles the box.
    tapsThrough(node, label);
  }
  sizeTo(label, client);
  applyFont(label, controlFont(w));
  const box = label.firstChild;
  box.checked = w.ctl.check === 1;
  box.indeterminate = w.ctl.check === 2;
  box.disabled = !w.enabled;
  // The box and its text where the check box's own drawing puts them.
  const drawnBox = w.draw.find((c) => c.k === 'rect');
  const drawnText = w.draw.find((c) => c.k === 'text');
  const side = drawnBox ? drawnBox.r[2] - drawnBox.r[0] : Math.round(systemFontPx() * 0.9);
  box.style.width = box.style.height = `${Math.max(10, side)}px`;
  box.style.marginLeft = `${drawnBox ? drawnBox.r[0] : 0}px`;
  label.style.gap = `${drawnText && drawnBox ? Math.max(0, drawnText.x - drawnBox.r[2]) : 3}px`;
  label.lastChild.textContent = windowText(w.text);
}
