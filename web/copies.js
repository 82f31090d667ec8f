// The changed copies a browser downloads: one when its link is used, or
// every copy on offer in one go, two or more of them in one zip.  A copy is
// made at that moment from its file, provided the file is still what it was.
import { pool, sleep } from './pool.js';
import { fileOf } from './reading.js';
import { download, downloadSpacing, intactCopy } from './saving.js';
import { say } from './words.js';
import { entriesAtMost, pathInZip, zipNames, zipOf } from './zip.js';

// Copies checked at once ahead of the one going into the zip.
const checksAhead = 8;

// A copy of entry's file to offer: changed in place of the header of ends,
// which the file must still start with, as it must still end with their
// tail, when the copy is made.  Its time in a zip is the change's.
export const copyOf = (entry, ends, changed) => ({ name: entry.file.name, source: entry, ends, changed, made: new Date() });

// The copy's bytes as a Blob, or null where its file is no longer what it was.
async function bytesOf(copy) {
  const file = await fileOf(copy.source);
  return file && intactCopy(file, copy.ends, copy.changed);
}

// The copies of the list's entries (list.js): save(entry), saveAll(round),
// and busy() while every copy is being saved.
export function copyMaker(list) {
  let savingAll = false;

  // Hands entry's copy to the browser's downloads; true when it was handed
  // over.  A file no longer what it was is shown gone instead.
  async function save(entry) {
    const { copy } = entry;
    if (!copy) return false;
    const blob = await bytesOf(copy);
    if (copy !== entry.copy) return false;
    if (!blob) {
      list.becomeGone(entry);
      list.showTotals();
      return false;
    }
    return handOver(blob, copy.name);
  }

  // Every copy on offer in round mine: one alone as the file itself, more
  // in one zip.  A new round ends it, and nothing half made is handed over.
  async function saveAll(mine) {
    const offered = list.entries().filter((entry) => entry.copy);
    savingAll = true;
    list.showControls();
    try {
      if (offered.length === 1) await save(offered[0]);
      else if (offered.length > 1) await saveZips(mine, offered);
    } finally {
      savingAll = false;
      list.showControls();
    }
  }

  // The copies offered, in zips of as many as a zip holds, each copy at its
  // row's path or, where another has that, at a path of its own that its
  // row tells.  A copy whose file is no longer what it was is left out, and
  // its row says so; so is one that cannot be read.
  async function saveZips(mine, offered) {
    const taken = new Set();
    for (const entry of offered) {
      const path = pathInZip(entry.name, taken);
      entry.copy.inZip = path === entry.name ? '' : path;
      if (entry.copy.inZip) list.show(entry);
    }
    const check = pool(checksAhead);
    const checked = new Map(offered.map((entry) => [entry, check(() => list.current(mine) && bytesOf(entry.copy))]));
    const count = list.counter(mine, 'packing', offered.length);
    let done = 0;
    let zipped = 0;
    async function* copiesIn(part) {
      for (const entry of part) {
        const { copy } = entry;
        const blob = await checked.get(entry);
        if (!list.current(mine)) throw new Error('a newer round');
        count(++done);
        if (!blob || copy !== entry.copy) {
          if (copy === entry.copy) list.leaveOut(entry);
          continue;
        }
        zipped++;
        yield { path: copy.inZip || entry.name, time: copy.made, blob };
      }
    }
    const names = zipNames(list.folder() || say('zipName'), offered.length);
    const handed = [];
    for (const [i, name] of names.entries()) {
      if (handed.length) await sleep(downloadSpacing);
      const before = zipped;
      const blob = await zipOf(copiesIn(offered.slice(i * entriesAtMost, (i + 1) * entriesAtMost))).catch(() => null);
      if (!list.current(mine)) return;
      if (blob && zipped === before) continue;
      if (!blob || !handOver(blob, name)) {
        list.showZipped({ failed: true });
        return;
      }
      handed.push(name);
    }
    list.showZipped(handed.length ? { names: handed, count: zipped } : null);
  }

  return { save, saveAll, busy: () => savingAll };
}

// A copy or a zip handed to the browser's downloads; false where the browser
// would not take it.
function handOver(blob, name) {
  try {
    download(blob, name);
    return true;
  } catch {
    return false;
  }
}
