// The Orvane page: draws the program's window tree from the snapshots the program publishes
// (server-sent events) and sends every tap, key, typed character and choice back as the
// platform's input. The program owns all state: the page never changes what it shows by itself,
// it only redraws what the next snapshot says.
'use strict';

(() => {
  const screenEl = document.getElementById('screen');
  const deviceEl = document.getElementById('device');
  const taskbarEl = document.getElementById('taskbar');
  const taskbarTitle = document.getElementById('taskbar-title');
  const clockEl = document.getElementById('clock');
  const overlay = document.getElementById('overlay');
  const overlayText = document.getElementById('overlay-text');

  const SVG_NS = 'http://www.w3.org/2000/svg';
  const WS_BORDER = 0x00800000;
  const BS_TYPEMASK = 0x0f;
  const BS_BITMAP = 0x80;
  const BS_OWNERDRAW = 0x0b;
  const ES_MULTILINE = 0x0004;
  const ES_PASSWORD = 0x0020;
  const LVS_NOSCROLL = 0x2000;
  const LVS_NOCOLUMNHEADER = 0x4000;
  const CHECK_TYPES = new Set([0x2, 0x3, 0x4, 0x9]);
  const RADIO_TYPES = new Set([0x4, 0x9]);

  const state = {
    ui: null,
    version: 0,
    screenW: 0,
    screenH: 0,
    taskbar: 0,
    focusRequests: 0,
    ended: false,
  };
  // Window elements by handle; rebuilt pieces are keyed by what they show.
  const nodes = new Map();

  // ---------------------------------------------------------------- input

  let queue = Promise.resolve();
  let pending = 0;

  // Sends one input; inputs are delivered in the order they were made.
  function send(input) {
    pending++;
    document.body.dataset.pending = String(pending);
    const next = queue.then(async () => {
      try {
        const response = await fetch('/api/input', {
          method: 'POST',
          headers: { 'Content-Type': 'application/json' },
          body: JSON.stringify(input),
          credentials: 'same-origin',
        });
        const body = await response.json().catch(() => ({}));
        if (response.ok && body.version > state.version) await refresh();
        return body;
      } catch (error) {
        return { error: String(error) };
      } finally {
        pending--;
        document.body.dataset.pending = String(pending);
      }
    });
    queue = next.catch(() => {});
    return next;
  }

  // Catches up with the published screen when the event stream lags behind an input's answer.
  async function refresh() {
    try {
      const response = await fetch('/api/snapshot', { credentials: 'same-origin' });
      if (response.ok) apply(await response.json());
    } catch (error) {
      // The event stream reports a lost program.
    }
  }

  function screenPoint(event) {
    const box = screenEl.getBoundingClientRect();
    const factor = box.width / state.screenW || 1;
    // The screen element starts below the task bar; the program's coordinates start above it.
    return {
      x: Math.floor((event.clientX - box.left) / factor),
      y: Math.floor((event.clientY - box.top) / factor) + state.taskbar,
    };
  }

  function tapAt(x, y) {
    return send({ kind: 'tap', x, y });
  }

  function tapCentre(w) {
    const [l, t, r, b] = w.r;
    return tapAt(Math.floor((l + r) / 2), Math.floor((t + b) / 2));
  }

  // Keys by the page's names; digits and letters are keys too, other printable characters are
  // typed as characters.
  const KEY_NAMES = {
    Enter: 'Enter', Backspace: 'Backspace', Tab: 'Tab', Escape: 'Escape',
    ArrowLeft: 'Left', ArrowUp: 'Up', ArrowRight: 'Right', ArrowDown: 'Down',
    PageUp: 'PageUp', PageDown: 'PageDown', Home: 'Home', End: 'End', Delete: 'Delete',
  };

  function keyInput(event) {
    if (event.ctrlKey || event.metaKey || event.altKey) return null;
    if (KEY_NAMES[event.key]) return { kind: 'key', key: KEY_NAMES[event.key] };
    if (event.key.length === 1) {
      if (/^[0-9]$/.test(event.key)) return { kind: 'key', key: event.key };
      return { kind: 'chars', text: event.key };
    }
    return null;
  }

  function onKeyDown(event) {
    if (state.ended) return;
    const target = event.target;
    // A page's own list of choices keeps its keys.
    if (target && target.tagName === 'SELECT') return;
    const input = keyInput(event);
    if (!input) return;
    event.preventDefault();
    send(input);
  }
  document.addEventListener('keydown', onKeyDown);

  // ---------------------------------------------------------------- drawing helpers

  function esc(text) {
    return String(text).replace(/[&<>"']/g, (c) => ({
      '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;',
    })[c]);
  }

  function bitmapUrl(id) {
    return '/api/bitmap/' + id;
  }

  function fontStyle(font) {
    return `font-size:${font.px}px;font-weight:${font.bold ? 'bold' : 'normal'}`;
  }

  // The display list as SVG markup: fills, outlined rectangles, lines, text as text, bitmaps.
  function drawingMarkup(commands) {
    let out = '';
    for (const c of commands) {
      switch (c.k) {
        case 'fill': {
          const [l, t, r, b] = c.r;
          if (r > l && b > t) out += `<rect x="${l}" y="${t}" width="${r - l}" height="${b - t}" fill="${c.fill}"/>`;
          break;
        }
        case 'rect': {
          const [l, t, r, b] = c.r;
          if (r <= l || b <= t) break;
          if (c.fill) out += `<rect x="${l}" y="${t}" width="${r - l}" height="${b - t}" fill="${c.fill}"/>`;
          if (c.line) {
            const lw = Math.max(1, c.lw);
            const h = lw / 2;
            out += `<rect x="${l + h}" y="${t + h}" width="${Math.max(0, r - l - lw)}" height="${Math.max(0, b - t - lw)}" fill="none" stroke="${c.line}" stroke-width="${lw}"/>`;
          }
          break;
        }
        case 'line': {
          const [x1, y1, x2, y2] = c.r;
          const lw = Math.max(1, c.lw);
          const o = lw % 2 ? 0.5 : 0;
          // The end point itself is not drawn.
          const dx = Math.sign(x2 - x1);
          const dy = Math.sign(y2 - y1);
          if (y1 === y2) {
            out += `<line x1="${x1}" y1="${y1 + o}" x2="${x2}" y2="${y2 + o}" stroke="${c.line}" stroke-width="${lw}"/>`;
          } else if (x1 === x2) {
            out += `<line x1="${x1 + o}" y1="${y1}" x2="${x2 + o}" y2="${y2}" stroke="${c.line}" stroke-width="${lw}"/>`;
          } else {
            out += `<line x1="${x1 + o}" y1="${y1 + o}" x2="${x2 + o - dx}" y2="${y2 + o - dy}" stroke="${c.line}" stroke-width="${lw}" shape-rendering="auto"/>`;
          }
          break;
        }
        case 'text': {
          const f = c.font;
          if (c.bg) out += `<rect x="${c.x}" y="${c.y}" width="${c.tw}" height="${f.lh}" fill="${c.bg}"/>`;
          let body = esc(c.t);
          if (c.u >= 0 && c.u < c.t.length) {
            body = esc(c.t.slice(0, c.u)) + `<tspan text-decoration="underline">${esc(c.t[c.u])}</tspan>` + esc(c.t.slice(c.u + 1));
          }
          out += `<text x="${c.x}" y="${c.y + f.ascent}" fill="${c.color}" style="${fontStyle(f)}" data-w="${c.tw}">${body}</text>`;
          break;
        }
        case 'bmp': {
          const [l, t, r, b] = c.r;
          const [sl, st, sr, sb] = c.src;
          const href = bitmapUrl(c.id);
          if (c.bw && c.bh && (sl !== 0 || st !== 0 || sr !== c.bw || sb !== c.bh)) {
            out += `<svg x="${l}" y="${t}" width="${r - l}" height="${b - t}" viewBox="${sl} ${st} ${sr - sl} ${sb - st}" preserveAspectRatio="none"><image href="${href}" width="${c.bw}" height="${c.bh}" preserveAspectRatio="none"/></svg>`;
          } else {
            out += `<image href="${href}" x="${l}" y="${t}" width="${r - l}" height="${b - t}" preserveAspectRatio="none" shape-rendering="auto"/>`;
          }
          break;
        }
        default:
          break;
      }
    }
    return out;
  }

  function clientSize(w) {
    const b = w.border || 0;
    return { w: Math.max(0, w.r[2] - w.r[0] - 2 * b), h: Math.max(0, w.r[3] - w.r[1] - 2 * b) };
  }

  function windowText(text) {
    // "&" marks the next character as the mnemonic; "&&" is an ampersand.
    return String(text).replace(/&(.)/g, '$1');
  }

  // ---------------------------------------------------------------- windows

  function controlKind(w) {
    if (!w.ctl) return '';
    const kind = w.ctl.kind;
    if (kind === 'button') {
      const type = w.style & BS_TYPEMASK;
      if (type === BS_OWNERDRAW) return 'drawn';
      if (CHECK_TYPES.has(type)) return 'check';
      if ((w.style & BS_BITMAP) && w.ctl.bitmap) return 'picture';
      return 'button';
    }
    if (kind === 'static') return 'drawn';
    return kind;
  }

  function makeNode(w, kind) {
    const el = document.createElement('div');
    el.className = 'win';
    el.dataset.h = String(w.h);
    el.dataset.cls = w.cls;
    const node = { el, kind, h: w.h, w, drawKey: null, svg: null, ctl: null, ctlKey: null, kids: [] };
    el.addEventListener('pointerdown', (event) => onWindowPointer(node, event));
    return node;
  }

  // A tap on a window's own area (not on a control that handles its own input).
  function onWindowPointer(node, event) {
    if (event.button !== 0 || state.ended) return;
    if (event.target.closest('.win') !== node.el) return;
    if (node.ctl && node.ctl.contains(event.target) && node.ownInput) return;
    event.preventDefault();
    const p = screenPoint(event);
    tapAt(p.x, p.y);
  }

  function renderWindow(w, parentEl, origin) {
    const kind = controlKind(w);
    let node = nodes.get(w.h);
    if (!node || node.kind !== kind) {
      if (node) node.el.remove();
      node = makeNode(w, kind);
      nodes.set(w.h, node);
    }
    node.w = w;
    node.seen = renderPass;
    const el = node.el;
    const [l, t, r, b] = w.r;
    el.style.left = `${l - origin.x}px`;
    el.style.top = `${t - origin.y}px`;
    el.style.width = `${r - l}px`;
    // A combo box's face is its closed field, whatever height it was laid out with (that is the
    // dropped list's room).
    const faceHeight = kind === 'combobox' ? (w.ctl.itemHeight || 13) + 6 : b - t;
    el.style.height = `${faceHeight}px`;
    el.classList.toggle('b1', w.border === 1);
    el.classList.toggle('b2', w.border >= 2);
    el.classList.toggle('disabled', !w.enabled && !!w.ctl);
    el.classList.toggle('messagebox', w.cls === 'OrvaneMessageBox');
    el.dataset.text = w.text;
    el.dataset.id = String(w.id);
    if (w.ctl) el.dataset.kind = w.ctl.kind;
    el.dataset.focused = w.focused ? '1' : '0';
    const client = clientSize(w);

    // The window's own drawing (controls drawn as elements skip it).
    const drawsItself = kind === '' || kind === 'drawn';
    const drawKey = drawsItself ? JSON.stringify(w.draw) + client.w + 'x' + client.h : '';
    if (drawKey !== node.drawKey) {
      node.drawKey = drawKey;
      if (drawsItself) {
        if (!node.svg) {
          node.svg = document.createElementNS(SVG_NS, 'svg');
          node.svg.setAttribute('class', 'draw');
          el.prepend(node.svg);
        }
        node.svg.setAttribute('width', client.w);
        node.svg.setAttribute('height', client.h);
        node.svg.setAttribute('viewBox', `0 0 ${client.w} ${client.h}`);
        node.svg.innerHTML = drawingMarkup(w.draw);
      } else if (node.svg) {
        node.svg.remove();
        node.svg = null;
      }
    }

    if (kind && kind !== 'drawn') renderControl(node, w, kind, client);

    // Children, bottom of the z-order first so that the top one is drawn last.
    const childOrigin = { x: l + (w.border || 0), y: t + (w.border || 0) };
    const kids = [];
    for (let i = w.kids.length - 1; i >= 0; i--) {
      kids.push(renderWindow(w.kids[i], el, childOrigin));
    }
    placeChildren(el, kids.map((k) => k.el), node.ctl, node.svg);
    if (el.parentNode !== parentEl) parentEl.appendChild(el);
    return node;
  }

  // Keeps an element's window children in the given order after its drawing and control.
  function placeChildren(el, wanted, ctl, svg) {
    const wantedSet = new Set(wanted);
    for (const child of Array.from(el.children)) {
      if (child.classList.contains('win') && !wantedSet.has(child)) child.remove();
    }
    let anchor = ctl && ctl.parentNode === el ? ctl : (svg && svg.parentNode === el ? svg : null);
    for (const child of wanted) {
      const expected = anchor ? anchor.nextSibling : el.firstChild;
      if (expected !== child) el.insertBefore(child, expected);
      anchor = child;
    }
  }

  // ---------------------------------------------------------------- controls

  function setControl(node, element, key) {
    if (node.ctl && node.ctl !== element) node.ctl.remove();
    node.ctl = element;
    node.ctlKey = key;
    if (element.parentNode !== node.el) {
      if (node.svg && node.svg.parentNode === node.el) node.svg.after(element);
      else node.el.prepend(element);
    }
  }

  function sizeTo(element, client) {
    element.style.width = `${client.w}px`;
    element.style.height = `${client.h}px`;
  }

  // The system font's size in CSS pixels (13 or 26 pixels of cell height).
  function systemFontPx() {
    return state.screenW >= 360 ? 22.34 : 11.17;
  }

  // The font a control draws its text with: its own drawing says, else the system font.
  function controlFont(w) {
    const text = w.draw.find((c) => c.k === 'text');
    return text ? text.font : { px: systemFontPx(), bold: false };
  }

  function applyFont(element, font) {
    element.style.fontSize = `${font.px}px`;
    element.style.fontWeight = font.bold ? 'bold' : 'normal';
  }

  function renderControl(node, w, kind, client) {
    switch (kind) {
      case 'button': return renderButton(node, w, client);
      case 'picture': return renderPicture(node, w, client);
      case 'check': return renderCheck(node, w, client);
      case 'edit': return renderEdit(node, w, client);
      case 'combobox': return renderCombo(node, w, client);
      case 'listbox': return renderListBox(node, w, client);
      case 'listview': return renderListView(node, w, client);
      case 'scrollbar': return renderScrollBar(node, w, client);
      case 'monthcal': return renderMonthCal(node, w, client);
      case 'htmlviewer': return renderViewer(node, w, client);
      default: return undefined;
    }
  }

  // A click on a control's element goes in as a tap at the window's centre; the program decides
  // what it does and the page shows what it then says.
  function tapsThrough(node, element) {
    element.addEventListener('click', (event) => {
      event.preventDefault();
      if (node.w.enabled) tapCentre(node.w);
    });
    node.ownInput = true;
    setControl(node, element, '');
  }

  function makeButton(className) {
    const button = document.createElement('button');
    button.className = className;
    button.type = 'button';
    button.tabIndex = -1;
    return button;
  }

  function renderButton(node, w, client) {
    let button = node.ctl;
    if (!button || button.tagName !== 'BUTTON' || button.classList.contains('picture')) {
      button = makeButton('ctl');
      tapsThrough(node, button);
    }
    sizeTo(button, client);
    applyFont(button, controlFont(w));
    button.textContent = windowText(w.text);
    button.disabled = !w.enabled;
    button.classList.toggle('pushed', !!w.ctl.pushed);
  }

  function renderPicture(node, w, client) {
    let button = node.ctl;
    if (!button || !button.classList.contains('picture')) {
      button = makeButton('ctl picture');
      const img = document.createElement('img');
      // A picture the program does not have leaves an empty button face, not a broken icon.
      img.addEventListener('error', () => img.classList.add('missing'));
      img.addEventListener('load', () => img.classList.remove('missing'));
      button.appendChild(img);
      tapsThrough(node, button);
    }
    sizeTo(button, client);
    const img = button.firstChild;
    const src = bitmapUrl(w.ctl.bitmap);
    if (img.getAttribute('src') !== src) img.setAttribute('src', src);
    img.alt = windowText(w.text);
    button.setAttribute('aria-label', windowText(w.text) || `picture ${w.ctl.bitmap}`);
    button.disabled = !w.enabled;
  }

  function renderCheck(node, w, client) {
    let label = node.ctl;
    const radio = RADIO_TYPES.has(w.style & BS_TYPEMASK);
    if (!label || label.tagName !== 'LABEL' || label.dataset.radio !== String(radio)) {
      label = document.createElement('label');
      label.className = 'ctl';
      label.dataset.radio = String(radio);
      const box = document.createElement('input');
      box.type = radio ? 'radio' : 'checkbox';
      box.tabIndex = -1;
      const text = document.createElement('span');
      label.append(box, text);
      // The program toggles the box.
      tapsThrough(node, label);
    }
    sizeTo(label, client);
    applyFont(label, controlFont(w));
    const box = label.firstChild;
    box.checked = w.ctl.check === 1;
    box.indeterminate = w.ctl.check === 2;
    box.disabled = !w.enabled;
    // The box and its text where the check box's own drawing puts them.
    const drawnBox = w.draw.find((c) => c.k === 'rect');
    const drawnText = w.draw.find((c) => c.k === 'text');
    const side = drawnBox ? drawnBox.r[2] - drawnBox.r[0] : Math.round(systemFontPx() * 0.9);
    box.style.width = box.style.height = `${Math.max(10, side)}px`;
    box.style.marginLeft = `${drawnBox ? drawnBox.r[0] : 0}px`;
    label.style.gap = `${drawnText && drawnBox ? Math.max(0, drawnText.x - drawnBox.r[2]) : 3}px`;
    label.lastChild.textContent = windowText(w.text);
  }

  function renderEdit(node, w, client) {
    const multi = (w.style & ES_MULTILINE) !== 0;
    let edit = node.ctl;
    const tag = multi ? 'TEXTAREA' : 'INPUT';
    if (!edit || edit.tagName !== tag) {
      edit = document.createElement(multi ? 'textarea' : 'input');
      edit.className = 'ctl';
      edit.spellcheck = false;
      edit.autocomplete = 'off';
      if (!multi) edit.type = (w.style & ES_PASSWORD) ? 'password' : 'text';
      edit.addEventListener('pointerdown', (event) => {
        if (event.button !== 0 || !node.w.enabled) return;
        const p = screenPoint(event);
        tapAt(p.x, p.y);
      });
      // Text reaches the program as keys and characters; the field shows what the program has.
      edit.addEventListener('beforeinput', (event) => {
        event.preventDefault();
        if (event.inputType === 'insertText' && event.data) send({ kind: 'chars', text: event.data });
        else if (event.inputType === 'deleteContentBackward') send({ kind: 'key', key: 'Backspace' });
        else if (event.inputType === 'insertLineBreak') send({ kind: 'key', key: 'Enter' });
      });
      edit.addEventListener('paste', (event) => {
        event.preventDefault();
        const text = (event.clipboardData && event.clipboardData.getData('text/plain')) || '';
        const clean = text.replace(/[\u0000-\u001f]/g, '').slice(0, 256);
        if (clean) send({ kind: 'chars', text: clean });
      });
      edit.addEventListener('drop', (event) => event.preventDefault());
      node.ownInput = true;
      setControl(node, edit, '');
    }
    sizeTo(edit, client);
    applyFont(edit, controlFont(w));
    if (edit.value !== w.text) edit.value = w.text;
    edit.readOnly = !!w.ctl.readOnly;
    edit.disabled = !w.enabled;
    edit.dataset.focused = w.focused ? '1' : '0';
    if (document.activeElement === edit) {
      const start = Math.min(w.ctl.selStart, edit.value.length);
      const end = Math.min(w.ctl.selEnd, edit.value.length);
      if (edit.selectionStart !== start || edit.selectionEnd !== end) {
        try { edit.setSelectionRange(start, end); } catch (error) { /* not a text field */ }
      }
    }
  }

  function renderCombo(node, w, client) {
    let select = node.ctl;
    if (!select || select.tagName !== 'SELECT') {
      select = document.createElement('select');
      select.className = 'ctl';
      select.addEventListener('change', () => {
        const index = select.selectedIndex;
        // Back to what the program says until its answer comes.
        select.selectedIndex = node.w.ctl.selected;
        if (index >= 0) send({ kind: 'choose', window: node.w.h, index });
      });
      node.ownInput = true;
      setControl(node, select, '');
    }
    const items = w.ctl.items;
    const key = JSON.stringify(items);
    if (select.dataset.items !== key) {
      select.dataset.items = key;
      select.replaceChildren(...items.map((text, i) => {
        const option = document.createElement('option');
        option.value = String(i);
        option.textContent = text;
        return option;
      }));
    }
    select.selectedIndex = w.ctl.selected;
    select.disabled = !w.enabled;
    // The closed field; what lies below it is the dropped list's room, not the control's face.
    const field = (w.ctl.itemHeight || 13) + 6 - 2 * (w.border || 0);
    select.style.width = `${client.w}px`;
    select.style.height = `${field}px`;
    applyFont(select, controlFont(w));
  }

  function renderListBox(node, w, client) {
    let list = node.ctl;
    if (!list || !list.classList.contains('listbox')) {
      list = document.createElement('div');
      list.className = 'ctl list listbox';
      list.setAttribute('role', 'listbox');
      // A tap on a row goes in as a tap at that point, as the list's own handling expects.
      list.addEventListener('pointerdown', (event) => {
        if (event.button !== 0 || !node.w.enabled) return;
        event.preventDefault();
        const p = screenPoint(event);
        tapAt(p.x, p.y);
      });
      node.ownInput = true;
      setControl(node, list, '');
    }
    sizeTo(list, client);
    const c = w.ctl;
    const rowHeight = c.itemHeight || systemFontPx() + 3;
    const key = JSON.stringify([c.items, c.selected, c.top, rowHeight]);
    if (node.ctlKey !== key) {
      node.ctlKey = key;
      list.style.fontSize = `${systemFontPx()}px`;
      list.replaceChildren(...c.items.slice(c.top).map((text, i) => {
        const row = document.createElement('div');
        row.className = 'row' + (i + c.top === c.selected ? ' sel' : '');
        row.setAttribute('role', 'option');
        row.style.height = `${rowHeight}px`;
        const cell = document.createElement('div');
        cell.className = 'cell';
        cell.textContent = text;
        row.appendChild(cell);
        return row;
      }));
    }
  }

  function renderListView(node, w, client) {
    let list = node.ctl;
    if (!list || !list.classList.contains('listview')) {
      list = document.createElement('div');
      list.className = 'ctl list listview';
      list.setAttribute('role', 'listbox');
      list.addEventListener('click', (event) => {
        const row = event.target.closest('.row');
        if (!row || !node.w.enabled) return;
        send({ kind: 'choose', window: node.w.h, index: Number(row.dataset.index) });
      });
      list.addEventListener('dblclick', (event) => {
        const row = event.target.closest('.row');
        if (!row || !node.w.enabled) return;
        send({ kind: 'activate', window: node.w.h, index: Number(row.dataset.index) });
      });
      node.ownInput = true;
      setControl(node, list, '');
    }
    sizeTo(list, client);
    const c = w.ctl;
    list.classList.toggle('scrolls', (w.style & LVS_NOSCROLL) === 0);
    const key = JSON.stringify([c.columns, c.rows, c.itemHeight, w.style & LVS_NOCOLUMNHEADER, c.rowImages]);
    if (node.ctlKey !== key) {
      node.ctlKey = key;
      const columns = c.columns.length ? c.columns : [{ t: '', w: client.w, fmt: 0 }];
      const parts = [];
      if (!(w.style & LVS_NOCOLUMNHEADER) && c.columns.length) {
        const head = document.createElement('div');
        head.className = 'head';
        head.style.fontSize = `${systemFontPx()}px`;
        for (const col of columns) {
          const cell = document.createElement('div');
          cell.className = 'cell';
          cell.style.width = `${col.w}px`;
          cell.textContent = col.t;
          head.appendChild(cell);
        }
        parts.push(head);
      }
      c.rows.forEach((row, index) => {
        const rowEl = document.createElement('div');
        rowEl.className = 'row' + (row.selected ? ' sel' : '');
        rowEl.dataset.index = String(index);
        rowEl.setAttribute('role', 'option');
        rowEl.setAttribute('aria-selected', row.selected ? 'true' : 'false');
        rowEl.style.height = `${c.itemHeight}px`;
        row.cells.forEach((cellData, i) => {
          const cell = document.createElement('div');
          cell.className = 'cell';
          const col = columns[i] || columns[columns.length - 1];
          cell.style.width = `${i < columns.length ? col.w : 0}px`;
          cell.style.fontSize = `${cellData.font.px}px`;
          cell.style.fontWeight = cellData.font.bold ? 'bold' : 'normal';
          cell.style.color = cellData.color;
          cell.style.background = cellData.bg;
          if (col.fmt === 1) cell.style.justifyContent = 'flex-end';
          if (col.fmt === 2) cell.style.justifyContent = 'center';
          const image = i === 0 && c.rowImageW > 0 ? (c.rowImages || [])[row.image] : undefined;
          if (image) {
            // The row's small image at its own size, as the list draws it: 1 pixel in, and the
            // text 2 pixels after it.
            cell.style.paddingLeft = '1px';
            const pic = document.createElementNS(SVG_NS, 'svg');
            pic.setAttribute('class', 'row-image');
            pic.setAttribute('width', c.rowImageW);
            pic.setAttribute('height', c.rowImageH);
            const img = document.createElementNS(SVG_NS, 'image');
            img.setAttribute('href', bitmapUrl(image.bitmap));
            img.setAttribute('x', String(-image.left));
            pic.appendChild(img);
            cell.appendChild(pic);
            cell.appendChild(document.createTextNode(cellData.t));
          } else {
            cell.textContent = cellData.t;
          }
          rowEl.appendChild(cell);
        });
        parts.push(rowEl);
      });
      list.replaceChildren(...parts);
    }
    const wantedTop = c.top * c.itemHeight;
    if (node.lastTop !== c.top) {
      node.lastTop = c.top;
      list.scrollTop = wantedTop;
    }
  }

  function renderScrollBar(node, w, client) {
    const c = w.ctl;
    let bar = node.ctl;
    if (!bar || !bar.classList.contains('scrollbar')) {
      bar = document.createElement('div');
      bar.className = 'ctl scrollbar';
      const back = document.createElement('div');
      back.className = 'arrow back';
      const track = document.createElement('div');
      track.className = 'track';
      const thumb = document.createElement('div');
      thumb.className = 'thumb';
      track.appendChild(thumb);
      const fwd = document.createElement('div');
      fwd.className = 'arrow fwd';
      bar.append(back, track, fwd);
      const scroll = (code, pos) => send({ kind: 'scroll', window: node.w.h, code, pos: pos || 0 });
      back.addEventListener('pointerdown', (e) => { e.preventDefault(); scroll('lineup'); });
      fwd.addEventListener('pointerdown', (e) => { e.preventDefault(); scroll('linedown'); });
      track.addEventListener('pointerdown', (e) => {
        if (e.target === thumb) return;
        e.preventDefault();
        const box = thumb.getBoundingClientRect();
        const before = node.w.ctl.vertical ? e.clientY < box.top : e.clientX < box.left;
        scroll(before ? 'pageup' : 'pagedown');
      });
      thumb.addEventListener('pointerdown', (e) => {
        e.preventDefault();
        thumb.setPointerCapture(e.pointerId);
        const start = { x: e.clientX, y: e.clientY, pos: node.w.ctl.pos };
        const positionAt = (ev) => {
          const s = node.w.ctl;
          const trackBox = track.getBoundingClientRect();
          const length = s.vertical ? trackBox.height : trackBox.width;
          const thumbLength = s.vertical ? thumb.offsetHeight : thumb.offsetWidth;
          const range = Math.max(1, s.max - s.min + 1 - Math.max(s.page, 1) + 1);
          const delta = s.vertical ? ev.clientY - start.y : ev.clientX - start.x;
          const moved = Math.round(delta / Math.max(1, length - thumbLength) * (range - 1));
          return Math.max(s.min, Math.min(s.max - Math.max(s.page - 1, 0), start.pos + moved));
        };
        const up = (ev) => {
          thumb.removeEventListener('pointerup', up);
          scroll('thumbposition', positionAt(ev));
        };
        thumb.addEventListener('pointerup', up);
      });
      node.ownInput = true;
      setControl(node, bar, '');
    }
    sizeTo(bar, client);
    bar.classList.toggle('v', c.vertical);
    bar.classList.toggle('h', !c.vertical);
    const arrow = c.vertical ? client.w : client.h;
    const [back, track, fwd] = bar.children;
    back.textContent = c.vertical ? '▲' : '◀';
    fwd.textContent = c.vertical ? '▼' : '▶';
    for (const a of [back, fwd]) {
      a.style.width = c.vertical ? '100%' : `${arrow}px`;
      a.style.height = c.vertical ? `${arrow}px` : '100%';
    }
    const thumb = track.firstChild;
    const length = (c.vertical ? client.h : client.w) - 2 * arrow;
    const span = Math.max(1, c.max - c.min + 1);
    const page = Math.max(0, c.page);
    const thumbLength = page > 0 ? Math.max(8, Math.round(length * Math.min(1, page / span))) : Math.max(8, arrow);
    const travel = Math.max(0, length - thumbLength);
    const steps = Math.max(1, span - Math.max(page, 1));
    const offset = Math.round(travel * Math.min(1, Math.max(0, (c.pos - c.min) / steps)));
    if (c.vertical) {
      Object.assign(thumb.style, { left: '0', width: '100%', top: `${offset}px`, height: `${thumbLength}px` });
    } else {
      Object.assign(thumb.style, { top: '0', height: '100%', left: `${offset}px`, width: `${thumbLength}px` });
    }
  }

  const MONTHS = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August',
    'September', 'October', 'November', 'December'];

  function renderMonthCal(node, w, client) {
    const c = w.ctl;
    let cal = node.ctl;
    if (!cal || !cal.classList.contains('monthcal')) {
      cal = document.createElement('div');
      cal.className = 'ctl monthcal';
      cal.addEventListener('click', (event) => {
        const target = event.target;
        if (target.dataset.step) {
          const view = node.view;
          let month = view.month + Number(target.dataset.step);
          let year = view.year;
          if (month < 1) { month = 12; year--; }
          if (month > 12) { month = 1; year++; }
          node.view = { year, month };
          node.ctlKey = null;
          renderMonthCal(node, node.w, clientSize(node.w));
          return;
        }
        if (target.dataset.day && node.w.enabled) {
          send({ kind: 'date', window: node.w.h, year: Number(target.dataset.year),
            month: Number(target.dataset.month), day: Number(target.dataset.day) });
        }
      });
      node.ownInput = true;
      setControl(node, cal, '');
    }
    sizeTo(cal, client);
    const programDate = `${c.year}-${c.month}-${c.day}`;
    if (node.programDate !== programDate) {
      node.programDate = programDate;
      node.view = { year: c.year || 2000, month: c.month || 1 };
    }
    const key = JSON.stringify([node.view, programDate, client]);
    if (node.ctlKey === key) return;
    node.ctlKey = key;
    cal.style.fontSize = `${Math.max(10, Math.round(systemFontPx() * 0.85))}px`;
    const { year, month } = node.view;
    const first = new Date(Date.UTC(year, month - 1, 1));
    const startDay = first.getUTCDay();
    let html = `<div class="mc-head"><button type="button" data-step="-1" aria-label="previous month">◀</button><span>${MONTHS[month - 1]} ${year}</span><button type="button" data-step="1" aria-label="next month">▶</button></div><div class="mc-grid">`;
    for (const d of ['S', 'M', 'T', 'W', 'T', 'F', 'S']) html += `<div class="dow">${d}</div>`;
    for (let i = 0; i < 42; i++) {
      const date = new Date(Date.UTC(year, month - 1, 1 + i - startDay));
      const y = date.getUTCFullYear();
      const m = date.getUTCMonth() + 1;
      const d = date.getUTCDate();
      const classes = ['day'];
      if (m !== month) classes.push('other');
      if (y === c.year && m === c.month && d === c.day) classes.push('sel');
      html += `<div class="${classes.join(' ')}" data-year="${y}" data-month="${m}" data-day="${d}">${d}</div>`;
    }
    html += '</div>';
    cal.innerHTML = html;
  }

  // ---------------------------------------------------------------- the HTML viewer

  // The viewer shows the program's page text as it was built, after a short prelude that makes
  // image names resolve through the program (/api/image/NAME) and sets the handheld's font. The
  // frame runs no scripts (sandbox without allow-scripts); it keeps its origin so that this page
  // can catch link taps in it, which go back to the program and never navigate.
  function viewerPrelude(serial) {
    const zoom = state.screenW >= 360 ? 2 : 1;
    return `<meta name="orvane-page" content="${serial}"><base href="/api/image/">` +
      '<style>@font-face{font-family:"OrvaneSans";src:url("/static/fonts/DejaVuSans.ttf")}' +
      '@font-face{font-family:"OrvaneSans";font-weight:bold;src:url("/static/fonts/DejaVuSans-Bold.ttf")}' +
      `html{font-family:"OrvaneSans",sans-serif;font-size:11px;zoom:${zoom};font-kerning:none}` +
      'img.orvane-missing{visibility:hidden}</style>';
  }

  function renderViewer(node, w, client) {
    let frame = node.ctl;
    if (!frame || frame.tagName !== 'IFRAME') {
      frame = document.createElement('iframe');
      frame.className = 'ctl';
      frame.setAttribute('sandbox', 'allow-same-origin');
      frame.setAttribute('referrerpolicy', 'no-referrer');
      frame.setAttribute('title', 'Orvane page');
      frame.addEventListener('load', () => onViewerLoad(node, frame));
      node.ownInput = true;
      setControl(node, frame, '');
    }
    sizeTo(frame, client);
    const c = w.ctl;
    const page = c.complete ? c.page : '';
    if (frame.dataset.page !== page || !frame.srcdoc) {
      frame.dataset.page = page;
      frame.dataset.ready = '0';
      node.viewerReady = false;
      node.viewerSerial = (node.viewerSerial || 0) + 1;
      frame.srcdoc = viewerPrelude(node.viewerSerial) + page;
    } else if (node.viewerReady) {
      scrollViewer(node, frame);
    }
  }

  function onViewerLoad(node, frame) {
    const doc = frame.contentDocument;
    if (!doc) return;
    // A page replaced before it finished loading is not the one to show.
    const serial = doc.querySelector('meta[name="orvane-page"]');
    if (!serial || Number(serial.content) !== node.viewerSerial) return;
    node.viewerReady = true;
    frame.dataset.ready = '1';
    node.viewerAnchor = null;
    node.viewerLine = 0;
    for (const img of doc.images) {
      if (img.complete && img.naturalWidth === 0) img.classList.add('orvane-missing');
      img.addEventListener('error', () => img.classList.add('orvane-missing'));
    }
    doc.addEventListener('click', (event) => {
      const link = event.target.closest && event.target.closest('a[href]');
      if (!link) return;
      event.preventDefault();
      event.stopPropagation();
      if (!node.w.enabled || state.ended) return;
      send({ kind: 'link', window: node.w.h, target: link.getAttribute('href') });
    }, true);
    doc.addEventListener('submit', (event) => event.preventDefault(), true);
    doc.addEventListener('keydown', onKeyDown);
    scrollViewer(node, frame);
  }

  // The program's anchor and line scrolling.
  function scrollViewer(node, frame) {
    const c = node.w.ctl;
    const win = frame.contentWindow;
    const doc = frame.contentDocument;
    if (!win || !doc) return;
    if (c.anchor && c.anchor !== node.viewerAnchor) {
      node.viewerAnchor = c.anchor;
      const target = doc.getElementsByName(c.anchor)[0] || doc.getElementById(c.anchor);
      if (target) target.scrollIntoView({ block: 'start' });
    }
    if (c.scrollLine !== node.viewerLine) {
      const step = 14 * (state.screenW >= 360 ? 2 : 1);
      win.scrollBy(0, (c.scrollLine - node.viewerLine) * step);
      node.viewerLine = c.scrollLine;
    }
  }

  // ---------------------------------------------------------------- the whole screen

  let renderPass = 0;

  function apply(message) {
    if (!message || typeof message.version !== 'number' || message.version <= state.version) return;
    state.version = message.version;
    state.ui = message.ui;
    render();
    document.body.dataset.version = String(state.version);
  }

  function render() {
    const ui = state.ui;
    renderPass++;
    if (ui.screen.w !== state.screenW || ui.screen.h !== state.screenH) {
      state.screenW = ui.screen.w;
      state.screenH = ui.screen.h;
      document.body.dataset.screen = `${ui.screen.w}x${ui.screen.h}`;
      fitDevice();
    }
    const bar = ui.taskbarHidden ? 0 : ui.screen.taskbar;
    state.taskbar = bar;
    taskbarEl.hidden = bar === 0;
    taskbarEl.style.height = `${bar}px`;
    taskbarEl.style.width = `${ui.screen.w}px`;
    screenEl.style.width = `${ui.screen.w}px`;
    screenEl.style.height = `${ui.screen.h - bar}px`;
    screenEl.style.fontSize = `${systemFontPx()}px`;
    // The screen element starts below the task bar: top-level windows are placed from there.
    const origin = { x: 0, y: bar };
    const tops = [];
    for (let i = ui.windows.length - 1; i >= 0; i--) tops.push(renderWindow(ui.windows[i], screenEl, origin));
    placeChildren(screenEl, tops.map((n) => n.el), null, null);
    for (const [handle, node] of nodes) {
      if (node.seen !== renderPass) {
        node.el.remove();
        nodes.delete(handle);
      }
    }
    const foreground = ui.windows.find((w) => w.h === ui.foreground) || ui.windows[0];
    taskbarTitle.textContent = foreground && foreground.text ? foreground.text : 'Orvane';
    followFocus(ui);
  }

  // Typing goes where the program's focus is: an edit with the program's focus takes the page's.
  function followFocus(ui) {
    const node = nodes.get(ui.focus);
    const active = document.activeElement;
    const pageOwnsFocus = active && active !== document.body && !active.classList.contains('ctl');
    if (pageOwnsFocus) return;
    if (node && node.kind === 'edit' && node.ctl && active !== node.ctl) {
      node.ctl.focus({ preventScroll: true });
      const c = node.w.ctl;
      try { node.ctl.setSelectionRange(c.selStart, c.selEnd); } catch (error) { /* not text */ }
    } else if ((!node || node.kind !== 'edit') && active && active.classList.contains('ctl') &&
               (active.tagName === 'INPUT' || active.tagName === 'TEXTAREA')) {
      active.blur();
    }
  }

  function fitDevice() {
    const margin = 24;
    const w = state.screenW + 32;
    const h = state.screenH + 44;
    const factor = Math.min(1, (window.innerWidth - margin) / w, (window.innerHeight - margin) / h);
    deviceEl.style.transform = factor < 1 ? `scale(${factor})` : '';
  }
  window.addEventListener('resize', () => { if (state.screenW) fitDevice(); });

  function tick() {
    const now = new Date();
    clockEl.textContent = `${now.getHours()}:${String(now.getMinutes()).padStart(2, '0')}`;
  }
  tick();
  setInterval(tick, 15000);

  // ---------------------------------------------------------------- connection

  function showOverlay(text) {
    overlayText.textContent = text;
    overlay.hidden = !text;
  }

  function connect() {
    const events = new EventSource('/api/events');
    let failures = 0;
    events.addEventListener('snapshot', (event) => {
      failures = 0;
      showOverlay('');
      apply(JSON.parse(event.data));
    });
    events.addEventListener('focus', () => {
      state.focusRequests++;
      document.body.dataset.focusRequests = String(state.focusRequests);
      window.focus();
      deviceEl.classList.remove('attention');
      void deviceEl.offsetWidth;
      deviceEl.classList.add('attention');
      document.title = 'Orvane';
    });
    events.addEventListener('end', () => {
      state.ended = true;
      document.body.dataset.ended = '1';
      events.close();
      showOverlay('Orvane has ended. You can close this page.');
    });
    events.addEventListener('error', () => {
      if (state.ended) return;
      failures++;
      if (failures >= 2) showOverlay('Orvane is not answering. Is it still running?');
    });
  }

  showOverlay('Connecting to Orvane…');
  connect();
})();
