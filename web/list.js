// The files on show and what became of each: what a pick, a new bank, a
// change and a download do to them.  Each file is an entry { name, file,
// handle, root, header, bank, row, outcome, from, to, copy }: header is its
// first bytes as last known, bank their bank (-1 for no PCG file), copy the
// copy on offer ({ name, source, header, changed }) or null.  Every pick,
// bank and change starts a new round; what an older round has not done yet,
// it never does.
import { inTurns } from './pool.js';
import { fileOf, readHeader, readHeaders } from './sources.js';
import { askToWrite, download, downloadSpacing, intactCopy, needsAsking, sameBytes, writeBankByte } from './saving.js';
import {
  bankName, clearRows, showAsking, showButtons, showEntry, showProgress, showRows, showSummary,
} from './view.js';

const writesAtOnce = 32;
const checksAtOnce = 32;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export function fileList(core) {
  let entries = [];
  let others = 0; // files of a folder that are no PCG files
  let round = 0;
  let letter = ''; // the bank of the change on show, '' before one
  let changing = false; // a change's checks, questions and writes are under way
  let savingAll = false;

  const nameOf = (bank) => bankName(core.letterOf(bank), bank);
  const changeable = (entry) => entry.bank >= 0 && entry.outcome !== 'gone';
  const show = (entry) => showEntry(entry, saveCopy);
  // A copy of entry's file to offer: changed in place of header, which the
  // file must still start with when the copy is made.
  const copyOf = (entry, header, changed) => ({ name: entry.file.name, source: entry, header, changed });
  const showControls = () => showButtons({
    canChange: entries.some(changeable), copies: entries.some((e) => e.copy), saving: savingAll,
  });
  const showTotals = () => {
    showSummary(entries, letter, others);
    showControls();
  };
  // Counts long work up in the summary once it has taken a second.
  const counter = (mine, doing, total) => {
    const start = performance.now();
    let last = 0;
    return (done) => {
      const now = performance.now();
      if (mine !== round || now - start < 1000 || now - last < 250) return;
      last = now;
      showProgress(doing, done, total);
    };
  };

  // The files of a pick, a folder or a drop in place of those on show:
  // picking(seen) gives the pick, or a promise of it, and tells seen how many
  // files it has gone through so far.
  async function showFiles(picking) {
    const mine = ++round;
    entries = [];
    others = 0;
    letter = '';
    clearRows();
    showButtons({ canChange: false, copies: false });
    const picked = await Promise.resolve(picking(counter(mine, 'Looking through the folder'))).catch(() => null);
    // The reads start in a task of their own, once the browser has handed
    // over every file: that takes it a while with thousands.
    await sleep(0);
    if (mine !== round) return;
    const sources = picked?.sources ?? [];
    const read = await readHeaders(sources, core.headerSize, counter(mine, 'Reading', sources.length));
    if (mine !== round) return;
    const rows = showRows(read.map((source) => source.name));
    entries = read.map((source, i) => ({
      ...source, row: rows[i], bank: source.header ? core.bankOf(source.header) : -1,
      outcome: source.header ? 'pcg' : 'unreadable', copy: null, savedAs: '',
    }));
    others = picked?.others ?? 0;
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
      entry.from = nameOf(entry.bank);
    }
    return round;
  }

  // Back to what the files hold now, with no copy on offer.  A file found
  // gone stays so until it is picked again.
  function showCurrentBanks() {
    newRound();
    for (const entry of entries) {
      entry.savedAs = '';
      show(entry);
    }
    showTotals();
  }

  // Every row shows its change at once: a copy is ready, or the file is
  // being saved.  Then each file without a handle is checked to be still
  // readable, and each with one is asked for (once for a whole folder) and
  // written, and the summary says how it all ended.  A file already saved
  // in this bank is left as it is, so that pressing again asks for the
  // files still left.  A press while all that is under way (a double click)
  // changes nothing; the button stays where it is for the keyboard.
  function changeBanks(newLetter) {
    if (changing) return;
    const mine = newRound();
    letter = newLetter;
    changing = true;
    const targets = [];
    for (const entry of entries.filter(changeable)) {
      const change = core.patched(entry.header, letter);
      if (entry.savedAs === letter) {
        entry.outcome = 'saved';
        entry.from = entry.savedFrom;
      } else {
        targets.push(entry);
        entry.outcome = entry.handle ? 'saving' : 'copy';
        entry.answered = false;
        entry.copy = entry.handle ? null : copyOf(entry, entry.header, change.header);
      }
      entry.to = letter;
      entry.changed = change;
      show(entry);
    }
    // Every question now, while the click is fresh: one for each folder,
    // one for each file of no folder.
    const inPlace = targets.filter((entry) => entry.handle);
    const questions = new Map();
    const answers = inPlace.map((entry) => {
      const asked = entry.root ?? entry.handle;
      if (!questions.has(asked)) questions.set(asked, askToWrite(asked));
      return questions.get(asked);
    });
    showControls();
    const saved = counter(mine, 'Saving', inPlace.length);
    let done = 0;
    Promise.allSettled([
      inTurns(targets.filter((entry) => !entry.handle), checksAtOnce, (entry) => checkReadable(mine, entry)),
      ...inPlace.map((entry) => showQuestion(mine, entry)),
      inTurns(inPlace, writesAtOnce, async (entry, i) => {
        await saveInPlace(mine, newLetter, entry, answers[i]);
        if (!entries.some((e) => e.outcome === 'asking')) saved(++done);
      }),
    ]).then(() => {
      if (mine !== round) return;
      changing = false;
      showTotals();
    });
  }

  async function checkReadable(mine, entry) {
    const now = await readHeader(entry.file, core.headerSize);
    if (mine === round && !(now && sameBytes(now, entry.header))) becomeGone(entry);
  }

  function becomeGone(entry) {
    entry.outcome = 'gone';
    entry.copy = null;
    show(entry);
  }

  async function showQuestion(mine, entry) {
    if (await needsAsking(entry.root ?? entry.handle) && mine === round && !entry.answered) {
      entry.outcome = 'asking';
      show(entry);
      showQuestions();
    }
  }

  function showQuestions() {
    const asking = entries.filter((e) => e.outcome === 'asking').length;
    if (asking) showAsking(letter, asking);
  }

  // Once the browser answers: the bank byte written into the file as it is
  // now, provided it is still a PCG file and no newer round has begun.
  async function saveInPlace(mine, bankLetter, entry, answer) {
    const wanted = () => mine === round;
    const said = await answer;
    if (!wanted()) return;
    entry.answered = true;
    entry.outcome = 'saving';
    showQuestions();
    if (said !== 'granted') {
      entry.outcome = said === 'denied' ? 'notAllowed' : 'notAsked';
      entry.copy = said === 'denied' ? copyOf(entry, entry.header, entry.changed.header) : null;
      show(entry);
      showControls();
      return;
    }
    const file = await fileOf(entry);
    const now = file && await readHeader(file, core.headerSize);
    if (!wanted()) return;
    const bank = now ? core.bankOf(now) : -1;
    if (bank < 0) {
      entry.bank = -1;
      entry.outcome = now ? 'refused' : 'gone';
      show(entry);
      return;
    }
    entry.from = nameOf(bank);
    const change = core.patched(now, bankLetter);
    const written = await writeBankByte(entry.handle, core.bankOffset, change.bank, wanted);
    if (written === 'cancelled') return;
    if (written === 'saved') {
      Object.assign(entry, { header: change.header, bank: change.bank, outcome: 'saved', savedAs: bankLetter, savedFrom: entry.from });
    } else {
      entry.outcome = 'writeFailed';
      entry.copy = copyOf(entry, now, change.header);
      showControls();
    }
    show(entry);
  }

  // Hands a copy to the browser's downloads, made now from its file if that
  // is still what it was; true when it was handed over.
  async function saveCopy(entry) {
    const { copy } = entry;
    if (!copy) return false;
    const file = await fileOf(copy.source);
    const blob = file && await intactCopy(file, copy.header, copy.changed);
    if (copy !== entry.copy) return false;
    if (!blob) {
      becomeGone(entry);
      showTotals();
      return false;
    }
    download(blob, copy.name);
    return true;
  }

  // Every copy on offer, one after another; a copy taken off the offer
  // meanwhile is passed over.
  async function saveAllCopies() {
    const mine = round;
    savingAll = true;
    showControls();
    try {
      let saved = false;
      for (const entry of entries) {
        if (!entry.copy) continue;
        if (saved) await sleep(downloadSpacing);
        if (mine !== round) return;
        saved = (await saveCopy(entry)) || saved;
      }
    } finally {
      savingAll = false;
      showControls();
    }
  }

  return { showFiles, showCurrentBanks, changeBanks, saveAllCopies };
}
