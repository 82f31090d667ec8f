// How a change is carried out once its rows show it: each file with a handle
// is asked for (once for a whole folder) and, once allowed, written in
// place; each without one is checked to be still what it was picked as, its
// copy ready.  Handed the list (list.js) and the round the change is in,
// which ends the work the moment another begins.
import { copyOf } from './copies.js';
import { inTurns } from './pool.js';
import { fileOf, readEnds, readHeader, sameEnds } from './reading.js';
import { askToWrite, needsAsking, writeBankByte } from './saving.js';
import { showAsking, showProgress } from './view.js';

const writesAtOnce = 32;
const checksAtOnce = 32;

// Carries out the change of targets to letter in round mine; settles once
// it all has.  Every question is put now, while the click is fresh.
export function carryOut(list, mine, letter, targets) {
  const inPlace = targets.filter((entry) => entry.handle);
  const answers = askAll(inPlace);
  const work = {
    list, mine, letter, saved: 0, total: inPlace.length, wasAsking: false,
    wanted: () => list.current(mine), count: list.counter(mine, 'Saving', inPlace.length),
  };
  return Promise.allSettled([
    inTurns(targets.filter((entry) => !entry.handle), checksAtOnce, (entry) => checkReadable(work, entry)),
    ...inPlace.map((entry) => showQuestion(work, entry)),
    inTurns(inPlace, writesAtOnce, async (entry, i) => {
      await saveInPlace(work, entry, answers[i]);
      work.saved++;
      showWork(work);
    }),
  ]);
}

// One question for each folder, one for each file of no folder.
function askAll(inPlace) {
  const questions = new Map();
  return inPlace.map((entry) => {
    const asked = entry.root ?? entry.handle;
    if (!questions.has(asked)) questions.set(asked, askToWrite(asked));
    return questions.get(asked);
  });
}

// The summary while the change goes on: how many files the browser is
// asking about; once it asks no more, how many files are done so far, at
// once, and then as the work is counted up.
function showWork(work) {
  if (!work.wanted()) return;
  const asking = work.list.entries().filter((entry) => entry.outcome === 'asking').length;
  if (asking) {
    work.wasAsking = true;
    showAsking(work.letter, asking);
  } else if (work.wasAsking) {
    work.wasAsking = false;
    showProgress('Saving', work.saved, work.total);
  } else {
    work.count(work.saved);
  }
}

async function checkReadable(work, entry) {
  const now = await readEnds(entry.file, work.list.core.headerSize);
  if (work.wanted() && !sameEnds(now, entry.ends)) work.list.becomeGone(entry);
}

async function showQuestion(work, entry) {
  if (await needsAsking(entry.root ?? entry.handle) && work.wanted() && !entry.answered) {
    entry.outcome = 'asking';
    work.list.show(entry);
    showWork(work);
  }
}

// Once the browser answers: the file written if allowed, else a copy
// offered where the browser said no, or the row asking to press again where
// it would not ask.
async function saveInPlace(work, entry, answer) {
  const said = await answer;
  if (!work.wanted()) return;
  entry.answered = true;
  entry.outcome = 'saving';
  work.list.show(entry);
  showWork(work);
  if (said === 'granted') {
    await writeInPlace(work, entry);
    return;
  }
  entry.outcome = said === 'denied' ? 'notAllowed' : 'notAsked';
  entry.copy = said === 'denied' ? copyOf(entry, entry.ends, entry.changed.header) : null;
  work.list.show(entry);
  work.list.showControls();
}

// The bank byte written into the file as it is now, provided it is still a
// PCG file and the change is still wanted once the file is read and once it
// is open for writing.  Its tail, beyond the bank byte, stays as it was.
async function writeInPlace(work, entry) {
  const { list } = work;
  const file = await fileOf(entry);
  const header = file && await readHeader(file, list.core.headerSize);
  const now = header && { header, tail: entry.ends.tail };
  if (!work.wanted()) return;
  const bank = now ? list.core.bankOf(now.header) : -1;
  if (bank < 0) {
    entry.bank = -1;
    entry.outcome = now ? 'refused' : 'gone';
    list.show(entry);
    return;
  }
  entry.from = list.nameOf(bank);
  const change = list.core.patched(now.header, work.letter);
  const written = await writeBankByte(entry.handle, list.core.bankOffset, change.bank, work.wanted);
  if (written === 'cancelled') return;
  if (written === 'saved') {
    Object.assign(entry, {
      ends: { header: change.header, tail: now.tail }, bank: change.bank, outcome: 'saved', savedAs: work.letter, savedFrom: entry.from,
    });
  } else {
    entry.outcome = 'writeFailed';
    entry.copy = copyOf(entry, now, change.header);
    list.showControls();
  }
  list.show(entry);
}
