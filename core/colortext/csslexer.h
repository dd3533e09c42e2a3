#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// CSS text cut into tokens, as far as colour values and the declarations and rules that hold
// them need it. The CSS colour reader, the reader of pasted text and the import of style sheets
// all walk their text with it.
namespace tessuvo {

struct CssToken
{
    enum class Kind
    {
        End,        // past the last character
        Whitespace, // white space and comments, any run of them
        Ident,      // "navy", "--bg", "background-color": text is the name, escapes as written
        Function,   // "rgb(": text is the name, the "(" is taken
        AtKeyword,  // "@media": text is "media"
        Hash,       // "#1e3a5f": text is what follows the "#"
        String,     // text is what stands between the quotes, escapes as written
        Url,        // "url(bg.png)" with an unquoted address: text is the address
        Number,     // "12", "-0.5", "1e3"
        Percentage, // "50%": number is 50
        Dimension,  // "30deg": number is 30, text is the unit
        Delim,      // any other character: ":", ";", ",", "{", "}", "(", ")", "/", "!", "=", "<"
    };

    Kind kind = Kind::End;
    std::string_view text;
    // The value of a number, a percentage or a dimension. One too large for a double is the
    // largest double of its sign, one too small 0.
    double number = 0;
    // The token as written, from its first character to its last.
    std::string_view source;

    bool IsDelim(char c) const { return kind == Kind::Delim && source.front() == c; }
};

class CssLexer
{
public:
    enum class Dialect
    {
        Css,    // comments "/* */"
        Scss,   // also "//" up to the end of the line
        Markup, // CSS among HTML tags, as a pasted snippet has it: quotes are plain delimiters,
                // for the declarations inside a quoted style attribute
    };

    explicit CssLexer(std::string_view text, Dialect dialect = Dialect::Css);

    CssToken Next();
    // The next token that is not white space.
    CssToken NextNonSpace();
    // The next component value: a token, or a function or a bracketed block through its
    // closing bracket, white space before it skipped.
    CssToken NextComponent();
    // `first` with the rest of its block: when it opens a function, "(", "[" or "{", reads on
    // through the bracket that closes it (or to the end) and widens its source over all of it.
    CssToken CompleteBlock(CssToken first);

    bool AtEnd() const { return m_pos >= m_text.size(); }
    // Byte offsets into the text, for readers that look at the text itself between tokens.
    std::size_t Position() const { return m_pos; }
    void Rewind(std::size_t position) { m_pos = position; }
    std::string_view Text() const { return m_text; }

private:
    char Peek(std::size_t ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
    }
    bool StartsName(std::size_t ahead) const;
    bool StartsEscape(std::size_t ahead) const;
    bool StartsNumber() const;
    bool SkipComment();
    std::string_view ReadName();
    CssToken ReadNumeric(std::size_t start);
    CssToken ReadString(std::size_t start);
    CssToken ReadUrl(std::size_t start);
    CssToken Make(CssToken::Kind kind, std::size_t start, std::string_view text = {}) const;

    std::string_view m_text;
    Dialect m_dialect;
    std::size_t m_pos = 0;
};

// What a name or a string as written stands for: each escape ("\\ ", "\\31 ", "\\\"") read as
// the character it stands for, an escaped line break as nothing.
std::string CssUnescape(std::string_view written);

} // namespace tessuvo
