// README's picture: the page as a Chrome user meets it, in a laptop's window
// (1280 by 800) at the default zoom, after a folder of a few PCG files and
// their samples was changed to bank C in place.
//   node tests/web/picture.mjs build/web/Tavrelon-VERSION.html web/screenshot.png
import { chromium, serve } from './browsers.mjs';

const [pageFile, picture] = process.argv.slice(2);
const files = { 'Guitar set/GUITAR.PCG': 0, 'Guitar set/samples/NYLON A2.WAV': -1, 'Keys/E-PIANO.PCG': 0,
  'Keys/ORGAN.PCG': 1, 'Keys/samples/TINE C3.WAV': -1, 'Pads/STRINGS.PCG': 3, 'Pads/README.TXT': -1 };
const server = await serve(pageFile);
const engine = await chromium();
try {
  const s = await engine.open(server.url, { viewport: { width: 1280, height: 800 } });
  // The folder the user picks, made in the origin's own file system.
  await s.page.evaluate(async (tree) => {
    const set = await (await navigator.storage.getDirectory()).getDirectoryHandle('My set', { create: true });
    for (const [path, bank] of Object.entries(tree)) {
      const names = path.split('/');
      let folder = set;
      for (const name of names.slice(0, -1)) folder = await folder.getDirectoryHandle(name, { create: true });
      const writable = await (await folder.getFileHandle(names.at(-1), { create: true })).createWritable();
      const bytes = new Uint8Array(4096);
      if (bank >= 0) bytes.set([...'KORG'].map((c) => c.charCodeAt(0)));
      bytes[51] = Math.max(bank, 0);
      await writable.write(bytes);
      await writable.close();
    }
    window.showDirectoryPicker = async () => set;
  }, files);
  await s.click('#pick-folder');
  await s.page.waitForFunction(() => document.querySelectorAll('#results li').length === 4);
  await s.select('#bank', 'C');
  await s.click('#change');
  await s.page.waitForFunction(() => /^Bank C: .*\.$/.test(document.getElementById('summary').textContent));
  await s.page.evaluate(() => document.activeElement.blur());
  await s.page.screenshot({ path: picture });
  await s.close();
} finally {
  await engine.close();
  server.close();
}
