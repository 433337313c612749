// A drop-down list: an HTML select showing the program's items and choice; a choice goes to the
// program, and the select shows the program's choice until its answer comes.
import { send } from '../input.js';
import { applyFont, controlFont, ownsInput } from './common.js';

// The closed field's height when the program gives no item height.
const DEFAULT_ITEM_HEIGHT = 13;
// The field's height beyond one item: its border and padding.
const FIELD_EXTRA = 6;

function fieldHeight(w) {
  return (w.ctl.itemHeight || DEFAULT_ITEM_HEIGHT) + FIELD_EXTRA;
}

// The face is the closed field, whatever height the window was laid out with (that is the
// dropped list's room).
export function faceHeight(w) {
  return fieldHeight(w);
}

export function render(node, w, client) {
  let select = node.ctl;
  if (!select || select.tagName !== 'SELECT') {
    select = document.createElement('select');
    select.className = 'ctl';
    select.addEventListener('change', () => {
      const index = select.selectedIndex;
      // Back to what the program says until its answer comes.
      select.selectedIndex = node.w.ctl.selected;
      if (index >= 0) send({ kind: 'choose', window: node.w.h, index });
    });
    ownsInput(node, select);
  }
  const items = w.ctl.items;
  const key = JSON.stringify(items);
  if (select.dataset.items !== key) {
    select.dataset.items = key;
    select.replaceChildren(...items.map((text, i) => {
      const option = document.createElement('option');
      option.value = String(i);
      option.textContent = text;
      return option;
    }));
  }
  select.selectedIndex = w.ctl.selected;
  select.disabled = !w.enabled;
  select.style.width = `${client.w}px`;
  select.style.height = `${fieldHeight(w) - 2 * (w.border || 0)}px`;
  applyFont(select, controlFont(w));
}
