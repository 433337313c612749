// The offline page's side of wasm/page_imports.h, linked into orvane.js. Each call goes to the
// object the page handed in as Module.orvanePage (web/static/line-offline.js); the program's wait
// is an Asyncify sleep that the page wakes when input comes or the timeout passes.
mergeInto(LibraryManager.library, {
  orvane_page_wait__deps: ['$Asyncify'],
  orvane_page_wait: function(timeoutMs) {
    return Asyncify.handleSleep(function(wakeUp) {
      Module['orvanePage'].sleep(timeoutMs, wakeUp);
    });
  },

  orvane_page_take_inputs__deps: ['malloc'],
  orvane_page_take_inputs: function() {
    var text = Module['orvanePage'].takeInputs();
    if (!text) return 0;
    var size = lengthBytesUTF8(text) + 1;
    var ptr = _malloc(size);
    if (!ptr) return 0;
    stringToUTF8(text, ptr, size);
    return ptr;
  },

  orvane_page_outcome: function(seq, outcome) {
    Module['orvanePage'].outcome(seq, outcome);
  },

  orvane_page_show: function(ptr, length) {
    Module['orvanePage'].show(UTF8ToString(ptr, length));
  },

  orvane_page_store: function(ptr, length) {
    var bytes = HEAPU8.subarray(ptr, ptr + length);
    var text = '';
    for (var i = 0; i < bytes.length; i += 4096) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 4096));
    }
    return Module['orvanePage'].store(text) ? 1 : 0;
  },

  orvane_page_ended: function(code) {
    Module['orvanePage'].ended(code);
  },
});
