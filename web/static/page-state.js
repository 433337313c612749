// What the page knows between snapshots: the last version drawn, the handheld screen's size and
// task bar, and whether the program has ended. The program owns everything else; this is only
// the page's memory of what it last drew.
export const page = {
  version: 0,
  screenW: 0,
  screenH: 0,
  taskbar: 0,
  focusRequests: 0,
  ended: false,
};

// The page's fixed elements.
export const elements = {
  screen: document.getElementById('screen'),
  device: document.getElementById('device'),
  taskbar: document.getElementById('taskbar'),
  taskbarTitle: document.getElementById('taskbar-title'),
  clock: document.getElementById('clock'),
  overlay: document.getElementById('overlay'),
  overlayText: document.getElementById('overlay-text'),
  notice: document.getElementById('notice'),
};

// The handheld's large screen doubles every size.
export function largeScreen() {
  return page.screenW >= 360;
}

// The system font's size in CSS pixels (13 or 26 pixels of cell height).
export function systemFontPx() {
  return largeScreen() ? 22.34 : 11.17;
}
