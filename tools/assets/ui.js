// Pictures of the screens: title, player creation, board, inventory,
// reward, mishaps, victory, about, and the game's icon.
'use strict';
const { OL, SW, C, oicon, lin, rad, svg, ol, nextId, rng, shadowFilter } = require('./lib');
const items = require('./items');

function shadowed(inner, dx = 2, dy = 3, blur = 2, op = 0.35) {
  const f = shadowFilter(nextId('sh'), dx, dy, blur, op);
  const id = f.match(/id="([^"]+)"/)[1];
  return `<defs>${f}</defs><g filter="url(#${id})">${inner}</g>`;
}
function sparkle(x, y, s, c = '#fffbe6') {
  return `<path d="M${x},${y - s} L${x + s * 0.22},${y - s * 0.22} L${x + s},${y} L${x + s * 0.22},${y + s * 0.22} L${x},${y + s} L${x - s * 0.22},${y + s * 0.22} L${x - s},${y} L${x - s * 0.22},${y - s * 0.22} Z" fill="${c}" stroke="${OL}" stroke-width="0.8"/>`;
}
function rot(a, cx, cy, inner) { return `<g transform="rotate(${a} ${cx} ${cy})">${inner}</g>`; }
function place(x, y, s, inner) { return `<g transform="translate(${x} ${y}) scale(${s})">${inner}</g>`; }
// the inner part of one of our item svgs (drop the xml header and outer svg)
function inner(svgText) { return svgText.replace(/^[\s\S]*?<svg[^>]*>/, '').replace(/<\/svg>\s*$/, ''); }

// ------------------------------------------------------------ title decorations (120x120)
function title(i) {
  const f = 'fluent-emoji-flat';
  const pics = [
    () => oicon(f, 'crossed-swords', 8, 8, 104, 104, { r: 2 }),
    () => oicon(f, 'castle', 6, 6, 108, 108, { r: 2 }),
    () => oicon(f, 'crown', 8, 8, 104, 104, { r: 2 }),
    () => rot(-12, 60, 60, oicon(f, 'game-die', 12, 12, 96, 96, { r: 2 })),
    () => items.shieldArt(14, 8, 92, 106, 'red'),
    () => oicon(f, 'dragon-face', 6, 6, 108, 108, { r: 2 }),
    () => items.coinHeap(10, 40, 100, 70, 31, 0.8) + items.coinFace(84, 88, 16),
  ];
  return svg(120, 120, shadowed(pics[i](), 2, 3, 2, 0.3));
}

