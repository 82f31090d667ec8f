'use strict';
// Tavrelon in a browser.  The rules of the PCG format run in the core, the
// same C++ as the command-line program's, compiled to WebAssembly.  This
// script reads the first bytes of each file and asks the core.  Where the
// browser hands out file handles (the File System Access API), it writes the
// changed bank byte into the file itself, as the command-line program does;
// elsewhere, or when that is not allowed, it offers a changed copy: the
// changed header followed by the rest of the original.

const texts = {
  notPcg: 'ERROR: File is not a valid KORG PCG file',
  unreadable: 'Cannot be read any more: it was moved, deleted or changed after you picked it. Pick it again.',
  saved: 'saved in the file',
  asking: 'waiting for your permission to change the file…',
  copy: 'a changed copy is ready; the file itself is unchanged until the copy replaces it',
  notAllowed: 'not saved in the file, which this browser was not allowed to change; a changed copy is ready instead',
  howInPlace: 'Each file is changed where it is, once you allow it; where it cannot be, you download a changed copy instead.',
  noWasm: 'ERROR: This browser cannot run Tavrelon (it needs WebAssembly).',
  noStart: 'ERROR: Tavrelon could not start: ',
};
// Between two downloads of "Download all copies": browsers drop downloads
// that a page starts in a quick burst.
const downloadSpacing = 400;

const pickButton = document.getElementById('pick');
const picker = document.getElementById('files');
const bankChoice = document.getElementById('bank');
const changeButton = document.getElementById('change');
const saveAllButton = document.getElementById('save-all');
const summary = document.getElementById('summary');
const results = document.getElementById('results');
const inPlace = typeof window.showOpenFilePicker === 'function';

// The files on show, each { file, handle, header, bank, row, copy }: handle
// is the file's handle where the browser gave one, bank -1 for a file the
// core refused, copy the changed copy on offer.  Every new pick, bank or
// change starts a new generation; work of an older one is dropped.
let shown = [];
let generation = 0;
let changedTo = null; // the bank letter of the last change, while it shows

async function loadCore() {
  const wasm = Uint8Array.from(atob('@CORE_WASM@'), (c) => c.charCodeAt(0));
  const { instance } = await WebAssembly.instantiate(wasm);
  instance.exports._initialize();
  return instance.exports;
}

function bytesAt(core, address, size) {
  return new Uint8Array(core.memory.buffer, address, size);
}

function putHeader(core, header) {
  bytesAt(core, core.header(), header.length).set(header);
}

// The bank byte of a header, or -1 when it is no PCG file's.
function bankOf(core, header) {
  putHeader(core, header);
  return core.bank_of(header.length);
}

// The header with the bank named by letter and that bank's number, or null
// when the core refuses.
function patched(core, header, letter) {
  const buffer = bytesAt(core, core.letter(), core.letter_size());
  const { written } = new TextEncoder().encodeInto(letter, buffer.subarray(0, buffer.length - 1));
  buffer[written] = 0;
  putHeader(core, header);
  const bank = core.patch_header(header.length);
  if (bank < 0) return null;
  return { header: bytesAt(core, core.header(), header.length).slice(), bank };
}

function bankName(core, bank) {
  const letter = core.letter_of(bank);
  return letter ? `bank ${String.fromCharCode(letter)}` : `bank byte ${bank}, no bank letter`;
}

// Only the header is read: a file of any size costs the same.  Null when
// the file cannot be read (a folder, or a file gone since it was picked).
async function readHeader(core, file) {
  try {
    return new Uint8Array(await file.slice(0, core.header_size()).arrayBuffer());
  } catch {
    return null;
  }
}

// The file as it is now: a handle gives its current contents, a picked file
// the contents it had when picked, which must still be what the disk holds.
async function currentFile(core, entry) {
  try {
    const file = entry.handle ? await entry.handle.getFile() : entry.file;
    const header = await readHeader(core, file);
    if (!header || (!entry.handle && !sameBytes(header, entry.header))) return null;
    return { file, header };
  } catch {
    return null;
  }
}

function sameBytes(a, b) {
  return a.length === b.length && a.every((byte, i) => byte === b[i]);
}

function addRow(name) {
  const row = document.createElement('li');
  const label = document.createElement('bdi');
  label.className = 'name';
  label.textContent = name;
  const status = document.createElement('span');
  status.className = 'status';
  row.append(label, ': ', status);
  results.append(row);
  return row;
}

function setStatus(entry, text, refused = false) {
  entry.row.classList.toggle('refused', refused);
  entry.row.querySelector('.status').textContent = text;
}

