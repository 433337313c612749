// Gathers the offline page into one static folder: the page's files (web/static) with an
// index.html that takes the offline line, the WebAssembly program (orvane.js, orvane.wasm,
// orvane.data), the page's fonts, the program's bitmaps, the web app manifest with an icon cut
// from the program's splash picture, and a service worker that keeps every file of this build in
// a cache named after the build's content (a new build installs a new cache and removes the old).
//
// usage: node scripts/assemble_web.mjs WASM_BIN_DIR OUT_DIR
import { createHash } from 'node:crypto';
import { cpSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

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
// The splash picture's square around its mark, as the icon.
const ICON_VIEW = '16 22 68 68';

rmSync(outDir, { recursive: true, force: true });
mkdirSync(outDir, { recursive: true });
cpSync(path.join(repo, 'web', 'static'), path.join(outDir, 'static'), { recursive: true });
rmSync(path.join(outDir, 'static', 'index.html'));
mkdirSync(path.join(outDir, 'static', 'fonts'));
for (const font of FONTS) cpSync(path.join(FONT_DIR, font), path.join(outDir, 'static', 'fonts', font));
cpSync(path.join(repo, 'resources', 'bitmaps'), path.join(outDir, 'bitmaps'), { recursive: true });
for (const file of ['orvane.js', 'orvane.wasm', 'orvane.data']) {
  cpSync(path.join(wasmDir, file), path.join(outDir, file));
}

const splash = readFileSync(path.join(repo, 'resources', 'bitmaps', 'bitmap_4001.svg'), 'utf8');
const icon = splash.replace(/<svg[^>]*>/, `<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="${ICON_VIEW}">`);
writeFileSync(path.join(outDir, 'icon.svg'), icon);
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
  icons: [{ src: 'icon.svg', sizes: 'any', type: 'image/svg+xml', purpose: 'any' }],
}, null, 2) + '\n');

let page = readFileSync(path.join(repo, 'web', 'static', 'index.html'), 'utf8');
page = page.replace('data-line="serve"', 'data-line="offline"');
page = page.replace('<meta charset="utf-8">', `<meta charset="utf-8">\n<meta http-equiv="Content-Security-Policy" content="${POLICY}">`);
page = page.replace('<title>Orvane</title>', '<title>Orvane</title>\n<link rel="manifest" href="manifest.webmanifest">\n' +
  '<link rel="icon" href="icon.svg" type="image/svg+xml">\n<meta name="theme-color" content="#163a7a">');
if (!page.includes('data-line="offline"') || !page.includes('Content-Security-Policy')) {
  throw new Error('web/static/index.html is not laid out as expected');
}
writeFileSync(path.join(outDir, 'index.html'), page);

// Every file of the build, by its path from the folder; the cache's name from their contents.
function listFiles(dir, prefix = '') {
  const out = [];
  for (const name of readdirSync(dir).sort()) {
    const full = path.join(dir, name);
    if (statSync(full).isDirectory()) out.push(...listFiles(full, `${prefix}${name}/`));
    else out.push(`${prefix}${name}`);
  }
  return out;
}
const files = listFiles(outDir);
const hash = createHash('sha256');
for (const file of files) hash.update(file).update('\0').update(readFileSync(path.join(outDir, file)));
const version = hash.digest('hex').slice(0, 16);
const worker = readFileSync(path.join(repo, 'web', 'offline', 'sw.js'), 'utf8')
  .replace("'BUILD_VERSION'", JSON.stringify(version))
  .replace("['BUILD_FILES']", JSON.stringify(['./', ...files]));
writeFileSync(path.join(outDir, 'sw.js'), worker);
console.log(`build/web: ${files.length + 1} files, cache orvane-${version}`);
