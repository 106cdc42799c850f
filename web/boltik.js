// The page's half of the game in a browser: the board canvas, the sounds, the keys, the
// questions, the level chooser, levels dropped on the page or carried in its address, and the
// player's files kept in localStorage. The program (program.js) calls boltikPage.
'use strict';

(function () {
  // The sound effects in the order the program numbers them.
  const EFFECTS = ['wzri', 'eatbolt', 'eatkey', 'eatdoor', 'eatweapon', 'gi', 'start',
    'wzriw2', 'zwezd', 'move', 'zerk', 'mus1'];
  // The picture families in the order the program numbers them; the page has the large ones.
  const PICTURE_SETS = ['graph48_', 'graph32_', 'mes48_', 'mes32_', 'grasma', 'grasmb'];
  // The player's files kept between visits, and the longest level file taken from outside.
  const KEPT_FILES = ['.boltik-progress', 'kilometrach.txt'];
  const LONGEST_LEVEL = 65536;
  const PLAY = '/play/';
  const LINK_PREFIX = '#tur=';
  const LINK_LEVEL = 'ссылка.tur';
  const ARROWS = { ArrowUp: 0, ArrowRight: 1, ArrowDown: 2, ArrowLeft: 3 };
  const PRESS = 0, SHIFT = 1, RELEASE = 2, ESCAPE = 3;
  // Backspace's code: beyond every input's kind * 4 + its direction.
  const REWIND = 20;

  const $ = (id) => document.getElementById(id);
  const board = $('board');
  const paint = board.getContext('2d');
  const kept = document.createElement('canvas');
  kept.width = board.width;
  kept.height = board.height;
  const keptPaint = kept.getContext('2d');
  const pictures = new Map();
  let module = null;

  // Sounds: one voice per effect. Until the sounds can be heard (the browser lets a page
  // play only after the player's first key or click), an effect counts as playing from its
  // start until it is stopped, as the silent sounds of the desktop's tests do.
  const audio = { context: null, gain: null, buffers: [], voices: [], silent: [] };
  let muted = localStorage.getItem('boltik.muted') === '1';

  function startAudio() {
    if (audio.context) return;
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    audio.context = new Context();
    audio.gain = audio.context.createGain();
    audio.gain.gain.value = muted ? 0 : 1;
    audio.gain.connect(audio.context.destination);
    EFFECTS.forEach((name, i) => {
      fetch('sounds/' + name + '.wav')
        .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(r.status))))
        .then((bytes) => audio.context.decodeAudioData(bytes))
        .then((buffer) => { audio.buffers[i] = buffer; })
        .catch(() => {});
    });
  }

  function setMuted(value) {
    muted = value;
    localStorage.setItem('boltik.muted', muted ? '1' : '0');
    if (audio.gain) audio.gain.gain.value = muted ? 0 : 1;
    $('mute').textContent = muted ? 'Звук выключен' : 'Звук включён';
    showNote(muted ? 'Звук выключен' : 'Звук включён', 1500);
  }

  // Notes over the board: what happened that the player should know.
  let noteTimer = 0;
  function showNote(text, millis) {
    $('note').textContent = text;
    $('note').hidden = false;
    clearTimeout(noteTimer);
    noteTimer = setTimeout(() => { $('note').hidden = true; }, millis);
  }

  // The files the program writes, copied to localStorage byte for byte, and back.
  function keepFiles() {
    if (!module) return;
    for (const name of KEPT_FILES) {
      try {
        const bytes = module.FS.readFile(PLAY + name);
        localStorage.setItem('boltik.file.' + name, String.fromCharCode(...bytes));
      } catch (e) {
        // Not written yet.
      }
    }
  }

  // What the page has waiting for the program: a level choice, a level to open, a script.
  const waiting = { choice: null, level: null, script: null };
  const inputs = [];
  let scriptDone = null;
  const shown = { lives: '', bolts: '', keys: '', ammo: '', level: '' };
  // The robot's cell and the cycles of the level in play, as last shown; the rewinds so far.
  let robot = { x: 0, y: 0, cycles: 0 };
  let rewinds = 0;

  const page = {
    paused: false,
    answer: 0,
    paint(set, index, x, y) {
      const picture = pictures.get(PICTURE_SETS[set] + (set >= 4 ? '' : index));
      if (!picture) return;
      // Every pixel copied, as the desktop paints: a picture replaces what was under it.
      paint.clearRect(x, y, picture.width, picture.height);
      paint.drawImage(picture, x, y);
    },
    clear() {
      paint.fillStyle = '#000';
      paint.fillRect(0, 0, board.width, board.height);
    },
    keepCopy() {
      keptPaint.clearRect(0, 0, kept.width, kept.height);
      keptPaint.drawImage(board, 0, 0);
    },
    restoreCopy() {
      paint.clearRect(0, 0, board.width, board.height);
      paint.drawImage(kept, 0, 0);
    },
    soundStop(effect) {
      audio.silent[effect] = false;
      const voice = audio.voices[effect];
      audio.voices[effect] = null;
      if (voice) {
        voice.onended = null;
        try { voice.stop(); } catch (e) { /* already ended */ }
      }
    },
    soundPlay(effect) {
      page.soundStop(effect);
      const buffer = audio.buffers[effect];
      if (!buffer || audio.context.state !== 'running') {
        audio.silent[effect] = true;
        return;
      }
      const voice = audio.context.createBufferSource();
      voice.buffer = buffer;
      voice.connect(audio.gain);
      voice.onended = () => { if (audio.voices[effect] === voice) audio.voices[effect] = null; };
      audio.voices[effect] = voice;
      voice.start();
    },
    soundPlaying(effect) {
      return Boolean(audio.voices[effect]) || Boolean(audio.silent[effect]);
    },
    nextInput() {
      return inputs.length ? inputs.shift() : -1;
    },
    leaving() {
      return waiting.level !== null || waiting.script !== null;
    },
    showCounters(lives, bolts, keys, ammo, level, x, y, cycles) {
      robot = { x, y, cycles };
      const now = { lives, bolts, keys, ammo, level };
      for (const key of Object.keys(now)) {
        if (shown[key] === now[key]) continue;
        shown[key] = now[key];
        $(key).textContent = key === 'level' ? 'Тур ' + levelTitle(level) : now[key];
      }
    },
    showQuestion(text, one, two, safe) {
      page.answer = 0;
      $('question-text').textContent = text;
      $('answer1').textContent = one;
      $('answer2').textContent = two;
      $('question').hidden = false;
      $(safe === 1 ? 'answer1' : 'answer2').focus();
    },
    showChooser(list) {
      const levels = $('levels');
      levels.textContent = '';
      const progress = [];
      for (const line of list.split('\n')) {
        if (!line) continue;
        const [file, title, best] = line.split('\t');
        const item = document.createElement('li');
        item.textContent = levelTitle(file) + (title ? ' — ' + title : '');
        if (best) {
          item.classList.add('won');
          item.title = 'Пройден за ' + best + ' циклов';
          progress.push(file);
        }
        item.dataset.file = file;
        item.addEventListener('click', () => choose(file));
        levels.appendChild(item);
      }
      $('chooser').hidden = false;
    },
    // Hands a waiting text to the program in its buffer; its length in bytes, or -1.
    take(key, buffer, size) {
      const text = waiting[key];
      if (text === null) return -1;
      waiting[key] = null;
      module.stringToUTF8(text, buffer, size);
      return module.lengthBytesUTF8(text);
    },
    pendingSize(key) {
      return waiting[key] === null ? -1 : module.lengthBytesUTF8(waiting[key]);
    },
    scriptDone(result) {
      if (scriptDone) scriptDone(result);
      scriptDone = null;
    },
    levelEnded() {
      keepFiles();
    },
    // The level in play is taken back that many cycles, ten a second.
    rewinding(cycles) {
      ++rewinds;
      showNote('Перемотка: −' + Math.round(cycles / 10) + ' с', 1200);
    },
    restoreFiles() {
      for (const name of KEPT_FILES) {
        const text = localStorage.getItem('boltik.file.' + name);
        if (text === null) continue;
        const bytes = Uint8Array.from(text, (c) => c.charCodeAt(0) & 0xff);
        module.FS.writeFile(PLAY + name, bytes);
      }
    },
  };
  window.boltikPage = page;

  // What «Тур» names a level by: its number for a file named by a small number, else its
  // name without ".tur".
  function levelTitle(file) {
    const base = file.replace(/\.tur$/i, '');
    return /^[0-9]{1,6}$/.test(base) ? String(Number(base)) : base;
  }

  // Asks the program to leave what it is doing (a level in play, a question, the chooser)
  // for a level ('' for the chooser) or a script; the dialogs it leaves close.
  function leaveFor(key, text) {
    $('chooser').hidden = true;
    $('question').hidden = true;
    waiting[key] = text;
  }

  function choose(file) {
    $('chooser').hidden = true;
    waiting.choice = file;
  }

  function answer(button) {
    $('question').hidden = true;
    page.answer = button;
  }

  // A level from outside the page: written to the play folder under a plain name and played
  // at the program's next yield. The program reads it as any level file and says what is
  // wrong with a broken one.
  function openLevel(name, bytes) {
    if (!module) return;
    if (bytes.length > LONGEST_LEVEL) {
      showNote('Файл слишком велик для тура: ' + name, 4000);
      return;
    }
    let plain = name.split(/[\\/]/).pop().replace(/[^0-9A-Za-zА-Яа-яЁё._ -]/g, '_');
    if (!/\.tur$/i.test(plain)) plain += '.tur';
    if (plain.startsWith('.')) plain = '_' + plain;
    module.FS.writeFile(PLAY + plain, bytes);
    leaveFor('level', plain);
  }

  // A level in the page's address: its file's bytes (the four layers and the bolt count)
  // compressed with deflate, in base64url after "#tur=".
  async function encodeLevel(bytes) {
    const stream = new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate-raw'));
    const packed = new Uint8Array(await new Response(stream).arrayBuffer());
    return btoa(String.fromCharCode(...packed))
      .replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }

  // The bytes of a level in an address; an error for text that is not one, and for one that
  // unpacks to more than a level file can hold (so a small link cannot fill the memory).
  async function decodeLevel(text) {
    const packed = Uint8Array.from(atob(text.replace(/-/g, '+').replace(/_/g, '/')),
      (c) => c.charCodeAt(0));
    const reader = new Blob([packed]).stream()
      .pipeThrough(new DecompressionStream('deflate-raw')).getReader();
    const parts = [];
    let length = 0;
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      length += value.length;
      if (length > LONGEST_LEVEL) {
        reader.cancel();
        throw new Error('too long');
      }
      parts.push(value);
    }
    const bytes = new Uint8Array(length);
    let at = 0;
    for (const part of parts) {
      bytes.set(part, at);
      at += part.length;
    }
    return bytes;
  }

  async function openLink() {
    if (!location.hash.startsWith(LINK_PREFIX)) return;
    try {
      openLevel(LINK_LEVEL, await decodeLevel(location.hash.slice(LINK_PREFIX.length)));
    } catch (e) {
      showNote('Ссылка не содержит тура', 4000);
    }
  }

  async function shareLevel() {
    if (!module || !shown.level) return;
    try {
      const bytes = module.FS.readFile(PLAY + shown.level);
      const link = location.href.split('#')[0] + LINK_PREFIX + (await encodeLevel(bytes));
      $('link-text').value = link;
      $('link').hidden = false;
      $('link-text').select();
    } catch (e) {
      showNote('Тур не прочитан', 3000);
    }
  }

  // The keys of the game, by their place on the keyboard (event.code), so P and M work under
  // any layout.
  function keyDown(event) {
    startAudio();
    if (audio.context && audio.context.state === 'suspended') audio.context.resume();
    if (!$('help').hidden) {
      $('help').hidden = true;
      $('pause').hidden = !page.paused;
      event.preventDefault();
      return;
    }
    if (!$('question').hidden) {
      if (event.code === 'Escape') answer(2);
      return;  // Enter and Space press the focused button
    }
    if (!$('chooser').hidden || !$('link').hidden) {
      if (event.code === 'Escape') {
        if (!$('link').hidden) $('link').hidden = true;
        else choose('');
      }
      return;
    }
    const arrow = ARROWS[event.code];
    if (arrow !== undefined) {
      const shot = event.shiftKey && !event.ctrlKey && !event.altKey && !event.metaKey;
      inputs.push((shot ? SHIFT : PRESS) * 4 + arrow);
    } else if (event.code === 'Escape') {
      inputs.push(ESCAPE * 4);
    } else if (event.code === 'KeyP' || event.code === 'Pause') {
      if (!event.repeat) setPaused(!page.paused);
    } else if (event.code === 'KeyM') {
      if (!event.repeat) setMuted(!muted);
    } else if (event.code === 'F1') {
      setPaused(true);
      $('pause').hidden = true;
      $('help').hidden = false;
    } else if (event.code === 'Backspace') {
      // A press takes the level back; held, it does not repeat, as on the desktop.
      if (!event.repeat && !page.paused) inputs.push(REWIND);
    } else {
      return;
    }
    event.preventDefault();
  }

  function keyUp(event) {
    const arrow = ARROWS[event.code];
    if (arrow === undefined) return;
    inputs.push(RELEASE * 4 + arrow);
    event.preventDefault();
  }

  function setPaused(value) {
    page.paused = value;
    $('pause').hidden = !value;
  }

  function wire() {
    document.addEventListener('keydown', keyDown);
    document.addEventListener('keyup', keyUp);
    document.addEventListener('mousedown', startAudio);
    // Another tab or window taking the page pauses a level in play, as the desktop game does.
    document.addEventListener('visibilitychange', () => {
      if (document.hidden && $('chooser').hidden) setPaused(true);
      if (document.hidden) keepFiles();
    });
    window.addEventListener('pagehide', keepFiles);
    window.addEventListener('hashchange', openLink);
    $('answer1').addEventListener('click', () => answer(1));
    $('answer2').addEventListener('click', () => answer(2));
    $('chooser-close').addEventListener('click', () => choose(''));
    $('choose').addEventListener('click', () => {
      // Leaving the level in play for the chooser: the program opens it at its next start.
      if ($('chooser').hidden && $('question').hidden) leaveFor('level', '');
    });
    $('share').addEventListener('click', shareLevel);
    $('link-close').addEventListener('click', () => { $('link').hidden = true; });
    $('mute').addEventListener('click', () => setMuted(!muted));
    $('mute').textContent = muted ? 'Звук выключен' : 'Звук включён';
    $('file').addEventListener('change', async (event) => {
      const file = event.target.files[0];
      if (file) openLevel(file.name, new Uint8Array(await file.slice(0, LONGEST_LEVEL + 1).arrayBuffer()));
      event.target.value = '';
    });
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', async (event) => {
      event.preventDefault();
      const file = event.dataTransfer.files[0];
      if (file) openLevel(file.name, new Uint8Array(await file.slice(0, LONGEST_LEVEL + 1).arrayBuffer()));
    });
  }

  // Plays a level from its start by a script of turtool run and resolves to its result
  // (done, wrecked, running, …), for tests of the page.
  window.boltikRunScript = function (script, options = {}) {
    const level = options.level || '1.tur';
    const request = level + ' ' + (options.seed || 0) + ' ' + (options.cycles || 100000) + '\n';
    return new Promise((resolve) => {
      scriptDone = resolve;
      leaveFor('script', request + script);
    });
  };
  // Measures the rules alone: the level played from its start for that many cycles with
  // nothing drawn and no waiting, the page held meanwhile. Gives the cycles played (-1 when
  // the run could not go on), the milliseconds it took and the cycles a second.
  window.boltikBench = function (level = '1.tur', cycles = 20000) {
    if (!module) return null;
    const name = module._malloc(module.lengthBytesUTF8(level) + 1);
    module.stringToUTF8(level, name, module.lengthBytesUTF8(level) + 1);
    const started = performance.now();
    const played = module._boltik_bench(name, cycles);
    const millis = performance.now() - started;
    module._free(name);
    return { cycles: played, millis, perSecond: played > 0 ? played / millis * 1000 : 0 };
  };
  // What the page shows, for tests: the counters and the level, and where the robot stands
  // after how many cycles of it, and how often the level was taken back.
  window.boltikState = () => ({ ...shown, ...robot, rewinds, paused: page.paused, ready: module !== null });

  async function loadPictures() {
    const list = await (await fetch('sprites/list.txt')).text();
    await Promise.all(list.split('\n').filter(Boolean).map((file) => new Promise((resolve) => {
      const picture = new Image();
      picture.onload = () => { pictures.set(file.replace(/\.png$/, ''), picture); resolve(); };
      picture.onerror = resolve;
      picture.src = 'sprites/' + file;
    })));
  }

  async function start() {
    wire();
    await loadPictures();
    const link = location.hash.startsWith(LINK_PREFIX);
    module = await createBoltik({
      // The program asks for a level only once the page has read the one in its address.
      preRun: [(m) => { module = m; }],
    });
    if (link) await openLink();
    window.boltikLoaded = performance.now();
  }
  start();
})();
