#!/usr/bin/env bash
# install_tarball.sh TARBALL README.md: installs the tarball by README's
# command, as root, into a copy of Debian's /usr/local (folders root:staff,
# mode 2775) and checks that every folder that was there keeps its owner and
# mode, and that every file arrives.
set -eu
[ "$(id -u)" = 0 ] || { echo "skip - the tarball's install: it needs root"; exit 77; }
tarball=$(realpath "$1")
command=$(sed -n '/<!-- tarball-install-command/{n;n;s/^ *//;p;q}' "$2")
scratch=$(mktemp -d) && trap 'rm -rf "$scratch"' EXIT
folders=(. bin share share/man share/man/man1 share/doc)
mkdir -p "${folders[@]/#/$scratch/local/}"
chgrp -R staff "$scratch/local" && chmod -R 2775 "$scratch/local"
folders() { (cd "$scratch/local" && stat -c '%n %U:%G %a' "${folders[@]}"); }
before=$(folders)
cp "$tarball" "$scratch/"
command=${command#sudo }
[[ $command == *' -C /usr/local' ]] || { echo "README's command does not end in -C /usr/local: $command"; exit 1; }
(cd "$scratch" && eval "${command% /usr/local} local")
diff <(echo "$before") <(folders)
for file in bin/Tavrelon share/doc/tavrelon/LICENSE share/man/man1/Tavrelon.1 share/tavrelon/Tavrelon.html; do
  [ -f "$scratch/local/$file" ] || { echo "not installed: $file"; exit 1; }
done
