// Tavrelon's icon, a keyboard's keys on the page's blue, drawn from one set
// of shapes as SVG and as PNG (for the systems that want a bitmap: iOS home
// screens, Android's maskable icons).  Shapes are in a square of 100.
import { deflateSync } from 'node:zlib';

const blue = '#0b57d0';
const keys = [
  ...[17, 34, 51, 68].map((x) => ({ x, y: 22, w: 15, h: 56, r: 2, fill: '#ffffff' })),
  ...[29, 46, 63].map((x) => ({ x, y: 22, w: 8, h: 32, r: 1, fill: '#17171b' })),
];
// The icon itself, with rounded corners; and a maskable one, whose blue
// fills the square and whose keys keep inside the circle a system may cut.
const shapes = (maskable) => {
  const scale = maskable ? 0.8 : 1;
  const at = (v) => 50 + (v - 50) * scale;
  return [
    { x: 0, y: 0, w: 100, h: 100, r: maskable ? 0 : 22, fill: blue },
    ...keys.map((k) => ({
      x: at(k.x),
      y: at(k.y),
      w: k.w * scale,
      h: k.h * scale,
      r: k.r * scale,
      fill: k.fill,
    })),
  ];
};

export function iconSvg() {
  const rect = ({ x, y, w, h, r, fill }) =>
    `<rect x="${x}" y="${y}" width="${w}" height="${h}" rx="${r}" fill="${fill}"/>`;
  return `<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">${shapes(false).map(rect).join('')}</svg>\n`;
}

const inside = ({ x, y, w, h, r }, u, v) => {
  const dx = Math.max(x + r - u, 0, u - (x + w - r));
  const dy = Math.max(y + r - v, 0, v - (y + h - r));
  return u >= x && u <= x + w && v >= y && v <= y + h && dx * dx + dy * dy <= r * r;
};
const rgb = (hex) => [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));

// The icon as RGBA pixels, size by size, each the mean of 4 × 4 samples.
function pixels(size, maskable) {
  const all = shapes(maskable);
  const out = Buffer.alloc(size * size * 4);
  for (let i = 0; i < size * size; i++) {
    const sum = [0, 0, 0, 0];
    for (let s = 0; s < 16; s++) {
      const u = ((i % size) + ((s % 4) + 0.5) / 4) * (100 / size);
      const v = (Math.floor(i / size) + (Math.floor(s / 4) + 0.5) / 4) * (100 / size);
      const shape = all.findLast((one) => inside(one, u, v));
      if (shape)
        [...rgb(shape.fill), 255].forEach((c, k) => {
          sum[k] += c;
        });
    }
    sum.forEach((c, k) => {
      out[i * 4 + k] = Math.round(c / 16);
    });
  }
  return out;
}

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
const crc32 = (bytes) =>
  (bytes.reduce((c, b) => crcTable[(c ^ b) & 0xff] ^ (c >>> 8), 0xffffffff) ^ 0xffffffff) >>> 0;
function chunk(type, data) {
  const body = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

// The icon as a PNG of size by size pixels: 8-bit RGBA, no filtering.
export function iconPng(size, maskable = false) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 6, 0, 0, 0], 8);
  const image = pixels(size, maskable);
  const rows = Buffer.concat(
    Array.from({ length: size }, (_, y) => [
      Buffer.from([0]),
      image.subarray(y * size * 4, (y + 1) * size * 4),
    ]).flat(),
  );
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('IDAT', deflateSync(rows, { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}
