#pragma once

#include <QString>
#include <vector>

namespace tundle {

// Short sounds made from sine sweeps and seeded noise, written as 16-bit mono PCM WAV files.
class WavSynth {
public:
    static constexpr int sampleRate = 22050;

    static std::vector<double> hop();
    static std::vector<double> gulps();
    static std::vector<double> munch();
    static std::vector<double> puff();
    static std::vector<double> trickle();
    static std::vector<double> pop();
    static std::vector<double> purr();

    static void write(const QString& path, const std::vector<double>& samples);
};

}  // namespace tundle
