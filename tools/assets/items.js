// Board pieces: tiles, the five dressed bodies, weapons, shields, coins,
// portraits and the speech clouds.
'use strict';
const { OL, SW, C, icon, oicon, lin, rad, svg, ol, nextId, rng, mirrorX, shadowFilter } = require('./lib');

// ---------------------------------------------------------------- coins
function coin(x, y, r, tilt = 0.45, id) {
  const g = id || nextId('cg');
  const ry = r * tilt;
  const th = r * 0.22;
  return `<defs>${lin(g, 0, 0, 1, 1, [[0, C.goldL], [0.5, C.gold], [1, C.goldD]])}</defs>
  <g>
   <path d="M${x - r},${y} L${x - r},${y + th} A${r},${ry} 0 0 0 ${x + r},${y + th} L${x + r},${y} Z" fill="${C.goldD}" ${ol(SW * 0.8)}/>
   <ellipse cx="${x}" cy="${y}" rx="${r}" ry="${ry}" fill="url(#${g})" ${ol(SW * 0.8)}/>
   <ellipse cx="${x}" cy="${y}" rx="${r * 0.62}" ry="${ry * 0.62}" fill="none" stroke="${C.goldD}" stroke-width="${r * 0.08}"/>
   <path d="M${x - r * 0.3},${y - ry * 0.25} Q${x},${y - ry * 0.55} ${x + r * 0.3},${y - ry * 0.25}" fill="none" stroke="#fff6c8" stroke-width="${r * 0.09}" stroke-linecap="round"/>
  </g>`;
}
// A standing coin seen face on.
function coinFace(x, y, r) {
  const g = nextId('cf');
  return `<defs>${rad(g, 0.38, 0.35, 0.75, [[0, '#fff3b0'], [0.45, C.gold], [1, C.goldD]])}</defs>
  <circle cx="${x}" cy="${y}" r="${r}" fill="url(#${g})" ${ol()}/>
  <circle cx="${x}" cy="${y}" r="${r * 0.74}" fill="none" stroke="${C.goldD}" stroke-width="${r * 0.07}"/>
  <path d="M${x - r * 0.3},${y + r * 0.28} L${x - r * 0.3},${y - r * 0.12} L${x - r * 0.15},${y + r * 0.02} L${x},${y - r * 0.3} L${x + r * 0.15},${y + r * 0.02} L${x + r * 0.3},${y - r * 0.12} L${x + r * 0.3},${y + r * 0.28} Z" fill="${C.goldD}" opacity="0.85"/>
  <path d="M${x - r * 0.55},${y - r * 0.35} A${r * 0.7},${r * 0.7} 0 0 1 ${x - r * 0.1},${y - r * 0.66}" fill="none" stroke="#fffbe0" stroke-width="${r * 0.1}" stroke-linecap="round"/>`;
}

// A heap of coins inside box (x, y, w, h); the heap's base sits on the box bottom.
function coinHeap(x, y, w, h, seed = 7, dense = 1) {
  const R = rng(seed);
  const g = nextId('hp');
  let out = `<defs>${rad(g, 0.5, 0.35, 0.7, [[0, '#ffe27a'], [0.6, C.gold], [1, C.goldD]])}</defs>`;
  // the mound
  out += `<path d="M${x},${y + h} C${x + w * 0.1},${y + h * 0.45} ${x + w * 0.3},${y + h * 0.12} ${x + w * 0.5},${y + h * 0.1} C${x + w * 0.7},${y + h * 0.12} ${x + w * 0.9},${y + h * 0.45} ${x + w},${y + h} Z" fill="url(#${g})" ${ol()}/>`;
  const r = Math.max(4, w * 0.075);
  const rows = Math.round(7 * dense);
  const coins = [];
  for (let i = 0; i < rows; i++) {
    const t = i / (rows - 1);
    const yy = y + h * (0.18 + 0.78 * t);
    // width of the mound at this height
    const half = w * (0.08 + 0.42 * Math.pow(t, 0.6));
    const n = Math.max(1, Math.round(half * 2 / (r * 1.7)));
    for (let k = 0; k < n; k++) {
      const xx = x + w / 2 - half + (k + 0.5) * (half * 2 / n) + (R() - 0.5) * r * 0.6;
      coins.push([xx, yy + (R() - 0.5) * r * 0.5, r * (0.85 + R() * 0.3), 0.35 + R() * 0.3]);
    }
  }
  coins.sort((a, b) => a[1] - b[1]);
  for (const [cx, cy, cr, tl] of coins) out += coin(cx, cy, cr, tl);
  // a few sparkles
  for (let i = 0; i < 3; i++) {
    const sx = x + w * (0.25 + 0.5 * R()), sy = y + h * (0.2 + 0.45 * R()), s = r * 0.9;
    out += `<path d="M${sx},${sy - s} L${sx + s * 0.22},${sy - s * 0.22} L${sx + s},${sy} L${sx + s * 0.22},${sy + s * 0.22} L${sx},${sy + s} L${sx - s * 0.22},${sy + s * 0.22} L${sx - s},${sy} L${sx - s * 0.22},${sy - s * 0.22} Z" fill="#fffbe6"/>`;
  }
  return out;
}

