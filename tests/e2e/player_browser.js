'use strict';
// The player page (index.html) of compiled shows in Debian's headless
// chromium, from file://: a desktop window and a phone, keys, buttons, hash,
// swipes, auto run on a controlled clock, every transition, reduced motion,
// the strip, full screen, the song, requests, console, axe-core, and a
// 1000-slide show that keeps no more than three full pictures in the page.
//
//   node player_browser.js <pevrano-slideshow> <folder of example pictures>
const fs = require('fs');
const path = require('path');
const { pathToFileURL } = require('url');
const assert = require('assert');
const { work, DELAY, TRICKY, writeWav, compile, makeJpeg, open, done, state, expectSlide,
  expectFits, axe, swipe, run } = require('./player_support');

async function desktop(folder, count) {
  const page = await open(folder, '', { viewport: { width: 1280, height: 800 } });
  await expectSlide(page, 1, 'start');
  await expectFits(page, 'desktop');
  const history = await page.evaluate(() => history.length);
  await page.keyboard.press('ArrowRight');
  await expectSlide(page, 2, 'ArrowRight');
  // Text, never markup; a line separator breaks the line.
  assert.strictEqual((await state(page)).caption, TRICKY.replace('\u2028', '\n'));
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
  await page.touchscreen.tap(195, 300); // the middle third: no step
  await expectSlide(page, 5, 'tap in the middle');
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
  const folder = compile('player show', 12, {});
  writeWav(path.join(work, 'song.wav'));
  const photo = await makeJpeg(path.join(work, 'photo.jpg'), 2400, 1600);
  const withSong = compile('with song', 12, { SongPath: path.join(work, 'song.wav') }, [photo]);
  const midi = path.join(work, 'tune.mid');
  fs.writeFileSync(midi, 'MThd');
  const withMidi = compile('with midi', 3, { SongPath: midi });
  assert.match(fs.readFileSync(path.join(withMidi, 'pix', 'player.js'), 'utf8'), /"song":"",/);
  const long = compile('long show', 1000, {});
  await desktop(folder, 12);
  await phone(withSong, 12);
  await autoRun(folder, 12);
  await reducedMotion(folder);
  await longShow(long, 1000);
}

run(main, 'player page checked on a desktop and a phone');
