#pragma once
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CliMessages.h"
#include "measurement/MessFahrtDaten.h"

namespace nivora::cli {

using Json = nlohmann::ordered_json;

// Windows-1252 text as a JSON string (UTF-8).
Json Text(const std::string& cp1252);
// A speed in the shortest form that reads back to the same double.
Json Speed(double speed);
Json SampleList(const std::vector<MESSUNG>& samples);
Json Fields(const CMessFahrtDaten& run);
Json Lines(const CMessFahrtDaten& run);
Json Messages(const std::vector<ShownMessage>& shown);
// Prints the JSON object followed by a line feed.
void PrintJson(const Json& json);

}  // namespace nivora::cli
