// The offline page's own content files: "Load content files..." picks .pdb files, has the program's
// content reader check them, keeps them in the browser's storage (content-store.js) and starts
// Orvane again on them; "Use shipped content" goes back to the content that ships with the page.
// The bar under the screen says which content is in use and what came of a pick. A set of picked
// files replaces the shipped set as a whole (never file by file: a database of one set is never read
// beside another set's, and no sample file fills a gap in a user's content). Only the offline line
// shows it (line-offline.js); the program of `orvane serve` reads the files of its own folder.
import { forgetLoadedContent, keepLoadedContent } from './content-store.js';

// The largest file the page takes as a content file, and the most for one pick: content files are
// tens of kilobytes to a few megabytes, and every byte is held in memory while Orvane runs.
const MAX_FILE_BYTES = 16 * 1024 * 1024;
const MAX_TOTAL_BYTES = 64 * 1024 * 1024;
const CONTENT_EXTENSION = /\.pdb$/i;
const CONTENT_NAMES = 'vemra6_00a.pdb to vemra6_29a.pdb and orvane_index.pdb';

const bar = {
  root: document.getElementById('content-files'),
  inUse: document.getElementById('content-in-use'),
  load: document.getElementById('content-load'),
  shipped: document.getElementById('content-shipped'),
  picker: document.getElementById('content-picker'),
  message: document.getElementById('content-message'),
};

function megabytes(bytes) {
  return `${(bytes / (1024 * 1024)).toFixed(1)} MB`;
}

function say(lines, kind) {
  bar.message.replaceChildren(...lines.map((line) => {
    const p = document.createElement('p');
    p.textContent = line;
    return p;
  }));
  bar.message.dataset.kind = kind;
  bar.message.hidden = lines.length === 0;
}

function files(count) {
  return count === 1 ? '1 content file' : `${count} content files`;
}

// What is wrong with the picked files before they are read at all: names and sizes.
function refusalsBeforeReading(picked) {
  const refusals = [];
  let total = 0;
  for (const file of picked) {
    total += file.size;
    if (!CONTENT_EXTENSION.test(file.name)) {
      refusals.push(`${file.name}: not a content file (content files end in .pdb).`);
    } else if (file.size > MAX_FILE_BYTES) {
      refusals.push(`${file.name}: ${megabytes(file.size)}, larger than a content file can be ` +
        `(at most ${megabytes(MAX_FILE_BYTES)}).`);
    }
  }
  if (!refusals.length && total > MAX_TOTAL_BYTES) {
    refusals.push(`Together the files are ${megabytes(total)}, more than the page takes at once ` +
      `(${megabytes(MAX_TOTAL_BYTES)}).`);
  }
  return refusals;
}

// What the program's content reader found (check gives {files: [{name, verdict}], missing}).
function refusalsOfCheck(report) {
  const refusals = [];
  for (const file of report.files) {
    if (file.verdict === 'damaged') {
      refusals.push(`${file.name}: damaged or cut short: Orvane's content reader cannot open it.`);
    } else if (file.verdict === 'foreign') {
      refusals.push(`${file.name}: not one of Orvane's content files (${CONTENT_NAMES}).`);
    }
  }
  return refusals;
}

async function readAll(picked) {
  const out = [];
  for (const file of picked) out.push({ name: file.name, bytes: await file.arrayBuffer() });
  return out;
}

// Checks, keeps and starts on the picked files; any fault leaves the content in use as it is.
async function loadPicked(picked, { check, restart }) {
  const refuse = (refusals) => say(['Nothing was loaded; the content in use is unchanged.', ...refusals], 'error');
  let refusals = refusalsBeforeReading(picked);
  if (refusals.length) { refuse(refusals); return; }
  say(['Checking the files…'], 'busy');
  let read;
  let report;
  try {
    read = await readAll(picked);
    report = check(read);
  } catch (error) {
    refuse([`The files could not be read or checked (${error.message || error}).`]);
    return;
  }
  refusals = refusalsOfCheck(report);
  if (refusals.length) { refuse(refusals); return; }
  try {
    await keepLoadedContent(read);
  } catch (error) {
    say([`The files were not kept: ${error.message}. The content in use is unchanged.`], 'error');
    return;
  }
  const lines = [`Loaded ${files(read.length)}. Orvane starts again with them…`];
  if (report.missing.length) {
    lines.push(`${report.missing.length} of the content files are not among them: ` +
      'what they hold is not shown.');
  }
  say(lines, 'done');
  restart();
}

async function useShipped(restart) {
  try {
    await forgetLoadedContent();
  } catch (error) {
    say([`Your content files could not be removed: ${error.message}. They stay in use.`], 'error');
    return;
  }
  say(['Orvane starts again with the shipped content…'], 'done');
  restart();
}

// Shows the bar. loaded: the set in use ({count, loadedAt}) or null; readError: why the kept set
// could not be read (null when it could); check(files): the content reader's report on the files
// ([{name, bytes}]); restart(): starts Orvane again (a reload of the page).
export function showContentFiles({ loaded, readError, check, restart }) {
  if (!bar.root) return;
  if (loaded) {
    const when = new Date(loaded.loadedAt);
    bar.inUse.textContent = `Content in use: your ${files(loaded.count)}, ` +
      `loaded ${when.toLocaleDateString()} ${when.toLocaleTimeString([], { hour: '2-digit', minute: '2-digit' })}.`;
  } else {
    bar.inUse.textContent = 'Content in use: the sample content shipped with Orvane.';
  }
  bar.root.dataset.content = loaded ? 'loaded' : 'shipped';
  bar.shipped.hidden = !loaded;
  if (readError) say([`Your content files could not be read (${readError.message}): the shipped content is used.`], 'error');
  bar.load.addEventListener('click', () => bar.picker.click());
  bar.picker.addEventListener('change', () => {
    const picked = Array.from(bar.picker.files || []);
    bar.picker.value = '';
    if (picked.length) loadPicked(picked, { check, restart });
  });
  bar.shipped.addEventListener('click', () => useShipped(restart));
  bar.root.hidden = false;
}
