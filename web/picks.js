// A pick and a choice of bank, each the start of a round of the list's
// work (list.js): the files of a pick in place of those on show, read and
// shown with their banks; a bank chosen for one file or for all.
import { afterPaint, sleep } from './pool.js';
import { readHeaders, readTails } from './reading.js';
import { changeable, newRound } from './rounds.js';
import { clearSummary } from './summary.js';
import { clearRows, makeRows, showButtons, showChoices, showChosen, showRows } from './view.js';

// The files of a pick, a folder or a drop in place of those on show:
// picking(seen) gives the pick, or a promise of it, and tells seen how many
// files it has gone through so far.  A pick that fails as a whole is one
// in which nothing could be read.
export async function showFiles(state, picking) {
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
export function chooseBank(state, letter, entry) {
  if (!entry) state.letter = letter;
  for (const each of entry ? [entry] : state.entries) each.letter = letter;
  showCurrentBanks(state);
}
