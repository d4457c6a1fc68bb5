// Evaluation weights as a text file of numbers, in the order of EvalParams::Numbers().
#pragma once

#include <optional>
#include <string>

#include "engine/eval_params.h"

namespace varnix::bench {

std::optional<engine::EvalParams> ReadParams(const std::string& path);
bool WriteParams(const std::string& path, engine::EvalParams params);
// The weights as the body of the function that builds the defaults in eval_params.cpp.
std::string ParamsAsCode(const engine::EvalParams& params);

}  // namespace varnix::bench
