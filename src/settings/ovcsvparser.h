#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// A small CSV reader and writer: splits lines into fields, aware of quotes, and builds fully
// quoted lines. The owner reads a file and receives each parsed line through OnSetData, or
// builds lines with AddRow and saves them.
class TOVCSVParser {
public:
    using TOnSetData =
        std::function<void(TOVCSVParser& sender, const std::vector<std::string>& data)>;
    // May change the line before it is split; returning false skips it. lineNum counts from 0.
    using TOnNewLine = std::function<bool(TOVCSVParser& sender, std::string& line, int lineNum)>;
    using TNotifyEvent = std::function<void(TOVCSVParser& sender)>;

    char QuoteChar = '"';
    char Delimiter = ',';
    TOnSetData OnSetData;
    TOnNewLine OnReadNewLine;
    TNotifyEvent OnBeforeParse;

    // The lines read from a file, or built by AddRow.
    std::vector<std::string> Lines;

    // Replaces the lines by those of the file (split at CR LF, CR or LF), raises OnBeforeParse
    // and parses them. A file that cannot be read raises EFileError.
    void LoadFromFile(const std::string& fileName);

    // Replaces the lines by those of the text, without parsing them.
    void SetText(std::string_view text);

    // Splits every line and hands its fields to OnSetData.
    void ParseLines();

    // Appends the line built from the fields.
    void AddRow(const std::vector<std::string>& fields);

    // The file's bytes: every line followed by CR LF.
    std::string Text() const;

    // Replaces the file atomically with Text(); EFileError where it cannot.
    void SaveToFile(const std::string& fileName) const;

    // The fields of one line, unquoted.
    std::vector<std::string> SplitLine(std::string_view line) const;

    // One line from the fields: each enclosed in quotes with its quotes doubled, separated by
    // the delimiter; no fields give an empty line.
    std::string BuildLine(const std::vector<std::string>& fields) const;

    // A field without its enclosing quotes, doubled quotes halved.
    std::string UnquoteField(std::string_view field) const;
};

} // namespace ashtally
