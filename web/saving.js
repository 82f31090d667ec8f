// How a change is saved: the bank byte written into the file itself through
// its handle, or else a changed copy to download, made only when it is asked
// for, from the file as it is then.
import { endsIn, readEnds, sameEnds } from './reading.js';

// Between two downloads of a series (zips): browsers drop downloads that a
// page starts in a quick burst.
export const downloadSpacing = 400;
const readwrite = { mode: 'readwrite' };

// Asks the browser for leave to write the file: 'granted', 'denied', or
// 'not asked' when the browser would not ask.  A browser asks only while the
// user's last click is fresh, so every file is asked for at once, before
// anything else is awaited.
export function askToWrite(handle) {
  let answer;
  try {
    answer = handle.requestPermission(readwrite);
  } catch (error) {
    answer = Promise.reject(error);
  }
  return answer.then(
    (state) => (state === 'granted' ? 'granted' : 'denied'),
    (error) => (error?.name === 'SecurityError' ? 'not asked' : 'denied'),
  );
}

// Whether the browser puts a question to the user before it lets the page
// write the file.
export async function needsAsking(handle) {
  try {
    return (await handle.queryPermission(readwrite)) !== 'granted';
  } catch {
    return true;
  }
}

// Writes the bank byte alone into the file: 'saved', 'failed', or
// 'cancelled' when wanted() says no once the file is open for writing.
export async function writeBankByte(handle, offset, bank, wanted) {
  let writable = null;
  try {
    writable = await handle.createWritable({ keepExistingData: true });
    if (!wanted()) {
      await writable.abort();
      return 'cancelled';
    }
    await writable.write({ type: 'write', position: offset, data: new Uint8Array([bank]) });
    await writable.close();
    return 'saved';
  } catch {
    await writable?.abort().catch(() => {});
    return 'failed';
  }
}

// The size of what a file holds now, read through to its end: Firefox keeps
// the size a picked file had at the pick but reads what it holds now.
async function sizeNow(file) {
  const reader = file.stream().getReader();
  let size = 0;
  for (let part = await reader.read(); !part.done; part = await reader.read())
    size += part.value.length;
  return size;
}

// The copy: the changed header followed by the rest of file, provided file
// is still what it was when ends, its header and tail, were read: no longer
// or shorter, and the same at both ends.  Null when it is not.  A file saved
// again within a second of its pick, only longer, cannot be told in
// WebKit, which gives it its old size and time stamp (to the second).
export async function intactCopy(file, ends, changed) {
  try {
    const [size, now] = await Promise.all([sizeNow(file), readEnds(file, ends.header.length)]);
    if (size !== file.size || !(await sameEnds(now, ends))) return null;
    return new Blob([changed, file.slice(changed.length)], { type: 'application/octet-stream' });
  } catch {
    return null;
  }
}

// A file up to this size goes into a zip as its bytes, read once and
// checked as they are read; a larger one as a Blob of its parts, as a copy
// of its own is, which the zip reads as it goes.
const readWhole = 4 * 1024 * 1024;

// bytes, a file read whole, changed to the header changed, provided they are
// still what ends were and as many as the file had at the pick; else null.
async function checkedCopy(bytes, file, ends, changed) {
  if (bytes.length !== file.size || !(await sameEnds(endsIn(bytes, ends.header.length), ends)))
    return null;
  bytes.set(changed);
  return bytes;
}

// The copies for a zip of copies, each { file, ends, changed }, file null
// where there is none: each the file's bytes, changed and checked (a Blob
// of parts for a file larger than readWhole, by intactCopy), or null where
// the file is no longer what it was.  The smaller files are read in one
// read, which a browser does far sooner than one read after another; each
// on its own where that read fails, as it does once one has changed.
export async function zipCopies(copies) {
  const small = copies.filter(({ file }) => file && file.size <= readWhole);
  const expected = small.reduce((sum, { file }) => sum + file.size, 0);
  const read = await new Blob(small.map(({ file }) => file)).arrayBuffer().catch(() => null);
  const whole = read?.byteLength === expected ? read : null;
  let at = 0;
  const parts = copies.map(({ file }) => {
    if (!whole || !file || file.size > readWhole) return null;
    at += file.size;
    return new Uint8Array(whole, at - file.size, file.size);
  });
  return Promise.all(
    copies.map(async ({ file, ends, changed }, i) => {
      if (!file) return null;
      if (file.size > readWhole) return intactCopy(file, ends, changed);
      try {
        return await checkedCopy(
          parts[i] ?? new Uint8Array(await file.arrayBuffer()),
          file,
          ends,
          changed,
        );
      } catch {
        return null;
      }
    }),
  );
}

// Hands a copy to the browser's downloads.
export function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60 * 1000);
}
