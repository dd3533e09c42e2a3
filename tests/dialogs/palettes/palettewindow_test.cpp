#include "collections/palettefolder.h"
#include "dialogs/palettes/palettewindow.h"
#include "dialogs/palettes/swatchview.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"
#include "support/palettetest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

namespace fs = std::filesystem;

// The main window with a palette folder of the test's own, which goes with the settings file's.
class PaletteWindowTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        m_data = fs::path(SettingsFile()).parent_path() / "data";
        fs::remove_all(m_data);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(m_data.string()));
    }

    CPaletteWindow& OpenPalettes()
    {
        Command(ID_PALETTES);
        auto* window = m_dlg->findChild<CPaletteWindow*>();
        if (!window)
            throw std::runtime_error("no palette window");
        QApplication::processEvents();
        return *window;
    }
    template <class T> T* In(const CPaletteWindow& window) const { return window.findChild<T*>(); }
    QAbstractButton* Button(const CPaletteWindow& window, const char* text) const
    {
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
            if (button->text() == QString::fromUtf8(text))
                return button;
        throw std::runtime_error(std::string("no button ") + text);
    }
    QString Status(const CPaletteWindow& window) const
    {
        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>())
            texts << label->text();
        return texts.join(QLatin1Char('|'));
    }
    QStringList Shown(const CPaletteWindow& window) const
    {
        QStringList names;
        const SwatchView* swatches = In<SwatchView>(window);
        for (int row = 0; row < swatches->ShownCount(); ++row)
            names << QString::fromStdString(swatches->ColorAt(row)->name);
        return names;
    }

    fs::path m_data;
};

TEST_F(PaletteWindowTest, FindByTypingSetThroughTheBarsWithEnterOrADoubleClick)
{
    Open();
    CPaletteWindow& window = OpenPalettes();
    auto* filter = In<QLineEdit>(window);
    auto* swatches = In<SwatchView>(window);
    EXPECT_EQ(In<QComboBox>(window)->currentText(), QString::fromUtf8("CSSの色名"));
    EXPECT_EQ(window.focusWidget(), filter);
    EXPECT_TRUE(
        Status(window).contains(QString::fromUtf8("背景色 = white　文字色 = black|148 色")));

    QTest::keyClicks(filter, "SteelB");
    EXPECT_EQ(Shown(window), (QStringList{"lightsteelblue", "steelblue"}));
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{0xB0, 0xC4, 0xDE}));
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#B0C4DE");
    EXPECT_TRUE(Status(window).contains(QString::fromUtf8("背景色 = lightsteelblue　")));

    // Into the grid and along it; typing there goes on in the filter.
    QTest::keyClick(filter, Qt::Key_Down);
    QTest::keyClick(swatches, Qt::Key_Right);
    Button(window, "文字色(&F)")->click();
    QTest::keyClick(swatches, Qt::Key_Return);
    EXPECT_EQ(m_dlg->TextColor(), (Color{0x46, 0x82, 0xB4}));
    QTest::keyClick(swatches, Qt::Key_Backspace);
    QTest::keyClicks(swatches, "#0000");
    EXPECT_EQ(filter->text(), "Steel#0000");
    filter->setText("#00008");
    EXPECT_EQ(Shown(window), (QStringList{"darkblue", "navy"}));
    QApplication::processEvents(); // the grid laid out
    const QRect second = swatches->visualRect(swatches->model()->index(1, 0));
    QTest::mouseClick(swatches->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(m_dlg->TextColor(), (Color{0x46, 0x82, 0xB4})) << "a click only selects";
    QTest::mouseDClick(swatches->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(m_dlg->TextColor(), (Color{0, 0, 0x80}));
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{0xB0, 0xC4, 0xDE}));
}

TEST_F(PaletteWindowTest, TheSettingsFileChangesOnlyWithWhatTheUserChanged)
{
    Open();
    m_dlg->close();
    const std::string design = ReadSettings();
    Open();
    OpenPalettes().close();
    m_dlg->close();
    EXPECT_EQ(ReadSettings(), design);

    Open();
    CPaletteWindow& window = OpenPalettes();
    auto* palettes = In<QComboBox>(window);
    palettes->setCurrentIndex(palettes->findText(QString::fromUtf8("登録色")));
    m_dlg->close();
    EXPECT_NE(ReadSettings().find("[PALETTES]\nSHOWN=登録色\n"), std::string::npos);
    EXPECT_EQ(ReadSettings().find("WIDTH"), std::string::npos);

    Open();
    CPaletteWindow& again = OpenPalettes();
    EXPECT_EQ(In<QComboBox>(again)->currentText(), QString::fromUtf8("登録色"));
    again.move(40, 50);
    again.resize(500, 300);
    again.close();
    EXPECT_NE(ReadSettings().find("[PALETTES]\nSHOWN=登録色\nX=40\nY=50\nWIDTH=500\nHEIGHT=300\n"),
              std::string::npos);
    m_dlg->close();
    Open();
    CPaletteWindow& placed = OpenPalettes();
    EXPECT_EQ(QRect(placed.pos(), placed.size()), QRect(40, 50, 500, 300));
}

TEST_F(PaletteWindowTest, ImportedPalettesAreKeptAndShownAndWhatHasNoColourIsRefused)
{
    Open();
    CPaletteWindow& window = OpenPalettes();
    QAbstractButton* importButton = Button(window, "読み込む(&I)...");
    const auto importFile = [&](const fs::path& path) {
        WhenModal([path](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            files->selectFile(QString::fromStdString(path.string()));
            static_cast<QDialog*>(files)->accept();
        });
        importButton->click();
    };
    importFile(PaletteData("harbour.gpl"));
    EXPECT_EQ(In<QComboBox>(window)->currentText(), "Harbour Site");
    EXPECT_EQ(Shown(window).size(), 6);
    EXPECT_TRUE(fs::exists(m_data / "tessuvo/palettes/Harbour Site.gpl"));

    const fs::path empty = m_data / "empty.css";
    std::ofstream(empty) << "body { margin: 0 }";
    QString message;
    WhenModal([&](QWidget* dialog) {
        qobject_cast<QFileDialog*>(dialog)->selectFile(QString::fromStdString(empty.string()));
        WhenModal([&](QWidget* box) {
            message = qobject_cast<QMessageBox*>(box)->text();
            static_cast<QDialog*>(box)->accept();
        });
        static_cast<QDialog*>(dialog)->accept();
    });
    importButton->click();
    EXPECT_EQ(message, QString::fromUtf8("「empty.css」に色が見つかりませんでした。"));
    EXPECT_EQ(ListPalettes((m_data / "tessuvo/palettes/").string()).size(), 1u);
}

} // namespace
