// What an edit of a byte-sized field keeps of a change that is too long.
#include "controls/edit_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EditFit, KeepsWhatFitsOfTheInsertionAndNeverHalfACharacter) {
  const std::string zhong = "\xd6\xd0";  // a two-byte character
  struct Case {
    std::string before, after;
    size_t max;
    std::string text;
    size_t caret;
    bool cut;
  } cases[] = {
      {"abc", "abcd", 4, "abcd", 4, false},                          // fits
      {"abc", "abcdef", 4, "abcd", 4, true},                         // typed/pasted at the end
      {"abc", "aXYZbc", 4, "aXbc", 2, true},                         // pasted in the middle
      {"ab", "ab" + zhong + zhong, 5, "ab" + zhong, 4, true},        // the second character would be split
      {"ab", "ab" + zhong, 3, "ab", 2, true},                        // nothing of it fits
      {"a" + zhong, "a" + zhong + zhong + "b", 5, "a" + zhong + zhong, 5, true},
      {"abcd", "aZZZZZd", 5, "aZZZd", 4, true},                      // a selection replaced
      {zhong + "x", zhong + zhong + "x", 3, zhong + "x", 2, true},   // same first byte, other character
      {"", std::string(300, 'q'), 255, std::string(255, 'q'), 255, true},
      {"xxxxxx", "yyyyyyy", 4, "yyyy", 4, true},                     // nothing shared, too long
  };
  for (const Case& c : cases) {
    const FittedEdit f = FitEditChange(c.before, c.after, c.max);
    EXPECT_EQ(c.text, f.text) << c.before << " -> " << c.after;
    EXPECT_EQ(c.caret, f.caret) << c.before << " -> " << c.after;
    EXPECT_EQ(c.cut, f.cut) << c.before << " -> " << c.after;
    EXPECT_LE(f.text.size(), c.max);
  }
}

}  // namespace
