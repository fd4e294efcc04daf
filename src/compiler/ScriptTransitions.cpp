#include "compiler/PageText.h"
#include "compiler/ScriptParts.h"

#include <array>

namespace {
// One of these filters is drawn at random for every slide change.
constexpr std::array<const char*, 57> kFilters{
    "progid:DXImageTransform.Microsoft.RandomDissolve()",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=circle, motion=in, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=circle, motion=out, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=cross, motion=in, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=cross, motion=out, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=plus, motion=in, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=plus, motion=out, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=square, motion=in, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=square, motion=out, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=star, motion=in, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=star, motion=out, duration=3)",
    "progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=0, motion=forward, "
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=0, motion=reverse, "
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=1, motion=forward, "
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=1, motion=reverse, "
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Fade(duration=3, overlap=1, center=0)",
    "progid:DXImageTransform.Microsoft.Barn(orientation=horizontal, motion=out)",
    "progid:DXImageTransform.Microsoft.Barn(orientation=horizontal, motion=in)",
    "progid:DXImageTransform.Microsoft.Barn(orientation=vertical, motion=out)",
    "progid:DXImageTransform.Microsoft.Barn(orientation=vertical, motion=in)",
    "progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='RIGHT')",
    "progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='LEFT')",
    "progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='UP')",
    "progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='DOWN')",
    "progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='RIGHT',"
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='LEFT',"
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='UP',"
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='DOWN',"
    "duration=3)",
    "progid:DXImageTransform.Microsoft.Inset( )",
    "progid:DXImageTransform.Microsoft.Pixelate(MaxSquare=5,Duration=3,Enabled=false)",
    "progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='clock')",
    "progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='wedge')",
    "progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='radial')",
    "progid:DXImageTransform.Microsoft.RandomBars(orientation='horizontal')",
    "progid:DXImageTransform.Microsoft.RandomBars(orientation='vertical')",
    "progid:DXImageTransform.Microsoft.Slide(slideStyle='HIDE', bands=1)",
    "progid:DXImageTransform.Microsoft.Slide(slideStyle='PUSH', bands=1)",
    "progid:DXImageTransform.Microsoft.Slide(slideStyle='SWAP', bands=1)",
    "progid:DXImageTransform.Microsoft.Slide(slideStyle='HIDE', bands=7)",
    "progid:DXImageTransform.Microsoft.Slide(slideStyle='PUSH', bands=7)",
    "progid:DXImageTransform.Microsoft.Slide(slideStyle='SWAP', bands=7)",
    "progid:DXImageTransform.Microsoft.Spiral(GridSizeX=8, GridSizeY=8)",
    "progid:DXImageTransform.Microsoft.Spiral(GridSizeX=64, GridSizeY=64)",
    "progid:DXImageTransform.Microsoft.Stretch(stretchStyle='hide')",
    "progid:DXImageTransform.Microsoft.Stretch(stretchStyle='spin')",
    "progid:DXImageTransform.Microsoft.Stretch(stretchStyle='push')",
    "progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='leftdown')",
    "progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='leftup')",
    "progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='rightdown')",
    "progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='rightup')",
    "progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=2)",
    "progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=4)",
    "progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=10)",
    "progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=20)",
    "progid:DXImageTransform.Microsoft.zigzag(GridSizeX=16, GridSizeY=16)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=diamond, motion=in, duration=3)",
    "progid:DXImageTransform.Microsoft.Iris(irisStyle=diamond, motion=out, duration=3)",
};
} // namespace

QString TransitionTable() {
    PageBuilder b;
    for (int i = 0; i < static_cast<int>(kFilters.size()); ++i)
        b.line(QStringLiteral(" x[") + IntText(i) + QStringLiteral("] = {\"q\":") +
               Quoted(QLatin1String(kFilters[static_cast<std::size_t>(i)])) + QStringLiteral("};"));
    return std::move(b).text();
}
