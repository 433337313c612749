// Performance figures of the browser front end (a measuring script, not a test):
//  - tap to updated page: a tap sent through the HTTP interface on loopback until the event
//    stream delivers the screen drawn after it, over TAPS taps that each change the screen
//    (A-Z, then Home, ...); median and 99th percentile;
//  - memory: the program's resident size after 100 and after 10,000 navigations.
// Usage: node perf.mjs [--taps N] [--navigations N] [--screen 240x320|480x640]
// ORVANE_BIN picks the program (default build/release/bin/orvane, else build/test/bin/orvane).
import { existsSync, readFileSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 ? args[at + 1] : fallback;
};
const TAPS = Number(option('--taps', 1000));
const NAVIGATIONS = Number(option('--navigations', 10000));
const SCREEN = option('--screen', '480x640');

// The program is chosen before the harness is loaded: the harness reads ORVANE_BIN once, when it
// is imported, and a static import would run before these lines.
const repoDir = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
if (!process.env.ORVANE_BIN) {
  const release = path.join(repoDir, 'build', 'release', 'bin', 'orvane');
  if (existsSync(release)) process.env.ORVANE_BIN = release;
}
const { startOrvane, freshDir, removeDir, orvaneBin } = await import('./harness.mjs');

const agent = new http.Agent({ keepAlive: true, maxSockets: 4 });

function call(orvane, method, route, body) {
  const url = new URL(orvane.origin);
  return new Promise((resolve, reject) => {
    const headers = { 'X-Orvane-Token': orvane.token };
    if (body) {
      headers['Content-Type'] = 'application/json';
      headers['Content-Length'] = Buffer.byteLength(body);
    }
    const req = http.request({ host: url.hostname, port: url.port, method, path: route, headers, agent }, (res) => {
      const chunks = [];
      res.on('data', (c) => chunks.push(c));
      res.on('end', () => resolve({ status: res.statusCode, body: Buffer.concat(chunks).toString() }));
    });
    req.on('error', reject);
    if (body) req.write(body);
    req.end();
  });
}

// The event stream: resolves waiters when a screen of at least a version arrives.
function openEvents(orvane) {
  const url = new URL(orvane.origin);
  const state = { version: 0, ui: null, waiters: [] };
  const req = http.request({ host: url.hostname, port: url.port, path: '/api/events', headers: { 'X-Orvane-Token': orvane.token } }, (res) => {
    let buffer = '';
    res.setEncoding('utf8');
    res.on('data', (chunk) => {
      buffer += chunk;
      let end;
      while ((end = buffer.indexOf('\n\n')) >= 0) {
        const block = buffer.slice(0, end);
        buffer = buffer.slice(end + 2);
        const event = /^event: (\w+)/m.exec(block);
        const data = /^data: (.*)$/m.exec(block);
        if (event && event[1] === 'snapshot' && data) {
          const message = JSON.parse(data[1]);
          state.version = message.version;
          state.ui = message.ui;
          const now = process.hrtime.bigint();
          state.waiters = state.waiters.filter((w) => {
            if (state.version >= w.version) { w.resolve(now); return false; }
            return true;
          });
        }
      }
    });
  });
  req.end();
  state.close = () => req.destroy();
  state.until = (version) => new Promise((resolve) => {
    if (state.version >= version) resolve(process.hrtime.bigint());
    else state.waiters.push({ version, resolve });
  });
  return state;
}

function* windows(list) {
  for (const w of list) { yield w; yield* windows(w.kids); }
}

function button(ui, id) {
  return [...windows(ui.windows)].find((w) => w.cls === 'Button' && w.id === id);
}

function centre(w) {
  return { x: Math.floor((w.r[0] + w.r[2]) / 2), y: Math.floor((w.r[1] + w.r[3]) / 2) };
}

async function waitFor(events, check) {
  for (let i = 0; i < 600; i++) {
    if (events.ui && check(events.ui)) return events.ui;
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error('the screen never came');
}

function residentKb(pid) {
  const status = readFileSync(`/proc/${pid}/status`, 'utf8');
  return Number(/VmRSS:\s+(\d+)/.exec(status)[1]);
}

const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.ceil(p * sorted.length) - 1)];

async function main() {
  console.log(`measuring ${orvaneBin}`);
  const stateDir = freshDir('orvane-perf-');
  const orvane = await startOrvane({ screen: SCREEN, stateDir });
  const events = openEvents(orvane);
  try {
    // Through the disclaimer to the home screen.
    const disclaimer = await waitFor(events, (ui) => button(ui, 333) || button(ui, 40801));
    const close = button(disclaimer, 333);
    if (close) {
      const p = centre(close);
      await call(orvane, 'POST', '/api/input', JSON.stringify({ kind: 'tap', x: p.x, y: p.y }));
    }
    const home = await waitFor(events, (ui) => button(ui, 40801) && !button(ui, 40800));
    const atoz = centre(button(home, 40801));
    const away = await (async () => {
      await call(orvane, 'POST', '/api/input', JSON.stringify({ kind: 'tap', x: atoz.x, y: atoz.y }));
      return waitFor(events, (ui) => button(ui, 40800));
    })();
    const homeButton = centre(button(away, 40800));
    let atHome = false;

    // One navigation: a tap that changes the screen; returns milliseconds to the new screen.
    const navigate = async () => {
      const p = atHome ? atoz : homeButton;
      const started = process.hrtime.bigint();
      const res = await call(orvane, 'POST', '/api/input', JSON.stringify({ kind: 'tap', x: p.x, y: p.y }));
      if (res.status !== 200) throw new Error(`tap refused: ${res.status} ${res.body}`);
      const { version, outcome } = JSON.parse(res.body);
      if (outcome !== 'delivered') throw new Error('tap reached nothing');
      const arrived = await events.until(version);
      atHome = !atHome;
      return Number(arrived - started) / 1e6;
    };

    let done = 0;
    while (done < 100) { await navigate(); done++; }
    const after100 = residentKb(orvane.proc.pid);
    const times = [];
    for (let i = 0; i < TAPS; i++) { times.push(await navigate()); done++; }
    times.sort((a, b) => a - b);
    console.log(`tap to updated page over ${TAPS} taps (${SCREEN}): median ${percentile(times, 0.5).toFixed(2)} ms, ` +
      `p99 ${percentile(times, 0.99).toFixed(2)} ms, max ${times[times.length - 1].toFixed(2)} ms`);
    while (done < NAVIGATIONS) { await navigate(); done++; }
    const afterAll = residentKb(orvane.proc.pid);
    console.log(`resident memory: ${after100} kB after 100 navigations, ${afterAll} kB after ${done}: ` +
      `ratio ${(afterAll / after100).toFixed(2)}`);
  } finally {
    events.close();
    agent.destroy();
    await orvane.kill();
    removeDir(stateDir);
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
