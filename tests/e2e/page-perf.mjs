// How fast the page answers a person (a measuring script, not a test): drives the real page in
// headless chromium against the program and times, inside the page, each input from `pointerup`
// (or `keydown` for typing) until the page shows the screen the input leads to ("shown") and
// until the first frame drawn after that ("frame"). Four kinds of input, each at least --taps
// times: navigation (A-Z and Home in turn), a list row (a module of the home list; Home between,
// not counted), typing a weight on a document page (a digit and Backspace in turn; the doses on
// the page change) and a calculator input (the same on the burned area of the burn calculator).
// Also the time from starting the program until the home list is drawn (second start: the
// disclaimer was ticked away on the first), with where it goes: until the page's first screen
// (the splash; for the offline build the loading and compiling of orvane.wasm and orvane.data
// before it) and from there to the home list (the splash's 2 s, then opening the home list). And
// the page's memory (kind "memory": JS heap after a garbage collection, plus the WebAssembly
// memory of the offline build) after 10 and after --navigations navigations.
// Usage: node page-perf.mjs [--taps N] [--starts N] [--screen 240x320|480x640] [--kinds a,b]
//                           [--front-ends serve,offline] [--navigations N]
// Both front ends side by side by default: `orvane serve`, and the offline build in build/web/
// (the program inside the page; its taps reach the program at pointerdown, so the screen can be
// shown before the pointerup the times start from).
// ORVANE_BIN picks the program (default build/release/bin/orvane, else build/test/bin/orvane).
import { existsSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 ? args[at + 1] : fallback;
};
const TAPS = Number(option('--taps', 300));
const STARTS = Number(option('--starts', 5));
const SCREEN = option('--screen', '480x640');
const KINDS = option('--kinds', 'navigation,row,weight,calculator,memory').split(',');
const NAVIGATIONS = Number(option('--navigations', 1000));
// The navigations after which memory is first measured (the page has settled by then).
const SETTLED_NAVIGATIONS = 10;
const FRONT_ENDS = option('--front-ends', 'serve,offline').split(',');
// A pause after each answer, as between a person's taps.
const GAP_MS = 30;

const repoDir = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
if (!process.env.ORVANE_BIN) {
  const release = path.join(repoDir, 'build', 'release', 'bin', 'orvane');
  if (existsSync(release)) process.env.ORVANE_BIN = release;
}
// The harness reads ORVANE_BIN when it loads.
const { launchBrowser, freshDir, removeDir, orvaneBin } = await import('./harness.mjs');
const { serveFrontEnd, offlineFrontEnd } = await import('./front-ends.mjs');
let frontEnd = serveFrontEnd;

// Installed in the page before its own script: notes when an armed input starts, checks after
// every drawn version (and every viewer page made ready) whether the screen it waits for is
// shown, then waits for the next frame.
function pageProbe() {
  if (window !== window.top) return;
  const probe = { armed: null, startup: null, firstScreen: null, compiling: null, compiled: null, wasmMemory: null };
  window.orvaneProbe = probe;
  // The offline build's WebAssembly memory, caught as the program is instantiated (compiled).
  const keepMemory = (result) => {
    if (probe.compiled === null) probe.compiled = performance.now();
    const instance = result && (result.instance || result);
    if (instance && instance.exports && instance.exports.memory instanceof WebAssembly.Memory) probe.wasmMemory = instance.exports.memory;
    return result;
  };
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const plain = WebAssembly[name];
    if (!plain) continue;
    WebAssembly[name] = (...rest) => {
      if (probe.compiling === null) probe.compiling = performance.now();
      return plain.apply(WebAssembly, rest).then(keepMemory);
    };
  }
  probe.wasmBytes = () => (probe.wasmMemory ? probe.wasmMemory.buffer.byteLength : 0);
  // The JS heap as the page itself sees it (quantised by the browser, for comparison).
  probe.jsHeap = () => (performance.memory ? performance.memory.usedJSHeapSize : NaN);
  const channel = new MessageChannel();
  let afterFrame = null;
  channel.port1.onmessage = () => {
    const then = afterFrame;
    afterFrame = null;
    if (then) then();
  };
  // The first frame drawn after now: the frame's callbacks run, it is drawn, then the message.
  const nextFrame = (done) => requestAnimationFrame(() => {
    afterFrame = done;
    channel.port2.postMessage(0);
  });

  const q = (selector) => document.querySelector(selector);
  const button = (id) => q(`.win[data-cls="Button"][data-id="${id}"]`);
  const viewerText = () => {
    const frame = q('.win[data-kind="htmlviewer"] iframe');
    if (!frame || frame.dataset.ready !== '1' || !frame.contentDocument || !frame.contentDocument.body) return null;
    return frame.contentDocument.body.textContent;
  };
  const checks = {
    home: () => !!button(40801) && !button(40800) && !!q('.listview .row'),
    index: () => !!button(40800) && !!q('.win[data-kind="edit"] input') && !!q('.listview .row'),
    listRow: (label) => [...document.querySelectorAll('.listview .row')].some((r) => r.textContent === label),
    row: (label) => !!button(40800) && checks.listRow(label),
    // An edit holding this text and the viewer's page with this text.
    state: ({ edit, value, text }) => {
      const input = q(`.win[data-h="${edit}"] input`);
      return !!input && input.value === value && viewerText() === text;
    },
  };
  probe.viewerText = viewerText;
  probe.checks = checks;

  // Where the time goes: when the input left for the program and when the event stream brought
  // the last screen before the page showed the awaited one.
  const plainFetch = window.fetch;
  window.fetch = function (resource, ...rest) {
    const a = probe.armed;
    if (a && a.start !== null && a.sent === null && String(resource).includes('/api/input')) a.sent = performance.now();
    return plainFetch.call(this, resource, ...rest);
  };
  const PlainEventSource = window.EventSource;
  window.EventSource = class extends PlainEventSource {
    constructor(...rest) {
      super(...rest);
      this.addEventListener('snapshot', () => {
        const a = probe.armed;
        if (a && a.sent !== null && a.shown === null) a.arrived = performance.now();
      });
      // After the page's own listener, which it adds as soon as it has made the stream.
      queueMicrotask(() => this.addEventListener('snapshot', () => {
        const a = probe.armed;
        if (a && a.arrived !== null && a.drawn === null) a.drawn = performance.now();
      }));
    }
  };

  const evaluate = () => {
    const a = probe.armed;
    if (!a || a.start === null || a.shown !== null) return;
    if (!checks[a.check](a.arg)) return;
    a.shown = performance.now();
    nextFrame(() => {
      a.frame = performance.now();
      a.resolve({
        shown: a.shown - a.start, frame: a.frame - a.start,
        sent: a.sent === null ? NaN : a.sent - a.start,
        arrived: a.arrived === null ? NaN : a.arrived - a.start,
        drawing: a.drawn === null ? NaN : a.drawn - a.arrived,
      });
    });
  };
  const onInput = (event) => {
    const a = probe.armed;
    if (a && a.start === null && event.type === a.type) {
      a.start = event.timeStamp;
      evaluate();
    }
  };
  addEventListener('pointerup', onInput, true);
  addEventListener('keydown', onInput, true);

  // Start-up: the first screen drawn (the splash), and the first frame with the home list, in the
  // page's clock and since its start.
  const watchStartup = () => {
    if (probe.firstScreen === null && document.body && document.body.dataset.version) probe.firstScreen = performance.now();
    if (probe.startup || !checks.home()) return;
    probe.startup = { shown: performance.now() };
    nextFrame(() => {
      probe.startup.frame = performance.now();
      probe.startup.epoch = performance.timeOrigin + probe.startup.frame;
    });
  };
  const observer = new MutationObserver(() => { evaluate(); watchStartup(); });
  const observe = () => observer.observe(document.documentElement, {
    subtree: true, attributes: true, attributeFilter: ['data-version', 'data-ready'],
  });
  if (document.documentElement) observe();
  else document.addEventListener('readystatechange', observe, { once: true });

  probe.arm = (type, check, arg) => {
    let resolve;
    const done = new Promise((r) => { resolve = r; });
    probe.armed = { type, check, arg, start: null, sent: null, arrived: null, drawn: null, shown: null, frame: null, resolve, done };
  };
  probe.wait = (timeout) => Promise.race([
    probe.armed.done,
    new Promise((r) => setTimeout(() => r(null), timeout)),
  ]);
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function centreOf(page, target) {
  const locator = typeof target === 'string' ? page.locator(target) : target(page);
  const box = await locator.first().boundingBox();
  if (!box) throw new Error(`nothing at ${target}`);
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

async function until(page, check, arg, what) {
  try {
    await page.waitForFunction(([c, a]) => window.orvaneProbe.checks[c](a), [check, arg], { timeout: 15000 });
  } catch (error) {
    throw new Error(`the page never showed ${what}`);
  }
}

// One timed input: arms the probe, makes the input, waits for the screen it leads to.
async function timed(page, type, act, check, arg) {
  await page.evaluate(([t, c, a]) => window.orvaneProbe.arm(t, c, a), [type, check, arg]);
  await act();
  const result = await page.evaluate(() => window.orvaneProbe.wait(10000));
  if (!result) throw new Error(`the page did not show "${check}" ${JSON.stringify(arg)} in time`);
  await sleep(GAP_MS);
  return result;
}

const tapAt = (page, selector) => async () => {
  const p = await centreOf(page, selector);
  await page.mouse.click(p.x, p.y);
};
const ATOZ = '.win[data-cls="Button"][data-id="40801"]';
const HOME = '.win[data-cls="Button"][data-id="40800"]';
const rowLabelled = (label) => (page) => page.locator('.listview .row', { hasText: new RegExp(`^${label}$`) });

async function goHome(page) {
  if (!(await page.evaluate(() => window.orvaneProbe.checks.home()))) {
    await tapAt(page, HOME)();
    await until(page, 'home', null, 'the home list');
  }
  await sleep(GAP_MS);
}

async function openFromHome(page, labels) {
  await goHome(page);
  for (const label of labels) {
    await until(page, 'listRow', label, `the row "${label}"`);
    await tapAt(page, rowLabelled(label))();
  }
}

// The viewer's text once the program has settled after an input.
async function settledText(page, edit, value) {
  await page.waitForFunction(([h, v]) => {
    const input = document.querySelector(`.win[data-h="${h}"] input`);
    return input && input.value === v && window.orvaneProbe.viewerText() !== null;
  }, [edit, value], { timeout: 15000 });
  let text = null;
  for (let same = 0; same < 3;) {
    await sleep(150);
    const now = await page.evaluate(() => window.orvaneProbe.viewerText());
    same = now === text ? same + 1 : 0;
    text = now;
  }
  return text;
}

// Typing in turn a digit and Backspace into an edit; each keydown timed until the edit and the
// page's doses show the answer.
async function typingTimes(page, edit, base, digit) {
  const states = {};
  states.short = { edit, value: base, text: await settledText(page, edit, base) };
  await page.keyboard.press(digit);
  states.long = { edit, value: base + digit, text: await settledText(page, edit, base + digit) };
  if (states.short.text === states.long.text) throw new Error('typing does not change the page');
  const times = [];
  let long = true;
  for (let i = 0; i < TAPS; i++) {
    const key = long ? 'Backspace' : digit;
    long = !long;
    times.push(await timed(page, 'keydown', () => page.keyboard.press(key), 'state', long ? states.long : states.short));
  }
  if (long) await page.keyboard.press('Backspace');
  return times;
}

async function clearAndType(page, selector, text) {
  await tapAt(page, selector)();
  await page.keyboard.press('End');
  for (let i = 0; i < 6; i++) await page.keyboard.press('Backspace');
  if (text) await page.keyboard.type(text, { delay: 20 });
}

const MEASURES = {
  async navigation(page) {
    await goHome(page);
    const times = [];
    for (let i = 0; i < TAPS; i++) {
      const away = i % 2 === 0;
      times.push(await timed(page, 'pointerup', tapAt(page, away ? ATOZ : HOME), away ? 'index' : 'home'));
    }
    return times;
  },
  async row(page) {
    const times = [];
    for (let i = 0; i < TAPS; i++) {
      await goHome(page);
      times.push(await timed(page, 'pointerup', tapAt(page, rowLabelled('Fluid Navix')), 'row', 'Tyko Bolus Fluids'));
    }
    return times;
  },
  async weight(page) {
    await openFromHome(page, ['Fluid Navix', 'Tyko Bolus Fluids']);
    const box = '.win[data-id="40301"] input';
    await page.locator(box).waitFor();
    const edit = await page.locator('.win[data-id="40301"]').getAttribute('data-h');
    await clearAndType(page, box, '1');
    const times = await typingTimes(page, edit, '1', '2');
    await goHome(page);
    return times;
  },
  // Not timed: the page's memory after SETTLED_NAVIGATIONS and after NAVIGATIONS navigations
  // (A-Z, Home, a module of the home list, a document page in it, Home, in turn).
  async memory(page) {
    const cdp = await page.context().newCDPSession(page);
    const steps = [
      [ATOZ, 'index', null], [HOME, 'home', null], [rowLabelled('Fluid Navix'), 'row', 'Tyko Bolus Fluids'],
      [rowLabelled('Tyko Bolus Fluids'), 'state', null], [HOME, 'home', null],
    ];
    await goHome(page);
    const measured = {};
    for (let i = 0; i < NAVIGATIONS; i++) {
      const [target, check, arg] = steps[i % steps.length];
      await tapAt(page, target)();
      if (check === 'state') await page.waitForFunction(() => (window.orvaneProbe.viewerText() || '').includes('Bolus'), null, { timeout: 15000 });
      else await until(page, check, arg, check);
      if (i + 1 === SETTLED_NAVIGATIONS || i + 1 === NAVIGATIONS) measured[i + 1] = await memoryNow(page, cdp);
    }
    await goHome(page);
    await cdp.detach();
    return measured;
  },
  async calculator(page) {
    await openFromHome(page, ['Fluid Navix', 'Fluids for Burns']);
    await page.waitForFunction(() => document.querySelectorAll('.win[data-kind="edit"] input:not([readonly])').length >= 2);
    const fields = await page.evaluate(() => [...document.querySelectorAll('.win[data-kind="edit"]')]
      .filter((w) => w.querySelector('input:not([readonly])'))
      .map((w) => ({ h: w.dataset.h, box: w.getBoundingClientRect() }))
      .sort((a, b) => a.box.top - b.box.top || a.box.left - b.box.left)
      .map((w) => w.h));
    const units = page.locator('.win[data-kind="combobox"] select:has(option:text-is("Kilograms"))');
    if (await units.count()) await units.first().selectOption({ label: 'Kilograms' });
    const [weight, burned, ...rest] = fields;
    const field = (h) => `.win[data-h="${h}"] input`;
    await clearAndType(page, field(weight), '20');
    for (const h of rest) await clearAndType(page, field(h), '0');
    await clearAndType(page, field(burned), '3');
    const times = await typingTimes(page, burned, '3', '0');
    await goHome(page);
    return times;
  },
};

const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.max(0, Math.ceil(p * sorted.length) - 1))];
function figures(values) {
  const s = [...values].sort((a, b) => a - b);
  const f = (v) => v.toFixed(1).padStart(6);
  return `median ${f(percentile(s, 0.5))}  p90 ${f(percentile(s, 0.9))}  p99 ${f(percentile(s, 0.99))}  max ${f(s[s.length - 1])}`;
}

