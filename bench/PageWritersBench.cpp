// Generates every page and allcode.js of a 1000-slide show.
// Target: all texts of a 1000-slide show in under 20 ms.
#include "compiler/AppletPage.h"
#include "compiler/CatalogPages.h"
#include "compiler/ScriptLibrary.h"
#include "compiler/SlidePages.h"
#include "compiler/TitlePage.h"
#include "project/SlideShowProject.h"

#include <benchmark/benchmark.h>

namespace {
SlideShowProject ThousandSlides(bool colours, qint16 bkMode) {
    SlideShowProject p;
    p.settings = ShowSettings::FirstStart(QStringLiteral("/opt/pevrano"));
    p.settings.UseColTrueUsePicFalse = colours;
    p.settings.SameBkColorEverySlide = false;
    p.settings.optIntBkImgOptionForm = bkMode;
    p.settings.SongPath = QStringLiteral("/music/tune.mp3");
    p.settings.TitleMessage = QStringLiteral("Enjoy my slide show of family pictures.");
    p.names.FirstPageName = QStringLiteral("slide show");
    p.GrowSlots();
    const char* exts[] = {".jpg", ".GIF", ".bmp", ".jpeg"};
    for (int k = 1; k <= 1000; ++k) {
        p.AppendPicture(QStringLiteral("/pictures/holiday/photo %1%2").arg(k).arg(exts[k % 4]));
        p.slide(k).Caption =
            QStringLiteral("Slide %1: the beach at sunset, with Tom's & Ann's <kids>").arg(k);
    }
    return p;
}

std::size_t AllTexts(const SlideShowProject& p, const QDateTime& now) {
    const QString head = PageHead(p, now);
    std::size_t total = 0;
    total += (head + SlidePage(p, true, true)).size();
    total += (head + SlidePage(p, true, false)).size();
    total += (head + KeyboardSlidePage(p)).size();
    total += AllCode(p).size();
    total += (head + NetscapePage(p)).size();
    total += TitlePageText(p).size();
    total += AppletPage(p, now).size();
    total += CatalogPage(p).size();
    const FramePageTexts frames = FramePages(p);
    total += frames.left.size() + frames.right.size();
    total += ThumbPage(p).size();
    return total;
}

void BM_AllTextsOf1000SlideShow(benchmark::State& state) {
    const SlideShowProject p = ThousandSlides(state.range(0) != 0, 1);
    const QDateTime now = QDateTime::currentDateTime();
    std::size_t chars = 0;
    for (auto _ : state) {
        chars = AllTexts(p, now);
        benchmark::DoNotOptimize(chars);
    }
    state.counters["chars"] = static_cast<double>(chars);
}
} // namespace

BENCHMARK(BM_AllTextsOf1000SlideShow)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
