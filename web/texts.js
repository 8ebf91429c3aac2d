// The page's words: the window's texts, English then French, and the page's own.
'use strict';

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
  export: ['Export...', 'Exporter...'],
  exportCaption: ['Export', 'Exporter'],
  exportAs: ['Export the list as:', 'Exporter la liste en :'],
  formatList: ['List (.txt)', 'Liste (.txt)'],
  formatCsv: ['CSV', 'CSV'],
  formatJson: ['JSON', 'JSON'],
  formatC: ['Decompilation source (.h)', 'Source de décompilation (.h)'],
  close: ['Close', 'Fermer'],
  change: ['Change Entry', "Changer l'Entrée"],
  insert: ['Insert New Entry', 'Insérer une Nouvelle Entrée'],
  delete: ['Delete Entry', "Supprimer l'Entrée"],
  choices: ['Species or move', 'Espèce ou attaque'],
  list: ['Egg moves', 'Attaques des oeufs'],
  pokemon: ['Number of Pokémon:', 'Nombre de Pokémon:'],
  moves: ['Number of Moves:', "Nombre d'Attaques:"],
  total: ['Number Total:', 'Nombre Total:'],
  free: ['Free:', 'Libres :'],
  saveCopy: ['Save a Copy...', 'Enregistrer une copie...'],
  copyName: ['Name of the copy, downloaded with your changes:', 'Nom de la copie, téléchargée avec vos modifications :'],
  overwrite: ['Overwrite', 'Écraser'],
  reload: ['Reload', 'Recharger'],
  insertAnyway: ['Insert Anyway', 'Insérer quand même'],
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
  foreignTable: [
    'The game in this rom reads an egg move list of another size or at another place. Quenmark shows the copy at the usual place, and will write nothing to this rom.',
    "Le jeu de cette rom lit une liste des attaques des oeufs d'une autre taille ou à un autre endroit. Quenmark montre la copie à l'endroit habituel, et n'écrira rien dans cette rom."],
  enlargeCaption: ['Enlarge Table', 'Agrandir la table'],
  enlargeCount: ['Entries to add at the end of the list:', 'Entrées à ajouter à la fin de la liste :'],
  ok: ['OK', 'OK'],
  cancel: ['Cancel', 'Annuler'],
  yes: ['Yes', 'Oui'],
  no: ['No', 'Non'],
  grown: [
    'The file was successfully saved! The egg move list now holds %1 entries, at offset %2.',
    "La rom a bien été sauvegardée! La liste des attaques des oeufs contient maintenant %1 entrées, à l'adresse %2."],
  attention: ['Attention', 'Attention'],
  warning: ['Warning', 'Alerte'],
  unreadable: ['The file could not be read. Nothing was opened.',
    "Le fichier n'a pas pu être lu. Rien n'a été ouvert."],
  tooLarge: [
    'This file is larger than 32 MiB: no Game Boy Advance rom is. Nothing was opened.',
    "Ce fichier dépasse 32 Mio : aucune rom Game Boy Advance n'est aussi grande. Rien n'a été ouvert."],
  importRefused: ['The file was refused at line %1: %2. Nothing was changed.',
    "Le fichier a été refusé à la ligne %1 : %2. Rien n'a été modifié."],
  notFound: ['No line holds this text.', 'Aucune ligne ne contient ce texte.'],
  findings: ['Findings of the check', 'Constats de la vérification'],
  dropHint: [
    'Drop a rom on the page to open it: Save then downloads it. Opened with Open, Save writes back into the file where the browser can. Nothing leaves this page.',
    "Déposez une rom sur la page pour l'ouvrir : Sauvegarder la télécharge alors. Ouverte avec Ouvrir, Sauvegarder écrit dans le fichier là où le navigateur le peut. Rien ne quitte cette page."],
  openTip: [
    'Open a rom. Opened with Open, Save writes back into the file where the browser can; a rom dropped on the page is saved as a download.',
    'Ouvrir une rom. Ouverte avec Ouvrir, Sauvegarder écrit dans le fichier là où le navigateur le peut ; une rom déposée sur la page est sauvegardée en téléchargement.'],
  downloaded: [
    'Your browser cannot write to %1, so the page started a download of %1 with your changes. The browser may have renamed it (for example with a number added): the newest download is the one to keep.',
    'Votre navigateur ne peut pas écrire dans %1 : la page a donc lancé le téléchargement de %1 avec vos modifications. Le navigateur a pu le renommer (par exemple en ajoutant un numéro) : le téléchargement le plus récent est celui à garder.'],
  writeRefused: [
    'The browser was not allowed to write %1; nothing was written. Save a Copy… downloads it.',
    "Le navigateur n'a pas eu le droit d'écrire dans %1 ; rien n'a été écrit. Enregistrer une copie… la télécharge."],
  copyFailed: ['%1 could not be written: %2. Nothing was written.',
    "%1 n'a pas pu être écrit : %2. Rien n'a été écrit."],
  // The line naming the ROM open.
  tableAt: ['table at %1, %2 entries', 'table à %1, %2 entrées'],
  moved: ['moved', 'déplacée'],
  readOnly: ['read-only', 'en lecture seule'],
  cutShort: ['cut short', 'tronquée'],
};

// The table formats, in the core's order, with the name and type of their file.
const Formats = [
  { key: 'formatList', file: 'EggMoves.txt', type: 'text/plain' },
  { key: 'formatCsv', file: 'EggMoves.csv', type: 'text/csv' },
  { key: 'formatJson', file: 'EggMoves.json', type: 'application/json' },
  { key: 'formatC', file: 'egg_moves.h', type: 'text/x-c' },
];

// A template with %1, %2... filled in: where a value ends a sentence of its own
// (". ? ! …"), the template's stop right after it is left out.
function filled(template, ...values) {
  return template.replace(/%(\d)(\.?)/g, (all, n, stop) => {
    const value = String(values[n - 1]);
    return value + (/[.?!…]$/.test(value) ? '' : stop);
  });
}
