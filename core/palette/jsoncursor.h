#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessuvo {

// Deeper nesting fails the cursor, so that a hostile file cannot exhaust the stack.
inline constexpr int MaxJsonDepth = 64;

// Reads a JSON text value by value in document order without building a tree, so that memory
// stays small whatever the file holds: a reader asks for what it expects and skips the rest.
// A syntax error fails the cursor for good; every call after that answers nothing.
class JsonCursor
{
public:
    enum class Kind
    {
        Object,
        Array,
        String,
        Number,
        Literal, // true, false, null
        None,    // the end, or a failure
    };

    explicit JsonCursor(std::string_view text) : m_text(text) {}

    // What the next value is, without reading it.
    Kind Peek();

    // Steps into the object or array at the cursor; false when it is not one.
    bool EnterObject();
    bool EnterArray();
    // The key of the entered object's next member, the cursor then at its value; nothing after
    // the last member, the object then left.
    std::optional<std::string> NextKey();
    // True when the entered array has another item, the cursor then at it; false after the last,
    // the array then left.
    bool NextItem();

    // The string or number at the cursor, read; nothing, and nothing read, for another kind.
    std::optional<std::string> String();
    std::optional<double> Number();
    // Passes over the value at the cursor, whatever its kind.
    void Skip();

    // After the one top-level value: whether the text was well-formed JSON to its end.
    bool Finished();
    bool Failed() const { return m_failed; }

private:
    char At(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }
    void SkipSpace();
    bool Fail();
    bool Enter(char open);
    bool NextMember(char close);
    bool Expect(std::string_view word);

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_failed = false;
    // For each container entered: whether its first member is still to come.
    std::vector<bool> m_first;
};

} // namespace tessuvo
