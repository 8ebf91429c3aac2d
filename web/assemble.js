// Joins the page template with its styles, the compiled core and the page's
// script into one HTML file: node assemble.js TEMPLATE CORE.js OUTPUT
'use strict';
const fs = require('fs');
const path = require('path');
const [template, core, output] = process.argv.slice(2);
const dir = path.dirname(template);
const PageFiles = ['texts.js', 'state.js', 'dialogs.js', 'list.js', 'files.js', 'commands.js',
  'language.js', 'page.js'];
const read = (file) => fs.readFileSync(file, 'utf8');
// A "</script" inside a script would end it early.
const script = (text) => text.replace(/<\/script/gi, '<\\/script');
const parts = {
  '/*@STYLE@*/': read(path.join(dir, 'style.css')),
  '/*@CORE@*/': script(read(core)),
  // The page's script, its files in the order they build on each other.
  '/*@PAGE@*/': script(PageFiles.map((f) => read(path.join(dir, f))).join('\n')),
};
let html = read(template);
for (const [mark, text] of Object.entries(parts)) {
  if (!html.includes(mark)) throw new Error(`${template} lacks ${mark}`);
  html = html.split(mark).join(text);
}
fs.writeFileSync(output, html);
