// The two front ends the page runs on, started the same way for the end-to-end tests: `orvane
// serve` (the program as a process, the page over HTTP) and the offline build (build/web/, the
// program inside the page), served from a plain static file server on a free port as any static
// host would serve it. Each start gives { url, kill(), exited (serve only) }; the offline
// program's state is the browser profile's storage.
import { createReadStream, existsSync, statSync } from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { repoDir, startOrvane } from './harness.mjs';

export const webDir = process.env.ORVANE_WEB_DIR || path.join(repoDir, 'build', 'web');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.svg': 'image/svg+xml', '.ttf': 'font/ttf',
  '.webmanifest': 'application/manifest+json',
};

// A static file server of a folder, as any static web host; counts what it was asked for.
export function serveFolder(dir) {
  const requests = [];
  const server = http.createServer((req, res) => {
    const url = new URL(req.url, 'http://localhost');
    requests.push(url.pathname);
    let file = path.normalize(path.join(dir, decodeURIComponent(url.pathname)));
    if (!file.startsWith(dir)) { res.writeHead(403).end(); return; }
    if (url.pathname.endsWith('/')) file = path.join(file, 'index.html');
    if (!existsSync(file) || !statSync(file).isFile()) { res.writeHead(404).end(); return; }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-cache' });
    createReadStream(file).pipe(res);
  });
  // It never keeps the tests' process alive by itself.
  server.unref();
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    const origin = `http://127.0.0.1:${server.address().port}`;
    resolve({ origin, requests, close: () => new Promise((r) => { server.closeAllConnections(); server.close(r); }) });
  }));
}

export const serveFrontEnd = {
  name: 'serve',
  process: true,
  start: ({ screen, stateDir }) => startOrvane({ screen, stateDir }),
  bitmapHref: (id) => `/api/bitmap/${id}`,
};

// One static host for the whole run: the page's storage belongs to its origin, so a later start
// (a reload, the next visit) must come from the same address. Ending a start leaves it serving.
let host = null;

export const offlineFrontEnd = {
  name: 'offline',
  process: false,
  async start({ screen }) {
    if (!host) host = serveFolder(webDir);
    const server = await host;
    return { url: `${server.origin}/?screen=${screen}`, origin: server.origin, requests: server.requests, kill: async () => {} };
  },
  bitmapHref: (id) => `bitmaps/bitmap_${id}.svg`,
};

// The front ends there are: the offline one once its folder has been built (scripts/build_web.sh).
export function frontEnds() {
  return existsSync(path.join(webDir, 'orvane.wasm')) ? [serveFrontEnd, offlineFrontEnd] : [serveFrontEnd];
}
