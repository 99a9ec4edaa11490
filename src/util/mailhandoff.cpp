#include "util/mailhandoff.h"

namespace ashtally {

namespace {

std::string WithLfBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

bool IsPlainAddress(const std::string& piece) {
    return piece.find('@') != std::string::npos && piece.front() != '-' &&
           piece.rfind("mailto:", 0) != 0;
}

// RFC 6068 keeps these as they are in an address; everything else is percent-encoded, the ","
// that separates addresses included.
std::string PercentEncoded(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string result;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            std::string_view("-._~@").find(c) != std::string_view::npos) {
            result += c;
        } else {
            result += '%';
            result += hex[code >> 4];
            result += hex[code & 0x0f];
        }
    }
    return result;
}

void AddOption(std::vector<std::string>& arguments, const char* option, std::string value) {
    arguments.emplace_back(option);
    arguments.push_back(std::move(value));
}

} // namespace

std::vector<std::string> SplitMailList(std::string_view text) {
    std::vector<std::string> pieces;
    while (true) {
        const std::size_t end = text.find_first_of(";,");
        const std::string_view piece = text.substr(0, end);
        if (!piece.empty()) {
            pieces.emplace_back(piece);
        }
        if (end == std::string_view::npos) {
            return pieces;
        }
        text.remove_prefix(end + 1);
    }
}

std::vector<std::string> XdgEmailArguments(const MailMessage& message) {
    std::vector<std::string> arguments{"--utf8"};
    if (!message.Subject.empty()) {
        AddOption(arguments, "--subject", WithLfBreaks(message.Subject));
    }
    if (!message.Body.empty()) {
        AddOption(arguments, "--body", WithLfBreaks(message.Body));
    }
    // What cannot go as a word of its own goes into one "mailto:" URI: To pieces in its
    // address part, CC and BCC pieces as its fields.
    std::string uriAddresses;
    std::string uriFields;
    auto addField = [&uriFields](const char* name, const std::string& piece) {
        uriFields +=
            (uriFields.empty() ? "?" : "&") + std::string(name) + "=" + PercentEncoded(piece);
    };
    for (const std::string& piece : SplitMailList(message.Cc)) {
        if (piece.front() == '-') {
            addField("cc", piece);
        } else {
            AddOption(arguments, "--cc", piece);
        }
    }
    for (const std::string& piece : SplitMailList(message.Bcc)) {
        if (piece.front() == '-') {
            addField("bcc", piece);
        } else {
            AddOption(arguments, "--bcc", piece);
        }
    }
    for (std::string& piece : SplitMailList(message.Attachments)) {
        AddOption(arguments, "--attach", piece.front() == '-' ? "./" + piece : std::move(piece));
    }
    std::vector<std::string> addresses;
    for (std::string& piece : SplitMailList(message.To)) {
        if (IsPlainAddress(piece)) {
            addresses.push_back(std::move(piece));
        } else {
            uriAddresses += (uriAddresses.empty() ? "" : ",") + PercentEncoded(piece);
        }
    }
    // The command keeps only the last "mailto:" argument and adds the plain addresses after it
    // to it, so the one URI goes before them.
    if (!uriAddresses.empty() || !uriFields.empty()) {
        arguments.push_back("mailto:" + uriAddresses + uriFields);
    }
    arguments.insert(arguments.end(), addresses.begin(), addresses.end());
    return arguments;
}

} // namespace ashtally
