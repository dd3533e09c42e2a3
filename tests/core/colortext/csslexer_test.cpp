#include "core/colortext/csslexer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tessuvo;

namespace {

using Kind = CssToken::Kind;

// Each token as kind letter and text: "I:navy", "D::", "N:1.5"; white space as "_".
std::string Describe(const CssToken& token)
{
    const char* kinds[] = {"E", "_", "I", "F", "@", "#", "S", "U", "N", "P", "d", "D"};
    std::string out = kinds[static_cast<int>(token.kind)];
    if (token.kind == Kind::Whitespace)
        return out;
    out += ':';
    if (token.kind == Kind::Number || token.kind == Kind::Percentage ||
        token.kind == Kind::Dimension) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", token.number);
        out += buffer;
    }
    out += token.kind == Kind::Delim ? token.source : token.text;
    return out;
}

std::vector<std::string> Tokens(std::string_view text,
                                CssLexer::Dialect dialect = CssLexer::Dialect::Css)
{
    CssLexer lexer(text, dialect);
    std::vector<std::string> tokens;
    for (CssToken token = lexer.Next(); token.kind != Kind::End; token = lexer.Next())
        tokens.push_back(Describe(token));
    return tokens;
}

TEST(CssLexer, Tokens)
{
    using enum CssLexer::Dialect;
    struct Case
    {
        const char* text;
        std::vector<std::string> tokens;
        CssLexer::Dialect dialect = Css;
    };
    const Case cases[] = {
        {"color: #1E3a5f;", {"I:color", "D::", "_", "#:1E3a5f", "D:;"}},
        {"--bg-color:navy", {"I:--bg-color", "D::", "I:navy"}},
        {"rgb(1 2.5e1 -.5%)", {"F:rgb", "N:1", "_", "N:25", "_", "P:-0.5", "D:)"}},
        {"30deg 1e 5- +5 -a --b - 1e400 1e-400",
         {"d:30deg", "_", "d:1e", "_", "N:5", "D:-", "_", "N:5", "_", "I:-a", "_", "I:--b", "_",
          "D:-", "_", "N:1.79769e+308", "_", "N:0"}},
        // Comments are white space; one without its end runs to the end.
        {"a/* x */b /*", {"I:a", "_", "I:b", "_"}},
        {"@media #-x # é", {"@:media", "_", "#:-x", "_", "D:#", "_", "I:é"}},
        {"'a;b' \"c\\\"d\" \"e\nf", {"S:a;b", "_", "S:c\\\"d", "_", "S:e", "_", "I:f"}},
        {"url( bg.png ) URL(\"x\") url(a", {"U:bg.png", "_", "F:URL", "S:x", "D:)", "_", "U:a"}},
        {"a//b", {"I:a", "D:/", "D:/", "I:b"}},
        {"a // b: c;\nd", {"I:a", "_", "I:d"}, Scss},
        {"style=\"c:red\"", {"I:style", "D:=", "D:\"", "I:c", "D::", "I:red", "D:\""}, Markup},
        // Escapes stand in names as written.
        {"--Butter\\ 1: \\31 a2 #\\.x \\\n",
         {"I:--Butter\\ 1", "D::", "_", "I:\\31 a2", "_", "#:\\.x", "_", "D:\\", "_"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tokens(c.text, c.dialect), c.tokens) << c.text;
}

TEST(CssLexer, EscapesUndone)
{
    const struct
    {
        const char* written;
        const char* meant;
    } cases[] = {
        {"Butter\\ 1", "Butter 1"}, {"\\31 a2", "1a2"}, {"\\000041B", "AB"},
        {"\\5e79\\8272", "幹色"},   {"a\\\nb", "ab"},   {"\\0 x", "\xEF\xBF\xBDx"},
        {"\\D800", "\xEF\xBF\xBD"}, {"end\\", "end\\"}, {"\\\"q\\\"", "\"q\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CssUnescape(c.written), c.meant) << c.written;
}

TEST(CssLexer, ComponentValuesTakeWholeBlocks)
{
    CssLexer lexer(" #fff url(a;b.png) linear-gradient(red, rgb(0 0 0)) [x (y] ) {z}] q");
    std::vector<std::string> components;
    for (CssToken token = lexer.NextComponent(); token.kind != Kind::End;
         token = lexer.NextComponent())
        components.emplace_back(token.source);
    EXPECT_EQ(components,
              (std::vector<std::string>{"#fff", "url(a;b.png)", "linear-gradient(red, rgb(0 0 0))",
                                        "[x (y] ) {z}]", "q"}));
    CssLexer open("rgb(1 (2");
    EXPECT_EQ(open.NextComponent().source, "rgb(1 (2");
}

} // namespace
