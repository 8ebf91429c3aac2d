// The page: shows what the core holds and hands it the user's commands. Every
// reading, repair, edit, check and write is the core's.
'use strict';

// The window's texts, English then French, and the page's own.
const Texts = {
  open: ['Open', 'Ouvrir'],
  save: ['Save', 'Sauvegarder'],
  import: ['Import...', 'Importer...'],
  enlarge: ['Enlarge Table...', 'Agrandir la table...'],
  undo: ['Undo', 'Annuler'],
  redo: ['Redo', 'Rétablir'],
  find: ['Find', 'Chercher'],
  findLabel: ['Text to find', 'Texte à chercher'],
  check: ['Check', 'Vérifier'],
  export: ['Export List as .txt', 'Exporter une Liste en .txt'],
  change: ['Change Entry', "Changer l'Entrée"],
  insert: ['Insert New Entry', 'Insérer une Nouvelle Entrée'],
  delete: ['Delete Entry', "Supprimer l'Entrée"],
  choices: ['Species or move', 'Espèce ou attaque'],
  list: ['Egg moves', 'Attaques des oeufs'],
  pokemon: ['Number of Pokémon:', 'Nombre de Pokémon:'],
  moves: ['Number of Moves:', "Nombre d'Attaques:"],
  total: ['Number Total:', 'Nombre Total:'],
  saveChanges: ['Save the changes to %1?', 'Enregistrer les modifications de %1 ?'],
  saveButton: ['Save', 'Enregistrer'],
  discard: ['Discard', 'Ne pas enregistrer'],
  // What Undo and Redo would do next, as the core names it.
  change_: ['Change', 'Modifier'],
  insert_: ['Insert', 'Insérer'],
  delete_: ['Delete', 'Supprimer'],
  import_: ['Import', 'Importer'],
  enlarge_: ['Enlarge', 'Agrandir'],
  unsupported: [
    "Sorry, but the rom you chose isn't supported by this program yet, or isn't a generation III Pokémon rom.",
    "Désolé, mais la rom que vous avez choisie n'est pas compatible avec cette programme encore, ou n'est pas une rom Pokémon de la génération GBA."],
  saved: ['The file was successfully saved!', 'La rom a bien été sauvegardée!'],
  corrupted: [
    'An entry of the egg move list is corrupted. Do you want this program to fix it?',
    'Une entrée de la liste des attaques des oeufs est corrompue. Voulez-vous que cette programme le fixe?'],
  nothingToSave: [
    'There is no complete egg move table to save. Nothing was written: open a rom first.',
    "Il n'y a pas de liste complète des attaques des oeufs à sauvegarder. Rien n'a été écrit : ouvrez d'abord une rom."],
  saveFailed: [
    'The rom could not be saved: it is missing, read-only, in use, or no longer holds the whole egg move list. Nothing was written.',
    "La rom n'a pas pu être sauvegardée : elle est introuvable, en lecture seule, utilisée, ou ne contient plus toute la liste des attaques des oeufs. Rien n'a été écrit."],
  foreignTable: [
    'The game in this rom reads an egg move list of another size or at another place. Quenmark shows the copy at the usual place, and will write nothing to this rom.',
    "Le jeu de cette rom lit une liste des attaques des oeufs d'une autre taille ou à un autre endroit. Quenmark montre la copie à l'endroit habituel, et n'écrira rien dans cette rom."],
  fileChanged: [
    'Nothing was written: the file is no longer the rom that was opened (another size, another game, or its egg move list elsewhere).',
    "Rien n'a été écrit : le fichier n'est plus la rom ouverte (une autre taille, un autre jeu, ou sa liste des attaques des oeufs ailleurs)."],
  readOnlySave: [
    'Nothing was written: the game in this rom reads an egg move list of another size or at another place, so Quenmark only shows this rom and never changes it.',
    "Rien n'a été écrit : le jeu de cette rom lit une liste des attaques des oeufs d'une autre taille ou à un autre endroit, donc Quenmark montre seulement cette rom et ne la modifie jamais."],
  enlargeCaption: ['Enlarge Table', 'Agrandir la table'],
  enlargeCount: ['Entries to add at the end of the list:', 'Entrées à ajouter à la fin de la liste :'],
  ok: ['OK', 'OK'],
  cancel: ['Cancel', 'Annuler'],
  yes: ['Yes', 'Oui'],
  no: ['No', 'Non'],
  grown: [
    'The file was successfully saved! The egg move list now holds %1 entries, at offset %2.',
    "La rom a bien été sauvegardée! La liste des attaques des oeufs contient maintenant %1 entrées, à l'adresse %2."],
  cannotGrow: [
    'The egg move list of this rom cannot be enlarged: where its game points at the list is not known for this version, or not in this file. Nothing was changed.',
    "La liste des attaques des oeufs de cette rom ne peut pas être agrandie : l'endroit où son jeu la cherche n'est pas connu pour cette version, ou pas dans ce fichier. Rien n'a été modifié."],
  noRoom: [
    'There is no free space in this rom (bytes that are all 0xFF) for a larger egg move list. Nothing was changed.',
    "Il n'y a pas d'espace libre dans cette rom (des octets tous à 0xFF) pour une liste des attaques des oeufs plus grande. Rien n'a été modifié."],
  attention: ['Attention', 'Attention'],
  warning: ['Warning', 'Alerte'],
  tooLarge: [
    'This file is larger than 32 MiB: no Game Boy Advance rom is. Nothing was opened.',
    "Ce fichier dépasse 32 Mio : aucune rom Game Boy Advance n'est aussi grande. Rien n'a été ouvert."],
  importRefused: ['The file was refused at line %1: %2. Nothing was changed.',
    "Le fichier a été refusé à la ligne %1 : %2. Rien n'a été modifié."],
  notFound: ['No line holds this text.', 'Aucune ligne ne contient ce texte.'],
  findings: ['Findings of the check', 'Constats de la vérification'],
  noFindings: ['The game reads this table as the list shows it.',
    'Le jeu lit cette table comme la liste la montre.'],
  row: ['Row', 'Ligne'],
  dropHint: ['Drop a rom on the page to open it. Nothing leaves this page.',
    'Déposez une rom sur la page pour l\'ouvrir. Rien ne quitte cette page.'],
};

