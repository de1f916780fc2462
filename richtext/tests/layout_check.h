#pragma once
// The structural promises every Document keeps, as a gtest assertion.

#include <gtest/gtest.h>

#include "richtext/document.h"

namespace tarnvel::richtext::test {

inline ::testing::AssertionResult well_formed(const Document& d) {
    std::uint32_t at = 0;
    for (const Run& r : d.runs) {
        if (r.start != at || r.length == 0) return ::testing::AssertionFailure() << "run at " << r.start;
        at += r.length;
    }
    if (at != d.text.size() && !(d.runs.empty() && d.text.empty()))
        return ::testing::AssertionFailure() << "runs cover " << at << " of " << d.text.size();
    if (d.paragraphs.empty()) return ::testing::AssertionFailure() << "no paragraph";
    at = 0;
    for (std::size_t i = 0; i < d.paragraphs.size(); ++i) {
        const Paragraph& p = d.paragraphs[i];
        if (p.start != at || p.end < p.start) return ::testing::AssertionFailure() << "paragraph " << i;
        if (i + 1 < d.paragraphs.size() &&
            (p.end - p.start < 2 || d.text[p.end - 2] != u'\r' || d.text[p.end - 1] != u'\n'))
            return ::testing::AssertionFailure() << "paragraph " << i << " has no mark";
        at = p.end;
    }
    if (at != d.text.size()) return ::testing::AssertionFailure() << "paragraphs end at " << at;
    return ::testing::AssertionSuccess();
}

}  // namespace tarnvel::richtext::test
