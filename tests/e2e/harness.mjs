// Starting Orvane and Debian's chromium for the end-to-end tests, and reading the program's
// published screen. The program runs as a real process with its own state folder; the browser
// runs headless with a fresh profile.
import { spawn } from 'node:child_process';
import { mkdtempSync, mkdirSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const repoDir = path.resolve(here, '..', '..');
export const orvaneBin = process.env.ORVANE_BIN || path.join(repoDir, 'build', 'test', 'bin', 'orvane');
export const shotsDir = process.env.ORVANE_SCREENSHOTS || path.join(repoDir, 'build', 'e2e-screenshots');
export const chromiumPath = process.env.ORVANE_CHROMIUM || '/usr/bin/chromium';

export const SCREENS = [
  { name: '240x320', width: 240, height: 320, scale: 1 },
  { name: '480x640', width: 480, height: 640, scale: 2 },
];

export function freshDir(prefix) {
  return mkdtempSync(path.join(os.tmpdir(), prefix));
}

export function removeDir(dir) {
  rmSync(dir, { recursive: true, force: true });
}

// Starts orvane on a free port; resolves once it printed the address to open.
export function startOrvane({ screen, stateDir, args = [] }) {
  const proc = spawn(orvaneBin, ['serve', '--port', '0', '--screen', screen, '--state-dir', stateDir, ...args], {
    stdio: ['ignore', 'pipe', 'pipe'],
    env: { ...process.env, ASAN_OPTIONS: 'detect_leaks=1:abort_on_error=0' },
  });
  let stdout = '';
  let stderr = '';
  const exited = new Promise((resolve) => proc.on('exit', (code, signal) => resolve({ code, signal })));
  proc.stderr.on('data', (d) => { stderr += d; });
  const url = new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`orvane printed no address in time\n${stderr}`)), 30000);
    proc.stdout.on('data', (d) => {
      stdout += d;
      const match = /Open (http:\/\/\S+)/.exec(stdout);
      if (match) {
        clearTimeout(timer);
        resolve(match[1]);
      }
    });
    exited.then(({ code }) => {
      clearTimeout(timer);
      reject(new Error(`orvane ended (${code}) before printing an address\n${stderr}`));
    });
  });
  return url.then((address) => ({
    proc,
    url: address,
    origin: new URL(address).origin,
    token: new URL(address).searchParams.get('token'),
    exited,
    stderr: () => stderr,
    async kill() {
      if (proc.exitCode === null && proc.signalCode === null) proc.kill('SIGKILL');
      await exited;
    },
  }));
}

// Runs a second orvane against a state folder; resolves with its exit code.
export function runOrvaneOnce({ screen, stateDir }) {
  return new Promise((resolve) => {
    const proc = spawn(orvaneBin, ['--port', '0', '--screen', screen, '--state-dir', stateDir], {
      stdio: ['ignore', 'pipe', 'pipe'],
    });
    const timer = setTimeout(() => proc.kill('SIGKILL'), 20000);
    proc.on('exit', (code) => {
      clearTimeout(timer);
      resolve(code);
    });
  });
}

export async function launchBrowser() {
  const profile = freshDir('orvane-chromium-');
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    viewport: { width: 800, height: 800 },
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
  return {
    context,
    async close() {
      await context.close();
      removeDir(profile);
    },
  };
}

// ---- The published screen ----

// The screen the program published last: the offline page holds it itself, the server's page
// fetches it.
export async function snapshot(page) {
  return page.evaluate(async () => {
    if (window.orvaneScreen) return window.orvaneScreen();
    const response = await fetch('/api/snapshot', { credentials: 'same-origin' });
    return response.ok ? response.json() : null;
  });
}

export function* allWindows(windows) {
  for (const w of windows) {
    yield w;
    yield* allWindows(w.kids);
  }
}

export function findWindows(ui, predicate) {
  return ui ? [...allWindows(ui.windows)].filter(predicate) : [];
}

// Polls the published screen until check(ui) gives a truthy value; returns it.
export async function waitForUi(page, check, { timeout = 15000, what = 'the screen' } = {}) {
  const end = Date.now() + timeout;
  let last = null;
  while (Date.now() < end) {
    const message = await snapshot(page);
    if (message) {
      last = message.ui;
      const result = check(message.ui);
      if (result) {
        // The page has drawn at least this version.
        await page.waitForFunction((v) => Number(document.body.dataset.version || 0) >= v, message.version);
        return result;
      }
    }
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error(`timed out waiting for ${what}; last screen: ${JSON.stringify(summary(last))}`);
}

// A short description of a screen for failure messages.
export function summary(ui) {
  if (!ui) return null;
  return findWindows(ui, () => true).map((w) => `${w.cls}#${w.id}${w.ctl ? ':' + w.ctl.kind : ''}${w.text ? ' "' + w.text.slice(0, 30) + '"' : ''}`);
}

export async function shoot(page, name) {
  mkdirSync(shotsDir, { recursive: true });
  await page.locator('#device').screenshot({ path: path.join(shotsDir, `${name}.png`) });
}

// The page element of a window.
export function windowLocator(page, handle) {
  return page.locator(`.win[data-h="${handle}"]`);
}

// ---- Acting as a person does ----

export const listViews = (ui) => findWindows(ui, (w) => w.ctl && w.ctl.kind === 'listview');

export async function tap(page, w) {
  const box = await windowLocator(page, w.h).boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

// A list row with exactly this label: { w, index }.
export function rowWith(ui, label) {
  for (const w of listViews(ui)) {
    const index = w.ctl.rows.findIndex((row) => row.cells[0] && row.cells[0].t === label);
    if (index >= 0) return { w, index };
  }
  return null;
}

export async function chooseRow(page, { w, index }) {
  const row = windowLocator(page, w.h).locator('.row').nth(index);
  await row.scrollIntoViewIfNeeded();
  await row.click();
}
