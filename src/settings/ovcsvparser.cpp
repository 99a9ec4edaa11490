#include "settings/ovcsvparser.h"

#include "settings/textlines.h"
#include "util/fileio.h"

namespace ashtally {

void TOVCSVParser::LoadFromFile(const std::string& fileName) {
    SetText(ReadFileBytes(fileName));
    if (OnBeforeParse) {
        OnBeforeParse(*this);
    }
    ParseLines();
}

void TOVCSVParser::SetText(std::string_view text) {
    Lines = SplitTextLines(text);
}

void TOVCSVParser::ParseLines() {
    // A handler may add lines while it runs; those are not parsed in this pass.
    const std::size_t count = Lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        std::string line = Lines[i];
        if (OnReadNewLine && !OnReadNewLine(*this, line, static_cast<int>(i))) {
            continue;
        }
        const std::vector<std::string> fields = SplitLine(line);
        if (OnSetData) {
            OnSetData(*this, fields);
        }
    }
}

// line  = field { Delimiter field } [ Delimiter ]
// field = any characters; a Delimiter between an odd and the next even QuoteChar (counted from
//         the field's start) is part of the field.
// A Delimiter ending the line ends the last field rather than starting an empty one, so "a,b,"
// has two fields, "a,,b" three and an empty line one empty field.
std::vector<std::string> TOVCSVParser::SplitLine(std::string_view line) const {
    std::vector<std::string> fields;
    std::size_t position = 0;
    while (true) {
        bool inside = false;
        std::size_t delimiter = std::string_view::npos;
        for (std::size_t i = position; i < line.size(); ++i) {
            if (line[i] == QuoteChar) {
                inside = !inside;
            } else if (line[i] == Delimiter && !inside) {
                delimiter = i;
                break;
            }
        }
        if (delimiter == std::string_view::npos) {
            fields.push_back(UnquoteField(line.substr(position)));
            break;
        }
        fields.push_back(UnquoteField(line.substr(position, delimiter - position)));
        position = delimiter + 1;
        if (position >= line.size()) {
            break;
        }
    }
    return fields;
}

std::string TOVCSVParser::UnquoteField(std::string_view field) const {
    if (field.size() >= 2 && field.front() == QuoteChar && field.back() == QuoteChar) {
        field = field.substr(1, field.size() - 2);
    }
    // Pairs are halved whether or not the field was enclosed: «ab""cd» reads as «ab"cd».
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        text += field[i];
        if (field[i] == QuoteChar && i + 1 < field.size() && field[i + 1] == QuoteChar) {
            ++i;
        }
    }
    return text;
}

std::string TOVCSVParser::BuildLine(const std::vector<std::string>& fields) const {
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty()) {
            line += Delimiter;
        }
        line += QuoteChar;
        for (const char c : field) {
            line += c;
            if (c == QuoteChar) {
                line += c;
            }
        }
        line += QuoteChar;
    }
    return line;
}

void TOVCSVParser::AddRow(const std::vector<std::string>& fields) {
    Lines.push_back(BuildLine(fields));
}

std::string TOVCSVParser::Text() const {
    std::string text;
    for (const std::string& line : Lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

void TOVCSVParser::SaveToFile(const std::string& fileName) const {
    WriteFileAtomically(fileName, Text());
}

} // namespace ashtally
