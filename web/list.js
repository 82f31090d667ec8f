// The files on show and what became of each, in rounds (rounds.js, and
// picks.js for a pick or a choice of bank).  This module owns that state;
// change.js carries a change or an undo out and copies.js makes the copies,
// each handed the list below.  Each file is an
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
import { chooseBank, showFiles } from './picks.js';
import { changeable, changeBanks, undo, undoable } from './rounds.js';
import { showProgress, showSummary } from './summary.js';
import { showButtons, showEntry } from './view.js';

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
