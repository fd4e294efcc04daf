'use strict';
// The player page used as people use it, in Debian's headless chromium: the
// song started by a tap, jumps over a slow network, neighbours loaded ahead,
// missing pictures, long and right-to-left captions, the strip's focus, a
// 400 % zoomed window, bad addresses, the bars fading while the show runs,
// and zooming into the picture. No page.evaluate runs before a gesture whose
// user activation is tested: an evaluate counts as one.
//
//   node player_use_browser.js <pevrano-slideshow> <folder of example pictures>
const fs = require('fs');
const path = require('path');
const { pathToFileURL } = require('url');
const assert = require('assert');
const { work, problems, writeWav, compile, makeJpeg, open, done, state, expectSlide, axe, slowServer,
  run, browser } = require('./player_support');

const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 };
const DESKTOP = { viewport: { width: 1280, height: 800 } };
const href = (folder, hash) => pathToFileURL(path.join(folder, 'index.html')).href + (hash || '');
const playing = (page) => page.waitForFunction(() => !document.querySelector('audio').paused, null,
  { timeout: 3000 }).then(() => true, () => false);

// The song starts on the first tap of a phone, and on the first key after
// Escape on a desktop; nothing but the gesture runs in the page before it.
async function song(folder) {
  let context = await browser().newContext(PHONE);
  let page = await context.newPage();
  await page.goto(href(folder, '#3'));
  await page.touchscreen.tap(195, 400);
  assert.ok(await playing(page), 'the song did not start on a tap');
  await context.close();

  context = await browser().newContext(DESKTOP);
  page = await context.newPage();
  await page.goto(href(folder));
  await page.keyboard.press('Escape');
  await page.keyboard.press('ArrowRight');
  assert.ok(await playing(page), 'the song did not start on the key after Escape');
  await context.close();
}

// During the auto run, a jump to a picture still on its way is neither
// overridden by the old timer nor announced before its picture shows.
async function slowJumps(folder) {
  const server = await slowServer(folder, { '.jpg': 1500 });
  const base = `http://127.0.0.1:${server.address().port}/index.html`;
  try {
    for (const [keys, target] of [[['End'], 12], [['ArrowRight', 'ArrowRight'], 7]]) {
      const context = await browser().newContext(DESKTOP);
      const page = await context.newPage();
      page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
      await page.goto(base + '#5');
      await page.waitForSelector('#stage img.on[data-decoded]', { timeout: 10000 });
      await page.keyboard.press('p');
      await page.waitForTimeout(2000);
      for (const key of keys) await page.keyboard.press(key);
      // Slide 6 is ready at once; the target's caption and number wait for its picture.
      const early = await state(page);
      assert.ok(early.hash === `#${target}` && early.count !== String(target) &&
        early.caption !== `Caption of slide ${target}`, `${keys}: ${JSON.stringify(early)}`);
      await page.waitForSelector('#stage.wait', { timeout: 1000 });
      assert.notStrictEqual(await page.evaluate(() => getComputedStyle(
        document.getElementById('stage'), '::after').content), 'none', 'no loading sign');
      const shown = await page.waitForFunction((k) => {
        const on = document.querySelector('#stage img.on');
        return on && on.getAttribute('src') === `pix/pic${k}.jpg` &&
          document.getElementById('count').textContent === String(k);
      }, target, { timeout: 4000, polling: 50 }).then(() => true, () => false);
      assert.ok(shown, `${keys}: slide ${target} never shown (${JSON.stringify(await state(page))})`);
      assert.ok(!(await page.locator('#stage.wait').count()), 'the loading sign stays');
      await context.close();
    }
  } finally {
    server.close();
  }
}

// Opened on the first or the last slide, its one neighbour is decoded ahead.
async function neighbours(folder) {
  for (const [hash, neighbour] of [['', 2], ['#12', 11]]) {
    const page = await open(folder, hash, DESKTOP);
    const ahead = await page.waitForFunction((k) => [...document.querySelectorAll('#stage img')]
      .some((i) => i.getAttribute('src') === `pix/pic${k}.jpg` && i.hasAttribute('data-decoded')),
    neighbour, { timeout: 3000 }).then(() => true, () => false);
    assert.ok(ahead, `slide ${neighbour} not decoded ahead from ${hash || '#1'}`);
    await done(page);
  }
}

