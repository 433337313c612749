// The offline page's service worker: keeps every file of one build in a cache named after that
// build, so that the page starts with the network off after its first visit. A new build's worker
// fills its own cache completely before it takes over, then removes the caches of older builds;
// the page reloads when that happens (web/static/line-offline.js), so a page never runs one
// build's files with another's. The build's version and file list are filled in by
// scripts/assemble_web.mjs.
const VERSION = 'BUILD_VERSION';
const FILES = ['BUILD_FILES'];
const CACHE = `orvane-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('orvane-') && n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    // The page itself by any address of it (its query picks the screen size).
    const key = request.mode === 'navigate' ? new URL('./', self.location.href).href : request;
    const kept = await cache.match(key, { ignoreSearch: request.mode === 'navigate' });
    return kept || fetch(request);
  }));
});
