// The page's modules (web/static) import one another without a circle: a module's imports can be
// read, and changed, without the modules that import it being half loaded at the time. Reads the
// static import statements of every module (no browser, no program) and looks for a path that
// leads back to where it started; also that every import names a module that is there.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync, readdirSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const STATIC_DIR = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'web', 'static');

function modulesIn(dir) {
  const out = [];
  for (const entry of readdirSync(dir, { withFileTypes: true })) {
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) out.push(...modulesIn(full));
    else if (entry.name.endsWith('.js')) out.push(full);
  }
  return out;
}

// The modules a module imports at run time (`import ... from './x.js'`, `export ... from`); type
// references in comments do not load anything and are left out.
function importsOf(file) {
  const text = readFileSync(file, 'utf8').replace(/\/\*[\s\S]*?\*\//g, '').replace(/\/\/.*$/gm, '');
  const out = [];
  for (const match of text.matchAll(/^\s*(?:import|export)\s[^;]*?from\s*['"](\.[^'"]+)['"]/gm)) {
    out.push(path.resolve(path.dirname(file), match[1]));
  }
  for (const match of text.matchAll(/^\s*import\s*['"](\.[^'"]+)['"]/gm)) {
    out.push(path.resolve(path.dirname(file), match[1]));
  }
  return out;
}

// Every circle of the graph, each as the path of modules from its first module back to it.
function circles(graph) {
  const found = [];
  const state = new Map();  // 1 while on the path, 2 when done
  const pathNow = [];
  function visit(file) {
    state.set(file, 1);
    pathNow.push(file);
    for (const next of graph.get(file) || []) {
      if (state.get(next) === 1) found.push([...pathNow.slice(pathNow.indexOf(next)), next]);
      else if (!state.has(next)) visit(next);
    }
    pathNow.pop();
    state.set(file, 2);
  }
  for (const file of graph.keys()) if (!state.has(file)) visit(file);
  return found;
}

const graph = new Map(modulesIn(STATIC_DIR).map((file) => [file, importsOf(file)]));
const shortName = (file) => path.relative(STATIC_DIR, file);

test('the page modules import only modules that exist', () => {
  const missing = [];
  for (const [file, imports] of graph) {
    for (const target of imports) if (!existsSync(target)) missing.push(`${shortName(file)} -> ${shortName(target)}`);
  }
  assert.deepEqual(missing, []);
});

test('no circle between the page modules', () => {
  assert.ok(graph.size > 10, `only ${graph.size} modules found in ${STATIC_DIR}`);
  assert.deepEqual(circles(graph).map((c) => c.map(shortName).join(' -> ')), []);
});

test('the circle finder finds a circle', () => {
  const a = '/a.js', b = '/b.js', c = '/c.js';
  assert.deepEqual(circles(new Map([[a, [b]], [b, [c]], [c, [a]]])), [[a, b, c, a]]);
  assert.deepEqual(circles(new Map([[a, [b, c]], [b, [c]], [c, []]])), []);
});
