#include "layout/LayoutLexer.h"

#include <climits>
#include <cstdio>
#include <limits>
#include <utility>

namespace platform {

namespace {

// Enough to recognise a name or a string in a message without echoing megabytes of it.
constexpr std::size_t kMaxQuotedBytes = 40;

bool IsIdentStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

// Positions saturate rather than overflow on inputs of more than 2^31 lines or columns;
// such a position is wrong but harmless.
void Bump(int& counter)
{
    if (counter < INT_MAX)
        ++counter;
}

std::string PunctuationName(TLayoutTokenKind kind)
{
    switch (kind) {
    case TLayoutTokenKind::Colon: return "':'";
    case TLayoutTokenKind::Equals: return "'='";
    case TLayoutTokenKind::LeftBracket: return "'['";
    case TLayoutTokenKind::RightBracket: return "']'";
    case TLayoutTokenKind::LeftParen: return "'('";
    case TLayoutTokenKind::RightParen: return "')'";
    case TLayoutTokenKind::Comma: return "','";
    case TLayoutTokenKind::Plus: return "'+'";
    case TLayoutTokenKind::Dot: return "'.'";
    default: return "?";
    }
}

} // namespace

std::string QuoteForMessage(std::string_view text)
{
    std::string result = "'";
    std::size_t used = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        // Cut only before a UTF-8 lead byte so the message stays valid UTF-8.
        const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (used >= kMaxQuotedBytes && !continuation) {
            result += "...";
            break;
        }
        result += c;
        if (c == '\'')
            result += '\'';
        ++used;
    }
    result += '\'';
    return result;
}

std::string DescribeToken(const TLayoutToken& token)
{
    switch (token.Kind) {
    case TLayoutTokenKind::Identifier: return "identifier " + QuoteForMessage(token.Text);
    case TLayoutTokenKind::Integer: return "integer " + std::to_string(token.Integer);
    case TLayoutTokenKind::String: return "string " + QuoteForMessage(token.Text);
    case TLayoutTokenKind::EndOfInput: return "end of input";
    default: return PunctuationName(token.Kind);
    }
}

TLayoutLexer::TLayoutLexer(std::string_view text, std::string layoutName)
    : FText(text), FLayoutName(std::move(layoutName))
{
}

void TLayoutLexer::Fail(TSourcePos pos, const std::string& message) const
{
    throw ELayoutError(FLayoutName, pos, message);
}

void TLayoutLexer::Advance()
{
    if (FText[FOffset] == '\n') {
        Bump(FPos.Line);
        FPos.Column = 1;
    } else {
        Bump(FPos.Column);
    }
    ++FOffset;
}

void TLayoutLexer::SkipSpaceAndComments()
{
    while (FOffset < FText.size()) {
        const char c = FText[FOffset];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            Advance();
        } else if (c == '/' && FOffset + 1 < FText.size() && FText[FOffset + 1] == '/') {
            while (FOffset < FText.size() && FText[FOffset] != '\n')
                Advance();
        } else {
            return;
        }
    }
}

TLayoutToken TLayoutLexer::Next()
{
    SkipSpaceAndComments();
    TLayoutToken token;
    token.Pos = FPos;
    if (FOffset >= FText.size())
        return token;

    const char c = FText[FOffset];
    if (IsIdentStart(c))
        return ReadIdentifier();
    if (IsDigit(c) || (c == '-' && FOffset + 1 < FText.size() && IsDigit(FText[FOffset + 1])))
        return ReadInteger();
    if (c == '\'')
        return ReadString();

    switch (c) {
    case ':': token.Kind = TLayoutTokenKind::Colon; break;
    case '=': token.Kind = TLayoutTokenKind::Equals; break;
    case '[': token.Kind = TLayoutTokenKind::LeftBracket; break;
    case ']': token.Kind = TLayoutTokenKind::RightBracket; break;
    case '(': token.Kind = TLayoutTokenKind::LeftParen; break;
    case ')': token.Kind = TLayoutTokenKind::RightParen; break;
    case ',': token.Kind = TLayoutTokenKind::Comma; break;
    case '+': token.Kind = TLayoutTokenKind::Plus; break;
    case '.': token.Kind = TLayoutTokenKind::Dot; break;
    default: {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F)
            Fail(FPos, std::string("unexpected character '") + c + "'");
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", byte);
        Fail(FPos, std::string("unexpected character ") + hex);
    }
    }
    Advance();
    return token;
}

TLayoutToken TLayoutLexer::ReadIdentifier()
{
    TLayoutToken token;
    token.Kind = TLayoutTokenKind::Identifier;
    token.Pos = FPos;
    const std::size_t start = FOffset;
    while (FOffset < FText.size() && IsIdentChar(FText[FOffset]))
        Advance();
    token.Text.assign(FText.substr(start, FOffset - start));
    return token;
}

TLayoutToken TLayoutLexer::ReadInteger()
{
    TLayoutToken token;
    token.Kind = TLayoutTokenKind::Integer;
    token.Pos = FPos;
    const bool negative = FText[FOffset] == '-';
    if (negative)
        Advance();
    // Accumulate the magnitude unsigned so that the most negative value still fits.
    const std::uint64_t limit = negative
        ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
        : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    std::uint64_t magnitude = 0;
    while (FOffset < FText.size() && IsDigit(FText[FOffset])) {
        const auto digit = std::uint64_t(FText[FOffset] - '0');
        if (magnitude > (limit - digit) / 10)
            Fail(token.Pos, "integer out of 64-bit range");
        magnitude = magnitude * 10 + digit;
        Advance();
    }
    token.Integer = negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
    return token;
}

TLayoutToken TLayoutLexer::ReadString()
{
    TLayoutToken token;
    token.Kind = TLayoutTokenKind::String;
    token.Pos = FPos;
    Advance(); // opening quote
    for (;;) {
        // A CR counts as a line end too, so a string cannot swallow a CRLF.
        if (FOffset >= FText.size() || FText[FOffset] == '\n' || FText[FOffset] == '\r')
            Fail(token.Pos, "unterminated string");
        const char c = FText[FOffset];
        Advance();
        if (c != '\'') {
            token.Text += c;
        } else if (FOffset < FText.size() && FText[FOffset] == '\'') {
            token.Text += '\'';
            Advance();
        } else {
            return token;
        }
    }
}

} // namespace platform
