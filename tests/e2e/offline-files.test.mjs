// The offline build's folder as a host serves it, without a browser: what it weighs to fetch
// (compressed, as a static host sends it) and whether its cut-down fonts still hold every
// character the program measures and the page writes itself.
import { test, describe } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readdirSync, readFileSync, statSync } from 'node:fs';
import path from 'node:path';
import { repoDir } from './harness.mjs';
import { webDir } from './front-ends.mjs';
import { BUDGET_BYTES, webSizes } from '../../scripts/web_size.mjs';

const built = existsSync(path.join(webDir, 'orvane.wasm'));
const FONTS = ['DejaVuSans.ttf', 'DejaVuSans-Bold.ttf', 'DejaVuSansCondensed.ttf', 'DejaVuSansCondensed-Bold.ttf'];

// The character codes a font's Unicode map (Windows, BMP: the one browsers read) holds, as
// fontTools' ttx writes it out (installed by scripts/deps.sh).
function mappedCodes(file) {
  const xml = execFileSync('fonttools', ['ttx', '-q', '-t', 'cmap', '-o', '-', file], { encoding: 'utf8', maxBuffer: 1 << 26 });
  const table = xml.match(/<cmap_format_4 platformID="3" platEncID="1"[^>]*>([\s\S]*?)<\/cmap_format_4>/);
  assert.ok(table, `${file} has a Unicode map`);
  return new Set([...table[1].matchAll(/<map code="0x([0-9a-f]+)"/g)].map((m) => parseInt(m[1], 16)));
}

function jsFiles(dir) {
  const out = [];
  for (const name of readdirSync(dir)) {
    const full = path.join(dir, name);
    if (statSync(full).isDirectory()) out.push(...jsFiles(full));
    else if (name.endsWith('.js')) out.push(full);
  }
  return out;
}

// What the page must be able to draw: the characters the platform measures text with (its table
// of DejaVu advances), the Windows-1252 characters content text is written in, and the non-ASCII
// characters the page's own scripts write (the scroll bar's and calendar's arrows).
function charactersToDraw() {
  const codes = new Set();
  const widths = readFileSync(path.join(repoDir, 'platform', 'font_widths_dejavu.h'), 'utf8');
  for (const m of widths.matchAll(/\{0x([0-9A-F]{4}), +\d+\}/g)) codes.add(parseInt(m[1], 16));
  for (let c = 0xa0; c <= 0xff; c++) codes.add(c);
  const windows1252 = readFileSync(path.join(repoDir, 'foundation', 'windows1252.cpp'), 'utf8');
  for (const m of windows1252.matchAll(/u'\\u([0-9A-F]{4})'/g)) {
    const code = parseInt(m[1], 16);
    if (code >= 0xa0) codes.add(code);
  }
  for (const file of jsFiles(path.join(repoDir, 'web', 'static'))) {
    for (const c of readFileSync(file, 'utf8')) if (c.codePointAt(0) > 0x7e) codes.add(c.codePointAt(0));
  }
  return codes;
}

describe('the offline build\'s files', { skip: !built && 'build/web not built' }, () => {
  test('the whole build weighs at most 2 MB as transferred (gzip; brotli weighs less still)', () => {
    const { rows, total } = webSizes(webDir, { brotli: false });
    assert.ok(rows.some((r) => r.file === 'orvane.wasm') && rows.some((r) => r.file === 'orvane.data'));
    assert.ok(total.gzip <= BUDGET_BYTES, `gzip: ${total.gzip} bytes > ${BUDGET_BYTES}`);
  });

  test('each cut-down font holds every character the program measures and the page writes', () => {
    const wanted = charactersToDraw();
    assert.ok(wanted.size > 300, `${wanted.size} characters`);
    for (const font of FONTS) {
      const shipped = path.join(webDir, 'static', 'fonts', font);
      const mapped = mappedCodes(shipped);
      const missing = [...wanted].filter((c) => !mapped.has(c)).map((c) => `U+${c.toString(16).toUpperCase()}`);
      assert.deepEqual(missing, [], `${font} lacks characters`);
      // Cut down indeed: the whole face maps thousands of characters.
      assert.ok(mapped.size < 2000, `${font} maps ${mapped.size} characters`);
    }
  });
});
