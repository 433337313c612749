// The shapes of what the program sends the page, in one place: the snapshot of its windows that
// both lines hand to screen.js (written by web/snapshot_json.cpp, whose short keys are spelled out
// here), and the window-tree node the page keeps per window. Only descriptions (JSDoc types for
// the modules that read them); nothing here runs, and no module imports it at run time.

/**
 * A snapshot message as a line delivers it: the screen and the number that orders screens.
 * @typedef {object} ScreenMessage
 * @property {number} version  grows with every new screen; an older one is not drawn
 * @property {Ui} ui
 */

/**
 * The whole screen.
 * @typedef {object} Ui
 * @property {{w: number, h: number, taskbar: number}} screen  the handheld screen and its task
 *   bar's height, in the program's pixels
 * @property {number} focus  the handle of the window with the keyboard focus (0: none)
 * @property {number} foreground  the handle of the foreground top-level window
 * @property {boolean} inputPanelUp
 * @property {boolean} taskbarHidden
 * @property {{window: number, caption: string, text: string} | null} messageBox  the open one
 * @property {SnapshotWindow[]} windows  the shown top-level windows, top of the z-order first
 */

/**
 * One shown window.
 * @typedef {object} SnapshotWindow
 * @property {number} h  its handle, the same for as long as the window lives
 * @property {string} cls  its class name
 * @property {string} text  its text (a control's caption, a top-level window's title)
 * @property {number} id  its control identifier
 * @property {[number, number, number, number]} r  left, top, right, bottom in screen coordinates
 * @property {number} border  the width of its border (0, 1 or 2)
 * @property {boolean} enabled
 * @property {boolean} focused
 * @property {Control} [ctl]  present when the window is a standard control
 * @property {DrawCommand[]} draw  its display list, in the order drawn
 * @property {SnapshotWindow[]} kids  its shown children, top of the z-order first (none for an
 *   HTML viewer)
 */

/**
 * A control's state. `kind` says which of the other fields are there.
 * @typedef {object} Control
 * @property {'button'|'static'|'edit'|'combobox'|'listbox'|'scrollbar'|'listview'|'monthcal'|'htmlviewer'|string} kind
 * @property {string[]} flags  its style flags by name (web/control_style_names.cpp: an edit's "decimal"
 *   asks the page for the decimal keyboard)
 * @property {'push'|'checkbox'|'radio'|'ownerdraw'|string} [type]  a button's type
 * @property {number} [bitmap]  button, static: the bitmap shown (0: none)
 * @property {number} [check]  button, static: the check state
 * @property {boolean} [pushed]  button, static
 * @property {number} [selStart]  edit: the selection
 * @property {number} [selEnd]  edit
 * @property {boolean} [readOnly]  edit
 * @property {string[]} [items]  combobox, listbox
 * @property {number} [selected]  combobox, listbox, listview: the selected item (-1: none)
 * @property {number} [top]  combobox, listbox, listview: the first item shown
 * @property {boolean} [dropped]  combobox, listbox
 * @property {number} [itemHeight]  combobox, listbox, listview
 * @property {number} [min]  scrollbar
 * @property {number} [max]  scrollbar
 * @property {number} [page]  scrollbar
 * @property {number} [pos]  scrollbar
 * @property {boolean} [vertical]  scrollbar
 * @property {{t: string, w: number, fmt: number}[]} [columns]  listview: text, width, format
 * @property {ListRow[]} [rows]  listview
 * @property {number} [perPage]  listview: rows a page shows
 * @property {{bitmap: number, left: number}[]} [rowImages]  listview: the row pictures, each a
 *   bitmap and the left edge of its part
 * @property {number} [rowImageW]  listview
 * @property {number} [rowImageH]  listview
 * @property {number} [year]  monthcal: the chosen date
 * @property {number} [month]  monthcal
 * @property {number} [day]  monthcal
 * @property {{titleH: number, weekdayH: number, top: number, rowH: number, cellW: number,
 *   fontPx: number}} [grid]  monthcal: the calendar's layout
 * @property {string} [page]  htmlviewer: the page text as the program built it (`page` of a
 *   scrollbar is a number: the page size)
 * @property {boolean} [complete]  htmlviewer: the page is whole
 * @property {string} [anchor]  htmlviewer: the anchor to show
 * @property {string[]} [links]  htmlviewer
 * @property {{src: string, bitmap: number, w: number, h: number}[]} [images]  htmlviewer
 * @property {number} [scrollLine]  htmlviewer: the line scrolled to
 */

