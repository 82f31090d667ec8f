// Where files come from: the system's pickers, which give file handles where
// the browser has them (the File System Access API), the page's file and
// folder inputs, and drops.  A pick is { sources, others, unreadable, listed,
// folder }:
// sources the files to show, each { name, file, handle, root } (file, handle
// or root may be null; root is the handle of the folder it was found in),
// others the number of files in a folder that are not PCG files and get no
// row, unreadable the number of folders passed over because the system or
// the browser would not list them (a USB stick's "System Volume
// Information"), listed the number of folders gone through, folder the name
// of the folder picked where the pick was one folder, else ''.
export const handlesGiven = typeof window.showOpenFilePicker === 'function';
export const foldersGiven = typeof window.showDirectoryPicker === 'function';
// In a folder, a PCG file is told by its name: a synthesizer names them so,
// and a folder of samples may hold thousands of large files that are not.
const isPcgName = (name) => /\.pcg$/i.test(name);
const filesOnly = (sources) => ({ sources, others: 0, unreadable: 0, listed: 0, folder: '' });
const nothingFound = () => filesOnly([]);
// A folder's files in the order of their paths, which a folder does not keep.
const byPath = (sources) =>
  sources.sort((a, b) => a.name.localeCompare(b.name, 'en', { numeric: true }));

// The picker's answer, or null when the user closed it.
async function unlessClosed(picker) {
  try {
    return await picker();
  } catch (error) {
    if (error.name === 'AbortError') return null;
    throw error;
  }
}

// Files by their handles: picked, or handed to the installed app by the
// system ("Open with"), which the page then treats alike.
export const handleFiles = (handles) =>
  filesOnly(handles.map((handle) => ({ name: handle.name, file: null, handle, root: null })));

export async function pickHandles() {
  const handles = await unlessClosed(() => window.showOpenFilePicker({ multiple: true }));
  return handles && handleFiles(handles);
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
  if (!input.webkitdirectory)
    return filesOnly(files.map((file) => ({ name: file.name, file, handle: null, root: null })));
  const pcg = files.filter((file) => isPcgName(file.name));
  return {
    sources: byPath(
      pcg.map((file) => ({
        name: file.webkitRelativePath.replace(/^[^/]*\//, ''),
        file,
        handle: null,
        root: null,
      })),
    ),
    others: files.length - pcg.length,
    unreadable: 0,
    listed: 1,
    folder: files[0]?.webkitRelativePath.split('/')[0] ?? '',
  };
}

// Goes through a folder and its subfolders, by handle or (where there are no
// handles) by the entries of a drop, adding its PCG files to found and
// counting the others; seen(n) hears how many files it has seen.  A folder
// that cannot be listed, in whole or in part, is counted and passed over: the
// rest of the pick stands.  A PCG file that cannot be had gets a row that
// says so.
function foundFile(found, seen, name, source) {
  if (isPcgName(name)) found.sources.push(source);
  else found.others++;
  seen(found.sources.length + found.others);
}

async function walkHandle(folder, root, path, found, seen) {
  try {
    for await (const handle of folder.values()) {
      const name = path + handle.name;
      if (handle.kind === 'directory') await walkHandle(handle, root, `${name}/`, found, seen);
      else foundFile(found, seen, handle.name, { name, file: null, handle, root });
    }
    found.listed++;
  } catch {
    found.unreadable++;
  }
}

const fileOfEntry = (entry) =>
  new Promise((resolve, reject) => entry.file(resolve, reject)).catch(() => null);

async function walkEntry(folder, path, found, seen) {
  const reader = folder.createReader();
  for (;;) {
    const entries = await new Promise((resolve, reject) =>
      reader.readEntries(resolve, reject),
    ).catch(() => null);
    if (!entries) found.unreadable++;
    else if (!entries.length) found.listed++;
    if (!entries?.length) return;
    for (const entry of entries) {
      const name = path + entry.name;
      if (entry.isDirectory) await walkEntry(entry, `${name}/`, found, seen);
      else
        foundFile(found, seen, entry.name, {
          name,
          file: isPcgName(entry.name) ? await fileOfEntry(entry) : null,
          handle: null,
          root: null,
        });
    }
  }
}

// Every PCG file in a folder handle and its subfolders.
export async function folderFiles(folder, seen) {
  const found = { ...nothingFound(), folder: folder.name };
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
  const handles = items.map((item) =>
    handlesGiven && item.getAsFileSystemHandle
      ? item.getAsFileSystemHandle().catch(() => null)
      : null,
  );
  const prefix = (name) => (items.length > 1 ? `${name}/` : '');
  return (async () => {
    const found = nothingFound();
    for (const [i, file] of files.entries()) {
      const handle = await handles[i];
      const folder = nothingFound();
      if (handle?.kind === 'directory')
        await walkHandle(handle, handle, prefix(handle.name), folder, seen);
      else if (entries[i]?.isDirectory)
        await walkEntry(entries[i], prefix(entries[i].name), folder, seen);
      else if (file) folder.sources.push({ name: file.name, file, handle, root: null });
      found.sources.push(...byPath(folder.sources));
      found.others += folder.others;
      found.unreadable += folder.unreadable;
      found.listed += folder.listed;
      if (items.length === 1 && folder.listed) found.folder = handle?.name ?? entries[i].name;
    }
    return found;
  })();
}
