#include "petgen/WavSynth.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdint>

namespace tundle {

namespace {

// A fixed linear congruential generator: the same noise on every run.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 24) * 2 - 1;
    }

private:
    std::uint32_t state_;
};

std::vector<double> silence(double seconds) {
    return std::vector<double>(static_cast<std::size_t>(seconds * WavSynth::sampleRate), 0.0);
}

// Adds a sine sweeping from `from` to `to` Hz, starting at `start` seconds, with a quick attack
// and an exponential decay.
void addSweep(std::vector<double>& out, double start, double seconds, double from, double to,
              double level) {
    double phase = 0;
    const auto first = static_cast<std::size_t>(start * WavSynth::sampleRate);
    const auto length = static_cast<std::size_t>(seconds * WavSynth::sampleRate);
    for (std::size_t i = 0; i < length && first + i < out.size(); ++i) {
        const double t = double(i) / double(length);
        phase += 2 * M_PI * (from + (to - from) * t) / WavSynth::sampleRate;
        const double envelope = std::min(1.0, t * 40) * std::exp(-4 * t);
        out[first + i] += level * envelope * std::sin(phase);
    }
}

// Adds low-passed noise; `smooth` near 1 gives a duller sound.
void addNoise(std::vector<double>& out, double start, double seconds, double smooth, double level,
              std::uint32_t seed) {
    Noise noise(seed);
    double filtered = 0;
    const auto first = static_cast<std::size_t>(start * WavSynth::sampleRate);
    const auto length = static_cast<std::size_t>(seconds * WavSynth::sampleRate);
    for (std::size_t i = 0; i < length && first + i < out.size(); ++i) {
        const double t = double(i) / double(length);
        filtered = smooth * filtered + (1 - smooth) * noise.next();
        const double envelope = std::min(1.0, t * 30) * std::exp(-5 * t);
        out[first + i] += level * envelope * filtered;
    }
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

}  // namespace

std::vector<double> WavSynth::hop() {
    std::vector<double> out = silence(0.3);
    addSweep(out, 0, 0.28, 280, 900, 0.5);
    return out;
}

std::vector<double> WavSynth::gulps() {
    std::vector<double> out = silence(1.2);
    for (int i = 0; i < 3; ++i) {
        addSweep(out, 0.1 + i * 0.35, 0.16, 220, 120, 0.55);
    }
    return out;
}

std::vector<double> WavSynth::munch() {
    std::vector<double> out = silence(0.9);
    for (int i = 0; i < 4; ++i) {
        addNoise(out, 0.05 + i * 0.2, 0.09, 0.55, 0.7, 11u + i);
    }
    return out;
}

std::vector<double> WavSynth::puff() {
    std::vector<double> out = silence(0.6);
    addNoise(out, 0, 0.55, 0.85, 1.6, 7u);
    addSweep(out, 0, 0.25, 160, 60, 0.4);
    return out;
}

std::vector<double> WavSynth::trickle() {
    std::vector<double> out = silence(1.2);
    for (int i = 0; i < 8; ++i) {
        addSweep(out, 0.05 + i * 0.14, 0.07, 1400 + 180 * (i % 3), 2200 + 150 * (i % 2), 0.18);
    }
    addNoise(out, 0, 1.2, 0.6, 0.12, 3u);
    return out;
}

std::vector<double> WavSynth::pop() {
    std::vector<double> out = silence(0.15);
    addSweep(out, 0, 0.12, 700, 220, 0.7);
    return out;
}

std::vector<double> WavSynth::purr() {
    std::vector<double> out = silence(1.4);
    Noise noise(5u);
    double filtered = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / sampleRate;
        filtered = 0.97 * filtered + 0.03 * noise.next();
        const double pulse = 0.5 + 0.5 * std::sin(2 * M_PI * 24 * t);
        const double envelope = std::min(1.0, t * 6) * std::min(1.0, (1.4 - t) * 6);
        out[i] = envelope * (0.5 * pulse * std::sin(2 * M_PI * 55 * t) + 2.5 * pulse * filtered);
    }
    return out;
}

void WavSynth::write(const QString& path, const std::vector<double>& samples) {
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray bytes("RIFF");
    appendLittleEndian(bytes, 36 + dataBytes, 4);
    bytes.append("WAVEfmt ");
    appendLittleEndian(bytes, 16, 4);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, sampleRate, 4);
    appendLittleEndian(bytes, sampleRate * 2, 4);
    appendLittleEndian(bytes, 2, 2);
    appendLittleEndian(bytes, 16, 2);
    bytes.append("data");
    appendLittleEndian(bytes, dataBytes, 4);
    for (const double sample : samples) {
        const auto value = static_cast<qint16>(std::lround(std::clamp(sample, -1.0, 1.0) * 32000));
        appendLittleEndian(bytes, static_cast<quint16>(value), 2);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error(("cannot write " + path).toStdString());
    }
}

}  // namespace tundle
