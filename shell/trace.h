// Trace: the handler trace lines "+Class::Event\r\n" on entry and "-Class::Event\r\n" on exit,
// written to the platform's debug output only (never to the user). TraceScope writes the pair
// around a block. With no sink the lines go nowhere.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvane {

class Trace {
  public:
    using Sink = std::function<void(std::string_view line)>;

    Trace() = default;
    explicit Trace(Sink sink) : sink_(std::move(sink)) {}

    void setSink(Sink sink) { sink_ = std::move(sink); }
    void enter(std::string_view name) { write('+', name); }
    void leave(std::string_view name) { write('-', name); }

  private:
    void write(char sign, std::string_view name) {
        if (!sink_) return;
        std::string line;
        line.reserve(name.size() + 3);
        line.push_back(sign);
        line.append(name);
        line.append("\r\n");
        sink_(line);
    }

    Sink sink_;
};

// Writes "+name" now and "-name" when the scope ends.
class TraceScope {
  public:
    TraceScope(Trace& trace, std::string_view name) : trace_(trace), name_(name) {
        trace_.enter(name_);
    }
    TraceScope(const TraceScope&) = delete;
    TraceScope& operator=(const TraceScope&) = delete;
    ~TraceScope() { trace_.leave(name_); }

  private:
    Trace& trace_;
    std::string_view name_;
};

}  // namespace orvane
