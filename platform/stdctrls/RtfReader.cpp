#include "stdctrls/RtfReader.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {
constexpr std::string_view kRtfSignature = "{\\rtf";
constexpr char32_t kReplacement = 0xFFFD;
// Windows keeps face names under 32 characters; a longer one is cut so that copying a run's
// format stays cheap however the document is made.
constexpr std::size_t kMaxFaceNameBytes = 255;

// Code page 1252 from 0x80 to 0x9F; the rest of the page is Latin-1. Zero: undefined there.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0) {
        const char16_t c = kCp1252High[byte - 0x80];
        return c ? c : kReplacement;
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c < 0xE000; }

// Characters that RTF names with a control word.
struct TNamedChar {
    std::string_view Word;
    char32_t Char;
};
constexpr std::array<TNamedChar, 9> kNamedChars = {{{"emdash", 0x2014},
                                                    {"endash", 0x2013},
                                                    {"bullet", 0x2022},
                                                    {"lquote", 0x2018},
                                                    {"rquote", 0x2019},
                                                    {"ldblquote", 0x201C},
                                                    {"rdblquote", 0x201D},
                                                    {"tab", U'\t'},
                                                    {"line", 0x2028}}};

// Destinations that hold no text to draw; a writer marks only newer ones with \*, so the older
// ones are known by name.
constexpr std::array<std::string_view, 20> kSkippedDestinations = {
    "stylesheet", "info",   "pict",    "object",   "header",  "headerl",  "headerr",
    "headerf",    "footer", "footerl", "footerr",  "footerf", "footnote", "fldinst",
    "listtable",  "listoverridetable", "revtbl",   "rxe",     "txe",      "xe"};

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
}  // namespace

bool TRtfReader::IsRtf(std::string_view text) { return text.substr(0, kRtfSignature.size()) == kRtfSignature; }

TRtfDocument TRtfReader::Read(std::string_view rtf) { return TRtfReader(rtf).ReadDocument(); }

TRtfDocument TRtfReader::ReadDocument()
{
    if (!IsRtf(FText))
        throw ERtfError(0, "expected the document to start with '{\\rtf'");
    for (;;) {
        const TRtfToken token = FLexer.Next();
        switch (token.Kind) {
        case TRtfTokenKind::GroupOpen:
            OpenGroup(token);
            break;
        case TRtfTokenKind::GroupClose:
            CloseGroup();
            if (FSaved.empty()) {
                ReadTrailer();
                if (!FParagraph.Runs.empty())
                    FDocument.Paragraphs.push_back(std::move(FParagraph));
                return std::move(FDocument);
            }
            break;
        case TRtfTokenKind::ControlWord:
            ControlWord(token);
            break;
        case TRtfTokenKind::ControlSymbol:
            if (!SkipFallback())
                ControlSymbol(token.Symbol);
            break;
        case TRtfTokenKind::HexByte:
            if (!SkipFallback())
                Put(FromCp1252(static_cast<unsigned char>(token.Param)));
            break;
        case TRtfTokenKind::Text:
            TextBytes(token.Name);
            break;
        case TRtfTokenKind::EndOfInput:
            throw ERtfError(token.Offset, "expected '}' to close the group opened at byte " +
                                              std::to_string(FOpenOffsets.back()) + ", found the end of the input");
        }
    }
}

// Writers may end the file with a line break, spaces or a NUL; anything else after the closing
// brace means the braces do not match what the writer meant.
void TRtfReader::ReadTrailer()
{
    for (;;) {
        const TRtfToken token = FLexer.Next();
        if (token.Kind == TRtfTokenKind::EndOfInput)
            return;
        const bool blank = token.Kind == TRtfTokenKind::Text &&
                           token.Name.find_first_not_of(std::string_view(" \t\0", 3)) == std::string_view::npos;
        if (!blank)
            throw ERtfError(token.Offset, "expected the end of the input after the document's closing '}'");
    }
}

