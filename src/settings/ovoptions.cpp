#include "settings/ovoptions.h"

#include <cmath>
#include <limits>
#include <type_traits>

#include "settings/inifile.h"
#include "util/errors.h"
#include "util/fileio.h"
#include "util/numconv.h"

namespace ashtally {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool NeedsEscape(unsigned char c) {
    return c < 32 || c == '%' || c == '=' || c == '[' || c == ']';
}

const char* TypeName(const OptionValue& value) {
    static constexpr const char* names[] = {"Empty", "Boolean", "Integer", "Real", "String"};
    return names[value.index()];
}

[[noreturn]] void ThrowCannotConvert(const OptionValue& value, const char* target) {
    throw EConvertError(std::string("Could not convert a value of type (") + TypeName(value) +
                        ") into type (" + target + ")");
}

// The nearest integer, halves to even, or nullopt outside the signed 32-bit range.
std::optional<std::int32_t> RoundToInt32(double x) {
    if (!std::isfinite(x) || std::fabs(x) > 4.0e9) {
        return std::nullopt;
    }
    const std::int64_t rounded = RoundHalfEven(x);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::optional<double> TextToReal(const std::string& text, std::string_view decimalSeparator) {
    try {
        return StrToFloat(text, decimalSeparator);
    } catch (const Exception&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::int32_t> ValueToInteger(const OptionValue& value,
                                           std::string_view decimalSeparator) {
    return std::visit(
        [&](const auto& v) -> std::optional<std::int32_t> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return 0;
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? 1 : 0;
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return v;
            } else if constexpr (std::is_same_v<T, double>) {
                return RoundToInt32(v);
            } else {
                const std::optional<double> number = TextToReal(v, decimalSeparator);
                return number ? RoundToInt32(*number) : std::nullopt;
            }
        },
        value);
}

std::optional<bool> ValueToBoolean(const OptionValue& value) {
    return std::visit(
        [](const auto& v) -> std::optional<bool> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return false;
            } else if constexpr (std::is_same_v<T, bool>) {
                return v;
            } else if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, double>) {
                return v != 0;
            } else {
                if (SameKey(v, "True")) {
                    return true;
                }
                if (SameKey(v, "False")) {
                    return false;
                }
                return std::nullopt;
            }
        },
        value);
}

std::optional<double> ValueToReal(const OptionValue& value, std::string_view decimalSeparator) {
    return std::visit(
        [&](const auto& v) -> std::optional<double> {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return 0.0;
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? 1.0 : 0.0;
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return static_cast<double>(v);
            } else if constexpr (std::is_same_v<T, double>) {
                return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
            } else {
                return TextToReal(v, decimalSeparator);
            }
        },
        value);
}

std::optional<std::int64_t> ValueToMoney(const OptionValue& value,
                                         std::string_view decimalSeparator) {
    const std::optional<double> amount = ValueToReal(value, decimalSeparator);
    // Beyond this the amount times 10000 no longer fits the 64-bit money type.
    if (!amount || !std::isfinite(*amount) || std::fabs(*amount) >= 9.0e14) {
        return std::nullopt;
    }
    return RoundHalfEven(*amount * 10000.0);
}

std::optional<std::string> ValueToText(const OptionValue& value,
                                       std::string_view decimalSeparator) {
    return std::visit(
        [&](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return {};
            } else if constexpr (std::is_same_v<T, bool>) {
                return v ? "True" : "False";
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return std::to_string(v);
            } else if constexpr (std::is_same_v<T, double>) {
                return FloatToStr(v, decimalSeparator);
            } else {
                return v;
            }
        },
        value);
}

std::optional<std::string> ValueToMemoText(const OptionValue& value,
                                           std::string_view decimalSeparator) {
    const std::string text = *ValueToText(value, decimalSeparator);
    std::string memo;
    memo.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            memo += "\r\n";
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            memo += "\r\n";
        } else {
            memo += text[i];
        }
    }
    return memo;
}

std::string EscapeOptionText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (NeedsEscape(code)) {
            escaped += '%';
            escaped += kHexDigits[code >> 4];
            escaped += kHexDigits[code & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UnescapeOptionText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexDigitValue(text[i + 1]);
            const int low = HexDigitValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                plain += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        plain += text[i];
    }
    return plain;
}

TOVOptions::TOVOptions() {
    m_declarations.push_back(OptionDeclaration{"Version", kVersionIndex, OptionType::Integer});
}

void TOVOptions::DeclareOption(std::string key, int index, OptionType type) {
    if (index < 0) {
        throw EListError(index);
    }
    m_declarations.push_back(OptionDeclaration{std::move(key), index, type});
}

const OptionDeclaration* TOVOptions::FindOption(std::string_view key) const {
    for (const OptionDeclaration& option : m_declarations) {
        if (SameKey(option.Key, key)) {
            return &option;
        }
    }
    return nullptr;
}

OptionValue TOVOptions::GetValue(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_values.size()) {
        return {};
    }
    return m_values[static_cast<std::size_t>(index)];
}

void TOVOptions::SetValue(int index, OptionValue value) {
    if (index < 0) {
        throw EListError(index);
    }
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= m_values.size()) {
        m_values.resize(slot + 1);
    }
    m_values[slot] = std::move(value);
}

