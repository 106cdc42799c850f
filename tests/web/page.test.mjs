// The game in a browser, tested in Debian's chromium: the page loads, level 1 is won by its
// solution script, a level travels in a link (and a broken or oversized link is refused),
// Backspace takes the player's level back, and screenshots are kept; and the rules' speed in
// the page is printed, with that of a native turtool (BOLTIK_TURTOOL) on the same run when one
// is named. Exits 77 (skipped) when the page,
// chromium or puppeteer-core is missing.
//   node page.test.mjs SITE_DIR DATA_DIR LEVEL_TESTS_DIR OUT_DIR [--measure]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

const [site, data, levelTests, out] = process.argv.slice(2);
const measure = process.argv.includes('--measure');
const CHROMIUM = process.env.BOLTIK_CHROMIUM || '/usr/bin/chromium';
const SKIP = 77;

function skip(why) {
  console.log('skipped: ' + why);
  process.exit(SKIP);
}
if (!site || !fs.existsSync(path.join(site, 'program.wasm'))) skip('no web build (tools/web.sh)');
if (!fs.existsSync(CHROMIUM)) skip('no chromium at ' + CHROMIUM);
let puppeteer;
try {
  puppeteer = (await import('puppeteer-core')).default;
} catch (e) {
  skip('puppeteer-core not installed (npm ci in tests/web)');
}

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.png': 'image/png', '.wav': 'audio/wav', '.txt': 'text/plain' };

// A static server of the page on a free port of this machine.
function serve(root) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, path.normalize(name === '/' ? '/index.html' : name));
    if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const failures = [];
function check(ok, what) {
  console.log((ok ? 'ok: ' : 'FAILED: ') + what);
  if (!ok) failures.push(what);
}

// The page's address with a level in it, as the page makes one.
function linkOf(bytes) {
  return '#tur=' + zlib.deflateRawSync(bytes).toString('base64')
    .replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

// Cycles a second of turtool run on level 1 for that many cycles, the best of three, timed
// from the outside; in a scratch folder, since the run writes the cycle counter file.
function nativeCyclesPerSecond(turtool, cycles) {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'boltik-bench-'));
  fs.copyFileSync(path.join(data, '1.tur'), path.join(scratch, '1.tur'));
  let best = 0;
  for (let i = 0; i < 3; ++i) {
    const started = process.hrtime.bigint();
    const run = spawnSync(turtool, ['run', '1.tur', '--cycles', String(cycles), '--seed', '1'],
      { cwd: scratch, encoding: 'latin1' });
    const millis = Number(process.hrtime.bigint() - started) / 1e6;
    if (run.status !== 0 || !run.stdout.includes(`cycles: ${cycles}`)) {
      check(false, `turtool ran level 1 for ${cycles} cycles: ${run.stderr || run.error}`);
      break;
    }
    best = Math.max(best, cycles / millis * 1000);
  }
  fs.rmSync(scratch, { recursive: true, force: true });
  return best;
}

