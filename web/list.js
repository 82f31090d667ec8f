// The files on show and what became of each, in rounds: every pick, bank and
// change starts a new round, and what an older round has not done yet, it
// never does.  This module owns that state; change.js carries a change out
// and copies.js makes the copies, each handed the list below.  Each file is
// an entry { name, file, handle, root, ends, bank, row, outcome, from, to,
// copy, savedAs, savedFrom }: ends its first and last bytes as last known
// ({ header, tail }), bank the header's bank (-1 for no PCG file), copy the
// copy on offer or null, savedAs the bank it was last saved in place as.
import { carryOut } from './change.js';
import { copyMaker, copyOf } from './copies.js';
import { readAllEnds } from './reading.js';
import { bankName, clearRows, showButtons, showEntry, showProgress, showRows, showSummary } from './view.js';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const changeable = (entry) => entry.bank >= 0 && entry.outcome !== 'gone';

export function fileList(core) {
  let entries = [];
  // What a pick held besides its rows: see showSummary.
  let passedOver = { others: 0, unreadable: 0, nothingRead: false };
  let round = 0;
  let letter = ''; // the bank of the change on show, '' before one
  let changing = false; // a change's checks, questions and writes are under way

  // What change.js and copies.js see of the list.
  const list = {
    core,
    entries: () => entries,
    current: (mine) => mine === round,
    nameOf: (bank) => bankName(core.letterOf(bank), bank),
    show: (entry) => showEntry(entry, copies.save),
    showControls: () => showButtons({
      canChange: entries.some(changeable), copies: entries.some((e) => e.copy), saving: copies.busy(),
    }),
    showTotals() {
      showSummary(entries, letter, passedOver);
      list.showControls();
    },
    becomeGone(entry) {
      entry.outcome = 'gone';
      entry.copy = null;
      list.show(entry);
    },
    // Counts long work up in the summary once it has taken a second.
    counter(mine, doing, total) {
      const start = performance.now();
      let last = 0;
      return (done) => {
        const now = performance.now();
        if (mine !== round || now - start < 1000 || now - last < 250) return;
        last = now;
        showProgress(doing, done, total);
      };
    },
  };
  const copies = copyMaker(list);

  // The files of a pick, a folder or a drop in place of those on show:
  // picking(seen) gives the pick, or a promise of it, and tells seen how many
  // files it has gone through so far.  A pick that fails as a whole is one
  // in which nothing could be read.
  async function showFiles(picking) {
    const mine = ++round;
    entries = [];
    letter = '';
    clearRows();
    showButtons({ canChange: false, copies: false });
    const picked = await Promise.resolve(picking(list.counter(mine, 'Looking through the folder')))
      .catch(() => ({ sources: [], others: 0, unreadable: 1, listed: 0 }));
    // The reads start in a task of their own, once the browser has handed
    // over every file: that takes it a while with thousands.
    await sleep(0);
    if (mine !== round) return;
    const read = await readAllEnds(picked.sources, core.headerSize, list.counter(mine, 'Reading', picked.sources.length));
    if (mine !== round) return;
    const rows = showRows(read.map((source) => source.name));
    entries = read.map((source, i) => ({
      ...source, row: rows[i], bank: source.ends ? core.bankOf(source.ends.header) : -1,
      outcome: source.ends ? 'pcg' : 'unreadable', copy: null, savedAs: '',
    }));
    const { others, unreadable, listed } = picked;
    passedOver = { others, unreadable, nothingRead: !entries.length && !others && !listed && unreadable > 0 };
    showCurrentBanks();
  }

  // A new round: what the older ones have not done yet, they never do.
  function newRound() {
    round++;
    letter = '';
    changing = false;
    for (const entry of entries) {
      entry.copy = null;
      if (entry.outcome !== 'unreadable' && entry.outcome !== 'gone') entry.outcome = entry.bank < 0 ? 'refused' : 'pcg';
      entry.from = list.nameOf(entry.bank);
    }
    return round;
  }

  // Back to what the files hold now, with no copy on offer.  A file found
  // gone stays so until it is picked again.
  function showCurrentBanks() {
    newRound();
    for (const entry of entries) {
      entry.savedAs = '';
      list.show(entry);
    }
    list.showTotals();
  }

  // Shows entry's change at once: already saved in this bank, a copy ready,
  // or being saved.  True when there is still work to do for it.
  function startChange(entry) {
    const change = core.patched(entry.ends.header, letter);
    Object.assign(entry, { to: letter, changed: change });
    const toDo = entry.savedAs !== letter;
    if (toDo) {
      Object.assign(entry, { outcome: entry.handle ? 'saving' : 'copy', answered: false });
      entry.copy = entry.handle ? null : copyOf(entry, entry.ends, change.header);
    } else {
      Object.assign(entry, { outcome: 'saved', from: entry.savedFrom });
    }
    list.show(entry);
    return toDo;
  }

  // Every row shows its change at once, then the change is carried out and
  // the summary says how it all ended.  A file already saved in this bank is
  // left as it is, so that pressing again asks for the files still left.  A
  // press while all that is under way (a double click) changes nothing; the
  // button stays where it is for the keyboard.
  function changeBanks(newLetter) {
    if (changing) return;
    const mine = newRound();
    letter = newLetter;
    changing = true;
    const targets = entries.filter(changeable).filter(startChange);
    const done = carryOut(list, mine, letter, targets);
    list.showControls();
    done.then(() => {
      if (mine !== round) return;
      changing = false;
      list.showTotals();
    });
  }

  return { showFiles, showCurrentBanks, changeBanks, saveAllCopies: () => copies.saveAll(round) };
}
