#include "numeric/code_point.h"

#include <gtest/gtest.h>

namespace tallies {
namespace {

struct DigitCase {
  char32_t c;
  int value;  // -1: not a decimal digit
};

class DecimalDigitValueTest : public ::testing::TestWithParam<DigitCase> {};

TEST_P(DecimalDigitValueTest, KnowsTheEdgesOfEveryKindOfBlock) {
  const DigitCase& c = GetParam();
  EXPECT_EQ(DecimalDigitValue(c.c), c.value) << std::hex << "U+" << static_cast<unsigned>(c.c);
}

// The first and the last digit of a block and their neighbours: ASCII, the Arabic-Indic
// digits beside the Arabic percent sign, five blocks of mathematical digits in a row, two
// blocks in a row that begin with no round number, blocks that start off a multiple of
// sixteen, the last block, and code points beyond every block.
INSTANTIATE_TEST_SUITE_P(
    TableEdges, DecimalDigitValueTest,
    ::testing::Values(DigitCase{0x2F, -1}, DigitCase{0x30, 0}, DigitCase{0x39, 9},
                      DigitCase{0x3A, -1}, DigitCase{0x65F, -1}, DigitCase{0x660, 0},
                      DigitCase{0x669, 9}, DigitCase{0x66A, -1}, DigitCase{0x9E5, -1},
                      DigitCase{0x9E6, 0}, DigitCase{0x9EF, 9}, DigitCase{0x1D7CD, -1},
                      DigitCase{0x1D7CE, 0}, DigitCase{0x1D7D7, 9}, DigitCase{0x1D7D8, 0},
                      DigitCase{0x1D7FF, 9}, DigitCase{0x1D800, -1}, DigitCase{0x116D9, 9},
                      DigitCase{0x116DA, 0}, DigitCase{0x116E3, 9}, DigitCase{0x116E4, -1},
                      DigitCase{0x1E5F0, -1}, DigitCase{0x1E5F1, 0}, DigitCase{0x1E5FA, 9},
                      DigitCase{0x1FBF9, 9}, DigitCase{0x1FBFA, -1}, DigitCase{0x10FFFF, -1},
                      DigitCase{kInvalidCodePoint, -1}, DigitCase{0xB2, -1} /* superscript 2 */,
                      DigitCase{0x2167, -1} /* Roman numeral eight */));

struct FormatCase {
  char32_t c;
  bool format;
};

class IsFormatCharacterTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(IsFormatCharacterTest, KnowsTheEdgesOfEveryRange) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(IsFormatCharacter(c.c), c.format) << std::hex << "U+" << static_cast<unsigned>(c.c);
}

INSTANTIATE_TEST_SUITE_P(
    TableEdges, IsFormatCharacterTest,
    ::testing::Values(FormatCase{0x00, false}, FormatCase{0x20, false}, FormatCase{0xAC, false},
                      FormatCase{0xAD, true}, FormatCase{0xAE, false}, FormatCase{0x61C, true},
                      FormatCase{0x200A, false} /* hair space */, FormatCase{0x200B, true},
                      FormatCase{0x200F, true}, FormatCase{0x2010, false},
                      FormatCase{0x2029, false}, FormatCase{0x202A, true}, FormatCase{0x202E, true},
                      FormatCase{0x2065, false}, FormatCase{0x2066, true}, FormatCase{0x2069, true},
                      FormatCase{0xFEFF, true}, FormatCase{0x1343F, true},
                      FormatCase{0xE001F, false}, FormatCase{0xE0020, true},
                      FormatCase{0xE007F, true}, FormatCase{0xE0080, false},
                      FormatCase{0x10FFFF, false}, FormatCase{kInvalidCodePoint, false}));

}  // namespace
}  // namespace tallies