// A picture missing from the folder leaves the slide's background alone.
async function missingPicture(folder) {
  for (const f of ['pic3.jpg', 'thumbs/pic3.jpg', 'phone/pic3.jpg']) fs.rmSync(path.join(folder, 'pix', f), { force: true });
  const page = await open(folder, '#2', DESKTOP);
  await page.keyboard.press('ArrowRight');
  await page.waitForFunction(() => location.hash === '#3' && document.getElementById('count').textContent === '3' &&
    !document.querySelector('#stage img.out'));
  const shown = await page.evaluate(() => [...document.querySelectorAll('#stage img')]
    .filter((i) => getComputedStyle(i).display !== 'none' && getComputedStyle(i).visibility !== 'hidden')
    .map((i) => i.getAttribute('src')));
  assert.deepStrictEqual(shown, [], 'a missing picture is drawn as a broken image');
  await page.keyboard.press('ArrowRight');
  await expectSlide(page, 4, 'after the missing picture');
  await done(page);
  // The browser reports the file it could not read; that is this check's own doing.
  for (let i = problems.length - 1; i >= 0; i--) if (/ERR_FILE_NOT_FOUND/.test(problems[i])) problems.splice(i, 1);
}

// A long caption on a phone is a Tab stop whose keys scroll it; T in the
// strip gives the focus back to the Thumbnails button.
async function focus(folder) {
  const page = await open(folder, '#2', PHONE);
  await axe(page, 'phone with a long caption');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'caption');
  for (const key of ['ArrowRight', 'PageDown', 'End', 'ArrowLeft']) await page.keyboard.press(key);
  assert.strictEqual((await state(page)).hash, '#2', 'the caption\'s keys changed the slide');
  // The browser scrolls by keys smoothly: the caption moves within a moment.
  await page.waitForFunction(() => document.getElementById('caption').scrollTop > 0, null, { timeout: 3000 })
    .catch(() => assert.fail('caption not scrolled'));

  await page.keyboard.press('t');
  await page.locator('#strip button').nth(3).click();
  await expectSlide(page, 4, 'strip');
  await page.keyboard.press('t');
  assert.ok(await page.locator('#strip').isHidden());
  assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'thumbs', 'focus lost');
  await done(page);
}

// At 400 % zoom of a 1280 x 1024 window, with the strip open: the picture
// keeps a share of the height and every control is inside the window.
async function tinyWindow(folder) {
  const page = await open(folder, '#2', { viewport: { width: 320, height: 256 }, deviceScaleFactor: 4 });
  await page.keyboard.press('t');
  const m = await page.evaluate(() => ({ picture: document.querySelector('#stage img.on').getBoundingClientRect().height,
    outside: [...document.querySelectorAll('button')].filter((b) => b.offsetParent).filter((b) => {
      const r = b.getBoundingClientRect();
      return r.left < 0 || r.top < 0 || r.right > innerWidth || r.bottom > innerHeight;
    }).map((b) => b.getAttribute('aria-label')).filter((l) => !/^Slide /.test(l)) }));
  assert.ok(m.picture >= 40, `picture ${m.picture} px tall at 320 x 256`);
  assert.deepStrictEqual(m.outside, [], 'controls out of reach at 320 x 256');
  await done(page);
}

// A bad number typed in the address on slide 1 is corrected to #1.
async function badHash(folder) {
  const page = await open(folder, '', DESKTOP);
  for (const hash of ['#0', '#999999', '#x']) {
    await page.evaluate((h) => { location.hash = h; }, hash);
    await page.waitForFunction(() => location.hash === '#1', null, { timeout: 2000 }).catch(() => {});
    assert.strictEqual((await state(page)).hash, '#1', `${hash} stays in the address`);
  }
  await done(page);
}