// ---------------------------------------------------------------- chest
// A treasure chest in box (x,y,w,h); open shows gold inside.
function chest(x, y, w, h, open = false) {
  const gw = nextId('cw'), gl = nextId('cl');
  const bodyTop = y + h * 0.42;
  let out = `<defs>${lin(gw, 0, 0, 0, 1, [[0, C.woodL], [1, C.woodD]])}${lin(gl, 0, 0, 0, 1, [[0, '#b5773f'], [1, '#7a4a22']])}</defs>`;
  if (open) {
    // lid thrown back
    out += `<path d="M${x + w * 0.04},${bodyTop} L${x + w * 0.1},${y + h * 0.02} L${x + w * 0.9},${y + h * 0.02} L${x + w * 0.96},${bodyTop} Z" fill="url(#${gl})" ${ol()}/>`;
    out += `<path d="M${x + w * 0.1},${bodyTop} L${x + w * 0.14},${y + h * 0.1} L${x + w * 0.86},${y + h * 0.1} L${x + w * 0.9},${bodyTop} Z" fill="#4a2b12" ${ol(SW * 0.7)}/>`;
    for (const fx of [0.2, 0.8]) out += `<path d="M${x + w * (fx - 0.05)},${y + h * 0.03} L${x + w * (fx + 0.05)},${y + h * 0.03} L${x + w * (fx + 0.05)},${bodyTop} L${x + w * (fx - 0.05)},${bodyTop} Z" fill="${C.gold}" ${ol(SW * 0.7)}/>`;
    // gold inside
    out += coinHeap(x + w * 0.08, bodyTop - h * 0.2, w * 0.84, h * 0.26, 11, 0.7);
    // gems
    out += `<path d="M${x + w * 0.3},${bodyTop - h * 0.08} l${w * 0.05},${-h * 0.06} l${w * 0.05},${h * 0.06} l${-w * 0.05},${h * 0.06} Z" fill="#e0245e" ${ol(SW * 0.7)}/>`;
    out += `<path d="M${x + w * 0.64},${bodyTop - h * 0.1} l${w * 0.045},${-h * 0.05} l${w * 0.045},${h * 0.05} l${-w * 0.045},${h * 0.06} Z" fill="#2fb5e8" ${ol(SW * 0.7)}/>`;
  } else {
    out += `<path d="M${x + w * 0.04},${bodyTop} L${x + w * 0.04},${y + h * 0.25} Q${x + w * 0.04},${y + h * 0.04} ${x + w * 0.25},${y + h * 0.04} L${x + w * 0.75},${y + h * 0.04} Q${x + w * 0.96},${y + h * 0.04} ${x + w * 0.96},${y + h * 0.25} L${x + w * 0.96},${bodyTop} Z" fill="url(#${gl})" ${ol()}/>`;
    for (const fx of [0.2, 0.8]) out += `<path d="M${x + w * (fx - 0.05)},${y + h * 0.04} L${x + w * (fx + 0.05)},${y + h * 0.04} L${x + w * (fx + 0.05)},${bodyTop} L${x + w * (fx - 0.05)},${bodyTop} Z" fill="${C.gold}" ${ol(SW * 0.7)}/>`;
    out += `<path d="M${x + w * 0.15},${y + h * 0.16} L${x + w * 0.85},${y + h * 0.16}" stroke="#d89a5a" stroke-width="${h * 0.02}" opacity="0.6"/>`;
  }
  // body
  out += `<rect x="${x + w * 0.04}" y="${bodyTop}" width="${w * 0.92}" height="${y + h * 0.97 - bodyTop}" rx="${w * 0.02}" fill="url(#${gw})" ${ol()}/>`;
  for (let i = 1; i < 3; i++) {
    const yy = bodyTop + (y + h * 0.97 - bodyTop) * i / 3;
    out += `<path d="M${x + w * 0.06},${yy} L${x + w * 0.94},${yy}" stroke="${C.woodD}" stroke-width="${SW * 0.8}"/>`;
  }
  for (const fx of [0.2, 0.8]) out += `<rect x="${x + w * (fx - 0.05)}" y="${bodyTop}" width="${w * 0.1}" height="${y + h * 0.97 - bodyTop}" fill="${C.gold}" ${ol(SW * 0.7)}/>`;
  out += `<rect x="${x + w * 0.04}" y="${bodyTop}" width="${w * 0.92}" height="${h * 0.07}" fill="${C.goldD}" ${ol(SW * 0.7)}/>`;
  // lock
  out += `<rect x="${x + w * 0.43}" y="${bodyTop - h * 0.02}" width="${w * 0.14}" height="${h * 0.2}" rx="${w * 0.02}" fill="${C.gold}" ${ol()}/>`;
  out += `<circle cx="${x + w * 0.5}" cy="${bodyTop + h * 0.06}" r="${w * 0.018}" fill="${OL}"/><path d="M${x + w * 0.5},${bodyTop + h * 0.06} L${x + w * 0.5},${bodyTop + h * 0.13}" stroke="${OL}" stroke-width="${w * 0.014}"/>`;
  return out;
}

