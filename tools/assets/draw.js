#!/usr/bin/env node
// Writes every picture of the game as an SVG drawing into the work folder
// given as the first argument, with manifest.tsv telling the build script
// where each one goes, at what pixel size and in which format.
'use strict';
const fs = require('fs');
const path = require('path');
const { resetIds } = require('./lib');
const items = require('./items');
let scenes = null, ui = null;
try { scenes = require('./scenes'); } catch (e) { if (e.code !== 'MODULE_NOT_FOUND') throw e; }
try { ui = require('./ui'); } catch (e) { if (e.code !== 'MODULE_NOT_FOUND') throw e; }

const work = process.argv[2];
if (!work) { console.error('usage: draw.js WORKDIR'); process.exit(2); }
fs.mkdirSync(work, { recursive: true });
const rows = [];
// name: file under assets/; screen size w x h; drawn at twice that.
function put(name, svgText, w, h, scale = 2) {
  const file = name.replace(/[\/.]/g, '_') + '.svg';
  fs.writeFileSync(path.join(work, file), svgText);
  rows.push([file, name, Math.round(w * scale), Math.round(h * scale), w, h].join('\t'));
  resetIds();
}

for (const t of ['polje', 'opasnost', 'kovceg', 'coin']) put(`${t}.gif`, items.tile(t), 81, 121);
for (const b of ['noarmor', 'robe', 'leather', 'chainmail', 'plate']) put(`${b}.gif`, items.body(b), 81, 121);
for (const w of ['dagger', 'sword', 'axe', 'spear']) put(`${w}.gif`, items.weapon(w), 30, 130);
put('plavistit.gif', items.shield('blue'), 52, 64);
put('crvenistit.gif', items.shield('red'), 52, 64);
put('zlatnici.gif', items.zlatnici(), 150, 150);
for (let i = 0; i < 14; i++) put(`lik${String(i).padStart(2, '0')}.gif`, items.portrait(i), 114, 130);
put('oblacak1.gif', items.cloud(true), 260, 150);
put('oblacak.gif', items.cloud(false), 260, 150);
if (scenes) scenes.all().forEach((s, i) => put(`pozadine/${i + 1}.jpg`, s, 900, 620));
if (ui) for (const [name, s, w, h, scale] of ui.all()) put(name, s, w, h, scale || 2);

fs.writeFileSync(path.join(work, 'manifest.tsv'), rows.join('\n') + '\n');
