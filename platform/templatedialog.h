#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QPainter;

namespace tessuvo {

class MenuBar;

// A dialog built from its template in res/: the controls at their places in dialog units,
// the dialog font, the menu bar above the client area. Subclasses are the program's dialogs.
class TemplateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);

    // Runs the dialog modally; IDOK or IDCANCEL.
    int DoModal();
    void EndDialog(int result);
    // The dialog is initialised just before it first appears, however it is shown.
    void setVisible(bool visible) override;

    QWidget* GetDlgItem(int id) const;
    template <class T> T* Control(int id) const { return qobject_cast<T*>(GetDlgItem(id)); }
    MenuBar* GetMenu() const { return m_menu; }
    // The client area below the menu bar: the controls' parent, and where custom painting goes.
    QWidget* Client() const { return m_client; }

    // The dialog id of a control built from a template; 0 for any other widget.
    static int ControlId(const QWidget* widget);

protected:
    // Runs once, before the dialog is first shown.
    virtual void OnInitDialog() {}
    // Paints over the client area after its controls' background has been drawn.
    virtual void PaintClient(QPainter& painter);
    // The face of colour button `id`, asked at each of its paints; invalid for the button face.
    virtual QColor ColorButtonFace(int id) const;
    // The tooltip over control `id`, or over the painted client area (id 0) at `clientPoint`,
    // formed at the moment it is asked for; nothing shows no tooltip.
    virtual std::optional<std::string> ToolTipText(int id, QPoint clientPoint) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class ClientArea;
    void InitDialogOnce();

    QWidget* m_client = nullptr;
    MenuBar* m_menu = nullptr;
    bool m_initialised = false;
};

} // namespace tessuvo
