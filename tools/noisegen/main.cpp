// Writes the sound test's three noise files into a folder: r_noise.wav (right channel only),
// l_noise.wav (left channel only) and b_noise.wav (both): one second of 16-bit stereo white noise at
// 22050 samples a second. The bytes are written field by field, little-endian, on any host.
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr uint32_t kRate = 22050, kFrames = kRate, kChannels = 2, kBytesPerSample = 2;

void Put16(FILE *f, uint32_t v) {
    fputc(static_cast<int>(v & 0xFF), f);
    fputc(static_cast<int>((v >> 8) & 0xFF), f);
}
void Put32(FILE *f, uint32_t v) {
    Put16(f, v & 0xFFFF);
    Put16(f, v >> 16);
}

bool WriteNoise(const std::string &path, bool left, bool right) {
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const uint32_t dataSize = kFrames * kChannels * kBytesPerSample;
    fputs("RIFF", f);
    Put32(f, 36 + dataSize);
    fputs("WAVEfmt ", f);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, kChannels);
    Put32(f, kRate);
    Put32(f, kRate * kChannels * kBytesPerSample);
    Put16(f, kChannels * kBytesPerSample);
    Put16(f, kBytesPerSample * 8);
    fputs("data", f);
    Put32(f, dataSize);
    uint32_t seed = 12345;
    for (uint32_t i = 0; i < kFrames; ++i) {
        seed = seed * 1103515245u + 12345u;
        // A quarter of full scale: loud enough to hear, never clipped.
        uint32_t sample =
            static_cast<uint16_t>(static_cast<int16_t>(static_cast<int32_t>(seed >> 16 & 0x7FFF) / 2 - 8192));
        Put16(f, left ? sample : 0);
        Put16(f, right ? sample : 0);
    }
    return fclose(f) == 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: noisegen FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!WriteNoise(folder + "/r_noise.wav", false, true) ||
        !WriteNoise(folder + "/l_noise.wav", true, false) ||
        !WriteNoise(folder + "/b_noise.wav", true, true)) {
        fprintf(stderr, "noisegen: cannot write the noise files in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
