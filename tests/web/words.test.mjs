// The page's words: every language has English's keys and no other, each
// message the placeholders of English's, and a form for every plural
// category a count can take in it; the language a browser's list chooses;
// numbers, lists and plurals as each language writes them.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import * as words from '../../web/words.js';

const folder = fileURLToPath(new URL('../../web/words/', import.meta.url));
const languages = await Promise.all(
  readdirSync(folder)
    .filter((file) => file.endsWith('.js'))
    .map(
      async (file) =>
        Object.values(await import(new URL(`../../web/words/${file}`, import.meta.url)))[0],
    ),
);
const languageOf = (tag) => languages.find((language) => language.tag === tag);
const en = languageOf('en');
const placeholders = (message) =>
  [...new Set([...message.matchAll(/\{(\w+)\}/g)].map(([, name]) => name))].sort().join(' ');
const forms = (message) => (typeof message === 'string' ? { other: message } : message);

// What is wrong with language's messages, compared with English's.
function faults(language) {
  const found = [];
  const categories = new Intl.PluralRules(language.tag).resolvedOptions().pluralCategories;
  const taken = new Set(
    Array.from({ length: 10000 }, (_, n) => new Intl.PluralRules(language.tag).select(n)),
  );
  for (const key of Object.keys(language.words))
    if (!(key in en.words)) found.push(`${key}: not in English`);
  for (const [key, english] of Object.entries(en.words)) {
    const message = language.words[key];
    if (message === undefined) {
      found.push(`${key}: missing`);
      continue;
    }
    const wanted = placeholders(Object.values(forms(english))[0]);
    for (const [category, form] of Object.entries(forms(message))) {
      if (typeof form !== 'string') found.push(`${key}.${category}: not a text`);
      else if (placeholders(form) !== wanted)
        found.push(`${key}.${category}: {${placeholders(form)}} where English has {${wanted}}`);
    }
    if (typeof message === 'string') continue;
    if (typeof english === 'string' && !wanted.split(' ').includes('count'))
      found.push(`${key}: forms for a message with no {count}`);
    for (const category of Object.keys(message))
      if (!categories.includes(category)) found.push(`${key}.${category}: no such plural category`);
    for (const category of taken)
      if (!(category in message)) found.push(`${key}.${category}: missing, and a count takes it`);
  }
  return found;
}

test("each language: English's keys and no other, its placeholders in every form, each plural form a count takes", () => {
  const offered = readFileSync(new URL('../../web/language.js', import.meta.url), 'utf8').matchAll(
    /from '\.\/words\/([\w-]+)\.js'/g,
  );
  assert.deepEqual(
    languages.map((language) => language.tag).sort(),
    [...offered].map(([, tag]) => tag).sort(),
  );
  for (const language of languages) assert.deepEqual(faults(language), [], language.tag);
});

test("the language of a browser's list: the first the page has, by its first part; English where none is", () => {
  const { languageFor } = words;
  const cases = [
    [['de-AT', 'en'], 'de'],
    [['pt-PT'], 'pt-BR'],
    [['zh-CN', 'fr-CA'], 'fr'],
    [['zh-CN', 'ko'], 'en'],
    [[], 'en'],
    [['JA-jp'], 'ja'],
    [['es-419', 'it'], 'es'],
    [['en-AU', 'de'], 'en'],
  ];
  for (const [tags, tag] of cases)
    assert.equal(languageFor(languages, tags).tag, tag, tags.join(', '));
});

test('numbers, lists of banks and plurals as each language writes them', () => {
  const { useLanguage, say, banksWords, summaryWords, progressWords } = words;
  // A language, a summary's banks and counts, and how it says them.
  const cases = [
    [
      'en',
      'ABC',
      { countSaved: 1, countCopy: 1000 },
      'Banks A, B and C: 1 saved in its file, 1,000 copies to download.',
    ],
    ['en', '', { noPcg: 0, countOthers: 2 }, 'No PCG files, 2 other files.'],
    [
      'de',
      'BC',
      { countCopy: 1, countRefused: 2300 },
      'Banken B und C: 1 Kopie zum Herunterladen, 2.300 abgelehnt.',
    ],
    ['fr', 'BC', { countPcg: 1000 }, 'Banques B et C\u00a0: 1\u202f000 fichiers PCG.'],
    [
      'ja',
      'BCD',
      { countSaved: 1000, countRefused: 1 },
      'バンク B、C、D：ファイルに保存 1,000 件、拒否 1 件。',
    ],
  ];
  for (const [tag, banks, counts, said] of cases) {
    useLanguage(languageOf(tag));
    assert.equal(summaryWords(banks && [...banks], Object.entries(counts)), said, tag);
  }
  const others = [
    ['de', () => banksWords(['D']), 'Bank D'],
    ['fr', () => say('countPcg', { count: 0 }), '0 fichier PCG'],
    ['pt-BR', () => progressWords('reading', 2300, 10000), 'Lendo 2.300 de 10.000 arquivos…'],
    ['es', () => say('countPcg', { count: 1000000 }), '1.000.000 de archivos PCG'],
    ['it', () => progressWords('looking', 1), 'Esame della cartella: 1 file finora…'],
    ['en', () => say('bankByte', { byte: 30 }), 'bank byte 30, no bank letter'],
  ];
  for (const [tag, words, said] of others) {
    useLanguage(languageOf(tag));
    assert.equal(words(), said, tag);
  }
});
