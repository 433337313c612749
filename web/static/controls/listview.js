// A list view: its column heads (unless the list has none) and its rows with their cells in the
// program's fonts and colours and each row's small image; a click chooses a row, a double click
// activates it. The list scrolls to the program's top row.
import { SVG_NS, bitmapUrl } from '../drawing.js';
import { systemFontPx } from '../page-state.js';
import { send } from '../input.js';
import { ownsInput, sizeTo } from './common.js';

// Column formats as the list gives them.
const FORMAT_RIGHT = 1;
const FORMAT_CENTRE = 2;

function rowIndexOf(event) {
  const row = event.target.closest('.row');
  return row ? Number(row.dataset.index) : -1;
}

function makeList(node) {
  const list = document.createElement('div');
  list.className = 'ctl list listview';
  list.setAttribute('role', 'listbox');
  for (const [type, kind] of [['click', 'choose'], ['dblclick', 'activate']]) {
    list.addEventListener(type, (event) => {
      const index = rowIndexOf(event);
      if (index < 0 || !node.w.enabled) return;
      send({ kind, window: node.w.h, index });
    });
  }
  ownsInput(node, list);
  return list;
}

function headMarkup(columns) {
  const head = document.createElement('div');
  head.className = 'head';
  head.style.fontSize = `${systemFontPx()}px`;
  for (const col of columns) {
    const cell = document.createElement('div');
    cell.className = 'cell';
    cell.style.width = `${col.w}px`;
    cell.textContent = col.t;
    head.appendChild(cell);
  }
  return head;
}

// The row's small image at its own size, as the list draws it: 1 pixel in, and the text 2
// pixels after it.
function rowImage(c, image) {
  const pic = document.createElementNS(SVG_NS, 'svg');
  pic.setAttribute('class', 'row-image');
  pic.setAttribute('width', c.rowImageW);
  pic.setAttribute('height', c.rowImageH);
  const img = document.createElementNS(SVG_NS, 'image');
  img.setAttribute('href', bitmapUrl(image.bitmap));
  img.setAttribute('x', String(-image.left));
  pic.appendChild(img);
  return pic;
}

function rowElement(c, columns, row, index) {
  const rowEl = document.createElement('div');
  rowEl.className = 'row' + (row.selected ? ' sel' : '');
  rowEl.dataset.index = String(index);
  rowEl.setAttribute('role', 'option');
  rowEl.setAttribute('aria-selected', row.selected ? 'true' : 'false');
  rowEl.style.height = `${c.itemHeight}px`;
  row.cells.forEach((cellData, i) => {
    const cell = document.createElement('div');
    cell.className = 'cell';
    const col = columns[i] || columns[columns.length - 1];
    cell.style.width = `${i < columns.length ? col.w : 0}px`;
    cell.style.fontSize = `${cellData.font.px}px`;
    cell.style.fontWeight = cellData.font.bold ? 'bold' : 'normal';
    cell.style.color = cellData.color;
    cell.style.background = cellData.bg;
    if (col.fmt === FORMAT_RIGHT) cell.style.justifyContent = 'flex-end';
    if (col.fmt === FORMAT_CENTRE) cell.style.justifyContent = 'center';
    const image = i === 0 && c.rowImageW > 0 ? (c.rowImages || [])[row.image] : undefined;
    if (image) {
      cell.style.paddingLeft = '1px';
      cell.appendChild(rowImage(c, image));
      cell.appendChild(document.createTextNode(cellData.t));
    } else {
      cell.textContent = cellData.t;
    }
    rowEl.appendChild(cell);
  });
  return rowEl;
}

export function render(node, w, client) {
  const list = node.ctl && node.ctl.classList.contains('listview') ? node.ctl : makeList(node);
  sizeTo(list, client);
  const c = w.ctl;
  const heads = !c.flags.includes('nocolumnheader');
  list.classList.toggle('scrolls', !c.flags.includes('noscroll'));
  const key = JSON.stringify([c.columns, c.rows, c.itemHeight, heads, c.rowImages]);
  if (node.ctlKey !== key) {
    node.ctlKey = key;
    const columns = c.columns.length ? c.columns : [{ t: '', w: client.w, fmt: 0 }];
    const parts = heads && c.columns.length ? [headMarkup(columns)] : [];
    c.rows.forEach((row, index) => parts.push(rowElement(c, columns, row, index)));
    list.replaceChildren(...parts);
  }
  if (node.lastTop !== c.top) {
    node.lastTop = c.top;
    list.scrollTop = c.top * c.itemHeight;
  }
}
