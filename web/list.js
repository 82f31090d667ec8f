// The files on show and what became of each, in rounds: every pick, bank and
// change starts a new round, and what an older round has not done yet, it
// never does.  This module owns that state; change.js carries a change out
// and copies.js makes the copies, each handed the list below.  Each file is
// an entry { name, file, handle, root, ends, bank, letter, row, outcome,
// from, to, copy, savedAs, savedFrom }: ends its first and last bytes as
// last known ({ header, tail() }: see reading.js), bank the header's bank
// (-1 for no PCG file), letter the bank chosen for it, copy the copy on
// offer or null, savedAs the bank it was last saved in place as.
import { carryOut } from './change.js';
import { copyMaker, copyOf } from './copies.js';
import { afterPaint, sleep } from './pool.js';
import { readHeaders, readTails } from './reading.js';
import { bankName, banksName, clearRows, showButtons, showChoices, showEntry, showProgress, showRows, showSummary } from './view.js';

const changeable = (entry) => entry.bank >= 0 && entry.outcome !== 'gone';

// The list over core, each new file going to the bank of letter until
// another is chosen: what page.js asks of it.  Its state lives in one
// object, handed to the steps below and, as its list, to change.js and
// copies.js.
export function fileList(core, letter) {
  const state = {
    core, entries: [], round: 0, letter,
    banks: '', // the banks of the change on show ("Bank D", "Banks A and C"), '' before one
    changing: false, // a change's checks, questions and writes are under way
    passedOver: { others: 0, unreadable: 0, nothingRead: false }, // what a pick held besides its rows: see showSummary
  };
  state.list = listOf(state);
  return {
    showFiles: (picking) => showFiles(state, picking),
    chooseBank: (chosen) => chooseBank(state, chosen),
    changeBanks: () => changeBanks(state),
    saveAllCopies: () => state.copies.saveAll(state.round),
  };
}

// What change.js and copies.js see of the list.
function listOf(state) {
  const list = {
    core: state.core,
    entries: () => state.entries,
    current: (mine) => mine === state.round,
    nameOf: (bank) => bankName(state.core.letterOf(bank), bank),
    show: (entry) => showEntry(entry, state.copies.save),
    showControls: () => showButtons({
      canChange: state.entries.some(changeable), copies: state.entries.some((e) => e.copy), saving: state.copies.busy(),
    }),
    showTotals() {
      showSummary(state.entries, state.banks, state.passedOver);
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
  showButtons({ canChange: false, copies: false });
  const picked = await Promise.resolve(picking(list.counter(mine, 'Looking through the folder')))
    .catch(() => ({ sources: [], others: 0, unreadable: 1, listed: 0 }));
  // The reads start in a task of their own, once the browser has handed
  // over every file: that takes it a while with thousands.
  await sleep(0);
  if (!list.current(mine)) return;
  const read = await readHeaders(picked.sources, core.headerSize, list.counter(mine, 'Reading', picked.sources.length));
  if (!list.current(mine)) return;
  const entries = read.map((source) => ({
    ...source, bank: source.ends ? core.bankOf(source.ends.header) : -1, letter: state.letter,
    outcome: source.ends ? 'pcg' : 'unreadable', copy: null, savedAs: '',
  }));
  const names = entries.map((entry) => entry.name);
  const rows = showRows(names);
  entries.forEach((entry, i) => { entry.row = rows[i]; });
  state.entries = entries;
  const { others, unreadable, listed } = picked;
  state.passedOver = { others, unreadable, nothingRead: !read.length && !others && !listed && unreadable > 0 };
  showCurrentBanks(state);
  await showChoices(rows, names, (i) => (changeable(entries[i]) ? entries[i].letter : ''), (i, chosen) => chooseBank(state, chosen, entries[i]));
  // The tails only once the rows are on the screen with their choices: they
  // matter only to a file saved again after the pick, and a change or a
  // copy waits for those it needs.  Starting reads takes the browser a while.
  await afterPaint();
  readTails(entries, () => state.entries === entries);
}

// A new round: what the older ones have not done yet, they never do.
function newRound(state) {
  state.round++;
  state.banks = '';
  state.changing = false;
  for (const entry of state.entries) {
    entry.copy = null;
    if (entry.outcome !== 'unreadable' && entry.outcome !== 'gone') entry.outcome = entry.bank < 0 ? 'refused' : 'pcg';
    entry.from = state.list.nameOf(entry.bank);
  }
  return state.round;
}

// Back to what the files hold now, with no copy on offer.  A file found
// gone stays so until it is picked again.
function showCurrentBanks(state) {
  newRound(state);
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

// Shows entry's change to its bank at once: already saved in it, a copy
// ready, or being saved.  True when there is still work to do for it.
function startChange(state, entry) {
  const change = state.core.patched(entry.ends.header, entry.letter);
  Object.assign(entry, { to: entry.letter, changed: change });
  const toDo = entry.savedAs !== entry.letter;
  if (toDo) {
    entry.outcome = entry.handle ? 'saving' : 'copy';
    entry.copy = entry.handle ? null : copyOf(entry, entry.ends, change.header);
  } else {
    Object.assign(entry, { outcome: 'saved', from: entry.savedFrom });
  }
  state.list.show(entry);
  return toDo;
}

// Every row shows its change to its own bank at once, then the change is
// carried out and the summary says how it all ended.  A file already saved
// in its bank is left as it is, so that pressing again asks for the files
// still left.  A press while all that is under way (a double click)
// changes nothing; the button stays where it is for the keyboard.
function changeBanks(state) {
  if (state.changing) return;
  const mine = newRound(state);
  const changing = state.entries.filter(changeable);
  state.banks = banksName([...new Set(changing.map((entry) => entry.letter))].sort());
  state.changing = true;
  const targets = changing.filter((entry) => startChange(state, entry));
  const done = carryOut(state.list, mine, state.banks, targets);
  state.list.showControls();
  done.then(() => {
    if (!state.list.current(mine)) return;
    state.changing = false;
    state.list.showTotals();
  });
}
