// The sound effects, synthesised: a button click, a switch, three celebrations (a cheering crowd
// with horns, growing from the division title to the championship), a drink being poured and a
// cash register.
#include <math.h>

#include <algorithm>

#include "art_generators.h"

namespace {

const double kArtRate = ART_SOUND_RATE;

// A mono mix in floating point, shaped and then written as 16-bit samples.
struct ART_MIX {
    std::vector<double> aSamples;
    explicit ART_MIX(double dSeconds) : aSamples(static_cast<size_t>(dSeconds * kArtRate), 0.0) {}
    size_t Index(double dTime) const {
        return static_cast<size_t>(dTime * kArtRate);
    }
};

// A brass-like note: harmonics falling off, a quick attack, a slight vibrato and a decay.
void Art_Horn(ART_MIX* pMix, double dStart, double dLength, double dFrequency, double dLevel) {
    size_t nStart = pMix->Index(dStart), nCount = pMix->Index(dLength);
    for (size_t i = 0; i < nCount && nStart + i < pMix->aSamples.size(); i++) {
        double t = i / kArtRate;
        double dEnvelope =
            fmin(1.0, t / 0.025) * fmin(1.0, (dLength - t) / 0.08) * (0.75 + 0.25 * exp(-t * 3));
        double dPhase = 2 * M_PI * dFrequency * t + 0.08 * sin(2 * M_PI * 5.5 * t);
        double v = 0;
        for (int k = 1; k <= 7; k++)
            v += sin(k * dPhase) / pow(k, 1.3);
        pMix->aSamples[nStart + i] += dLevel * dEnvelope * v;
    }
}

// A struck tone: partials that ring out exponentially.
void Art_Bell(ART_MIX* pMix, double dStart, double dFrequency, double dDecay, double dLevel) {
    static const double kPartials[][2] = {{1.0, 1.0}, {2.0, 0.5}, {2.76, 0.35}, {5.4, 0.2}};
    size_t nStart = pMix->Index(dStart);
    for (size_t i = 0; nStart + i < pMix->aSamples.size(); i++) {
        double t = i / kArtRate;
        double v = 0;
        for (const auto& partial : kPartials)
            v += partial[1] * sin(2 * M_PI * dFrequency * partial[0] * t) *
                 exp(-t * dDecay * partial[0]);
        pMix->aSamples[nStart + i] += dLevel * v * fmin(1.0, t / 0.002);
    }
}

// Noise through a resonance at dCentre (hertz), shaped by an envelope of the time.
template <class ENVELOPE>
void Art_Noise(ART_MIX* pMix, double dStart, double dLength, double dCentre, double dSharpness,
               double dLevel, uint32_t nSeed, ENVELOPE envelope) {
    ART_RANDOM random(nSeed);
    double r = dSharpness, y1 = 0, y2 = 0;
    size_t nStart = pMix->Index(dStart), nCount = pMix->Index(dLength);
    for (size_t i = 0; i < nCount && nStart + i < pMix->aSamples.size(); i++) {
        double t = i / kArtRate;
        double dTheta = 2 * M_PI * envelope.Centre(t, dCentre) / kArtRate;
        double x = random.Range(-1, 1);
        double y = x * (1 - r) + 2 * r * cos(dTheta) * y1 - r * r * y2;
        y2 = y1;
        y1 = y;
        pMix->aSamples[nStart + i] += dLevel * envelope.Level(t, dLength) * y;
    }
}

// A crowd: swelling, holding, fading noise with a slow wobble of voices.
struct ART_CROWD_ENVELOPE {
    double Level(double t, double dLength) const {
        return fmin(1.0, t / 0.35) * fmin(1.0, (dLength - t) / 0.6) *
               (0.8 + 0.2 * sin(t * 9.0) * sin(t * 3.1));
    }
    double Centre(double t, double dCentre) const {
        return dCentre * (1 + 0.15 * sin(t * 7.0));
    }
};

// A short burst: a sharp attack and a quick fall.
struct ART_BURST_ENVELOPE {
    double Level(double t, double) const {
        return exp(-t * 90);
    }
    double Centre(double, double dCentre) const {
        return dCentre;
    }
};

// A pour: a steady stream whose pitch rises as the cup fills.
struct ART_POUR_ENVELOPE {
    double Level(double t, double dLength) const {
        return fmin(1.0, t / 0.08) * fmin(1.0, (dLength - t) / 0.25) * (0.85 + 0.15 * sin(t * 31));
    }
    double Centre(double t, double dCentre) const {
        return dCentre * (1 + 0.9 * t);
    }
};

void Art_Crowd(ART_MIX* pMix, double dStart, double dLength, double dLevel, uint32_t nSeed) {
    Art_Noise(pMix, dStart, dLength, 900, 0.93, dLevel, nSeed, ART_CROWD_ENVELOPE());
    Art_Noise(pMix, dStart, dLength, 2200, 0.9, dLevel * 0.6, nSeed + 1, ART_CROWD_ENVELOPE());
}

// Notes of a fanfare: (start, length, frequency) triples.
void Art_Fanfare(ART_MIX* pMix, const double* pNotes, int nNotes, double dLevel) {
    for (int i = 0; i < nNotes; i++)
        Art_Horn(pMix, pNotes[3 * i], pNotes[3 * i + 1], pNotes[3 * i + 2], dLevel);
}

void Art_To_Samples(const ART_MIX& mix, std::vector<int16_t>* pSamples) {
    double dPeak = 1e-9;
    for (double v : mix.aSamples)
        dPeak = fmax(dPeak, fabs(v));
    double dGain = 0.85 * 32767 / dPeak;
    // The last 5 ms fade out, so that a sound cut short ends without a click.
    size_t nCount = mix.aSamples.size(), nFade = std::min(nCount, mix.Index(0.005));
    pSamples->clear();
    for (size_t i = 0; i < nCount; i++) {
        double dFade = i + nFade >= nCount ? static_cast<double>(nCount - i) / (nFade + 1) : 1.0;
        pSamples->push_back(static_cast<int16_t>(lround(mix.aSamples[i] * dGain * dFade)));
    }
}

// A crowd cheering under a fanfare.
void Art_Celebration(double dLength, uint32_t nSeed, const double* pNotes, int nNotes,
                     std::vector<int16_t>* pSamples) {
    ART_MIX mix(dLength);
    Art_Crowd(&mix, 0, dLength, 0.5, nSeed);
    Art_Fanfare(&mix, pNotes, nNotes, 0.32);
    Art_To_Samples(mix, pSamples);
}

// Clicks: (time, tone, snap) triples, each a short struck tone with a burst of noise.
void Art_Clicks(double dLength, const double* pClicks, int nClicks, uint32_t nSeed,
                std::vector<int16_t>* pSamples) {
    ART_MIX mix(dLength);
    for (int i = 0; i < nClicks; i++) {
        const double* p = pClicks + 3 * i;
        Art_Bell(&mix, p[0], p[1], 70, 1.0);
        Art_Noise(&mix, p[0], 0.02, p[2], 0.7, 0.7, nSeed + i, ART_BURST_ENVELOPE());
    }
    Art_To_Samples(mix, pSamples);
}

const double kArtC5 = 523.25, kArtE5 = 659.25, kArtG5 = 783.99, kArtC6 = 1046.5, kArtG4 = 392.0;

}  // namespace

