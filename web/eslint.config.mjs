// ESLint for the page, its tools and tests, and the browser measurements. Run from the repository
// root, which is then the base of these paths (scripts/test-web does so):
//   npx --prefix web eslint --config web/eslint.config.mjs web bench/web
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    files: ['web/page/**/*.js', 'bench/web/**/*.js'],
    languageOptions: { globals: globals.browser },
  },
  {
    // The service worker is a classic script in the worker's scope.
    files: ['web/page/sw.js'],
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  {
    // Node programs; the tests and measurements also hand functions to the page to run there.
    files: ['web/**/*.mjs', 'bench/web/**/*.mjs'],
    ignores: ['web/page/**'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
];
