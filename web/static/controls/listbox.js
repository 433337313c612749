// A list box: rows of the program's items from its top item, the chosen one marked; a tap on a
// row goes in as a tap at that point, as the list's own handling expects.
import { systemFontPx } from '../page-state.js';
import { tapAtPointer } from '../input.js';
import { ownsInput, sizeTo } from './common.js';

// The row height beyond the font when the program gives no item height.
const ROW_EXTRA = 3;

export function render(node, w, client) {
  let list = node.ctl;
  if (!list || !list.classList.contains('listbox')) {
    list = document.createElement('div');
    list.className = 'ctl list listbox';
    list.setAttribute('role', 'listbox');
    list.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || !node.w.enabled) return;
      event.preventDefault();
      tapAtPointer(event);
    });
    ownsInput(node, list);
  }
  sizeTo(list, client);
  const c = w.ctl;
  const rowHeight = c.itemHeight || systemFontPx() + ROW_EXTRA;
  const key = JSON.stringify([c.items, c.selected, c.top, rowHeight]);
  if (node.ctlKey === key) return;
  node.ctlKey = key;
  list.style.fontSize = `${systemFontPx()}px`;
  list.replaceChildren(...c.items.slice(c.top).map((text, i) => {
    const row = document.createElement('div');
    row.className = 'row' + (i + c.top === c.selected ? ' sel' : '');
    row.setAttribute('role', 'option');
    row.style.height = `${rowHeight}px`;
    const cell = document.createElement('div');
    cell.className = 'cell';
    cell.textContent = text;
    row.appendChild(cell);
    return row;
  }));
}
