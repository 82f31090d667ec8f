// Makes the site folder any static web host serves: the page as
// index.html, with a manifest that lets a browser install it and makes it
// the system's handler of PCG files, a service worker that keeps the site's
// few files for offline use, and its icons.  The name, the version and the
// colours come from here and from the build, once.
// usage: node site.mjs PAGE.html STYLE.css ENTRY.js CORE.wasm LICENSE VERSION NODE_MODULES FOLDER
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { assemble } from './assemble.mjs';
import { iconPng, iconSvg } from './icon.mjs';

const [page, style, entry, core, license, version, nodeModules, folder] = process.argv.slice(2);
// The page's background, light and dark, as in style.css: an installed
// app's title bar takes it.
const light = '#fbfbfd';
const dark = '#17171b';
const icons = {
  'icon.svg': iconSvg(),
  'icon-192.png': iconPng(192),
  'icon-512.png': iconPng(512),
  'icon-maskable-512.png': iconPng(512, true),
  'apple-touch-icon.png': iconPng(180, true),
};
// The app's own type for PCG files, not application/octet-stream, which
// would make it the handler of every file a system cannot name.
const pcgType = 'application/x-korg-pcg';

const manifest = {
  id: './',
  name: 'Tavrelon',
  short_name: 'Tavrelon',
  description: 'Changes the bank of KORG PCG files',
  start_url: './',
  scope: './',
  display: 'standalone',
  background_color: light,
  theme_color: light,
  user_preferences: { color_scheme_dark: { background_color: dark, theme_color: dark } },
  icons: [
    { src: 'icon.svg', sizes: 'any', type: 'image/svg+xml' },
    { src: 'icon-192.png', sizes: '192x192', type: 'image/png' },
    { src: 'icon-512.png', sizes: '512x512', type: 'image/png' },
    { src: 'icon-maskable-512.png', sizes: '512x512', type: 'image/png', purpose: 'maskable' },
  ],
  // Files opened together arrive in one window.
  file_handlers: [
    { action: './', accept: { [pcgType]: ['.pcg', '.PCG'] }, launch_type: 'single-client' },
  ],
};

const head = `<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icon.svg" type="image/svg+xml">
<link rel="apple-touch-icon" href="apple-touch-icon.png">
<meta name="theme-color" content="${light}" media="(prefers-color-scheme: light)">
<meta name="theme-color" content="${dark}" media="(prefers-color-scheme: dark)">
`;
// Besides the page's own script and style: its icons, its manifest and its
// worker, from its own origin alone.
const policy = " img-src 'self'; manifest-src 'self'; worker-src 'self';";

const files = ['index.html', 'manifest.webmanifest', ...Object.keys(icons)];
// The worker serves the site's files from a cache of this version's own, and
// fetches nothing from elsewhere.  A new version's worker fills its own
// cache and takes over only once no page of the old one is open; then the
// old cache goes, and only it: a host may serve other sites' caches on the
// same origin.  So a page is always one version's, whole.
const worker = `// Tavrelon ${version}: keeps the site's own files for use offline.
const cacheName = ${JSON.stringify(`tavrelon-${version}`)};
const files = ${JSON.stringify(['./', ...files])};
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'reload' })))));
});
self.addEventListener('activate', (event) => {
  const older = (name) => name.startsWith('tavrelon-') && name !== cacheName;
  event.waitUntil(caches.keys().then((names) => Promise.all(names.filter(older).map((name) => caches.delete(name)))));
});
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(event.request)));
});
`;

mkdirSync(folder, { recursive: true });
writeFileSync(
  join(folder, 'index.html'),
  await assemble([page, style, entry, core, license], version, nodeModules, { head, policy }),
);
writeFileSync(join(folder, 'manifest.webmanifest'), `${JSON.stringify(manifest, null, 2)}\n`);
writeFileSync(join(folder, 'sw.js'), worker);
for (const [name, bytes] of Object.entries(icons)) writeFileSync(join(folder, name), bytes);
