// The core: the PCG format's rules, the same C++ as the command's, compiled
// to WebAssembly.  A header goes in; its bank, or the header changed to
// another bank, comes out.  WebAssembly functions take numbers only, so
// headers and letters pass through the core's own buffers.
export async function loadCore() {
  const wasm = Uint8Array.from(atob('@CORE_WASM@'), (c) => c.charCodeAt(0));
  const { instance } = await WebAssembly.instantiate(wasm);
  const core = instance.exports;
  core._initialize();
  const bytesAt = (address, size) => new Uint8Array(core.memory.buffer, address, size);
  const putHeader = (header) => bytesAt(core.header(), header.length).set(header);
  const encoder = new TextEncoder();
  return {
    headerSize: core.header_size(),
    bankOffset: core.bank_offset(),
    // The bank byte of a header, or -1 when it is no PCG file's.
    bankOf(header) {
      putHeader(header);
      return core.bank_of(header.length);
    },
    // The header with the bank named by letter, and that bank's number; null
    // when the core refuses the letter or the header.
    patched(header, letter) {
      const buffer = bytesAt(core.letter(), core.letter_size());
      const { written } = encoder.encodeInto(letter, buffer.subarray(0, buffer.length - 1));
      buffer[written] = 0;
      putHeader(header);
      const bank = core.patch_header(header.length);
      if (bank < 0) return null;
      return { header: bytesAt(core.header(), header.length).slice(), bank };
    },
    // The letter of a bank number, '' for a number that has none.
    letterOf(bank) {
      const code = core.letter_of(bank);
      return code ? String.fromCharCode(code) : '';
    },
  };
}
