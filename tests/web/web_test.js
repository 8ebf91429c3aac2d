// Drives dist/quenmark.html in the system's headless Chromium and Firefox, one
// engine after the other over the same steps, offline, on synthetic ROMs, and
// compares what it saves and exports with quenmark-cli.
//   node web_test.js PAGE MAKE_TEST_ROM QUENMARK_CLI WORK_DIR [CHROMIUM [FIREFOX]]
'use strict';
const assert = require('assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [pageFile, makeRom, cli, work] = process.argv.slice(2, 6).map((p) => path.resolve(p));
// QUENMARK_ENGINES=firefox runs one engine alone, while working on it.
const engines = [
  { name: 'chromium', browser: 'chrome', path: process.argv[6] || '/usr/bin/chromium' },
  { name: 'firefox', browser: 'firefox', path: process.argv[7] || '/usr/bin/firefox-esr' },
].filter((e) => (process.env.QUENMARK_ENGINES || e.name).split(',').includes(e.name));
fs.rmSync(work, { recursive: true, force: true });
fs.mkdirSync(work, { recursive: true });
const at = (name) => path.join(work, name);
const run = (program, ...args) => execFileSync(program, args, { cwd: work });
const bytes = (name) => fs.readFileSync(at(name));
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// A 16 MiB Fire Red with the game's words, free space at its end and one illegal
// entry at row 5, and one without; another whose table makes a CSV to import; one
// the game reads elsewhere; other releases; and a file that is no ROM.
const grow = ['0x1000000', 'words=game', 'pad=EB0B20'];
run(makeRom, 'BPRE', 'fire.gba', ...grow, '5=0000');
run(makeRom, 'BPRE', 'clean.gba', ...grow);
run(makeRom, 'BPRE', 'roomy.gba', ...grow, '1136=FFFF', '1137=FFFF');
run(makeRom, 'BPRE', 'other.gba', ...grow, '0=4E25', '1=0005', '2=0007');
run(makeRom, 'BPRE', 'foreign.gba', 'words=0825EF0C,0825EF0C,500');
run(makeRom, 'BPRE', 'cut.gba', '0x25F000', 'routine=none');
run(makeRom, 'AXVE', 'AXVE.gba', '0x220000', 'words=game', 'pad=209B00');
run(makeRom, 'BPEE', 'BPEE.gba', '0x340000', 'words=game', 'pad=32B700');
run(makeRom, 'BPEE', 'moved.gba', '0x340000', 'words=0832ADD8,0832ADD8,400', 'pad=32B700');
run(makeRom, 'BPGF', 'BPGF.gba');
// Builds whose code moved: the routine and names elsewhere (with a move and a species
// past the stock ones), the routine twice, no names, and a per-species base.
run(makeRom, 'BPRE', 'build.gba', 'routine=E00000', 'names=E10000', '2=0163', '3=4FBC');
run(makeRom, 'BPRE', 'twice.gba', 'routine=300000,300100');
run(makeRom, 'BPRE', 'unnamed.gba', 'names=E10000');
fs.writeFileSync(at('unnamed.gba'), bytes('unnamed.gba').fill(0, 0xE10000, 0xE10001));
run(makeRom, 'BPRE', 'per-species.gba', 'per-species');
fs.writeFileSync(at('huge.gba'), '');
fs.truncateSync(at('huge.gba'), 32 * 1024 * 1024 + 1);
fs.writeFileSync(at('other.csv'), run(cli, 'export', '--format', 'csv', 'other.gba'));
fs.writeFileSync(at('other.h'), run(cli, 'export', '--format', 'c', 'other.gba'));
fs.writeFileSync(at('bad.json'), '{"rows": [');
const Formats = [['List (.txt)', 'list', 'EggMoves.txt'], ['CSV', 'csv', 'EggMoves.csv'],
  ['JSON', 'json', 'EggMoves.json'], ['Decompilation source (.h)', 'c', 'egg_moves.h']];

async function launch(engine, downloads) {
  const firefox = engine.browser === 'firefox';
  return puppeteer.launch({
    browser: engine.browser,
    executablePath: engine.path,
    headless: true,
    protocol: firefox ? 'webDriverBiDi' : undefined,
    defaultViewport: { width: 900, height: 640 },
    downloadBehavior: { policy: 'allow', downloadPath: downloads },
    args: firefox ? [] : ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run', '--disable-sync', '--lang=en-US',
      '--proxy-server=127.0.0.1:9'],
    extraPrefsFirefox: {
      'browser.download.dir': downloads,
      'browser.download.folderList': 2,
      'browser.download.useDownloadDir': true,
      'browser.download.always_ask_before_handling_new_types': false,
      'browser.download.start_downloads_in_tmp_dir': false,
      'intl.accept_languages': 'en-US',
      'network.proxy.type': 1,
      'network.proxy.http': '127.0.0.1',
      'network.proxy.http_port': 9,
      'network.proxy.allow_hijacking_localhost': true,
    },
  });
}

