// The page's markup: the user's text escaped, and kept well-formed UTF-8.
#include <string>

#include <gtest/gtest.h>

#include "report/format/markup.h"

using namespace dlt;

TEST(Markup, UsersTextStaysTextAndWellFormedUtf8) {
  std::string out;
  append_escaped(out, "Pos. <1> & \"A\" 'B' \xc2\xb5m \xe2\x82\xac");
  EXPECT_EQ(out, "Pos. &lt;1&gt; &amp; &quot;A&quot; &#39;B&#39; \xc2\xb5m \xe2\x82\xac");
  // Bytes that are no UTF-8, overlong forms, surrogates, cut-off sequences,
  // control characters and the two characters above U+FFFD that XML leaves
  // out each become U+FFFD.
  for (const char* bad : {"\xff", "\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\x01", "\x7f", "\xc2\x9b",
                          "\xf4\x90\x80\x80", "\xef\xbf\xbe", "\xef\xbf\xbf"}) {
    out.clear();
    append_escaped(out, std::string("a") + bad + "b");
    EXPECT_EQ(out.substr(0, 4), "a\xef\xbf\xbd") << bad;
    EXPECT_EQ(out.back(), 'b') << bad;
    EXPECT_EQ(out.find('\x01'), std::string::npos);
    EXPECT_EQ(out.find("\xef\xbf\xbe"), std::string::npos);
    EXPECT_EQ(out.find("\xef\xbf\xbf"), std::string::npos);
  }
  // The noncharacters XML allows, and the last characters before and after
  // the two it does not, stay.
  for (const char* kept : {"\xef\xb7\x90", "\xef\xbf\xbd", "\xf0\x9f\xbf\xbe", "\xf4\x8f\xbf\xbf",
                           "\xf0\x90\x80\x80", "\xee\x80\x80"}) {
    out.clear();
    append_escaped(out, kept);
    EXPECT_EQ(out, kept);
  }
}
