// Makes the single-file page: page.html with its style, its script and the
// core's WebAssembly inside it, and a Content-Security-Policy that lets that
// one script and that one style run and nothing else, least of all a
// connection.
// The license goes into the page as a comment.
// usage: node assemble.mjs PAGE.html STYLE.css SCRIPT.js CORE.wasm LICENSE VERSION OUT.html
import { readFileSync, writeFileSync } from 'node:fs';
import { createHash } from 'node:crypto';

const [page, style, script, core, license, version, out] = process.argv.slice(2);
const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;

const css = read(style);
const code = read(script).replace('@CORE_WASM@', readFileSync(core).toString('base64'));
// Replacements are functions, so that a '$' in them stays as it is.
const html = read(page)
  .replace('@LICENSE@', () => read(license))
  .replaceAll('@VERSION@', version)
  .replace('@SCRIPT_HASH@', () => hash(code))
  .replace('@STYLE_HASH@', () => hash(css))
  .replace('@STYLE@', () => css)
  .replace('@SCRIPT@', () => code);
writeFileSync(out, html);
