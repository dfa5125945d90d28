// What assistive technology is told: the browser's accessibility tree.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  browserName, click, launch, openWindow, press,
} from './support/harness.mjs';

// Only Chromium's tree is reachable from puppeteer; Firefox's would need
// its own accessibility service.
const reachable = browserName === 'chromium';
if (!reachable) {
  console.log(`Skipped: ${browserName}'s accessibility tree is not reachable through WebDriver BiDi`);
}

let browser;
let session;
before(async () => {
  if (!reachable) return;
  browser = await launch();
  session = await openWindow(browser);
});
after(async () => {
  assert.deepEqual(session?.foreign ?? [], []);
  await browser?.close();
});

async function computeThenRefuse(page) {
  await page.keyboard.type('1000');
  await click(page, 'cmdEnter');
  await click(page, 'txtInput');
  await press(page, 'a', 'Control');
  await page.keyboard.type('0');
  await click(page, 'cmdEnter');
  await page.waitForFunction(() => document.getElementById('msgBox')?.checkVisibility());
}

function nodes(tree) {
  const all = [];
  const walk = (node) => {
    all.push(node);
    for (const child of node.children ?? []) walk(child);
  };
  walk(tree);
  return all;
}

const says = (node, text) =>
  [node.name, node.value, node.description].some((v) => typeof v === 'string' && v.includes(text));

describe('accessibility tree', { skip: !reachable && 'not reachable in this browser' }, () => {
  const snapshot = (page, root) => page.accessibility.snapshot({ root });

  it('names the box by its prompt, the buttons by their captions and each result by its caption', async () => {
    await session.reopen();
    const { page } = session;
    await page.keyboard.type('1000');
    await click(page, 'cmdEnter');
    const all = nodes(await snapshot(page));
    assert.ok(all.some((n) => n.role === 'textbox' && n.name === 'Enter Locomotive Number:'),
      'no text box named by its prompt');
    for (const caption of ['Enter', 'Clear', 'Exit']) {
      assert.ok(all.some((n) => n.role === 'button' && n.name === caption), `no button ${caption}`);
    }
    for (const [caption, value] of [['CV 17', '195'], ['CV 18', '232']]) {
      assert.ok(all.some((n) => n.name?.includes(caption) && says(n, value)),
        `no node names ${value} by ${caption}`);
    }
  });

  it('gives a focused button its tooltip as its description', async () => {
    await session.reopen();
    const { page } = session;
    await press(page, 'Tab');
    await page.waitForFunction(() => document.getElementById('tooltip')?.checkVisibility(), { timeout: 10000 });
    const all = nodes(await snapshot(page));
    const enter = all.find((n) => n.role === 'button' && n.name === 'Enter');
    assert.match(enter?.description ?? '', /Calculate the CV values/);
  });

  it('shows the box as an alert dialog with its title and text, and hides the inert window', async () => {
    await session.reopen();
    const { page } = session;
    await computeThenRefuse(page);
    const all = nodes(await snapshot(page));
    const dialog = all.find((n) => n.role === 'alertdialog');
    assert.ok(dialog, 'no alert dialog');
    assert.equal(dialog.name, 'Input Error');
    const inside = nodes(dialog);
    assert.ok(inside.some((n) => says(n, 'Enter a number between 1 and 9999.')), 'the text is not in the dialog');
    assert.ok(inside.some((n) => n.role === 'button' && n.name === 'OK'), 'no OK button in the dialog');
    assert.ok(!all.some((n) => n.role === 'textbox'), 'the window behind the box is still in the tree');
  });
});
