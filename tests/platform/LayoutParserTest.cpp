#include "layout/LayoutSyntax.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

using platform::ELayoutError;
using platform::ParseLayout;
using platform::TLayoutObject;
using platform::TLayoutProperty;
using platform::TLayoutValue;
using TKind = TLayoutValue::TKind;

// Joined with CRLF, as a layout saved on Windows would be.
std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

const std::string& GoodLayout()
{
    static const std::string text = CrLfLines({
        "// The setup screen",                           // 1
        "object MainForm: TMainForm",                    // 2
        "  Left = 177",                                  // 3
        "  Top = -11 // from the top edge",              // 4
        "  Caption = 'Bob''s setup'",                    // 5
        "  Color = clWhite",                             // 6
        "  Font.Style.Bold = True",                      // 7
        "  Anchors = [akLeft, akTop]",                   // 8
        "  BorderIcons = []",                            // 9
        "  Hint = 'first ' + 'second' +",                // 10
        "    ' third'",                                  // 11
        "  Lines = (",                                   // 12
        "    'one'",                                     // 13
        "    'two ' + 'joined'",                         // 14
        "    ''",                                        // 15
        "    '''')",                                     // 16
        "  Empty = ()",                                  // 17
        "  Picture = file 'card.jpg'",                   // 18
        "  Mode = file",                                 // 19: only a keyword before a string
        "  State = end",                                 // 20
        "  object Panel1: TPanel",                       // 21
        "    Big = -9223372036854775808",                // 22
        "    object BoardImage1: TBoardImage",           // 23
        "      Tag = 9223372036854775807",               // 24
        "    end",                                       // 25
        "  end",                                         // 26
        "  object Label1: TLabel",                       // 27
        "  end",                                         // 28
        "end",                                           // 29
    });
    return text;
}

void ExpectPos(platform::TSourcePos pos, int line, int column)
{
    EXPECT_EQ(pos.Line, line);
    EXPECT_EQ(pos.Column, column);
}

TEST(LayoutParser, ReadsEveryConstructOfARepresentativeLayout)
{
    const TLayoutObject root = ParseLayout(GoodLayout(), "Setup.lay");

    EXPECT_EQ(root.Name, "MainForm");
    EXPECT_EQ(root.ClassName, "TMainForm");
    ExpectPos(root.Pos, 2, 1);

    struct TExpected {
        std::string Name;
        TKind Kind;
        std::int64_t Integer;
        std::string Text;
        std::vector<std::string> Items;
        int Line, NameColumn, ValueColumn;
    };
    const std::vector<TExpected> expected = {
        {"Left", TKind::Integer, 177, "", {}, 3, 3, 10},
        {"Top", TKind::Integer, -11, "", {}, 4, 3, 9},
        {"Caption", TKind::String, 0, "Bob's setup", {}, 5, 3, 13},
        {"Color", TKind::Identifier, 0, "clWhite", {}, 6, 3, 11},
        {"Font.Style.Bold", TKind::Identifier, 0, "True", {}, 7, 3, 21},
        {"Anchors", TKind::Set, 0, "", {"akLeft", "akTop"}, 8, 3, 13},
        {"BorderIcons", TKind::Set, 0, "", {}, 9, 3, 17},
        {"Hint", TKind::String, 0, "first second third", {}, 10, 3, 10},
        {"Lines", TKind::StringList, 0, "", {"one", "two joined", "", "'"}, 12, 3, 11},
        {"Empty", TKind::StringList, 0, "", {}, 17, 3, 11},
        {"Picture", TKind::File, 0, "card.jpg", {}, 18, 3, 13},
        {"Mode", TKind::Identifier, 0, "file", {}, 19, 3, 10},
        {"State", TKind::Identifier, 0, "end", {}, 20, 3, 11},
    };
    ASSERT_EQ(root.Properties.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TLayoutProperty& actual = root.Properties[i];
        const TExpected& want = expected[i];
        SCOPED_TRACE(want.Name);
        EXPECT_EQ(actual.Name, want.Name);
        EXPECT_EQ(actual.Value.Kind, want.Kind);
        EXPECT_EQ(actual.Value.Integer, want.Integer);
        EXPECT_EQ(actual.Value.Text, want.Text);
        EXPECT_EQ(actual.Value.Items, want.Items);
        ExpectPos(actual.Pos, want.Line, want.NameColumn);
        ExpectPos(actual.Value.Pos, want.Line, want.ValueColumn);
    }

    ASSERT_EQ(root.Children.size(), 2u);
    const TLayoutObject& panel = root.Children[0];
    EXPECT_EQ(panel.Name, "Panel1");
    EXPECT_EQ(panel.ClassName, "TPanel");
    ExpectPos(panel.Pos, 21, 3);
    ASSERT_EQ(panel.Properties.size(), 1u);
    EXPECT_EQ(panel.Properties[0].Value.Integer, INT64_MIN);

    ASSERT_EQ(panel.Children.size(), 1u);
    const TLayoutObject& image = panel.Children[0];
    EXPECT_EQ(image.Name, "BoardImage1");
    EXPECT_EQ(image.ClassName, "TBoardImage");
    ExpectPos(image.Pos, 23, 5);
    ASSERT_EQ(image.Properties.size(), 1u);
    EXPECT_EQ(image.Properties[0].Name, "Tag");
    EXPECT_EQ(image.Properties[0].Value.Integer, INT64_MAX);
    EXPECT_TRUE(image.Children.empty());

    const TLayoutObject& label = root.Children[1];
    EXPECT_EQ(label.Name, "Label1");
    EXPECT_TRUE(label.Properties.empty());
    EXPECT_TRUE(label.Children.empty());
}

