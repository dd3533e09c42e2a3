#include "regcolordlg.h"

#include "collections/regslots.h"
#include "platform/colorbutton.h"
#include "platform/messagebox.h"
#include "res/resource.h"
#include "settings/settingspath.h"

#include <QPushButton>

namespace tessuvo {

namespace {

// Control ids of slots 1 to 18, row by row from the top left.
constexpr int SlotIds[SlotCount] = {1000, 1016, 1017, 1019, 1006, 1007, 1001, 1002, 1003,
                                    1004, 1005, 1008, 1014, 1018, 1020, 1015, 1028, 1029};

constexpr const char* SetFullMessage =
    "登録する場所がありません。どれか色を削除してから登録して下さい。";
constexpr const char* NotRegisteredMessage =
    "色を登録できませんでした。設定ファイルに書き込めません。";
constexpr const char* NotDeletedMessage =
    "色を削除できませんでした。設定ファイルに書き込めません。";

} // namespace

CRegColorDlg::CRegColorDlg(QWidget* parent) : TemplateDialog(res::IDD_REGCOLOR, parent)
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
        m_btnSlot[i] = Control<ColorButton>(SlotIds[i]);
    m_btnSwatch = Control<ColorButton>(res::IDC_REG_SWATCH);
}

void CRegColorDlg::OnInitDialog()
{
    m_iniPath = SettingsPath(ExecutableDirectory());
}

QColor CRegColorDlg::ColorButtonFace(int id) const
{
    if (m_target != TargetBackground && m_target != TargetText)
        return {};
    if (id == res::IDC_REG_SWATCH)
        return QColor(m_regRed & 0xFF, m_regGreen & 0xFF, m_regBlue & 0xFF);
    // Read from the file at every paint, so that what a second running copy registers shows.
    const QColor face = palette().color(QPalette::Button);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (SlotIds[slot - 1] == id) {
            const SlotValues v =
                ReadSlotFace(m_iniPath, m_target, slot, {face.red(), face.green(), face.blue()});
            return QColor(v.red, v.green, v.blue);
        }
    }
    return {};
}

void CRegColorDlg::OnRegister()
{
    const int slot = RegisterSlot(m_iniPath, m_target, m_regRed, m_regGreen, m_regBlue);
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
    m_selRed = -1;
}

void CRegColorDlg::OnSlotClicked(int slot)
{
    m_selSlot = slot;
    const SlotValues v = ReadSlot(m_iniPath, m_target, slot, -1);
    m_selRed = v.red;
    m_selGreen = v.green;
    m_selBlue = v.blue;
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
