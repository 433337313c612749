// The characters the offline page's fonts keep when the build cuts them down (the whole DejaVu
// faces are about 700 KB each; the page needs a few hundred of their 6,000 glyphs). It does not
// cut the fonts itself (scripts/assemble_web.mjs runs pyftsubset with this set).
//
// The set is the union of two parts:
// - Fixed blocks, chosen wide enough for any text the program or a content file can put on the
//   screen: content is Windows-1252 text with the program's private symbol codes, so Latin-1,
//   Latin Extended-A and -B, Greek, general punctuation, super- and subscripts, currency,
//   letterlike symbols, number forms (fractions), arrows, mathematical operators and geometric
//   shapes (the page's own arrows). A character outside them (an HTML character reference in a
//   user's own content) is drawn with the browser's own sans-serif face, never as a blank.
// - Every non-ASCII character the program's own sources and the page's files write, as a literal
//   character, a \uXXXX escape or an HTML character reference (&#NNN; or &#xHH;), found when the
//   build runs: a new symbol in the program's texts is kept without anyone updating the blocks.
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { filesUnder } from './files_under.mjs';

export const FIXED_BLOCKS = [
  [0x0020, 0x007e], [0x00a0, 0x024f], [0x0370, 0x03ff], [0x2000, 0x206f], [0x2070, 0x209f],
  [0x20a0, 0x20cf], [0x2100, 0x214f], [0x2150, 0x218f], [0x2190, 0x21ff], [0x2200, 0x22ff],
  [0x25a0, 0x25ff],
];

// Where the program's and the page's texts are written.
export const TEXT_SOURCES = [
  'foundation', 'content', 'model', 'rendering', 'dosing', 'modules', 'calculators', 'suite', 'shell',
  'screens', 'platform', 'app', 'web', 'wasm',
];
const TEXT_FILE = /\.(cpp|h|js|mjs|html|css)$/;

// HTML reads the references &#128; to &#159; as the Windows-1252 characters of those bytes.
const WINDOWS_1252 = [
  0x20ac, 0x81, 0x201a, 0x192, 0x201e, 0x2026, 0x2020, 0x2021, 0x2c6, 0x2030, 0x160, 0x2039, 0x152, 0x8d, 0x17d,
  0x8f, 0x90, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x2dc, 0x2122, 0x161, 0x203a, 0x153, 0x9d,
  0x17e, 0x178,
];

// A character that draws: no control, no surrogate half, no byte-order mark.
function drawable(code) {
  return code >= 0x20 && !(code >= 0x7f && code < 0xa0) && !(code >= 0xd800 && code < 0xe000) && code !== 0xfeff;
}

// The non-ASCII characters one text writes, literally or escaped.
export function charactersWritten(text) {
  const found = new Set();
  for (const c of text) {
    const code = c.codePointAt(0);
    if (code > 0x7e) found.add(code);
  }
  for (const m of text.matchAll(/\\u([0-9a-fA-F]{4})/g)) found.add(parseInt(m[1], 16));
  for (const m of text.matchAll(/&#(?:([0-9]+)|[xX]([0-9a-fA-F]+));/g)) {
    const code = m[1] !== undefined ? Number(m[1]) : parseInt(m[2], 16);
    found.add(code >= 0x80 && code < 0xa0 ? WINDOWS_1252[code - 0x80] : code);
  }
  return [...found].filter((code) => code > 0x7e && drawable(code));
}

// The characters the program's sources and the page's files write (repo: the source tree).
export function programCharacters(repo) {
  const found = new Set(WINDOWS_1252.filter(drawable));
  for (const dir of TEXT_SOURCES) {
    for (const file of filesUnder(path.join(repo, dir), (name) => TEXT_FILE.test(name))) {
      for (const code of charactersWritten(readFileSync(path.join(repo, dir, file), 'utf8'))) found.add(code);
    }
  }
  return found;
}

// The whole set, as pyftsubset's --unicodes argument (U+0020-007E,U+2212,...).
export function unicodesArgument(repo) {
  const codes = new Set(programCharacters(repo));
  for (const [first, last] of FIXED_BLOCKS) for (let c = first; c <= last; c++) codes.add(c);
  const sorted = [...codes].sort((a, b) => a - b);
  const hex = (c) => c.toString(16).toUpperCase().padStart(4, '0');
  const ranges = [];
  for (let i = 0; i < sorted.length;) {
    let j = i;
    while (j + 1 < sorted.length && sorted[j + 1] === sorted[j] + 1) j++;
    ranges.push(i === j ? `U+${hex(sorted[i])}` : `U+${hex(sorted[i])}-${hex(sorted[j])}`);
    i = j + 1;
  }
  return ranges.join(',');
}
