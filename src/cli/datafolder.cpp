#include "cli/datafolder.h"

#include <filesystem>
#include <system_error>

#include "settings/quittersfile.h"
#include "util/appdatafolder.h"
#include "util/errors.h"
#include "util/numberedstrings.h"
#include "util/regional.h"

namespace ashtally::cli {

DataFolderContents LoadDataFolder(const std::string& folder, const StringSource& strings,
                                  const RegionalSettings& regional, TDateTime now) {
    DataFolderContents contents;
    const std::string quittersPath = folder + "buddies.csv";
    QuittersFileContents file = ReadQuittersFile(quittersPath, regional);
    contents.Quitters = std::move(file.Quitters);
    const std::string unread = UnreadLinesMessage(file.UnreadLines);
    if (!unread.empty()) {
        contents.Messages.push_back(unread);
    }
    contents.Options = std::make_unique<TOptions>(strings, ProgramFolder());
    contents.Options->SetDecimalSeparator(regional.DecimalSeparator);
    contents.Options->SetMessageHandler(
        [&contents](const std::string& message) { contents.Messages.push_back(message); });
    contents.Options->LoadFromFile(folder + "options.ini");
    contents.Options->SetMessageHandler({});
    if (contents.Quitters.empty()) {
        contents.Quitters.push_back(NewQuitterRecord(strings.Get(sUser), now));
    }
    return contents;
}

std::string DataFolderPath(const std::string& given) {
    if (given.empty()) {
        return AppDataFolder(/*create=*/false, /*common=*/false, "Ashtally");
    }
    return given.back() == '/' ? given : given + "/";
}

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    std::string folder = self.parent_path().string();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// moment = YYYY "-" MM "-" DD "T" HH ":" MM ":" SS, every field all digits, nothing around it.
TDateTime ParseMoment(const std::string& text) {
    static constexpr char kShape[] = "dddd-dd-ddTdd:dd:dd";
    const auto fail = [&text]() -> TDateTime {
        throw EConvertError("'" + text + "' is not a valid moment (YYYY-MM-DDTHH:MM:SS)");
    };
    if (text.size() != sizeof(kShape) - 1) {
        return fail();
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) {
            return fail();
        }
    }
    const auto number = [&text](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i) {
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    DateTimeParts parts;
    parts.Year = number(0, 4);
    parts.Month = number(5, 2);
    parts.Day = number(8, 2);
    parts.Hour = number(11, 2);
    parts.Minute = number(14, 2);
    parts.Second = number(17, 2);
    try {
        return EncodeDateTime(parts);
    } catch (const EConvertError&) {
        return fail();
    }
}

DataFolderArguments ParseDataFolderArguments(const std::vector<std::string>& args) {
    DataFolderArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (name != "--data-dir" && name != "--at") {
            throw UsageError{word.compare(0, 2, "--") == 0 ? "unknown option " + name
                                                           : "unexpected argument " + word};
        }
        std::string value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw UsageError{name + " needs a value"};
        }
        if (name == "--at") {
            parsed.At = value;
        } else {
            parsed.DataDir = value;
        }
    }
    return parsed;
}

} // namespace ashtally::cli
