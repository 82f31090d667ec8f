// How a change is carried out once its rows show it: each file with a handle
// is asked for (once for a whole folder) and, once allowed, written in
// place; each without one is checked to be still what it was picked as, its
// copy ready.  Handed the list (list.js) and the round the change is in,
// which ends the work the moment another begins.
import { copyOf } from './copies.js';
import { afterPaint, inTurns, pool, sleep } from './pool.js';
import { fileOf, readEnds, readHeader, sameEnds } from './reading.js';
import { askToWrite, needsAsking, writeBankByte } from './saving.js';
import { showAsking, showProgress } from './view.js';

const writesAtOnce = 32;
const checksAtOnce = 32;
const asksAtOnce = 100;

// Carries out the change of targets, each to its bank, in round mine, the
// banks named banks; settles once it all has.  Every question is put now,
// while the click is fresh; the files of a question are written, a few at
// a time across all questions, once it is answered.  The files without a
// handle are checked once the rows show their change.
export function carryOut(list, mine, banks, targets) {
  const inPlace = targets.filter((entry) => entry.handle);
  const work = {
    list, mine, banks, saved: 0, total: inPlace.length, asking: 0, wasAsking: false, write: pool(writesAtOnce),
    wanted: () => list.current(mine), count: list.counter(mine, 'Saving', inPlace.length),
  };
  const questions = askAll(inPlace);
  const query = pool(checksAtOnce);
  return Promise.allSettled([
    afterPaint().then(() => inTurns(targets.filter((entry) => !entry.handle), checksAtOnce, (entry) => checkReadable(work, entry))),
    ...questions.map((question) => query(() => showQuestion(work, question))),
    ...questions.map((question) => saveInPlace(work, question)),
  ]);
}

// One question for each folder, one for each file of no folder: { asked,
// answer, entries }, the handle asked for, the browser's answer and the
// entries it is for.  The questions are put a hundred in a task, one task
// after the other, while the click is still fresh: putting a thousand
// holds the page up.
function askAll(inPlace) {
  const questions = new Map();
  for (const entry of inPlace) {
    const asked = entry.root ?? entry.handle;
    if (!questions.has(asked)) questions.set(asked, { asked, entries: [] });
    questions.get(asked).entries.push(entry);
  }
  const turns = [];
  return [...questions.values()].map((question, i) => {
    const turn = Math.floor(i / asksAtOnce);
    const ask = () => askToWrite(question.asked);
    return Object.assign(question, { answer: turn ? (turns[turn] ??= sleep(0)).then(ask) : ask() });
  });
}

// The summary while the change goes on: how many files the browser is
// asking about; once it asks no more, how many files are done so far, at
// once, and then as the work is counted up.
function showWork(work) {
  if (!work.wanted()) return;
  if (work.asking) {
    work.wasAsking = true;
    showAsking(work.banks, work.asking);
  } else if (work.wasAsking) {
    work.wasAsking = false;
    showProgress('Saving', work.saved, work.total);
  } else {
    work.count(work.saved);
  }
}

async function checkReadable(work, entry) {
  const now = await readEnds(entry.file, work.list.core.headerSize);
  if (!await sameEnds(now, entry.ends) && work.wanted()) work.list.becomeGone(entry);
}

// Rows that wait for the browser's question, until it is answered.
async function showQuestion(work, question) {
  if (!await needsAsking(question.asked) || !work.wanted() || question.answered) return;
  question.shown = true;
  work.asking += question.entries.length;
  for (const entry of question.entries) {
    entry.outcome = 'asking';
    work.list.show(entry);
  }
  showWork(work);
}

// Once the browser answers a question: each of its rows says at once that
// its file is being saved, and the files are written in their turn if
// allowed; else a copy is offered where the browser said no, or each row
// asks to press again where it would not ask.
async function saveInPlace(work, question) {
  const said = await question.answer;
  if (!work.wanted()) return;
  const { entries } = question;
  question.answered = true;
  if (question.shown) work.asking -= entries.length;
  const outcome = { granted: 'saving', denied: 'notAllowed' }[said] ?? 'notAsked';
  for (const entry of entries) {
    Object.assign(entry, { outcome, copy: said === 'denied' ? copyOf(entry, entry.ends, entry.changed.header) : null });
    work.list.show(entry);
  }
  showWork(work);
  if (said !== 'granted') {
    work.saved += entries.length;
    work.list.showControls();
    return;
  }
  await Promise.all(entries.map((entry) => work.write(async () => {
    if (!work.wanted()) return;
    await writeInPlace(work, entry);
    work.saved++;
    showWork(work);
  })));
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
  const change = list.core.patched(now.header, entry.to);
  const written = await writeBankByte(entry.handle, list.core.bankOffset, change.bank, work.wanted);
  if (written === 'cancelled') return;
  if (written === 'saved') {
    Object.assign(entry, {
      ends: { header: change.header, tail: now.tail }, bank: change.bank, outcome: 'saved', savedAs: entry.to, savedFrom: entry.from,
    });
  } else {
    entry.outcome = 'writeFailed';
    entry.copy = copyOf(entry, now, change.header);
    list.showControls();
  }
  list.show(entry);
}
