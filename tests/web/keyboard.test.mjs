// The window from the keyboard alone, and what a paste puts into the box.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  boxOpen, click, copyToClipboard, focused, launch, openWindow, press, results, shown,
} from './support/harness.mjs';

let browser;
let session;
before(async () => {
  browser = await launch();
  session = await openWindow(browser);
});
after(async () => {
  assert.deepEqual(session?.foreign, []);
  await browser?.close();
});

async function focusSequence(page, key, count) {
  const seen = [];
  for (let i = 0; i < count; i += 1) {
    await press(page, 'Tab', key);
    seen.push(await focused(page));
  }
  return seen;
}

describe('focus order', () => {
  it('Tab goes round the four controls and skips every label', async () => {
    await session.reopen();
    assert.deepEqual(await focusSequence(session.page, undefined, 8), [
      'cmdEnter', 'cmdClear', 'cmdExit', 'txtInput', 'cmdEnter', 'cmdClear', 'cmdExit', 'txtInput',
    ]);
  });

  it('Shift+Tab goes round backwards', async () => {
    await session.reopen();
    assert.deepEqual(await focusSequence(session.page, 'Shift', 4), [
      'cmdExit', 'cmdClear', 'cmdEnter', 'txtInput',
    ]);
  });
});

describe('keys', () => {
  // Nothing is the default or the cancel button: Return and Escape in the
  // box click nothing and leave its text.
  for (const key of ['Enter', 'Escape']) {
    it(`${key} in the box clicks nothing`, async () => {
      await session.reopen();
      const { page } = session;
      await page.keyboard.type('1000');
      await press(page, key);
      assert.equal(await boxOpen(page), false);
      assert.deepEqual(await results(page), ['', '']);
      assert.equal(await shown(page, 'txtInput'), '1000');
      assert.equal(await focused(page), 'txtInput');
    });
  }

  it('Tab reads the box, Space clicks Enter', async () => {
    await session.reopen();
    const { page } = session;
    await page.keyboard.type('1000');
    await press(page, 'Tab');
    await press(page, ' ');
    assert.deepEqual(await results(page), [' 195', ' 232']);
    assert.equal(await focused(page), 'cmdEnter');
  });

  it('Space on Clear empties everything and returns to the box', async () => {
    await session.reopen();
    const { page } = session;
    await page.keyboard.type('42');
    await press(page, 'Tab');
    await press(page, ' ');
    await press(page, 'Tab');
    await press(page, ' ');
    assert.deepEqual(await results(page), ['', '']);
    assert.equal(await shown(page, 'txtInput'), '');
    assert.equal(await focused(page), 'txtInput');
  });

  it('Space on Enter with an empty box opens the box, whose OK has the focus', async () => {
    await session.reopen();
    const { page } = session;
    await press(page, 'Tab');
    await press(page, ' ');
    assert.equal(await boxOpen(page), true);
    assert.equal(await focused(page), 'msgBoxOk');
  });
});

describe('the box for phones', () => {
  // A numeric keypad, and no help that would change what was typed.
  it('asks for a numeric keypad and turns off autocorrect, capitals and spell check', async () => {
    await session.reopen();
    const attributes = await session.page.$eval('#txtInput', (e) => ({
      inputmode: e.getAttribute('inputmode'),
      autocomplete: e.getAttribute('autocomplete'),
      autocorrect: e.getAttribute('autocorrect'),
      autocapitalize: e.getAttribute('autocapitalize'),
      spellcheck: e.spellcheck,
    }));
    assert.deepEqual(attributes, {
      inputmode: 'numeric', autocomplete: 'off', autocorrect: 'off', autocapitalize: 'off', spellcheck: false,
    });
  });
});

describe('paste', () => {
  // The first line only, then the 4-character limit (UTF-16 units, as the
  // desktop boxes count), never cutting a character in two; what Enter
  // computes is what the box shows, invisible characters left out.
  const rows = [
    { before: '', pasted: '12\n34', box: '12', number: 12 },
    { before: '9', pasted: '1234\n5', box: '9123', number: 9123 },
    { before: '5', pasted: '\n12', box: '5', number: 5 },
    { before: '', pasted: '12345', box: '1234', number: 1234 },
    { before: '123', pasted: '\u{1F682}', box: '123', number: 123 },
    { before: '12', pasted: '\u{1F682}', box: '12\u{1F682}', number: 12 },
    { before: '1', pasted: '\u{1F682}\u{1F682}', box: '1\u{1F682}', number: 1 },
    { before: '', pasted: '1\u200B23', box: '1\u200B23', number: 123 },
    { before: '', pasted: '1\u00A02', box: '1\u00A02', number: 12 },
  ];
  for (const { before: typed, pasted, box, number } of rows) {
    it(`${JSON.stringify(pasted)} after ${JSON.stringify(typed)} gives ${JSON.stringify(box)}`, async () => {
      await session.reopen();
      const { page, context } = session;
      await copyToClipboard(context, pasted);
      await page.bringToFront();
      await click(page, 'txtInput');
      await page.keyboard.type(typed);
      await press(page, 'End');
      await press(page, 'v', 'Control');
      assert.equal(await shown(page, 'txtInput'), box);
      await click(page, 'cmdEnter');
      const address = 0xc000 + number;
      assert.deepEqual(await results(page), [` ${address >> 8}`, ` ${address & 0xff}`]);
    });
  }
});
