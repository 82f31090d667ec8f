// The files on show and what became of each, in rounds (rounds.js).  This
// module owns that state; change.js carries a change or an undo out and
// copies.js makes the copies, each handed the list below.  Each file is an
// entry { name, file, handle, root, ends, bank, letter, row, outcome, from,
// to, copy, before, savedAs, savedFrom, leftOut }: ends its first and last bytes as
// last known ({ header, tail() }: see reading.js), bank the header's bank
// (-1 for no PCG file), letter the bank chosen for it, from the bank it is
// in ({ letter, bank }: nameOf below) and to the bank a change or an undo
// takes it to (a letter, or { letter, bank } where it has none), copy the
// copy on offer or null; and, while the file is as this page saved it in
// place, before its header before that save (which an undo puts back),
// savedAs the letter it was saved as and savedFrom the bank it was in
// before, null and '' otherwise; leftOut whether its copy was left out of a
// zip, its file being no longer what it was.
import { copyMaker } from './copies.js';
import { afterPaint, sleep } from './pool.js';
import { readHeaders, readTails } from './reading.js';
import { changeable, changeBanks, newRound, undo, undoable } from './rounds.js';
import { clearSummary, showProgress, showSummary } from './summary.js';
import {
  clearRows,
  makeRows,
  showButtons,
  showChoices,
  showChosen,
  showEntry,
  showRows,
} from './view.js';

// The list over core, each new file going to the bank of letter until
// another is chosen: what page.js asks of it.  Its state lives in one
// object, handed to the steps below and in rounds.js and, as its list, to
// change.js and copies.js.
export function fileList(core, letter) {
  const state = {
    core,
    entries: [],
    round: 0,
    letter,
    banks: '', // the letters of the change on show, or 'undo' for an undo, '' before either
    busy: '', // 'change' or 'undo' while its checks, questions and writes are under way
    passedOver: { others: 0, unreadable: 0, nothingRead: false }, // what a pick held besides its rows: see showSummary
    folder: '', // the name of the folder picked, where the pick was one folder
    zipped: null, // the zips of the copies on show, { names, count } or { failed }: see showSummary
  };
  state.list = listOf(state);
  return {
    showFiles: (picking) => showFiles(state, picking),
    chooseBank: (chosen) => chooseBank(state, chosen),
    changeBanks: () => changeBanks(state),
    undo: () => undo(state),
    saveAllCopies: () => state.copies.saveAll(state.round),
    showRowsAgain: () => {
      for (const entry of state.entries) state.list.show(entry);
    },
  };
}

// What change.js and copies.js see of the list.
function listOf(state) {
  const list = {
    core: state.core,
    entries: () => state.entries,
    current: (mine) => mine === state.round,
    nameOf: (bank) => ({ letter: state.core.letterOf(bank), bank }),
    show: (entry) => showEntry(entry, state.copies.save),
    showControls: () =>
      showButtons({
        canChange: state.entries.some(changeable),
        canUndo: !state.busy && state.entries.some(undoable),
        copies: state.entries.some((e) => e.copy),
        saving: state.copies.busy(),
      }),
    showTotals() {
      showSummary(state.entries, state.banks, state.passedOver, state.zipped);
      list.showControls();
    },
    becomeGone(entry) {
      entry.outcome = 'gone';
      entry.copy = null;
      list.show(entry);
    },
    leaveOut(entry) {
      entry.leftOut = true;
      list.becomeGone(entry);
    },
    folder: () => state.folder,
    showZipped(zipped) {
      state.zipped = zipped;
      list.showTotals();
    },
    // Counts long work up in the summary once it has taken a second.
    counter(mine, doing, total) {
      const start = performance.now();
      let last = 0;
      return (done) => {
        const now = performance.now();
        if (mine !== state.round || now - start < 1000 || now - last < 250) return;
        last = now;
        showProgress(doing, done, total);
      };
    },
  };
  state.copies = copyMaker(list);
  return list;
}

// The files of a pick, a folder or a drop in place of those on show:
// picking(seen) gives the pick, or a promise of it, and tells seen how many
// files it has gone through so far.  A pick that fails as a whole is one
// in which nothing could be read.
async function showFiles(state, picking) {
  const { core, list } = state;
  const mine = ++state.round;
  state.entries = [];
  clearRows();
  clearSummary();
  showButtons({ canChange: false, copies: false });
  const picked = await Promise.resolve(picking(list.counter(mine, 'looking'))).catch(() => ({
    sources: [],
    others: 0,
    unreadable: 1,
    listed: 0,
  }));
  // The reads start in a task of their own, once the browser has handed
  // over every file: that takes it a while with thousands.
  await sleep(0);
  if (!list.current(mine)) return;
  // The rows are made in a task of their own while the files are read, and
  // shown once they are.
  const reading = readHeaders(
    picked.sources,
    core.headerSize,
    list.counter(mine, 'reading', picked.sources.length),
  );
  const names = picked.sources.map((source) => source.name);
  const rows = await sleep(0).then(() => makeRows(names));
  const read = await reading;
  if (!list.current(mine)) return;
  const entries = read.map((source, i) => ({
    ...source,
    bank: source.ends ? core.bankOf(source.ends.header) : -1,
    letter: state.letter,
    row: rows[i],
    outcome: source.ends ? 'pcg' : 'unreadable',
    copy: null,
    before: null,
    savedAs: '',
    leftOut: false,
  }));
  showRows(rows);
  state.entries = entries;
  const { others, unreadable, listed, folder = '' } = picked;
  state.folder = folder;
  state.passedOver = {
    others,
    unreadable,
    nothingRead: !read.length && !others && !listed && unreadable > 0,
  };
  showCurrentBanks(state);
  await showChoices(
    rows,
    names,
    (i) => (changeable(entries[i]) ? entries[i].letter : ''),
    (i, chosen) => chooseBank(state, chosen, entries[i]),
  );
  // The tails only once the rows are on the screen with their choices: they
  // matter only to a file saved again after the pick, and a change or a
  // copy waits for those it needs.  Starting reads takes the browser a while.
  await afterPaint();
  readTails(entries, () => state.entries === entries);
}

// Back to what the files hold now, with no copy on offer, and "Bank" at the
// letter of every file, or at a dash where they differ.  A file found gone
// stays so until it is picked again.
function showCurrentBanks(state) {
  newRound(state);
  const letters = new Set(state.entries.filter(changeable).map((entry) => entry.letter));
  showChosen(letters.size > 1 ? '' : ([...letters][0] ?? state.letter));
  for (const entry of state.entries) state.list.show(entry);
  state.list.showTotals();
}

// The bank of letter chosen for entry alone, or for every file as "Bank"
// chooses: a new round, as a change under way is for the banks chosen
// before.
function chooseBank(state, letter, entry) {
  if (!entry) state.letter = letter;
  for (const each of entry ? [entry] : state.entries) each.letter = letter;
  showCurrentBanks(state);
}
