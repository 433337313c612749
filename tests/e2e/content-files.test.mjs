// The offline page's own content files, as a user with content files of their own meets them:
// the page says which content is in use; files that are not content, damaged, cut short or huge
// are refused with a message that names each and why, nothing is kept and Orvane runs on with the
// content it had; a sound set (the compiled sample content less one file) replaces the shipped
// content as a whole, is kept across reloads (one in the middle of a screen too), and the program
// says the file it lacks as it does on Linux; a full storage keeps nothing and says so; "Use shipped
// content" goes back. The page of `orvane serve` has no such entry. Screenshots in
// build/e2e-screenshots/content-files-*.png.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { closeSync, existsSync, openSync, readdirSync, readFileSync, ftruncateSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import {
  launchBrowser, findWindows, waitForUi, rowWith, chooseRow, shotsDir, orvaneBin, freshDir, removeDir,
} from './harness.mjs';
import { offlineFrontEnd, serveFrontEnd, webDir } from './front-ends.mjs';

const built = existsSync(path.join(webDir, 'orvane.wasm'));
const contentDir = process.env.ORVANE_CONTENT_DIR || path.join(path.dirname(orvaneBin), '..', 'share', 'orvane', 'content');
const sampleNames = existsSync(contentDir) ? readdirSync(contentDir).filter((n) => n.endsWith('.pdb')).sort() : [];
const LEFT_OUT = 'vemra6_06a.pdb';

const isDontShow = (w) => w.cls === 'Button' && w.text === "Don't show this in the future";
const homeList = (ui) => (rowWith(ui, 'Fluid Navix') ? ui : null);
// The texts the home screen draws, its wrapped lines joined.
const mainText = (ui) => findWindows(ui, (w) => w.cls === 'Orvane 6.0')
  .flatMap((w) => w.draw.filter((c) => c.k === 'text').map((c) => c.t)).join(' ');
const sample = (name) => readFileSync(path.join(contentDir, name));
const file = (name, buffer) => ({ name, mimeType: 'application/octet-stream', buffer });

// The set kept in the page's storage: the names of its files, or null.
function keptNames(page) {
  return page.evaluate(() => new Promise((resolve, reject) => {
    const open = indexedDB.open('orvane', 1);
    open.onupgradeneeded = () => open.result.createObjectStore('content');
    open.onerror = () => reject(open.error);
    open.onsuccess = () => {
      const get = open.result.transaction('content').objectStore('content').get('loaded');
      get.onsuccess = () => { open.result.close(); resolve(get.result ? get.result.files.map((f) => f.name).sort() : null); };
      get.onerror = () => reject(get.error);
    };
  }));
}

// Picks files through the page's own button and file chooser.
async function pick(page, files) {
  const chooser = page.waitForEvent('filechooser');
  await page.locator('#content-load').click();
  const picker = await chooser;
  assert.equal(picker.isMultiple(), true);
  await picker.setFiles(files);
}

const message = (page) => page.locator('#content-message').innerText();
const inUse = (page) => page.locator('#content-in-use').textContent();

