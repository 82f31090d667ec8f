// Copies in one zip, made by client-zip: stored as they are, not
// compressed, each at its row's path below the folder picked, its name in
// UTF-8 and marked so, its time the change's, zip64 past 4 GiB.
import { downloadZip } from 'client-zip';

// client-zip gives a zip of more than 65,535 entries zip64's count of them
// only once it is past 4 GiB; below that, such a zip ends in a count that
// unzip refuses.  More copies than these go into more zips.
export const entriesAtMost = 65535;

// The path of a copy in a zip, where taken holds the paths given already:
// its own, or, where another copy has it (as Windows and macOS see it, in
// either case), its name with a number, "SET (2).PCG", in the same folder.
export function pathInZip(path, taken) {
  const [, folder, name, ending] = path.match(/^(.*\/)?([^/]*?)(\.[^./]*)?$/);
  let found = path;
  for (let n = 2; taken.has(found.toLowerCase()); n++)
    found = `${folder ?? ''}${name} (${n})${ending ?? ''}`;
  taken.add(found.toLowerCase());
  return found;
}

// The names of as many zips as count copies need: "NAME.zip", or "NAME
// 1.zip", "NAME 2.zip", … where one cannot hold them all.
export function zipNames(name, count) {
  const zips = Math.ceil(count / entriesAtMost);
  return Array.from({ length: zips }, (_, i) =>
    zips > 1 ? `${name} ${i + 1}.zip` : `${name}.zip`,
  );
}

// The zip of copies, an iterable, or async iterable, of { path, time, bytes }
// (a Uint8Array, or a Blob that the zip reads as it goes), as a Blob of type
// application/zip, made as the copies come.
export function zipOf(copies) {
  const entries = async function* () {
    for await (const { path, time, bytes } of copies)
      yield { name: path, lastModified: time, input: bytes };
  };
  return downloadZip(entries()).blob();
}
