// The calls from the program into the offline page (implemented in page_imports.js, which hands
// each to the page's offline line, web/static/line-offline.js). Texts cross as UTF-8 with their
// length; the registry file crosses as its bytes.
#pragma once

extern "C" {

// Hands control back to the browser until input is waiting (1), timeoutMs have passed (0; a
// negative timeout waits for input only) or the page is going away (-1). The program's stack is
// kept and resumed where it waited (Asyncify).
int orvane_page_wait(int timeoutMs);
// The input the page has queued, as a JSON array of {"seq":N,"input":{...}}; null when none. The
// caller frees it.
char* orvane_page_take_inputs();
// What applying input seq came to (the InputOutcome's number, or kBadInput).
void orvane_page_outcome(int seq, int outcome);
// The screen to draw: the snapshot's JSON text.
void orvane_page_show(const char* json, int length);
// Keeps the registry file in the browser's storage; 0 when the browser refused it.
int orvane_page_store(const char* bytes, int length);
// The program has ended with the exit code.
void orvane_page_ended(int code);
}
