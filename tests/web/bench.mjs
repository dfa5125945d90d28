// Figures for the web page, never pass or fail: its size, raw and gzipped,
// and the time from navigation start to interactive (the page marks itself
// ready) against the bare page of the same eleven controls, in headless
// Chromium and Firefox, loads alternating A B A B; medians and their ratio.
// Usage: node tests/web/bench.mjs PAGE [RUNS]
import { readFileSync } from 'node:fs';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { basename } from 'node:path';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

const [pagePath, runsArgument] = process.argv.slice(2);
if (!pagePath) {
  console.error('usage: node tests/web/bench.mjs PAGE [RUNS]');
  process.exit(2);
}
const runs = Number(runsArgument ?? 20);
const barePath = fileURLToPath(new URL('bare_page.html', import.meta.url));
const pages = { [basename(pagePath)]: pathToFileURL(pagePath).href, bare_page: pathToFileURL(barePath).href };

const bytes = readFileSync(pagePath);
const gzipped = gzipSync(bytes, { level: 9 }).length;
const row = (what, a, b, ratio) =>
  console.log(`${what.padEnd(40)} ${a.padEnd(22)} ${ratio ? `${b.padEnd(20)} ratio ${ratio}` : b}`);
row('size (bytes)', `raw ${bytes.length}`, `gzip ${gzipped}`);

const browsers = {
  chromium: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: process.getuid?.() === 0 ? ['--no-sandbox'] : [] },
  firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', protocol: 'webDriverBiDi' },
};
const median = (values) => {
  const v = [...values].sort((x, y) => x - y);
  const mid = Math.floor(v.length / 2);
  return v.length % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
};

for (const [name, options] of Object.entries(browsers)) {
  const browser = await puppeteer.launch({ headless: true, ...options });
  const page = await browser.newPage();
  // The moment the page marks itself ready, from navigation start: set
  // before any of the page's own script runs.
  await page.evaluateOnNewDocument(() => {
    // The document has no root element yet: watch the whole document.
    new MutationObserver((_, observer) => {
      if (document.documentElement?.dataset.state === 'ready') {
        window.readyAt = performance.now();
        observer.disconnect();
      }
    }).observe(document, { subtree: true, childList: true, attributes: true, attributeFilter: ['data-state'] });
  });
  const load = async (url) => {
    await page.goto(url);
    await page.waitForFunction(() => window.readyAt !== undefined, { timeout: 15000 });
    return page.evaluate(() => window.readyAt);
  };
  const times = Object.fromEntries(Object.keys(pages).map((p) => [p, []]));
  for (const url of Object.values(pages)) await load(url); // warm the caches
  for (let i = 0; i < runs; i += 1) {
    for (const [p, url] of Object.entries(pages)) times[p].push(await load(url));
  }
  await browser.close();
  const [a, b] = Object.keys(pages).map((p) => median(times[p]));
  const [na, nb] = Object.keys(pages);
  row(`navigation to interactive (ms) ${name}`, `${na} ${a.toFixed(1)}`, `${nb} ${b.toFixed(1)}`, (a / b).toFixed(3));
}
