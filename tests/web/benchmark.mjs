// How fast the page is in Chromium with 1,000 files of 69 KB, and with a
// folder of 10,000 files, timed inside the page: from the event (a pick's
// change, a click) to the frame in which every row shows what it should,
// with the longest task meanwhile.  Each figure stands beside a bare read of
// the first 52 bytes of 1,000 other files in the same run (and the longest
// task of a bare input handed them), the floor a page cannot go below.  It
// prints figures and judges nothing.
//   node tests/web/benchmark.mjs build/web/Tavrelon-VERSION.html
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium, serve } from './browsers.mjs';

const count = 1000;
const folderSize = 10000;
const folderPcg = 100;
const pageFile = process.argv[2];
const scratch = mkdtempSync(join(tmpdir(), 'tavrelon-benchmark-'));
const content = Buffer.alloc(69 * 1024, 'program data ');
content.write('KORG');
content[51] = 7;
// path(i): files in folder, or the folder's, in twenty subfolders, with
// folderPcg PCG files among samples.
const folderPath = (i) => `part ${i % 20}/${i < folderPcg ? `PATCH ${i}.PCG` : `sample ${i}.wav`}`;
function makeFiles(folder, n, path, bytes) {
  return Array.from({ length: n }, (_, i) => {
    const file = join(scratch, folder, path(i));
    mkdirSync(join(file, '..'), { recursive: true });
    writeFileSync(file, bytes(i));
    return file;
  });
}

// In the page: long tasks, the time of the last event, frameWhen (the time
// of the first frame in which check() holds) and rowsSay (whether every one
// of rows rows matches pattern).  hide hides the File System Access API, as
// Firefox and Safari lack it.
function instrument(hide) {
  if (hide) Object.defineProperty(window, 'showOpenFilePicker', { value: undefined });
  window.tasks = [];
  new PerformanceObserver((list) => window.tasks.push(...list.getEntries())).observe({ type: 'longtask' });
  for (const type of ['change', 'click']) addEventListener(type, () => { window.started = performance.now(); }, true);
  window.frameWhen = (check) => new Promise((resolve) => {
    const tick = () => (check() ? resolve(performance.now()) : requestAnimationFrame(tick));
    requestAnimationFrame(tick);
  });
  window.rowsSay = (pattern, rows) => document.querySelectorAll('#results li').length === rows &&
    [...document.querySelectorAll('#results .status')].every((status) => pattern.test(status.textContent));
  // [seconds since the last event, longest task since] once done resolves.
  window.figures = async (done) => {
    const end = await done;
    await new Promise((resolve) => setTimeout(resolve, 200));
    const longest = Math.max(0, ...window.tasks.filter((t) => t.startTime + t.duration >= window.started).map((t) => t.duration));
    return [(end - window.started) / 1000, longest / 1000];
  };
}
const timed = async (s, act, pattern, rows = count) => {
  const figures = s.page.evaluate((p, n) => window.figures(window.frameWhen(() => window.rowsSay(new RegExp(p), n))), pattern, rows);
  await act();
  return figures;
};
// A bare file input handed the files: the time to read the first 52 bytes
// of each, and the longest task when it is handed them and reads nothing.
async function bareRead(s, paths) {
  const figures = [];
  for (const reads of [true, false]) {
    const read = s.page.evaluate((r) => window.figures(new Promise((resolve) => {
      const bare = Object.assign(document.createElement('input'), { type: 'file', multiple: true, id: `bare${r}` });
      bare.addEventListener('change', async () => {
        if (r) await Promise.all([...bare.files].map((file) => file.slice(0, 52).arrayBuffer()));
        resolve(window.frameWhen(() => true));
      });
      document.body.append(bare);
    })), reads);
    await s.page.waitForSelector(`#bare${reads}`);
    await s.pick(paths, `#bare${reads}`);
    figures.push(await read);
  }
  return [figures[0][0], figures[1][1]];
}

