#include "stdctrls/RtfReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace platform;

namespace {

// A document in one line: runs as "<face,size,b,#rrggbb>text" (face empty when the document
// names none, "auto" for the automatic colour), paragraphs separated by " | ".
std::string Describe(const TRtfDocument& document)
{
    std::string out;
    for (std::size_t p = 0; p < document.Paragraphs.size(); ++p) {
        if (p)
            out += " | ";
        for (const TRtfRun& run : document.Paragraphs[p].Runs) {
            char color[8] = "auto";
            if (run.Color)
                std::snprintf(color, sizeof color, "#%02x%02x%02x", GetRValue(*run.Color), GetGValue(*run.Color),
                              GetBValue(*run.Color));
            out += "<" + run.FontName + "," + std::to_string(run.SizeHalfPoints) + (run.Bold ? ",b," : ",") + color +
                   ">" + run.Text;
        }
    }
    return out;
}

struct TReadCase {
    const char* What;
    std::string Rtf;
    std::string Expected;
};

TEST(RtfReader, ReadsFormatCharactersAndDestinations)
{
    const std::vector<TReadCase> cases = {
        {"groups restore bold and size", R"({\rtf1 a{\b\fs32 b}c\b d\b0 e})",
         "<,24,auto>a<,32,b,auto>b<,24,auto>c<,24,b,auto>d<,24,auto>e"},
        {"font table with inner groups, \\f, \\deff and an unknown number",
         R"({\rtf1\deff1{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}{\f1{\*\panose 0}Courier New ;}}a\f0 b\f7 c})",
         "<Courier New,24,auto>a<Verdana,24,auto>b<Courier New,24,auto>c"},
        {"font table without inner groups", R"({\rtf1{\fonttbl\f0 Arial;\f1 Times;}\f1 x})", "<Times,24,auto>x"},
        {"colour table: empty entry is automatic, unknown index too",
         R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue300;}a\cf1 b\cf0 c\cf2 d\cf9 e})",
         "<,24,auto>a<,24,#ff0000>b<,24,auto>c<,24,#0000ff>d<,24,auto>e"},
        {"colour 0 given explicitly", R"({\rtf1{\colortbl\red64\green64\blue64;}\cf0 x})", "<,24,#404040>x"},
        {"\\plain goes back to the defaults", R"({\rtf1{\colortbl;\red1\green2\blue3;}\b\fs40\cf1 a\plain b})",
         "<,40,b,#010203>a<,24,auto>b"},
        {"paragraphs: empty ones kept, none after the last \\par", R"({\rtf1 a\par\par\pard b\par})",
         "<,24,auto>a |  | <,24,auto>b"},
        {"text after the last \\par is a paragraph", R"({\rtf1 a\par b})", "<,24,auto>a | <,24,auto>b"},
        {"line breaks ignored, one space ends a control word", "{\\rtf1 a\r\nb\\fs30  c\\b\r\nd}",
         "<,24,auto>ab<,30,auto> c<,30,b,auto>d"},
        {"\\' in code page 1252, undefined byte replaced", R"({\rtf1 \'e9\'80\'93\'81\'41})", "<,24,auto>é€“\uFFFDA"},
        {"raw bytes above 127 read as code page 1252", "{\\rtf1 caf\xE9 \x85}", "<,24,auto>café …"},
        {"control characters dropped, tab kept", "{\\rtf1 a\x01\x7f\tb}", "<,24,auto>a\tb"},
        {"\\u with the default single fallback", R"({\rtf1 \u8212?x\u233\'e9y})", "<,24,auto>—xéy"},
        {"\\uc2 and \\uc0 fallback counts, negative \\u", R"({\rtf1\uc2\u-4064??x\uc0\u233 y})",
         "<,24,auto>\uF020xéy"},
        {"fallback skipping counts control words and stops at a brace", R"({\rtf1\uc3\u233\b y{ab}})",
         "<,24,auto>éab"},
        {"surrogate pair and a lone half", R"({\rtf1 \u-10179?\u-8704?\u-10179?a\u-8704?})",
         "<,24,auto>\U0001F600\uFFFDa\uFFFD"},
        {"destinations skipped whole, known by name or marked \\*",
         R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}}{\*\generator W;}{\pict 0a0b}x{\*\unknown{\nested y}}z})",
         "<,24,auto>xz"},
        {"unknown control words ignored, their text kept", R"({\rtf1{\i it}\ul0\foo12 z})", "<,24,auto>itz"},
        {"control symbols", R"({\rtf1 a\\b\{c\}d\~e\-f\_g})", "<,24,auto>a\\b{c}d\u00A0ef\u2011g"},
        {"named characters", R"({\rtf1 x\emdash  y\endash\lquote\rquote\ldblquote\rdblquote\bullet})",
         "<,24,auto>x— y–‘’“”•"},
        {"numbers past 32 bits saturate and are clamped",
         R"({\rtf1{\colortbl;\red99999999999\green0\blue0;}\fs99999999999 a\fs-5 b\cf99999999999 c\f99999999999 d\u99999999999?e\cf1 f})",
         "<,3276,auto>a<,2,auto>bcd\uFFFDe<,2,#ff0000>f"},
        {"trailing line break, space and NUL after the document", std::string("{\\rtf1 a}\r\n \0", 13),
         "<,24,auto>a"},
    };
    for (const TReadCase& c : cases)
        EXPECT_EQ(Describe(TRtfReader::Read(c.Rtf)), c.Expected) << c.What;
}

