// The front end's HTTP interface against bad and hostile requests: each gets a 4xx answer, the
// program keeps running and its screen does not change.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import http from 'node:http';
import { startOrvane, freshDir, removeDir } from './harness.mjs';

function request(orvane, { method = 'GET', path = '/', headers = {}, body = null, token = true, chunked = false }) {
  const url = new URL(orvane.origin);
  const all = { Host: url.host, ...headers };
  if (token && !('X-Orvane-Token' in all)) all['X-Orvane-Token'] = orvane.token;
  for (const [k, v] of Object.entries(all)) if (v === null) delete all[k];
  return new Promise((resolve, reject) => {
    const req = http.request({ host: url.hostname, port: url.port, method, path, headers: all }, (res) => {
      const chunks = [];
      res.on('data', (c) => chunks.push(c));
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, body: Buffer.concat(chunks) }));
    });
    req.on('error', reject);
    if (body !== null && !chunked) req.setHeader('Content-Length', Buffer.byteLength(body));
    if (body !== null) req.write(body);
    req.end();
  });
}

const json = (orvane, body, headers = {}) => request(orvane, {
  method: 'POST', path: '/api/input', body, headers: { 'Content-Type': 'application/json', ...headers },
});

async function screenVersion(orvane) {
  const res = await request(orvane, { path: '/api/snapshot' });
  assert.equal(res.status, 200);
  return JSON.parse(res.body).version;
}

async function waitForScreen(orvane) {
  for (let i = 0; i < 200; i++) {
    const res = await request(orvane, { path: '/api/snapshot' });
    if (res.status === 200) return JSON.parse(res.body);
    await new Promise((r) => setTimeout(r, 50));
  }
  throw new Error('no screen published');
}

describe('the HTTP interface refuses what it must', { concurrency: false }, () => {
  let orvane;
  const stateDir = freshDir('orvane-http-');
  before(async () => {
    orvane = await startOrvane({ screen: '240x320', stateDir });
    await waitForScreen(orvane);
  });
  after(async () => {
    await orvane.kill();
    removeDir(stateDir);
  });

  test('the address printed is on loopback with a long random token', () => {
    assert.match(orvane.url, /^http:\/\/127\.0\.0\.1:\d+\/\?token=[0-9a-f]{32}$/);
  });

  test('requests without the token, with a wrong one, or from another site are refused', async () => {
    assert.equal((await request(orvane, { path: '/api/snapshot', token: false })).status, 403);
    assert.equal((await request(orvane, { path: '/', token: false })).status, 403);
    assert.equal((await request(orvane, { path: '/api/snapshot', headers: { 'X-Orvane-Token': 'x'.repeat(32) } })).status, 403);
    assert.equal((await request(orvane, { path: '/api/snapshot', headers: { Host: 'evil.example:80' } })).status, 403);
    const port = new URL(orvane.origin).port;
    assert.equal((await request(orvane, { path: '/api/snapshot', headers: { Host: `rebound.example:${port}` } })).status, 403);
    assert.equal((await request(orvane, { path: '/api/snapshot', headers: { Origin: 'http://evil.example' } })).status, 403);
    assert.equal((await request(orvane, { path: '/api/snapshot', headers: { 'Sec-Fetch-Site': 'cross-site' } })).status, 403);
    assert.equal((await json(orvane, '{"kind":"key","key":"Down"}', { Origin: 'http://evil.example' })).status, 403);
    // The page with the token in its address sets the page's cookie.
    const page = await request(orvane, { path: `/?token=${orvane.token}`, token: false });
    assert.equal(page.status, 200);
    assert.match(String(page.headers['set-cookie']), /HttpOnly; SameSite=Strict/);
    assert.match(String(page.headers['content-security-policy']), /default-src 'none'/);
  });

  test('malformed input gets 4xx and changes nothing', async () => {
    const version = await screenVersion(orvane);
    const cases = [
      [json(orvane, '{"kind":'), 400],
      [json(orvane, '{"kind":"explode"}'), 400],
      [json(orvane, '{"kind":"tap","x":"a","y":1}'), 400],
      [json(orvane, '{"kind":"choose","window":999999,"index":0}'), 409],
      [json(orvane, '{"kind":"link","window":999999,"target":"1"}'), 409],
      [request(orvane, { method: 'POST', path: '/api/input', body: '{"kind":"key","key":"Down"}', headers: { 'Content-Type': 'text/plain' } }), 415],
      [json(orvane, JSON.stringify({ kind: 'chars', text: 'x'.repeat(100000) })), 413],
      [request(orvane, { method: 'POST', path: '/api/input', chunked: true, body: '{"kind":"key","key":"Down"}', headers: { 'Content-Type': 'application/json' } }), 411],
    ];
    for (const [pending, status] of cases) {
      const res = await pending;
      assert.equal(res.status, status, String(res.body));
    }
    assert.equal(await screenVersion(orvane), version);
  });

  test('a window of the wrong kind refuses the input with 422', async () => {
    const { ui } = await waitForScreen(orvane);
    const main = ui.windows.find((w) => w.cls === 'Orvane 6.0');
    assert.ok(main);
    const version = await screenVersion(orvane);
    const res = await json(orvane, JSON.stringify({ kind: 'choose', window: main.h, index: 0 }));
    assert.equal(res.status, 422);
    assert.equal(await screenVersion(orvane), version);
  });

  test('pictures come only from the program and the content folder', async () => {
    const home = await request(orvane, { path: '/api/image/home' });
    assert.equal(home.status, 200);
    assert.equal(home.headers['content-type'], 'image/svg+xml');
    for (const path of ['/api/image/..%2F..%2Fetc%2Fpasswd', '/api/image/%2Fetc%2Fpasswd',
      '/api/image/..', '/api/image/a%5Cb', '/api/image/nothing-here.png',
      '/api/bitmap/0', '/api/bitmap/99999', '/api/bitmap/..%2F..']) {
      const res = await request(orvane, { path });
      assert.ok(res.status >= 400 && res.status < 500, `${path}: ${res.status}`);
    }
    const bitmap = await request(orvane, { path: '/api/bitmap/108' });
    assert.equal(bitmap.status, 200);
    const font = await request(orvane, { path: '/static/fonts/DejaVuSans.ttf' });
    assert.equal(font.status, 200);
    assert.equal((await request(orvane, { path: '/static/../CMakeLists.txt' })).status, 404);
  });

  test('the page\'s script modules are served as JavaScript, and nothing beside them', async () => {
    for (const path of ['/static/main.js', '/static/controls/edit.js']) {
      const res = await request(orvane, { path });
      assert.equal(res.status, 200, path);
      assert.match(String(res.headers['content-type']), /^text\/javascript/);
    }
    for (const path of ['/static/nothing.js', '/static/app.js', '/static/..%2Fweb_mirror.js',
      '/static/controls/../main.js', '/static/%2E%2E/%2E%2E/CMakeLists.txt']) {
      assert.equal((await request(orvane, { path })).status, 404, path);
    }
  });

  test('after all that the program still answers', async () => {
    const res = await json(orvane, '{"kind":"key","key":"Down"}');
    assert.equal(res.status, 200);
    assert.ok(['delivered', 'ignored'].includes(JSON.parse(res.body).outcome));
  });
});