// What each of the check's rules means, in the core's order.
const RuleTexts = [
  ['an illegal entry before the end mark', 'une entrée illégale avant la marque de fin'],
  ['a move before the first species: taught to every species without an entry',
    'une attaque avant la première espèce : apprise à toute espèce sans entrée'],
  ['more than ten moves: the game teaches only the first ten',
    'plus de dix attaques : le jeu n\'apprend que les dix premières'],
  ['a species met again: the game uses its first entry (row %e)',
    'une espèce revue : le jeu utilise sa première entrée (ligne %e)'],
  ['the same move twice under %s (first at row %e)', 'la même attaque deux fois sous %s (d\'abord ligne %e)'],
  ['species 0: the game reads it as a move', 'l\'espèce 0 : le jeu la lit comme une attaque'],
  ['an illegal entry after the end mark, kept as it is', 'une entrée illégale après la marque de fin, gardée telle quelle'],
  ['the game reads another table than this one', 'le jeu lit une autre table que celle-ci'],
  ['the file ends inside the table', 'le fichier se termine dans la table'],
  ['a species at the last row: its moves are read past the table',
    'une espèce à la dernière ligne : ses attaques sont lues après la table'],
  ["the last species' moves go on past the table", 'les attaques de la dernière espèce continuent après la table'],
];

// The SaveResult texts, in the core's order.
const SaveTexts = ['saved', 'grown', 'nothingToSave', 'readOnlySave', 'saveFailed', 'cannotGrow',
  'noRoom', 'noRoom'];
const SaveResult = { Saved: 0, Grown: 1 };

const LargestRom = 32 * 1024 * 1024;
const RowHeight = 18;

const $ = (id) => document.getElementById(id);
let core = null;
let language = 0;
let romName = '';
let romHandle = null;  // where Save writes back, when the browser gave the file itself
let fileOpen = false;
let selected = -1;
let rowCount = 0;
let opens = 0;  // ROMs opened: tests wait on it
const times = { open: 0, edit: 0 };
window.quenmarkTimes = times;

const text = (key) => Texts[key][language];

// ---- Dialogs: each question or message is a modal dialog with its title. ----

let dialogCount = 0;
// Resolves with the index of the button chosen, or -1 when dismissed with Escape.
function ask(titleKey, message, buttonKeys, defaultButton = 0, field = null) {
  return new Promise((resolve) => {
    const dialog = document.createElement('dialog');
    const id = `dialog-title-${++dialogCount}`;
    dialog.setAttribute('aria-labelledby', id);
    const title = document.createElement('h2');
    title.id = id;
    title.textContent = text(titleKey);
    const body = document.createElement('p');
    body.textContent = message;
    dialog.append(title, body);
    if (field) dialog.append(field);
    const row = document.createElement('div');
    row.className = 'buttons';
    buttonKeys.forEach((key, i) => {
      const button = document.createElement('button');
      button.textContent = text(key);
      button.addEventListener('click', () => dialog.close(String(i)));
      row.append(button);
    });
    dialog.append(row);
    // Enter in the dialog's field is its first button, as in the window's boxes.
    // Its default action would reach the button that gets the focus back.
    if (field) {
      field.addEventListener('keydown', (e) => {
        if (e.key !== 'Enter') return;
        e.preventDefault();
        row.children[0].click();
      });
    }
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve(dialog.returnValue === '' ? -1 : Number(dialog.returnValue));
    });
    document.body.append(dialog);
    dialog.showModal();
    (field || row.children[defaultButton]).focus();
  });
}