// ---------------------------------------------------------------- tiles (81x121)
function tileBase(kind) {
  const pal = {
    polje: ['#8fcf5e', '#5f9e3a'],
    opasnost: ['#d9725a', '#8e2e22'],
    kovceg: ['#e2c27d', '#a57a3c'],
    coin: ['#9fd3e8', '#4f93b3'],
  }[kind];
  const g = nextId('tb');
  let out = `<defs>${rad(g, 0.5, 0.4, 0.75, [[0, pal[0]], [1, pal[1]]])}</defs>`;
  out += `<rect x="1.5" y="1.5" width="78" height="118" rx="7" fill="url(#${g})" ${ol()}/>`;
  out += `<rect x="5" y="5" width="71" height="111" rx="5" fill="none" stroke="#ffffff" stroke-opacity="0.35" stroke-width="1.2"/>`;
  return out;
}
function grassTufts(seed, n, area, color = '#3f7a27') {
  const R = rng(seed);
  let out = '';
  for (let i = 0; i < n; i++) {
    const x = area[0] + R() * area[2], y = area[1] + R() * area[3];
    out += `<path d="M${x - 3},${y} Q${x - 2},${y - 4} ${x - 4},${y - 7} M${x},${y} Q${x},${y - 5} ${x + 1},${y - 9} M${x + 3},${y} Q${x + 3},${y - 4} ${x + 5},${y - 6}" fill="none" stroke="${color}" stroke-width="1.1" stroke-linecap="round"/>`;
  }
  return out;
}
function tile(kind) {
  let out = tileBase(kind);
  if (kind === 'polje') {
    out += `<path d="M30,119 C34,95 50,85 44,62 C40,45 50,30 47,2 L58,2 C60,30 52,45 56,62 C62,86 48,98 48,119 Z" fill="#d8c08a" stroke="#a88b52" stroke-width="1"/>`;
    const R = rng(3);
    for (let i = 0; i < 9; i++) {
      const t = i / 9; const yy = 10 + t * 100; const xx = 52 - Math.sin(t * 6) * 4 + (R() - 0.5) * 4;
      out += `<ellipse cx="${xx}" cy="${yy}" rx="${2 + R() * 1.5}" ry="${1.3 + R()}" fill="#bca274"/>`;
    }
    out += grassTufts(5, 14, [8, 12, 66, 100]);
    for (const [x, y, c] of [[16, 30, '#ffd84a'], [65, 88, '#ff8fb1'], [20, 96, '#ffffff'], [68, 40, '#ffd84a']]) {
      out += `<g>${[0, 72, 144, 216, 288].map(a => `<circle cx="${x + 2.6 * Math.cos(a * Math.PI / 180)}" cy="${y + 2.6 * Math.sin(a * Math.PI / 180)}" r="2" fill="${c}" stroke="${OL}" stroke-width="0.6"/>`).join('')}<circle cx="${x}" cy="${y}" r="1.4" fill="#e98b1a"/></g>`;
    }
  } else if (kind === 'opasnost') {
    out += grassTufts(8, 8, [8, 12, 66, 100], '#6e2418');
    const R = rng(9);
    for (let i = 0; i < 6; i++) out += `<path d="M${10 + R() * 60},${15 + R() * 90} l${4 + R() * 4},${3 + R() * 3} l${-2},${5}" fill="none" stroke="#6e2418" stroke-width="1" stroke-linecap="round"/>`;
    out += `<circle cx="40.5" cy="62" r="27" fill="#fff3d6" fill-opacity="0.25" stroke="#fff3d6" stroke-opacity="0.5" stroke-width="1.2"/>`;
    out += oicon('fluent-emoji-flat', 'crossed-swords', 14, 36, 53, 53);
    out += `<path d="M40.5,14 L48,28 L33,28 Z" fill="#ffd23f" ${ol(1.2)}/><path d="M40.5,18.5 L40.5,23.5" stroke="${OL}" stroke-width="1.6" stroke-linecap="round"/><circle cx="40.5" cy="25.8" r="0.9" fill="${OL}"/>`;
    out += `<path d="M40.5,107 L48,93 L33,93 Z" fill="#ffd23f" ${ol(1.2)} transform="rotate(180 40.5 100)"/><path d="M40.5,97 L40.5,102" stroke="${OL}" stroke-width="1.6" stroke-linecap="round"/><circle cx="40.5" cy="104.5" r="0.9" fill="${OL}"/>`;
  } else if (kind === 'kovceg') {
    const R = rng(12);
    for (let i = 0; i < 14; i++) out += `<ellipse cx="${10 + R() * 62}" cy="${12 + R() * 96}" rx="${1.5 + R() * 2}" ry="${1 + R()}" fill="#b98f4f" opacity="0.8"/>`;
    out += `<ellipse cx="40.5" cy="82" rx="31" ry="7" fill="#000" opacity="0.22"/>`;
    out += chest(12, 38, 57, 46, false);
    out += `<path d="M22,30 l2,-5 l2,5 l5,2 l-5,2 l-2,5 l-2,-5 l-5,-2 Z" fill="#fffbe6"/><path d="M58,26 l1.5,-4 l1.5,4 l4,1.5 l-4,1.5 l-1.5,4 l-1.5,-4 l-4,-1.5 Z" fill="#fffbe6"/>`;
  } else if (kind === 'coin') {
    const R = rng(14);
    for (let i = 0; i < 10; i++) out += `<path d="M${8 + R() * 62},${12 + R() * 96} q3,-2 6,0" fill="none" stroke="#ffffff" stroke-opacity="0.45" stroke-width="1" stroke-linecap="round"/>`;
    out += `<ellipse cx="40.5" cy="86" rx="26" ry="6" fill="#000" opacity="0.2"/>`;
    out += coin(30, 80, 11, 0.4) + coin(51, 82, 10, 0.42) + coin(40, 76, 11, 0.4);
    out += coinFace(40.5, 52, 21);
  }
  return svg(81, 121, out);
}

// ---------------------------------------------------------------- bodies (81x121)
// Shared silhouette: neck ~y30, shoulders y36, waist y68, hips y74, feet y119.
const BODY = {
  neck: 'M36,27 L45,27 L45.5,37 L35.5,37 Z',
  torso: 'M24,37 C30,34 51,34 57,37 C59,45 57,56 55,68 L56,76 L25,76 L26,68 C24,56 22,45 24,37 Z',
  armL: 'M24,37 C17,38 14.5,45 14,55 L13,74 L21,75 L22,57 C22.5,50 24,46 26,43 Z',
  legL: 'M26,74 L40,74 L40,108 L29,108 C28,96 26,86 26,74 Z',
  bootL: 'M28.5,106 L40,106 L40.5,117.5 L23,117.5 C22,113 26,112 28.5,110 Z',
};
BODY.armR = mirrorX(BODY.armL, 40.5);
BODY.legR = mirrorX(BODY.legL, 40.5);
BODY.bootR = mirrorX(BODY.bootL, 40.5);

function hands(skin = C.skin) {
  return `<circle cx="17" cy="78" r="4.6" fill="${skin}" ${ol()}/><circle cx="64" cy="78" r="4.6" fill="${skin}" ${ol()}/>`;
}
function neck() {
  return `<path d="${BODY.neck}" fill="${C.skin}" ${ol()}/><path d="M36.5,33 Q40.5,35 44.5,33" fill="none" stroke="${C.skinS}" stroke-width="1.2"/>`;
}
function shade(d, op = 0.18) { return `<path d="${d}" fill="#000" opacity="${op}"/>`; }

