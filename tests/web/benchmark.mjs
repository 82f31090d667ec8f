// How fast the page is with 1,000 files of 69 KB in Chromium, timed inside
// the page: from the event (a pick's change, a click) to the frame in which
// every row shows what it should.  Each figure stands beside a bare read of
// the first 52 bytes of 1,000 other files in the same run, the floor a page
// cannot go below.  A measurement, not a test: it prints and judges nothing.
//   node tests/web/benchmark.mjs build/web/Tavrelon-VERSION.html
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from './browsers.mjs';

const count = 1000;
const size = 69 * 1024;
const pageFile = process.argv[2] ?? 'build/web/Tavrelon-1.0.html';
const pageUrl = pathToFileURL(pageFile).href;
const scratch = mkdtempSync(join(tmpdir(), 'tavrelon-benchmark-'));
const content = Buffer.alloc(size, 'program data ');
content.write('KORG');
content[51] = 7;
const makeFiles = (folder) => {
  mkdirSync(join(scratch, folder));
  return Array.from({ length: count }, (_, i) => {
    const path = join(scratch, folder, `patch ${i}.pcg`);
    writeFileSync(path, content);
    return path;
  });
};

// In the page: long tasks and the time of the last event; frameWhen, which
// resolves to the time of the first frame in which check() holds; rowsSay,
// whether every one of 1,000 rows matches a pattern.  hide hides the File
// System Access API, as Firefox and Safari lack it.
function instrument(hide) {
  if (hide) Object.defineProperty(window, 'showOpenFilePicker', { value: undefined });
  window.tasks = [];
  new PerformanceObserver((list) => window.tasks.push(...list.getEntries())).observe({ type: 'longtask' });
  for (const type of ['change', 'click']) addEventListener(type, () => { window.started = performance.now(); }, true);
  window.frameWhen = (check) => new Promise((resolve) => {
    const tick = () => (check() ? resolve(performance.now()) : requestAnimationFrame(tick));
    requestAnimationFrame(tick);
  });
  window.longestSince = (start) => Math.max(0, ...window.tasks.filter((t) => t.startTime + t.duration >= start).map((t) => t.duration));
  window.rowsSay = (pattern, rows) => document.querySelectorAll('#results li').length === rows &&
    [...document.querySelectorAll('#results .status')].every((status) => pattern.test(status.textContent));
}
// Seconds from the last event to the frame in which every one of rows rows
// matches pattern, and the longest task since that event.
async function timed(s, act, pattern, rows = count) {
  const done = s.page.evaluate((p, n) => window.frameWhen(() => window.rowsSay(new RegExp(p), n)), pattern, rows);
  await act();
  const end = await done;
  await new Promise((resolve) => setTimeout(resolve, 200));
  return s.page.evaluate((e) => [(e - window.started) / 1000, window.longestSince(window.started) / 1000], end);
}
// A bare file input handed the files: the time to read the first 52 bytes
// of each, and the longest task while the browser hands over the files and
// nothing reads them.
async function bareRead(s, paths) {
  const figures = [];
  for (const read of [true, false]) {
    await s.page.evaluate((reads) => {
      const bare = Object.assign(document.createElement('input'), { type: 'file', multiple: true, id: 'bare' });
      bare.addEventListener('change', async () => {
        if (reads) await Promise.all([...bare.files].map((file) => file.slice(0, 52).arrayBuffer()));
        window.bareDone = await window.frameWhen(() => true);
      });
      document.getElementById('bare')?.remove();
      window.bareDone = 0;
      document.body.append(bare);
    }, read);
    await (await s.page.$('#bare')).uploadFile(...paths);
    await s.page.waitForFunction(() => window.bareDone, { timeout: 60000 });
    await new Promise((resolve) => setTimeout(resolve, 200));
    figures.push(await s.page.evaluate(() => [(window.bareDone - window.started) / 1000, window.longestSince(window.started) / 1000]));
  }
  return [figures[0][0], figures[1][1]];
}

// A folder of 10,000 files in twenty subfolders, 100 of them PCG files and
// the rest samples, on disk and in the origin's own file system.
const folderSize = 10000;
const folderPcg = 100;
const folderPath = (i) => `part ${i % 20}/${i < folderPcg ? `PATCH ${i}.PCG` : `sample ${i}.wav`}`;
function makeFolder() {
  const top = join(scratch, 'folder');
  for (let i = 0; i < folderSize; i++) {
    mkdirSync(join(top, `part ${i % 20}`), { recursive: true });
    writeFileSync(join(top, folderPath(i)), i < folderPcg ? content : 'RIFF');
  }
  return top;
}
async function originFolder(s) {
  await s.page.evaluate(async (paths, pcg, bytes) => {
    const set = await (await navigator.storage.getDirectory()).getDirectoryHandle('set', { create: true });
    for (const [i, path] of paths.entries()) {
      const [part, name] = path.split('/');
      const handle = await (await set.getDirectoryHandle(part, { create: true })).getFileHandle(name, { create: true });
      if (i >= pcg) continue;
      const writable = await handle.createWritable();
      await writable.write(new Uint8Array(bytes));
      await writable.close();
    }
    window.showDirectoryPicker = async () => set;
  }, Array.from({ length: folderSize }, (_, i) => folderPath(i)), folderPcg, [...content]);
}

