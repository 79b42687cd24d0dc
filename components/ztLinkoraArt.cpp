#include "components/ztLinkoraArt.h"

#include <array>

namespace linkora {

namespace {

Colour PaletteColour(char c) {
    switch (c) {
        case 'k':
            return MakeColour(0, 0, 0);
        case 'K':
            return MakeColour(64, 64, 64);
        case 'g':
            return MakeColour(128, 128, 128);
        case 'G':
            return MakeColour(192, 192, 192);
        case 'w':
            return MakeColour(255, 255, 255);
        case 'y':
            return MakeColour(255, 222, 89);
        case 'Y':
            return MakeColour(196, 144, 16);
        case 'o':
            return MakeColour(240, 150, 30);
        case 'b':
            return MakeColour(20, 100, 210);
        case 'B':
            return MakeColour(120, 180, 245);
        case 'n':
            return MakeColour(0, 40, 120);
        case 'r':
            return MakeColour(215, 35, 35);
        case 'R':
            return MakeColour(130, 0, 0);
        case 'e':
            return MakeColour(50, 170, 70);
        case 'E':
            return MakeColour(0, 100, 30);
        default:
            return kNodeKey;
    }
}

using Art = std::array<const char*, kNodePictureSize>;

Picture FromArt(const Art& rows) {
    Picture p(kNodePictureSize, kNodePictureSize, kNodeKey);
    for (int y = 0; y < kNodePictureSize; ++y) {
        for (int x = 0; x < kNodePictureSize; ++x) p.Set(x, y, PaletteColour(rows[y][x]));
    }
    return p;
}

// Drawn by us, one character a pixel; "." is the transparent key.
constexpr std::array<Art, 16> kNodeArt = {{
    // 0 closed folder
    {"................", "................", "..YYYYY.........", ".YyyyyyY........",
     ".YYYYYYYYYYYYYY.", ".YyyyyyyyyyyyyYk", ".YyyyyyyyyyyyyYk", ".YyyyyyyyyyyyyYk",
     ".YyyyyyyyyyyyyYk", ".YyyyyyyyyyyyyYk", ".YyyyyyyyyyyyyYk", ".YyyyyyyyyyyyyYk",
     ".YYYYYYYYYYYYYYk", "..kkkkkkkkkkkkkk", "................", "................"},
    // 1 open folder
    {"................", "................", "..YYYYY.........", ".YyyyyyY........",
     ".YyyyyyYYYYYYY..", ".YyyyyyyyyyyyY..", ".YyyYYYYYYYYYYYY", ".YyYyyyyyyyyyyYk",
     ".YyYyyyyyyyyyyYk", ".YYyyyyyyyyyyYk.", ".YYyyyyyyyyyyYk.", ".YyyyyyyyyyyYk..",
     ".YYYYYYYYYYYYk..", "..kkkkkkkkkkk...", "................", "................"},
    // 2 globe
    {"................", ".....nnnnnn.....", "...nnBBeeBBnn...", "..nBBeeeeBBBBn..",
     "..nBeeeeBBBeBn..", ".nBBeeeBBBeeeBn.", ".nBBBeeBBBeeeBn.", ".nBBBBeBBeeeBBn.",
     ".nBBBBBBBeeBBBn.", ".nBBBeBBBeBBBBn.", ".nBBeeeBBBBBBBn.", "..nBeeeBBBBBBn..",
     "..nBBeeBBBBBBn..", "...nnBBBBBBnn...", ".....nnnnnn.....", "................"},
    // 3 web page
    {"................", "..kkkkkkkkkkk...", "..kbbbbbbbbbk...", "..kbwbwbbbbbk...",
     "..kwwwwwwwwwk...", "..kwBBBBwwwwk...", "..kwBBBBwggwk...", "..kwBBBBwwwwk...",
     "..kwwwwwwggwk...", "..kwgggggggwk...", "..kwwwwwwwwwk...", "..kwgggggggwk...",
     "..kwwwwwwwwwk...", "..kwggggwwwwk...", "..kkkkkkkkkkk...", "................"},
    // 4 envelope
    {"................", "................", "................", ".kkkkkkkkkkkkkk.",
     ".kwGwwwwwwwwGwk.", ".kwwGwwwwwwGwwk.", ".kwwwGwwwwGwwwk.", ".kwwwwGwwGwwwwk.",
     ".kwwwGwGGwGwwwk.", ".kwwGwwwwwwGwwk.", ".kwGwwwwwwwwGwk.", ".kGwwwwwwwwwwGk.",
     ".kkkkkkkkkkkkkk.", "................", "................", "................"},
    // 5 text document
    {"................", "..kkkkkkkk......", "..kwwwwwwkk.....", "..kwwwwwwkwk....",
     "..kwggggwkkkk...", "..kwwwwwwwwwk...", "..kwgggggggwk...", "..kwwwwwwwwwk...",
     "..kwgggggggwk...", "..kwwwwwwwwwk...", "..kwgggggggwk...", "..kwwwwwwwwwk...",
     "..kwggggwwwwk...", "..kwwwwwwwwwk...", "..kkkkkkkkkkk...", "................"},
    // 6 star
    {"................", ".......kk.......", ".......ky.......", "......kyyk......",
     "......kyyk......", "kkkkkkyyyykkkkkk", ".kyyyyyyyyyyyyk.", "..kyyyyyyyyyyk..",
     "...kyyyyyyyyk...", "....kyyyyyyk....", "....kyyyyyyk....", "...kyyyokyyyk...",
     "...kyyokkoyyk...", "..kyok....koyk..", "..kkk......kkk..", "................"},
    // 7 newspaper
    {"................", "................", ".kkkkkkkkkkkkk..", ".kwwwwwwwwwwwkk.",
     ".kwkkkkkkkkkwkwk", ".kwwwwwwwwwwwkwk", ".kwGGGGwggggwkwk", ".kwGGGGwwwwwwkwk",
     ".kwGGGGwggggwkwk", ".kwwwwwwwwwwwkwk", ".kwggggwggggwkwk", ".kwwwwwwwwwwwkwk",
     ".kwggggwggggwkwk", ".kwwwwwwwwwwwkk.", "..kkkkkkkkkkkk..", "................"},
    // 8 euro coin
    {"................", ".....YYYYYY.....", "...YYyyyyyyYY...", "..YyyyyyyyyyyY..",
     "..YyyyyYYYYyyY..", ".YyyyyYyyyyyyyY.", ".YyyyYyyyyyyyyY.", ".YyYYYYYYYyyyyY.",
     ".YyyyYyyyyyyyyY.", ".YyYYYYYYYyyyyY.", ".YyyyYyyyyyyyyY.", "..YyyyYyyyyyyY..",
     "..YyyyyYYYYyyY..", "...YYyyyyyyYY...", ".....YYYYYY.....", "................"},
    // 9 rising chart
    {"................", "k...........rr..", "k..........rrr..", "k.........rrrr..",
     "k........rr.....", "k.......rr......", "k......rr...bb..", "k.....rr....bb..",
     "k....rr..bb.bb..", "k...rr...bb.bb..", "k..rr.bb.bb.bb..", "k.....bb.bb.bb..",
     "k..bb.bb.bb.bb..", "k..bb.bb.bb.bb..", "kkkkkkkkkkkkkkkk", "................"},
    // 10 download arrow
    {"................", ".....kkkkkk.....", ".....keeeek.....", ".....keeeek.....",
     ".....keeeek.....", ".....keeeek.....", "..kkkkeeeekkkk..", "...keeeeeeeek...",
     "....keeeeeek....", ".....keeeek.....", "......keek......", ".......kk.......",
     "................", ".kkkkkkkkkkkkkk.", ".kGGGGGGGGGGGGk.", ".kkkkkkkkkkkkkk."},
    // 11 information
    {"................", ".....nnnnnn.....", "...nnbbbbbbnn...", "..nbbbbwwbbbbn..",
     "..nbbbbwwbbbbn..", ".nbbbbbbbbbbbbn.", ".nbbbbwwwbbbbbn.", ".nbbbbbwwbbbbbn.",
     ".nbbbbbwwbbbbbn.", ".nbbbbbwwbbbbbn.", ".nbbbbbwwbbbbbn.", "..nbbbwwwwbbbn..",
     "..nbbbbbbbbbbn..", "...nnbbbbbbnn...", ".....nnnnnn.....", "................"},
    // 12 question
    {"................", ".....kkkkkk.....", "....kkkkkkkk....", "...kkk....kkk...",
     "...kkk....kkk...", "..........kkk...", ".........kkk....", "........kkk.....",
     ".......kkk......", ".......kkk......", ".......kkk......", "................",
     ".......kkk......", ".......kkk......", "................", "................"},
    // 13 house
    {"................", ".......kk.......", "......krrk..kk..", ".....krrrrk.kk..",
     "....krrrrrrkkk..", "...krrrrrrrrkk..", "..krrrrrrrrrrk..", ".kRRRRRRRRRRRRk.",
     "..kwwwwwwwwwwk..", "..kwBBwwwkkkwk..", "..kwBBwwwkYkwk..", "..kwwwwwwkYkwk..",
     "..kwwwwwwkYkwk..", "..kwwwwwwkYkwk..", "..kkkkkkkkkkkk..", "................"},
    // 14 chain link
    {"................", "................", ".........gggg...", "........gKKKKg..",
     ".......gKg..gKg.", "......gKg....Kg.", ".....gKg..gKKg..", "....gKKKKgKg....",
     "....gKgKKKKg....", "..gKKg..gKg.....", ".gK....gKg......", ".gKg..gKg.......",
     "..gKKKKg........", "...gggg.........", "................", "................"},
    // 15 calendar
    {"................", "...k.....k......", ".kkkkkkkkkkkkkk.", ".krrrrrrrrrrrrk.",
     ".krrrrrrrrrrrrk.", ".kkkkkkkkkkkkkk.", ".kwwwwwwwwwwwwk.", ".kwgwgwgwgwgwwk.",
     ".kwwwwwwwwwwwwk.", ".kwgwgwgwgwgwwk.", ".kwwwwwwwwwwwwk.", ".kwgwgwgwrrwwwk.",
     ".kwwwwwwwrrwwwk.", ".kwwwwwwwwwwwwk.", ".kkkkkkkkkkkkkk.", "................"},
}};

constexpr Art kRefreshArt = {
    "................", "......eeeee.....", "....eeEEEEEe.e..", "...eEE.....eEe..",
    "..eE.......eEe..", "..eE.....eeeEe..", ".eE.......EEEE..", ".eE.............",
    ".............Ee.", "..EEEE.......Ee.", "..eEeee.....Ee..", "..eEe.......Ee..",
    "..eEe.....EEe...", "..e.eEEEEEee....", ".....eeeee......", "................"};

}  // namespace

Picture NodePicture(int index) {
    if (index < 0 || index >= static_cast<int>(kNodeArt.size())) return {};
    return FromArt(kNodeArt[static_cast<std::size_t>(index)]);
}

Picture RefreshGlyph() {
    return FromArt(kRefreshArt);
}

Picture InfoGlyph() {
    return NodePicture(11);
}

}  // namespace linkora
