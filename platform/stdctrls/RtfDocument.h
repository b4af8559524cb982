#pragma once
// What the RTF reader makes of a document: paragraphs of runs of equally formatted text. It holds
// only what the rich-text box draws (face, size, weight, colour), so the box and its tests read the
// same model.

#include "graphics/Color.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// RTF's default size when a document sets none: 12 point, in half-points as \fs counts.
constexpr int kRtfDefaultHalfPoints = 24;

struct TRtfRun {
    std::string Text;      // UTF-8
    std::string FontName;  // from \fonttbl; empty: the box's own face
    int SizeHalfPoints = kRtfDefaultHalfPoints;
    bool Bold = false;
    // An RGB colour from \colortbl; none means automatic, the box's text colour.
    std::optional<TColor> Color;

    // Same formatting, whatever the text.
    bool SameFormat(const TRtfRun& other) const
    {
        return FontName == other.FontName && SizeHalfPoints == other.SizeHalfPoints && Bold == other.Bold &&
               Color == other.Color;
    }
};

struct TRtfParagraph {
    std::vector<TRtfRun> Runs;  // never an empty run; neighbours differ in format

    std::string Text() const
    {
        std::string text;
        for (const TRtfRun& run : Runs)
            text += run.Text;
        return text;
    }
};

struct TRtfDocument {
    std::vector<TRtfParagraph> Paragraphs;

    // The paragraphs' text joined with "\n".
    std::string PlainText() const
    {
        std::string text;
        for (std::size_t i = 0; i < Paragraphs.size(); ++i) {
            if (i)
                text += '\n';
            text += Paragraphs[i].Text();
        }
        return text;
    }
};

// A document the reader cannot read soundly. what() reads "RTF at byte <offset>: <message>", the
// message saying what was expected there.
class ERtfError : public std::runtime_error {
public:
    ERtfError(std::size_t offset, const std::string& message)
        : std::runtime_error("RTF at byte " + std::to_string(offset) + ": " + message), FOffset(offset),
          FMessage(message)
    {
    }
    std::size_t Offset() const { return FOffset; }
    const std::string& Message() const { return FMessage; }

private:
    std::size_t FOffset;
    std::string FMessage;
};

}  // namespace platform
