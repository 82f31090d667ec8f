// The three engines the page is tested in, behind the same few calls:
// Chromium and Firefox through puppeteer-core (CDP and WebDriver BiDi),
// WebKitGTK, Safari's engine, through WebKitWebDriver and selenium-webdriver
// in an Xvfb of its own.
// TAVRELON_CHROMIUM and TAVRELON_FIREFOX name the browsers.  A session is one
// fresh window on the page:
//   evaluate(fn, ...args)  fn's result in the page (fn must not be async)
//   pick(paths)            files chosen through the page's file input
//   click(selector), select(selector, value), screenshot(path), close()
//   press(selector, keys)  keys ('ArrowUp', 'ArrowDown') pressed in an element
//   downloaded(name, size) the bytes of a finished download, once it is
//                          there and whole (a copy's size, if given)
// A select is focused before it is chosen from, as a user's is.
// Chromium's and Firefox's sessions also have puppeteer's page and its
// console's errors; open() takes { viewport, beforeLoad }, a function or
// [function, ...args] run before the page's script; their engines have
// puppeteer's browser, and chromium(launch) more launch options.
import { spawn } from 'node:child_process';
import { createHash } from 'node:crypto';
import {
  existsSync,
  mkdirSync,
  mkdtempSync,
  readFileSync,
  rmSync,
  statSync,
  writeFileSync,
} from 'node:fs';
import { createServer as createHttpServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { By, Capabilities, Key, WebDriver } from 'selenium-webdriver';
import { Executor, HttpClient } from 'selenium-webdriver/http/index.js';
import { DriverService } from 'selenium-webdriver/remote/index.js';

export const until = async (what, check, seconds = 30) => {
  for (const end = Date.now() + seconds * 1000; Date.now() < end; await sleep(50)) {
    const value = await check();
    if (value) return value;
  }
  throw new Error(`timed out waiting for ${what}`);
};
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A finished download: there, with no partial file beside it (Firefox makes
// the file empty first and its .part file after), and whole.  WebKitGTK
// writes a download in place as its bytes come: a zip is whole once it ends
// in its end record, a copy once it is size bytes long.
async function downloadedIn(folder, name, size) {
  const path = join(folder, name);
  const whole = (bytes) =>
    name.endsWith('.zip')
      ? bytes.length >= 22 && bytes.readUInt32LE(bytes.length - 22) === 0x06054b50
      : bytes.length > 0 && bytes.length >= (size ?? 0);
  return until(`the download ${name}`, () => {
    if (!existsSync(path) || partial.some((end) => existsSync(path + end))) return null;
    const bytes = readFileSync(path);
    return whole(bytes) && bytes;
  });
}
const partial = ['.part', '.crdownload', '.download'];

const chromiumArgs = [
  '--no-sandbox',
  '--disable-gpu',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

async function puppeteerEngine(name, launch) {
  const browser = await puppeteer.launch({ headless: true, ...launch });
  return {
    name,
    browser,
    async open(url, options = {}) {
      const downloads = mkdtempSync(join(tmpdir(), 'tavrelon-downloads-'));
      const context = await browser.createBrowserContext({
        downloadBehavior: { policy: 'allow', downloadPath: downloads },
      });
      const page = await context.newPage();
      const requests = [];
      const errors = [];
      page.on('request', (request) => requests.push(request.url()));
      page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
      page.on('pageerror', (error) => errors.push(error.message));
      if (options.viewport) await page.setViewport(options.viewport);
      if (options.beforeLoad) await page.evaluateOnNewDocument(...[options.beforeLoad].flat());
      await page.goto(url);
      return {
        page,
        requests,
        errors,
        evaluate: (fn, ...args) => page.evaluate(fn, ...args),
        pick: async (paths, input = '#files') => (await page.$(input)).uploadFile(...paths),
        click: (selector) => page.click(selector),
        select: (selector, value) => page.focus(selector).then(() => page.select(selector, value)),
        press: async (selector, keys) => {
          await page.focus(selector);
          for (const key of keys) await page.keyboard.press(key);
        },
        downloaded: (file, size) => downloadedIn(downloads, file, size),
        screenshot: (path) => page.screenshot({ path, fullPage: true }),
        async close() {
          await context.close();
          rmSync(downloads, { recursive: true, force: true });
        },
      };
    },
    close: () => browser.close(),
  };
}

// As root, Chromium runs without root's leave to read any file.
export async function chromium(launch = {}) {
  const path = process.env.TAVRELON_CHROMIUM ?? '/usr/bin/chromium';
  const folder = mkdtempSync(join(tmpdir(), 'tavrelon-chromium-'));
  const unprivileged = join(folder, 'chromium');
  const caps = '-dac_override,-dac_read_search';
  writeFileSync(
    unprivileged,
    `#!/bin/sh\nexec setpriv --inh-caps=${caps} --bounding-set=${caps} '${path}' "$@"\n`,
    { mode: 0o755 },
  );
  const engine = await puppeteerEngine('Chromium', {
    browser: 'chrome',
    executablePath: process.getuid() === 0 ? unprivileged : path,
    args: chromiumArgs,
    ...launch,
  });
  return {
    ...engine,
    close: () => engine.close().finally(() => rmSync(folder, { recursive: true, force: true })),
  };
}
export const firefox = () =>
  puppeteerEngine('Firefox', {
    browser: 'firefox',
    executablePath: process.env.TAVRELON_FIREFOX ?? '/usr/bin/firefox-esr',
  });

// A web server on the loopback, for what needs an origin: { url, port,
// close }.  It serves a file at every path, or a folder, on a port of its own
// or on an earlier one's (the same origin).
const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};
export async function serve(root, port = 0) {
  const server = createHttpServer((request, response) => {
    const path = statSync(root).isDirectory()
      ? join(root, new URL(request.url, 'http://host').pathname.replace(/\/$/, '/index.html'))
      : root;
    if (!existsSync(path)) return response.writeHead(404).end();
    response.setHeader('content-type', types[extname(path)] ?? 'application/octet-stream');
    return response.end(readFileSync(path));
  }).listen(port, '127.0.0.1');
  await new Promise((resolve) => server.once('listening', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    port: server.address().port,
    close: () =>
      new Promise((resolve) => {
        server.close(resolve);
        server.closeAllConnections();
      }),
  };
}

// Run in a served page: files of the origin's own file system, { path:
// bytes }, bytes being an array or, for many files alike, a key of alike.
// window.made then holds each top-level file's or folder's handle by name.
export async function makeOriginFiles(files, alike = {}) {
  const root = await navigator.storage.getDirectory();
  window.made = {};
  for (const [path, bytes] of Object.entries(files)) {
    const names = path.split('/');
    let folder = root;
    for (const name of names.slice(0, -1)) {
      folder = await folder.getDirectoryHandle(name, { create: true });
      window.made[names[0]] ??= folder;
    }
    const handle = await folder.getFileHandle(names.at(-1), { create: true });
    window.made[names[0]] ??= handle;
    const writable = await handle.createWritable();
    await writable.write(new Uint8Array(alike[bytes] ?? bytes));
    await writable.close();
  }
}

// Run in the page: counts the reads of the bytes past a file's header once
// done, as tailsRead(session, n) waits for n of them: a file saved again
// since the pick is told by them.
export function countTails() {
  if (window.tailsRead !== undefined) return void (window.tailsRead = 0);
  window.tailsRead = 0;
  const { slice, arrayBuffer } = Blob.prototype;
  Blob.prototype.slice = function (start, ...rest) {
    return Object.assign(slice.call(this, start, ...rest), { tail: start > 51 });
  };
  Blob.prototype.arrayBuffer = function () {
    const read = arrayBuffer.call(this);
    if (this.tail)
      read.then(() => {
        window.tailsRead++;
      });
    return read;
  };
}
export const tailsRead = (session, n) =>
  until('every file read to its end', () => session.evaluate((all) => window.tailsRead >= all, n));

// A tag's inline text; a page's policy beside the one it should have.
export const inline = (html, tag) => html.match(new RegExp(`<${tag}>([^]*?)</${tag}>`))[1];
export function policies(html, extra = '') {
  const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
  return [
    html.match(/<meta http-equiv="Content-Security-Policy" content="([^"]*)">/)[1],
    `default-src 'none'; ` +
      `script-src ${hash(inline(html, 'script'))} 'wasm-unsafe-eval'; style-src ${hash(inline(html, 'style'))};${extra} base-uri 'none'; form-action 'none'`,
  ];
}

// An X server on a display of its own choosing.
function startXvfb() {
  const xvfb = spawn(
    'Xvfb',
    ['-displayfd', '1', '-nolisten', 'tcp', '-screen', '0', '1280x1024x24'],
    { stdio: ['ignore', 'pipe', 'ignore'] },
  );
  return new Promise((resolve, reject) => {
    xvfb.on('error', reject);
    xvfb.stdout.once('data', (data) => resolve({ xvfb, display: `:${String(data).trim()}` }));
  });
}

// WebKitGTK: MiniBrowser driven by WebKitWebDriver, through Selenium's own
// bindings.  Its downloads go to the XDG download folder, which a
// configuration folder of its own names.
export async function webkit() {
  const scratch = mkdtempSync(join(tmpdir(), 'tavrelon-webkit-'));
  const downloads = join(scratch, 'downloads');
  mkdirSync(join(scratch, 'config'), { recursive: true });
  writeFileSync(join(scratch, 'config', 'user-dirs.dirs'), `XDG_DOWNLOAD_DIR="${downloads}"\n`);
  const { xvfb, display } = await startXvfb();
  const service = new DriverService.Builder('WebKitWebDriver')
    .setLoopback(true)
    .setEnvironment({
      ...process.env,
      DISPLAY: display,
      HOME: scratch,
      XDG_CONFIG_HOME: join(scratch, 'config'),
    })
    .build();
  const executor = new Executor(new HttpClient(await service.start()));
  const capabilities = { 'webkitgtk:browserOptions': { args: ['--automation'] } };
  return {
    name: 'WebKitGTK',
    async open(url) {
      rmSync(downloads, { recursive: true, force: true });
      mkdirSync(downloads);
      const driver = WebDriver.createSession(executor, new Capabilities(capabilities));
      const evaluate = (fn, ...args) =>
        driver.executeScript(`return (${fn}).apply(null, arguments);`, ...args);
      const element = (selector) => driver.findElement(By.css(selector));
      await driver.get(url);
      return {
        evaluate,
        pick: async (paths) => (await element('#files')).sendKeys(paths.join('\n')),
        // WebKitWebDriver cannot scroll to a row the page has not laid out yet.
        click: async (selector) => {
          await evaluate(
            (sel) => document.querySelector(sel).scrollIntoView({ block: 'center' }),
            selector,
          );
          return (await element(selector)).click();
        },
        select: (selector, value) =>
          evaluate(
            (s, v) => {
              const choice = document.querySelector(s);
              choice.focus();
              choice.value = v;
              choice.dispatchEvent(new Event('change', { bubbles: true }));
            },
            selector,
            value,
          ),
        // Selenium's names of keys: ArrowUp is ARROW_UP.
        press: async (selector, keys) =>
          (await element(selector)).sendKeys(
            ...keys.map((key) => Key[key.replace(/\B[A-Z]/g, '_$&').toUpperCase()]),
          ),
        downloaded: (file, size) => downloadedIn(downloads, file, size),
        screenshot: async (path) =>
          writeFileSync(path, Buffer.from(await driver.takeScreenshot(), 'base64')),
        close: () => driver.quit(),
      };
    },
    async close() {
      await service.kill();
      xvfb.kill();
      rmSync(scratch, { recursive: true, force: true });
    },
  };
}
