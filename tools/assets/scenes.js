// The fifteen fight backgrounds (900x620 on screen). Busy details stay at the
// edges and on the horizon; the middle, where the fighters stand, stays calm.
'use strict';
const { OL, C, lin, rad, svg, rng, nextId, icon } = require('./lib');

const W = 900, H = 620;
const SO = `stroke="${OL}" stroke-width="2" stroke-linejoin="round" stroke-linecap="round"`;

function sky(c0, c1, c2) {
  const g = nextId('sky');
  return `<defs>${lin(g, 0, 0, 0, 1, c2 ? [[0, c0], [0.6, c1], [1, c2]] : [[0, c0], [1, c1]])}</defs><rect width="${W}" height="${H}" fill="url(#${g})"/>`;
}
function ground(y, c0, c1, curve = 0) {
  const g = nextId('gr');
  return `<defs>${lin(g, 0, 0, 0, 1, [[0, c0], [1, c1]])}</defs><path d="M0,${y + curve} Q${W / 2},${y - curve} ${W},${y + curve} L${W},${H} L0,${H} Z" fill="url(#${g})"/>`;
}
// A range of peaks along baseY; heights in px; colour; optional snow caps.
function range(seed, baseY, n, hMin, hMax, color, snow, outline = false) {
  const R = rng(seed);
  const step = W / n;
  let d = `M-20,${baseY} `;
  const caps = [];
  for (let i = 0; i <= n; i++) {
    const x = i * step + (R() - 0.5) * step * 0.4;
    const h = hMin + R() * (hMax - hMin);
    d += `L${(x - step / 2).toFixed(1)},${(baseY - h * 0.35).toFixed(1)} L${x.toFixed(1)},${(baseY - h).toFixed(1)} `;
    if (snow) caps.push(`M${(x - h * 0.22).toFixed(1)},${(baseY - h * 0.72).toFixed(1)} L${x.toFixed(1)},${(baseY - h).toFixed(1)} L${(x + h * 0.22).toFixed(1)},${(baseY - h * 0.72).toFixed(1)} L${(x + h * 0.08).toFixed(1)},${(baseY - h * 0.78).toFixed(1)} L${x.toFixed(1)},${(baseY - h * 0.7).toFixed(1)} L${(x - h * 0.1).toFixed(1)},${(baseY - h * 0.78).toFixed(1)} Z`);
  }
  d += `L${W + 20},${baseY} L${W + 20},${H} L-20,${H} Z`;
  let out = `<path d="${d}" fill="${color}" ${outline ? SO : ''}/>`;
  if (snow) out += `<path d="${caps.join(' ')}" fill="${snow}" opacity="0.95"/>`;
  return out;
}
function hills(seed, baseY, amp, color, outline = false) {
  const R = rng(seed);
  let d = `M-10,${baseY} `;
  const n = 5;
  for (let i = 0; i < n; i++) {
    const x0 = (i / n) * W, x1 = ((i + 1) / n) * W;
    d += `Q${((x0 + x1) / 2).toFixed(1)},${(baseY - amp * (0.5 + R())).toFixed(1)} ${x1.toFixed(1)},${(baseY + (R() - 0.5) * amp * 0.3).toFixed(1)} `;
  }
  d += `L${W + 10},${H} L-10,${H} Z`;
  return `<path d="${d}" fill="${color}" ${outline ? SO : ''}/>`;
}
function pine(x, y, s, c = C.greenD, trunk = C.woodD, snow) {
  let out = `<rect x="${x - s * 0.07}" y="${y - s * 0.22}" width="${s * 0.14}" height="${s * 0.24}" fill="${trunk}" ${SO}/>`;
  for (let k = 0; k < 3; k++) {
    const ty = y - s * 0.18 - k * s * 0.26, hw = s * (0.42 - k * 0.1);
    out += `<path d="M${x - hw},${ty} L${x},${ty - s * 0.42} L${x + hw},${ty} Z" fill="${c}" ${SO}/>`;
    if (snow) out += `<path d="M${x - hw * 0.45},${ty - s * 0.22} L${x},${ty - s * 0.42} L${x + hw * 0.45},${ty - s * 0.22} Q${x},${ty - s * 0.17} ${x - hw * 0.45},${ty - s * 0.22} Z" fill="${snow}"/>`;
  }
  return out;
}
function roundTree(x, y, s, c = C.green, c2 = C.greenD) {
  return `<path d="M${x - s * 0.06},${y} L${x - s * 0.05},${y - s * 0.5} L${x + s * 0.05},${y - s * 0.5} L${x + s * 0.07},${y} Z" fill="${C.woodD}" ${SO}/>
  <circle cx="${x - s * 0.2}" cy="${y - s * 0.62}" r="${s * 0.26}" fill="${c2}" ${SO}/><circle cx="${x + s * 0.2}" cy="${y - s * 0.6}" r="${s * 0.26}" fill="${c2}" ${SO}/>
  <circle cx="${x}" cy="${y - s * 0.82}" r="${s * 0.32}" fill="${c}" ${SO}/><circle cx="${x - s * 0.08}" cy="${y - s * 0.9}" r="${s * 0.12}" fill="#fff" opacity="0.18"/>`;
}
function puff(x, y, s, c = '#ffffff', op = 0.9) {
  return `<g opacity="${op}"><ellipse cx="${x}" cy="${y}" rx="${s}" ry="${s * 0.35}" fill="${c}"/><circle cx="${x - s * 0.35}" cy="${y - s * 0.15}" r="${s * 0.3}" fill="${c}"/><circle cx="${x + s * 0.15}" cy="${y - s * 0.25}" r="${s * 0.4}" fill="${c}"/></g>`;
}
function rock(x, y, s, c = '#8a8580') {
  return `<path d="M${x - s},${y} L${x - s * 0.8},${y - s * 0.6} L${x - s * 0.2},${y - s * 0.9} L${x + s * 0.6},${y - s * 0.7} L${x + s},${y} Z" fill="${c}" ${SO}/><path d="M${x - s * 0.5},${y - s * 0.55} L${x - s * 0.15},${y - s * 0.75}" stroke="#fff" stroke-opacity="0.35" stroke-width="3" stroke-linecap="round"/>`;
}
function tufts(seed, n, y0, y1, c, avoid = true) {
  const R = rng(seed);
  let out = '';
  for (let i = 0; i < n; i++) {
    let x = R() * W;
    if (avoid && x > 220 && x < 680) x = x < 450 ? x - 200 : x + 200;
    const y = y0 + R() * (y1 - y0);
    out += `<path d="M${x - 6},${y} Q${x - 5},${y - 8} ${x - 9},${y - 13} M${x},${y} Q${x},${y - 10} ${x + 2},${y - 17} M${x + 6},${y} Q${x + 6},${y - 8} ${x + 10},${y - 11}" fill="none" stroke="${c}" stroke-width="2.2" stroke-linecap="round"/>`;
  }
  return out;
}
// A soft light in the middle keeps the fighters readable.
function haze(color = '#ffffff', op = 0.25, cy = 0.62) {
  const g = nextId('hz');
  return `<defs>${rad(g, 0.5, cy, 0.5, [[0, color, op], [1, color, 0]])}</defs><rect width="${W}" height="${H}" fill="url(#${g})"/>`;
}
function vignette(op = 0.35) {
  const g = nextId('vg');
  return `<defs>${rad(g, 0.5, 0.5, 0.75, [[0.55, '#000', 0], [1, '#000', op]])}</defs><rect width="${W}" height="${H}" fill="url(#${g})"/>`;
}
function bricks(x, y, w, h, c0, c1, bw = 60, bh = 28) {
  const p = nextId('br');
  return `<defs><pattern id="${p}" width="${bw}" height="${bh * 2}" patternUnits="userSpaceOnUse" x="${x}" y="${y}">
   <rect width="${bw}" height="${bh * 2}" fill="${c0}"/>
   <path d="M0,${bh} L${bw},${bh} M0,${bh * 2} L${bw},${bh * 2} M${bw / 2},0 L${bw / 2},${bh} M0,${bh} L0,${bh * 2} M${bw},${bh} L${bw},${bh * 2}" stroke="${c1}" stroke-width="3"/>
   <rect x="4" y="${bh + 4}" width="${bw / 2 - 10}" height="6" fill="#fff" opacity="0.07"/></pattern></defs>
   <rect x="${x}" y="${y}" width="${w}" height="${h}" fill="url(#${p})"/>`;
}
function planks(x, y, w, h, c0, c1, pw = 70, vertical = true) {
  const p = nextId('pl');
  return vertical ? `<defs><pattern id="${p}" width="${pw}" height="400" patternUnits="userSpaceOnUse" x="${x}" y="${y}">
   <rect width="${pw}" height="400" fill="${c0}"/><path d="M0,0 L0,400 M${pw * 0.3},150 L${pw * 0.3},151" stroke="${c1}" stroke-width="4"/>
   <circle cx="${pw * 0.5}" cy="90" r="5" fill="none" stroke="${c1}" stroke-width="2"/><path d="M${pw * 0.2},240 Q${pw * 0.5},260 ${pw * 0.7},300" fill="none" stroke="${c1}" stroke-width="1.5" opacity="0.6"/></pattern></defs>
   <rect x="${x}" y="${y}" width="${w}" height="${h}" fill="url(#${p})"/>`
    : `<defs><pattern id="${p}" width="400" height="${pw}" patternUnits="userSpaceOnUse" x="${x}" y="${y}">
   <rect width="400" height="${pw}" fill="${c0}"/><path d="M0,0 L400,0 M160,0 L160,${pw}" stroke="${c1}" stroke-width="3"/></pattern></defs>
   <rect x="${x}" y="${y}" width="${w}" height="${h}" fill="url(#${p})"/>`;
}
function torch(x, y, s = 1) {
  const g = nextId('tg');
  return `<defs>${rad(g, 0.5, 0.5, 0.5, [[0, '#ffd27a', 0.55], [1, '#ffb040', 0]])}</defs>
  <circle cx="${x}" cy="${y - 30 * s}" r="${90 * s}" fill="url(#${g})"/>
  <path d="M${x - 5 * s},${y} L${x + 5 * s},${y} L${x + 8 * s},${y - 26 * s} L${x - 8 * s},${y - 26 * s} Z" fill="${C.woodD}" ${SO}/>
  <path d="M${x},${y - 62 * s} C${x + 14 * s},${y - 44 * s} ${x + 14 * s},${y - 30 * s} ${x},${y - 24 * s} C${x - 14 * s},${y - 30 * s} ${x - 12 * s},${y - 44 * s} ${x},${y - 62 * s} Z" fill="#ff8a1e" ${SO}/>
  <path d="M${x},${y - 48 * s} C${x + 6 * s},${y - 38 * s} ${x + 6 * s},${y - 32 * s} ${x},${y - 28 * s} C${x - 6 * s},${y - 32 * s} ${x - 6 * s},${y - 38 * s} ${x},${y - 48 * s} Z" fill="#ffe27a"/>`;
}
function banner(x, y, c, h = 120) {
  return `<path d="M${x},${y} L${x + 50},${y} L${x + 50},${y + h} L${x + 25},${y + h - 20} L${x},${y + h} Z" fill="${c}" ${SO}/><path d="M${x + 25},${y + 25} L${x + 33},${y + 45} L${x + 25},${y + 65} L${x + 17},${y + 45} Z" fill="${C.gold}" ${SO}/><rect x="${x - 6}" y="${y - 6}" width="62" height="8" rx="3" fill="${C.wood}" ${SO}/>`;
}
function stars(seed, n, y1, c = '#fff') {
  const R = rng(seed);
  let out = '';
  for (let i = 0; i < n; i++) out += `<circle cx="${(R() * W).toFixed(1)}" cy="${(R() * y1).toFixed(1)}" r="${(0.8 + R() * 1.8).toFixed(2)}" fill="${c}" opacity="${(0.5 + R() * 0.5).toFixed(2)}"/>`;
  return out;
}
function house(x, y, w, h, wall, roof, lit = false) {
  return `<rect x="${x}" y="${y - h}" width="${w}" height="${h}" fill="${wall}" ${SO}/>
  <path d="M${x - w * 0.12},${y - h} L${x + w / 2},${y - h - w * 0.55} L${x + w * 1.12},${y - h} Z" fill="${roof}" ${SO}/>
  <rect x="${x + w * 0.4}" y="${y - h * 0.5}" width="${w * 0.22}" height="${h * 0.5}" fill="${C.woodD}" ${SO}/>
  <rect x="${x + w * 0.1}" y="${y - h * 0.75}" width="${w * 0.2}" height="${h * 0.22}" fill="${lit ? '#ffd86a' : '#6b8fb0'}" ${SO}/>
  <rect x="${x + w * 0.72}" y="${y - h * 0.75}" width="${w * 0.2}" height="${h * 0.22}" fill="${lit ? '#ffd86a' : '#6b8fb0'}" ${SO}/>`;
}
function deadTree(x, y, s, c = '#3b2a22') {
  return `<path d="M${x - s * 0.08},${y} C${x - s * 0.05},${y - s * 0.4} ${x - s * 0.1},${y - s * 0.6} ${x - s * 0.35},${y - s * 0.9} M${x - s * 0.06},${y - s * 0.5} C${x + s * 0.1},${y - s * 0.7} ${x + s * 0.3},${y - s * 0.75} ${x + s * 0.4},${y - s * 1.0} M${x + s * 0.05},${y - s * 0.62} L${x + s * 0.05},${y - s * 1.05} M${x - s * 0.2},${y - s * 0.72} L${x - s * 0.45},${y - s * 0.7}" fill="none" stroke="${c}" stroke-width="${s * 0.07}" stroke-linecap="round"/>
  <path d="M${x - s * 0.12},${y} L${x + s * 0.12},${y} L${x + s * 0.04},${y - s * 0.45} L${x - s * 0.06},${y - s * 0.45} Z" fill="${c}"/>`;
}
function tomb(x, y, s, c = '#9a98a8') {
  return `<path d="M${x - s * 0.4},${y} L${x - s * 0.4},${y - s * 0.7} Q${x},${y - s * 1.15} ${x + s * 0.4},${y - s * 0.7} L${x + s * 0.4},${y} Z" fill="${c}" ${SO}/><path d="M${x},${y - s * 0.75} L${x},${y - s * 0.35} M${x - s * 0.15},${y - s * 0.6} L${x + s * 0.15},${y - s * 0.6}" stroke="#5a5868" stroke-width="${s * 0.06}" stroke-linecap="round"/>`;
}

