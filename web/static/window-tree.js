// The window tree as positioned elements: one element per shown window, kept between snapshots
// by the window's handle, placed at its rectangle inside its parent's client area, stacked in
// z-order. A window draws its display list (drawing.js) unless it is a control drawn as an HTML
// element (controls/*.js, viewer.js). A window that shows the same as in the last snapshot is
// left as it is (only its children are visited); windows gone from the snapshot are removed.
import { drawingMarkup, SVG_NS } from './drawing.js';
import { tapAtPointer } from './input.js';
import { page } from './page-state.js';
import { clientSize } from './controls/common.js';
import * as button from './controls/button.js';
import * as picture from './controls/picture.js';
import * as check from './controls/check.js';
import * as edit from './controls/edit.js';
import * as combobox from './controls/combobox.js';
import * as listbox from './controls/listbox.js';
import * as listview from './controls/listview.js';
import * as scrollbar from './controls/scrollbar.js';
import * as monthcal from './controls/monthcal.js';
import * as viewer from './viewer.js';

/** @typedef {import('./snapshot.js').SnapshotWindow} SnapshotWindow */
/** @typedef {import('./snapshot.js').WindowNode} WindowNode */

// How each kind of control is drawn; 'drawn' controls show their own display list.
const CONTROLS = { button, picture, check, edit, combobox, listbox, listview, scrollbar, monthcal, htmlviewer: viewer };

// Window elements by handle.
/** @type {Map<number, WindowNode>} */
const nodes = new Map();
let pass = 0;

export function nodeOf(handle) {
  return nodes.get(handle);
}

// The page's kind of a window: '' for a plain window, 'drawn' for a control that shows its own
// drawing, else a key of CONTROLS.
function pageKind(w) {
  const c = w.ctl;
  if (!c) return '';
  if (c.kind === 'button') {
    if (c.type === 'ownerdraw') return 'drawn';
    if (c.type === 'checkbox' || c.type === 'radio') return 'check';
    if (c.flags.includes('bitmap') && c.bitmap) return 'picture';
    return 'button';
  }
  return CONTROLS[c.kind] ? c.kind : 'drawn';
}

/**
 * A window's node with every field it will hold, not yet drawn.
 * @param {SnapshotWindow} w
 * @param {string} kind
 * @returns {WindowNode}
 */
function makeNode(w, kind) {
  const el = document.createElement('div');
  el.className = 'win';
  el.dataset.h = String(w.h);
  el.dataset.cls = w.cls;
  const node = {
    el, kind, h: w.h, w, seen: -1, originX: 0, originY: 0,
    drawKey: null, svg: null, ctl: null, ctlKey: null, ownInput: false,
    // The control modules' own state.
    lastTop: null, programDate: null, view: null,
    viewerSerial: 0, viewerReady: false, viewerText: '', viewerDocument: null, viewerAnchor: null, viewerLine: 0,
  };
  el.addEventListener('pointerdown', (event) => onWindowPointer(node, event));
  return node;
}

// A tap on a window's own area (not on a control that handles its own input).
function onWindowPointer(node, event) {
  if (event.button !== 0 || page.ended) return;
  if (event.target.closest('.win') !== node.el) return;
  if (node.ctl && node.ctl.contains(event.target) && node.ownInput) return;
  event.preventDefault();
  tapAtPointer(event);
}

function drawOwnDrawing(node, w, client, drawsItself) {
  const drawKey = drawsItself ? JSON.stringify(w.draw) + client.w + 'x' + client.h : '';
  if (drawKey === node.drawKey) return;
  node.drawKey = drawKey;
  if (drawsItself) {
    if (!node.svg) {
      node.svg = document.createElementNS(SVG_NS, 'svg');
      node.svg.setAttribute('class', 'draw');
      node.el.prepend(node.svg);
    }
    node.svg.setAttribute('width', client.w);
    node.svg.setAttribute('height', client.h);
    node.svg.setAttribute('viewBox', `0 0 ${client.w} ${client.h}`);
    node.svg.innerHTML = drawingMarkup(w.draw);
  } else if (node.svg) {
    node.svg.remove();
    node.svg = null;
  }
}

