#pragma once
// A recording as text, one operation a line, for the golden pages. State
// changes are lines of their own, so every later operation's state follows
// from the lines above it. A move and its line-tos share one line; a long
// one (a curve) is written as its point count, its ends and a hash of all its
// points.
#include <string>

#include "view/RecordingSurface.h"

namespace nivora::test {

std::string GoldenText(const RecordingSurface& surface);

// The first line where two golden texts differ, as "line N: expected ...,
// got ..."; empty when they are equal.
std::string FirstDifference(const std::string& expected, const std::string& actual);

}  // namespace nivora::test
