// The offline build computes what the native program computes: a broad sample of pages rendered
// by the WebAssembly module (its render entry, the same code as `orvane render`) and by the
// native `orvane render` must be byte for byte the same, with the same exit status and messages.
// The sample: the home list; every module's page and list; entries across each module's list at
// the weights 0.5, 3, 13.3, 70 and 150 kg (child and adult weight); and every render case of the
// program's own render tests (calculators with their inputs, dosing pages, growth, pregnancy).
import { test, describe, before } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { existsSync, readFileSync, readdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { repoDir, orvaneBin } from './harness.mjs';
import { webDir } from './front-ends.mjs';

const WEIGHTS = ['0.5kg', '3kg', '13.3kg', '70kg', '150kg'];
// Entries taken from each module's list: first, middle and last.
const ENTRY_PICKS = 3;
// The compiled content both read (the offline build packs the same files).
const CONTENT = [process.env.ORVANE_PARITY_CONTENT,
  path.join(repoDir, 'build', 'test', 'share', 'orvane', 'content'),
  path.join(repoDir, 'build', 'release', 'share', 'orvane', 'content')]
  .find((dir) => dir && existsSync(path.join(dir, 'orvane_index.pdb')));
const built = existsSync(path.join(webDir, 'orvane.wasm')) && !!CONTENT;

// CODE:VALUE:SUBCODE of a request number; null for one the command line cannot name.
function requestText(request) {
  const code = Math.floor(request / 0x1000000);
  const sub = Math.floor(request / 0x10000) & 0xff;
  const value = request & 0xffff;
  if (value & 0x8000) return null;
  return sub ? `${code}:${value}:${sub}` : `${code}:${value}`;
}

function runNative(args) {
  return new Promise((resolve) => {
    execFile(orvaneBin, ['render', '--content', CONTENT, ...args], { encoding: 'buffer', maxBuffer: 1 << 26 },
      (error, stdout, stderr) => resolve({ status: error ? error.code : 0, stdout, stderr }));
  });
}

async function loadWasm() {
  const require = createRequire(import.meta.url);
  const createOrvane = require(path.join(webDir, 'orvane.js'));
  return createOrvane({
    wasmBinary: readFileSync(path.join(webDir, 'orvane.wasm')),
    locateFile: (file) => path.join(webDir, file),
    print: () => {},
    printErr: () => {},
  });
}

function runWasm(module, args) {
  const status = module.ccall('orvane_render', 'number', ['string', 'string', 'string'],
    [['--content', '/content', ...args].join('\n'), '/tmp/out', '/tmp/err']);
  return { status, stdout: Buffer.from(module.FS.readFile('/tmp/out')), stderr: Buffer.from(module.FS.readFile('/tmp/err')) };
}

// Every render case of the program's own render tests: string literals that start with a request.
function testCases() {
  const dir = path.join(repoDir, 'tests', 'app');
  const cases = new Set();
  for (const file of readdirSync(dir).filter((f) => f.endsWith('.cpp'))) {
    for (const match of readFileSync(path.join(dir, file), 'utf8').matchAll(/"(\d+:\d+(?::\d+)?(?: [^"\\]*)?)"/g)) {
      cases.add(match[1].trim());
    }
  }
  return [...cases].map((c) => c.split(/\s+/));
}

function listLines(output) {
  return output.toString('utf8').split('\n').filter(Boolean).map((line) => {
    const [label, request] = line.split('\t');
    return { label, request: Number(request) };
  });
}

function picks(entries) {
  if (entries.length <= ENTRY_PICKS) return entries;
  return [0, Math.floor(entries.length / 2), entries.length - 1].map((i) => entries[i]);
}

describe('the offline build renders what the native program renders', { skip: !built && 'build/web not built' }, () => {
  let wasm;
  before(async () => { wasm = await loadWasm(); });

  async function same(args) {
    const native = await runNative(args);
    const offline = runWasm(wasm, args);
    const what = `orvane render ${args.join(' ')}`;
    assert.equal(offline.status, native.status, `${what}: exit status`);
    assert.ok(offline.stdout.equals(native.stdout), `${what}: the page differs\nnative:  ${native.stdout.toString().slice(0, 400)}\noffline: ${offline.stdout.toString().slice(0, 400)}`);
    assert.equal(offline.stderr.toString(), native.stderr.toString(), `${what}: messages`);
    return native;
  }

  test('every module, its list and entries across it at five weights', async () => {
    const home = await same(['--list', '32']);
    const modules = listLines(home.stdout);
    assert.ok(modules.length >= 20, `the home list has the modules (${modules.length})`);
    let pages = 0;
    for (const module of modules) {
      const request = requestText(module.request);
      if (!request) continue;
      await same([request]);
      const list = await same(['--list', request]);
      for (const entry of picks(listLines(list.stdout).filter((e) => e.request > 0))) {
        const entryRequest = requestText(entry.request);
        if (!entryRequest) continue;
        for (const weight of WEIGHTS) {
          await same(['--child-weight', weight, '--adult-weight', weight, entryRequest]);
          pages++;
        }
      }
    }
    assert.ok(pages >= 100, `dosing and document pages compared at five weights (${pages})`);
  });

  test('every render case of the render tests: calculators with inputs, doses, growth, dates', async () => {
    const cases = testCases();
    assert.ok(cases.length >= 100, `the render tests' cases were found (${cases.length})`);
    for (const args of cases) await same(args);
  });
});
