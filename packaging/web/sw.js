// Keeps the page's files so that a page opened once also plays offline.
// A new build changes VERSION, and with it the cache.
const VERSION = 'numeri-relativi-@VERSION@';
const FILES = ['./', 'index.html', 'qtloader.js', 'numeri-relativi.js', 'numeri-relativi.wasm',
               'manifest.webmanifest', 'icona.png', 'icona-256.png'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(VERSION).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name !== VERSION).map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The network first, so that a new build is seen at once; the cache offline.
self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(fetch(event.request)
    .then(answer => {
      const copy = answer.clone();
      caches.open(VERSION).then(cache => cache.put(event.request, copy));
      return answer;
    })
    .catch(() => caches.match(event.request)));
});
