#pragma once

#include "core/color/color.h"
#include "core/palette/palette.h"

#include <QRect>
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tessuvo {

class SwatchView;

// The palette window: the named colours of CSS, the registered colours, the colours of the
// history and the user's own palettes as swatches that set the background or the text colour,
// found by typing part of a name or value, read from and written to palette files. A window of
// its own beside its owner, not modal; it closes with its owner, and with Escape.
class CPaletteWindow final : public QWidget
{
    Q_OBJECT

public:
    // `iniPath` holds the registered colours and the window's own settings, `historyPath` the
    // history of pairs, `folder` the user's palettes.
    CPaletteWindow(std::string iniPath, std::string historyPath, std::string folder,
                   QWidget* owner);
    ~CPaletteWindow() override;

    // The pair as the owner shows it now, named in the status line.
    void ShowPair(const Color& background, const Color& text);

signals:
    void colorChosen(tessuvo::ColorTarget target, const tessuvo::Color& color);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillPaletteList();
    void Place();
    PaletteRead LoadPalette(const std::string& id) const;
    std::string ShownId() const;
    void ShowPalette(const std::string& id);

    void OnPaletteChosen();
    void OnFilterChanged(const QString& query);
    void OnFilterReturn();
    void OnImport();
    void OnExport();
    void Choose(int row);
    void ShowCount();
    bool TypeIntoFilter(QKeyEvent* event);
    // Writes the window's place and size and the palette shown, each only when it changed.
    void SaveState();

    const std::string m_iniPath;
    const std::string m_historyPath;
    const std::string m_folder;
    QComboBox* m_palettes;
    QLineEdit* m_filter;
    SwatchView* m_swatches;
    QRadioButton* m_background;
    QRadioButton* m_text;
    QLabel* m_pairNames;
    QLabel* m_count;
    QPushButton* m_export = nullptr;
    // A move or a resize is written once the window has stood still a moment.
    QTimer* m_placeSaver;
    // As the settings file had them, or as the window was first placed: written when they differ.
    QRect m_geometryKept;
    std::string m_shownKept;
    bool m_placed = false;
};

} // namespace tessuvo