function dropCopy(entry) {
  if (!entry.copy) return;
  URL.revokeObjectURL(entry.copy.url);
  entry.copy = null;
  entry.row.querySelector('a')?.remove();
}

// The copy is the changed header followed by the rest of file, whose own
// header was original.
function offerCopy(core, entry, { file, original, header }) {
  const copy = new Blob([header, file.slice(header.length)], { type: 'application/octet-stream' });
  entry.copy = { url: URL.createObjectURL(copy), file, original };
  const link = document.createElement('a');
  link.href = entry.copy.url;
  link.download = entry.file.name;
  const name = document.createElement('bdi');
  name.textContent = entry.file.name;
  link.append('Download ', name);
  link.addEventListener('click', (event) => {
    event.preventDefault();
    saveCopy(core, entry);
  });
  entry.row.append(link);
}

// Hands a copy to the browser's downloads, unless the file it takes all but
// its header from can no longer be read as it was.
async function saveCopy(core, entry) {
  const { copy } = entry;
  const now = await readHeader(core, copy.file);
  if (copy !== entry.copy) return;
  if (!now || !sameBytes(now, copy.original)) {
    dropCopy(entry);
    entry.outcome = 'unreadable';
    setStatus(entry, texts.unreadable, true);
    showSummary();
    return;
  }
  const link = document.createElement('a');
  link.href = copy.url;
  link.download = entry.file.name;
  document.body.append(link);
  link.click();
  link.remove();
}

async function saveAllCopies(core) {
  const mine = generation;
  saveAllButton.disabled = true;
  for (const [i, entry] of shown.filter((e) => e.copy).entries()) {
    if (i > 0) await new Promise((resolve) => setTimeout(resolve, downloadSpacing));
    if (mine !== generation) return;
    await saveCopy(core, entry);
  }
  saveAllButton.disabled = false;
}

// "Bank D: 2 saved in their files, 1 copy to download, 1 refused."  The
// summary is what a screen reader announces; the rows are read on demand.
function showSummary() {
  const letter = changedTo;
  const count = (what) => shown.filter((entry) => entry.outcome === what).length;
  const parts = [];
  const add = (n, one, many) => n && parts.push(`${n} ${n === 1 ? one : many}`);
  if (letter) {
    add(count('saved'), 'saved in its file', 'saved in their files');
    add(count('copy'), 'copy to download', 'copies to download');
  } else {
    add(count('pcg'), 'PCG file', 'PCG files');
  }
  add(count('refused'), 'refused', 'refused');
  add(count('unreadable'), 'can no longer be read', 'can no longer be read');
  summary.textContent = parts.length ? `${letter ? `Bank ${letter}: ` : ''}${parts.join(', ')}.` : '';
  saveAllButton.hidden = !shown.some((entry) => entry.copy);
}

// Back to what the files hold now, with no changed copy on offer.
function showCurrentBanks(core) {
  generation++;
  changedTo = null;
  for (const entry of shown) {
    dropCopy(entry);
    entry.outcome = entry.bank < 0 ? 'refused' : 'pcg';
    setStatus(entry, entry.bank < 0 ? texts.notPcg : bankName(core, entry.bank), entry.bank < 0);
  }
  changeButton.disabled = !shown.some((entry) => entry.bank >= 0);
  saveAllButton.disabled = false;
  showSummary();
}

// sources: { file, handle } for each file, handle null where there is none,
// or a promise of them.
async function showFiles(core, sources) {
  const mine = ++generation;
  for (const entry of shown) dropCopy(entry);
  shown = [];
  results.replaceChildren();
  summary.textContent = '';
  saveAllButton.hidden = true;
  changeButton.disabled = true;
  const picked = await Promise.resolve(sources).catch(() => []);
  const headers = await Promise.all(picked.map(({ file }) => readHeader(core, file)));
  if (mine !== generation) return;
  shown = picked.map(({ file, handle }, i) => {
    const header = headers[i] ?? new Uint8Array(0);
    return { file, handle, header, bank: bankOf(core, header), row: addRow(file.name), copy: null };
  });
  showCurrentBanks(core);
}

// Writes the bank byte alone into the file, once the browser has asked the
// user; false when that is refused or the write fails.
async function writeBankByte(core, handle, bank, asking) {
  const mode = { mode: 'readwrite' };
  try {
    if (await handle.queryPermission(mode) !== 'granted') {
      asking();
      if (await handle.requestPermission(mode) !== 'granted') return false;
    }
    const writable = await handle.createWritable({ keepExistingData: true });
    try {
      await writable.write({ type: 'write', position: core.bank_offset(), data: new Uint8Array([bank]) });
      await writable.close();
    } catch {
      await writable.abort().catch(() => {});
      return false;
    }
    return true;
  } catch {
    return false;
  }
}

