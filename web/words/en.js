// English, the language the others are translated from: every other module
// here has the same keys, and each message the same {placeholders}.  A
// message given as { one, other } has a form for each plural category of its
// language (Intl.PluralRules), chosen by {count}.  Numbers are written as
// the language writes them; bank letters stay A to Z in every language.
export const en = {
  tag: 'en',
  name: 'English',
  // Numbers, lists and plurals as British English writes them: "Banks A, B
  // and C", with no comma before "and".
  intl: 'en-GB',
  words: {
    // The page itself, by the data-words of its elements.
    title: 'Tavrelon: change the bank of KORG PCG files',
    language: 'Language',
    browserLanguage: 'The browser’s language',
    about: 'Assigns KORG PCG files to another bank.',
    step1:
      'Pick your PCG files or a folder of them, or drop either anywhere on this page. Each PCG file shows the bank it is in now.',
    step2: 'Choose the new bank: in “Bank” for every file, or on a file’s own line for that file.',
    step3: 'Press “Change bank”.',
    howCopies: 'Then download the changed copies and put each in place of its original.',
    howInPlace:
      'Each file is changed where it is, once you allow it; where it cannot be, you download a changed copy instead.',
    privacy:
      'An original stays as it is until its changed copy replaces it. Your files never leave this device: they are read and changed here, in your browser, and nothing is sent anywhere.',
    pickFiles: 'Pick PCG files',
    pickFolder: 'Pick a folder',
    orDrop: 'or drop them anywhere on this page',
    bank: 'Bank',
    banksDiffer: 'Banks differ',
    changeBank: 'Change bank',
    undo: 'Undo',
    downloadAll: 'Download all copies',
    footer: 'Tavrelon {version}, free software under the MIT license',
    // A row: its bank, a change from one bank to another, and what became of it.
    bankLetter: 'bank {letter}',
    bankByte: 'bank byte {byte}, no bank letter',
    rowGoing: '{from} → {to}: {outcome}',
    rowDone: '{from} → {to}, {outcome}',
    rowLeft: '{from}: {outcome}',
    rowChoice: 'Bank for {name}',
    download: 'Download {name}',
    refused: 'ERROR: File is not a valid KORG PCG file',
    unreadable:
      'Cannot be read: it is a folder, or it was moved or deleted before it could be read.',
    gone: 'Cannot be read any more: it was moved, deleted or changed after you picked it. Pick it again.',
    saving: 'saving in the file…',
    asking: 'waiting for your permission to change the file…',
    saved: 'saved in the file',
    copy: 'a changed copy is ready; the file itself is unchanged until the copy replaces it',
    notAllowed:
      'not saved in the file, which this browser was not allowed to change; a changed copy is ready instead',
    notAsked:
      'not saved: the browser did not let this page ask to change the file; press “Change bank” again',
    writeFailed: 'not saved: the file could not be written; a changed copy is ready instead',
    puttingBack: 'putting back…',
    putBack: 'put back',
    changedSince: 'left as it is: it was changed, moved or deleted after it was saved',
    backNotAllowed: 'not put back: this browser was not allowed to change the file',
    backNotAsked:
      'not put back: the browser did not let this page ask to change the file; press “Undo” again',
    backFailed: 'not put back: the file could not be written',
    // The summary: "Bank D: 2 saved in their files, 1 refused.", its parts
    // joined by the separator.
    banks: { one: 'Bank {banks}', other: 'Banks {banks}' },
    summary: '{parts}.',
    summaryOf: '{banks}: {parts}.',
    separator: ', ',
    noPcg: 'No PCG files',
    countSaved: { one: '{count} saved in its file', other: '{count} saved in their files' },
    countPutBack: { one: '{count} put back in its file', other: '{count} put back in their files' },
    countCopy: { one: '{count} copy to download', other: '{count} copies to download' },
    countPcg: { one: '{count} PCG file', other: '{count} PCG files' },
    countNotAsked: '{count} not saved yet: press “Change bank” again',
    countBackNotAsked: '{count} not put back yet: press “Undo” again',
    countChangedSince: {
      one: '{count} left as it is: changed, moved or deleted after it was saved',
      other: '{count} left as they are: changed, moved or deleted after they were saved',
    },
    countBackNotAllowed: '{count} not put back: not allowed',
    countBackFailed: '{count} not put back: could not be written',
    countRefused: '{count} refused',
    countUnreadable: '{count} cannot be read',
    countGone: '{count} can no longer be read',
    countOthers: { one: '{count} other file', other: '{count} other files' },
    countFolders: {
      one: '{count} folder could not be read',
      other: '{count} folders could not be read',
    },
    nothingRead:
      'Nothing could be read: the system or the browser did not let this page open what you picked. Pick the folders inside it, or the PCG files themselves.',
    // Work under way.
    askingFor: {
      one: '{banks}: waiting for your permission to change {count} file…',
      other: '{banks}: waiting for your permission to change {count} files…',
    },
    progressLooking: {
      one: 'Looking through the folder: {count} file so far…',
      other: 'Looking through the folder: {count} files so far…',
    },
    progressReading: {
      one: 'Reading {done} of {count} file…',
      other: 'Reading {done} of {count} files…',
    },
    progressSaving: {
      one: 'Saving {done} of {count} file…',
      other: 'Saving {done} of {count} files…',
    },
    progressPuttingBack: {
      one: 'Putting back {done} of {count} file…',
      other: 'Putting back {done} of {count} files…',
    },
    // The zip of the copies: its name where the pick was no one folder, a
    // copy's row where the zip left it out or gave it a path of its own, the
    // summary's parts, and its progress.
    zipName: 'PCG copies',
    leftOut:
      'Left out of the zip: it was moved, deleted or changed after you picked it, or it cannot be read. Pick it again.',
    rowInZip: '{row}; in the zip as {path}',
    quoted: '“{name}”',
    countZipped: { one: '{count} copy in {zips}', other: '{count} copies in {zips}' },
    countLeftOut: '{count} left out of the zip',
    zipFailed: 'the browser would not take the zip: download each copy by its own link',
    progressPacking: {
      one: 'Packing {done} of {count} copy…',
      other: 'Packing {done} of {count} copies…',
    },
    // When the page cannot start.
    noWasm: 'ERROR: This browser cannot run Tavrelon (it needs WebAssembly).',
    noStart: 'ERROR: Tavrelon could not start: {error}',
  },
};
