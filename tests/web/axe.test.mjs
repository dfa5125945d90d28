// axe-core's accessibility rules over the page in each of its states.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { describe, it } from 'node:test';
import {
  click, press, windowForSuite,
} from './support/harness.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let browser;
let session;
windowForSuite((b, s) => {
  browser = b;
  session = s;
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

describe('axe-core', () => {
  // Each state the page can be in; no rule may be violated in any.
  const states = [
    ['idle', async () => {}],
    ['with results and a tooltip', async (page) => {
      await page.keyboard.type('1000');
      await click(page, 'cmdEnter');
      await page.hover('#lblCV17');
      await page.waitForFunction(() => document.getElementById('tooltip')?.checkVisibility(), { timeout: 10000 });
    }],
    ['with the message box open', computeThenRefuse],
    ['after Exit', async (page) => {
      await click(page, 'cmdExit');
      await page.waitForFunction(() => document.getElementById('ended')?.checkVisibility());
    }],
  ];
  for (const [name, reach] of states) {
    it(`finds no violation ${name}`, async () => {
      await session.reopen();
      const { page } = session;
      await reach(page);
      await page.evaluate(axeSource);
      const violations = await page.evaluate(async () => {
        // eslint-disable-next-line no-undef
        const report = await axe.run(document, { resultTypes: ['violations'] });
        return report.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
      });
      assert.deepEqual(violations, []);
    });
  }
});
