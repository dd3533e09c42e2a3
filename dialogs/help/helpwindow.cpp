#include "helpwindow.h"

#include "help/helppath.h"
#include "platform/dialogfont.h"

#include <QScreen>
#include <QTextDocument>
#include <algorithm>

namespace tessuvo {

namespace {
constexpr const char* HelpCaption = "Tessuvo ﾍﾙﾌﾟ";
constexpr int Gap = 8;
constexpr int MinimumWidth = 360;
} // namespace

CHelpWindow::CHelpWindow(const ChmLibrary& chm, QWidget* owner) : QTextBrowser(owner), m_chm(chm)
{
    // A window of its own, yet a child of the owner: the owner's modal loop lets its own
    // windows take input, and the help goes away with it.
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(HelpCaption));
    setFont(QFont(QString::fromUtf8(DesignFontFace), 10));
    setOpenExternalLinks(false);
    resize(520, 420);
    if (owner)
        PlaceBeside(owner);
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = documentTitle();
        setWindowTitle(title.isEmpty() ? QString::fromUtf8(HelpCaption) : title);
    });
}

// On the side of the owner with more room, narrowed to that room down to a readable width, so
// that neither window hides the other where the screen allows.
void CHelpWindow::PlaceBeside(const QWidget* owner)
{
    const QRect screen = owner->screen()->availableGeometry();
    const QRect beside = owner->frameGeometry();
    const int rightRoom = screen.right() - beside.right() - Gap;
    const int leftRoom = beside.left() - screen.left() - Gap;
    const int room = std::max(rightRoom, leftRoom);
    resize(std::clamp(room, MinimumWidth, width()), height());
    const int x = rightRoom >= leftRoom ? beside.right() + Gap : beside.left() - Gap - width();
    const int y = std::min(beside.top(), screen.bottom() - height());
    move(std::max(x, screen.left()), std::max(y, screen.top()));
}

CHelpWindow::~CHelpWindow()
{
    CloseFile();
}

void CHelpWindow::CloseFile()
{
    if (m_file)
        m_chm.close(m_file);
    m_file = nullptr;
    m_path.clear();
}

void CHelpWindow::ShowTopic(const std::string& file, const std::string& page)
{
    const std::string located = LocateHelpFile(file, InstalledDataDirectory());
    if (located != m_path) {
        CloseFile();
        if (!located.empty() && (m_file = m_chm.open(located.c_str())))
            m_path = located;
    }
    if (!m_file) {
        setWindowTitle(QString::fromUtf8(HelpCaption));
        setPlainText(QString::fromUtf8("ヘルプファイル " + file + " が見つかりません。"));
        return;
    }
    setSource(QUrl(QString::fromStdString(page)), QTextDocument::HtmlResource);
}

QVariant CHelpWindow::loadResource(int type, const QUrl& name)
{
    if (!m_file)
        return {};
    chmUnitInfo unit{};
    // Links between pages come relative; the pages all stand in the file's top folder.
    QString page = name.path();
    if (!page.startsWith(QLatin1Char('/')))
        page.prepend(QLatin1Char('/'));
    const QByteArray path = page.toUtf8();
    if (m_chm.resolveObject(m_file, path.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return {};
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 read =
        m_chm.retrieveObject(m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                             static_cast<LONGINT64>(unit.length));
    bytes.truncate(read > 0 ? static_cast<qsizetype>(read) : 0);
    // The pages are written in UTF-8.
    if (type == QTextDocument::HtmlResource)
        return QString::fromUtf8(bytes);
    return bytes;
}

} // namespace tessuvo
