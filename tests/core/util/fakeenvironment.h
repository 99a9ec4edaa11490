#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "util/appdatafolder.h"

namespace ashtally::testing {

// An environment holding exactly the given variables, for the rules that read the desktop's.
inline EnvironmentLookup FakeEnvironment(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const std::string& name) {
        const auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
}

} // namespace ashtally::testing
