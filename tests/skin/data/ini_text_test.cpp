#include "skin/data/ini_text.h"

#include <gtest/gtest.h>

#include "framework/errors.h"

namespace vl {
namespace {

TEST(IniText, LinesEndAtAnyBreakAndAtNul) {
  EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTextLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(SplitTextLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines(std::string("a\nb\0c\nd", 7)), (std::vector<std::string>{"a", "b"}));
}

TEST(IniText, SyntaxOfSectionsAndKeys) {
  TIniText ini = TIniText::FromText(
      "orphan=1\r\n"
      " [ Form ] \r\n"
      "; comment=9\r\n"
      "\tKey = first \r\n"
      "no equals sign\r\n"
      "key=second=part\r\n"
      "[FORM]\r\n"
      "other=x\r\n"
      "[form]\r\n"
      "late=1\r\n");
  EXPECT_FALSE(ini.Value("", "orphan"));
  // The last of three sections named alike is the one read, whole.
  EXPECT_FALSE(ini.Value("Form", "key"));
  EXPECT_FALSE(ini.Value("form", "other"));
  EXPECT_EQ(ini.Value("FoRm", "LATE"), "1");
  EXPECT_EQ(ini.Sections(), std::vector<std::string>{"form"});

  TIniText keys = TIniText::FromText("[s]\nKey = first \nkey=second=part\n;x=1\n");
  EXPECT_EQ(keys.Value("S", "KEY"), "second=part");
  EXPECT_FALSE(keys.Value("s", ";x"));
  EXPECT_EQ(keys.Keys("s"), std::vector<std::string>{"key"});
}

TEST(IniText, Integers) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"12", 12},
      {"-5", -5},
      {"+7", 7},
      {"$FF", 255},
      {"0x1F", 31},
      {"0X1f", 31},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"", std::nullopt},
      {"1 2", std::nullopt},
      {"12a", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"--1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TIniText One(const std::string& key, const std::string& value) {
  return TIniText::FromText("[s]\n" + key + "=" + value + "\n");
}

TEST(IniText, NumbersBooleansAndTextFallBackToDefaults) {
  EXPECT_EQ(One("n", "abc").ReadInteger("s", "n", 14), 14);
  EXPECT_EQ(One("n", "").ReadInteger("s", "n", -1), -1);
  EXPECT_EQ(One("n", "9").ReadInteger("s", "missing", 25), 25);
  EXPECT_EQ(One("t", " Arial ").ReadString("s", "t", "x"), "Arial");
  EXPECT_EQ(One("t", "").ReadString("s", "t", "Arial"), "");
  EXPECT_EQ(TIniText().ReadString("s", "t", "Arial"), "Arial");
  for (auto [value, expected] : {std::pair{"1", true},
                                 {" 1", true},
                                 {"2", false},
                                 {"-1", false},
                                 {"true", false},
                                 {"$1", true},
                                 {"", false}}) {
    EXPECT_EQ(One("b", value).ReadBool("s", "b"), expected) << value;
  }
}

TEST(IniText, RectanglesAndPointsKeepDigitsOnly) {
  struct Case {
    const char* text;
    TRect rect;
  } cases[] = {
      {"1,2,3,4", {1, 2, 3, 4}},
      {"-5,3,10,20", {5, 3, 10, 20}},
      {" 12, 1x3 ,4,5", {12, 13, 4, 5}},
      {"1,2,3,4,5", {1, 2, 3, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(One("r", c.text).ReadRect("s", "r"), c.rect) << c.text;
  EXPECT_EQ(One("p", "-9,7").ReadPoint("s", "p"), (TPoint{9, 7}));
  EXPECT_EQ(TIniText().ReadRect("s", "r"), TRect{});
  EXPECT_EQ(TIniText().ReadPoint("s", "p"), TPoint{});
}

TEST(IniText, ShortOrEmptyNumbersFailTheLoad) {
  for (const char* text : {"1,2,3", "1,,3,4", "", "a,b,c,d", "1,2,3,"}) {
    try {
      One("r", text).ReadRect("s", "r");
      ADD_FAILURE() << text;
    } catch (const FormatError& e) {
      EXPECT_STREQ(e.what(), "'' is not a valid integer value") << text;
    }
  }
  EXPECT_THROW(One("p", "5").ReadPoint("s", "p"), FormatError);
  try {
    One("r", "1,2,3,99999999999").ReadRect("s", "r");
    ADD_FAILURE();
  } catch (const FormatError& e) {
    EXPECT_STREQ(e.what(), "'99999999999' is not a valid integer value");
  }
}

TEST(IniText, FontStylesAreCaseSensitiveSubstrings) {
  EXPECT_EQ(One("f", "fsbold,fsitalic").ReadFontStyle("s", "f"), (TFontStyles{true, true}));
  EXPECT_EQ(One("f", "FSBOLD").ReadFontStyle("s", "f"), TFontStyles{});
  EXPECT_EQ(One("f", "xfsboldx").ReadFontStyle("s", "f"), TFontStyles{true});
  EXPECT_EQ(One("f", "fsunderline fsstrikeout").ReadFontStyle("s", "f"),
            (TFontStyles{false, false, true, true}));
  EXPECT_EQ(FormatFontStyle({true, false, true, false}), "fsbold,fsunderline");
}

TEST(IniText, EnumerationsAreExactWithTheirOwnFallbacks) {
  TIniText none;
  EXPECT_EQ(none.ReadAlignment("s", "a"), TAlignment::taCenter);
  EXPECT_EQ(One("a", "taright").ReadAlignment("s", "a"), TAlignment::taRightJustify);
  EXPECT_EQ(One("a", "taleftjustify").ReadAlignment("s", "a"), TAlignment::taLeftJustify);
  EXPECT_EQ(none.ReadStretchType("s", "t"), TStretchType::stFull);
  EXPECT_EQ(One("t", "STVERT").ReadStretchType("s", "t"), TStretchType::stHorz);
  EXPECT_EQ(One("t", "stvert").ReadStretchType("s", "t"), TStretchType::stVert);
  EXPECT_EQ(One("m", "mkpush").ReadMorphKind("s", "m"), TMorphKind::mkPush);
  EXPECT_EQ(One("m", "push").ReadMorphKind("s", "m"), TMorphKind::mkDefault);
  EXPECT_EQ(none.ReadInactiveEffect("s", "e"), TInactiveEffect::ieBrightness);
  EXPECT_EQ(One("e", "blur").ReadInactiveEffect("s", "e"), TInactiveEffect::ieGrayScale);
  EXPECT_EQ(One("e", "ieinvert").ReadInactiveEffect("s", "e"), TInactiveEffect::ieInvert);
  EXPECT_EQ(none.ReadCommand("s", "c"), TStdCommand::cmDefault);
  EXPECT_EQ(One("c", "close").ReadCommand("s", "c"), TStdCommand::cmMinimizeToTray);
  EXPECT_EQ(One("c", "cmclose").ReadCommand("s", "c"), TStdCommand::cmClose);
}

}  // namespace
}  // namespace vl
