// The help texts: one per key, laid out for the pane, and the results of
// the runs they quote as the runs give them.
#include "app/help_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "support/main_window_core.h"
#include "support/report_dates.h"

namespace orvane::app {
namespace {

// The text as one line, every run of blanks and line ends as one blank: what
// a reader reads, whatever the line breaks.
std::string Flat(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\r' || c == '\n';
    if (!blank) out += c;
    if (blank && !out.empty() && out.back() != ' ') out += ' ';
  }
  return out;
}

TEST(HelpTexts, EachKeyWithItsOwnTextMatchedExactly) {
  std::set<std::string> texts;
  for (std::string_view key : kHelpKeys) texts.insert(BuildHelpText(key));
  EXPECT_EQ(texts.size(), kHelpKeys.size());
  EXPECT_EQ(texts.count(""), 0u);
  // The conversion window's empty run name, other spellings and unknown names have none.
  for (const char* other : {"", "holydays", "HOLYDAYS", "Holy Days", "Conversion", "Easter "}) {
    EXPECT_EQ(BuildHelpText(other), "") << "'" << other << "'";
  }
}

// Lines of at most 88 characters ending in CR LF, plain ASCII; a paragraph's
// first line indented by 8, its other lines by 3; headings centred on a line
// of their own; the closing line last.
TEST(HelpTexts, EveryTextIsLaidOutForThePane) {
  auto centred = [](const std::string& line) {
    const std::size_t indent = line.find_first_not_of(' '), width = line.size() - indent;
    return width <= 88 && indent + 1 >= (88 - width) / 2 && indent <= (88 - width) / 2 + 1;
  };
  for (std::string_view key : kHelpKeys) {
    SCOPED_TRACE(std::string(key));
    const std::string text = BuildHelpText(key);
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c == '\r' || c == '\n') {
        EXPECT_EQ(text.substr(c == '\r' ? i : i - 1, 2), "\r\n") << "at " << i;
      } else {
        EXPECT_TRUE(c >= 32 && c < 127 && c != '{' && c != '}' && c != '~')
            << "character " << int(c) << " at " << i;
      }
    }
    const std::vector<std::string> lines = testing::TextLines(text);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines.back(), HelpClosingLine());
    EXPECT_TRUE(centred(lines.back()));
    bool inParagraph = false, headingSeen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      SCOPED_TRACE("line " + std::to_string(i + 1) + ": '" + line + "'");
      if (line.empty()) {
        EXPECT_TRUE(i == 0 || !lines[i - 1].empty()) << "two empty lines in a row";
        inParagraph = false;
        continue;
      }
      EXPECT_LE(line.size(), 88u);
      EXPECT_NE(line.back(), ' ');
      const std::size_t indent = line.find_first_not_of(' ');
      if (indent == 8) {
        inParagraph = true;
      } else if (indent == 3) {
        EXPECT_TRUE(inParagraph) << "a paragraph's other line with no first line above it";
      } else {
        EXPECT_TRUE(centred(line));
        EXPECT_TRUE((i == 0 || lines[i - 1].empty()) && (i + 1 == lines.size() || lines[i + 1].empty()));
        // The first heading in capitals, with the version mark at its right.
        EXPECT_TRUE(headingSeen || line.ends_with(std::string("    Ver ") + ORVANE_VERSION));
        inParagraph = false;
        headingSeen = true;
      }
    }
  }
}

// The texts quote what the runs find for a few years; each run still finds it.
TEST(HelpTexts, TheQuotedResultsAreThoseOfTheRuns) {
  struct Case {
    const char *key, *year, *reportHas, *helpHas;
  };
  const Case cases[] = {
      {"Golgotha", "31", "Passover sacrifice is Wednesday, 23 Apr 31 CE",
       "For the year 31 CE the run finds the Passover sacrifice on Wednesday, 23 April 31 CE"},
      {"Jordan", "-1510", "Passover sacrifice is Saturday, 27 Apr 1510 BCE",
       "its Passover sacrifice falls on Saturday, 27 April 1510 BCE and the Wave Offering on Sunday, 28 "
       "April."},
      {"Jordan", "-1510", "The Wave Offering (the First-Fruit) is Sunday, 28 Apr 1510 BCE",
       "1510 BCE is one"},
      {"Creation", "-4004", "Abib 1 is Sunday, 29 Mar 4004 BCE",
       "The traditional year 4004 BCE is one of the years the run finds: its Abib 1 falls on Sunday, 29 "
       "March "
       "4004 BCE."},
      {"Flood", "-2349", "There are 150 days between these dates.",
       "closest candidate years the run finds are 2349 BCE and 2348 BCE, both with 150 days"},
      {"Flood", "-2348", "There are 150 days between these dates.", "2348 BCE, both"},
      {"Flood", "-2347", "", "2348 BCE, both"},  // and none as close has 150 days
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + c.year);
    EXPECT_NE(Flat(BuildHelpText(c.key)).find(c.helpHas), std::string::npos);
    testing::MainWindowCore f;
    f.w.SwitchSection(c.key);
    f.w.txtYear = c.year;
    f.w.txtYear2 = "";
    f.w.txtYear_Enter();
    const std::string report = Flat(f.w.OutputText());
    if (*c.reportHas == 0) {
      EXPECT_EQ(report.find("There are 150 days"), std::string::npos);
    } else {
      EXPECT_NE(report.find(c.reportHas), std::string::npos) << report;
    }
  }
}

}  // namespace
}  // namespace orvane::app