function body(kind) {
  const g1 = nextId('b'), g2 = nextId('b'), g3 = nextId('b');
  let out = '';
  const sh = shadowFilter(nextId('sh'), 1.2, 1.5, 1, 0.3);
  const shid = sh.match(/id="([^"]+)"/)[1];
  out += `<defs>${sh}</defs><g filter="url(#${shid})">`;
  if (kind === 'noarmor') {
    out += `<defs>${lin(g1, 0, 0, 1, 0, [[0, '#f4e9cc'], [1, C.creamD]])}${lin(g2, 0, 0, 1, 0, [[0, '#7d5a3a'], [1, C.clothD]])}</defs>`;
    out += `<path d="${BODY.legL}" fill="url(#${g2})" ${ol()}/><path d="${BODY.legR}" fill="url(#${g2})" ${ol()}/>`;
    out += `<path d="${BODY.bootL}" fill="#4a2e18" ${ol()}/><path d="${BODY.bootR}" fill="#4a2e18" ${ol()}/>`;
    out += neck();
    out += `<path d="${BODY.armL}" fill="url(#${g1})" ${ol()}/><path d="${BODY.armR}" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="M13.5,68 L21.5,69 L21,75 L13,74 Z" fill="${C.creamD}" ${ol(1)}/><path d="${mirrorX('M13.5,68 L21.5,69 L21,75 L13,74 Z', 40.5)}" fill="${C.creamD}" ${ol(1)}/>`;
    out += `<path d="${BODY.torso}" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="M35,35.5 L40.5,47 L46,35.5" fill="${C.skin}" ${ol(1.1)}/>`;
    out += `<path d="M38,40 L43,40 M38.7,43 L42.3,43" stroke="${C.leatherD}" stroke-width="1"/>`;
    out += `<path d="M32,50 Q34,60 31,68 M49,50 Q47,60 50,68" fill="none" stroke="${C.creamD}" stroke-width="1.1"/>`;
    out += `<path d="M25.5,66 L55.5,66 L56,72 L25,72 Z" fill="${C.leatherD}" ${ol()}/><rect x="37" y="65.5" width="7" height="7" rx="1" fill="${C.gold}" ${ol(1)}/>`;
    out += `<path d="M25,76 L56,76 L55.5,74 L25.5,74 Z" fill="${C.clothD}"/>`;
    out += `<path d="M48,72 L52,84 L47,85 Z" fill="#7a3b1f" ${ol(1)}/>`;
  } else if (kind === 'robe') {
    out += `<defs>${lin(g1, 0, 0, 1, 0, [[0, '#8c5fcc'], [0.55, C.purple], [1, C.purpleD]])}</defs>`;
    out += `<path d="M27,110 L29,119 L39,119 L39,110 Z M42,110 L42,119 L52,119 L54,110 Z" fill="#3b2410" ${ol()}/>`;
    out += neck();
    out += `<path d="M24,37 C30,34 51,34 57,37 C60,52 58,66 60,80 C62,94 64,104 65,114 C50,118 31,118 16,114 C17,104 19,94 21,80 C23,66 21,52 24,37 Z" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="M16,114 C31,118 50,118 65,114 L64.5,110 C50,114 31,114 16.5,110 Z" fill="${C.gold}" ${ol(1)}/>`;
    out += `<path d="M38,36 L43,36 L44,115 L37,115 Z" fill="${C.gold}" ${ol(1)}/>`;
    out += `<path d="M40.5,36 L40.5,115" stroke="${C.goldD}" stroke-width="0.8"/>`;
    // wide sleeves
    const sl = 'M24,37 C16,39 13,48 12,58 L8,76 C13,79 20,79 24,76 L23,58 C23.5,50 24,46 27,43 Z';
    out += `<path d="${sl}" fill="url(#${g1})" ${ol()}/><path d="${mirrorX(sl, 40.5)}" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="M8,76 C13,79 20,79 24,76 L23.5,73 C19,75.5 13,75.5 8.7,73 Z" fill="${C.gold}" ${ol(0.9)}/><path d="${mirrorX('M8,76 C13,79 20,79 24,76 L23.5,73 C19,75.5 13,75.5 8.7,73 Z', 40.5)}" fill="${C.gold}" ${ol(0.9)}/>`;
    out += `<path d="M34,35 Q40.5,44 47,35 L46,34 Q40.5,38 35,34 Z" fill="${C.purpleD}" ${ol(1)}/>`;
    out += `<path d="M22,67 Q40.5,72 59,67" fill="none" stroke="#e8d7a0" stroke-width="2.2" stroke-linecap="round"/><path d="M31,69 L29,86 M33,69 L33,84" stroke="#e8d7a0" stroke-width="1.6" stroke-linecap="round"/><circle cx="29" cy="87" r="1.7" fill="#e8d7a0" ${ol(0.7)}/><circle cx="33" cy="85" r="1.7" fill="#e8d7a0" ${ol(0.7)}/>`;
    for (const [x, y, s] of [[29, 50, 2.5], [52, 58, 2], [27, 96, 2.6], [54, 92, 2.3], [50, 44, 1.6]]) out += `<path d="M${x},${y - s} L${x + s * 0.3},${y - s * 0.3} L${x + s},${y} L${x + s * 0.3},${y + s * 0.3} L${x},${y + s} L${x - s * 0.3},${y + s * 0.3} L${x - s},${y} L${x - s * 0.3},${y - s * 0.3} Z" fill="#ffe58a"/>`;
  } else if (kind === 'leather') {
    out += `<defs>${lin(g1, 0, 0, 1, 0, [[0, C.leatherL], [0.6, C.leather], [1, C.leatherD]])}${lin(g2, 0, 0, 1, 0, [[0, '#5a4a3a'], [1, '#2f261d']])}</defs>`;
    out += `<path d="${BODY.legL}" fill="url(#${g2})" ${ol()}/><path d="${BODY.legR}" fill="url(#${g2})" ${ol()}/>`;
    const boot = 'M27,94 L40,94 L40.5,117.5 L23,117.5 C22,113 26,112 27.5,108 Z';
    out += `<path d="${boot}" fill="${C.leatherD}" ${ol()}/><path d="${mirrorX(boot, 40.5)}" fill="${C.leatherD}" ${ol()}/>`;
    out += `<path d="M26.5,94 L40.5,94 L40.5,98 L27,98 Z" fill="${C.leather}" ${ol(1)}/><path d="${mirrorX('M26.5,94 L40.5,94 L40.5,98 L27,98 Z', 40.5)}" fill="${C.leather}" ${ol(1)}/>`;
    out += neck();
    out += `<path d="${BODY.armL}" fill="#d8c7a0" ${ol()}/><path d="${BODY.armR}" fill="#d8c7a0" ${ol()}/>`;
    const br = 'M13.6,60 L21.8,61 L21,75 L13,74 Z';
    out += `<path d="${br}" fill="${C.leatherD}" ${ol()}/><path d="${mirrorX(br, 40.5)}" fill="${C.leatherD}" ${ol()}/>`;
    out += `<path d="M15,64 L21,65 M14.8,68 L21,69" stroke="${C.leatherL}" stroke-width="0.8"/><path d="${mirrorX('M15,64 L21,65 M14.8,68 L21,69', 40.5)}" stroke="${C.leatherL}" stroke-width="0.8"/>`;
    out += `<path d="M24,37 C30,34 51,34 57,37 C59,45 57,56 55,68 L57,84 L24,84 L26,68 C24,56 22,45 24,37 Z" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="M30,40 L30,66 M51,40 L51,66 M40.5,38 L40.5,84" stroke="${C.leatherD}" stroke-width="1" stroke-dasharray="1.6 1.4"/>`;
    out += `<path d="M34,52 L47,52 M33.5,58 L47.5,58" stroke="${C.leatherD}" stroke-width="0.9"/>`;
    out += `<path d="M26,76 L26,84 M31.5,76 L31.5,84 M37,76 L37,84 M44,76 L44,84 M49.5,76 L49.5,84 M55,76 L55,84" stroke="${C.leatherD}" stroke-width="0.9"/>`;
    // shoulder pads
    const pad = 'M19,36 C22,31 31,32 32,37 C30,42 22,44 17,42 Z';
    out += `<path d="${pad}" fill="${C.leatherD}" ${ol()}/><path d="${mirrorX(pad, 40.5)}" fill="${C.leatherD}" ${ol()}/>`;
    out += `<path d="M35,35.5 L40.5,44 L46,35.5" fill="${C.skin}" ${ol(1)}/>`;
    out += `<path d="M25,68 L56,68 L56.5,74 L24.7,74 Z" fill="#3b2410" ${ol()}/><rect x="36.5" y="67.3" width="8" height="7.4" rx="1" fill="none" stroke="${C.gold}" stroke-width="1.6"/>`;
    out += `<path d="M27,70 L29,80 L25,79 Z" fill="${C.leatherD}" ${ol(0.8)}/>`;
  } else if (kind === 'chainmail') {
    const pat = nextId('ch');
    out += `<defs>${lin(g1, 0, 0, 1, 0, [[0, '#dfe5ec'], [0.5, '#a9b4c0'], [1, '#6f7b88']])}${lin(g2, 0, 0, 1, 0, [[0, '#5a4a3a'], [1, '#2f261d']])}
     <pattern id="${pat}" width="3" height="2.6" patternUnits="userSpaceOnUse"><path d="M0,1.3 A1.5,1.3 0 0 1 3,1.3" fill="none" stroke="#4f5a66" stroke-width="0.55"/><path d="M-1.5,2.6 A1.5,1.3 0 0 1 1.5,2.6 M1.5,2.6 A1.5,1.3 0 0 1 4.5,2.6" fill="none" stroke="#4f5a66" stroke-width="0.55"/></pattern></defs>`;
    out += `<path d="${BODY.legL}" fill="url(#${g2})" ${ol()}/><path d="${BODY.legR}" fill="url(#${g2})" ${ol()}/>`;
    out += `<path d="${BODY.bootL}" fill="#3b2a1a" ${ol()}/><path d="${BODY.bootR}" fill="#3b2a1a" ${ol()}/>`;
    out += neck();
    const sl = 'M24,37 C17,38 14.5,45 14,55 L13.4,66 L22,67 L22,57 C22.5,50 24,46 26,43 Z';
    out += `<path d="${BODY.armL}" fill="#5a4a3a" ${ol()}/><path d="${BODY.armR}" fill="#5a4a3a" ${ol()}/>`;
    out += `<path d="${sl}" fill="url(#${g1})" ${ol()}/><path d="${sl}" fill="url(#${pat})"/><path d="${mirrorX(sl, 40.5)}" fill="url(#${g1})" ${ol()}/><path d="${mirrorX(sl, 40.5)}" fill="url(#${pat})"/>`;
    const hb = 'M24,37 C30,34 51,34 57,37 C59,45 57,56 55,68 L58,90 C46,93 35,93 23,90 L26,68 C24,56 22,45 24,37 Z';
    out += `<path d="${hb}" fill="url(#${g1})" ${ol()}/><path d="${hb}" fill="url(#${pat})"/>`;
    // tabard
    out += `<path d="M33,37 L48,37 L47,90 L40.5,94 L34,90 Z" fill="${C.red}" ${ol()}/><path d="M36.5,50 L44.5,50 M40.5,45 L40.5,60" stroke="${C.gold}" stroke-width="2.2" stroke-linecap="round"/>`;
    // coif collar
    out += `<path d="M30,37 C33,30 48,30 51,37 C47,40 34,40 30,37 Z" fill="url(#${g1})" ${ol()}/><path d="M30,37 C33,30 48,30 51,37 C47,40 34,40 30,37 Z" fill="url(#${pat})"/>`;
    out += `<path d="M24.5,67 L56.5,67 L57,72 L24,72 Z" fill="#3b2410" ${ol()}/><rect x="37" y="66.3" width="7" height="6.4" rx="1" fill="${C.steelL}" ${ol(0.9)}/>`;
    out += `<path d="M13,66 L22,67 L21,75 L13,74 Z" fill="${C.leatherD}" ${ol()}/><path d="${mirrorX('M13,66 L22,67 L21,75 L13,74 Z', 40.5)}" fill="${C.leatherD}" ${ol()}/>`;
  } else if (kind === 'plate') {
    out += `<defs>${lin(g1, 0, 0, 1, 0.2, [[0, '#f4f8fc'], [0.35, '#c5cfd9'], [0.7, '#8d9aa8'], [1, '#5d6976']])}${lin(g2, 0, 0, 1, 0, [[0, '#dfe6ee'], [0.5, '#9eabb8'], [1, '#5d6976']])}${lin(g3, 0, 0, 0, 1, [[0, '#3a2a70'], [1, '#241848']])}</defs>`;
    // legs: cuisses, knees, greaves, sabatons
    out += `<path d="${BODY.legL}" fill="url(#${g2})" ${ol()}/><path d="${BODY.legR}" fill="url(#${g2})" ${ol()}/>`;
    out += `<ellipse cx="33.5" cy="92" rx="6" ry="4.6" fill="url(#${g1})" ${ol()}/><ellipse cx="47.5" cy="92" rx="6" ry="4.6" fill="url(#${g1})" ${ol()}/>`;
    out += `<circle cx="33.5" cy="92" r="1.3" fill="${C.gold}" ${ol(0.6)}/><circle cx="47.5" cy="92" r="1.3" fill="${C.gold}" ${ol(0.6)}/>`;
    const sab = 'M28,108 L40,108 L40.5,117.5 L22,117.5 C22,113 25,111 28,110 Z';
    out += `<path d="${sab}" fill="url(#${g2})" ${ol()}/><path d="${mirrorX(sab, 40.5)}" fill="url(#${g2})" ${ol()}/>`;
    out += `<path d="M25,112.5 L40,112.5 M56,112.5 L41,112.5" stroke="${OL}" stroke-width="0.8"/>`;
    out += neck();
    // arms
    out += `<path d="${BODY.armL}" fill="url(#${g2})" ${ol()}/><path d="${BODY.armR}" fill="url(#${g2})" ${ol()}/>`;
    out += `<path d="M14,56 L22,57 M13.7,64 L21.8,65" stroke="${OL}" stroke-width="0.8"/><path d="${mirrorX('M14,56 L22,57 M13.7,64 L21.8,65', 40.5)}" stroke="${OL}" stroke-width="0.8"/>`;
    // tassets (plated skirt)
    out += `<path d="M24,70 L57,70 L59,86 L44,88 L40.5,84 L37,88 L22,86 Z" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="M23,78 L58,78" stroke="${OL}" stroke-width="0.9"/><path d="M40.5,70 L40.5,84" stroke="${OL}" stroke-width="0.9"/>`;
    // breastplate
    out += `<path d="M24,37 C30,34 51,34 57,37 C59,45 58,58 56,70 L25,70 C23,58 22,45 24,37 Z" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="M40.5,36 L40.5,69" stroke="#6b7784" stroke-width="1"/><path d="M29,44 Q33,56 30,66" fill="none" stroke="#ffffff" stroke-width="1.6" stroke-linecap="round" opacity="0.8"/>`;
    out += `<path d="M28,62 Q40.5,58 53,62" fill="none" stroke="${OL}" stroke-width="0.9"/>`;
    out += `<path d="M25,70 L56,70 L56,74 L25,74 Z" fill="${C.gold}" ${ol(1)}/>`;
    out += `<path d="M34,45 L40.5,42 L47,45 L47,52 Q40.5,58 34,52 Z" fill="url(#${g3})" ${ol(1)}/><path d="M37.5,47 L43.5,47 M40.5,44 L40.5,54" stroke="${C.gold}" stroke-width="1.4"/>`;
    // gorget and pauldrons
    out += `<path d="M31,37 C34,31 47,31 50,37 C46,40.5 35,40.5 31,37 Z" fill="url(#${g2})" ${ol()}/>`;
    const pa = 'M16,46 C14,36 24,31 33,36 C31,42 26,46 16,46 Z';
    const pb = 'M15,51 C14,45 18,42 24,43 C23,47 20,50 15,51 Z';
    out += `<path d="${pb}" fill="url(#${g1})" ${ol()}/><path d="${mirrorX(pb, 40.5)}" fill="url(#${g1})" ${ol()}/>`;
    out += `<path d="${pa}" fill="url(#${g1})" ${ol()}/><path d="${mirrorX(pa, 40.5)}" fill="url(#${g1})" ${ol()}/>`;
    out += `<circle cx="22" cy="39" r="1.2" fill="${C.gold}" ${ol(0.6)}/><circle cx="59" cy="39" r="1.2" fill="${C.gold}" ${ol(0.6)}/>`;
    // gauntlets
    out += `<path d="M12.5,72 L21.5,73 L22,81 L17,84 L12,81 Z" fill="url(#${g2})" ${ol()}/><path d="${mirrorX('M12.5,72 L21.5,73 L22,81 L17,84 L12,81 Z', 40.5)}" fill="url(#${g2})" ${ol()}/>`;
    out += `</g>`;
    return svg(81, 121, out);
  }
  out += hands();
  out += `</g>`;
  return svg(81, 121, out);
}