struct TErrorCase {
    const char* What;
    std::string Rtf;
    std::size_t Offset;
    const char* Says;
};

TEST(RtfReader, RefusesUnsoundDocumentsWithTheOffsetAndWhatWasExpected)
{
    const std::vector<TErrorCase> cases = {
        {"not RTF", "hello", 0, "'{\\rtf'"},
        {"RTF after leading space", " {\\rtf1 a}", 0, "'{\\rtf'"},
        {"extra closing brace", "{\\rtf1 a}}", 9, "end of the input after the document's closing '}'"},
        {"text after the document", "{\\rtf1 a}b", 9, "end of the input after"},
        {"missing closing brace", "{\\rtf1 {\\b a}", 13, "'}' to close the group opened at byte 0"},
        {"truncated inside a group", "{\\rtf1 {\\b a", 12, "'}' to close the group opened at byte 7"},
        {"backslash at the end", "{\\rtf1 a\\", 8, "control word or symbol after '\\'"},
        {"\\' cut short", "{\\rtf1 \\'4", 7, "two hex digits"},
        {"\\' with a non-hex digit", "{\\rtf1 \\'4g}", 7, "two hex digits"},
    };
    for (const TErrorCase& c : cases) {
        try {
            TRtfReader::Read(c.Rtf);
            ADD_FAILURE() << c.What << ": read without error";
        } catch (const ERtfError& e) {
            EXPECT_EQ(e.Offset(), c.Offset) << c.What;
            EXPECT_NE(e.Message().find(c.Says), std::string::npos) << c.What << ": " << e.what();
        }
    }
}

TEST(RtfReader, NestsGroupsUpToTheCapAndRefusesOneMore)
{
    const auto nested = [](std::size_t depth) {
        return "{\\rtf1" + std::string(depth - 1, '{') + "x" + std::string(depth, '}');
    };
    EXPECT_EQ(Describe(TRtfReader::Read(nested(kMaxRtfGroupDepth))), "<,24,auto>x");
    try {
        TRtfReader::Read(nested(kMaxRtfGroupDepth + 1));
        ADD_FAILURE() << "read a group past the cap";
    } catch (const ERtfError& e) {
        // The outer group opens at 0, "\rtf1" takes 5 bytes, then one brace a level.
        EXPECT_EQ(e.Offset(), 5 + kMaxRtfGroupDepth);
    }
    // Deep input that keeps opening groups is refused at the cap, not read to its end.
    EXPECT_THROW(TRtfReader::Read("{\\rtf1" + std::string(1'000'000, '{')), ERtfError);
}

// Cutting a real document anywhere must give an error, never a crash or a partial read passed
// off as whole.
TEST(RtfReader, EveryTruncationOfADocumentIsAnError)
{
    const std::string rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Verdana;}}{\\colortbl\\red64\\green64\\blue64;}\r\n"
        "{\\b Title}\\par{\\cf0\\fs24\\b x} caf\\'e9 \\u8212? \\emdash  {\\*\\x y}\\par}";
    ASSERT_NO_THROW(TRtfReader::Read(rtf));
    for (std::size_t length = 0; length < rtf.size(); ++length)
        EXPECT_THROW(TRtfReader::Read(rtf.substr(0, length)), ERtfError) << "cut at " << length;
}

}  // namespace
