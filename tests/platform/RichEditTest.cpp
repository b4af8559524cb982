#include "core/ClassInfo.h"
#include "core/StringList.h"
#include "forms/Form.h"
#include "forms/PlatformClasses.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"
#include "stdctrls/RichEdit.h"

#include "support/Pointer.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using testsupport::WaitFor;

namespace {

const std::string kCrLf = "\r\n";

// The help window's instructions, assembled as the setup supporter assembles them.
std::string HelpDocument(const std::string& company, const std::string& card, bool series, bool multiPort)
{
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
        "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
        "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0" + kCrLf + "{\\b ";
    rtf += company + " " + card + (series ? " Series" : "") + " Settings Program}\\par\\par\\fs24" + kCrLf;
    rtf += "This program will help you configure the option jumpers and settings associated with this product. "
           "You should have the product in-hand when first using this program.\\par\\par" + kCrLf;
    rtf += "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par" + kCrLf;
    rtf += "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional "
           "features of the product family.\\par\\par" + kCrLf;
    rtf += "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
           "controlling the hardware device. Run this settings program again once the card is installed. ";
    rtf += "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
           "{\\cf3 calibration circles}.\\par\\par" + kCrLf;
    rtf += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
           "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. ";
    rtf += "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par" + kCrLf;
    if (multiPort)
        rtf += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
               "options for each port are handled identically; this program only shows the setup once, but you "
               "need to perform this setup for each group of options on your device.\\par\\par" + kCrLf;
    return rtf + "}";
}

QTextEdit* EditOf(const TRichEdit& box) { return qobject_cast<QTextEdit*>(box.Handle()); }

// The format the box shows a piece of text in: that of the fragment it starts in.
QTextCharFormat FormatAt(const TRichEdit& box, const QString& text)
{
    for (QTextBlock block = EditOf(box)->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().startsWith(text))
                return it.fragment().charFormat();
        }
    }
    ADD_FAILURE() << "no fragment starts with " << text.toStdString();
    return {};
}

std::vector<std::string> NonEmpty(const TStringList& lines)
{
    std::vector<std::string> out;
    for (const std::string& line : lines.Items())
        if (!line.empty())
            out.push_back(line);
    return out;
}

TEST(RichEdit, ShowsTheHelpDocumentWithItsTextFacesSizesAndColours)
{
    TForm form(nullptr);
    auto* box = new TRichEdit(&form);
    box->SetParent(&form);
    box->SetReadOnly(true);
    box->SetText(HelpDocument("Veltrona", "KT-LINE-24F7", true, false));

    const std::vector<std::string> expected = {
        "Veltrona KT-LINE-24F7 Series Settings Program",
        "This program will help you configure the option jumpers and settings associated with this product. You "
        "should have the product in-hand when first using this program.",
        "Yellow circles provide information on configuring jumpers and switches.",
        "Blue circles are informational only. They provide information on standard and optional features of the "
        "product family.",
        "Red circles handle calibration and types of configuration that require actually controlling the hardware "
        "device. Run this settings program again once the card is installed. Repeat the setup circles (using the "
        "same settings) to configure this program, then perform the calibration circles.",
        "Mouse over the highlight circles to see configuration or information popups for setup, features, and "
        "calibration. Click a highlight circle to make its popup remain on-screen. You can have all or as many of "
        "these popups onscreen at the same time as you desire.",
    };
    EXPECT_EQ(NonEmpty(*box->Lines()), expected);
    // Each paragraph is followed by an empty one, as the document writes \par\par.
    EXPECT_EQ(box->Lines()->Count(), 12);
    EXPECT_EQ(EditOf(*box)->toPlainText().toStdString(), box->Text());

    const QString verdana = ToQFont([] { TFont f; f.SetName("Verdana"); return f; }()).family();
    struct TLook {
        const char* Text;
        QColor Color;
        bool Bold;
        int PixelSize;  // \fs32 and \fs24 at 96 pixels per inch
    };
    const QColor body(64, 64, 64), yellow(255, 255, 64), blue(64, 64, 255), red(255, 64, 64);
    for (const TLook& look : std::vector<TLook>{{"Veltrona KT-LINE-24F7", body, true, 21},
                                                {"This program", body, false, 16},
                                                {"Yellow circles", yellow, true, 16},
                                                {" provide information", body, false, 16},
                                                {"Blue circles", blue, true, 16},
                                                {"Red circles", red, true, 16},
                                                {"setup circles", yellow, false, 16},
                                                {"calibration circles", red, false, 16},
                                                {"setup", yellow, false, 16},
                                                {"features", blue, false, 16},
                                                {". Click a highlight", body, false, 16}}) {
        const QTextCharFormat format = FormatAt(*box, look.Text);
        EXPECT_EQ(format.foreground().color(), look.Color) << look.Text;
        EXPECT_EQ(format.font().bold(), look.Bold) << look.Text;
        EXPECT_EQ(format.font().pixelSize(), look.PixelSize) << look.Text;
        EXPECT_EQ(format.font().family(), verdana) << look.Text;
    }
}

