#pragma once
// TRtfReader: turns the RTF that a rich-text box is given into paragraphs of formatted runs. It
// keeps what the box draws — face (\fonttbl, \f, \deff), size (\fs), weight (\b), colour
// (\colortbl, \cf), paragraphs (\par) — and the characters (\'hh in code page 1252, \u with its
// \uc fallback, \emdash and the other named characters); every other control word is ignored and
// the destinations it does not draw (\stylesheet, \info, \pict, any \*) are skipped whole.
//
// The text may come from anywhere, so reading is strict and bounded:
// - anything that leaves the document's structure unsound throws ERtfError with the byte offset
//   and what was expected: input not starting with "{\rtf", a '}' or other text after the closing
//   '}' of the document (only white space may follow), a document that ends inside a group (a
//   missing '}' or a truncated file), a backslash at the end, \' without two hex digits, and
//   groups nested deeper than kMaxRtfGroupDepth;
// - numbers cannot overflow: parameters saturate at 32 bits and each is clamped to its range
//   (sizes to kMinRtfHalfPoints..kMaxRtfHalfPoints, colour components to 0..255); a number that names
//   no font means the default font (\deff), an index that names no colour, or an entry of the
//   colour table left empty, the automatic colour;
// - the output is always valid UTF-8: bytes of 0x80 and above are read in code page 1252, a byte
//   1252 leaves undefined, a \u outside 16 bits or an unpaired UTF-16 surrogate becomes U+FFFD;
//   control characters other than tab are dropped;
// - time and memory grow linearly with the input: one pass, no backtracking, face names capped.

#include "stdctrls/RtfDocument.h"
#include "stdctrls/RtfLexer.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Real documents nest a few levels; a cap keeps hostile input from growing the state stack.
constexpr std::size_t kMaxRtfGroupDepth = 256;
// \fs in half-points: 1 point up to the largest size word processors offer.
constexpr int kMinRtfHalfPoints = 2;
constexpr int kMaxRtfHalfPoints = 3276;

class TRtfReader {
public:
    // Whether a text is RTF rather than plain text: it starts with "{\rtf".
    static bool IsRtf(std::string_view text);
    // Reads a whole document; throws ERtfError (see above).
    static TRtfDocument Read(std::string_view rtf);

private:
    enum class TDestination { Text, FontTable, ColorTable, Skipped };
    // What a group saves at '{' and gets back at '}'.
    struct TGroupState {
        TDestination Destination = TDestination::Text;
        int Font = -1;   // \f number; -1: the default font (\deff)
        int SizeHalfPoints = kRtfDefaultHalfPoints;
        bool Bold = false;
        int Color = -1;  // \cf index; -1: automatic
        int UnicodeSkip = 1;  // \uc: fallback characters after each \u
    };

    explicit TRtfReader(std::string_view rtf) : FText(rtf), FLexer(rtf) {}
    TRtfDocument ReadDocument();
    void ReadTrailer();

    void OpenGroup(const TRtfToken& token);
    void CloseGroup();
    void ControlWord(const TRtfToken& token);
    bool DestinationWord(std::string_view name);
    bool FormatWord(const TRtfToken& token);
    void ControlSymbol(char symbol);
    void TextBytes(std::string_view bytes);
    void UnicodeChar(std::int32_t value);
    bool SkipFallback();

    // One character of the current destination.
    void Put(char32_t c);
    void ResolveSurrogate();
    void EndTableEntry();
    void FlushText();
    void EndParagraph();
    TRtfRun CurrentFormat() const;

    std::string_view FText;
    TRtfLexer FLexer;
    TGroupState FState;
    std::vector<TGroupState> FSaved;        // one per open group, the state outside it
    std::vector<std::size_t> FOpenOffsets;  // where each open group began
    TRtfDocument FDocument;
    TRtfParagraph FParagraph;
    std::string FPendingText;  // text in the current format, not yet in a run
    int FFallbackToSkip = 0;
    std::optional<char32_t> FHighSurrogate;

    int FDefaultFont = 0;
    std::map<int, std::string> FFonts;
    int FFontEntry = 0;
    std::string FFontName;
    std::vector<std::optional<TColor>> FColors;
    int FRed = 0, FGreen = 0, FBlue = 0;
    bool FColorGiven = false;
};

}  // namespace platform
