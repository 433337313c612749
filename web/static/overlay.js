// What the page says over the screen: the overlay while the program is not there (starting,
// not answering, ended) and a short notice that goes away by itself. Both lines use it.
import { page, elements } from './page-state.js';

// How long a notice stays.
const NOTICE_MS = 6000;

export function showOverlay(text) {
  if (elements.overlayText.textContent === text && elements.overlay.hidden === !text) return;
  elements.overlayText.textContent = text;
  elements.overlay.hidden = !text;
}

// The program has ended: the page says so and sends nothing more.
export function showEnded() {
  page.ended = true;
  document.body.dataset.ended = '1';
  showOverlay('Orvane has ended. You can close this page.');
}

export function showNotice(text) {
  const notice = elements.notice;
  notice.textContent = text;
  notice.hidden = false;
  clearTimeout(notice.timer);
  notice.timer = setTimeout(() => { notice.hidden = true; }, NOTICE_MS);
}
