#include "tools/lib/content_compiler.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>

#include "foundation/windows1252.h"
#include "model/request.h"

namespace orvane::tools {

using nlohmann::json;

namespace {

// An integer field value within [low, high]; false for non-integers and values outside.
bool integerIn(const json& value, int64_t low, int64_t high, int64_t& out) {
    if (value.is_number_unsigned()) {
        const uint64_t u = value.get<uint64_t>();
        if (u > static_cast<uint64_t>(high)) return false;
        out = static_cast<int64_t>(u);
        return out >= low;
    }
    if (value.is_number_integer()) {
        out = value.get<int64_t>();
        return out >= low && out <= high;
    }
    return false;
}

void putNumberText(ByteVector& out, int64_t number) {
    const std::string digits = std::to_string(number);
    out.insert(out.end(), digits.begin(), digits.end());
    out.push_back(0);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool putText(const json& value, ByteVector& out, std::string& error) {
    if (!value.is_string()) {
        error = "text must be a string";
        return false;
    }
    std::string bytes;
    if (!encodeText(value.get<std::string>(), bytes, error)) return false;
    out.insert(out.end(), bytes.begin(), bytes.end());
    out.push_back(0);
    return true;
}

// Appends one field's bytes to out; false with a message for a field that is wrong.
bool compileField(const json& field, ByteVector& out, std::string& error) {
    if (field.is_string()) return putText(field, out, error);
    if (!field.is_object() || field.size() != 1) {
        error = "a field must be a string or an object with exactly one key";
        return false;
    }
    const std::string& kind = field.begin().key();
    const json& value = field.begin().value();
    int64_t n = 0;
    if (kind == "text") return putText(value, out, error);
    if (kind == "byte") {
        if (!integerIn(value, 0, 255, n)) {
            error = "byte must be an integer from 0 to 255, not " + value.dump();
            return false;
        }
        out.push_back(static_cast<uint8_t>(n));
        return true;
    }
    if (kind == "long") {
        if (!integerIn(value, 0, 4294967295LL, n)) {
            error = "long must be an integer from 0 to 4294967295, not " + value.dump();
            return false;
        }
        putBigEndian32(out, static_cast<uint32_t>(n));
        return true;
    }
    if (kind == "float") {
        if (!value.is_number()) {
            error = "float must be a number, not " + value.dump();
            return false;
        }
        const double d = value.get<double>();
        if (!std::isfinite(d) || std::fabs(d) > static_cast<double>(FLT_MAX)) {
            error = "float " + value.dump() + " is outside the single-precision range";
            return false;
        }
        putBigEndian32(out, std::bit_cast<uint32_t>(static_cast<float>(d)));
        return true;
    }
    if (kind == "number") {
        if (!integerIn(value, INT32_MIN, INT32_MAX, n)) {
            error = "number must be an integer from -2147483648 to 2147483647, not " + value.dump();
            return false;
        }
        putNumberText(out, n);
        return true;
    }
    if (kind == "request") {
        int64_t code = 0, requestValue = 0, sub = 0;
        if (!value.is_array() || value.size() != 3 || !integerIn(value[0], 0, 255, code) ||
            !integerIn(value[1], 0, 65535, requestValue) || !integerIn(value[2], 0, 255, sub)) {
            error = "request must be [code 0..255, value 0..65535, subcode 0..255], not " +
                    value.dump();
            return false;
        }
        const Request request =
            makeRequest(static_cast<int32_t>(code), static_cast<int32_t>(requestValue),
                        static_cast<int32_t>(sub));
        // Number texts are read as signed 32-bit numbers: the request's bits in that form.
        putNumberText(out, static_cast<int32_t>(request));
        return true;
    }
    if (kind == "hex") {
        if (!value.is_string()) {
            error = "hex must be a string of hexadecimal digit pairs";
            return false;
        }
        const std::string digits = value.get<std::string>();
        if (digits.size() % 2 != 0) {
            error = "hex has an odd number of digits";
            return false;
        }
        for (size_t i = 0; i < digits.size(); i += 2) {
            const int high = hexDigit(digits[i]);
            const int low = hexDigit(digits[i + 1]);
            if (high < 0 || low < 0) {
                error = "hex holds a character that is not a hexadecimal digit";
                return false;
            }
            out.push_back(static_cast<uint8_t>(high * 16 + low));
        }
        return true;
    }
    error = "unknown field kind \"" + kind + "\"";
    return false;
}

bool validFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

}  // namespace

bool encodeText(const std::string& utf8, std::string& out, std::string& error) {
    out.clear();
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<uint8_t>(utf8[i]);
        uint32_t code = 0;
        size_t extra = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            code = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            code = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            code = lead & 0x07;
            extra = 3;
        } else {
            error = "text is not valid UTF-8";
            return false;
        }
        if (i + extra >= utf8.size() && extra > 0) {
            error = "text is not valid UTF-8";
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                error = "text is not valid UTF-8";
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        i += extra + 1;
        const std::optional<unsigned char> byte =
            code <= 0xFFFF ? windows1252FromWide(static_cast<char16_t>(code)) : std::nullopt;
        if (byte) {
            out.push_back(static_cast<char>(*byte));
        } else {
            char hex[16];
            std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(code));
            error = std::string("text holds ") + hex + ", which has no 8-bit form";
            return false;
        }
    }
    return true;
}

