'use strict';
// Opens every page of compiled shows in Debian's headless chromium and checks
// that every picture they show loads: the <img> elements, the page
// backgrounds, and every slide and background picture the pages and the
// script library name (pic<k>, bkimg<k>, bgimg), each loaded as an image.
// Prints one line per show: its pictures with their loaded sizes, as JSON.
//
//   node show_pictures_browser.js <opening page.htm>...
const { chromium, options } = require('./chromium');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const assert = require('assert');

const openingPages = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pevrano-pictures-'));

// The pictures a page's text names in pix itself: slide and background
// copies (the thumbnails in pix/thumbs are checked as the pages show them).
function namedPictures(text) {
  const names = new Set();
  for (const m of text.matchAll(/(?<![\w/])((?:pic|bkimg)\d+|bgimg)\.(?:jpe?g|gif|bmp|png)\b/gi)) {
    names.add(m[0]);
  }
  return names;
}

// Loads a picture as the page would and gives its size (0 x 0: not loaded).
async function loadedSize(page, url) {
  return page.evaluate((src) => new Promise((resolve) => {
    const image = new Image();
    image.onload = () => resolve([image.naturalWidth, image.naturalHeight]);
    image.onerror = () => resolve([0, 0]);
    image.src = src;
  }), url);
}

async function checkShow(context, opening) {
  const pixFolder = path.join(path.dirname(opening), 'pix');
  const pix = pathToFileURL(pixFolder).href + '/';
  const pages = [opening].concat(fs.readdirSync(pixFolder).filter((f) => f.endsWith('.htm'))
      .map((f) => path.join(pixFolder, f)));
  const named = namedPictures(fs.readFileSync(path.join(pixFolder, 'allcode.js'), 'latin1'));
  const sizes = {};
  const problems = [];
  const page = await context.newPage();
  page.on('dialog', (d) => d.dismiss().catch(() => {}));
  for (const file of pages) {
    for (const n of namedPictures(fs.readFileSync(file, 'latin1'))) named.add(n);
    await page.goto(pathToFileURL(file).href, { waitUntil: 'load' });
    const shown = await page.evaluate(() => {
      const all = [];
      const walk = (doc) => {
        for (const i of doc.images) {
          all.push({ src: i.src, ok: i.complete && i.naturalWidth > 0 });
        }
        if (doc.body && doc.body.background) {
          all.push({ src: new URL(doc.body.background, doc.baseURI).href, background: true });
        }
        for (const f of doc.querySelectorAll('frame, iframe')) {
          if (f.contentDocument) walk(f.contentDocument);
        }
      };
      walk(document);
      return all;
    });
    for (const s of shown) {
      const ok = s.background ? (await loadedSize(page, s.src))[0] > 0 : s.ok;
      if (!ok) problems.push(`${path.basename(file)}: ${s.src} did not load`);
    }
  }
  await page.goto(pathToFileURL(opening).href, { waitUntil: 'load' });
  for (const name of [...named].sort()) {
    const size = await loadedSize(page, pix + name);
    sizes[name] = size;
    if (size[0] === 0) problems.push(`${name} named by the show did not load`);
  }
  await page.close();
  assert.deepStrictEqual(problems, [], `pictures of ${opening}`);
  return sizes;
}

async function main() {
  const context = await chromium.launchPersistentContext(path.join(work, 'profile'),
    options(['--allow-file-access-from-files']));
  try {
    for (const opening of openingPages) {
      console.log(JSON.stringify(await checkShow(context, opening)));
    }
  } finally {
    await context.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((e) => {
  console.error(e && e.stack ? e.stack : String(e));
  process.exit(1);
});
