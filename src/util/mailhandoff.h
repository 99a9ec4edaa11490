#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// A message handed to the desktop's mail program, which shows it for the user to finish and
// send. To, Cc, Bcc and Attachments are lists as the user writes them (see SplitMailList).
struct MailMessage {
    std::string Subject{};
    std::string Body{};
    std::string To{};
    std::string Cc{};
    std::string Bcc{};
    std::string Attachments{};
};

// The pieces of a recipient or attachment list.
//   list = [ piece ] { ( ";" | "," ) [ piece ] }
// Empty pieces are dropped; the others are kept exactly as written (no trimming), since the
// mail program resolves each one as it stands.
std::vector<std::string> SplitMailList(std::string_view text);

// The arguments for the desktop's mail-compose command xdg-email (without the command itself):
//   --utf8, --subject S and --body B (each only when not empty: the command rejects an empty
//   one), --cc and --bcc per piece, --attach per attachment piece, and the To pieces last as
//   plain addresses.
// The command reads a trailing argument as an address only when it holds "@" and does not begin
// with "-" (an option) or "mailto:" (a URI that would replace the addresses before it). The
// other To pieces (a bare name, "-x@y", ...) are put, percent-encoded and separated by ",",
// into one "mailto:" URI placed before the plain addresses, and CC and BCC pieces that begin
// with "-" go into that URI as its cc= and bcc= fields; the command adds the rest to that URI,
// and the mail program shows every piece for the user to correct. So no piece reaches the
// command as a word of its own that it could read as an option (such as "--help", which it
// obeys wherever it stands). An attachment path that begins with "-" is written "./-...", the
// same file, so that no tool on the way takes it for an option.
// Line breaks of the subject and the body (CR LF, CR or LF) are handed over as LF: the command
// turns each LF into the CR LF a mail message uses, and would double a CR.
std::vector<std::string> XdgEmailArguments(const MailMessage& message);

} // namespace ashtally
