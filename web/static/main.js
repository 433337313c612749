// The Orvane page: draws the program's window tree from the snapshots the program publishes and
// sends every tap, key, typed character and choice back as the platform's input. The program
// owns all state: the page never changes what it shows by itself, it only redraws what the next
// snapshot says.
//
// Where things are:
//   line.js         which line to the program this page has (chosen there, once):
//   line-serve.js     the program of `orvane serve`: event stream and HTTP
//   line-offline.js   the program inside the page (WebAssembly): direct calls
//   overlay.js      what the page says over the screen (starting, ended, notices)
//   input.js        input sent to the program; keys; screen coordinates of a pointer
//   screen.js       the whole screen: device size, task bar, keyboard focus
//   window-tree.js  windows as positioned elements, kept between snapshots by handle
//   drawing.js      a window's display list as SVG
//   controls/*.js   one module per control kind, each drawn as a real HTML element
//   viewer.js       the HTML viewer: the program's page in a sandboxed frame
import { line } from './line.js';
import { onKeyDown } from './input.js';
import { showScreen, startScreen } from './screen.js';

document.addEventListener('keydown', onKeyDown);
startScreen();
line.connect(showScreen);
