// Encoding 16-bit PCM samples as a WAV file: the canonical 44-byte header, then the data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sndgen {

inline void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

// RIFF/WAVE, a 16-byte PCM fmt chunk and the data chunk; samples interleaved by channel.
inline std::string encodeWav(const std::vector<std::int16_t>& samples, std::uint32_t rate,
                             std::uint16_t channels = 1) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);                   // fmt chunk size
    putLittleEndian(out, 1, 2);                    // PCM
    putLittleEndian(out, channels, 2);             //
    putLittleEndian(out, rate, 4);                 // sample rate
    putLittleEndian(out, rate * channels * 2, 4);  // bytes per second
    putLittleEndian(out, channels * 2u, 2);        // bytes per frame
    putLittleEndian(out, 16, 2);                   // bits per sample
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (std::int16_t s : samples)
        putLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace sndgen
