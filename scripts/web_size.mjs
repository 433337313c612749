// What the offline page costs a phone to fetch: every file of the built folder, raw, gzipped at
// zlib's default level (6, what static hosts compressing on the fly commonly use) and as brotli at
// its highest quality (what hosts that precompress serve). It measures only; the build and the
// end-to-end tests decide what to do with the figures.
//
// usage: node scripts/web_size.mjs [WEB_DIR]   (default build/web; prints a table per file)
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { filesUnder } from './files_under.mjs';

// The most the whole build may weigh as transferred, compressed: 2 MB (decimal, the stricter).
export const BUDGET_BYTES = 2000000;

// One row a file ({ file, raw, gzip, brotli } in bytes) and their sums; brotli at its highest
// quality takes seconds, so it can be left out (0).
export function webSizes(dir, { brotli = true } = {}) {
  const rows = filesUnder(dir).map((file) => {
    const data = readFileSync(path.join(dir, file));
    return {
      file,
      raw: data.length,
      gzip: gzipSync(data).length,
      brotli: brotli ? brotliCompressSync(data, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length : 0,
    };
  });
  const total = { file: 'total', raw: 0, gzip: 0, brotli: 0 };
  for (const row of rows) for (const key of ['raw', 'gzip', 'brotli']) total[key] += row[key];
  return { rows, total };
}

function table({ rows, total }) {
  const big = rows.filter((r) => r.raw >= 10000);
  const small = rows.filter((r) => r.raw < 10000);
  const others = { file: `${small.length} smaller files`, raw: 0, gzip: 0, brotli: 0 };
  for (const row of small) for (const key of ['raw', 'gzip', 'brotli']) others[key] += row[key];
  const line = (r) => `${r.file.padEnd(40)} ${String(r.raw).padStart(9)} ${String(r.gzip).padStart(9)} ${String(r.brotli).padStart(9)}`;
  return [`${'file'.padEnd(40)} ${'raw'.padStart(9)} ${'gzip'.padStart(9)} ${'brotli'.padStart(9)}`,
    ...big.map(line), line(others), line(total)].join('\n');
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const dir = path.resolve(process.argv[2] || 'build/web');
  const sizes = webSizes(dir);
  console.log(table(sizes));
  const mb = (bytes) => (bytes / 1e6).toFixed(3);
  console.log(`as transferred: ${mb(sizes.total.gzip)} MB gzip, ${mb(sizes.total.brotli)} MB brotli ` +
    `(at most ${mb(BUDGET_BYTES)} MB)`);
}