// Whether two snapshot values are the same (the snapshot holds only JSON values).
function same(a, b) {
  if (a === b) return true;
  if (typeof a !== 'object' || typeof b !== 'object' || a === null || b === null) return false;
  if (Array.isArray(a)) {
    if (!Array.isArray(b) || a.length !== b.length) return false;
    for (let i = 0; i < a.length; i++) if (!same(a[i], b[i])) return false;
    return true;
  }
  const keys = Object.keys(a);
  if (keys.length !== Object.keys(b).length) return false;
  for (const key of keys) if (!same(a[key], b[key])) return false;
  return true;
}

// Whether a window shows what it showed in the last snapshot, leaving its children aside.
function sameWindow(a, b) {
  for (const key of Object.keys(b)) if (key !== 'kids' && !same(a[key], b[key])) return false;
  return Object.keys(a).length === Object.keys(b).length;
}

/** @param {SnapshotWindow} w */
function drawWindow(w, parentEl, origin) {
  const kind = pageKind(w);
  let node = nodes.get(w.h);
  if (!node || node.kind !== kind) {
    if (node) node.el.remove();
    node = makeNode(w, kind);
    nodes.set(w.h, node);
  }
  const el = node.el;
  const unchanged = node.seen !== -1 && node.originX === origin.x && node.originY === origin.y &&
    sameWindow(node.w, w);
  node.w = w;
  node.seen = pass;
  if (!unchanged) drawOwn(node, w, origin);
  const [l, t] = w.r;
  // Children, bottom of the z-order first so that the top one is drawn last.
  const childOrigin = { x: l + (w.border || 0), y: t + (w.border || 0) };
  const kids = [];
  for (let i = w.kids.length - 1; i >= 0; i--) kids.push(drawWindow(w.kids[i], el, childOrigin).el);
  placeChildren(el, kids, node.ctl, node.svg);
  if (el.parentNode !== parentEl) parentEl.appendChild(el);
  return node;
}

// The window's own element, drawing and control; an unchanged window keeps them as they are.
function drawOwn(node, w, origin) {
  const kind = node.kind;
  node.originX = origin.x;
  node.originY = origin.y;
  const el = node.el;
  const [l, t, r, b] = w.r;
  el.style.left = `${l - origin.x}px`;
  el.style.top = `${t - origin.y}px`;
  el.style.width = `${r - l}px`;
  const control = CONTROLS[kind];
  el.style.height = `${control && control.faceHeight ? control.faceHeight(w) : b - t}px`;
  el.classList.toggle('b1', w.border === 1);
  el.classList.toggle('b2', w.border >= 2);
  el.classList.toggle('disabled', !w.enabled && !!w.ctl);
  el.classList.toggle('messagebox', w.cls === 'OrvaneMessageBox');
  el.dataset.text = w.text;
  el.dataset.id = String(w.id);
  if (w.ctl) el.dataset.kind = w.ctl.kind;
  el.dataset.focused = w.focused ? '1' : '0';
  const client = clientSize(w);

  drawOwnDrawing(node, w, client, !control);
  if (control) control.render(node, w, client);
}

// Keeps an element's window children in the given order after its drawing and control.
function placeChildren(el, wanted, ctl, svg) {
  const wantedSet = new Set(wanted);
  for (const child of Array.from(el.children)) {
    if (child.classList.contains('win') && !wantedSet.has(child)) child.remove();
  }
  let anchor = ctl && ctl.parentNode === el ? ctl : (svg && svg.parentNode === el ? svg : null);
  for (const child of wanted) {
    const expected = anchor ? anchor.nextSibling : el.firstChild;
    if (expected !== child) el.insertBefore(child, expected);
    anchor = child;
  }
}

// Draws the top-level windows (top of the z-order first in the list) into the screen element.
/** @param {SnapshotWindow[]} windows */
export function drawWindows(windows, screenEl, origin) {
  pass++;
  const tops = [];
  for (let i = windows.length - 1; i >= 0; i--) tops.push(drawWindow(windows[i], screenEl, origin).el);
  placeChildren(screenEl, tops, null, null);
  for (const [handle, node] of nodes) {
    if (node.seen !== pass) {
      node.el.remove();
      nodes.delete(handle);
    }
  }
}
