'use strict';
// Clips in the player page, in Debian's headless chromium: a clip plays
// inline, muted until the viewer's first tap, click or key and with sound
// after; the song pauses while a clip with sound plays; the auto run moves on
// at a clip's end; P pauses the run and the clip together; leaving stops the
// clip; a long show keeps at most three full pictures or clips; the strip
// marks clips; the page's weight stays within 14 KB gzipped. The clips are
// made by ffmpeg and compiled by the program.
//
//   node player_clips_browser.js <pevrano-slideshow> <folder of example pictures>
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { pathToFileURL } = require('url');
const assert = require('assert');
const { work, pictures, problems, writeWav, compile, open, done, expectSlide, axe, slowServer, run,
  browser } = require('./player_support');

const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 };
const DESKTOP = { viewport: { width: 1280, height: 800 } };
const href = (folder, hash) => pathToFileURL(path.join(folder, 'index.html')).href + (hash || '');

// Two-second clips made by ffmpeg from its own test sources, with and
// without sound; one longer than the shortest delay (3 s); one larger than a
// phone's screen, so its poster gets a phone size.
function ffmpeg(args) {
  execFileSync('ffmpeg', ['-v', 'error', '-y', ...args], { stdio: ['ignore', 'ignore', 'pipe'] });
}
function makeClips() {
  const video = (size) => ['-f', 'lavfi', '-i', `testsrc=size=${size}:rate=25`];
  const sine = ['-f', 'lavfi', '-i', 'sine', '-c:a', 'aac'];
  const h264 = ['-c:v', 'libx264', '-pix_fmt', 'yuv420p', '-movflags', '+faststart'];
  const clips = {};
  for (const [kind, size, seconds, audio] of [['sound', '320x240', 2, sine], ['silent', '320x240', 2, ['-an']],
    ['long', '320x240', 5, ['-an']], ['large', '1920x1080', 2, sine]]) {
    clips[kind] = path.join(work, `${kind}.mp4`);
    ffmpeg([...video(size), ...audio, '-t', String(seconds), ...h264, clips[kind]]);
  }
  return clips;
}
const SOUND = { sound: 1, silent: 0, long: 0, large: 1 };

// A show whose slides `clipAt` names (slide number to a kind of clip) are
// clips, compiled by the program; each slide's data says whether it is a
// clip, and which, and whether it has sound.
function clipShow(name, count, clipAt, clips, extra) {
  const from = [];
  for (let k = 1; k <= count; k++) from.push(clipAt[k] ? clips[clipAt[k]] : pictures[(k - 1) % pictures.length]);
  const folder = compile(name, count, extra, from, (k) => (clipAt[k] ? `Clip at slide ${k}` : ''));
  const text = fs.readFileSync(path.join(folder, 'pix', 'player.js'), 'utf8');
  const lines = text.slice(0, text.indexOf(']};\n')).split('\n').filter((l) => l.startsWith('['));
  assert.strictEqual(lines.length, count, 'one data line per slide');
  lines.forEach((line, i) => {
    const kind = clipAt[i + 1];
    assert.ok(line.endsWith(kind ? `,"vid${i + 1}.mp4",${SOUND[kind]}]` : ',"",0]') ||
      line.endsWith(kind ? `,"vid${i + 1}.mp4",${SOUND[kind]}],` : ',"",0],'), `slide ${i + 1}: ${line}`);
    if (kind) assert.ok(fs.existsSync(path.join(folder, 'pix', `vid${i + 1}.mp4`)), `no clip for slide ${i + 1}`);
  });
  return folder;
}

