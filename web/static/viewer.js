// The HTML viewer: the program's page text, exactly as the program built it, in a sandboxed
// frame that runs no scripts (sandbox without allow-scripts). A short prelude makes image names
// resolve through the program (relative to the line's image address, or each picture set from the
// line's source for it before the page is shown) and sets the handheld's font. The frame keeps its
// origin so that this page can catch link taps in it: they go back to the program as link taps
// and the frame never navigates. The program's anchor and line scrolling are followed.
//
// The frame loads its first page through srcdoc. Every later page replaces the frame document's
// content in place, parsed the same way (DOMParser, which runs nothing and loads nothing) and
// shown in the same task as the rest of the screen: a new srcdoc would load a whole document
// again (its fonts and pictures too) and show it only some tens of milliseconds later.
import { page, largeScreen } from './page-state.js';
import { onKeyDown, send } from './input.js';
import { line } from './line.js';
import { ownsInput, sizeTo } from './controls/common.js';

// A line scrolled by the program's Up and Down, in CSS pixels at the small screen.
const SCROLL_LINE_PX = 14;

// The page's fonts by full address (the frame's base is the pictures' address).
function fontUrl(file) {
  return new URL(`static/fonts/${file}`, document.baseURI).href;
}

function prelude(serial) {
  const zoom = largeScreen() ? 2 : 1;
  const base = line.imageBase ? `<base href="${line.imageBase}">` : '';
  return `<meta name="orvane-page" content="${serial}">${base}` +
    `<style data-orvane-prelude>@font-face{font-family:"OrvaneSans";src:url("${fontUrl('DejaVuSans.ttf')}")}` +
    `@font-face{font-family:"OrvaneSans";font-weight:bold;src:url("${fontUrl('DejaVuSans-Bold.ttf')}")}` +
    `html{font-family:"OrvaneSans",sans-serif;font-size:11px;zoom:${zoom};font-kerning:none}` +
    // A link's icon stands beside its text, centred on the line, not above the text's baseline.
    'a img{vertical-align:middle}img.orvane-missing{visibility:hidden}</style>';
}

function makeFrame(node) {
  const frame = document.createElement('iframe');
  frame.className = 'ctl';
  frame.setAttribute('sandbox', 'allow-same-origin');
  frame.setAttribute('referrerpolicy', 'no-referrer');
  frame.setAttribute('title', 'Orvane page');
  frame.addEventListener('load', () => onLoad(node, frame));
  ownsInput(node, frame);
  return frame;
}

export function render(node, w, client) {
  const frame = node.ctl && node.ctl.tagName === 'IFRAME' ? node.ctl : makeFrame(node);
  sizeTo(frame, client);
  const c = w.ctl;
  const text = c.complete ? c.page : '';
  if (frame.dataset.page !== text || !frame.srcdoc) {
    frame.dataset.page = text;
    node.viewerSerial = (node.viewerSerial || 0) + 1;
    if (node.viewerReady && replacePage(node, frame, text)) return;
    frame.dataset.ready = '0';
    node.viewerReady = false;
    node.viewerText = text;
    // Pictures set by the line need the page parsed first: the frame loads the prelude alone and
    // takes the page as every later page.
    frame.srcdoc = prelude(node.viewerSerial) + (line.imageSource ? '' : text);
  } else if (node.viewerReady) {
    scroll(node, frame);
  }
}

// Shows a new page in the frame's loaded document: its head after the prelude, its body, the
// attributes of its root and body; at the top, as a new page starts. False when the frame's
// document is not there to take it.
function replacePage(node, frame, text) {
  const doc = frame.contentDocument;
  const win = frame.contentWindow;
  if (!doc || !win || !doc.head || !doc.body || doc !== node.viewerDocument) return false;
  frame.dataset.ready = '0';
  const parsed = new DOMParser().parseFromString(text, 'text/html');
  if (line.imageSource) setPictures(parsed);
  const serial = doc.querySelector('meta[name="orvane-page"]');
  if (serial) serial.content = String(node.viewerSerial);
  const preludeEnd = doc.head.querySelector('style[data-orvane-prelude]');
  while (preludeEnd && preludeEnd.nextSibling) preludeEnd.nextSibling.remove();
  doc.head.append(...[...parsed.head.childNodes].map((n) => doc.adoptNode(n)));
  copyAttributes(parsed.documentElement, doc.documentElement);
  doc.body.replaceWith(doc.adoptNode(parsed.body));
  win.scrollTo(0, 0);
  pageShown(node, frame, doc);
  return true;
}

// Each picture from the line's source for its name; a name without a picture keeps its room empty.
function setPictures(doc) {
  for (const img of doc.images) {
    const url = line.imageSource(img.getAttribute('src') || '');
    if (url) img.setAttribute('src', url);
    else {
      img.removeAttribute('src');
      img.classList.add('orvane-missing');
    }
  }
}

function copyAttributes(from, to) {
  for (const name of to.getAttributeNames()) if (!from.hasAttribute(name)) to.removeAttribute(name);
  for (const name of from.getAttributeNames()) to.setAttribute(name, from.getAttribute(name));
}

function onLoad(node, frame) {
  const doc = frame.contentDocument;
  if (!doc) return;
  // A page replaced before it finished loading is not the one to show.
  const serial = doc.querySelector('meta[name="orvane-page"]');
  if (!serial || Number(serial.content) !== node.viewerSerial) return;
  node.viewerReady = true;
  node.viewerDocument = doc;
  listen(node, doc);
  if (line.imageSource && replacePage(node, frame, node.viewerText)) return;
  pageShown(node, frame, doc);
}

// A page is in the frame: pictures the program does not have leave their room empty, and the
// program's scrolling starts again from the top.
function pageShown(node, frame, doc) {
  frame.dataset.ready = '1';
  node.viewerAnchor = null;
  node.viewerLine = 0;
  for (const img of doc.images) {
    if (img.complete && img.naturalWidth === 0) img.classList.add('orvane-missing');
    img.addEventListener('error', () => img.classList.add('orvane-missing'));
  }
  scroll(node, frame);
}

// Link taps, forms and keys in the frame's document (once per document).
function listen(node, doc) {
  doc.addEventListener('click', (event) => {
    const link = event.target.closest && event.target.closest('a[href]');
    if (!link) return;
    event.preventDefault();
    event.stopPropagation();
    if (!node.w.enabled || page.ended) return;
    send({ kind: 'link', window: node.w.h, target: link.getAttribute('href') });
  }, true);
  doc.addEventListener('submit', (event) => event.preventDefault(), true);
  doc.addEventListener('keydown', onKeyDown);
}

// The program's anchor and line scrolling.
function scroll(node, frame) {
  const c = node.w.ctl;
  const win = frame.contentWindow;
  const doc = frame.contentDocument;
  if (!win || !doc) return;
  if (c.anchor && c.anchor !== node.viewerAnchor) {
    node.viewerAnchor = c.anchor;
    const target = doc.getElementsByName(c.anchor)[0] || doc.getElementById(c.anchor);
    if (target) target.scrollIntoView({ block: 'start' });
  }
  if (c.scrollLine !== node.viewerLine) {
    const step = SCROLL_LINE_PX * (largeScreen() ? 2 : 1);
    win.scrollBy(0, (c.scrollLine - node.viewerLine) * step);
    node.viewerLine = c.scrollLine;
  }
}
