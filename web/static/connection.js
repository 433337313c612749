// The page's line to the program: the event stream brings every new screen (snapshot), requests
// to come to the front (focus) and the program's end; the overlay says when the program is not
// there. Screens go to screen.js to be drawn.
import { page, elements } from './page-state.js';
import { showScreen } from './screen.js';

function showOverlay(text) {
  if (elements.overlayText.textContent === text && elements.overlay.hidden === !text) return;
  elements.overlayText.textContent = text;
  elements.overlay.hidden = !text;
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
export function catchUp(version) {
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

export function connect() {
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
    page.ended = true;
    document.body.dataset.ended = '1';
    events.close();
    showOverlay('Orvane has ended. You can close this page.');
  });
  events.addEventListener('error', () => {
    if (page.ended) return;
    failures++;
    if (failures >= 2) showOverlay('Orvane is not answering. Is it still running?');
  });
}