/**
 * A list view row.
 * @typedef {object} ListRow
 * @property {{t: string, font: Font, color: string, bg: string}[]} cells  text, font, colours
 * @property {number} image  the row picture's index (-1: none)
 * @property {boolean} selected
 * @property {boolean} focused
 */

/**
 * A font: its em size in pixels, weight, ascent and line height.
 * @typedef {object} Font
 * @property {number} px
 * @property {boolean} bold
 * @property {number} ascent
 * @property {number} lh
 */

/**
 * One drawing command of a display list; `k` says which. Rectangles are [left, top, right,
 * bottom] in the window's client coordinates; colours are "#rrggbb", null for none.
 * @typedef {FillCommand|RectCommand|LineCommand|TextCommand|BitmapCommand} DrawCommand
 */
/** @typedef {{k: 'fill', r: number[], fill: string}} FillCommand */
/**
 * @typedef {{k: 'rect', r: number[], fill: string|null, line: string|null, lw: number}} RectCommand
 *   filled and outlined; lw the line width
 */
/** @typedef {{k: 'line', r: number[], line: string, lw: number}} LineCommand  from (r[0], r[1]) to (r[2], r[3]) */
/**
 * Text at (x, y), its width tw, drawn on bg when that is not null, underlined when u, clipped
 * to clip.
 * @typedef {{k: 'text', t: string, x: number, y: number, tw: number, font: Font, color: string,
 *   bg: string|null, u: boolean, clip: number[]}} TextCommand
 */
/**
 * A program bitmap: the part src of bitmap id drawn into r; bw and bh its whole size when known.
 * @typedef {{k: 'bmp', id: number, r: number[], src: number[], bw?: number, bh?: number}} BitmapCommand
 */

/**
 * The page's element for one window (window-tree.js), kept between snapshots by handle. Made with
 * every field it will hold; the control modules keep their own state in the fields named for
 * them.
 * @typedef {object} WindowNode
 * @property {HTMLDivElement} el  the window's element
 * @property {string} kind  how it is drawn: '' a plain window, 'drawn' a control that shows its
 *   own display list, else a control module's name
 * @property {number} h  the window's handle
 * @property {SnapshotWindow} w  the window as last drawn
 * @property {number} seen  the drawing pass that last met the window (-1: none yet)
 * @property {number} originX  the parent's client origin it was placed from
 * @property {number} originY
 * @property {string|null} drawKey  what its drawing was made from
 * @property {SVGSVGElement|null} svg  its drawing
 * @property {HTMLElement|null} ctl  the control's element
 * @property {string|null} ctlKey  what the control's element was made from
 * @property {boolean} ownInput  the control's element takes its own taps and keys
 * @property {number|null} lastTop  listview: the first row scrolled to
 * @property {string|null} programDate  monthcal: the program's date as last drawn
 * @property {{year: number, month: number}|null} view  monthcal: the month shown
 * @property {number} viewerSerial  htmlviewer: the page's number, counted per page shown
 * @property {boolean} viewerReady  htmlviewer: the frame has its prelude and takes pages in place
 * @property {string} viewerText  htmlviewer: the page waiting for the frame to load
 * @property {Document|null} viewerDocument  htmlviewer: the frame's document the page went into
 * @property {string|null} viewerAnchor  htmlviewer: the anchor last scrolled to
 * @property {number} viewerLine  htmlviewer: the line last scrolled to
 */

export {};
