// orvane-content: builds the Palm database content files from their JSON sources (and database 14
// from the growth reference's LMS files), dumps them, and checks a content folder.
//   orvane-content build SRC_DIR OUT_DIR [--growth REFERENCE_DIR]
//   orvane-content dump FILE [--fields LAYOUT]   (layout letters: T text, B byte, L long,
//                                                 F float, N number text)
//   orvane-content check DIR [--json] [--weights LIST]   (see check_command.h)
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/byte_source.h"
#include "content/pdb_file.h"
#include "content/record_buffer.h"
#include "content/record_cursor.h"
#include "tools/lib/content_compiler.h"
#include "tools/lib/growth_reference.h"
#include "tools/orvane-content/check_command.h"

namespace {

using namespace orvane;

int usage() {
    std::fputs(
        "usage: orvane-content build SRC_DIR OUT_DIR [--growth REFERENCE_DIR]\n"
        "       orvane-content dump FILE [--fields LAYOUT]   (T text, B byte, L long, F float,"
        " N number text)\n"
        "       orvane-content check DIR [--json] [--weights LIST]\n",
        stderr);
    return 1;
}

// Text with the bytes that are not printable ASCII written as \xNN, in double quotes.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '"' && c != '\\') {
            out.push_back(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out + "\"";
}

std::string fourChars(uint32_t value) {
    std::string out;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto b = static_cast<char>((value >> shift) & 0xFF);
        out.push_back(b);
    }
    return quoted(out);
}

void printHex(const uint8_t* bytes, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
        std::printf("%s%02x", i == 0 ? "" : (i % 16 == 0 ? "\n    " : " "), bytes[i]);
    }
    std::printf("\n");
}

// Builds the sources; with a growth reference folder, database 14 is generated from its files.
int build(const char* sourceDir, const char* outDir, const char* growthDir) {
    std::vector<tools::GeneratedSource> generated;
    if (growthDir != nullptr) {
        tools::GeneratedSource growth{growthDir, {}};
        std::string error;
        if (!tools::buildGrowthReference(growthDir, growth.compiled, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        generated.push_back(std::move(growth));
    }
    std::string errors;
    if (!tools::buildContent(sourceDir, outDir, errors, std::move(generated))) {
        std::fputs(errors.c_str(), stderr);
        return 1;
    }
    return 0;
}

int dump(const char* fileName, std::string_view layout) {
    for (const char letter : layout) {
        if (std::strchr("TBLFN", letter) == nullptr) {
            std::fprintf(stderr, "orvane-content: unknown field letter '%c' (use T B L F N)\n",
                         letter);
            return 1;
        }
    }
    PdbFile file(std::make_unique<FileByteSource>(fileName));
    if (!file.isOpen()) {
        std::fprintf(stderr, "%s: not a readable content file\n", fileName);
        return 1;
    }
    const PdbHeader& h = file.header();
    const std::string_view name(reinterpret_cast<const char*>(h.name),
                                strnlen(reinterpret_cast<const char*>(h.name), sizeof h.name));
    std::printf("file %s\nname %s\nattributes %u version %u type %s creator %s\n", fileName,
                quoted(name).c_str(), h.attributes, h.version, fourChars(h.type).c_str(),
                fourChars(h.creator).c_str());
    std::printf("records %u\n", file.recordCount());
    for (uint32_t i = 0; i < file.recordCount(); ++i) {
        const auto index = static_cast<uint16_t>(i);
        const std::optional<PdbRecordEntry> e = file.entry(index);
        std::printf("record %u offset %u length %u attributes %u id %u\n", i, e->offset, e->length,
                    e->attributes, (e->uniqueId[0] << 16) | (e->uniqueId[1] << 8) | e->uniqueId[2]);
        auto* buffer = new RecordBuffer(e->length);
        RecordHandle record(buffer);
        if (e->length != 0 && !file.readRecord(index, buffer->data())) {
            std::printf("  (read came back short)\n");
            continue;
        }
        if (layout.empty()) {
            std::printf("  ");
            printHex(record.data(), record.length());
            continue;
        }
        RecordCursor cursor(record);
        for (size_t f = 0; f < layout.size(); ++f) {
            std::printf("  %zu %c ", f, layout[f]);
            switch (layout[f]) {
                case 'T':
                    std::printf("%s\n", quoted(cursor.readText().view()).c_str());
                    break;
                case 'B':
                    std::printf("%u\n", cursor.readByte());
                    break;
                case 'L':
                    std::printf("%u\n", cursor.readLong());
                    break;
                case 'F':
                    std::printf("%.9g\n", static_cast<double>(cursor.readFloat()));
                    break;
                default:
                    std::printf("%d\n", cursor.readNumberText());
                    break;
            }
        }
        // A number text is always the last field; what follows its first 4 bytes is its own.
        if (!cursor.atEnd() && layout.back() != 'N') {
            std::printf("  rest ");
            printHex(record.data() + cursor.position(), cursor.remaining());
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "check") == 0) {
        return orvane::tools::runCheckCommand(argc - 2, argv + 2);
    }
    if (argc == 4 && std::strcmp(argv[1], "build") == 0) return build(argv[2], argv[3], nullptr);
    if (argc == 6 && std::strcmp(argv[1], "build") == 0 && std::strcmp(argv[4], "--growth") == 0) {
        return build(argv[2], argv[3], argv[5]);
    }
    if (argc == 3 && std::strcmp(argv[1], "dump") == 0) return dump(argv[2], "");
    if (argc == 5 && std::strcmp(argv[1], "dump") == 0 && std::strcmp(argv[3], "--fields") == 0) {
        if (argv[4][0] == '\0') return usage();
        return dump(argv[2], argv[4]);
    }
    return usage();
}
