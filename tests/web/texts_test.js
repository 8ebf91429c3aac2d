// The page's words, without a browser: every text in both languages, with the
// same placeholders, none ending in a doubled stop; and messages filled with
// values that end sentences of their own.
//   node texts_test.js TEXTS_JS
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const vm = require('vm');

const context = {};
vm.runInNewContext(`${fs.readFileSync(process.argv[2], 'utf8')}
this.Texts = Texts; this.filled = filled;`, context);
const { Texts, filled } = context;

// A stop after a stop, other than the three dots of a caption that opens a dialog.
const doubled = /([?!…]\s?\.|[^.]\.\.|^\.\.)$|[?!…]\.\s/;
const holes = (t) => (t.match(/%\d/g) || []).sort().join();
for (const [key, pair] of Object.entries(Texts)) {
  assert.equal(pair.length, 2, key);
  for (const t of pair) {
    assert.ok(t.trim().length > 0, `${key} is empty in a language`);
    assert.doesNotMatch(t, doubled, key);
  }
  assert.equal(holes(pair[0]), holes(pair[1]), `${key}: the same placeholders in both languages`);
}

const cases = [
  // template, values, filled
  ['refused at line %1: %2. Nothing was changed.', [3, 'no move "CRUSH CLAWS"; did you mean CRUSH CLAW?'],
    'refused at line 3: no move "CRUSH CLAWS"; did you mean CRUSH CLAW? Nothing was changed.'],
  ['ligne %1 : %2. Rien.', [3, 'vouliez-vous dire CRUSH CLAW ?'], 'ligne 3 : vouliez-vous dire CRUSH CLAW ? Rien.'],
  ['at %1: %2. Nothing.', [12, 'an empty line'], 'at 12: an empty line. Nothing.'],
  ['%1: %2.', ['a', 'It was refused.'], 'a: It was refused.'],
  ['%1: %2.', ['a', 'Wait!'], 'a: Wait!'],
  ['%1: %2.', ['a', 'and so on…'], 'a: and so on…'],
  ['%1 and %1, %2', ['x.gba', 'y'], 'x.gba and x.gba, y'],
  ['%2 then %1.', ['one', 'two'], 'two then one.'],
];
for (const [template, values, expected] of cases) assert.equal(filled(template, ...values), expected, template);

// The page's messages with a value that ends its sentence: never a doubled stop.
for (const [key, pair] of Object.entries(Texts))
  for (const t of pair) {
    for (const value of ['did you mean CRUSH CLAW?', 'vouliez-vous dire CRUSH CLAW ?', 'It failed.', 'x.gba'])
      assert.doesNotMatch(filled(t, value, value), doubled, `${key} with "${value}"`);
  }
console.log(`PASS: ${Object.keys(Texts).length} texts`);
