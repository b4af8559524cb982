#pragma once
// Splits stored-layout text into tokens. Keywords (object, end, file) are plain identifiers
// here: only the parser knows where they mean something.

#include "layout/LayoutSyntax.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class TLayoutTokenKind {
    Identifier,
    Integer,
    String,
    Colon,
    Equals,
    LeftBracket,
    RightBracket,
    LeftParen,
    RightParen,
    Comma,
    Plus,
    Dot,
    EndOfInput,
};

struct TLayoutToken {
    TLayoutTokenKind Kind = TLayoutTokenKind::EndOfInput;
    TSourcePos Pos;
    std::string Text;          // Identifier: the name; String: the text with '' undone
    std::int64_t Integer = 0;  // Integer only
};

// How a token reads in an error message: "integer 5", "identifier 'Left'", "':'",
// "end of input". Long names and strings are shortened so hostile input cannot make
// a message as large as itself.
std::string DescribeToken(const TLayoutToken& token);

// Quotes a name or text for an error message, shortened the same way.
std::string QuoteForMessage(std::string_view text);

class TLayoutLexer {
public:
    // The text must outlive the lexer. The layout name only labels errors.
    TLayoutLexer(std::string_view text, std::string layoutName);

    // The next token; after the last one, EndOfInput for ever. Throws ELayoutError on
    // an invalid character, an unterminated string or an integer out of 64-bit range.
    TLayoutToken Next();

    const std::string& LayoutName() const { return FLayoutName; }

private:
    void SkipSpaceAndComments();
    void Advance();  // one byte, keeping line and column in step
    [[noreturn]] void Fail(TSourcePos pos, const std::string& message) const;
    TLayoutToken ReadIdentifier();
    TLayoutToken ReadInteger();
    TLayoutToken ReadString();

    std::string_view FText;
    std::string FLayoutName;
    std::size_t FOffset = 0;
    TSourcePos FPos{1, 1};
};

}  // namespace platform
