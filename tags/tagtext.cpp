#include "tagtext.h"

#include "core/color/hex.h"

namespace tessuvo {

std::string BodyTag(const Color& bg, const Color& fg)
{
    return "<BODY bgcolor=\"" + CssColor(bg) + "\" text=\"" + CssColor(fg) + "\">";
}

std::string FontTag(const Color& fg, int useFont, std::string_view previewText)
{
    std::string tag = "<FONT color=\"" + CssColor(fg) + "\">";
    if (useFont == 1)
        tag += previewText;
    tag += "</FONT>";
    return tag;
}

} // namespace tessuvo
