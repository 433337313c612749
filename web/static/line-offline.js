// The page's line to the program when the program runs inside the page: orvane.js and
// orvane.wasm (the whole program compiled to WebAssembly, with its content in orvane.data) run on
// this page's thread. The program calls the page (wasm/page_imports.js): it hands over each new
// screen, its registry file to keep, and, when it has nothing to do, sleeps until this line wakes
// it with input or its next timer falls due (on the browser's clock). Input is handed over
// directly and answered after the screen it led to is drawn, in the same task as the tap.
// Preferences live in the browser's storage (localStorage); where that is refused the page says
// so once and the program runs with its defaults. Pictures come from the program as blob URLs.
// Screens go to the drawer connect() is given (screen.js's).
// Content files the user loaded (content-files.js, kept by content-store.js) are written into the
// module's file system before the program starts, and the program reads them in place of the
// content shipped with the page.
import { showEnded, showNotice, showOverlay } from './overlay.js';
import { readLoadedContent } from './content-store.js';
import { showContentFiles } from './content-files.js';

// Names the program uses in its memory file system (wasm/offline_main.cpp).
const REGISTRY_DIR = '/state';
const REGISTRY_PATH = '/state/registry';
const SHIPPED_CONTENT = '/content';
const LOADED_CONTENT = '/loaded-content';
const IMAGE_PATH = '/tmp/orvane-image';
// Where picked files are put for the content reader to check them, and its report.
const CHECK_DIR = '/tmp/orvane-picked-';
const CHECK_REPORT = '/tmp/orvane-check.json';
// How long the start waits for the browser's storage to hand over the loaded content files.
const STORAGE_WAIT_MS = 5000;
// The browser storage key of the registry file.
const REGISTRY_KEY = 'orvane-registry';
// The input outcomes (web/input_command.h) and the line's own for a malformed input.
const OUTCOMES = ['delivered', 'ignored'];
const ERRORS = { 2: 'that window no longer exists', 3: 'that window does not take this input' };

let module = null;
let queue = [];
const pending = new Map();
let nextSeq = 1;
let sleeper = null;
let lastScreen = '';
let version = 0;
let gone = false;
let ended = false;
let storageSaid = false;
let contentDir = SHIPPED_CONTENT;
let checks = 0;
const images = new Map();
// Draws a snapshot message ({version, ui}); set by connect().
let showScreen = () => {};

function storageRefused() {
  if (storageSaid) return;
  storageSaid = true;
  showNotice('This browser keeps no data for this page: Orvane runs with its default settings, ' +
    'and settings changed now are not kept.');
}

function readStorage() {
  try {
    return window.localStorage.getItem(REGISTRY_KEY);
  } catch (error) {
    storageRefused();
    return null;
  }
}

// What the program calls (wasm/page_imports.js).
const programSide = {
  sleep(timeoutMs, wakeUp) {
    if (gone) { wakeUp(-1); return; }
    if (queue.length) { wakeUp(1); return; }
    const s = { wakeUp, timer: 0 };
    if (timeoutMs >= 0) s.timer = setTimeout(() => wake(0), timeoutMs);
    sleeper = s;
  },
  takeInputs() {
    if (!queue.length) return '';
    const text = JSON.stringify(queue);
    queue = [];
    return text;
  },
  outcome(seq, code) {
    const waiting = pending.get(seq);
    if (waiting) waiting.code = code;
  },
  show(text) {
    if (text !== lastScreen) {
      lastScreen = text;
      version++;
      showScreen({ version, ui: JSON.parse(text) });
    }
    // Every input applied so far is answered with the screen it led to.
    for (const [seq, waiting] of pending) {
      if (waiting.code === undefined) continue;
      pending.delete(seq);
      waiting.resolve(answer(waiting.code));
    }
  },
  store(text) {
    try {
      window.localStorage.setItem(REGISTRY_KEY, text);
      return true;
    } catch (error) {
      storageRefused();
      return false;
    }
  },
  ended() {
    ended = true;
    for (const waiting of pending.values()) waiting.resolve({ error: 'Orvane has ended' });
    pending.clear();
    showEnded();
  },
};

function answer(code) {
  if (code < OUTCOMES.length) return { outcome: OUTCOMES[code], version };
  return { error: ERRORS[code] || 'not an input' };
}

// Wakes the sleeping program (it runs now, in this task, until it sleeps again).
function wake(value) {
  const s = sleeper;
  if (!s) return;
  sleeper = null;
  clearTimeout(s.timer);
  s.wakeUp(value);
}

export function send(input) {
  if (ended || gone || !module) return Promise.resolve({ error: 'Orvane is not running' });
  const seq = nextSeq++;
  const reply = new Promise((resolve) => pending.set(seq, { resolve, code: undefined }));
  queue.push({ seq, input });
  wake(1);
  return reply;
}

// Program bitmaps lie beside the page.
export function bitmapUrl(id) {
  return `bitmaps/bitmap_${id}.svg`;
}

