// Writes the game's seven sound effects as WAV files: 101 (level up),
// 102 (landing), 103 (gravity step) and 104..107 (one to four rows cleared).
//
//   gen_sounds [output directory]     default: resources/sounds
//
// Every effect is synthesised here from sine partials and a little noise,
// shaped by an attack and a decay, and stored as mono 8-bit unsigned PCM.
// The files are committed; run this again only to change an effect.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double TwoPi = 2.0 * std::numbers::pi;

// How one effect lies on disk. Some carry a "fact" chunk and the longer
// 18-byte "fmt " chunk, so every reader of these files has to walk chunks.
struct EffectLayout {
    int Number;            // resource number, 101..107
    int SampleRate;        // samples per second
    int Samples;           // sample bytes in the "data" chunk
    int FmtSize;           // 16, or 18 with the extension-size field
    bool Fact;             // a "fact" chunk with the sample count precedes "data"
    std::size_t FileSize;  // bytes of the whole file
};

constexpr EffectLayout Layouts[] = {
    {101, 11025, 4096, 16, true, 4152},
    {102, 11025, 1510, 18, false, 1556},
    {103, 22050, 2009, 18, true, 2068},
    {104, 11025, 574, 18, true, 632},
    {105, 11025, 718, 18, false, 764},
    {106, 11025, 862, 18, false, 908},
    {107, 11025, 1006, 18, false, 1052},
};

using Signal = std::vector<double>;

// A fixed generator, so the effects come out the same on every machine.
class Noise {
public:
    double Next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 52) - 1.0;
    }

private:
    std::uint64_t m_state = 0x5eed5eed5eedULL;
};

// Rises from 0 to 1 along a half cosine over `attack` seconds, then decays
// exponentially with time constant `tau`. The soft rise keeps the onset from clicking.
double AttackDecay(double t, double attack, double tau)
{
    if (t < 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return 0.5 - 0.5 * std::cos(Pi * t / attack);
    }
    return std::exp(-(t - attack) / tau);
}

// Adds a tone of harmonic partials (amplitude per partial, the first being
// the fundamental) starting at `onset`. Partials close to half the sample
// rate are left out: they would fold back as harsh aliases.
void AddTone(Signal& out, int rate, double onset, double freq, const std::vector<double>& partials,
             double attack, double tau, double gain)
{
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate - onset;
        const double env = AttackDecay(t, attack, tau);
        if (env == 0.0) {
            continue;
        }
        double v = 0.0;
        for (std::size_t p = 0; p < partials.size(); ++p) {
            const double f = freq * static_cast<double>(p + 1);
            if (f < rate * 0.45) {
                v += partials[p] * std::sin(TwoPi * f * t);
            }
        }
        out[i] += gain * env * v;
    }
}

// Fades the last `seconds` to silence along a half cosine, so the effect ends at rest.
void Release(Signal& s, int rate, double seconds)
{
    const auto n = std::min(s.size(), static_cast<std::size_t>(seconds * rate));
    for (std::size_t k = 0; k < n; ++k) {
        const double x = static_cast<double>(k) / static_cast<double>(n);  // 0 at the very end
        s[s.size() - 1 - k] *= 0.5 - 0.5 * std::cos(Pi * x);
    }
}

// Level up: a rising major arpeggio C5 E5 G5 C6 whose notes ring into each
// other, the top note held longest.
Signal LevelUp(int rate, int samples)
{
    Signal s(samples, 0.0);
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    for (int i = 0; i < 4; ++i) {
        const bool top = i == 3;
        AddTone(s, rate, 0.07 * i, notes[i], {1.0, 0.35, 0.15, 0.05}, 0.004, top ? 0.11 : 0.06, top ? 1.0 : 0.8);
    }
    Release(s, rate, 0.04);
    return s;
}

// Landing: a low body whose pitch falls from about 220 Hz to 70 Hz, with a
// short muffled noise burst for the impact.
Signal Landing(int rate, int samples)
{
    Signal s(samples, 0.0);
    Noise noise;
    double phase = 0.0;
    double muffled = 0.0;
    const double smoothing = 1.0 - std::exp(-TwoPi * 500.0 / rate);  // one-pole low-pass near 500 Hz
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double freq = 70.0 + 150.0 * std::exp(-t / 0.03);
        phase += TwoPi * freq / rate;
        muffled += smoothing * (noise.Next() - muffled);
        // The second harmonic lets small speakers, which hardly move below
        // 150 Hz, still carry the body of the thud.
        const double body = std::sin(phase) + 0.3 * std::sin(2.0 * phase);
        s[i] = AttackDecay(t, 0.002, 0.035) * body + 0.9 * AttackDecay(t, 0.001, 0.008) * muffled;
    }
    Release(s, rate, 0.015);
    return s;
}