// Through the disclaimer once, ticking "Don't show this in the future".
async function firstStart(page, stateDir) {
  const orvane = await frontEnd.start({ screen: SCREEN, stateDir });
  try {
    await page.goto(orvane.url);
    const label = page.locator('.win[data-cls="Button"] label', { hasText: "Don't show this in the future" });
    await label.waitFor({ timeout: 30000 });
    await label.click();
    await page.locator('.win[data-cls="Button"] label input:checked').waitFor();
    await page.locator('.win[data-cls="Button"][data-text="Close"] button').click();
    await until(page, 'home', null, 'the home list');
  } finally {
    await orvane.kill();
  }
}

// A start of the program until the page shows the home list: milliseconds since the start.
async function timedStart(page, stateDir) {
  const started = performance.timeOrigin + performance.now();
  const orvane = await frontEnd.start({ screen: SCREEN, stateDir });
  const printed = performance.timeOrigin + performance.now();
  await page.goto(orvane.url);
  await page.waitForFunction(() => window.orvaneProbe.startup && window.orvaneProbe.startup.epoch, null, { timeout: 30000 });
  const { home, homeFrame, first, compiling, compiled, loaded } = await page.evaluate(() => {
    const probe = window.orvaneProbe;
    // When each of the program's files had arrived (the page's clock).
    const loaded = {};
    for (const entry of performance.getEntriesByType('resource')) {
      const name = entry.name.split('/').pop();
      if (/^orvane\.(js|wasm|data)$/.test(name)) loaded[name] = entry.responseEnd;
    }
    return {
      home: probe.startup.epoch, homeFrame: probe.startup.frame, first: probe.firstScreen,
      compiling: probe.compiling, compiled: probe.compiled, loaded,
    };
  });
  return { orvane, total: home - started, printed: printed - started, first, compiling, compiled, home: homeFrame, loaded };
}

