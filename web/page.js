// Tavrelon in a browser: the controls, wired to the steps.  The rules of
// the PCG format run in the core (core.js); files and folders come from
// sources.js; list.js keeps the files on show and what became of them,
// changed or put back as change.js carries a change or its undo out,
// copied as copies.js copies, saved as saving.js saves and shown as view.js
// and summary.js show, in the words of words.js in the language that
// language.js chooses; app.js makes it an app where a web host serves it.
import { startApp } from './app.js';
import { loadCore } from './core.js';
import { startLanguages } from './language.js';
import { fileList } from './list.js';
import {
  folderFiles,
  foldersGiven,
  handlesGiven,
  pickFolderHandle,
  pickHandles,
  takeDrop,
  takeInput,
} from './sources.js';
import { showStartError, showSummaryAgain } from './summary.js';
import { showBanks, showInPlace } from './view.js';

const control = (id) => document.getElementById(id);

// A button that opens the system's picker where the browser has one that
// gives handles, else the page's own input, as it does when the picker
// cannot open here.
function pickWith(button, input, given, pick) {
  button.addEventListener('click', async () => {
    if (!given) {
      input.click();
      return;
    }
    try {
      await pick();
    } catch {
      input.click();
    }
  });
}

// Ctrl+Z, or ⌘Z on a Mac, undoes the last change anywhere but in a text
// field, as "Undo" does.
function undoByKey(list) {
  document.addEventListener('keydown', (event) => {
    if (
      event.key.toLowerCase() !== 'z' ||
      !(event.ctrlKey || event.metaKey) ||
      event.shiftKey ||
      event.altKey
    )
      return;
    if (event.target.closest?.('input, textarea, [contenteditable]')) return;
    if (list.undo()) event.preventDefault();
  });
}

function acceptDrops(list) {
  const dragging = (on) => (event) => {
    event.preventDefault();
    document.body.classList.toggle('dragging', on);
  };
  document.addEventListener('dragover', dragging(true));
  document.addEventListener('dragleave', dragging(false));
  document.addEventListener('drop', (event) => {
    dragging(false)(event);
    list.showFiles((seen) => takeDrop(event.dataTransfer, seen));
  });
}

// The page speaks its language before it is first drawn, as start runs up
// to its first await at once; another chosen says again what the summary
// and the rows say.
async function start() {
  let list = null;
  startLanguages(control('language'), () => {
    showSummaryAgain();
    list?.showRowsAgain();
  });
  const core = await loadCore();
  const letters = [];
  for (let bank = 0; core.letterOf(bank); bank++) letters.push(core.letterOf(bank));
  showBanks(letters);
  if (handlesGiven) showInPlace();
  list = fileList(core, control('bank').value);
  pickWith(control('pick'), control('files'), handlesGiven, async () => {
    const picked = await pickHandles();
    if (picked) list.showFiles(() => picked);
  });
  pickWith(control('pick-folder'), control('folder'), foldersGiven, async () => {
    const folder = await pickFolderHandle();
    if (folder) list.showFiles((seen) => folderFiles(folder, seen));
  });
  for (const input of [control('files'), control('folder')]) {
    input.addEventListener('change', () => {
      const picked = takeInput(input);
      list.showFiles(() => picked);
    });
  }
  control('bank').addEventListener('change', () => list.chooseBank(control('bank').value));
  control('change').addEventListener('click', () => list.changeBanks());
  control('save-all').addEventListener('click', () => list.saveAllCopies());
  control('undo').addEventListener('click', () => list.undo());
  undoByKey(list);
  acceptDrops(list);
  startApp(list);
}

start().catch(showStartError);
