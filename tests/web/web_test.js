// Drives dist/quenmark.html in the system's headless Chromium, offline, on
// synthetic ROMs, and compares what it saves and exports with quenmark-cli.
//   node web_test.js PAGE MAKE_TEST_ROM QUENMARK_CLI WORK_DIR [CHROMIUM]
'use strict';
const assert = require('assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');

const [pageFile, makeRom, cli, work] = process.argv.slice(2, 6).map((p) => path.resolve(p));
const browserPath = process.argv[6] || '/usr/bin/chromium';
fs.rmSync(work, { recursive: true, force: true });
fs.mkdirSync(work, { recursive: true });
const at = (name) => path.join(work, name);
const run = (program, ...args) => execFileSync(program, args, { cwd: work });
const bytes = (name) => fs.readFileSync(at(name));

// A 16 MiB Fire Red with the game's words, free space at its end and one illegal
// entry at row 5; another whose table makes a CSV to import; one the game reads
// elsewhere; other releases (two that may grow); and a file that is no ROM.
const grow = ['0x1000000', 'words=game', 'pad=EB0B20'];
run(makeRom, 'BPRE', 'fire.gba', ...grow, '5=0000');
run(makeRom, 'BPRE', 'other.gba', ...grow, '0=4E25', '1=0005', '2=0007');
run(makeRom, 'BPRE', 'foreign.gba', 'words=0825EF0C,0825EF0C,500');
run(makeRom, 'BPRE', 'cut.gba', '0x25F000');
run(makeRom, 'AXVE', 'AXVE.gba', '0x220000', 'words=game', 'pad=209B00');
run(makeRom, 'BPEE', 'BPEE.gba', '0x340000', 'words=game', 'pad=32B700');
run(makeRom, 'BPEE', 'moved.gba', '0x340000', 'words=0832ADD8,0832ADD8,400', 'pad=32B700');
run(makeRom, 'BPGF', 'BPGF.gba');
fs.writeFileSync(at('huge.gba'), '');
fs.truncateSync(at('huge.gba'), 32 * 1024 * 1024 + 1);
fs.writeFileSync(at('other.csv'), run(cli, 'export', '--format', 'csv', 'other.gba'));
fs.copyFileSync(at('fire.gba'), at('reference.gba'));

