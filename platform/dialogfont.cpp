#include "dialogfont.h"

#include <QFontDatabase>

namespace tessuvo {

namespace {
constexpr const char* SubstituteFace = "IPAPGothic";
}

void InstallFontSubstitutions()
{
    for (const char* face : {DesignFontFace, DesignFontFaceWide}) {
        if (!QFontDatabase::hasFamily(QString::fromUtf8(face)))
            QFont::insertSubstitution(QString::fromUtf8(face), QString::fromLatin1(SubstituteFace));
    }
}

QFont DialogFont()
{
    QFont font(QString::fromUtf8(DesignFontFace));
    font.setPixelSize(12); // 9 points at 96 dots per inch
    return font;
}

QFont CompactDialogFont()
{
    QFont font = DialogFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.8);
    return font;
}

QFont CreateFontA(int height, int weight, const char* face)
{
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(height);
    // The design face has a single weight, which the design's renderer emboldens for any
    // request 200 above it; Qt's fontconfig engine emboldens only from Bold on.
    font.setWeight(weight >= 600 ? QFont::Bold : static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace tessuvo
