// Qt's own texts (the standard buttons of message boxes and dialogs: Oui, Non,
// OK, Annuler) in the window's language, from the system's Qt translations.
#pragma once

// index as the window's languages: 0 English (Qt's own texts), 1 French.
void UseQtTranslation(int index);
