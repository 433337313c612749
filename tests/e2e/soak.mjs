// A soak of the real page (a script, not part of the tests): the program (by default the
// sanitizer build, build/test/bin/orvane) and headless chromium, driven by ACTIONS random user
// actions: taps anywhere on the drawn screen, keys of the five-way pad and others, typed text
// (digits, points, commas, letters, control characters), with Home now and then so that every
// module is reached. Fails on a console error or page error, a program exit, a sanitizer report
// on the program's standard error, or the program's resident memory after the run above 1.5
// times what it was after the first 100 actions. Prints what it did and measured.
// Usage: node soak.mjs [--actions N] [--screen 240x320|480x640] [--seed N]
import { readFileSync } from 'node:fs';

import { freshDir, launchBrowser, removeDir, startOrvane, waitForUi, findWindows } from './harness.mjs';

const args = process.argv.slice(2);
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 ? args[at + 1] : fallback;
};
const ACTIONS = Number(option('--actions', 10000));
const SCREEN = option('--screen', '480x640');
let seed = Number(option('--seed', 1));
const MEMORY_LIMIT = 1.5;

// A small fixed random sequence, so that a failing run can be repeated with its seed.
function random() {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed / 2147483648;
}
const pickOf = (list) => list[Math.floor(random() * list.length)];

const KEYS = ['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'Enter', 'Backspace', 'Tab', 'Escape'];
const TYPED = ['0', '1', '2', '5', '7', '9', '.', ',', 'a', 'z', 'k', 'g', 'l', 'b', ' ', '-', '\u0001', '\u007f'];

function residentKb(pid) {
  return Number(/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);
}

const sanitizerReport = (text) => /ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:/.test(text);

const stateDir = freshDir('orvane-soak-');
const orvane = await startOrvane({ screen: SCREEN, stateDir });
const browser = await launchBrowser();
const problems = [];
let ended = null;
orvane.exited.then((how) => { ended = how; });
const counts = { tap: 0, key: 0, text: 0, home: 0 };
let memoryAfter100 = 0;
let memoryAtEnd = 0;
const started = Date.now();
try {
  const page = await browser.context.newPage();
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  await page.goto(orvane.url);
  // Past the disclaimer to the home list.
  await waitForUi(page, (ui) => findWindows(ui, () => true).length > 0, { what: 'the first screen' });
  const screen = page.locator('#screen');
  for (let i = 0; i < ACTIONS && ended === null && problems.length === 0; i++) {
    const box = await screen.boundingBox();
    const kind = random();
    if (i % 200 === 199) {
      await page.keyboard.press('Home');
      counts.home++;
    } else if (kind < 0.6 && box) {
      await page.mouse.click(box.x + random() * box.width, box.y + random() * box.height);
      counts.tap++;
    } else if (kind < 0.8) {
      await page.keyboard.press(pickOf(KEYS));
      counts.key++;
    } else {
      let text = '';
      const length = 1 + Math.floor(random() * 6);
      for (let k = 0; k < length; k++) text += pickOf(TYPED);
      await page.keyboard.type(text);
      counts.text++;
    }
    if (i === 99) memoryAfter100 = residentKb(orvane.proc.pid);
    if (sanitizerReport(orvane.stderr())) problems.push('sanitizer report');
  }
  if (ended === null) memoryAtEnd = residentKb(orvane.proc.pid);
} finally {
  await browser.close();
  await orvane.kill();
  removeDir(stateDir);
}
if (ended !== null && ended.signal !== 'SIGKILL') problems.push(`the program ended: ${JSON.stringify(ended)}`);
if (sanitizerReport(orvane.stderr())) problems.push(`sanitizer report:\n${orvane.stderr().slice(-4000)}`);
if (memoryAfter100 > 0 && memoryAtEnd > MEMORY_LIMIT * memoryAfter100) {
  problems.push(`memory grew from ${memoryAfter100} kB to ${memoryAtEnd} kB`);
}
console.log(`${counts.tap} taps, ${counts.key} keys, ${counts.text} texts typed, ${counts.home} times Home ` +
  `in ${((Date.now() - started) / 1000).toFixed(0)} s on ${SCREEN}; resident memory ${memoryAfter100} kB after 100 ` +
  `actions, ${memoryAtEnd} kB at the end`);
if (problems.length > 0) {
  console.error(problems.join('\n'));
  process.exit(1);
}
console.log('no console error, no program exit, no sanitizer report, memory within 1.5x');
