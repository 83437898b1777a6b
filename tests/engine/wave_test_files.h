// Test support: writes RIFF WAVE files, whole or broken on purpose, into a temporary folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace wavetest {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes* out, uint32_t v)
{
    out->push_back(static_cast<uint8_t>(v));
    out->push_back(static_cast<uint8_t>(v >> 8));
}

inline void Put32(Bytes* out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

inline void PutId(Bytes* out, const char* id)
{
    for (int i = 0; i < 4; ++i)
        out->push_back(static_cast<uint8_t>(id[i]));
}

struct WaveSpec {
    uint16_t formatTag = 1;
    uint16_t channels = 1;
    uint32_t rate = 8000;
    uint16_t bits = 8;
    Bytes formatExtra;  // non-PCM: written after the extra-size word
    Bytes data;
    uint32_t claimedDataSize = 0;  // 0: the real size
    bool withData = true;
    const char* form = "WAVE";
};

inline Bytes MakeWave(const WaveSpec& spec)
{
    Bytes fmt;
    uint16_t align = static_cast<uint16_t>(spec.channels * spec.bits / 8);
    Put16(&fmt, spec.formatTag);
    Put16(&fmt, spec.channels);
    Put32(&fmt, spec.rate);
    Put32(&fmt, spec.rate * align);
    Put16(&fmt, align);
    Put16(&fmt, spec.bits);
    if (spec.formatTag != 1) {
        Put16(&fmt, static_cast<uint32_t>(spec.formatExtra.size()));
        fmt.insert(fmt.end(), spec.formatExtra.begin(), spec.formatExtra.end());
    }
    Bytes body;
    PutId(&body, spec.form);
    PutId(&body, "fmt ");
    Put32(&body, static_cast<uint32_t>(fmt.size()));
    body.insert(body.end(), fmt.begin(), fmt.end());
    if (fmt.size() % 2)
        body.push_back(0);
    uint32_t claimed = spec.claimedDataSize ? spec.claimedDataSize : static_cast<uint32_t>(spec.data.size());
    if (spec.withData) {
        PutId(&body, "data");
        Put32(&body, claimed);
        body.insert(body.end(), spec.data.begin(), spec.data.end());
    }
    Bytes file;
    PutId(&file, "RIFF");
    // The RIFF size follows the data chunk's claim, as a writer cut off mid-file leaves it.
    Put32(&file, static_cast<uint32_t>(body.size() + claimed - spec.data.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// A folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        static int counter = 0;
        mPath = std::filesystem::temp_directory_path() /
                ("varnok_wave_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(mPath);
    }
    ~TempFolder() { std::filesystem::remove_all(mPath); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }

    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        std::filesystem::path file = mPath / name;
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

private:
    std::filesystem::path mPath;
};

}  // namespace wavetest
