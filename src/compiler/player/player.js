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
  // A clip's picture fields describe its poster.
  var NAME = 0, W = 1, H = 2, CAPTION = 3, BACK = 4, FORE = 5, CAPBACK = 6, BKIMG = 7,
    TW = 8, PW = 9, CLIP = 10, SOUND = 11;
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

  // Three elements serve the current slide and its two neighbours, a picture
  // or a clip each, so a show of any length holds no more than three full
  // pictures or clips.
  function element(tag) {
    var made = doc.createElement(tag);
    made.slide = -1;
    if (tag === 'img') {
      made.decoding = 'async';
      made.draggable = false;
    } else {
      made.playsInline = true;
      made.muted = true;
      made.preload = 'metadata';
      made.addEventListener('play', clipChanged);
      made.addEventListener('pause', clipChanged);
      made.addEventListener('ended', function () { if (made === clip() && running) advance(); });
      // A clip that cannot be played shows its poster and the auto run waits
      // the delay instead.
      made.addEventListener('error', function () {
        if (!made.getAttribute('src')) return;
        made.removeAttribute('src');
        made.load();
        if (made === shown) restart();
      });
    }
    return made;
  }
  var pool = [];
  for (var i = 0; i < 3; i++) pool.push(stage.appendChild(element('img')));

  // A clip given up drops its source at once, not when it is collected.
  function release(el) {
    if (!el.pause) return;
    el.pause();
    el.removeAttribute('src');
    el.load();
  }

  // The poster's size is chosen as a srcset of the three would choose it.
  function poster(s, k) {
    var need = innerWidth * (window.devicePixelRatio || 1), best = '';
    [[s[TW], 'thumbs/' + sized(k + 1)], [s[PW], 'phone/' + sized(k + 1)], [s[W], s[NAME]]]
      .some(function (c) {
        if (c[0]) best = c[1];
        return c[0] >= need;
      });
    return best && url(best);
  }

  function fill(j, k) {
    var img = pool[j], s = slides[k], tag = s[CLIP] ? 'video' : 'img';
    if (img.slide === k) return img;
    if (img.localName !== tag) {
      var made = element(tag);
      stage.replaceChild(made, img);
      release(img);
      pool[j] = img = made;
    }
    img.slide = k;
    img.ready = null;
    img.removeAttribute('data-decoded');
    var name = 'Slide ' + (k + 1) + ' of ' + n;
    if (s[CLIP]) {
      img.setAttribute('aria-label', name + ', clip');
      var still = poster(s, k);
      if (still) img.poster = still;
      else img.removeAttribute('poster');
      sizes(img, s);
      img.src = url(s[CLIP]);
      return img;
    }
    img.alt = name;
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
    sizes(img, s);
    // A slide left without a picture shows its background alone.
    if (s[NAME]) img.src = url(s[NAME]);
    else img.removeAttribute('src');
    return img;
  }

  function sizes(img, s) {
    if (s[W] && s[H]) {
      img.width = s[W];
      img.height = s[H];
    } else {
      img.removeAttribute('width');
      img.removeAttribute('height');
    }
  }

  // Resolves once the picture (a clip's poster) is decoded, or could not be:
  // a missing picture must not stop the auto run, and shows the slide's
  // background alone.
  function decoded(img) {
    if (!img.ready) {
      var k = img.slide, pic = img;
      if (img.pause) {
        pic = new Image();
        pic.src = img.poster;
      }
      img.ready = (pic.decode ? pic.decode() : Promise.resolve()).catch(function () {
        if (pic === img && img.slide === k && !img.naturalWidth) {
          img.removeAttribute('srcset');
          img.removeAttribute('src');
        }
      }).then(function () {
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
    // Line and paragraph separators break the line, as a typed line end does.
    captionBox.textContent = s[CAPTION].replace(/[\u2028\u2029]/g, '\n');
    var style = captionBox.style;
    style.color = s[FORE];
    style.backgroundColor = s[CAPBACK];
  }

  // Every move cancels the auto run's timer; the slide's number goes into the
  // address at once, its caption and counter with its picture, and until that
  // is decoded the old picture stays with a loading sign.
  var waiting = 0;
  function go(k) {
    k = Math.max(0, Math.min(n - 1, k));
    clearTimeout(timer);
    zoomTo(1);
    if (location.hash !== '#' + (k + 1)) {
      try { history.replaceState(null, '', '#' + (k + 1)); } catch (e) { /* a sandboxed page */ }
    }
    if (k === current) return restart();
    // Leaving a clip stops it.
    if (shown && shown.pause) shown.pause();
    finish();
    current = k;
    label();
    markStrip();
    var img = holder(k);
    for (var j = 0; j < pool.length && !img; j++) if (pool[j] !== shown) img = fill(j, k);
    var mine = ++turn;
    clearTimeout(waiting);
    waiting = setTimeout(function () { stage.classList.add('wait'); }, 250);
    stage.setAttribute('aria-busy', 'true');
    decoded(img).then(function () {
      if (mine !== turn) return;
      clearTimeout(waiting);
      stage.classList.remove('wait');
      stage.removeAttribute('aria-busy');
      var s = slides[k];
      count.textContent = k + 1;
      caption(s);
      background(s);
      swap(img);
      if (clip()) startClip(img);
      schedule(mine);
    });
  }

  // The clip on the stage, while it has a source to play.
  function clip() {
    return shown && shown.pause && shown.slide === current && shown.getAttribute('src') ? shown : null;
  }
  function startClip(v, quiet) {
    v.muted = quiet || silent || !heard;
    v.preload = 'auto';
    // Refused with sound, it plays without; refused even so, the auto run
    // waits the delay, as on a picture. A pause or a step away before it
    // started is no refusal.
    v.play().catch(function (e) {
      if (e.name !== 'NotAllowedError' || v !== clip()) return;
      if (!v.muted) return startClip(v, true);
      clearTimeout(timer);
      if (running) timer = setTimeout(advance, show.delay * 1000);
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
    var keep = [current, current + 1 < n ? current + 1 : running ? 0 : -1, current - 1]
      .filter(function (k) { return k >= 0; });
    keep.forEach(function (k) {
      if (holder(k)) return;
      for (var j = 0; j < pool.length; j++) {
        var img = pool[j];
        if (img !== shown && keep.indexOf(img.slide) < 0) return decoded(fill(j, k));
      }
    });
    // A clip left behind waits at its start, its poster shown again.
    pool.forEach(function (el) { if (el !== shown && el.played && el.played.length) el.load(); });
  }

  // ---- Auto run: each slide stays the show's delay from when its picture
  // is decoded, a clip until its end; after the last comes the first;
  // nothing runs while hidden.
  var running = false, timer = 0;
  function advance() { go(current + 1 < n ? current + 1 : 0); }
  function schedule(mine) {
    clearTimeout(timer);
    timer = 0;
    if (!running || doc.hidden || mine !== turn || zoom > 1 || clip()) return;
    timer = setTimeout(advance, show.delay * 1000);
  }
  function restart() {
    clearTimeout(timer);
    var img = holder(current), mine = turn;
    if (img) decoded(img).then(function () { schedule(mine); });
  }
  // Play and Pause start and stop the auto run and the clip together; a clip
  // playing on its own counts as playing.
  function play(on) {
    running = on;
    doc.body.classList.toggle('running', on);
    wake();
    var v = clip();
    if (v && on) startClip(v);
    else if (v) v.pause();
    label();
    if (on) restart(); else clearTimeout(timer);
  }
  function toggle() {
    var v = clip();
    play(!running && !(v && !v.paused));
  }
  function label() {
    var v = clip(), on = running || !!(v && !v.paused);
    playButton.classList.toggle('running', on);
    playButton.setAttribute('aria-label', on ? 'Pause' : 'Play');
    // A clip at rest carries a play mark.
    stage.classList.toggle('halt', !!v && v.paused);
  }
  doc.addEventListener('visibilitychange', restart);

  // ---- Moving.
  function step(by) { go(current + by); }
  $('first').addEventListener('click', function () { go(0); });
  $('prev').addEventListener('click', function () { step(-1); });
  $('next').addEventListener('click', function () { step(1); });
  $('last').addEventListener('click', function () { go(n - 1); });
  playButton.addEventListener('click', toggle);

  function fromHash() {
    var m = /^#(\d{1,7})$/.exec(location.hash);
    var k = m ? Number(m[1]) : 0;
    return k >= 1 && k <= n ? k - 1 : 0;
  }
  window.addEventListener('hashchange', function () { go(fromHash()); });

  // ---- Zoom: the shown picture scaled about the stage's centre and moved by
  // (panX, panY), never so far that an edge comes inside the stage. Zoomed,
  // the full-size picture replaces the fitted sizes and the auto run waits.
  var zoom = 1, panX = 0, panY = 0;
  function zoomTo(z, x, y, glide) {
    var img = shown, was = zoom;
    // A slide without a picture has nothing to zoom into.
    if (!img || (z > 1 && !img.naturalWidth)) return;
    var box = stage.getBoundingClientRect();
    z = z > 1.05 ? Math.min(z, 8) : 1;
    var ox = x - box.left - box.width / 2, oy = y - box.top - box.height / 2;
    // The point of the picture under (x, y) stays there.
    panX = z > 1 ? ox - (ox - panX) * z / zoom : 0;
    panY = z > 1 ? oy - (oy - panY) * z / zoom : 0;
    zoom = z;
    var w = img.naturalWidth || box.width, h = img.naturalHeight || box.height;
    var fit = Math.min(box.width / w, box.height / h);
    var mx = Math.max(0, (w * fit * z - box.width) / 2), my = Math.max(0, (h * fit * z - box.height) / 2);
    panX = Math.max(-mx, Math.min(mx, panX));
    panY = Math.max(-my, Math.min(my, panY));
    img.classList.toggle('glide', !!glide);
    img.style.transform = z > 1 ? 'translate(' + panX + 'px,' + panY + 'px) scale(' + z + ')' : '';
    stage.classList.toggle('zoomed', z > 1);
    if (z > 1 && img.hasAttribute('srcset')) img.removeAttribute('srcset');
    if (z > 1) clearTimeout(timer);
    else if (was > 1) restart();
  }

  // One finger or the mouse: a swipe of 40 pixels or more steps, a tap in the
  // left or right third steps, a double tap in the middle third zooms in.
  // Zoomed, it moves the picture and a double tap zooms out. Two fingers
  // pinch. The tap that brings the bars back does nothing else.
  var pointers = {}, press = null, pinch = null, lastTap = null, woke = false;
  stage.addEventListener('pointerdown', function (e) {
    if (e.button) return;
    try { stage.setPointerCapture(e.pointerId); } catch (x) { /* already released */ }
    pointers[e.pointerId] = { x: e.clientX, y: e.clientY };
    press = Object.keys(pointers).length === 1
      ? { x: e.clientX, y: e.clientY, id: e.pointerId, moved: false, woke: woke } : null;
  });
  stage.addEventListener('pointermove', function (e) {
    var p = pointers[e.pointerId];
    if (!p) return;
    var dx = e.clientX - p.x, dy = e.clientY - p.y;
    p.x = e.clientX;
    p.y = e.clientY;
    var ids = Object.keys(pointers);
    if (ids.length === 2) {
      var a = pointers[ids[0]], b = pointers[ids[1]];
      var d = Math.hypot(a.x - b.x, a.y - b.y), mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
      if (pinch && pinch.d) {
        panX += mx - pinch.x;
        panY += my - pinch.y;
        zoomTo(zoom * d / pinch.d, mx, my);
      }
      pinch = { d: d, x: mx, y: my };
    } else if (zoom > 1) {
      panX += dx;
      panY += dy;
      zoomTo(zoom, 0, 0);
    }
    if (press && Math.abs(e.clientX - press.x) + Math.abs(e.clientY - press.y) > 10) press.moved = true;
  });
  function lift(e) {
    if (!pointers[e.pointerId]) return;
    delete pointers[e.pointerId];
    pinch = null;
    var p = press;
    if (!p || p.id !== e.pointerId || e.type === 'pointercancel') return;
    press = null;
    var dx = e.clientX - p.x, dy = e.clientY - p.y;
    if (zoom === 1 && Math.abs(dx) >= 40 && Math.abs(dx) > Math.abs(dy)) return step(dx < 0 ? 1 : -1);
    if (p.moved) return;
    var box = stage.getBoundingClientRect(), at = (e.clientX - box.left) / box.width;
    var double = lastTap && e.timeStamp - lastTap.t < 400 &&
      Math.abs(e.clientX - lastTap.x) < 40 && Math.abs(e.clientY - lastTap.y) < 40;
    lastTap = double ? null : { t: e.timeStamp, x: e.clientX, y: e.clientY };
    if (zoom > 1) { if (double) zoomTo(1, 0, 0, true); return; }
    // The middle of a clip plays and pauses it; of a picture, zooms in.
    if (at >= 1 / 3 && at <= 2 / 3) {
      if (clip()) { if (!p.woke) toggle(); } else if (double) zoomTo(2.5, e.clientX, e.clientY, true);
      return;
    }
    lastTap = null;
    if (!p.woke) step(at < 1 / 3 ? -1 : 1);
  }
  stage.addEventListener('pointerup', lift);
  stage.addEventListener('pointercancel', lift);
  // Ctrl and the wheel (or a touchpad's pinch) zoom; zoomed, the wheel moves.
  stage.addEventListener('wheel', function (e) {
    if (e.ctrlKey) zoomTo(zoom * Math.exp(-e.deltaY / 200), e.clientX, e.clientY);
    else if (zoom > 1) { panX -= e.deltaX; panY -= e.deltaY; zoomTo(zoom, 0, 0); }
    else return;
    e.preventDefault();
  }, { passive: false });

  // ---- While the show runs, the bars and the caption fade away 3 s after
  // the last input and come back with any tap, key or pointer movement.
  var idle = 0, lastX, lastY;
  function wake() {
    doc.body.classList.remove('idle');
    clearTimeout(idle);
    if (running) idle = setTimeout(function () { doc.body.classList.add('idle'); }, 3000);
  }
  ['pointerdown', 'pointermove', 'keydown', 'wheel'].forEach(function (type) {
    window.addEventListener(type, function (e) {
      // A pointer that did not move (a page that moved under it) is no input.
      if (type === 'pointermove' && e.clientX === lastX && e.clientY === lastY) return;
      lastX = e.clientX;
      lastY = e.clientY;
      woke = doc.body.classList.contains('idle');
      wake();
    }, true);
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
        b.setAttribute('aria-label', 'Slide ' + (k + 1) + (s[CLIP] ? ', clip' : ''));
        if (s[CLIP]) b.className = 'clip';
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
    // The focus leaves a closing strip for its button, never for the page.
    if (!strip.hidden && strip.contains(doc.activeElement)) thumbsButton.focus();
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

  // ---- Sound: browsers play it only after a tap, click or key (not
  // Escape). Until then clips play muted and the song waits; each later one
  // tries again. The song pauses while a clip with sound plays.
  var audio = null, heard = false, silent = false;
  if (show.song) {
    audio = doc.createElement('audio');
    audio.loop = true;
    audio.preload = 'none';
    audio.src = url(show.song);
    doc.body.appendChild(audio);
  }
  function mix() {
    if (!audio) return;
    var v = clip();
    if (v && slides[current][SOUND] && !v.paused) audio.pause();
    else if (heard && audio.paused) audio.play().catch(noop);
  }
  function clipChanged() {
    label();
    mix();
  }
  function hear(e) {
    var user = navigator.userActivation;
    if (e.key === 'Escape' || (user && !user.isActive)) return;
    if (!heard) {
      heard = true;
      var v = clip();
      if (v) v.muted = silent;
    }
    mix();
  }
  ['pointerup', 'touchend', 'click', 'keydown'].forEach(function (type) {
    window.addEventListener(type, hear, true);
  });
  if (audio || slides.some(function (s) { return s[SOUND]; })) {
    muteButton.hidden = false;
    muteButton.addEventListener('click', function () {
      silent = !silent;
      muteButton.setAttribute('aria-pressed', String(silent));
      if (audio) audio.muted = silent;
      var v = clip();
      if (v) v.muted = silent || !heard;
    });
  }

  // ---- Keys of the player.
  doc.addEventListener('keydown', function (e) {
    if (e.ctrlKey || e.altKey || e.metaKey) return;
    // A caption too long for its box scrolls by these keys while it has the focus.
    if (e.target === captionBox && /^(Arrow|Page|Home|End)/.test(e.key)) return;
    switch (e.key) {
      case 'Escape': if (zoom === 1) return; zoomTo(1); break;
      case 'ArrowLeft': case 'PageUp': step(-1); break;
      case 'ArrowRight': case 'PageDown': step(1); break;
      case 'Home': go(0); break;
      case 'End': go(n - 1); break;
      case 'p': case 'P': toggle(); break;
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
