// How fast the page is in Chromium: its start-up, from the navigation until
// it is ready to pick; and, timed inside the page, from the event (a
// pick's change, a click) to the frame in which every row shows what it
// should (its bank with its choice of bank, or its change), with the
// longest task meanwhile: 1,000 files of 69 KB picked with the File System
// Access API hidden (as Firefox and Safari lack it) and changed to three
// banks and their copies made into one zip, then picked and saved in place
// as file handles; a folder of 10,000 files (100 PCG files among samples) by
// its input and by its handle.  Each figure
// stands beside a bare read of the first 52 bytes of 1,000 other files in
// the same window, the floor a page cannot go below.  It prints figures and
// judges nothing; on a busy machine they vary by a tenth from run to run.
//   node bench/benchmark.mjs build/web/Tavrelon-VERSION.html
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium, countTails, makeOriginFiles, serve, tailsRead } from '../tests/web/browsers.mjs';

const scratch = mkdtempSync(join(tmpdir(), 'tavrelon-benchmark-'));
const content = Buffer.alloc(69 * 1024, 'program data ');
content.write('KORG');
content[51] = 7;
const files = {};
for (let i = 0; i < 1000; i++)
  Object.assign(files, { [`picked/patch ${i}.pcg`]: 'pcg', [`other/other ${i}.pcg`]: 'pcg' });
for (let i = 0; i < 10000; i++)
  files[`set/part ${i % 20}/${i < 100 ? `PATCH ${i}.PCG` : `sample ${i}.wav`}`] =
    i < 100 ? 'pcg' : 'wav';
const onDisk = (folder) =>
  Object.keys(files)
    .filter((path) => path.startsWith(`${folder}/`))
    .map((path) => join(scratch, path));

// In the page: long tasks, the time of the last event, and figures(done):
// [seconds from that event to the first frame in which done() holds, the
// longest task of the page's own meanwhile].  The task that hands the event
// over also holds the browser's own work (a pick's thousand files): of it,
// only the page's handlers count.  The page is ready, its start-up done,
// once "Bank" lists the letters, at window.ready.  hide hides the File
// System Access API.
function instrument(hide) {
  if (hide) Object.defineProperty(window, 'showOpenFilePicker', { value: undefined });
  window.tasks = [];
  new PerformanceObserver((list) => window.tasks.push(...list.getEntries())).observe({
    type: 'longtask',
  });
  const ready = new MutationObserver(() => {
    if (!document.getElementById('bank')?.options.length) return;
    window.ready = performance.now();
    ready.disconnect();
  });
  ready.observe(document, { childList: true, subtree: true });
  // A zip handed to the downloads.
  const { click } = HTMLAnchorElement.prototype;
  HTMLAnchorElement.prototype.click = function () {
    if (this.download.endsWith('.zip')) window.zipped = true;
    return click.call(this);
  };
  // The page's own clicks (a download's link) start nothing.
  for (const type of ['change', 'click']) {
    const own = (event) => event.isTrusted || type === 'change';
    addEventListener(
      type,
      (event) => {
        if (own(event)) window.started = performance.now();
      },
      true,
    );
    addEventListener(type, (event) => {
      if (own(event)) window.handled = performance.now() - window.started;
    });
  }
  window.figures = (done) =>
    new Promise((resolve) => {
      const tick = () => (done() ? resolve(performance.now()) : requestAnimationFrame(tick));
      requestAnimationFrame(tick);
    }).then(async (end) => {
      await new Promise((resolve) => setTimeout(resolve, 200));
      const longest = Math.max(
        window.handled ?? 0,
        ...window.tasks.filter((t) => t.startTime > window.started).map((t) => t.duration),
      );
      return [(end - window.started) / 1000, longest / 1000];
    });
}
// The figures of act, done when rows rows have a status that matches
// pattern, and then when they also have their choice of bank, where the
// page gives rows one (an older page does not).  Each starts from a heap
// collected of the garbage the benchmark itself left (thousands of
// handles), which would otherwise be collected in the middle of it, in one
// task of a few hundred milliseconds.
const timed = async (s, act, pattern, rows = 1000) => {
  await (await s.page.createCDPSession()).send('HeapProfiler.collectGarbage');
  const figures = s.page.evaluate(
    (p, n) => {
      const shown = () =>
        document.querySelectorAll('#results li').length === n &&
        [...document.querySelectorAll('#results .status')].every((status) =>
          new RegExp(p).test(status.textContent),
        );
      const chosen = () =>
        !document.scripts[0].text.includes('Bank for') ||
        document.querySelectorAll('#results li select').length === n;
      return Promise.all([window.figures(shown), window.figures(() => shown() && chosen())]);
    },
    pattern,
    rows,
  );
  await act();
  return figures;
};
// A bare file input handed the other files: the time to read the first 52
// bytes of each, and the longest task when it reads nothing.
async function bareRead(s) {
  const figures = [];
  for (const reads of [true, false]) {
    const read = s.page.evaluate((r) => {
      const bare = Object.assign(document.createElement('input'), {
        type: 'file',
        multiple: true,
        id: `bare${r}`,
      });
      bare.addEventListener('change', async () => {
        if (r) await Promise.all([...bare.files].map((file) => file.slice(0, 52).arrayBuffer()));
        window.bareDone = r;
      });
      document.body.append(bare);
      return window.figures(() => window.bareDone === r);
    }, reads);
    await s.page.waitForSelector(`#bare${reads}`);
    await s.pick(onDisk('other'), `#bare${reads}`);
    figures.push(await read);
  }
  return [figures[0][0], figures[1][1]];
}
// The page's start-up: [seconds from the navigation to ready, the longest
// task meanwhile].
const startUp = (s) =>
  s.page
    .waitForFunction(() => window.ready)
    .then(() =>
      s.page.evaluate(() => [
        window.ready / 1000,
        Math.max(
          0,
          ...window.tasks.filter((t) => t.startTime < window.ready).map((t) => t.duration),
        ) / 1000,
      ]),
    );

