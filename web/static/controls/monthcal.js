// A month calendar: a month of days with the program's date marked. The arrows page through
// months in the page only (the program's date stays); a tap on a day sends that date. The rows
// and the text size are the control's own grid, which always holds six weeks.
import { send } from '../input.js';
import { clientSize, ownsInput, sizeTo } from './common.js';

const MONTHS = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August',
  'September', 'October', 'November', 'December'];
const WEEK_ROWS = 6;
const DAYS_SHOWN = 7 * WEEK_ROWS;

function makeCalendar(node) {
  const cal = document.createElement('div');
  cal.className = 'ctl monthcal';
  cal.addEventListener('click', (event) => {
    const target = event.target;
    if (target.dataset.step) {
      let { year, month } = node.view;
      month += Number(target.dataset.step);
      if (month < 1) { month = 12; year--; }
      if (month > 12) { month = 1; year++; }
      node.view = { year, month };
      node.ctlKey = null;
      render(node, node.w, clientSize(node.w));
      return;
    }
    if (target.dataset.day && node.w.enabled) {
      send({ kind: 'date', window: node.w.h, year: Number(target.dataset.year),
        month: Number(target.dataset.month), day: Number(target.dataset.day) });
    }
  });
  ownsInput(node, cal);
  return cal;
}

export function render(node, w, client) {
  const c = w.ctl;
  const cal = node.ctl && node.ctl.classList.contains('monthcal') ? node.ctl : makeCalendar(node);
  sizeTo(cal, client);
  const programDate = `${c.year}-${c.month}-${c.day}`;
  if (node.programDate !== programDate) {
    node.programDate = programDate;
    node.view = { year: c.year || 2000, month: c.month || 1 };
  }
  const g = c.grid;
  const key = JSON.stringify([node.view, programDate, client, g]);
  if (node.ctlKey === key) return;
  node.ctlKey = key;
  cal.style.fontSize = `${g.fontPx}px`;
  cal.style.setProperty('--mc-title-h', `${g.titleH}px`);
  const { year, month } = node.view;
  const startDay = new Date(Date.UTC(year, month - 1, 1)).getUTCDay();
  let html = `<div class="mc-head"><button type="button" data-step="-1" aria-label="previous month">◀</button><span>${MONTHS[month - 1]} ${year}</span><button type="button" data-step="1" aria-label="next month">▶</button></div>`;
  // The weekday row, the gap down to the first week, and the six week rows.
  const rows = `${g.weekdayH}px ${g.top - g.titleH - g.weekdayH}px repeat(${WEEK_ROWS}, ${g.rowH}px)`;
  html += `<div class="mc-grid" style="grid-template-rows: ${rows}">`;
  for (const d of ['S', 'M', 'T', 'W', 'T', 'F', 'S']) html += `<div class="dow">${d}</div>`;
  html += '<div class="gap"></div>';
  for (let i = 0; i < DAYS_SHOWN; i++) {
    const date = new Date(Date.UTC(year, month - 1, 1 + i - startDay));
    const y = date.getUTCFullYear();
    const m = date.getUTCMonth() + 1;
    const d = date.getUTCDate();
    const classes = ['day'];
    if (m !== month) classes.push('other');
    if (y === c.year && m === c.month && d === c.day) classes.push('sel');
    html += `<div class="${classes.join(' ')}" data-year="${y}" data-month="${m}" data-day="${d}">${d}</div>`;
  }
  html += '</div>';
  cal.innerHTML = html;
}