// ------------------------------------------------------------ creation screen figures (180x400)
function figure(female) {
  const g1 = nextId('f'), g2 = nextId('f');
  let o = '';
  if (female) {
    o += `<defs>${lin(g1, 0, 0, 1, 0, [[0, '#e0584a'], [0.6, C.red], [1, C.redD]])}${lin(g2, 0, 0, 1, 0, [[0, '#f4ead0'], [1, C.creamD]])}</defs>`;
    // long hair behind
    o += `<path d="M46,60 C44,20 136,20 134,60 L140,150 C120,160 60,160 40,150 Z" fill="#8a4a22" ${ol(3)}/>`;
    o += `<path d="M80,96 L100,96 L101,128 L79,128 Z" fill="${C.skin}" ${ol(3)}/>`;
    // arms (sleeves to the wrist)
    const arm = 'M58,130 C40,134 34,160 32,200 L28,262 L44,264 L50,205 C52,180 56,160 64,150 Z';
    o += `<path d="${arm}" fill="url(#${g2})" ${ol(3)}/><path d="${arm}" transform="translate(180 0) scale(-1 1)" fill="url(#${g2})" ${ol(3)}/>`;
    o += `<circle cx="36" cy="270" r="10" fill="${C.skin}" ${ol(3)}/><circle cx="144" cy="270" r="10" fill="${C.skin}" ${ol(3)}/>`;
    // shoes and dress
    o += `<path d="M62,380 L84,380 L84,396 L56,396 Z M96,380 L118,380 L124,396 L96,396 Z" fill="#5a2a1a" ${ol(3)}/>`;
    o += `<path d="M58,128 C75,120 105,120 122,128 C126,160 120,190 116,215 C132,270 146,330 152,386 C110,396 70,396 28,386 C34,330 48,270 64,215 C60,190 54,160 58,128 Z" fill="url(#${g1})" ${ol(3)}/>`;
    o += `<path d="M64,215 Q90,224 116,215 L116,205 Q90,214 64,205 Z" fill="${C.gold}" ${ol(2)}/>`;
    o += `<path d="M28,386 C70,396 110,396 152,386 L150,374 C110,384 70,384 30,374 Z" fill="${C.gold}" ${ol(2)}/>`;
    o += `<path d="M74,126 Q90,150 106,126" fill="${C.skin}" ${ol(2.5)}/>`;
    o += `<path d="M80,240 Q74,300 62,370 M100,240 Q106,300 118,370" fill="none" stroke="${C.redD}" stroke-width="2.5" opacity="0.7"/>`;
  } else {
    o += `<defs>${lin(g1, 0, 0, 1, 0, [[0, '#6fae52'], [0.6, C.green], [1, C.greenD]])}${lin(g2, 0, 0, 1, 0, [[0, '#7d5a3a'], [1, C.clothD]])}</defs>`;
    o += `<path d="M80,96 L100,96 L101,128 L79,128 Z" fill="${C.skin}" ${ol(3)}/>`;
    o += `<path d="M58,240 L88,240 L88,364 L62,364 Z M92,240 L122,240 L118,364 L92,364 Z" fill="url(#${g2})" ${ol(3)}/>`;
    o += `<path d="M60,350 L88,350 L89,396 L46,396 C44,384 54,380 60,372 Z M92,350 L120,350 L120,372 C126,380 136,384 134,396 L91,396 Z" fill="${C.leatherD}" ${ol(3)}/>`;
    const arm = 'M54,130 C36,134 30,160 29,200 L27,262 L45,264 L48,205 C50,180 56,160 62,150 Z';
    o += `<path d="${arm}" fill="url(#${g1})" ${ol(3)}/><path d="${arm}" transform="translate(180 0) scale(-1 1)" fill="url(#${g1})" ${ol(3)}/>`;
    o += `<circle cx="36" cy="270" r="10" fill="${C.skin}" ${ol(3)}/><circle cx="144" cy="270" r="10" fill="${C.skin}" ${ol(3)}/>`;
    o += `<path d="M54,128 C75,120 105,120 126,128 C132,170 126,210 128,262 C104,270 76,270 52,262 C54,210 48,170 54,128 Z" fill="url(#${g1})" ${ol(3)}/>`;
    o += `<path d="M52,214 L128,214 L128,228 L52,228 Z" fill="${C.leatherD}" ${ol(3)}/><rect x="82" y="211" width="16" height="20" rx="2" fill="${C.gold}" ${ol(2)}/>`;
    o += `<path d="M74,126 L90,152 L106,126" fill="${C.skin}" ${ol(2.5)}/><path d="M84,138 L96,138 M86,146 L94,146" stroke="${C.leatherD}" stroke-width="2"/>`;
    o += `<path d="M54,260 Q90,270 126,260" fill="none" stroke="${C.greenD}" stroke-width="3"/>`;
  }
  // the head (the portrait covers it on the screen)
  o += `<ellipse cx="90" cy="60" rx="36" ry="44" fill="${C.skin}" ${ol(3)}/>`;
  o += `<circle cx="77" cy="60" r="4" fill="${OL}"/><circle cx="103" cy="60" r="4" fill="${OL}"/><path d="M78,80 Q90,90 102,80" fill="none" ${ol(3)}/>`;
  o += `<circle cx="70" cy="74" r="6" fill="#f29a8a" opacity="0.6"/><circle cx="110" cy="74" r="6" fill="#f29a8a" opacity="0.6"/>`;
  if (female) o += `<path d="M52,56 C50,14 130,14 128,56 C116,40 100,30 90,28 C80,34 66,42 52,56 Z" fill="#8a4a22" ${ol(3)}/>`;
  else o += `<path d="M54,54 C50,12 130,12 126,54 C118,40 104,36 96,36 C86,42 70,40 54,54 Z" fill="#5a3a1a" ${ol(3)}/>`;
  return svg(180, 400, shadowed(o, 3, 4, 3, 0.3));
}

