// The page's line to the program that `orvane serve` runs: the event stream brings every new
// screen (snapshot), requests to come to the front (focus) and the program's end; input goes to
// /api/input in the order it was made; pictures come from /api/bitmap and /api/image. The overlay
// says when the program is not there. Screens go to the drawer connect() is given (screen.js's).
import { page, elements } from './page-state.js';
import { showEnded, showOverlay } from './overlay.js';

// Page pictures are named relative to this address (the viewer's frame takes it as its base).
export const imageBase = '/api/image/';

export function bitmapUrl(id) {
  return '/api/bitmap/' + id;
}

let queue = Promise.resolve();
// Draws a snapshot message ({version, ui}); set by connect().
let showScreen = () => {};

// Sends one input; resolves with the program's answer ({outcome, version} or {error}).
export function send(input) {
  const next = queue.then(async () => {
    try {
      const response = await fetch('/api/input', {
        method: 'POST',
        headers: { 'Content-Type': 'application/json' },
        body: JSON.stringify(input),
        credentials: 'same-origin',
      });
      const body = await response.json().catch(() => ({}));
      if (response.ok && body.version > page.version) catchUp(body.version);
      return body;
    } catch (error) {
      return { error: String(error) };
    }
  });
  queue = next.catch(() => {});
  return next;
}

// How long the event stream may take to bring a screen that an input's answer named before the
// page fetches it itself (a stream held up by a proxy or a sleeping tab).
const CATCH_UP_MS = 1000;
let catchUpTimer = 0;

async function fetchScreen() {
  try {
    const response = await fetch('/api/snapshot', { credentials: 'same-origin' });
    if (response.ok) showScreen(await response.json());
  } catch (error) {
    // The event stream reports a lost program.
  }
}

// An input's answer names the screen published after it. The event stream brings every screen,
// so new screens have one path; only when the stream has not brought this one in time does the
// page fetch it.
function catchUp(version) {
  if (version <= page.version || catchUpTimer) return;
  catchUpTimer = setTimeout(() => {
    catchUpTimer = 0;
    if (page.version < version) fetchScreen();
  }, CATCH_UP_MS);
}

function comeToFront() {
  page.focusRequests++;
  document.body.dataset.focusRequests = String(page.focusRequests);
  window.focus();
  const device = elements.device;
  device.classList.remove('attention');
  void device.offsetWidth;
  device.classList.add('attention');
  document.title = 'Orvane';
}

export function connect(drawScreen) {
  showScreen = drawScreen;
  showOverlay('Connecting to Orvane…');
  const events = new EventSource('/api/events');
  let failures = 0;
  events.addEventListener('snapshot', (event) => {
    failures = 0;
    showOverlay('');
    showScreen(JSON.parse(event.data));
  });
  events.addEventListener('focus', comeToFront);
  events.addEventListener('end', () => {
    events.close();
    showEnded();
  });
  events.addEventListener('error', () => {
    if (page.ended) return;
    failures++;
    if (failures >= 2) showOverlay('Orvane is not answering. Is it still running?');
  });
}
