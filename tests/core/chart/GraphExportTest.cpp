#include <string>

#include <gtest/gtest.h>

#include "chart/GraphExport.h"

namespace morvik {
namespace {

using G = GraphTarget;

// Every click from every choice: another item is chosen; the current one falls back to the clipboard, or from
// the clipboard to the bitmap, so that exactly one target stays ticked.
TEST(GraphExport, TargetsActAsOneChoice)
{
    const G all[] = {G::Clipboard, G::Bitmap, G::Metafile, G::Jpeg};
    for (const G current : all) {
        for (const G clicked : all) {
            const G expected = clicked != current ? clicked : clicked == G::Clipboard ? G::Bitmap : G::Clipboard;
            EXPECT_EQ(ToggleGraphTarget(current, clicked), expected)
                << static_cast<int>(current) << " " << static_cast<int>(clicked);
        }
    }
}

// The vector target writes SVG: its dialog offers svg, not the metafile suffix.
TEST(GraphExport, EachPictureTargetHasItsSuffixAndFilter)
{
    struct Case {
        G target;
        std::string suffix;
        std::string filter;
    };
    const Case cases[] = {
        {G::Bitmap, "bmp", "Distributions Files (*.bmp)|*.bmp|All files (*.*)|*.*"},
        {G::Metafile, "svg", "Distributions Files (*.svg)|*.svg|All files (*.*)|*.*"},
        {G::Jpeg, "jpg", "Distributions Files (*.jpg)|*.jpg|All files (*.*)|*.*"},
    };
    for (const Case& c : cases) {
        const PictureFileKind kind = PictureFileKindOf(c.target);
        EXPECT_EQ(kind.suffix, c.suffix);
        EXPECT_EQ(kind.filter, c.filter);
    }
}

TEST(GraphExport, StoredCodesOutsideTheFourReadAsTheClipboard)
{
    for (const G target : {G::Clipboard, G::Bitmap, G::Metafile, G::Jpeg}) {
        EXPECT_EQ(GraphTargetFromCode(GraphTargetCode(target)), target);
    }
    for (const int code : {-1, 4, 1000}) EXPECT_EQ(GraphTargetFromCode(code), G::Clipboard) << code;
}

}  // namespace
}  // namespace morvik