// Files of the origin's own file system, made in the page: count to pick
// and count for the bare read.
async function originFiles(s) {
  return s.page.evaluate(async (n, bytes) => {
    const root = await navigator.storage.getDirectory();
    const make = async (name) => {
      const handle = await root.getFileHandle(name, { create: true });
      const writable = await handle.createWritable();
      await writable.write(new Uint8Array(bytes));
      await writable.close();
      return handle;
    };
    window.handles = [];
    window.others = [];
    for (let i = 0; i < n; i++) {
      window.handles.push(await make(`patch ${i}.pcg`));
      window.others.push(await make(`other ${i}.pcg`));
    }
    window.showOpenFilePicker = async () => window.handles;
  }, count, [...content]);
}

const show = (what, [time, longest], [bare, bareLongest]) => console.log(
  `${what.padEnd(34)} ${time.toFixed(3)} s (x${(time / bare).toFixed(2)})  longest task ${longest.toFixed(3)} s` +
  `   | bare: read ${bare.toFixed(3)} s, longest task ${bareLongest.toFixed(3)} s`);

const engine = await chromium();
try {
  const [picked, other] = [makeFiles('picked'), makeFiles('other')];
  console.log(`${count} files of ${size / 1024} KB, timed in the page (times as multiples of the bare read; picked files: the median of 3 runs)`);
  // Picked files, three times over in fresh windows: the median of each.
  const runs = [];
  for (let run = 0; run < 3; run++) {
    const s = await engine.open(pageUrl, { beforeLoad: [instrument, true] });
    const bare = await bareRead(s, other);
    const rows = await timed(s, () => s.pick(picked), '^bank H$');
    await s.select('#bank', 'Z');
    runs.push([bare, rows, await timed(s, () => s.click('#change'), '→ Z: a changed copy is ready')]);
    await s.close();
  }
  const median = (figures) => figures.sort((a, b) => a - b)[1];
  const [bare, rows, change] = [0, 1, 2].map((i) => [0, 1].map((j) => median(runs.map((run) => run[i][j]))));
  show('picked files: rows shown', rows, bare);
  show('picked files: change, every row', change, bare);
  const folder = makeFolder();
  const f = await engine.open(pageUrl, { beforeLoad: [instrument, true] });
  show(`folder of ${folderSize.toLocaleString('en')} files, by its input: rows`,
    await timed(f, () => f.pick([folder], '#folder'), '^bank H$', folderPcg), bare);
  await f.close();

  // The origin's own file system needs an origin: the page from a web server.
  const server = createServer((request, response) => response.end(readFileSync(pageFile))).listen(0, '127.0.0.1');
  await new Promise((resolve) => server.once('listening', resolve));
  const s = await engine.open(`http://127.0.0.1:${server.address().port}/`, { beforeLoad: [instrument, false] });
  await originFiles(s);
  const handlesBare = await s.page.evaluate(async () => {
    window.started = performance.now();
    await Promise.all(window.others.map(async (handle) => (await handle.getFile()).slice(0, 52).arrayBuffer()));
    const end = await window.frameWhen(() => true);
    await new Promise((resolve) => setTimeout(resolve, 200));
    return [(end - window.started) / 1000, window.longestSince(window.started) / 1000];
  });
  show('file handles: rows shown', await timed(s, () => s.click('#pick'), '^bank H$'), handlesBare);
  await s.select('#bank', 'Z');
  show('file handles: 1,000 saves in place', await timed(s, () => s.click('#change'), 'saved in the file'), handlesBare);
  await originFolder(s);
  show(`folder of ${folderSize.toLocaleString('en')} files, by its handle: rows`,
    await timed(s, () => s.click('#pick-folder'), '^bank H$', folderPcg), handlesBare);
  show(`folder: ${folderPcg} saves in place`, await timed(s, () => s.click('#change'), 'saved in the file', folderPcg), handlesBare);
  await s.close();
  server.close();
} finally {
  await engine.close();
  rmSync(scratch, { recursive: true, force: true });
}
