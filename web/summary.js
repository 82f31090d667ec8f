// The summary above the rows: what a pick holds, how a change or an undo
// ended, and how work under way goes on.  It is the page's one live region,
// which a screen reader announces.  It keeps what it shows, to say it again
// in another language.
import { banksWords, progressWords, say, summaryWords, tallies } from './words.js';

const summary = document.getElementById('summary');
let shown = () => '';
function show(words) {
  shown = words;
  summary.textContent = words();
}
export const showSummaryAgain = () => {
  summary.textContent = shown();
};

// "Bank D: 2 saved in their files, 1 copy to download, 1 refused.", with
// banks those of the change on show (or 'undo'), '' before one.  Before one
// it also counts what a pick held besides its rows ({ others, unreadable,
// nothingRead }): the other files, the folders that could not be read, and
// whether nothing at all could be.  Once the copies are zipped ({ names,
// count }), it counts the copies in the zips instead of those on offer, and
// says where the browser would not take a zip ({ failed }).
export function showSummary(entries, banks, { others, unreadable, nothingRead }, zipped) {
  const counts = {};
  for (const entry of entries) {
    const key = entry.copy ? 'copy' : entry.leftOut ? 'leftOut' : entry.outcome;
    counts[key] = (counts[key] ?? 0) + 1;
  }
  if (zipped?.names) counts.copy = zipped.count;
  const parts = tallies
    .filter(([outcome]) => counts[outcome] && !(banks && outcome === 'pcg'))
    .map(([outcome, key]) => [
      outcome === 'copy' && zipped?.names ? 'countZipped' : key,
      counts[outcome],
      zipped,
    ]);
  if (zipped?.failed) parts.push(['zipFailed']);
  if (!banks && others) parts.push(['countOthers', others]);
  if (!banks && unreadable) parts.push(['countFolders', unreadable]);
  if (!banks && !entries.length && parts.length) parts.unshift(['noPcg']);
  show(() => {
    if (nothingRead) return say('nothingRead');
    return parts.length ? summaryWords(banks, parts) : '';
  });
  bringIntoView();
}

// The summary on a phone is often off the screen once the rows have come.
// Whether it is on the screen is known from the browser's last frame: to
// measure it anew would lay out every row at once.
let summaryOnScreen = false;
new IntersectionObserver(
  ([seen]) => {
    summaryOnScreen = seen.isIntersecting;
  },
  { threshold: 1 },
).observe(summary);
function bringIntoView() {
  if (summary.textContent && !summaryOnScreen) summary.scrollIntoView({ block: 'nearest' });
}

// The summary while the browser asks the user: it ends, as every summary
// of work under way does, with an ellipsis.
export function showAsking(banks, n) {
  show(() => say('askingFor', { banks: banksWords(banks), count: n }));
  bringIntoView();
}

// The summary while long work goes on, doing 'looking', 'reading', 'saving'
// or 'puttingBack': "Reading 2,300 of 10,000 files…", or with no total
// "Looking through the folder: 2,300 files so far…".
export const showProgress = (doing, done, total) => show(() => progressWords(doing, done, total));

export const clearSummary = () => show(() => '');

export function showStartError(error) {
  const noWasm =
    typeof WebAssembly !== 'object' ||
    error instanceof WebAssembly.CompileError ||
    error instanceof WebAssembly.LinkError ||
    error instanceof WebAssembly.RuntimeError;
  show(() => (noWasm ? say('noWasm') : say('noStart', { error: error?.message || String(error) })));
}
