#include "tagtext.h"

#include <cstdio>

namespace tessuvo {

std::string BodyTag(const Color& bg, const Color& fg)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "<BODY bgcolor=\"#%02x%02x%02x\" text=\"#%02x%02x%02x\">",
                  bg.red, bg.green, bg.blue, fg.red, fg.green, fg.blue);
    return buffer;
}

std::string FontTag(const Color& fg, int useFont, std::string_view previewText)
{
    char open[40];
    std::snprintf(open, sizeof open, "<FONT color=\"#%02x%02x%02x\">", fg.red, fg.green, fg.blue);
    std::string tag = open;
    if (useFont == 1)
        tag += previewText;
    tag += "</FONT>";
    return tag;
}

} // namespace tessuvo
