// ---- Commands ----

// The list and counters drawn again after any edit command, even one that found
// nothing to edit: it costs one screenful of rows. run answers the row to
// select, which stays with the entry, or -1 to keep the selection.
function edit(run) {
  const started = performance.now();
  editsLetGo = false;
  const row = run();
  showTable();
  if (row >= 0) select(row);
  times.edit = performance.now() - started;
}

// Whether the table could grow now.
const growable = () => core.growthProblem() === Cause.None && core.roomToGrow() > 0;

// Enlarge Table: whether the table grew.
async function enlarge() {
  const problem = core.growthProblem();
  const room = problem === Cause.None ? core.roomToGrow() : 0;
  if (room === 0) {
    await tell('attention', core.causeWords(problem === Cause.None ? Cause.NoRoom : problem)[language]);
    return false;
  }
  const field = document.createElement('input');
  field.type = 'number';
  field.min = 1;
  field.max = room;
  field.value = Math.min(100, room);
  field.setAttribute('aria-label', text('enlargeCount'));
  if (await ask('enlargeCaption', text('enlargeCount'), ['ok', 'cancel'], 0, field) !== 0) return false;
  const count = Number(field.value);
  if (!Number.isInteger(count) || count < 1 || count > room) return false;
  edit(() => core.enlarge(count));
  return true;
}

// Insert into a full table drops its last entry: asked first, with Enlarge
// Table (inserting into the room it makes) where the table can grow.
async function insert() {
  const row = selected;
  const choice = $('choices').selectedIndex;
  const full = row >= 0 ? core.fullTable() : null;
  if (full) {
    const keys = growable() ? ['enlarge', 'insertAnyway', 'cancel'] : ['insertAnyway', 'cancel'];
    const chosen = keys[await ask('warning', full[language], keys)];
    if (chosen !== 'enlarge' && chosen !== 'insertAnyway') return;
    if (chosen === 'enlarge' && !await enlarge()) return;
  }
  edit(() => core.insert(row, choice));
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
  const items = findings.items.map((f) => {
    const li = document.createElement('li');
    li.className = f.error ? 'error' : 'warning';
    li.textContent = f.line[language];
    if (f.row >= 0) li.addEventListener('click', () => select(f.row));
    return li;
  });
  if (items.length === 0) {
    const li = document.createElement('li');
    li.textContent = findings.none[language];
    items.push(li);
  }
  $('findings').replaceChildren(...items);
  $('findings-title').textContent = text('findings');
  $('findings-panel').hidden = false;
}

function closeFindings() {
  $('findings-panel').hidden = true;
  $('check').focus();
}

