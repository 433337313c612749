#include "rendering/markup.h"

#include <array>
#include <cstring>

namespace orvane {
namespace {

struct Replacement {
    std::string_view search;
    std::string_view replacement;
};

// The replacements that follow line breaks, spaces and superscripts, in their order. Every search
// text holds exactly one '=', and none of the texts put in can take part in a later match.
constexpr std::array<Replacement, 23> kCodeSteps{{
    {">=", "&#8805;"},
    {"=>", "&#8805;"},
    {"<SC id=11>", "&#8805;"},
    {"<SC id= 11>", "&#8805;"},
    {"<=", "&#8804;"},
    {"=<", "&#8804;"},
    {"<SC id=28>", "&nbsp;&#149;&nbsp;"},
    {"<SC id=10>", "&#8804;"},
    {"<SC id =10>", "&#8804;"},
    {"<SC id=6>", "&#176;"},
    {"<SC id =6>", "&#176;"},
    {"<SC id=2>", "&#946;"},
    {"<SC id =2>", "&#946;"},
    {"<SC id=8>", "<IMG src=\"uparr\">"},
    {"<SC id =8>", "<IMG src=\"uparr\">"},
    {"<SC id=9>", "<IMG src=\"dnarr\">"},
    {"<SC id =9>", "<IMG src=\"dnarr\">"},
    {"<SC id=3>", "&#947;"},
    {"<SC id =3>", "&#947;"},
    {"<SC id=4>", "&#948;"},
    {"<SC id =4>", "&#948;"},
    {"<SC id=5>", "&#956;"},
    {"<SC id =5>", "&#956;"},
}};

// Any occurrence of a search text above lies within 7 characters before and 4 after its '='.
constexpr size_t kBeforeEquals = 7;
constexpr size_t kAfterEquals = 4;

// The bytes at which the first pass may have something to do.
constexpr std::array<bool, 256> makeSpecial() {
    std::array<bool, 256> special{};
    special['\r'] = true;
    special['\n'] = true;
    special[' '] = true;
    special['^'] = true;
    return special;
}
constexpr std::array<bool, 256> kSpecial = makeSpecial();

// Replaces every occurrence of search in text, scanning left to right and continuing after each
// occurrence. Leaves text untouched (no copy) when there is none.
void replaceAll(std::string& text, const Replacement& step, std::string& spare) {
    size_t at = text.find(step.search);
    if (at == std::string::npos) return;
    spare.clear();
    size_t from = 0;
    while (at != std::string::npos) {
        spare.append(text, from, at - from);
        spare.append(step.replacement);
        from = at + step.search.size();
        at = text.find(step.search, from);
    }
    spare.append(text, from, std::string::npos);
    text.swap(spare);
}

// Steps 1 to 7 in one walk: "\r\n" and then a lone "\n" become "<BR>"; a space followed by a space
// becomes " &nbsp;" (the walk goes on after the second one); "^2" to "^5" become the superscript.
// None of them touches the characters another one looks at, and none puts in a space, a line
// break or a caret, so one walk over the source gives the same text as the four scans.
void convertBreaksSpacesAndCarets(std::string_view in, std::string& out) {
    const char* s = in.data();
    const size_t n = in.size();
    size_t copied = 0;
    size_t i = 0;
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (!kSpecial[c]) {
            ++i;
            continue;
        }
        const char next = i + 1 < n ? s[i + 1] : '\0';
        std::string_view put;
        char digit = 0;
        size_t used = 0;
        if (c == '\n') {
            put = "<BR>";
            used = 1;
        } else if (c == '\r' && next == '\n') {
            put = "<BR>";
            used = 2;
        } else if (c == ' ' && next == ' ') {
            put = " &nbsp;";
            used = 2;
        } else if (c == '^' && next >= '2' && next <= '5') {
            digit = next;
            used = 2;
        } else {
            ++i;
            continue;
        }
        out.append(s + copied, i - copied);
        if (digit != 0) {
            out.append("<SUP>");
            out.push_back(digit);
            out.append(" </SUP> ");
        } else {
            out.append(put);
        }
        i += used;
        copied = i;
    }
    out.append(s + copied, n - copied);
}

}  // namespace

// Steps 8 to 30 only ever match around a '=' of the text left by steps 1 to 7 (each search text
// has one '=', and what the steps put in never forms part of a later match). So the text is cut
// into runs far from any '=' (copied as they are) and clusters of overlapping windows around the
// '=' characters, and the remaining steps run, in order, on each cluster alone. No occurrence can
// straddle a cut, so the result is the same as running each step over the whole text.
void MarkupConverter::convertInto(std::string_view text, std::string& out) {
    stage_.clear();
    stage_.reserve(text.size() + text.size() / 8 + 16);
    convertBreaksSpacesAndCarets(text, stage_);

    const char* s = stage_.data();
    const size_t n = stage_.size();
    out.reserve(out.size() + n + n / 8);
    size_t copied = 0;
    size_t scan = 0;
    while (scan < n) {
        const void* hit = std::memchr(s + scan, '=', n - scan);
        if (hit == nullptr) break;
        size_t equals = static_cast<size_t>(static_cast<const char*>(hit) - s);
        const size_t start = equals - copied > kBeforeEquals ? equals - kBeforeEquals : copied;
        size_t end = equals + kAfterEquals + 1 < n ? equals + kAfterEquals + 1 : n;
        // Take in every further '=' whose window meets this cluster.
        for (;;) {
            const size_t from = equals + 1;
            if (from >= n) break;
            const void* more = std::memchr(s + from, '=', n - from);
            if (more == nullptr) break;
            const size_t nextEquals = static_cast<size_t>(static_cast<const char*>(more) - s);
            if (nextEquals > end + kBeforeEquals) break;
            equals = nextEquals;
            end = equals + kAfterEquals + 1 < n ? equals + kAfterEquals + 1 : n;
        }
        out.append(s + copied, start - copied);
        cluster_.assign(s + start, end - start);
        for (const Replacement& step : kCodeSteps) replaceAll(cluster_, step, swap_);
        out.append(cluster_);
        copied = end;
        scan = end;
    }
    out.append(s + copied, n - copied);
}

std::string MarkupConverter::convert(std::string_view text) {
    std::string out;
    convertInto(text, out);
    return out;
}

std::string convertMarkup(std::string_view text) {
    MarkupConverter converter;
    return converter.convert(text);
}

}  // namespace orvane
