// Orvane as a clinician uses it, in a real browser, at both screen sizes and on both front ends
// (the program of `orvane serve`, and the offline build inside the page): start-up picture,
// disclaimer (ticked away for good), the home list in two columns, Back, Forward and Home, the A-Z
// search, a document with a weight row and a calculator with its live result and red message.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import {
  SCREENS, runOrvaneOnce, launchBrowser, freshDir, removeDir, snapshot,
  findWindows, waitForUi, shoot, windowLocator, listViews, tap, rowWith, chooseRow,
} from './harness.mjs';
import { frontEnds } from './front-ends.mjs';

const HOME = 40800;
const ATOZ = 40801;
const BACK = 40803;
const FORWARD = 40804;
const EXIT = 41002;

const isDontShow = (w) => w.cls === 'Button' && w.text === "Don't show this in the future";
const navButton = (ui, id) => findWindows(ui, (w) => w.cls === 'Button' && w.id === id)[0];
const viewers = (ui) => findWindows(ui, (w) => w.ctl && w.ctl.kind === 'htmlviewer');

// The home screen: two list views side by side holding the module list.
function homeLists(ui) {
  const lists = listViews(ui).filter((w) => w.ctl.rows.length > 0 || w.ctl.columns.length > 0);
  if (lists.length !== 2) return null;
  const [a, b] = lists.sort((x, y) => x.r[0] - y.r[0]);
  if (a.ctl.rows.length === 0) return null;
  return { left: a, right: b };
}

// The navigation buttons as the shell shows them: on the home screen A-Z without Home, on any
// other screen Home too.
const isHome = (ui) => (navButton(ui, ATOZ) && !navButton(ui, HOME) ? ui : null);
const awayFromHome = (ui) => (navButton(ui, HOME) ? ui : null);


const edits = (ui) => findWindows(ui, (w) => w.ctl && w.ctl.kind === 'edit' && !w.ctl.readOnly);
const weightBox = (ui) => findWindows(ui, (w) => w.ctl && w.ctl.kind === 'edit' && w.id === 40301)[0];
const viewerWith = (ui, pattern) => viewers(ui).find((v) => pattern.test(v.ctl.page)) ? ui : null;

// Types into an edit as a person would: tap it, clear it with Backspace, type.
async function typeInto(page, edit, text) {
  await windowLocator(page, edit.h).locator('input, textarea').click();
  await page.keyboard.press('End');
  for (let i = 0; i < edit.text.length + 2; i++) await page.keyboard.press('Backspace');
  await page.keyboard.type(text);
}

// The viewer's frame once it has laid out the page it holds now.
async function viewerFrame(page, ui) {
  const viewer = viewers(ui)[0];
  const frame = windowLocator(page, viewer.h).locator('iframe[data-ready="1"]');
  await frame.waitFor();
  return frame;
}

async function viewerText(page, ui) {
  await viewerFrame(page, ui);
  const viewer = viewers(ui)[0];
  const frame = page.frameLocator(`.win[data-h="${viewer.h}"] iframe`);
  return frame.locator('body').innerText();
}

// Whether the viewer's page shows some text in red.
async function viewerHasRed(page, ui) {
  const handle = await (await viewerFrame(page, ui)).elementHandle();
  const frame = await handle.contentFrame();
  return frame.evaluate(() => [...document.body.querySelectorAll('*')].some((el) => {
    const m = /rgb\((\d+), (\d+), (\d+)\)/.exec(getComputedStyle(el).color);
    return m && el.textContent.trim() && Number(m[1]) > 180 && Number(m[2]) < 90 && Number(m[3]) < 90;
  }));
}

async function goHome(page) {
  const ui = await waitForUi(page, (u) => isHome(u) || (navButton(u, HOME) ? u : null), { what: 'a Home button' });
  if (!isHome(ui)) await tap(page, navButton(ui, HOME));
  await waitForUi(page, isHome, { what: 'the home screen' });
}

// Waits for the screen a step needs; a missing screen fails the test.
async function screenThere(t, page, check, what) {
  return waitForUi(page, check, { timeout: 15000, what });
}

