// The whole handheld screen: takes each new snapshot, sizes the device and its task bar, draws
// the window tree (window-tree.js) and gives the page's keyboard focus to the edit that has the
// program's focus. Also the task bar's clock.
import { page, elements, systemFontPx } from './page-state.js';
import { drawWindows, nodeOf } from './window-tree.js';

// Draws a snapshot message ({version, ui}) unless a newer one is already drawn.
/** @param {import('./snapshot.js').ScreenMessage} message */
export function showScreen(message) {
  if (!message || typeof message.version !== 'number' || message.version <= page.version) return;
  page.version = message.version;
  draw(message.ui);
  document.body.dataset.version = String(page.version);
}

/** @param {import('./snapshot.js').Ui} ui */
function draw(ui) {
  if (ui.screen.w !== page.screenW || ui.screen.h !== page.screenH) {
    page.screenW = ui.screen.w;
    page.screenH = ui.screen.h;
    document.body.dataset.screen = `${ui.screen.w}x${ui.screen.h}`;
    fitDevice();
  }
  const bar = ui.taskbarHidden ? 0 : ui.screen.taskbar;
  page.taskbar = bar;
  const { taskbar, screen } = elements;
  taskbar.hidden = bar === 0;
  taskbar.style.height = `${bar}px`;
  taskbar.style.width = `${ui.screen.w}px`;
  screen.style.width = `${ui.screen.w}px`;
  screen.style.height = `${ui.screen.h - bar}px`;
  screen.style.fontSize = `${systemFontPx()}px`;
  // The screen element starts below the task bar: top-level windows are placed from there.
  drawWindows(ui.windows, screen, { x: 0, y: bar });
  const foreground = ui.windows.find((w) => w.h === ui.foreground) || ui.windows[0];
  elements.taskbarTitle.textContent = foreground && foreground.text ? foreground.text : 'Orvane';
  followFocus(ui);
}

// Typing goes where the program's focus is: an edit with the program's focus takes the page's.
function followFocus(ui) {
  const node = nodeOf(ui.focus);
  const active = document.activeElement;
  const pageOwnsFocus = active && active !== document.body && !active.classList.contains('ctl');
  if (pageOwnsFocus) return;
  if (node && node.kind === 'edit' && node.ctl && active !== node.ctl) {
    node.ctl.focus({ preventScroll: true });
    const c = node.w.ctl;
    try { node.ctl.setSelectionRange(c.selStart, c.selEnd); } catch (error) { /* not text */ }
  } else if ((!node || node.kind !== 'edit') && active && active.classList.contains('ctl') &&
             (active.tagName === 'INPUT' || active.tagName === 'TEXTAREA')) {
    active.blur();
  }
}

// The device scaled down to fit a small browser window. A window narrower than the handheld with
// its bezel (a phone held upright) shows the screen alone, scaled to the window's width, so that
// nothing scrolls sideways.
// A scaled device keeps its unscaled place in the page; its bottom margin makes up the
// difference, so that what follows it (the offline page's content bar) lies right under the screen.
function fitDevice() {
  const margin = 24;
  const w = page.screenW + 32;
  const h = page.screenH + 44;
  const phone = window.innerWidth < w + margin;
  document.body.classList.toggle('phone', phone);
  const device = elements.device;
  if (phone) {
    const factor = window.innerWidth / page.screenW;
    device.style.transform = `scale(${factor})`;
    device.style.marginTop = '';
    // Without its bezel the device is as tall as the handheld's screen.
    device.style.marginBottom = `${(factor - 1) * page.screenH}px`;
    return;
  }
  const factor = Math.min(1, (window.innerWidth - margin) / w, (window.innerHeight - margin) / h);
  device.style.transform = factor < 1 ? `scale(${factor})` : '';
  // Scaled about its centre: half of the difference above, half below.
  const shrink = factor < 1 ? `${((factor - 1) * h) / 2}px` : '';
  device.style.marginTop = shrink;
  device.style.marginBottom = shrink;
}

function tick() {
  const now = new Date();
  elements.clock.textContent = `${now.getHours()}:${String(now.getMinutes()).padStart(2, '0')}`;
}

export function startScreen() {
  window.addEventListener('resize', () => { if (page.screenW) fitDevice(); });
  tick();
  setInterval(tick, 15000);
}