bool compileSource(const std::string& sourceName, const std::string& text, CompiledSource& out,
                   std::string& error) {
    const auto fail = [&](const std::string& what) {
        error = sourceName + ": " + what;
        return false;
    };
    json source;
    try {
        source = json::parse(text);
    } catch (const json::parse_error& e) {
        return fail(std::string("not valid JSON: ") + e.what());
    }
    if (!source.is_object()) return fail("the source must be a JSON object");
    for (auto it = source.begin(); it != source.end(); ++it) {
        if (it.key() != "file" && it.key() != "name" && it.key() != "records" &&
            it.key() != "comment") {
            return fail("unknown key \"" + it.key() + "\"");
        }
    }
    if (!source.contains("file") || !source["file"].is_string()) {
        return fail("\"file\" must be a string naming the output file");
    }
    out = CompiledSource();
    out.fileName = source["file"].get<std::string>();
    if (!validFileName(out.fileName)) return fail("\"file\" must be a plain file name");
    if (source.contains("name")) {
        std::string why;
        if (!source["name"].is_string() ||
            !encodeText(source["name"].get<std::string>(), out.image.name, why)) {
            return fail("\"name\" must be a text: " + why);
        }
        if (out.image.name.size() > 31) return fail("\"name\" is longer than 31 bytes");
    }
    if (!source.contains("records") || !source["records"].is_array()) {
        return fail("\"records\" must be an array of records");
    }
    const json& records = source["records"];
    if (records.empty()) return fail("\"records\" is empty: a file needs at least one record");
    if (records.size() > 65535) return fail("more than 65535 records");
    uint64_t total = 78 + 8 * records.size() + 2;
    for (size_t r = 0; r < records.size(); ++r) {
        const std::string where = "record " + std::to_string(r);
        if (!records[r].is_array()) return fail(where + ": a record must be an array of fields");
        ByteVector bytes;
        for (size_t f = 0; f < records[r].size(); ++f) {
            std::string why;
            if (!compileField(records[r][f], bytes, why)) {
                return fail(where + " field " + std::to_string(f) + ": " + why);
            }
        }
        if (bytes.empty()) return fail(where + ": a record of length 0 is not allowed");
        total += bytes.size();
        if (total > UINT32_MAX) return fail(where + ": the file would exceed 4 GiB");
        out.image.records.push_back(std::move(bytes));
    }
    return true;
}

bool buildContent(const std::string& sourceDir, const std::string& outDir, std::string& errors,
                  std::vector<GeneratedSource> generated) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> sources;
    for (const auto& item : fs::directory_iterator(sourceDir, ec)) {
        if (item.path().extension() == ".json" && item.is_regular_file()) {
            sources.push_back(item.path());
        }
    }
    if (ec) {
        errors += sourceDir + ": cannot read the folder\n";
        return false;
    }
    std::sort(sources.begin(), sources.end());

    std::vector<CompiledSource> compiled;
    std::map<std::string, std::string> sourceOfFile;
    bool ok = true;
    for (const fs::path& path : sources) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in) {
            errors += path.string() + ": cannot read the file\n";
            ok = false;
            continue;
        }
        CompiledSource result;
        std::string error;
        if (!compileSource(path.string(), text.str(), result, error)) {
            errors += error + "\n";
            ok = false;
            continue;
        }
        const auto [it, fresh] = sourceOfFile.emplace(result.fileName, path.string());
        if (!fresh) {
            errors += path.string() + ": \"" + result.fileName + "\" is also made by " +
                      it->second + "\n";
            ok = false;
            continue;
        }
        compiled.push_back(std::move(result));
    }
    for (GeneratedSource& source : generated) {
        const auto [it, fresh] = sourceOfFile.emplace(source.compiled.fileName, source.madeFrom);
        if (!fresh) {
            errors += source.madeFrom + ": \"" + source.compiled.fileName + "\" is also made by " +
                      it->second + "\n";
            ok = false;
            continue;
        }
        compiled.push_back(std::move(source.compiled));
    }
    if (!ok) return false;

    fs::create_directories(outDir, ec);
    if (ec) {
        errors += outDir + ": cannot create the folder\n";
        return false;
    }
    for (const CompiledSource& source : compiled) {
        std::string error;
        const std::string target = (fs::path(outDir) / source.fileName).string();
        if (!writeFileAtomically(target, pdbBytes(source.image), error)) {
            errors += error + "\n";
            ok = false;
        }
    }
    return ok;
}

}  // namespace orvane::tools
