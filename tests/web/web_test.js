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
// elsewhere; other releases; and a file that is no ROM.
const grow = ['0x1000000', 'words=game', 'pad=EB0B20'];
run(makeRom, 'BPRE', 'fire.gba', ...grow, '5=0000');
run(makeRom, 'BPRE', 'other.gba', ...grow, '0=4E25', '1=0005', '2=0007');
run(makeRom, 'BPRE', 'foreign.gba', 'words=0825EF0C,0825EF0C,500');
run(makeRom, 'BPRE', 'cut.gba', '0x25F000');
for (const code of ['AXVE', 'BPEE', 'BPGF']) run(makeRom, code, `${code}.gba`);
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
  const saveRom = async (message) => {
    assert.equal(await page.title(), '* fire.gba', 'the title marks the edits');
    const saved = await download(() => button('Save').click(), 'fire.gba');
    assert.match(await answer('Attention'), message);
    assert.equal(await page.title(), 'fire.gba');
    return saved;
  };

  // Files that are no ROM, or whose table the game does not read.
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
  // them; the cut one is never written.
  for (const code of ['AXVE', 'BPEE', 'BPGF', 'cut']) {
    await open(`${code}.gba`);
    assert.match(await answer('Warning', 'Yes'), /already a file open/);
    await opened();
    assert.ok((await exportList()).equals(run(cli, 'export', `${code}.gba`, '--partial')), code);
  }
  await row(0).click();
  await button('Change Entry').click();
  await button('Save').click();
  assert.match(await answer('Attention'), /could not be saved/);
  assert.equal(await page.title(), '* cut.gba', 'a failed save leaves the edits marked');

  // The 16 MiB ROM: the repair question, the list and the counters.
  await open('fire.gba');
  await answer('Warning', 'Yes');
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
  await button('Undo').click();
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
  const size = fs.statSync(pageFile).size;
  console.log(JSON.stringify({ openMs: openTime, editMs: editTime, largeEditMs: largeEditTime,
    pageBytes: size }));
  assert.ok(size < 2 * 1024 * 1024, 'the page stays under 2 MB');
  await browser.close();
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