void TRtfReader::OpenGroup(const TRtfToken& token)
{
    if (FSaved.size() >= kMaxRtfGroupDepth)
        throw ERtfError(token.Offset, "expected at most " + std::to_string(kMaxRtfGroupDepth) + " nested groups");
    ResolveSurrogate();
    FlushText();
    FFallbackToSkip = 0;
    FSaved.push_back(FState);
    FOpenOffsets.push_back(token.Offset);
}

void TRtfReader::CloseGroup()
{
    ResolveSurrogate();
    FlushText();
    FFallbackToSkip = 0;
    FState = FSaved.back();
    FSaved.pop_back();
    FOpenOffsets.pop_back();
}

void TRtfReader::ControlWord(const TRtfToken& token)
{
    if (SkipFallback())
        return;
    const std::string_view name = token.Name;
    // \uc and \u count in every destination: a face name may be written with \u too.
    if (name == "uc") {
        FState.UnicodeSkip = std::max(0, token.HasParam ? token.Param : 1);
        return;
    }
    if (name == "u") {
        if (token.HasParam)
            UnicodeChar(token.Param);
        return;
    }
    if (name == "deff") {
        FDefaultFont = token.Param;
        return;
    }
    if (FState.Destination == TDestination::Skipped || DestinationWord(name))
        return;
    if (FState.Destination == TDestination::FontTable) {
        if (name == "f") {
            FFontEntry = token.Param;
            FFontName.clear();
        }
        return;
    }
    if (FState.Destination == TDestination::ColorTable) {
        const int part = std::clamp(token.Param, 0, 255);
        if (name == "red" || name == "green" || name == "blue") {
            (name == "red" ? FRed : name == "green" ? FGreen : FBlue) = part;
            FColorGiven = true;
        }
        return;
    }
    FormatWord(token);
}

bool TRtfReader::DestinationWord(std::string_view name)
{
    TDestination destination;
    if (name == "fonttbl")
        destination = TDestination::FontTable;
    else if (name == "colortbl")
        destination = TDestination::ColorTable;
    else if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), name) != kSkippedDestinations.end())
        destination = TDestination::Skipped;
    else
        return false;
    FlushText();
    FState.Destination = destination;
    return true;
}

// A word of the body text; false when it is one this reader ignores.
bool TRtfReader::FormatWord(const TRtfToken& token)
{
    const std::string_view name = token.Name;
    for (const TNamedChar& named : kNamedChars) {
        if (name == named.Word) {
            Put(named.Char);
            return true;
        }
    }
    if (name == "par") {
        EndParagraph();
        return true;
    }
    // Everything below changes the format of the text that follows.
    FlushText();
    if (name == "plain") {
        const TGroupState plain;
        FState.Font = plain.Font;
        FState.SizeHalfPoints = plain.SizeHalfPoints;
        FState.Bold = plain.Bold;
        FState.Color = plain.Color;
    } else if (name == "b") {
        FState.Bold = !token.HasParam || token.Param != 0;
    } else if (name == "fs") {
        FState.SizeHalfPoints =
            token.HasParam ? std::clamp(token.Param, kMinRtfHalfPoints, kMaxRtfHalfPoints) : kRtfDefaultHalfPoints;
    } else if (name == "cf") {
        FState.Color = token.HasParam ? std::max(-1, token.Param) : -1;
    } else if (name == "f") {
        FState.Font = token.HasParam ? std::max(-1, token.Param) : -1;
    } else {
        return false;
    }
    return true;
}

void TRtfReader::ControlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        Put(char32_t(symbol));
        break;
    case '~':
        Put(0x00A0);  // non-breaking space
        break;
    case '_':
        Put(0x2011);  // non-breaking hyphen
        break;
    case '*':
        // A destination the writer marked as safe to skip for a reader that does not know it:
        // this reader knows none of them.
        FlushText();
        FState.Destination = TDestination::Skipped;
        break;
    default:
        break;  // \- (optional hyphen) and the rest draw nothing
    }
}

