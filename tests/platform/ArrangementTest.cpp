// Alignment and auto-size of windowed controls: what code-built windows rely on to lay out their
// children without a stored layout.

#include "controls/CustomPanel.h"
#include "forms/Form.h"
#include "stdctrls/Button.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TRect BoundsOf(const TControl& c) { return c.BoundsRect(); }

TEST(Arrangement, AlignedChildrenShareTheClientAreaInChildOrder)
{
    TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    auto make = [&](TAlign align, int w, int h) {
        auto* panel = new TCustomPanel(&form);
        panel->SetBounds(50, 50, w, h);
        panel->SetParent(&form);
        panel->SetAlign(align);
        return panel;
    };
    TCustomPanel* top1 = make(alTop, 10, 20);
    TCustomPanel* bottom = make(alBottom, 10, 30);
    TCustomPanel* top2 = make(alTop, 10, 15);
    TCustomPanel* left = make(alLeft, 40, 10);
    TCustomPanel* right = make(alRight, 25, 10);
    TCustomPanel* client = make(alClient, 1, 1);
    TCustomPanel* free = make(alNone, 7, 8);

    EXPECT_EQ(BoundsOf(*top1), Rect(0, 0, 300, 20));
    EXPECT_EQ(BoundsOf(*top2), Rect(0, 20, 300, 35)) << "stacked under the first";
    EXPECT_EQ(BoundsOf(*bottom), Rect(0, 170, 300, 200));
    EXPECT_EQ(BoundsOf(*left), Rect(0, 35, 40, 170));
    EXPECT_EQ(BoundsOf(*right), Rect(275, 35, 300, 170));
    EXPECT_EQ(BoundsOf(*client), Rect(40, 35, 275, 170));
    EXPECT_EQ(BoundsOf(*free), Rect(50, 50, 57, 58)) << "a control without alignment stays";

    // The window grows: the aligned children follow; a taller top pushes the rest down.
    form.SetClientWidth(400);
    top1->SetHeight(30);
    EXPECT_EQ(BoundsOf(*top1), Rect(0, 0, 400, 30));
    EXPECT_EQ(BoundsOf(*top2), Rect(0, 30, 400, 45));
    EXPECT_EQ(BoundsOf(*client), Rect(40, 45, 375, 170));
}

TEST(Arrangement, AutoSizeMakesTheChildrenBoundingBoxTheClientArea)
{
    // A memo and a button 8 pixels in from the edges, as a small code-built window has them.
    TForm form(nullptr);
    auto* memo = new TMemo(&form);
    memo->SetBounds(8, 8, 305, 89);
    memo->SetParent(&form);
    auto* button = new TButton(&form);
    button->SetBounds(165, 105, 73, 25);
    button->SetParent(&form);

    form.SetAutoSize(true);
    form.SetAutoSize(false);
    EXPECT_EQ(form.ClientWidth(), 305);
    EXPECT_EQ(form.ClientHeight(), 122);
    EXPECT_EQ(BoundsOf(*memo), Rect(0, 0, 305, 89)) << "moved by the box's top-left";
    EXPECT_EQ(BoundsOf(*button), Rect(157, 97, 230, 122));

    // A top-aligned label spans the box and is part of it.
    TForm other(nullptr);
    other.SetClientWidth(305);
    auto* label = new TLabel(&other);
    label->SetParent(&other);
    label->SetAlign(alTop);
    auto* lower = new TButton(&other);
    lower->SetBounds(0, 105, 173, 25);
    lower->SetParent(&other);
    other.SetAutoSize(true);
    other.SetAutoSize(false);
    EXPECT_EQ(other.ClientWidth(), 305);
    EXPECT_EQ(other.ClientHeight(), 130);
    EXPECT_EQ(label->Left(), 0);
    EXPECT_EQ(label->Width(), 305);
}

}  // namespace
