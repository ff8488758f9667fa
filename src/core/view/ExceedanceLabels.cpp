#include "view/ExceedanceLabels.h"

#include <algorithm>

namespace nivora {

namespace {

constexpr char kEnDash = '\x96';  // Windows-1252

// The text boxes that reach into one level, sorted by left edge, with the
// largest right edge so far, to ask "does anything cover [l, r)?" quickly.
class LevelObstacles {
  public:
    void Add(int32_t left, int32_t right) { m_spans.push_back({left, right}); }
    void Finish() {
        std::sort(m_spans.begin(), m_spans.end(),
                  [](const Span& a, const Span& b) { return a.left < b.left; });
        m_maxRight.reserve(m_spans.size());
        int32_t m = INT32_MIN;
        for (const Span& s : m_spans) m_maxRight.push_back(m = std::max(m, s.right));
    }
    bool Covers(long long left, long long right) const {
        // Spans starting before `right`: a prefix; one of them ends after `left`?
        const auto it = std::lower_bound(m_spans.begin(), m_spans.end(), right,
                                         [](const Span& s, long long r) { return s.left < r; });
        const std::size_t n = static_cast<std::size_t>(it - m_spans.begin());
        return n > 0 && m_maxRight[n - 1] > left;
    }

  private:
    struct Span {
        int32_t left, right;
    };
    std::vector<Span> m_spans;
    std::vector<int32_t> m_maxRight;
};

std::string RangeText(int a, int b, bool counted) {
    std::string t = std::to_string(std::min(a, b));
    if (a != b) t += kEnDash + std::to_string(std::max(a, b));
    return counted ? t : "(" + t + ")";
}

}  // namespace

std::string ExceedanceLabelText(int number, bool counted, const std::string& remark) {
    std::string label = counted ? std::to_string(number) : "(" + std::to_string(number);
    if (!remark.empty()) label += ": " + remark;
    if (!counted) label += ")";
    return label;
}

ExceedanceLabelLayout PlaceExceedanceLabels(
    const std::vector<ExceedanceMark>& marks, const ExceedanceLabelBand& band,
    const std::function<int32_t(const std::string&)>& width) {
    ExceedanceLabelLayout out;
    const int levels = std::max(band.levels, 1);
    std::vector<LevelObstacles> obstacles(static_cast<std::size_t>(levels));
    for (int q = 0; q < levels; ++q) {
        const long long bottom = band.bottom + static_cast<long long>(q) * band.levelHeight;
        const long long top = bottom + band.levelHeight;
        for (const SurfaceRect& r : band.obstacles) {
            const long long rt = std::max(r.top, r.bottom), rb = std::min(r.top, r.bottom);
            if (rt > bottom && rb < top)
                obstacles[q].Add(std::min(r.left, r.right), std::max(r.left, r.right));
        }
        obstacles[q].Finish();
    }
    std::vector<long long> nextFree(static_cast<std::size_t>(levels), band.left);

    // The first level where [left, left + w) is free, or -1.
    auto freeLevel = [&](long long left, long long w) {
        if (left < band.left || left + w > band.right) return -1;
        for (int q = 0; q < levels; ++q)
            if (left >= nextFree[q] && !obstacles[q].Covers(left, left + w)) return q;
        return -1;
    };
    auto numberLeft = [&](long long x, long long w) {
        return std::clamp<long long>(x - w / 2, band.left,
                                     std::max<long long>(band.left, band.right - w));
    };

    // Per label: its (first) mark, whether it shows a remark, the last number
    // of its range and its level's next free x before it; per level its last label.
    struct Meta {
        int32_t x = 0;
        int first = 0, last = 0;
        bool counted = true, remark = false;
        long long freeBefore = 0;
    };
    std::vector<Meta> meta;
    std::vector<long long> lastOnLevel(static_cast<std::size_t>(levels), -1);
    auto put = [&](std::string text, long long left, long long w, int q, const ExceedanceMark& m,
                   bool remark) {
        out.labels.push_back({std::move(text), static_cast<int32_t>(left), q, m.counted});
        meta.push_back({m.x, m.number, m.number, m.counted, remark, nextFree[q]});
        nextFree[q] = left + w + band.gap;
        lastOnLevel[q] = static_cast<long long>(out.labels.size()) - 1;
        return out.labels.size() - 1;
    };
    // Room for a number at [left, left + w) on level q once the level's last
    // label gives up its remark; the label is changed when there is.
    auto dropRemarkFor = [&](int q, long long left, long long w) {
        if (lastOnLevel[q] < 0) return false;
        const std::size_t i = static_cast<std::size_t>(lastOnLevel[q]);
        if (!meta[i].remark) return false;
        std::string number = ExceedanceLabelText(meta[i].first, meta[i].counted, "");
        const long long nw = width(number), nl = numberLeft(meta[i].x, nw);
        if (nl < meta[i].freeBefore || obstacles[q].Covers(nl, nl + nw)) return false;
        if (left < nl + nw + band.gap || obstacles[q].Covers(left, left + w)) return false;
        out.labels[i].text = std::move(number);
        out.labels[i].left = static_cast<int32_t>(nl);
        meta[i].remark = false;
        nextFree[q] = nl + nw + band.gap;
        return true;
    };

    // The last label becomes a range that includes mark m, where it has room.
    auto joinLast = [&](const ExceedanceMark& m) {
        ExceedanceLabel& last = out.labels.back();
        Meta& lm = meta.back();
        std::string range = RangeText(lm.first, m.number, lm.counted || m.counted);
        const long long rw = width(range);
        const long long before = nextFree[last.level];
        nextFree[last.level] = lm.freeBefore;
        long long l = std::max<long long>(last.left, band.left);
        if (l + rw > band.right) l = std::max<long long>(band.left, band.right - rw);
        // Its own level first, then any other with room at the same place.
        int q = -1;
        for (int k = 0; k < levels && q < 0; ++k) {
            const int cand = (last.level + k) % levels;
            if (l >= nextFree[cand] && l + rw <= band.right && !obstacles[cand].Covers(l, l + rw))
                q = cand;
        }
        if (q < 0) {
            nextFree[last.level] = before;
            return false;
        }
        if (q != last.level) {
            // Its old level ends where it ended before this label.
            lastOnLevel[last.level] = -1;
            lastOnLevel[q] = static_cast<long long>(out.labels.size()) - 1;
        }
        lm.last = m.number;
        lm.counted = lm.counted || m.counted;
        lm.remark = false;
        lm.freeBefore = nextFree[q];
        last.text = std::move(range);
        last.counted = lm.counted;
        last.left = static_cast<int32_t>(l);
        last.level = q;
        nextFree[q] = l + rw + band.gap;
        return true;
    };
    // Marks that had no room and wait for the next label with room.
    struct Pending {
        int first = 0, last = 0;
        bool counted = false;
        std::vector<std::size_t> marks;
        bool empty() const { return marks.empty(); }
    } pending;

    out.labelOf.reserve(marks.size());
    for (const ExceedanceMark& m : marks) {
        // With its remark (starting just left of the mark), then the number
        // alone centred on the mark, pushed inside the band if need be.
        int level = -1;
        std::string text;
        long long left = 0, w = 0;
        if (!m.remark.empty()) {
            text = ExceedanceLabelText(m.number, m.counted, m.remark);
            w = width(text);
            left = static_cast<long long>(m.x) - 80;
            level = freeLevel(left, w);
        }
        const bool withRemark = level >= 0;
        if (level < 0) {
            text = ExceedanceLabelText(m.number, m.counted, "");
            w = width(text);
            left = numberLeft(m.x, w);
            level = freeLevel(left, w);
            // Remarks to the left give way before a number goes without room.
            for (int q = 0; q < levels && level < 0; ++q)
                if (dropRemarkFor(q, left, w)) level = q;
        }
        if (level >= 0 && !pending.empty()) {
            // Marks left without a label before this one share its label.
            std::string range = RangeText(pending.first, m.number, pending.counted || m.counted);
            const long long rw = width(range), rl = numberLeft(m.x, rw);
            if (const int q = freeLevel(rl, rw); q >= 0) {
                ExceedanceMark joined = m;
                joined.counted = pending.counted || m.counted;
                const std::size_t i = put(std::move(range), rl, rw, q, joined, false);
                meta.back().first = pending.first;
                for (const std::size_t k : pending.marks) out.labelOf[k] = i;
                out.labelOf.push_back(i);
                pending = {};
                continue;
            }
        }
        if (level >= 0) {
            out.labelOf.push_back(put(std::move(text), left, w, level, m, withRemark));
            continue;
        }
        if (pending.empty() && !out.labels.empty() && joinLast(m)) {
            out.labelOf.push_back(out.labels.size() - 1);
            continue;
        }
        // Not even the label to the left can take it (a text box in the way):
        // it waits for the next label with room.
        if (pending.empty()) pending.first = m.number;
        pending.counted = pending.counted || m.counted;
        pending.last = m.number;
        pending.marks.push_back(out.labelOf.size());
        out.labelOf.push_back(0);
    }
    if (!pending.empty()) {
        // Nothing to the right had room: the first free place right of the
        // first waiting mark, or at worst the band's end.
        std::string range = RangeText(pending.first, pending.last, pending.counted);
        const long long rw = width(range);
        const std::size_t k0 = pending.marks.front();
        long long l = numberLeft(marks[k0].x, rw);
        int q = -1;
        while (q < 0 && l + rw <= band.right) {
            q = freeLevel(l, rw);
            if (q < 0) l += std::max<int32_t>(band.gap, 1);
        }
        if (q < 0) {
            l = std::max<long long>(band.left, band.right - rw);
            q = 0;
        }
        ExceedanceMark joined = marks[k0];
        joined.counted = pending.counted;
        const std::size_t i = put(std::move(range), l, rw, q, joined, false);
        for (const std::size_t k : pending.marks) out.labelOf[k] = i;
    }
    return out;
}

}  // namespace nivora
