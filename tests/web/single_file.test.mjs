// The downloadable page is one file that needs nothing else: it works
// copied anywhere on its own, and asks nothing of the network.
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, it } from 'node:test';
import {
  browserName, click, launch, openWindow, press, required, results,
} from './support/harness.mjs';

let browser;
let folder;
before(async () => {
  browser = await launch();
  folder = mkdtempSync(join(tmpdir(), 'veltrop-page-'));
});
after(async () => {
  await browser?.close();
  rmSync(folder, { recursive: true, force: true });
});

it('works alone in another folder under the download name, and loads nothing but itself', async () => {
  const copy = join(folder, 'Veltrop-download.html');
  // The download itself where the build names it, else the page it is made from.
  copyFileSync(process.env.VELTROP_WEB_SINGLE || required('VELTROP_WEB_PAGE'), copy);
  const url = pathToFileURL(copy).href;
  const { context, page, foreign } = await openWindow(browser, { url });
  const loaded = [];
  page.on('request', (request) => loaded.push(request.url()));
  // Everything the page can do, so that anything it would fetch on the way is.
  await page.keyboard.type('1000');
  await click(page, 'cmdEnter');
  await page.hover('#lblCopyRight');
  await click(page, 'txtInput');
  await press(page, 'a', 'Control');
  await page.keyboard.type('0');
  await click(page, 'cmdEnter');
  await page.waitForFunction(() => document.getElementById('msgBox')?.checkVisibility());
  await click(page, 'msgBoxOk');
  assert.deepEqual(await results(page), [' 195', ' 232']);
  await click(page, 'cmdExit');
  await click(page, 'restart');
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
  await page.evaluate(() => window.veltropReady);
  assert.deepEqual(foreign, []);
  // Every request after the first load: the page itself, data: or blob:.
  const others = loaded.filter((u) => u !== url && !u.startsWith('data:') && !u.startsWith('blob:'));
  assert.deepEqual(others, []);

  // The watch itself sees a request that would leave: it is no empty check.
  await assert.rejects(page.goto('http://127.0.0.1:65535/probe'));
  assert.deepEqual(foreign, ['http://127.0.0.1:65535/probe'], `${browserName} did not report the probe`);
  await context.close();
});

it('is at most 160 KB, its program included', () => {
  const size = statSync(process.env.VELTROP_WEB_SINGLE || required('VELTROP_WEB_PAGE')).size;
  assert.ok(size <= 160 * 1000, `${size} bytes`);
});

it('starts where the browser cannot decode base64 itself (Safari before 18.2), and computes', async () => {
  const { context, page, reopen } = await openWindow(browser);
  await page.evaluateOnNewDocument(() => { delete Uint8Array.fromBase64; });
  await reopen();
  assert.equal(await page.evaluate(() => typeof Uint8Array.fromBase64), 'undefined');
  await page.keyboard.type('1000');
  await click(page, 'cmdEnter');
  assert.deepEqual(await results(page), [' 195', ' 232']);
  await context.close();
});
