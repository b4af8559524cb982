#pragma once
// Small boards for the tests: a board image holding a plain-colour picture, with highlights.

#include "BoardHighlight.h"
#include "BoardImage.h"

#include "graphics/Bitmap.h"
#include "graphics/Picture.h"

#include <memory>

namespace testsupport {

using namespace setupctrls;

// The mid grey the tests' boards show under small circles, as the card's photograph does.
constexpr TColor kGrey = RGB(128, 128, 128);

// A picture of one colour, w × h.
inline std::unique_ptr<TPicture> SolidPicture(int w, int h, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(w, h);
    bitmap->Canvas().Brush().Color = color;
    bitmap->Canvas().FillRect(Rect(0, 0, w, h));
    auto picture = std::make_unique<TPicture>();
    picture->SetGraphic(std::move(bitmap));
    return picture;
}

// A board image of the given size showing one colour stretched over it.
inline TBoardImage* SolidBoard(TComponent* owner, int w, int h, TColor color)
{
    auto* board = new TBoardImage(owner);
    board->SetAutoSize(false);
    board->SetCenterOnForm(false);
    board->SetBounds(0, 0, w, h);
    board->SetPicture(SolidPicture(w, h, color).get());
    board->SetStretch(true);
    return board;
}

inline TBoardHighlight* AddHighlight(TBoardImage* board, TRect bounds, const std::string& title = "",
                                     THighlightType type = htSettings)
{
    auto* h = new TBoardHighlight(board->Owner());
    h->SetCreatePopup(false);
    h->SetParent(board);
    h->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    h->SetTitle(title);
    h->SetHighlightType(type);
    return h;
}

struct TRgb {
    int R, G, B;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

inline TRgb PixelAt(const TBitmap& bitmap, int x, int y)
{
    const std::uint8_t* p = bitmap.ScanLine(y) + 4 * x;
    return {p[2], p[1], p[0]};
}

inline std::ostream& operator<<(std::ostream& os, const TRgb& c)
{
    return os << "(" << c.R << ", " << c.G << ", " << c.B << ")";
}

}  // namespace testsupport
