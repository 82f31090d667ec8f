// The page in a real, headless Chromium, as a user meets it: opened from
// disk, files picked, a bank chosen, the changed copy downloaded.
// TAVRELON_PAGE names the built page; TAVRELON_SCREENSHOT, if set, where to
// save a picture of it for README.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { createReadStream, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import axe from 'axe-core';
import { chromium } from 'playwright-core';

const pageUrl = pathToFileURL(process.env.TAVRELON_PAGE).href;
const notPcg = 'ERROR: File is not a valid KORG PCG file';
const changed = 'Bank changed successfully :)';
let browser;
let scratch;

before(async () => {
  scratch = mkdtempSync(join(tmpdir(), 'tavrelon-web-'));
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-sync',
      '--disable-background-networking', '--disable-component-update'],
  });
});
after(async () => {
  await browser?.close();
  rmSync(scratch, { recursive: true, force: true });
});

// A PCG file: the magic, a header with CR, LF and NUL in it, the bank byte,
// then the program data.
function pcgBytes(bank, data = 'program data\r\n\0\x1a') {
  const header = Buffer.from('KORG\r\n\0\x1a' + ' '.repeat(43), 'latin1');
  return Buffer.concat([header, Buffer.from([bank]), Buffer.from(data, 'latin1')]);
}
function makeFile(name, bytes) {
  const path = join(scratch, name);
  writeFileSync(path, bytes);
  return path;
}
function withBank(bytes, bank) {
  const copy = Buffer.from(bytes);
  copy[51] = bank;
  return copy;
}

async function openPage(options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  const page = await context.newPage();
  await page.goto(pageUrl);
  return page;
}
const picker = (page) => page.getByLabel('PCG files', { exact: true });
const bankChoice = (page) => page.getByLabel('Bank', { exact: true });
const changeButton = (page) => page.getByRole('button', { name: 'Change bank', exact: true });
// The rows, as a screen reader hears them: inside the live region.
const rows = (page) => page.locator('[aria-live="polite"] li').allTextContents();
const links = (page) => page.getByRole('link').allTextContents();
async function download(page, name) {
  const [file] = await Promise.all([
    page.waitForEvent('download'),
    page.getByRole('link', { name: `Download ${name}`, exact: true }).click(),
  ]);
  assert.equal(file.suggestedFilename(), name);
  return file;
}

test('a file changed to bank D by keyboard alone: the copy differs in byte 51 only', async () => {
  const original = pcgBytes(0);
  const path = makeFile('classic.pcg', original);
  const page = await openPage();
  page.on('filechooser', (chooser) => chooser.setFiles(path));
  await page.keyboard.press('Tab');
  await page.keyboard.press('Space');
  await page.waitForFunction(() => document.querySelector('li'));
  assert.deepEqual(await rows(page), ['classic.pcg: bank A']);

  await page.keyboard.press('Tab');
  for (let i = 0; i < 3; i++) await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Enter');
  assert.deepEqual(await rows(page), [`classic.pcg: ${changed}Download classic.pcg`]);

  await page.keyboard.press('Tab');
  const [file] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Enter')]);
  assert.equal(file.suggestedFilename(), 'classic.pcg');
  assert.deepEqual(readFileSync(await file.path()), withBank(original, 3));
  await page.context().close();
});

test('several files: the refused ones in the program\'s words with no link; a new bank or pick starts over', async () => {
  const good = pcgBytes(7);
  const files = [
    makeFile('good.pcg', good),
    makeFile('korx.pcg', Buffer.concat([Buffer.from('KORx'), good.subarray(4)])),
    makeFile('short.pcg', good.subarray(0, 51)),
    makeFile('empty.pcg', Buffer.alloc(0)),
  ];
  const page = await openPage({ viewport: { width: 720, height: 400 } });
  await picker(page).setInputFiles(files);
  const refused = [`korx.pcg: ${notPcg}`, `short.pcg: ${notPcg}`, `empty.pcg: ${notPcg}`];
  assert.deepEqual(await rows(page), ['good.pcg: bank H', ...refused]);

  await bankChoice(page).selectOption('Z');
  await changeButton(page).click();
  assert.deepEqual(await rows(page), [`good.pcg: ${changed}Download good.pcg`, ...refused]);
  assert.deepEqual(await links(page), ['Download good.pcg']);
  if (process.env.TAVRELON_SCREENSHOT) await page.screenshot({ path: process.env.TAVRELON_SCREENSHOT, fullPage: true });

  await bankChoice(page).selectOption('B');
  assert.deepEqual(await rows(page), ['good.pcg: bank H', ...refused]);
  assert.deepEqual(await links(page), []);
  await changeButton(page).click();
  assert.deepEqual(readFileSync(await (await download(page, 'good.pcg')).path()), withBank(good, 1));

  // Dropped files replace the picked ones.
  const drop = await page.evaluateHandle(() => {
    const data = new DataTransfer();
    data.items.add(new File(['KORx'], 'dropped.pcg'));
    return data;
  });
  await page.dispatchEvent('body', 'drop', { dataTransfer: drop });
  await page.waitForFunction(() => document.querySelectorAll('li').length === 1);
  assert.deepEqual(await rows(page), [`dropped.pcg: ${notPcg}`]);
  assert.equal(await changeButton(page).isDisabled(), true);
  await page.context().close();
});

