// What the page reads of a file: the file as it is now, its header at the
// pick and its tail soon after, a few files at a time; and whether a read
// of a file's ends agrees with what was read before.
import { inTurns } from './pool.js';

// Enough reads at once to keep the disk busy, few enough that starting them
// never holds up the page.
const readsAtOnce = 64;
// The tails are read while the page waits for the user, fewer at once.
const tailsAtOnce = 8;
// How many bytes of a file's end are kept, beside its header, to tell it again.
const tailSize = 32;

// The file as it is now: a handle gives its current contents, a picked file
// the one it was picked as.  Null when there is none to be had.
export async function fileOf(source) {
  try {
    return source.handle ? await source.handle.getFile() : source.file;
  } catch {
    return null;
  }
}

const bytesOf = async (blob) => new Uint8Array(await blob.arrayBuffer());
// The header, a file's first size bytes; null when it cannot be read.
export const readHeader = (file, size) => bytesOf(file.slice(0, size)).catch(() => null);
// The tail: the last few bytes after the header, so that a file of any size
// costs the same.  A file saved again most often keeps its header, but what
// follows changes, and so does its end.
const readTail = (file, size) =>
  bytesOf(file.slice(Math.max(size, file.size - tailSize), file.size));

// The ends { header, tail } of bytes, a whole file read, as readEnds reads
// them of the file.
export const endsIn = (bytes, size) => ({
  header: bytes.subarray(0, size),
  tail: bytes.subarray(Math.max(size, bytes.length - tailSize)),
});

// Both ends of file as it is now, { header, tail }; null when it cannot be
// read (a folder, or a file gone).
export async function readEnds(file, size) {
  try {
    const [header, tail] = await Promise.all([bytesOf(file.slice(0, size)), readTail(file, size)]);
    return { header, tail };
  } catch {
    return null;
  }
}

// Each source with its file and that file's ends as the pick found them,
// { header, tail } (null where the file cannot be read); read(n) hears how
// many have been read.  Only the headers are read here: the rows need no
// more.  tail() reads the tail once, when readTails or a check first asks
// for it, from the file as the pick handed it over: a browser that sees
// the file saved again since then refuses that read (tail() gives null).
export function readHeaders(sources, size, read) {
  let done = 0;
  return inTurns(sources, readsAtOnce, async (source) => {
    const file = await fileOf(source);
    const header = file && (await readHeader(file, size));
    read(++done);
    return { ...source, file, ends: header && endsOf(header, () => file, size) };
  });
}

// The ends { header, tail() } of a file whose header is known, its tail
// read once, when first asked for, from the file that file() gives then.
export function endsOf(header, file, size) {
  let tail = null;
  return {
    header,
    tail: () =>
      (tail ??= Promise.resolve(file())
        .then((now) => now && readTail(now, size))
        .catch(() => null)),
  };
}

// The tails of the files read above, while shown() says they are on show.
export const readTails = (entries, shown) =>
  inTurns(
    entries.filter((entry) => entry.ends),
    tailsAtOnce,
    (entry) => shown() && entry.ends.tail(),
  );

function sameBytes(a, b) {
  return a.length === b.length && a.every((byte, i) => byte === b[i]);
}

// Whether now, a read of a file's ends, found what was known of them before.
export async function sameEnds(now, known) {
  const tail = await known.tail();
  return Boolean(now && tail) && sameBytes(now.header, known.header) && sameBytes(now.tail, tail);
}