const server = await serve(path.resolve(site));
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: CHROMIUM,
  headless: true,
  args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required', '--mute-audio'],
});
try {
  const page = await browser.newPage();
  page.on('pageerror', (error) => failures.push('page error: ' + error.message));
  await page.setViewport({ width: 960, height: 680 });

  // Loaded: the program runs and shows the chooser of the campaign.
  const opened = Date.now();
  await page.goto(url);
  await page.waitForSelector('#chooser:not([hidden])', { timeout: 20000 });
  const loadMillis = Date.now() - opened;
  const levels = await page.$$eval('#levels li', (items) => items.map((i) => i.dataset.file));
  check(levels[0] === '1.tur' && levels.includes('36.tur'), 'the chooser lists the campaign in order');

  // The rules alone, as turtool runs them: level 1 from its start with the robot standing
  // still, nothing drawn and no waiting, after a short run that lets the browser compile the
  // program fully. The game asleep in its chooser meanwhile must play on afterwards.
  const benchCycles = measure ? 200000 : 20000;
  await page.evaluate(() => window.boltikBench('1.tur', 5000));
  const bench = await page.evaluate((n) => window.boltikBench('1.tur', n), benchCycles);
  console.log(`bench: the page ran level 1 for ${bench.cycles} cycles in ${bench.millis.toFixed(0)} ms: ` +
    `${bench.perSecond.toFixed(0)} cycles/s`);
  check(bench.cycles === benchCycles && bench.perSecond > 50000,
    'the rules run in the page at more than 50000 cycles a second');
  if (process.env.BOLTIK_TURTOOL) {
    const native = nativeCyclesPerSecond(process.env.BOLTIK_TURTOOL, benchCycles);
    console.log(`bench: turtool ran the same at ${native.toFixed(0)} cycles/s; ` +
      `the page at ${(bench.perSecond / native).toFixed(2)} of that`);
  }

  // Level 1 won by its solution, as turtool wins it; seen on the way, and the board stays
  // as the script left it.
  const script = fs.readFileSync(path.join(levelTests, '1.script'), 'latin1');
  const part = await page.evaluate(
    (text) => window.boltikRunScript(text, { level: '1.tur', seed: 1, cycles: 20 }), script);
  check(part === 'running', `level 1 in play after 20 cycles: ${part}`);
  fs.mkdirSync(out, { recursive: true });
  await page.screenshot({ path: path.join(out, 'level1.png') });
  const result = await page.evaluate(
    (text) => window.boltikRunScript(text, { level: '1.tur', seed: 1, cycles: 1000 }), script);
  check(result === 'done', `level 1 by its solution script: ${result}`);
  const state = await page.evaluate(() => window.boltikState());
  check(state.level === '1.tur' && state.bolts === '0', 'the counters show level 1 with every bolt taken');
  await page.screenshot({ path: path.join(out, 'level1-done.png') });

  // A level in a link opens; the page's own link of it holds the same level.
  const level2 = fs.readFileSync(path.join(data, '2.tur'));
  const boltLine = level2.toString('latin1').trim().split(/\r?\n/).pop();
  await page.goto(url + linkOf(level2));
  await page.waitForFunction(() => window.boltikState().level === 'ссылка.tur', { timeout: 20000 });
  await page.waitForFunction((bolts) => window.boltikState().bolts === bolts, { timeout: 5000 }, boltLine);
  check(true, 'a link opens the level it holds');
  await page.click('#share');
  const shared = await page.$eval('#link-text', (input) => input.value);
  const again = zlib.inflateRawSync(Buffer.from(shared.split('#tur=')[1], 'base64url'));
  check(again.equals(level2), 'the page\'s link of the level holds its file byte for byte');
  await page.screenshot({ path: path.join(out, 'link.png') });

  // Broken links: text that is no level, and a small link that unpacks to megabytes.
  for (const [hash, what] of [['#tur=@@not-a-level', 'garbled'],
    [linkOf(Buffer.alloc(8 << 20, 0x30)), 'oversized']]) {
    const fresh = await browser.newPage();
    fresh.on('pageerror', (error) => failures.push('page error: ' + error.message));
    await fresh.goto(url + hash);
    await fresh.waitForSelector('#note:not([hidden])', { timeout: 20000 });
    const note = await fresh.$eval('#note', (n) => n.textContent);
    const chooser = await fresh.$eval('#chooser', (c) => !c.hidden);
    check(note === 'Ссылка не содержит тура' && chooser, `a ${what} link is refused: ${note}`);
    await fresh.close();
  }

  // Backspace in the player's own game: a step taken within the last three seconds is undone,
  // the level going on from the earlier cycle, not from its start.
  {
    const game = await browser.newPage();
    game.on('pageerror', (error) => failures.push('page error: ' + error.message));
    await game.goto(url);
    await game.waitForSelector('#chooser:not([hidden])', { timeout: 20000 });
    await game.click('#levels li[data-file="1.tur"]');
    await game.waitForFunction(() => window.boltikState().level === '1.tur' &&
      window.boltikState().cycles >= 35, { timeout: 20000 });
    const standing = await game.evaluate(() => window.boltikState());
    await game.keyboard.press('ArrowLeft');
    await game.waitForFunction((x) => window.boltikState().x === x - 1, { timeout: 5000 }, standing.x);
    const stepped = await game.evaluate(() => window.boltikState());
    await game.keyboard.press('Backspace');
    await game.waitForFunction((cycles) => window.boltikState().rewinds === 1 &&
      window.boltikState().cycles < cycles, { timeout: 5000 }, stepped.cycles);
    const back = await game.evaluate(() => window.boltikState());
    check(back.x === standing.x && back.y === standing.y && back.cycles > 0 &&
      back.level === '1.tur' && back.lives === stepped.lives,
      `Backspace takes the robot back where it stood: (${back.x}, ${back.y}) after ` +
      `${back.cycles} cycles, from (${stepped.x}, ${stepped.y}) after ${stepped.cycles}`);
    const note = await game.$eval('#note', (n) => (n.hidden ? '' : n.textContent));
    check(note.startsWith('Перемотка'), `the page says it rewound: ${note}`);
    await game.screenshot({ path: path.join(out, 'rewound.png') });
    await game.close();
  }

  if (measure) {
    // The core's speed in the page: cycles of level 1 with the robot standing still.
    const cycles = 20000;
    const started = await page.evaluate(() => performance.now());
    const end = await page.evaluate((n) => window.boltikRunScript('', { level: '1.tur', seed: 1, cycles: n }), cycles);
    const millis = (await page.evaluate(() => performance.now())) - started;
    console.log(`measure: load ${loadMillis} ms; ${cycles} cycles (${end}) in ${millis.toFixed(0)} ms: ` +
      `${(cycles / millis * 1000).toFixed(0)} cycles/s`);
  }
} finally {
  await browser.close();
  server.close();
}
if (failures.length) {
  console.log(failures.length + ' failed');
  process.exit(1);
}
