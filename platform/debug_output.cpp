#include "platform/debug_output.h"

namespace orvane::platform {

DebugOutput::~DebugOutput() {
    close();
}

bool DebugOutput::openFile(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "wb");
    return file_ != nullptr;
}

void DebugOutput::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void DebugOutput::write(std::string_view text) {
    if (!file_) return;
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fflush(file_);
}

void DebugOutput::OutputDebugString(std::u16string_view text) {
    if (!file_) return;
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    write(out);
}

}  // namespace orvane::platform
