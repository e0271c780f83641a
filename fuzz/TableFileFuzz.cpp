// Any bytes given to the combination/summation table reader end in a table or a message, never in a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "combination/TableFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (int rows : {10, 16}) {
        auto read = morvik::ParseTableFile(bytes, rows, "fuzz.kom");
        (void)read;
    }
    return 0;
}
