// The "Input Error" box: what it shows, that the program waits for it, that
// the window takes no input meanwhile, and each way of closing it.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  boxOpen, click, focused, openWindow, press, results, shown, windowForSuite,
} from './support/harness.mjs';

let browser;
let session;
windowForSuite((b, s) => {
  browser = b;
  session = s;
});

// 1000 computed, then -5 refused: the box is open over known results.
async function openOverResults() {
  await session.reopen();
  const { page } = session;
  await page.keyboard.type('1000');
  await click(page, 'cmdEnter');
  await click(page, 'txtInput');
  await press(page, 'a', 'Control');
  await page.keyboard.type('-5');
  await click(page, 'cmdEnter');
  await page.waitForFunction(() => document.getElementById('msgBox')?.checkVisibility());
  return page;
}

async function boxClosed(page) {
  await page.waitForFunction(() => {
    // Closed, and the program has gone on to its last step: the focus
    // back in the input box.
    const box = document.getElementById('msgBox');
    return (!box || !box.checkVisibility()) && document.activeElement?.id === 'txtInput';
  }, { timeout: 10000 });
}

const insideBox = (page) =>
  page.evaluate(() => document.getElementById('msgBox')?.contains(document.activeElement) ?? false);

describe('the box', () => {
  it('is an alert dialog with its title, text, an exclamation icon and one OK button', async () => {
    const page = await openOverResults();
    const box = await page.$eval('#msgBox', (e) => ({
      role: e.getAttribute('role'),
      modal: e.getAttribute('aria-modal') ?? (e.matches(':modal') ? 'true' : null),
      buttons: [...e.querySelectorAll('button, [role=button], input[type=button]')].map((b) => b.id),
      // The icon: a picture, not a character of the text.
      icon: [...e.querySelectorAll('*')].some(
        (x) => x.matches('svg, img, canvas, [role=img]') || getComputedStyle(x).backgroundImage !== 'none',
      ),
    }));
    assert.deepEqual(box, { role: 'alertdialog', modal: 'true', buttons: ['msgBoxOk'], icon: true });
    assert.equal(await shown(page, 'msgBoxTitle'), 'Input Error');
    assert.equal(await shown(page, 'msgBoxText'), 'Enter a number between 1 and 9999.');
    assert.equal((await shown(page, 'msgBoxOk')).trim(), 'OK');
    assert.equal(await insideBox(page), true);
  });

  it('holds the program until it closes: the box is emptied only afterwards', async () => {
    const page = await openOverResults();
    assert.equal(await shown(page, 'txtInput'), '-5');
    await click(page, 'msgBoxOk');
    await boxClosed(page);
    assert.equal(await shown(page, 'txtInput'), '');
  });

  it('leaves the window without input while open', async () => {
    const page = await openOverResults();
    // Clicks where the controls are (those the box itself does not cover),
    // keys, and Tab: none reaches the window.
    let clicked = 0;
    for (const id of ['cmdClear', 'cmdEnter', 'txtInput', 'cmdExit']) {
      const at = await page.$eval(`#${id}`, (e) => {
        const r = e.getBoundingClientRect();
        const x = r.x + r.width / 2;
        const y = r.y + r.height / 2;
        const box = document.getElementById('msgBox').getBoundingClientRect();
        const covered = x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
        return covered ? null : { x, y };
      });
      if (at) {
        await page.mouse.click(at.x, at.y);
        clicked += 1;
      }
    }
    assert.ok(clicked > 0, 'the box covers every control: no click could try the window');
    await page.keyboard.type('7');
    for (let i = 0; i < 3; i += 1) {
      await press(page, 'Tab');
      const id = await focused(page);
      assert.ok(!['txtInput', 'cmdEnter', 'cmdClear', 'cmdExit'].includes(id), `Tab reached ${id}`);
    }
    assert.equal(await boxOpen(page), true);
    assert.equal(await shown(page, 'txtInput'), '-5');
    assert.deepEqual(await results(page), [' 195', ' 232']);
    assert.equal(await isShownWindow(page), true);
    await click(page, 'msgBoxOk');
    await boxClosed(page);
    // One box only: the clicks on Enter were not kept for later.
    await new Promise((r) => setTimeout(r, 200));
    assert.equal(await boxOpen(page), false);
    assert.deepEqual(await results(page), [' 195', ' 232']);
    assert.equal(await focused(page), 'txtInput');
  });
});

async function isShownWindow(page) {
  return page.$eval('#frmVeltrop', (e) => e.checkVisibility());
}

describe('closing the box', () => {
  // Each closes it once, clicks nothing behind it, and leaves the emptied
  // box with the focus and the earlier results.
  const ways = [
    ['OK clicked', (page) => click(page, 'msgBoxOk')],
    ['Return', (page) => press(page, 'Enter')],
    ['Space', (page) => press(page, ' ')],
    ['Escape', (page) => press(page, 'Escape')],
  ];
  for (const [name, close] of ways) {
    it(`by ${name}`, async () => {
      const page = await openOverResults();
      await close(page);
      await boxClosed(page);
      await new Promise((r) => setTimeout(r, 200));
      assert.equal(await boxOpen(page), false);
      assert.equal(await shown(page, 'txtInput'), '');
      assert.equal(await focused(page), 'txtInput');
      assert.deepEqual(await results(page), [' 195', ' 232']);
      // The window answers again.
      await page.keyboard.type('3');
      await click(page, 'cmdEnter');
      assert.deepEqual(await results(page), [' 192', ' 3']);
    });
  }
});

describe('opening the box', () => {
  // Each way of pressing Enter on a number out of range opens the box and
  // holds the program until it closes, twice running; the window then
  // computes as before. In a tab of its own: in Firefox, once the clicks
  // above have tried the window behind the box, keys pressed in that tab
  // no longer press a focused button, even after a reload.
  let own;
  before(async () => {
    own = await openWindow(browser);
  });
  after(async () => {
    assert.deepEqual(own?.foreign, []);
    await own?.context.close();
  });
  const presses = [
    ['a click on Enter', (page) => click(page, 'cmdEnter')],
    // Tab goes from the box to Enter.
    ['Tab, then Space on Enter', async (page) => { await press(page, 'Tab'); await press(page, ' '); }],
    ['Tab, then Return on Enter', async (page) => { await press(page, 'Tab'); await press(page, 'Enter'); }],
  ];
  for (const [name, pressEnter] of presses) {
    it(`by ${name}`, async () => {
      await own.reopen();
      const { page } = own;
      for (const typed of ['-5', '0']) {
        await click(page, 'txtInput');
        await page.keyboard.type(typed);
        await pressEnter(page);
        await page.waitForFunction(() => document.getElementById('msgBox')?.checkVisibility());
        assert.equal(await shown(page, 'txtInput'), typed, `${typed}: emptied before the box closed`);
        await click(page, 'msgBoxOk');
        await boxClosed(page);
        assert.equal(await shown(page, 'txtInput'), '', `${typed}: not emptied after the box`);
      }
      await page.keyboard.type('3');
      await click(page, 'cmdEnter');
      assert.deepEqual(await results(page), [' 192', ' 3']);
    });
  }
});
