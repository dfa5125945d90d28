// Starts Debian's Chromium or Firefox, opens the page and reads what it
// shows. Input always goes through puppeteer's mouse, keyboard and touch
// screen (trusted events); the page is only ever read from here, never
// driven by script.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const browserName = process.env.VELTROP_BROWSER ?? 'chromium';

const launchOptions = {
  chromium: {
    browser: 'chrome',
    executablePath: process.env.VELTROP_CHROMIUM ?? '/usr/bin/chromium',
    // Chromium's sandbox refuses to start as root.
    args: process.getuid?.() === 0 ? ['--no-sandbox'] : [],
  },
  firefox: {
    browser: 'firefox',
    executablePath: process.env.VELTROP_FIREFOX ?? '/usr/bin/firefox-esr',
    protocol: 'webDriverBiDi',
  },
};

export function required(name) {
  const value = process.env[name];
  if (!value) {
    throw new Error(`${name} is not set (the CMake test passes it)`);
  }
  return value;
}

export function pageUrl() {
  return pathToFileURL(required('VELTROP_WEB_PAGE')).href;
}

// The version tooltip exactly as the desktop programs show it.
export function versionToolTip() {
  return ` Veltrop v${required('VELTROP_TOOLTIP_VERSION')}   \u00a9 ${required('VELTROP_COPYRIGHT_NOTICE')}`;
}

export async function launch() {
  const options = launchOptions[browserName];
  if (!options) {
    throw new Error(`VELTROP_BROWSER must be chromium or firefox, not ${browserName}`);
  }
  return puppeteer.launch({ headless: true, ...options });
}

// Prints the line the test command collects, and skips the test.
export function skip(t, reason) {
  console.log(`Skipped: ${reason}`);
  t.skip(reason);
}

// A fresh context (no storage, no service worker shared with another test),
// or the one given, holding the page at `url`, loaded and interactive. Every request the page
// makes is checked: only the page itself and data: or blob: URLs (and, for
// a served page, its own origin) may load; anything else is recorded in
// `foreign` and refused.
export async function openWindow(browser, { url = pageUrl(), viewport, origin, context: given } = {}) {
  const context = given ?? (await browser.createBrowserContext());
  const page = await context.newPage();
  if (viewport) {
    await page.setViewport(viewport);
  }
  const foreign = [];
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const target = request.url();
    const allowed =
      target.split('#')[0] === url.split('#')[0] ||
      target.startsWith('data:') ||
      target.startsWith('blob:') ||
      (origin !== undefined && new URL(target).origin === origin);
    if (allowed) {
      request.continue();
    } else {
      foreign.push(target);
      request.abort();
    }
  });
  // A new load of the page: the program started afresh in the same tab.
  const reopen = async () => {
    await page.goto(url);
    await waitReady(page);
  };
  await reopen();
  return { context, page, foreign, reopen };
}

export async function waitReady(page) {
  await page.waitForFunction(
    () => window.veltropReady !== undefined && document.documentElement.dataset.state === 'ready',
    { timeout: 15000 },
  );
  await page.evaluate(() => window.veltropReady);
}

// What a control shows: an input's text, any other element's text.
export async function shown(page, id) {
  return page.$eval(`#${id}`, (e) => (e instanceof HTMLInputElement ? e.value : e.textContent));
}

export async function results(page) {
  return [await shown(page, 'lblCV17'), await shown(page, 'lblCV18')];
}

export async function focused(page) {
  return page.evaluate(() => document.activeElement?.id ?? '');
}

// Rendered, not hidden by an attribute or a style.
export async function isShown(page, id) {
  return page.evaluate((name) => {
    const e = document.getElementById(name);
    if (!e || !e.isConnected) return false;
    const box = e.getBoundingClientRect();
    return e.checkVisibility({ visibilityProperty: true }) && box.width > 0 && box.height > 0;
  }, id);
}

export async function boxOpen(page) {
  return isShown(page, 'msgBox');
}

export async function click(page, id) {
  await page.click(`#${id}`);
}

export async function press(page, key, modifier) {
  if (modifier) await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  if (modifier) await page.keyboard.up(modifier);
}

