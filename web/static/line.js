// The page's one line to the program, chosen here and nowhere else: the page that `orvane serve`
// serves talks to that process (line-serve.js); the offline build's page, whose root element says
// data-line="offline", runs the program inside itself (line-offline.js). Both give the same calls:
// connect(drawScreen), send(input) -> Promise of {outcome, version} or {error}, bitmapUrl(id), and
// either imageBase (page pictures named relative to an address) or imageSource(name) (a picture's
// URL). Each new screen goes to drawScreen: the lines import nothing the screen is drawn with, so
// that the page's modules import one another without a circle (main.js hands screen.js's over).
import * as serve from './line-serve.js';
import * as offline from './line-offline.js';

export const line = document.documentElement.dataset.line === 'offline' ? offline : serve;
