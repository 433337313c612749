// Input to the program: every tap, key, typed character and choice goes to the program as the
// platform's input, in the order it was made, over the page's line (line.js). The page never acts
// on input itself; what the program then shows comes back over the same line.
import { page, elements } from './page-state.js';
import { line } from './line.js';

// Sends one input; resolves with the program's answer ({outcome, version} or {error}).
export function send(input) {
  return line.send(input);
}

// A pointer event's place in the program's screen coordinates.
export function screenPoint(event) {
  const box = elements.screen.getBoundingClientRect();
  const factor = box.width / page.screenW || 1;
  // The screen element starts below the task bar; the program's coordinates start above it.
  return {
    x: Math.floor((event.clientX - box.left) / factor),
    y: Math.floor((event.clientY - box.top) / factor) + page.taskbar,
  };
}

export function tapAt(x, y) {
  return send({ kind: 'tap', x, y });
}

// A tap where the pointer is.
export function tapAtPointer(event) {
  const p = screenPoint(event);
  return tapAt(p.x, p.y);
}

export function tapCentre(w) {
  const [l, t, r, b] = w.r;
  return tapAt(Math.floor((l + r) / 2), Math.floor((t + b) / 2));
}

// Keys by the page's names; digits and letters are keys too, other printable characters are
// typed as characters.
const KEY_NAMES = {
  Enter: 'Enter', Backspace: 'Backspace', Tab: 'Tab', Escape: 'Escape',
  ArrowLeft: 'Left', ArrowUp: 'Up', ArrowRight: 'Right', ArrowDown: 'Down',
  PageUp: 'PageUp', PageDown: 'PageDown', Home: 'Home', End: 'End', Delete: 'Delete',
};

function keyInput(event) {
  if (event.ctrlKey || event.metaKey || event.altKey) return null;
  if (KEY_NAMES[event.key]) return { kind: 'key', key: KEY_NAMES[event.key] };
  if (event.key.length === 1) {
    if (/^[0-9]$/.test(event.key)) return { kind: 'key', key: event.key };
    return { kind: 'chars', text: event.key };
  }
  return null;
}

// Keys pressed anywhere in the page (and in the viewer's frame) go to the program.
export function onKeyDown(event) {
  if (page.ended) return;
  const target = event.target;
  // A page's own list of choices keeps its keys.
  if (target && target.tagName === 'SELECT') return;
  const input = keyInput(event);
  if (!input) return;
  event.preventDefault();
  send(input);
}
