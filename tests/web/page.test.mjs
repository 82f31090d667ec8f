// The page as a user meets it, in Chromium, Firefox and WebKitGTK.
// TAVRELON_PAGE names the built page; TAVRELON_SCREENSHOTS, if set, a folder
// for pictures of it (a phone, and a laptop in each engine).
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  chmodSync,
  mkdirSync,
  mkdtempSync,
  readFileSync,
  rmSync,
  statSync,
  utimesSync,
  writeFileSync,
} from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import axe from 'axe-core';
import {
  chromium,
  countTails,
  firefox,
  makeOriginFiles,
  policies,
  serve,
  tailsRead,
  until,
  webkit,
} from './browsers.mjs';
import { unzipped } from './unzipped.mjs';

const pageFile = process.env.TAVRELON_PAGE;
const pageUrl = pathToFileURL(pageFile).href;
const version = pageFile.match(/Tavrelon-([^/]*)\.html$/)[1];
const shots = process.env.TAVRELON_SCREENSHOTS;
const notPcg = 'ERROR: File is not a valid KORG PCG file';
const copyReady =
  'a changed copy is ready; the file itself is unchanged until the copy replaces it';
const unreadable =
  'Cannot be read any more: it was moved, deleted or changed after you picked it. Pick it again.';
const leftOut =
  'Left out of the zip: it was moved, deleted or changed after you picked it, or it cannot be read. Pick it again.';
const nothingRead =
  'Nothing could be read: the system or the browser did not let this page open what you picked. Pick the folders inside it, or the PCG files themselves.';
const scratch = mkdtempSync(join(tmpdir(), 'tavrelon-web-'));
after(() => rmSync(scratch, { recursive: true, force: true }));
if (shots) mkdirSync(shots, { recursive: true });

// A PCG file: the magic, a header with CR, LF, NUL and a model's name, the
// bank byte, then data.  Files of other names differ beyond byte 51 and in
// length, as files of other synthesizers and sets do.
const models = ['TRITON', 'M3', 'KRONOS', 'Nautilus'];
const pcgBytes = (bank, name) =>
  Buffer.concat([
    Buffer.from(`KORG\r\n\0\x1a${models[name.length % models.length]}`.padEnd(51, ' '), 'latin1'),
    Buffer.from([bank]),
    Buffer.from(`${name}: programs\r\n\0`.repeat(1 + (name.length % 3))),
  ]);
const withBank = (bytes, bank) => Buffer.from(bytes).fill(bank, 51, 52);
// Files in a folder of their own: [path, ...] for { relative path: bytes }.
const makeFiles = (files, folder = mkdtempSync(join(scratch, 'files-'))) =>
  Object.entries(files).map(([name, bytes]) => {
    mkdirSync(join(folder, name, '..'), { recursive: true });
    writeFileSync(join(folder, name), bytes);
    return join(folder, name);
  });

// What the page shows: its summary, its rows (a row's choice of bank left
// out, a link in brackets), and its buttons on offer, "Undo" and "Download
// all copies", as one line.
function view() {
  const part = (e) => ({ a: `[${e.textContent}]`, select: '' })[e.localName] ?? e.textContent;
  return {
    summary: document.getElementById('summary').textContent,
    rows: [...document.querySelectorAll('#results li')].map((row) =>
      [...row.children].map(part).join(''),
    ),
    buttons: ['undo', 'save-all']
      .map((id) => document.getElementById(id))
      .filter((button) => !button.hidden)
      .map((button) => `[${button.textContent}]${button.disabled ? ' greyed out' : ''}`)
      .join(' '),
  };
}
// The view as lines, as a user reads it.
const lines = ({ summary, rows, buttons }) => [summary, ...rows, ...(buttons ? [buttons] : [])];
const seen = async (session) => lines(await session.evaluate(view));
// The summary of a change once done: work under way ends in an ellipsis.
const changed = (v) => v.summary.startsWith('Bank') && v.summary.endsWith('.');
// The view's lines once check(view) holds.
const shown = (session, what, check) =>
  until(what, async () => {
    const now = await session.evaluate(view);
    return check(now) && lines(now);
  });

// Run in the page: the size of each read of a file's contents, by every
// way a page has, in window.sizesRead.
function recordReads() {
  window.sizesRead = [];
  const readers = {
    Blob: ['arrayBuffer', 'text', 'bytes'],
    FileReader: ['readAsArrayBuffer', 'readAsText', 'readAsDataURL', 'readAsBinaryString'],
  };
  for (const [type, methods] of Object.entries(readers)) {
    for (const name of methods.filter((n) => window[type].prototype[n])) {
      const real = window[type].prototype[name];
      window[type].prototype[name] = function (...args) {
        window.sizesRead.push((args[0] ?? this).size);
        return real.apply(this, args);
      };
    }
  }
}

// Run in the page: files and folders dropped by their entries, as Firefox
// and Safari hand them over, of tree { name: bytes or tree }.  A folder
// given an error's name cannot be listed; a "Slow" one lists only at
// window.letGo().
function dropEntries(tree) {
  const entry = (name, content) =>
    Array.isArray(content)
      ? { name, isDirectory: false, file: (resolve) => resolve(file(name, content)) }
      : {
          name,
          isDirectory: true,
          createReader: (listed = false) => ({
            readEntries: async (resolve, reject) => {
              if (typeof content === 'string')
                return reject(new DOMException('not allowed', content));
              if (name.startsWith('Slow'))
                await new Promise((go) => {
                  window.letGo = go;
                });
              resolve(
                listed
                  ? []
                  : Object.entries(content).map(([child, inside]) => entry(child, inside)),
              );
              listed = true;
            },
          }),
        };
  const file = (name, content) =>
    Array.isArray(content) && new File([new Uint8Array(content)], name);
  const items = Object.entries(tree).map(([name, content]) => ({
    kind: 'file',
    getAsFile: () => file(name, content),
    webkitGetAsEntry: () => entry(name, content),
  }));
  const dataTransfer = { items };
  window.dropped = performance.now();
  document.dispatchEvent(Object.assign(new Event('drop', { cancelable: true }), { dataTransfer }));
}

// The page in another language in each engine: Chromium's browser asks for
// Austrian German first, Firefox's for Chinese and then Japanese, and in
// WebKitGTK the musician chooses French.  What it shows of organ.pcg in bank
// H and strings.pcg in bank A, each given a bank of its own, and of
// notes.pcg, which is no PCG file.
const speaking = {
  Chromium: {
    languages: ['de-AT', 'en'],
    lang: 'de',
    words: ['Bank ändern', 'Bank für organ.pcg'],
    picked: '2 PCG-Dateien, 1 abgelehnt.',
    banks: ['Bank H', 'Bank A'],
    refused: 'FEHLER: Die Datei ist keine gültige KORG-PCG-Datei',
    summary: 'Banken B und C: 2 Kopien zum Herunterladen, 1 abgelehnt.',
    copy: ': eine geänderte Kopie ist bereit; die Datei selbst bleibt unverändert, bis die Kopie sie ersetzt',
    link: (name) => `${name} herunterladen`,
    all: 'Alle Kopien herunterladen',
  },
  Firefox: {
    languages: ['zh-CN', 'ja'],
    lang: 'ja',
    words: ['バンクを変更', 'organ.pcg のバンク'],
    picked: 'PCG ファイル 2 件、拒否 1 件。',
    banks: ['バンク H', 'バンク A'],
    refused: 'エラー：有効な KORG PCG ファイルではありません',
    summary: 'バンク B、C：ダウンロードするコピー 2 件、拒否 1 件。',
    copy: '：変更したコピーの準備ができました。コピーで置き換えるまで、ファイル自体は変わりません',
    link: (name) => `${name} をダウンロード`,
    all: 'すべてのコピーをダウンロード',
  },
  WebKitGTK: {
    choose: 'fr',
    lang: 'fr',
    words: ['Changer de banque', 'Banque de organ.pcg'],
    picked: '2 fichiers PCG, 1 refusé.',
    banks: ['banque H', 'banque A'],
    refused: 'ERREUR\u00a0: le fichier n’est pas un fichier PCG KORG valide',
    summary: 'Banques B et C\u00a0: 2 copies à télécharger, 1 refusé.',
    copy: '\u00a0: une copie modifiée est prête\u00a0; le fichier lui-même reste inchangé jusqu’à ce que la copie le remplace',
    link: (name) => `Télécharger ${name}`,
    all: 'Télécharger toutes les copies',
  },
};
// organ.pcg and strings.pcg picked with notes.pcg, then changed to B and C:
// what the page shows, word for word in said's language, checked as it goes.
const inWords = (said) => [
  said.summary,
  ...['organ.pcg', 'strings.pcg'].map(
    (name, i) => `${name}: ${said.banks[i]} → ${'BC'[i]}${said.copy}[${said.link(name)}]`,
  ),
  `notes.pcg: ${said.refused}`,
  `[${said.all}]`,
];
async function changeInWords(s, said) {
  await s.pick(
    makeFiles({
      'organ.pcg': pcgBytes(7, 'organ.pcg'),
      'strings.pcg': pcgBytes(0, 'strings.pcg'),
      'notes.pcg': Buffer.from('KORG'),
    }),
  );
  assert.deepEqual(await shown(s, 'the files', (v) => v.rows.length), [
    said.picked,
    `organ.pcg: ${said.banks[0]}`,
    `strings.pcg: ${said.banks[1]}`,
    `notes.pcg: ${said.refused}`,
  ]);
  await s.select('#bank', 'B');
  await s.select('#results li:nth-child(2) select', 'C');
  await s.click('#change');
  assert.deepEqual(await shown(s, 'the change', (v) => v.summary === said.summary), inWords(said));
}
// Run before the page's script: the browser's languages are tags.
const preferring = (tags) =>
  Object.defineProperty(Navigator.prototype, 'languages', { get: () => tags });
