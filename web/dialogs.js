// ---- Dialogs: each question or message is a modal dialog with its title. ----

let dialogCount = 0;
// Resolves with the index of the button chosen, or -1 when dismissed with Escape.
// field is an input to fill in, or any element to show under the message.
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
    // Enter in the dialog's field is its first button, as in the window's boxes;
    // its default action would reach the button that gets the focus back.
    // Enter on a button chooses it, in every engine, on the key's press alone.
    dialog.addEventListener('keydown', (e) => {
      if (e.key !== 'Enter') return;
      const chosen = e.target === field ? row.children[0] : e.target.closest('button');
      if (!chosen) return;
      e.preventDefault();
      chosen.click();
    });
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve(dialog.returnValue === '' ? -1 : Number(dialog.returnValue));
    });
    document.body.append(dialog);
    dialog.showModal();
    (field && field.tagName === 'INPUT' ? field : row.children[defaultButton]).focus();
  });
}

const tell = (titleKey, message) => ask(titleKey, message, ['ok']);

// A message with its lines listed under it.
function tellDetails(titleKey, message, lines) {
  if (lines.length === 0) return tell(titleKey, message);
  const list = document.createElement('ul');
  list.className = 'details';
  list.replaceChildren(...lines.map((line) => {
    const li = document.createElement('li');
    li.textContent = line;
    return li;
  }));
  return ask(titleKey, message, ['ok'], 0, list);
}

