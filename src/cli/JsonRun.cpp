#include "JsonRun.h"

#include <cmath>
#include <iostream>

#include "text/Cp1252.h"

namespace nivora::cli {

Json Text(const std::string& cp1252) { return text::Cp1252ToUtf8(cp1252); }

Json Speed(double speed) {
    // Whole numbers print without a fraction ("-1", "40").
    if (std::isfinite(speed) && speed == std::trunc(speed) && std::fabs(speed) < 9.0e15)
        return static_cast<long long>(speed);
    return speed;
}

Json SampleList(const std::vector<MESSUNG>& samples) {
    Json list = Json::array();
    for (const MESSUNG& m : samples)
        list.push_back(Json::array({m.station, m.value, m.width, Speed(m.speed), m.limit,
                                    m.Marked(), Text(m.comment.str())}));
    return list;
}

Json Fields(const CMessFahrtDaten& run) {
    const KopfFelder& f = run.fields;
    return Json{{"number", Text(f.number)},          {"date", Text(f.date)},
                {"office", Text(f.office)},          {"department", Text(f.department)},
                {"inspector", Text(f.inspector)},    {"road_type", Text(f.roadType)},
                {"road_number", Text(f.roadNumber)}, {"street", Text(f.street)},
                {"start_km", Text(f.startKm)}};
}

Json Lines(const CMessFahrtDaten& run) {
    Json lines = Json::array();
    for (const std::string_view l : run.FileLines()) lines.push_back(Text(std::string(l)));
    return lines;
}

Json Messages(const std::vector<ShownMessage>& shown) {
    Json list = Json::array();
    for (const auto& m : shown)
        list.push_back(Json{{"icon", IconName(m.icon)}, {"text", Text(m.text)}});
    return list;
}

void PrintJson(const Json& json) {
    std::cout << json.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace nivora::cli
