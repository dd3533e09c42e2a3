#include "platform/dialogfont.h"
#include "platform/qttranslation.h"
#include "support/dialogtest.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test does reaches the user's own files.
    const std::filesystem::path& scratch = tessuvo::test::ScratchFolder();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((scratch / "config").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((scratch / "data").string()));
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString((scratch / "state").string()));
    QApplication app(argc, argv);
    tessuvo::InstallFontSubstitutions();
    tessuvo::InstallQtTranslation();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
