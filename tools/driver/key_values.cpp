#include "tools/driver/key_values.h"

#include <algorithm>

#include "tools/driver/script_line.h"

namespace sc::driver {

KeyValues parseKeyValues(const std::vector<std::string>& args, std::span<const std::string_view> known) {
    KeyValues values;
    for (const auto& arg : args) {
        const auto equals = arg.find('=');
        if (equals == std::string::npos || equals == 0)
            throw ScriptError("expected KEY=VALUE, not '" + arg + "'");
        const std::string key = arg.substr(0, equals);
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            std::string list;
            for (auto k : known) list += (list.empty() ? "" : ", ") + std::string(k);
            throw ScriptError("unknown key '" + key + "' (known: " + list + ")");
        }
        if (values.contains(key)) throw ScriptError("key '" + key + "' given twice");
        values[key] = arg.substr(equals + 1);
    }
    return values;
}

}  // namespace sc::driver
