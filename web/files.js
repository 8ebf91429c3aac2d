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
  if (!await readIntoCore(file)) {
    await tell('attention', text('unreadable'));
    return;
  }
  const seen = core.inspect(file.name);
  if (seen.problem) {
    await tell('attention', seen.problem[language]);
    return;
  }
  if (!seen.supported) {
    await tell('attention', text('unsupported'));
    return;
  }
  // The warning and the questions come before the load, one per illegal entry, up to the first No;
  // the core then asks for each answer in turn.
  const answers = [];
  let waited = 0;  // the time the user took to answer, which is not the page's
  if (seen.warnings.length || seen.readOnly || seen.warning || seen.questions.length) {
    const before = performance.now();
    for (const warning of seen.warnings) await tell('warning', warning[language]);
    // A file cut short inside its table says so in place of the read-only warning.
    if (seen.warning) await tell('warning', seen.warning[language]);
    else if (seen.readOnly) await tell('warning', text('foreignTable'));
    for (const question of seen.questions) {
      const yes = await ask('attention', `${text('corrupted')}
${question[language]}`, ['yes', 'no']) === 0;
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
  // A load shows the entry of row 0.
  const choice = core.choiceAt(0);
  select.selectedIndex = Math.max(0, choice);
}

// The file's bytes straight into the core's opening buffer, a few MiB at a
// time: the image is copied once, and a whole-file read first costs most of an
// open (Firefox takes four times as long over it). Where the browser cannot
// read a file so, or fails halfway, it reads the whole file. False when the
// file cannot be read.
async function readIntoCore(file) {
  try {
    core.openingBuffer(file.size);
    if (await readInPieces(file)) return true;
  } catch {
    // read whole below
  }
  try {
    const whole = new Uint8Array(await file.arrayBuffer());
    core.openingBuffer(whole.length).set(whole);
    return whole.length === file.size;
  } catch {
    return false;
  }
}

// A piece that does not come within a few seconds ends the read in pieces and
// the whole file is read instead: headless Chromium was seen, rarely, never to
// answer such a read.
const PieceWait = 5000;

async function readInPieces(file) {
  const reader = file.stream().getReader({ mode: 'byob' });
  let chunk = new ArrayBuffer(Math.min(file.size, 4 * 1024 * 1024) || 1);
  for (let at = 0; ;) {
    const piece = await Promise.race([reader.read(new Uint8Array(chunk)),
      new Promise((resolve) => setTimeout(resolve, PieceWait, null))]);
    if (!piece) {
      reader.cancel().catch(() => {});
      return false;
    }
    if (piece.done) return at === file.size;
    core.openingView().set(piece.value, at);
    at += piece.value.length;
    chunk = piece.value.buffer;
  }
}

// The picked file as it is now, in the core's opening buffer; false when it
// cannot be read.
async function readPicked() {
  try {
    return await readIntoCore(await romHandle.getFile());
  } catch {
    return false;
  }
}

// File, Save: the table into the picked file as it reads back now, asking
// before writing over another program's changes there; or else the ROM as a
// download. Whether the ROM was written.
async function save() {
  const complete = fileOpen && core.complete();
  const misread = complete ? core.findings().misread : null;
  if (misread && await ask('warning', misread[language], ['yes', 'no'], 1) !== 0) return false;
  const picked = romHandle && complete;
  // Where the browser can, a ROM with no file to write back into is saved where
  // the user names it: a download's name is the browser's to choose.
  const chosen = !picked && complete && window.showSaveFilePicker ? await pickTarget(romName) : null;
  if (chosen === false) return false;
  let outcome;
  if (picked) {
    if (!await readPicked()) {
      await tell('attention', core.causeWords(Cause.FileGone)[language]);
      return false;
    }
    outcome = core.save(false, true);
    if (outcome.cause === Cause.ChangedOnDisk) {
      const answer = await ask('warning', outcome.words[language], ['overwrite', 'reload', 'cancel'], 2);
      if (answer === 1) {
        editsLetGo = true;
        await openRom(await romHandle.getFile(), romHandle, performance.now());
      }
      if (answer !== 0) return false;
      if (!await readPicked()) {
        await tell('attention', core.causeWords(Cause.FileGone)[language]);
        return false;
      }
      outcome = core.save(true, true);
    }
  } else outcome = core.save(true, false);
  const target = picked ? romHandle : chosen;
  if (outcome.written && target) {
    const failed = await writeTo(target, core.image());
    if (failed) outcome = { written: false, words: refusal(failed, target, core.saveLost(reasonOf(failed))) };
  } else if (outcome.written) download(core.image(), romName, 'application/octet-stream');
  showHistory();
  if (!outcome.written) {
    await tell('attention', outcome.words[language]);
    return false;
  }
  let message = text(outcome.result === SaveResult.Grown ? 'grown' : 'saved');
  // A download leaves the user's file as it was: the message says what the page
  // knows of where the edits went.
  if (!target) message = message.replace(text('saved'), filled(text('downloaded'), romName));
  if (outcome.result === SaveResult.Grown) {
    const place = core.tablePlace();
    message = message.replace('%1', place.entries).replace('%2', place.offset);
  }
  await tell('attention', message);
  return true;
}

// The file the user names in the browser's save picker, suggesting name; false
// when they cancel.
async function pickTarget(name) {
  try {
    return await window.showSaveFilePicker({ suggestedName: name });
  } catch {
    return false;
  }
}

// Writes bytes into the file of handle: the error when that fails, else null.
async function writeTo(handle, bytes) {
  try {
    const out = await handle.createWritable();
    await out.write(bytes);
    await out.close();
    return null;
  } catch (e) {
    return e || new Error('unknown');
  }
}

// A browser's reason without its last stop, for a sentence that ends with one.
function reasonOf(error) {
  return String(error.message || error).replace(/[.\s\u2026]+$/, '');
}

// What a failed Save says: the browser's refusal (its permission prompt
// declined) in plain words, else the core's words with the browser's reason.
function refusal(error, handle, words) {
  if (error.name !== 'NotAllowedError' && error.name !== 'SecurityError') return words;
  return Texts.writeRefused.map((t) => filled(t, handle.name || romName));
}

// Save a Copy: the ROM with the edits, into a file the user names (in the
// browser's save picker where there is one, or else downloaded under the name
// typed); the ROM open stays as it is.
async function saveCopy() {
  const suggested = romName.replace(/(\.[^.]*)?$/, (ext) => `-copy${ext || '.gba'}`);
  if (window.showSaveFilePicker) {
    const handle = await pickTarget(suggested);
    if (!handle) return;
    const copy = core.copyImage();
    if (!copy.written) {
      await tell('attention', copy.words[language]);
      return;
    }
    const failed = await writeTo(handle, copy.bytes);
    if (failed) await tell('attention', filled(text('copyFailed'), handle.name, reasonOf(failed)));
    return;
  }
  const field = document.createElement('input');
  field.type = 'text';
  field.value = suggested;
  field.setAttribute('aria-label', text('copyName'));
  if (await ask('saveCopy', text('copyName'), ['ok', 'cancel'], 0, field) !== 0) return;
  const name = field.value.trim();
  if (!name) return;
  const copy = core.copyImage();
  if (copy.written) download(copy.bytes, name, 'application/octet-stream');
  else await tell('attention', copy.words[language]);
}

// Import: a file of more lines than the table asks to grow it first (the
// enlarge and the import are an undo step each); what changed is told after.
async function importTable(file) {
  const data = new Uint8Array(await file.arrayBuffer());
  let outcome = core.importTable(data, file.name, false);
  if (outcome.growth) {
    if (await ask('warning', outcome.growth[language], ['yes', 'no']) !== 0) return;
    outcome = core.importTable(data, file.name, true);
  }
  if (outcome.problem) {
    const why = outcome.problem[language];
    await tell('attention', outcome.line ? filled(text('importRefused'), outcome.line, why) : why);
    showTable();
    return;
  }
  editsLetGo = false;
  showTable();
  if (outcome.select >= 0) select(outcome.select);
  await tellDetails('attention', outcome.message[language], outcome.details);
}


// Export: the table as a list, CSV, JSON or C source, as the command line writes it.
async function exportTable() {
  const keys = Formats.map((f) => f.key);
  const format = await ask('exportCaption', text('exportAs'), [...keys, 'cancel']);
  if (format < 0 || format >= Formats.length) return;
  download(core.exportTable(format), Formats[format].file, Formats[format].type);
}
