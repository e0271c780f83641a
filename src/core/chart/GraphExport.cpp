#include "chart/GraphExport.h"

namespace morvik {

GraphTarget ToggleGraphTarget(GraphTarget current, GraphTarget clicked)
{
    if (clicked != current) return clicked;
    return clicked == GraphTarget::Clipboard ? GraphTarget::Bitmap : GraphTarget::Clipboard;
}

PictureFileKind PictureFileKindOf(GraphTarget target)
{
    switch (target) {
    case GraphTarget::Metafile: return {"svg", "Distributions Files (*.svg)|*.svg|All files (*.*)|*.*"};
    case GraphTarget::Jpeg: return {"jpg", "Distributions Files (*.jpg)|*.jpg|All files (*.*)|*.*"};
    case GraphTarget::Bitmap:
    case GraphTarget::Clipboard: break;
    }
    return {"bmp", "Distributions Files (*.bmp)|*.bmp|All files (*.*)|*.*"};
}

int GraphTargetCode(GraphTarget target) { return static_cast<int>(target); }

GraphTarget GraphTargetFromCode(int code)
{
    return code >= 0 && code <= 3 ? static_cast<GraphTarget>(code) : GraphTarget::Clipboard;
}

}  // namespace morvik