// What a screen reader hears of "Bank" in a Chromium session: its name and
// its value.
async function bankHeard(s) {
  const { name, value } = await s.page.accessibility.snapshot({ root: await s.page.$('#bank') });
  return [name, value];
}
// What axe-core finds wrong in a Chromium session's page.
async function violations(s) {
  await s.page.evaluate(axe.source);
  const found = await s.page.evaluate(async () => (await window.axe.run()).violations);
  return found.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
}

// Each engine starts once, when a case first needs it, and closes at the end.
const starters = { Chromium: chromium, Firefox: firefox, WebKitGTK: webkit };
const engines = {};
const launch = (name) => (engines[name] ??= starters[name]());
after(() => Promise.all(Object.values(engines).map(async (engine) => (await engine).close())));

for (const engineName of Object.keys(starters)) {
  describe(engineName, () => {
    let engine;
    before(async () => {
      engine = await launch(engineName);
    });

    test('from disk, with no request', async (t) => {
      const names = [
        'Dvořák ギター.pcg',
        '<img src=x onerror=alert(1)>.pcg',
        '\u202Esdap.pcg',
        'large.pcg',
      ];
      const later = ['grown.pcg', 'swapped.pcg', 'resaved.pcg'];
      const bytes = Object.fromEntries(
        [...names, 'korx.pcg', 'short.pcg', 'empty.pcg', 'gone.pcg', 'cut.pcg', ...later].map(
          (name) => [name, pcgBytes(name === 'gone.pcg' ? 1 : 7, name)],
        ),
      );
      Object.assign(bytes, {
        'korx.pcg': Buffer.from(bytes['korx.pcg']).fill('x', 3, 4),
        'short.pcg': bytes['short.pcg'].subarray(0, 51),
        'empty.pcg': Buffer.alloc(0),
        'grown.pcg': Buffer.concat([bytes['grown.pcg'], Buffer.from('data '.repeat(20))]),
        // Twice the size below which a copy is read whole.
        'large.pcg': Buffer.concat([bytes['large.pcg'], Buffer.alloc(8 << 20, 'PCG data \r\n')]),
      });
      const files = makeFiles(bytes);
      const at = Object.fromEntries(Object.keys(bytes).map((name, i) => [name, files[i]]));
      // Dated to the second an hour ago, as the time stamps of a save are
      // restored below: a copy in a zip is dated by the change.
      const picked = Math.floor(Date.now() / 1000) - 3600;
      for (const file of files) utimesSync(file, picked, picked);
      const s = await engine.open(pageUrl);
      const refused = [`korx.pcg: ${notPcg}`, `short.pcg: ${notPcg}`, `empty.pcg: ${notPcg}`];
      const copy = (name) => `${name}: bank H → Z: ${copyReady}[Download ${name}]`;
      const rows = [
        ...names.map(copy),
        ...refused,
        `gone.pcg: ${unreadable}`,
        `cut.pcg: ${unreadable}`,
      ];
      await t.test(
        'picked files: names as they are, refusals with no link, a copy of its own file changed in byte 51 alone',
        async () => {
          await s.evaluate(countTails);
          await s.evaluate(recordReads);
          await s.pick(files);
          assert.deepEqual(await shown(s, 'the files', (v) => v.rows.length), [
            '9 PCG files, 3 refused.',
            ...names.map((name) => `${name}: bank H`),
            ...refused,
            'gone.pcg: bank B',
            'cut.pcg: bank H',
            ...later.map((name) => `${name}: bank H`),
          ]);
          // No markup from a name, a right-to-left override kept to its name, no
          // row of a short list left out of a picture or a print, and no outline
          // once a drag has passed over the page and left.
          assert.deepEqual(
            await s.evaluate(() => [
              document.querySelectorAll('img').length,
              ...[...document.querySelectorAll('#results li')].map(
                (row) =>
                  getComputedStyle(row).contentVisibility !== 'auto' &&
                  row.querySelector('.status').getBoundingClientRect().left >=
                    row.querySelector('.name').getBoundingClientRect().right - 1,
              ),
              ...['dragover', 'dragleave'].map((type) => {
                document.body.dispatchEvent(
                  new DragEvent(type, { bubbles: true, cancelable: true }),
                );
                return getComputedStyle(document.querySelector('main')).outlineStyle;
              }),
            ]),
            [0, ...files.map(() => true), 'dashed', 'none'],
          );
          await tailsRead(s, files.length);
          rmSync(at['gone.pcg']);
          writeFileSync(at['cut.pcg'], bytes['cut.pcg'].subarray(0, 60));
          await s.select('#bank', 'Z');
          await s.click('#change');
          assert.deepEqual(await shown(s, 'the change', changed), [
            'Bank Z: 7 copies to download, 3 refused, 2 can no longer be read.',
            ...rows,
            ...later.map(copy),
            '[Download all copies]',
          ]);
          // The pick and the change read no more than each file's ends.
          const read = await s.evaluate(() => window.sizesRead.splice(0));
          assert.ok(read.length && read.every((size) => size <= 52), `read ${read}`);
          if (shots) await s.screenshot(join(shots, `${engineName}.png`));
          await s.click('#results a');
          const copied = withBank(bytes[names[0]], 25);
          assert.deepEqual(await s.downloaded(names[0], copied.length), copied);
        },
      );
      await t.test(
        'files saved again since the pick told at their link, left out of the zip; 8 MiB never read whole',
        async () => {
          // Saved again since the pick: longer in the middle and dated later; of
          // the same size and time stamp (a save within the second), another
          // synthesizer's header over the same data, and the last byte alone
          // changed.  The last is told at its link, the others as the zip of
          // every copy leaves them out.
          writeFileSync(
            at[later[0]],
            Buffer.concat([
              bytes[later[0]].subarray(0, 60),
              Buffer.from(' and more'),
              bytes[later[0]].subarray(60),
            ]),
          );
          utimesSync(at[later[0]], picked + 65, picked + 65);
          writeFileSync(
            at[later[1]],
            Buffer.concat([pcgBytes(3, 'PADS.PCG').subarray(0, 52), bytes[later[1]].subarray(52)]),
          );
          writeFileSync(
            at[later[2]],
            Buffer.from(bytes[later[2]]).fill('!', bytes[later[2]].length - 1),
          );
          for (const name of later.slice(1)) utimesSync(at[name], picked, picked);
          await s.click('#results li:last-child a');
          await shown(s, later[2], (v) => v.rows.at(-1) === `${later[2]}: ${unreadable}`);
          // A link leaves the page where the user scrolled to.
          assert.deepEqual(await s.evaluate(() => [location.href.includes('#'), scrollY > 0]), [
            false,
            true,
          ]);
          await s.click('#save-all');
          assert.deepEqual(await shown(s, 'the zip', (v) => v.summary.includes('zip')), [
            'Bank Z: 4 copies in “PCG copies.zip”, 2 left out of the zip, 3 refused, 3 can no longer be read.',
            ...rows,
            ...later.slice(0, 2).map((name) => `${name}: ${leftOut}`),
            `${later[2]}: ${unreadable}`,
            '[Download all copies]',
          ]);
          assert.deepEqual(
            unzipped(scratch, await s.downloaded('PCG copies.zip')),
            Object.fromEntries(names.map((name) => [name, withBank(bytes[name], 25)])),
          );
          const read = await s.evaluate(() => window.sizesRead);
          assert.ok(
            read.every((size) => size < 1 << 20),
            `read ${read}`,
          );
        },
      );
      await t.test(
        "a folder's copies in one zip at their paths, no sample, a name shared made its own",
        async () => {
          // A folder through the folder input, its files with their paths, made
          // in the page: no driver but Chromium's hands a folder to it.  Two sets
          // share a file's name, the keys' organ is there in either case, and
          // samples lie beside them.
          const sets = [
            'Guitar set/GUITAR.PCG',
            'Keys/ÉPIANO.PCG',
            'Keys/organ.pcg',
            'Keys/ORGAN.PCG',
            'Set A/SET.PCG',
            'Set B/SET.PCG',
          ];
          const tree = {
            ...Object.fromEntries(sets.map((path) => [`My set/${path}`, pcgBytes(7, path)])),
            'My set/Guitar set/samples/1.wav': bytes[names[0]].subarray(0, 60),
            'My set/Keys/KEYS.pcg': Buffer.from('KORx'),
            'My set/readme.txt': Buffer.from('notes'),
          };
          await s.evaluate(
            (files) => {
              const input = document.getElementById('folder');
              Object.defineProperty(input, 'files', {
                configurable: true,
                value: Object.entries(files).map(([path, bytes]) =>
                  Object.defineProperty(
                    new File([new Uint8Array(bytes)], path.split('/').at(-1)),
                    'webkitRelativePath',
                    { value: path },
                  ),
                ),
              });
              input.dispatchEvent(new Event('change'));
            },
            Object.fromEntries(Object.entries(tree).map(([path, bytes]) => [path, [...bytes]])),
          );
          assert.deepEqual(await shown(s, 'the folder', (v) => v.rows.length === 7), [
            '6 PCG files, 1 refused, 2 other files.',
            ...sets.slice(0, 2).map((path) => `${path}: bank H`),
            `Keys/KEYS.pcg: ${notPcg}`,
            ...sets.slice(2).map((path) => `${path}: bank H`),
          ]);
          // The sets to A, B and C: every row to C, then two by keyboard; one
          // zip of the copies at their paths, the second organ at one of its own.
          await s.select('#bank', 'C');
          await s.press('#results li:nth-child(1) select', ['ArrowUp', 'ArrowUp']);
          await s.press('#results li:nth-child(6) select', ['ArrowUp']);
          await s.click('#change');
          await shown(s, 'the folder changed', changed);
          await s.click('#save-all');
          const zipped = await shown(s, 'the folder zipped', (now) => now.summary.includes('zip'));
          assert.deepEqual(
            [zipped[0], zipped[5]],
            [
              'Banks A, B and C: 6 copies in “My set.zip”, 1 refused.',
              `Keys/ORGAN.PCG: bank H → C: ${copyReady}; in the zip as Keys/ORGAN (2).PCG[Download ORGAN.PCG]`,
            ],
          );
          assert.deepEqual(
            unzipped(scratch, await s.downloaded('My set.zip')),
            Object.fromEntries(
              sets.map((path, i) => [
                path.replace('ORGAN', 'ORGAN (2)'),
                withBank(tree[`My set/${path}`], [0, 2, 2, 2, 1, 2][i]),
              ]),
            ),
          );
          if (shots) await s.screenshot(join(shots, `${engineName}-zip.png`));
        },
      );
      await t.test(
        'a USB stick whose folders cannot all be listed, counted up while slow',
        async () => {
          // A USB stick whose system folders cannot be listed, and a slow one
          // counted up after a second; then one that cannot be listed at all.
          await s.evaluate(dropEntries, {
            USB: {
              'Guitar set': { 'GUITAR.PCG': [...pcgBytes(0, 'GUITAR.PCG')] },
              'Slow drive': { 'PADS.PCG': [...pcgBytes(1, 'PADS.PCG')], 'notes.txt': [] },
              'System Volume Information': 'NotAllowedError',
              Locked: 'NotReadableError',
              Gone: 'NotFoundError',
            },
          });
          await until('a second of looking', () =>
            s.evaluate(() => performance.now() - window.dropped > 1000),
          );
          await s.evaluate(() => window.letGo());
          assert.deepEqual(
            await shown(s, 'the count so far', (v) => v.summary.includes('so far')),
            ['Looking through the folder: 2 files so far…'],
          );
          await s.evaluate(() => window.letGo());
          assert.deepEqual(await shown(s, 'the stick', (v) => v.rows.length === 2), [
            '2 PCG files, 1 other file, 3 folders could not be read.',
            'Guitar set/GUITAR.PCG: bank A',
            'Slow drive/PADS.PCG: bank B',
          ]);
          await s.evaluate(dropEntries, {
            'PADS.PCG': [...pcgBytes(1, 'PADS.PCG')],
            USB: 'NotReadableError',
          });
          assert.deepEqual(
            await shown(s, 'a file beside a folder not read', (v) => v.rows.length === 1),
            ['1 PCG file, 1 folder could not be read.', 'PADS.PCG: bank B'],
          );
          await s.evaluate(dropEntries, { USB: 'NotReadableError' });
          assert.deepEqual(await shown(s, 'nothing read', (v) => !v.rows.length && v.summary), [
            nothingRead,
          ]);
        },
      );
      await t.test(
        '260 files, each with a choice of bank and read to its end; nothing asked of any server',
        async () => {
          // 260 files: a choice on every row, and each read to its end soon
          // after the pick, so that one saved again since, its size, time stamp
          // and header kept, is told at the change.
          const many = makeFiles(
            Object.fromEntries(
              Array.from({ length: 260 }, (_, i) => [`set ${i + 1}.pcg`, pcgBytes(7, 'set.pcg')]),
            ),
          );
          for (const file of many) utimesSync(file, picked, picked);
          await s.evaluate(countTails);
          await s.pick(many);
          await until("every row's choice", () =>
            s.evaluate(() => document.querySelectorAll('#results li select').length === 260),
          );
          await tailsRead(s, 260);
          writeFileSync(
            many[258],
            Buffer.from(readFileSync(many[258])).fill('!', statSync(many[258]).size - 1),
          );
          utimesSync(many[258], picked, picked);
          await s.press('#results li:nth-child(260) select', ['ArrowUp']);
          await s.click('#change');
          const v = await shown(
            s,
            'the 260 changed',
            (now) => changed(now) && now.summary.includes('read'),
          );
          assert.deepEqual(
            [v[0], v[259], v[260].split(':')[1]],
            [
              'Banks B and C: 259 copies to download, 1 can no longer be read.',
              `set 259.pcg: ${unreadable}`,
              ' bank H → B',
            ],
          );
          const asked = [
            ...(s.requests ?? []),
            ...(await s.evaluate(() =>
              performance.getEntriesByType('resource').map((r) => r.name),
            )),
          ];
          assert.deepEqual(
            asked.filter((url) => url !== pageUrl && !url.startsWith('blob:')),
            [],
          );
        },
      );
      await s.close();
    });

    test(`in ${speaking[engineName].lang}: a pick, a change to two banks and a refusal, word for word`, async () => {
      const said = speaking[engineName];
      const s = await engine.open(
        pageUrl,
        said.languages && { beforeLoad: [preferring, said.languages] },
      );
      if (said.choose) await s.select('#language', said.choose);
      await changeInWords(s, said);
      // The footer's first words, the program and its version.
      assert.deepEqual(
        await s.evaluate(() => [
          document.documentElement.lang,
          document.getElementById('change').textContent,
          document.querySelector('#results select').getAttribute('aria-label'),
          document.querySelector('footer').textContent.split(/[,、]/)[0],
        ]),
        [said.lang, ...said.words, `Tavrelon ${version}`],
      );
      await s.close();
    });
  });
}

