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

// The drop-down shows the entry of the row selected; an end mark or an illegal
// entry leaves it where it is.
function select(row, reveal = true) {
  if (rowCount === 0) return;
  selected = Math.max(0, Math.min(rowCount - 1, row));
  const choice = core.choiceAt(selected);
  if (choice >= 0) $('choices').selectedIndex = choice;
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
  $('free-count').textContent = c ? `${text('free')} ${c.free}` : text('free');
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
  showIdentity();
}

// The line above the list: the ROM's name and what identify says of it.
function showIdentity() {
  if (!fileOpen) return;
  const id = JSON.parse(core.identity());
  const parts = [[id.code, id.game, id.language, id.version].filter(Boolean).join(' '),
    text('tableAt').replace('%1', `0x${id.tableOffset.toString(16).toUpperCase()}`).replace('%2', id.entries)];
  // How the table was found, and then where the names were when not at the usual place.
  const [table, names] = core.source();
  parts.push(table[language]);
  if (id.table !== 'usual') parts.push(text(id.table === 'moved' ? 'moved' : 'readOnly'));
  if (!id.whole) parts.push(text('cutShort'));
  if (names) parts.push(names[language]);
  $('identity').textContent = `${romName}: ${parts.join(', ')}`;
  $('identity').hidden = false;
}

function enable(on) {
  for (const id of ['save', 'save-copy', 'import', 'enlarge', 'find-text', 'find', 'check', 'export', 'change',
    'insert', 'choices', 'delete'])
    $(id).disabled = !on;
  $('list').setAttribute('aria-disabled', on ? 'false' : 'true');
}

