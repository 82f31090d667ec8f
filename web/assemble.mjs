// Makes the single-file page: page.html with its style, its script and the
// core's WebAssembly inside it, and a Content-Security-Policy that lets that
// one script and that one style run and nothing else, least of all a
// connection.  The license goes into the page as a comment.  A site
// (site.mjs) adds to the page's head and to its policy what it needs.
// usage: node assemble.mjs PAGE.html STYLE.css ENTRY.js CORE.wasm LICENSE VERSION OUT.html
import { readFileSync, writeFileSync } from 'node:fs';
import { createHash } from 'node:crypto';
import { basename, dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

// The script: the entry module and the modules it imports, each in a
// function of its own whose result is what it exports, every module after
// those it imports.  The modules keep to two forms, which this reads:
//   import { a, b } from './module.js';
//   export function a / export async function a / export const a
const importLine = /^import \{([^}]*)\} from '\.\/([\w-]+\.js)';\n/gm;
const exportWord = /^export (?:async function|function|const) (\w+)/gm;
const names = (list) => list.split(',').map((name) => name.trim()).filter(Boolean);
function bundle(file, done = new Map(), importers = []) {
  if (importers.includes(file)) throw new Error(`modules import each other: ${[...importers, file].join(' → ')}`);
  if (done.has(file)) return done;
  const source = read(file);
  const imports = [...source.matchAll(importLine)].map(([, list, from]) => [names(list), join(dirname(file), from)]);
  for (const [, from] of imports) bundle(from, done, [...importers, file]);
  const exported = [...source.matchAll(exportWord)].map(([, name]) => name);
  for (const [list, from] of imports) {
    const missing = list.filter((name) => !done.get(from).exported.includes(name));
    if (missing.length) throw new Error(`${file}: ${from} does not export ${missing.join(', ')}`);
  }
  const module = `module_${basename(file, '.js')}`;
  const body = source
    .replace(importLine, (_, list, from) => `const {${list}} = module_${basename(from, '.js')};\n`)
    .replace(/^export /gm, '');
  done.set(file, { exported, text: `const ${module} = (() => {\n${body}return { ${exported.join(', ')} };\n})();\n` });
  return done;
}

// The page of [PAGE, STYLE, ENTRY, CORE, LICENSE], with site's head and
// policy where a site serves it.
export function assemble([page, style, entry, core, license], version, site = { head: '', policy: '' }) {
  const script = `'use strict';\n${[...bundle(entry).values()].map((module) => module.text).join('')}`;
  const code = script.replace('@CORE_WASM@', readFileSync(core).toString('base64'));
  const css = read(style);
  // Replacements are functions, so that a '$' in them stays as it is.
  return read(page)
    .replace('@LICENSE@', () => read(license))
    .replaceAll('@VERSION@', version)
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
