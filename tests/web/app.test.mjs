// The site installed as an app in Chromium, over the DevTools protocol on a
// pipe, from a web server of the test's own.  TAVRELON_SITE names the built
// site folder, TAVRELON_PAGE the page from disk.  Chromium's profile, HOME
// and XDG_DATA_HOME are in the scratch folder, and so is all that
// installing registers with the system.
import { after, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  cpSync,
  existsSync,
  mkdtempSync,
  readdirSync,
  readFileSync,
  rmSync,
  writeFileSync,
} from 'node:fs';
import { homedir, tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium, inline, policies, serve, until } from './browsers.mjs';

const site = process.env.TAVRELON_SITE;
const scratch = mkdtempSync(join(tmpdir(), 'tavrelon-app-'));
after(() => rmSync(scratch, { recursive: true, force: true }));
const home = join(scratch, 'home');
const launchers = (folder) =>
  existsSync(folder) ? readdirSync(folder).filter((name) => name.endsWith('.desktop')) : [];
const pcg = (bank, model) =>
  Buffer.concat([
    Buffer.from(`KORG${model}`.padEnd(51, ' ')),
    Buffer.from([bank]),
    Buffer.from(`${model} programs`),
  ]);
// In a page: its footer, its summary and its rows, or null while it loads.
const seen = (page) =>
  page
    .evaluate(
      () =>
        document.readyState === 'complete' && [
          document.querySelector('footer').textContent,
          document.getElementById('summary').textContent,
          ...[...document.querySelectorAll('#results li')].map((row) =>
            [...row.children].map((e) => (e.localName === 'select' ? '' : e.textContent)).join(''),
          ),
        ],
    )
    .catch(() => null);
const errors = [];
const visit = async (browser, url) => {
  const page = await browser.newPage();
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await page.goto(url);
  return page;
};
const cacheNames = (page) => page.evaluate(() => caches.keys());

