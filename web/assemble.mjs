// Makes the single-file page: page.html with its style, its script and the
// core's WebAssembly inside it, and a Content-Security-Policy that lets that
// one script and that one style run and nothing else, least of all a
// connection.  The license goes into the page as a comment.  A site
// (site.mjs) adds to the page's head and to its policy what it needs.
// usage: node assemble.mjs PAGE.html STYLE.css ENTRY.js CORE.wasm LICENSE VERSION OUT.html
import { readFileSync, writeFileSync } from 'node:fs';
import { createHash } from 'node:crypto';
import { dirname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';

const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

// The script: the entry module and the modules it imports, each in a
// function of its own whose result is what it exports, every module after
// those it imports.  The modules keep to two forms, which this reads:
//   import { a, b } from './module.js';   (or './folder/module.js')
//   export function a / export async function a / export const a
const importLine = /^import \{([^}]*)\} from '\.\/([\w/-]+\.js)';\n/gm;
const exportWord = /^export (?:async function|function|const) (\w+)/gm;
const names = (list) => list.split(',').map((name) => name.trim()).filter(Boolean);
// A module's name in the script, from its path below the entry's folder.
const moduleOf = (root, file) => `module_${relative(root, file).replace(/\.js$/, '').replace(/\W/g, '_')}`;
function bundle(file, done = new Map(), importers = [], root = dirname(file)) {
  if (importers.includes(file)) throw new Error(`modules import each other: ${[...importers, file].join(' → ')}`);
  if (done.has(file)) return done;
  const source = read(file);
  const imports = [...source.matchAll(importLine)].map(([, list, from]) => [names(list), join(dirname(file), from)]);
  for (const [, from] of imports) bundle(from, done, [...importers, file], root);
  const exported = [...source.matchAll(exportWord)].map(([, name]) => name);
  for (const [list, from] of imports) {
    const missing = list.filter((name) => !done.get(from).exported.includes(name));
    if (missing.length) throw new Error(`${file}: ${from} does not export ${missing.join(', ')}`);
  }
  const module = moduleOf(root, file);
  // The page carries the script without its lines of comment alone, which
  // are for the reader of its source.
  const body = source
    .replace(/^\s*\/\/.*\n/gm, '')
    .replace(importLine, (_, list, from) => `const {${list}} = ${moduleOf(root, join(dirname(file), from))};\n`)
    .replace(/^export /gm, '');
  done.set(file, { exported, name: module, text: `const ${module} = (() => {\n${body}return { ${exported.join(', ')} };\n})();\n` });
  return done;
}

// What a module of the page's exports, run here with those it imports: for
// modules that need no browser.
export function loadModule(file) {
  const modules = [...bundle(file).values()];
  return new Function(`${modules.map((module) => module.text).join('')}return ${modules.at(-1).name};`)();
}

// The page's words in English, as the script puts them in the language it
// shows (words.js, which speaks English until told otherwise): the text of
// each element with data-words, its {placeholders} filled from the
// element's data (data-version for {version}).  A browser that cannot run
// the script still shows them.
function fillWords(html, { say }) {
  const escape = (words) => words.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  return html.replace(/<(\w+)([^>]*) data-words="(\w+)"([^>]*)><\/\1>/g, (element, tag, before, key, after) => {
    const data = Object.fromEntries([...`${before}${after}`.matchAll(/ data-(\w+)="([^"]*)"/g)].map(([, name, value]) => [name, value]));
    return `<${tag}${before} data-words="${key}"${after}>${escape(say(key, data))}</${tag}>`;
  });
}

// The page of [PAGE, STYLE, ENTRY, CORE, LICENSE], with site's head and
// policy where a site serves it.
export function assemble([page, style, entry, core, license], version, site = { head: '', policy: '' }) {
  const script = `'use strict';\n${[...bundle(entry).values()].map((module) => module.text).join('')}`;
  const code = script.replace('@CORE_WASM@', readFileSync(core).toString('base64'));
  const css = read(style);
  // Replacements are functions, so that a '$' in them stays as it is.
  const html = fillWords(read(page).replaceAll('@VERSION@', version), loadModule(join(dirname(entry), 'words.js')));
  return html
    .replace('@LICENSE@', () => read(license))
    .replace('@SITE_POLICY@', () => site.policy)
    .replace('@SITE_HEAD@', () => site.head)
    .replace('@SCRIPT_HASH@', () => hash(code))
    .replace('@STYLE_HASH@', () => hash(css))
    .replace('@STYLE@', () => css)
    .replace('@SCRIPT@', () => code);
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const args = process.argv.slice(2);
  writeFileSync(args[6], assemble(args.slice(0, 5), args[5]));
}
