#include "rendering/markup.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

// Offset of the one '=' in each search text.
constexpr std::array<size_t, kCodeSteps.size()> makeEqualsOffsets() {
    std::array<size_t, kCodeSteps.size()> offsets{};
    for (size_t i = 0; i < kCodeSteps.size(); ++i) offsets[i] = kCodeSteps[i].search.find('=');
    return offsets;
}
constexpr std::array<size_t, kCodeSteps.size()> kEqualsOffset = makeEqualsOffsets();

}  // namespace

// Steps 8 to 30 work on the text left by steps 1 to 7 (call it T). What they put in never takes
// part in a later match (no put-in text can complete a search text at either end), and each
// replaced occurrence is replaced by a non-empty text. So every occurrence that any of these
// steps finds is an occurrence of its search text in T made of characters no earlier step has
// replaced. The steps are therefore played out on the list of occurrences in T: step by step, in
// order, each takes from left to right its occurrences whose characters are all still untouched
// and that start at or after the end of the one it took before. Occurrences that share no
// character with any other are taken by their own step whatever happens, so only groups of
// overlapping occurrences need the step-by-step play.
void MarkupConverter::findOccurrences(std::string_view text) {
    occurrences_.clear();
    const char* s = text.data();
    const size_t n = text.size();
    size_t scan = 0;
    while (scan < n) {
        const void* hit = std::memchr(s + scan, '=', n - scan);
        if (hit == nullptr) break;
        const size_t equals = static_cast<size_t>(static_cast<const char*>(hit) - s);
        scan = equals + 1;
        const char before = equals > 0 ? s[equals - 1] : '\0';
        const char after = equals + 1 < n ? s[equals + 1] : '\0';
        // Only the characters next to the '=' can belong to a search text.
        if (before != '<' && before != '>' && before != 'd' && before != ' ' && after != '<' &&
            after != '>') {
            continue;
        }
        for (size_t step = 0; step < kCodeSteps.size(); ++step) {
            const std::string_view search = kCodeSteps[step].search;
            const size_t offset = kEqualsOffset[step];
            if (equals < offset || equals - offset + search.size() > n) continue;
            const size_t start = equals - offset;
            if (s[start] != search.front() || s[start + search.size() - 1] != search.back()) {
                continue;
            }
            if (std::memcmp(s + start, search.data(), search.size()) != 0) continue;
            // Keep the list ordered by start; a new occurrence starts at most 7 characters
            // before the '=' so it moves back past only a few.
            const Occurrence occurrence{start, static_cast<uint32_t>(step)};
            size_t at = occurrences_.size();
            occurrences_.push_back(occurrence);
            while (at > 0 && occurrences_[at - 1].start > start) {
                occurrences_[at] = occurrences_[at - 1];
                --at;
            }
            occurrences_[at] = occurrence;
        }
    }
}

void MarkupConverter::playGroup(std::string_view text, size_t first, size_t last,
                                std::string& out) {
    const size_t groupStart = occurrences_[first].start;
    size_t groupEnd = groupStart;
    uint32_t steps = 0;
    for (size_t k = first; k < last; ++k) {
        const Occurrence& o = occurrences_[k];
        groupEnd = std::max(groupEnd, o.start + kCodeSteps[o.step].search.size());
        steps |= 1u << o.step;
    }
    touched_.assign(groupEnd - groupStart, 0);
    taken_.assign(last - first, 0);
    for (uint32_t step = 0; step < kCodeSteps.size(); ++step) {
        if ((steps & (1u << step)) == 0) continue;
        const size_t length = kCodeSteps[step].search.size();
        size_t scanFrom = groupStart;
        for (size_t k = first; k < last; ++k) {
            const Occurrence& o = occurrences_[k];
            if (o.step != step || o.start < scanFrom) continue;
            const size_t from = o.start - groupStart;
            bool free = true;
            for (size_t c = from; c < from + length; ++c) free = free && touched_[c] == 0;
            if (!free) continue;
            for (size_t c = from; c < from + length; ++c) touched_[c] = 1;
            taken_[k - first] = 1;
            scanFrom = o.start + length;
        }
    }
    size_t copied = groupStart;
    for (size_t k = first; k < last; ++k) {
        if (taken_[k - first] == 0) continue;
        const Occurrence& o = occurrences_[k];
        out.append(text.data() + copied, o.start - copied);
        out.append(kCodeSteps[o.step].replacement);
        copied = o.start + kCodeSteps[o.step].search.size();
    }
    out.append(text.data() + copied, groupEnd - copied);
}

void MarkupConverter::convertInto(std::string_view text, std::string& out) {
    stage_.clear();
    stage_.reserve(text.size() + text.size() / 8 + 16);
    convertBreaksSpacesAndCarets(text, stage_);
    const std::string_view staged(stage_);
    findOccurrences(staged);

    out.reserve(out.size() + staged.size() + staged.size() / 8);
    size_t copied = 0;
    size_t k = 0;
    while (k < occurrences_.size()) {
        // A group: occurrences that overlap one another, directly or through others.
        const size_t first = k;
        size_t groupEnd = occurrences_[k].start + kCodeSteps[occurrences_[k].step].search.size();
        ++k;
        while (k < occurrences_.size() && occurrences_[k].start < groupEnd) {
            const Occurrence& o = occurrences_[k];
            groupEnd = std::max(groupEnd, o.start + kCodeSteps[o.step].search.size());
            ++k;
        }
        const Occurrence& lead = occurrences_[first];
        out.append(staged.data() + copied, lead.start - copied);
        if (k - first == 1) {
            out.append(kCodeSteps[lead.step].replacement);
        } else {
            playGroup(staged, first, k, out);
        }
        copied = groupEnd;
    }
    out.append(staged.data() + copied, staged.size() - copied);
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
