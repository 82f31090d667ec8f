#!/usr/bin/env bash
# usage: release_files.sh ARCHIVE FILE...: the archive's SHA-256 file holds
# its checksum, and it unpacks into one folder, named as it is, that holds
# exactly FILE... (paths below that folder).
set -u
archive=$1 && shift
name=$(basename "$archive") && folder=${name%.zip} && folder=${folder%.tar.gz}
failed=0
(cd "$(dirname "$archive")" && sha256sum --quiet -c "$name.sha256") || failed=1
diff -u <(printf "$folder/%s\n" "$@" | sort) <(cmake -E tar tf "$archive" | grep -v '/$' | sort) || failed=1
[ "$failed" = 0 ] && echo "1 passed, 0 failed" && exit 0
echo "0 passed, 1 failed" && exit 1