const tell = (titleKey, message) => ask(titleKey, message, ['ok']);

// ---- The list: only the rows in sight exist, each an option of the listbox. ----

function renderRows() {
  const list = $('list');
  const rows = $('rows');
  rows.style.height = `${rowCount * RowHeight}px`;
  const first = Math.max(0, Math.floor(list.scrollTop / RowHeight) - 2);
  const count = Math.min(rowCount - first, Math.ceil(list.clientHeight / RowHeight) + 4);
  const lines = core && count > 0 ? core.rows(first, count) : [];
  const nodes = lines.map((line, i) => {
    const row = first + i;
    const option = document.createElement('div');
    option.setAttribute('role', 'option');
    option.id = `row-${row}`;
    option.setAttribute('aria-setsize', rowCount);
    option.setAttribute('aria-posinset', row + 1);
    option.setAttribute('aria-selected', row === selected ? 'true' : 'false');
    option.style.top = `${row * RowHeight}px`;
    option.textContent = line || '\u00a0';
    return option;
  });
  rows.replaceChildren(...nodes);
  if (selected >= first && selected < first + nodes.length)
    list.setAttribute('aria-activedescendant', `row-${selected}`);
  else list.removeAttribute('aria-activedescendant');
}

function select(row, reveal = true) {
  if (rowCount === 0) return;
  selected = Math.max(0, Math.min(rowCount - 1, row));
  const list = $('list');
  if (reveal) {
    const top = selected * RowHeight;
    if (top < list.scrollTop) list.scrollTop = top;
    else if (top + RowHeight > list.scrollTop + list.clientHeight)
      list.scrollTop = top + RowHeight - list.clientHeight;
  }
  renderRows();
}

function showCounters() {
  const c = fileOpen && core.complete() ? core.counters() : null;
  $('species-count').textContent = c ? `${text('pokemon')} ${c.species}` : text('pokemon');
  $('moves-count').textContent = c ? `${text('moves')} ${c.moves}` : text('moves');
  $('total-count').textContent = c ? `${text('total')} ${c.total}` : text('total');
}

function showTable() {
  rowCount = core.complete() ? core.rowCount() : 0;
  if (selected >= rowCount) selected = rowCount - 1;
  renderRows();
  showCounters();
  showHistory();
}

function showHistory() {
  for (const [id, next] of [['undo', fileOpen ? core.nextUndo() : ''], ['redo', fileOpen ? core.nextRedo() : '']]) {
    $(id).disabled = next === '';
    $(id).textContent = next ? `${text(id)} ${text(`${next}_`)}` : text(id);
  }
  document.title = `${fileOpen && core.modified() ? '* ' : ''}${romName || 'Quenmark'}`;
  if (!$('findings-panel').hidden) showFindings();
}

function enable(on) {
  for (const id of ['save', 'import', 'enlarge', 'find-text', 'find', 'check', 'export', 'change',
    'insert', 'choices', 'delete'])
    $(id).disabled = !on;
  $('list').setAttribute('aria-disabled', on ? 'false' : 'true');
}

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

// The browser's own file picker where it has one, so that Save can write back.
async function pickRom() {
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
  openRom(await handle.getFile(), handle);
}

async function openRom(file, handle = null) {
  if (!await editsMayGo()) return;
  if (file.size > LargestRom) {
    await tell('attention', text('tooLarge'));
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  const started = performance.now();
  core.openingBuffer(bytes.length).set(bytes);
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
  times.open = performance.now() - started - waited;
  document.body.dataset.opened = String(++opens);
}

function fillChoices() {
  const select = $('choices');
  select.replaceChildren(...core.choices().map((name, i) => new Option(name, String(i))));
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
  showTable();
}

// ---- Commands ----

// The list and counters drawn again after any edit command, even one that found
// nothing to edit: it costs one screenful of rows.
function edit(run) {
  const started = performance.now();
  run();
  showTable();
  times.edit = performance.now() - started;
}

async function enlarge() {
  const problem = core.growthProblem();
  if (problem !== SaveResult.Saved) {
    await tell('attention', text(SaveTexts[problem]));
    return;
  }
  const room = core.roomToGrow();
  if (room === 0) {
    await tell('attention', text('noRoom'));
    return;
  }
  const field = document.createElement('input');
  field.type = 'number';
  field.min = 1;
  field.max = room;
  field.value = Math.min(100, room);
  field.setAttribute('aria-label', text('enlargeCount'));
  if (await ask('enlargeCaption', text('enlargeCount'), ['ok', 'cancel'], 0, field) !== 0) return;
  const count = Number(field.value);
  if (Number.isInteger(count) && count >= 1 && count <= room) edit(() => core.enlarge(count));
}

async function find() {
  const wanted = $('find-text').value;
  if (!wanted) {
    $('find-text').focus();
    return;
  }
  const row = core.findRow(wanted, selected);
  if (row < 0) await tell('attention', text('notFound'));
  else {
    select(row);
    $('list').focus();
  }
}

function showFindings() {
  const findings = core.findings();
  const items = findings.map((f) => {
    const li = document.createElement('li');
    li.className = f.error ? 'error' : 'warning';
    const what = RuleTexts[f.rule][language].replace('%e', f.earlierRow).replace('%s', f.species);
    li.textContent = f.row >= 0 ? `${text('row')} ${f.row}: ${what}` : what;
    return li;
  });
  if (items.length === 0) {
    const li = document.createElement('li');
    li.textContent = text('noFindings');
    items.push(li);
  }
  $('findings').replaceChildren(...items);
  $('findings-title').textContent = text('findings');
  $('findings-panel').hidden = false;
}

// ---- Language ----

function setLanguage(index) {
  language = index;
  document.documentElement.lang = index === 0 ? 'en' : 'fr';
  for (const node of document.querySelectorAll('[data-text]')) node.textContent = text(node.dataset.text);
  $('list').setAttribute('aria-label', text('list'));
  $('choices').setAttribute('aria-label', text('choices'));
  $('find-text').setAttribute('aria-label', text('findLabel'));
  $('english').setAttribute('aria-pressed', index === 0 ? 'true' : 'false');
  $('french').setAttribute('aria-pressed', index === 1 ? 'true' : 'false');
  showCounters();
  showHistory();
}

// ---- Wiring ----

function wire() {
  $('open').addEventListener('click', pickRom);
  $('rom-input').addEventListener('change', (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (file) openRom(file);
  });
  $('import').addEventListener('click', () => $('table-input').click());
  $('table-input').addEventListener('change', (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (file) importTable(file);
  });
  $('save').addEventListener('click', save);
  $('enlarge').addEventListener('click', enlarge);
  $('undo').addEventListener('click', () => edit(() => core.undo()));
  $('redo').addEventListener('click', () => edit(() => core.redo()));
  $('find').addEventListener('click', find);
  $('find-text').addEventListener('keydown', (e) => { if (e.key === 'Enter') find(); });
  $('check').addEventListener('click', showFindings);
  $('export').addEventListener('click', () => download(core.exportList(), 'EggMoves.txt', 'text/plain'));
  const choice = () => $('choices').selectedIndex;
  $('change').addEventListener('click', () => edit(() => core.change(selected, choice())));
  $('insert').addEventListener('click', () => edit(() => core.insert(selected, choice())));
  $('delete').addEventListener('click', () => edit(() => core.remove(selected)));
  $('english').addEventListener('click', () => setLanguage(0));
  $('french').addEventListener('click', () => setLanguage(1));

  const list = $('list');
  list.addEventListener('scroll', renderRows);
  window.addEventListener('resize', renderRows);
  list.addEventListener('mousedown', (e) => {
    const option = e.target.closest('[role="option"]');
    if (option) select(Number(option.getAttribute('aria-posinset')) - 1, false);
  });
  list.addEventListener('keydown', (e) => {
    const page = Math.max(1, Math.floor(list.clientHeight / RowHeight) - 1);
    const moves = { ArrowUp: -1, ArrowDown: 1, PageUp: -page, PageDown: page };
    if (e.key in moves) select(selected + moves[e.key]);
    else if (e.key === 'Home') select(0);
    else if (e.key === 'End') select(rowCount - 1);
    else if (e.key === 'Delete' && !$('delete').disabled) $('delete').click();
    else return;
    e.preventDefault();
  });

  // The window's accelerators, where the browser lets a page have them.
  const keys = { o: 'open', s: 'save', z: 'undo', y: 'redo', f: 'find' };
  document.addEventListener('keydown', (e) => {
    if (!(e.ctrlKey || e.metaKey) || e.altKey || document.querySelector('dialog[open]')) return;
    const id = keys[e.key.toLowerCase()] === 'undo' && e.shiftKey ? 'redo' : keys[e.key.toLowerCase()];
    if (!id) return;
    e.preventDefault();
    if (id === 'find') $('find-text').focus();
    else if (!$(id).disabled) $(id).click();
  });

  window.addEventListener('beforeunload', (e) => {
    if (fileOpen && core.modified()) e.preventDefault();
  });

  document.addEventListener('dragover', (e) => {
    e.preventDefault();
    document.body.classList.add('dragging');
  });
  document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('dragging');
    const file = e.dataTransfer.files[0];
    if (file) openRom(file);
  });
}

wire();
setLanguage(0);
QuenmarkCore().then((module) => {
  core = module;
  document.body.dataset.ready = 'true';
});