// ------------------------------------------------------------ board card stacks (240x320)
function cardBack(x, y, w, h, c0, c1) {
  const p = nextId('cb');
  return `<defs><pattern id="${p}" width="16" height="16" patternUnits="userSpaceOnUse" patternTransform="rotate(45)"><rect width="16" height="16" fill="${c0}"/><rect width="8" height="8" fill="${c1}"/></pattern></defs>
  <rect x="${x}" y="${y}" width="${w}" height="${h}" rx="12" fill="#fbf3dc" ${ol(3)}/>
  <rect x="${x + 10}" y="${y + 10}" width="${w - 20}" height="${h - 20}" rx="6" fill="url(#${p})" stroke="${C.goldD}" stroke-width="3"/>`;
}
function cards(which) {
  const [c0, c1, pic, bg] = which === 1 ? [C.blue, C.blueD, 'dragon', '#d9ecff'] : [C.red, C.redD, 'money-bag', '#fff0c8'];
  let o = '';
  o += rot(-14, 120, 170, cardBack(40, 30, 150, 220, c0, c1));
  o += rot(-6, 120, 170, cardBack(44, 40, 150, 220, c0, c1));
  o += rot(4, 120, 170, cardBack(48, 48, 150, 220, c0, c1));
  // the face-up card on top
  const g = nextId('cf');
  let face = `<defs>${rad(g, 0.5, 0.45, 0.6, [[0, '#ffffff'], [1, bg]])}</defs>`;
  face += `<rect x="52" y="58" width="150" height="220" rx="12" fill="#fbf3dc" ${ol(3)}/>`;
  face += `<rect x="62" y="68" width="130" height="200" rx="6" fill="url(#${g})" stroke="${C.goldD}" stroke-width="3"/>`;
  face += oicon('fluent-emoji-flat', pic, 72, 110, 110, 110, { r: 2 });
  face += `<path d="M127,76 L135,90 L127,104 L119,90 Z" fill="${c0}" ${ol(2)}/><path d="M127,232 L135,246 L127,260 L119,246 Z" fill="${c0}" ${ol(2)}/>`;
  o += rot(10, 127, 168, face);
  return svg(240, 320, shadowed(o, 3, 4, 3, 0.35));
}

// ------------------------------------------------------------ dice (96x64)
function dice() {
  const f = 'fluent-emoji-flat';
  return svg(96, 64, shadowed(rot(-14, 28, 34, oicon(f, 'game-die', 4, 8, 48, 48, { r: 1.5 })) + rot(12, 66, 30, oicon(f, 'game-die', 44, 6, 46, 46, { r: 1.5 })), 1.5, 2, 1.5, 0.35));
}

