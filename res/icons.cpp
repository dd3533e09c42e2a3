#include "icons.h"

#include "findbyid.h"
#include "resource.h"

namespace tessuvo::res {

namespace {

constexpr const char* Icon128[] = {
    "................................", ".kkkkkkkkkkkkkkkkkkkk...........",
    ".kwwwwwwwwwwwwwwwwwwk...........", ".kwggggggggwwwwwwwwwk...........",
    ".kwwwwwwwwwwwwwwwwwwk...........", ".kwwwwwwwwwwwwwwwwwwk...........",
    ".kwggggggggwwwwwwwwwk...........", ".kwwwwwwwwwwwwwwwwwwk...........",
    ".kwwwwwwwwwwwwwwwwwwk...........", ".kwggggggggwwwwwwwwwk...........",
    ".kwwwwwwwwkkkkkkkkkkkkkkkkkkkkk.", ".kwwwwwwwwkrrrrrrrrrrrroooooook.",
    ".kwgggggggkrrrrrrrrrrrooooooook.", ".kwwwwwwwwkrrrrrrrrrrooooooooyk.",
    ".kwwwwwwwwkrrrrrrrrrooooooooyyk.", ".kwgggggggkrrrrrrrrooooooooyyyk.",
    ".kwwwwwwwwkrrrrrrrooooooooyyyyk.", ".kwwwwwwwwkrrrrrrooooooooyyyyyk.",
    ".kwgggggggkrrrrrooooooooyyyyyyk.", ".kwwwwwwwwkrrrrooooooooyyyyyyGk.",
    ".kkkkkkkkkkrrrooooooooyyyyyyGGk.", "..........krrooooooooyyyyyyGGGk.",
    "..........krooooooooyyyyyyGGGGk.", "..........kooooooooyyyyyyGGGGGk.",
    "..........koooooooyyyyyyGGGGGBk.", "..........kooooooyyyyyyGGGGGBBk.",
    "..........koooooyyyyyyGGGGGBBBk.", "..........kooooyyyyyyGGGGGBBBBk.",
    "..........koooyyyyyyGGGGGBBBBBk.", "..........kooyyyyyyGGGGGBBBBBBk.",
    "..........kkkkkkkkkkkkkkkkkkkkk.", "................................",
};

constexpr const char* Icon129[] = {
    "................", ".kkkkkkkkk......", ".klllllllk......", ".klggggglk......",
    ".kllllkkkkkkkkk.", ".klgggkwwwwwwwk.", ".kllllkwwwwwwwk.", ".kllllkwbbbbbwk.",
    ".kllllkwwwwwwwk.", ".kllllkwbbbbbwk.", ".kllllkwwwwwwwk.", ".kkkkkkwbbbbbwk.",
    "......kwwwwwwwk.", "......kwwwwwwwk.", "......kkkkkkkkk.", "................",
};

constexpr const char* Icon135[] = {
    "kkkkkkkkkkkkkkkk", "krrrrkooookyyyyk", "krrrrkooookyyyyk", "krrrrkooookyyyyk",
    "krrrrkooookyyyyk", "kkkkkkkkkkkkkkkk", "kGGGGkcccckBBBBk", "kGGGGkcccckBBBBk",
    "kGGGGkcccckBBBBk", "kGGGGkcccckBBBBk", "kkkkkkkkkkkkkkkk", "kmmmmkwwwwkKKKKk",
    "kmmmmkwwwwkKKKKk", "kmmmmkwwwwkKKKKk", "kmmmmkwwwwkKKKKk", "kkkkkkkkkkkkkkkk",
};

constexpr const char* Icon136[] = {
    "................", "..........KKKK..", "..........KKKKK.", ".........KKKKKK.",
    "........gKKKKKK.", ".......gggKKKKK.", ".......kgggKK...", "......kccggg....",
    ".....kccckg.....", "....kccck.......", "...kccck........", "..kccck.........",
    "..kkck..........", ".kkkk...........", ".kk.............", "................",
};

constexpr const char* Icon141[] = {
    "................", "kkkkkkkkkkkk....", "krrrrrrrrrrk....", "krrrrrrrrrrk....",
    "krrrrrrrrrrk....", "kyyyyyyyyyyk....", "kyyyyyyyyyyk....", "kyyyyyyyyyyk....",
    "kBBBBBBBBBBk....", "kBBBBBBBBBBkkk..", "kBBBBBBBBBBkGk..", "kkkkkkkkkkkkGkkk",
    ".........kGGGGGk", ".........kkkGkkk", "...........kGk..", "...........kkk..",
};

constexpr const char* Icon143[] = {
    "................", "................", ".........k......", "....bb...kbb....",
    "...bb...k..bb...", "..bb....k...bb..", ".bb.....k....bb.", "bb.....k......bb",
    ".bb....k.....bb.", "..bb...k....bb..", "...bb.k....bb...", "....bbk...bb....",
    "......k.........", "................", "................", "................",
};
constexpr IconImage Icons[] = {
    {IDR_MAINFRAME, 32, Icon128}, {IDI_COPY, 16, Icon129},     {IDI_PALETTE, 16, Icon135},
    {IDI_PICK, 16, Icon136},      {IDI_REGISTER, 16, Icon141}, {IDI_TAG, 16, Icon143},
};

} // namespace

std::uint32_t IconPixelColor(char pixel)
{
    switch (pixel) {
    case 'k':
        return 0xFF202020;
    case 'K':
        return 0xFF484848;
    case 'g':
        return 0xFF909090;
    case 'l':
        return 0xFFD8D8D8;
    case 'w':
        return 0xFFFFFFFF;
    case 'b':
        return 0xFF2050C0;
    case 'B':
        return 0xFF3060D0;
    case 'c':
        return 0xFF40C0E0;
    case 'r':
        return 0xFFE03030;
    case 'o':
        return 0xFFF09020;
    case 'y':
        return 0xFFF0E040;
    case 'G':
        return 0xFF30A040;
    case 'm':
        return 0xFFC040C0;
    default:
        return 0;
    }
}

const IconImage* FindIcon(int id)
{
    return FindById(Icons, id);
}

} // namespace tessuvo::res
