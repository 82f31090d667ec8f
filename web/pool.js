// Waits of the page's own: a pause, and work on many files a few at a time.
export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// Once the browser has drawn what the page shows now, in a task of its own.
export const afterPaint = () =>
  new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));

// A pool that runs the tasks handed to it, at most atOnce at a time, in the
// order they came: run(task) settles as task() does.  A browser handed a
// thousand reads or writes at once starts them all in one task, and the page
// stands still until it has.
export function pool(atOnce) {
  let running = 0;
  const waiting = [];
  const next = () => {
    if (running >= atOnce || !waiting.length) return;
    const { task, resolve, reject } = waiting.shift();
    running++;
    Promise.resolve()
      .then(task)
      .then(resolve, reject)
      .finally(() => {
        running--;
        next();
      });
  };
  return (task) =>
    new Promise((resolve, reject) => {
      waiting.push({ task, resolve, reject });
      next();
    });
}

// work(item, i) for each of items, atOnce at a time; their results in order.
export function inTurns(items, atOnce, work) {
  const run = pool(atOnce);
  return Promise.all(items.map((item, i) => run(() => work(item, i))));
}
