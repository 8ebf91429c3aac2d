// ---- Language ----

const LanguageKey = 'quenmark.language';

// The language chosen last on this page, or on a first visit the browser's where it is French.
function firstLanguage() {
  let stored = null;
  try {
    stored = localStorage.getItem(LanguageKey);
  } catch {
    // storage refused (private windows, some file:// settings): the browser's language then
  }
  if (stored === 'en' || stored === 'fr') return stored === 'fr' ? 1 : 0;
  return (navigator.languages || [navigator.language]).some((l) => /^fr\b/i.test(l || '')) ? 1 : 0;
}

function setLanguage(index) {
  language = index;
  try {
    localStorage.setItem(LanguageKey, index === 1 ? 'fr' : 'en');
  } catch {
    // not remembered, but in force
  }
  document.documentElement.lang = index === 0 ? 'en' : 'fr';
  for (const node of document.querySelectorAll('[data-text]')) node.textContent = text(node.dataset.text);
  $('list').setAttribute('aria-label', text('list'));
  $('choices').setAttribute('aria-label', text('choices'));
  $('find-text').setAttribute('aria-label', text('findLabel'));
  $('open').title = text('openTip');
  $('close-findings').setAttribute('aria-label', text('close'));
  $('english').setAttribute('aria-pressed', index === 0 ? 'true' : 'false');
  $('french').setAttribute('aria-pressed', index === 1 ? 'true' : 'false');
  showCounters();
  showHistory();
}