// Right-to-left text runs right to left; separators break the line.
async function captions(folder) {
  const page = await open(folder, '', DESKTOP);
  const look = () => page.evaluate(() => {
    const c = document.getElementById('caption');
    return { text: c.textContent, rtl: c.matches(':dir(rtl)'), lines: Math.round(c.clientHeight / parseFloat(getComputedStyle(c).lineHeight)) };
  });
  assert.ok((await look()).rtl, 'a Hebrew caption laid out left to right');
  await page.keyboard.press('ArrowRight');
  await page.waitForFunction(() => document.getElementById('count').textContent === '2');
  const second = await look();
  assert.ok(!second.rtl);
  assert.strictEqual(second.text, 'one\ntwo\nthree "quoted"');
  assert.ok(second.lines >= 3, `separators shown on ${second.lines} lines`);
  await done(page);
}

// The displayed part of the picture (object-fit: contain) against the window.
function share(page) {
  return page.evaluate(() => {
    const img = document.querySelector('#stage img.on');
    const r = img.getBoundingClientRect();
    const f = Math.min(r.width / img.naturalWidth, r.height / img.naturalHeight);
    const w = img.naturalWidth * f, h = img.naturalHeight * f;
    return { area: (w * h) / (innerWidth * innerHeight), side: Math.max(w / innerWidth, h / innerHeight) };
  });
}
const barsShown = (page) => page.evaluate(() => ['.top', '.bottom']
  .map((s) => getComputedStyle(document.querySelector(s)).opacity));

// While the show runs, 3 s after the last input the bars and the caption
// fade and the picture takes the window; any input brings them back.
async function fading(folder) {
  for (const [options, what] of [[DESKTOP, 'desktop'], [{ ...PHONE, viewport: { width: 844, height: 390 } }, 'phone on its side'],
    [{ ...DESKTOP, reducedMotion: 'reduce' }, 'reduced motion']]) {
    const page = await open(folder, '', { ...options, clock: true });
    await page.clock.pauseAt(await page.evaluate(() => Date.now() + 1000));
    await page.keyboard.press('p');
    await page.clock.runFor(2900);
    assert.deepStrictEqual(await barsShown(page), ['1', '1'], `${what}: faded before 3 s`);
    await page.clock.runFor(200);
    await page.waitForFunction(() => getComputedStyle(document.querySelector('.bottom')).opacity === '0',
      null, { timeout: 2000 }).catch(() => {});
    assert.deepStrictEqual(await barsShown(page), ['0', '0'], `${what}: bars not faded`);
    const s = await share(page);
    assert.ok(s.side >= 0.99 && (what !== 'desktop' || s.area >= 0.9), `${what}: picture ${JSON.stringify(s)}`);
    if (what === 'reduced motion') {
      assert.strictEqual(await page.evaluate(() => getComputedStyle(document.querySelector('.top')).transitionDuration), '0s');
    }
    // A tap, a pointer movement or a key brings them back; the tap does nothing else.
    if (options.hasTouch) await page.touchscreen.tap(800, 200);
    else await page.mouse.move(600, 300);
    await page.waitForFunction(() => getComputedStyle(document.querySelector('.bottom')).opacity === '1',
      null, { timeout: 2000 }).catch(() => {});
    assert.deepStrictEqual(await barsShown(page), ['1', '1'], `${what}: bars not back`);
    assert.strictEqual((await state(page)).hash, '#1', `${what}: the waking tap stepped`);
    await page.clock.runFor(3100);
    await page.keyboard.press('Shift');
    assert.ok(!(await page.evaluate(() => document.body.classList.contains('idle'))), `${what}: a key`);
    if (what === 'desktop') {
      await page.clock.resume();
      await axe(page, 'bars over the running show');
    }
    await done(page);
  }
}

const zoomed = (page) => page.evaluate(() => {
  const t = document.querySelector('#stage img.on').style.transform;
  const m = /scale\(([\d.]+)\)/.exec(t);
  return m ? Number(m[1]) : 1;
});

