/* The player page's script. The compile writes the show's data ahead of this
   code, in the same file, as `var pevranoShow = {...}`: nothing is fetched,
   no module is loaded, and it runs from disk under a policy that allows only
   the show's own files. */
(function () {
  'use strict';
  var show = window.pevranoShow;
  var doc = document;
  if (!show || !show.slides || !show.slides.length) return;
  var slides = show.slides;
  var n = slides.length;
  // The fields of one slide, in the order the compile writes them.
  var NAME = 0, W = 1, H = 2, CAPTION = 3, BACK = 4, FORE = 5, CAPBACK = 6, BKIMG = 7,
    TW = 8, PW = 9;
  var DURATION = 800;

  function $(id) { return doc.getElementById(id); }
  var stage = $('stage'), captionBox = $('caption'), strip = $('strip');
  var playButton = $('play'), thumbsButton = $('thumbs'), fullButton = $('full'),
    muteButton = $('mute');
  var reduced = window.matchMedia ? window.matchMedia('(prefers-reduced-motion: reduce)')
    : { matches: false };
  function noop() {}

  // A file of pix as a relative address; every name part is encoded, so a
  // comma or a quote in a name cannot break a srcset or a CSS url().
  function url(name) { return 'pix/' + name.split('/').map(encodeURIComponent).join('/'); }
  function sized(name) { return 'pic' + name + '.jpg'; }

  // Three picture elements serve the current slide and its two neighbours,
  // so a show of any length holds no more than three full pictures.
  var pool = [];
  for (var i = 0; i < 3; i++) {
    var made = doc.createElement('img');
    made.decoding = 'async';
    made.draggable = false;
    made.slide = -1;
    stage.appendChild(made);
    pool.push(made);
  }

  function fill(img, k) {
    if (img.slide === k) return;
    var s = slides[k];
    img.slide = k;
    img.ready = null;
    img.alt = 'Slide ' + (k + 1) + ' of ' + n;
    var set = [];
    if (s[TW]) set.push(url('thumbs/' + sized(k + 1)) + ' ' + s[TW] + 'w');
    if (s[PW]) set.push(url('phone/' + sized(k + 1)) + ' ' + s[PW] + 'w');
    if (set.length && s[NAME] && s[W]) {
      set.push(url(s[NAME]) + ' ' + s[W] + 'w');
      img.sizes = '100vw';
      img.srcset = set.join(', ');
    } else {
      img.removeAttribute('srcset');
    }
    if (s[W] && s[H]) {
      img.width = s[W];
      img.height = s[H];
    } else {
      img.removeAttribute('width');
      img.removeAttribute('height');
    }
    // A slide left without a picture shows its background alone.
    if (s[NAME]) img.src = url(s[NAME]);
    else img.removeAttribute('src');
  }

  // Resolves once the picture is decoded, or could not be: a missing picture
  // must not stop the auto run.
  function decoded(img) {
    if (!img.ready) {
      var k = img.slide;
      img.ready = (img.decode ? img.decode() : Promise.resolve()).catch(noop).then(function () {
        if (img.slide === k) img.setAttribute('data-decoded', '');
      });
    }
    return img.ready;
  }

  function holder(k) {
    for (var j = 0; j < pool.length; j++) if (pool[j].slide === k) return pool[j];
    return null;
  }

  // ---- Transitions: the 57 of the classic pages, drawn the same way, each
  // played as the nearest clip or fade. A shape is a function of the part
  // of the new picture shown (0 to 1), in percent of the stage.
  function rects(list) {
    var out = [];
    list.forEach(function (r) {
      var x = r[0], y = r[1], w = r[2], h = r[3];
      // Out from the corner and back along the same line: the path between
      // rectangles adds no area.
      out.push('0% 0%', x + '% ' + y + '%', (x + w) + '% ' + y + '%', (x + w) + '% ' + (y + h) + '%',
        x + '% ' + (y + h) + '%', x + '% ' + y + '%');
    });
    return 'polygon(' + out.join(',') + ')';
  }
  function poly(points) {
    return 'polygon(' + points.map(function (p) { return p[0] + '% ' + p[1] + '%'; }).join(',') + ')';
  }
  // Bands growing across the stage: dir 0 right, 1 left, 2 down, 3 up.
  function band(dir, a, size, f) {
    var start = dir === 1 || dir === 3 ? a + size * (1 - f) : a;
    return dir < 2 ? [start, 0, size * f, 100] : [0, start, 100, size * f];
  }
  function blinds(dir, count) {
    return function (f) {
      var list = [];
      for (var b = 0; b < count; b++) list.push(band(dir, b * 100 / count, 100 / count, f));
      return rects(list);
    };
  }
  function checker(dir) {
    return function (f) {
      var list = [], across = dir < 2 ? 12 : 8, along = dir < 2 ? 8 : 12;
      for (var a = 0; a < across; a++) {
        for (var b = 0; b < along; b++) {
          var g = (a + b) % 2 ? Math.max(0, 2 * f - 1) : Math.min(1, 2 * f);
          var r = band(dir, a * 100 / across, 100 / across, g);
          if (dir < 2) { r[1] = b * 100 / along; r[3] = 100 / along; } else { r[0] = b * 100 / along; r[2] = 100 / along; }
          list.push(r);
        }
      }
      return rects(list);
    };
  }
  function wipe(dir) { return blinds(dir, 1); }
  function corner(right, bottom) {
    return function (f) {
      var d = 200 * f, x0 = right ? 100 : 0, y0 = bottom ? 100 : 0, sx = right ? -1 : 1, sy = bottom ? -1 : 1;
      return poly([[x0, y0], [x0 + sx * d, y0], [x0, y0 + sy * d]]);
    };
  }
  function around(points) {
    return function (f) {
      return poly(points.map(function (p) { return [50 + p[0] * f, 50 + p[1] * f]; }));
    };
  }
  var star = [], plus = [];
  for (var s = 0; s < 10; s++) {
    var angle = Math.PI * (s / 5 - 0.5), radius = s % 2 ? 70 : 160;
    star.push([Math.round(radius * Math.cos(angle)), Math.round(radius * Math.sin(angle))]);
  }
  [[1, 3], [1, 1], [3, 1], [3, -1], [1, -1], [1, -3], [-1, -3], [-1, -1], [-3, -1], [-3, 1], [-1, 1], [-1, 3]]
    .forEach(function (p) { plus.push([p[0] * 40, p[1] * 40]); });
  var shapes = {
    fade: null,
    circle: function (f) { return 'circle(' + 72 * f + '% at 50% 50%)'; },
    box: function (f) { return rects([[50 - 50 * f, 50 - 50 * f, 100 * f, 100 * f]]); },
    diamond: around([[0, -100], [100, 0], [0, 100], [-100, 0]]),
    star: around(star),
    plus: around(plus),
    splitH: function (f) { return rects([[0, 50 - 50 * f, 100, 100 * f]]); },
    splitV: function (f) { return rects([[50 - 50 * f, 0, 100 * f, 100]]); },
    right: wipe(0), left: wipe(1), down: wipe(2), up: wipe(3),
    inset: function (f) { return rects([[0, 0, 100 * f, 100 * f]]); },
    blindsR: blinds(0, 8), blindsL: blinds(1, 8), blindsD: blinds(2, 8), blindsU: blinds(3, 8),
    barsH: blinds(2, 16), barsV: blinds(0, 16),
    checkR: checker(0), checkL: checker(1), checkD: checker(2), checkU: checker(3),
    fromTL: corner(false, false), fromTR: corner(true, false), fromBL: corner(false, true),
    fromBR: corner(true, true)
  };
  // In the classic pages' order; "<" marks a motion inwards, where the old
  // picture closes over the new one.
  var table = ('fade circle< circle plus< plus plus< plus box< box star< star right left down up fade ' +
    'splitH splitH< splitV splitV< blindsR blindsL blindsU blindsD checkR checkL checkU checkD ' +
    'inset fade right down splitV barsH barsV left right right left right left down down ' +
    'splitV fromTL splitH fromTR fromBR fromTL fromBL right down left up down diamond< diamond')
    .split(' ');

  var finish = noop;
  function transition(old, img) {
    var code = table[Math.floor(Math.random() * table.length)];
    var cover = code.slice(-1) === '<';
    var shape = shapes[cover ? code.slice(0, -1) : code];
    var target = cover ? old : img;
    var frames = shape ? { clipPath: [shape(0), shape(0.5), shape(1)] } : { opacity: [0, 1] };
    if (cover) frames.clipPath.reverse();
    old.classList.add('out');
    target.classList.add('top');
    var anim = target.animate(frames, { duration: DURATION, easing: 'ease-in-out' });
    var ended = false;
    // The animation's end or a timer, whichever comes first.
    var timer = setTimeout(function () { finish(); }, DURATION + 250);
    finish = function () {
      if (ended) return;
      ended = true;
      finish = noop;
      clearTimeout(timer);
      anim.cancel();
      old.classList.remove('out');
      target.classList.remove('top');
      settled();
    };
    anim.finished.then(function () { finish(); }, noop);
  }

  // ---- Showing a slide.
  var current = -1, shown = null, turn = 0, firstPaint = true;
  var count = $('count');
  $('total').textContent = n;

  function background(s) {
    var style = doc.body.style;
    style.backgroundColor = s[BACK];
    var picture = s[BKIMG] || show.background;
    style.backgroundImage = picture ? 'url("' + url(picture) + '")' : '';
  }

  function caption(s) {
    captionBox.textContent = s[CAPTION];
    var style = captionBox.style;
    style.color = s[FORE];
    style.backgroundColor = s[CAPBACK];
  }

  function go(k) {
    k = Math.max(0, Math.min(n - 1, k));
    if (k === current) return;
    finish();
    current = k;
    var s = slides[k];
    count.textContent = k + 1;
    caption(s);
    background(s);
    try { history.replaceState(null, '', '#' + (k + 1)); } catch (e) { /* a sandboxed page */ }
    markStrip();
    var img = holder(k);
    if (!img) {
      for (var j = 0; j < pool.length && !img; j++) if (pool[j] !== shown) img = pool[j];
      fill(img, k);
    }
    var mine = ++turn;
    decoded(img).then(function () {
      if (mine !== turn) return;
      swap(img);
      schedule(mine);
    });
  }

  function swap(img) {
    finish();
    var old = shown;
    if (old === img) return settled();
    shown = img;
    img.classList.add('on');
    if (!old) return settled();
    old.classList.remove('on');
    if (reduced.matches || !img.animate) return settled();
    transition(old, img);
  }

  // After a change: the neighbours are loaded and decoded ahead, in the
  // elements the current picture does not use.
  function settled() {
    if (firstPaint) {
      firstPaint = false;
      requestAnimationFrame(function () {
        stage.setAttribute('data-painted', '');
        if (window.performance && performance.mark) performance.mark('pevrano-first-slide');
      });
    }
    var keep = [current, current + 1 < n ? current + 1 : running ? 0 : -1, current - 1];
    keep.forEach(function (k) {
      if (k < 0 || holder(k)) return;
      for (var j = 0; j < pool.length; j++) {
        var img = pool[j];
        if (img !== shown && keep.indexOf(img.slide) < 0) {
          fill(img, k);
          decoded(img);
          return;
        }
      }
    });
  }

  // ---- Auto run: each slide stays the show's delay from when its picture
  // is decoded; after the last comes the first; nothing runs while hidden.
  var running = false, timer = 0;
  function schedule(mine) {
    clearTimeout(timer);
    timer = 0;
    if (!running || doc.hidden || mine !== turn) return;
    timer = setTimeout(function () { go(current + 1 < n ? current + 1 : 0); }, show.delay * 1000);
  }
  function restart() {
    clearTimeout(timer);
    var img = holder(current), mine = turn;
    if (img) decoded(img).then(function () { schedule(mine); });
  }
  function play(on) {
    running = on;
    playButton.classList.toggle('running', on);
    playButton.setAttribute('aria-label', on ? 'Pause' : 'Play');
    if (on) restart(); else clearTimeout(timer);
  }
  doc.addEventListener('visibilitychange', restart);

  // ---- Moving.
  function step(by) { go(current + by); }
  $('first').addEventListener('click', function () { go(0); });
  $('prev').addEventListener('click', function () { step(-1); });
  $('next').addEventListener('click', function () { step(1); });
  $('last').addEventListener('click', function () { go(n - 1); });
  playButton.addEventListener('click', function () { play(!running); });

  function fromHash() {
    var m = /^#(\d{1,7})$/.exec(location.hash);
    var k = m ? Number(m[1]) : 0;
    return k >= 1 && k <= n ? k - 1 : 0;
  }
  window.addEventListener('hashchange', function () { go(fromHash()); });

  // A swipe of 40 pixels or more steps; a tap in the left or right third
  // of the picture steps too.
  var down = null;
  stage.addEventListener('pointerdown', function (e) {
    if (e.button === 0) down = { x: e.clientX, y: e.clientY, id: e.pointerId };
  });
  stage.addEventListener('pointercancel', function () { down = null; });
  stage.addEventListener('pointerup', function (e) {
    if (!down || down.id !== e.pointerId) return;
    var dx = e.clientX - down.x, dy = e.clientY - down.y;
    down = null;
    if (Math.abs(dx) >= 40 && Math.abs(dx) > Math.abs(dy)) return step(dx < 0 ? 1 : -1);
    if (Math.abs(dx) > 10 || Math.abs(dy) > 10) return;
    var box = stage.getBoundingClientRect(), at = (e.clientX - box.left) / box.width;
    if (at < 1 / 3) step(-1);
    else if (at > 2 / 3) step(1);
  });

  // ---- Thumbnail strip, built when first opened; the pictures load lazily.
  function markStrip() {
    if (!strip.firstChild) return;
    var old = strip.querySelector('[aria-current]');
    if (old) old.removeAttribute('aria-current');
    var now = strip.children[current];
    now.setAttribute('aria-current', 'true');
    // The strip alone scrolls; the page never does.
    if (!strip.hidden) strip.scrollLeft = now.offsetLeft - (strip.clientWidth - now.offsetWidth) / 2;
  }
  function toggleStrip() {
    if (!strip.firstChild) {
      var part = doc.createDocumentFragment();
      slides.forEach(function (s, k) {
        var b = doc.createElement('button');
        b.type = 'button';
        b.setAttribute('aria-label', 'Slide ' + (k + 1));
        if (s[TW]) {
          var t = doc.createElement('img');
          t.loading = 'lazy';
          t.alt = '';
          t.src = url('thumbs/' + sized(k + 1));
          b.appendChild(t);
        } else {
          b.textContent = k + 1;
        }
        b.addEventListener('click', function () { go(k); });
        part.appendChild(b);
      });
      strip.appendChild(part);
    }
    strip.hidden = !strip.hidden;
    thumbsButton.setAttribute('aria-expanded', String(!strip.hidden));
    markStrip();
  }
  thumbsButton.addEventListener('click', toggleStrip);

  // ---- Full screen, where the browser has it.
  var root = doc.documentElement;
  function toggleFull() {
    if (!doc.fullscreenEnabled) return;
    var asked = doc.fullscreenElement ? doc.exitFullscreen() : root.requestFullscreen();
    if (asked && asked.catch) asked.catch(noop);
  }
  if (doc.fullscreenEnabled && root.requestFullscreen) {
    fullButton.hidden = false;
    fullButton.addEventListener('click', toggleFull);
    doc.addEventListener('fullscreenchange', function () {
      fullButton.setAttribute('aria-pressed', String(!!doc.fullscreenElement));
    });
  }

  // ---- The song: browsers play sound only after a tap, click or key.
  var audio = null;
  if (show.song) {
    audio = doc.createElement('audio');
    audio.loop = true;
    audio.preload = 'none';
    audio.src = url(show.song);
    doc.body.appendChild(audio);
    muteButton.hidden = false;
    muteButton.addEventListener('click', function () {
      audio.muted = !audio.muted;
      muteButton.setAttribute('aria-pressed', String(audio.muted));
    });
    var startSong = function () {
      ['pointerdown', 'keydown', 'click'].forEach(function (type) {
        window.removeEventListener(type, startSong, true);
      });
      var playing = audio.play();
      if (playing && playing.catch) playing.catch(noop);
    };
    ['pointerdown', 'keydown', 'click'].forEach(function (type) {
      window.addEventListener(type, startSong, true);
    });
  }

  // ---- Keys of the player.
  doc.addEventListener('keydown', function (e) {
    if (e.ctrlKey || e.altKey || e.metaKey) return;
    switch (e.key) {
      case 'ArrowLeft': case 'PageUp': step(-1); break;
      case 'ArrowRight': case 'PageDown': step(1); break;
      case 'Home': go(0); break;
      case 'End': go(n - 1); break;
      case 'p': case 'P': play(!running); break;
      case 't': case 'T': toggleStrip(); break;
      case 'f': case 'F': toggleFull(); break;
      default: return;
    }
    e.preventDefault();
  });

  captionBox.style.borderColor = show.frame;
  captionBox.style.fontFamily = '"' + show.font.replace(/["\\]/g, '\\$&') + '", sans-serif';
  captionBox.style.fontSize = /^\d+(\.\d+)?$/.test(show.size) ? show.size + 'px' : show.size;
  go(fromHash());
})();