// ---------------------------------------------------------------- weapons (30x130)
// The grip sits where the body's hand is (about 60-70% of the height).
function weapon(kind) {
  const gb = nextId('w'), gh = nextId('w');
  let out = `<defs>${lin(gb, 0, 0, 1, 0, [[0, '#ffffff'], [0.45, '#d3dbe3'], [0.55, '#9aa7b5'], [1, '#6c7886']])}${lin(gh, 0, 0, 1, 0, [[0, C.woodL], [1, C.woodD]])}</defs>`;
  const cx = 15;
  if (kind === 'sword') {
    out += `<path d="M${cx},4 L${cx + 4.5},13 L${cx + 4},74 L${cx - 4},74 L${cx - 4.5},13 Z" fill="url(#${gb})" ${ol()}/>`;
    out += `<path d="M${cx},9 L${cx},70" stroke="#7d8a99" stroke-width="1"/>`;
    out += `<path d="M${cx - 13},74 Q${cx},79 ${cx + 13},74 L${cx + 13},79 Q${cx},84 ${cx - 13},79 Z" fill="${C.gold}" ${ol()}/>`;
    out += `<rect x="${cx - 3}" y="81" width="6" height="16" rx="1.5" fill="${C.leatherD}" ${ol()}/>`;
    out += `<path d="M${cx - 3},85 L${cx + 3},87 M${cx - 3},89 L${cx + 3},91 M${cx - 3},93 L${cx + 3},95" stroke="${C.leatherL}" stroke-width="0.9"/>`;
    out += `<circle cx="${cx}" cy="100.5" r="4.5" fill="${C.gold}" ${ol()}/><circle cx="${cx}" cy="100.5" r="1.8" fill="${C.red}"/>`;
  } else if (kind === 'dagger') {
    out += `<path d="M${cx},38 L${cx + 4},48 L${cx + 3.5},76 L${cx - 3.5},76 L${cx - 4},48 Z" fill="url(#${gb})" ${ol()}/>`;
    out += `<path d="M${cx},43 L${cx},73" stroke="#7d8a99" stroke-width="1"/>`;
    out += `<path d="M${cx - 9},76 L${cx + 9},76 L${cx + 10},80 L${cx - 10},80 Z" fill="${C.steelD}" ${ol()}/>`;
    out += `<circle cx="${cx - 10}" cy="78" r="2.2" fill="${C.steelD}" ${ol(1)}/><circle cx="${cx + 10}" cy="78" r="2.2" fill="${C.steelD}" ${ol(1)}/>`;
    out += `<rect x="${cx - 2.8}" y="80" width="5.6" height="13" rx="1.5" fill="#3b2410" ${ol()}/>`;
    out += `<path d="M${cx - 2.8},84 L${cx + 2.8},84 M${cx - 2.8},88 L${cx + 2.8},88" stroke="#7a4a22" stroke-width="1"/>`;
    out += `<circle cx="${cx}" cy="96" r="3.6" fill="${C.steelD}" ${ol()}/><circle cx="${cx}" cy="96" r="1.4" fill="#2fb5e8"/>`;
  } else if (kind === 'axe') {
    out += `<path d="M${cx - 2.2},10 L${cx + 2.2},10 L${cx + 2.8},126 L${cx - 2.8},126 Z" fill="url(#${gh})" ${ol()}/>`;
    out += `<path d="M${cx - 2.5},84 L${cx + 2.5},84 L${cx + 2.8},100 L${cx - 2.8},100 Z" fill="${C.leatherD}" ${ol(1)}/>`;
    out += `<path d="M${cx - 2.4},88 L${cx + 2.4},90 M${cx - 2.5},93 L${cx + 2.6},95" stroke="${C.leatherL}" stroke-width="0.8"/>`;
    // double-bitted head
    out += `<path d="M${cx + 2},16 C${cx + 8},17 ${cx + 10},12 ${cx + 13},7 C${cx + 16},16 ${cx + 16},32 ${cx + 13},41 C${cx + 10},36 ${cx + 8},32 ${cx + 2},33 Z" fill="url(#${gb})" ${ol()}/>`;
    out += `<path d="M${cx - 2},19 C${cx - 6},20 ${cx - 8},17 ${cx - 10},14 C${cx - 12},20 ${cx - 12},29 ${cx - 10},35 C${cx - 8},32 ${cx - 6},30 ${cx - 2},30 Z" fill="url(#${gb})" ${ol()}/>`;
    out += `<rect x="${cx - 3.5}" y="14" width="7" height="22" rx="1.5" fill="${C.steelD}" ${ol()}/>`;
    out += `<circle cx="${cx}" cy="20" r="1.1" fill="${C.gold}"/><circle cx="${cx}" cy="30" r="1.1" fill="${C.gold}"/>`;
    out += `<path d="M${cx},6 L${cx + 2.5},10 L${cx - 2.5},10 Z" fill="${C.steelD}" ${ol(1)}/>`;
  } else if (kind === 'spear') {
    out += `<path d="M${cx - 1.8},24 L${cx + 1.8},24 L${cx + 2.2},127 L${cx - 2.2},127 Z" fill="url(#${gh})" ${ol()}/>`;
    out += `<path d="M${cx},2 C${cx + 5},10 ${cx + 6},18 ${cx + 3},27 L${cx - 3},27 C${cx - 6},18 ${cx - 5},10 ${cx},2 Z" fill="url(#${gb})" ${ol()}/>`;
    out += `<path d="M${cx},6 L${cx},25" stroke="#7d8a99" stroke-width="0.9"/>`;
    out += `<rect x="${cx - 3}" y="26" width="6" height="5" rx="1" fill="${C.gold}" ${ol(1)}/>`;
    out += `<path d="M${cx - 2},31 C${cx - 7},34 ${cx - 7},40 ${cx - 4},46 M${cx + 2},31 C${cx + 7},34 ${cx + 7},40 ${cx + 4},46" fill="none" stroke="${C.red}" stroke-width="2.2" stroke-linecap="round"/>`;
    out += `<path d="M${cx - 2.1},82 L${cx + 2.1},82 L${cx + 2.3},98 L${cx - 2.3},98 Z" fill="${C.leatherD}" ${ol(1)}/>`;
    out += `<path d="M${cx - 2.2},120 L${cx + 2.2},120 L${cx + 1.5},128 L${cx - 1.5},128 Z" fill="${C.steelD}" ${ol(1)}/>`;
  }
  return svg(30, 130, out);
}

