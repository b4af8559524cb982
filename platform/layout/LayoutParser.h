#pragma once
// Reads stored-layout text into the syntax tree of LayoutSyntax.h.
//
//   layout   = object EOF
//   object   = 'object' Name ':' ClassName { property | object } 'end'
//   property = Ident { '.' Ident } '=' value
//   value    = Integer | strings | Ident | 'file' String
//            | '[' [ Ident { ',' Ident } ] ']' | '(' { strings } ')'
//   strings  = String { '+' String }
//
// 'object' and 'end' are keywords only at the start of an object member, 'file' only in
// front of a string in a value; elsewhere they are ordinary identifiers.

#include "layout/LayoutLexer.h"
#include "layout/LayoutSyntax.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Deeper nesting is refused: real layouts stay within a handful of levels, and a bound
// keeps the loader (which walks the tree recursively) safe from hostile files.
inline constexpr int kMaxLayoutDepth = 64;

class TLayoutParser {
public:
    // The text must outlive the parser.
    TLayoutParser(std::string_view text, std::string layoutName);

    // The root object; throws ELayoutError. Call once.
    TLayoutObject Parse();

private:
    void Advance();
    [[noreturn]] void Fail(TSourcePos pos, const std::string& message) const;
    [[noreturn]] void FailExpected(const std::string& what) const;
    bool AtIdentifier(std::string_view name) const;

    TLayoutObject ReadObjectHeader();
    TLayoutProperty ReadProperty();
    TLayoutValue ReadValue(const std::string& propertyName);
    std::string ReadJoinedString();

    TLayoutLexer FLexer;
    TLayoutToken FToken;  // the current, not yet consumed token
};

}  // namespace platform
