#include "palettewindow.h"

#include "collections/builtinpalettes.h"
#include "collections/pairhistory.h"
#include "collections/palettefolder.h"
#include "core/colortext/namedcolors.h"
#include "core/palette/palettefile.h"
#include "platform/dialogfont.h"
#include "platform/messagebox.h"
#include "platform/windowops.h"
#include "settings/profile.h"
#include "settings/settingskeys.h"
#include "swatchview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <array>
#include <chrono>
#include <filesystem>

namespace tessuvo {

namespace {

constexpr int MinimumWidth = 300;
constexpr QSize FirstSize(440, 420);
constexpr std::chrono::milliseconds PlaceSavingDelay(500);

// The palettes the program offers, in the order of the list; the user's own follow.
constexpr const char* BuiltIn[] = {NamedColorsPaletteName, RegisteredPaletteName,
                                   HistoryPaletteName};

// The file types of "書き出す(&E)...", in the order of their formats.
constexpr std::array<std::pair<const char*, ExportFormat>, 3> ExportTypes{{
    {"GIMP パレット (*.gpl)", ExportFormat::Gimp},
    {"CSS カスタムプロパティ (*.css)", ExportFormat::CssProperties},
    {"デザイントークン JSON (*.json)", ExportFormat::DesignTokens},
}};

std::string FileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

} // namespace

CPaletteWindow::CPaletteWindow(std::string iniPath, std::string historyPath, std::string folder,
                               QWidget* owner)
    : QWidget(owner, Qt::Window), m_iniPath(std::move(iniPath)),
      m_historyPath(std::move(historyPath)), m_folder(std::move(folder)),
      m_palettes(new QComboBox(this)), m_filter(new QLineEdit(this)),
      m_swatches(new SwatchView(this)),
      m_background(new QRadioButton(QString::fromUtf8("背景色(&B)"), this)),
      m_text(new QRadioButton(QString::fromUtf8("文字色(&F)"), this)),
      m_pairNames(new QLabel(this)), m_count(new QLabel(this)), m_placeSaver(new QTimer(this))
{
    setWindowTitle(QString::fromUtf8("パレット"));
    setFont(DialogFont());
    m_filter->setPlaceholderText(QString::fromUtf8("名前か値で絞り込み"));
    m_filter->setClearButtonEnabled(true);
    m_swatches->setAccessibleName(QString::fromUtf8("色"));
    m_background->setChecked(true);
    auto* importButton = new QPushButton(QString::fromUtf8("読み込む(&I)..."), this);
    m_export = new QPushButton(QString::fromUtf8("書き出す(&E)..."), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_background);
    buttons->addWidget(m_text);
    buttons->addStretch();
    buttons->addWidget(importButton);
    buttons->addWidget(m_export);
    auto* status = new QHBoxLayout;
    status->addWidget(m_pairNames, 1);
    status->addWidget(m_count);
    auto* choice = new QFormLayout;
    const auto addRow = [&](const char* label, QWidget* field) {
        auto* text = new QLabel(QString::fromUtf8(label), this);
        text->setBuddy(field);
        choice->addRow(text, field);
    };
    addRow("パレット(&P):", m_palettes);
    addRow("絞り込み(&S):", m_filter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_swatches, 1);
    layout->addLayout(buttons);
    layout->addLayout(status);

    connect(m_palettes, &QComboBox::currentIndexChanged, this, &CPaletteWindow::OnPaletteChosen);
    connect(m_filter, &QLineEdit::textChanged, this, &CPaletteWindow::OnFilterChanged);
    connect(m_filter, &QLineEdit::returnPressed, this, &CPaletteWindow::OnFilterReturn);
    connect(m_swatches, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { Choose(index.row()); });
    connect(importButton, &QPushButton::clicked, this, &CPaletteWindow::OnImport);
    connect(m_export, &QPushButton::clicked, this, &CPaletteWindow::OnExport);
    m_filter->installEventFilter(this);
    m_swatches->installEventFilter(this);
    m_placeSaver->setSingleShot(true);
    m_placeSaver->setInterval(PlaceSavingDelay);
    connect(m_placeSaver, &QTimer::timeout, this, &CPaletteWindow::SaveState);

    FillPaletteList();
    const std::string kept = keys::Read(keys::PaletteShown, keys::PaletteShownBuffer, m_iniPath);
    {
        const QSignalBlocker quiet(m_palettes);
        m_palettes->setCurrentIndex(
            std::max(0, m_palettes->findData(QString::fromStdString(kept))));
    }
    // Written once the user chooses another, not because the one kept has gone.
    m_shownKept = ShownId();
    ShowPalette(m_shownKept);
    resize(FirstSize);
}

// As every addition's setting, what changed is written however the program ends.
CPaletteWindow::~CPaletteWindow()
{
    SaveState();
}

void CPaletteWindow::ShowPair(const Color& background, const Color& text)
{
    m_pairNames->setText(QString::fromStdString(PairNamesNote(background, text)));
}

// The palettes the program offers, then those in the folder as it is now; the palette shown
// stays chosen while it is there.
void CPaletteWindow::FillPaletteList()
{
    const QString shown = m_palettes->currentData().toString();
    const QSignalBlocker quiet(m_palettes);
    m_palettes->clear();
    for (const char* name : BuiltIn)
        m_palettes->addItem(QString::fromUtf8(name), QString::fromUtf8(name));
    const std::vector<StoredPalette> stored = ListPalettes(m_folder);
    if (!stored.empty())
        m_palettes->insertSeparator(m_palettes->count());
    for (const StoredPalette& palette : stored)
        m_palettes->addItem(QString::fromStdString(palette.name),
                            QString::fromStdString(palette.file));
    m_palettes->setCurrentIndex(std::max(0, m_palettes->findData(shown)));
}

std::string CPaletteWindow::ShownId() const
{
    return m_palettes->currentData().toString().toStdString();
}

PaletteRead CPaletteWindow::LoadPalette(const std::string& id) const
{
    if (id == NamedColorsPaletteName)
        return {NamedColorsPalette()};
    if (id == RegisteredPaletteName)
        return {RegisteredColorsPalette(m_iniPath)};
    if (id == HistoryPaletteName)
        return {HistoryColorsPalette(ReadPairHistory(m_historyPath))};
    return ReadPaletteFile(m_folder + id);
}

// A palette file that went bad since it was listed shows empty, with the reason instead of the
// count.
void CPaletteWindow::ShowPalette(const std::string& id)
{
    PaletteRead read = LoadPalette(id);
    m_swatches->ShowPalette(std::move(read.palette));
    m_export->setEnabled(!m_swatches->Shown().colors.empty());
    m_swatches->Filter(m_filter->text());
    m_count->setText(read.problem == PaletteProblem::None
                         ? QString::fromUtf8("0 色")
                         : QString::fromStdString(PaletteProblemText(read.problem, id)));
    ShowCount();
}

void CPaletteWindow::ShowCount()
{
    const int total = static_cast<int>(m_swatches->Shown().colors.size());
    if (total == 0)
        return; // an empty palette keeps its note
    const int shown = m_swatches->ShownCount();
    m_count->setText(shown == total ? QString::fromUtf8("%1 色").arg(total)
                                    : QString::fromUtf8("%1 / %2 色").arg(shown).arg(total));
}

void CPaletteWindow::OnPaletteChosen()
{
    ShowPalette(ShownId());
    SaveState();
}

void CPaletteWindow::OnFilterChanged(const QString& query)
{
    m_swatches->Filter(query);
    ShowCount();
}

void CPaletteWindow::OnFilterReturn()
{
    Choose(0);
}

void CPaletteWindow::Choose(int row)
{
    if (const auto entry = m_swatches->ColorAt(row))
        emit colorChosen(m_text->isChecked() ? ColorTarget::Text : ColorTarget::Background,
                         entry->color);
}

void CPaletteWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed)
        Place();
    m_filter->setFocus();
}

