#include "components/ztCalculatorArt.h"

#include <array>
#include <string_view>

#include "util/PictureOps.h"

namespace {

// One character a pixel: '.' the key colour, letters the colours of Ink.
using Art = std::array<std::string_view, kCalcPictureSize>;

consteval bool Square(const Art& art) {
    for (std::string_view row : art) {
        if (row.size() != kCalcPictureSize) return false;
    }
    return true;
}

Colour Ink(char c) {
    switch (c) {
        case 'g':
            return MakeColour(0, 128, 0);  // check mark
        case 'G':
            return MakeColour(96, 200, 96);
        case 'r':
            return MakeColour(192, 0, 0);  // cross
        case 'R':
            return MakeColour(240, 96, 96);
        case 'm':
            return MakeColour(128, 0, 0);  // maroon, as the caption of C
        case 'p':
            return MakeColour(128, 0, 128);  // purple, as the operators
        case 'n':
            return MakeColour(0, 0, 128);  // navy, as the functions
        case 'k':
            return MakeColour(0, 0, 0);
        case 'w':
            return MakeColour(255, 255, 255);
        case 's':
            return MakeColour(128, 128, 128);
        case 'b':
            return MakeColour(150, 100, 40);  // clipboard board
        case 'y':
            return MakeColour(220, 200, 120);
        default:
            return kCalcPictureKey;
    }
}

constexpr Art kOk{"................",  //
                  "................",  //
                  "..............g.",  //
                  ".............gg.",  //
                  "............gGg.",  //
                  "...........gGg..",  //
                  "..g.......gGg...",  //
                  ".ggg.....gGg....",  //
                  ".gGgg...gGg.....",  //
                  "..gGgg.gGg......",  //
                  "...gGggGg.......",  //
                  "....gGGg........",  //
                  ".....gg.........",  //
                  "......g.........",  //
                  "................",  //
                  "................"};

constexpr Art kCancel{"................",  //
                      "................",  //
                      "..rr.......rr...",  //
                      "..rRr.....rRr...",  //
                      "...rRr...rRr....",  //
                      "....rRr.rRr.....",  //
                      ".....rRrRr......",  //
                      "......rRr.......",  //
                      ".....rRrRr......",  //
                      "....rRr.rRr.....",  //
                      "...rRr...rRr....",  //
                      "..rRr.....rRr...",  //
                      "..rr.......rr...",  //
                      "................",  //
                      "................",  //
                      "................"};

constexpr Art kBack{"................",  //
                    "................",  //
                    "................",  //
                    "................",  //
                    "......m.........",  //
                    ".....mm.........",  //
                    "....mmm.........",  //
                    "...mmmmmmmmmmm..",  //
                    "..mmmmmmmmmmmm..",  //
                    "...mmmmmmmmmmm..",  //
                    "....mmm.........",  //
                    ".....mm.........",  //
                    "......m.........",  //
                    "................",  //
                    "................",  //
                    "................"};

constexpr Art kSqrt{"................",  //
                    "................",  //
                    "......nnnnnnnnn.",  //
                    "......n.........",  //
                    "......n.........",  //
                    ".....n..........",  //
                    ".....n..........",  //
                    ".....n..........",  //
                    "nn..n...........",  //
                    "..n.n...........",  //
                    "..n.n...........",  //
                    "...n............",  //
                    "...n............",  //
                    "................",  //
                    "................",  //
                    "................"};

constexpr Art kMul{"................",  //
                   "................",  //
                   "................",  //
                   "...pp......pp...",  //
                   "....pp....pp....",  //
                   ".....pp..pp.....",  //
                   "......pppp......",  //
                   ".......pp.......",  //
                   "......pppp......",  //
                   ".....pp..pp.....",  //
                   "....pp....pp....",  //
                   "...pp......pp...",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................"};

constexpr Art kSub{"................",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "...pppppppppp...",  //
                   "...pppppppppp...",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................",  //
                   "................"};

constexpr Art kAdd{"................",  //
                   "................",  //
                   "................",  //
                   ".......pp.......",  //
                   ".......pp.......",  //
                   ".......pp.......",  //
                   ".......pp.......",  //
                   "...pppppppppp...",  //
                   "...pppppppppp...",  //
                   ".......pp.......",  //
                   ".......pp.......",  //
                   ".......pp.......",  //
                   ".......pp.......",  //
                   "................",  //
                   "................",  //
                   "................"};

constexpr Art kRev{"................",  //
                   "................",  //
                   "...n.......n....",  //
                   "..nn......n.....",  //
                   ".n.n......n.....",  //
                   "...n.....n......",  //
                   "...n.....n......",  //
                   "...n....n.......",  //
                   "...n....n.......",  //
                   "..nnn..n........",  //
                   ".......n..n...n.",  //
                   "......n....n.n..",  //
                   "......n.....n...",  //
                   ".....n.....n.n..",  //
                   ".....n....n...n.",  //
                   "................"};

constexpr Art kPlusMinus{"................",  //
                         "................",  //
                         ".......kk.......",  //
                         ".......kk.......",  //
                         ".......kk.......",  //
                         "...kkkkkkkkkk...",  //
                         "...kkkkkkkkkk...",  //
                         ".......kk.......",  //
                         ".......kk.......",  //
                         ".......kk.......",  //
                         "................",  //
                         "...kkkkkkkkkk...",  //
                         "...kkkkkkkkkk...",  //
                         "................",  //
                         "................",  //
                         "................"};

constexpr Art kCopy{"kkkkkkkk........",  //
                    "kwwwwwwk........",  //
                    "kwsssswk........",  //
                    "kwwwwwwk........",  //
                    "kwssskkkkkkkk...",  //
                    "kwwwwkwwwwwwk...",  //
                    "kwssskwsssswk...",  //
                    "kwwwwkwwwwwwk...",  //
                    "kkkkkkwssssswk..",  //
                    ".....kwwwwwwwk..",  //
                    ".....kwssssswk..",  //
                    ".....kwwwwwwwk..",  //
                    ".....kwssssswk..",  //
                    ".....kwwwwwwwk..",  //
                    ".....kkkkkkkkk..",  //
                    "................"};

constexpr Art kPaste{"......kkkk......",  //
                     ".bbbbkyyyykbbbb.",  //
                     ".bbbkkkkkkkkbbb.",  //
                     ".bbbbbbbbbbbbbb.",  //
                     ".bbbbbbbbbbbbbb.",  //
                     ".bbbbbbkkkkkkkkk",  //
                     ".bbbbbbkwwwwwwwk",  //
                     ".bbbbbbkwssssswk",  //
                     ".bbbbbbkwwwwwwwk",  //
                     ".bbbbbbkwssssswk",  //
                     ".bbbbbbkwwwwwwwk",  //
                     ".bbbbbbkwssssswk",  //
                     ".bbbbbbkwwwwwwwk",  //
                     "..bbbbbkwssssswk",  //
                     ".......kkkkkkkkk",  //
                     "................"};

static_assert(Square(kOk) && Square(kCancel) && Square(kBack) && Square(kSqrt) && Square(kMul) &&
              Square(kSub) && Square(kAdd) && Square(kRev) && Square(kPlusMinus) && Square(kCopy) &&
              Square(kPaste));

const Art& ArtOf(CalcPicture which) {
    switch (which) {
        case CalcPicture::Ok:
            return kOk;
        case CalcPicture::Cancel:
            return kCancel;
        case CalcPicture::Back:
            return kBack;
        case CalcPicture::Sqrt:
            return kSqrt;
        case CalcPicture::Mul:
            return kMul;
        case CalcPicture::Sub:
            return kSub;
        case CalcPicture::Rev:
            return kRev;
        case CalcPicture::PlusMinus:
            return kPlusMinus;
        case CalcPicture::Add:
            return kAdd;
        case CalcPicture::Copy:
            return kCopy;
        case CalcPicture::Paste:
            return kPaste;
    }
    return kOk;
}

}  // namespace

Picture CalcPictureOf(CalcPicture which, double scale) {
    const Art& art = ArtOf(which);
    Picture picture(kCalcPictureSize, kCalcPictureSize, kCalcPictureKey);
    for (int y = 0; y < kCalcPictureSize; ++y) {
        for (int x = 0; x < kCalcPictureSize; ++x) {
            picture.Set(x, y, Ink(art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
        }
    }
    return ScalePixelArt(picture, scale);
}