// What needs Chromium's own controls: file handles, its drag pipeline, a
// phone's viewport, its origin-private file system, downloads in a burst.
describe('Chromium, with file handles and more', () => {
  let engine;
  before(async () => {
    engine = await launch('Chromium');
  });

  test('the page file: charset, license and policy; no console error; a start-up that fails; files handed to the open app', async (t) => {
    await t.test(
      'the file: its size, its charset, its license, its policy, its footer before any script',
      () => {
        const html = readFileSync(pageFile, 'utf8');
        assert.ok(statSync(pageFile).size <= 87 * 1024);
        assert.ok(
          html.indexOf('<meta charset="utf-8">') < 1024 - 22,
          'the charset comes after byte 1,024',
        );
        assert.ok(
          html.includes(readFileSync(new URL('../../LICENSE', import.meta.url), 'utf8')),
          'the license is not in the page',
        );
        assert.equal(...policies(html));
        assert.ok(
          html.includes(
            `<footer data-words="footer" data-version="${version}">Tavrelon ${version}, free software under the MIT license</footer>`,
          ),
          'the footer without the script',
        );
      },
    );
    await t.test('no console error, and a request the policy refuses', async () => {
      const s = await engine.open(pageUrl);
      await shown(s, 'the page', () => true);
      assert.deepEqual(s.errors, []);
      const blocked = await s.page.evaluate(
        () =>
          new Promise((resolve) => {
            document.addEventListener('securitypolicyviolation', (event) =>
              resolve(event.effectiveDirective),
            );
            fetch('http://127.0.0.1:9/').catch(() =>
              setTimeout(() => resolve('not refused by the page'), 5000),
            );
          }),
      );
      assert.equal(blocked, 'connect-src');
      await s.close();
    });
    await t.test("start-ups that fail, told in the browser's language", async () => {
      // Start-ups that fail, by a script run before the page's.
      const starts = [
        [
          'delete window.WebAssembly',
          'ERROR: This browser cannot run Tavrelon (it needs WebAssembly).',
        ],
        [
          "HTMLSelectElement.prototype.add = () => { throw Error('no room'); }",
          'ERROR: Tavrelon could not start: no room',
        ],
        [
          `(${preferring})(['de']); delete window.WebAssembly`,
          'FEHLER: Dieser Browser kann Tavrelon nicht ausführen (es braucht WebAssembly).',
        ],
      ];
      for (const [beforeLoad, said] of starts) {
        const broken = await engine.open(pageUrl, { beforeLoad });
        assert.deepEqual(await shown(broken, 'the start', (v) => v.summary), [said]);
        await broken.close();
      }
    });
    await t.test('files the system hands the open app replace those it shows', async () => {
      const app = await engine.open(pageUrl, {
        beforeLoad: () => {
          const file = (name) => ({
            name,
            kind: 'file',
            getFile: async () => new File([`${'KORG'.padEnd(51)}\x02`], name),
          });
          const setConsumer = (consumer) => {
            window.launch = (names) => consumer({ files: names.map(file) });
          };
          Object.defineProperty(window, 'launchQueue', { value: { setConsumer } });
        },
      });
      await until('the app', () => app.evaluate(() => Boolean(window.launch)));
      await app.evaluate(() => window.launch(['a.pcg', 'b.pcg']));
      await shown(app, 'the files', (v) => v.rows.length === 2);
      await app.evaluate(() => window.launch(['c.pcg']));
      assert.deepEqual(
        await shown(app, 'the files again', (v) => v.rows.includes('c.pcg: bank C')),
        ['1 PCG file.', 'c.pcg: bank C'],
      );
      await app.close();
    });
  });

  test('in place, by keyboard, from a web server, as a browser asks', async (t) => {
    const server = await serve(pageFile);
    t.after(server.close);
    const s = await engine.open(server.url, { viewport: { width: 1280, height: 800 } });
    // The origin's own files stand in for the system's pickers: five files
    // picked at once, then the folders "Big set", "My set" and "Set" in turn.
    // "My set" is a synthesizer's folder with one the system will not list,
    // "Big set" holds more files than are written at once, and Set's ODD.PCG
    // has a bank byte, 30, with no letter.
    const names = ['kept.pcg', 'refused.pcg', 'broken.pcg', 'late.pcg', 'vanished.pcg'];
    const bytes = Object.fromEntries(names.map((name) => [name, pcgBytes(0, name)]));
    const set = {
      'Guitar set/GUITAR.PCG': 0,
      'Guitar set/samples/NYLON A2.WAV': -1,
      'Keys/E-PIANO.PCG': 0,
      'Keys/ORGAN.PCG': 1,
      'Pads/strings.pcg': 3,
      'README.TXT': -1,
      'System Volume Information/IndexerVolumeGuid': -1,
    };
    const big = Array.from({ length: 40 }, (_, i) => `BIG ${i + 1}.PCG`);
    const odd = { 'Set/A.PCG': pcgBytes(0, 'A.PCG'), 'Set/ODD.PCG': pcgBytes(30, 'ODD.PCG') };
    await s.page.evaluate(
      makeOriginFiles,
      Object.fromEntries([
        ...names.map((name) => [name, [...bytes[name]]]),
        ...Object.entries(set).map(([path, bank]) => [
          `My set/${path}`,
          bank < 0 ? [...Buffer.from('RIFF')] : [...pcgBytes(bank, path)],
        ]),
        ...big.map((name) => [`Big set/${name}`, 'big']),
        ...Object.entries(odd).map(([path, made]) => [path, [...made]]),
      ]),
      { big: [...pcgBytes(2, 'BIG.PCG')] },
    );
    // A question is put only within a second of a user's action, never in a
    // click the page made.  Each is answered 0.4 s after the one before, but
    // refused's, late's and Big set's at window.letGo(name); refused is
    // refused, "My set" allowed from the start.  broken cannot be written,
    // vanished cannot be read.  late waits at letGo('open') once opened for
    // writing, Big set's files at letGo('BIG'), and any file at
    // letGo('write') while window.holding.  Questions, writes (sorted) and
    // summaries are recorded; window.fileAt(path) is an origin file's handle,
    // window.bytesAt(path) its bytes.
    await s.page.evaluate((names) => {
      const handles = names.map((name) => window.made[name]);
      const folders = ['Big set', 'My set', 'Set'].map((name) => window.made[name]);
      handles[4].getFile = () => Promise.reject(new DOMException('gone', 'NotFoundError'));
      let lastAction = -Infinity;
      const act = (event) => {
        lastAction = event.isTrusted ? performance.now() : -Infinity;
      };
      for (const type of ['keydown', 'mousedown', 'click']) addEventListener(type, act, true);
      const held = {};
      const hold = (name) => new Promise((go) => (held[name] ??= []).push(go));
      window.letGo = (name) => held[name].splice(0).forEach((go) => go());
      let previous = Promise.resolve();
      Object.assign(window, { questions: [], writes: [], summaries: [], pickerOptions: [] });
      for (const handle of [...handles, ...folders]) {
        handle.granted = handle.name === 'My set';
        handle.queryPermission = async () => (handle.granted ? 'granted' : 'prompt');
        handle.requestPermission = async () => {
          window.questions.push(handle.name);
          if (handle.granted) return 'granted';
          if (!navigator.userActivation.isActive || performance.now() - lastAction > 1000)
            throw new DOMException('no', 'SecurityError');
          if (['refused.pcg', 'late.pcg', 'Big set'].includes(handle.name)) await hold(handle.name);
          else await (previous = previous.then(() => new Promise((go) => setTimeout(go, 400))));
          handle.granted = handle.name !== 'refused.pcg';
          window.questions.push(`${handle.name} answered`);
          return handle.granted ? 'granted' : 'denied';
        };
      }
      FileSystemFileHandle.prototype.requestPermission = async function () {
        return window.questions.push(this.name) && 'granted';
      };
      const { values } = FileSystemDirectoryHandle.prototype;
      FileSystemDirectoryHandle.prototype.values = function () {
        if (this.name !== 'System Volume Information') return values.call(this);
        const next = () => Promise.reject(new DOMException('no', 'NotReadableError'));
        return { [Symbol.asyncIterator]: () => ({ next }) };
      };
      window.showOpenFilePicker = async (options) => window.pickerOptions.push(options) && handles;
      window.showDirectoryPicker = async (options) =>
        window.pickerOptions.push(options) && folders.shift();
      const { createWritable } = FileSystemFileHandle.prototype;
      let [lateOpened, bigOpened] = [false, false];
      FileSystemFileHandle.prototype.createWritable = async function (options) {
        if (this.name === 'broken.pcg') throw new DOMException('disk full', 'QuotaExceededError');
        window.writes.push(`${this.name} open${options?.keepExistingData ? '' : ', emptied'}`);
        if (this.name === 'late.pcg' && !lateOpened) await (lateOpened = hold('open'));
        if (this.name.startsWith('BIG')) await (bigOpened ||= hold('BIG'));
        if (window.holding) await hold('write');
        return Object.assign(await createWritable.call(this, options), { fileName: this.name });
      };
      const { write, abort } = FileSystemWritableFileStream.prototype;
      FileSystemWritableFileStream.prototype.write = function (data) {
        window.writes.push(`${this.fileName} ${data.type} ${data.position} ${data.data}`);
        return write.call(this, data);
      };
      FileSystemWritableFileStream.prototype.abort = function () {
        return window.writes.push(`${this.fileName} aborted`) && abort.call(this);
      };
      new MutationObserver((records) =>
        window.summaries.push(
          ...records.flatMap((r) => [...r.addedNodes].map((n) => n.textContent)),
        ),
      ).observe(document.getElementById('summary'), { childList: true });
      window.fileAt = (path) =>
        path
          .split('/')
          .reduce(
            async (folder, name, i, all) =>
              (await folder)[i < all.length - 1 ? 'getDirectoryHandle' : 'getFileHandle'](name),
            navigator.storage.getDirectory(),
          );
      window.bytesAt = async (path) => [
        ...new Uint8Array(await (await (await window.fileAt(path)).getFile()).arrayBuffer()),
      ];
    }, names);
    const written = (name, bank) => [`${name} open`, `${name} write 51 ${bank}`];
    // Origin files' bytes, as arrays; a byte written as another program would.
    const bytesOf = (paths) => s.evaluate((all) => Promise.all(all.map(window.bytesAt)), paths);
    const otherProgram = (...args) =>
      s.evaluate(
        async (path, position, byte) => {
          const file = await window.fileAt(path);
          const writable = await file.createWritable({ keepExistingData: true });
          await writable.write({ type: 'write', position, data: new Uint8Array([byte]) });
          await writable.close();
        },
        ...args,
      );
    // The bank bytes of kept and late, and the questions and writes since.
    const state = async () => ({
      banks: (await bytesOf(['kept.pcg', 'late.pcg'])).map((file) => file[51]),
      ...(await s.evaluate(() => ({
        questions: window.questions.splice(0),
        writes: window.writes.splice(0).sort(),
      }))),
    });
    const keys = async (...pressed) => {
      for (const key of pressed.slice(0, -1)) await s.page.keyboard.down(key);
      await s.page.keyboard.press(pressed.at(-1));
      for (const key of pressed.slice(0, -1).reverse()) await s.page.keyboard.up(key);
    };
    const focused = () =>
      s.evaluate(() => [
        document.activeElement.id,
        getComputedStyle(document.activeElement).outlineStyle,
        getComputedStyle(document.activeElement).outlineWidth,
      ]);
    const unreadableRow =
      'vanished.pcg: Cannot be read: it is a folder, or it was moved or deleted before it could be read.';
    const picked = (kept, others) => [
      '4 PCG files, 1 cannot be read.',
      `kept.pcg: bank ${kept}`,
      ...['refused', 'broken', 'late'].map((name) => `${name}.pcg: bank ${others}`),
      unreadableRow,
    ];
    const notAllowed =
      'not saved in the file, which this browser was not allowed to change; a changed copy is ready instead';
    const notWritten = 'not saved: the file could not be written; a changed copy is ready instead';
    const asking = 'waiting for your permission to change the file\u2026';
    const questions = [
      'Bank D: waiting for your permission to change 2 files\u2026',
      'kept.pcg: bank A → D, saved in the file',
      `refused.pcg: bank A → D: ${asking}`,
      `broken.pcg: bank A → D: ${notWritten}[Download broken.pcg]`,
      `late.pcg: bank A → D: ${asking}`,
      unreadableRow,
      '[Download all copies]',
    ];
    const pcgPaths = Object.keys(set).filter((path) => set[path] >= 0);
    await t.test(
      'every question at once by keyboard, one byte saved in place, a failed write offering a copy',
      async () => {
        await keys('Tab');
        assert.deepEqual(await focused(), ['language', 'solid', '3px']);
        await keys('Tab');
        assert.deepEqual(await focused(), ['pick', 'solid', '3px']);
        await keys('Space');
        assert.deepEqual(await shown(s, 'the files', (v) => v.rows.length), picked('A', 'A'));
        for (const key of ['Tab', 'Tab', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Tab', 'Enter'])
          await keys(key);
        const asked = (v) => v.buttons && v.rows[0].endsWith('saved in the file');
        assert.deepEqual(await shown(s, 'the questions', asked), questions);
        // Past "Download all copies" and the banks of kept, refused and broken.
        for (const key of ['Tab', 'Tab', 'Tab', 'Tab', 'Tab', 'Enter']) await keys(key);
        assert.deepEqual(await s.downloaded('broken.pcg'), withBank(bytes['broken.pcg'], 3));
      },
    );
    await t.test(
      'a bank chosen while the browser asks or a file is open for writing cancels what is not yet written',
      async () => {
        await s.evaluate(() => window.letGo('late.pcg'));
        await until('late opened', () => s.evaluate(() => window.writes.includes('late.pcg open')));
        assert.deepEqual(await seen(s), [
          'Bank D: waiting for your permission to change 1 file\u2026',
          ...questions.slice(1, 4),
          'late.pcg: bank A → D: saving in the file\u2026',
          ...questions.slice(5),
        ]);
        await s.select('#bank', 'E');
        await s.evaluate(() => ['refused.pcg', 'open'].forEach(window.letGo));
        await until('late let go', () =>
          s.evaluate(
            () =>
              window.questions.includes('refused.pcg answered') &&
              window.writes.some((w) => w === 'late.pcg aborted' || w.startsWith('late.pcg write')),
          ),
        );
        assert.deepEqual(await seen(s), [...picked('D', 'A'), '[Undo]']);
        assert.deepEqual(await state(), {
          banks: [3, 0],
          writes: [...written('kept.pcg', 3), 'late.pcg aborted', 'late.pcg open'].sort(),
          questions: [
            ...names.slice(0, 4),
            ...['kept', 'broken', 'late', 'refused'].map((name) => `${name}.pcg answered`),
          ],
        });
        assert.deepEqual(await s.evaluate(() => window.pickerOptions), [{ multiple: true }]);
      },
    );
    await t.test(
      'pressed again, only the file left is asked for, and progress counts every file',
      async () => {
        // Pressed by the page, refused is not asked for; pressed by the user,
        // only refused is, and broken, failed meanwhile, is counted once the
        // browser asks no more.
        await s.evaluate(() => document.getElementById('change').click());
        const afterE = [
          'kept.pcg: bank D → E, saved in the file',
          'refused.pcg: bank A → E: not saved: the browser did not let this page ask to change the file; press “Change bank” again',
          `broken.pcg: bank A → E: ${notWritten}[Download broken.pcg]`,
          'late.pcg: bank A → E, saved in the file',
          unreadableRow,
          '[Undo] [Download all copies]',
        ];
        assert.deepEqual(await shown(s, 'the change to E', changed), [
          'Bank E: 2 saved in their files, 1 copy to download, 1 not saved yet: press “Change bank” again, 1 cannot be read.',
          ...afterE,
        ]);
        await s.page.focus('#change');
        await s.evaluate(() => {
          window.summaries = [];
        });
        await keys('Enter');
        await shown(
          s,
          'the question again',
          (v) =>
            v.summary.includes('permission') &&
            v.buttons === '[Download all copies]' &&
            [0, 3].every((i) => v.rows[i].endsWith('saved in the file')),
        );
        await s.evaluate(() => window.letGo('refused.pcg'));
        const again = (v) => changed(v) && !v.summary.includes('yet');
        assert.deepEqual(await shown(s, 'the change again', again), [
          'Bank E: 2 saved in their files, 2 copies to download, 1 cannot be read.',
          ...afterE.with(1, `refused.pcg: bank A → E: ${notAllowed}[Download refused.pcg]`),
        ]);
        assert.ok(
          (await s.evaluate(() => window.summaries)).includes('Saving 3 of 4 files\u2026'),
          'progress missed broken',
        );
        assert.deepEqual(await state(), {
          banks: [4, 4],
          writes: [...written('kept.pcg', 4), ...written('late.pcg', 4)].sort(),
          questions: [...names.slice(0, 4), ...names.slice(0, 4), 'refused.pcg answered'],
        });
        await s.click('#results li:nth-child(2) a');
        assert.deepEqual(await s.downloaded('refused.pcg'), withBank(bytes['refused.pcg'], 4));
      },
    );
    await t.test(
      'a folder of more files than are written at once, one row changed while the browser asks',
      async () => {
        // That answer writes nothing; once the next is given, every row says
        // it is being saved, and the summary counts up now and then.
        const asked = (banks) => `${banks}: waiting for your permission to change 40 files\u2026`;
        await s.click('#pick-folder');
        await shown(s, 'Big set', (v) => v.rows.length === 40);
        await s.click('#change');
        await shown(s, 'the question for Big set', (v) => v.summary === asked('Bank E'));
        await s.select('#results li:nth-child(1) select', 'F');
        await shown(s, 'Big set again', (v) => v.summary === '40 PCG files.');
        await s.click('#change');
        await shown(s, 'the question again', (v) => v.summary === asked('Banks E and F'));
        await s.evaluate(() => window.letGo('Big set'));
        const saving = (v) => v.rows.every((row) => row.endsWith('saving in the file\u2026'));
        assert.deepEqual(await shown(s, 'Big set being saved', saving), [
          'Saving 0 of 40 files\u2026',
          ...big.map((name, i) => `${name}: bank C → ${i ? 'E' : 'F'}: saving in the file\u2026`),
        ]);
        await until('Big set opened for writing', () =>
          s.evaluate(() => window.writes.some((write) => write.startsWith('BIG'))),
        );
        const letGo = Date.now();
        await s.evaluate(() => {
          window.summaries = [];
          window.letGo('BIG');
        });
        assert.deepEqual(await shown(s, 'Big set saved', changed), [
          'Banks E and F: 40 saved in their files.',
          ...big.map((name, i) => `${name}: bank C → ${i ? 'E' : 'F'}, saved in the file`),
          '[Undo]',
        ]);
        const counts = (await s.evaluate(() => window.summaries)).filter((summary) =>
          summary.startsWith('Saving'),
        );
        assert.ok(counts.length <= 2 + (Date.now() - letGo) / 250, counts.join(' '));
        const { questions, writes } = await state();
        assert.deepEqual(
          [questions, writes.length, writes.filter((write) => write.endsWith(' 5'))],
          [
            ['Big set', 'Big set', 'Big set answered', 'Big set answered'],
            80,
            ['BIG 1.PCG write 51 5'],
          ],
        );
      },
    );
    await t.test(
      'a folder asked for once, its unreadable folder passed over, three sets to three banks by keyboard',
      async () => {
        await s.click('#pick-folder');
        assert.deepEqual(await shown(s, 'the folder', (v) => v.rows.length === 4), [
          '4 PCG files, 2 other files, 1 folder could not be read.',
          ...pcgPaths.map((path) => `${path}: bank ${'ABCD'[set[path]]}`),
        ]);
        await s.page.focus('#change');
        for (const ups of [3, 2, 2, 4])
          for (const key of ['Tab', ...Array(ups).fill('ArrowUp')]) await keys(key);
        await s.page.focus('#change');
        await keys('Enter');
        assert.deepEqual(
          (await shown(s, 'the folder changed', changed))[0],
          'Banks A, B and C: 4 saved in their files.',
        );
        assert.deepEqual(await state(), {
          banks: [4, 4],
          questions: ['My set'],
          writes: pcgPaths
            .flatMap((path, i) => written(path.split('/').at(-1), [1, 2, 2, 0][i]))
            .sort(),
        });
        assert.deepEqual(await s.evaluate(() => window.pickerOptions.at(-1)), {
          mode: 'readwrite',
        });
        await s.evaluate(() => document.activeElement.blur());
        if (shots) await s.screenshot(join(shots, 'in-place.png'));
      },
    );
    await t.test(
      "Undo byte for byte, another program's changes left alone, and only what changed written again",
      async () => {
        // "Bank" says the rows differ.  Pressed again, each file is read and
        // none written; Undo puts each back byte for byte, with no question
        // but the folder's, answered at once.
        assert.deepEqual(await bankHeard(s), ['Bank', 'Banks differ']);
        const paths = [...pcgPaths, 'README.TXT'].map((path) => `My set/${path}`);
        const asMade = [...pcgPaths.map((path) => pcgBytes(set[path], path)), Buffer.from('RIFF')];
        const press = async (selector, ending) => {
          await s.click(selector);
          return shown(
            s,
            selector,
            (v) =>
              v.rows.every((row) => row.endsWith(ending)) &&
              v.summary.endsWith('.') &&
              !v.summary.includes('PCG'),
          );
        };
        const savedView = await seen(s);
        assert.deepEqual(
          [await press('#change', 'saved in the file'), await state()],
          [savedView, { banks: [4, 4], questions: ['My set'], writes: [] }],
        );
        const putBack = [
          'Guitar set/GUITAR.PCG: bank B → A',
          'Keys/E-PIANO.PCG: bank C → A',
          'Keys/ORGAN.PCG: bank C → B',
          'Pads/strings.pcg: bank A → D',
        ].map((row) => `${row}, put back`);
        assert.deepEqual(await press('#undo', 'put back'), [
          'Undo: 4 put back in their files.',
          ...putBack,
        ]);
        assert.deepEqual(
          [await bytesOf(paths), (await state()).questions],
          [asMade.map((b) => [...b]), ['My set']],
        );
        // Changed since by another program, the piano's bank and the pads' last
        // byte: left as they are by Ctrl+Z.
        await press('#change', 'saved in the file');
        await otherProgram(paths[1], 51, 7);
        await otherProgram(paths[3], asMade[3].length - 1, 33);
        await keys('Control', 'z');
        const left = 'left as it is: it was changed, moved or deleted after it was saved';
        assert.deepEqual(await shown(s, 'Ctrl+Z', (v) => v.summary.startsWith('Undo:')), [
          'Undo: 2 put back in their files, 2 left as they are: changed, moved or deleted after they were saved.',
          putBack[0],
          `Keys/E-PIANO.PCG: bank C: ${left}`,
          putBack[2],
          `Pads/strings.pcg: bank A: ${left}`,
        ]);
        const changedSince = [
          asMade[0],
          withBank(asMade[1], 7),
          asMade[2],
          withBank(asMade[3], 0).fill(33, asMade[3].length - 1),
          asMade[4],
        ];
        assert.deepEqual(
          await bytesOf(paths),
          changedSince.map((b) => [...b]),
        );
        // All saved in C; the guitar put back in A by another program and "Bank"
        // set to F and back to C, the organ given G on its row: those two alone
        // are written.
        await s.select('#bank', 'C');
        await press('#change', 'saved in the file');
        await otherProgram(paths[0], 51, 0);
        await state();
        for (const [selector, letter] of [
          ['#bank', 'F'],
          ['#bank', 'C'],
          ['#results li:nth-child(3) select', 'G'],
        ])
          await s.select(selector, letter);
        assert.deepEqual((await press('#change', 'saved in the file')).slice(1, 5), [
          'Guitar set/GUITAR.PCG: bank A → C, saved in the file',
          'Keys/E-PIANO.PCG: bank H → C, saved in the file',
          'Keys/ORGAN.PCG: bank C → G, saved in the file',
          'Pads/strings.pcg: bank A → C, saved in the file',
        ]);
        assert.deepEqual(
          (await state()).writes,
          [...written('GUITAR.PCG', 2), ...written('ORGAN.PCG', 6)].sort(),
        );
      },
    );
    const undone = [
      'Undo: 2 put back in their files.',
      'A.PCG: bank B → A, put back',
      'ODD.PCG: bank B → bank byte 30, no bank letter, put back',
    ];
    const asMade = Object.values(odd).map((made) => [...made]);
    await t.test('"Bank" keeps its dash out of reach', async () => {
      await s.click('#pick-folder');
      await shown(s, 'Set', (v) => v.rows.length === 2);
      await s.press('#bank', ['ArrowUp', 'Home']);
      assert.equal(await s.evaluate(() => document.getElementById('bank').value), 'A');
    });
    await t.test(
      'Ctrl+Shift+Z, Redo elsewhere, undoes nothing; ⌘Z puts back a byte with no letter',
      async () => {
        await s.select('#bank', 'B');
        await s.click('#change');
        await shown(s, 'the change', (v) => v.summary === 'Bank B: 2 saved in their files.');
        await keys('Control', 'Shift', 'z');
        assert.deepEqual(
          [
            (await s.evaluate(view)).buttons,
            (await bytesOf(Object.keys(odd))).map((file) => file[51]),
          ],
          ['[Undo]', [1, 1]],
        );
        await keys('Meta', 'z');
        assert.deepEqual(await shown(s, 'the undo', (v) => v.summary.startsWith('Undo:')), undone);
        assert.deepEqual(await bytesOf(Object.keys(odd)), asMade);
      },
    );
    await t.test('an Undo the browser would not ask for says to press "Undo" again', async () => {
      await s.click('#change');
      await shown(s, 'the change again', (v) => v.summary === 'Bank B: 2 saved in their files.');
      await s.evaluate(() => {
        window.made.Set.granted = false;
        document.getElementById('undo').click();
      });
      const again =
        'not put back: the browser did not let this page ask to change the file; press “Undo” again';
      assert.deepEqual(await shown(s, 'the undo not asked', (v) => v.summary.startsWith('Undo:')), [
        'Undo: 2 not put back yet: press “Undo” again.',
        `A.PCG: bank B → A: ${again}`,
        `ODD.PCG: bank B → bank byte 30, no bank letter: ${again}`,
        '[Undo]',
      ]);
    });
    await t.test(
      '"Change bank" pressed during an Undo changes nothing; the focus stays on a control',
      async () => {
        await s.evaluate(() => {
          window.holding = true;
          window.writes = [];
        });
        await s.page.focus('#undo');
        await keys('Enter');
        await until('a write held', () => s.evaluate(() => window.writes.length > 0));
        await s.evaluate(() => document.getElementById('change').click());
        await s.evaluate(() => {
          window.holding = false;
          window.letGo('write');
        });
        assert.deepEqual(await shown(s, 'the undo', (v) => v.summary === undone[0]), undone);
        assert.deepEqual(await bytesOf(Object.keys(odd)), asMade);
        assert.equal(await s.evaluate(() => document.activeElement.id), 'change');
      },
    );
    await s.close();
  });

  test('second actions: each download again, a zip refused, a double click, a new bank or pick, a closed picker', async (t) => {
    const [a, b] = makeFiles({ 'a.pcg': pcgBytes(0, 'a.pcg'), 'b.pcg': pcgBytes(1, 'b.pcg') });
    // Every copy downloaded is recorded with its bank byte (one of the same
    // name would overwrite the first here), a zip by its name; copies are read
    // once window.held, and the browser takes none while window.refusing.
    // The page's file inputs, clicked, count instead of opening a dialog.
    const s = await engine.open(pageUrl, {
      beforeLoad: () => {
        const { stream, arrayBuffer } = Blob.prototype;
        window.held = Promise.resolve();
        Blob.prototype.stream = function () {
          const reader = stream.call(this).getReader();
          return new ReadableStream({
            pull: async (out) =>
              window.held
                .then(() => reader.read())
                .then((part) => (part.done ? out.close() : out.enqueue(part.value))),
          });
        };
        Blob.prototype.arrayBuffer = function () {
          return window.held.then(() => arrayBuffer.call(this));
        };
        HTMLInputElement.prototype.click = () => {
          window.inputsOpened = (window.inputsOpened ?? 0) + 1;
        };
        window.showOpenFilePicker = async () => {
          window.closedPickers = (window.closedPickers ?? 0) + 1;
          throw new DOMException('closed', 'AbortError');
        };
        window.saved = [];
        const blobs = new Map();
        const { createObjectURL } = URL;
        URL.createObjectURL = (blob) => {
          if (window.refusing) throw new DOMException('no room', 'QuotaExceededError');
          const url = createObjectURL(blob);
          blobs.set(url, blob);
          return url;
        };
        const { click } = HTMLAnchorElement.prototype;
        HTMLAnchorElement.prototype.click = function () {
          const blob = blobs.get(this.href);
          if (blob?.type === 'application/zip') window.saved.push(this.download);
          else if (blob)
            window.saved.push(
              blob
                .slice(51, 52)
                .text()
                .then((bank) => `${this.download} ${bank.charCodeAt(0)}`),
            );
          return click.call(this);
        };
      },
    });
    const saved = () => s.evaluate(() => Promise.all(window.saved));
    const hold = () =>
      s.evaluate(() => {
        window.held = new Promise((go) => {
          window.letGo = go;
        });
      });
    const refuse = (refusing) =>
      s.evaluate((value) => {
        window.refusing = value;
      }, refusing);
    const zipping = (v) => v.buttons.endsWith('greyed out');
    const picked = ['2 PCG files.', 'a.pcg: bank A', 'b.pcg: bank B'];
    const copies = (letter, summary = `Bank ${letter}: 2 copies to download.`) => [
      summary,
      ...picked.slice(1).map((row) => `${row} → ${letter}: ${copyReady}[Download ${row[0]}.pcg]`),
      '[Download all copies]',
    ];
    await t.test(
      'a link used twice, another bank taking the copies back, a double click',
      async () => {
        await s.pick([a, b]);
        assert.deepEqual(await shown(s, 'the files', (v) => v.rows.length), picked);
        await s.select('#bank', 'D');
        await s.click('#change');
        assert.deepEqual(await shown(s, 'the change', changed), copies('D'));
        await s.click('#results a');
        await until('the copy', async () => (await saved()).length === 1);
        await s.click('#results a');
        await until('the copy again', async () => (await saved()).length === 2);
        await s.select('#bank', 'E');
        assert.deepEqual(await seen(s), picked);
        await s.page.click('#change', { count: 2 });
        assert.deepEqual(await shown(s, 'the change', changed), copies('E'));
      },
    );
    await t.test('"Download all copies" greyed out while it zips, and twice one zip', async () => {
      for (let i = 0; i < 2; i++) {
        await hold();
        await s.click('#save-all');
        await s.click('#save-all'); // while it goes on: no more copies
        assert.ok(zipping(await s.evaluate(view)), 'not greyed out while it goes on');
        await s.evaluate(() => window.letGo());
        assert.deepEqual(
          await shown(s, 'all copies', (v) => !zipping(v)),
          copies('E', 'Bank E: 2 copies in “PCG copies.zip”.'),
        );
      }
    });
    await t.test('a zip under way ended by another bank, nothing handed over', async () => {
      await hold();
      await s.click('#save-all');
      await s.select('#bank', 'F');
      await s.evaluate(() => window.letGo());
      await s.click('#change');
      const toF = (v) => changed(v) && !zipping(v);
      assert.deepEqual(await shown(s, 'the change to F', toF), copies('F'));
    });
    await t.test(
      'a zip the browser will not take, told, then taken; every download as it was asked for',
      async () => {
        await refuse(true);
        await s.click('#save-all');
        assert.deepEqual(
          await shown(s, 'the zip refused', (v) => v.summary.includes('zip') && !zipping(v)),
          copies(
            'F',
            'Bank F: 2 copies to download, the browser would not take the zip: download each copy by its own link.',
          ),
        );
        await refuse(false);
        await s.click('#save-all');
        await shown(s, 'the zip taken', (v) => v.summary.endsWith('in “PCG copies.zip”.'));
        assert.deepEqual(await saved(), [
          'a.pcg 3',
          'a.pcg 3',
          'PCG copies.zip',
          'PCG copies.zip',
          'PCG copies.zip',
        ]);
      },
    );
    await t.test('a picker closed, and the same files picked again', async () => {
      await s.click('#pick');
      await until('the picker closed', () => s.evaluate(() => window.closedPickers === 1));
      assert.deepEqual(
        [(await seen(s)).slice(1), await s.evaluate(() => window.inputsOpened)],
        [copies('F').slice(1), undefined],
      );
      await s.pick([a, b]);
      assert.deepEqual(
        await shown(s, 'the same files again', (v) => v.rows.length && !v.buttons),
        picked,
      );
    });
    await s.close();
  });

  test('a real drop of a file and a folder, to change in place; a slow first pick never lands over a quicker second', async (t) => {
    // Reads of files named "slow…" wait for window.letGo(), as on a slow drive.
    const s = await engine.open(pageUrl, {
      beforeLoad: () => {
        const { slice, arrayBuffer } = Blob.prototype;
        const slowDrive = new Promise((resolve) => {
          window.letGo = resolve;
        });
        Blob.prototype.slice = function (...args) {
          return Object.assign(slice.apply(this, args), {
            slow: this.slow || /^slow/.test(this.name),
          });
        };
        Blob.prototype.arrayBuffer = function () {
          return this.slow
            ? slowDrive.then(() => {
                window.slowRead = true;
                return arrayBuffer.call(this);
              })
            : arrayBuffer.call(this);
        };
      },
    });
    const [dropped, slow, quick, inSet, , , locked] = makeFiles({
      'dropped.pcg': pcgBytes(1, 'dropped.pcg'),
      'slow.pcg': pcgBytes(0, 'slow.pcg'),
      'quick.pcg': pcgBytes(2, 'quick.pcg'),
      'Set/A.PCG': pcgBytes(4, 'A.PCG'),
      'Set/sub/b.pcg': pcgBytes(5, 'b.pcg'),
      'Set/sub/sample.wav': 'RIFF',
      'Set/System Volume Information/IndexerVolumeGuid': 'x',
    });
    await t.test(
      'a file and a folder dropped, with a folder no one may read, changed in place',
      async () => {
        // A folder no one may read, as Windows leaves on every USB stick.
        chmodSync(dirname(locked), 0);
        const drag = { items: [], files: [dropped, dirname(inSet)], dragOperationsMask: 1 };
        await s.page.mouse.dragEnter({ x: 100, y: 100 }, drag);
        await s.page.mouse.dragOver({ x: 100, y: 100 }, drag);
        await s.page.mouse.drop({ x: 100, y: 100 }, drag);
        assert.deepEqual(await shown(s, 'the dropped files', (v) => v.rows.length), [
          '3 PCG files, 1 other file, 1 folder could not be read.',
          'dropped.pcg: bank B',
          'Set/A.PCG: bank E',
          'Set/sub/b.pcg: bank F',
        ]);
        chmodSync(dirname(locked), 0o700);
        await s.click('#change');
        // The browser asks the user, who is not there.
        const waiting = 'waiting for your permission to change the file\u2026';
        assert.deepEqual(await shown(s, 'the questions', (v) => v.rows[2].includes('waiting')), [
          'Bank A: waiting for your permission to change 3 files\u2026',
          `dropped.pcg: bank B → A: ${waiting}`,
          `Set/A.PCG: bank E → A: ${waiting}`,
          `Set/sub/b.pcg: bank F → A: ${waiting}`,
        ]);
      },
    );
    await t.test('a slow first pick never lands over a quicker second', async () => {
      await s.pick([slow]);
      await s.pick([quick]);
      await shown(s, 'the quick pick', (v) => v.rows.length === 1);
      await s.evaluate(() => window.letGo());
      await until('the slow read', () => s.evaluate(() => window.slowRead));
      assert.deepEqual(await seen(s), ['1 PCG file.', 'quick.pcg: bank C']);
    });
    await s.close();
  });

  test('the language chosen in "Language": every word at once, kept after a reload until the browser\'s is chosen', async (t) => {
    const s = await engine.open(pageUrl, { beforeLoad: [preferring, ['de-DE', 'ja']] });
    const page = () =>
      s.evaluate(() => [
        document.documentElement.lang,
        document.title,
        document.getElementById('language').value,
        [...document.querySelectorAll('#results select')].map((choice) => choice.value).join(),
        document.getElementById('bank').value,
        document.querySelector('footer').textContent.split(/[,、]/)[0],
      ]);
    const title = 'Tavrelon：KORG PCG ファイルのバンクを変更';
    const named = (names) =>
      Promise.all(names.map((name) => s.page.$(`aria/${name}[role="combobox"]`)));
    await t.test(
      'every word, and every name a screen reader hears, at once in the language chosen',
      async () => {
        assert.ok((await named(['Sprache'])).every(Boolean), 'no "Language" a screen reader names');
        await changeInWords(s, speaking.Chromium);
        await s.select('#language', 'ja');
        assert.deepEqual(await seen(s), inWords(speaking.Firefox));
        assert.deepEqual(await page(), ['ja', title, 'ja', 'B,C', '', `Tavrelon ${version}`]);
        assert.deepEqual(
          await s.evaluate(() =>
            [...document.getElementById('language').options].map((o) => `${o.lang}:${o.text}`),
          ),
          [
            ':ブラウザーの言語',
            'en:English',
            'de:Deutsch',
            'es:Español',
            'fr:Français',
            'it:Italiano',
            'ja:日本語',
            'pt-BR:Português (Brasil)',
          ],
        );
        assert.ok(
          (await named(['言語', 'strings.pcg のバンク'])).every(Boolean),
          'the names a screen reader hears are not Japanese',
        );
        assert.deepEqual(await bankHeard(s), ['バンク', 'バンクが異なります']);
        if (shots) await s.screenshot(join(shots, 'Japanese.png'));
        assert.deepEqual(await violations(s), []);
      },
    );
    await t.test(
      "the choice kept after a reload, until the browser's language is chosen",
      async () => {
        await s.page.reload();
        assert.deepEqual(await page(), ['ja', title, 'ja', '', 'A', `Tavrelon ${version}`]);
        await s.select('#language', '');
        await s.page.reload();
        assert.deepEqual(await page(), [
          'de',
          'Tavrelon: die Bank von KORG-PCG-Dateien ändern',
          '',
          '',
          'A',
          `Tavrelon ${version}`,
        ]);
      },
    );
    await s.close();
  });

  test('on a phone: no sideways scroll, one live region, the summary in view, one copy alone as itself, axe-core', async () => {
    const name = `${'StringsAndPads'.repeat(6)}.pcg`;
    const s = await engine.open(pageUrl, {
      viewport: { width: 360, height: 740, isMobile: true, hasTouch: true },
    });
    await s.pick(makeFiles({ [name]: pcgBytes(0, name), 'b.pcg': Buffer.from('KORG') }));
    await shown(s, 'the files', (v) => v.rows.length === 2);
    await s.click('#change');
    await shown(s, 'the change', changed);
    const layout = await s.evaluate(() => ({
      width: window.innerWidth,
      scrolls: document.documentElement.scrollWidth > window.innerWidth,
      live: [
        ...document.querySelectorAll('[aria-live], [role=status], [role=alert], [role=log]'),
      ].map((e) => e.id),
      // Scrolled to a whole pixel, the summary may end a fraction past it.
      summaryOnScreen: ((r) => r.top >= 0 && r.bottom < window.innerHeight + 1)(
        document.getElementById('summary').getBoundingClientRect(),
      ),
    }));
    assert.deepEqual(layout, {
      width: 360,
      scrolls: false,
      live: ['summary'],
      summaryOnScreen: true,
    });
    assert.ok(
      await s.page.$(`aria/Bank for ${name}[role="combobox"]`),
      'no row choice a screen reader names',
    );
    if (shots) await s.screenshot(join(shots, 'phone.png'));
    await s.click('#save-all');
    assert.deepEqual(await s.downloaded(name), withBank(pcgBytes(0, name), 0));
    for (const value of ['light', 'dark']) {
      await s.page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value }]);
      assert.deepEqual(await violations(s), [], value);
      if (shots && value === 'dark') await s.screenshot(join(shots, 'phone-dark.png'));
    }
    await s.close();
  });
});
