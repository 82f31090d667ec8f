// Waits of the page's own: a pause, and work on many files a few at a time.
export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Work on many files a few at a time.  A browser handed a thousand reads or
// writes at once starts them all in one task, and the page stands still
// until it has.
export async function inTurns(items, atOnce, work) {
  const results = new Array(items.length);
  let next = 0;
  const worker = async () => {
    while (next < items.length) {
      const i = next++;
      results[i] = await work(items[i], i);
    }
  };
  await Promise.all(Array.from({ length: Math.min(atOnce, items.length) }, worker));
  return results;
}
