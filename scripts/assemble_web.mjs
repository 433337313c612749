// Gathers the offline page into one static folder: the page's files (web/static) with an
// index.html that takes the offline line, the WebAssembly program (orvane.js, orvane.wasm,
// orvane.data), the page's fonts cut down to the characters it can show, the program's bitmaps,
// the web app manifest with icons cut from the program's splash picture (SVG, and PNG drawn by
// rsvg-convert), and a service worker that keeps every file of this build in a cache named after
// the build's content (a new build installs a new cache and removes the old).
//
// usage: node scripts/assemble_web.mjs WASM_BIN_DIR OUT_DIR
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { cpSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { filesUnder } from './files_under.mjs';
import { unicodesArgument } from './font_charset.mjs';

const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const [wasmDir, outDir] = process.argv.slice(2).map((p) => path.resolve(p));
if (!wasmDir || !outDir) {
  console.error('usage: node scripts/assemble_web.mjs WASM_BIN_DIR OUT_DIR');
  process.exit(2);
}
const FONT_DIR = '/usr/share/fonts/truetype/dejavu';
const FONTS = ['DejaVuSans.ttf', 'DejaVuSans-Bold.ttf', 'DejaVuSansCondensed.ttf', 'DejaVuSansCondensed-Bold.ttf'];
// The page may load its own files only, run WebAssembly, and show pictures the program hands it.
const POLICY = "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self' 'unsafe-inline'; " +
  "img-src 'self' blob:; font-src 'self'; connect-src 'self'; frame-src 'self' about:; " +
  "manifest-src 'self'; worker-src 'self'; base-uri 'self'; form-action 'none'";
// The splash picture's square around its mark (the white tile with the red cross, 52 units wide,
// centred on 50,56), as the icon; and a wider square of the same centre for a maskable icon, whose
// mark must lie inside the circle of 40% of its width that every mask keeps (the tile's corners
// reach 37 units from the centre: 96 * 0.4 = 38.4).
const ICON_VIEW = '16 22 68 68';
const MASKABLE_VIEW = '2 8 96 96';
// The PNG icons' widths (the sizes installers ask for).
const ICON_SIZES = [192, 512];

rmSync(outDir, { recursive: true, force: true });
mkdirSync(outDir, { recursive: true });
cpSync(path.join(repo, 'web', 'static'), path.join(outDir, 'static'), { recursive: true });
rmSync(path.join(outDir, 'static', 'index.html'));
mkdirSync(path.join(outDir, 'static', 'fonts'));
// Each face cut down to the characters the page can show (scripts/font_charset.mjs), with its
// hinting and layout kept: the same glyphs and advances as the whole font.
const unicodes = unicodesArgument(repo);
for (const font of FONTS) {
  execFileSync('pyftsubset', [path.join(FONT_DIR, font), `--unicodes=${unicodes}`,
    '--drop-tables+=FFTM', `--output-file=${path.join(outDir, 'static', 'fonts', font)}`],
  { stdio: ['ignore', 'inherit', 'inherit'] });
}
cpSync(path.join(repo, 'resources', 'bitmaps'), path.join(outDir, 'bitmaps'), { recursive: true });
for (const file of ['orvane.js', 'orvane.wasm', 'orvane.data']) {
  cpSync(path.join(wasmDir, file), path.join(outDir, file));
}

const splash = readFileSync(path.join(repo, 'resources', 'bitmaps', 'bitmap_4001.svg'), 'utf8');
// The picture without its words (the wider square would catch the name beside the mark).
const iconOf = (view) => splash.replace(/<svg[^>]*>/,
  `<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="${view}">`)
  .replace(/\s*<text[^>]*>[^<]*<\/text>/g, '');
writeFileSync(path.join(outDir, 'icon.svg'), iconOf(ICON_VIEW));
const pngIcons = [];
for (const [purpose, view] of [['any', ICON_VIEW], ['maskable', MASKABLE_VIEW]]) {
  for (const size of ICON_SIZES) {
    const name = purpose === 'any' ? `icon-${size}.png` : `icon-maskable-${size}.png`;
    execFileSync('rsvg-convert', ['--width', String(size), '--height', String(size), '--format', 'png',
      '--output', path.join(outDir, name)], { input: iconOf(view) });
    pngIcons.push({ src: name, sizes: `${size}x${size}`, type: 'image/png', purpose });
  }
}
writeFileSync(path.join(outDir, 'manifest.webmanifest'), JSON.stringify({
  name: 'Orvane',
  short_name: 'Orvane',
  description: 'Emergency-medicine reference and calculators, offline.',
  start_url: './',
  scope: './',
  display: 'standalone',
  orientation: 'portrait',
  background_color: '#3b4048',
  theme_color: '#163a7a',
  icons: [{ src: 'icon.svg', sizes: 'any', type: 'image/svg+xml', purpose: 'any' }, ...pngIcons],
}, null, 2) + '\n');

let page = readFileSync(path.join(repo, 'web', 'static', 'index.html'), 'utf8');
page = page.replace('data-line="serve"', 'data-line="offline"');
page = page.replace('<meta charset="utf-8">', `<meta charset="utf-8">\n<meta http-equiv="Content-Security-Policy" content="${POLICY}">`);
// What the start needs, asked for as the page's first lines are read rather than one after the
// other as the scripts come to ask: the program (orvane.js, then orvane.wasm and orvane.data,
// fetched as orvane.js fetches them so that it finds them arriving), the page's modules and the
// screen's two faces.
const modules = filesUnder(path.join(outDir, 'static'), (name) => name.endsWith('.js'));
const preloads = [
  '<link rel="preload" href="orvane.js" as="script">',
  '<link rel="preload" href="orvane.wasm" as="fetch" type="application/wasm" crossorigin>',
  '<link rel="preload" href="orvane.data" as="fetch" crossorigin>',
  ...modules.map((file) => `<link rel="modulepreload" href="static/${file}">`),
  ...['DejaVuSansCondensed.ttf', 'DejaVuSansCondensed-Bold.ttf'].map((font) =>
    `<link rel="preload" href="static/fonts/${font}" as="font" type="font/ttf" crossorigin>`),
];
page = page.replace('<title>Orvane</title>', '<title>Orvane</title>\n<link rel="manifest" href="manifest.webmanifest">\n' +
  '<link rel="icon" href="icon.svg" type="image/svg+xml">\n<meta name="theme-color" content="#163a7a">\n' +
  preloads.join('\n'));
if (!page.includes('data-line="offline"') || !page.includes('Content-Security-Policy')) {
  throw new Error('web/static/index.html is not laid out as expected');
}
writeFileSync(path.join(outDir, 'index.html'), page);

// Every file of the build, by its path from the folder; the cache's name from their contents.
const files = filesUnder(outDir);
const hash = createHash('sha256');
for (const file of files) hash.update(file).update('\0').update(readFileSync(path.join(outDir, file)));
const version = hash.digest('hex').slice(0, 16);
const worker = readFileSync(path.join(repo, 'web', 'offline', 'sw.js'), 'utf8')
  .replace("'BUILD_VERSION'", JSON.stringify(version))
  .replace("['BUILD_FILES']", JSON.stringify(['./', ...files]));
writeFileSync(path.join(outDir, 'sw.js'), worker);
console.log(`build/web: ${files.length + 1} files, cache orvane-${version}`);
