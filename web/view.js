// What the user sees: a row for each file (read on demand by a screen
// reader) and the state of the controls, in the words of words.js; the
// summary above the rows is summary.js's.
import { afterPaint, sleep } from './pool.js';
import { languageShown, outcomeWords, refusals, say, sayParts } from './words.js';

// Row choices made in one task, in a long list.
const choicesAtOnce = 250;

const results = document.getElementById('results');
const changeButton = document.getElementById('change');
const undoButton = document.getElementById('undo');
const bankChoice = document.getElementById('bank');
const saveAllButton = document.getElementById('save-all');

// "Bank" lists the letters, and shows a dash, which no one can choose, while
// the rows are for different banks.
export function showBanks(letters) {
  const differ = new Option('–', '');
  Object.assign(differ, { hidden: true, disabled: true });
  differ.dataset.label = 'banksDiffer';
  differ.setAttribute('aria-label', say('banksDiffer'));
  bankChoice.add(differ);
  for (const letter of letters) bankChoice.add(new Option(letter, letter));
  bankChoice.value = letters[0];
}

// "Bank" shows letter, or the dash where letter is ''.
export const showChosen = (letter) => {
  bankChoice.value = letter;
};

export function showInPlace() {
  const how = document.getElementById('how-save');
  how.dataset.words = 'howInPlace';
  how.textContent = say('howInPlace');
}

// Every word of the page's own in the language shown: the text of each
// element with data-words, the name of each with data-label, filled from
// the element's data (a footer's version, a row's name).
export function showWords() {
  document.documentElement.lang = languageShown().tag;
  for (const element of document.querySelectorAll('[data-words]'))
    element.textContent = say(element.dataset.words, element.dataset);
  for (const element of document.querySelectorAll('[data-label]'))
    element.setAttribute('aria-label', say(element.dataset.label, element.dataset));
}

// Calls fill as the user comes to select, before select does anything.
// Focus comes first, but a window without the system's focus has no focus
// events, and a key's own work comes after its listeners.
export function whenReached(select, fill) {
  for (const type of ['pointerdown', 'focus', 'keydown']) select.addEventListener(type, fill);
}

// A row's choice of bank: a native select like "Bank", of the letter
// chosen alone until the user comes to it, when it takes all of "Bank"'s.
// A thousand selects of 26 letters each hold the page up for a second.
function choiceOf(name, letter, choose) {
  const choice = document.createElement('select');
  choice.add(new Option(letter, letter));
  Object.assign(choice.dataset, { label: 'rowChoice', name });
  choice.setAttribute('aria-label', say('rowChoice', { name }));
  const fill = () => {
    if (choice.length > 1) return;
    const chosen = choice.value;
    choice.replaceChildren(
      ...[...bankChoice.options]
        .filter((option) => option.value)
        .map((option) => option.cloneNode(true)),
    );
    choice.value = chosen;
  };
  whenReached(choice, fill);
  choice.addEventListener('change', () => choose(choice.value));
  return choice;
}

// A row for each name, { item, status, choice, link }, to show by showRows:
// they are made while the files are read.
export function makeRows(names) {
  return names.map((name) => {
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
}

// The rows in place of those on show.
export function showRows(rows) {
  results.replaceChildren(...rows.map((row) => row.item));
  results.classList.toggle('long', rows.length > 100);
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
  status.textContent = outcomeWords(entry);
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
  link.append(...sayParts('download', { name }));
  link.addEventListener('click', (event) => {
    event.preventDefault();
    download(entry);
  });
  item.append(link);
  row.link = link;
}

export const clearRows = () => results.replaceChildren();

// canChange: whether "Change bank" can be pressed; canUndo: whether "Undo"
// is offered; copies: whether there are copies to download; saving: whether
// they are being downloaded now.  Focus on "Undo" as it goes moves to
// "Change bank".
export function showButtons({ canChange, canUndo = false, copies, saving = false }) {
  changeButton.disabled = !canChange;
  if (!canUndo && document.activeElement === undoButton) changeButton.focus();
  undoButton.hidden = !canUndo;
  saveAllButton.hidden = !copies;
  saveAllButton.disabled = saving;
}
