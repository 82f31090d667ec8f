'use strict';
// Tavrelon in a browser.  The rules of the PCG format run in the core, the
// same C++ as the command-line program's, compiled to WebAssembly.  This
// script reads the first bytes of each file, asks the core, and offers the
// changed copy: the changed header followed by the rest of the original.

const texts = {
  notPcg: 'ERROR: File is not a valid KORG PCG file',
  changed: 'Bank changed successfully :)',
  noCore: 'ERROR: This browser cannot run Tavrelon (it needs WebAssembly).',
};

const picker = document.getElementById('files');
const bankChoice = document.getElementById('bank');
const changeButton = document.getElementById('change');
const results = document.getElementById('results');

// The files on show, each { file, header, bank, row }; bank is -1 for a file
// the core refused.  A new pick replaces them all.
let shown = [];
let pick = 0;

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

function putLetter(core, letter) {
  const buffer = bytesAt(core, core.letter(), core.letter_size());
  const { written } = new TextEncoder().encodeInto(letter, buffer.subarray(0, buffer.length - 1));
  buffer[written] = 0;
}

function bankName(core, bank) {
  const letter = core.letter_of(bank);
  return letter ? `bank ${String.fromCharCode(letter)}` : `bank byte ${bank}, no bank letter`;
}

// Only the header is read: a file of any size costs the same.  A folder or a
// file that cannot be read has no header at all.
async function readHeader(core, file) {
  try {
    return new Uint8Array(await file.slice(0, core.header_size()).arrayBuffer());
  } catch {
    return new Uint8Array(0);
  }
}

function addRow(name) {
  const row = document.createElement('li');
  const label = document.createElement('span');
  label.className = 'name';
  label.textContent = name;
  const status = document.createElement('span');
  status.className = 'status';
  row.append(label, ': ', status);
  results.append(row);
  return row;
}

function setStatus(entry, text) {
  entry.row.querySelector('.status').textContent = text;
}

function removeLink(entry) {
  const link = entry.row.querySelector('a');
  if (!link) return;
  URL.revokeObjectURL(link.href);
  link.remove();
}

// Back to what the files hold now, with no changed copy on offer.
function showCurrentBanks(core) {
  for (const entry of shown) {
    removeLink(entry);
    entry.row.classList.toggle('refused', entry.bank < 0);
    setStatus(entry, entry.bank < 0 ? texts.notPcg : bankName(core, entry.bank));
  }
  changeButton.disabled = !shown.some((entry) => entry.bank >= 0);
}

async function showFiles(core, files) {
  const mine = ++pick;
  for (const entry of shown) removeLink(entry);
  shown = [];
  results.replaceChildren();
  changeButton.disabled = true;
  const headers = await Promise.all(files.map((file) => readHeader(core, file)));
  if (mine !== pick) return;
  shown = files.map((file, i) => {
    putHeader(core, headers[i]);
    return { file, header: headers[i], bank: core.bank_of(headers[i].length), row: addRow(file.name) };
  });
  showCurrentBanks(core);
}

function changeBank(core) {
  showCurrentBanks(core);
  putLetter(core, bankChoice.value);
  for (const entry of shown) {
    putHeader(core, entry.header);
    if (core.patch_header(entry.header.length) < 0) continue;
    const header = bytesAt(core, core.header(), entry.header.length).slice();
    const copy = new Blob([header, entry.file.slice(header.length)], { type: 'application/octet-stream' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(copy);
    link.download = entry.file.name;
    link.textContent = `Download ${entry.file.name}`;
    setStatus(entry, texts.changed);
    entry.row.append(link);
  }
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
    showFiles(core, [...event.dataTransfer.files]);
  });
}

async function start() {
  let core;
  try {
    core = await loadCore();
  } catch {
    results.textContent = texts.noCore;
    return;
  }
  for (let bank = 0; core.letter_of(bank); bank++) {
    const letter = String.fromCharCode(core.letter_of(bank));
    bankChoice.add(new Option(letter, letter));
  }
  picker.addEventListener('change', () => showFiles(core, [...picker.files]));
  bankChoice.addEventListener('change', () => showCurrentBanks(core));
  changeButton.addEventListener('click', () => changeBank(core));
  acceptDrops(core);
}

start();
