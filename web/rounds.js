// The rounds of the list's work (list.js): every pick, bank, change and
// undo starts a new round, and what an older round has not done yet, it
// never does.  A change and an undo show their rows at once, then change.js
// carries them out, handed the list's state.
import { carryOut } from './change.js';
import { copyOf } from './copies.js';
import { readTails } from './reading.js';

export const changeable = (entry) => entry.bank >= 0 && entry.outcome !== 'gone';
export const undoable = (entry) => Boolean(entry.before) && entry.outcome !== 'gone';

// A new round: what the older ones have not done yet, they never do.
export function newRound(state) {
  state.round++;
  state.banks = '';
  state.busy = '';
  state.zipped = null;
  for (const entry of state.entries) {
    entry.copy = null;
    entry.leftOut = false;
    if (entry.outcome !== 'unreadable' && entry.outcome !== 'gone')
      entry.outcome = entry.bank < 0 ? 'refused' : 'pcg';
    entry.from = state.list.nameOf(entry.bank);
  }
  return state.round;
}

// Shows entry's change to its bank at once: a copy ready, or being saved.
// A file saved in another bank before is no longer one to undo.
function startChange(state, entry) {
  if (entry.savedAs !== entry.letter) Object.assign(entry, { before: null, savedAs: '' });
  const change = state.core.patched(entry.ends.header, entry.letter);
  Object.assign(entry, {
    to: entry.letter,
    changed: change,
    outcome: entry.handle ? 'saving' : 'copy',
  });
  entry.copy = entry.handle ? null : copyOf(entry, entry.ends, change.header);
  state.list.show(entry);
}

// The work of round mine under way, until it settles and the summary says
// how it all ended; then the tails of the files written that are not yet
// known are read, as after a pick.
function carry(state, mine, kind, targets) {
  const done = carryOut(state.list, mine, kind, state.banks, targets);
  state.busy = kind;
  state.list.showControls();
  const { entries } = state;
  done.then(() => {
    if (!state.list.current(mine)) return;
    state.busy = '';
    state.list.showTotals();
    readTails(targets, () => state.entries === entries);
  });
}

// Every row shows its change to its own bank at once, then the change is
// carried out.  A file this page saved in its bank is read, and written
// only when it is no longer as the page left it; the browser, having given
// leave already, asks nothing for it, so that pressing again asks for the
// files still left.  A press while a change (a double click) or an undo is
// under way changes nothing, and the undo goes on; the button stays where
// it is for the keyboard.
export function changeBanks(state) {
  if (state.busy) return;
  const mine = newRound(state);
  const changing = state.entries.filter(changeable);
  state.banks = [...new Set(changing.map((entry) => entry.letter))].sort();
  for (const entry of changing) startChange(state, entry);
  carry(state, mine, 'change', changing);
}

// Every file that this page saved in place, and that is still as it left
// it, back in the bank it held before, written where it is; a file changed
// since is left as it is.  False when there is nothing to undo.
export function undo(state) {
  const targets = state.entries.filter(undoable);
  if (state.busy || !targets.length) return false;
  const mine = newRound(state);
  state.banks = 'undo';
  for (const entry of targets) {
    const bank = state.core.bankOf(entry.before);
    Object.assign(entry, {
      to: state.core.letterOf(bank) || state.list.nameOf(bank),
      outcome: 'puttingBack',
    });
    state.list.show(entry);
  }
  carry(state, mine, 'undo', targets);
  return true;
}
