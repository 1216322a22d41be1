#include "acquisition/lap_counter_model.h"

#include <array>
#include <cctype>
#include <string>

namespace sc {

namespace {

struct ModelInfo {
    std::string_view name;
    std::string_view settings;
    int baud;
};

constexpr std::array<ModelInfo, kLapCounterModelCount> kModels{{
    {"DS003", "1200,n,8,1", 1200},
    {"DS030", "4800,n,8,1", 4800},
    {"DS300", "56000,n,8,1", 56000},
    {"DS300 & DS4port", "56000,n,8,1", 56000},
    {"DS200", "4800,n,8,1", 4800},
}};

const ModelInfo* infoOf(LapCounterModel model) {
    const auto index = static_cast<int>(model);
    return index >= 0 && index < kLapCounterModelCount ? &kModels[index] : nullptr;
}

std::string squeezed(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace

std::string_view lapCounterModelName(LapCounterModel model) {
    const auto* info = infoOf(model);
    return info ? info->name : std::string_view{};
}

std::string_view portSettingsText(LapCounterModel model) {
    const auto* info = infoOf(model);
    return info ? info->settings : std::string_view{};
}

int baudRate(LapCounterModel model) {
    const auto* info = infoOf(model);
    return info ? info->baud : 0;
}

std::optional<LapCounterModel> parseLapCounterModel(std::string_view text) {
    const std::string key = squeezed(text);
    if (key.size() == 1 && key[0] >= '0' && key[0] < '0' + kLapCounterModelCount) {
        return static_cast<LapCounterModel>(key[0] - '0');
    }
    if (key == "DS4PORT") return LapCounterModel::DS300DS4port;
    for (int i = 0; i < kLapCounterModelCount; ++i) {
        if (key == squeezed(kModels[i].name)) return static_cast<LapCounterModel>(i);
    }
    return std::nullopt;
}

bool isFrameModel(LapCounterModel model) {
    return model == LapCounterModel::DS300 || model == LapCounterModel::DS300DS4port ||
           model == LapCounterModel::DS200;
}

}  // namespace sc
