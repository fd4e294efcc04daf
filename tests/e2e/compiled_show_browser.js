'use strict';
// Compiles a show with the headless command and plays it in Debian's headless
// chromium: the opening page's "Buttons and Captions" window steps Forward,
// Back and Auto Run, the catalog shows one thumbnail per slide, and the
// keyboard page answers the F and B keys. Any script error fails the test.
// Then a show from someone else whose title, captions and file names hold
// markup and script is compiled the same way: none of that script may run in
// any classic page, and its texts read as typed.
//
//   node compiled_show_browser.js <pevrano-slideshow> <show.json>
const { chromium, options } = require('./chromium');
const { execFileSync, spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const assert = require('assert');

const [program, showFile] = process.argv.slice(2);
const show = JSON.parse(fs.readFileSync(showFile, 'utf8'));
const slideCount = show.slides.length;
const delaySeconds = (show.settings && show.settings.NumSecDelay) || 3;

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pevrano-browser-'));
const hostileWork = fs.mkdtempSync(path.join(os.tmpdir(), 'pevrano-hostile-'));
const errors = [];
const dialogs = [];
// Dialogs opened by script the show's own texts injected.
const ran = [];

// The slide pages name their picture "docimage": an id in the pages with
// form1, a name in netscape.htm.
async function shownPicture(page) {
  return page.evaluate(() => document.images['docimage'].src);
}

async function expectPicture(page, n, what) {
  const name = `/pic${n}.jpg`;
  await page.waitForFunction((end) => document.images['docimage'].src.endsWith(end), name,
      { timeout: 2000 }).catch(() => {});
  const src = await shownPicture(page);
  assert.ok(src.endsWith(name), `${what}: expected pic${n}.jpg, shown ${src}`);
}

async function caption(page) {
  return (await page.$eval('#text', (t) => t.innerText)).trim();
}

// Every window of the show reports its script errors and has its alerts and
// confirmations dismissed.
function watch(page) {
  page.on('pageerror', (e) => errors.push(`${page.url()}: ${e.message}`));
  page.on('dialog', (d) => {
    dialogs.push(`${d.type()}: ${d.message()}`);
    // File names reach the pages lower-cased.
    if (d.message().toUpperCase().includes(mark)) ran.push(`${page.url()}: ${d.message()}`);
    d.dismiss().catch(() => {});
  });
}

async function openView(opening, buttonValue) {
  const [popup] = await Promise.all([
    opening.waitForEvent('popup'),
    opening.click(`input[value="${buttonValue}"]`),
  ]);
  await popup.waitForLoadState('load');
  return popup;
}

// Every injected script calls alert with a text holding this mark.
const mark = 'PWNED';
const title = `<script>alert('${mark} title')</script> & "more"`;
const captions = [
  `<img src=x onerror="alert('${mark} caption')"> <!-- the rest`,
  `</script><script>alert('${mark} script')</script> \\ \u2028 end`,
  'plain "quoted" caption',
];
// The text after a file's last dot reaches the pages as its extension.
const names = [
  `one.jpg" onerror="alert('${mark} src')`,
  `two.jpg' onerror='alert(\`${mark} apostrophe\`)`,
  `three.jpg><img src=x onerror=alert('${mark} tag')>`,
];

function writeHostileShow() {
  const media = path.join(hostileWork, 'media');
  fs.mkdirSync(media);
  fs.mkdirSync(path.join(hostileWork, 'out'));
  const picture = path.resolve(path.dirname(showFile), show.slides[0].PicturePath);
  for (const name of names) fs.copyFileSync(picture, path.join(media, name));
  const song = `song.mp3" onerror="alert('${mark} song')`;
  fs.writeFileSync(path.join(media, song), Buffer.from('ID3\u0003\u0000\u0000\u0000\u0000'));
  const hostile = {
    slides: names.map((n, i) => ({ PicturePath: `media/${n}`, Caption: captions[i] })),
    settings: { SongPath: `media/${song}` },
    compile: { FirstPageName: 'hostile', ShowFolderName: 'hostile', Directory: 'out',
      TitleMessage: title },
  };
  const file = path.join(hostileWork, 'show.json');
  fs.writeFileSync(file, JSON.stringify(hostile));
  return file;
}

// Opens every classic page of the hostile show; `ran` collects the dialogs
// its injected script would open.
async function hostileShowRunsNoScript(context) {
  const run = spawnSync(program, ['compile', writeHostileShow()], { cwd: hostileWork,
    encoding: 'utf8' });
  const openingPage = run.stdout.trim().split('\n').pop();
  assert.ok(openingPage && fs.existsSync(openingPage),
      `no opening page (status ${run.status}):\n${run.stderr}`);
  const pix = path.join(path.dirname(openingPage), 'pix');
  const pages = [openingPage, ...['slideshw.htm', 'ssbnoc.htm', 'ssnobnoc.htm', 'netscape.htm',
    'appletss.htm', 'catalog.htm', 'thumbpic.htm', 'frmleft.htm', 'frmright.htm']
    .map((p) => path.join(pix, p))];
  for (const file of pages) {
    const page = await context.newPage();
    await page.goto(pathToFileURL(file).href);
    await page.waitForTimeout(300);
    const injected = await page.evaluate(() => {
      // Frames are pages of their own: look into them too.
      const docs = [document, ...Array.from(window.frames, (f) => {
        try { return f.document; } catch (e) { return null; }
      }).filter(Boolean)];
      return docs.some((d) => d.querySelector('img[src="x"], [onerror]'));
    });
    assert.ok(!injected, `${path.basename(file)}: an injected element or handler`);
    if (file === openingPage) {
      assert.strictEqual(await page.title(), title);
      assert.strictEqual((await page.$eval('h3', (h) => h.textContent)).trim(), title);
    }
    if (file.endsWith('slideshw.htm')) {
      const shown = await page.$eval('#text', (t) => t.textContent);
      assert.strictEqual(shown, captions[0].replace(/"/g, "'"));
      // The buttons and the picture come after the caption: nothing was
      // commented out.
      assert.strictEqual(await page.$$eval('input[type="button"]', (b) => b.length), 5);
    }
    await page.close();
  }
  assert.deepStrictEqual(ran, [], 'the show\'s own text ran as script');
  return pages.length;
}

async function main() {
  const stdout = execFileSync(program, ['compile', path.resolve(showFile)], {
    cwd: work,
    stdio: ['ignore', 'pipe', 'inherit'],
  }).toString().trim();
  const openingPage = stdout.split('\n').pop();
  assert.ok(fs.existsSync(openingPage), `opening page missing: ${openingPage}`);

  const context = await chromium.launchPersistentContext(path.join(work, 'profile'), options());
  context.on('page', watch);
  try {
    const opening = await context.newPage();
    await opening.goto(pathToFileURL(openingPage).href);
    assert.strictEqual(await opening.title(), show.compile.TitleMessage);
    const pix = pathToFileURL(path.join(path.dirname(openingPage), 'pix')).href + '/';

    // "Buttons and Captions" opens the show in a window of its own (this
    // browser calls itself Netscape, so the page without transitions).
    const slides = await openView(opening, 'Buttons and Captions');
    await expectPicture(slides, 1, 'first slide');
    for (const [button, n, what] of [['ff', 2, 'after Forward'],
      ['ff', 3, 'after a second Forward'], ['bb', 2, 'after Back']]) {
      await slides.click(`input[name="${button}"]`);
      await expectPicture(slides, n, what);
    }
    await slides.click('input[name="aut"]');
    await slides.waitForFunction(() => /^Stop #/.test(document.getElementsByName('aut')[0].value),
        null, { timeout: (delaySeconds + 3) * 1000 });
    const step = await slides.$eval('input[name="aut"]', (b) => b.value);
    const shown = Number(/^Stop #(\d+) of (\d+)$/.exec(step)[1]);
    assert.match(step, new RegExp(`^Stop #\\d+ of ${slideCount}$`));
    await expectPicture(slides, shown, `Auto Run at "${step}"`);
    await slides.click('input[name="aut"]');
    assert.strictEqual(await slides.$eval('input[name="aut"]', (b) => b.value), ' Auto Run ');
    await slides.close();

    // The page with captions, as a browser with transitions gets it: the
    // first slide's picture and caption. (Its buttons are made for that
    // browser; this one is sent to the page without transitions above.)
    const captioned = await context.newPage();
    await captioned.goto(pix + 'slideshw.htm');
    await expectPicture(captioned, 1, 'captioned page start');
    assert.strictEqual(await caption(captioned), show.slides[0].Caption.replace(/"/g, "'"));
    await captioned.close();

    // The catalog: one thumbnail per slide, in order, every one loaded.
    const catalog = await openView(opening, 'Catalog');
    const thumbs = await catalog.$$eval('img', (imgs) => imgs.map((i) => i.getAttribute('src')));
    assert.deepStrictEqual(thumbs, show.slides.map((_, i) => `pic${i + 1}.jpg`));
    const loaded = await catalog.$$eval('img', (imgs) => imgs.every((i) => i.naturalWidth > 0));
    assert.ok(loaded, 'a catalog thumbnail did not load');
    await catalog.close();

    // The keyboard page: its hidden button takes F (forward) and B (back).
    const keys = await context.newPage();
    await keys.goto(pix + 'ssnobnoc.htm');
    await expectPicture(keys, 1, 'keyboard page start');
    await keys.focus('input[name="bb"]');
    for (const [key, n, what] of [['f', 2, 'after F'], ['f', 3, 'after a second F'],
      ['b', 2, 'after B']]) {
      await keys.keyboard.press(key);
      await expectPicture(keys, n, what);
    }
    await keys.close();

    assert.ok(dialogs.some((d) => d.startsWith('alert: Use these keys')),
        'the keyboard page did not show its key help');
    const hostilePages = await hostileShowRunsNoScript(context);
    assert.deepStrictEqual(errors, [], 'script errors in the show');
    console.log(`ok: ${slideCount} slides played; dialogs dismissed: ${dialogs.length}; ` +
        `${hostilePages} pages of a hostile show ran none of its text`);
  } finally {
    await context.close();
    fs.rmSync(work, { recursive: true, force: true });
    fs.rmSync(hostileWork, { recursive: true, force: true });
  }
}

main().catch((e) => {
  console.error(e && e.stack ? e.stack : String(e));
  if (errors.length) console.error('script errors:\n' + errors.join('\n'));
  process.exit(1);
});
