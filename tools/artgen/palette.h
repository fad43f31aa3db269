// The one palette every picture is painted from, and the fixed-seed random
// source behind every "random" stroke: two runs on the same Qt build give the
// same files.
#pragma once

#include <QColor>
#include <cstdint>

namespace artgen {

// One palette for everything.  Light always comes from the top-left.
namespace pal {
inline const QColor ink(0x1f, 0x14, 0x28);  // outlines everywhere

inline const QColor leafInk(0x10, 0x2e, 0x1a);
inline const QColor leafDark(0x1d, 0x4a, 0x2a);
inline const QColor leafMid(0x35, 0x80, 0x3c);
inline const QColor leafLight(0x62, 0xb4, 0x50);
inline const QColor leafHi(0xae, 0xe6, 0x7c);

inline const QColor blueInk(0x0e, 0x22, 0x47);
inline const QColor blueDark(0x1f, 0x4a, 0x8c);
inline const QColor blueMid(0x3a, 0x74, 0xcc);
inline const QColor blueLight(0x72, 0xaa, 0xec);
inline const QColor bluePale(0xc2, 0xe2, 0xff);
inline const QColor blueWhite(0xee, 0xf8, 0xff);

inline const QColor purpInk(0x12, 0x09, 0x1f);
inline const QColor purpDeep(0x24, 0x15, 0x3a);
inline const QColor purpDark(0x35, 0x20, 0x52);
inline const QColor purpMid(0x4e, 0x32, 0x75);
inline const QColor purpLight(0x76, 0x58, 0xa6);
inline const QColor purpPale(0xa7, 0x8a, 0xd2);

inline const QColor woodInk(0x2b, 0x16, 0x0a);
inline const QColor woodDark(0x5c, 0x35, 0x19);
inline const QColor woodMid(0x8a, 0x55, 0x2a);
inline const QColor woodLight(0xb3, 0x78, 0x3e);
inline const QColor woodHi(0xdb, 0xa4, 0x64);

inline const QColor cream(0xff, 0xf3, 0xd0);
inline const QColor gold(0xf2, 0xc1, 0x4e);
inline const QColor goldDark(0xb0, 0x7d, 0x1e);
inline const QColor titleTop(0xff, 0xfb, 0xe8);     // the big gold titles' face, top ...
inline const QColor titleBottom(0xf6, 0xcf, 0x78);  // ... to bottom
inline const QColor iron(0x9a, 0xa0, 0xb4);
inline const QColor ironDark(0x4a, 0x4c, 0x5e);

inline const QColor skin(0xf8, 0xd2, 0xac);
inline const QColor skinShade(0xdb, 0xa2, 0x7a);
inline const QColor blush(0xf2, 0x96, 0x96);
inline const QColor robe(0xd0, 0x45, 0x3a);
inline const QColor robeShade(0x93, 0x2a, 0x2e);
inline const QColor robeLight(0xee, 0x78, 0x58);
inline const QColor hat(0xb8, 0x36, 0x34);
inline const QColor hatShade(0x7e, 0x22, 0x2a);
inline const QColor hair(0xf3, 0xd2, 0x7a);
inline const QColor hairShade(0xc4, 0x96, 0x40);
inline const QColor tights(0x3b, 0x2b, 0x52);
inline const QColor tightsFar(0x2a, 0x1e, 0x3c);
inline const QColor boot(0x6e, 0x44, 0x26);
inline const QColor bootShade(0x45, 0x28, 0x16);
inline const QColor bootFar(0x4e, 0x30, 0x1b);
inline const QColor staff(0x8a, 0x58, 0x2c);
inline const QColor staffLight(0xbc, 0x84, 0x48);
inline const QColor orb(0x7f, 0xd4, 0xff);
inline const QColor orbDeep(0x3a, 0x8e, 0xe0);
inline const QColor eye(0x2a, 0x1a, 0x2e);
inline const QColor mouth(0x8e, 0x24, 0x30);
inline const QColor tear(0x8c, 0xd2, 0xff);
}  // namespace pal

// SplitMix64 - tiny, fixed-seed, identical on every platform.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int range(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }

private:
    std::uint64_t state_;
};

}  // namespace artgen
