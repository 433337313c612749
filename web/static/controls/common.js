// What the control modules share: putting a control's element into its window's element, sizing
// it to the client area, its font, and the tap that a simple control sends when clicked. Each
// control module exports render(node, w, client) and may export faceHeight(w) when its face is
// not its window's height: node is the window's WindowNode, w its SnapshotWindow, whose ctl holds
// the control's state (both described in ../snapshot.js).
import { systemFontPx } from '../page-state.js';
import { tapCentre } from '../input.js';

export function clientSize(w) {
  const b = w.border || 0;
  return { w: Math.max(0, w.r[2] - w.r[0] - 2 * b), h: Math.max(0, w.r[3] - w.r[1] - 2 * b) };
}

// "&" marks the next character as the mnemonic; "&&" is an ampersand.
export function windowText(text) {
  return String(text).replace(/&(.)/g, '$1');
}

// Makes element the control's face in its window's element, after the window's drawing.
export function setControl(node, element, key) {
  if (node.ctl && node.ctl !== element) node.ctl.remove();
  node.ctl = element;
  node.ctlKey = key;
  if (element.parentNode !== node.el) {
    if (node.svg && node.svg.parentNode === node.el) node.svg.after(element);
    else node.el.prepend(element);
  }
}

// A control that handles its own input (the window element leaves its taps to it).
export function ownsInput(node, element) {
  node.ownInput = true;
  setControl(node, element, '');
}

export function sizeTo(element, client) {
  element.style.width = `${client.w}px`;
  element.style.height = `${client.h}px`;
}

// The font a control draws its text with: its own drawing says, else the system font.
export function controlFont(w) {
  const text = w.draw.find((c) => c.k === 'text');
  return text ? text.font : { px: systemFontPx(), bold: false };
}

export function applyFont(element, font) {
  element.style.fontSize = `${font.px}px`;
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
}

// A click on a control's element goes in as a tap at the window's centre; the program decides
// what it does and the page shows what it then says.
// The element takes no keyboard focus from the click (keys go to the program whatever has it):
// a focused element that the next screen removes costs the browser a synchronous style update.
export function tapsThrough(node, element) {
  element.addEventListener('mousedown', (event) => event.preventDefault());
  element.addEventListener('click', (event) => {
    event.preventDefault();
    if (node.w.enabled) tapCentre(node.w);
  });
  ownsInput(node, element);
}

export function makeButton(className) {
  const button = document.createElement('button');
  button.className = className;
  button.type = 'button';
  button.tabIndex = -1;
  return button;
}
