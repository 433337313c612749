// orvane preview [--weight W] [--content DIR] [FILE|-]
//
// Reads a document in the content markup (from FILE, or standard input for "-" or no FILE), fills
// its weight templates for W (no weight, i.e. 0 kg, by default), converts it as a module appends
// a stored document, and prints the page body. With --content, image names that would show no
// picture are listed on standard error.
#include "app/preview_command.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "content/content_folder.h"
#include "dosing/builders/dose_templates.h"
#include "foundation/shared_string.h"
#include "model/input_field.h"
#include "modules/patient_inputs.h"
#include "modules/patient_value_text.h"
#include "rendering/image_names.h"
#include "rendering/page_builder.h"
#include "web/text_encoding.h"

namespace orvane {

namespace {

constexpr int kExitPrinted = 0;
constexpr int kExitBadArguments = 2;

// Documents are a few tens of kilobytes; anything far larger is not a document.
constexpr std::streamsize kMaxDocumentBytes = 16 * 1024 * 1024;

constexpr const char* kUsage =
    "usage: orvane preview [--weight W] [--content DIR] [FILE|-]\n"
    "  FILE            a document in the content markup, in Windows-1252 as the content is;\n"
    "                  \"-\" or none reads standard input. The page is printed in UTF-8.\n"
    "  --weight W      W: 70kg, 154lb, 11lb8oz or 3500g (default: no weight, 0 kg)\n"
    "  --content DIR   the content folder; image names without a picture there are listed\n"
    "                  on standard error\n";

int badArguments(const std::string& message) {
    std::fprintf(stderr, "orvane preview: %s\n%s", message.c_str(), kUsage);
    return kExitBadArguments;
}

bool readAll(std::istream& in, std::string& out) {
    std::string text;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<size_t>(in.gcount()));
        if (static_cast<std::streamsize>(text.size()) > kMaxDocumentBytes) return false;
    }
    if (in.bad()) return false;
    out = std::move(text);
    return true;
}

// The names of the <IMG src="NAME"> images in a page body.
void reportMissingImages(std::string_view body, const ContentFolder& folder) {
    constexpr std::string_view kImage = "<IMG src=\"";
    for (size_t at = body.find(kImage); at != std::string_view::npos;
         at = body.find(kImage, at + 1)) {
        const size_t start = at + kImage.size();
        const size_t end = body.find('"', start);
        if (end == std::string_view::npos) break;
        const std::string_view name = body.substr(start, end - start);
        if (resolveImage(name, folder).empty()) {
            std::fprintf(stderr, "orvane preview: no picture for image \"%.*s\"\n",
                         static_cast<int>(name.size()), name.data());
        }
    }
}

}  // namespace

int runPreviewCommand(int argc, char** argv) {
    float weightKg = 0.0f;
    std::string content;
    bool haveContent = false;
    std::string file;
    bool haveFile = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return kExitPrinted;
        }
        if (arg == "--weight" || arg == "--content") {
            if (i + 1 >= argc) return badArguments(std::string(arg) + " needs a value");
            const std::string_view value = argv[++i];
            if (arg == "--content") {
                if (value.empty()) return badArguments("--content needs a folder");
                content = value;
                haveContent = true;
                continue;
            }
            UnitValue typed;
            if (!parseWeightText(value, typed) || typed.value < 0) {
                return badArguments("--weight: not a weight (70kg, 154lb, 11lb8oz, 3500g): " +
                                    std::string(value));
            }
            InputField field;
            field.value = typed.value;
            field.unit = typed.unit;
            field.fraction = typed.fraction;
            weightKg = weightToKg(field);
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            return badArguments("unknown option " + std::string(arg));
        }
        if (haveFile) return badArguments("more than one document given");
        file = arg;
        haveFile = true;
    }

    std::string document;
    if (!haveFile || file == "-") {
        if (!readAll(std::cin, document)) return badArguments("cannot read standard input");
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in || !readAll(in, document)) return badArguments("cannot read " + file);
    }

    SharedString text(document);
    fillWeightTemplates(text, weightKg);
    PageBuilder builder;
    builder.start(true);
    builder.appendDocument(text);
    const std::string_view body = builder.html().view();
    // The page is Windows-1252 like the content; it is printed as UTF-8.
    const std::string utf8 = web::utf8FromWindows1252(body);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    if (haveContent) reportMissingImages(body, ContentFolder::forRunningProgram(content));
    return kExitPrinted;
}

}  // namespace orvane
