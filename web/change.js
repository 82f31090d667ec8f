// How a change, or its undo, is carried out once its rows show it: each
// file with a handle is asked for (once for a whole folder) and, once
// allowed, written in place; each without one is checked to be still what
// it was picked as, its copy ready.  Handed the list (list.js) and the round
// the work is in, which ends it the moment another begins.
import { copyOf } from './copies.js';
import { afterPaint, inTurns, pool, sleep } from './pool.js';
import { readEnds, sameEnds } from './reading.js';
import { askToWrite, needsAsking } from './saving.js';
import { showAsking, showProgress } from './summary.js';
import { writeInPlace } from './writing.js';

const writesAtOnce = 32;
const checksAtOnce = 32;
const asksAtOnce = 100;

// A row's outcome, for each kind of work: while its file is written, once
// it is, and when it is not.
const outcomes = {
  change: {
    writing: 'saving',
    written: 'saved',
    denied: 'notAllowed',
    notAsked: 'notAsked',
    failed: 'writeFailed',
  },
  undo: {
    writing: 'puttingBack',
    written: 'putBack',
    denied: 'backNotAllowed',
    notAsked: 'backNotAsked',
    failed: 'backFailed',
  },
};

// Carries out kind ('change' or 'undo') of targets, each to its bank, in
// round mine, the banks named banks; settles once it all has.  Every
// question is put now, while the click is fresh; the files of a question
// are written, a few at a time across all questions, once it is answered.
// The files without a handle are checked once the rows show their change.
export function carryOut(list, mine, kind, banks, targets) {
  const inPlace = targets.filter((entry) => entry.handle);
  const named = outcomes[kind];
  const work = {
    list,
    mine,
    kind,
    named,
    banks,
    saved: 0,
    total: inPlace.length,
    asking: 0,
    wasAsking: false,
    write: pool(writesAtOnce),
    wanted: () => list.current(mine),
    count: list.counter(mine, named.writing, inPlace.length),
  };
  const questions = askAll(inPlace);
  const query = pool(checksAtOnce);
  return Promise.allSettled([
    afterPaint().then(() =>
      inTurns(
        targets.filter((entry) => !entry.handle),
        checksAtOnce,
        (entry) => checkReadable(work, entry),
      ),
    ),
    ...questions.map((question) => query(() => showQuestion(work, question))),
    ...questions.map((question) => saveInPlace(work, question)),
  ]);
}

// One question for each folder, one for each file of no folder: { asked,
// answer, entries }, the handle asked for, the browser's answer and the
// entries it is for.  A browser that has given leave already answers at
// once, with no question to the user.  The questions are put a hundred in
// a task, one task after the other, while the click is still fresh:
// putting a thousand holds the page up.
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

// The summary while the work goes on: how many files the browser is
// asking about; once it asks no more, how many files are done so far, at
// once, and then as the work is counted up.
function showWork(work) {
  if (!work.wanted()) return;
  if (work.asking) {
    work.wasAsking = true;
    showAsking(work.banks, work.asking);
  } else if (work.wasAsking) {
    work.wasAsking = false;
    showProgress(work.named.writing, work.saved, work.total);
  } else {
    work.count(work.saved);
  }
}

async function checkReadable(work, entry) {
  const now = await readEnds(entry.file, work.list.core.headerSize);
  if (!(await sameEnds(now, entry.ends)) && work.wanted()) work.list.becomeGone(entry);
}

// Rows that wait for the browser's question, until it is answered.
async function showQuestion(work, question) {
  if (!(await needsAsking(question.asked)) || !work.wanted() || question.answered) return;
  question.shown = true;
  work.asking += question.entries.length;
  for (const entry of question.entries) {
    entry.outcome = 'asking';
    work.list.show(entry);
  }
  showWork(work);
}

// Once the browser answers a question: each of its rows says at once that
// its file is being written, and the files are written in their turn if
// allowed; else a change offers a copy where the browser said no, or each
// row asks to press again where it would not ask.
async function saveInPlace(work, question) {
  const said = await question.answer;
  if (!work.wanted()) return;
  const { entries } = question;
  const { named } = work;
  question.answered = true;
  if (question.shown) work.asking -= entries.length;
  const outcome = { granted: named.writing, denied: named.denied }[said] ?? named.notAsked;
  const offered = said === 'denied' && work.kind === 'change';
  for (const entry of entries) {
    Object.assign(entry, {
      outcome,
      copy: offered ? copyOf(entry, entry.ends, entry.changed.header) : null,
    });
    work.list.show(entry);
  }
  showWork(work);
  if (said !== 'granted') {
    work.saved += entries.length;
    work.list.showControls();
    return;
  }
  await Promise.all(
    entries.map((entry) =>
      work.write(async () => {
        if (!work.wanted()) return;
        await writeInPlace(work, entry);
        work.saved++;
        showWork(work);
      }),
    ),
  );
}
