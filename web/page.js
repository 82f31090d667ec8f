// Tavrelon in a browser: the controls, wired to the steps.  The rules of
// the PCG format run in the core (core.js); files come from sources.js;
// list.js keeps the files on show and what became of them, saved as
// saving.js saves and shown as view.js shows.
import { loadCore } from './core.js';
import { fileList } from './list.js';
import { handlesGiven, pickHandles, takeDrop, takeInput } from './sources.js';
import { showBanks, showInPlace, showStartError } from './view.js';

const control = (id) => document.getElementById(id);

function acceptDrops(list) {
  const dragging = (on) => (event) => {
    event.preventDefault();
    document.body.classList.toggle('dragging', on);
  };
  document.addEventListener('dragover', dragging(true));
  document.addEventListener('dragleave', dragging(false));
  document.addEventListener('drop', (event) => {
    dragging(false)(event);
    list.showFiles(takeDrop(event.dataTransfer));
  });
}

async function start() {
  const core = await loadCore();
  const letters = [];
  for (let bank = 0; core.letterOf(bank); bank++) letters.push(core.letterOf(bank));
  showBanks(letters);
  if (handlesGiven) showInPlace();
  const list = fileList(core);
  const input = control('files');
  control('pick').addEventListener('click', async () => {
    if (!handlesGiven) {
      input.click();
      return;
    }
    try {
      const picked = await pickHandles();
      if (picked) list.showFiles(picked);
    } catch {
      input.click(); // the picker cannot open here
    }
  });
  input.addEventListener('change', () => list.showFiles(takeInput(input)));
  control('bank').addEventListener('change', () => list.showCurrentBanks());
  control('change').addEventListener('click', () => list.changeBanks(control('bank').value));
  control('save-all').addEventListener('click', () => list.saveAllCopies());
  acceptDrops(list);
}

start().catch(showStartError);