test('the served page: its script and policy; the handler of PCG files alone; offline; a new version whole', async (t) => {
  await t.test('the served script as the page from disk, a policy of its own', () => {
    const [served, fromDisk] = [join(site, 'index.html'), process.env.TAVRELON_PAGE].map((file) =>
      readFileSync(file, 'utf8'),
    );
    assert.equal(inline(served, 'script'), inline(fromDisk, 'script'));
    assert.equal(...policies(served, " img-src 'self'; manifest-src 'self'; worker-src 'self';"));
  });
  const realLaunchers = join(homedir(), '.local', 'share', 'applications');
  const before = launchers(realLaunchers);
  const engine = await chromium({
    pipe: true,
    userDataDir: join(scratch, 'profile'),
    env: { ...process.env, HOME: home, XDG_DATA_HOME: join(home, 'share') },
  });
  t.after(() => engine.close());
  let server = await serve(site);
  t.after(() => server.close());
  const first = await visit(engine.browser, server.url);
  await first.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  const cdp = await first.createCDPSession();
  const manifestId = server.url;
  await t.test('installable with no console error', async () => {
    assert.deepEqual(errors, []);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  });
  try {
    await cdp.send('PWA.install', { manifestId });
  } catch (error) {
    if (!/wasn't found/.test(error.message)) throw error;
    t.skip(`this Chromium cannot install a web app over the protocol: ${error.message}`);
    return;
  }
  await t.test('installed: a handler of PCG files alone, a launcher in its home', async () => {
    const { fileHandlers } = await cdp.send('PWA.getOsAppState', { manifestId });
    assert.deepEqual(
      fileHandlers.map(({ action, accepts }) => [
        action,
        accepts.map((a) => [a.mediaType, a.fileExtensions.toSorted()]),
      ]),
      [[server.url, [['application/x-korg-pcg', ['.PCG', '.pcg']]]]],
    );
    const [launcher, ...more] = launchers(join(home, 'share', 'applications'));
    assert.deepEqual(more, []);
    const types = readFileSync(join(home, 'share', 'applications', launcher), 'utf8')
      .match(/^MimeType=(.*)$/m)[1]
      .split(';');
    assert.ok(
      types.includes('application/x-korg-pcg') && !types.includes('application/octet-stream'),
      types.join(';'),
    );
    assert.deepEqual(launchers(realLaunchers), before);
  });
  const files = {
    'Warm Pad.pcg': pcg(0, 'TRITON'),
    'STRINGS.PCG': pcg(2, 'KRONOS'),
    'notes.txt': Buffer.from('notes'),
  };
  const paths = Object.keys(files).map((name) => join(scratch, name));
  paths.forEach((path, i) => writeFileSync(path, Object.values(files)[i]));
  const version = (await seen(first))[0];
  await t.test('"Open with" two PCG files and a text file: the PCG files alone', async () => {
    await cdp.send('PWA.launchFilesInApp', { manifestId, files: paths });
    const opened = await until('the files in the app', async () =>
      (await Promise.all((await engine.browser.pages(true)).map(seen))).find((v) => v?.length > 2),
    );
    assert.deepEqual(opened, [
      version,
      '2 PCG files.',
      'Warm Pad.pcg: bank A',
      'STRINGS.PCG: bank C',
    ]);
  });
  await t.test('the host gone: a visit served by the worker changes a bank', async () => {
    await server.close();
    const offline = await visit(engine.browser, server.url);
    await offline.evaluate(() => caches.open('another site').then(() => true));
    await (await offline.$('#files')).uploadFile(paths[1]);
    await until('the file', async () => (await seen(offline))?.length === 3);
    await offline.select('#bank', 'D');
    await offline.click('#change');
    assert.deepEqual(
      await until('the change offline', async () =>
        (await seen(offline))?.[1].startsWith('Bank') ? seen(offline) : null,
      ),
      [
        version,
        'Bank D: 1 copy to download.',
        'STRINGS.PCG: bank C → D: a changed copy is ready; the file itself is unchanged until the copy replaces it' +
          'Download STRINGS.PCG',
      ],
    );
  });
  await t.test("a new version: the old one's visit whole, then the new one's", async () => {
    // The next visit is the old one's, whole, and brings the new one in;
    // once no page of the old one is open, the visit after is the new
    // one's, whole, and the old cache is gone, but not another site's on
    // the same host.
    const next = join(scratch, 'next');
    cpSync(site, next, { recursive: true });
    const edit = (name, from, to) =>
      writeFileSync(join(next, name), readFileSync(join(next, name), 'utf8').replace(from, to));
    edit('sw.js', /tavrelon-[^"]*/, 'tavrelon-next');
    edit(
      'index.html',
      /data-version="[^"]*">Tavrelon [^,]*,/,
      'data-version="next">Tavrelon next,',
    );
    server = await serve(next, server.port);
    for (const page of await engine.browser.pages(true))
      if (page.url().startsWith(server.url)) await page.close();
    const nextVisit = await visit(engine.browser, server.url);
    assert.equal((await seen(nextVisit))[0], version);
    await until('the new version waiting', () =>
      nextVisit.evaluate(
        async () => (await navigator.serviceWorker.getRegistration()).waiting !== null,
      ),
    );
    // The browser's own view of the workers, from a page of no origin.
    const workers = await (await engine.browser.newPage()).createCDPSession();
    const versions = new Map();
    workers.on('ServiceWorker.workerVersionUpdated', ({ versions: updated }) =>
      updated.forEach((v) => versions.set(v.versionId, v.status)),
    );
    await workers.send('ServiceWorker.enable');
    await nextVisit.close();
    await until(
      'the new version active',
      () =>
        [...versions.values()].includes('redundant') &&
        [...versions.values()].includes('activated'),
    );
    const visitAfter = await visit(engine.browser, server.url);
    assert.deepEqual(
      [(await seen(visitAfter))[0], (await cacheNames(visitAfter)).sort()],
      ['Tavrelon next, free software under the MIT license', ['another site', 'tavrelon-next']],
    );
  });
});
