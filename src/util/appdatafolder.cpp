#include "util/appdatafolder.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace ashtally {

namespace {

bool IsAbsolute(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

std::string WithSeparator(std::string path) {
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path;
}

// The desktop's rule for a folder named by one variable: only a set, absolute path counts.
std::string AbsoluteVariable(const EnvironmentLookup& env, const std::string& name) {
    const std::optional<std::string> value = env(name);
    return value && IsAbsolute(*value) ? WithSeparator(*value) : std::string();
}

std::string PerUserFolder(const EnvironmentLookup& env) {
    std::string folder = AbsoluteVariable(env, "XDG_DATA_HOME");
    if (folder.empty()) {
        folder = AbsoluteVariable(env, "HOME");
        if (!folder.empty()) {
            folder += ".local/share/";
        }
    }
    return folder;
}

std::string CommonFolder(const EnvironmentLookup& env) {
    if (const std::optional<std::string> dirs = env("XDG_DATA_DIRS")) {
        std::string_view rest = *dirs;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string_view entry = rest.substr(0, colon);
            if (IsAbsolute(entry)) {
                return WithSeparator(std::string(entry));
            }
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    return "/usr/local/share/";
}

} // namespace

const EnvironmentLookup& SystemEnvironment() {
    static const EnvironmentLookup system = [](const std::string& name) {
        const char* value = std::getenv(name.c_str());
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    return system;
}

std::string AppDataFolder(bool create, bool common, const std::string& subfolder,
                          const EnvironmentLookup& env) {
    std::string folder;
    if (common) {
        folder = CommonFolder(env);
    }
    if (folder.empty()) {
        folder = PerUserFolder(env);
    }
    if (folder.empty()) {
        return folder;
    }
    if (!subfolder.empty()) {
        folder = WithSeparator(folder + subfolder);
    }
    if (create) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
    }
    return folder;
}

} // namespace ashtally