// The help box is far shorter than its document: a reader must see it from the top, not from
// where loading left the text cursor.
TEST(RichEdit, ALoadedDocumentIsShownFromItsStart)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 320, 140);
    auto* box = new TRichEdit(&form);
    box->SetParent(&form);
    box->SetBounds(0, 24, 305, 73);
    box->SetScrollBars(ssVertical);
    // Loaded before the window shows, as the help window is built hidden, and again once shown.
    box->SetText(HelpDocument("Veltrona", "KT-LINE-24F7", true, false));
    form.ShowForm();
    QScrollBar* bar = EditOf(*box)->verticalScrollBar();
    for (const bool plain : {false, true}) {
        if (plain)
            box->SetText(box->Text());
        ASSERT_TRUE(WaitFor([&] { return bar->maximum() > 0; })) << plain;
        QCoreApplication::processEvents();
        EXPECT_EQ(bar->value(), 0) << plain;
        EXPECT_EQ(EditOf(*box)->textCursor().position(), 0) << plain;
    }
}

TEST(RichEdit, LinesLoadRtfAndHoldTheShownParagraphs)
{
    TRichEdit box(nullptr);
    int changes = 0;
    struct TCounter {
        void Changed(TObject*) { ++*Count; }
        int* Count;
    } counter{&changes};
    box.Lines()->OnChange = Method(&TCounter::Changed, &counter);

    // Line breaks mean nothing to RTF, so a document may come split across lines.
    box.Lines()->SetItems({"{\\rtf1 {\\b one}\\par", "two}"});
    EXPECT_EQ(box.Lines()->Items(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(box.Document().Paragraphs.size(), 2u);
    EXPECT_TRUE(box.Document().Paragraphs[0].Runs.at(0).Bold);

    box.SetText("plain\r\n{\\b text}");
    EXPECT_EQ(box.Lines()->Items(), (std::vector<std::string>{"plain", "{\\b text}"}));
    EXPECT_TRUE(box.Document().Paragraphs.empty());
    EXPECT_EQ(EditOf(box)->toPlainText(), "plain\n{\\b text}");
    EXPECT_EQ(changes, 2);
}

// A document the reader refuses is reported to whoever loaded it; the box keeps what it showed.
TEST(RichEdit, RefusedRtfLeavesTheBoxAsItWas)
{
    TRichEdit box(nullptr);
    box.SetText("{\\rtf1 kept\\par}");
    for (const std::string& bad : {std::string("{\\rtf1 {lost"), std::string("{\\rtf1 lost}}")}) {
        EXPECT_THROW(box.SetText(bad), ERtfError) << bad;
        EXPECT_EQ(box.Lines()->Items(), std::vector<std::string>{"kept"}) << bad;
        EXPECT_EQ(EditOf(box)->toPlainText(), "kept") << bad;
        EXPECT_EQ(box.Document().PlainText(), "kept") << bad;
    }
}

TEST(RichEdit, IsRegisteredWithTheMemosProperties)
{
    RegisterPlatformClasses();
    const TClassInfo* cls = FindClass("TRichEdit");
    ASSERT_NE(cls, nullptr);
    for (const char* name : {"Lines", "ReadOnly", "ScrollBars", "Color", "Font", "TabStop", "Anchors"})
        EXPECT_NE(cls->FindProperty(name), nullptr) << name;

    TRichEdit box(nullptr);
    box.SetScrollBars(ssVertical);
    box.SetReadOnly(true);
    box.SetColor(RGB(221, 221, 221));
    EXPECT_EQ(EditOf(box)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(EditOf(box)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(EditOf(box)->isReadOnly());
    EXPECT_EQ(EditOf(box)->palette().color(QPalette::Base), QColor(221, 221, 221));
}

}  // namespace