(async () => {
  const browser = await chromium.launch({
    executablePath: browserPath,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run', '--disable-sync',
      '--proxy-server=127.0.0.1:9'],
  });
  const context = await browser.newContext({ offline: true, acceptDownloads: true,
    viewport: { width: 900, height: 640 } });
  const page = await context.newPage();
  const pageUrl = `file://${path.resolve(pageFile)}`;
  const requests = [];
  page.on('request', (r) => { if (r.url() !== pageUrl && !/^(blob|data):/.test(r.url())) requests.push(r.url()); });
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(pageUrl);
  await page.waitForSelector('body[data-ready="true"]');

  const dialog = page.getByRole('dialog');
  // The open dialog's title and text, answered with the button named answer.
  const answer = async (title, answer = 'OK') => {
    await dialog.waitFor();
    // This dialog by its title's id: the next may open as soon as it closes.
    const id = await dialog.getAttribute('aria-labelledby');
    const box = page.locator(`dialog[aria-labelledby="${id}"]`);
    assert.equal(await box.getByRole('heading').textContent(), title);
    const said = await box.locator('p').textContent();
    await box.getByRole('button', { name: answer, exact: true }).click();
    await box.waitFor({ state: 'detached' });
    return said;
  };
  const button = (name) => page.getByRole('button', { name, exact: true });
  let opens = 0;
  const open = (name) => page.locator('#rom-input').setInputFiles(at(name));
  // Waits for the open that the answers before it let through.
  const opened = () => page.waitForSelector(`body[data-opened="${++opens}"]`);
  const list = (name = 'Egg moves') => page.getByRole('listbox', { name });
  const row = (n) => list().locator(`[aria-posinset="${n + 1}"]`);
  const download = async (action, name) => {
    const [file] = await Promise.all([page.waitForEvent('download'), action()]);
    assert.equal(file.suggestedFilename(), name);
    await file.saveAs(at(`page-${name}`));
    return bytes(`page-${name}`);
  };
  const exportList = () => download(() => button('Export List as .txt').click(), 'EggMoves.txt');
  const changeRow = async (n, index) => {
    await row(n).click();
    await page.getByRole('combobox').selectOption({ index });
    await button('Change Entry').click();
  };
  // The ROM saved from code.gba is what the command line writes from the exported list.
  const sameAsCli = async (code, saved) => {
    fs.writeFileSync(at('list.txt'), await exportList());
    fs.copyFileSync(at(`${code}.gba`), at(`cli-${code}.gba`));
    run(cli, 'import', `cli-${code}.gba`, 'list.txt');
    assert.ok(saved.equals(bytes(`cli-${code}.gba`)), `${code}: the saved ROM is the command line's`);
  };
  const saveRom = async (message) => {
    assert.equal(await page.title(), '* fire.gba', 'the title marks the edits');
    const saved = await download(() => button('Save').click(), 'fire.gba');
    assert.match(await answer('Attention'), message);
    assert.equal(await page.title(), 'fire.gba');
    return saved;
  };

  // Files that are no ROM, or whose table the game does not read.
  assert.ok(await button('Undo').isDisabled());
  await open('huge.gba');
  assert.match(await answer('Attention'), /larger than 32 MiB/);
  await page.evaluate(() => {
    const files = new DataTransfer();
    files.items.add(new File(['not a rom at all'], 'dropped.gba'));
    document.dispatchEvent(new DragEvent('drop', { dataTransfer: files, cancelable: true }));
  });
  assert.match(await answer('Attention'), /isn't supported/);
  await open('foreign.gba');
  assert.match(await answer('Warning'), /another size or at another place/);
  await opened();
  assert.equal(await list().getAttribute('aria-disabled'), 'false');
  await button('Save').click();
  assert.match(await answer('Attention'), /^Nothing was written/);

  // Other releases, and a ROM cut inside its table, read as the command line reads
  // them; an edit saved as the command line writes it; the cut one is never written.
  // With edits unsaved, opening another ROM asks first: Cancel keeps them.
  const readAsCli = async (code) => {
    await opened();
    assert.ok((await exportList()).equals(run(cli, 'export', `${code}.gba`, '--partial')), code);
  };
  await open('AXVE.gba');
  await readAsCli('AXVE');
  await changeRow(1, 3);
  const savedAxve = await download(() => button('Save').click(), 'AXVE.gba');
  await answer('Attention');
  await sameAsCli('AXVE', savedAxve);
  await changeRow(2, 4);
  await open('BPGF.gba');
  assert.equal(await answer('Warning', 'Cancel'), 'Save the changes to AXVE.gba?');
  assert.equal(await page.title(), '* AXVE.gba');
  await open('BPGF.gba');
  await answer('Warning', 'Discard');
  await readAsCli('BPGF');
  // Every other release reads as the command line reads it.
  for (const release of ['AXVE:1', 'AXVE:2', 'AXPE', 'AXPE:1', 'AXPE:2', 'BPRE:1', 'BPGE',
    'BPGE:1', 'AXVF', 'AXPF', 'BPEF', 'BPRF', 'AXVD', 'AXVD:1', 'AXPD', 'AXPD:1']) {
    const name = release.replace(':', '-');
    run(makeRom, release, `${name}.gba`);
    await open(`${name}.gba`);
    await readAsCli(name);
  }
  await open('cut.gba');
  await readAsCli('cut');
  await changeRow(0, 3);
  await button('Save').click();
  assert.match(await answer('Attention'), /could not be saved/);
  assert.equal(await page.title(), '* cut.gba', 'a failed save leaves the edits marked');

  // Where the browser hands over the file itself, Save writes into it, and only
  // while it is still the ROM that was opened. A save that writes nothing opens nothing.
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
    window.showOpenFilePicker = async () => [{
      getFile: async () => new File([window.picked], 'BPEE.gba'),
      createWritable: async () => ({ write: async (d) => { window.picked = new Uint8Array(d); },
        close: async () => {} }),
    }];
  });
  await button('Open').click();
  await answer('Warning', 'Save');
  assert.match(await answer('Attention'), /could not be saved/);
  assert.equal(await page.title(), '* cut.gba');
  await button('Open').click();
  await answer('Warning', 'Discard');
  await opened();
  await changeRow(1, 3);
  await button('Save').click();
  await answer('Attention');
  const savedBpee = await picked();
  await sameAsCli('BPEE', savedBpee);
  await swap(bytes('moved.gba'));
  await changeRow(2, 4);
  await button('Save').click();
  assert.match(await answer('Attention'), /no longer the rom that was opened/);
  assert.ok((await picked()).equals(bytes('moved.gba')), 'nothing was written');
  await swap(savedBpee);

  // The 16 MiB ROM: the repair question, the list and the counters.
  await open('fire.gba');
  assert.equal(await answer('Warning', 'Save'), 'Save the changes to BPEE.gba?');
  await answer('Attention');
  assert.ok(!(await picked()).equals(savedBpee), 'saved before the next ROM opened');
  assert.match(await answer('Attention', 'Yes'), /corrupted/);
  await opened();
  const openTime = await page.evaluate(() => window.quenmarkTimes.open);
  assert.equal(await row(0).getAttribute('aria-setsize'), '1138');
  assert.ok(await list().getByRole('option').count() < 60, 'the list is virtualised');
  assert.match(await page.locator('#species-count').textContent(), /^Number of Pokémon: \d+$/);
  assert.equal(await page.getByRole('combobox').locator('option').count(), 766);

  // The language switch.
  await button('Français').click();
  await list('Attaques des oeufs').waitFor();
  await button("Changer l'Entrée").waitFor();
  assert.match(await page.locator('#moves-count').textContent(), /^Nombre d'Attaques: \d+$/);
  await button('English').click();

  // Edits, an undo, find; then a save and an export that match the command line's.
  await row(1).click();
  await page.getByRole('combobox').selectOption({ index: 3 });
  await button('Change Entry').click();
  const editTime = await page.evaluate(() => window.quenmarkTimes.edit);
  await row(2).click();
  await page.getByRole('combobox').selectOption({ index: 500 });
  await button('Insert New Entry').click();
  await row(7).click();
  await button('Delete Entry').click();
  await button('Undo Delete').click();
  await button('Français').click();
  await button('Rétablir Supprimer').waitFor();
  await button('Annuler Insérer').waitFor();
  await button('English').click();
  const line12 = (await row(12).textContent()).trim();
  await page.getByRole('searchbox').fill(line12.toLowerCase());
  await button('Find').click();
  assert.equal(await list().locator('[aria-selected="true"]').textContent(), (await row(12).textContent()));

  const saved = await saveRom(/successfully saved/);
  const exported = await exportList();
  fs.writeFileSync(at('list.txt'), exported);
  run(cli, 'import', 'reference.gba', 'list.txt');
  assert.ok(saved.equals(bytes('reference.gba')), 'the saved ROM is what the command line writes');
  assert.ok(exported.equals(run(cli, 'export', 'reference.gba')), 'the export is the command line\'s');

  // Find again from the only row that matches stays on it.
  const lines = exported.toString('latin1').split(/\r?\n/).map((l) => l.trim().toLowerCase());
  const only = lines.findIndex((l) => /^[ -~]+$/.test(l) && lines.filter((m) => m.includes(l)).length === 1);
  await page.getByRole('searchbox').fill(lines[only]);
  await button('Find').click();
  await button('Find').click();
  assert.equal(await dialog.count(), 0);
  assert.equal(await list().locator('[aria-selected="true"]').getAttribute('aria-posinset'), String(only + 1));
  await list().press('Home');

  // An import of another table's CSV, and its undo.
  await page.locator('#table-input').setInputFiles(at('other.csv'));
  assert.ok((await exportList()).equals(run(cli, 'export', 'other.gba')));
  await page.keyboard.press('Control+z');
  assert.ok((await exportList()).equals(exported));
  fs.writeFileSync(at('bad.json'), '{"rows": [');
  await page.locator('#table-input').setInputFiles(at('bad.json'));
  assert.match(await answer('Attention'), /^The file was refused at line \d+: .+\. Nothing was changed\.$/);

  // Check's findings, then Enlarge Table and the grown save.
  await button('Check').click();
  assert.ok(await page.locator('#findings li').count() > 0);
  await button('Enlarge Table...').click();
  await dialog.getByRole('spinbutton').fill('10');
  await answer('Enlarge Table');
  assert.equal(await row(0).getAttribute('aria-setsize'), '1148');
  const grown = await saveRom(/now holds 1148 entries/);
  fs.writeFileSync(at('grown.txt'), await exportList());
  run(cli, 'import', '--grow', 'reference.gba', 'grown.txt');
  assert.ok(grown.equals(bytes('reference.gba')), 'the grown ROM is what the command line writes');
  assert.equal(grown.length, bytes('fire.gba').length);

  // The largest table the core allows: an edit there is as quick.
  await button('Enlarge Table...').click();
  await dialog.getByRole('spinbutton').fill(String(16384 - 1148));
  await dialog.getByRole('spinbutton').press('Enter');
  await dialog.waitFor({ state: 'detached' });
  assert.equal(await row(0).getAttribute('aria-setsize'), '16384');
  await row(1).click();
  await button('Delete Entry').click();
  const largeEditTime = await page.evaluate(() => window.quenmarkTimes.edit);

  await page.screenshot({ path: at('quenmark.png') });
  assert.deepEqual(requests, [], 'no request leaves the page');
  assert.deepEqual(errors, []);
  // Leaving the page with edits unsaved asks first.
  const leaving = page.waitForEvent('dialog');
  await page.close({ runBeforeUnload: true });
  const question = await leaving;
  assert.equal(question.type(), 'beforeunload');
  await question.accept();
  const size = fs.statSync(pageFile).size;
  console.log(JSON.stringify({ openMs: openTime, editMs: editTime, largeEditMs: largeEditTime,
    pageBytes: size }));
  assert.ok(size < 2 * 1024 * 1024, 'the page stays under 2 MB');
  await browser.close();
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