// ------------------------------------------------------------ inventory: a packed backpack (172x258)
function inventory() {
  const g = nextId('bp'), g2 = nextId('bp');
  let o = `<defs>${lin(g, 0, 0, 1, 0, [[0, C.leatherL], [0.6, C.leather], [1, C.leatherD]])}${lin(g2, 0, 0, 0, 1, [[0, '#c9a36a'], [1, '#8a6a3a']])}</defs>`;
  // things sticking out
  o += rot(-18, 60, 80, place(40, -6, 0.95, inner(items.weapon('sword'))));
  o += `<path d="M108,40 L134,40 L132,96 L110,96 Z" fill="#f3e6c0" ${ol(3)}/><ellipse cx="121" cy="40" rx="14" ry="6" fill="#e0d0a0" ${ol(3)}/><path d="M110,70 L132,70" stroke="${C.red}" stroke-width="4"/>`;
  // bedroll
  o += `<rect x="22" y="78" width="128" height="34" rx="17" fill="${C.blue}" ${ol(3)}/><ellipse cx="30" cy="95" rx="10" ry="17" fill="${C.blueL}" ${ol(3)}/><path d="M60,78 L60,112 M112,78 L112,112" stroke="${C.leatherD}" stroke-width="6"/>`;
  // pack body
  o += `<path d="M26,112 C26,100 146,100 146,112 L152,236 C152,250 20,250 20,236 Z" fill="url(#${g})" ${ol(3)}/>`;
  // flap
  o += `<path d="M24,110 C30,96 142,96 148,110 L146,168 C120,180 52,180 26,168 Z" fill="url(#${g2})" ${ol(3)}/>`;
  o += `<path d="M32,116 C40,106 132,106 140,116 L138,162 C114,172 58,172 34,162 Z" fill="none" stroke="${C.leatherD}" stroke-width="2" stroke-dasharray="4 3"/>`;
  for (const x of [58, 114]) o += `<rect x="${x - 7}" y="150" width="14" height="60" rx="2" fill="${C.leatherD}" ${ol(2.5)}/><rect x="${x - 9}" y="182" width="18" height="14" rx="2" fill="none" stroke="${C.gold}" stroke-width="3.5"/>`;
  // side pocket
  o += `<path d="M40,204 L132,204 L130,236 C110,244 62,244 42,236 Z" fill="${C.leatherD}" ${ol(3)}/><path d="M46,210 L126,210" stroke="${C.leatherL}" stroke-width="2" stroke-dasharray="4 3"/>`;
  o += items.coinFace(86, 222, 10);
  return svg(172, 258, shadowed(o, 3, 4, 3, 0.3));
}

// ------------------------------------------------------------ reward (160x160)
function reward() {
  let o = `<ellipse cx="80" cy="146" rx="70" ry="10" fill="#000" opacity="0.25"/>`;
  o += items.chest(14, 30, 132, 118, true);
  o += sparkle(22, 28, 9) + sparkle(138, 22, 11) + sparkle(118, 60, 6) + sparkle(40, 58, 6);
  return svg(160, 160, shadowed(o, 2, 2, 2, 0.25));
}

