#include "layout/LayoutParser.h"

#include <utility>

namespace platform {

namespace {

std::string FormatPos(TSourcePos pos)
{
    return std::to_string(pos.Line) + ":" + std::to_string(pos.Column);
}

} // namespace

ELayoutError::ELayoutError(const std::string& layout, TSourcePos pos, const std::string& message)
    : std::runtime_error(layout + ":" + FormatPos(pos) + ": " + message),
      FLayout(layout),
      FPos(pos),
      FMessage(message)
{
}

TLayoutObject ParseLayout(std::string_view text, const std::string& layoutName)
{
    return TLayoutParser(text, layoutName).Parse();
}

TLayoutParser::TLayoutParser(std::string_view text, std::string layoutName)
    : FLexer(text, std::move(layoutName))
{
}

void TLayoutParser::Advance() { FToken = FLexer.Next(); }

void TLayoutParser::Fail(TSourcePos pos, const std::string& message) const
{
    throw ELayoutError(FLexer.LayoutName(), pos, message);
}

void TLayoutParser::FailExpected(const std::string& what) const
{
    Fail(FToken.Pos, "expected " + what + ", found " + DescribeToken(FToken));
}

bool TLayoutParser::AtIdentifier(std::string_view name) const
{
    return FToken.Kind == TLayoutTokenKind::Identifier && FToken.Text == name;
}

TLayoutObject TLayoutParser::Parse()
{
    Advance();
    if (!AtIdentifier("object"))
        FailExpected("'object'");

    // Objects still open, outermost first. An explicit stack rather than recursion, so
    // that nesting costs no machine stack; a finished object moves into its parent.
    std::vector<TLayoutObject> open;
    open.reserve(kMaxLayoutDepth);
    open.push_back(ReadObjectHeader());
    for (;;) {
        if (AtIdentifier("end")) {
            Advance();
            TLayoutObject done = std::move(open.back());
            open.pop_back();
            if (open.empty()) {
                if (FToken.Kind != TLayoutTokenKind::EndOfInput)
                    Fail(FToken.Pos, "text after the root object's end");
                return done;
            }
            open.back().Children.push_back(std::move(done));
        } else if (AtIdentifier("object")) {
            if (open.size() >= std::size_t(kMaxLayoutDepth))
                Fail(FToken.Pos, "objects nested deeper than " + std::to_string(kMaxLayoutDepth) +
                                     " levels");
            open.push_back(ReadObjectHeader());
        } else if (FToken.Kind == TLayoutTokenKind::Identifier) {
            open.back().Properties.push_back(ReadProperty());
        } else if (FToken.Kind == TLayoutTokenKind::EndOfInput) {
            const TLayoutObject& innermost = open.back();
            FailExpected("'end' to close object " + QuoteForMessage(innermost.Name) +
                         " (opened at " + FormatPos(innermost.Pos) + ")");
        } else {
            FailExpected("property name, 'object' or 'end'");
        }
    }
}

TLayoutObject TLayoutParser::ReadObjectHeader()
{
    TLayoutObject object;
    object.Pos = FToken.Pos;
    Advance(); // 'object'
    if (FToken.Kind != TLayoutTokenKind::Identifier)
        FailExpected("object name");
    object.Name = std::move(FToken.Text);
    Advance();
    if (FToken.Kind != TLayoutTokenKind::Colon)
        FailExpected("':' after object name " + QuoteForMessage(object.Name));
    Advance();
    if (FToken.Kind != TLayoutTokenKind::Identifier)
        FailExpected("class name for object " + QuoteForMessage(object.Name));
    object.ClassName = std::move(FToken.Text);
    Advance();
    return object;
}

TLayoutProperty TLayoutParser::ReadProperty()
{
    TLayoutProperty property;
    property.Pos = FToken.Pos;
    property.Name = std::move(FToken.Text);
    Advance();
    while (FToken.Kind == TLayoutTokenKind::Dot) {
        property.Name += '.';
        Advance();
        if (FToken.Kind != TLayoutTokenKind::Identifier)
            FailExpected("name after " + QuoteForMessage(property.Name));
        property.Name += FToken.Text;
        Advance();
    }
    if (FToken.Kind != TLayoutTokenKind::Equals)
        FailExpected("'=' after property name " + QuoteForMessage(property.Name));
    Advance();
    property.Value = ReadValue(property.Name);
    return property;
}

TLayoutValue TLayoutParser::ReadValue(const std::string& propertyName)
{
    using TKind = TLayoutValue::TKind;
    TLayoutValue value;
    value.Pos = FToken.Pos;
    switch (FToken.Kind) {
    case TLayoutTokenKind::Integer:
        value.Kind = TKind::Integer;
        value.Integer = FToken.Integer;
        Advance();
        break;
    case TLayoutTokenKind::String:
        value.Kind = TKind::String;
        value.Text = ReadJoinedString();
        break;
    case TLayoutTokenKind::Identifier:
        value.Text = std::move(FToken.Text);
        Advance();
        if (value.Text == "file" && FToken.Kind == TLayoutTokenKind::String) {
            value.Kind = TKind::File;
            value.Text = std::move(FToken.Text);
            Advance();
        } else {
            value.Kind = TKind::Identifier;
        }
        break;
    case TLayoutTokenKind::LeftBracket:
        value.Kind = TKind::Set;
        Advance();
        if (FToken.Kind == TLayoutTokenKind::RightBracket) {
            Advance();
            break;
        }
        for (;;) {
            if (FToken.Kind != TLayoutTokenKind::Identifier)
                FailExpected("identifier in set");
            value.Items.push_back(std::move(FToken.Text));
            Advance();
            if (FToken.Kind == TLayoutTokenKind::RightBracket)
                break;
            if (FToken.Kind != TLayoutTokenKind::Comma)
                FailExpected("',' or ']' in set");
            Advance();
        }
        Advance();
        break;
    case TLayoutTokenKind::LeftParen:
        value.Kind = TKind::StringList;
        Advance();
        while (FToken.Kind == TLayoutTokenKind::String)
            value.Items.push_back(ReadJoinedString());
        if (FToken.Kind != TLayoutTokenKind::RightParen)
            FailExpected("string or ')' in list");
        Advance();
        break;
    default:
        FailExpected("a value for " + QuoteForMessage(propertyName));
    }
    return value;
}

std::string TLayoutParser::ReadJoinedString()
{
    std::string text = std::move(FToken.Text);
    Advance();
    while (FToken.Kind == TLayoutTokenKind::Plus) {
        Advance();
        if (FToken.Kind != TLayoutTokenKind::String)
            FailExpected("string after '+'");
        text += FToken.Text;
        Advance();
    }
    return text;
}

} // namespace platform
