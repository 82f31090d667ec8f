// The zip of the page's copies, apart from the page: a path of its own for
// a copy whose path another has, as Windows and macOS see names; the names
// of the zips that many copies need; and a zip of as many copies as one
// holds, names outside ASCII among them, as unzip and Python open it.
// TAVRELON_PACKAGES names the folder of the page's packages.
import { after, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { unzipped } from './unzipped.mjs';

const scratch = mkdtempSync(join(tmpdir(), 'tavrelon-zip-'));
after(() => rmSync(scratch, { recursive: true, force: true }));
// web/zip.js with client-zip, as the page's build bundles them.
const packages = process.env.TAVRELON_PACKAGES;
await createRequire(join(packages, 'package.json'))('esbuild').build({
  entryPoints: [fileURLToPath(new URL('../../web/zip.js', import.meta.url))],
  bundle: true,
  format: 'esm',
  outfile: join(scratch, 'zip.mjs'),
  nodePaths: [packages],
  logLevel: 'error',
});
const { entriesAtMost, pathInZip, zipNames, zipOf } = await import(
  pathToFileURL(join(scratch, 'zip.mjs'))
);

// As many copies as a zip holds, names outside ASCII among them, zipped
// before the tests start: the test runner's tracking of promises would slow
// a zip of 65,535 entries threefold.
const named = {
  'Keys/ÉPIANO.PCG': Buffer.from('KORG piano'),
  'ギター.PCG': Buffer.from('KORG guitar'),
};
const copies = Array.from({ length: entriesAtMost }, (_, i) => ({
  path: `set/${i}.PCG`,
  time: new Date(),
  bytes: new Uint8Array([i % 256]),
}));
copies.splice(
  0,
  2,
  ...Object.entries(named).map(([path, bytes], i) => ({
    path,
    time: new Date(),
    bytes: i ? new Blob([bytes]) : bytes,
  })),
);
const zipped = Buffer.from(await (await zipOf(copies)).arrayBuffer());

test('a path of its own for each copy, in its folder, whatever the case; zips enough for every copy', () => {
  const cases = [
    [
      ['SET.PCG', 'set.pcg', 'SET.PCG', 'SET (2).PCG'],
      ['SET.PCG', 'set (2).pcg', 'SET (3).PCG', 'SET (2) (2).PCG'],
    ],
    [
      ['Set A/SET.PCG', 'Set B/SET.PCG', 'set a/set.pcg'],
      ['Set A/SET.PCG', 'Set B/SET.PCG', 'set a/set (2).pcg'],
    ],
    [
      ['v1.2/ALL', 'v1.2/all', 'ギター.PCG', 'ギター.pcg'],
      ['v1.2/ALL', 'v1.2/all (2)', 'ギター.PCG', 'ギター (2).pcg'],
    ],
  ];
  for (const [paths, inZip] of cases) {
    const taken = new Set();
    assert.deepEqual(
      paths.map((path) => pathInZip(path, taken)),
      inZip,
    );
  }
  assert.deepEqual(
    [1, entriesAtMost, entriesAtMost + 1].map((count) => zipNames('My set', count)),
    [['My set.zip'], ['My set.zip'], ['My set 1.zip', 'My set 2.zip']],
  );
});

test('a zip of as many copies as one holds opens, with its names in UTF-8', () => {
  const zip = unzipped(scratch, zipped);
  assert.deepEqual(
    [Object.keys(zip).length, zip['Keys/ÉPIANO.PCG'], zip['ギター.PCG'], zip['set/300.PCG']],
    [entriesAtMost, named['Keys/ÉPIANO.PCG'], named['ギター.PCG'], Buffer.from([300 % 256])],
  );
});