// ------------------------------------------------------------ mishaps (200x200)
function burst(x, y, r, c = '#ffd23f') {
  let d = '';
  for (let k = 0; k < 16; k++) {
    const a = k / 16 * Math.PI * 2, rr = k % 2 ? r * 0.5 : r;
    d += `${k ? 'L' : 'M'}${(x + rr * Math.cos(a)).toFixed(1)},${(y + rr * Math.sin(a)).toFixed(1)} `;
  }
  return `<path d="${d}Z" fill="${c}" ${ol(2.5)}/>`;
}
function mishapWeapon() {
  // a sword snapped in two: the hilt half and the flying tip
  const sw = inner(items.weapon('sword'));
  const clipA = nextId('ca'), clipB = nextId('cb');
  let o = `<defs><clipPath id="${clipA}"><path d="M-10,46 L8,40 L14,48 L20,42 L40,44 L40,200 L-10,200 Z"/></clipPath><clipPath id="${clipB}"><path d="M-10,-10 L40,-10 L40,44 L20,42 L14,48 L8,40 L-10,46 Z"/></clipPath></defs>`;
  o += burst(100, 84, 50, '#ffe27a');
  o += rot(-30, 100, 100, place(73, 14, 1.8, `<g clip-path="url(#${clipA})">${sw}</g><path d="M10.5,45 L14,48 L19.5,42.5" fill="none" ${ol(1.5)}/>`));
  o += place(0, 0, 1, rot(40, 118, 60, place(100, -30, 1.8, `<g clip-path="url(#${clipB})">${sw}</g><path d="M10.5,45 L14,48 L19.5,42.5" fill="none" ${ol(1.5)}/>`)));
  o += `<path d="M40,60 l-18,-8 M46,40 l-12,-16 M160,150 l18,8 M150,170 l10,16" stroke="${OL}" stroke-width="3" stroke-linecap="round"/>`;
  return svg(200, 200, shadowed(o, 3, 4, 3, 0.3));
}
function mishapArmor() {
  const g = nextId('ar');
  let o = `<defs>${lin(g, 0, 0, 1, 0.2, [[0, '#f4f8fc'], [0.35, '#c5cfd9'], [0.7, '#8d9aa8'], [1, '#5d6976']])}</defs>`;
  o += `<ellipse cx="100" cy="186" rx="72" ry="9" fill="#000" opacity="0.25"/>`;
  // breastplate, left part
  o += `<path d="M40,40 C60,28 140,28 160,40 C168,80 160,130 150,170 L52,170 C40,130 32,80 40,40 Z" fill="url(#${g})" ${ol(3)}/>`;
  o += `<path d="M62,30 C76,50 124,50 138,30" fill="none" ${ol(3)}/><path d="M70,60 Q76,110 66,150" fill="none" stroke="#fff" stroke-width="5" stroke-linecap="round" opacity="0.8"/>`;
  o += `<path d="M52,150 Q100,138 150,150" fill="none" ${ol(2.5)}/>`;
  // the crack
  o += `<path d="M102,38 L94,64 L110,84 L92,106 L108,126 L98,150 L104,170" fill="none" stroke="${OL}" stroke-width="5" stroke-linejoin="round" stroke-linecap="round"/>`;
  o += `<path d="M110,84 L130,92 M92,106 L74,112 M108,126 L126,140" fill="none" stroke="${OL}" stroke-width="3" stroke-linecap="round"/>`;
  // dents and a fallen rivet / shard
  o += `<ellipse cx="130" cy="64" rx="10" ry="6" fill="#7d8a99" opacity="0.7"/><ellipse cx="70" cy="128" rx="8" ry="5" fill="#7d8a99" opacity="0.7"/>`;
  o += `<path d="M156,176 L172,166 L182,180 L166,186 Z" fill="url(#${g})" ${ol(2.5)}/><path d="M24,178 L36,170 L42,182 Z" fill="url(#${g})" ${ol(2.5)}/>`;
  o += `<circle cx="46" cy="48" r="4" fill="${C.gold}" ${ol(1.5)}/><circle cx="154" cy="48" r="4" fill="${C.gold}" ${ol(1.5)}/>`;
  return svg(200, 200, shadowed(o, 3, 4, 3, 0.3));
}
function mishapDog() {
  let o = `<ellipse cx="100" cy="176" rx="80" ry="10" fill="#000" opacity="0.25"/>`;
  o += `<path d="M18,80 L48,84 M10,106 L44,106 M18,132 L48,128" stroke="${OL}" stroke-width="4" stroke-linecap="round"/>`;
  o += rot(-8, 110, 110, oicon('fluent-emoji-flat', 'dog', 36, 24, 156, 156, { r: 2.5, flip: true }));
  // a torn rag in its mouth
  o += `<path d="M36,96 L20,112 L30,116 L18,132 L42,120 L40,106 Z" fill="${C.blue}" ${ol(2.5)}/>`;
  o += oicon('fluent-emoji-flat', 'anger-symbol', 146, 10, 44, 44, { r: 2 });
  return svg(200, 200, o);
}
function mishapMoney() {
  let o = `<ellipse cx="86" cy="184" rx="70" ry="9" fill="#000" opacity="0.25"/>`;
  o += oicon('fluent-emoji-flat', 'money-bag', 14, 44, 140, 140, { r: 2.5 });
  // a hole in the bag and coins dropping out
  o += `<path d="M120,150 L130,142 L140,152 L132,162 Z" fill="${OL}"/>`;
  o += items.coin(150, 176, 10, 0.45) + items.coinFace(168, 150, 9) + items.coinFace(146, 124, 8);
  o += rot(14, 150, 50, oicon('fluent-emoji-flat', 'money-with-wings', 110, 8, 76, 76, { r: 2 }));
  o += `<path d="M100,40 q10,-14 22,-8 M92,60 q8,-12 20,-10" fill="none" stroke="${OL}" stroke-width="3" stroke-linecap="round"/>`;
  return svg(200, 200, shadowed(o, 2, 3, 2, 0.25));
}
function mishapPost() {
  const g = nextId('wp');
  let o = `<defs>${lin(g, 0, 0, 1, 0, [[0, C.woodL], [0.5, C.wood], [1, C.woodD]])}</defs>`;
  o += `<ellipse cx="100" cy="188" rx="84" ry="9" fill="#000" opacity="0.3"/>`;
  // the post and its crossbeam
  o += `<path d="M88,10 L112,10 L114,184 L86,184 Z" fill="url(#${g})" ${ol(3)}/>`;
  o += `<path d="M94,30 L94,60 M104,90 L104,130 M96,140 L96,170" stroke="${C.woodD}" stroke-width="2"/>`;
  o += `<rect x="40" y="36" width="120" height="20" rx="3" fill="url(#${g})" ${ol(3)}/>`;
  o += `<circle cx="100" cy="46" r="5" fill="#5a5a62" ${ol(2)}/>`;
  // shackles hanging from the beam
  const link = (x, y) => `<ellipse cx="${x}" cy="${y}" rx="5" ry="8" fill="none" stroke="${OL}" stroke-width="6"/><ellipse cx="${x}" cy="${y}" rx="5" ry="8" fill="none" stroke="#9aa2ac" stroke-width="3"/>`;
  for (const x of [52, 148]) {
    o += [0, 1, 2, 3].map(k => link(x, 64 + k * 13)).join('');
    o += `<circle cx="${x}" cy="${124}" r="9" fill="none" stroke="${OL}" stroke-width="9"/><circle cx="${x}" cy="${124}" r="9" fill="none" stroke="#9aa2ac" stroke-width="4.5"/><rect x="${x - 4}" y="${130}" width="8" height="6" fill="#5a5a62" ${ol(1.5)}/>`;
  }
  // chains wrapped round the post
  o += `<path d="M84,110 Q100,120 116,110 M84,126 Q100,136 116,126" fill="none" stroke="${OL}" stroke-width="7"/><path d="M84,110 Q100,120 116,110 M84,126 Q100,136 116,126" fill="none" stroke="#9aa2ac" stroke-width="3.5" stroke-dasharray="6 3"/>`;
  // a heap of firewood at its foot
  const log = (x, y, l, a) => rot(a, x, y, `<rect x="${x - l / 2}" y="${y - 8}" width="${l}" height="16" rx="8" fill="${C.wood}" ${ol(2.5)}/><ellipse cx="${x + l / 2 - 4}" cy="${y}" rx="5" ry="8" fill="#e0b078" ${ol(2)}/>`);
  o += log(60, 176, 70, 8) + log(140, 176, 70, -8) + log(80, 164, 60, -14) + log(122, 162, 60, 16) + log(100, 178, 80, 0);
  return svg(200, 200, shadowed(o, 3, 4, 3, 0.3));
}

