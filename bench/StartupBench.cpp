// How long the main window takes from construction to its first complete paint, relative to a
// bare top-level window of the same size painted once; start to the help window shown, relative
// to a bare window and a plain text window; the cost of shading one highlight ring relative to
// merely touching the same pixels; and reading the help document's RTF relative to copying it. Ratios, not absolute times, are what to
// compare between machines and builds.

#include "BoardHighlight.h"
#include "HelpForm.h"
#include "MainForm.h"
#include "RingShading.h"
#include "SetupSupporter.h"
#include "forms/Application.h"
#include "graphics/Bitmap.h"
#include "stdctrls/RtfReader.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace platform;
using setupctrls::TBoardHighlight;

namespace {

// The main window's client size once shown (it opens maximized); the bare window copies it.
QSize gClientSize;

// Drops whatever the shown and destroyed windows left queued, so no run pays for the previous one.
void DrainEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BareWindowOnce()
{
    auto* widget = new QWidget;
    widget->resize(gClientSize);
    widget->show();
    QImage image(gClientSize, QImage::Format_RGB32);
    widget->render(&image);
    benchmark::DoNotOptimize(image.bits());
    delete widget;
    DrainEvents();
}

// Returns the form still alive when `keep` is set, so its highlights can be inspected.
settings::TMainForm* MainWindowOnce(bool keep = false)
{
    auto* form = new settings::TMainForm(nullptr);
    form->Show();  // the layout maximizes the window only once it is shown
    TBitmap bitmap;
    form->PaintTo(bitmap);
    benchmark::DoNotOptimize(bitmap.Image().bits());
    if (keep)
        return form;
    delete form;
    DrainEvents();
    return nullptr;
}

// A run that never reached the highlights' first paint would time the wrong thing.
void CheckMainWindowPaint()
{
    settings::TMainForm* form = MainWindowOnce(true);
    gClientSize = QSize(form->ClientWidth(), form->ClientHeight());
    for (TBoardHighlight* h : {form->IENCTRHighlight, form->IEN0Highlight, form->IEN1Highlight,
                               form->IEN3Highlight, form->BoardHighlight1, form->BoardHighlight2,
                               form->BoardHighlight3, form->IEN2Highlight}) {
        if (!h || !h->Prepared()) {
            std::fprintf(stderr, "startup_bench: a highlight was not prepared by the first paint; "
                                 "the main-window measurement would be meaningless\n");
            std::exit(1);
        }
    }
    delete form;
    DrainEvents();
}

void BM_BareWindow(benchmark::State& state)
{
    for (auto _ : state)
        BareWindowOnce();
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

void BM_MainWindowFirstPaint(benchmark::State& state)
{
    for (auto _ : state)
        MainWindowOnce();
}
BENCHMARK(BM_MainWindowFirstPaint)->Unit(benchmark::kMillisecond);

// The help document as the program builds it.
const std::string& HelpRtf()
{
    static const std::string rtf = setupctrls::HelpDocument({"Veltrona", "KT-LINE-24F7", true, false, false});
    return rtf;
}

// The main window, then what the supporter builds at the first idle moment, until the help
// window is shown and painted.
void StartToHelpShownOnce()
{
    settings::TMainForm* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    TBitmap bitmap;
    form->PaintTo(bitmap);
    form->SetSup->BuildWindows();
    form->SetSup->HelpForm->ShowForm();
    TBitmap help;
    form->SetSup->HelpForm->PaintTo(help);
    benchmark::DoNotOptimize(help.Image().bits());
    delete form;
    DrainEvents();
}

// The same visible work by plain Qt: a bare window, and a window with a heading, a text box
// holding the help text and a button.
void BareWindowAndTextWindowOnce()
{
    auto* widget = new QWidget;
    widget->resize(gClientSize);
    widget->show();
    QImage image(gClientSize, QImage::Format_RGB32);
    widget->render(&image);
    auto* text = new QWidget;
    auto* layout = new QVBoxLayout(text);
    layout->addWidget(new QLabel("How to use this program"));
    auto* edit = new QTextEdit;
    edit->setReadOnly(true);
    edit->setPlainText(QString::fromStdString(platform::TRtfReader::Read(HelpRtf()).PlainText()));
    layout->addWidget(edit);
    layout->addWidget(new QPushButton("Start"));
    text->resize(488, 221);
    text->show();
    QImage textImage(text->size(), QImage::Format_RGB32);
    text->render(&textImage);
    benchmark::DoNotOptimize(textImage.bits());
    delete text;
    delete widget;
    DrainEvents();
}

void BM_StartToHelpShown(benchmark::State& state)
{
    for (auto _ : state)
        StartToHelpShownOnce();
}
BENCHMARK(BM_StartToHelpShown)->Unit(benchmark::kMillisecond);

void BM_StartToHelpShown_Baseline(benchmark::State& state)
{
    for (auto _ : state)
        BareWindowAndTextWindowOnce();
}
BENCHMARK(BM_StartToHelpShown_Baseline)->Unit(benchmark::kMillisecond);

void BM_ReadHelpRtf(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::TRtfReader::Read(HelpRtf()));
}
BENCHMARK(BM_ReadHelpRtf);

// Copying the document's bytes: the floor any reader pays to look at each byte once.
void BM_ReadHelpRtf_Baseline(benchmark::State& state)
{
    std::vector<char> copy(HelpRtf().size());
    for (auto _ : state) {
        std::memcpy(copy.data(), HelpRtf().data(), copy.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ReadHelpRtf_Baseline);

// The default highlight size, filled with a mid grey so the blend does real work.
void FillRingBitmap(TBitmap& bitmap)
{
    bitmap.SetSize(65, 65);
    bitmap.Image().fill(0xFF808080u);
}

void BM_ShadeRing65(benchmark::State& state)
{
    TBitmap bitmap;
    FillRingBitmap(bitmap);
    const bool whiteCore = state.range(0) != 0;
    for (auto _ : state) {
        setupctrls::ShadeRing(bitmap, clYellow, 0.5f, whiteCore);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ShadeRing65)->ArgName("whiteCore")->Arg(0)->Arg(1);

// Reading and writing every byte of the same bitmap: the floor any shading pass has to pay.
void BM_ShadeRing65_Baseline(benchmark::State& state)
{
    TBitmap bitmap;
    FillRingBitmap(bitmap);
    // Sizes read once: a byte store may alias anything, so the compiler would re-ask every byte.
    const int rowBytes = bitmap.Width() * 4, h = bitmap.Height();
    for (auto _ : state) {
        for (int y = 0; y < h; ++y) {
            std::uint8_t* row = bitmap.ScanLine(y);
            for (int x = 0; x < rowBytes; ++x)
                row[x] = std::uint8_t(~row[x]);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ShadeRing65_Baseline);

// Keeps each benchmark's mean real time per iteration, by name, for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}  // plain text: the output usually goes to logs
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                Times[run.benchmark_name()] = run.GetAdjustedRealTime() *
                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> Times;  // nanoseconds
};

// Median of n interleaved runs of each, so drift in the machine's state hits both alike.
double InterleavedStartupRatio(int n)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> bare, main;
    for (int i = 0; i < n; ++i) {
        auto t0 = Clock::now();
        BareWindowOnce();
        auto t1 = Clock::now();
        MainWindowOnce();
        auto t2 = Clock::now();
        bare.push_back(std::chrono::duration<double>(t1 - t0).count());
        main.push_back(std::chrono::duration<double>(t2 - t1).count());
    }
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    return median(main) / median(bare);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string qpa = std::string("offscreen:configfile=") + SETTINGS_OFFSCREEN_CONFIG;
    setenv("QT_QPA_PLATFORM", qpa.c_str(), 1);
    setenv("QT_QPA_PLATFORMTHEME", "", 1);
    Application->Initialize();
    CheckMainWindowPaint();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto& t = reporter.Times;
    auto ratio = [&t](const char* name, const char* base) {
        return t.count(name) && t.count(base) ? t[name] / t[base] : 0.0;
    };
    std::printf("main window client area: %dx%d\n", gClientSize.width(), gClientSize.height());
    std::printf("start to help window shown / bare window and plain text window: %.2f\n",
                ratio("BM_StartToHelpShown", "BM_StartToHelpShown_Baseline"));
    std::printf("reading the help document's RTF: %.0f ns, %.1f x copying its bytes\n", t["BM_ReadHelpRtf"],
                ratio("BM_ReadHelpRtf", "BM_ReadHelpRtf_Baseline"));
    std::printf("startup ratio (main window first paint / bare window paint): %.2f "
                "(benchmark means), %.2f (median of 20 interleaved runs)\n",
                ratio("BM_MainWindowFirstPaint", "BM_BareWindow"), InterleavedStartupRatio(20));
    for (const char* name : {"BM_ShadeRing65/whiteCore:0", "BM_ShadeRing65/whiteCore:1"})
        if (t.count(name))
            std::printf("%s: %.0f ns per call, %.2f x the memory-touch baseline\n", name, t[name],
                        ratio(name, "BM_ShadeRing65_Baseline"));
    benchmark::Shutdown();
    Application->Finalize();  // Qt must go while its own globals still exist
    return 0;
}
