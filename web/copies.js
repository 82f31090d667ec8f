// The changed copies a browser downloads: one when its link is used, or
// every copy on offer in one go, two or more of them in one zip.  A copy is
// made at that moment from its file, provided the file is still what it was.
import { sleep } from './pool.js';
import { fileOf } from './reading.js';
import { download, downloadSpacing, intactCopy, zipCopies } from './saving.js';
import { say } from './words.js';
import { entriesAtMost, pathInZip, zipNames, zipOf } from './zip.js';

// Copies read together for a zip (see zipCopies), up to a count and a size
// of their files, and such groups read at once ahead of the one going into
// the zip.
const groupSize = 128;
const groupBytes = 8 * 1024 * 1024;
const groupsAhead = 2;

// A copy of entry's file to offer: changed in place of the header of ends,
// which the file must still start with, as it must still end with their
// tail, when the copy is made.  Its time in a zip is the change's.
export const copyOf = (entry, ends, changed) => ({
  name: entry.file.name,
  source: entry,
  ends,
  changed,
  made: new Date(),
});

// The copy's bytes as a Blob, or null where its file is no longer what it was.
async function bytesOf(copy) {
  const file = await fileOf(copy.source);
  return file && intactCopy(file, copy.ends, copy.changed);
}

// entries in groups to read together, in their order.
function groupsOf(entries) {
  const groups = [];
  let bytes = 0;
  for (const entry of entries) {
    const size = entry.file?.size ?? 0;
    if (!groups.length || groups.at(-1).length === groupSize || bytes + size > groupBytes) {
      groups.push([]);
      bytes = 0;
    }
    groups.at(-1).push(entry);
    bytes += size;
  }
  return groups;
}

// The copies of entries for a zip: { taken, reading }, taken each entry
// with its copy as it was then, [entry, copy], and reading a promise of
// their bytes (zipCopies).
function readCopies(entries) {
  const taken = entries.map((entry) => [entry, entry.copy]);
  const reading = Promise.all(taken.map(([, copy]) => copy && fileOf(copy.source))).then((files) =>
    zipCopies(taken.map(([, copy], i) => ({ ...copy, file: files[i] }))),
  );
  return { taken, reading };
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
    const count = list.counter(mine, 'packing', offered.length);
    let done = 0;
    let zipped = 0;
    async function* copiesIn(part) {
      const groups = groupsOf(part);
      const ahead = groups.slice(0, groupsAhead).map(readCopies);
      for (let g = 0; g < groups.length; g++) {
        const { taken, reading } = ahead.shift();
        const copies = await reading;
        if (g + groupsAhead < groups.length) ahead.push(readCopies(groups[g + groupsAhead]));
        for (const [i, [entry, copy]] of taken.entries()) {
          if (!list.current(mine)) throw new Error('a newer round');
          count(++done);
          if (!copy || copy !== entry.copy) continue;
          if (!copies[i]) {
            list.leaveOut(entry);
            continue;
          }
          zipped++;
          yield { path: copy.inZip || entry.name, time: copy.made, bytes: copies[i] };
        }
      }
    }
    const names = zipNames(list.folder() || say('zipName'), offered.length);
    const handed = [];
    for (const [i, name] of names.entries()) {
      if (handed.length) await sleep(downloadSpacing);
      const before = zipped;
      const blob = await zipOf(
        copiesIn(offered.slice(i * entriesAtMost, (i + 1) * entriesAtMost)),
      ).catch(() => null);
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
