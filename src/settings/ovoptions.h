#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ashtally {

class IniFile;

enum class OptionType { Boolean, String, Integer, Real };

// One option of a set: its key is the INI key and the name of the control that shows it; its
// index selects its value slot.
struct OptionDeclaration {
    std::string Key;
    int Index = 0;
    OptionType Type = OptionType::String;
};

// A slot's value: empty, or a Boolean, Integer, Real or String.
using OptionValue = std::variant<std::monostate, bool, std::int32_t, double, std::string>;

// The conversions of a value copied between an option and a control property (or between two
// option sets). Each gives nullopt where the value does not convert; the caller then reports
// "P5 " and the target's name and leaves the target as it was. An empty value converts to
// false, 0, 0.0 or "".

// Integer: a Real is rounded to the nearest integer, halves to even; a String is read as a
// decimal number ("." or "," as the separator) and rounded so; a Boolean gives 1 or 0. Fails
// outside the signed 32-bit range.
std::optional<std::int32_t> ValueToInteger(const OptionValue& value,
                                           std::string_view decimalSeparator = ".");

// Boolean: a String must be the value name "True" or "False" (letter case ignored); an Integer
// or Real is true when it is not zero.
std::optional<bool> ValueToBoolean(const OptionValue& value);

// Floating point: a String is read as a decimal number ("." or ","); a Boolean gives 1 or 0.
std::optional<double> ValueToReal(const OptionValue& value,
                                  std::string_view decimalSeparator = ".");

// Fixed-point money (the amount times 10000): the floating-point value times 10000, rounded to
// the nearest integer, halves to even.
std::optional<std::int64_t> ValueToMoney(const OptionValue& value,
                                         std::string_view decimalSeparator = ".");

// Text: a Boolean as "True" or "False", an Integer as its digits, a Real in the shortest general
// form with the given decimal separator. Never fails; optional only to match its siblings.
std::optional<std::string> ValueToText(const OptionValue& value,
                                       std::string_view decimalSeparator = ".");

// The text of a memo: the value as text with every CR or LF that is not part of a CR LF pair
// turned into CR LF.
std::optional<std::string> ValueToMemoText(const OptionValue& value,
                                           std::string_view decimalSeparator = ".");

// How a String option is kept on one line of the INI file: every character below 32 and every
// "%", "=", "[" and "]" becomes "%" and its code in two upper-case hexadecimal digits
// ("a=b [x] 50%" -> "a%3Db %5Bx%5D 50%25"); every other byte, UTF-8 included, stays.
std::string EscapeOptionText(std::string_view text);

// The reverse: each "%" followed by two hexadecimal digits (either letter case) becomes the byte
// they give; every other character is copied. A "%" that has fewer than two characters after
// it, or is not followed by two hexadecimal digits, was not written by the program (a hand
// edit): it is kept as it stands and the scan goes on with the character after it, so "50%"
// reads as "50%" and "%zz" as "%zz".
std::string UnescapeOptionText(std::string_view text);

// A store of numbered, typed options. A derived set declares its options in its constructor
// (DeclareOption, in their order), then calls SetDefaults, so a new set holds every default.
// The set reads and writes its options as the section "Options" of an INI file, keyed by
// option name, and leaves the file's other sections as they are.
//
// The store shows no windows: whatever it has to tell the user (an option value that cannot be
// read, say) goes to the message handler, which the program turns into a message box. Real
// values are written with the decimal separator of the user's locale, handed in by the program.
class TOVOptions {
public:
    using MessageHandler = std::function<void(const std::string& message)>;

    // The index that stands for Version among the declarations; Version has no slot.
    static constexpr int kVersionIndex = -1;

    // The control properties that can carry an option's value, in order of preference.
    static constexpr std::array<std::string_view, 12> kControlValuePropertyNames{
        "Selected",  "Filename", "Value", "Checked",    "Text",     "FontName",
        "ItemIndex", "Items",    "Lines", "BrushStyle", "PenStyle", "Caption"};

    virtual ~TOVOptions() = default;

    // Format version of stored options; 0 in a new set, the current version once saved.
    std::int32_t Version = 0;

    std::int32_t CurrentVersion() const { return m_currentVersion; }
    const std::string& Section() const { return m_section; }

    // Version first, then the derived set's options in their declared order.
    const std::vector<OptionDeclaration>& Declarations() const { return m_declarations; }
    const OptionDeclaration* FindOption(std::string_view key) const;

    // Slots by index. Reading an empty slot or an index beyond the array gives false, "", 0 or
    // 0.0; storing beyond the array first grows it to index + 1 slots. A getter converts a slot
    // of another type (see the conversions above) and raises EConvertError where it cannot.
    OptionValue GetValue(int index) const;
    void SetValue(int index, OptionValue value);
    bool GetBool(int index) const;
    void SetBool(int index, bool value);
    std::string GetStr(int index) const;
    void SetStr(int index, std::string value);
    std::int32_t GetInt(int index) const;
    void SetInt(int index, std::int32_t value);
    double GetReal(int index) const;
    void SetReal(int index, double value);

    // A declared option's value (Version included) as a tagged value, and storing one converted
    // to the option's type. StoreOption reports "P5 " and the key and keeps the old value where
    // the value does not convert, and then returns false.
    OptionValue OptionValueOf(const OptionDeclaration& option) const;
    bool StoreOption(const OptionDeclaration& option, const OptionValue& value);

    void SetMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }
    void SetDecimalSeparator(std::string separator) { m_decimalSeparator = std::move(separator); }
    const std::string& DecimalSeparator() const { return m_decimalSeparator; }

    // Reads the file's section "Options" into the options; a missing file reads as empty. The
    // file itself is never written. A file that exists but cannot be read raises EFileError.
    void LoadFromFile(const std::string& fileName);
    void LoadFromIni(IniFile& ini);

    // Writes every option into the file's section "Options", keeping the rest of the file, and
    // writes the whole file atomically; EFileError where it cannot.
    void SaveToFile(const std::string& fileName);
    void SaveToIni(IniFile& ini);

    // Copies from the source every option (Version included) for which this set declares an
    // option of the same key, converted to this set's type.
    virtual void Assign(const TOVOptions& source);

    // Stores the default of every option.
    virtual void SetDefaults() = 0;

protected:
    TOVOptions();
    TOVOptions(const TOVOptions&) = default;
    TOVOptions& operator=(const TOVOptions&) = default;

    void DeclareOption(std::string key, int index, OptionType type);

    // Called at the end of loading and of saving with the open INI object, for a derived set
    // that keeps more than its options in the file.
    virtual void AfterLoad(IniFile& ini);
    virtual void AfterSave(IniFile& ini);

    void Report(const std::string& message) const;

private:
    void LoadLine(const std::string& line);
    std::string OptionText(const OptionDeclaration& option) const;

    std::vector<OptionValue> m_values;
    std::vector<OptionDeclaration> m_declarations;
    std::int32_t m_currentVersion = 1;
    std::string m_section = "Options";
    std::string m_decimalSeparator = ".";
    MessageHandler m_messageHandler;
};

} // namespace ashtally
