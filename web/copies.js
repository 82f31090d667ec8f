// The changed copies a browser downloads: one when its link is used, or
// every copy on offer in one go.  A copy is made at that moment from its
// file, provided the file is still what it was.
import { sleep } from './pool.js';
import { fileOf } from './reading.js';
import { download, downloadSpacing, intactCopy } from './saving.js';

// A copy of entry's file to offer: changed in place of the header of ends,
// which the file must still start with, as it must still end with their
// tail, when the copy is made.
export const copyOf = (entry, ends, changed) => ({ name: entry.file.name, source: entry, ends, changed });

// The copies of the list's entries (list.js): save(entry), saveAll(round),
// and busy() while every copy is being saved.
export function copyMaker(list) {
  let savingAll = false;

  // Hands entry's copy to the browser's downloads; true when it was handed
  // over.  A file no longer what it was is shown gone instead.
  async function save(entry) {
    const { copy } = entry;
    if (!copy) return false;
    const file = await fileOf(copy.source);
    const blob = file && await intactCopy(file, copy.ends, copy.changed);
    if (copy !== entry.copy) return false;
    if (!blob) {
      list.becomeGone(entry);
      list.showTotals();
      return false;
    }
    download(blob, copy.name);
    return true;
  }

  // Every copy on offer in round mine, one after another; a copy taken off
  // the offer meanwhile is passed over, and a new round ends it.
  async function saveAll(mine) {
    savingAll = true;
    list.showControls();
    try {
      let saved = false;
      for (const entry of list.entries()) {
        if (saved && entry.copy) await sleep(downloadSpacing);
        if (!list.current(mine)) return;
        if (entry.copy) saved = (await save(entry)) || saved;
      }
    } finally {
      savingAll = false;
      list.showControls();
    }
  }

  return { save, saveAll, busy: () => savingAll };
}
