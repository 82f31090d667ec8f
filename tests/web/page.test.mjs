// The page in a real, headless Chromium, as a user meets it: opened from
// disk, files picked, a bank chosen, the changed copy downloaded.
// TAVRELON_PAGE names the built page; TAVRELON_CHROMIUM the browser
// (/usr/bin/chromium); TAVRELON_SCREENSHOT, if set, where to
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
    executablePath: process.env.TAVRELON_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
  });
});
after(async () => {
  await browser?.close();
  rmSync(scratch, { recursive: true, force: true });
});

// A PCG file: the magic, a header with CR, LF and NUL in it, the bank byte,
// then the program data.
const pcgBytes = (bank) => Buffer.from(`KORG\r\n\0\x1a${' '.repeat(43)}${String.fromCharCode(bank)}data\r\n\0`, 'latin1');
function makeFile(name, bytes) {
  writeFileSync(join(scratch, name), bytes);
  return join(scratch, name);
}
const withBank = (bytes, bank) => Buffer.from(bytes).fill(bank, 51, 52);

// A page in a context of its own; every request it makes goes to requests.
async function openPage(options = {}, requests = []) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  context.on('request', (request) => requests.push(request.url()));
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
async function downloaded(page, name, click) {
  const [file] = await Promise.all([page.waitForEvent('download'),
    click ?? page.getByRole('link', { name: `Download ${name}`, exact: true }).click()]);
  assert.equal(file.suggestedFilename(), name);
  return file.path();
}

test('by keyboard alone, from disk: bank D in byte 51 only, no request, and the policy refuses one', async () => {
  assert.ok(statSync(process.env.TAVRELON_PAGE).size <= 64 * 1024);
  const original = pcgBytes(0);
  const path = makeFile('classic.pcg', original);
  const requests = [];
  const page = await openPage({}, requests);
  page.on('filechooser', (chooser) => chooser.setFiles(path));
  for (const key of ['Tab', 'Space']) await page.keyboard.press(key);
  await page.waitForFunction(() => document.querySelector('li'));
  assert.deepEqual(await rows(page), ['classic.pcg: bank A']);

  for (const key of ['Tab', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'Tab', 'Enter']) await page.keyboard.press(key);
  assert.deepEqual(await rows(page), [`classic.pcg: ${changed}Download classic.pcg`]);
  await page.keyboard.press('Tab');
  const copy = await downloaded(page, 'classic.pcg', page.keyboard.press('Enter'));
  assert.deepEqual(readFileSync(copy), withBank(original, 3));

  const blocked = await page.evaluate(() => new Promise((resolve) => {
    document.addEventListener('securitypolicyviolation', (event) => resolve(event.effectiveDirective));
    fetch('http://127.0.0.1:9/').catch(() => setTimeout(() => resolve('not refused by the page'), 1000));
  }));
  assert.equal(blocked, 'connect-src');
  assert.deepEqual(requests.filter((url) => url !== pageUrl && !url.startsWith('blob:')), []);
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
  assert.deepEqual(readFileSync(await downloaded(page, 'good.pcg')), withBank(good, 1));

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
  const original = Buffer.alloc(100 * 1024 * 1024, 'PCG data \r\n');
  pcgBytes(4).copy(original);
  const path = makeFile('large.pcg', original);
  const expected = createHash('sha256').update(withBank(original, 2)).digest('hex');
  const page = await openPage();
  // Every way a page can read a file's contents, with the size it asked for.
  await page.addInitScript(() => {
    window.sizesRead = [];
    const readers = { Blob: ['arrayBuffer', 'text', 'stream', 'bytes'],
      FileReader: ['readAsArrayBuffer', 'readAsText', 'readAsDataURL', 'readAsBinaryString'] };
    for (const [type, names] of Object.entries(readers)) {
      for (const name of names.filter((n) => window[type].prototype[n])) {
        const real = window[type].prototype[name];
        window[type].prototype[name] = function (...args) {
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
  const copy = await downloaded(page, 'large.pcg');
  assert.deepEqual(await page.evaluate(() => window.sizesRead), [52]);
  const hash = createHash('sha256');
  for await (const chunk of createReadStream(copy)) hash.update(chunk);
  assert.equal(hash.digest('hex'), expected);
  await page.context().close();
});

test('on a phone, with a long name: no sideways scroll, and axe-core finds nothing, light or dark', async () => {
  const name = `${'StringsAndPads'.repeat(6)}.pcg`;
  const page = await openPage({ viewport: { width: 360, height: 740 } });
  await picker(page).setInputFiles([makeFile(name, pcgBytes(0)), makeFile('b.pcg', Buffer.from('KORG'))]);
  await changeButton(page).click();
  assert.deepEqual(await links(page), [`Download ${name}`]);
  const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
  assert.ok(widths[0] <= widths[1], `the page is ${widths[0]} px wide in a ${widths[1]} px window`);

  await page.evaluate(axe.source);
  for (const colorScheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme });
    const found = await page.evaluate(async () => (await window.axe.run()).violations);
    assert.deepEqual(found.map((v) => `${colorScheme}: ${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`), []);
  }
  await page.context().close();
});
