// What the page reads of a file: the file as it is now, and its ends, a few
// files at a time; and whether two reads of a file's ends agree.
import { inTurns } from './pool.js';

// Enough reads at once to keep the disk busy, few enough that starting them
// never holds up the page.
const readsAtOnce = 64;
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

// What tells a file again: its first size bytes, the header, and its last
// few after them, the tail, so that a file of any size costs the same:
// { header, tail }.  Null when the file cannot be read (a folder, or a file
// gone).  A file saved again most often keeps its header, but what follows
// changes, and so does its end.
export async function readEnds(file, size) {
  try {
    const [header, tail] = await Promise.all([bytesOf(file.slice(0, size)),
      bytesOf(file.slice(Math.max(size, file.size - tailSize), file.size))]);
    return { header, tail };
  } catch {
    return null;
  }
}

// The header alone, where the tail is known; null when it cannot be read.
export const readHeader = (file, size) => bytesOf(file.slice(0, size)).catch(() => null);
const bytesOf = async (blob) => new Uint8Array(await blob.arrayBuffer());

// Each source with its file and that file's ends (null where it cannot be
// read); read(n) hears how many have been read.
export function readAllEnds(sources, size, read) {
  let done = 0;
  return inTurns(sources, readsAtOnce, async (source) => {
    const file = await fileOf(source);
    const ends = file && await readEnds(file, size);
    read(++done);
    return { ...source, file, ends };
  });
}

function sameBytes(a, b) {
  return a.length === b.length && a.every((byte, i) => byte === b[i]);
}

// Whether two reads of a file's ends ({ header, tail }) found the same.
export const sameEnds = (a, b) => Boolean(a && b) && sameBytes(a.header, b.header) && sameBytes(a.tail, b.tail);