// ---------------------------------------------------------------- shields (52x64)
function shieldShape(x, y, w, h) {
  return `M${x + w * 0.5},${y + h * 0.02} C${x + w * 0.68},${y + h * 0.08} ${x + w * 0.86},${y + h * 0.09} ${x + w * 0.97},${y + h * 0.08} C${x + w * 1.0},${y + h * 0.5} ${x + w * 0.86},${y + h * 0.82} ${x + w * 0.5},${y + h * 0.98} C${x + w * 0.14},${y + h * 0.82} ${x + w * 0.0},${y + h * 0.5} ${x + w * 0.03},${y + h * 0.08} C${x + w * 0.14},${y + h * 0.09} ${x + w * 0.32},${y + h * 0.08} ${x + w * 0.5},${y + h * 0.02} Z`;
}
function shieldArt(x, y, w, h, color) {
  const g = nextId('s'), rim = nextId('s');
  const [c0, c1, em, ic] = color === 'blue' ? [C.blueL, C.blueD, '#e9eef5', 'eagle-emblem'] : ['#ea6a55', C.redD, C.gold, 'lion'];
  let out = `<defs>${rad(g, 0.35, 0.3, 0.85, [[0, c0], [1, c1]])}${lin(rim, 0, 0, 1, 1, [[0, C.goldL], [1, C.goldD]])}</defs>`;
  const sh = shadowFilter(nextId('sh'), w * 0.025, h * 0.03, w * 0.02, 0.35);
  const shid = sh.match(/id="([^"]+)"/)[1];
  out += `<defs>${sh}</defs><g filter="url(#${shid})">`;
  out += `<path d="${shieldShape(x, y, w, h)}" fill="url(#${rim})" ${ol(SW * w / 52)}/>`;
  out += `<path d="${shieldShape(x + w * 0.08, y + h * 0.06, w * 0.84, h * 0.88)}" fill="url(#${g})" stroke="${C.goldD}" stroke-width="${w / 52}"/>`;
  out += oicon('game-icons', ic, x + w * 0.22, y + h * 0.2, w * 0.56, w * 0.56, { color: em, r: 0.9 * w / 52 });
  out += `<path d="M${x + w * 0.2},${y + h * 0.16} Q${x + w * 0.24},${y + h * 0.5} ${x + w * 0.38},${y + h * 0.74}" fill="none" stroke="#fff" stroke-opacity="0.45" stroke-width="${w * 0.035}" stroke-linecap="round"/>`;
  for (const [fx, fy] of [[0.12, 0.13], [0.88, 0.13], [0.5, 0.9]]) out += `<circle cx="${x + w * fx}" cy="${y + h * fy}" r="${w * 0.03}" fill="${C.goldL}" stroke="${OL}" stroke-width="${w * 0.012}"/>`;
  out += `</g>`;
  return out;
}
function shield(color) { return svg(52, 64, shieldArt(2, 2, 47, 58, color)); }