const SCENES = [
  // 1 forest
  () => sky('#7cc4f0', '#d8f0ff') + puff(170, 90, 80) + puff(720, 70, 95) + hills(1, 360, 60, '#8cc66a') + hills(2, 400, 40, '#6aa84e') +
    [60, 140, 200, 720, 790, 860].map((x, i) => pine(x, 420 + (i % 2) * 20, 190 + (i % 3) * 30)).join('') +
    ground(410, '#7fbf55', '#4f8a34', 6) + tufts(3, 26, 430, 610, '#3e7228') + roundTree(30, 640, 260) + roundTree(880, 650, 240) + haze('#ffffff', 0.22) + vignette(0.25),
  // 2 castle courtyard
  () => sky('#8ec5ee', '#e6f3ff') + puff(450, 80, 90) + bricks(0, 150, W, 270, '#b7ab98', '#8a7f6e') +
    `<rect x="0" y="150" width="${W}" height="270" fill="#000" opacity="0.05"/>` +
    [0, 60, 120, 180, 240, 300, 360, 420, 480, 540, 600, 660, 720, 780, 840].map(x => `<rect x="${x + 5}" y="120" width="40" height="34" fill="#b7ab98" ${SO}/>`).join('') +
    `<path d="M0,154 L${W},154" ${SO}/>` +
    [[-10, 130], [770, 130]].map(([x]) => `${bricks(x, 40, 140, 400, '#a89c88', '#7c7262', 46, 24)}<rect x="${x}" y="40" width="140" height="400" fill="none" ${SO}/><path d="M${x - 10},40 L${x + 70},-40 L${x + 150},40 Z" fill="#b33a30" ${SO}/><rect x="${x + 52}" y="120" width="36" height="60" rx="18" fill="#3a2f2a" ${SO}/>`).join('') +
    banner(250, 180, C.blue) + banner(600, 180, C.red) +
    `<path d="M390,420 L390,300 Q450,240 510,300 L510,420 Z" fill="#5a4030" ${SO}/><path d="M400,420 L400,305 Q450,255 500,305 L500,420" fill="none" stroke="#3a2a1e" stroke-width="3"/>${[410, 430, 450, 470, 490].map(x => `<path d="M${x},290 L${x},420" stroke="#2a2a2a" stroke-width="3"/>`).join('')}` +
    ground(420, '#c9b99a', '#8f8068') + (() => { const R = rng(22); let o = ''; for (let i = 0; i < 40; i++) { const x = R() * W, y = 440 + R() * 170; o += `<ellipse cx="${x}" cy="${y}" rx="${14 + R() * 10}" ry="${5 + R() * 3}" fill="#a89878" opacity="0.7"/>`; } return o; })() +
    haze('#fff6e0', 0.2) + vignette(0.25),
  // 3 tavern
  () => planks(0, 0, W, 430, '#8a5a32', '#5e3a1c') + `<rect y="0" width="${W}" height="430" fill="#3a1e08" opacity="0.15"/>` +
    `<rect x="0" y="60" width="${W}" height="22" fill="${C.woodD}" ${SO}/>` +
    // fireplace right
    `<rect x="690" y="200" width="190" height="230" fill="#8a7c70" ${SO}/><rect x="730" y="280" width="110" height="150" rx="10" fill="#2a1a12" ${SO}/><path d="M745,430 C750,380 770,360 785,330 C800,360 820,380 825,430 Z" fill="#ff8a1e"/><path d="M765,430 C770,400 778,390 785,370 C792,390 800,400 805,430 Z" fill="#ffe27a"/><rect x="680" y="190" width="210" height="20" fill="${C.woodD}" ${SO}/>` +
    // shelf with mugs and bottles left
    `<rect x="30" y="170" width="220" height="12" fill="${C.woodD}" ${SO}/>` + [50, 90, 130, 170, 210].map((x, i) => i % 2 ? `<rect x="${x}" y="120" width="22" height="50" rx="4" fill="${['#3a7a4a', '#7a3a4a'][i % 2 === 1 ? 0 : 1]}" ${SO}/><rect x="${x + 7}" y="104" width="8" height="18" fill="#3a7a4a" ${SO}/>` : `<rect x="${x}" y="138" width="28" height="32" rx="3" fill="#c9a36a" ${SO}/><path d="M${x + 28},${145} q12,8 0,16" fill="none" ${SO}/>`).join('') +
    // barrels
    [[60, 440], [150, 450], [105, 370]].map(([x, y]) => `<path d="M${x - 42},${y} Q${x - 50},${y - 45} ${x - 42},${y - 90} L${x + 42},${y - 90} Q${x + 50},${y - 45} ${x + 42},${y} Z" fill="#a0683a" ${SO}/><path d="M${x - 46},${y - 25} L${x + 46},${y - 25} M${x - 46},${y - 65} L${x + 46},${y - 65}" stroke="#4a4a4a" stroke-width="6"/>`).join('') +
    planks(0, 430, W, 190, '#6e4424', '#4a2c14', 60, false) + `<rect x="0" y="430" width="${W}" height="6" fill="${OL}"/>` + torch(300, 200) + torch(600, 200) + haze('#ffd9a0', 0.22) + vignette(0.4),
  // 4 desert
  () => sky('#f6b15a', '#ffe7b0') + `<circle cx="700" cy="130" r="60" fill="#fff4c0" opacity="0.9"/>` +
    `<path d="M80,340 L160,230 L240,340 Z" fill="#d79a55" ${SO}/><path d="M160,230 L240,340 L200,340 Z" fill="#b77a3a"/><path d="M230,340 L280,275 L330,340 Z" fill="#d79a55" ${SO}/>` +
    hills(4, 350, 50, '#eec07a') + hills(5, 420, 40, '#e6b068') +
    [[90, 470, 1], [820, 480, 1.2]].map(([x, y, s]) => `<path d="M${x - 10 * s},${y} L${x - 10 * s},${y - 120 * s} Q${x},${y - 135 * s} ${x + 10 * s},${y - 120 * s} L${x + 10 * s},${y} Z M${x - 10 * s},${y - 60 * s} L${x - 30 * s},${y - 60 * s} L${x - 30 * s},${y - 90 * s} Q${x - 25 * s},${y - 100 * s} ${x - 20 * s},${y - 90 * s} L${x - 20 * s},${y - 70 * s} L${x - 10 * s},${y - 70 * s} Z M${x + 10 * s},${y - 40 * s} L${x + 30 * s},${y - 40 * s} L${x + 30 * s},${y - 80 * s} Q${x + 25 * s},${y - 90 * s} ${x + 20 * s},${y - 80 * s} L${x + 20 * s},${y - 50 * s} L${x + 10 * s},${y - 50 * s} Z" fill="#5e9a3a" ${SO}/>`).join('') +
    ground(440, '#f0c27e', '#d49a52', 8) + rock(40, 600, 50, '#b88a5a') + rock(860, 590, 40, '#b88a5a') + `<path d="M640,560 q20,-10 40,0 M200,540 q20,-10 40,0" stroke="#c48a48" stroke-width="3" fill="none"/>` + haze('#fff6d8', 0.25),
  // 5 snow
  () => sky('#a9c9e8', '#eef6ff') + range(6, 330, 6, 120, 230, '#8aa2bf', '#ffffff') + hills(7, 400, 50, '#e3eef8') +
    [50, 130, 780, 860].map((x, i) => pine(x, 440 + (i % 2) * 15, 200, '#2f5a4a', C.woodD, '#ffffff')).join('') +
    ground(420, '#f4f9ff', '#cddff0', 6) + (() => { const R = rng(8); let o = ''; for (let i = 0; i < 60; i++) o += `<circle cx="${(R() * W).toFixed(1)}" cy="${(R() * 600).toFixed(1)}" r="${(1.5 + R() * 3).toFixed(1)}" fill="#fff" opacity="0.85"/>`; return o; })() + haze('#ffffff', 0.2),
  // 6 cave
  () => `<defs>${rad('cv', 0.5, 0.55, 0.7, [[0, '#8a7060'], [0.6, '#4a3a32'], [1, '#1e1612']])}</defs><rect width="${W}" height="${H}" fill="url(#cv)"/>` +
    (() => { const R = rng(9); let o = ''; for (let i = 0; i < 14; i++) { const x = i * 68 + R() * 30, h = 50 + R() * 90; o += `<path d="M${x - 22},-2 L${x},${h} L${x + 22},-2 Z" fill="#3a2c24" ${SO}/>`; } return o; })() +
    `<path d="M0,620 L0,180 C60,200 90,300 120,420 C140,500 180,560 200,620 Z" fill="#33261e" ${SO}/><path d="M900,620 L900,160 C840,200 810,300 780,420 C760,500 730,560 700,620 Z" fill="#33261e" ${SO}/>` +
    ground(450, '#6e5a4c', '#3a2c24', 10) + [[110, 470, '#6fd3ff'], [790, 480, '#c27aff'], [140, 500, '#6fd3ff']].map(([x, y, c]) => `<path d="M${x},${y} L${x - 12},${y - 40} L${x},${y - 70} L${x + 12},${y - 40} Z" fill="${c}" ${SO}/><path d="M${x + 16},${y} L${x + 8},${y - 26} L${x + 18},${y - 44} L${x + 26},${y - 26} Z" fill="${c}" ${SO}/>`).join('') +
    rock(60, 600, 55, '#5a4a40') + rock(850, 610, 60, '#5a4a40') + haze('#ffe0b0', 0.2, 0.6),
  // 7 arena
  () => sky('#7fb8ea', '#cfe6fb') + `<path d="M0,120 Q450,60 900,120 L900,400 L0,400 Z" fill="#b9a184" ${SO}/>` +
    (() => { const R = rng(10); let o = ''; const cols = ['#e0b48a', '#c98e5e', '#f0c8a0', '#8a5a3a']; const shirt = ['#c0392b', '#2f62b0', '#4e8c3a', '#e0a020', '#6a3f9f']; for (let row = 0; row < 5; row++) for (let i = 0; i < 34; i++) { const x = i * 27 + (row % 2) * 13 + 5, y = 150 + row * 45 - 30 * Math.sin(Math.PI * x / W); o += `<rect x="${x - 9}" y="${y}" width="18" height="20" rx="6" fill="${shirt[Math.floor(R() * 5)]}"/><circle cx="${x}" cy="${y - 4}" r="7" fill="${cols[Math.floor(R() * 4)]}"/>`; } return o; })() +
    `<path d="M0,330 L900,330 L900,420 L0,420 Z" fill="#a8875e" ${SO}/>${[0, 150, 300, 450, 600, 750].map(x => `<rect x="${x + 60}" y="330" width="30" height="90" fill="#8f6f48" ${SO}/>`).join('')}` +
    banner(20, 100, C.red, 150) + banner(830, 100, C.blue, 150) + ground(420, '#e8cf9a', '#c9a76a', 4) +
    `<ellipse cx="450" cy="540" rx="380" ry="70" fill="none" stroke="#c4a068" stroke-width="4" opacity="0.6"/>` + haze('#fff6e0', 0.2),
  // 8 night
  () => sky('#0e1638', '#2e3d78', '#4a5a96') + stars(11, 90, 300) + `<circle cx="720" cy="110" r="46" fill="#fff6d0"/><circle cx="738" cy="100" r="40" fill="#1a2450" opacity="0"/><circle cx="705" cy="95" r="8" fill="#e8dcb0"/><circle cx="730" cy="125" r="6" fill="#e8dcb0"/>` +
    hills(12, 380, 60, '#1e2a50') + house(60, 420, 110, 90, '#3a3a5a', '#2a1e3a', true) + house(740, 420, 120, 100, '#3a3a5a', '#2a1e3a', true) +
    ground(410, '#2c4a3a', '#16261e', 6) + tufts(13, 20, 440, 610, '#1a3224') + haze('#aac4ff', 0.2),
  // 9 swamp
  () => sky('#8aa58a', '#c8d8b0') + hills(14, 360, 40, '#6a8a5a') + [70, 190, 760, 850].map((x, i) => deadTree(x, 440, 260 - i * 20, '#3a3a2a')).join('') +
    ground(410, '#6f8a4a', '#44582c', 4) + [[160, 520, 120], [720, 560, 140], [450, 600, 200]].map(([x, y, r]) => `<ellipse cx="${x}" cy="${y}" rx="${r}" ry="${r * 0.18}" fill="#4a6a5a" ${SO}/><ellipse cx="${x - r * 0.3}" cy="${y - r * 0.03}" rx="${r * 0.3}" ry="${r * 0.04}" fill="#8ab0a0" opacity="0.6"/>`).join('') +
    tufts(15, 30, 430, 610, '#2f4420') + [[60, 600], [840, 590]].map(([x, y]) => `<path d="M${x},${y} L${x},${y - 80} M${x + 12},${y} L${x + 14},${y - 95} M${x - 10},${y} L${x - 12},${y - 70}" stroke="#3a5a2a" stroke-width="3"/><rect x="${x - 3}" y="${y - 105}" width="7" height="24" rx="3" fill="#6a4a2a"/>`).join('') +
    puff(200, 440, 160, '#e8f0e0', 0.35) + puff(700, 450, 180, '#e8f0e0', 0.35) + haze('#f0f6e0', 0.22),
  // 10 mountains
  () => sky('#6fa8e0', '#d0e6fa') + puff(200, 110, 90) + puff(680, 150, 70) + range(16, 360, 5, 180, 300, '#7a8aa8', '#ffffff') + range(17, 400, 7, 80, 160, '#6a7a8a') +
    ground(410, '#9aa070', '#6a7048', 10) + rock(70, 600, 80, '#8a8a8a') + rock(180, 560, 40, '#9a9a9a') + rock(830, 610, 90, '#8a8a8a') + tufts(18, 16, 430, 600, '#4a5a30') + haze('#ffffff', 0.2),
  // 11 sea shore
  () => sky('#58b0e8', '#cdeeff') + puff(300, 90, 80) + puff(760, 120, 60) + `<rect x="0" y="330" width="${W}" height="120" fill="#2f86c0"/><path d="M0,330 L${W},330" stroke="#1f5f90" stroke-width="3"/>` +
    `<path d="M620,320 L700,320 L690,332 L630,332 Z" fill="#6a4423" ${SO}/><path d="M660,320 L660,270 M660,272 L690,310 L660,310 Z" fill="#fff" ${SO}/>` +
    (() => { let o = ''; for (let i = 0; i < 8; i++) o += `<path d="M${i * 120 + 20},${360 + (i % 3) * 25} q15,-8 30,0 q15,8 30,0" fill="none" stroke="#bfe6ff" stroke-width="3" opacity="0.8"/>`; return o; })() +
    `<path d="M0,440 Q450,410 900,440 L900,460 Q450,430 0,460 Z" fill="#ffffff" opacity="0.7"/>` + ground(445, '#f4dca0', '#dcb878', 8) +
    `<path d="M820,600 C830,500 810,420 780,330" fill="none" stroke="${C.woodD}" stroke-width="18" stroke-linecap="round"/>` +
    [[-60, 0.9], [-20, 1], [30, 1], [80, 0.9], [140, 0.8]].map(([a, s]) => `<path d="M780,330 q${60 * Math.cos(a * Math.PI / 180) * s},${-40 * s} ${120 * Math.cos(a * Math.PI / 180) * s},${20 + 40 * Math.sin(a * Math.PI / 180) * s}" fill="none" stroke="#3e8a2e" stroke-width="16" stroke-linecap="round"/>`).join('') +
    `<path d="M60,580 l12,-10 l12,10 l-12,6 Z" fill="#f08a5a" ${SO}/>` + haze('#ffffff', 0.2),
  // 12 village
  () => sky('#8ccaf2', '#e8f6ff') + puff(450, 80, 110) + hills(19, 330, 50, '#9ccf70') +
    house(30, 390, 130, 110, '#efe2c0', '#b5432e') + house(200, 360, 90, 70, '#e8dcc0', '#8a5a3a') + house(610, 360, 90, 70, '#e8dcc0', '#b5432e') + house(740, 390, 130, 110, '#efe2c0', '#8a5a3a') +
    ground(390, '#8fc464', '#5f9a40', 4) + `<path d="M380,390 L520,390 L700,620 L200,620 Z" fill="#d8c08a" opacity="0.9"/>` + tufts(20, 20, 410, 610, '#3f7228') +
    `<path d="M20,470 L180,470 M20,500 L180,500 M720,470 L880,470 M720,500 L880,500" stroke="${C.wood}" stroke-width="6"/>${[30, 80, 130, 180, 730, 780, 830, 880].map(x => `<rect x="${x - 5}" y="455" width="10" height="60" fill="${C.wood}" ${SO}/>`).join('')}` + haze('#fff', 0.2),
  // 13 dungeon
  () => bricks(0, 0, W, 440, '#5e5a66', '#3a3842', 70, 32) + `<rect width="${W}" height="440" fill="#101018" opacity="0.25"/>` +
    `<rect x="390" y="70" width="120" height="90" fill="#1a1a2a" ${SO}/>${[410, 440, 470, 500].map(x => `<path d="M${x},70 L${x},160" stroke="#6a6a72" stroke-width="6"/>`).join('')}<path d="M390,115 L510,115" stroke="#6a6a72" stroke-width="6"/>` +
    [[120, 180], [780, 180]].map(([x, y]) => `<path d="M${x},${y} ${[...Array(8)].map((_, k) => `m0,18 a6,9 0 1 0 0.1,0`).join(' ')}" fill="none" stroke="#8a8a92" stroke-width="4"/><circle cx="${x}" cy="${y + 160}" r="14" fill="none" stroke="#8a8a92" stroke-width="6"/>`).join('') +
    torch(260, 250) + torch(640, 250) + ground(440, '#4e4a52', '#2a282e') + (() => { const R = rng(23); let o = ''; for (let i = 0; i < 30; i++) o += `<path d="M${R() * W},${450 + R() * 160} l${20 + R() * 30},${(R() - 0.5) * 6}" stroke="#3a3840" stroke-width="3"/>`; return o; })() +
    `<path d="M60,600 q10,-30 30,-30 q20,0 25,30 Z" fill="#e8e0d0" ${SO}/>` + haze('#ffd8a0', 0.18) + vignette(0.45),
  // 14 graveyard
  () => sky('#3a2a5a', '#a86a8a', '#e8a070') + `<circle cx="200" cy="160" r="50" fill="#fff0d0" opacity="0.9"/>` + hills(24, 380, 40, '#3a3048') +
    deadTree(100, 440, 300, '#1e1628') + deadTree(820, 430, 240, '#1e1628') +
    ground(410, '#4a4a3a', '#26261e', 4) + [[60, 500, 70], [180, 470, 55], [740, 470, 60], [860, 510, 75], [250, 560, 50], [650, 560, 55]].map(([x, y, s]) => tomb(x, y, s)).join('') +
    `<path d="M0,420 L${W},420" stroke="#1e1628" stroke-width="4"/>${[...Array(19)].map((_, i) => `<path d="M${i * 50},440 L${i * 50},395 L${i * 50 + 5},385 L${i * 50 + 10},395 L${i * 50 + 10},440" fill="#1e1628"/>`).join('')}` +
    puff(450, 470, 300, '#d8c8e8', 0.25) + haze('#ffe0d0', 0.2),
  // 15 volcano
  () => sky('#3a1010', '#a83a1a', '#f08a3a') + `<path d="M520,380 L640,150 L690,150 L820,380 Z" fill="#3a2220" ${SO}/><path d="M640,150 L690,150 L680,175 L668,160 L655,185 L645,165 Z" fill="#ff8a1e"/><path d="M660,185 C650,240 670,280 640,380 L660,380 C690,300 672,240 672,180 Z" fill="#ff6a1a"/>` +
    puff(665, 110, 60, '#5a4a48', 0.8) + puff(700, 70, 70, '#5a4a48', 0.6) + hills(25, 400, 50, '#2e1e1c') +
    ground(420, '#4a302a', '#2a1a16', 6) + [[80, 520, 220], [760, 560, 200]].map(([x, y, l]) => `<path d="M${x},${y} l${l * 0.3},${-15} l${l * 0.2},${20} l${l * 0.3},${-10}" fill="none" stroke="#ff7a1a" stroke-width="5" stroke-linecap="round"/>`).join('') +
    rock(60, 610, 70, '#4a3a36') + rock(850, 600, 60, '#4a3a36') + stars(26, 40, 400, '#ffb070') + haze('#ffb080', 0.2),
];

function all() {
  return SCENES.map(f => svg(W, H, f()));
}
module.exports = { all };
