// ESLint's recommended rules over the page's script and build, the browser
// tests and the benchmark: eslint --config tests/web/eslint.config.mjs web
// tests/web bench, from the top of the source tree.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  { files: ['**/web/**/*.js'], languageOptions: { globals: globals.browser } },
  // Node's scripts, whose functions handed to a browser run in the page.
  { files: ['**/*.mjs'], languageOptions: { globals: { ...globals.node, ...globals.browser } } },
];
