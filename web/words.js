// The words the page shows and a screen reader speaks, in the language on
// show, from the modules of words/; numbers, lists and plurals as that
// language writes them, by the browser's Intl.  This module keeps which
// language that is; view.js and summary.js show what it says.
import { en } from './words/en.js';

let language = en;
let numbers = null;
let banksListed = null;
let plurals = null;

// Speaks language chosen, { tag, name, words } and, where Intl should
// write it as another variant does, intl, that variant's tag.
export function useLanguage(chosen) {
  language = chosen;
  const tag = chosen.intl ?? chosen.tag;
  numbers = new Intl.NumberFormat(tag);
  banksListed = new Intl.ListFormat(tag, { type: 'conjunction' });
  plurals = new Intl.PluralRules(tag);
}
useLanguage(en);

export const languageShown = () => language;

// The first of among that one of tags names, matched by the tags' first
// part alone; English where none does.
export function languageFor(among, tags) {
  const first = (tag) => tag.split('-')[0].toLowerCase();
  for (const tag of tags) {
    const found = among.find((language) => first(language.tag) === first(tag));
    if (found) return found;
  }
  return among.find((language) => language.tag === 'en');
}

// Message key's parts: its text around each {placeholder}, and the value of
// each, numbers written as the language writes them.  A value may be a
// node, to put into the page as it is.  A message with a form for each
// plural category takes the form of values.count.
// A message's parts are split once: a thousand rows say the same few.
const partsOf = new Map();
function split(message) {
  let parts = partsOf.get(message);
  if (!parts) partsOf.set(message, (parts = message.split(/\{(\w+)\}/)));
  return parts;
}
export function sayParts(key, values = {}) {
  let message = language.words[key];
  if (typeof message === 'object') message = message[plurals.select(values.count)] ?? message.other;
  return split(message).map((part, i) => {
    if (i % 2 === 0) return part;
    const value = values[part];
    return typeof value === 'number' ? numbers.format(value) : value;
  });
}
export const say = (key, values) => sayParts(key, values).join('');

// A bank { letter, bank } by its letter, or by its byte where it has none;
// a bank changed to, by its letter alone.
const bankWords = ({ letter, bank }) =>
  letter ? say('bankLetter', { letter }) : say('bankByte', { byte: bank });
const toWords = (to) => (typeof to === 'string' ? to : bankWords(to));

// A row's words for the outcome of entry { outcome, from, to }, from the
// bank before and to the bank after a change (or an undo); a refusal's
// message alone.
export const refusals = new Set(['refused', 'unreadable', 'gone']);
// A copy at a path of its own in a zip says which.
export function outcomeWords(entry) {
  const words = rowWords(entry);
  return entry.copy?.inZip ? say('rowInZip', { row: words, path: entry.copy.inZip }) : words;
}
function rowWords({ outcome, from, to, leftOut }) {
  if (outcome === 'pcg') return bankWords(from);
  const words = say(leftOut ? 'leftOut' : outcome);
  if (refusals.has(outcome)) return words;
  if (outcome === 'changedSince') return say('rowLeft', { from: bankWords(from), outcome: words });
  const done = outcome === 'saved' || outcome === 'putBack';
  return say(done ? 'rowDone' : 'rowGoing', {
    from: bankWords(from),
    to: toWords(to),
    outcome: words,
  });
}

// The work a summary is of: the letters of a change ("Banks B and C"), or
// 'undo'.
export const banksWords = (banks) =>
  banks === 'undo'
    ? say('undo')
    : say('banks', { count: banks.length, banks: banksListed.format(banks) });

// The summary's parts, in order: the outcome each counts (a file with a copy
// on offer counts as a copy, one whose copy a zip left out as left out), by
// its message.  Files that a change or an undo passed over ('pcg') are
// counted only before one.
export const tallies = [
  ['saved', 'countSaved'],
  ['putBack', 'countPutBack'],
  ['copy', 'countCopy'],
  ['pcg', 'countPcg'],
  ['notAsked', 'countNotAsked'],
  ['backNotAsked', 'countBackNotAsked'],
  ['changedSince', 'countChangedSince'],
  ['backNotAllowed', 'countBackNotAllowed'],
  ['backFailed', 'countBackFailed'],
  ['leftOut', 'countLeftOut'],
  ['refused', 'countRefused'],
  ['unreadable', 'countUnreadable'],
  ['gone', 'countGone'],
];

// Zips by their names, each quoted: "“My set.zip”".
const zipsWords = (names) => banksListed.format(names.map((name) => say('quoted', { name })));

// The summary of parts, each [message, count, zipped]: of the work of
// banks, or of a pick where banks is ''; zipped ({ names }) for the zips a
// part names.
export function summaryWords(banks, parts) {
  const said = parts
    .map(([key, count, zipped]) =>
      say(key, { count, zips: zipped?.names && zipsWords(zipped.names) }),
    )
    .join(say('separator'));
  return banks
    ? say('summaryOf', { banks: banksWords(banks), parts: said })
    : say('summary', { parts: said });
}

// What long work is doing, a key of progressOf, for "Reading 2,300 of
// 10,000 files…" or, with no total, "Looking through the folder: 2,300
// files so far…".
const progressOf = {
  looking: 'progressLooking',
  reading: 'progressReading',
  saving: 'progressSaving',
  puttingBack: 'progressPuttingBack',
  packing: 'progressPacking',
};
export const progressWords = (doing, done, total) =>
  total === undefined
    ? say(progressOf[doing], { count: done })
    : say(progressOf[doing], { done, count: total });
