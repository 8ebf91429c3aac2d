// The page: shows what the core holds and hands it the user's commands. Every
// reading, repair, edit, check and write is the core's.
'use strict';

function wire() {
  $('open').addEventListener('click', pickRom);
  $('rom-input').addEventListener('change', (e) => {
    const started = performance.now();
    const file = e.target.files[0];
    e.target.value = '';
    if (file) openRom(file, null, started);
  });
  $('import').addEventListener('click', () => $('table-input').click());
  $('table-input').addEventListener('change', (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (file) importTable(file);
  });
  $('save').addEventListener('click', save);
  $('save-copy').addEventListener('click', saveCopy);
  $('enlarge').addEventListener('click', enlarge);
  $('undo').addEventListener('click', () => edit(() => core.undo()));
  $('redo').addEventListener('click', () => edit(() => core.redo()));
  $('find').addEventListener('click', find);
  // The key press that finds must not also reach the "not found" dialog's button.
  $('find-text').addEventListener('keydown', (e) => {
    if (e.key !== 'Enter') return;
    e.preventDefault();
    find();
  });
  $('check').addEventListener('click', showFindings);
  $('close-findings').addEventListener('click', closeFindings);
  $('export').addEventListener('click', exportTable);
  const choice = () => $('choices').selectedIndex;
  $('change').addEventListener('click', () => edit(() => core.change(selected, choice())));
  $('insert').addEventListener('click', insert);
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
    else if (e.key === 'Insert' && !$('insert').disabled) $('insert').click();
    else return;
    e.preventDefault();
  });

  // The window's accelerators, where the browser lets a page have them.
  const keys = { o: 'open', s: 'save', z: 'undo', y: 'redo', f: 'find' };
  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && !$('findings-panel').hidden && !document.querySelector('dialog[open]')) {
      closeFindings();
      return;
    }
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
    // One ROM at a time: a drop of several files is no command.
    const started = performance.now();
    const files = e.dataTransfer.files;
    if (files.length === 1) openRom(files[0], null, started);
  });
}

wire();
setLanguage(firstLanguage());
QuenmarkCore().then((module) => {
  core = module;
  document.body.dataset.ready = 'true';
  // Most ROMs are 16 MiB.
  (window.requestIdleCallback || setTimeout)(() => core.warm(16 * 1024 * 1024));
});
