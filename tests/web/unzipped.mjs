// A zip as the systems that open it read it: unzip tests it, and Python's
// zipfile reads it once each entry is found stored, its CRC-32 right, its
// name marked UTF-8 and its time within the last ten minutes, as the time
// of a change is.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const readZip = `import base64, json, sys, time, zipfile
z = zipfile.ZipFile(sys.argv[1])
assert z.testzip() is None
for i in z.infolist():
    assert i.compress_type == zipfile.ZIP_STORED and i.flag_bits & 0x800, i
    assert 0 <= time.time() - time.mktime(i.date_time + (0, 0, -1)) < 600, i.date_time
print(json.dumps({i.filename: base64.b64encode(z.read(i)).decode() for i in z.infolist()}))`;

// The entries of zip, bytes, { path: bytes } in the zip's order, read in a
// folder made in scratch.
export function unzipped(scratch, zip) {
  const path = join(mkdtempSync(join(scratch, 'zip-')), 'copies.zip');
  writeFileSync(path, zip);
  assert.match(
    execFileSync('unzip', ['-tq', path], { encoding: 'utf8' }),
    /^No errors detected in compressed data of [^\n]*\n$/,
  );
  const read = JSON.parse(
    execFileSync('python3', ['-c', readZip, path], { encoding: 'utf8', maxBuffer: 1 << 30 }),
  );
  return Object.fromEntries(
    Object.entries(read).map(([name, bytes]) => [name, Buffer.from(bytes, 'base64')]),
  );
}