// Calls an entry of the program (wasm/offline_main.cpp, wasm/content_check.cpp) straight, with
// text arguments copied into the module's memory for the call: ccall would take a call made while
// the program sleeps for one that went to sleep itself, and answer with a promise instead.
function callProgram(name, texts) {
  const encoder = new TextEncoder();
  const pointers = texts.map((text) => {
    const bytes = encoder.encode(`${text}\0`);
    const pointer = module._malloc(bytes.length);
    if (!pointer) throw new Error('out of memory');
    module.HEAPU8.set(bytes, pointer);
    return pointer;
  });
  try {
    return module[`_${name}`](...pointers);
  } finally {
    for (const pointer of pointers) module._free(pointer);
  }
}

// A page picture by its name, as the program resolves it; null when it has none.
export function imageSource(name) {
  if (images.has(name)) return images.get(name);
  let url = null;
  if (module) {
    const typeText = callProgram('orvane_image', [name, contentDir, IMAGE_PATH]);
    const type = typeText ? module.UTF8ToString(typeText) : '';
    if (type) url = URL.createObjectURL(new Blob([module.FS.readFile(IMAGE_PATH)], { type }));
  }
  images.set(name, url);
  return url;
}

function loadScript(src) {
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = src;
    script.onload = resolve;
    script.onerror = () => reject(new Error(`${src} did not load`));
    document.head.appendChild(script);
  });
}

// The handheld screen the program draws: 480x640 unless the address asks for 240x320.
function screenArgument() {
  const asked = new URLSearchParams(window.location.search).get('screen');
  return asked === '240x320' ? '240x320' : '480x640';
}

// Leaving the page ends the program as closing it would: it writes its settings back first.
function leave() {
  if (gone || ended) return;
  gone = true;
  wake(-1);
}

// The content reader's report on files ([{name, bytes}]): each put in a fresh folder, judged by
// the program's own reader, and removed again.
function checkContent(files) {
  if (!module) throw new Error('Orvane is not running');
  const dir = `${CHECK_DIR}${++checks}/`;
  const fs = module.FS;
  fs.mkdir(dir);
  try {
    for (const file of files) fs.writeFile(dir + file.name, new Uint8Array(file.bytes));
    const status = callProgram('orvane_check_content', [dir, CHECK_REPORT]);
    if (status !== 0) throw new Error('the files could not be listed');
    return JSON.parse(fs.readFile(CHECK_REPORT, { encoding: 'utf8' }));
  } finally {
    for (const name of fs.readdir(dir)) if (name !== '.' && name !== '..') fs.unlink(dir + name);
    fs.rmdir(dir);
  }
}

// The content files the user loaded, or null; a storage that fails or keeps the start waiting
// gives the shipped content and says why.
async function loadedContent() {
  let timer = 0;
  const late = new Promise((resolve, reject) => {
    timer = setTimeout(() => reject(new Error('the browser\'s storage did not answer')), STORAGE_WAIT_MS);
  });
  try {
    return { loaded: await Promise.race([readLoadedContent(), late]), readError: null };
  } catch (error) {
    return { loaded: null, readError: error };
  } finally {
    clearTimeout(timer);
  }
}

// Writes the loaded files into the module's folder for them; false (and nothing left there) when
// the file system refuses one.
function writeLoadedContent(fs, loaded) {
  fs.mkdir(LOADED_CONTENT);
  try {
    for (const file of loaded.files) fs.writeFile(`${LOADED_CONTENT}/${file.name}`, new Uint8Array(file.bytes));
    return true;
  } catch (error) {
    for (const name of fs.readdir(LOADED_CONTENT)) if (name !== '.' && name !== '..') fs.unlink(`${LOADED_CONTENT}/${name}`);
    return false;
  }
}

export async function connect(drawScreen) {
  showScreen = drawScreen;
  // The screen drawn last, as the program handed it ({version, ui}); for tools that look at the
  // page from outside (the end-to-end tests read it as they read /api/snapshot of the server).
  window.orvaneScreen = () => (lastScreen ? { version, ui: JSON.parse(lastScreen) } : null);
  showOverlay('Starting Orvane…');
  if ('serviceWorker' in navigator) {
    // A new build's worker taking over a page of the old build: the page starts again on the new
    // build's files (the settings are kept; leaving writes them back first).
    const updating = !!navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (updating) window.location.reload();
    });
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  let { loaded, readError } = await loadedContent();
  try {
    await loadScript('orvane.js');
    const saved = readStorage();
    module = await window.createOrvane({
      orvanePage: programSide,
      preRun: [(m) => {
        m.FS.mkdir(REGISTRY_DIR);
        if (saved) m.FS.writeFile(REGISTRY_PATH, Uint8Array.from(saved, (c) => c.charCodeAt(0)));
        if (loaded && !writeLoadedContent(m.FS, loaded)) {
          loaded = null;
          readError = new Error('they could not be put in place');
        }
      }],
    });
  } catch (error) {
    showOverlay('Orvane could not start in this browser.');
    return;
  }
  showOverlay('');
  window.addEventListener('pagehide', leave);
  window.addEventListener('pageshow', (event) => { if (event.persisted) window.location.reload(); });
  if (loaded) contentDir = LOADED_CONTENT;
  // The files' bytes now lie in the module's file system; the page keeps only what it says of them.
  const inUse = loaded && { count: loaded.files.length, loadedAt: loaded.loadedAt };
  loaded = null;
  showContentFiles({ loaded: inUse, readError, check: checkContent, restart: () => window.location.reload() });
  module.callMain(['--screen', screenArgument(), '--content', contentDir]);
}

