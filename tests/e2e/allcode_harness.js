'use strict';
// Runs a generated allcode.js in node against a small stand-in of the browser
// objects it touches, performs the given steps and prints one JSON snapshot
// per step.
//
//   node allcode_harness.js <allcode.js> <form1|netscape> <modern|ie> <step>...
//
// A step is "key:<code>" (a key press handled by keycheck()), "tick" (the
// earliest pending timer fires) or any script expression, run as a page
// attribute would run it.
const fs = require('fs');
const vm = require('vm');

const [scriptPath, page, browser, ...steps] = process.argv.slice(2);

const browsers = {
  modern: {
    appName: 'Netscape',
    appVersion: '5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko)',
    userAgent: 'Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) ' +
        'Chrome/120.0.0.0 Safari/537.36',
  },
  ie: {
    appName: 'Microsoft Internet Explorer',
    appVersion: '4.0 (compatible; MSIE 6.0; Windows NT 5.1)',
    userAgent: 'Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)',
  },
  ie50: {
    appName: 'Microsoft Internet Explorer',
    appVersion: '4.0 (compatible; MSIE 5.0; Windows 98)',
    userAgent: 'Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)',
  },
  opera: {
    appName: 'Opera',
    appVersion: '9.80 (Windows NT 6.1; U; en)',
    userAgent: 'Opera/9.80 (Windows NT 6.1; U; en) Presto/2.12.388 Version/12.16',
  },
};

const button = (value) => ({ value, title: '' });
const picture = { src: '', style: {}, filters: [{ apply() {}, play() {} }] };
const caption = { style: {}, innerText: '' };
const document = {
  images: { length: 1, 0: picture, docimage: picture },
  body: { background: '' },
  bgColor: '',
  getElementById: (id) => (id === 'text' && page === 'form1' ? caption : null),
};

const alerts = [];
let timers = [];
let nextTimer = 1;
const sandbox = {
  document,
  navigator: browsers[browser],
  status: '',
  event: undefined,
  alert: (text) => alerts.push(String(text)),
  confirm: (text) => { alerts.push(String(text)); return false; },
  close: () => alerts.push('window.close'),
  setTimeout: (fn, ms) => { timers.push({ id: nextTimer, fn, ms }); return nextTimer++; },
  clearTimeout: (id) => { timers = timers.filter((t) => t.id !== id); },
  startRainbow: () => alerts.push('startRainbow'),
};
sandbox.window = sandbox;

// Forms are reached by name both as globals and through document.
let buttons;
if (page === 'form1') {
  buttons = { docimage: picture, aut: button('Auto Run'), ff: button('  Forward   '),
              bb: button('  Back   ') };
  sandbox.form1 = document.form1 = buttons;
} else {
  // netscape.htm: the picture stands outside any form; the buttons sit in "net".
  buttons = { aut: button(' Auto Run '), ff: button('    Forward     '),
              bb: button('    Back     ') };
  sandbox.net = document.net = buttons;
}

const context = vm.createContext(sandbox);
try {
  vm.runInContext(fs.readFileSync(scriptPath, 'utf8'), context, { filename: 'allcode.js' });
} catch (e) {
  console.log(JSON.stringify([{ step: 'load', error: String(e) }]));
  process.exit(0);
}

const snapshots = [];
for (const step of steps) {
  let error = null;
  alerts.length = 0;
  try {
    if (step.startsWith('key:')) {
      sandbox.event = { keyCode: Number(step.slice(4)) };
      vm.runInContext('keycheck()', context);
    } else if (step === 'tick') {
      const due = timers.shift();
      if (due)
        due.fn();
    } else {
      vm.runInContext(step, context);
    }
  } catch (e) {
    error = String(e);
  }
  snapshots.push({
    step,
    error,
    picture: picture.src,
    filter: picture.style.filter || '',
    current: sandbox.current,
    goodnum: sandbox.goodnum,
    place: sandbox.place,
    auto: sandbox.auto,
    alerts: [...alerts],
    timers: timers.map((t) => t.ms),
    aut: buttons.aut.value,
    autTitle: buttons.aut.title,
    ff: buttons.ff.value,
    bb: buttons.bb.value,
    caption: caption.innerText,
    captionFont: caption.style.fontFamily || '',
    status: sandbox.status,
    bgColor: document.bgColor,
    background: document.body.background,
    bName: sandbox.bName,
    bVer: sandbox.bVer,
    browsercompatible: sandbox.browsercompatible,
  });
}
console.log(JSON.stringify(snapshots));
