// Where files come from: the system's picker, which gives file handles where
// the browser has them (the File System Access API), the page's file input,
// and drops; and the first bytes of each file, read a few files at a time.
// A source is { name, file, handle }: file or handle may be null.
import { inTurns } from './pool.js';

export const handlesGiven = typeof window.showOpenFilePicker === 'function';
// Enough reads at once to keep the disk busy, few enough that starting them
// never holds up the page.
const readsAtOnce = 64;

// Files picked through the system's picker; null when the user closed it.
export async function pickHandles() {
  try {
    const handles = await window.showOpenFilePicker({ multiple: true });
    return handles.map((handle) => ({ name: handle.name, file: null, handle }));
  } catch (error) {
    if (error.name === 'AbortError') return null;
    throw error;
  }
}

export function takeInput(input) {
  const sources = [...input.files].map((file) => ({ name: file.name, file, handle: null }));
  input.value = ''; // so that the same files can be picked again
  return sources;
}

// A drop's files, with their handles where the browser gives them.  Both are
// asked for while the drop is handled: afterwards its items are gone.
export async function takeDrop(transfer) {
  const items = [...transfer.items].filter((item) => item.kind === 'file');
  const files = items.map((item) => item.getAsFile());
  const handles = handlesGiven && 'getAsFileSystemHandle' in DataTransferItem.prototype
    ? items.map((item) => item.getAsFileSystemHandle().catch(() => null)) : [];
  const sources = await Promise.all(files.map(async (file, i) => {
    const handle = await handles[i];
    return { name: file?.name ?? handle?.name, file, handle: handle?.kind === 'file' ? handle : null };
  }));
  return sources.filter((source) => source.name);
}

// The file as it is now: a handle gives its current contents, a picked file
// the one it was picked as.  Null when there is none to be had.
export async function fileOf(source) {
  try {
    return source.handle ? await source.handle.getFile() : source.file;
  } catch {
    return null;
  }
}

// The first size bytes of a file, and no more: a file of any size costs the
// same.  Null when the file cannot be read (a folder, or a file gone).
export async function readHeader(file, size) {
  try {
    return new Uint8Array(await file.slice(0, size).arrayBuffer());
  } catch {
    return null;
  }
}

// Each source with its file and that file's first size bytes (null where
// it cannot be read).
export function readHeaders(sources, size) {
  return inTurns(sources, readsAtOnce, async (source) => {
    const file = await fileOf(source);
    return { ...source, file, header: file && await readHeader(file, size) };
  });
}