for (const frontEnd of frontEnds()) for (const screen of SCREENS) {
  describe(`Orvane in the browser at ${screen.name} (${frontEnd.name})`, { concurrency: false }, () => {
    let browser;
    let page;
    let orvane;
    const stateDir = freshDir(`orvane-state-${screen.name}-`);
    const prefix = frontEnd.name === 'serve' ? screen.name : `${frontEnd.name}-${screen.name}`;
    const shot = (name) => shoot(page, `${prefix}-${name}`);

    before(async () => {
      browser = await launchBrowser();
      page = await browser.context.newPage();
    });

    after(async () => {
      if (orvane) await orvane.kill();
      if (browser) await browser.close();
      removeDir(stateDir);
    });

    test('start-up shows the start-up picture on the handheld screen', async () => {
      orvane = await frontEnd.start({ screen: screen.name, stateDir });
      await page.goto(orvane.url);
      const ui = await waitForUi(page, (u) => {
        const main = findWindows(u, (w) => w.cls === 'Orvane 6.0')[0];
        return main && main.draw.some((c) => c.k === 'bmp') ? u : null;
      }, { what: 'the start-up picture' });
      assert.equal(ui.screen.w, screen.width);
      assert.equal(ui.screen.h, screen.height);
      const box = await page.locator('#screen').boundingBox();
      assert.equal(Math.round(box.width), screen.width);
      await shot('01-splash');
    });

    test('the disclaimer comes next; "Don\'t show this in the future" can be ticked', async () => {
      const ui = await waitForUi(page, (u) => findWindows(u, isDontShow)[0] && viewers(u).length ? u : null,
        { what: 'the disclaimer', timeout: 20000 });
      const box = findWindows(ui, isDontShow)[0];
      const viewer = viewers(ui)[0];
      // The page is in a frame that runs no scripts.
      const frame = windowLocator(page, viewer.h).locator('iframe');
      assert.equal(await frame.getAttribute('sandbox'), 'allow-same-origin');
      await shot('02-disclaimer');
      await windowLocator(page, box.h).locator('label').click();
      await waitForUi(page, (u) => (findWindows(u, isDontShow)[0] || {}).ctl?.check === 1,
        { what: 'the ticked box' });
      assert.equal(await windowLocator(page, box.h).locator('input').isChecked(), true);
      await shot('03-disclaimer-ticked');
      const close = findWindows(ui, (w) => w.cls === 'Button' && w.text === 'Close')[0];
      await windowLocator(page, close.h).locator('button').click();
    });

    test('the home list shows the modules in two columns', async (t) => {
      await waitForUi(page, isHome, { what: 'the home screen' });
      const lists = await screenThere(t, page, homeLists, 'the module list');
      const n = lists.left.ctl.rows.length + lists.right.ctl.rows.length;
      assert.ok(n >= 2, 'there are modules');
      assert.equal(lists.left.ctl.rows.length, Math.ceil(n / 2));
      assert.ok(lists.right.r[0] >= lists.left.r[2] - 1, 'the right column is right of the left one');
      // Drawn as real list rows.
      const rows = windowLocator(page, lists.left.h).locator('.row');
      assert.equal(await rows.count(), lists.left.ctl.rows.length);
      assert.equal(await rows.first().textContent(), lists.left.ctl.rows[0].cells[0].t);
      await shot('04-home');
      // Choosing an entry opens its module.
      await rows.first().click();
      const away = await waitForUi(page, awayFromHome, { what: 'the first module' });
      await shot('05-first-module');
      await tap(page, navButton(away, HOME));
      await waitForUi(page, isHome, { what: 'home again' });
    });

    test('Back, Forward and Home move through the history', async () => {
      await goHome(page);
      const home = await waitForUi(page, isHome, { what: 'the home screen' });
      await tap(page, navButton(home, ATOZ));
      const away = await waitForUi(page, (u) => (awayFromHome(u) && navButton(u, BACK) ? u : null),
        { what: 'the index with Back' });
      await shot('06-index');
      await tap(page, navButton(away, BACK));
      const back = await waitForUi(page, (u) => (isHome(u) && navButton(u, FORWARD) ? u : null),
        { what: 'home again with Forward' });
      await tap(page, navButton(back, FORWARD));
      const again = await waitForUi(page, (u) => (awayFromHome(u) && !navButton(u, FORWARD) ? u : null),
        { what: 'the index again' });
      await tap(page, navButton(again, HOME));
      await waitForUi(page, isHome, { what: 'home through Home' });
    });

    test('A-Z finds a topic by its first letters', async (t) => {
      await goHome(page);
      const home = await waitForUi(page, isHome, { what: 'the home screen' });
      await tap(page, navButton(home, ATOZ));
      const index = await screenThere(t, page,
        (u) => (awayFromHome(u) && findWindows(u, (w) => w.ctl && w.ctl.kind === 'edit')[0] ? u : null),
        'the index with its search box');
      const edit = findWindows(index, (w) => w.ctl && w.ctl.kind === 'edit')[0];
      // Each row carries the small image its list gives it, drawn from the program's bitmaps.
      const indexList = listViews(index)[0];
      const rowImage = indexList.ctl.rowImages[indexList.ctl.rows[0].image];
      assert.ok(rowImage && [444, 904].includes(rowImage.bitmap), 'the rows have their images');
      const picture = windowLocator(page, indexList.h).locator('.row').first().locator('svg.row-image image');
      assert.equal(await picture.getAttribute('href'), frontEnd.bitmapHref(rowImage.bitmap));
      assert.equal(await picture.evaluate((e) => e.ownerSVGElement.getAttribute('width')), '9');
      // The scroll bar moves the list a line down.
      const bar = findWindows(index, (w) => w.ctl && w.ctl.kind === 'scrollbar')[0];
      const firstRow = listViews(index)[0].ctl.rows[0].cells[0].t;
      await windowLocator(page, bar.h).locator('.arrow.fwd').click();
      await waitForUi(page, (u) => (listViews(u)[0]?.ctl.rows[0]?.cells[0].t !== firstRow ? u : null),
        { what: 'the list a line further down' });
      await windowLocator(page, bar.h).locator('.arrow.back').click();
      await waitForUi(page, (u) => (listViews(u)[0]?.ctl.rows[0]?.cells[0].t === firstRow ? u : null),
        { what: 'the list back at its top' });
      // A topic further down the list, found by its first letters.
      const list = listViews(index)[0];
      const wanted = list.ctl.rows[Math.min(6, list.ctl.rows.length - 1)].cells[0].t;
      const prefix = wanted.slice(0, 4).toLowerCase();
      // A box for words keeps the phone's normal keyboard.
      assert.equal(await windowLocator(page, edit.h).locator('input').getAttribute('inputmode'), null);
      await windowLocator(page, edit.h).locator('input').click();
      await page.keyboard.type(prefix);
      const found = await waitForUi(page, (u) => {
        const box = findWindows(u, (w) => w.h === edit.h)[0];
        const rows = listViews(u)[0]?.ctl.rows || [];
        const chosen = rows.find((row) => row.selected);
        return box && box.text === prefix && chosen && chosen.cells[0].t.toLowerCase().startsWith(prefix) ? u : null;
      }, { what: `the list at "${prefix}"` });
      assert.ok(found);
      await shot('07-index-search');
      await tap(page, navButton(index, HOME));
      await waitForUi(page, isHome, { what: 'home' });
    });

    test('a link in a page goes to the program as a link tap; the frame never navigates', async (t) => {
      await goHome(page);
      await tap(page, navButton(await waitForUi(page, isHome), ATOZ));
      const index = await screenThere(t, page, (u) => (awayFromHome(u) && edits(u)[0] ? u : null), 'the index');
      await windowLocator(page, edits(index)[0].h).locator('input').click();
      await page.keyboard.type('chest');
      const found = await waitForUi(page, (u) => {
        const list = listViews(u)[0];
        const index = list ? list.ctl.rows.findIndex((row) => row.selected && row.cells[0].t === 'Chest Pain (sample)') : -1;
        return index >= 0 ? { w: list, index } : null;
      }, { what: 'Chest Pain in the index' });
      await chooseRow(page, found);
      const doc = await waitForUi(page, (u) => viewers(u).find((v) => v.ctl.links.includes('83886084')) ? u : null,
        { what: 'the Chest Pain page with its link' });
      await viewerFrame(page, doc);
      await shot('15-page-with-link');
      await page.frameLocator(`.win[data-h="${viewers(doc)[0].h}"] iframe`).locator('a', { hasText: 'Syncope' }).click();
      const after = await waitForUi(page, (u) => (viewers(u).length && !viewerWith(u, /Chest Pain \(sample\) - General/) ? u : null),
        { what: 'the page the link leads to' });
      const frame = await viewerFrame(page, after);
      const href = await (await frame.elementHandle()).evaluate((f) => f.contentWindow.location.href);
      assert.equal(href, 'about:srcdoc');
      await shot('16-after-link');
      await goHome(page);
    });

    test('a document with a weight row recomputes doses; an impossible weight shows the red message', async (t) => {
      await goHome(page);
      await screenThere(t, page, homeLists, 'the module list');
      await chooseRow(page, await waitForUi(page, (u) => rowWith(u, 'Fluid Navix')));
      const menu = await screenThere(t, page, (u) => rowWith(u, 'Tyko Bolus Fluids'), 'the Fluid Navix menu');
      await chooseRow(page, menu);
      const doc = await screenThere(t, page, (u) => (weightBox(u) && viewerWith(u, /Bolus of 5 mL\/kg/) ? u : null),
        'the bolus page with its weight row');
      // A phone offers its keyboard for decimal numbers in the weight box.
      assert.equal(await windowLocator(page, weightBox(doc).h).locator('input').getAttribute('inputmode'), 'decimal');
      await typeInto(page, weightBox(doc), '12');
      const dosed = await waitForUi(page, (u) => viewerWith(u, /Bolus of 5 mL\/kg = 60(\.0)? mL/),
        { what: 'the boluses for 12 kg' });
      // The frame shows the page the program built.
      assert.match(await viewerText(page, dosed), /Bolus of 20 mL\/kg = 240(\.0)? mL/);
      // The unit of the weight is visible: the unit list shows "Kilograms" in a field tall enough
      // for its text, lying above the keypad rather than over it; the label stands whole.
      const unitList = findWindows(dosed, (w) => w.ctl && w.ctl.kind === 'combobox' && w.id === 40307)[0];
      assert.ok(unitList, 'the unit list is there');
      const select = windowLocator(page, unitList.h).locator('select');
      assert.equal(await select.evaluate((e) => e.selectedOptions[0].textContent), 'Kilograms');
      const field = await select.boundingBox();
      const fontPx = await select.evaluate((e) => parseFloat(getComputedStyle(e).fontSize));
      assert.ok(field.height >= fontPx, `the field (${field.height} px) holds its ${fontPx} px text`);
      // "Kilograms" fits beside the drop-down arrow: the text is no wider than the field's room for it.
      const room = await select.evaluate((e) => {
        const style = getComputedStyle(e);
        const canvas = document.createElement('canvas').getContext('2d');
        canvas.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
        const inner = e.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
        return { text: canvas.measureText(e.selectedOptions[0].textContent).width, inner };
      });
      assert.ok(room.text <= room.inner, `"Kilograms" (${room.text} px) fits its ${room.inner} px`);
      const one = findWindows(dosed, (w) => w.cls === 'Button' && w.text === '1')[0];
      const oneBox = await windowLocator(page, one.h).boundingBox();
      assert.ok(field.y + field.height <= oneBox.y + 0.5, 'the unit list lies above the keypad');
      const label = await page.locator('svg.draw text', { hasText: /^Child$/ }).first().boundingBox();
      const boxEl = await windowLocator(page, weightBox(dosed).h).boundingBox();
      assert.ok(label.x + label.width <= boxEl.x + 0.5, 'the "Child" label ends before the weight box');
      await shot('10-bolus-12kg');
      await page.keyboard.type('999');
      const refused = await waitForUi(page, (u) => (viewerWith(u, /./) && !viewerWith(u, /Bolus of/) ? u : null),
        { what: 'the red message for 12999 kg' });
      assert.ok(await viewerHasRed(page, refused), 'the message is red');
      await shot('11-bolus-red-message');
      for (let i = 0; i < 3; i++) await page.keyboard.press('Backspace');
      await waitForUi(page, (u) => viewerWith(u, /Bolus of 5 mL\/kg = 60(\.0)? mL/), { what: 'the boluses again' });
      await goHome(page);
    });

    test('a calculator shows its live result and the red message for a rejected input', async (t) => {
      await goHome(page);
      await screenThere(t, page, homeLists, 'the module list');
      await chooseRow(page, await waitForUi(page, (u) => rowWith(u, 'Fluid Navix')));
      const menu = await screenThere(t, page, (u) => rowWith(u, 'Fluids for Burns'), 'the Fluid Navix menu');
      await chooseRow(page, menu);
      const calc = await screenThere(t, page, (u) => (edits(u).length >= 2 ? u : null), 'the burn fluid calculator with its inputs');
      await shot('12-burn-calculator');
      const [weight, burned, hours, given] = edits(calc).sort((a, b) => a.r[1] - b.r[1] || a.r[0] - b.r[0]);
      // Every box of this calculator takes a decimal number.
      for (const box of edits(calc)) {
        assert.equal(await windowLocator(page, box.h).locator('input').getAttribute('inputmode'), 'decimal', `box ${box.id}`);
      }
      // The weight in kilograms: a choice in the unit list.
      const units = findWindows(calc, (w) => w.ctl && w.ctl.kind === 'combobox' && w.ctl.items.includes('Kilograms'))[0];
      if (units) {
        await windowLocator(page, units.h).locator('select').selectOption({ label: 'Kilograms' });
        await waitForUi(page, (u) => findWindows(u, (w) => w.h === units.h)[0]?.ctl.items[findWindows(u, (w) => w.h === units.h)[0].ctl.selected] === 'Kilograms',
          { what: 'kilograms chosen' });
      }
      await typeInto(page, weight, '20');
      await typeInto(page, burned, '30');
      if (hours) await typeInto(page, hours, '0');
      if (given) await typeInto(page, given, '0');
      // Parkland: 4 mL x 20 kg x 30 % = 2400 mL, half in the first 8 hours (1200 / 8 = 150 mL/hr)
      // on top of maintenance for 20 kg (4-2-1: 40 + 20 = 60 mL/hr): 210 mL/hr.
      const parkland = /estimated at 1200 mL/;
      const result = await waitForUi(page, (u) => viewerWith(u, parkland), { what: 'the Parkland volume' });
      const shown = await viewerText(page, result);
      assert.match(shown, /0-8 hrs: 210 mL\/hr/);
      assert.match(shown, /maintenance fluids are calculated at 60 mL\/hr/);
      await shot('13-burn-result');
      await typeInto(page, burned, '150');
      const refused = await waitForUi(page, (u) => (viewerWith(u, /<body>\s*\S/) && !viewerWith(u, /Parkland Formula/) ? u : null),
        { what: 'the red message for 150 %' });
      await shot('14-burn-red-message');
      assert.ok(await viewerHasRed(page, refused), `the message is red: ${viewers(refused)[0].ctl.page.slice(-300)}`);
      await goHome(page);
    });

    test('a second start exits with 16 and brings the running page to the front', { skip: !frontEnd.process }, async () => {
      const before = Number(await page.evaluate(() => document.body.dataset.focusRequests || 0));
      const code = await runOrvaneOnce({ screen: screen.name, stateDir });
      assert.equal(code, 16);
      await page.waitForFunction((n) => Number(document.body.dataset.focusRequests || 0) > n, before);
    });

    test('the exit button ends the program; the page says so', async (t) => {
      await goHome(page);
      const ui = await waitForUi(page, isHome, { what: 'the home screen' });
      const exit = findWindows(ui, (w) => w.id === EXIT)[0];
      assert.ok(exit, 'the exit button is on the home screen');
      await tap(page, exit);
      if (frontEnd.process) {
        const { code } = await orvane.exited;
        assert.equal(code, 0);
      }
      await page.waitForFunction(() => document.body.dataset.ended === '1');
      await shot('08-ended');
      if (!frontEnd.process) await orvane.kill();
      orvane = null;
    });

    test('at the next start the disclaimer stays away', async () => {
      if (orvane) await orvane.kill();
      orvane = await frontEnd.start({ screen: screen.name, stateDir });
      await page.goto(orvane.url);
      let sawDisclaimer = false;
      await waitForUi(page, (u) => {
        if (findWindows(u, isDontShow).length) sawDisclaimer = true;
        return isHome(u);
      }, { what: 'the home screen after the start-up picture', timeout: 20000 });
      assert.equal(sawDisclaimer, false);
      await shot('09-second-start-home');
    });
  });
}
