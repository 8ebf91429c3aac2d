// ---- Files ----

function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// Whether the edits not saved may go: asks Save, Discard or Cancel, and saves on Save.
async function editsMayGo() {
  if (!fileOpen || !core.modified()) return true;
  const answer = await ask('warning', text('saveChanges').replace('%1', romName),
    ['saveButton', 'discard', 'cancel']);
  return answer === 1 || (answer === 0 && await save());
}

// File, Open: asks about unsaved edits first, then the browser's own file
// picker where it has one, so that Save can write back.
async function pickRom() {
  if (!await editsMayGo()) return;
  editsLetGo = true;
  if (!window.showOpenFilePicker) {
    $('rom-input').click();
    return;
  }
  let handle;
  try {
    [handle] = await window.showOpenFilePicker();
  } catch {
    return;  // cancelled
  }
  openRom(await handle.getFile(), handle, performance.now());
}

// Opens a file the user chose or dropped; started is when they did, for the
// open's time. A file picked without a handle is saved as a download.
async function openRom(file, handle, started) {
  const asked = editsLetGo;
  editsLetGo = false;
  if (!asked && !await editsMayGo()) return;
  if (file.size > LargestRom) {
    await tell('attention', text('tooLarge'));
    return;
  }
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch {
    await tell('attention', text('unreadable'));
    return;
  }
  // The one copy: the core reads the image where it lands.
  core.openingBuffer(bytes.length).set(bytes);
  bytes = null;
  const seen = core.inspect();
  if (!seen.supported) {
    await tell('attention', text('unsupported'));
    return;
  }
  // The warning and the questions come before the load, one per illegal entry, up to the first No;
  // the core then asks for each answer in turn.
  const answers = [];
  let waited = 0;  // the time the user took to answer, which is not the page's
  if (seen.readOnly || seen.questions) {
    const before = performance.now();
    if (seen.readOnly) await tell('warning', text('foreignTable'));
    for (let i = 0; i < seen.questions; ++i) {
      const yes = await ask('attention', text('corrupted'), ['yes', 'no']) === 0;
      answers.push(yes);
      if (!yes) break;
    }
    waited = performance.now() - before;
  }
  core.load(file.name, () => answers.shift() === true);
  romName = file.name;
  romHandle = handle;
  fileOpen = true;
  enable(true);
  fillChoices();
  selected = -1;
  $('list').scrollTop = 0;
  showTable();
  showIdentity();
  // Shown once the browser has painted the list.
  requestAnimationFrame(() => setTimeout(() => {
    times.open = performance.now() - started - waited;
    document.body.dataset.opened = String(++opens);
  }));
}

// The drop-down of names, made again only for a ROM that names them otherwise:
// 766 options cost more than the rest of an open.
let choicesShown = '';
function fillChoices() {
  const select = $('choices');
  const names = core.choices();
  const key = names.join('\n');
  if (key !== choicesShown) {
    select.replaceChildren(...names.map((name, i) => new Option(name, String(i))));
    choicesShown = key;
  }
  select.selectedIndex = 0;
}

// File, Save: into the file picked, when it is still the ROM that was opened,
// or else as a download. Whether the ROM was written.
async function save() {
  if (romHandle && core.complete()) {
    let fresh = null;
    try {
      fresh = new Uint8Array(await (await romHandle.getFile()).arrayBuffer());
    } catch {
      // gone or unreadable: told below as a save that wrote nothing
    }
    if (fresh) core.openingBuffer(fresh.length).set(fresh);
    if (!fresh || !core.sameRom()) {
      await tell('attention', text(fresh ? 'fileChanged' : 'saveFailed'));
      return false;
    }
  }
  let result = core.save();
  const written = result === SaveResult.Saved || result === SaveResult.Grown;
  if (written && romHandle) {
    try {
      const out = await romHandle.createWritable();
      await out.write(core.image());
      await out.close();
    } catch {
      core.saveLost();
      result = SaveTexts.indexOf('saveFailed');
    }
  } else if (written) download(core.image(), romName, 'application/octet-stream');
  let message = text(SaveTexts[result]);
  // A download leaves the user's file as it was: the message says where the edits went.
  if (written && !romHandle) message = message.replace(text('saved'), text('downloaded').replaceAll('%1', romName));
  if (result === SaveResult.Grown) {
    const place = core.tablePlace();
    message = message.replace('%1', place.entries).replace('%2', place.offset);
  }
  showHistory();
  await tell('attention', message);
  return result === SaveResult.Saved || result === SaveResult.Grown;
}

async function importTable(file) {
  const outcome = core.importTable(new Uint8Array(await file.arrayBuffer()), file.name);
  if (outcome.problem) {
    await tell('attention', text('importRefused').replace('%1', outcome.line).replace('%2', outcome.problem));
    return;
  }
  editsLetGo = false;
  showTable();
}


// Export: the table as a list, CSV or JSON, as the command line writes it.
async function exportTable() {
  const keys = Formats.map((f) => f.key);
  const format = await ask('exportCaption', text('exportAs'), [...keys, 'cancel']);
  if (format < 0 || format >= Formats.length) return;
  download(core.exportTable(format), Formats[format].file, Formats[format].type);
}
