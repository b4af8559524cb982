#pragma once
// The stored-layout text format, as the parser hands it to the loader.
//
//   object MainForm: TMainForm
//     Left = 177
//     Caption = 'Setup'
//     Color = clWhite
//     Font.Height = -11
//     Anchors = [akLeft, akTop]
//     Lines = ('first line' 'second line')
//     Picture = file 'card.jpg'
//     Exists = True
//     object BoardImage1: TBoardImage
//       ...
//     end
//   end
//
// Strings are single-quoted with '' for a quote and may be joined with +; integers may be
// negative; `//` starts a comment to the end of the line. Property values keep their source
// position so that the loader's errors can point at them.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct TSourcePos {
    int Line = 0;    // 1-based
    int Column = 0;  // 1-based, in bytes
};

struct TLayoutValue {
    enum class TKind { Integer, String, Identifier, Set, StringList, File };
    TKind Kind = TKind::Integer;
    TSourcePos Pos;
    std::int64_t Integer = 0;
    std::string Text;                 // String, Identifier (True/False/clWhite/otLeft/names), File
    std::vector<std::string> Items;   // Set: identifiers; StringList: strings
};

struct TLayoutProperty {
    std::string Name;  // may be dotted: Font.Height
    TSourcePos Pos;
    TLayoutValue Value;
};

struct TLayoutObject {
    std::string Name;
    std::string ClassName;
    TSourcePos Pos;
    std::vector<TLayoutProperty> Properties;  // in source order
    std::vector<TLayoutObject> Children;      // in source order
};

// Any error reading a layout: what() reads "<layout>:<line>:<column>: <message>".
class ELayoutError : public std::runtime_error {
public:
    ELayoutError(const std::string& layout, TSourcePos pos, const std::string& message);
    const std::string& Layout() const { return FLayout; }
    TSourcePos Pos() const { return FPos; }
    const std::string& Message() const { return FMessage; }

private:
    std::string FLayout;
    TSourcePos FPos;
    std::string FMessage;
};

// Parses one layout with a single root object; throws ELayoutError.
TLayoutObject ParseLayout(std::string_view text, const std::string& layoutName);

}  // namespace platform
