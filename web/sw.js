// SPDX-License-Identifier: GPL-3.0-or-later
// The page's service worker: on installing, it keeps every file of the page
// (the list and its version are written in when the page is built), then
// answers from that cache first, so the page opens and computes offline
// after the first visit. A new build has a new version, whose cache
// replaces the old one.
const VERSION = '@VERSION@';
const FILES = @FILES@;
const CACHE = `torvane-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith('torvane-') && key !== CACHE).map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const cached = await cache.match(request, { ignoreSearch: true });
    if (cached) return cached;
    try {
      return await fetch(request);
    } catch (error) {
      const page = request.mode === 'navigate' ? await cache.match('./index.html') : null;
      if (page) return page;
      throw error;
    }
  }));
});
