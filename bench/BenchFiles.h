#pragma once
#include <string>

namespace morvik::bench {

// A Discrete histogram file of 1024 intervals (the most a histogram holds) with uneven frequencies.
inline std::string FullFileText()
{
    std::string text =
        "[Description]\r\nIdentification=full.dis\r\nType=Discrete\r\nForm=Frequency\r\n\r\n"
        "[Parameters]\r\nMin=-512\r\nMax=512\r\nBins=1024\r\n";
    std::string bins;
    long long total = 0;
    for (int i = 0; i < 1024; ++i) {
        const long long f = 1000 + (i * 7919) % 50000;
        total += f;
        bins += std::to_string(f) + "\r\n";
    }
    return text + "Total=" + std::to_string(total) + "\r\n\r\n[Bins]\r\n" + bins;
}

}  // namespace morvik::bench
