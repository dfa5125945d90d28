// The window on screens: its design geometry at 100 %, twice as large at
// 200 %, scaled to a phone's width; tooltips by mouse, keyboard and touch;
// and the end of the program.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import {
  boxOpen, browserName, click, designControls, focused, isShown, launch, openWindow, press,
  required, results, shown, skip, versionToolTip,
} from './support/harness.mjs';

const controls = designControls();
const twips = 15; // per CSS pixel at 100 %

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser?.close(); });

// Where every control is, relative to the window's client area, in CSS px.
async function geometry(page) {
  return page.evaluate((names) => {
    const win = document.getElementById('frmVeltrop');
    const w = win.getBoundingClientRect();
    // The client area's corner, past any frame the window draws; a scaled
    // window scales its frame too.
    const scale = win.offsetWidth ? w.width / win.offsetWidth : 1;
    const x0 = w.left + win.clientLeft * scale;
    const y0 = w.top + win.clientTop * scale;
    const placed = {};
    for (const name of names) {
      const r = document.getElementById(name).getBoundingClientRect();
      placed[name] = { left: r.left - x0, top: r.top - y0, width: r.width, height: r.height };
    }
    const root = document.documentElement;
    return {
      client: { width: win.clientWidth * scale, height: win.clientHeight * scale, right: w.right, bottom: w.bottom },
      placed,
      innerWidth: window.innerWidth,
      innerHeight: window.innerHeight,
      scrollWidth: root.scrollWidth,
      clientWidth: root.clientWidth,
    };
  }, controls.map((c) => c.name));
}

// Every control where the design puts it, all scaled by one factor.
function assertDesignLayout(geo, scale, tolerance) {
  assert.ok(Math.abs(geo.client.width - (3630 / twips) * scale) <= tolerance, `client width ${geo.client.width}`);
  assert.ok(Math.abs(geo.client.height - (2310 / twips) * scale) <= tolerance, `client height ${geo.client.height}`);
  for (const c of controls) {
    const got = geo.placed[c.name];
    for (const key of ['left', 'top', 'width', 'height']) {
      const want = (c[key] / twips) * scale;
      assert.ok(Math.abs(got[key] - want) <= tolerance, `${c.name} ${key} ${got[key]}, design ${want}`);
    }
  }
}

