// SPDX-License-Identifier: GPL-3.0-or-later
// The site's service worker: every file of one build in a cache named by the build's hash, so that
// after the first visit the program starts with the network off. A new build brings a new worker
// (its hash changed), which keeps the new files and drops the old cache once it takes over.
'use strict';
const CACHE = 'maaltafels-@BUILD_HASH@';
const FILES = @FILES@;

self.addEventListener('install', event => {
    event.waitUntil(caches.open(CACHE)
        .then(cache => cache.addAll(FILES.map(f => new Request(f, {cache: 'reload'}))))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(n => n.startsWith('maaltafels-') && n !== CACHE)
                                        .map(n => caches.delete(n))))
        .then(() => self.clients.claim()));
});

// The build's files from the cache; only what it does not hold goes to the network.
self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.open(CACHE)
        .then(cache => cache.match(event.request, {ignoreSearch: true}))
        .then(kept => kept || fetch(event.request)));
});
