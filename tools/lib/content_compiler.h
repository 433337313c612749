// The content compiler: turns one JSON content source into the records of one Palm database file.
// Source format:
//   { "file": "vemra6_06a.pdb", "name": "at most 31 bytes", "comment": "ignored",
//     "records": [ [field, field, ...], ... ] }
// A field is a string (text) or an object with exactly one key: "text", "byte" (0..255), "long"
// (0..4294967295, big-endian), "float" (IEEE single, big-endian), "number" (signed 32-bit integer
// as ASCII decimal and a NUL), "request" ([code, value, subcode] as a number text) or "hex" (raw
// bytes). Texts are written in Windows-1252 (the content's code page: U+0152 "Œ" becomes 0x8C),
// a character outside it is an error, and the terminating NUL is written. It writes no files
// itself.
#pragma once

#include <string>
#include <vector>

#include "tools/lib/pdb_writer.h"

namespace orvane::tools {

struct CompiledSource {
    std::string fileName;  // the output file's name (no folder)
    PdbImage image;
};

// Compiles the JSON text of one source. sourceName names the source in error messages, which
// read "SOURCE: record R field F: what is wrong" (or "SOURCE: what is wrong"). Returns false
// with the message in error when anything is wrong.
bool compileSource(const std::string& sourceName, const std::string& json, CompiledSource& out,
                   std::string& error);

// Converts UTF-8 text to the content's 8-bit text by the rule above; false (with a message) for
// a character that has no 8-bit form or for malformed UTF-8.
bool encodeText(const std::string& utf8, std::string& out, std::string& error);

// A database made by a generator rather than from a JSON source, with what it was made from (for
// messages).
struct GeneratedSource {
    std::string madeFrom;
    CompiledSource compiled;
};

// Compiles every *.json in sourceDir (in name order) and writes each as a file in outDir, each
// through a temporary file, together with the generated databases. Two sources for one file are
// an error. Nothing is written when any source has an error. Messages (one per line) are appended
// to errors. Returns true when everything was written.
bool buildContent(const std::string& sourceDir, const std::string& outDir, std::string& errors,
                  std::vector<GeneratedSource> generated = {});

}  // namespace orvane::tools