// Zoom by double click, Ctrl and the wheel, pinch and double tap; moving a
// zoomed picture never steps, the auto run waits, Escape zooms out.
async function zoom(folder) {
  let page = await open(folder, '', DESKTOP);
  await page.mouse.dblclick(640, 400);
  await page.waitForTimeout(400);
  assert.ok(await zoomed(page) > 1.5, 'double click in the middle');
  // The full picture, not the phone size, is loaded for the zoom.
  await page.waitForFunction(() => /\/pix\/pic1\.jpg$/.test(document.querySelector('#stage img.on').currentSrc),
    null, { timeout: 3000 });
  const before = await page.evaluate(() => document.querySelector('#stage img.on').style.transform);
  await page.mouse.move(900, 400);
  await page.mouse.down();
  await page.mouse.move(500, 380, { steps: 5 });
  await page.mouse.up();
  assert.notStrictEqual(await page.evaluate(() => document.querySelector('#stage img.on').style.transform), before, 'no pan');
  await page.mouse.click(1200, 400);
  await page.keyboard.press('p');
  await page.waitForTimeout(3600);
  await expectSlide(page, 1, 'auto run, swipe or tap while zoomed');
  await page.keyboard.press('Escape');
  assert.strictEqual(await zoomed(page), 1, 'Escape');
  await page.waitForTimeout(3600);
  await expectSlide(page, 2, 'auto run after zooming out');
  await page.keyboard.press('p');
  await page.keyboard.down('Control');
  await page.mouse.move(640, 400);
  await page.mouse.wheel(0, -300);
  await page.keyboard.up('Control');
  assert.ok(await zoomed(page) > 1.5, 'Ctrl and the wheel');
  await page.mouse.dblclick(300, 300);
  await page.waitForTimeout(400);
  assert.strictEqual(await zoomed(page), 1, 'double click while zoomed');
  await page.mouse.click(1200, 400);
  await expectSlide(page, 3, 'the right third steps at once');
  await done(page);

  page = await open(folder, '#2', PHONE);
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, points) => cdp.send('Input.dispatchTouchEvent',
    { type, touchPoints: points.map(([x, y], id) => ({ x, y, id })) });
  await touch('touchStart', [[160, 420], [230, 420]]);
  for (let i = 1; i <= 6; i++) await touch('touchMove', [[160 - 15 * i, 420], [230 + 15 * i, 420]]);
  await touch('touchEnd', []);
  assert.ok(await zoomed(page) > 1.5, 'pinch');
  await touch('touchStart', [[300, 400]]);
  for (let i = 1; i <= 5; i++) await touch('touchMove', [[300 - 40 * i, 400]]);
  await touch('touchEnd', []);
  await expectSlide(page, 2, 'a swipe while zoomed');
  await page.touchscreen.tap(195, 420);
  await page.touchscreen.tap(195, 420);
  await page.waitForTimeout(400);
  assert.strictEqual(await zoomed(page), 1, 'double tap while zoomed');
  await page.touchscreen.tap(195, 420);
  await page.touchscreen.tap(195, 420);
  await page.waitForTimeout(400);
  assert.ok(await zoomed(page) > 1.5, 'double tap in the middle');
  await done(page);
}

async function main() {
  writeWav(path.join(work, 'song.wav'));
  const photo = await makeJpeg(path.join(work, 'photo.jpg'), 2400, 1600);
  const long = 'A caption longer than its box. '.repeat(60);
  const withSong = compile('song', 4, { SongPath: path.join(work, 'song.wav') });
  await song(withSong);
  const plain = compile('plain', 12, {}, undefined, (k) => (k === 2 ? long : ''));
  await slowJumps(plain);
  await neighbours(plain);
  await focus(plain);
  await badHash(plain);
  await tinyWindow(compile('tiny', 12, { SongPath: path.join(work, 'song.wav') }, undefined, (k) => (k === 2 ? long : '')));
  await missingPicture(compile('gaps', 5, {}));
  await fading(compile('photos', 4, { NumSecDelay: 10 }, [photo]));
  await zoom(compile('zoom', 4, {}, [photo]));
  // Captions as typed: quotes too (the compile leaves the show's captions alone).
  await captions(compile('captions', 3, {}, undefined,
    (k) => ['\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd', 'one\u2028two\u2029three "quoted"'][k - 1]));
}

run(main, 'player page used on a desktop and a phone');
