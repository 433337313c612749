// An edit: an HTML input (a textarea when multi-line) that shows the program's text and
// selection. The page never edits the text itself: typed characters, Backspace and Enter go to
// the program as input, and the field shows what the program then has.
import { send, tapAtPointer } from '../input.js';
import { applyFont, controlFont, ownsInput, sizeTo } from './common.js';

// The longest pasted text sent as typed characters.
const MAX_PASTE = 256;
// The keyboard a box's style flag asks for (web/control_style_names.cpp names the flags).
const KEYBOARDS = [
  { flag: 'decimal', inputMode: 'decimal' },
  { flag: 'digits', inputMode: 'numeric' },
];

function makeField(node, multi) {
  const edit = document.createElement(multi ? 'textarea' : 'input');
  edit.className = 'ctl';
  edit.spellcheck = false;
  edit.autocomplete = 'off';
  if (!multi) edit.type = 'text';
  edit.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || !node.w.enabled) return;
    tapAtPointer(event);
  });
  edit.addEventListener('beforeinput', (event) => {
    event.preventDefault();
    if (event.inputType === 'insertText' && event.data) send({ kind: 'chars', text: event.data });
    else if (event.inputType === 'deleteContentBackward') send({ kind: 'key', key: 'Backspace' });
    else if (event.inputType === 'insertLineBreak') send({ kind: 'key', key: 'Enter' });
  });
  edit.addEventListener('paste', (event) => {
    event.preventDefault();
    const text = (event.clipboardData && event.clipboardData.getData('text/plain')) || '';
    const clean = text.replace(/[\u0000-\u001f]/g, '').slice(0, MAX_PASTE);
    if (clean) send({ kind: 'chars', text: clean });
  });
  edit.addEventListener('drop', (event) => event.preventDefault());
  ownsInput(node, edit);
  return edit;
}

export function render(node, w, client) {
  const multi = w.ctl.flags.includes('multiline');
  let edit = node.ctl;
  if (!edit || edit.tagName !== (multi ? 'TEXTAREA' : 'INPUT')) edit = makeField(node, multi);
  sizeTo(edit, client);
  applyFont(edit, controlFont(w));
  if (edit.value !== w.text) edit.value = w.text;
  edit.readOnly = !!w.ctl.readOnly;
  // A phone shows the keyboard that fits what the box takes; text boxes keep the normal one.
  const mode = KEYBOARDS.find((k) => w.ctl.flags.includes(k.flag));
  if (mode) edit.inputMode = mode.inputMode;
  else edit.removeAttribute('inputmode');
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
