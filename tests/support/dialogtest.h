#pragma once

#include "platform/templatedialog.h"
#include "settings/settingspath.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace tessuvo::test {

// A folder of this process's own, so that tests run in parallel, each in its own process; the
// test main points the XDG base directories into it. The folder goes at exit.
inline const std::filesystem::path& ScratchFolder()
{
    static const struct Folder
    {
        std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("tessuvo-dialogtest-" + std::to_string(::getpid()));
        Folder() { std::filesystem::create_directories(dir); }
        ~Folder()
        {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    } folder;
    return folder.dir;
}

// The settings file the dialogs under test are given.
inline std::string SettingsFile()
{
    return (ScratchFolder() / SettingsFileName).string();
}

// The history's file, where HistoryPath finds it.
inline std::string HistoryFile()
{
    return (ScratchFolder() / "state" / "tessuvo" / HistoryFileName).string();
}

inline void WriteSettings(const std::string& content)
{
    std::ofstream(SettingsFile(), std::ios::binary) << content;
}

inline std::string ReadSettings()
{
    std::ifstream in(SettingsFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void RemoveSettings()
{
    std::filesystem::remove(SettingsFile());
    std::filesystem::remove(HistoryFile());
}

inline std::string ClipboardText()
{
    return QApplication::clipboard()->text().toStdString();
}

// Types any text, one key press per character (QTest only knows the keys of ASCII).
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
    }
}

// Runs `action` on the modal dialog that the next DoModal (or message box) opens, once it is up.
// The action is to end the dialog; one that stays open is a failure, and is closed so that the
// test goes on.
template <class Action> void WhenModal(Action action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        action(modal);
        QTimer::singleShot(0, modal, [modal] {
            if (!modal->isVisible())
                return;
            ADD_FAILURE() << "the dialog stayed open";
            static_cast<QDialog*>(modal)->reject();
        });
    });
}

// Sends a context menu request to `widget` at `at` and hands the menu that opens to `use`,
// which triggers an item or leaves the menu to be closed.
inline void WithContextMenu(QWidget* widget, QPoint at, const std::function<void(QMenu&)>& use)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened = true;
        use(*menu);
        if (menu->isVisible())
            menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QApplication::processEvents();
    ASSERT_TRUE(opened);
}

// The texts of a menu's items, in their order.
inline QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

// The menu's item with this text; a failure when there is none.
inline QAction* Item(const QMenu& menu, const char* text)
{
    for (QAction* action : menu.actions())
        if (action->text() == QString::fromUtf8(text))
            return action;
    ADD_FAILURE() << "no item " << text;
    return nullptr;
}

template <class T> T* ControlOf(const TemplateDialog& dialog, int id)
{
    T* control = dialog.Control<T>(id);
    if (!control)
        throw std::runtime_error("no control " + std::to_string(id));
    return control;
}

// The colour a button shows at its centre.
inline QColor Face(QWidget* button)
{
    const QImage image = button->grab().toImage();
    return image.pixelColor(image.rect().center());
}

// A click on the dialog's button `id`.
inline void Click(const TemplateDialog& dlg, int id)
{
    QTest::mouseClick(ControlOf<QAbstractButton>(dlg, id), Qt::LeftButton);
}

} // namespace tessuvo::test
