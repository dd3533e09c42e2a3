#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessuvo::fuzz {

// Takes the fuzzer's bytes apart into numbers and strings.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size)
    {}

    bool Empty() const { return m_rest.empty(); }

    std::uint32_t Number()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4 && !m_rest.empty(); ++i) {
            value = value << 8 | static_cast<unsigned char>(m_rest.front());
            m_rest.remove_prefix(1);
        }
        return value;
    }

    // Bytes up to the next 0xFF, which is taken off.
    std::string_view Text()
    {
        const auto end = m_rest.find('\xFF');
        const std::string_view text = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        return text;
    }

    std::string_view Rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

} // namespace tessuvo::fuzz
