#pragma once
// The one way the tool prints JSON: one line, and a byte that is not UTF-8
// (a damaged name in a file) shown as U+FFFD instead of stopping the output.

#include <nlohmann/json.hpp>
#include <string>

namespace sc {

template <class Json>
std::string jsonText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace sc
