// One file written in place, for a change or its undo (change.js): the
// bank byte alone, into the file as it is now, and what the list keeps of
// it for the next change or an undo.
import { copyOf } from './copies.js';
import { endsOf, fileOf, readEnds, readHeader, sameEnds } from './reading.js';
import { writeBankByte } from './saving.js';

// What to write into a file whose ends are now: { header, bank }, the
// header it will have and its bank byte, or null for none.  A change
// writes any PCG file; an undo only a file still as the change left it,
// which gets back the header it had before.
function nextHeader(work, entry, now, asLeft) {
  const { core } = work.list;
  if (work.kind === 'undo')
    return asLeft ? { header: entry.before, bank: core.bankOf(entry.before) } : null;
  return now && core.bankOf(now.header) >= 0 ? core.patched(now.header, entry.to) : null;
}

// The bank byte written into the file as it is now, provided the change is
// still wanted once the file is read and once it is open for writing.  A
// file this page saved before is read to its end, and not written again
// when a change finds it as the page left it.  What the file holds after
// is kept, its tail read soon after (readTails) unless it was read here,
// and so is its header before, for an undo; the rest of the file stays as
// it was.
export async function writeInPlace(work, entry) {
  const { list, named } = work;
  const { headerSize } = list.core;
  const file = await fileOf(entry);
  const read = entry.before
    ? file && (await readEnds(file, headerSize))
    : { header: file && (await readHeader(file, headerSize)) };
  const asLeft = Boolean(entry.before) && (await sameEnds(read, entry.ends));
  const now = read?.header && {
    header: read.header,
    tail: read.tail ? () => read.tail : entry.ends.tail,
  };
  if (!work.wanted()) return;
  const next = nextHeader(work, entry, now, asLeft);
  const undone = work.kind === 'undo';
  if (!next) {
    Object.assign(
      entry,
      { before: null, savedAs: '' },
      undone ? { outcome: 'changedSince' } : { bank: -1, outcome: now ? 'refused' : 'gone' },
    );
  } else if (asLeft && !undone) {
    Object.assign(entry, { outcome: 'saved', from: entry.savedFrom });
  } else {
    entry.from = list.nameOf(list.core.bankOf(now.header));
    const written = await writeBankByte(entry.handle, list.core.bankOffset, next.bank, work.wanted);
    if (written === 'cancelled') return;
    if (written === 'saved') {
      Object.assign(entry, {
        ends: read.tail
          ? { ...now, header: next.header }
          : endsOf(next.header, () => fileOf(entry), headerSize),
        bank: next.bank,
        outcome: named.written,
        before: undone ? null : now.header,
        savedAs: undone ? '' : entry.to,
        savedFrom: entry.from,
      });
    } else {
      entry.outcome = named.failed;
      if (!undone)
        Object.assign(entry, { before: null, savedAs: '', copy: copyOf(entry, now, next.header) });
      list.showControls();
    }
  }
  list.show(entry);
}
