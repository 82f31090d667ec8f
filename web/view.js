// What the user sees and hears: a row for each file, the summary above the
// rows (the one live region, which a screen reader announces; the rows are
// read on demand), the state of the buttons, and the words of all of them.
import { afterPaint, sleep } from './pool.js';

// Row choices made in one task, in a long list.
const choicesAtOnce = 250;
const texts = {
  notPcg: 'ERROR: File is not a valid KORG PCG file',
  unreadable: 'Cannot be read: it is a folder, or it was moved or deleted before it could be read.',
  gone: 'Cannot be read any more: it was moved, deleted or changed after you picked it. Pick it again.',
  saving: 'saving in the file…',
  asking: 'waiting for your permission to change the file…',
  saved: 'saved in the file',
  copy: 'a changed copy is ready; the file itself is unchanged until the copy replaces it',
  notAllowed: 'not saved in the file, which this browser was not allowed to change; a changed copy is ready instead',
  notAsked: 'not saved: the browser did not let this page ask to change the file; press “Change bank” again',
  writeFailed: 'not saved: the file could not be written; a changed copy is ready instead',
  howInPlace: 'Each file is changed where it is, once you allow it; where it cannot be, you download a changed copy instead.',
  noWasm: 'ERROR: This browser cannot run Tavrelon (it needs WebAssembly).',
  noStart: 'ERROR: Tavrelon could not start: ',
  nothingRead: 'Nothing could be read: the system or the browser did not let this page open what you picked. Pick the folders inside it, or the PCG files themselves.',
};

// The words of each outcome, for an entry { from, to } that names the bank
// before and after a change.
const words = {
  pcg: (e) => e.from,
  refused: () => texts.notPcg,
  unreadable: () => texts.unreadable,
  gone: () => texts.gone,
  saving: (e) => `${e.from} → ${e.to}: ${texts.saving}`,
  asking: (e) => `${e.from} → ${e.to}: ${texts.asking}`,
  saved: (e) => `${e.from} → ${e.to}, ${texts.saved}`,
  copy: (e) => `${e.from} → ${e.to}: ${texts.copy}`,
  notAllowed: (e) => `${e.from} → ${e.to}: ${texts.notAllowed}`,
  notAsked: (e) => `${e.from} → ${e.to}: ${texts.notAsked}`,
  writeFailed: (e) => `${e.from} → ${e.to}: ${texts.writeFailed}`,
};
const refusals = new Set(['refused', 'unreadable', 'gone']);
// The summary's parts, in order: the outcome each counts (a file with a copy
// on offer counts as a copy), and its words for one and for more.
const tallies = [
  ['saved', 'saved in its file', 'saved in their files'],
  ['copy', 'copy to download', 'copies to download'],
  ['pcg', 'PCG file', 'PCG files'],
  ['notAsked', 'not saved yet: press “Change bank” again', 'not saved yet: press “Change bank” again'],
  ['refused', 'refused', 'refused'],
  ['unreadable', 'cannot be read', 'cannot be read'],
  ['gone', 'can no longer be read', 'can no longer be read'],
];

const summary = document.getElementById('summary');
const results = document.getElementById('results');
const changeButton = document.getElementById('change');
const bankChoice = document.getElementById('bank');
const saveAllButton = document.getElementById('save-all');

export const bankName = (letter, bank) => (letter ? `bank ${letter}` : `bank byte ${bank}, no bank letter`);
// The banks of a change: "Bank D", "Banks A, B and C".
export const banksName = (letters) => (letters.length === 1 ? `Bank ${letters[0]}`
  : `Banks ${letters.slice(0, -1).join(', ')} and ${letters.at(-1)}`);
// Numbers as an English text writes them ("2,300"), the format made once.
const counted = new Intl.NumberFormat('en-US').format;

export function showBanks(letters) {
  for (const letter of letters) bankChoice.add(new Option(letter, letter));
}

export const showInPlace = () => { document.getElementById('how-save').textContent = texts.howInPlace; };

// A row's choice of bank: a native select like "Bank", of the letter
// chosen alone until the user comes to it, when it takes all of "Bank"'s.
// A thousand selects of 26 letters each hold the page up for a second.
function choiceOf(name, letter, choose) {
  const choice = document.createElement('select');
  choice.add(new Option(letter, letter));
  choice.setAttribute('aria-label', `Bank for ${name}`);
  const fill = () => {
    if (choice.length > 1) return;
    const chosen = choice.value;
    choice.replaceChildren(...[...bankChoice.options].map((option) => option.cloneNode(true)));
    choice.value = chosen;
  };
  // Focus comes first, but a window without the system's focus has no focus
  // events, and a key's own work comes after its listeners.
  for (const type of ['pointerdown', 'focus', 'keydown']) choice.addEventListener(type, fill);
  choice.addEventListener('change', () => choose(choice.value));
  return choice;
}

// A row for each name, in place of those on show; returns the rows,
// { item, status, choice, link }.
export function showRows(names) {
  const rows = names.map((name) => {
    const item = document.createElement('li');
    const file = document.createElement('span');
    const label = document.createElement('bdi');
    label.className = 'name';
    label.textContent = name;
    const status = document.createElement('span');
    status.className = 'status';
    file.append(label, ': ', status);
    item.append(file);
    return { item, status, choice: null, link: null };
  });
  results.replaceChildren(...rows.map((row) => row.item));
  results.classList.toggle('long', rows.length > 100);
  return rows;
}

