#pragma once
#include <string>

namespace morvik {

// Where the "save graph" button of a chart window sends the chart; the four items of its menu (Schranka,
// Bitmapa, Metafile, JPGFile) act as one choice.
enum class GraphTarget { Clipboard, Bitmap, Metafile, Jpeg };

// The choice after a click on `clicked`: a click on another item chooses it; a click on the current item
// unticks it, and the choice falls back to the bitmap (from the clipboard) or to the clipboard (from the others).
GraphTarget ToggleGraphTarget(GraphTarget current, GraphTarget clicked);

// The save dialog of a picture target: its default suffix and filter. The metafile target writes SVG.
struct PictureFileKind {
    const char* suffix;
    const char* filter;
};
PictureFileKind PictureFileKindOf(GraphTarget target);

// The bitmap the JPEG export goes through; it never outlives the export.
constexpr const char* TemporaryBitmapName = "Temporery.bmp";

// The target as the settings file keeps it (0 to 3); anything else reads as the clipboard.
int GraphTargetCode(GraphTarget target);
GraphTarget GraphTargetFromCode(int code);

}  // namespace morvik
