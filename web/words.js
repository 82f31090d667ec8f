// The words the page shows and a screen reader speaks, apart from the code
// that shows them (view.js).
export const texts = {
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
  puttingBack: 'putting back…',
  putBack: 'put back',
  changedSince: 'left as it is: it was changed, moved or deleted after it was saved',
  backNotAllowed: 'not put back: this browser was not allowed to change the file',
  backNotAsked: 'not put back: the browser did not let this page ask to change the file; press “Undo” again',
  backFailed: 'not put back: the file could not be written',
  undo: 'Undo',
  banksDiffer: 'Banks differ',
  howInPlace: 'Each file is changed where it is, once you allow it; where it cannot be, you download a changed copy instead.',
  noWasm: 'ERROR: This browser cannot run Tavrelon (it needs WebAssembly).',
  noStart: 'ERROR: Tavrelon could not start: ',
  nothingRead: 'Nothing could be read: the system or the browser did not let this page open what you picked. Pick the folders inside it, or the PCG files themselves.',
};

// A row's words for each outcome, for an entry { from, to } that names the
// bank before and after a change (or an undo).
const change = (word, separator = ': ') => (e) => `${e.from} → ${e.to}${separator}${texts[word]}`;
export const outcomeWords = {
  pcg: (e) => e.from,
  refused: () => texts.notPcg,
  unreadable: () => texts.unreadable,
  gone: () => texts.gone,
  changedSince: (e) => `${e.from}: ${texts.changedSince}`,
  saved: change('saved', ', '),
  putBack: change('putBack', ', '),
  ...Object.fromEntries(['saving', 'asking', 'copy', 'notAllowed', 'notAsked', 'writeFailed', 'puttingBack',
    'backNotAllowed', 'backNotAsked', 'backFailed'].map((word) => [word, change(word)])),
};
export const refusals = new Set(['refused', 'unreadable', 'gone']);

// The summary's parts, in order: the outcome each counts (a file with a copy
// on offer counts as a copy), and its words for one and for more.  Files
// that a change or an undo passed over ('pcg') are counted only before one.
export const tallies = [
  ['saved', 'saved in its file', 'saved in their files'],
  ['putBack', 'put back in its file', 'put back in their files'],
  ['copy', 'copy to download', 'copies to download'],
  ['pcg', 'PCG file', 'PCG files'],
  ['notAsked', 'not saved yet: press “Change bank” again', 'not saved yet: press “Change bank” again'],
  ['backNotAsked', 'not put back yet: press “Undo” again', 'not put back yet: press “Undo” again'],
  ['changedSince', 'left as it is: changed, moved or deleted after it was saved', 'left as they are: changed, moved or deleted after they were saved'],
  ['backNotAllowed', 'not put back: not allowed', 'not put back: not allowed'],
  ['backFailed', 'not put back: could not be written', 'not put back: could not be written'],
  ['refused', 'refused', 'refused'],
  ['unreadable', 'cannot be read', 'cannot be read'],
  ['gone', 'can no longer be read', 'can no longer be read'],
];

// What long work is doing, for "Reading 2,300 of 10,000 files…".
export const doingWords = { looking: 'Looking through the folder', reading: 'Reading', saving: 'Saving', puttingBack: 'Putting back' };

// Numbers as an English text writes them ("2,300"), the format made once.
export const counted = new Intl.NumberFormat('en-US').format;
const files = (n) => `${counted(n)} ${n === 1 ? 'file' : 'files'}`;

export const bankName = (letter, bank) => (letter ? `bank ${letter}` : `bank byte ${bank}, no bank letter`);
// The banks of a change: "Bank D", "Banks A, B and C".
export const banksName = (letters) => (letters.length === 1 ? `Bank ${letters[0]}`
  : `Banks ${letters.slice(0, -1).join(', ')} and ${letters.at(-1)}`);
// What a pick held besides its rows: the other files and the folders that
// could not be read.
export const othersWords = (others) => `${counted(others)} other ${others === 1 ? 'file' : 'files'}`;
export const unreadableWords = (n) => `${counted(n)} ${n === 1 ? 'folder' : 'folders'} could not be read`;
export const noPcgWords = 'No PCG files';
export const askingWords = (banks, n) => `${banks}: waiting for your permission to change ${files(n)}…`;
export const progressWords = (doing, done, total) => (total === undefined ? `${doingWords[doing]}: ${files(done)} so far…`
  : `${doingWords[doing]} ${counted(done)} of ${files(total)}…`);
export const copyLinkWords = 'Download ';
export const rowChoiceName = (name) => `Bank for ${name}`;
