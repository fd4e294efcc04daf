'use strict';
// The player page (index.html) of compiled shows in Debian's headless
// chromium, from file://: a desktop window and a phone, keys, buttons, hash,
// swipes, auto run on a controlled clock, every transition, reduced motion,
// the strip, full screen, the song, requests, console, axe-core, and a
// 1000-slide show that keeps no more than three full pictures in the page.
//
//   node player_browser.js <pevrano-slideshow> <folder of example pictures>
let chromium;
try {
  ({ chromium } = require('playwright-core'));
} catch (e) {
  console.error('playwright-core is missing: run scripts/deps.sh --test');
  process.exit(1);
}
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const assert = require('assert');

const [program, pictureFolder] = process.argv.slice(2).map((a) => path.resolve(a));
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pevrano-player-'));
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

function compile(name, count, extra, from = pictures) {
  const slides = [];
  for (let k = 1; k <= count; k++) {
    slides.push({ PicturePath: from[(k - 1) % from.length],
      Caption: k === 2 ? TRICKY : `Caption of slide ${k}` });
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

let browser;
const problems = [];

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

async function desktop(folder, count) {
  const page = await open(folder, '', { viewport: { width: 1280, height: 800 } });
  await expectSlide(page, 1, 'start');
  await expectFits(page, 'desktop');
  const history = await page.evaluate(() => history.length);
  await page.keyboard.press('ArrowRight');
  await expectSlide(page, 2, 'ArrowRight');
  assert.strictEqual((await state(page)).caption, TRICKY, 'a caption is text, never markup');
  assert.strictEqual(await page.locator('#caption img').count(), 0);
  assert.strictEqual(await page.getAttribute('#caption', 'aria-live'), 'polite');
  await page.keyboard.press('PageDown');
  await expectSlide(page, 3, 'PageDown');
  await page.keyboard.press('PageUp');
  await expectSlide(page, 2, 'PageUp');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowLeft');
  await expectSlide(page, 2, 'ArrowLeft');
  await page.keyboard.press('End');
  await expectSlide(page, count, 'End');
  await page.getByRole('button', { name: 'Next' }).click();
  await expectSlide(page, count, 'Next stops at the last slide');
  await page.keyboard.press('Home');
  await expectSlide(page, 1, 'Home');
  await page.getByRole('button', { name: 'Last' }).click();
  await expectSlide(page, count, 'Last');
  await page.getByRole('button', { name: 'Previous' }).click();
  await expectSlide(page, count - 1, 'Previous');
  await page.getByRole('button', { name: 'First' }).click();
  await expectSlide(page, 1, 'First');
  // The picture's right third steps forward, its left third back.
  await page.mouse.click(1100, 300);
  await expectSlide(page, 2, 'click on the right third');
  await page.mouse.click(150, 300);
  await expectSlide(page, 1, 'click on the left third');
  assert.strictEqual(await page.evaluate(() => history.length), history, 'steps added history');

  // Every one of the 57 transitions, each a valid clip or a fade, and the
  // neighbours decoded ahead in the three picture elements.
  const seen = new Set();
  for (let i = 0; i < 57; i++) {
    await page.evaluate((i) => { Math.random = () => (i + 0.5) / 57; }, i);
    await page.keyboard.press(i % 2 ? 'ArrowLeft' : 'ArrowRight');
    await page.waitForFunction(() => document.getAnimations().length > 0, null, { timeout: 3000 });
    const frames = await page.evaluate(() => document.getAnimations()
      .map((a) => a.effect.getKeyframes().map((k) => k.clipPath || 'opacity ' + k.opacity)));
    for (const f of frames.flat()) {
      if (!f.startsWith('opacity')) {
        assert.ok(await page.evaluate((v) => CSS.supports('clip-path', v), f), `transition ${i}: ${f}`);
      }
      seen.add(f.split('(')[0]);
    }
  }
  assert.deepStrictEqual([...seen].sort(), ['circle', 'opacity 0', 'opacity 1', 'polygon']);
  await page.waitForFunction(() => document.getAnimations().length === 0, null, { timeout: 3000 });
  assert.ok(await page.evaluate(() => document.querySelectorAll('img').length) <= 3);

  // The strip: T and the button, one button per slide, the current marked.
  await page.keyboard.press('t');
  assert.strictEqual(await page.getAttribute('#thumbs', 'aria-expanded'), 'true');
  assert.strictEqual(await page.locator('#strip button').count(), count);
  await page.locator('#strip button').nth(6).click();
  await expectSlide(page, 7, 'strip button');
  assert.strictEqual(await page.getAttribute('#strip button:nth-child(7)', 'aria-current'), 'true');
  const hasThumbs = fs.existsSync(path.join(folder, 'pix', 'thumbs', 'pic1.jpg'));
  if (hasThumbs) {
    assert.strictEqual(await page.getAttribute('#strip button:nth-child(1) img', 'loading'), 'lazy');
    assert.match(await page.getAttribute('#stage img.on', 'srcset'), /thumbs\/pic7\.jpg 240w/);
  }
  // Each thumbnail is a button on the Tab path, Enter shows its slide.
  await page.keyboard.press('Tab');
  assert.strictEqual(await page.evaluate(() => document.activeElement.getAttribute('aria-label')),
    'Slide 8');
  await page.keyboard.press('Enter');
  await expectSlide(page, 8, 'Enter on a thumbnail');
  await axe(page, 'desktop with the strip');
  await page.getByRole('button', { name: 'Thumbnails' }).click();
  assert.ok(await page.locator('#strip').isHidden(), 'the strip stays open');

  // Full screen by the button and by F.
  await page.getByRole('button', { name: 'Full screen' }).click();
  // Escape is the browser's own; here the page leaves full screen itself.
  await page.evaluate(() => document.fullscreenElement && document.exitFullscreen());
  await page.waitForFunction(() => !document.fullscreenElement);
  await page.keyboard.press('f');
  const asked = await page.evaluate(() => window.asked.filter((a) => a === 'fullscreen').length);
  assert.strictEqual(asked, 2, 'full screen asked by the button and by F');

  // Opening at #5, and a hash out of range.
  await page.goto(pathToFileURL(path.join(folder, 'index.html')).href + '#5');
  await page.reload();
  await expectSlide(page, 5, 'opened at #5');
  await page.goto(pathToFileURL(path.join(folder, 'index.html')).href + '#99');
  await page.reload();
  await expectSlide(page, 1, 'hash out of range');
  await done(page);
}

async function phone(folder, count) {
  const page = await open(folder, '#5',
    { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
  await expectSlide(page, 5, 'phone opened at #5');
  await expectFits(page, 'phone');
  // The phone loads the phone size, not the full picture.
  assert.match(await page.evaluate(() => document.querySelector('#stage img.on').currentSrc),
    /\/pix\/phone\/pic5\.jpg$/);
  assert.ok(await page.evaluate(() => document.querySelector('audio').paused), 'song before a tap');
  await page.touchscreen.tap(195, 300); // the middle third: no step
  await expectSlide(page, 5, 'tap in the middle');
  assert.ok(!(await page.evaluate(() => document.querySelector('audio').paused)), 'song after a tap');
  assert.ok(await page.evaluate(() => document.querySelector('audio').loop));
  await swipe(page, 300, 100);
  await expectSlide(page, 6, 'swipe to the left');
  await swipe(page, 100, 300);
  await expectSlide(page, 5, 'swipe to the right');
  await swipe(page, 200, 175);
  await expectSlide(page, 5, 'a move under 40 px');
  await page.getByRole('button', { name: 'Mute' }).click();
  assert.ok(await page.evaluate(() => document.querySelector('audio').muted));
  const buttons = await page.$$eval('button', (bs) => bs.filter((b) => b.offsetParent)
    .map((b) => { const r = b.getBoundingClientRect(); return Math.min(r.width, r.height); }));
  assert.ok(buttons.every((s) => s >= 44), `touch targets ${buttons}`);
  await axe(page, 'phone');
  await page.screenshot({ path: path.join(work, 'phone.png') });
  await done(page);
}

async function autoRun(folder, count) {
  const page = await open(folder, '', { viewport: { width: 1280, height: 800 }, clock: true });
  await page.waitForSelector('#stage img.on[data-decoded]');
  // From here the page's time moves only when the test moves it.
  await page.clock.pauseAt(await page.evaluate(() => Date.now() + 1000));
  await page.getByRole('button', { name: 'Play' }).click();
  assert.strictEqual(await page.getAttribute('#play', 'aria-label'), 'Pause');
  await page.clock.runFor(DELAY * 1000 - 200);
  await expectSlide(page, 1, 'before the delay');
  await page.clock.runFor(400);
  await expectSlide(page, 2, 'after the delay');
  // Hidden, it waits; shown again, it goes on.
  await page.waitForSelector('#stage img.on[data-decoded]');
  await page.evaluate(() => {
    Object.defineProperty(document, 'hidden', { value: true, configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await page.clock.runFor(DELAY * 3000);
  await expectSlide(page, 2, 'while hidden');
  await page.evaluate(() => {
    Object.defineProperty(document, 'hidden', { value: false, configurable: true });
    document.dispatchEvent(new Event('visibilitychange'));
  });
  await page.clock.runFor(DELAY * 1000 + 200);
  await expectSlide(page, 3, 'shown again');
  // After the last slide comes the first.
  await page.keyboard.press('End');
  await expectSlide(page, count, 'End while running');
  await page.waitForSelector('#stage img.on[data-decoded]');
  await page.clock.runFor(DELAY * 1000 + 200);
  await expectSlide(page, 1, 'after the last');
  await page.keyboard.press('p');
  assert.strictEqual(await page.getAttribute('#play', 'aria-label'), 'Play');
  await page.clock.runFor(DELAY * 3000);
  await expectSlide(page, 1, 'paused');
  await done(page);
}

async function reducedMotion(folder) {
  const page = await open(folder, '', { viewport: { width: 1280, height: 800 }, reducedMotion: 'reduce' });
  for (let k = 2; k <= 4; k++) {
    await page.keyboard.press('ArrowRight');
    await expectSlide(page, k, 'reduced motion');
    assert.strictEqual(await page.evaluate(() => document.getAnimations().length), 0, 'an animation ran');
    assert.strictEqual(await page.locator('#stage img.out').count(), 0);
  }
  await done(page);
}

// A long show: three picture elements, whatever the slide; the strip adds
// thumbnails only.
async function longShow(folder, count) {
  const page = await open(folder, '#500', { viewport: { width: 1280, height: 800 } });
  await expectSlide(page, 500, 'long show at #500');
  const full = () => page.evaluate(() => [...document.images]
    .filter((i) => i.getAttribute('src') && !/\/thumbs\//.test(i.getAttribute('src'))).length);
  for (const key of ['ArrowRight', 'ArrowRight', 'End', 'Home', 'ArrowRight']) {
    await page.keyboard.press(key);
    await page.waitForTimeout(100);
    assert.ok(await full() <= 3, `more than three full pictures after ${key}`);
  }
  await page.keyboard.press('t');
  assert.strictEqual(await page.locator('#strip button').count(), count);
  assert.ok(await full() <= 3, 'the strip loaded full pictures');
  await done(page);
}

async function main() {
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const folder = compile('player show', 12, {});
  writeWav(path.join(work, 'song.wav'));
  const photo = await makeJpeg(path.join(work, 'photo.jpg'), 2400, 1600);
  const withSong = compile('with song', 12, { SongPath: path.join(work, 'song.wav') }, [photo]);
  const midi = path.join(work, 'tune.mid');
  fs.writeFileSync(midi, 'MThd');
  const withMidi = compile('with midi', 3, { SongPath: midi });
  assert.match(fs.readFileSync(path.join(withMidi, 'pix', 'player.js'), 'utf8'), /"song":"",/);
  const long = compile('long show', 1000, {});
  try {
    await desktop(folder, 12);
    await phone(withSong, 12);
    await autoRun(folder, 12);
    await reducedMotion(folder);
    await longShow(long, 1000);
    assert.deepStrictEqual(problems, [], 'requests, console or script errors');
    console.log('ok: player page checked on a desktop and a phone');
  } finally {
    await browser.close();
    if (!process.env.KEEP_PLAYER_TEST) fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((e) => {
  console.error(e && e.stack ? e.stack : String(e));
  if (problems.length) console.error('problems:\n' + problems.join('\n'));
  process.exit(1);
});
