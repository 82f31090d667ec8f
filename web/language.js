// Which language the page speaks: the first of the browser's languages
// that the page has, matched by its first part (de-AT gives German, pt-PT
// Brazilian Portuguese), English where none is; or the one the user chose
// in "Language", kept for the next visit.  The words of each are in
// words/, English the source of the rest.
import { de } from './words/de.js';
import { en } from './words/en.js';
import { es } from './words/es.js';
import { fr } from './words/fr.js';
import { it } from './words/it.js';
import { ja } from './words/ja.js';
import { ptBR } from './words/pt-BR.js';
import { showWords, whenReached } from './view.js';
import { languageFor, languageShown, say, useLanguage } from './words.js';

const languages = [en, de, es, fr, it, ja, ptBR];
const keptAs = 'tavrelon-language';

// localStorage, where the browser lets a page (a page from disk, or with
// storage blocked, may have none); a choice the page cannot keep lasts
// until the page is left.
function kept() {
  try {
    return window.localStorage;
  } catch {
    return null;
  }
}

// Speaks the language of tag, or the browser's where tag is '': the page's
// markup holds English already.
function speak(tag) {
  const language = languageFor(
    languages,
    tag ? [tag] : (navigator.languages ?? [navigator.language]),
  );
  if (language === languageShown()) return;
  useLanguage(language);
  showWords();
}

// A language by its own name, read out in that language.
function optionOf(language) {
  const option = new Option(language.name, language.tag);
  option.lang = language.tag;
  return option;
}

// Speaks the language chosen before or the browser's at once, and lists
// them all in "Language" (choice), each by its own name: a choice there
// speaks it at once, and then shown() says so.  Until the user comes to
// it, "Language" holds the one chosen alone, as a row's choice of bank
// does, so that the page's start makes no option it may never need.
export function startLanguages(choice, shown) {
  const storage = kept();
  const chosen = languages.find((language) => language.tag === storage?.getItem(keptAs));
  const browsers = new Option(say('browserLanguage'), '');
  browsers.dataset.words = 'browserLanguage';
  choice.add(chosen ? optionOf(chosen) : browsers);
  speak(choice.value);
  const fill = () => {
    if (choice.length > 1) return;
    const value = choice.value;
    browsers.textContent = say('browserLanguage');
    choice.replaceChildren(browsers, ...languages.map(optionOf));
    choice.value = value;
  };
  whenReached(choice, fill);
  choice.addEventListener('change', () => {
    try {
      if (choice.value) storage?.setItem(keptAs, choice.value);
      else storage?.removeItem(keptAs);
    } catch {
      /* kept until the page is left */
    }
    speak(choice.value);
    shown();
  });
}