// Reads the page without a user gesture (page.evaluate would count as one).
async function quietly(page, fn, arg) {
  const cdp = await page.context().newCDPSession(page);
  const r = await cdp.send('Runtime.evaluate', { expression: `(${fn})(${JSON.stringify(arg)})`,
    returnByValue: true, awaitPromise: true });
  await cdp.detach();
  return r.result.value;
}
async function until(page, fn, arg, what, ms = 5000) {
  const end = Date.now() + ms;
  let last;
  while (Date.now() < end) {
    last = await quietly(page, fn, arg);
    if (last && last.ok) return last;
    await new Promise((r) => setTimeout(r, 100));
  }
  assert.fail(`${what}: ${JSON.stringify(last)}`);
}
// The clip of slide k on the stage, and the song.
function media(k) {
  const v = document.querySelector('#stage video.on');
  const a = document.querySelector('audio');
  const on = !!v && v.getAttribute('src') === `pix/vid${k}.mp4` && location.hash === '#' + k;
  return { ok: false, on, time: v ? v.currentTime : -1, paused: v ? v.paused : null,
    muted: v ? v.muted : null, song: a ? !a.paused : null,
    label: document.getElementById('play').getAttribute('aria-label') };
}
function clipIs(k, want) {
  return `(function(){const m=(${media})(${k});m.ok=m.on&&m.time>0.2&&!m.paused` +
    (want.muted === undefined ? '' : `&&m.muted===${want.muted}`) +
    (want.song === undefined ? '' : `&&m.song===${want.song}`) + ';return m;})';
}

// Muted until the first click, with sound after; the song waits while the
// clip with sound plays, and comes back at its end.
async function sound(folder) {
  const context = await browser().newContext(DESKTOP);
  const page = await context.newPage();
  await page.goto(href(folder, '#2'));
  const before = await until(page, clipIs(2, { muted: true, song: false }), null, 'plays muted at first');
  await page.waitForTimeout(300);
  const later = await quietly(page, `(${media})`, 2);
  assert.ok(later.time > before.time, `the clip does not advance: ${before.time} then ${later.time}`);
  // The title is no control: the click is only the viewer's first activation.
  await page.click('h1');
  await until(page, clipIs(2, { muted: false, song: false }), null, 'sound after the click, song paused');
  const end = await until(page, `(function(){const m=(${media})(2);m.ok=m.paused&&m.song;return m;})`,
    null, 'the song back at the clip\'s end');
  assert.ok(end.time > 1.8, `the clip stopped at ${end.time} s`);
  await context.close();

  // The first tap of a phone: the clip of slide 4 has no sound, so the song plays with it.
  const phone = await browser().newContext(PHONE);
  const tapped = await phone.newPage();
  await tapped.goto(href(folder, '#4'));
  await until(tapped, clipIs(4, { muted: true }), null, 'silent clip plays');
  await tapped.touchscreen.tap(195, 30);
  await until(tapped, clipIs(4, { muted: false, song: true }), null, 'the song with a silent clip');
  await phone.close();
}

