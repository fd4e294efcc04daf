'use strict';
// Debian's headless chromium, driven through playwright-core, without the
// network calls and services of a desktop browser. Without playwright-core
// the page tests stop at once and say how to get it.
let chromium;
try {
  ({ chromium } = require('playwright-core'));
} catch (e) {
  console.error('playwright-core is missing: run scripts/deps.sh --test');
  process.exit(1);
}

// Launch options, with `extra` command-line switches.
function options(extra = []) {
  return {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run',
      '--disable-dev-shm-usage', ...extra],
  };
}

module.exports = { chromium, options };