// The page's memory now, after a garbage collection: the JS heap (all of the page's frames in its
// process, as the browser's debugging protocol tells it) and the offline build's WebAssembly
// memory (which only grows).
async function memoryNow(page, cdp) {
  await cdp.send('HeapProfiler.collectGarbage');
  const heap = await cdp.send('Runtime.getHeapUsage');
  const wasm = await page.evaluate(() => window.orvaneProbe.wasmBytes());
  return { heap: heap.usedSize, wasm, total: heap.usedSize + wasm };
}

async function main() {
  for (const name of FRONT_ENDS) {
    frontEnd = name === 'offline' ? offlineFrontEnd : serveFrontEnd;
    await measureFrontEnd();
  }
}

async function measureFrontEnd() {
  const stateDir = freshDir('orvane-page-perf-');
  const browser = await launchBrowser();
  let orvane = null;
  try {
    await browser.context.addInitScript(pageProbe);
    const page = await browser.context.newPage();
    console.log(`page figures at ${SCREEN}, ${frontEnd.name === 'serve' ? path.relative(repoDir, orvaneBin) : 'build/web (offline)'}`);
    await firstStart(page, stateDir);
    const starts = [];
    for (let i = 0; i < STARTS; i++) {
      if (orvane) await orvane.kill();
      const run = await timedStart(page, stateDir);
      orvane = run.orvane;
      starts.push(run);
    }
    const median = (values) => {
      const s = values.filter((v) => typeof v === 'number' && !Number.isNaN(v)).sort((a, b) => a - b);
      return s.length ? percentile(s, 0.5).toFixed(0) : '-';
    };
    const totals = starts.map((s) => s.total).sort((a, b) => a - b);
    console.log(`start to home list drawn (${STARTS} starts): median ${percentile(totals, 0.5).toFixed(0)} ms, ` +
      `max ${totals[totals.length - 1].toFixed(0)} ms (address printed after a median ${median(starts.map((s) => s.printed))} ms)`);
    const files = ['orvane.js', 'orvane.wasm', 'orvane.data'].filter((f) => starts.some((s) => s.loaded[f] !== undefined))
      .map((f) => `${f} ${median(starts.map((s) => s.loaded[f]))}`);
    console.log(`  medians in the page's clock: ${files.length ? `files arrived: ${files.join(', ')}; ` : ''}` +
      `${starts.some((s) => s.compiled !== null) ? `program compiling from ${median(starts.map((s) => s.compiling))} ` +
        `to ${median(starts.map((s) => s.compiled))}, ` : ''}` +
      `first screen ${median(starts.map((s) => s.first))}, home list drawn ${median(starts.map((s) => s.home))} ` +
      `(${median(starts.map((s) => s.home - s.first))} after the first screen, of which the splash is 2000)`);
    console.log(`input kind     n  | to screen shown (ms)                          | to next frame drawn (ms)`);
    for (const kind of KINDS) {
      if (!MEASURES[kind]) throw new Error(`no input kind "${kind}"`);
      const times = await MEASURES[kind](page);
      if (kind === 'memory') {
        const mb = (bytes) => (bytes / 1e6).toFixed(1);
        const line = (n) => `${mb(times[n].total)} MB (JS heap ${mb(times[n].heap)} + wasm ${mb(times[n].wasm)})`;
        const first = times[SETTLED_NAVIGATIONS];
        const last = times[NAVIGATIONS];
        console.log(`memory after ${SETTLED_NAVIGATIONS} navigations ${line(SETTLED_NAVIGATIONS)}, after ${NAVIGATIONS} ` +
          `${line(NAVIGATIONS)}: ${(last.total / first.total).toFixed(2)}x`);
        continue;
      }
      console.log(`${kind.padEnd(11)} ${String(times.length).padStart(4)}  | ${figures(times.map((t) => t.shown))} | ${figures(times.map((t) => t.frame))}`);
      const median = (key) => {
        const s = times.map((t) => t[key]).filter((v) => !Number.isNaN(v)).sort((a, b) => a - b);
        return s.length ? percentile(s, 0.5).toFixed(1) : '-';
      };
      console.log(`${''.padEnd(17)}medians: input sent ${median('sent')}, last screen arrived ${median('arrived')} (parsed and drawn in ${median('drawing')}), shown ${median('shown')}`);
    }
  } finally {
    if (orvane) await orvane.kill();
    await browser.close();
    removeDir(stateDir);
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
