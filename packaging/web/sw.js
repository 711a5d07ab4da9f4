// Keeps one build of the page whole, so that a page opened once also plays
// offline and never mixes the files of two builds. The build names the
// files and makes VERSION from all their contents.
const VERSION = 'numeri-relativi-@VERSION@';
const FILES = ['./', @FILES@];

// Every file as the server has it now: what the browser's own cache holds
// already is asked about (a 304), not fetched again. The set is stored only
// once every answer is good, else nothing is kept.
self.addEventListener('install', event => {
  event.waitUntil(Promise.all(FILES.map(file => fetch(new Request(file, {cache: 'no-cache'})).then(answer => {
    if (!answer.ok)
      throw new Error(`${file}: ${answer.status}`);
    return [file, answer];
  }))).then(answers => caches.open(VERSION)
    .then(cache => Promise.all(answers.map(([file, answer]) => cache.put(file, answer))))
    .catch(error => caches.delete(VERSION).then(() => { throw error; }))));
});

// The page asks for the waiting version when the pupil agrees to it.
self.addEventListener('message', event => {
  if (event.data === 'aggiorna')
    self.skipWaiting();
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name.startsWith('numeri-relativi-') && name !== VERSION)
      .map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The stored build first, whatever the server says now; the network only
// for what it does not hold.
self.addEventListener('fetch', event => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin)
    return;
  event.respondWith(caches.open(VERSION)
    .then(cache => cache.match(request, {ignoreSearch: true})
      .then(found => found || (request.mode === 'navigate' ? cache.match('./') : undefined)))
    .then(found => found || fetch(request)));
});
