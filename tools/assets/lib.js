// Shared drawing helpers: one outline colour, one stroke width, one palette,
// so that our own drawings and the borrowed icons look made by one hand.
'use strict';
const fs = require('fs');
const path = require('path');

const NM = path.join(__dirname, 'node_modules', '@iconify-json');
const SETS = {};
function iconSet(name) {
  if (!SETS[name]) SETS[name] = JSON.parse(fs.readFileSync(path.join(NM, name, 'icons.json'), 'utf8'));
  return SETS[name];
}

// Outline colour and palette used everywhere.
const OL = '#2b1b12';
const SW = 1.5; // outline width in on-screen pixels (pictures are rendered at twice that)
const C = {
  skin: '#f0c08a', skinS: '#d49a63',
  gold: '#f2c230', goldD: '#b9811a', goldL: '#ffe58a',
  steel: '#c3ccd6', steelD: '#7d8a99', steelL: '#eef3f8',
  leather: '#8b5a2b', leatherD: '#5b3818', leatherL: '#b07a42',
  wood: '#9b6a3c', woodD: '#6a4423', woodL: '#c08a55',
  red: '#c0392b', redD: '#7d1f17', blue: '#2f62b0', blueD: '#1b3b73', blueL: '#6d9be0',
  purple: '#6a3f9f', purpleD: '#3f2266', green: '#4e8c3a', greenD: '#2f5a22', greenL: '#86bf5a',
  cream: '#eadcb6', creamD: '#c9b58a', cloth: '#6b4a2e', clothD: '#4a301b',
};

let uid = 0;
function nextId(p) { uid += 1; return `${p || 'i'}${uid}`; }
function resetIds() { uid = 0; }

// The icon body of one Iconify icon, with its ids made unique, placed in a
// box (x, y, w, h). game-icons silhouettes take `color` for currentColor.
function icon(setName, name, x, y, w, h, opts = {}) {
  const set = iconSet(setName);
  let ic = set.icons[name];
  const al = set.aliases && set.aliases[name];
  if (!ic && al) ic = Object.assign({}, set.icons[al.parent], al);
  if (!ic) throw new Error(`no icon ${setName}:${name}`);
  const iw = ic.width || set.width || 16;
  const ih = ic.height || set.height || 16;
  const left = ic.left || 0;
  const top = ic.top || 0;
  const p = nextId('ic') + '-';
  let body = ic.body.replace(/id="([^"]+)"/g, `id="${p}$1"`).replace(/url\(#([^)]+)\)/g, `url(#${p}$1)`)
    .replace(/xlink:href="#([^"]+)"/g, `xlink:href="#${p}$1"`).replace(/href="#([^"]+)"/g, `href="#${p}$1"`);
  if (opts.color) body = body.replace(/currentColor/g, opts.color);
  let tr = '';
  if (opts.flip) tr = ` transform="translate(${iw} 0) scale(-1 1)"`;
  return `<svg x="${x}" y="${y}" width="${w}" height="${h}" viewBox="${left} ${top} ${iw} ${ih}" overflow="visible"><g${tr}>${body}</g></svg>`;
}

// The filter that gives any shape our dark outline (used around icons).
function outlineFilter(id, r = SW, color = OL) {
  return `<filter id="${id}" x="-20%" y="-20%" width="140%" height="140%" color-interpolation-filters="sRGB">
  <feMorphology in="SourceAlpha" operator="dilate" radius="${r}" result="d"/>
  <feFlood flood-color="${color}" result="c"/>
  <feComposite in="c" in2="d" operator="in" result="o"/>
  <feMerge><feMergeNode in="o"/><feMergeNode in="SourceGraphic"/></feMerge></filter>`;
}
function shadowFilter(id, dx = 2, dy = 3, blur = 2, op = 0.35) {
  return `<filter id="${id}" x="-30%" y="-30%" width="160%" height="160%" color-interpolation-filters="sRGB">
  <feGaussianBlur in="SourceAlpha" stdDeviation="${blur}"/><feOffset dx="${dx}" dy="${dy}" result="b"/>
  <feFlood flood-color="#000" flood-opacity="${op}"/><feComposite in2="b" operator="in" result="s"/>
  <feMerge><feMergeNode in="s"/><feMergeNode in="SourceGraphic"/></feMerge></filter>`;
}

// Outlined icon: the icon group wrapped in the outline filter.
function oicon(setName, name, x, y, w, h, opts = {}) {
  const f = nextId('olf');
  const r = opts.r === undefined ? SW : opts.r;
  return `<defs>${outlineFilter(f, r)}</defs><g filter="url(#${f})">${icon(setName, name, x, y, w, h, opts)}</g>`;
}

function lin(id, x1, y1, x2, y2, stops) {
  const s = stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"${a !== undefined ? ` stop-opacity="${a}"` : ''}/>`).join('');
  return `<linearGradient id="${id}" x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}">${s}</linearGradient>`;
}
function rad(id, cx, cy, r, stops, extra = '') {
  const s = stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"${a !== undefined ? ` stop-opacity="${a}"` : ''}/>`).join('');
  return `<radialGradient id="${id}" cx="${cx}" cy="${cy}" r="${r}" ${extra}>${s}</radialGradient>`;
}

function svg(w, h, body) {
  return `<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}">
${body}
</svg>
`;
}

// Stroke attributes of our outline.
function ol(w = SW) { return `stroke="${OL}" stroke-width="${w}" stroke-linejoin="round" stroke-linecap="round"`; }

// A small deterministic random generator, so every run draws the same picture.
function rng(seed) {
  let s = seed >>> 0;
  return () => { s = (s * 1664525 + 1013904223) >>> 0; return s / 4294967296; };
}

function mirrorX(pathD, axis) {
  // mirrors an absolute path of M/L/C/Q/Z commands around x = axis
  return pathD.replace(/(-?\d+(?:\.\d+)?),(-?\d+(?:\.\d+)?)/g, (m, x, y) => `${+(2 * axis - x).toFixed(2)},${y}`);
}

module.exports = { OL, SW, C, icon, oicon, outlineFilter, shadowFilter, lin, rad, svg, ol, nextId, resetIds, rng, mirrorX };