// Gravity step: a light, short tick, a bright ping with a breath of hiss,
// gone well before the next step.
Signal Step(int rate, int samples)
{
    Signal s(samples, 0.0);
    AddTone(s, rate, 0.0, 2600.0, {1.0, 0.3}, 0.0006, 0.006, 1.0);
    AddTone(s, rate, 0.0, 900.0, {1.0}, 0.0008, 0.010, 0.35);
    Noise noise;
    double previous = 0.0;
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double white = noise.Next();
        s[i] += 0.25 * AttackDecay(t, 0.0005, 0.003) * (white - previous);  // high-passed
        previous = white;
    }
    Release(s, rate, 0.01);
    return s;
}

// Rows cleared: a chime of quick strikes up the A major chord, one strike
// per row, each set starting higher than the last. One row is a single A5;
// four rows run A6 C#7 E7 A7, so more rows sound brighter as well as longer.
Signal Chime(int rows, int rate, int samples)
{
    Signal s(samples, 0.0);
    const double length = static_cast<double>(samples) / rate;
    const double chord[] = {880.00, 1108.73, 1318.51, 1760.00, 2217.46, 2637.02, 3520.00};
    for (int j = 0; j < rows; ++j) {
        AddTone(s, rate, 0.016 * j, chord[rows - 1 + j], {1.0, 0.4, 0.15}, 0.002, length * 0.4, 1.0);
    }
    Release(s, rate, 0.008);
    return s;
}

// Scales the effect to the given peak (of 127) and stores it as 8-bit
// unsigned samples around the resting value 128.
std::vector<std::uint8_t> Quantise(const Signal& s, double peak)
{
    double max = 0.0;
    for (const double v : s) {
        max = std::max(max, std::abs(v));
    }
    const double scale = max > 0.0 ? peak / max : 0.0;
    std::vector<std::uint8_t> out(s.size());
    std::transform(s.begin(), s.end(), out.begin(), [scale](double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(128.0 + v * scale), 0L, 255L));
    });
    return out;
}

class Writer {
public:
    void Id(const char* id) { bytes.insert(bytes.end(), id, id + 4); }
    void U16(unsigned v) { Le(v, 2); }
    void U32(std::uint32_t v) { Le(v, 4); }

    std::vector<std::uint8_t> bytes;

private:
    void Le(std::uint32_t v, int n)
    {
        for (int i = 0; i < n; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        }
    }
};

std::vector<std::uint8_t> WaveFile(const EffectLayout& layout, const std::vector<std::uint8_t>& samples)
{
    Writer w;
    w.Id("RIFF");
    w.U32(0);  // patched below
    w.Id("WAVE");
    w.Id("fmt ");
    w.U32(static_cast<std::uint32_t>(layout.FmtSize));
    w.U16(1);  // PCM
    w.U16(1);  // mono
    w.U32(static_cast<std::uint32_t>(layout.SampleRate));
    w.U32(static_cast<std::uint32_t>(layout.SampleRate));  // bytes per second: one byte per sample
    w.U16(1);  // block align
    w.U16(8);  // bits per sample
    if (layout.FmtSize == 18) {
        w.U16(0);  // no extension bytes follow
    }
    if (layout.Fact) {
        w.Id("fact");
        w.U32(4);
        w.U32(static_cast<std::uint32_t>(samples.size()));
    }
    w.Id("data");
    w.U32(static_cast<std::uint32_t>(samples.size()));
    w.bytes.insert(w.bytes.end(), samples.begin(), samples.end());
    if (samples.size() % 2 != 0) {
        w.bytes.push_back(0);  // chunks start on even offsets
    }
    const auto riff = static_cast<std::uint32_t>(w.bytes.size() - 8);
    for (int i = 0; i < 4; ++i) {
        w.bytes[4 + i] = static_cast<std::uint8_t>(riff >> (8 * i));
    }
    return w.bytes;
}

std::vector<std::uint8_t> Render(const EffectLayout& e)
{
    switch (e.Number) {
    case 101:
        return Quantise(LevelUp(e.SampleRate, e.Samples), 100.0);
    case 102:
        return Quantise(Landing(e.SampleRate, e.Samples), 80.0);
    case 103:
        return Quantise(Step(e.SampleRate, e.Samples), 45.0);
    default:
        return Quantise(Chime(e.Number - 103, e.SampleRate, e.Samples), 90.0);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path dir = argc > 1 ? argv[1] : "resources/sounds";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const EffectLayout& e : Layouts) {
        const auto file = WaveFile(e, Render(e));
        if (file.size() != e.FileSize) {
            std::fprintf(stderr, "gen_sounds: %d.wav came out %zu bytes instead of %zu\n", e.Number, file.size(),
                         e.FileSize);
            return 1;
        }
        const auto path = dir / (std::to_string(e.Number) + ".wav");
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
        if (!out) {
            std::fprintf(stderr, "gen_sounds: cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