// `levels` objects, each inside the previous one, one header per line.
std::string Nested(int levels)
{
    std::string text;
    for (int i = 0; i < levels; ++i)
        text += "object O" + std::to_string(i) + ": T\n";
    for (int i = 0; i < levels; ++i)
        text += "end\n";
    return text;
}

TEST(LayoutParser, ReportsMalformedLayoutsWithPosition)
{
    struct TCase {
        std::string Text;
        std::string Error;
    };
    const std::string longName(100, 'a');
    const std::vector<TCase> cases = {
        {"", "L.lay:1:1: expected 'object', found end of input"},
        {"  // only a comment\n", "L.lay:2:1: expected 'object', found end of input"},
        {"form A: T\nend", "L.lay:1:1: expected 'object', found identifier 'form'"},
        {"object : T\nend", "L.lay:1:8: expected object name, found ':'"},
        {"object A T\nend", "L.lay:1:10: expected ':' after object name 'A', found identifier 'T'"},
        {"object A: 5\nend", "L.lay:1:11: expected class name for object 'A', found integer 5"},
        {"object A: T\n  Left 5\nend",
         "L.lay:2:8: expected '=' after property name 'Left', found integer 5"},
        {"object A: T\n  Font. = 1\nend", "L.lay:2:9: expected name after 'Font.', found '='"},
        {"object A: T\n  Caption = ]\nend",
         "L.lay:2:13: expected a value for 'Caption', found ']'"},
        // A value may be the identifier `end`, so a forgotten value surfaces as a missing end.
        {"object A: T\n  Caption =\nend",
         "L.lay:3:4: expected 'end' to close object 'A' (opened at 1:1), found end of input"},
        {"object A: T\n  Caption = 'abc\nend", "L.lay:2:13: unterminated string"},
        {"object A: T\r\n  Caption = 'abc\r\nend'\r\n", "L.lay:2:13: unterminated string"},
        {"object A: T\n  Caption = 'abc", "L.lay:2:13: unterminated string"},
        {"object A: T\n  Hint = 'a' + b\nend",
         "L.lay:2:16: expected string after '+', found identifier 'b'"},
        {"object A: T\n  Hint = 'it''s' 'don''t'\nend",
         "L.lay:2:18: expected property name, 'object' or 'end', found string 'don''t'"},
        {"object A: T\n  Anchors = [akLeft akTop]\nend",
         "L.lay:2:21: expected ',' or ']' in set, found identifier 'akTop'"},
        {"object A: T\n  Anchors = [akLeft,]\nend",
         "L.lay:2:21: expected identifier in set, found ']'"},
        {"object A: T\n  Anchors = [\n", "L.lay:3:1: expected identifier in set, found end of input"},
        {"object A: T\n  Lines = ('a' 5)\nend",
         "L.lay:2:16: expected string or ')' in list, found integer 5"},
        {"object A: T\n  Picture = file 5\nend",
         "L.lay:2:18: expected property name, 'object' or 'end', found integer 5"},
        {"object A: T\n  = 1\nend",
         "L.lay:2:3: expected property name, 'object' or 'end', found '='"},
        {"object A: T\n  Left = 1\n  object BoardImage1: TBoardImage\n    Top = 2\n",
         "L.lay:5:1: expected 'end' to close object 'BoardImage1' (opened at 3:3), found end of input"},
        {"object A: T\nend\nend", "L.lay:3:1: text after the root object's end"},
        {"object A: T\nend\nobject B: T\nend", "L.lay:3:1: text after the root object's end"},
        {"object A: T\n  # = 1\nend", "L.lay:2:3: unexpected character '#'"},
        {"object A: T\n  X = \x01\nend", "L.lay:2:7: unexpected character 0x01"},
        {"object A: T\n  X = \xC3\xA9\nend", "L.lay:2:7: unexpected character 0xC3"},
        {"object A: T\n  X = -a\nend", "L.lay:2:7: unexpected character '-'"},
        {"object A: T\n  X = 9223372036854775808\nend", "L.lay:2:7: integer out of 64-bit range"},
        {"object A: T\n  X = -9223372036854775809\nend", "L.lay:2:7: integer out of 64-bit range"},
        // Hostile input must not make a message as large as itself.
        {"object A: T\n  X = [" + longName + "]]\nend",
         "L.lay:2:109: expected property name, 'object' or 'end', found ']'"},
        {"object A: T\n  X = [" + longName + " 1]\nend",
         "L.lay:2:109: expected ',' or ']' in set, found integer 1"},
        {"object A: T\n  X " + longName + "\nend",
         "L.lay:2:5: expected '=' after property name 'X', found identifier '" +
             std::string(40, 'a') + "...'"},
        {Nested(65), "L.lay:65:1: objects nested deeper than 64 levels"},
    };

    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        try {
            ParseLayout(c.Text, "L.lay");
            ADD_FAILURE() << "no error, expected " << c.Error;
        } catch (const ELayoutError& e) {
            EXPECT_EQ(e.what(), c.Error);
            EXPECT_EQ(e.Layout() + ":" + std::to_string(e.Pos().Line) + ":" +
                          std::to_string(e.Pos().Column) + ": " + e.Message(),
                      e.what());
        }
    }
}

