#!/bin/sh
# The sources by the project's own rules: ESLint's recommended rules and
# Prettier's format (.prettierrc.json) for the JavaScript, clang-format's
# (.clang-format) for the C++.  Run from the top of the source tree, with
# the folder where npm installed the browser tests' packages.
# usage: sh tests/lint.sh NODE_MODULES
set -eu
modules=$1
javascript="web/**/*.js web/**/*.mjs tests/web/*.mjs bench/*.mjs"
node "$modules/eslint/bin/eslint.js" --config tests/web/eslint.config.mjs web tests/web bench
# Prettier expands the patterns itself, not the shell.
set -f
# shellcheck disable=SC2086
node "$modules/prettier/bin/prettier.cjs" --check --log-level warn $javascript
set +f
find cli pcg tests web -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror
