#pragma once
// Splits RTF bytes into tokens: group braces, control words with their parameter, control symbols,
// \'hh bytes and runs of plain text. Line breaks in the source carry no meaning and never reach
// the reader.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

enum class TRtfTokenKind {
    GroupOpen,      // {
    GroupClose,     // }
    ControlWord,    // \name or \nameN; one space after it is its delimiter and is consumed
    ControlSymbol,  // \ and one non-letter: \\ \{ \} \~ \- \_ \*
    HexByte,        // \'hh: one byte of the document's code page
    Text,           // a run of bytes without { } \ CR LF
    EndOfInput,
};

struct TRtfToken {
    TRtfTokenKind Kind = TRtfTokenKind::EndOfInput;
    std::size_t Offset = 0;  // of the token's first byte
    std::string_view Name;   // ControlWord: the letters; Text: the bytes
    bool HasParam = false;   // ControlWord only
    std::int32_t Param = 0;  // ControlWord (saturated to 32 bits); HexByte: the byte
    char Symbol = 0;         // ControlSymbol only
};

class TRtfLexer {
public:
    // The text must outlive the lexer.
    explicit TRtfLexer(std::string_view text) : FText(text) {}

    // The next token; after the last one, EndOfInput for ever. Throws ERtfError on a backslash at
    // the end of the input and on \' without two hex digits.
    TRtfToken Next();

    std::size_t Offset() const { return FOffset; }

private:
    bool AtEnd() const { return FOffset >= FText.size(); }
    char Peek() const { return FText[FOffset]; }
    void SkipLineBreaks();
    TRtfToken ReadControl();
    TRtfToken ReadControlWord(std::size_t start);
    std::int32_t ReadParam(bool negative);
    TRtfToken ReadHexByte(std::size_t start);
    TRtfToken ReadText();

    std::string_view FText;
    std::size_t FOffset = 0;
};

}  // namespace platform
