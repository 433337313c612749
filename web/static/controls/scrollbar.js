// A scroll bar: its arrows, track and thumb drawn from the program's range, page and position.
// The arrows scroll a line, the track a page, a dragged thumb goes to the position it is let go
// at; each is a scroll input to the bar's window.
import { send } from '../input.js';
import { ownsInput, sizeTo } from './common.js';

// The shortest thumb, in pixels.
const MIN_THUMB = 8;

function makeBar(node) {
  const bar = document.createElement('div');
  bar.className = 'ctl scrollbar';
  const back = document.createElement('div');
  back.className = 'arrow back';
  const track = document.createElement('div');
  track.className = 'track';
  const thumb = document.createElement('div');
  thumb.className = 'thumb';
  track.appendChild(thumb);
  const fwd = document.createElement('div');
  fwd.className = 'arrow fwd';
  bar.append(back, track, fwd);
  const scroll = (code, pos) => send({ kind: 'scroll', window: node.w.h, code, pos: pos || 0 });
  back.addEventListener('pointerdown', (e) => { e.preventDefault(); scroll('lineup'); });
  fwd.addEventListener('pointerdown', (e) => { e.preventDefault(); scroll('linedown'); });
  track.addEventListener('pointerdown', (e) => {
    if (e.target === thumb) return;
    e.preventDefault();
    const box = thumb.getBoundingClientRect();
    const before = node.w.ctl.vertical ? e.clientY < box.top : e.clientX < box.left;
    scroll(before ? 'pageup' : 'pagedown');
  });
  thumb.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    thumb.setPointerCapture(e.pointerId);
    const start = { x: e.clientX, y: e.clientY, pos: node.w.ctl.pos };
    const positionAt = (ev) => {
      const s = node.w.ctl;
      const trackBox = track.getBoundingClientRect();
      const length = s.vertical ? trackBox.height : trackBox.width;
      const thumbLength = s.vertical ? thumb.offsetHeight : thumb.offsetWidth;
      const range = Math.max(1, s.max - s.min + 1 - Math.max(s.page, 1) + 1);
      const delta = s.vertical ? ev.clientY - start.y : ev.clientX - start.x;
      const moved = Math.round(delta / Math.max(1, length - thumbLength) * (range - 1));
      return Math.max(s.min, Math.min(s.max - Math.max(s.page - 1, 0), start.pos + moved));
    };
    const up = (ev) => {
      thumb.removeEventListener('pointerup', up);
      scroll('thumbposition', positionAt(ev));
    };
    thumb.addEventListener('pointerup', up);
  });
  ownsInput(node, bar);
  return bar;
}

export function render(node, w, client) {
  const c = w.ctl;
  const bar = node.ctl && node.ctl.classList.contains('scrollbar') ? node.ctl : makeBar(node);
  sizeTo(bar, client);
  bar.classList.toggle('v', c.vertical);
  bar.classList.toggle('h', !c.vertical);
  const arrow = c.vertical ? client.w : client.h;
  const [back, track, fwd] = bar.children;
  back.textContent = c.vertical ? '▲' : '◀';
  fwd.textContent = c.vertical ? '▼' : '▶';
  for (const a of [back, fwd]) {
    a.style.width = c.vertical ? '100%' : `${arrow}px`;
    a.style.height = c.vertical ? `${arrow}px` : '100%';
  }
  const thumb = track.firstChild;
  const length = (c.vertical ? client.h : client.w) - 2 * arrow;
  const span = Math.max(1, c.max - c.min + 1);
  const page = Math.max(0, c.page);
  const thumbLength = page > 0 ? Math.max(MIN_THUMB, Math.round(length * Math.min(1, page / span))) : Math.max(MIN_THUMB, arrow);
  const travel = Math.max(0, length - thumbLength);
  const steps = Math.max(1, span - Math.max(page, 1));
  const offset = Math.round(travel * Math.min(1, Math.max(0, (c.pos - c.min) / steps)));
  if (c.vertical) {
    Object.assign(thumb.style, { left: '0', width: '100%', top: `${offset}px`, height: `${thumbLength}px` });
  } else {
    Object.assign(thumb.style, { top: '0', height: '100%', left: `${offset}px`, width: `${thumbLength}px` });
  }
}