// Parses or throws ELayoutError; anything else (another exception, a crash under the
// sanitizers or valgrind) is a fault.
void ExpectParsesOrRejects(const std::string& text)
{
    try {
        ParseLayout(text, "F.lay");
    } catch (const ELayoutError&) {
    } catch (const std::exception& e) {
        ADD_FAILURE() << "unexpected exception " << e.what() << " for:\n" << text;
    }
}

TEST(LayoutParser, SurvivesDamagedAndHostileInput)
{
    const std::string& good = GoodLayout();
    for (std::size_t length = 0; length <= good.size(); ++length)
        ExpectParsesOrRejects(good.substr(0, length));

    const char replacements[] = {'\0', '\'', '\n', '[', ')', '+'};
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (char replacement : replacements) {
            std::string damaged = good;
            damaged[at] = replacement;
            ExpectParsesOrRejects(damaged);
        }
    }

    EXPECT_NO_THROW(ParseLayout(Nested(64), "F.lay"));

    // Far deeper than any stack would survive if nesting recursed; refused at level 65.
    std::string deep;
    for (int i = 0; i < 1'000'000; ++i)
        deep += "object O: T\n";
    EXPECT_THROW(ParseLayout(deep, "F.lay"), ELayoutError);

    // Enough joins that re-copying the text at each '+' would take seconds.
    std::string joined = "object A: T\n  Hint = ''";
    for (int i = 0; i < 100'000; ++i)
        joined += " + 'x'";
    std::string list = "  Lines = (";
    for (int i = 0; i < 10'000; ++i)
        list += " 'y'";
    const TLayoutObject root = ParseLayout(joined + "\n" + list + ")\nend\n", "F.lay");
    ASSERT_EQ(root.Properties.size(), 2u);
    EXPECT_EQ(root.Properties[0].Value.Text, std::string(100'000, 'x'));
    EXPECT_EQ(root.Properties[1].Value.Items, std::vector<std::string>(10'000, "y"));
}

} // namespace