// A clip playing on its own counts as playing: P pauses it; P again starts
// the auto run with it, which moves on at the clip's end, not after the delay
// (5 s, the clip 2 s). While the show runs, P pauses the run and the clip
// together. Leaving a clip stops it.
async function autoRun(folder) {
  const page = await open(folder, '#1', DESKTOP);
  await page.keyboard.press('ArrowRight');
  await until(page, clipIs(2, {}), null, 'the clip plays');
  assert.strictEqual(await page.getAttribute('#play', 'aria-label'), 'Pause');
  await page.keyboard.press('p');
  await pausedFor(page, 1000, 'P on a clip playing on its own');
  await page.getByRole('button', { name: 'Play' }).click();
  await until(page, clipIs(2, { muted: false, song: false }), null, 'the Play button plays the clip');
  assert.strictEqual(await page.getAttribute('#play', 'aria-label'), 'Pause');
  await page.waitForFunction(() => location.hash === '#3', null, { timeout: 4000 })
    .catch(() => assert.fail('the auto run did not move on at the clip\'s end'));
  await expectSlide(page, 3, 'after the clip');
  // The clip left behind is stopped and, once the transition is over, back
  // at its start; the next slide's clip waits at its start.
  const behind = () => page.evaluate(() => JSON.stringify([...document.querySelectorAll('video')]
    .map((v) => [v.getAttribute('src'), v.paused, v.currentTime])));
  await page.waitForFunction(() => !document.getAnimations().length, null, { timeout: 3000 });
  assert.strictEqual(await behind(), JSON.stringify([['pix/vid4.mp4', true, 0], ['pix/vid2.mp4', true, 0]]));

  // Running, back on the clip: P pauses both, P again plays both.
  await page.keyboard.press('ArrowLeft');
  await until(page, clipIs(2, {}), null, 'the clip again');
  await page.keyboard.press('p');
  await pausedFor(page, 2500, 'P while the show runs');
  await page.keyboard.press('p');
  await until(page, clipIs(2, {}), null, 'P plays the clip again');
  await page.waitForFunction(() => location.hash === '#3', null, { timeout: 4000 })
    .catch(() => assert.fail('no move at the end after a pause'));

  // A step away while the clip plays stops it at once.
  await page.keyboard.press('p');
  await page.keyboard.press('ArrowLeft');
  await until(page, clipIs(2, {}), null, 'the clip once more');
  await page.keyboard.press('ArrowLeft');
  await expectSlide(page, 1, 'leaving the clip');
  assert.ok(await page.evaluate(() => [...document.querySelectorAll('video')].every((v) => v.paused)),
    'the clip plays on after leaving its slide');
  await page.waitForFunction(() => !document.querySelector('audio').paused, null, { timeout: 2000 })
    .catch(() => assert.fail('the song stays paused after leaving the clip'));
  await done(page);
}
async function pausedFor(page, ms, what) {
  const paused = await quietly(page, `(${media})`, 2);
  await page.waitForTimeout(ms);
  const still = await quietly(page, `(${media})`, 2);
  assert.ok(still.on && still.paused && still.time === paused.time && still.label === 'Play',
    `${what}: the clip or the run goes on: ${JSON.stringify(still)}`);
}

// With a delay shorter than the clip (3 s, the clip 5 s), the auto run still
// waits for its end.
async function shortDelay(folder) {
  const page = await open(folder, '#2', DESKTOP);
  await until(page, clipIs(2, {}), null, 'the clip plays');
  await page.keyboard.press('p');
  await page.keyboard.press('p');
  await until(page, `(function(){const m=(${media})(2);m.ok=m.on&&m.time>3.6;return m;})`, null,
    'the clip cut at the delay', 8000);
  await page.waitForFunction(() => location.hash === '#3', null, { timeout: 3000 })
    .catch(() => assert.fail('no move at the end of the clip'));
  await done(page);
}

// A step away from a clip still on its way stops it for good: it is not
// started again off the stage (Chromium pauses a muted clip it cannot see,
// other browsers may not; so every start is recorded).
async function leftEarly(folder) {
  const server = await slowServer(folder, { '.mp4': 1500 });
  try {
    const context = await browser().newContext(DESKTOP);
    const page = await context.newPage();
    page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
    await page.addInitScript(() => {
      window.starts = [];
      document.addEventListener('play', (e) => {
        const v = e.target;
        if (v.localName === 'video') window.starts.push(location.hash + ' ' + v.getAttribute('src'));
      }, true);
    });
    await page.goto(`http://127.0.0.1:${server.address().port}/index.html#1`);
    await page.waitForSelector('#stage img.on[data-decoded]', { timeout: 10000 });
    await page.keyboard.press('ArrowRight');
    await page.waitForSelector('#stage video.on', { timeout: 3000 });
    await page.waitForTimeout(300);
    await page.keyboard.press('ArrowRight');
    await page.waitForTimeout(3000);
    const starts = await page.evaluate(() => window.starts);
    assert.deepStrictEqual(starts.filter((s) => !s.startsWith('#2 ')), [], 'a clip started off the stage');
    await context.close();
  } finally {
    server.close();
  }
}

