// What a person sees on the calculator and document screens at both sizes: every week of a
// six-week month in the date calendar, labels standing whole beside their boxes, and long titles
// fitted into their band. Each check takes a screenshot of the handheld's screen.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import {
  SCREENS, startOrvane, launchBrowser, freshDir, removeDir, findWindows, waitForUi, shoot,
  windowLocator, listViews, tap, rowWith, chooseRow,
} from './harness.mjs';

const HOME = 40800;
const DATE_BUTTON = 40700;
const MONTHS = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August',
  'September', 'October', 'November', 'December'];

const navButton = (ui, id) => findWindows(ui, (w) => w.cls === 'Button' && w.id === id)[0];
const isHome = (ui) => (listViews(ui).length === 2 && !navButton(ui, HOME) ? ui : null);
const calendarOf = (ui) => findWindows(ui, (w) => w.ctl && w.ctl.kind === 'monthcal')[0];

async function goHome(page) {
  const ui = await waitForUi(page, (u) => (navButton(u, HOME) || isHome(u) ? u : null), { what: 'Home' });
  if (!isHome(ui)) await tap(page, navButton(ui, HOME));
  await waitForUi(page, isHome, { what: 'the home screen' });
}

// Opens an entry of a long list, moving down with the scroll bar until it is on the page.
async function chooseInList(page, label) {
  for (let step = 0; step < 100; step++) {
    const ui = await waitForUi(page, (u) => (listViews(u).length ? u : null), { what: 'a list' });
    const row = rowWith(ui, label);
    if (row) return chooseRow(page, row);
    const bar = findWindows(ui, (w) => w.ctl && w.ctl.kind === 'scrollbar' && w.shown !== false)[0];
    assert.ok(bar, `"${label}" is not on the list and there is nothing to scroll`);
    const top = listViews(ui)[0].ctl.rows[0].cells[0].t;
    await windowLocator(page, bar.h).locator('.arrow.fwd').click();
    await waitForUi(page, (u) => (listViews(u)[0]?.ctl.rows[0]?.cells[0].t !== top ? u : null),
      { what: 'the list a line further down' });
  }
  assert.fail(`"${label}" not found`);
}

async function openCalculator(page, name) {
  await goHome(page);
  await chooseRow(page, await waitForUi(page, (u) => rowWith(u, 'Calculators'), { what: 'Calculators' }));
  await waitForUi(page, (u) => rowWith(u, 'A-a Gradient'), { what: 'the calculator list' });
  await chooseInList(page, name);
}

// A label of the form drawn as one line, wholly inside its window and ending before the control
// on its right (the next window of the form to the right on the same row).
async function assertLabelWhole(page, ui, text) {
  const label = findWindows(ui, (w) => w.cls === 'Static' && w.text === text)[0];
  assert.ok(label, `the label "${text}" is on the form`);
  const drawn = windowLocator(page, label.h).locator('svg.draw text');
  assert.deepEqual(await drawn.allTextContents(), [text], `"${text}" is drawn on one line`);
  const box = await drawn.boundingBox();
  assert.ok(inside(box, await windowLocator(page, label.h).boundingBox()), `"${text}" lies inside its place`);
  const right = findWindows(ui, (w) => w.parent === label.parent && w.h !== label.h && w.r[0] >= label.r[2] &&
    w.r[1] < label.r[3] && w.r[3] > label.r[1])[0];
  if (right) {
    const control = await windowLocator(page, right.h).boundingBox();
    assert.ok(box.x + box.width <= control.x + 0.5, `"${text}" ends before the control beside it`);
  }
}

// Both boxes in page pixels; whether inner lies wholly inside outer.
function inside(inner, outer) {
  return inner.x >= outer.x - 0.5 && inner.y >= outer.y - 0.5 &&
    inner.x + inner.width <= outer.x + outer.width + 0.5 &&
    inner.y + inner.height <= outer.y + outer.height + 0.5;
}

