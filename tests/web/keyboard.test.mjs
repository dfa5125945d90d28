// The window from the keyboard alone, and what a paste puts into the box.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import {
  boxOpen, click, copyToClipboard, focused, press, results, sharedInputCases, shown, windowForSuite,
} from './support/harness.mjs';

let browser;
let session;
windowForSuite((b, s) => {
  browser = b;
  session = s;
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

describe('typing and pasting', () => {
  // The tables every front end runs, and two rows of this page's own: two
  // characters of two units each, and a lone CR as a line's end.
  const { kept, shown: computed } = sharedInputCases();
  const keptRows = [
    ...kept,
    { name: 'TwoEmojiAfterOne', typed: '1', pasted: '\u{1F682}\u{1F682}', box: '1\u{1F682}' },
    { name: 'LoneCr', typed: '', pasted: '4\r5', box: '4' },
  ];

  // Types `typed` into the box (after what it holds), then pastes `pasted`
  // at its end with Ctrl+V.
  async function enter(page, context, typed, pasted) {
    if (pasted) {
      await copyToClipboard(context, pasted);
      await page.bringToFront();
    }
    await click(page, 'txtInput');
    await press(page, 'End');
    if (typed) await page.keyboard.type(typed);
    if (pasted) await press(page, 'v', 'Control');
  }

  for (const { name, typed, pasted, box } of keptRows) {
    it(`keeps ${JSON.stringify(box)}: ${name}`, async () => {
      await session.reopen();
      const { page, context } = session;
      await enter(page, context, typed, pasted);
      assert.equal(await shown(page, 'txtInput'), box);
    });
  }

  for (const { name, earlier, typed, pasted, cv17, cv18 } of computed) {
    it(`Enter shows ${JSON.stringify([cv17, cv18])}: ${name}`, async () => {
      await session.reopen();
      const { page, context } = session;
      if (earlier) {
        await page.keyboard.type(earlier);
        await click(page, 'cmdEnter');
        await click(page, 'txtInput');
        await press(page, 'a', 'Control');
        await press(page, 'Delete');
      }
      await enter(page, context, typed, pasted);
      await click(page, 'cmdEnter');
      assert.deepEqual(await results(page), [cv17, cv18]);
    });
  }
});