// Files of the origin's own file system, made in the page: the count to
// pick, as many others, and a folder; the pickers hand them over.
const originFiles = (s) => s.page.evaluate(async (n, paths, pcg, bytes) => {
  const root = await navigator.storage.getDirectory();
  const make = async (folder, path, data) => {
    const names = path.split('/');
    for (const name of names.slice(0, -1)) folder = await folder.getDirectoryHandle(name, { create: true });
    const handle = await folder.getFileHandle(names.at(-1), { create: true });
    const writable = await handle.createWritable();
    await writable.write(data);
    await writable.close();
    return handle;
  };
  const pcgBytes = new Uint8Array(bytes);
  window.handles = [];
  window.others = [];
  for (let i = 0; i < n; i++) {
    window.handles.push(await make(root, `patch ${i}.pcg`, pcgBytes));
    window.others.push(await make(root, `other ${i}.pcg`, pcgBytes));
  }
  const set = await root.getDirectoryHandle('set', { create: true });
  for (const [i, path] of paths.entries()) await make(set, path, i < pcg ? pcgBytes : new Uint8Array(4));
  window.showOpenFilePicker = async () => window.handles;
  window.showDirectoryPicker = async () => set;
}, count, Array.from({ length: folderSize }, (_, i) => folderPath(i)), folderPcg, [...content]);

const show = (what, [time, longest], [bare, bareLongest]) => console.log(
  `${what.padEnd(42)} ${time.toFixed(3)} s (x${(time / bare).toFixed(2)})  longest task ${longest.toFixed(3)} s` +
  `   | bare: read ${bare.toFixed(3)} s, longest task ${bareLongest.toFixed(3)} s`);
const median = (figures) => figures.sort((a, b) => a - b)[1];

const engine = await chromium();
try {
  const picked = makeFiles('picked', count, (i) => `patch ${i}.pcg`, () => content);
  const other = makeFiles('other', count, (i) => `other ${i}.pcg`, () => content);
  makeFiles('folder', folderSize, folderPath, (i) => (i < folderPcg ? content : 'RIFF'));
  console.log(`${count} files of 69 KB, timed in the page (times as multiples of the bare read; picked files: the median of 3 runs)`);
  const runs = [];
  for (let run = 0; run < 3; run++) {
    const s = await engine.open(pathToFileURL(pageFile).href, { beforeLoad: [instrument, true] });
    const bare = await bareRead(s, other);
    const rows = await timed(s, () => s.pick(picked), '^bank H$');
    await s.select('#bank', 'Z');
    const change = await timed(s, () => s.click('#change'), '→ Z: a changed copy is ready');
    const folder = run || !await s.page.$('#folder') ? [0, 0] : await timed(s, () => s.pick([join(scratch, 'folder')], '#folder'), '^bank H$', folderPcg);
    runs.push([bare, rows, change, folder]);
    await s.close();
  }
  const [bare, rows, change] = [0, 1, 2].map((i) => [0, 1].map((j) => median(runs.map((run) => run[i][j]))));
  show('picked files: rows shown', rows, bare);
  show('picked files: change, every row', change, bare);
  show(`folder of ${folderSize.toLocaleString('en')} files, by its input: rows`, runs[0][3], bare);

  const server = await serve(pageFile);
  const s = await engine.open(server.url, { beforeLoad: [instrument, false] });
  await originFiles(s);
  const handlesBare = await s.page.evaluate(() => {
    window.started = performance.now();
    return window.figures(Promise.all(window.others.map(async (handle) => (await handle.getFile()).slice(0, 52).arrayBuffer()))
      .then(() => window.frameWhen(() => true)));
  });
  show('file handles: rows shown', await timed(s, () => s.click('#pick'), '^bank H$'), handlesBare);
  await s.select('#bank', 'Z');
  show('file handles: 1,000 saves in place', await timed(s, () => s.click('#change'), 'saved in the file'), handlesBare);
  if (await s.page.$('#pick-folder')) {
    show(`folder of ${folderSize.toLocaleString('en')} files, by its handle: rows`,
      await timed(s, () => s.click('#pick-folder'), '^bank H$', folderPcg), handlesBare);
    show(`folder: ${folderPcg} saves in place`, await timed(s, () => s.click('#change'), 'saved in the file', folderPcg), handlesBare);
  }
  await s.close();
  server.close();
} finally {
  await engine.close();
  rmSync(scratch, { recursive: true, force: true });
}
