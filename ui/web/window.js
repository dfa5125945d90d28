// The page side of the calculator window: it makes the elements the
// program asks for, hands the program the DOM's events, and draws the
// tooltips, the message box and the scale. Runs ahead of the program, in
// the same script; the program's calls arrive through VeltropPage.
var VeltropPage = (function () {
  'use strict';

  var byId = function (id) { return document.getElementById(id); };
  var frm = null;          // the window's client area
  var ended = false;       // after Exit nothing answers
  var stashed = '';        // a string on its way into the program
  var toolTips = new Map();
  var keyboardFocus = false;  // the last focus move came from the keyboard
  var call = function (name, argument) {
    if (!ended) Module['_veltrop_' + name](argument);
  };

  // ---- strings between the page and the program

  // UTF-16 from the program's memory, lone halves of characters included.
  function text(pointer, length) {
    var units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
    var out = '';
    for (var i = 0; i < units.length; i += 4096) {
      out += String.fromCharCode.apply(null, units.subarray(i, i + 4096));
    }
    return out;
  }
  function stash(value) { stashed = value; return value.length; }
  function unstash(pointer, length) {
    for (var i = 0; i < length; i += 1) HEAPU16[(pointer >> 1) + i] = stashed.charCodeAt(i);
    stashed = '';
  }

  // ---- tooltips: hover, keyboard focus, touch

  var tip = null, tipOwner = null, hoverTimer = 0, touchTimer = 0, hideTimer = 0;
  var pointer = { x: 0, y: 0 }, touch = null, suppressClick = false;

  function hideTip() {
    clearTimeout(hoverTimer);
    clearTimeout(hideTimer);
    if (tipOwner) tipOwner.removeAttribute('aria-describedby');
    tipOwner = null;
    if (tip) tip.hidden = true;
  }
  // Shows el's tooltip with its top left at (x, y), kept on the screen;
  // above the control where there is no room below.
  function showTip(el, x, y, autoHide) {
    var value = toolTips.get(el);
    if (!value || ended || (frm && frm.inert)) return;
    hideTip();
    tip.textContent = value;
    tip.style.left = '0px';
    tip.style.top = '0px';
    tip.hidden = false;
    el.setAttribute('aria-describedby', tip.id);
    tipOwner = el;
    var size = tip.getBoundingClientRect();
    var width = document.documentElement.clientWidth, height = window.innerHeight;
    var left = Math.max(2, Math.min(x, width - size.width - 2));
    var top = y + size.height > height - 2 ? el.getBoundingClientRect().top - size.height - 2 : y;
    tip.style.left = left + 'px';
    tip.style.top = Math.max(2, top) + 'px';
    if (autoHide) hideTimer = setTimeout(hideTip, 4000);
  }
  function showTipBelow(el, autoHide) {
    var box = el.getBoundingClientRect();
    showTip(el, box.left, box.bottom + 2, autoHide);
  }

  function wireToolTip(el) {
    el.addEventListener('pointerenter', function (e) {
      if (e.pointerType !== 'mouse') return;
      clearTimeout(hoverTimer);
      hoverTimer = setTimeout(function () { showTip(el, pointer.x, pointer.y + 20); }, 500);
    });
    el.addEventListener('pointerleave', function (e) {
      if (e.pointerType !== 'mouse') return;
      clearTimeout(hoverTimer);
      if (tipOwner === el) hideTip();
    });
    el.addEventListener('pointerdown', function (e) {
      suppressClick = false;
      if (e.pointerType === 'mouse') { hideTip(); return; }
      // A long press shows the tooltip and clicks nothing; a tap on a
      // control without an action of its own shows it too.
      touch = { el: el, x: e.clientX, y: e.clientY, long: false };
      clearTimeout(touchTimer);
      touchTimer = setTimeout(function () {
        touch.long = true;
        suppressClick = el.tagName === 'BUTTON';
        showTipBelow(el, true);
      }, 500);
    });
    el.addEventListener('pointermove', function (e) {
      if (touch && touch.el === el && Math.abs(e.clientX - touch.x) + Math.abs(e.clientY - touch.y) > 12) {
        clearTimeout(touchTimer);
      }
    });
    el.addEventListener('pointerup', function (e) {
      if (e.pointerType === 'mouse' || !touch || touch.el !== el) return;
      clearTimeout(touchTimer);
      if (!touch.long && el.tagName !== 'BUTTON') showTipBelow(el, true);
      touch = null;
    });
    el.addEventListener('pointercancel', function () { clearTimeout(touchTimer); touch = null; });
  }

  // ---- the window

  function createWindow(name, caption, style) {
    tip = byId('tooltip');
    byId('caption').textContent = caption;
    document.title = caption;
    frm = document.createElement('div');
    frm.id = name;
    frm.style.cssText = style;
    byId('frame').appendChild(frm);

    frm.addEventListener('pointermove', function (e) { pointer.x = e.clientX; pointer.y = e.clientY; });
    // A click on a label or on the window's ground leaves the focus where
    // it is, as on the desktop.
    frm.addEventListener('mousedown', function (e) {
      if (e.target.tagName !== 'INPUT' && e.target.tagName !== 'BUTTON') e.preventDefault();
    });
    frm.addEventListener('click', function (e) {
      if (e.target.tagName === 'LABEL') e.preventDefault();
      if (suppressClick) {
        suppressClick = false;
        e.preventDefault();
        e.stopPropagation();
      }
    }, true);
    frm.addEventListener('contextmenu', function (e) {
      if (e.target.tagName !== 'INPUT') e.preventDefault();
    });
    // Tab and Shift+Tab go round the window's controls.
    frm.addEventListener('keydown', function (e) {
      if (e.key !== 'Tab' || e.altKey || e.ctrlKey || e.metaKey) return;
      var controls = Array.prototype.slice.call(frm.querySelectorAll('input, button'));
      var at = controls.indexOf(document.activeElement);
      var to = e.shiftKey ? (at <= 0 ? controls.length - 1 : -1) : (at === controls.length - 1 ? 0 : -1);
      if (to >= 0) {
        e.preventDefault();
        controls[to].focus();
      }
    });
    frm.addEventListener('focusin', function (e) {
      if (keyboardFocus) showTipBelow(e.target, false);
    });
    frm.addEventListener('focusout', function (e) {
      if (tipOwner === e.target) hideTip();
    });
  }

  function createControl(index, id, tag, style, value, toolTip) {
    var el = document.createElement(tag);
    el.id = id;
    el.style.cssText = style;
    if (tag === 'input') el.value = value; else el.textContent = value;
    if (toolTip) toolTips.set(el, toolTip);
    frm.appendChild(el);
    wireToolTip(el);
    if (tag === 'button') {
      // The click takes the focus first, in every browser, so that the
      // box's focus loss comes before the click.
      el.addEventListener('mousedown', function (e) { if (e.button === 0) el.focus(); });
      el.addEventListener('click', function () { call('clicked', index); });
    } else if (tag === 'input') {
      el.addEventListener('input', function (e) { if (!e.isComposing) call('input_edited'); });
      el.addEventListener('compositionend', function () { call('input_edited'); });
      el.addEventListener('paste', function (e) {
        var data = e.clipboardData || window.clipboardData;
        if (!data) return;
        e.preventDefault();
        VeltropPage.pendingPaste = data.getData('text') || '';
        call('input_pasted');
        VeltropPage.pendingPaste = '';
      });
      el.addEventListener('dragover', function (e) { e.preventDefault(); });
      el.addEventListener('drop', function (e) { e.preventDefault(); });
      // Where the focus went: another control of the window, or away with
      // the page or the browser window (which the program does not read at).
      el.addEventListener('focusout', function (e) {
        call('input_focus_lost', e.relatedTarget && frm.contains(e.relatedTarget) ? 1 : 0);
      });
    }
  }

  function setToolTip(id, value) {
    var el = byId(id);
    toolTips.set(el, value);
    if (tipOwner === el) tip.textContent = value;
  }

  // ---- the modal message box

  function messageBox(message, title, icon) {
    hideTip();
    var box = byId('msgBox'), ok = byId('msgBoxOk');
    byId('msgBoxTitle').textContent = title;
    byId('msgBoxText').textContent = message;
    box.setAttribute('data-icon', icon);
    frm.inert = true;
    return new Promise(function (resolve) {
      function close() {
        box.removeEventListener('keydown', onKey);
        box.removeEventListener('keyup', onKeyUp);
        box.removeEventListener('cancel', onCancel);
        ok.removeEventListener('click', close);
        if (box.close) box.close(); else box.removeAttribute('open');
        frm.inert = false;
        resolve();
      }
      // Return and Escape close it at once; Space when it is let go, as a
      // button takes it (and not every browser clicks OK for it here).
      var spaceDown = false;
      function onKey(e) {
        if (e.key === 'Enter' || e.key === 'Escape' || e.key === 'Esc') {
          e.preventDefault();
          close();
        } else if (e.key === ' ' || e.key === 'Spacebar') {
          e.preventDefault();
          spaceDown = true;
        }
      }
      function onKeyUp(e) {
        if ((e.key === ' ' || e.key === 'Spacebar') && spaceDown) {
          e.preventDefault();
          close();
        }
      }
      function onCancel(e) { e.preventDefault(); close(); }
      box.addEventListener('keydown', onKey);
      box.addEventListener('keyup', onKeyUp);
      box.addEventListener('cancel', onCancel);
      ok.addEventListener('click', close);
      if (box.showModal) box.showModal(); else box.setAttribute('open', '');
      ok.focus();
    });
  }

  // ---- end and start

  function closeWindow() {
    ended = true;
    hideTip();
    byId('desk').hidden = true;
  }
  function endProgram() {
    byId('ended').hidden = false;
    byId('restart').focus();
    // An installed app's window may be closed by the page; a tab the user
    // opened may not, and keeps the notice.
    var app = ['standalone', 'fullscreen', 'minimal-ui', 'window-controls-overlay'].some(function (mode) {
      return window.matchMedia('(display-mode: ' + mode + ')').matches;
    });
    if (app) window.close();
  }

  // ---- the scale: the design size on desktops; on phones and small
  // tablets the whole window scaled to the screen's width, as far as its
  // height allows.
  var phone = window.matchMedia('(max-width: 480px), (pointer: coarse) and (max-width: 1024px)');
  function fit() {
    var desk = byId('desk'), frame = byId('frame');
    if (!desk || !frame) return;
    if (!phone.matches && !frame.style.transform) return;  // nothing to measure
    frame.style.transform = '';
    var width = frame.offsetWidth, height = frame.offsetHeight;
    var around = window.getComputedStyle(desk.parentNode);
    var room = desk.parentNode.clientWidth - parseFloat(around.paddingLeft) - parseFloat(around.paddingRight);
    var scale = 1;
    if (phone.matches) {
      scale = Math.max(1, Math.min(room / width, (window.innerHeight - 16) / height));
    }
    frame.style.transform = scale === 1 ? '' : 'scale(' + scale + ')';
    desk.style.width = scale === 1 ? '' : width * scale + 'px';
    desk.style.height = scale === 1 ? '' : height * scale + 'px';
  }

  var resolveReady;
  window.veltropReady = new Promise(function (resolve) { resolveReady = resolve; });
  function ready() {
    fit();
    document.documentElement.dataset.state = 'ready';
    resolveReady();
    phone.addEventListener ? phone.addEventListener('change', fit) : phone.addListener(fit);
    if (location.protocol.indexOf('http') === 0 && 'serviceWorker' in navigator &&
        document.querySelector('link[rel="manifest"]')) {
      navigator.serviceWorker.register('sw.js').catch(function () {});
    }
  }

  document.addEventListener('DOMContentLoaded', function () {
    byId('restart').addEventListener('click', function () { location.reload(); });
  });
  document.addEventListener('keydown', function (e) {
    if (e.key === 'Tab' || e.key.indexOf('Arrow') === 0) keyboardFocus = true;
    if (e.key === 'Escape' || e.key === 'Esc') hideTip();
  }, true);
  document.addEventListener('pointerdown', function () { keyboardFocus = false; }, true);
  window.addEventListener('resize', function () { hideTip(); fit(); });
  window.addEventListener('scroll', hideTip, { passive: true });

  return {
    text: text, stash: stash, unstash: unstash, pendingPaste: '',
    createWindow: createWindow, createControl: createControl, setToolTip: setToolTip,
    messageBox: messageBox, closeWindow: closeWindow, endProgram: endProgram, ready: ready
  };
})();

// The program's WebAssembly is inside this script: compiled and started
// at once, while the page is read, as a module this small compiles in well
// under a millisecond; no fetch() of the data: URL, no turn of the event loop.
Module['instantiateWasm'] = function (imports, receive) {
  try {
    var prefix = 'data:application/octet-stream;base64,';
    var bytes = typeof Uint8Array.fromBase64 === 'function' && wasmBinaryFile.indexOf(prefix) === 0
      ? Uint8Array.fromBase64(wasmBinaryFile.slice(prefix.length)) : getBinary(wasmBinaryFile);
    var module = new WebAssembly.Module(bytes);
    var instance = new WebAssembly.Instance(module, imports);
    receive(instance, module);
    return instance.exports;
  } catch (error) {
    document.documentElement.dataset.state = 'failed';
    err('could not start: ' + error);
    return {};
  }
};