describe('content files loaded into the offline page', { skip: (!built && 'build/web not built') || (!sampleNames.length && 'no compiled content'), concurrency: false }, () => {
  let browser;
  let page;
  let site;
  const shot = (name) => page.screenshot({ path: path.join(shotsDir, `content-files-${name}.png`), fullPage: true });

  before(async () => {
    browser = await launchBrowser();
    page = await browser.context.newPage();
    site = await offlineFrontEnd.start({ screen: '240x320' });
  });

  after(async () => {
    if (site) await site.kill();
    if (browser) await browser.close();
  });

  test('the page says the shipped content is in use', async () => {
    await page.goto(site.url);
    const ui = await waitForUi(page, (u) => (findWindows(u, isDontShow)[0] ? u : null), { what: 'the disclaimer', timeout: 20000 });
    await page.locator(`.win[data-h="${findWindows(ui, isDontShow)[0].h}"] label`).click();
    await waitForUi(page, (u) => (findWindows(u, isDontShow)[0] || {}).ctl?.check === 1, { what: 'the ticked box' });
    const close = findWindows(ui, (w) => w.cls === 'Button' && w.text === 'Close')[0];
    await page.locator(`.win[data-h="${close.h}"] button`).click();
    await waitForUi(page, homeList, { what: 'the home list' });
    assert.equal(await inUse(page), 'Content in use: the sample content shipped with Orvane.');
    assert.equal(await page.locator('#content-load').textContent(), 'Load content files...');
    assert.equal(await page.locator('#content-shipped').isVisible(), false);
    await shot('01-shipped');
  });

  test('files that are not content, too large, damaged or foreign are refused; Orvane runs on', async () => {
    // Picked from disk: the huge file is one with a hole (it takes no room there).
    const dir = freshDir('orvane-picked-');
    const huge = path.join(dir, 'vemra6_05a.pdb');
    const fd = openSync(huge, 'w');
    ftruncateSync(fd, 17 * 1024 * 1024);
    closeSync(fd);
    writeFileSync(path.join(dir, 'notes.txt'), 'not a database');
    try {
      await pick(page, [path.join(dir, 'notes.txt'), huge]);
    } finally {
      removeDir(dir);
    }
    await page.waitForFunction(() => /Nothing was loaded/.test(document.getElementById('content-message').innerText));
    let said = await message(page);
    assert.match(said, /notes\.txt: not a content file \(content files end in \.pdb\)\./);
    assert.match(said, /vemra6_05a\.pdb: 17\.0 MB, larger than a content file can be \(at most 16\.0 MB\)\./);

    // Cut after its header, empty, and a sound database under a name that is no content file's.
    await pick(page, [
      file('vemra6_12a.pdb', sample('vemra6_12a.pdb').subarray(0, 80)),
      file('vemra6_13a.pdb', Buffer.alloc(0)),
      file('addressbook.pdb', sample('vemra6_12a.pdb')),
      file('vemra6_00a.pdb', sample('vemra6_00a.pdb')),
    ]);
    await page.waitForFunction(() => /addressbook/.test(document.getElementById('content-message').innerText));
    said = await message(page);
    assert.match(said, /^Nothing was loaded; the content in use is unchanged\./);
    assert.match(said, /vemra6_12a\.pdb: damaged or cut short: Orvane's content reader cannot open it\./);
    assert.match(said, /vemra6_13a\.pdb: damaged or cut short/);
    assert.match(said, /addressbook\.pdb: not one of Orvane's content files \(vemra6_00a\.pdb to vemra6_29a\.pdb and orvane_index\.pdb\)\./);
    assert.doesNotMatch(said, /(^|\n)vemra6_00a\.pdb:/, 'the sound file is not named');
    assert.equal(await page.locator('#content-message').getAttribute('data-kind'), 'error');
    await shot('02-refused');

    assert.equal(await keptNames(page), null, 'nothing was kept');
    assert.equal(await inUse(page), 'Content in use: the sample content shipped with Orvane.');
    // The program runs on the shipped content: a module opens.
    await chooseRow(page, await waitForUi(page, (u) => rowWith(u, 'Fluid Navix')));
    await waitForUi(page, (u) => rowWith(u, 'Tyko Bolus Fluids'), { what: 'the Fluid Navix menu' });
    assert.equal(await page.evaluate(() => document.body.dataset.ended), undefined);
  });

  test('a sound set replaces the shipped content as a whole and is kept across reloads', async () => {
    const set = sampleNames.filter((n) => n !== LEFT_OUT);
    const reloaded = page.waitForEvent('load');
    await pick(page, set.map((n) => file(n, sample(n))));
    await reloaded;
    const home = await waitForUi(page, (u) => (homeList(u) && /Content files missing/.test(mainText(u)) ? u : null),
      { what: 'the home list on the loaded content', timeout: 20000 });
    // The file the set lacks is missing, not filled in from the shipped content; the program says so
    // in its own words, as it does for a content folder on Linux.
    assert.ok(mainText(home).includes(`Content files missing (1 of ${sampleNames.length}) in content folder /loaded-content/`),
      mainText(home));
    assert.match(await inUse(page), new RegExp(`^Content in use: your ${set.length} content files, loaded .+\\.$`));
    assert.equal(await page.locator('#content-shipped').isVisible(), true);
    assert.deepEqual(await keptNames(page), set);
    await shot('03-loaded');

    // A reload in the middle of a screen starts cleanly on the same content.
    await chooseRow(page, home && rowWith(home, 'Fluid Navix'));
    const menu = await waitForUi(page, (u) => rowWith(u, 'Tyko Bolus Fluids'), { what: 'the Fluid Navix menu' });
    await chooseRow(page, menu);
    await waitForUi(page, (u) => (findWindows(u, (w) => w.ctl && w.ctl.kind === 'htmlviewer' && /Bolus of 5 mL\/kg/.test(w.ctl.page))[0] ? u : null),
      { what: 'the bolus page from the loaded content' });
    await page.reload();
    await waitForUi(page, (u) => (homeList(u) && /Content files missing \(1 of/.test(mainText(u)) ? u : null),
      { what: 'the home list after the reload', timeout: 20000 });
    assert.match(await inUse(page), new RegExp(`your ${set.length} content files`));
  });

  test('a full storage keeps nothing and says so; the loaded set stays in use', async () => {
    const full = await browser.context.newPage();
    await full.addInitScript(() => {
      IDBObjectStore.prototype.put = function put() {
        throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
      };
    });
    try {
      await full.goto(site.url);
      await waitForUi(full, homeList, { what: 'the home list', timeout: 20000 });
      await pick(full, sampleNames.map((n) => file(n, sample(n))));
      await full.waitForFunction(() => /not kept/.test(document.getElementById('content-message').innerText));
      assert.equal(await message(full),
        'The files were not kept: the browser\'s storage for this page is full. The content in use is unchanged.');
      assert.match(await inUse(full), /your \d+ content files/);
      assert.deepEqual(await keptNames(full), sampleNames.filter((n) => n !== LEFT_OUT));
      assert.equal(await full.evaluate(() => document.body.dataset.ended), undefined);
    } finally {
      await full.close();
    }
  });

  test('"Use shipped content" goes back to the content shipped with the page', async () => {
    const reloaded = page.waitForEvent('load');
    await page.locator('#content-shipped').click();
    await reloaded;
    const home = await waitForUi(page, homeList, { what: 'the home list on the shipped content', timeout: 20000 });
    assert.doesNotMatch(mainText(home), /Content files missing/);
    assert.equal(await inUse(page), 'Content in use: the sample content shipped with Orvane.');
    assert.equal(await page.locator('#content-shipped').isVisible(), false);
    assert.equal(await keptNames(page), null);
  });
});

describe('the page of orvane serve', { concurrency: false }, () => {
  test('has no entry for content files: the program reads its own folder', async () => {
    const stateDir = freshDir('orvane-state-content-');
    const browser = await launchBrowser();
    const orvane = await serveFrontEnd.start({ screen: '240x320', stateDir });
    try {
      const page = await browser.context.newPage();
      await page.goto(orvane.url);
      await waitForUi(page, (u) => (findWindows(u, (w) => w.cls === 'Orvane 6.0')[0] ? u : null), { what: 'the program' });
      assert.equal(await page.locator('#content-files').isVisible(), false);
      assert.equal(await page.locator('#content-load').isVisible(), false);
    } finally {
      await orvane.kill();
      await browser.close();
      removeDir(stateDir);
    }
  });
});