// Prints [shown, with choices]: the second only where it came later.
const show = (what, [[time, longest], [chosen]], [bare, bareLongest]) =>
  console.log(
    `${what.padEnd(42)} ${time.toFixed(3)} s (x${(time / bare).toFixed(2)})  longest task ${longest.toFixed(3)} s` +
      `${chosen - time > 0.02 ? `, with choices ${chosen.toFixed(3)} s (x${(chosen / bare).toFixed(2)})` : ''}` +
      `   | bare: read ${bare.toFixed(3)} s, longest task ${bareLongest.toFixed(3)} s`,
  );

const engine = await chromium();
const server = await serve(process.argv[2]);
try {
  for (const [path, kind] of Object.entries(files)) {
    mkdirSync(join(scratch, path, '..'), { recursive: true });
    writeFileSync(join(scratch, path), kind === 'pcg' ? content : 'RIFF');
  }
  let s = await engine.open(server.url, { beforeLoad: [instrument, true] });
  const [ready, readyLongest] = await startUp(s);
  console.log(
    `${'start-up: ready to pick'.padEnd(42)} ${ready.toFixed(3)} s          longest task ${readyLongest.toFixed(3)} s`,
  );
  const bare = await bareRead(s);
  await s.evaluate(countTails);
  show(
    'picked files: rows shown',
    await timed(s, () => s.pick(onDisk('picked')), '^bank H$'),
    bare,
  );
  await s.select('#bank', 'Z');
  for (const [row, bank] of [
    [1, 'A'],
    [2, 'B'],
  ])
    await s.select(`#results li:nth-child(${row}) select`, bank).catch(() => {});
  show(
    'picked files: change to banks A, B and Z',
    await timed(s, () => s.click('#change'), '→ [ABZ]: a changed copy is ready'),
    bare,
  );
  // An older page gives no zip, but a copy every 0.4 s.  The zip is made
  // once the page has read the files' tails, after the pick and at the
  // change, as it has by the time a user comes to the button.
  if (await s.evaluate(() => document.documentElement.outerHTML.includes('client-zip'))) {
    await tailsRead(s, 2000);
    await (await s.page.createCDPSession()).send('HeapProfiler.collectGarbage');
    const zipped = s.page.evaluate(() => window.figures(() => window.zipped));
    await s.click('#save-all');
    const [time, longest] = await zipped;
    console.log(
      `${'picked files: 1,000 copies as one zip'.padEnd(42)} ${time.toFixed(3)} s (x${(time / bare[0]).toFixed(2)})  longest task ${longest.toFixed(3)} s`,
    );
  }
  show(
    'folder of 10,000 files, by its input: rows',
    await timed(s, () => s.pick([join(scratch, 'set')], '#folder'), '^bank H$', 100),
    bare,
  );
  await s.close();

  s = await engine.open(server.url, { beforeLoad: [instrument, false] });
  await s.page.evaluate(makeOriginFiles, files, {
    pcg: [...content],
    wav: [...Buffer.from('RIFF')],
  });
  const handlesBare = await s.page.evaluate(async () => {
    const [picked, others] = await Promise.all([
      Array.fromAsync(window.made.picked.values()),
      Array.fromAsync(window.made.other.values()),
    ]);
    window.showOpenFilePicker = async () => picked;
    window.showDirectoryPicker = async () => window.made.set;
    window.started = performance.now();
    window.handled = 0;
    let done = false;
    Promise.all(
      others.map(async (handle) => (await handle.getFile()).slice(0, 52).arrayBuffer()),
    ).then(() => {
      done = true;
    });
    return window.figures(() => done);
  });
  show('file handles: rows shown', await timed(s, () => s.click('#pick'), '^bank H$'), handlesBare);
  await s.select('#bank', 'Z');
  show(
    'file handles: 1,000 saves in place',
    await timed(s, () => s.click('#change'), 'saved in the file'),
    handlesBare,
  );
  show(
    'folder of 10,000 files, by its handle: rows',
    await timed(s, () => s.click('#pick-folder'), '^bank H$', 100),
    handlesBare,
  );
  show(
    'folder: 100 saves in place',
    await timed(s, () => s.click('#change'), 'saved in the file', 100),
    handlesBare,
  );
  await s.close();
} finally {
  server.close();
  await engine.close();
  rmSync(scratch, { recursive: true, force: true });
}