// Stepping through a long show of pictures and clips: never more than three
// elements with a full source, a clip ahead is loaded as a neighbour.
async function longShow(folder, count) {
  const page = await open(folder, '#1', DESKTOP);
  const full = () => page.evaluate(() => {
    const pics = [...document.images].filter((i) => i.getAttribute('src') && !/\/thumbs\//.test(i.getAttribute('src')));
    const clips = [...document.querySelectorAll('video')].filter((v) => v.getAttribute('src'));
    return { total: pics.length + clips.length, clips: clips.map((v) => v.getAttribute('src')) };
  });
  const keys = [...Array(8).fill('ArrowRight'), 'End', 'ArrowLeft', 'ArrowLeft', 'Home'];
  let sawNeighbour = false;
  for (const key of keys) {
    await page.keyboard.press(key);
    await page.waitForTimeout(150);
    const f = await full();
    assert.ok(f.total <= 3, `${f.total} full media after ${key}: ${f.clips}`);
    const at = Number((await page.evaluate(() => location.hash)).slice(1));
    if (f.clips.includes(`pix/vid${at + 1}.mp4`) && (at + 1) % 3 === 0) sawNeighbour = true;
  }
  assert.ok(sawNeighbour, 'a clip was never loaded ahead as the next slide');
  await page.keyboard.press('t');
  assert.strictEqual(await page.locator('#strip button').count(), count);
  assert.ok((await full()).total <= 3, 'the strip loaded full media');
  await done(page);
}

// The strip shows a clip's poster with a play mark and says it is a clip;
// the stage's clip says so too; axe-core finds nothing on a desktop or a
// phone, where the clip fits the screen and a tap in its middle pauses it.
async function looks(folder) {
  const page = await open(folder, '#2', DESKTOP);
  await page.keyboard.press('t');
  const marks = await page.evaluate(() => [...document.querySelectorAll('#strip button')].slice(0, 3)
    .map((b) => [b.getAttribute('aria-label'), getComputedStyle(b, '::after').content !== 'none',
      b.querySelector('img') && b.querySelector('img').getAttribute('src')]));
  assert.deepStrictEqual(marks, [['Slide 1', false, 'pix/thumbs/pic1.jpg'],
    ['Slide 2, clip', true, 'pix/thumbs/pic2.jpg'], ['Slide 3', false, 'pix/thumbs/pic3.jpg']]);
  assert.strictEqual(await page.getAttribute('#stage video.on', 'aria-label'), 'Slide 2 of 12, clip');
  assert.ok(await page.getAttribute('#stage video.on', 'poster'), 'no poster');
  await axe(page, 'desktop with a clip and the strip');
  await page.screenshot({ path: path.join(work, 'clip-desktop.png') });
  await done(page);

  const phone = await open(folder, '#2', PHONE);
  await until(phone, clipIs(2, {}), null, 'the clip plays on a phone');
  await phone.screenshot({ path: path.join(work, 'clip-phone.png') });
  const box = await phone.evaluate(() => {
    const r = document.querySelector('#stage video.on').getBoundingClientRect();
    return [r.left, r.top, r.right, r.bottom, innerWidth, innerHeight,
      document.documentElement.scrollWidth, document.documentElement.scrollHeight];
  });
  assert.ok(box[0] >= 0 && box[1] >= 0 && box[2] <= box[4] && box[3] <= box[5] &&
    box[6] <= box[4] && box[7] <= box[5], `clip outside the phone's screen: ${box}`);
  // A tap in the middle pauses the clip, which then carries a play mark.
  await phone.touchscreen.tap(195, 350);
  await phone.waitForTimeout(300);
  const tapped = await quietly(phone, `(${media})`, 2);
  assert.ok(tapped.paused && tapped.time < 1.9 && tapped.label === 'Play',
    `a tap in the middle: ${JSON.stringify(tapped)}`);
  const mark = () => phone.evaluate(() => getComputedStyle(document.getElementById('stage'), '::after').content);
  assert.notStrictEqual(await mark(), 'none', 'no play mark on the paused clip');
  // The phone loads the phone size of the poster.
  const poster = await phone.getAttribute('#stage video.on', 'poster');
  assert.match(poster, /phone\/pic2\.jpg$/);
  await axe(phone, 'phone with a clip');
  await phone.screenshot({ path: path.join(work, 'clip-phone-paused.png') });
  // A show without a song has Mute for its clips with sound.
  const muted = () => phone.evaluate(() => document.querySelector('#stage video.on').muted);
  await phone.getByRole('button', { name: 'Mute' }).tap();
  assert.ok(await muted(), 'Mute leaves the clip\'s sound on');
  await phone.getByRole('button', { name: 'Mute' }).tap();
  assert.ok(!(await muted()), 'Mute turned off leaves the clip muted');
  await phone.getByRole('button', { name: 'Next' }).click();
  await expectSlide(phone, 3, 'Next from a paused clip');
  assert.strictEqual(await mark(), 'none', 'the play mark stays on a picture');
  await done(phone);
}

// A clip missing from the folder shows its poster; the auto run goes on
// after the delay.
async function missingClip(folder) {
  fs.rmSync(path.join(folder, 'pix', 'vid2.mp4'));
  const page = await open(folder, '#2', { ...DESKTOP, clock: true });
  await page.waitForFunction(() => !document.querySelector('#stage video.on').getAttribute('src'));
  assert.ok(await page.getAttribute('#stage video.on', 'poster'));
  await page.clock.pauseAt(await page.evaluate(() => Date.now() + 1000));
  await page.keyboard.press('p');
  await page.clock.runFor(5200);
  await expectSlide(page, 3, 'after a missing clip');
  await done(page);
  // The browser reports the file it could not read; that is this check's own doing.
  for (let i = problems.length - 1; i >= 0; i--) if (/ERR_FILE_NOT_FOUND/.test(problems[i])) problems.splice(i, 1);
}

// index.html, its script and style, gzipped, for a 30-slide show with clips.
function weight(folder) {
  const total = ['index.html', 'pix/player.js', 'pix/player.css'].reduce((sum, f) =>
    sum + zlib.gzipSync(fs.readFileSync(path.join(folder, f)), { level: 9 }).length, 0);
  assert.ok(total <= 14 * 1024, `the player weighs ${total} bytes gzipped`);
  console.log(`weight of a 30-slide show: ${(total / 1024).toFixed(2)} KB gzipped`);
}

async function main() {
  const clips = makeClips();
  writeWav(path.join(work, 'song.wav'));
  const show = { 2: 'sound', 4: 'silent' };
  const withSong = { SongPath: path.join(work, 'song.wav'), NumSecDelay: 5 };
  await sound(clipShow('clip song', 5, show, clips, withSong));
  const run5 = clipShow('clip run', 5, show, clips, withSong);
  await autoRun(run5);
  await leftEarly(run5);
  await shortDelay(clipShow('clip short delay', 3, { 2: 'long' }, clips, { NumSecDelay: 3 }));
  const every3 = {};
  for (let k = 3; k <= 60; k += 3) every3[k] = k % 2 ? 'sound' : 'silent';
  await longShow(clipShow('clip long', 60, every3, clips, {}), 60);
  await looks(clipShow('clip looks', 12, { 2: 'large', 4: 'silent' }, clips, {}));
  await missingClip(clipShow('clip missing', 4, { 2: 'silent' }, clips, withSong));
  const thirty = {};
  for (let k = 1; k <= 30; k += 4) thirty[k] = 'sound';
  weight(clipShow('thirty', 30, thirty, clips, {}));
}

run(main, 'clips in the player page');