// ------------------------------------------------------------ victory chest (260x200)
function victoryChest() {
  let o = items.coinHeap(4, 110, 252, 86, 41, 0.9);
  o += items.chest(56, 14, 148, 130, true);
  o += items.coin(40, 190, 11, 0.4) + items.coin(222, 188, 12, 0.4) + items.coinFace(210, 160, 14) + items.coinFace(48, 164, 12);
  o += sparkle(40, 40, 10) + sparkle(226, 34, 12) + sparkle(200, 96, 7);
  return svg(260, 200, shadowed(o, 2, 3, 2, 0.3));
}

// ------------------------------------------------------------ about screen (80x300 and 150x150)
function about1() {
  const g = nextId('bn'), g2 = nextId('bn');
  let o = `<defs>${lin(g, 0, 0, 1, 0, [[0, '#e0584a'], [1, C.redD]])}${lin(g2, 0, 0, 1, 0, [[0, C.woodL], [1, C.woodD]])}</defs>`;
  o += `<rect x="20" y="22" width="7" height="272" rx="3" fill="url(#${g2})" ${ol(2.5)}/>`;
  o += `<path d="M23.5,2 C29,10 30,18 27,26 L20,26 C17,18 18,10 23.5,2 Z" fill="${C.steelL}" ${ol(2.5)}/>`;
  o += `<path d="M27,34 L74,40 L66,62 L76,86 L27,92 Z" fill="url(#${g})" ${ol(2.5)}/>`;
  o += `<path d="M45,52 L51,62 L45,74 L39,62 Z" fill="${C.gold}" ${ol(1.5)}/>`;
  o += `<path d="M27,96 L60,100 L56,116 L27,118 Z" fill="${C.blue}" ${ol(2)}/>`;
  o += `<path d="M20,290 L27,290 L26,298 L21,298 Z" fill="${C.steelD}" ${ol(2)}/>`;
  o += `<rect x="18" y="180" width="11" height="28" rx="2" fill="${C.leatherD}" ${ol(2)}/>`;
  return svg(80, 300, shadowed(o, 2, 3, 2, 0.3));
}
function about2() {
  let o = oicon('fluent-emoji-flat', 'scroll', 6, 14, 120, 120, { r: 2 });
  // ink pot and quill
  o += `<path d="M104,142 L140,142 L136,118 L108,118 Z" fill="#2a2a40" ${ol(2.5)}/><rect x="112" y="110" width="20" height="10" rx="2" fill="#3a3a5a" ${ol(2)}/>`;
  o += rot(28, 124, 70, `<path d="M124,114 C112,80 114,40 130,10 C142,40 138,80 124,114 Z" fill="#f4f4f4" ${ol(2.5)}/><path d="M124,112 L129,22" stroke="#b0b0b0" stroke-width="2"/><path d="M118,70 L126,66 M116,54 L128,50 M118,40 L130,36" stroke="#c8c8c8" stroke-width="1.5"/>`);
  return svg(150, 150, shadowed(o, 2, 3, 2, 0.25));
}

