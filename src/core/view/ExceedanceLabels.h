#pragma once
// Where the numbers of a strip's exceedance marks go: a few levels stacked
// from the bottom of the curve area, each filled left to right with a next
// free x, so that no label lies over another label or over a text box.
// A label keeps its remark only where there is room for it; a mark that has
// no room even for its number joins the label to its left, which then reads
// "a–b". Linear in the number of marks.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/DrawingSurface.h"

namespace nivora {

struct ExceedanceMark {
    int32_t x = 0;
    int number = 0;
    bool counted = true;
    std::string remark;  // empty: none
};

struct ExceedanceLabel {
    std::string text;  // Windows-1252
    int32_t left = 0;
    int level = 0;
    bool counted = true;
};

struct ExceedanceLabelBand {
    int32_t left = 0, right = 0;  // labels stay within
    int32_t bottom = 0;           // bottom of level 0
    int32_t levelHeight = 0;      // one text line
    int levels = 3;
    int32_t gap = 0;  // between labels on one level
    // Text boxes already drawn in the strip; labels keep clear of them.
    std::vector<SurfaceRect> obstacles;

    int32_t LevelTop(int level) const { return bottom + (level + 1) * levelHeight; }
};

struct ExceedanceLabelLayout {
    std::vector<ExceedanceLabel> labels;
    // Per mark (in the order given): the label it belongs to.
    std::vector<std::size_t> labelOf;
};

// The label text of one mark: "12", "12: Riss", "(12" + ")" when not counted.
std::string ExceedanceLabelText(int number, bool counted, const std::string& remark);

// Marks sorted by x, left to right. `width` measures a label text.
ExceedanceLabelLayout PlaceExceedanceLabels(
    const std::vector<ExceedanceMark>& marks, const ExceedanceLabelBand& band,
    const std::function<int32_t(const std::string&)>& width);

}  // namespace nivora