test('a 100 MiB file is changed without being read whole', async () => {
  const size = 100 * 1024 * 1024;
  const original = Buffer.alloc(size, 'PCG data \r\n');
  pcgBytes(4).copy(original);
  const path = makeFile('large.pcg', original);
  const expected = createHash('sha256').update(withBank(original, 2)).digest('hex');
  const page = await openPage();
  // Every way a page can read a file's contents, with the size it asked for.
  await page.addInitScript(() => {
    window.sizesRead = [];
    for (const [type, names] of [[Blob, ['arrayBuffer', 'text', 'stream', 'bytes']],
      [FileReader, ['readAsArrayBuffer', 'readAsText', 'readAsDataURL', 'readAsBinaryString']]]) {
      for (const name of names) {
        const real = type.prototype[name];
        if (!real) continue;
        type.prototype[name] = function (...args) {
          window.sizesRead.push((args[0] ?? this).size);
          return real.apply(this, args);
        };
      }
    }
  });
  await page.reload();
  await picker(page).setInputFiles(path);
  await page.waitForFunction(() => document.querySelector('li'));
  await bankChoice(page).selectOption('C');
  await changeButton(page).click();
  const file = await download(page, 'large.pcg');
  assert.deepEqual(await page.evaluate(() => window.sizesRead), [52]);
  const hash = createHash('sha256');
  for await (const chunk of createReadStream(await file.path())) hash.update(chunk);
  assert.equal(hash.digest('hex'), expected);
  await page.context().close();
});

test('opened from disk, the page, one file of 64 KiB at most, makes no request, and its policy refuses one', async () => {
  assert.ok(statSync(process.env.TAVRELON_PAGE).size <= 64 * 1024);
  const context = await browser.newContext({ acceptDownloads: true });
  const requests = [];
  context.on('request', (request) => requests.push(request.url()));
  const page = await context.newPage();
  await page.goto(pageUrl);
  await picker(page).setInputFiles(makeFile('net.pcg', pcgBytes(0)));
  await changeButton(page).click();
  await download(page, 'net.pcg');
  const blocked = await page.evaluate(() => new Promise((resolve) => {
    document.addEventListener('securitypolicyviolation', (event) => resolve(event.effectiveDirective));
    fetch('http://127.0.0.1:9/').catch(() => setTimeout(() => resolve('not refused by the page'), 1000));
  }));
  assert.equal(blocked, 'connect-src');
  assert.deepEqual(requests.filter((url) => url !== pageUrl && !url.startsWith('blob:')), []);
  await context.close();
});

test('axe-core finds nothing to fix, in light and dark mode', async () => {
  const page = await openPage();
  await picker(page).setInputFiles([makeFile('a.pcg', pcgBytes(0)), makeFile('b.pcg', Buffer.from('KORG'))]);
  await changeButton(page).click();
  await page.evaluate(axe.source);
  for (const colorScheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme });
    const found = await page.evaluate(async () => (await window.axe.run()).violations);
    assert.deepEqual(found.map((v) => `${colorScheme}: ${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`), []);
  }
  await page.context().close();
});

test('at 360 px wide, with a long name, nothing scrolls sideways', async () => {
  const name = `${'StringsAndPads'.repeat(6)}.pcg`;
  const page = await openPage({ viewport: { width: 360, height: 740 } });
  await picker(page).setInputFiles([makeFile(name, pcgBytes(0)), makeFile('x.pcg', Buffer.from('x'))]);
  await changeButton(page).click();
  assert.deepEqual(await links(page), [`Download ${name}`]);
  const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
  assert.ok(widths[0] <= widths[1], `the page is ${widths[0]} px wide in a ${widths[1]} px window`);
  await page.context().close();
});
