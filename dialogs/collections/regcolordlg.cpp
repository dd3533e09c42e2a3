#include "regcolordlg.h"

#include "collections/regslots.h"
#include "platform/colorbutton.h"
#include "platform/messagebox.h"
#include "res/resource.h"

#include <QPushButton>
#include <utility>

namespace tessuvo {

namespace {

static_assert(std::size(res::IDC_REG_SLOTS) == SlotCount);

constexpr const char* SetFullMessage =
    "登録する場所がありません。どれか色を削除してから登録して下さい。";
constexpr const char* NotRegisteredMessage =
    "色を登録できませんでした。設定ファイルに書き込めません。";
constexpr const char* NotDeletedMessage =
    "色を削除できませんでした。設定ファイルに書き込めません。";

} // namespace

CRegColorDlg::CRegColorDlg(std::string iniPath, ColorTarget target, const Color& offered,
                           QWidget* parent)
    : TemplateDialog(res::IDD_REGCOLOR, parent), m_iniPath(std::move(iniPath)), m_target(target),
      m_offered(offered)
{
    DoDataExchange();
    connect(Control<QPushButton>(res::IDC_REG_REGISTER), &QPushButton::clicked, this,
            &CRegColorDlg::OnRegister);
    connect(Control<QPushButton>(res::IDC_REG_DELETE), &QPushButton::clicked, this,
            &CRegColorDlg::OnDelete);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        ColorButton* button = m_btnSlot[static_cast<std::size_t>(slot - 1)];
        connect(button, &ColorButton::clicked, this, [this, slot] { OnSlotClicked(slot); });
        connect(button, &ColorButton::doubleClicked, this,
                [this, slot] { OnSlotDoubleClicked(slot); });
    }
}

void CRegColorDlg::DoDataExchange()
{
    for (std::size_t i = 0; i < m_btnSlot.size(); ++i)
        m_btnSlot[i] = Control<ColorButton>(res::IDC_REG_SLOTS[i]);
    m_btnSwatch = Control<ColorButton>(res::IDC_REG_SWATCH);
}

QColor CRegColorDlg::ColorButtonFace(int id) const
{
    if (id == res::IDC_REG_SWATCH)
        return QColor(m_offered.red & 0xFF, m_offered.green & 0xFF, m_offered.blue & 0xFF);
    // Read from the file at every paint, so that what a second running copy registers shows.
    const QColor face = palette().color(QPalette::Button);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (res::IDC_REG_SLOTS[slot - 1] == id) {
            const SlotValues v =
                ReadSlotFace(m_iniPath, m_target, slot, {face.red(), face.green(), face.blue()});
            return QColor(v.red, v.green, v.blue);
        }
    }
    return {};
}

void CRegColorDlg::OnRegister()
{
    const int slot =
        RegisterSlot(m_iniPath, m_target, m_offered.red, m_offered.green, m_offered.blue);
    if (slot == SlotsFull)
        AfxMessageBox(SetFullMessage, MB_ICONEXCLAMATION);
    else if (slot == SlotNotWritten)
        AfxMessageBox(NotRegisteredMessage, MB_ICONEXCLAMATION);
    RedrawAll();
}

void CRegColorDlg::OnDelete()
{
    if (!DeleteSlot(m_iniPath, m_target, m_selSlot)) {
        // The slot keeps its colour, and so the choice stays.
        AfxMessageBox(NotDeletedMessage, MB_ICONEXCLAMATION);
        return;
    }
    RedrawAll();
    m_selected.reset();
}

void CRegColorDlg::OnSlotClicked(int slot)
{
    m_selSlot = slot;
    const SlotValues v = ReadSlot(m_iniPath, m_target, slot, -1);
    // A slot without its colour keys hands back nothing, as a red of -1 always has.
    if (v.red < 0)
        m_selected.reset();
    else
        m_selected = Color{v.red, v.green, v.blue};
}

void CRegColorDlg::OnSlotDoubleClicked(int slot)
{
    OnSlotClicked(slot);
    EndDialog(res::IDOK);
}

void CRegColorDlg::RedrawAll()
{
    Client()->update();
    for (ColorButton* button : m_btnSlot)
        button->update();
    m_btnSwatch->update();
}

} // namespace tessuvo