// Puts `text` on the clipboard exactly (CR LF included, which a text area
// would not keep): a page of its own answers a real Ctrl+C with it.
export async function copyToClipboard(browserContext, text) {
  const scratch = await browserContext.newPage();
  await scratch.goto(
    'data:text/html,<textarea id="t">copy</textarea><script>document.addEventListener("copy", (e) => {' +
      ' e.clipboardData.setData("text/plain", window.payload); e.preventDefault(); window.copied = true; });</script>',
  );
  await scratch.evaluate((payload) => { window.payload = payload; }, text);
  await scratch.click('#t');
  await press(scratch, 'a', 'Control');
  await press(scratch, 'c', 'Control');
  if (!(await scratch.evaluate(() => window.copied === true))) throw new Error('nothing was copied');
  await scratch.close();
}

// A C++ UTF-16 string literal's text.
function cppString(literal) {
  return literal.replace(/\\(U[0-9A-Fa-f]{8}|u[0-9A-Fa-f]{4}|[nrt"\\])/g, (_, e) => {
    if (e[0] === 'U' || e[0] === 'u') return String.fromCodePoint(parseInt(e.slice(1), 16));
    return { n: '\n', r: '\r', t: '\t', '"': '"', '\\': '\\' }[e];
  });
}

// The input tables every front end runs (tests/support/input_text_cases.h):
// what the box keeps after typing and pasting, and what Enter computes.
export function sharedInputCases() {
  const header = readFileSync(
    fileURLToPath(new URL('../../support/input_text_cases.h', import.meta.url)),
    'utf8',
  );
  const str = String.raw`u?"((?:[^"\\]|\\.)*)"`;
  const rows = (type, fields) =>
    [...header.matchAll(new RegExp(`${type}\\{${Array(fields).fill(str).join(String.raw`,\s*`)}\\}`, 'g'))].map(
      (m) => m.slice(1).map(cppString),
    );
  const kept = rows('KeptTextCase', 4).map(([name, typed, pasted, box]) => ({ name, typed, pasted, box }));
  const shown = rows('ShownNumberCase', 6).map(([name, earlier, typed, pasted, cv17, cv18]) => ({
    name, earlier, typed, pasted, cv17, cv18,
  }));
  if (kept.length === 0 || shown.length === 0) throw new Error('no rows read from input_text_cases.h');
  return { kept, shown };
}

// The design record's controls, read from the header the front ends build
// from: name, kind, geometry in twips, tab index, font and tooltip.
export function designControls() {
  const header = readFileSync(
    fileURLToPath(new URL('../../../ui/design_record.h', import.meta.url)),
    'utf8',
  );
  const fonts = Object.fromEntries(
    [...header.matchAll(/FontRecord (\w+)\{u"([^"]+)", (\d+), (\d+), \d+\}/g)].map((m) => [
      m[1],
      { face: m[2], weight: Number(m[3]), centiPoints: Number(m[4]) },
    ]),
  );
  // Each row is a designated initialiser; a setting left out is the
  // default the record's struct gives it.
  const table = header.slice(header.indexOf('kControls{{'), header.indexOf('}};', header.indexOf('kControls{{')));
  const value = (text) => {
    if (/^u?"/.test(text)) return text.replace(/^u?"|"$/g, '');
    if (/^\d+$/.test(text)) return Number(text);
    return text.replace(/^\w+::/, '');
  };
  const controls = [...table.matchAll(/\{(\.name[^{}]*)\}/g)].map((row) => {
    const set = Object.fromEntries(
      [...row[1].matchAll(/\.(\w+)\s*=\s*(u?"[^"]*"|[\w:]+)/g)].map((m) => [m[1], value(m[2])]),
    );
    return {
      kind: 'Label', caption: '', left: 0, top: 0, width: 0, height: 0, tabIndex: 0,
      alignment: 'Left', toolTip: '', maxLength: 0,
      ...set,
      font: fonts[set.font ?? 'kWindowFont'],
    };
  });
  if (controls.length !== 11 || controls.some((c) => !c.font || !(c.width > 0 && c.height > 0))) {
    throw new Error(`read ${controls.length} controls from the design record, not 11`);
  }
  return controls;
}

// One browser and one window for a whole suite, opened before its tests and
// handed to `use`; after them, whatever the tests did, nothing may have left
// the page.
export function windowForSuite(use) {
  let browser;
  let session;
  before(async () => {
    browser = await launch();
    session = await openWindow(browser);
    use(browser, session);
  });
  after(async () => {
    assert.deepEqual(session?.foreign, []);
    await browser?.close();
  });
}