// Where the settings file says, while that is on a screen; else beside the owner.
void CPaletteWindow::Place()
{
    m_placed = true;
    const QRect kept(keys::Read(keys::PaletteWindowX, m_iniPath),
                     keys::Read(keys::PaletteWindowY, m_iniPath),
                     keys::Read(keys::PaletteWindowWidth, m_iniPath),
                     keys::Read(keys::PaletteWindowHeight, m_iniPath));
    const QScreen* screen = QGuiApplication::screenAt(kept.topLeft());
    if (kept.width() > 0 && kept.height() > 0 && screen) {
        move(kept.topLeft());
        resize(kept.size());
    } else if (parentWidget()) {
        PlaceBeside(this, parentWidget(), MinimumWidth);
    }
    m_geometryKept = QRect(pos(), size());
}

// The window comes back into use: the folder, the registered colours and the history may have
// changed meanwhile.
void CPaletteWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    const std::string shown = ShownId();
    FillPaletteList();
    if (ShownId() != shown) {
        ShowPalette(ShownId());
        return;
    }
    if (shown == RegisteredPaletteName || shown == HistoryPaletteName)
        if (LoadPalette(shown).palette.colors != m_swatches->Shown().colors)
            ShowPalette(shown);
}

void CPaletteWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    m_placeSaver->start();
}

void CPaletteWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_placeSaver->start();
}

void CPaletteWindow::closeEvent(QCloseEvent* event)
{
    SaveState();
    QWidget::closeEvent(event);
}

void CPaletteWindow::SaveState()
{
    const QRect geometry(pos(), size());
    const std::string shown = ShownId();
    const std::string x = std::to_string(geometry.x()), y = std::to_string(geometry.y()),
                      width = std::to_string(geometry.width()),
                      height = std::to_string(geometry.height());
    std::vector<ProfileEntry> writes;
    const bool moved = m_placed && geometry != m_geometryKept;
    if (moved)
        writes.insert(writes.end(),
                      {keys::Entry(keys::PaletteWindowX, x), keys::Entry(keys::PaletteWindowY, y),
                       keys::Entry(keys::PaletteWindowWidth, width),
                       keys::Entry(keys::PaletteWindowHeight, height)});
    if (shown != m_shownKept)
        writes.push_back(keys::Entry(keys::PaletteShown, shown));
    if (writes.empty() || !WritePrivateProfileEntries(writes, m_iniPath))
        return;
    if (moved)
        m_geometryKept = geometry;
    m_shownKept = shown;
}

// Escape closes the window, as it closes a dialog; what is typed where nothing takes it goes to
// the filter.
void CPaletteWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else if (!TypeIntoFilter(event))
        QWidget::keyPressEvent(event);
}

bool CPaletteWindow::TypeIntoFilter(QKeyEvent* event)
{
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.front().isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typed && event->key() != Qt::Key_Backspace)
        return false;
    m_filter->setFocus();
    QCoreApplication::sendEvent(m_filter, event);
    return true;
}

// Down from the filter goes into the swatches; in the swatches Enter sets the colour and typing
// goes on in the filter.
bool CPaletteWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_filter && (key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown)) {
        if (m_swatches->ShownCount() > 0) {
            m_swatches->setFocus();
            m_swatches->setCurrentIndex(m_swatches->model()->index(0, 0));
        }
        return true;
    }
    if (watched != m_swatches)
        return QWidget::eventFilter(watched, event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_swatches->currentIndex().isValid())
            Choose(m_swatches->currentIndex().row());
        return true;
    }
    return TypeIntoFilter(key) || QWidget::eventFilter(watched, event);
}

void CPaletteWindow::OnImport()
{
    const QString chosen = QFileDialog::getOpenFileName(
        this, QString::fromUtf8("パレットを読み込む"), QString(),
        QString::fromUtf8("パレット、スタイルシート、ページ (*.gpl *.css *.scss *.less *.html "
                          "*.htm *.txt *.json);;すべてのファイル (*)"));
    if (chosen.isEmpty())
        return;
    const std::string path = chosen.toStdString();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PaletteRead read = ReadPaletteFile(path);
    QGuiApplication::restoreOverrideCursor();
    if (read.problem != PaletteProblem::None) {
        MessageBoxA(this, PaletteProblemText(read.problem, FileName(path)), ApplicationTitle,
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const auto stored = StorePalette(m_folder, std::move(read.palette));
    if (!stored) {
        MessageBoxA(this, "パレットを " + m_folder + " に保存できませんでした。", ApplicationTitle,
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    FillPaletteList();
    m_palettes->setCurrentIndex(m_palettes->findData(QString::fromStdString(stored->file)));
}

void CPaletteWindow::OnExport()
{
    QStringList types;
    for (const auto& [type, format] : ExportTypes)
        types << QString::fromUtf8(type);
    const auto formatOf = [&](const QString& type) {
        return ExportTypes[std::max<qsizetype>(0, types.indexOf(type))].second;
    };
    const auto suffixOf = [](ExportFormat format) {
        return QString::fromUtf8(ExtensionOf(format).substr(1));
    };
    QString suggested = QString::fromStdString(m_swatches->Shown().name);
    suggested.replace(QLatin1Char('/'), QLatin1Char('_'));
    QFileDialog dialog(this, QString::fromUtf8("パレットを書き出す"), suggested + ".gpl",
                       types.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffixOf(ExportFormat::Gimp));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&](const QString& type) { dialog.setDefaultSuffix(suffixOf(formatOf(type))); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string path = dialog.selectedFiles().front().toStdString();
    const ExportFormat format =
        ExportFormatOf(path).value_or(formatOf(dialog.selectedNameFilter()));
    if (!WritePaletteFile(path, m_swatches->Shown(), format))
        MessageBoxA(this, "「" + FileName(path) + "」に書き出せませんでした。", ApplicationTitle,
                    MB_OK | MB_ICONEXCLAMATION);
}

} // namespace tessuvo
