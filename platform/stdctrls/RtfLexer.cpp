#include "stdctrls/RtfLexer.h"

#include "stdctrls/RtfDocument.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsTextByte(char c) { return c != '{' && c != '}' && c != '\\' && !IsLineBreak(c); }

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Parameters are 32-bit in RTF; a longer number is read to its end but stops growing here, so
// "\fs99999999999" cannot overflow and the reader clamps it like any other large value.
constexpr std::int64_t kMaxParamMagnitude = std::numeric_limits<std::int32_t>::max();
}  // namespace

TRtfToken TRtfLexer::Next()
{
    SkipLineBreaks();
    TRtfToken token;
    token.Offset = FOffset;
    if (AtEnd())
        return token;
    switch (Peek()) {
    case '{':
        ++FOffset;
        token.Kind = TRtfTokenKind::GroupOpen;
        return token;
    case '}':
        ++FOffset;
        token.Kind = TRtfTokenKind::GroupClose;
        return token;
    case '\\':
        return ReadControl();
    default:
        return ReadText();
    }
}

void TRtfLexer::SkipLineBreaks()
{
    while (!AtEnd() && IsLineBreak(Peek()))
        ++FOffset;
}

TRtfToken TRtfLexer::ReadControl()
{
    const std::size_t start = FOffset++;
    if (AtEnd())
        throw ERtfError(start, "expected a control word or symbol after '\\', found the end of the input");
    const char c = Peek();
    if (IsLetter(c))
        return ReadControlWord(start);
    if (c == '\'')
        return ReadHexByte(start);
    ++FOffset;
    TRtfToken token;
    token.Offset = start;
    // A backslash before a line break is an old spelling of \par.
    if (IsLineBreak(c)) {
        token.Kind = TRtfTokenKind::ControlWord;
        token.Name = "par";
        return token;
    }
    token.Kind = TRtfTokenKind::ControlSymbol;
    token.Symbol = c;
    return token;
}

TRtfToken TRtfLexer::ReadControlWord(std::size_t start)
{
    const std::size_t nameStart = FOffset;
    while (!AtEnd() && IsLetter(Peek()))
        ++FOffset;
    TRtfToken token;
    token.Kind = TRtfTokenKind::ControlWord;
    token.Offset = start;
    token.Name = FText.substr(nameStart, FOffset - nameStart);
    // A minus sign belongs to the parameter only when a digit follows it.
    const bool negative = !AtEnd() && Peek() == '-' && FOffset + 1 < FText.size() && IsDigit(FText[FOffset + 1]);
    if (negative || (!AtEnd() && IsDigit(Peek()))) {
        token.HasParam = true;
        token.Param = ReadParam(negative);
    }
    if (!AtEnd() && Peek() == ' ')
        ++FOffset;
    return token;
}

std::int32_t TRtfLexer::ReadParam(bool negative)
{
    if (negative)
        ++FOffset;
    std::int64_t magnitude = 0;
    while (!AtEnd() && IsDigit(Peek())) {
        if (magnitude < kMaxParamMagnitude)
            magnitude = std::min(kMaxParamMagnitude, magnitude * 10 + (Peek() - '0'));
        ++FOffset;
    }
    return std::int32_t(negative ? -magnitude : magnitude);
}

TRtfToken TRtfLexer::ReadHexByte(std::size_t start)
{
    ++FOffset;  // the quote
    const int high = AtEnd() ? -1 : HexValue(Peek());
    const int low = FOffset + 1 < FText.size() ? HexValue(FText[FOffset + 1]) : -1;
    if (high < 0 || low < 0)
        throw ERtfError(start, "expected two hex digits after \\'");
    FOffset += 2;
    TRtfToken token;
    token.Kind = TRtfTokenKind::HexByte;
    token.Offset = start;
    token.Param = high * 16 + low;
    return token;
}

TRtfToken TRtfLexer::ReadText()
{
    const std::size_t start = FOffset;
    while (!AtEnd() && IsTextByte(Peek()))
        ++FOffset;
    TRtfToken token;
    token.Kind = TRtfTokenKind::Text;
    token.Offset = start;
    token.Name = FText.substr(start, FOffset - start);
    return token;
}

}  // namespace platform
