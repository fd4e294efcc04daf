'use strict';
// The player page's start and weight, in Debian's headless chromium.
//
// Compiles a 1000-slide show with the player (pictures from make_pictures,
// 1024 x 768 JPEGs of about 300 KB, or the example pictures when it is not
// built), opens index.html from disk in a fresh browser context five times
// and prints the time from navigation until the first slide's picture has
// decoded and the next animation frame ran (the page's
// "pevrano-first-slide" mark), median of the rounds. Target: under 300 ms.
// Then compiles a 30-slide show and prints the gzipped weight of index.html,
// pix/player.js and pix/player.css together. Target: at most 14 KB.
//
//   node bench/player_first_slide.js [build folder] [rounds]
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { pathToFileURL } = require('url');

const ROOT = path.dirname(__dirname);
const { chromium } = require(path.join(ROOT, 'tests', 'e2e', 'node_modules', 'playwright-core'));
const build = path.resolve(process.argv[2] || path.join(ROOT, 'build'));
const rounds = Number(process.argv[3] || 5);
const program = path.join(build, 'bin', 'pevrano-slideshow');
const maker = path.join(build, 'bin', 'make_pictures');

function median(values) {
  const s = [...values].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
}

function compile(work, name, pictures, count) {
  const slides = [];
  for (let k = 1; k <= count; k++) {
    slides.push({ PicturePath: pictures[(k - 1) % pictures.length],
      Caption: `Slide ${k}: a caption of about the length people type.` });
  }
  const file = path.join(work, `${name}.json`);
  fs.writeFileSync(file, JSON.stringify({ slides, settings: { Player: true },
    compile: { FirstPageName: name, ShowFolderName: name } }));
  const out = execFileSync(program, ['compile', file], { cwd: work, stdio: ['ignore', 'pipe', 'ignore'] });
  return path.dirname(out.toString().trim().split('\n').pop());
}

async function main() {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pevrano-player-bench-'));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run'] });
  try {
    let folder = path.join(ROOT, 'examples', 'pictures');
    if (fs.existsSync(maker)) {
      folder = path.join(work, 'pictures');
      execFileSync(maker, [folder, '100', '300', '1024', '768'], { stdio: 'ignore' });
    }
    const pictures = fs.readdirSync(folder).sort().map((f) => path.join(folder, f));
    console.log(`pictures: ${pictures.length} distinct, from ${folder}`);
    const started = Date.now();
    const long = compile(work, 'long', pictures, 1000);
    console.log(`compile of 1000 slides with the player: ${Date.now() - started} ms`);

    const times = [];
    for (let r = 0; r < rounds; r++) {
      const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
      const page = await context.newPage();
      await page.goto(pathToFileURL(path.join(long, 'index.html')).href + `#${1 + r * 37}`);
      const ms = await page.waitForFunction(() => {
        const m = performance.getEntriesByName('pevrano-first-slide')[0];
        return m && m.startTime;
      }, null, { timeout: 30000 }).then((h) => h.jsonValue());
      times.push(ms);
      console.log(`round ${r + 1}: first slide decoded and painted after ${ms.toFixed(1)} ms`);
      await context.close();
    }
    console.log(`first slide, 1000 slides from disk: median ${median(times).toFixed(1)} ms, ` +
      `best ${Math.min(...times).toFixed(1)} ms  (target < 300 ms)`);

    const small = compile(work, 'thirty', pictures, 30);
    let total = 0;
    const parts = ['index.html', 'pix/player.js', 'pix/player.css'].map((f) => {
      const bytes = fs.readFileSync(path.join(small, f));
      const gz = zlib.gzipSync(bytes, { level: 9 }).length;
      total += gz;
      return `${f} ${bytes.length} B -> ${gz} B`;
    });
    console.log(`30 slides, gzipped: ${parts.join(', ')}`);
    console.log(`weight: ${(total / 1024).toFixed(2)} KB gzipped  (target <= 14 KB)`);
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
}

main().catch((e) => {
  console.error(e && e.stack ? e.stack : String(e));
  process.exit(1);
});
