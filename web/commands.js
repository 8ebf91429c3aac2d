// ---- Commands ----

// The list and counters drawn again after any edit command, even one that found
// nothing to edit: it costs one screenful of rows.
function edit(run) {
  const started = performance.now();
  editsLetGo = false;
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

function closeFindings() {
  $('findings-panel').hidden = true;
  $('check').focus();
}

