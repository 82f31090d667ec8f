// Where files come from: the system's pickers, which give file handles where
// the browser has them (the File System Access API), the page's file and
// folder inputs, and drops; and the first bytes of each file, read a few
// files at a time.  A pick is { sources, others }: sources the files to show,
// each { name, file, handle, root } (file, handle or root may be null; root
// is the handle of the folder it was found in), others the number of files
// in a folder that are not PCG files and get no row.
import { inTurns } from './pool.js';

export const handlesGiven = typeof window.showOpenFilePicker === 'function';
export const foldersGiven = typeof window.showDirectoryPicker === 'function';
// Enough reads at once to keep the disk busy, few enough that starting them
// never holds up the page.
const readsAtOnce = 64;
// In a folder, a PCG file is told by its name: a synthesizer names them so,
// and a folder of samples may hold thousands of large files that are not.
const isPcgName = (name) => /\.pcg$/i.test(name);
const filesOnly = (sources) => ({ sources, others: 0 });
// A folder's files in the order of their paths, which a folder does not keep.
const byPath = (sources) => sources.sort((a, b) => a.name.localeCompare(b.name, 'en', { numeric: true }));

// The picker's answer, or null when the user closed it.
async function unlessClosed(picker) {
  try {
    return await picker();
  } catch (error) {
    if (error.name === 'AbortError') return null;
    throw error;
  }
}

export async function pickHandles() {
  const handles = await unlessClosed(() => window.showOpenFilePicker({ multiple: true }));
  return handles && filesOnly(handles.map((handle) => ({ name: handle.name, file: null, handle, root: null })));
}

// A folder asked for once, to read and write: its files are then written
// with no further question.
export async function pickFolderHandle() {
  return unlessClosed(() => window.showDirectoryPicker({ mode: 'readwrite' }));
}

// The files of a file input, or of a folder input (webkitdirectory), whose
// files are named by their path below the folder picked.
export function takeInput(input) {
  const files = [...input.files];
  input.value = ''; // so that the same files can be picked again
  if (!input.webkitdirectory) return filesOnly(files.map((file) => ({ name: file.name, file, handle: null, root: null })));
  const pcg = files.filter((file) => isPcgName(file.name));
  return {
    sources: byPath(pcg.map((file) => ({ name: file.webkitRelativePath.replace(/^[^/]*\//, ''), file, handle: null, root: null }))),
    others: files.length - pcg.length,
  };
}

// Goes through a folder and its subfolders, by handle or (where there are no
// handles) by the entries of a drop, adding its PCG files to found and
// counting the others; seen(n) hears how many files it has seen.
async function walkHandle(folder, root, path, found, seen) {
  for await (const handle of folder.values()) {
    const name = path + handle.name;
    if (handle.kind === 'directory') {
      await walkHandle(handle, root, `${name}/`, found, seen);
    } else {
      if (isPcgName(handle.name)) found.sources.push({ name, file: null, handle, root });
      else found.others++;
      seen(found.sources.length + found.others);
    }
  }
}

async function walkEntry(folder, path, found, seen) {
  const reader = folder.createReader();
  for (;;) {
    const entries = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
    if (!entries.length) return;
    for (const entry of entries) {
      const name = path + entry.name;
      if (entry.isDirectory) {
        await walkEntry(entry, `${name}/`, found, seen);
      } else {
        if (isPcgName(entry.name)) found.sources.push({ name, file: await new Promise((resolve, reject) => entry.file(resolve, reject)), handle: null, root: null });
        else found.others++;
        seen(found.sources.length + found.others);
      }
    }
  }
}

// Every PCG file in a folder handle and its subfolders.
export async function folderFiles(folder, seen) {
  const found = { sources: [], others: 0 };
  await walkHandle(folder, folder, '', found, seen);
  byPath(found.sources);
  return found;
}

// What a drop hands over: files, with their handles where the browser gives
// them, and folders, gone through.  Handles and entries are asked for while
// the drop is handled: afterwards its items are gone.  A folder of several
// dropped together names its files by the folder's name too.
export function takeDrop(transfer, seen) {
  const items = [...transfer.items].filter((item) => item.kind === 'file');
  const files = items.map((item) => item.getAsFile());
  const entries = items.map((item) => item.webkitGetAsEntry?.() ?? null);
  const handles = items.map((item) => (handlesGiven && item.getAsFileSystemHandle
    ? item.getAsFileSystemHandle().catch(() => null) : null));
  const prefix = (name) => (items.length > 1 ? `${name}/` : '');
  return (async () => {
    const found = { sources: [], others: 0 };
    for (const [i, file] of files.entries()) {
      const handle = await handles[i];
      const folder = { sources: [], others: 0 };
      if (handle?.kind === 'directory') await walkHandle(handle, handle, prefix(handle.name), folder, seen);
      else if (entries[i]?.isDirectory) await walkEntry(entries[i], prefix(entries[i].name), folder, seen);
      else if (file) folder.sources.push({ name: file.name, file, handle, root: null });
      found.sources.push(...byPath(folder.sources));
      found.others += folder.others;
    }
    return found;
  })();
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
// it cannot be read); read(n) hears how many have been read.
export function readHeaders(sources, size, read) {
  let done = 0;
  return inTurns(sources, readsAtOnce, async (source) => {
    const file = await fileOf(source);
    const header = file && await readHeader(file, size);
    read(++done);
    return { ...source, file, header };
  });
}
