#include "designtokens.h"

#include "core/color/hex.h"
#include "core/colortext/csscolor.h"
#include "jsoncursor.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_map>

namespace tessuvo {

namespace {

constexpr Color White{255, 255, 255};
// An alias of an alias of ... stops here, so that a loop of them ends.
constexpr int MaxAliasSteps = 16;

// Colour spaces that CSS writes as a function of their own; the others go into color().
constexpr std::string_view FunctionSpaces[] = {"hsl", "hwb", "lab", "lch", "oklab", "oklch"};

struct Token
{
    std::string name;
    std::optional<Color> color;
    std::string alias; // the path it refers to, for an alias
};

std::string NumberText(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

class TokenReader
{
public:
    explicit TokenReader(std::string_view text) : m_in(text) {}

    PaletteRead Read()
    {
        if (!m_in.EnterObject())
            return {{}, PaletteProblem::Unreadable};
        Object({}, {});
        if (!m_in.Finished())
            return {{}, PaletteProblem::Unreadable};
        std::unordered_map<std::string_view, const Token*> byName;
        for (const Token& token : m_tokens)
            byName.emplace(token.name, &token);
        PaletteBuilder palette;
        for (const Token& token : m_tokens) {
            const Token* at = &token;
            for (int step = 0; at && !at->color && step < MaxAliasSteps; ++step) {
                const auto found = byName.find(at->alias);
                at = found == byName.end() ? nullptr : found->second;
            }
            if (at && at->color && !palette.Add(*at->color, token.name))
                break;
        }
        return std::move(palette).Finish();
    }

private:
    // The value at the cursor, read when it is of the kind asked for, else passed over.
    std::optional<std::string> TakeString()
    {
        auto text = m_in.String();
        if (!text)
            m_in.Skip();
        return text;
    }

    // The members of the object entered last, named under `path`: a token when one of them is
    // "$value", and a group of others. What its members give as a colour value object
    // ("colorSpace", "components", "alpha", "hex") is returned, for the token that holds it. A
    // member of another kind than these keys expect is a token or group of that name.
    std::optional<Color> Object(const std::string& path, const std::string& inheritedType)
    {
        Token token{path, std::nullopt, {}};
        std::string type, space, hex, components, alpha = "1";
        bool isToken = false;
        while (const auto key = m_in.NextKey()) {
            const JsonCursor::Kind kind = m_in.Peek();
            const bool text = kind == JsonCursor::Kind::String;
            // A string or number that turns out malformed fails the cursor, and the reading.
            if (*key == "$type" && text) {
                type = m_in.String().value_or(std::string());
            } else if (*key == "$value" && text) {
                isToken = true;
                Value(token, m_in.String().value_or(std::string()));
            } else if (*key == "colorSpace" && text) {
                space = m_in.String().value_or(std::string());
            } else if (*key == "hex" && text) {
                hex = m_in.String().value_or(std::string());
            } else if (*key == "alpha" && kind == JsonCursor::Kind::Number) {
                alpha = NumberText(m_in.Number().value_or(1));
            } else if (*key == "components" && m_in.EnterArray()) {
                while (m_in.NextItem()) {
                    const auto number = m_in.Number();
                    components += ' ' + (number ? NumberText(*number) : TakeString().value_or("?"));
                }
            } else if (m_in.EnterObject()) {
                const auto value = Object(path.empty() ? *key : path + '.' + *key,
                                          type.empty() ? inheritedType : type);
                if (*key == "$value" && value) {
                    isToken = true;
                    token.color = value;
                }
            } else {
                m_in.Skip();
            }
        }
        const std::string& effective = type.empty() ? inheritedType : type;
        if (isToken && (effective.empty() || effective == "color") &&
            m_tokens.size() <= MaxPaletteColors)
            m_tokens.push_back(std::move(token));
        return ComponentsColor(space, hex, components, alpha);
    }

    static void Value(Token& token, const std::string& text)
    {
        if (text.size() > 2 && text.front() == '{' && text.back() == '}')
            token.alias = text.substr(1, text.size() - 2);
        else
            token.color = ReadCssColor(text, White);
    }

    // The hex value when given, else the components read as the CSS colour they stand for.
    static std::optional<Color> ComponentsColor(const std::string& space, const std::string& hex,
                                                const std::string& components,
                                                const std::string& alpha)
    {
        if (!hex.empty())
            return ReadCssColor(hex, White);
        if (space.empty() || components.empty())
            return std::nullopt;
        const bool ownFunction = std::find(std::begin(FunctionSpaces), std::end(FunctionSpaces),
                                           space) != std::end(FunctionSpaces);
        const std::string css = ownFunction ? space + '(' + components + " / " + alpha + ')'
                                            : "color(" + space + components + " / " + alpha + ')';
        return ReadCssColor(css, White);
    }

    JsonCursor m_in;
    std::vector<Token> m_tokens;
};

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

PaletteRead ReadDesignTokens(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return TokenReader(text).Read();
}

std::string WriteDesignTokens(const Palette& palette)
{
    std::string out = "{";
    const char* separator = "\n";
    for (const PaletteColor& entry : palette.colors) {
        out += separator;
        out += "  ";
        AppendJsonString(out, entry.name);
        out += ": {\n    \"$type\": \"color\",\n    \"$value\": \"" + CssColor(entry.color) +
               "\"\n  }";
        separator = ",\n";
    }
    out += "\n}\n";
    return out;
}

} // namespace tessuvo