for (const screen of SCREENS) {
  describe(`What the screens show at ${screen.name}`, { concurrency: false }, () => {
    let browser;
    let page;
    let orvane;
    const stateDir = freshDir(`orvane-screens-${screen.name}-`);
    const shot = (name) => shoot(page, `${screen.name}-screens-${name}`);

    before(async () => {
      orvane = await startOrvane({ screen: screen.name, stateDir });
      browser = await launchBrowser();
      page = await browser.context.newPage();
      await page.goto(orvane.url);
      const ui = await waitForUi(page, (u) => findWindows(u, (w) => w.cls === 'Button' && w.text === 'Close')[0] ? u : null,
        { what: 'the disclaimer', timeout: 20000 });
      const close = findWindows(ui, (w) => w.cls === 'Button' && w.text === 'Close')[0];
      await windowLocator(page, close.h).locator('button').click();
      await waitForUi(page, isHome, { what: 'the home screen' });
    });

    after(async () => {
      if (orvane) await orvane.kill();
      if (browser) await browser.close();
      removeDir(stateDir);
    });

    test('the calendar shows and takes the sixth week of August 2026', async () => {
      await openCalculator(page, 'Pregnancy Calculator');
      const form = await waitForUi(page, (u) => navButton(u, DATE_BUTTON), { what: 'the date button' });
      await tap(page, form);
      const ui = await waitForUi(page, (u) => (calendarOf(u) ? u : null), { what: 'the calendar' });
      const cal = windowLocator(page, calendarOf(ui).h);
      // Page to August 2026 with the calendar's arrows.
      for (let i = 0; i < 240; i++) {
        const shown = await cal.locator('.mc-head span').textContent();
        const [month, year] = shown.split(' ');
        const delta = (2026 - Number(year)) * 12 + (8 - (MONTHS.indexOf(month) + 1));
        if (delta === 0) break;
        await cal.locator(`button[data-step="${delta > 0 ? 1 : -1}"]`).click();
      }
      assert.equal(await cal.locator('.mc-head span').textContent(), 'August 2026');
      const box = await cal.boundingBox();
      // 1 August 2026 is a Saturday: the 30th and 31st are the sixth week's Sunday and Monday.
      for (const day of ['1', '29', '30', '31']) {
        const cell = cal.locator('.day:not(.other)', { hasText: new RegExp(`^${day}$`) });
        const cellBox = await cell.boundingBox();
        assert.ok(cellBox && inside(cellBox, box), `the ${day}th lies inside the calendar`);
        const fontPx = await cell.evaluate((e) => parseFloat(getComputedStyle(e).fontSize));
        assert.ok(cellBox.height >= fontPx, `the ${day}th's row holds its text`);
      }
      await shot('01-calendar-august-2026');
      await cal.locator('.day:not(.other)', { hasText: /^31$/ }).click();
      await waitForUi(page, (u) => (navButton(u, DATE_BUTTON)?.text === '8/31/2026' ? u : null),
        { what: 'the 31st of August chosen' });
      await shot('02-calendar-31st-chosen');
    });

    test('the pregnancy labels stand whole beside their boxes', async () => {
      await openCalculator(page, 'Pregnancy Calculator');
      const ui = await waitForUi(page, (u) => (navButton(u, DATE_BUTTON) ? u : null), { what: 'the pregnancy form' });
      await assertLabelWhole(page, ui, '1st day LMP:');
      await assertLabelWhole(page, ui, 'Weeks Pregnant:');
      await assertLabelWhole(page, ui, 'Days:');
      await shot('03-pregnancy-labels');
    });

    test('the osmolal gap labels stand whole beside their boxes', async () => {
      await openCalculator(page, 'Osmolal Gap');
      const ui = await waitForUi(page, (u) => (findWindows(u, (w) => w.text === 'Calculated osmolality')[0] ? u : null),
        { what: 'the osmolal gap form' });
      await assertLabelWhole(page, ui, 'Measured osmolality');
      await assertLabelWhole(page, ui, 'Calculated osmolality');
      await shot('04-osmolal-gap-labels');
    });

    test('a long document title is shortened with "..." inside its tab', async () => {
      await goHome(page);
      await tap(page, navButton(await waitForUi(page, isHome), 40801));
      const index = await waitForUi(page, (u) => (findWindows(u, (w) => w.ctl && w.ctl.kind === 'edit')[0] ? u : null),
        { what: 'the A-Z index' });
      await windowLocator(page, findWindows(index, (w) => w.ctl && w.ctl.kind === 'edit')[0].h).locator('input').click();
      await page.keyboard.type('sample document a');
      await chooseRow(page, await waitForUi(page, (u) => rowWith(u, 'Sample document A'), { what: 'the entry' }));
      const doc = await waitForUi(page, (u) => (findWindows(u, (w) => w.ctl && w.ctl.kind === 'htmlviewer' &&
        /Sample document A|stored document/.test(w.ctl.page))[0] ? u : null), { what: 'the document' });
      const main = findWindows(doc, (w) => w.cls === 'Orvane 6.0')[0];
      const texts = main.draw.filter((c) => c.k === 'text').map((c) => c.t);
      const title = texts.find((t) => t.startsWith('Sample docu') && t.endsWith('...'));
      assert.ok(title, `the title is shortened: ${JSON.stringify(texts)}`);
      // Drawn within the tab: it ends before the Home button.
      const drawn = page.locator('svg.draw text', { hasText: title }).first();
      const box = await drawn.boundingBox();
      const home = await windowLocator(page, navButton(doc, HOME).h).boundingBox();
      assert.ok(box.x + box.width <= home.x, 'the title ends before the Home button');
      assert.ok(box.x >= (await page.locator('#screen').boundingBox()).x, 'the title starts on the screen');
      await shot('05-long-title');
    });

    test('a link\'s pill icon stands beside its text', async () => {
      await openCalculator(page, 'Burn Area');
      const ui = await waitForUi(page, (u) => (findWindows(u, (w) => w.ctl && w.ctl.kind === 'htmlviewer' &&
        /IMG src="drug"/.test(w.ctl.page))[0] ? u : null), { what: 'the age links with their icons' });
      const viewer = findWindows(ui, (w) => w.ctl && w.ctl.kind === 'htmlviewer' && /IMG src="drug"/.test(w.ctl.page))[0];
      const frame = windowLocator(page, viewer.h).locator('iframe[data-ready="1"]');
      await frame.waitFor();
      const place = await (await (await frame.elementHandle()).contentFrame()).evaluate(() => {
        const link = [...document.querySelectorAll('a')].find((a) => a.querySelector('img'));
        const img = link.querySelector('img').getBoundingClientRect();
        const range = document.createRange();
        range.selectNodeContents(link.querySelector('u') || link);
        range.setStartAfter(link.querySelector('img'));
        const text = range.getBoundingClientRect();
        return { imgMid: img.top + img.height / 2, imgRight: img.right, textTop: text.top, textBottom: text.bottom, textLeft: text.left };
      });
      assert.ok(place.imgMid >= place.textTop && place.imgMid <= place.textBottom,
        `the icon's middle (${place.imgMid}) lies on the text's line (${place.textTop} to ${place.textBottom})`);
      assert.ok(place.imgRight <= place.textLeft + 0.5, 'the icon is left of its text');
      await shot('06-link-icons');
    });
  });
}
