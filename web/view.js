// What the user sees and hears: a row for each file, the summary above the
// rows (the one live region, which a screen reader announces; the rows are
// read on demand), the state of the buttons, and the words of all of them.
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
const saveAllButton = document.getElementById('save-all');

export const bankName = (letter, bank) => (letter ? `bank ${letter}` : `bank byte ${bank}, no bank letter`);
// Numbers as an English text writes them ("2,300"), the format made once.
const counted = new Intl.NumberFormat('en-US').format;

export function showBanks(letters) {
  const choice = document.getElementById('bank');
  for (const letter of letters) choice.add(new Option(letter, letter));
}

export const showInPlace = () => { document.getElementById('how-save').textContent = texts.howInPlace; };

// A row for each name, in place of those on show; returns the rows.
export function showRows(names) {
  const rows = names.map((name) => {
    const row = document.createElement('li');
    const label = document.createElement('bdi');
    label.className = 'name';
    label.textContent = name;
    const status = document.createElement('span');
    status.className = 'status';
    row.append(label, ': ', status);
    return row;
  });
  results.replaceChildren(...rows);
  results.classList.toggle('long', rows.length > 100);
  return rows;
}

// What became of a file, entry { row, outcome, from, to, copy }: a copy on
// offer ({ name }) gets a link that calls download(entry).
export function showEntry(entry, download) {
  const { row } = entry;
  row.classList.toggle('refused', refusals.has(entry.outcome));
  row.querySelector('.status').textContent = words[entry.outcome](entry);
  row.querySelector('a')?.remove();
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
  row.append(link);
}

// "Bank D: 2 saved in their files, 1 copy to download, 1 refused.", with
// letter the bank of the change on show, '' before one.  Before one it also
// counts what a pick held besides its rows ({ others, unreadable,
// nothingRead }): the other files, the folders that could not be read, and
// whether nothing at all could be.
export function showSummary(entries, letter, { others, unreadable, nothingRead }) {
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
  if (!letter && others) parts.push(`${counted(others)} other ${others === 1 ? 'file' : 'files'}`);
  if (!letter && unreadable) parts.push(`${counted(unreadable)} ${unreadable === 1 ? 'folder' : 'folders'} could not be read`);
  if (!letter && !entries.length && parts.length) parts.unshift('No PCG files');
  summary.textContent = parts.length ? `${letter ? `Bank ${letter}: ` : ''}${parts.join(', ')}.` : '';
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
export function showAsking(letter, n) {
  summary.textContent = `Bank ${letter}: waiting for your permission to change ${counted(n)} ${n === 1 ? 'file' : 'files'}…`;
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
