#include "core/view/GoldenRecording.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace nivora::test {
namespace {

using Op = RecordingSurface::Op;

std::string Hex(uint32_t colour) {
    char b[16];
    std::snprintf(b, sizeof b, "%06X", colour & 0xFFFFFFu);
    return b;
}

std::string Pt(SurfacePoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string Rect(const SurfaceRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// Printable ASCII stays; every other byte is \xHH, the quote and backslash escaped.
std::string Quoted(std::string_view s) {
    std::string out = "\"";
    for (const unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            out += b;
        }
    }
    return out + "\"";
}

std::string QuotedWide(std::u16string_view s) {
    std::string out = "\"";
    for (const char16_t c : s) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char b[12];
            std::snprintf(b, sizeof b, "\\u%04X", static_cast<unsigned>(c));
            out += b;
        }
    }
    return out + "\"";
}

const char* HName(HAlign h) {
    switch (h) {
        case HAlign::Left:
            return "left";
        case HAlign::Centre:
            return "centre";
        case HAlign::Right:
            return "right";
    }
    return "?";
}

const char* VName(VAlign v) {
    switch (v) {
        case VAlign::Top:
            return "top";
        case VAlign::Baseline:
            return "baseline";
        case VAlign::Bottom:
            return "bottom";
    }
    return "?";
}

// A curve's points are many; beyond this count a path is written as its
// ends and a hash of every point.
constexpr std::size_t kListedPoints = 8;

std::string Fnv(const std::vector<SurfacePoint>& points) {
    uint64_t h = 1469598103934665603ULL;
    auto mix = [&h](int32_t v) {
        auto u = static_cast<uint32_t>(v);
        for (int k = 0; k < 4; ++k, u >>= 8) {
            h ^= u & 0xFFu;
            h *= 1099511628211ULL;
        }
    };
    for (const auto& p : points) {
        mix(p.x);
        mix(p.y);
    }
    char b[24];
    std::snprintf(b, sizeof b, "%016llX", static_cast<unsigned long long>(h));
    return b;
}

}  // namespace

std::string GoldenText(const RecordingSurface& surface) {
    std::ostringstream out;
    const auto& records = surface.Records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& r = records[i];
        const auto& s = r.state;
        switch (r.op) {
            case Op::SaveState:
                out << "save\n";
                break;
            case Op::RestoreState:
                out << "restore\n";
                break;
            case Op::BackgroundMode:
                out << "bkmode "
                    << (s.backgroundMode == BackgroundMode::Transparent ? "transparent" : "opaque")
                    << "\n";
                break;
            case Op::BackgroundColour:
                out << "bkcolour " << Hex(s.backgroundColour) << "\n";
                break;
            case Op::Pen:
                if (s.pen.none)
                    out << "pen none\n";
                else
                    out << "pen " << s.pen.width << " " << Hex(s.pen.colour) << "\n";
                break;
            case Op::Brush:
                out << "brush " << (s.brush.style == BrushSpec::Style::Solid ? "solid " : "hatch ")
                    << Hex(s.brush.colour) << "\n";
                break;
            case Op::Font:
                out << "font " << Quoted(s.font.face) << " " << s.font.height << " "
                    << s.font.weight << (s.font.italic ? " italic " : " upright ")
                    << s.font.escapement << " " << s.font.orientation << "\n";
                break;
            case Op::TextColour:
                out << "textcolour " << Hex(s.textColour) << "\n";
                break;
            case Op::TextAlign:
                out << "align " << HName(s.hAlign) << " " << VName(s.vAlign) << "\n";
                break;
            case Op::MoveTo: {
                // A move and the line-tos that follow it: one polyline.
                std::vector<SurfacePoint> points{r.points[0]};
                while (i + 1 < records.size() && records[i + 1].op == Op::LineTo)
                    points.push_back(records[++i].points[1]);
                out << "path";
                if (points.size() <= kListedPoints) {
                    for (const auto& p : points) out << " " << Pt(p);
                } else {
                    out << " " << points.size() << " points " << Pt(points.front()) << " .. "
                        << Pt(points.back()) << " #" << Fnv(points);
                }
                out << "\n";
                break;
            }
            case Op::LineTo:
                out << "lineto " << Pt(r.points[1]) << "\n";
                break;
            case Op::Rectangle:
                out << "rect " << Rect(r.rect) << "\n";
                break;
            case Op::Polygon: {
                out << "polygon";
                for (const auto& p : r.points) out << " " << Pt(p);
                out << "\n";
                break;
            }
            case Op::Text:
                out << "text " << Pt(r.points[0]) << " " << Quoted(r.text) << "\n";
                break;
            case Op::TextWide:
                out << "textw " << Pt(r.points[0]) << " " << QuotedWide(r.wide) << "\n";
                break;
            case Op::TextCentred:
                out << "textbox " << Rect(r.rect) << " " << Quoted(r.text) << "\n";
                break;
            case Op::Measure:
                out << "measure " << Quoted(r.text) << "\n";
                break;
            case Op::SetOrigin:
                out << "origin " << Pt(r.points[0]) << "\n";
                break;
            case Op::OffsetOrigin:
                out << "offset " << Pt(r.points[0]) << "\n";
                break;
        }
    }
    return out.str();
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return {};
    std::istringstream a(expected), b(actual);
    std::string la, lb;
    for (int n = 1;; ++n) {
        const bool ha = static_cast<bool>(std::getline(a, la));
        const bool hb = static_cast<bool>(std::getline(b, lb));
        if (!ha && !hb) return "line " + std::to_string(n) + ": the line ends differ";
        if (ha != hb || la != lb) {
            return "line " + std::to_string(n) + ":\n  expected: " + (ha ? la : "(end of file)") +
                   "\n  got:      " + (hb ? lb : "(end of file)");
        }
    }
}

}  // namespace nivora::test
