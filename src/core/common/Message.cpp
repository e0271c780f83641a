#include "common/Message.h"

namespace morvik {

int TitleNumber(DialogKind kind)
{
    switch (kind) {
    case DialogKind::Confirmation: return 1;
    case DialogKind::Information: return 2;
    case DialogKind::Error: return 3;
    case DialogKind::Warning: return 4;
    }
    return 3;
}

}  // namespace morvik