async function scenario(engine) {
  const say = (what) => console.log(`${engine.name}: ${what}`);
  const downloads = at(`downloads-${engine.name}`);
  fs.mkdirSync(downloads);
  const browser = await launch(engine, downloads);
  const page = await browser.newPage();
  const pageUrl = `file://${pageFile}`;
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  // Chromium's own save picker would wait for a person: a stand-in takes its place where it is tested.
  await page.evaluateOnNewDocument(() => { window.showSaveFilePicker = undefined; });
  await page.goto(pageUrl);
  await page.waitForSelector('body[data-ready="true"]');

  // The open dialog's title and text, answered with the button named answer.
  // With offered, the buttons must be those.
  const answer = async (title, choice = 'OK', offered = null) => {
    const box = await page.waitForSelector('dialog[open]');
    const [heading, said] = await box.evaluate((d) => [d.querySelector('h2').textContent,
      d.querySelector('p').textContent]);
    assert.equal(heading, title, said);
    const buttons = await box.$$('.buttons button');
    const names = await Promise.all(buttons.map((b) => b.evaluate((e) => e.textContent)));
    if (offered) assert.deepEqual(names, offered, said);
    assert.ok(names.includes(choice), `${choice} in ${names}`);
    await buttons[names.indexOf(choice)].click();
    await page.waitForFunction((d) => !d.isConnected, {}, box);
    return said;
  };
  const noDialog = async () => assert.equal(await page.$('dialog[open]'), null);
  const button = (name) => page.waitForSelector(`::-p-xpath(//button[normalize-space(.)=${JSON.stringify(name)}])`);
  const click = async (name) => (await button(name)).click();
  const disabled = async (name) => (await button(name)).evaluate((b) => b.disabled);
  const title = () => page.evaluate(() => document.title);
  let opens = 0;
  const open = async (name) => (await page.$('#rom-input')).uploadFile(at(name));
  // Waits for the open that the answers before it let through.
  const opened = () => page.waitForSelector(`body[data-opened="${++opens}"]`);
  // Opens name, discarding the edits first when asked to.
  const openRom = async (name, discard = false) => {
    await open(name);
    if (discard) await answer('Warning', 'Discard');
    await opened();
  };
  // Row n, scrolled into sight where it is not.
  const row = async (n) => {
    await page.$eval('#list', (l, top) => {
      if (top < l.scrollTop || top + 18 > l.scrollTop + l.clientHeight) l.scrollTop = Math.max(0, top - 36);
    }, n * 18);
    return page.waitForSelector(`#rows [aria-posinset="${n + 1}"]`);
  };
  const rowText = async (n) => (await row(n)).evaluate((e) => e.textContent);
  const rowTotal = async () => Number(await (await row(0)).evaluate((e) => e.getAttribute('aria-setsize')));
  const choiceShown = () => page.$eval('#choices', (s) => s.selectedOptions[0].textContent);
  const selectedRow = () => page.$eval('#rows [aria-selected="true"]', (e) => Number(e.getAttribute('aria-posinset')) - 1);
  // Waits for the file the page hands over as name, and takes it out of the folder.
  const download = async (action, name) => {
    const file = path.join(downloads, name);
    await action();
    for (let t = 0; t < 400; ++t) {
      const names = fs.readdirSync(downloads);
      if (names.includes(name) && !names.some((n) => /\.(part|crdownload)$/.test(n)) &&
          fs.statSync(file).size > 0) {
        await sleep(50);
        const data = fs.readFileSync(file);
        fs.rmSync(file);
        return data;
      }
      assert.ok(names.every((n) => n === name || /\.(part|crdownload)$/.test(n)), `unexpected ${names}`);
      await sleep(25);
    }
    throw new Error(`${engine.name}: no download of ${name}`);
  };
  const exportAs = (format) => download(async () => {
    await click('Export...');
    await answer('Export', Formats[format][0]);
  }, Formats[format][2]);
  const exportList = () => exportAs(0);
  const changeRow = async (n, index) => {
    await (await row(n)).click();
    await page.$eval('#choices', (s, i) => { s.selectedIndex = i; }, index);
    await (await page.$('#change')).click();
  };
  // The ROM saved from rom is what the command line writes into cli.gba, a copy of
  // it grown by grow, from list (the page's export by default).
  const sameAsCli = async (rom, saved, list = null, grow = 0) => {
    fs.writeFileSync(at('list.txt'), list ? bytes(list) : await exportList());
    fs.copyFileSync(at(rom), at('cli.gba'));
    if (grow) run(cli, 'grow', 'cli.gba', '--by', String(grow));
    run(cli, 'import', 'cli.gba', 'list.txt');
    assert.ok(saved.equals(bytes('cli.gba')), `${rom}: the saved ROM is the command line's`);
  };
  // A save handed over as a download says what the page knows of it, and clears the title's mark.
  const downloadedWords = (name) => `Your browser cannot write to ${name}, so the page started a download of ${name} with your changes. The browser may have renamed it (for example with a number added): the newest download is the one to keep.`;
  const saveDownload = async (name, message) => {
    assert.equal(await title(), `* ${name}`, 'the title marks the edits');
    const saved = await download(() => click('Save'), name);
    const said = await answer('Attention');
    assert.ok(said.startsWith(downloadedWords(name)), said);
    if (message) assert.match(said, message);
    assert.equal(await title(), name);
    return saved;
  };
  const drop = (names) => page.evaluate((files) => {
    const data = new DataTransfer();
    for (const [name, b64] of files)
      data.items.add(new File([Uint8Array.from(atob(b64), (c) => c.charCodeAt(0))], name));
    document.dispatchEvent(new DragEvent('drop', { dataTransfer: data, cancelable: true, bubbles: true }));
  }, names.map((n) => [n, bytes(n).toString('base64')]));

  // Files that are no ROM, or whose table the game does not read; a drop of two files is ignored.
  assert.ok(await disabled('Undo'));
  await open('huge.gba');
  assert.match(await answer('Attention'), /larger than 32 MiB/);
  fs.writeFileSync(at('short.gba'), 'not a rom at all');
  fs.writeFileSync(at('dropped.gba'), Buffer.alloc(0x200, 0x41));
  for (const [name, said] of [['short.gba', /^The file is too short to be a Game Boy Advance rom/],
    ['dropped.gba', /isn't supported/]]) {
    await drop([name]);
    assert.match(await answer('Attention'), said, name);
  }
  await drop(['AXVE.gba', 'BPGF.gba']);
  await sleep(300);
  await noDialog();
  assert.equal(await title(), 'Quenmark', 'a drop of two files opens nothing');
  await open('foreign.gba');
  assert.match(await answer('Warning'), /another size or at another place/);
  await opened();
  assert.match(await page.$eval('#identity', (e) => e.textContent), /^foreign\.gba: BPRE Fire Red English 1\.0, table at 0x[0-9A-F]+, \d+ entries, read through the game's routine at 0x045C28, read-only$/);
  await click('Save');
  assert.match(await answer('Attention'), /^The game in foreign\.gba reads .* Nothing was written\.$/);

  // How the table and names were found, in the identity line; the routine twice
  // and names not found warn once; a per-species base is refused in one box, and
  // the ROM shown stays. In each language.
  for (const [lang, warning, found, several, noNames, refused] of [
    ['English', 'Warning', "table at 0x25EF0C, 1138 entries, read through the game's routine at 0xE00000, names found at 0xE10000",
      /^The game's egg-move routine was found at several places \(0x300000, 0x300100\), none of them/,
      /^The species and move names were not found in this rom: entries show as their numbers \(#123\)/,
      "No egg-move table found: this ROM's code was changed (for example a hack built from the decompilations or a hack base that keeps egg moves per species), and Quenmark cannot tell where the game reads its egg moves. Nothing was changed."],
    ['Français', 'Alerte', 'table à 0x25EF0C, 1138 entrées, lue par la routine du jeu à 0xE00000, noms trouvés à 0xE10000',
      /^La routine des attaques des œufs du jeu a été trouvée à plusieurs endroits \(0x300000, 0x300100\), dont aucun/,
      /^Les noms des espèces et des attaques sont introuvables dans cette rom : les entrées sont montrées par leur numéro \(#123\)/,
      "Aucune table d'attaques des œufs trouvée : le code de cette rom a été modifié (par exemple un hack construit à partir des décompilations, ou une base qui range les attaques des œufs par espèce), et Quenmark ne peut pas savoir où le jeu les lit. Rien n'a été modifié."]]) {
    await click(lang);
    await openRom('build.gba');
    await noDialog();
    assert.equal(await page.$eval('#identity', (e) => e.textContent), `build.gba: BPRE Fire Red English 1.0, ${found}`);
    assert.deepEqual([(await rowText(2)).trim(), (await rowText(3)).trim()], ['#355', '#412'], 'numbered, not repaired');
    for (const [name, said] of [['twice.gba', several], ['unnamed.gba', noNames]]) {
      await open(name);
      assert.match(await answer(warning), said, name);
      await opened();
      await noDialog();
    }
    assert.equal((await rowText(2)).trim(), '#32');
    const shown = await page.$eval('#identity', (e) => e.textContent);
    await open('per-species.gba');
    assert.equal(await answer('Attention'), refused);
    await sleep(100);
    await noDialog();
    assert.equal(await page.$eval('#identity', (e) => e.textContent), shown, 'the ROM shown stays');
  }
  await click('English');

  // A dropped ROM, edited and saved: a download the command line would write.
  // With edits unsaved, opening another ROM asks first: Cancel keeps them.
  await drop(['AXVE.gba']);
  await opened();
  assert.ok((await exportList()).equals(run(cli, 'export', 'AXVE.gba')), 'AXVE');
  // Two saves, the first download left in the folder: the browser names the
  // second itself (or, driven as here, Chromium writes it over the first), and
  // the words claim no name for it.
  const settled = (names) => names.length > 0 && !names.some((f) => /\.(part|crdownload)$/.test(f) ||
    fs.statSync(path.join(downloads, f)).size === 0);
  let first = null;
  for (const n of [1, 2]) {
    await changeRow(1, 4 + n);
    await click('Save');
    assert.equal(await answer('Attention'), downloadedWords('AXVE.gba'), `save ${n}`);
    let names = [];
    for (let t = 0; t < 400; ++t, await sleep(25)) {
      names = fs.readdirSync(downloads);
      if (!settled(names)) continue;
      if (n === 1 || names.length === 2 || !fs.readFileSync(path.join(downloads, 'AXVE.gba')).equals(first)) break;
    }
    assert.ok(settled(names) && names.includes('AXVE.gba'), `save ${n}: ${names}`);
    if (n === 1) first = fs.readFileSync(path.join(downloads, 'AXVE.gba'));
    else if (names.length === 1) {
      assert.ok(!fs.readFileSync(path.join(downloads, 'AXVE.gba')).equals(first), 'a second download');
      say('the second download replaced the first under this driver');
    }
    else assert.equal(names.length, 2, `${names}`);
  }
  for (const name of fs.readdirSync(downloads)) fs.rmSync(path.join(downloads, name));
  await changeRow(2, 4);
  await open('BPGF.gba');
  assert.equal(await answer('Warning', 'Cancel'), 'Save the changes to AXVE.gba?');
  assert.equal(await title(), '* AXVE.gba');
  await openRom('BPGF.gba', true);
  assert.ok((await exportList()).equals(run(cli, 'export', 'BPGF.gba')), 'BPGF');
  await open('cut.gba');
  assert.match(await answer('Warning'), /^This rom is cut short: it ends at 0x25F000, inside the egg move list/);
  await opened();
  assert.ok((await exportList()).equals(run(cli, 'export', 'cut.gba', '--partial')), 'cut');
  assert.match(await page.$eval('#identity', (e) => e.textContent), /, cut short$/);
  await changeRow(0, 3);
  await click('Save');
  assert.equal(await answer('Attention'), 'cut.gba ends inside its egg move list. Nothing was written.');
  assert.equal(await title(), '* cut.gba', 'a failed save leaves the edits marked');

  // Where the browser hands over the file itself, Open asks about the edits before
  // its chooser, and Save writes the table into the file as it reads back then.
  // A stand-in for the browser's picker, over the bytes window.picked.
  const swap = (data) => page.evaluate((b) => {
    window.picked = Uint8Array.from(atob(b), (c) => c.charCodeAt(0));
  }, data.toString('base64'));
  const picked = async () => Buffer.from(await page.evaluate(() => {
    let s = '';
    for (let i = 0; i < window.picked.length; i += 0x8000)
      s += String.fromCharCode(...window.picked.subarray(i, i + 0x8000));
    return btoa(s);
  }), 'base64');
  await swap(bytes('BPEE.gba'));
  await page.evaluate(() => {
    window.pickerOpened = 0;
    window.showOpenFilePicker = async () => {
      window.pickerOpened += 1;
      return [{
        getFile: async () => new File([window.picked], 'BPEE.gba'),
        createWritable: async () => {
          if (window.refuse) {
            throw new DOMException('The request is not allowed by the user agent or the platform in the current context.', 'NotAllowedError');
          }
          return { write: async (d) => { window.picked = new Uint8Array(d); }, close: async () => {} };
        },
      }];
    };
  });
  await click('Open');
  await answer('Warning', 'Cancel');
  assert.equal(await page.evaluate(() => window.pickerOpened), 0, 'asked before the chooser');
  await click('Open');
  await answer('Warning', 'Discard');
  await opened();
  await changeRow(1, 3);
  await click('Save');
  assert.equal(await answer('Attention'), 'The file was successfully saved!');
  const savedBpee = await picked();
  await sameAsCli('BPEE.gba', savedBpee);
  // The browser's own prompt declined: plain words, the edits kept unsaved.
  await page.evaluate(() => { window.refuse = true; });
  await changeRow(2, 4);
  await click('Save');
  assert.equal(await answer('Attention'), 'The browser was not allowed to write BPEE.gba; nothing was written. Save a Copy… downloads it.');
  assert.equal(await title(), '* BPEE.gba');
  assert.ok((await picked()).equals(savedBpee), 'nothing was written');
  await page.evaluate(() => { window.refuse = false; });
  // Another program writes into the table and into a name between open and
  // save: Save asks, and writes only the table, and only on Overwrite.
  // The file holds the page's list, up to end marks past it.
  const holds = async (data, what) => {
    fs.writeFileSync(at('state.gba'), data);
    const [shown, held] = [await exportList(), run(cli, 'export', 'state.gba')];
    assert.ok(held.subarray(0, shown.length).equals(shown), what);
    assert.match(held.subarray(shown.length).toString(), /^\s*$/, what);
  };
  const table = JSON.parse(await page.evaluate(() => core.identity())).tableOffset;
  const changedAsked = 'BPEE.gba was changed by another program since it was opened. Its egg move list there is not the one you opened.';
  for (const [i, [choice, kept]] of [['Cancel', true], ['Reload', true], ['Overwrite', false]].entries()) {
    const changed = await picked();
    changed[table + 6] ^= 1 << i;
    changed[0x100 + i] ^= 0xFF;
    await swap(changed);
    await changeRow(2, 5 + i);
    await click('Save');
    assert.equal(await answer('Warning', choice, ['Overwrite', 'Reload', 'Cancel']), changedAsked);
    if (choice === 'Overwrite') assert.equal(await answer('Attention'), 'The file was successfully saved!');
    if (choice === 'Reload') await opened();
    const now = await picked();
    assert.equal(now.equals(changed), kept, choice);
    assert.equal(now[0x100 + i], changed[0x100 + i], `${choice}: a byte outside the table is kept`);
    assert.equal(await title(), choice === 'Cancel' ? '* BPEE.gba' : 'BPEE.gba', choice);
    if (choice !== 'Cancel') await holds(now, `${choice}: the page shows the file`);
  }
  fs.writeFileSync(at('picked.gba'), await picked());
  // A file another tool has moved the table of, and one gone, are named as such.
  await swap(bytes('moved.gba'));
  await changeRow(2, 4);
  await click('Save');
  assert.equal(await answer('Attention'), 'Another tool has moved or resized the egg move list of BPEE.gba since it was opened. Nothing was written.');
  assert.ok((await picked()).equals(bytes('moved.gba')), 'nothing was written');
  // Any state saves: undo past a grown save, Save, Redo, Save.
  await swap(fs.readFileSync(at('picked.gba')));
  await click('Enlarge Table...');
  await answer('Enlarge Table');
  await click('Save');
  assert.match(await answer('Attention'), /now holds \d+ entries/);
  for (const steps of [['Undo Enlarge', 'Undo Change'], ['Redo Change', 'Redo Enlarge']]) {
    for (const step of steps) await click(step);
    const step = steps.join(', ');
    await click('Save');
    assert.equal(await answer('Attention'), 'The file was successfully saved!', step);
    await holds(await picked(), `${step}: the file holds the list`);
  }
  await swap(savedBpee);
  // A ROM dropped where there is a picker is still saved as a download.
  await drop(['AXVE.gba']);
  await opened();
  await changeRow(1, 3);
  await saveDownload('AXVE.gba');
  // Where the browser has a save picker, Save of a dropped ROM and Save a Copy
  // ask there, suggesting a name, and write into the file named.
  await page.evaluate(() => {
    window.suggested = [];
    window.showSaveFilePicker = async ({ suggestedName }) => {
      window.suggested.push(suggestedName);
      return { name: suggestedName, createWritable: async () => ({
        write: async (d) => { window.picked = new Uint8Array(d); }, close: async () => {} }) };
    };
  });
  await changeRow(1, 4);
  await click('Save');
  assert.equal(await answer('Attention'), 'The file was successfully saved!');
  const named = await picked();
  await click('Save a Copy...');
  await page.waitForFunction(() => window.suggested.length === 2);
  await noDialog();
  assert.deepEqual(await page.evaluate(() => window.suggested), ['AXVE.gba', 'AXVE-copy.gba']);
  assert.ok((await picked()).equals(named), 'the copy holds what Save wrote');
  await sameAsCli('AXVE.gba', named);
  await page.evaluate(() => { window.showSaveFilePicker = undefined; });

  // The selection stays with the entry, and the drop-down shows the selected
  // row's entry: each edit, the row selected after it.
  await openRom('roomy.gba');
  assert.equal(await choiceShown(), (await rowText(0)).trim(), 'a load shows row 0');
  assert.match(await page.$eval('#free-count', (e) => e.textContent), /^Free: 2$/);
  const last = (await rowTotal()) - 1;
  for (const [action, expected] of [['select 4', 4], ['change 4', 4], ['insert 5', 6], ['insert 6', 7],
    ['delete 9', 9], ['Undo Delete', 9], ['Undo Insert', 6], ['Redo Insert', 7], ['delete last', last],
    ['Undo Delete', last]]) {
    const [verb, where] = action.split(' ');
    const n = where === 'last' ? last : Number(where);
    if (verb === 'select' || verb === 'delete') await (await row(n)).click();
    if (verb === 'change' || verb === 'insert') {
      await (await row(n)).click();
      await page.$eval('#choices', (s) => { s.selectedIndex = 20; });
      await click(verb === 'change' ? 'Change Entry' : 'Insert New Entry');
    } else if (verb === 'delete') await click('Delete Entry');
    else if (verb !== 'select') await click(action);
    assert.equal(await selectedRow(), expected, action);
    const line = (await rowText(expected)).trim();
    if (line) assert.equal(await choiceShown(), line, `${action}: the drop-down`);
  }
  assert.match(await page.$eval('#free-count', (e) => e.textContent), /^Free: 0$/);
  // A move before the first species is an error of the check, and Save asks first.
  await changeRow(0, 500);
  await click('Check');
  const [kind, finding] = await page.$eval('#findings li', (e) => [e.className, e.textContent]);
  assert.equal(kind, 'error', finding);
  await click('Save');
  assert.equal(await answer('Warning', 'No', ['Yes', 'No']), `The game will misread this table: ${finding}. Save anyway?`);
  assert.equal(await title(), '* roomy.gba', 'No saves nothing');
  await page.keyboard.press('Escape');

  // Insert on a full table asks first; only where it can grow does it offer to.
  const full = /^The egg move list is full: inserting removes its last entry, .+\.$/;
  const insertAsking = async (choice, offered) => {
    await (await row(2)).click();
    await click('Insert New Entry');
    assert.match(await answer('Warning', choice, offered), full);
  };
  await openRom('clean.gba', true);
  const cleanList = await exportList();
  const growing = ['Enlarge Table...', 'Insert Anyway', 'Cancel'];
  await insertAsking('Cancel', growing);
  await insertAsking('Enlarge Table...', growing);
  await answer('Enlarge Table', 'Cancel');
  assert.ok((await exportList()).equals(cleanList), 'Cancel inserts nothing');
  await insertAsking('Insert Anyway', growing);
  assert.equal(await rowTotal(), 1138);
  await click('Undo Insert');
  await insertAsking('Enlarge Table...', growing);
  await answer('Enlarge Table');
  assert.equal(await rowTotal(), 1238);
  assert.equal(await selectedRow(), 3, 'the insert goes on into the room made');
  await click('Undo Insert');
  await click('Undo Enlarge');
  assert.ok((await exportList()).equals(cleanList));
  await openRom('BPGF.gba');
  await insertAsking('Insert Anyway', ['Insert Anyway', 'Cancel']);
  const importing = async (name) => (await page.$('#table-input')).uploadFile(at(name));
  // One line more than the table: the growth question, and Yes where it cannot grow.
  const longer = async (list, extra, name) => {
    const lines = list.toString('latin1').split('\n');
    fs.writeFileSync(at(name), Buffer.from([...lines.slice(0, -1), ...Array(extra).fill(lines[5]), ''].join('\n'), 'latin1'));
    await importing(name);
    return answer('Warning', 'Yes', ['Yes', 'No']);
  };
  await longer(await exportList(), 1, 'bpgf.txt');
  assert.match(await answer('Attention'), /^The egg move list of BPGF\.gba cannot be enlarged/);

  // A list with one line deleted and one inserted, imported: what changed is
  // told, and the saved ROM is what the command line writes; the same list
  // again changes nothing and makes no undo step. Then one line more than the
  // table: the growth question, and Yes grows it.
  await openRom('clean.gba', true);
  const lines = cleanList.toString('latin1').split('\n');
  const edited = [...lines.slice(0, 3), ...lines.slice(4, 8), lines[5], ...lines.slice(8)];
  fs.writeFileSync(at('edited.txt'), Buffer.from(edited.join('\n'), 'latin1'));
  await importing('edited.txt');
  await page.waitForSelector('dialog[open] .details li');
  assert.match(await answer('Attention'), /^\d+ rows changed\.$/);
  await importing('edited.txt');
  assert.equal(await answer('Attention'), 'Nothing changed: the file describes the table as it is.');
  await sameAsCli('clean.gba', await saveDownload('clean.gba'), 'edited.txt');
  await click('Undo Import');
  assert.ok((await exportList()).equals(cleanList), 'one undo step');
  await click('Redo Import');
  // As many lines more as there is room for: Yes grows the table to them.
  const room = await page.evaluate(() => core.roomToGrow());
  assert.equal(await longer(await exportList(), room, 'longer.txt'),
    `The file describes ${1138 + room} entries; the table holds 1138. Enlarge the table by ${room}?`);
  assert.match(await answer('Attention'), /^\d+ rows changed\.$/);
  assert.equal(await rowTotal(), 1138 + room);
  await click('Undo Import');
  await click('Undo Enlarge');

  // The 16 MiB ROM: its time to open, five times; then the repair question, the
  // list, the counters and the line naming it.
  const times = [];
  for (let i = 0; i < 5; ++i) {
    await openRom('clean.gba');
    times.push(await page.evaluate(() => window.quenmarkTimes.open));
  }
  times.sort((a, b) => a - b);
  await open('fire.gba');
  assert.match(await answer('Attention', 'Yes'), /corrupted/);
  await opened();
  assert.equal(await rowTotal(), 1138);
  assert.ok((await page.$$('#rows [role="option"]')).length < 60, 'the list is virtualised');
  assert.match(await page.$eval('#species-count', (e) => e.textContent), /^Number of Pokémon: \d+$/);
  assert.equal((await page.$$('#choices option')).length, 766);
  assert.equal(await page.$eval('#identity', (e) => e.textContent),
    "fire.gba: BPRE Fire Red English 1.0, table at 0x25EF0C, 1138 entries, read through the game's routine at 0x045C28");

  // Edits, an undo, the Insert key and the language of the history's captions.
  await changeRow(1, 3);
  const editMs = await page.evaluate(() => window.quenmarkTimes.edit);
  await (await row(2)).click();
  await page.$eval('#choices', (s) => { s.selectedIndex = 500; });
  await page.focus('#list');
  await page.keyboard.press('Insert');
  await answer('Warning', 'Insert Anyway');
  await (await row(7)).click();
  await click('Delete Entry');
  await click('Undo Delete');
  await click('Français');
  await button('Rétablir Supprimer');
  await button('Annuler Insérer');
  assert.match(await page.$eval('#moves-count', (e) => e.textContent), /^Nombre d'Attaques: \d+$/);
  await click('English');

  // Find: Enter finds, ignoring case and accents; "not found" stays until closed.
  const find = async (wanted) => {
    await page.$eval('#find-text', (f, w) => { f.value = w; }, wanted);
    await page.focus('#find-text');
    await page.keyboard.press('Enter');
  };
  const line12 = (await rowText(12)).trim();
  const shouted = line12.toUpperCase().replace(/E/g, 'É');
  await find(shouted);
  assert.equal(await selectedRow(), 12, `found ${shouted}`);
  await find('zzzz');
  await page.waitForSelector('dialog[open]');
  await sleep(200);
  assert.equal(await page.$eval('dialog[open] p', (e) => e.textContent), 'No line holds this text.');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => !document.querySelector('dialog'));

  // Save a Copy: a download under the name typed, with the repair and the edits;
  // the ROM open keeps its edits unsaved.
  const copy = await download(async () => {
    await click('Save a Copy...');
    const name = await page.waitForSelector('dialog[open] input');
    await name.evaluate((f) => { f.value = 'my copy.gba'; });
    await answer('Save a Copy...');
  }, 'my copy.gba');
  await holds(copy, 'the copy holds the edits');
  assert.equal(await title(), '* fire.gba');

  // Save, and every export, as the command line writes them.
  await sameAsCli('fire.gba', await saveDownload('fire.gba'));
  const exported = bytes('list.txt');
  fs.copyFileSync(at('cli.gba'), at('fire.gba'));  // the file name export names
  for (const [i, [, format]] of Formats.entries())
    assert.ok((await exportAs(i)).equals(run(cli, 'export', '--format', format, 'fire.gba')), format);

  // An import of another table's CSV, and of the same table as the decompilations'
  // source, each undone; a file refused.
  for (const name of ['other.csv', 'other.h']) {
    await importing(name);
    assert.match(await answer('Attention'), /^\d+ rows? changed\.$/, name);
    assert.ok((await exportList()).equals(run(cli, 'export', 'other.gba')), name);
    await click('Undo Import');
    assert.ok((await exportList()).equals(exported), name);
  }
  await click('Français');
  await importing('bad.json');
  assert.match(await answer('Attention'), /^Le fichier a été refusé à la ligne \d+ : .+\. Rien n'a été modifié\.$/);
  await click('English');

  // Check's findings, closed with its button (and with Escape on the small screens below).
  await click('Check');
  assert.ok((await page.$$('#findings li')).length > 0);
  await (await page.$('#close-findings')).click();
  assert.ok(await page.$eval('#findings-panel', (e) => e.hidden), 'closed by its button');

  // Enlarge Table and the grown save.
  await click('Enlarge Table...');
  const count = await page.waitForSelector('dialog[open] input');
  await count.evaluate((f) => { f.value = '10'; });
  await answer('Enlarge Table');
  assert.equal(await rowTotal(), 1148);
  const grown = await saveDownload('fire.gba', /The egg move list now holds 1148 entries/);
  await sameAsCli('fire.gba', grown, null, 10);
  run(makeRom, 'BPRE', 'fire.gba', ...grow, '5=0000');  // as the next engine opens it

  // Small screens: nothing wider than the window, no caption on two lines, the
  // list down to the bottom; pictured in each language.
  for (const [width, height] of [[800, 600], [1280, 800]]) {
    for (const lang of ['English', 'Français']) {
      await page.setViewport({ width, height });
      await click(lang);
      await click(lang === 'English' ? 'Check' : 'Vérifier');
      const m = await page.evaluate(() => {
        const line = (b) => parseFloat(getComputedStyle(b).lineHeight) || 1.3 * parseFloat(getComputedStyle(b).fontSize);
        const wrapped = [...document.querySelectorAll('button')].filter((b) => b.offsetParent &&
          (b.scrollWidth > b.clientWidth + 1 || b.getBoundingClientRect().height > 2 * line(b) + 4))
          .map((b) => b.textContent);
        return { scroll: document.documentElement.scrollWidth, width: innerWidth,
          bodyHeight: document.documentElement.scrollHeight, height: innerHeight, wrapped,
          list: document.querySelector('#list').getBoundingClientRect().height };
      });
      const where = `${width}x${height} ${lang}`;
      assert.ok(m.scroll <= m.width, `${where}: ${m.scroll} px wide`);
      assert.ok(m.bodyHeight <= m.height, `${where}: ${m.bodyHeight} px high`);
      assert.deepEqual(m.wrapped, [], `${where}: captions wrapped`);
      assert.ok(m.list > height / 3, `${where}: the list is ${m.list} px high`);
      await page.screenshot({ path: at(`page-${width}x${height}-${lang === 'English' ? 'en' : 'fr'}-${engine.name}.png`) });
      await page.keyboard.press('Escape');
      assert.ok(await page.$eval('#findings-panel', (e) => e.hidden), `${where}: closed by Escape`);
    }
  }
  await click('Français');

  assert.deepEqual(errors, []);

  // Leaving the page with edits unsaved asks first, where the driver shows the question.
  await changeRow(3, 5);
  const question = new Promise((resolve) => page.once('dialog', resolve));
  await page.close({ runBeforeUnload: true });
  const asked = await Promise.race([question, sleep(5000)]);
  if (asked) {
    assert.equal(asked.type(), 'beforeunload');
    await asked.accept();
  } else say('the question on leaving with unsaved edits is not reported by this driver: not checked');

  // The language chosen last holds at the next visit; the first one followed the browser's.
  const again = await browser.newPage();
  await again.goto(pageUrl);
  await again.waitForSelector('body[data-ready="true"]');
  const caption = (name) => again.waitForSelector(`::-p-xpath(//button[normalize-space(.)="${name}"])`);
  await caption('Ouvrir');
  // A first visit from a browser in French is in French.
  await again.evaluate(() => localStorage.clear());
  await again.evaluateOnNewDocument(() => {
    Object.defineProperty(navigator, 'languages', { get: () => ['fr-CA', 'en'] });
  });
  await again.reload();
  await caption('Ouvrir');
  await (await caption('English')).click();
  await again.reload();
  await caption('Open');
  await browser.close();
  say(`open of a 16 MiB ROM, from the file input's change to the list shown, median of five: ${times[2].toFixed(1)} ms (${times.map((t) => t.toFixed(0)).join(', ')}); one edit: ${editMs.toFixed(1)} ms`);
  return { openMs: times[2], editMs };
}

(async () => {
  const figures = {};
  for (const engine of engines) {
    if (!fs.existsSync(engine.path)) {
      console.log(`${engine.name}: not installed at ${engine.path}: its steps were not run`);
      process.exitCode = 1;
      continue;
    }
    figures[engine.name] = await scenario(engine);
  }
  const size = fs.statSync(pageFile).size;
  console.log(JSON.stringify({ ...figures, pageBytes: size }));
  assert.ok(size < 2 * 1024 * 1024, 'the page stays under 2 MB');
  // The goal is told, not asserted: on a machine busy with other work the figure says more about
  // the machine than about the page.
  for (const [name, { openMs }] of Object.entries(figures))
    console.log(`${name}: the open's goal of 100 ms ${openMs <= 100 ? 'met' : 'NOT met'}`);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