async function changeFile(core, entry, letter) {
  const now = await currentFile(core, entry);
  if (!now) return { outcome: 'unreadable', text: texts.unreadable };
  const change = patched(core, now.header, letter);
  if (!change) return { outcome: 'refused', text: texts.notPcg };
  const banks = `${bankName(core, bankOf(core, now.header))} → ${letter}`;
  const copy = { outcome: 'copy', file: now.file, original: now.header, header: change.header };
  if (!entry.handle) return { ...copy, text: `${banks}: ${texts.copy}` };
  const asking = () => setStatus(entry, `${banks}: ${texts.asking}`);
  if (!(await writeBankByte(core, entry.handle, change.bank, asking))) return { ...copy, text: `${banks}: ${texts.notAllowed}` };
  entry.header = change.header;
  entry.bank = change.bank;
  return { outcome: 'saved', text: `${banks}, ${texts.saved}` };
}

async function changeBanks(core) {
  showCurrentBanks(core);
  const mine = generation;
  const letter = bankChoice.value;
  changeButton.disabled = true;
  for (const entry of shown.filter((e) => e.bank >= 0)) {
    const result = await changeFile(core, entry, letter);
    if (mine !== generation) return;
    entry.outcome = result.outcome;
    setStatus(entry, result.text, result.outcome === 'refused' || result.outcome === 'unreadable');
    if (result.outcome === 'copy') offerCopy(core, entry, result);
  }
  changeButton.disabled = false;
  changedTo = letter;
  showSummary();
}

async function pickFiles(core) {
  if (!inPlace) {
    picker.click();
    return;
  }
  let handles;
  try {
    handles = await window.showOpenFilePicker({ multiple: true });
  } catch (error) {
    if (error.name !== 'AbortError') picker.click(); // not closed by the user
    return;
  }
  showFiles(core, Promise.all(handles.map(async (handle) => ({ file: await handle.getFile(), handle }))));
}

// A drop hands over handles where the browser can, each asked for while the
// drop is handled, else plain files.
async function droppedFiles(transfer) {
  const items = [...transfer.items].filter((item) => item.kind === 'file');
  const files = items.map((item) => item.getAsFile());
  const handles = inPlace && 'getAsFileSystemHandle' in DataTransferItem.prototype
    ? items.map((item) => item.getAsFileSystemHandle()) : [];
  const sources = files.map((file) => ({ file, handle: null }));
  for (const [i, promise] of handles.entries()) {
    const handle = await promise.catch(() => null);
    if (handle?.kind === 'file') sources[i].handle = handle;
  }
  return sources.filter(({ file }) => file);
}

function acceptDrops(core) {
  const dragging = (on) => (event) => {
    event.preventDefault();
    document.body.classList.toggle('dragging', on);
  };
  document.addEventListener('dragover', dragging(true));
  document.addEventListener('dragleave', dragging(false));
  document.addEventListener('drop', (event) => {
    dragging(false)(event);
    showFiles(core, droppedFiles(event.dataTransfer));
  });
}

function startError(error) {
  if (typeof WebAssembly !== 'object' || error instanceof WebAssembly.CompileError ||
      error instanceof WebAssembly.LinkError || error instanceof WebAssembly.RuntimeError) {
    return texts.noWasm;
  }
  return texts.noStart + (error?.message || String(error));
}

async function start() {
  try {
    const core = await loadCore();
    for (let bank = 0; core.letter_of(bank); bank++) {
      const letter = String.fromCharCode(core.letter_of(bank));
      bankChoice.add(new Option(letter, letter));
    }
    if (inPlace) document.getElementById('how-save').textContent = texts.howInPlace;
    pickButton.addEventListener('click', () => pickFiles(core));
    picker.addEventListener('change', () => {
      const files = [...picker.files];
      picker.value = ''; // so that the same files can be picked again
      showFiles(core, files.map((file) => ({ file, handle: null })));
    });
    bankChoice.addEventListener('change', () => showCurrentBanks(core));
    changeButton.addEventListener('click', () => changeBanks(core));
    saveAllButton.addEventListener('click', () => saveAllCopies(core));
    acceptDrops(core);
  } catch (error) {
    summary.textContent = startError(error);
  }
}

start();
