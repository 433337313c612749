// The debug output sink (OutputDebugString): trace text goes to a file when one is configured
// and nowhere otherwise (the default). Text is written as given, flushed at once, never shown
// to the user.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace orvane::platform {

class DebugOutput {
  public:
    DebugOutput() = default;
    ~DebugOutput();
    DebugOutput(const DebugOutput&) = delete;
    DebugOutput& operator=(const DebugOutput&) = delete;

    // Starts writing to the file (emptied first); false when it cannot be opened.
    bool openFile(const std::string& path);
    void close();
    bool enabled() const { return file_ != nullptr; }

    // 8-bit text as bytes.
    void write(std::string_view text);
    // Wide text as UTF-8.
    void OutputDebugString(std::u16string_view text);

  private:
    std::FILE* file_ = nullptr;
};

}  // namespace orvane::platform
