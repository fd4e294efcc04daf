'use strict';
// What the player page's browser tests share: compiling shows with the
// program, opening their index.html in Debian's headless chromium with every
// request, console error and policy violation recorded, and reading the slide
// shown.
//
//   node <test>.js <pevrano-slideshow> <folder of example pictures>
const { chromium, options } = require('./chromium');
const { execFileSync } = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const assert = require('assert');

const [program, pictureFolder] = process.argv.slice(2).map((a) => path.resolve(a));
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pevrano-player-'));
const problems = [];
let browser;
const pictures = fs.readdirSync(pictureFolder).filter((f) => /\.jpe?g$/i.test(f)).sort()
  .map((f) => path.join(pictureFolder, f));
const DELAY = 3;
const TRICKY = 'Tricky </script><img src=x> \u2028 & \\ caf\u00e9';

// A second of silence as a WAV file: the song the player plays.
function writeWav(file) {
  const rate = 8000, data = Buffer.alloc(rate);
  const h = Buffer.alloc(44);
  h.write('RIFF', 0); h.writeUInt32LE(36 + data.length, 4); h.write('WAVE', 8);
  h.write('fmt ', 12); h.writeUInt32LE(16, 16); h.writeUInt16LE(1, 20); h.writeUInt16LE(1, 22);
  h.writeUInt32LE(rate, 24); h.writeUInt32LE(rate, 28); h.writeUInt16LE(1, 32);
  h.writeUInt16LE(8, 34); h.write('data', 36); h.writeUInt32LE(data.length, 40);
  fs.writeFileSync(file, Buffer.concat([h, data.fill(128)]));
}

function compile(name, count, extra, from = pictures, captionOf = (k) => (k === 2 ? TRICKY : '')) {
  const slides = [];
  for (let k = 1; k <= count; k++) {
    slides.push({ PicturePath: from[(k - 1) % from.length],
      Caption: captionOf(k) || `Caption of slide ${k}` });
  }
  const show = { slides, settings: Object.assign({ NumSecDelay: DELAY, Player: true }, extra),
    compile: { FirstPageName: name, ShowFolderName: name } };
  const file = path.join(work, `${name}.json`);
  fs.writeFileSync(file, JSON.stringify(show));
  const out = execFileSync(program, ['compile', file], { cwd: work, stdio: ['ignore', 'pipe', 'pipe'] });
  const folder = path.dirname(out.toString().trim().split('\n').pop());
  const index = path.join(folder, 'index.html');
  assert.ok(fs.existsSync(index), `index.html missing in ${folder}`);
  execFileSync(process.execPath, ['--check', path.join(folder, 'pix', 'player.js')]);
  return folder;
}

// A photo-sized JPEG drawn by the browser itself, larger than a phone's size.
async function makeJpeg(file, width, height) {
  const page = await browser.newPage();
  const data = await page.evaluate(([w, h]) => {
    const c = document.createElement('canvas');
    c.width = w;
    c.height = h;
    const g = c.getContext('2d');
    const sky = g.createLinearGradient(0, 0, w, h);
    sky.addColorStop(0, '#3a6ea5');
    sky.addColorStop(1, '#f4d58d');
    g.fillStyle = sky;
    g.fillRect(0, 0, w, h);
    g.fillStyle = '#2d5016';
    g.fillRect(0, h * 0.7, w, h * 0.3);
    return c.toDataURL('image/jpeg', 0.85).split(',')[1];
  }, [width, height]);
  await page.close();
  fs.writeFileSync(file, Buffer.from(data, 'base64'));
  return file;
}

// A page that records its requests, console errors, script errors and
// policy violations; every request must stay inside the show folder.
async function open(folder, hash, options) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const inside = pathToFileURL(folder).href + '/';
  page.on('request', (r) => {
    if (!r.url().startsWith(inside)) problems.push(`request outside the folder: ${r.url()}`);
  });
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
  await page.addInitScript(() => {
    window.asked = [];
    document.addEventListener('securitypolicyviolation', (e) => window.asked.push('csp ' + e.violatedDirective));
    const request = Element.prototype.requestFullscreen;
    Element.prototype.requestFullscreen = function () {
      window.asked.push('fullscreen');
      return request.call(this);
    };
  });
  if (options && options.clock) await page.clock.install();
  await page.goto(pathToFileURL(path.join(folder, 'index.html')).href + (hash || ''));
  await page.waitForSelector('#stage[data-painted]', { timeout: 10000 });
  return page;
}

