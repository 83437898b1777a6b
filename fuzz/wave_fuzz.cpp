// Fuzz harness: the WAVE reader on any bytes, read whole as the sound loader reads it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The reader opens files by name, so each input goes through a file of this process.
    static const std::string path = "/tmp/varnok-wave-fuzz-" + std::to_string(getpid()) + ".wav";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    CWaveFile wave;
    if (audio::Failed(wave.Open(path.c_str(), nullptr, kWaveOpenRead)))
        return 0;
    std::vector<uint8_t> buffer(wave.GetSize());
    uint32_t read = 0;
    wave.Rewind();
    wave.Read(buffer.data(), static_cast<uint32_t>(buffer.size()), &read);
    return 0;
}