// A choice of bank on each of rows where letterOf(i) names one for row i,
// named for names[i]: choose(i, letter) hears a choice made there.  In a
// long list the choices come once the rows are on the screen, a few
// hundred in a task, one task after the other: even a select of one
// letter takes a while to make.  Settles once they are all there.
export async function showChoices(rows, names, letterOf, choose) {
  const atOnce = rows.length > 100 ? choicesAtOnce : rows.length;
  for (let from = 0; from < rows.length; from += atOnce) {
    if (atOnce < rows.length) await (from ? sleep(0) : afterPaint());
    if (!rows[0].item.isConnected) return;
    for (let i = from; i < Math.min(from + atOnce, rows.length); i++) {
      const letter = letterOf(i);
      if (!letter) continue;
      rows[i].choice = choiceOf(names[i], letter, (chosen) => choose(i, chosen));
      rows[i].item.append(rows[i].choice);
    }
  }
}

// What became of a file, entry { row, outcome, letter, from, to, copy }: a
// copy on offer ({ name }) gets a link that calls download(entry).
export function showEntry(entry, download) {
  const { row } = entry;
  const { item, status, choice } = row;
  const refused = refusals.has(entry.outcome);
  item.classList.toggle('refused', refused);
  status.textContent = words[entry.outcome](entry);
  // A select's value set, even to the same, makes the browser lay it out
  // again: a thousand saves would each pay for it.
  if (choice && choice.hidden !== refused) choice.hidden = refused;
  if (choice && choice.value !== entry.letter) {
    if (choice.length === 1) choice.options[0].replaceWith(new Option(entry.letter, entry.letter));
    choice.value = entry.letter;
  }
  row.link?.remove();
  row.link = null;
  if (!entry.copy) return;
  const link = document.createElement('a');
  link.href = '#';
  link.download = entry.copy.name;
  const name = document.createElement('bdi');
  name.textContent = entry.copy.name;
  link.append('Download ', name);
  link.addEventListener('click', (event) => {
    event.preventDefault();
    download(entry);
  });
  item.append(link);
  row.link = link;
}

// "Bank D: 2 saved in their files, 1 copy to download, 1 refused.", with
// banks those of the change on show, '' before one.  Before one it also
// counts what a pick held besides its rows ({ others, unreadable,
// nothingRead }): the other files, the folders that could not be read, and
// whether nothing at all could be.
export function showSummary(entries, banks, { others, unreadable, nothingRead }) {
  const counts = {};
  for (const entry of entries) {
    const key = entry.copy ? 'copy' : entry.outcome;
    counts[key] = (counts[key] ?? 0) + 1;
  }
  const parts = [];
  for (const [outcome, one, many] of tallies) {
    const n = counts[outcome] ?? 0;
    if (n) parts.push(`${counted(n)} ${n === 1 ? one : many}`);
  }
  if (!banks && others) parts.push(`${counted(others)} other ${others === 1 ? 'file' : 'files'}`);
  if (!banks && unreadable) parts.push(`${counted(unreadable)} ${unreadable === 1 ? 'folder' : 'folders'} could not be read`);
  if (!banks && !entries.length && parts.length) parts.unshift('No PCG files');
  summary.textContent = parts.length ? `${banks ? `${banks}: ` : ''}${parts.join(', ')}.` : '';
  if (nothingRead) summary.textContent = texts.nothingRead;
  bringIntoView();
}

// The summary on a phone is often off the screen once the rows have come.
// Whether it is on the screen is known from the browser's last frame: to
// measure it anew would lay out every row at once.
let summaryOnScreen = false;
new IntersectionObserver(([seen]) => { summaryOnScreen = seen.isIntersecting; }, { threshold: 1 }).observe(summary);
function bringIntoView() {
  if (summary.textContent && !summaryOnScreen) summary.scrollIntoView({ block: 'nearest' });
}

// The summary while the browser asks the user: it ends, as every summary
// of work under way does, with an ellipsis.
export function showAsking(banks, n) {
  summary.textContent = `${banks}: waiting for your permission to change ${counted(n)} ${n === 1 ? 'file' : 'files'}…`;
  bringIntoView();
}

// The summary while long work goes on: "Reading 2,300 of 10,000 files…", or
// with no total "Looking through the folder: 2,300 files so far…".
export function showProgress(doing, done, total) {
  summary.textContent = total === undefined ? `${doing}: ${counted(done)} files so far…`
    : `${doing} ${counted(done)} of ${counted(total)} files…`;
}

export const clearRows = () => { results.replaceChildren(); summary.textContent = ''; };

// canChange: whether "Change bank" can be pressed; copies: whether there are
// copies to download; saving: whether they are being downloaded now.
export function showButtons({ canChange, copies, saving = false }) {
  changeButton.disabled = !canChange;
  saveAllButton.hidden = !copies;
  saveAllButton.disabled = saving;
}

export function showStartError(error) {
  const noWasm = typeof WebAssembly !== 'object' || error instanceof WebAssembly.CompileError ||
    error instanceof WebAssembly.LinkError || error instanceof WebAssembly.RuntimeError;
  summary.textContent = noWasm ? texts.noWasm : texts.noStart + (error?.message || String(error));
}
