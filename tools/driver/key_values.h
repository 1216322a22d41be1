#pragma once
// KEY=VALUE arguments of the configuration commands.

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sc::driver {

using KeyValues = std::map<std::string, std::string>;

// Every argument must be KEY=VALUE with a key from `known`; a ScriptError otherwise.
KeyValues parseKeyValues(const std::vector<std::string>& args, std::span<const std::string_view> known);

}  // namespace sc::driver
