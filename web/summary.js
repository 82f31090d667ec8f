// The summary above the rows: what a pick holds, how a change or an undo
// ended, and how work under way goes on.  It is the page's one live region,
// which a screen reader announces.
import { askingWords, counted, noPcgWords, othersWords, progressWords, tallies, texts, unreadableWords } from './words.js';

const summary = document.getElementById('summary');

// "Bank D: 2 saved in their files, 1 copy to download, 1 refused.", with
// banks those of the change on show (or "Undo"), '' before one.  Before one
// it also counts what a pick held besides its rows ({ others, unreadable,
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
    if (n && !(banks && outcome === 'pcg')) parts.push(`${counted(n)} ${n === 1 ? one : many}`);
  }
  if (!banks && others) parts.push(othersWords(others));
  if (!banks && unreadable) parts.push(unreadableWords(unreadable));
  if (!banks && !entries.length && parts.length) parts.unshift(noPcgWords);
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
  summary.textContent = askingWords(banks, n);
  bringIntoView();
}

// The summary while long work goes on, doing a key of doingWords:
// "Reading 2,300 of 10,000 files…", or with no total "Looking through the
// folder: 2,300 files so far…".
export function showProgress(doing, done, total) {
  summary.textContent = progressWords(doing, done, total);
}

export const clearSummary = () => { summary.textContent = ''; };

export function showStartError(error) {
  const noWasm = typeof WebAssembly !== 'object' || error instanceof WebAssembly.CompileError ||
    error instanceof WebAssembly.LinkError || error instanceof WebAssembly.RuntimeError;
  summary.textContent = noWasm ? texts.noWasm : texts.noStart + (error?.message || String(error));
}
