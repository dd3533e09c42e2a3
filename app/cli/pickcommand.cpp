#include "pickcommand.h"

#include "platform/dialogfont.h"
#include "platform/eyedropperhost.h"
#include "platform/qttranslation.h"
#include "settings/settingskeys.h"
#include "settings/settingspath.h"

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

namespace tessuvo {

namespace {

// Off every screen, where no one sees the window and no pick reads it.
constexpr QRect OffScreen(-1, -1, 1, 1);
// A desktop's shortcut may hold the keyboard until its keys are let go, a moment after it has
// started the program: the grab is tried again for two seconds.
constexpr int GrabTries = 40;
constexpr std::chrono::milliseconds GrabRetry(50);
constexpr Color White{255, 255, 255};

// The window that owns the eyedropper: no one sees it, and while the eyedropper is armed it
// holds the mouse and the keyboard.
class PickWindow final : public QWidget, public EyedropperHost
{
public:
    explicit PickWindow(int notation)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint),
          EyedropperHost(this), m_notation(notation)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setGeometry(OffScreen);
    }

    // The colour taken, once the event loop has ended.
    std::optional<Color> Taken() const { return m_taken; }

    void Start()
    {
        // Only X11 lets a window hold the mouse and the keyboard from off the screen; elsewhere
        // the portal's picker shows, and this window stays hidden.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            show();
        StartEyedropper(
            this, m_eyedropper, ColorTarget::Text, [this](const Color& color) { Finish(color); },
            [this] { Finish(std::nullopt); });
        if (m_eyedropper.Armed())
            GrabInput();
    }

private:
    void Finish(std::optional<Color> color)
    {
        m_taken = color;
        QCoreApplication::exit(color ? 0 : 1);
    }

    void GrabInput()
    {
        QWindow* window = windowHandle();
        if (window && window->setMouseGrabEnabled(true) && window->setKeyboardGrabEnabled(true))
            return;
        if (++m_grabTries < GrabTries) {
            QTimer::singleShot(GrabRetry, this, &PickWindow::GrabInput);
            return;
        }
        std::fputs("tessuvo: マウスとキーボードを使えないため、色を取れません。\n", stderr);
        Finish(std::nullopt);
    }

    // The colour goes out at the release, as the window's boxes take it then.
    void OnLButtonDown(QPointF global) override
    {
        const auto pick = m_eyedropper.LeftButtonDown(global.x(), global.y());
        if (pick && pick->target)
            m_taken = pick->color;
    }

    void OnLButtonUp() override
    {
        if (m_eyedropper.End())
            Finish(m_taken);
    }

    void OnRButtonDown() override
    {
        if (m_eyedropper.End())
            Finish(std::nullopt);
    }

    int PickNotation() const override { return m_notation; }
    // Measured as in the window at its start, against its white background.
    Color PickContrastColor(ColorTarget) const override { return White; }

    bool event(QEvent* event) override { return PickWindowEvent(event) || QWidget::event(event); }
    void mousePressEvent(QMouseEvent* event) override { PickMousePress(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { PickMouseRelease(event); }
    void mouseMoveEvent(QMouseEvent* event) override { PickMouseMove(event); }

    int m_notation;
    std::optional<Color> m_taken;
    int m_grabTries = 0;
};

} // namespace

int RunPick(std::optional<CopyFormat> format, bool copy)
{
    InstallFontSubstitutions();
    InstallQtTranslation();
    // Only read: the file is not prepared for writing, as the window's start-up prepares it.
    const std::string settings = SettingsPath(ExecutableDirectory());
    PickWindow window(keys::Read(keys::Notation, settings));
    window.UsePickArea(keys::Read(keys::PickArea, settings));
    // In the event loop, which the end of the pick leaves however soon it comes.
    QTimer::singleShot(0, &window, &PickWindow::Start);
    if (QApplication::exec() != 0 || !window.Taken())
        return 1;
    const std::string text = FormatColorAs(format.value_or(CopyFormat::HexUpper), *window.Taken());
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    // A clipboard manager takes the text over when the application ends, as after the window.
    if (copy)
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    return 0;
}

} // namespace tessuvo