void Art_Make_Sound(const ART_ITEM& item, std::vector<int16_t>* pSamples) {
    switch (item.nParam) {
    case ART_SOUND_BUTTON: {
        const double aClicks[] = {0, 1800, 3000};
        Art_Clicks(0.07, aClicks, 1, 11, pSamples);
        break;
    }
    case ART_SOUND_SWITCH: {
        const double aClicks[] = {0, 1200, 2500, 0.05, 1600, 2500};
        Art_Clicks(0.12, aClicks, 2, 12, pSamples);
        break;
    }
    case ART_SOUND_CELEBRATE_DIVISION: {
        const double aNotes[] = {0.15, 0.2, kArtG4, 0.4, 0.7, kArtC5};
        Art_Celebration(2.0, 21, aNotes, 2, pSamples);
        break;
    }
    case ART_SOUND_CELEBRATE_CONFERENCE: {
        const double aNotes[] = {0.1, 0.18, kArtC5, 0.3, 0.18, kArtE5,
                                 0.5, 0.18, kArtG5, 0.7, 0.9,  kArtC6};
        Art_Celebration(2.4, 22, aNotes, 4, pSamples);
        break;
    }
    case ART_SOUND_CELEBRATE_CHAMPION: {
        // The last note is played an octave lower as well.
        const double aNotes[] = {0.1,    0.16,   kArtG4, 0.28,   0.16,   kArtC5, 0.46,   0.16,
                                 kArtE5, 0.64,   0.4,    kArtG5, 1.1,    0.16,   kArtE5, 1.28,
                                 0.16,   kArtG5, 1.46,   1.2,    kArtC6, 1.46,   1.2,    kArtC5};
        Art_Celebration(3.2, 23, aNotes, 8, pSamples);
        break;
    }
    case ART_SOUND_POUR: {
        ART_MIX mix(1.4);
        Art_Noise(&mix, 0, 1.4, 700, 0.97, 0.6, 31, ART_POUR_ENVELOPE());
        ART_RANDOM random(32);
        for (int i = 0; i < 18; i++)
            Art_Bell(&mix, random.Range(0.05, 1.25), random.Range(500, 1100), 120, 0.08);
        Art_To_Samples(mix, pSamples);
        break;
    }
    default: {  // cash: the drawer's rattle, then the bell
        ART_MIX mix(1.2);
        for (int i = 0; i < 4; i++)
            Art_Noise(&mix, i * 0.045, 0.04, 1800 + i * 300, 0.8, 0.7, 41 + i,
                      ART_BURST_ENVELOPE());
        Art_Bell(&mix, 0.2, 2093, 4, 0.8);
        Art_Bell(&mix, 0.2, 2637, 5, 0.4);
        Art_To_Samples(mix, pSamples);
        break;
    }
    }
}