describe('geometry', () => {
  it('at 100 % the client area is 242 x 154 px with every control where the design puts it', async () => {
    const { context, page } = await openWindow(browser, { viewport: { width: 1280, height: 800 } });
    assertDesignLayout(await geometry(page), 1, 0.5);
    await context.close();
  });

  it('draws each control in its design font: Arial or a face of the same metrics', async () => {
    const { context, page } = await openWindow(browser, { viewport: { width: 1280, height: 800 } });
    await page.keyboard.type('1000');
    await click(page, 'cmdEnter');
    for (const c of controls) {
      const style = await page.$eval(`#${c.name}`, (e) => {
        const s = getComputedStyle(e);
        return { family: s.fontFamily.split(',')[0].trim().replace(/^["']|["']$/g, ''), size: s.fontSize, weight: Number(s.fontWeight) };
      });
      // Points to pixels at 96 dpi, rounded as the desktop windows round them.
      const px = Math.floor((c.font.centiPoints * 96 + 3600) / 7200);
      assert.deepEqual(style, { family: c.font.face, size: `${px}px`, weight: c.font.weight }, c.name);
    }
    if (browserName === 'chromium') {
      // The face actually drawn, where the browser says it.
      const cdp = await page.createCDPSession();
      await cdp.send('DOM.enable');
      await cdp.send('CSS.enable');
      const { root } = await cdp.send('DOM.getDocument');
      for (const c of controls.filter((x) => x.kind !== 'TextBox' && x.name !== 'lblCopyRight')) {
        const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector: `#${c.name}` });
        const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
        const faces = fonts.map((f) => f.familyName);
        assert.ok(faces.length > 0 && faces.every((f) => ['Arial', 'Liberation Sans', 'Arimo'].includes(f)),
          `${c.name} drawn in ${faces.join(', ')}`);
      }
    }
    await context.close();
  });

  it('at 200 % the window keeps its layout and is drawn with twice the pixels', async () => {
    // A 1280 x 800 browser window zoomed to 200 %: 640 x 400 CSS px, two
    // device pixels to each.
    const viewport = { width: 640, height: 400, deviceScaleFactor: 2 };
    const { context, page } = await openWindow(browser, { viewport });
    assertDesignLayout(await geometry(page), 1, 0.5);
    const png = await (await page.$('#frmVeltrop')).screenshot({ captureBeyondViewport: false });
    // The PNG header's width and height.
    const size = [png.readUInt32BE(16), png.readUInt32BE(20)];
    const win = await page.$eval('#frmVeltrop', (e) => [e.offsetWidth * 2, e.offsetHeight * 2]);
    assert.deepEqual(size, win);
    await context.close();
  });

  // Phone screens: the window scaled up uniformly to the width, never past
  // the height, nothing moved against anything else, nothing to scroll sideways.
  const phones = [
    { name: 'phone, 360 px wide', width: 360, height: 740, minScale: 0.85 * (360 / 242) },
    { name: 'small phone, 320 px wide', width: 320, height: 568, minScale: 0.85 * (320 / 242) },
    { name: 'large phone, 430 px wide', width: 430, height: 932, minScale: 0.85 * (430 / 242) },
    { name: 'phone on its side', width: 740, height: 360, minScale: 1 },
  ];
  for (const phone of phones) {
    it(`on a ${phone.name} the window fills the width it can`, async () => {
      const viewport = {
        width: phone.width, height: phone.height, deviceScaleFactor: 3, isMobile: true, hasTouch: true,
      };
      const { context, page } = await openWindow(browser, { viewport });
      const geo = await geometry(page);
      assert.equal(geo.innerWidth, phone.width, 'the page was zoomed out to fit something wider');
      assert.ok(geo.scrollWidth <= geo.clientWidth, `scrolls sideways: ${geo.scrollWidth} > ${geo.clientWidth}`);
      const scale = geo.client.width / (3630 / twips);
      assert.ok(scale >= phone.minScale, `scale ${scale.toFixed(3)} below ${phone.minScale.toFixed(3)}`);
      assert.ok(geo.client.right <= phone.width + 0.5, `right edge ${geo.client.right}`);
      assert.ok(geo.client.height <= phone.height + 0.5, `height ${geo.client.height}`);
      assertDesignLayout(geo, scale, 1);
      await context.close();
    });
  }
});

describe('tooltips', () => {
  const expected = Object.fromEntries(controls.filter((c) => c.toolTip).map((c) => [c.name, c.toolTip]));
  expected.lblCopyRight = versionToolTip();

  const tipFor = (page, name) =>
    page.evaluate((id) => {
      const tip = document.getElementById('tooltip');
      const control = document.getElementById(id);
      const described = (control.getAttribute('aria-describedby') ?? '').split(/\s+/);
      return tip && tip.checkVisibility() && described.includes('tooltip') ? tip.textContent : null;
    }, name);
  const waitTip = async (page, name, text) => {
    try {
      await page.waitForFunction(
        (id, want) => {
          const tip = document.getElementById('tooltip');
          const described = (document.getElementById(id).getAttribute('aria-describedby') ?? '').split(/\s+/);
          return tip?.checkVisibility() && tip.textContent === want && described.includes('tooltip');
        },
        { timeout: 10000 },
        name,
        text,
      );
    } catch {
      assert.fail(`${name}: tooltip ${JSON.stringify(await tipFor(page, name))}, want ${JSON.stringify(text)}`);
    }
  };
  const tipHidden = (page) =>
    page.evaluate(() => !document.getElementById('tooltip')?.checkVisibility());

  // Pointer rests near the left end of each control: for lblCopyRight that
  // is the blank strip, far from any caption.
  const pointAt = (page, name) =>
    page.$eval(`#${name}`, (e) => {
      const r = e.getBoundingClientRect();
      return { x: r.left + Math.min(6, r.width / 4), y: r.top + r.height / 2 };
    });

  it('each shows on hover, the version tooltip on the blank version strip, and goes with the pointer', async () => {
    const { context, page } = await openWindow(browser);
    for (const [name, text] of Object.entries(expected)) {
      const at = await pointAt(page, name);
      await page.mouse.move(at.x, at.y);
      await waitTip(page, name, text);
      await page.mouse.move(1, 1);
      await page.waitForFunction(() => !document.getElementById('tooltip')?.checkVisibility(), { timeout: 10000 });
    }
    // Controls the design gives no tooltip show none.
    for (const name of ['lblTitle', 'cmdExit', 'lblCVa']) {
      const at = await pointAt(page, name);
      await page.mouse.move(at.x, at.y);
      await new Promise((r) => setTimeout(r, 1000));
      assert.equal(await tipHidden(page), true, `${name} showed a tooltip`);
    }
    await context.close();
  });

  it('shows on keyboard focus, for the control with the focus', async () => {
    const { context, page } = await openWindow(browser);
    await press(page, 'Tab');
    await waitTip(page, 'cmdEnter', expected.cmdEnter);
    await press(page, 'Tab');
    await waitTip(page, 'cmdClear', expected.cmdClear);
    await press(page, 'Tab');
    await page.waitForFunction(() => !document.getElementById('tooltip')?.checkVisibility(), { timeout: 10000 });
    await press(page, 'Tab');
    await waitTip(page, 'txtInput', expected.txtInput);
    await context.close();
  });

  it('shows by touch, a tap or a long press, and a tap works like a click', async (t) => {
    const viewport = { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
    const { context, page } = await openWindow(browser, { viewport });
    const centre = (name) =>
      page.$eval(`#${name}`, (e) => {
        const r = e.getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
      });
    try {
      let at = await centre('lblCV17');
      await page.touchscreen.tap(at.x, at.y);
    } catch (error) {
      skip(t, `${browserName} takes no touch input through puppeteer here (${error.message})`);
      await context.close();
      return;
    }
    await waitTip(page, 'lblCV17', expected.lblCV17);
    const strip = await pointAt(page, 'lblCopyRight');
    await page.touchscreen.touchStart(strip.x, strip.y);
    await new Promise((r) => setTimeout(r, 800));
    await page.touchscreen.touchEnd();
    await waitTip(page, 'lblCopyRight', expected.lblCopyRight);
    for (const [name, type] of [['txtInput', '1000'], ['cmdEnter', '']]) {
      const at = await centre(name);
      await page.touchscreen.tap(at.x, at.y);
      if (type) await page.keyboard.type(type);
    }
    assert.deepEqual(await results(page), [' 195', ' 232']);
    await context.close();
  });
});

describe('around the window', () => {
  it('the page shows the guide to the values and the version', async () => {
    const { context, page } = await openWindow(browser);
    assert.equal(await isShown(page, 'guide'), true);
    const guide = await shown(page, 'guide');
    // What to write where: the two values, CV29's long-address bit, the
    // short address CV1 and the consist address CV19.
    for (const cv of ['CV17', 'CV18', 'CV29', 'CV1', 'CV19']) {
      assert.match(guide, new RegExp(`\\b${cv}\\b`), `the guide never names ${cv}`);
    }
    assert.equal(await isShown(page, 'version'), true);
    assert.ok((await shown(page, 'version')).includes(required('VELTROP_RELEASE_VERSION')));
    await context.close();
  });
});

describe('exit', () => {
  const ways = [
    ['the mouse', (page) => click(page, 'cmdExit')],
    ['the keyboard', async (page) => {
      for (let i = 0; i < 3; i += 1) await press(page, 'Tab');
      await press(page, ' ');
    }],
  ];
  for (const [how, exit] of ways) {
    it(`by ${how}: the window goes, the page says so, nothing answers, and it starts again`, async () => {
      // Opened after another page, as a tab the user navigated: one the
      // page may not close.
      const { context, page } = await openWindow(browser);
      await page.keyboard.type('7');
      await exit(page);
      await page.waitForFunction(() => document.getElementById('ended')?.checkVisibility(), { timeout: 10000 });
      assert.equal(await isShown(page, 'frmVeltrop'), false);
      assert.match(await shown(page, 'ended'), /ended/i);
      assert.equal(await isShown(page, 'restart'), true);
      await page.keyboard.type('12');
      await new Promise((r) => setTimeout(r, 200));
      assert.equal(await isShown(page, 'frmVeltrop'), false);
      assert.equal(await boxOpen(page), false);
      assert.equal(await isShown(page, 'tooltip'), false);

      await click(page, 'restart');
      await page.waitForFunction(() => document.getElementById('frmVeltrop')?.checkVisibility(), { timeout: 10000 });
      await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
      await page.evaluate(() => window.veltropReady);
      assert.equal(await isShown(page, 'ended'), false);
      assert.equal(await shown(page, 'txtInput'), '');
      assert.deepEqual(await results(page), ['', '']);
      assert.equal(await focused(page), 'txtInput');
      await page.keyboard.type('3');
      await click(page, 'cmdEnter');
      assert.deepEqual(await results(page), [' 192', ' 3']);
      await context.close();
    });
  }
});
