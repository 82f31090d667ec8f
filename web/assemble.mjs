// Makes the single-file page: page.html with its style, its script and the
// core's WebAssembly inside it, and a Content-Security-Policy that lets that
// one script and that one style run and nothing else, least of all a
// connection.  esbuild bundles and minifies the script, the entry module
// with the modules it imports and client-zip; the licenses go into the page
// as a comment.  A site (site.mjs) adds to the page's head and to its policy
// what it needs.  NODE_MODULES names the folder where npm installed the
// page's packages (package.json beside this file).
// usage: node assemble.mjs PAGE.html STYLE.css ENTRY.js CORE.wasm LICENSE VERSION NODE_MODULES OUT.html
import { readFileSync, writeFileSync } from 'node:fs';
import { createHash } from 'node:crypto';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const read = (file) => readFileSync(file, 'utf8');
const hash = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
// The packages the page carries, whose licenses it carries too.
const carried = ['client-zip'];

// The script, one file from the entry and what it imports.
async function bundle(entry, nodeModules) {
  const esbuild = createRequire(join(resolve(nodeModules), 'package.json'))('esbuild');
  const { outputFiles } = await esbuild.build({
    entryPoints: [entry],
    bundle: true,
    write: false,
    format: 'iife',
    minify: true,
    target: 'es2022',
    charset: 'utf8',
    legalComments: 'none',
    nodePaths: [nodeModules],
  });
  return outputFiles[0].text;
}

// The licenses of the page's own code and of the packages it carries.
function licenses(license, nodeModules) {
  const own = read(license);
  const theirs = carried.map((name) => {
    const folder = join(nodeModules, name);
    const { version } = JSON.parse(read(join(folder, 'package.json')));
    return `\n${name} ${version}:\n\n${read(join(folder, 'LICENSE.txt'))}`;
  });
  return [own, ...theirs].join('');
}

// The page's words in English, as the script puts them in the language it
// shows (words.js, which speaks English until told otherwise): the text of
// each element with data-words, its {placeholders} filled from the
// element's data (data-version for {version}).  A browser that cannot run
// the script still shows them.
function fillWords(html, { say }) {
  const escape = (words) =>
    words.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
  return html.replace(
    /<(\w+)([^>]*) data-words="(\w+)"([^>]*)><\/\1>/g,
    (element, tag, before, key, after) => {
      const data = Object.fromEntries(
        [...`${before}${after}`.matchAll(/ data-(\w+)="([^"]*)"/g)].map(([, name, value]) => [
          name,
          value,
        ]),
      );
      return `<${tag}${before} data-words="${key}"${after}>${escape(say(key, data))}</${tag}>`;
    },
  );
}

// The page of [PAGE, STYLE, ENTRY, CORE, LICENSE], with site's head and
// policy where a site serves it.
export async function assemble(
  [page, style, entry, core, license],
  version,
  nodeModules,
  site = { head: '', policy: '' },
) {
  const script = await bundle(entry, nodeModules);
  const code = script.replace('@CORE_WASM@', readFileSync(core).toString('base64'));
  const css = read(style);
  const words = await import(pathToFileURL(join(dirname(entry), 'words.js')).href);
  // Replacements are functions, so that a '$' in them stays as it is.
  const html = fillWords(read(page).replaceAll('@VERSION@', version), words);
  return html
    .replace('@LICENSE@', () => licenses(license, nodeModules))
    .replace('@SITE_POLICY@', () => site.policy)
    .replace('@SITE_HEAD@', () => site.head)
    .replace('@SCRIPT_HASH@', () => hash(code))
    .replace('@STYLE_HASH@', () => hash(css))
    .replace('@STYLE@', () => css)
    .replace('@SCRIPT@', () => code);
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const args = process.argv.slice(2);
  writeFileSync(args[7], await assemble(args.slice(0, 5), args[5], args[6]));
}