// Closes a page that the policy never had to stop.
async function done(page) {
  const refused = (await page.evaluate(() => window.asked)).filter((a) => a.startsWith('csp'));
  assert.deepStrictEqual(refused, [], 'the content security policy refused something');
  await page.context().close();
}

// The slide shown: its number from the hash, the counter and the picture.
async function state(page) {
  return page.evaluate(() => {
    const on = document.querySelector('#stage img.on');
    return { hash: location.hash, count: document.getElementById('count').textContent,
      caption: document.getElementById('caption').textContent,
      picture: on ? on.getAttribute('src') : null };
  });
}
async function expectSlide(page, k, what) {
  await page.waitForFunction((k) => {
    const on = document.querySelector('#stage img.on');
    return location.hash === '#' + k && on && on.getAttribute('src') === `pix/pic${k}.jpg`;
  }, k, { timeout: 3000 }).catch(() => {});
  const s = await state(page);
  assert.deepStrictEqual([s.hash, s.count, s.picture], [`#${k}`, String(k), `pix/pic${k}.jpg`], what);
}

// Nothing wider or taller than the window; the picture inside it, unscaled
// in its proportions.
async function expectFits(page, what) {
  const m = await page.evaluate(() => {
    const img = document.querySelector('#stage img.on');
    const r = img.getBoundingClientRect();
    const style = getComputedStyle(img);
    return { sw: document.documentElement.scrollWidth, sh: document.documentElement.scrollHeight,
      w: innerWidth, h: innerHeight, r: [r.left, r.top, r.right, r.bottom], fit: style.objectFit,
      attrs: [img.getAttribute('width'), img.getAttribute('height')] };
  });
  assert.ok(m.sw <= m.w && m.sh <= m.h, `${what}: page ${m.sw}x${m.sh} in ${m.w}x${m.h}`);
  assert.ok(m.r[0] >= 0 && m.r[1] >= 0 && m.r[2] <= m.w && m.r[3] <= m.h, `${what}: picture ${m.r}`);
  assert.strictEqual(m.fit, 'contain', what);
  assert.ok(Number(m.attrs[0]) > 0 && Number(m.attrs[1]) > 0, `${what}: no width and height`);
}

async function axe(page, what) {
  await page.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
  // Its default rules; its stylesheet preload would fetch the page's own CSS,
  // which the page's policy (no connections) refuses.
  const result = await page.evaluate(() => window.axe.run(document, { preload: false }));
  const found = result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
  assert.deepStrictEqual(found, [], `axe-core, ${what}`);
}

async function swipe(page, fromX, toX) {
  const cdp = await page.context().newCDPSession(page);
  const y = 300;
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: fromX, y }] });
  for (let i = 1; i <= 5; i++) {
    await cdp.send('Input.dispatchTouchEvent',
      { type: 'touchMove', touchPoints: [{ x: fromX + (toX - fromX) * i / 5, y }] });
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}
// Serves the show folder on 127.0.0.1, each file of an extension that
// `late` names (as '.jpg': 1500) that many milliseconds late.
function slowServer(folder, late) {
  const server = http.createServer((req, res) => {
    const file = path.join(folder, decodeURIComponent(new URL(req.url, 'http://x').pathname));
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404);
      return res.end();
    }
    const ext = path.extname(file);
    const type = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
      '.jpg': 'image/jpeg', '.mp4': 'video/mp4' }[ext] || 'application/octet-stream';
    setTimeout(() => {
      res.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' });
      res.end(fs.readFileSync(file));
    }, late[ext] || 0);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

async function launch() {
  browser = await chromium.launch(options());
  return browser;
}

// Runs the checks, then closes the browser and removes the shows.
async function run(checks, what) {
  try {
    await launch();
    await checks();
    assert.deepStrictEqual(problems, [], 'requests, console or script errors');
    console.log(`ok: ${what}`);
  } catch (e) {
    console.error(e && e.stack ? e.stack : String(e));
    if (problems.length) console.error('problems:\n' + problems.join('\n'));
    process.exitCode = 1;
  } finally {
    if (browser) await browser.close();
    if (!process.env.KEEP_PLAYER_TEST) fs.rmSync(work, { recursive: true, force: true });
  }
}

module.exports = { work, pictures, DELAY, TRICKY, problems, writeWav, compile, makeJpeg, open, done,
  state, expectSlide, expectFits, axe, swipe, slowServer, run, browser: () => browser };