// ------------------------------------------------------------ the game's icon (128x128)
function appIcon() {
  let o = items.shieldArt(18, 10, 92, 112, 'blue');
  o += oicon('fluent-emoji-flat', 'crossed-swords', 6, 8, 116, 116, { r: 2.5 });
  return svg(128, 128, o);
}

// ------------------------------------------------------------ the options' list arrow (12x8)
function comboArrow() {
  return svg(12, 8, `<path d="M1.5,1.5 L10.5,1.5 L6,6.6 Z" fill="${OL}" stroke="${OL}" stroke-width="1.4" stroke-linejoin="round"/>`);
}

function all() {
  const out = [];
  for (let i = 0; i < 7; i++) out.push([`ui/title-${i + 1}.png`, title(i), 120, 120]);
  out.push(['ui/male.png', figure(false), 180, 400]);
  out.push(['ui/female.png', figure(true), 180, 400]);
  out.push(['ui/cards1.png', cards(1), 240, 320]);
  out.push(['ui/cards2.png', cards(2), 240, 320]);
  out.push(['ui/dice.png', dice(), 96, 64]);
  out.push(['ui/inventory.png', inventory(), 172, 258]);
  out.push(['ui/reward.png', reward(), 160, 160]);
  out.push(['ui/mishap-weapon.png', mishapWeapon(), 200, 200]);
  out.push(['ui/mishap-armor.png', mishapArmor(), 200, 200]);
  out.push(['ui/mishap-dog.png', mishapDog(), 200, 200]);
  out.push(['ui/mishap-money.png', mishapMoney(), 200, 200]);
  out.push(['ui/mishap-post.png', mishapPost(), 200, 200]);
  out.push(['ui/chest.png', victoryChest(), 260, 200]);
  out.push(['ui/about-1.png', about1(), 80, 300]);
  out.push(['ui/about-2.png', about2(), 150, 150]);
  out.push(['ui/arrow-down.png', comboArrow(), 12, 8]);
  const ic = appIcon();
  out.push(['ui/icon.svg', ic, 128, 128]);
  for (const s of [16, 32, 48, 64, 128, 256]) out.push([`ui/icon-${s}.png`, ic, s, s, 1]);
  return out;
}
module.exports = { all };