bool TOVOptions::GetBool(int index) const {
    const OptionValue value = GetValue(index);
    const std::optional<bool> result = ValueToBoolean(value);
    if (!result) {
        ThrowCannotConvert(value, "Boolean");
    }
    return *result;
}

void TOVOptions::SetBool(int index, bool value) {
    SetValue(index, value);
}

std::string TOVOptions::GetStr(int index) const {
    return *ValueToText(GetValue(index), m_decimalSeparator);
}

void TOVOptions::SetStr(int index, std::string value) {
    SetValue(index, std::move(value));
}

std::int32_t TOVOptions::GetInt(int index) const {
    const OptionValue value = GetValue(index);
    const std::optional<std::int32_t> result = ValueToInteger(value, m_decimalSeparator);
    if (!result) {
        ThrowCannotConvert(value, "Integer");
    }
    return *result;
}

void TOVOptions::SetInt(int index, std::int32_t value) {
    SetValue(index, value);
}

double TOVOptions::GetReal(int index) const {
    const OptionValue value = GetValue(index);
    const std::optional<double> result = ValueToReal(value, m_decimalSeparator);
    if (!result) {
        ThrowCannotConvert(value, "Real");
    }
    return *result;
}

void TOVOptions::SetReal(int index, double value) {
    SetValue(index, value);
}

OptionValue TOVOptions::OptionValueOf(const OptionDeclaration& option) const {
    if (option.Index == kVersionIndex) {
        return Version;
    }
    switch (option.Type) {
    case OptionType::Boolean:
        return GetBool(option.Index);
    case OptionType::Integer:
        return GetInt(option.Index);
    case OptionType::Real:
        return GetReal(option.Index);
    case OptionType::String:
        break;
    }
    return GetStr(option.Index);
}

bool TOVOptions::StoreOption(const OptionDeclaration& option, const OptionValue& value) {
    switch (option.Type) {
    case OptionType::Boolean:
        if (const std::optional<bool> b = ValueToBoolean(value)) {
            SetBool(option.Index, *b);
            return true;
        }
        break;
    case OptionType::Integer:
        if (const std::optional<std::int32_t> n = ValueToInteger(value, m_decimalSeparator)) {
            if (option.Index == kVersionIndex) {
                Version = *n;
            } else {
                SetInt(option.Index, *n);
            }
            return true;
        }
        break;
    case OptionType::Real:
        if (const std::optional<double> x = ValueToReal(value, m_decimalSeparator)) {
            SetReal(option.Index, *x);
            return true;
        }
        break;
    case OptionType::String:
        SetStr(option.Index, *ValueToText(value, m_decimalSeparator));
        return true;
    }
    Report("P5 " + option.Key);
    return false;
}

void TOVOptions::Report(const std::string& message) const {
    if (m_messageHandler) {
        m_messageHandler(message);
    }
}

void TOVOptions::LoadFromFile(const std::string& fileName) {
    IniFile ini(fileName);
    LoadFromIni(ini);
}

void TOVOptions::LoadFromIni(IniFile& ini) {
    for (const std::string& line : ini.ReadSection(m_section)) {
        LoadLine(line);
    }
    AfterLoad(ini);
}

// line = key "=" value ; nothing is trimmed, so "cbDo72 = False" has the key "cbDo72 ".
void TOVOptions::LoadLine(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return;
    }
    const OptionDeclaration* option = FindOption(std::string_view(line).substr(0, equals));
    if (!option) {
        return;
    }
    const std::string_view text = std::string_view(line).substr(equals + 1);
    try {
        OptionValue value;
        try {
            switch (option->Type) {
            case OptionType::String:
                value = UnescapeOptionText(text);
                break;
            case OptionType::Boolean:
                // Only "False" switches an option off; any other text leaves it on.
                value = !SameKey(text, "False");
                break;
            case OptionType::Integer:
                value = StrToInt(text);
                break;
            case OptionType::Real:
                value = StrToFloat(text, m_decimalSeparator);
                break;
            }
        } catch (const EConvertError&) {
            Report("P5 " + option->Key);
            return;
        }
        StoreOption(*option, value);
    } catch (const std::exception&) {
        Report("Cannot load setting for option \"" + option->Key + "\"");
    }
}

std::string TOVOptions::OptionText(const OptionDeclaration& option) const {
    const OptionValue value = OptionValueOf(option);
    if (option.Type == OptionType::String) {
        return EscapeOptionText(std::get<std::string>(value));
    }
    return *ValueToText(value, m_decimalSeparator);
}

void TOVOptions::SaveToFile(const std::string& fileName) {
    IniFile ini(fileName);
    SaveToIni(ini);
    ini.Save();
}

void TOVOptions::SaveToIni(IniFile& ini) {
    Version = m_currentVersion;
    for (const OptionDeclaration& option : m_declarations) {
        ini.WriteString(m_section, option.Key, OptionText(option));
    }
    AfterSave(ini);
}

void TOVOptions::Assign(const TOVOptions& source) {
    if (&source == this) {
        return;
    }
    for (const OptionDeclaration& option : source.Declarations()) {
        if (const OptionDeclaration* target = FindOption(option.Key)) {
            StoreOption(*target, source.OptionValueOf(option));
        }
    }
}

void TOVOptions::AfterLoad(IniFile& /*ini*/) {}

void TOVOptions::AfterSave(IniFile& /*ini*/) {}

} // namespace ashtally