void TRtfReader::TextBytes(std::string_view bytes)
{
    for (const char byte : bytes) {
        if (SkipFallback())
            continue;
        const auto c = static_cast<unsigned char>(byte);
        if (c == ';' && (FState.Destination == TDestination::FontTable || FState.Destination == TDestination::ColorTable))
            EndTableEntry();
        else if ((c >= 0x20 && c != 0x7F) || c == '\t')
            Put(FromCp1252(c));
    }
}

// \uN is a signed 16-bit number; UTF-16 surrogate pairs come as two of them.
void TRtfReader::UnicodeChar(std::int32_t value)
{
    FFallbackToSkip = FState.UnicodeSkip;
    if (value < -32768 || value > 65535) {
        Put(kReplacement);
        return;
    }
    const char32_t c = value < 0 ? char32_t(value + 65536) : char32_t(value);
    if (IsHighSurrogate(c)) {
        ResolveSurrogate();
        FHighSurrogate = c;
    } else if (IsLowSurrogate(c) && FHighSurrogate) {
        const char32_t high = *FHighSurrogate;
        FHighSurrogate.reset();
        Put(0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
    } else {
        Put(c);
    }
}

// Eats one character of a \u's fallback; true when it did.
bool TRtfReader::SkipFallback()
{
    if (FFallbackToSkip == 0)
        return false;
    --FFallbackToSkip;
    return true;
}

void TRtfReader::Put(char32_t c)
{
    if (FHighSurrogate && !IsLowSurrogate(c))
        ResolveSurrogate();
    if (IsHighSurrogate(c) || IsLowSurrogate(c))
        c = kReplacement;
    switch (FState.Destination) {
    case TDestination::Text:
        AppendUtf8(FPendingText, c);
        break;
    case TDestination::FontTable:
        if (FFontName.size() < kMaxFaceNameBytes)
            AppendUtf8(FFontName, c);
        break;
    case TDestination::ColorTable:
    case TDestination::Skipped:
        break;
    }
}

// A high surrogate that no low one follows stands for nothing it can be written as.
void TRtfReader::ResolveSurrogate()
{
    if (!FHighSurrogate)
        return;
    FHighSurrogate.reset();
    Put(kReplacement);
}

void TRtfReader::EndTableEntry()
{
    if (FState.Destination == TDestination::FontTable) {
        FFonts[FFontEntry] = Trimmed(FFontName);
        FFontName.clear();
    } else {
        FColors.push_back(FColorGiven ? std::optional<TColor>(RGB(std::uint8_t(FRed), std::uint8_t(FGreen),
                                                                  std::uint8_t(FBlue)))
                                      : std::nullopt);
        FRed = FGreen = FBlue = 0;
        FColorGiven = false;
    }
}

void TRtfReader::FlushText()
{
    if (FPendingText.empty())
        return;
    TRtfRun run = CurrentFormat();
    if (!FParagraph.Runs.empty() && FParagraph.Runs.back().SameFormat(run)) {
        FParagraph.Runs.back().Text += FPendingText;
    } else {
        run.Text = std::move(FPendingText);
        FParagraph.Runs.push_back(std::move(run));
    }
    FPendingText.clear();
}

void TRtfReader::EndParagraph()
{
    ResolveSurrogate();
    FlushText();
    FDocument.Paragraphs.push_back(std::move(FParagraph));
    FParagraph = {};
}

TRtfRun TRtfReader::CurrentFormat() const
{
    TRtfRun run;
    // A number the font table does not hold means the document's default font.
    auto font = FFonts.find(FState.Font);
    if (font == FFonts.end())
        font = FFonts.find(FDefaultFont);
    if (font != FFonts.end())
        run.FontName = font->second;
    run.SizeHalfPoints = FState.SizeHalfPoints;
    run.Bold = FState.Bold;
    if (FState.Color >= 0 && std::size_t(FState.Color) < FColors.size())
        run.Color = FColors[std::size_t(FState.Color)];
    return run;
}

}  // namespace platform