// ---------------------------------------------------------------- portraits (114x130)
const PORTRAITS = [
  ['man-beard-light', '#6da0d8', '#2a4f86'],
  ['woman-red-hair-light', '#9fd38a', '#3d7a33'],
  ['old-man-light', '#d8b87a', '#8a6230'],
  ['old-woman-medium-light', '#c9a4dc', '#6a3f8f'],
  ['man-mage-light', '#7a6cc8', '#2e2466'],
  ['woman-elf-light', '#8fd6c6', '#2b7a6a'],
  ['prince-medium-light', '#f0d070', '#a0701a'],
  ['princess-light', '#f4a9c0', '#a8446a'],
  ['man-vampire-light', '#a84a4a', '#3a1010'],
  ['woman-curly-hair-medium', '#f0b070', '#a05a20'],
  ['troll', '#9ab86a', '#445a22'],
  ['man-red-hair-light', '#8ab8d0', '#2f6080'],
  ['woman-mage-medium-light', '#6fa0e0', '#1f4a8a'],
  ['man-beard-dark', '#e0a060', '#8a4a1a'],
];
function portrait(i) {
  const [name, c0, c1] = PORTRAITS[i];
  const g = nextId('p'), rim = nextId('p'), clip = nextId('p');
  let out = `<defs>${rad(g, 0.5, 0.35, 0.7, [[0, c0], [1, c1]])}${lin(rim, 0, 0, 1, 1, [[0, C.goldL], [0.5, C.gold], [1, C.goldD]])}
    <clipPath id="${clip}"><ellipse cx="57" cy="65" rx="50" ry="58"/></clipPath></defs>`;
  out += `<ellipse cx="57" cy="65" rx="55" ry="63" fill="url(#${rim})" ${ol()}/>`;
  out += `<ellipse cx="57" cy="65" rx="50" ry="58" fill="url(#${g})" stroke="${C.goldD}" stroke-width="1"/>`;
  out += `<g clip-path="url(#${clip})">${oicon('fluent-emoji-flat', name, 3, 13, 108, 108, { r: 1.2 })}</g>`;
  out += `<ellipse cx="57" cy="65" rx="50" ry="58" fill="none" ${ol()}/>`;
  out += `<path d="M20,40 A48,56 0 0 1 45,12" fill="none" stroke="#fff" stroke-opacity="0.6" stroke-width="2.2" stroke-linecap="round"/>`;
  return svg(114, 130, out);
}

