#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "measurement/LineBuffer.h"

namespace nivora {

// Longest line the splitters hold; a text line that reaches it ends reading.
constexpr std::size_t kMaxLineLength = 2047;

// Text mode: CR, LF and CR LF end lines, empty lines are dropped, control
// bytes other than TAB are dropped (a control byte also ends a line that is
// longer than 128 characters). The lines are compacted within the file's own
// bytes, so nothing is copied twice.
LineBuffer SplitTextLines(std::string bytes, const LargeBlockAdvice& advice = {});

// Record mode for PM01BS02: lines keep their CR LF; inside the record block a
// line is only closed at a LF once it holds at least 42 bytes, because the
// binary records may contain LF bytes. The lines are spans of the file's bytes.
LineBuffer SplitRecordLines(std::string bytes, const LargeBlockAdvice& advice = {});

// The same as separate strings.
std::vector<std::string> SplitTextMode(std::string_view fileBytes);
std::vector<std::string> SplitRecordMode(std::string_view fileBytes);

}  // namespace nivora
