// A window's display list as SVG markup: fills, outlined rectangles, lines, text as text (so that
// drawn text stays text) and the program's bitmaps. Only markup: the window tree places it.
import { line } from './line.js';

export const SVG_NS = 'http://www.w3.org/2000/svg';

export function esc(text) {
  return String(text).replace(/[&<>"']/g, (c) => ({
    '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;',
  })[c]);
}

export function bitmapUrl(id) {
  return line.bitmapUrl(id);
}

function fontStyle(font) {
  return `font-size:${font.px}px;font-weight:${font.bold ? 'bold' : 'normal'}`;
}

function rectMarkup([l, t, r, b], fill) {
  return `<rect x="${l}" y="${t}" width="${r - l}" height="${b - t}" fill="${fill}"/>`;
}

function lineMarkup(c) {
  const [x1, y1, x2, y2] = c.r;
  const lw = Math.max(1, c.lw);
  const o = lw % 2 ? 0.5 : 0;
  const stroke = `stroke="${c.line}" stroke-width="${lw}"`;
  if (y1 === y2) return `<line x1="${x1}" y1="${y1 + o}" x2="${x2}" y2="${y2 + o}" ${stroke}/>`;
  if (x1 === x2) return `<line x1="${x1 + o}" y1="${y1}" x2="${x2 + o}" y2="${y2}" ${stroke}/>`;
  // The end point itself is not drawn.
  const dx = Math.sign(x2 - x1);
  const dy = Math.sign(y2 - y1);
  return `<line x1="${x1 + o}" y1="${y1 + o}" x2="${x2 + o - dx}" y2="${y2 + o - dy}" ${stroke} shape-rendering="auto"/>`;
}

function textMarkup(c) {
  const f = c.font;
  let out = c.bg ? `<rect x="${c.x}" y="${c.y}" width="${c.tw}" height="${f.lh}" fill="${c.bg}"/>` : '';
  let body = esc(c.t);
  if (c.u >= 0 && c.u < c.t.length) {
    body = esc(c.t.slice(0, c.u)) + `<tspan text-decoration="underline">${esc(c.t[c.u])}</tspan>` + esc(c.t.slice(c.u + 1));
  }
  out += `<text x="${c.x}" y="${c.y + f.ascent}" fill="${c.color}" style="${fontStyle(f)}" data-w="${c.tw}">${body}</text>`;
  return out;
}

function bitmapMarkup(c) {
  const [l, t, r, b] = c.r;
  const [sl, st, sr, sb] = c.src;
  const href = bitmapUrl(c.id);
  if (c.bw && c.bh && (sl !== 0 || st !== 0 || sr !== c.bw || sb !== c.bh)) {
    return `<svg x="${l}" y="${t}" width="${r - l}" height="${b - t}" viewBox="${sl} ${st} ${sr - sl} ${sb - st}" preserveAspectRatio="none"><image href="${href}" width="${c.bw}" height="${c.bh}" preserveAspectRatio="none"/></svg>`;
  }
  return `<image href="${href}" x="${l}" y="${t}" width="${r - l}" height="${b - t}" preserveAspectRatio="none" shape-rendering="auto"/>`;
}

/** @param {import('./snapshot.js').DrawCommand[]} commands */
export function drawingMarkup(commands) {
  let out = '';
  for (const c of commands) {
    const [l, t, r, b] = c.r || [0, 0, 0, 0];
    const empty = r <= l || b <= t;
    switch (c.k) {
      case 'fill':
        if (!empty) out += rectMarkup(c.r, c.fill);
        break;
      case 'rect': {
        if (empty) break;
        if (c.fill) out += rectMarkup(c.r, c.fill);
        if (c.line) {
          const lw = Math.max(1, c.lw);
          const h = lw / 2;
          out += `<rect x="${l + h}" y="${t + h}" width="${Math.max(0, r - l - lw)}" height="${Math.max(0, b - t - lw)}" fill="none" stroke="${c.line}" stroke-width="${lw}"/>`;
        }
        break;
      }
      case 'line':
        out += lineMarkup(c);
        break;
      case 'text':
        out += textMarkup(c);
        break;
      case 'bmp':
        out += bitmapMarkup(c);
        break;
      default:
        break;
    }
  }
  return out;
}
