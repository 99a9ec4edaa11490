#include "util/mailhandoff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ashtally {
namespace {

using Arguments = std::vector<std::string>;

TEST(SplitMailList, SplitsAtSemicolonsAndCommasKeepingPiecesAsWritten) {
    struct Case {
        std::string Text;
        Arguments Expected;
    };
    const std::vector<Case> cases = {
        {"a@x; b@x,,c@x", {"a@x", " b@x", "c@x"}},
        {"", {}},
        {";,;", {}},
        {"a@x", {"a@x"}},
        {",a@x;", {"a@x"}},
        {" ; ", {" ", " "}},
        {"/tmp/p 1.jpg", {"/tmp/p 1.jpg"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Expected, SplitMailList(c.Text)) << c.Text;
    }
}

TEST(XdgEmailArguments, BuildsTheCommandLine) {
    struct Case {
        const char* Name;
        MailMessage Message;
        Arguments Expected;
    };
    const std::vector<Case> cases = {
        {"three addresses, the second with its leading space",
         {.To = "a@x; b@x,,c@x"},
         {"--utf8", "a@x", " b@x", "c@x"}},
        {"nothing but the flag", {}, {"--utf8"}},
        {"no recipient",
         {.Subject = "Hi", .Body = "Text", .Attachments = "/p/a.jpg"},
         {"--utf8", "--subject", "Hi", "--body", "Text", "--attach", "/p/a.jpg"}},
        {"everything",
         {.Subject = "S",
          .Body = "B",
          .To = "t@x",
          .Cc = "c1@x;c2@x",
          .Bcc = "b@x",
          .Attachments = "/p/a.jpg,/p/b c.png"},
         {"--utf8", "--subject", "S", "--body", "B", "--cc", "c1@x", "--cc", "c2@x", "--bcc", "b@x",
          "--attach", "/p/a.jpg", "--attach", "/p/b c.png", "t@x"}},
        {"quotes, semicolons and Greek pass untouched",
         {.Subject = "\"1 year\"; 'well done' — Ευχαριστώ",
          .Body = "It's been \"365\" days; ώρα για γιορτή $HOME `x`"},
         {"--utf8", "--subject", "\"1 year\"; 'well done' — Ευχαριστώ", "--body",
          "It's been \"365\" days; ώρα για γιορτή $HOME `x`"}},
        {"line breaks become LF",
         {.Subject = "a\r\nb", .Body = "one\r\ntwo\r\r\nthree\rfour\n\r\n"},
         {"--utf8", "--subject", "a\nb", "--body", "one\ntwo\n\nthree\nfour\n\n"}},
        {"To pieces the command would misread go into one mailto URI first",
         {.To = "a@x;-x@y;John Smith,mailto:q@z;b@x"},
         {"--utf8", "mailto:-x@y,John%20Smith,mailto%3Aq@z", "a@x", "b@x"}},
        {"an option word never stands alone",
         {.To = "--help", .Cc = "--version;c@x", .Bcc = "-b@x"},
         {"--utf8", "--cc", "c@x", "mailto:--help?cc=--version&bcc=-b@x"}},
        {"CC fields alone still make the URI",
         {.To = "t@x", .Cc = "-c@x"},
         {"--utf8", "mailto:?cc=-c@x", "t@x"}},
        {"an attachment path beginning with - stays the same file",
         {.Attachments = "-pic.jpg"},
         {"--utf8", "--attach", "./-pic.jpg"}},
        {"percent-encoding of a misread piece",
         {.To = "Γ%&?=#"},
         {"--utf8", "mailto:%CE%93%25%26%3F%3D%23"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Expected, XdgEmailArguments(c.Message)) << c.Name;
    }
}

} // namespace
} // namespace ashtally
