// The hosted download: unpacked and served from this machine, it is an
// installable web app whose service worker lets it start again offline.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, posix } from 'node:path';
import { after, before, it } from 'node:test';
import {
  browserName, click, launch, openWindow, required, results, waitReady,
} from './support/harness.mjs';
import { unzip } from './support/unzip.mjs';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
  '.ico': 'image/x-icon', '.txt': 'text/plain; charset=utf-8',
};

let files;
let server;
let origin;
let served = [];
let browser;

before(async () => {
  files = unzip(readFileSync(required('VELTROP_WEB_ZIP')));
  server = createServer((request, response) => {
    const path = posix.normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).slice(1);
    served.push(path);
    const body = files.get(path === '' || path.endsWith('/') ? `${path}index.html` : path);
    if (!body) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'application/octet-stream' });
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}`;
  browser = await launch();
});
after(async () => {
  await browser?.close();
  server?.closeAllConnections();
  server?.close();
});

// The page of the archive: the HTML file that links the manifest.
function pagePath() {
  const pages = [...files.keys()].filter((name) => name.endsWith('.html') &&
    /<link[^>]+rel=["']?manifest/i.test(files.get(name).toString('utf8')));
  assert.equal(pages.length, 1, `pages linking a manifest: ${pages.join(', ')}`);
  return pages[0];
}

function pngSize(data) {
  assert.equal(data.toString('latin1', 1, 4), 'PNG');
  return `${data.readUInt32BE(16)}x${data.readUInt32BE(20)}`;
}

it('holds an installable app: a manifest, its icons, a page that works', async () => {
  const page = pagePath();
  const base = new URL(page, `${origin}/`);
  const html = files.get(page).toString('utf8');
  const href = /<link[^>]+rel=["']?manifest["']?[^>]*href=["']?([^"' >]+)/i.exec(html)
    ?? /<link[^>]+href=["']?([^"' >]+)["']?[^>]*rel=["']?manifest/i.exec(html);
  assert.ok(href, 'no manifest link');
  const manifestUrl = new URL(href[1], base);
  const manifest = JSON.parse(files.get(manifestUrl.pathname.slice(1)).toString('utf8'));
  assert.ok(manifest.name || manifest.short_name, 'no name');
  assert.ok(['standalone', 'fullscreen', 'minimal-ui'].includes(manifest.display), `display ${manifest.display}`);
  const start = new URL(manifest.start_url ?? '.', manifestUrl);
  assert.equal(start.origin, origin);
  assert.ok(files.has(start.pathname.slice(1)) || files.has(`${start.pathname.slice(1)}index.html`),
    `start_url ${start.pathname} is not in the archive`);
  // The icons are the sizes they claim; 192 and 512 are what installers ask for.
  const sizes = [];
  for (const icon of manifest.icons ?? []) {
    const data = files.get(new URL(icon.src, manifestUrl).pathname.slice(1));
    assert.ok(data, `icon ${icon.src} is not in the archive`);
    if ((icon.type ?? '').includes('png') || icon.src.endsWith('.png')) {
      assert.equal(pngSize(data), icon.sizes, icon.src);
      sizes.push(icon.sizes);
    }
  }
  for (const size of ['192x192', '512x512']) assert.ok(sizes.includes(size), `no ${size} PNG icon`);

  if (browserName === 'chromium') {
    // Chromium's own verdict, in a normal (not incognito) profile.
    const context = browser.defaultBrowserContext();
    const { page: tab, foreign } = await openWindow(browser, { url: base.href, origin, context });
    const cdp = await tab.createCDPSession();
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    assert.deepEqual(foreign, []);
    await tab.close();
  }
});

it('registers its service worker and starts again offline', async () => {
  const url = new URL(pagePath(), `${origin}/`).href;
  const { context, page, foreign } = await openWindow(browser, { url, origin });
  const state = await page.evaluate(() => {
    const late = new Promise((resolve) => { setTimeout(() => resolve({ active: { state: 'none within 10 s' } }), 10000); });
    return Promise.race([navigator.serviceWorker.ready, late]).then((registration) => registration.active?.state);
  });
  assert.ok(['activating', 'activated'].includes(state), `service worker ${state}`);
  await page.reload();
  await waitReady(page);
  assert.equal(await page.evaluate(() => navigator.serviceWorker.controller !== null), true,
    'the reloaded page is not controlled by its service worker');

  // Offline: the browser is told it has no network, and the server stops
  // answering altogether.
  server.closeAllConnections();
  await new Promise((resolve) => server.close(resolve));
  served = [];
  await page.setOfflineMode(true);
  await page.reload();
  await waitReady(page);
  await page.keyboard.type('1000');
  await click(page, 'cmdEnter');
  assert.deepEqual(await results(page), [' 195', ' 232']);
  assert.deepEqual(served, []);
  assert.deepEqual(foreign, []);
  await context.close();
});