// ---------------------------------------------------------------- speech clouds (260x150)
// Tail to the right (the right fighter speaks) unless flipped.
function cloud(tailRight) {
  // body: a rounded bubble with scalloped edge; inner 70% x 60% stays plain white
  const bumps = [];
  const cx = 128, cy = 66, rx = 116, ry = 56;
  const n = 18;
  let d = '';
  for (let k = 0; k <= n; k++) {
    const a = (k / n) * Math.PI * 2;
    const x = cx + rx * Math.cos(a), y = cy + ry * Math.sin(a);
    if (k === 0) d += `M${x.toFixed(2)},${y.toFixed(2)} `;
    else {
      const am = ((k - 0.5) / n) * Math.PI * 2;
      const bx = cx + (rx + 9) * Math.cos(am), by = cy + (ry + 8) * Math.sin(am);
      d += `Q${bx.toFixed(2)},${by.toFixed(2)} ${x.toFixed(2)},${y.toFixed(2)} `;
    }
  }
  d += 'Z';
  const tail = 'M186,106 C196,124 214,138 250,146 C228,130 218,118 214,100 Z';
  let out = '';
  out += `<path d="${d}" fill="#ffffff" stroke="${OL}" stroke-width="3" stroke-linejoin="round"/>`;
  out += `<path d="${tail}" fill="#ffffff" stroke="${OL}" stroke-width="3" stroke-linejoin="round"/>`;
  out += `<path d="M180,100 C190,106 206,106 220,94 L222,100 C206,112 190,112 180,106 Z" fill="#ffffff"/>`;
  // small puffs of shine near the edge only
  out += `<path d="M30,40 Q36,22 58,18" fill="none" stroke="#d6e6f5" stroke-width="4" stroke-linecap="round"/>`;
  const body = tailRight ? out : `<g transform="translate(260 0) scale(-1 1)">${out}</g>`;
  return svg(260, 150, body);
}

module.exports = { coin, coinFace, coinHeap, chest, tile, body, weapon, shield, shieldArt, shieldShape, portrait, cloud, PORTRAITS };

module.exports.zlatnici = function zlatnici() {
  const { svg } = require('./lib');
  return svg(150, 150, `<ellipse cx="75" cy="138" rx="66" ry="9" fill="#000" opacity="0.25"/>` + coinHeap(8, 30, 134, 110, 21) +
    coin(30, 134, 10, 0.4) + coin(118, 136, 9, 0.45) + coinFace(112, 112, 15));
};
