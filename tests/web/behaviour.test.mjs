// What the window computes from what is typed, driven like a user: keys
// into the box, mouse clicks on the buttons.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';
import {
  boxOpen, click, focused, press, results, shown, windowForSuite,
} from './support/harness.mjs';

// The captions for an accepted number, from the address layout (0xC000 +
// number: high byte to CV17, low byte to CV18), not from the program.
function captionsFor(number) {
  const address = 0xc000 + number;
  return [` ${address >> 8}`, ` ${address & 0xff}`];
}

let browser;
let session;
windowForSuite((b, s) => {
  browser = b;
  session = s;
});

async function fresh() {
  await session.reopen();
  return session;
}

async function typeAndEnter(page, text) {
  await page.keyboard.type(text);
  await click(page, 'cmdEnter');
}

async function closeBox(page) {
  await click(page, 'msgBoxOk');
  await page.waitForFunction(() => {
    // Closed, and the program has gone on to its last step: the focus
    // back in the input box.
    const box = document.getElementById('msgBox');
    return (!box || !box.checkVisibility()) && document.activeElement?.id === 'txtInput';
  });
}

describe('results', () => {
  // Typed text and the number it is read as: the range's edges, byte
  // boundaries, and the reader's rules (leading number, blanks skipped,
  // &H and &O, exponents, halves to even).
  const accepted = [
    ['1000', 1000], ['3', 3], ['9999', 9999], ['1', 1], ['255', 255], ['256', 256],
    ['511', 511], ['9983', 9983], ['0127', 127], ['12ab', 12], [' 4 2', 42],
    ['&HFF', 255], ['&hff', 255], ['&O17', 15], ['1.5', 2], ['2.5', 2], ['3.5', 4],
    ['1e3', 1000], ['.5e1', 5], ['+77', 77], ['99.5', 100], ['0.6', 1],
  ];
  for (const [typed, number] of accepted) {
    it(`${JSON.stringify(typed)} shows the pair for ${number}`, async () => {
      const { page } = await fresh();
      await typeAndEnter(page, typed);
      assert.deepEqual(await results(page), captionsFor(number));
      assert.equal(await boxOpen(page), false);
      // The text and the focus stay where they were.
      assert.equal(await shown(page, 'txtInput'), typed);
      assert.equal(await focused(page), 'cmdEnter');
    });
  }

  it('a fifth character cannot be typed: 10000 is read as 1000', async () => {
    const { page } = await fresh();
    await typeAndEnter(page, '10000');
    assert.equal(await shown(page, 'txtInput'), '1000');
    assert.deepEqual(await results(page), captionsFor(1000));
  });
});

describe('across the range', () => {
  // Numbers spread over 1..9999 (a stride prime to 256, so the low bytes
  // differ) and both sides of a high-byte step every 1024, one after
  // another in one window.
  const numbers = [];
  for (let n = 1; n <= 9999; n += 389) numbers.push(n);
  for (let high = 256; high <= 9984; high += 1024) numbers.push(high - 1, high);
  it(`${numbers.length} numbers, each replacing the last`, async () => {
    const { page } = await fresh();
    for (const number of numbers) {
      await click(page, 'txtInput');
      await press(page, 'a', 'Control');
      await typeAndEnter(page, String(number));
      assert.deepEqual(await results(page), captionsFor(number), `for ${number}`);
    }
  });
});

describe('refused numbers', () => {
  // Text read as a number outside 1..9999, or as no number at all; 1e5
  // overflows the 16-bit number and is refused like any other.
  const refused = ['', '0', '-5', '-0', '0.5', '0.4', 'abc', '&H0', '1e5', '9e9', '-1e9', '.'];
  for (const typed of refused) {
    it(`${JSON.stringify(typed)} is refused with the "Input Error" box`, async () => {
      const { page } = await fresh();
      await typeAndEnter(page, typed);
      assert.equal(await boxOpen(page), true);
      assert.equal(await shown(page, 'msgBoxTitle'), 'Input Error');
      assert.equal(await shown(page, 'msgBoxText'), 'Enter a number between 1 and 9999.');
      await closeBox(page);
      assert.equal(await shown(page, 'txtInput'), '');
      assert.equal(await focused(page), 'txtInput');
      assert.deepEqual(await results(page), ['', '']);
    });
  }
});

describe('sequences', () => {
  it('starts with an empty, focused box, empty results and a blank version label', async () => {
    const { page } = await fresh();
    assert.equal(await shown(page, 'txtInput'), '');
    assert.equal(await focused(page), 'txtInput');
    assert.deepEqual(await results(page), ['', '']);
    assert.equal(await shown(page, 'lblCopyRight'), '');
  });

  it('an error keeps the last results', async () => {
    const { page } = await fresh();
    await typeAndEnter(page, '1000');
    await click(page, 'txtInput');
    await press(page, 'a', 'Control');
    await typeAndEnter(page, '-5');
    assert.equal(await boxOpen(page), true);
    await closeBox(page);
    assert.deepEqual(await results(page), captionsFor(1000));
    assert.equal(await shown(page, 'txtInput'), '');
    assert.equal(await focused(page), 'txtInput');
  });

  it('Clear empties the box and the results, and the next Enter reads the emptied box', async () => {
    const { page } = await fresh();
    await typeAndEnter(page, '10');
    assert.deepEqual(await results(page), captionsFor(10));
    await click(page, 'cmdClear');
    assert.equal(await shown(page, 'txtInput'), '');
    assert.deepEqual(await results(page), ['', '']);
    assert.equal(await focused(page), 'txtInput');
    await click(page, 'cmdEnter');
    assert.equal(await boxOpen(page), true);
    await closeBox(page);
  });

  it('the number follows each edit, read when the box loses the focus', async () => {
    const { page } = await fresh();
    await typeAndEnter(page, '9999');
    await click(page, 'txtInput');
    await press(page, 'End');
    await press(page, 'Backspace');
    await typeAndEnter(page, '8');
    assert.deepEqual(await results(page), captionsFor(9998));
    // A second click computes again from the same number.
    await click(page, 'cmdEnter');
    assert.deepEqual(await results(page), captionsFor(9998));
  });
});
